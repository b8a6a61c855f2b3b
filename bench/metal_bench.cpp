// Speed of the rolled-metal panels: one part drawn through its panel, from
// the press of its "3D" button to the coloured solid (the pipe with its bore
// subtracted, the nozzle's "2D" with its section).
#include "parts/metal/metal_panels.h"

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
    metal::createPanels(window, &area);
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

void Pipe(benchmark::State& state)
{
    drawPart(state, "Panel10", {{"Edit5", "80"}, {"Edit6", "40"}, {"Edit7", "4"}, {"Edit8", "1000"}, {"Edit522", "8"}},
             "BitBtn4");
}

void HotRolledAngle(benchmark::State& state)
{
    drawPart(state, "Panel12",
             {{"Edit9", "63"}, {"Edit10", "40"}, {"Edit11", "6"}, {"Edit12", "7"}, {"Edit13", "2.3"}, {"Edit14", "1000"}},
             "BitBtn8");
}

void BentAngle(benchmark::State& state)
{
    drawPart(state, "Panel16", {{"Edit15", "50"}, {"Edit16", "40"}, {"Edit17", "3"}, {"Edit18", "4"}, {"Edit19", "1000"}},
             "BitBtn10");
}

void BentChannel(benchmark::State& state)
{
    drawPart(state, "Panel28", {{"Edit36", "80"}, {"Edit37", "40"}, {"Edit38", "3"}, {"Edit39", "4"}, {"Edit40", "1000"}},
             "BitBtn23");
}

void HexagonBar(benchmark::State& state)
{
    drawPart(state, "Panel37", {{"Edit47", "24"}, {"Edit49", "1000"}}, "BitBtn27");
}

void HotRolledChannel(benchmark::State& state)
{
    drawPart(state, "Panel24",
             {{"Edit28", "160"}, {"Edit29", "64"}, {"Edit30", "5"}, {"Edit31", "8.4"}, {"Edit32", "8.5"}, {"Edit33", "3.5"},
              {"Edit34", "1000"}, {"Edit35", "7"}},
             "BitBtn19");
}

void IBeam(benchmark::State& state)
{
    drawPart(state, "Panel20",
             {{"Edit20", "200"}, {"Edit21", "100"}, {"Edit22", "5.2"}, {"Edit23", "8.4"}, {"Edit24", "9"}, {"Edit25", "3.5"},
              {"Edit26", "1000"}, {"Edit27", "7"}},
             "BitBtn15");
}

void Nozzle(benchmark::State& state)
{
    drawPart(state, "Panel33", {{"Edit41", "57"}, {"Edit42", "3.5"}, {"Edit43", "100"}, {"Edit44", "20"}, {"Edit45", "54"}},
             "BitBtn26");
}

void NozzleWithSection(benchmark::State& state)
{
    drawPart(state, "Panel33", {{"Edit41", "57"}, {"Edit42", "3.5"}, {"Edit43", "100"}, {"Edit44", "20"}, {"Edit45", "54"}},
             "BitBtn26", "BitBtn28");
}

} // namespace

BENCHMARK(Pipe)->Unit(benchmark::kMillisecond);
BENCHMARK(HotRolledAngle)->Unit(benchmark::kMillisecond);
BENCHMARK(BentAngle)->Unit(benchmark::kMillisecond);
BENCHMARK(BentChannel)->Unit(benchmark::kMillisecond);
BENCHMARK(HexagonBar)->Unit(benchmark::kMillisecond);
BENCHMARK(HotRolledChannel)->Unit(benchmark::kMillisecond);
BENCHMARK(IBeam)->Unit(benchmark::kMillisecond);
BENCHMARK(Nozzle)->Unit(benchmark::kMillisecond);
BENCHMARK(NozzleWithSection)->Unit(benchmark::kMillisecond);

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
