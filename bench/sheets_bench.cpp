// Speed of the sheet panels: one press of a button, from the click to its
// last line or text (the frame, the title-block texts, the A4 division of an
// A0 sheet) or to the mass written into its edit; and the drawings they make
// saved as DXF.
#include "sheets/sheet_panels.h"

#include "acad/dxf.h"
#include "acad/fields.h"
#include "acad/interfaces.h"
#include "acad/model.h"
#include "acad/numbers.h"
#include "app/shell/errorbox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <utility>
#include <vector>

namespace {

class BenchWindow : public shell::PanelContext {
public:
    acad::WorkingFields& fields() override { return fields_; }
    void NetPan() override {}
    void FullPanelLayout(QWidget* panel) override { panel->resize(601, 459); }
    void SidePanelLayout(QWidget* panel) override { panel->resize(465, 336); }
    void TableSidePanelLayout(QWidget* sidePanel) override { sidePanel->setGeometry(601, 0, 250, 533); }
    acad::TAcadDocument connection;

private:
    acad::WorkingFields fields_{connection};
};

using Texts = std::vector<std::pair<const char*, const char*>>;

// One button pressed again and again after an A0 frame was drawn; the
// drawing is emptied between presses outside the measured time.
void pressButton(benchmark::State& state, const char* panelName, const Texts& texts, const char* button,
                 bool draws = true)
{
    acad::server::shutdown();
    acad::setDecimalSeparator(u'.');
    BenchWindow window;
    window.connection.Connect();
    QWidget area;
    sheets::createPanels(window, &area);
    QString failure;
    shell::setErrorBoxCapture([&failure](const QString& text) { failure = text; });
    auto* formats = area.findChild<QWidget*>(QStringLiteral("Panel2"));
    formats->findChild<QLineEdit*>(QStringLiteral("Edit457"))->setText(QStringLiteral("1189"));
    formats->findChild<QLineEdit*>(QStringLiteral("Edit458"))->setText(QStringLiteral("841"));
    formats->findChild<QAbstractButton*>(QStringLiteral("BitBtn62"))->click();
    auto* panel = area.findChild<QWidget*>(QString::fromLatin1(panelName));
    for (const auto& [name, text] : texts)
        panel->findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromUtf8(text));
    auto* press = panel->findChild<QAbstractButton*>(QString::fromLatin1(button));
    acad::IAcadModelSpace ms = window.connection.ModelSpace();
    for (auto _ : state) {
        press->click();
        state.PauseTiming();
        if (!failure.isEmpty() || (draws && ms.Count() == 0)) {
            state.SkipWithError(failure.toStdString().c_str());
            break;
        }
        for (int k = ms.Count() - 1; k >= 0; --k)
            ms.Item(k).Delete();
        state.ResumeTiming();
    }
    shell::setErrorBoxCapture({});
    acad::server::shutdown();
}

void Frame(benchmark::State& state)
{
    pressButton(state, "Panel2", {{"Edit457", "1189"}, {"Edit458", "841"}}, "BitBtn62");
}

void TitleTexts(benchmark::State& state)
{
    pressButton(state, "Panel2", {}, "BitBtn101");
}

void DivisionIntoA4(benchmark::State& state)
{
    pressButton(state, "Panel2", {}, "BitBtn102");
}

void MassCalculator(benchmark::State& state)
{
    pressButton(state, "Panel44", {{"Edit54", "1000000"}, {"Edit56", "7850"}}, "BitBtn34", false);
}

// An A0 sheet drawn once by the buttons, then saved as DXF again and again:
// the frame with its title block (50 + 1 lines, 44 texts), with its A4
// division too, or with two thousand lines more.
void SaveDxf(benchmark::State& state)
{
    acad::server::shutdown();
    acad::setDecimalSeparator(u'.');
    BenchWindow window;
    window.connection.Connect();
    QWidget area;
    sheets::createPanels(window, &area);
    auto* formats = area.findChild<QWidget*>(QStringLiteral("Panel2"));
    formats->findChild<QLineEdit*>(QStringLiteral("Edit457"))->setText(QStringLiteral("1189"));
    formats->findChild<QLineEdit*>(QStringLiteral("Edit458"))->setText(QStringLiteral("841"));
    for (const char* button : {"BitBtn62", "BitBtn101", state.range(0) ? "BitBtn102" : nullptr})
        if (button)
            formats->findChild<QAbstractButton*>(QString::fromLatin1(button))->click();
    if (state.range(0) == 2)
        for (int k = 0; k < 2000; ++k)
            window.connection.ModelSpace().AddLine(acad::AcadPoint(k % 1189, 0, 0), acad::AcadPoint(k % 1189, 841, 0));
    const acad::Document& document = *window.connection.Document().document();
    state.SetLabel(std::to_string(document.count()) + " entities");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.dxf"));
    for (auto _ : state)
        benchmark::DoNotOptimize(acad::saveDxf(document, path));
    acad::server::shutdown();
}

} // namespace

BENCHMARK(Frame)->Unit(benchmark::kMillisecond);
BENCHMARK(TitleTexts)->Unit(benchmark::kMillisecond);
BENCHMARK(DivisionIntoA4)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveDxf)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(MassCalculator)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
