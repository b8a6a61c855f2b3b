// Speed of the head's face, hair and helmet stretches of the worker figure,
// each alone on the head group an earlier stretch leaves (a stand-in block
// behind the face, a small ball under the coverings), from the stretch's
// start to the finished B-rep. The peak resident memory of the process is
// reported as a counter (kilobytes).
#include "bench/panel_bench.h"
#include "figure/assembly.h"
#include "figure/figure_panels.h"
#include "figure/stretches.h"

#include "acad/errors.h"

#include <QCheckBox>

#include <sys/resource.h>

namespace {

double peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss);
}

enum class Seed { Block, Ball };

void stretch(benchmark::State& state, figure::Stretch run, Seed seed, bool hair, bool helmet)
{
    bench::PanelBench b(&figure::createPanels);
    b.button("BitBtn97", "Panel61")->click(); // the initial pose
    b.panel("Panel59")->findChild<QCheckBox*>("CheckBox1")->setChecked(hair);
    b.panel("Panel59")->findChild<QCheckBox*>("CheckBox2")->setChecked(helmet);
    acad::WorkingFields& f = b.fields();
    for (auto _ : state) {
        try {
            figure::Assembly a(f, b.panel("Panel59"), b.panel("Panel60"));
            a.readPose();
            a.headSkin = {253, 216, 201};
            f.GroupSolid = seed == Seed::Block ? b.ms().AddBox(acad::AcadPoint(0, 140, 10), 140, 200, 200)
                                               : b.ms().AddSphere(acad::AcadPoint(0, 0, 0), 1);
            run(a);
            benchmark::DoNotOptimize(f.GroupSolid.Volume());
        } catch (const acad::EOleException& e) {
            state.SkipWithError(e.what());
            break;
        }
        state.PauseTiming();
        b.clearDrawing();
        state.ResumeTiming();
    }
    state.counters["peak_kB"] = peakKilobytes();
}

void HeadFace(benchmark::State& state) { stretch(state, &figure::headFace, Seed::Block, false, false); }
void Hair(benchmark::State& state) { stretch(state, &figure::hairAndHelmet, Seed::Ball, true, false); }
void Helmet(benchmark::State& state) { stretch(state, &figure::hairAndHelmet, Seed::Ball, false, true); }

} // namespace

BENCHMARK(HeadFace)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Hair)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(Helmet)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv)
{
    return bench::run(argc, argv);
}
