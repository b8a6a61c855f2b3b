// The table side panels of the window, whichever families made them: every
// text of every table reads in full in the font its grid shows it in, and a
// grid's header row stays in sight while its rows scroll and takes no
// selection.
#include "window_fixture.h"

#include "app/shell/table_side_panel.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QTableWidget>

#include <set>

namespace {

std::vector<QWidget*> tableSidePanels(app::TForm1& form)
{
    std::vector<QWidget*> panels;
    for (QWidget* p : form.clientArea()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (dynamic_cast<shell::TableSidePanel*>(p))
            panels.push_back(p);
    return panels;
}

bool hasHeaderRow(const QTableWidget* grid)
{
    return !grid->horizontalHeader()->isHidden();
}

QString where(const QTableWidget* grid, int row, int column)
{
    return QStringLiteral("%1/%2 row %3 column %4: ")
        .arg(grid->parentWidget()->objectName(), grid->objectName())
        .arg(row)
        .arg(column);
}

// A text against the room its cell gives it; a text that does not fit is
// cut short with "…" on screen. Returns what does not fit.
QString misfit(const QString& text, const QFont& font, int width, int height)
{
    const QFontMetrics metrics(font);
    const int needed = metrics.horizontalAdvance(text);
    if (needed > width || metrics.height() > height)
        return QStringLiteral("\"%1\" needs %2 x %3 px in %4 x %5 (%6 %7 px)")
            .arg(text)
            .arg(needed)
            .arg(metrics.height())
            .arg(width)
            .arg(height)
            .arg(font.family())
            .arg(font.pixelSize());
    return {};
}

// Every shown text of the grid measured against its column; counts the
// texts measured.
void measure(QTableWidget* grid, QStringList& misfits, int& measured)
{
    // A cell draws its text inside the grid line and the focus margins.
    const int line = grid->showGrid() ? 1 : 0;
    const int margin = grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1;
    for (int r = 0; r < grid->rowCount(); ++r) {
        if (grid->isRowHidden(r))
            continue;
        for (int c = 0; c < grid->columnCount(); ++c) {
            const QTableWidgetItem* item = grid->item(r, c);
            if (!item || item->text().isEmpty())
                continue;
            const QVariant own = item->data(Qt::FontRole);
            const QFont font = own.isValid() ? qvariant_cast<QFont>(own).resolve(grid->font()) : grid->font();
            const QString m = misfit(item->text(), font, grid->columnWidth(c) - line - 2 * margin,
                                     grid->rowHeight(r) - line);
            if (!m.isEmpty())
                misfits << where(grid, r, c) + m;
            ++measured;
        }
    }
    if (!hasHeaderRow(grid))
        return;
    QHeaderView* header = grid->horizontalHeader();
    for (int c = 0; c < grid->columnCount(); ++c) {
        const QTableWidgetItem* section = grid->horizontalHeaderItem(c);
        if (!section || section->text().isEmpty())
            continue;
        QStyleOptionHeader option;
        option.initFrom(header);
        option.rect = QRect(0, 0, header->sectionSize(c), header->height());
        option.section = c;
        option.text = section->text();
        const QRect label = header->style()->subElementRect(QStyle::SE_HeaderLabel, &option, header);
        const QString m = misfit(section->text(), header->font(), label.width(), header->height());
        if (!m.isEmpty())
            misfits << where(grid, 0, c) + QStringLiteral("header ") + m;
        ++measured;
    }
}

} // namespace

// Whatever a button shows in a table, every text reads in full: each table
// button of the part panels opens its table, then each button of a side
// panel in turn fills or chooses its grids.
TEST_F(WindowTest, EveryTextOfEveryTableFitsItsColumn)
{
    const std::vector<QWidget*> sides = tableSidePanels(form());
    ASSERT_FALSE(sides.empty());
    const std::set<QWidget*> sideSet(sides.begin(), sides.end());
    for (QWidget* panel : form().clientArea()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!sideSet.count(panel) && panel->objectName().startsWith(QLatin1String("Panel")))
            for (QAbstractButton* b : panel->findChildren<QAbstractButton*>())
                b->click();

    QStringList misfits;
    for (QWidget* side : sides) {
        SCOPED_TRACE(side->objectName().toStdString());
        int measured = 0;
        auto measureAll = [&] {
            for (QTableWidget* grid : side->findChildren<QTableWidget*>())
                measure(grid, misfits, measured);
        };
        measureAll();
        for (QAbstractButton* b : side->findChildren<QAbstractButton*>()) {
            b->click();
            measureAll();
        }
        EXPECT_GT(measured, 0) << "no table shown";
    }
    EXPECT_TRUE(misfits.isEmpty()) << misfits.size() << " texts cut short, first:\n"
                                   << misfits.mid(0, 20).join(u'\n').toStdString();
}

// Scrolled to its last row, a grid still shows its header row at the top;
// neither a click on the header, nor selecting everything, nor the arrow
// keys select the header row.
TEST_F(WindowTest, HeaderRowStaysInSightAndTakesNoSelection)
{
    form().show();
    int grids = 0;
    for (QWidget* side : tableSidePanels(form())) {
        form().TableSidePanelLayout(side);
        for (QAbstractButton* b : side->findChildren<QAbstractButton*>()) {
            b->click();
            for (QTableWidget* grid : side->findChildren<QTableWidget*>()) {
                if (grid->width() == 0 || !hasHeaderRow(grid) || grid->rowCount() < 2 || !grid->item(0, 0))
                    continue;
                SCOPED_TRACE((side->objectName() + u'/' + grid->objectName() + u' ' + b->text()).toStdString());
                ++grids;
                QApplication::processEvents();
                QHeaderView* header = grid->horizontalHeader();

                grid->scrollToBottom();
                QApplication::processEvents();
                const bool scrolls = grid->verticalScrollBar()->maximum() > 0;
                if (scrolls) {
                    EXPECT_EQ(grid->verticalScrollBar()->value(), grid->verticalScrollBar()->maximum());
                    EXPECT_GT(grid->rowAt(0), 1) << "the first rows scrolled out of sight";
                }
                EXPECT_TRUE(header->isVisible());
                EXPECT_EQ(header->height(), grid->verticalHeader()->defaultSectionSize());
                EXPECT_EQ(header->mapTo(grid, QPoint(0, 0)).y(), grid->frameWidth());
                EXPECT_EQ(grid->rowAt(grid->viewport()->height() - 2), grid->rowCount() - 1);
                for (int c = 0; c < grid->columnCount(); ++c) {
                    ASSERT_NE(grid->horizontalHeaderItem(c), nullptr);
                    EXPECT_EQ(grid->horizontalHeaderItem(c)->text(), grid->item(0, c)->text()) << c;
                    EXPECT_EQ(header->sectionSize(c), grid->columnWidth(c)) << c;
                }

                grid->clearSelection();
                const QPoint at(header->sectionPosition(1) + 5, header->height() / 2);
                for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                    QMouseEvent click(type, QPointF(at), header->viewport()->mapToGlobal(QPointF(at)),
                                      Qt::LeftButton, type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                      Qt::NoModifier);
                    QApplication::sendEvent(header->viewport(), &click);
                }
                EXPECT_TRUE(grid->selectedItems().isEmpty()) << "a click on the header selects";

                grid->selectAll();
                for (const QTableWidgetItem* item : grid->selectedItems())
                    EXPECT_NE(item->row(), 0) << "the header row is selected";
                EXPECT_FALSE(grid->selectedItems().isEmpty()) << "the rows can be selected";

                grid->setCurrentCell(1, 0);
                QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
                QApplication::sendEvent(grid, &up);
                EXPECT_EQ(grid->currentRow(), 1);
                grid->clearSelection();
                grid->scrollToTop();
            }
        }
    }
    EXPECT_GT(grids, 0) << "no grid shows a fixed header row";
}
