// Speed of the fastener panels: one part drawn through its panel, from the
// press of its "3D" (or "2D") button to the coloured solid or the lines.
#include "parts/fasteners/fastener_panels.h"

#include "bench/panel_bench.h"

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

using bench::Texts;

// One part drawn through its panel, pressed again and again.
void drawPart(benchmark::State& state, const char* panelName, const Texts& texts, const char* button,
              const char* secondButton = nullptr)
{
    bench::drawPart(state, &fasteners::createPanels, panelName, texts, button, secondButton);
}

void Washer(benchmark::State& state)
{
    drawPart(state, "Panel45", {{"Edit57", "40"}, {"Edit58", "21"}, {"Edit59", "4"}, {"Edit60", "1"}, {"Edit61", "0.5"}},
             "BitBtn37");
}

void WasherSection(benchmark::State& state)
{
    drawPart(state, "Panel45", {{"Edit57", "40"}, {"Edit58", "21"}, {"Edit59", "4"}, {"Edit60", "1"}, {"Edit61", "0.5"}},
             "BitBtn99");
}

// M20 bolt head with cross holes and shank, both faces chamfered.
void HexagonHead(benchmark::State& state)
{
    drawPart(state, "Panel46",
             {{"Edit62", "33"}, {"Edit63", "30"}, {"Edit64", "28"}, {"Edit65", "30"}, {"Edit66", "13"},
              {"Edit241", "3"}, {"Edit240", "20"}, {"Edit242", "40"}, {"Edit239", "1"}, {"Edit330", "0.5"}},
             "BitBtn38");
}

void ConicalBolt(benchmark::State& state)
{
    drawPart(state, "Panel75",
             {{"Edit227", "20"}, {"Edit228", "40"}, {"Edit229", "1"}, {"Edit230", "3"}, {"Edit231", "2.5"},
              {"Edit232", "16"}, {"Edit455", "12"}, {"Edit456", "1"}, {"Edit453", "20"}, {"Edit454", "10"}},
             "BitBtn41");
}

void SwingBolt(benchmark::State& state)
{
    drawPart(state, "Panel76",
             {{"Edit233", "30"}, {"Edit234", "16"}, {"Edit236", "2"}, {"Edit237", "12"}, {"Edit238", "14"},
              {"Edit235", "60"}},
             "BitBtn42");
}

void SocketHead(benchmark::State& state)
{
    drawPart(state, "Panel77",
             {{"Edit243", "13"}, {"Edit244", "7"}, {"Edit245", "0.5"}, {"Edit246", "4"}, {"Edit247", "8"},
              {"Edit248", "0.4"}, {"Edit249", "8"}, {"Edit250", "0.5"}, {"Edit251", "10"}, {"Edit252", "6.86"},
              {"Edit253", "6"}},
             "BitBtn69");
}

void CylinderHead(benchmark::State& state)
{
    drawPart(state, "Panel78",
             {{"Edit254", "10"}, {"Edit258", "6"}, {"Edit255", "1.6"}, {"Edit259", "2.5"}, {"Edit256", "0.4"},
              {"Edit260", "0.5"}, {"Edit257", "6"}, {"Edit261", "12"}},
             "BitBtn70");
}

void SemicircularHead(benchmark::State& state)
{
    drawPart(state, "Panel79",
             {{"Edit262", "10"}, {"Edit266", "4.2"}, {"Edit263", "1.6"}, {"Edit267", "2.4"}, {"Edit268", "0.4"},
              {"Edit265", "0.5"}, {"Edit269", "6"}, {"Edit270", "12"}, {"Edit264", "5.2"}},
             "BitBtn72");
}

void CountersunkHead(benchmark::State& state)
{
    drawPart(state, "Panel80",
             {{"Edit271", "11"}, {"Edit272", "3.3"}, {"Edit273", "1.6"}, {"Edit274", "1.6"}, {"Edit275", "0.4"},
              {"Edit276", "0.5"}, {"Edit277", "6"}, {"Edit278", "12"}},
             "BitBtn74");
}

void RaisedHead(benchmark::State& state)
{
    drawPart(state, "Panel81",
             {{"Edit297", "11"}, {"Edit302", "3.3"}, {"Edit298", "1.6"}, {"Edit303", "2"}, {"Edit299", "1.5"},
              {"Edit304", "11"}, {"Edit300", "0.4"}, {"Edit305", "0.5"}, {"Edit301", "6"}, {"Edit306", "12"}},
             "BitBtn76");
}

void WingNut(benchmark::State& state)
{
    drawPart(state, "Panel85",
             {{"Edit313", "40"}, {"Edit320", "20"}, {"Edit321", "4"}, {"Edit315", "8"}, {"Edit322", "1.25"},
              {"Edit317", "4"}, {"Edit323", "6"}, {"Edit318", "12"}, {"Edit324", "16"}, {"Edit319", "8"},
              {"Edit325", "3"}},
             "BitBtn81");
}

} // namespace

BENCHMARK(Washer)->Unit(benchmark::kMillisecond);
BENCHMARK(WasherSection)->Unit(benchmark::kMillisecond);
BENCHMARK(HexagonHead)->Unit(benchmark::kMillisecond);
BENCHMARK(ConicalBolt)->Unit(benchmark::kMillisecond);
BENCHMARK(SwingBolt)->Unit(benchmark::kMillisecond);
BENCHMARK(SocketHead)->Unit(benchmark::kMillisecond);
BENCHMARK(CylinderHead)->Unit(benchmark::kMillisecond);
BENCHMARK(SemicircularHead)->Unit(benchmark::kMillisecond);
BENCHMARK(CountersunkHead)->Unit(benchmark::kMillisecond);
BENCHMARK(RaisedHead)->Unit(benchmark::kMillisecond);
BENCHMARK(WingNut)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return bench::run(argc, argv);
}

namespace {

// A panel with its inputs typed and its switches set, pressed again and again.
void drawPartSwitched(benchmark::State& state, const char* panelName, const Texts& texts,
                      const std::vector<const char*>& switches, const char* button)
{
    bench::drawPart(state, &fasteners::createPanels, panelName, texts, button, nullptr, switches);
}

// A 4 mm pin through a 12 mm part, pointed ends.
const Texts kCotterPin{{"Edit314", "10"}, {"Edit316", "10"}, {"Edit326", "19"},
                       {"Edit327", "2"},  {"Edit328", "4"},  {"Edit329", "12"}};

void CotterPinFlatFace(benchmark::State& state)
{
    drawPartSwitched(state, "Panel86", kCotterPin, {"RadioButton23", "RadioButton19"}, "BitBtn78");
}

void CotterPinAxle(benchmark::State& state)
{
    drawPartSwitched(state, "Panel86", kCotterPin, {"RadioButton22", "RadioButton19"}, "BitBtn78");
}

// GOST 10906 row 4.
void SlantedWasher(benchmark::State& state)
{
    drawPartSwitched(state, "Panel123",
                     {{"Edit524", "30"}, {"Edit525", "13"}, {"Edit526", "7.3"}, {"Edit527", "4"}, {"Edit528", "1.6"}},
                     {}, "SpeedButton16");
}

} // namespace

BENCHMARK(CotterPinFlatFace)->Unit(benchmark::kMillisecond);
BENCHMARK(CotterPinAxle)->Unit(benchmark::kMillisecond);
BENCHMARK(SlantedWasher)->Unit(benchmark::kMillisecond);
