// Speed of the pipe-fitting panels: one part drawn through its panel, from
// the press of its "3D" button to the coloured solid (the head and the bend
// also with their "2D" section, the square flange's drawing by itself).
#include "parts/pipes/pipes_panels.h"

#include "bench/panel_bench.h"

#include "acad/fields.h"
#include "acad/interfaces.h"
#include "acad/model.h"
#include "app/shell/errorbox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using bench::Texts;

// One part drawn through its panel, pressed again and again.
void drawPart(benchmark::State& state, const char* panelName, const Texts& texts, const char* button,
              const char* secondButton = nullptr)
{
    bench::drawPart(state, &pipes::createPanels, panelName, texts, button, secondButton);
}

const Texts kHead{{"Edit1", "1000"}, {"Edit2", "250"}, {"Edit3", "40"}, {"Edit4", "10"}};
const Texts kBend{{"Edit50", "100"}, {"Edit51", "5"}, {"Edit52", "150"}, {"Edit53", "90"}};
const Texts kSquareFlange{{"Edit70", "100"}, {"Edit71", "70"}, {"Edit72", "10"},
                          {"Edit73", "40"},  {"Edit74", "11"}, {"Edit75", "12"}};

void EllipticHead(benchmark::State& state)
{
    drawPart(state, "Panel1", kHead, "BitBtn2");
}

void EllipticHeadWithSection(benchmark::State& state)
{
    drawPart(state, "Panel1", kHead, "BitBtn2", "BitBtn1");
}

void PipeBend(benchmark::State& state)
{
    drawPart(state, "Panel41", kBend, "BitBtn31");
}

void PipeBendWithSection(benchmark::State& state)
{
    drawPart(state, "Panel41", kBend, "BitBtn31", "BitBtn32");
}

void SquareFlange(benchmark::State& state)
{
    drawPart(state, "Panel50", kSquareFlange, "BitBtn45");
}

void SquareFlangeDrawing(benchmark::State& state)
{
    drawPart(state, "Panel50", kSquareFlange, "BitBtn44");
}

void FlatFlange4Holes(benchmark::State& state)
{
    drawPart(state, "Panel57",
             {{"Edit91", "125"}, {"Edit92", "16"}, {"Edit93", "4"}, {"Edit94", "18"}, {"Edit95", "57"}, {"Edit96", "5"},
              {"Edit97", "70"}, {"Edit98", "160"}, {"Edit99", "2"}, {"Edit100", "3"}, {"Edit101", "1"}},
             "BitBtn52");
}

void FlatFlange24Holes(benchmark::State& state)
{
    drawPart(state, "Panel57",
             {{"Edit91", "950"}, {"Edit92", "30"}, {"Edit93", "24"}, {"Edit94", "33"}, {"Edit95", "820"},
              {"Edit96", "10"}, {"Edit97", "850"}, {"Edit98", "1015"}, {"Edit99", "3"}, {"Edit100", "4"},
              {"Edit101", "2"}},
             "BitBtn52");
}

} // namespace

BENCHMARK(EllipticHead)->Unit(benchmark::kMillisecond);
BENCHMARK(EllipticHeadWithSection)->Unit(benchmark::kMillisecond);
BENCHMARK(PipeBend)->Unit(benchmark::kMillisecond);
BENCHMARK(PipeBendWithSection)->Unit(benchmark::kMillisecond);
BENCHMARK(SquareFlange)->Unit(benchmark::kMillisecond);
BENCHMARK(SquareFlangeDrawing)->Unit(benchmark::kMillisecond);
BENCHMARK(FlatFlange4Holes)->Unit(benchmark::kMillisecond);
BENCHMARK(FlatFlange24Holes)->Unit(benchmark::kMillisecond);

