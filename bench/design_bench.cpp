// Speed of the design-element panels: one part drawn through its panel, from
// the press of its "3D" button to the coloured solid (the rod and the sleeve
// upright and moved to point A, the cutting bodies of the slot, the keyed
// bore and the spline bore), and the metric thread with its peak memory.
#include "parts/design/design_panels.h"

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

#include <sys/resource.h>

#include <utility>
#include <vector>

namespace {

using bench::Texts;

// One part drawn through its panel, pressed again and again.
void drawPart(benchmark::State& state, const char* panelName, const Texts& texts, const char* button,
              const char* secondButton = nullptr)
{
    bench::drawPart(state, &design::createPanels, panelName, texts, button, secondButton);
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

// The peak memory of the process so far, in megabytes: run one thread
// benchmark at a time (--benchmark_filter) to read its own peak.
double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

// The metric thread through its panel: D, P and L typed, "3D" pressed, the
// bolt's thread band or, with "Гайка", the nut's sleeve.
void MetricThread(benchmark::State& state, const char* D, const char* P, const char* L, bool nut)
{
    bench::drawPart(state, &design::createPanels, "Panel48", {{"Edit67", D}, {"Edit68", P}, {"Edit69", L}},
                    "BitBtn39", nullptr, nut ? std::vector<const char*>{"RadioButton6"} : std::vector<const char*>{});
    state.counters["peak_MB"] = peakMegabytes();
}

} // namespace

BENCHMARK_CAPTURE(MetricThread, BoltM10L15, "10", "1.5", "15", false)
    ->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK_CAPTURE(MetricThread, NutM10L15, "10", "1.5", "15", true)
    ->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK_CAPTURE(MetricThread, BoltM24L60, "24", "3", "60", false)
    ->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK_CAPTURE(MetricThread, NutM24L60, "24", "3", "60", true)
    ->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK_CAPTURE(MetricThread, BoltM10TwoPitches, "10", "1.5", "3", false)
    ->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK_CAPTURE(MetricThread, NutM10TwoPitches, "10", "1.5", "3", true)
    ->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(Rod)->Unit(benchmark::kMillisecond);
BENCHMARK(Sleeve)->Unit(benchmark::kMillisecond);
BENCHMARK(Slot)->Unit(benchmark::kMillisecond);
BENCHMARK(KeyedBore)->Unit(benchmark::kMillisecond);
BENCHMARK(SplineBoreSixSpaces)->Unit(benchmark::kMillisecond);
BENCHMARK(SplineBoreTwentySpaces)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return bench::run(argc, argv);
}
