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

int main(int argc, char** argv)
{
    return bench::run(argc, argv);
}
