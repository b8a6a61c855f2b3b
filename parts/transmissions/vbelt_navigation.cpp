#include "parts/transmissions/vbelt_navigation.h"

#include <QAbstractButton>

namespace transmissions {

namespace {

constexpr QSize kHidden{0, 0};
constexpr QSize kPage{601, 435};
constexpr QSize kTitleStrip{601, 24};
constexpr QSize kFirstPage{601, 459};

struct Resize {
    const char* panel;
    QSize size;
};

// A page button, on which page it stands, and the sizes it gives, in order.
struct PageTurn {
    const char* button;
    const char* page;
    bool collapseAll;
    Resize sizes[2];
};

constexpr PageTurn kPageTurns[] = {
    {"SpeedButton8", "Panel105", true, {{"Panel105", kTitleStrip}, {"Panel106", kPage}}},
    {"SpeedButton9", "Panel106", true, {{"Panel110", kPage}, {"Panel105", kTitleStrip}}},
    {"SpeedButton10", "Panel110", true, {{"Panel113", kPage}, {"Panel105", kTitleStrip}}},
    {"SpeedButton14", "Panel113", false, {{"Panel113", kHidden}, {"Panel116", kPage}}},
    {"SpeedButton12", "Panel106", false, {{"Panel106", kHidden}, {"Panel105", kFirstPage}}},
    {"SpeedButton11", "Panel110", false, {{"Panel110", kHidden}, {"Panel106", kPage}}},
    {"SpeedButton13", "Panel113", false, {{"Panel113", kHidden}, {"Panel110", kPage}}},
    {"SpeedButton15", "Panel116", false, {{"Panel113", kPage}, {"Panel116", kHidden}}},
};

} // namespace

void connectPageButtons(shell::PanelContext& context, QWidget* clientArea)
{
    auto page = [clientArea](const char* name) {
        return clientArea->findChild<QWidget*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    };
    for (const PageTurn& turn : kPageTurns) {
        auto* button = page(turn.page)->findChild<QAbstractButton*>(QLatin1String(turn.button));
        QObject::connect(button, &QAbstractButton::clicked, button, [&context, page, &turn] {
            if (turn.collapseAll)
                context.NetPan();
            for (const Resize& r : turn.sizes)
                page(r.panel)->resize(r.size);
        });
    }
}

} // namespace transmissions
