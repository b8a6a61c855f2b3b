// Showing panels: every toolbar button and help-menu item collapses all
// panels and narrows the window, then shows its one panel in its layout; a
// table side panel and the tips panel open beside it in a wider window.
#include "window_fixture.h"

#include <QApplication>
#include <QFrame>
#include <QLineEdit>
#include <QRegularExpression>

#include <algorithm>
#include <map>

namespace {

enum Layout { Full, Side };

struct Destination {
    const char* control;
    const char* hint; // none for menu items
    const char* panel;
    Layout layout;
};

const Destination kDestinations[] = {
    {"SpeedButton21", "Отверстия продольные ГОСТ 16030", "Panel127", Side},
    {"SpeedButton22", "Отверстия с пазом под призматическую шпонку во втулке", "Panel128", Side},
    {"SpeedButton29", "Шлицы прямобочные во втулке", "Panel133", Side},
    {"SpeedButton23", "Резьба внутренняя цилиндрическая (условно)", "Panel90", Side},
    {"SpeedButton24", "Резьба метрическая \"натуральная\"", "Panel48", Full},
    {"SpeedButton27", "Резьба цилиндрическая наружная (условно)", "Panel82", Side},
    {"SpeedButton28", "Трубы прямоугольные и квадратные", "Panel10", Side},
    {"SpeedButton30", "Уголки горячегатаные", "Panel12", Side},
    {"SpeedButton31", "Швеллеры горячекатаные", "Panel24", Side},
    {"SpeedButton32", "Уголки гнутые", "Panel16", Side},
    {"SpeedButton33", "Швеллеры гнутые", "Panel28", Side},
    {"SpeedButton34", "Двутавры", "Panel20", Side},
    {"SpeedButton35", "Патрубки с проточкой", "Panel33", Side},
    {"SpeedButton36", "Шестигранный прокат", "Panel37", Side},
    {"SpeedButton37", "Головки болтов конических по ГОСТ 15163", "Panel75", Side},
    {"SpeedButton38", "Головки болтов, винтов и гайки 6-и гранные", "Panel46", Full},
    {"SpeedButton39", "Головки с внутренним шестигранником", "Panel77", Full},
    {"SpeedButton40", "Болты откидные ГОСТ 14724", "Panel76", Side},
    {"SpeedButton41", "Винты с полукруглой головкой", "Panel79", Side},
    {"SpeedButton42", "Головки винтов с цилиндрической головкой", "Panel78", Side},
    {"SpeedButton43", "Винты с полупотайной головкой", "Panel81", Side},
    {"SpeedButton44", "Винты с потайной головкой", "Panel80", Side},
    {"SpeedButton45", "Гайки-барашки ГОСТ 3032", "Panel85", Full},
    {"SpeedButton46", "Шайбы косые, ГОСТ 10906-", "Panel123", Side},
    {"SpeedButton47", "Шайбы", "Panel45", Side},
    {"SpeedButton48", "Шплинты", "Panel86", Full},
    {"SpeedButton4", "Упругие муфты со звездочкой, ГОСТ 14084", "Panel88", Full},
    {"SpeedButton7", "Открытая клиноременная передача", "Panel105", Full},
    {"SpeedButton1", "Соединения стальных труб шаровые на давление до 20 МПа", "Panel94", Full},
    {"SpeedButton49", "Днища элиптические ГОСТ 6533", "Panel1", Side},
    {"SpeedButton50", "Колена - гнутые трубы", "Panel41", Side},
    {"SpeedButton51", "Кольца, торцовое уплотнение", "Panel53", Full},
    {"SpeedButton52", "Кольца, радиальное уплотнение", "Panel54", Full},
    {"SpeedButton53", "Манжеты для валов по ГОСТ 8752", "Panel68", Full},
    {"SpeedButton54", "Манжеты (воротники) и места под них", "Panel69", Full},
    {"SpeedButton55", "Фланцы квадратные", "Panel50", Full},
    {"SpeedButton56", "Неразъемное соединение для рукавов", "Panel91", Full},
    {"SpeedButton57", "Фланцы круглые приварные", "Panel57", Full},
    {"SpeedButton58", "Колпаки с ребрами", "Panel87", Full},
    {"SpeedButton59", "Муфты ГОСТы 8954, 8955, 8956", "Panel89", Full},
    {"SpeedButton60", "Скобы одноместные облегченные, ГОСТ 17678", "Panel134", Full},
    {"BitBtn29", "Расчет массы", "Panel44", Full},
    {"BitBtn24", "Форматы чертежей", "Panel2", Full},
    {"BitBtn56", "Редактируемая фигура рабочего", "Panel61", Full},
    {"N9", nullptr, "Panel32", Full},
    {"N10", nullptr, "Panel120", Full},
    {"N8", nullptr, "Panel121", Full},
};

const char* const kTableSidePanels[] = {"Panel122", "Panel124", "Panel125", "Panel129", "Panel130",
                                        "Panel132", "Panel135", "Panel138", "Panel139"};

// A family with a part panel holding an input, a part panel with a page
// inside it, and a table side panel.
void testFamily(shell::PanelContext&, QWidget* clientArea)
{
    auto* pipes = new QFrame(clientArea);
    pipes->setObjectName(QStringLiteral("Panel10"));
    auto* edit = new QLineEdit(QStringLiteral("40"), pipes);
    edit->setObjectName(QStringLiteral("Edit5"));
    auto* ball = new QFrame(clientArea);
    ball->setObjectName(QStringLiteral("Panel94"));
    auto* page = new QFrame(ball);
    page->setObjectName(QStringLiteral("Panel95"));
    auto* table = new QFrame(clientArea);
    table->setObjectName(QStringLiteral("Panel132"));
}

QPoint placeOf(const char* panel)
{
    if (qstrcmp(panel, "Panel24") == 0)
        return {2, 50};
    if (qstrcmp(panel, "Panel77") == 0)
        return {-1, 50};
    return {0, 50};
}

} // namespace

