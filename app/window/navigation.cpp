#include "app/window/navigation.h"

#include <QAbstractButton>
#include <QAction>
#include <QFrame>

#include <algorithm>
#include <iterator>

namespace app {

namespace {

enum class Layout { Full, Side };

// A toolbar button or help-menu item and the panel it shows.
struct Destination {
    const char* control;
    const char* panel;
    Layout layout;
};

constexpr Layout F = Layout::Full;
constexpr Layout S = Layout::Side;

constexpr Destination kDestinations[] = {
    // Конструктивные элементы
    {"SpeedButton21", "Panel127", S}, {"SpeedButton22", "Panel128", S}, {"SpeedButton29", "Panel133", S},
    {"SpeedButton23", "Panel90", S},  {"SpeedButton24", "Panel48", F},  {"SpeedButton27", "Panel82", S},
    // Металлопрокат
    {"SpeedButton28", "Panel10", S}, {"SpeedButton30", "Panel12", S}, {"SpeedButton31", "Panel24", S},
    {"SpeedButton32", "Panel16", S}, {"SpeedButton33", "Panel28", S}, {"SpeedButton34", "Panel20", S},
    {"SpeedButton35", "Panel33", S}, {"SpeedButton36", "Panel37", S},
    // Механические соединения
    {"SpeedButton37", "Panel75", S}, {"SpeedButton38", "Panel46", F}, {"SpeedButton39", "Panel77", F},
    {"SpeedButton40", "Panel76", S}, {"SpeedButton41", "Panel79", S}, {"SpeedButton42", "Panel78", S},
    {"SpeedButton43", "Panel81", S}, {"SpeedButton44", "Panel80", S}, {"SpeedButton45", "Panel85", F},
    {"SpeedButton46", "Panel123", S}, {"SpeedButton47", "Panel45", S}, {"SpeedButton48", "Panel86", F},
    // Механические передачи
    {"SpeedButton4", "Panel88", F}, {"SpeedButton7", "Panel105", F},
    // Элементы гидро-, пневмоприводов
    {"SpeedButton1", "Panel94", F},  {"SpeedButton49", "Panel1", S},  {"SpeedButton50", "Panel41", S},
    {"SpeedButton51", "Panel53", F}, {"SpeedButton52", "Panel54", F}, {"SpeedButton53", "Panel68", F},
    {"SpeedButton54", "Panel69", F}, {"SpeedButton55", "Panel50", F}, {"SpeedButton56", "Panel91", F},
    {"SpeedButton57", "Panel57", F}, {"SpeedButton58", "Panel87", F}, {"SpeedButton59", "Panel89", F},
    {"SpeedButton60", "Panel134", F},
    // Прочее
    {"BitBtn29", "Panel44", F}, {"BitBtn24", "Panel2", F}, {"BitBtn56", "Panel61", F},
    // Справка, Help
    {"N9", "Panel32", F}, {"N10", "Panel120", F}, {"N8", "Panel121", F},
};

constexpr const char* kTableSidePanels[] = {"Panel122", "Panel124", "Panel125", "Panel129", "Panel130",
                                            "Panel132", "Panel135", "Panel138", "Panel139"};
constexpr const char* kTips = "Panel126";
constexpr const char* kStrips[] = {"Panel117", "Panel118", "Panel119"};
// Pages inside part panels, the shaft-cuff title panel and the start picture.
constexpr const char* kOthersCollapsed[] = {"Panel59",  "Panel60",  "Panel95",  "Panel96", "Panel106",
                                            "Panel110", "Panel113", "Panel116", "Panel58", "Image12"};
// Side panels that NetPan also moves to Left 0.
constexpr const char* kLeftReset[] = {"Panel122", "Panel124", "Panel125", "Panel126",
                                      "Panel129", "Panel130", "Panel132"};

// The work area and the right-hand area.
constexpr QPoint kWorkArea{0, 50};
constexpr QPoint kRightArea{601, 0};
constexpr QSize kFullSize{601, 459};
constexpr QSize kSideSize{465, 336};
constexpr QSize kTableSideSize{250, 533};
constexpr QSize kTipsSize{540, 533};

constexpr int kNarrowWidth = 607;
constexpr int kTableSideWidth = 858;
constexpr int kTipsWidth = 1149;
// The single border around the client area, both sides together.
constexpr int kBorderWidth = 8;

// Two part panels stand off the work area's left edge.
QPoint placeOf(const char* panel)
{
    if (qstrcmp(panel, "Panel24") == 0)
        return {2, 50};
    if (qstrcmp(panel, "Panel77") == 0)
        return {-1, 50};
    return kWorkArea;
}

bool named(const char* name, const auto& list)
{
    return std::any_of(std::begin(list), std::end(list), [name](const char* n) { return qstrcmp(n, name) == 0; });
}

} // namespace

Navigation::Navigation(QWidget* clientArea) : client_(clientArea) {}

int Navigation::outerWidth() const
{
    return client_->width() + kBorderWidth;
}

void Navigation::setOuterWidth(int width)
{
    client_->setFixedWidth(width - kBorderWidth);
}

QWidget* Navigation::panel(const char* name) const
{
    return client_->findChild<QWidget*>(QLatin1String(name));
}

void Navigation::placePanels()
{
    auto place = [this](const char* name, QPoint at) {
        QWidget* w = client_->findChild<QWidget*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
        if (!w) {
            w = new QFrame(client_);
            w->setObjectName(QLatin1String(name));
        }
        w->setGeometry(QRect(at, QSize(0, 0)));
    };
    for (const Destination& d : kDestinations)
        place(d.panel, placeOf(d.panel));
    for (const char* name : kTableSidePanels)
        place(name, kRightArea);
    place(kTips, kRightArea);

    std::vector<const char*> names;
    for (const Destination& d : kDestinations)
        names.push_back(d.panel);
    names.push_back(kTips);
    names.insert(names.end(), std::begin(kStrips), std::end(kStrips));
    names.insert(names.end(), std::begin(kTableSidePanels), std::end(kTableSidePanels));
    names.insert(names.end(), std::begin(kOthersCollapsed), std::end(kOthersCollapsed));
    collapsible_.clear();
    for (const char* name : names)
        if (QWidget* w = panel(name))
            collapsible_.push_back({w, named(name, kLeftReset)});
}

void Navigation::NetPan()
{
    setOuterWidth(kNarrowWidth);
    for (const Collapsible& c : collapsible_) {
        if (!c.widget)
            continue;
        if (c.resetLeft)
            c.widget->move(0, c.widget->y());
        c.widget->resize(0, 0);
    }
}

void Navigation::FullPanelLayout(QWidget* panel)
{
    panel->resize(kFullSize);
}

void Navigation::SidePanelLayout(QWidget* panel)
{
    panel->resize(kSideSize);
    this->panel("Panel117")->resize(135, 336);
    this->panel("Panel119")->resize(135, 122);
    this->panel("Panel118")->resize(465, 122);
}

void Navigation::TableSidePanelLayout(QWidget* sidePanel)
{
    setOuterWidth(kTableSideWidth);
    sidePanel->setGeometry(QRect(QPoint(kRightArea.x(), sidePanel->y()), kTableSideSize));
    sidePanel->raise();
}

void Navigation::showTips()
{
    setOuterWidth(kTipsWidth);
    QWidget* tips = panel(kTips);
    tips->setGeometry(QRect(QPoint(kRightArea.x(), tips->y()), kTipsSize));
    tips->raise();
}

void Navigation::connectControls(QObject* window)
{
    for (const Destination& d : kDestinations) {
        auto show = [this, d] {
            NetPan();
            QWidget* p = panel(d.panel);
            if (d.layout == Layout::Full)
                FullPanelLayout(p);
            else
                SidePanelLayout(p);
        };
        QObject* control = window->findChild<QObject*>(QLatin1String(d.control));
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            QObject::connect(button, &QAbstractButton::clicked, window, show);
        else if (auto* item = qobject_cast<QAction*>(control))
            QObject::connect(item, &QAction::triggered, window, show);
    }
    QObject::connect(window->findChild<QAction*>(QStringLiteral("N11")), &QAction::triggered, window,
                     [this] { showTips(); });
}

} // namespace app
