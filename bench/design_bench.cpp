// Speed of the design-element panels: one part drawn through its panel, from
// the press of its "3D" button to the coloured solid (the rod and the sleeve
// upright and moved to point A, the cutting bodies of the slot, the keyed
// bore and the spline bore).
#include "parts/design/design_panels.h"

#include "acad/fields.h"
#include "acad/interfaces.h"
#include "acad/model.h"
#include "acad/numbers.h"
#include "app/shell/errorbox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
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

// One panel with its inputs typed, pressed again and again; the drawing is
// emptied between presses outside the measured time.
void drawPart(benchmark::State& state, const char* panelName, const Texts& texts, const char* button,
              const char* secondButton = nullptr)
{
    acad::server::shutdown();
    acad::setDecimalSeparator(u'.');
    BenchWindow window;
    window.connection.Connect();
    QWidget area;
    design::createPanels(window, &area);
    QString failure;
    shell::setErrorBoxCapture([&failure](const QString& text) { failure = text; });
    auto* panel = area.findChild<QWidget*>(QString::fromLatin1(panelName));
    for (const auto& [name, text] : texts)
        panel->findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromUtf8(text));
    auto* press = panel->findChild<QAbstractButton*>(QString::fromLatin1(button));
    auto* pressAfter = secondButton ? panel->findChild<QAbstractButton*>(QString::fromLatin1(secondButton)) : nullptr;
    acad::IAcadModelSpace ms = window.connection.ModelSpace();
    for (auto _ : state) {
        press->click();
        if (pressAfter)
            pressAfter->click();
        state.PauseTiming();
        if (!failure.isEmpty() || ms.Count() == 0) {
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

void Rod(benchmark::State& state)
{
    drawPart(state, "Panel82",
             {{"Edit307", "20"}, {"Edit543", "8"}, {"Edit308", "1.5"}, {"Edit309", "30"}, {"Edit310", "10"},
              {"Edit311", "-5"}, {"Edit312", "3.5"}},
             "BitBtn82");
}

void Sleeve(benchmark::State& state)
{
    drawPart(state, "Panel90",
             {{"Edit389", "40"}, {"Edit391", "20"}, {"Edit390", "1.5"}, {"Edit388", "25"}, {"Edit385", "10"},
              {"Edit386", "-5"}, {"Edit387", "3.5"}},
             "BitBtn94");
}

void Slot(benchmark::State& state)
{
    drawPart(state, "Panel127", {{"Edit534", "40"}, {"Edit535", "10"}, {"Edit536", "8"}}, "BitBtn120");
}

void KeyedBore(benchmark::State& state)
{
    drawPart(state, "Panel128",
             {{"Edit537", "30"}, {"Edit538", "8"}, {"Edit539", "3.3"}, {"Edit541", "0.205"}, {"Edit540", "40"}},
             "BitBtn122");
}

// Row 1 of the spline table: 6 x 23 x 26.
void SplineBoreSixSpaces(benchmark::State& state)
{
    drawPart(state, "Panel133",
             {{"Edit544", "26"}, {"Edit545", "23"}, {"Edit546", "6"}, {"Edit547", "0.2"}, {"Edit548", "6"},
              {"Edit550", "0.3"}, {"Edit549", "40"}},
             "BitBtn7");
}

// Row 53 of the spline table: 20 x 112 x 125.
void SplineBoreTwentySpaces(benchmark::State& state)
{
    drawPart(state, "Panel133",
             {{"Edit544", "125"}, {"Edit545", "112"}, {"Edit546", "9"}, {"Edit547", "0.5"}, {"Edit548", "20"},
              {"Edit550", "0.5"}, {"Edit549", "40"}},
             "BitBtn7");
}

} // namespace

BENCHMARK(Rod)->Unit(benchmark::kMillisecond);
BENCHMARK(Sleeve)->Unit(benchmark::kMillisecond);
BENCHMARK(Slot)->Unit(benchmark::kMillisecond);
BENCHMARK(KeyedBore)->Unit(benchmark::kMillisecond);
BENCHMARK(SplineBoreSixSpaces)->Unit(benchmark::kMillisecond);
BENCHMARK(SplineBoreTwentySpaces)->Unit(benchmark::kMillisecond);

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