class NavigationTest : public WindowTest {
protected:
    // Every panel of the client area and the start picture.
    std::map<QString, QRect> panels()
    {
        static const QRegularExpression panelName(QStringLiteral("^Panel\\d+$"));
        std::map<QString, QRect> all;
        for (QWidget* w : form().clientArea()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (panelName.match(w->objectName()).hasMatch() || w->objectName() == QLatin1String("Image12"))
                all[w->objectName()] = w->geometry();
        all.erase(QStringLiteral("Panel4"));
        all.erase(QStringLiteral("Panel5"));
        return all;
    }
    // The panels that have a size now.
    std::vector<QString> shown()
    {
        std::vector<QString> names;
        for (const auto& [name, rect] : panels())
            if (!rect.size().isEmpty())
                names.push_back(name);
        return names;
    }
};

TEST_F(NavigationTest, AtStartOnlyTheStartPictureIsShownAndEveryPanelStandsAtItsPlace)
{
    EXPECT_EQ(form().outerWidth(), 607);
    EXPECT_EQ(form().clientArea()->size(), QSize(599, 533));
    EXPECT_EQ(shown(), std::vector<QString>{QStringLiteral("Image12")});
    EXPECT_EQ(geometry("Image12"), QRect(0, 50, 601, 459));

    for (const Destination& d : kDestinations)
        EXPECT_EQ(geometry(d.panel).topLeft(), placeOf(d.panel)) << d.panel;
    for (const char* name : kTableSidePanels)
        EXPECT_EQ(geometry(name).topLeft(), QPoint(601, 0)) << name;
    EXPECT_EQ(geometry("Panel126").topLeft(), QPoint(601, 0));
    EXPECT_EQ(geometry("Panel117").topLeft(), QPoint(465, 50));
    EXPECT_EQ(geometry("Panel118").topLeft(), QPoint(0, 386));
    EXPECT_EQ(geometry("Panel119").topLeft(), QPoint(465, 386));
}

TEST_F(NavigationTest, EveryButtonAndHelpItemShowsItsOnePanelInItsLayout)
{
    for (const Destination& d : kDestinations) {
        SCOPED_TRACE(d.control);
        // Start from a wide window with the tips and a table side panel open.
        choose("N11");
        form().TableSidePanelLayout(widget("Panel125"));

        if (d.hint) {
            EXPECT_EQ(form().findChild<QAbstractButton*>(QLatin1String(d.control))->toolTip(),
                      QString::fromUtf8(d.hint));
            press(d.control);
        } else {
            choose(d.control);
        }

        EXPECT_EQ(form().outerWidth(), 607);
        std::vector<QString> expected{QLatin1String(d.panel)};
        if (d.layout == Side)
            expected = {QLatin1String(d.panel), QStringLiteral("Panel117"), QStringLiteral("Panel118"),
                        QStringLiteral("Panel119")};
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(shown(), expected);
        EXPECT_EQ(geometry(d.panel), QRect(placeOf(d.panel), d.layout == Full ? QSize(601, 459) : QSize(465, 336)));
        if (d.layout == Side) {
            EXPECT_EQ(geometry("Panel117"), QRect(465, 50, 135, 336));
            EXPECT_EQ(geometry("Panel118"), QRect(0, 386, 465, 122));
            EXPECT_EQ(geometry("Panel119"), QRect(465, 386, 135, 122));
        }
    }
}

TEST_F(NavigationTest, PressingTheSameButtonTwiceIsPressingItOnce)
{
    press("SpeedButton31");
    const auto once = panels();
    press("SpeedButton31");
    EXPECT_EQ(panels(), once);
    EXPECT_EQ(form().outerWidth(), 607);
}

TEST_F(NavigationTest, TheToolbarButtonClosesTheTableSidePanelAndKeepsTheInputs)
{
    form({&testFamily});
    press("SpeedButton28");
    auto* edit = form().findChild<QLineEdit*>(QStringLiteral("Edit5"));
    edit->setText(QStringLiteral("52,5"));

    form().TableSidePanelLayout(widget("Panel132"));
    EXPECT_EQ(form().outerWidth(), 858);
    EXPECT_EQ(form().clientArea()->width(), 850);
    EXPECT_EQ(geometry("Panel132"), QRect(601, 0, 250, 533));
    EXPECT_EQ(geometry("Panel10").size(), QSize(465, 336)) << "nothing is collapsed";

    press("SpeedButton28");
    EXPECT_EQ(form().outerWidth(), 607);
    EXPECT_EQ(geometry("Panel132").size(), QSize(0, 0));
    EXPECT_EQ(geometry("Panel10"), QRect(0, 50, 465, 336));
    EXPECT_EQ(edit->text(), QStringLiteral("52,5"));
    EXPECT_EQ(form().findChildren<QWidget*>(QStringLiteral("Panel10")).size(), 1)
        << "the family's panel is used, not a second one";
}

TEST_F(NavigationTest, NetPanMovesSevenRightHandPanelsToTheLeftEdgeAndTheLayoutsMoveThemBack)
{
    form().TableSidePanelLayout(widget("Panel129"));
    form().TableSidePanelLayout(widget("Panel138"));
    choose("N11");
    form().NetPan();
    EXPECT_EQ(geometry("Panel129"), QRect(0, 0, 0, 0));
    EXPECT_EQ(geometry("Panel126"), QRect(0, 0, 0, 0));
    EXPECT_EQ(geometry("Panel138"), QRect(601, 0, 0, 0)) << "never moved";

    form().TableSidePanelLayout(widget("Panel129"));
    EXPECT_EQ(geometry("Panel129"), QRect(601, 0, 250, 533));
    choose("N11");
    EXPECT_EQ(geometry("Panel126"), QRect(601, 0, 540, 533));
}

TEST_F(NavigationTest, TipsStayBesideTheShownPanelUntilTheNextCollapse)
{
    press("SpeedButton38");
    choose("N11");
    EXPECT_EQ(form().outerWidth(), 1149);
    EXPECT_EQ(geometry("Panel126"), QRect(601, 0, 540, 533));
    EXPECT_EQ(geometry("Panel46").size(), QSize(601, 459));

    choose("N9");
    EXPECT_EQ(form().outerWidth(), 607);
    EXPECT_EQ(geometry("Panel126").size(), QSize(0, 0));
    EXPECT_EQ(geometry("Panel32").size(), QSize(601, 459));
}

TEST_F(NavigationTest, TipsAndATableSidePanelOverlapInTheRightHandArea)
{
    // Tips opened while a table side panel is open: the widest window.
    press("SpeedButton46");
    form().TableSidePanelLayout(widget("Panel124"));
    choose("N11");
    EXPECT_EQ(form().outerWidth(), 1149);
    EXPECT_EQ(geometry("Panel124"), QRect(601, 0, 250, 533));
    EXPECT_EQ(geometry("Panel126"), QRect(601, 0, 540, 533));

    // A table button pressed while the tips are open narrows the window to
    // the table's width; the tips keep their size, cut off by the edge.
    press("SpeedButton46");
    choose("N11");
    form().TableSidePanelLayout(widget("Panel124"));
    EXPECT_EQ(form().outerWidth(), 858);
    EXPECT_EQ(geometry("Panel126"), QRect(601, 0, 540, 533));
}

TEST_F(NavigationTest, APartPanelShownAgainShowsItsFirstPage)
{
    form({&testFamily});
    press("SpeedButton1");
    widget("Panel95")->resize(601, 459); // a page button of the panel showed its second page

    press("SpeedButton28");
    EXPECT_EQ(geometry("Panel95").size(), QSize(0, 0));
    press("SpeedButton1");
    EXPECT_EQ(geometry("Panel94").size(), QSize(601, 459));
    EXPECT_EQ(geometry("Panel95").size(), QSize(0, 0));
}

TEST_F(NavigationTest, TheWindowFollowsItsClientWidth)
{
    form().show();
    QApplication::sendPostedEvents();
    const QSize narrow = form().size();
    EXPECT_EQ(form().minimumSize(), form().maximumSize()) << "the user cannot resize the window";

    form().TableSidePanelLayout(widget("Panel132"));
    QApplication::sendPostedEvents();
    EXPECT_EQ(form().size(), QSize(narrow.width() + 858 - 607, narrow.height()));

    choose("N11");
    QApplication::sendPostedEvents();
    EXPECT_EQ(form().width(), narrow.width() + 1149 - 607);
    EXPECT_EQ(form().minimumSize(), form().maximumSize());
}