// The ball connection and its row loader, the hose connections.
namespace {

// Row n of the ball connection's sizes loaded for the thread, then "3D"
// pressed again and again (the three bodies with their twelve box cuts);
// with loaderOnly the loader itself is pressed instead.
void ballConnection(benchmark::State& state, int n, bool gThread, bool loaderOnly)
{
    bench::PanelBench bench(&pipes::createPanels);
    bench.check(gThread ? "RadioButton31" : "RadioButton30", "Panel94");
    bench.type({{"Edit523", std::to_string(n).c_str()}}, "Panel122");
    QAbstractButton* load = bench.button("SpeedButton18", "Panel122");
    load->click();
    QAbstractButton* draw = bench.button("BitBtn86", "Panel94");
    acad::IAcadModelSpace ms = bench.ms();
    for (auto _ : state) {
        if (loaderOnly) {
            load->click();
            continue;
        }
        draw->click();
        state.PauseTiming();
        if (!bench.failure.isEmpty() || ms.Count() != 3) {
            state.SkipWithError(bench.failure.toStdString().c_str());
            break;
        }
        bench.clearDrawing();
        state.ResumeTiming();
    }
    if (!bench.failure.isEmpty())
        state.SkipWithError(bench.failure.toStdString().c_str());
}

void BallConnectionG(benchmark::State& state)
{
    ballConnection(state, 3, true, false);
}

void BallConnectionK(benchmark::State& state)
{
    ballConnection(state, 3, false, false);
}

void BallConnectionRowLoader(benchmark::State& state)
{
    ballConnection(state, 7, true, true);
}

const Texts kHose{{"Edit331", "5"},  {"Edit332", "10"}, {"Edit333", "12"}, {"Edit334", "6"},  {"Edit335", "60"},
                  {"Edit336", "25"}, {"Edit337", "18"}, {"Edit338", "8"},  {"Edit339", "30"}, {"Edit340", "24"},
                  {"Edit341", "22"}, {"Edit342", "3"},  {"Edit343", "26"}, {"Edit344", "24"}, {"Edit345", "22"},
                  {"Edit346", "27"}, {"Edit347", "12"}, {"Edit348", "24"}, {"Edit349", "0"},  {"Edit350", "1"},
                  {"Edit351", "2"},  {"Edit352", "0"},  {"Edit353", "1"},  {"Edit354", "2"}};

void HoseConnectionG(benchmark::State& state)
{
    drawPart(state, "Panel91", kHose, "BitBtn88");
}

// The K switch is chosen by pressing it before "3D" each time.
void HoseConnectionK(benchmark::State& state)
{
    drawPart(state, "Panel91", kHose, "RadioButton25", "BitBtn88");
}

} // namespace

BENCHMARK(BallConnectionG)->Unit(benchmark::kMillisecond);
BENCHMARK(BallConnectionK)->Unit(benchmark::kMillisecond);
BENCHMARK(BallConnectionRowLoader)->Unit(benchmark::kMillisecond);
BENCHMARK(HoseConnectionG)->Unit(benchmark::kMillisecond);
BENCHMARK(HoseConnectionK)->Unit(benchmark::kMillisecond);

// The pipe coupling with its ribs, built one by one and united with the body.
namespace {

void PipeCoupling4Ribs(benchmark::State& state)
{
    drawPart(state, "Panel89",
             {{"Edit371", "40"}, {"Edit372", "5"}, {"Edit373", "80"}, {"Edit374", "3"}, {"Edit375", "6"},
              {"Edit376", "14"}, {"Edit377", "80"}, {"Edit378", "4"}, {"Edit379", "2"}, {"Edit380", "2"},
              {"Edit381", "15"}, {"Edit382", "50"}, {"Edit383", "5"}, {"Edit384", "4"}},
             "BitBtn92");
}

void PipeCoupling24Ribs(benchmark::State& state)
{
    drawPart(state, "Panel89",
             {{"Edit371", "200"}, {"Edit372", "8"}, {"Edit373", "160"}, {"Edit374", "5"}, {"Edit375", "10"},
              {"Edit376", "20"}, {"Edit377", "260"}, {"Edit378", "6"}, {"Edit379", "3"}, {"Edit380", "3"},
              {"Edit381", "30"}, {"Edit382", "100"}, {"Edit383", "5"}, {"Edit384", "24"}},
             "BitBtn92");
}

} // namespace

BENCHMARK(PipeCoupling4Ribs)->Unit(benchmark::kMillisecond);
BENCHMARK(PipeCoupling24Ribs)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return bench::run(argc, argv);
}
