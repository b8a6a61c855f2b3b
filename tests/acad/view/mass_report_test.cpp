// The drawing window's mass-properties report: the volume of the solids in
// cubic millimetres, as text to copy; and the status line of its DXF save.
#include "acad/interfaces.h"
#include "acad/model.h"
#include "acad/numbers.h"
#include "acad/view/drawing_window.h"
#include "support.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace acad;
using acad::view::DrawingWindow;

namespace {

// A number as the report writes it: four decimals, the system's separator.
QString figure(const char* text)
{
    return QString::fromLatin1(text).replace(u'.', decimalSeparator());
}

} // namespace

TEST(MassReport, VolumeOfABoxIsLengthTimesWidthTimesHeight)
{
    auto document = std::make_shared<Document>(QStringLiteral("Чертеж1"));
    IAcadModelSpace ms(document);
    auto box = ms.AddBox(AcadPoint(0, 0, 0), 10, 20, 30);
    const auto* solid = static_cast<const SolidEntity*>(box.entity().get());
    const QString report = view::massPropertiesReport({solid}, true);
    EXPECT_TRUE(report.contains(QStringLiteral("Объем (Volume): ") + figure("6000.0000") + QStringLiteral(" мм³")))
        << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("Тела: 1 (выделенные)"))) << report.toStdString();
    // The figure reads back as the volume.
    const QString line = report.section(u'\n', 2, 2);
    EXPECT_EQ(StrToFloat(line.section(u' ', 2, 2)), 6000.0);
}

TEST(MassReport, MenuReportsEverySolidWhenNoneIsSelected)
{
    auto document = std::make_shared<Document>(QStringLiteral("Чертеж1"));
    IAcadModelSpace ms(document);
    ms.AddBox(AcadPoint(0, 0, 0), 10, 20, 30);
    ms.AddCylinder(AcadPoint(100, 0, 0), 10, 10); // 1000 pi
    ms.AddLine(AcadPoint(0, 0, 0), AcadPoint(5, 5, 0));
    auto* window = new DrawingWindow(document);
    QAction* action = window->findChild<QAction*>(QStringLiteral("massPropertiesAction"));
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), QStringLiteral("Регион/Массовые свойства"));
    action->trigger();
    auto* dialog = window->findChild<QDialog*>(QStringLiteral("massPropertiesReport"));
    ASSERT_NE(dialog, nullptr);
    const QString text = dialog->findChild<QPlainTextEdit*>()->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("Тела: 2 (все тела чертежа)"))) << text.toStdString();
    EXPECT_TRUE(text.contains(figure("9141.5927"))) << text.toStdString(); // 6000 + 1000 pi
    EXPECT_TRUE(dialog->findChild<QPlainTextEdit*>()->isReadOnly());
    delete window;
}

TEST(SaveDxf, StatusLineSaysWhenSolidsAreLeftToStep)
{
    auto document = std::make_shared<Document>(QStringLiteral("Чертеж1"));
    IAcadModelSpace ms(document);
    ms.AddBox(AcadPoint(0, 0, 0), 10, 20, 30);
    ms.AddLine(AcadPoint(0, 0, 0), AcadPoint(5, 5, 0));
    auto* window = new DrawingWindow(document);
    QAction* action = window->findChild<QAction*>(QStringLiteral("saveDxfAction"));
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), QStringLiteral("Сохранить как DXF…"));
    QTemporaryDir dir;
    EXPECT_TRUE(window->writeDxf(dir.filePath(QStringLiteral("чертеж.dxf"))));
    EXPECT_EQ(window->statusBar()->currentMessage(), QStringLiteral("Тела (1) в DXF не записаны: их сохраняют как STEP."));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("чертеж.dxf"))));
    delete window;
}
