// Speed of the seal panels: one seal drawn through its panel, from the
// press of its button to the coloured solids (the groove or seat and the
// seal; the cuff with its spring and insert; the face seal's section).
#include "parts/seals/seal_panels.h"

#include "bench/panel_bench.h"

#include "acad/fields.h"
#include "acad/interfaces.h"
#include "acad/model.h"
#include "acad/numbers.h"
#include "app/shell/errorbox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <utility>
#include <vector>

namespace {

using bench::Texts;

// One part drawn through its panel with the switch set, pressed again and again.
void drawPart(benchmark::State& state, const char* panelName, const Texts& texts, const char* button,
              const char* radio = nullptr)
{
    bench::drawPart(state, &seals::createPanels, panelName, texts, button, nullptr,
                    radio ? std::vector<const char*>{radio} : std::vector<const char*>{});
}

const Texts kFace{{"Edit76", "40"}, {"Edit77", "30"}, {"Edit78", "2"}, {"Edit79", "0.5"}, {"Edit80", "0.2"}};

void FaceSeal(benchmark::State& state)
{
    drawPart(state, "Panel53", kFace, "BitBtn47");
}

void FaceSealVariantB(benchmark::State& state)
{
    drawPart(state, "Panel53", kFace, "BitBtn47", "RadioButton10");
}

void FaceSealSection(benchmark::State& state)
{
    drawPart(state, "Panel53", kFace, "BitBtn48");
}

void RadialSeal(benchmark::State& state)
{
    drawPart(state, "Panel54",
             {{"Edit81", "48"}, {"Edit82", "42"}, {"Edit83", "0"}, {"Edit84", "0"}, {"Edit85", "8"}, {"Edit86", "0.4"},
              {"Edit87", "0.3"}, {"Edit88", "50"}, {"Edit90", "0"}, {"Edit89", "1"}},
             "BitBtn51");
}

const Texts kCuff{{"Edit125", "40"}, {"Edit126", "20"}, {"Edit133", "10"}, {"Edit134", "13"}};

void ShaftCuff(benchmark::State& state)
{
    drawPart(state, "Panel68", kCuff, "BitBtn63");
}

void ShaftCuffWithDustLip(benchmark::State& state)
{
    drawPart(state, "Panel68", kCuff, "BitBtn63", "RadioButton14");
}

void PistonCollar(benchmark::State& state)
{
    drawPart(state, "Panel69",
             {{"Edit212", "40.025"}, {"Edit213", "39.84"}, {"Edit214", "30"}, {"Edit215", "24"}, {"Edit216", "10"},
              {"Edit217", "4"}, {"Edit218", "0.5"}, {"Edit223", "2"}, {"Edit224", "1.2"}},
             "BitBtn65");
}

void RodCollar(benchmark::State& state)
{
    drawPart(state, "Panel69",
             {{"Edit219", "5.97"}, {"Edit220", "6.01"}, {"Edit221", "10"}, {"Edit222", "14"}, {"Edit225", "6"},
              {"Edit226", "12"}, {"Edit223", "1"}, {"Edit224", "0.6"}},
             "BitBtn66");
}

void RodCollarLargeRod(benchmark::State& state)
{
    drawPart(state, "Panel69",
             {{"Edit219", "39.93"}, {"Edit220", "40.03"}, {"Edit222", "60"}, {"Edit225", "12"}, {"Edit226", "18"},
              {"Edit223", "2.5"}, {"Edit224", "1.5"}},
             "BitBtn66");
}

} // namespace

BENCHMARK(FaceSeal)->Unit(benchmark::kMillisecond);
BENCHMARK(FaceSealVariantB)->Unit(benchmark::kMillisecond);
BENCHMARK(FaceSealSection)->Unit(benchmark::kMillisecond);
BENCHMARK(RadialSeal)->Unit(benchmark::kMillisecond);
BENCHMARK(ShaftCuff)->Unit(benchmark::kMillisecond);
BENCHMARK(ShaftCuffWithDustLip)->Unit(benchmark::kMillisecond);
BENCHMARK(PistonCollar)->Unit(benchmark::kMillisecond);
BENCHMARK(RodCollar)->Unit(benchmark::kMillisecond);
BENCHMARK(RodCollarLargeRod)->Unit(benchmark::kMillisecond);

// The light single clamps: rows 22 (type II), 5 (type III) and 47 (type I)
// in 3D, and the blank of rows 22 and 47.
namespace {

const Texts kClampRow22{{"Edit551", "32"}, {"Edit552", "14.5"}, {"Edit553", "2"}, {"Edit554", "1.5"},
                        {"Edit555", "75"}, {"Edit556", "25"},   {"Edit557", "6.6"}, {"Edit558", "50"},
                        {"Edit562", "0.4"}};
const Texts kClampRow5{{"Edit551", "8"},  {"Edit552", "6"}, {"Edit553", "1.5"}, {"Edit554", "1"},
                       {"Edit555", "28"}, {"Edit556", "8"}, {"Edit557", "3.4"}, {"Edit558", "20"}};
const Texts kClampRow47{{"Edit551", "30"}, {"Edit552", "14"}, {"Edit553", "2"},   {"Edit554", "1.5"},
                        {"Edit555", "71"}, {"Edit556", "25"}, {"Edit557", "6.6"}, {"Edit558", "52"},
                        {"Edit559", "35"}, {"Edit561", "4"},  {"Edit562", "0.4"}};

void ClampTypeII(benchmark::State& state)
{
    drawPart(state, "Panel134", kClampRow22, "BitBtn13", "RadioButton57");
}

void ClampTypeIII(benchmark::State& state)
{
    drawPart(state, "Panel134", kClampRow5, "BitBtn13", "RadioButton58");
}

void ClampTypeI(benchmark::State& state)
{
    drawPart(state, "Panel134", kClampRow47, "BitBtn13", "RadioButton56");
}

void ClampBlankTypeII(benchmark::State& state)
{
    drawPart(state, "Panel134", kClampRow22, "BitBtn35", "RadioButton57");
}

void ClampBlankTypeI(benchmark::State& state)
{
    drawPart(state, "Panel134", kClampRow47, "BitBtn35", "RadioButton56");
}

} // namespace

BENCHMARK(ClampTypeII)->Unit(benchmark::kMillisecond);
BENCHMARK(ClampTypeIII)->Unit(benchmark::kMillisecond);
BENCHMARK(ClampTypeI)->Unit(benchmark::kMillisecond);
BENCHMARK(ClampBlankTypeII)->Unit(benchmark::kMillisecond);
BENCHMARK(ClampBlankTypeI)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return bench::run(argc, argv);
}
