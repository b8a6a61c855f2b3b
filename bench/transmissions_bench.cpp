// Speed of the V-belt wizard: every "=" button on the worked example, the
// section page's "=" for every belt section (stepped roots of up to some
// 18 million rounds of the step), the drive drawn in 3D with 3 and 8 belts,
// and the jaw coupling, its element alone and the whole assembly.
#include "parts/transmissions/transmissions_panels.h"
#include "parts/transmissions/coupling_elements.h"

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

#include <sys/resource.h>

#include <utility>
#include <vector>

namespace {

// The wizard with the worked example's inputs typed and every step pressed once.
class Wizard : public bench::PanelBench {
public:
    Wizard() : PanelBench(&transmissions::createPanels)
    {
        type({{"Edit459", "5.5"}, {"Edit460", "1440"}, {"Edit461", "2"}, {"Edit467", "40"}, {"Edit470", "125"},
              {"Edit471", "250"}, {"Edit474", "0.01"}, {"Edit482", "1250"}, {"Edit488", "0.8"}, {"Edit491", "0.95"},
              {"Edit495", "3"}, {"Edit498", "1250"}, {"Edit503", "0.2"}, {"Edit511", "38"}});
        for (const char* b : {"BitBtn103", "BitBtn104", "BitBtn105", "BitBtn106", "BitBtn107"})
            button(b)->click();
        check("RadioButton46");
        for (const char* b : {"BitBtn108", "BitBtn109", "BitBtn110", "BitBtn111"})
            button(b)->click();
    }
};

const char* const kEquals[] = {"BitBtn103", "BitBtn104", "BitBtn105", "BitBtn106", "BitBtn107",
                               "BitBtn108", "BitBtn109", "BitBtn110", "BitBtn111"};

void Equals(benchmark::State& state)
{
    Wizard wizard;
    QAbstractButton* press = wizard.button(kEquals[state.range(0)]);
    state.SetLabel(kEquals[state.range(0)]);
    for (auto _ : state)
        press->click();
    if (!wizard.failure.isEmpty())
        state.SkipWithError(wizard.failure.toStdString().c_str());
}

const char* const kSections[] = {"RadioButton45", "RadioButton46", "RadioButton47", "RadioButton48", "RadioButton49",
                                 "RadioButton52", "RadioButton53", "RadioButton54", "RadioButton55"};

void SectionPage(benchmark::State& state)
{
    Wizard wizard;
    wizard.check(kSections[state.range(0)]);
    QAbstractButton* press = wizard.button("BitBtn108");
    state.SetLabel(kSections[state.range(0)]);
    for (auto _ : state)
        press->click();
    if (!wizard.failure.isEmpty())
        state.SkipWithError(wizard.failure.toStdString().c_str());
}

void Drive(benchmark::State& state)
{
    Wizard wizard;
    wizard.type({{"Edit495", state.range(0) == 3 ? "3" : "8"}});
    QAbstractButton* press = wizard.button("BitBtn112");
    acad::IAcadModelSpace ms = wizard.ms();
    for (auto _ : state) {
        press->click();
        state.PauseTiming();
        if (!wizard.failure.isEmpty() || ms.Count() != 2 + state.range(0)) {
            state.SkipWithError(wizard.failure.toStdString().c_str());
            break;
        }
        for (int k = ms.Count() - 1; k >= 0; --k)
            ms.Item(k).Delete();
        state.ResumeTiming();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = usage.ru_maxrss / 1024.0;
}

// The coupling's elastic element at its free size: the cross (four
// subtractions) and the star (six unions with fillets tangent to the hub and
// one intersection).
void FreeElement(benchmark::State& state)
{
    bench::PanelBench window(&transmissions::createPanels);
    const auto& row = transmissions::freeElements[state.range(0)];
    state.SetLabel(row.torque);
    acad::IAcadModelSpace ms = window.ms();
    for (auto _ : state) {
        shell::runProcedure([&] { transmissions::drawFreeElement(window.fields(), row); });
        state.PauseTiming();
        if (!window.failure.isEmpty() || ms.Count() != 1) {
            state.SkipWithError("the element was not drawn");
            break;
        }
        window.clearDrawing();
        state.ResumeTiming();
    }
}

// The whole jaw coupling through its panel: the element and two half-couplings,
// each a revolved profile with its jaws, bore and keyway cut (some thirty
// subtractions); "400" with the star jaws, "2,5" with the cross jaws.
void CouplingAssembly(benchmark::State& state)
{
    const bool star = state.range(0) == 400;
    state.SetLabel(star ? "400, star jaws" : "2,5, cross jaws");
    const bench::Texts texts =
        star ? bench::Texts{{"Edit432", "80"},  {"Edit437", "50"},   {"Edit439", "40"},  {"Edit441", "100"},
                            {"Edit443", "5"},   {"Edit446", "40"},   {"Edit445", "43.3"}, {"Edit449", "12"},
                            {"Edit451", "0.4"}, {"Edit436", "80"},   {"Edit438", "50"},  {"Edit440", "40"},
                            {"Edit442", "100"}, {"Edit444", "5"},    {"Edit447", "40"},  {"Edit448", "43.3"},
                            {"Edit450", "12"},  {"Edit452", "0.4"}}
             : bench::Texts{{"Edit432", "41"},  {"Edit439", "20.5"}, {"Edit441", "19.2"}, {"Edit443", "1"},
                            {"Edit446", "7.5"}, {"Edit445", "8.6"},  {"Edit449", "2"},    {"Edit451", "0.2"},
                            {"Edit436", "41"},  {"Edit440", "20.5"}, {"Edit442", "19.2"}, {"Edit444", "1"},
                            {"Edit447", "7.5"}, {"Edit448", "8.6"},  {"Edit450", "2"},    {"Edit452", "0.2"}};
    bench::drawPart(state, &transmissions::createPanels, "Panel88", texts, "BitBtn84", nullptr,
                    star ? std::vector<const char*>{"RadioButton44", "RadioButton35"}
                         : std::vector<const char*>{"RadioButton36", "RadioButton34"});
}

} // namespace

BENCHMARK(Equals)->DenseRange(0, 8)->Unit(benchmark::kMillisecond);
BENCHMARK(SectionPage)->DenseRange(0, 8)->Unit(benchmark::kMillisecond);
BENCHMARK(Drive)->Arg(3)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(FreeElement)->Arg(0)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(CouplingAssembly)->Arg(400)->Arg(2)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return bench::run(argc, argv);
}
