// Speed of the worker figure's primitives: each one alone, from its working
// fields to the posed solid, and the 652 shoulder skin capsules of a figure
// in a row, without their unions; and of the figure's stretches, each alone
// from the pose on the figure's pages to its finished body. The peak
// resident memory of the process is reported as a counter (kilobytes).
#include "figure/assembly.h"
#include "figure/figure_panels.h"
#include "figure/primitives.h"
#include "figure/stretches.h"

#include "bench/panel_bench.h"

#include "acad/fields.h"
#include "acad/interfaces.h"
#include "acad/model.h"

#include <QCheckBox>

#include <functional>
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cmath>

using namespace acad;

namespace {

constexpr double pi = 3.141592653589793;

struct Drawing {
    Drawing()
    {
        server::shutdown();
        connection.Connect();
    }
    ~Drawing() { server::shutdown(); }
    void clear()
    {
        IAcadModelSpace ms = connection.ModelSpace();
        for (int k = ms.Count() - 1; k >= 0; --k)
            ms.Item(k).Delete();
    }
    TAcadDocument connection;
    WorkingFields f{connection};
};

double peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss);
}

// A forearm-like frustum: tilted, turned and moved as the figure places it.
void frustumFields(WorkingFields& f)
{
    f.Dim01 = 1800;
    f.Dim02 = 250;
    f.Dim07 = 40;
    f.Dim08 = 30;
    f.Dim14 = 200;
    f.Dim15 = 1300;
    f.Dim16 = 20;
    f.ModeFlag = 0;
    f.Dim21 = 0.3;
    f.Dim22 = -0.4;
    f.Dim23 = 1.2;
}

// The fields of one right-shoulder capsule; the angles stay across a series.
void capsuleFields(WorkingFields& f, int n)
{
    f.Dim01 = 1800;
    f.Dim00 = -150 - (n % 15);
    f.Dim03 = 1350 + (n % 7) * 3;
    f.Dim04 = -40 + (n % 11) * 8;
    f.Dim07 = 7.5;
    f.Dim14 = -90 - (n % 9) * 4;
    f.Dim15 = 0;
    f.Dim16 = -50 + (n % 13) * 8;
    f.Dim05 = 160;
    f.Dim06 = 1420;
    f.Dim09 = 0;
    f.Dim17 = 0.2;
    f.Dim18 = -pi / 2 + 0.3;
    f.Dim20 = 0.2;
    f.Dim19 = pi / 2 - 0.3;
}

void one(benchmark::State& state, void (*primitive)(WorkingFields&), void (*write)(WorkingFields&))
{
    Drawing d;
    for (auto _ : state) {
        write(d.f);
        primitive(d.f);
        state.PauseTiming();
        d.clear();
        state.ResumeTiming();
    }
    state.counters["peak_kB"] = peakKilobytes();
}

void sphereFields(WorkingFields& f)
{
    f.Dim01 = 1800;
    f.Dim07 = 45;
    f.Dim14 = 120;
    f.Dim15 = 1400;
    f.Dim16 = -30;
}

void Myach(benchmark::State& state) { one(state, &figure::Myach, &sphereFields); }
void Konus1(benchmark::State& state) { one(state, &figure::Konus1, &frustumFields); }
void Konus2(benchmark::State& state) { one(state, &figure::Konus2, &frustumFields); }
void Konus5(benchmark::State& state) { one(state, &figure::Konus5, &frustumFields); }
void Konus6(benchmark::State& state) { one(state, &figure::Konus6, &frustumFields); }
void PP(benchmark::State& state) { one(state, &figure::PP, [](WorkingFields& f) { capsuleFields(f, 3); }); }
void PPK(benchmark::State& state) { one(state, &figure::PPK, [](WorkingFields& f) { capsuleFields(f, 3); }); }
void LL(benchmark::State& state) { one(state, &figure::LL, [](WorkingFields& f) { capsuleFields(f, 3); f.Dim14 = -f.Dim14; f.Dim00 = -f.Dim00; f.Dim05 = -f.Dim05; }); }
void LLK(benchmark::State& state) { one(state, &figure::LLK, [](WorkingFields& f) { capsuleFields(f, 3); f.Dim14 = -f.Dim14; f.Dim00 = -f.Dim00; f.Dim05 = -f.Dim05; }); }

// The figure's shoulder skin: PP 225, PPK 100, LL 227, LLK 100 capsules.
void ShoulderSkin652(benchmark::State& state)
{
    Drawing d;
    struct Series {
        void (*primitive)(WorkingFields&);
        int count;
    };
    const Series series[] = {{&figure::PP, 225}, {&figure::PPK, 100}, {&figure::LL, 227}, {&figure::LLK, 100}};
    for (auto _ : state) {
        int n = 0;
        for (const Series& s : series)
            for (int i = 0; i < s.count; ++i, ++n) {
                capsuleFields(d.f, n);
                s.primitive(d.f);
            }
        state.PauseTiming();
        if (d.connection.ModelSpace().Count() != 652)
            state.SkipWithError("not 652 capsules");
        d.clear();
        state.ResumeTiming();
    }
    state.counters["peak_kB"] = peakKilobytes();
}

// A press of the figure's pages over a fresh drawing in the initial pose,
// timed to the finished B-rep of `solid` (every union made): `prepare`
// sets the drawing up untimed, `run` draws.
void figurePress(benchmark::State& state, const std::function<void(bench::PanelBench&)>& prepare,
                 const std::function<void(bench::PanelBench&)>& run, IAcad3DSolid WorkingFields::*solid)
{
    bench::PanelBench b(&figure::createPanels);
    b.button("BitBtn97", "Panel61")->click(); // the initial pose
    for (auto _ : state) {
        state.PauseTiming();
        prepare(b);
        state.ResumeTiming();
        run(b);
        benchmark::DoNotOptimize((b.fields().*solid).Volume());
        state.PauseTiming();
        if (b.ms().Count() != 1)
            state.SkipWithError("not one solid");
        b.clearDrawing();
        state.ResumeTiming();
    }
    state.counters["peak_kB"] = peakKilobytes();
}

void noPreparation(bench::PanelBench&) {}

// The abdomen and pelvis with the final pose and scale.
void AbdomenStretch(benchmark::State& state)
{
    figurePress(state, &noPreparation, [](bench::PanelBench& b) {
        figure::Assembly a(b.fields(), b.panel("Panel59"), b.panel("Panel60"));
        a.readPose();
        figure::abdomenAndPelvis(a);
        figure::finalPose(a);
    }, &WorkingFields::BodySolid);
}

// The collar and lips over a small seed head group at the head's origin:
// four revolved pieces coloured and united.
void CollarAndLips(benchmark::State& state)
{
    figurePress(
        state, [](bench::PanelBench& b) { b.fields().GroupSolid = b.ms().AddSphere(AcadPoint(0, 0, 0), 1); },
        [](bench::PanelBench& b) {
            figure::Assembly a(b.fields(), b.panel("Panel59"), b.panel("Panel60"));
            a.readPose();
            figure::collarAndLips(a);
        },
        &WorkingFields::GroupSolid);
}

// The head's first stretch alone: skull, face masses, jaw, ear recesses,
// skin colour and ears, up to the head group's B-rep.
void HeadFirst(benchmark::State& state)
{
    figurePress(state, &noPreparation, [](bench::PanelBench& b) {
        figure::Assembly a(b.fields(), b.panel("Panel59"), b.panel("Panel60"));
        a.readPose();
        figure::headFirst(a);
    }, &WorkingFields::GroupSolid);
}

// A head stretch alone on the head group an earlier stretch leaves: a
// stand-in block behind the face, a small ball under the coverings.
void headStretch(benchmark::State& state, figure::Stretch stretch, bool block, bool hair, bool helmet)
{
    figurePress(
        state,
        [=](bench::PanelBench& b) {
            b.panel("Panel59")->findChild<QCheckBox*>("CheckBox1")->setChecked(hair);
            b.panel("Panel59")->findChild<QCheckBox*>("CheckBox2")->setChecked(helmet);
            b.fields().GroupSolid = block ? b.ms().AddBox(AcadPoint(0, 140, 10), 140, 200, 200)
                                          : b.ms().AddSphere(AcadPoint(0, 0, 0), 1);
        },
        [=](bench::PanelBench& b) {
            figure::Assembly a(b.fields(), b.panel("Panel59"), b.panel("Panel60"));
            a.readPose();
            a.headSkin = {253, 216, 201};
            stretch(a);
        },
        &WorkingFields::GroupSolid);
}

void HeadFace(benchmark::State& state) { headStretch(state, &figure::headFace, true, false, false); }
void Hair(benchmark::State& state) { headStretch(state, &figure::hairAndHelmet, false, true, false); }
void Helmet(benchmark::State& state) { headStretch(state, &figure::hairAndHelmet, false, false, true); }

// "3D": every stretch but the shoulder skin, the final pose and scale.
void WholeFigure(benchmark::State& state)
{
    figurePress(state, &noPreparation, [](bench::PanelBench& b) { b.button("BitBtn57", "Panel61")->click(); },
                &WorkingFields::BodySolid);
}

} // namespace

BENCHMARK(Myach)->Unit(benchmark::kMillisecond);
BENCHMARK(Konus1)->Unit(benchmark::kMillisecond);
BENCHMARK(Konus2)->Unit(benchmark::kMillisecond);
BENCHMARK(Konus5)->Unit(benchmark::kMillisecond);
BENCHMARK(Konus6)->Unit(benchmark::kMillisecond);
BENCHMARK(PP)->Unit(benchmark::kMillisecond);
BENCHMARK(PPK)->Unit(benchmark::kMillisecond);
BENCHMARK(LL)->Unit(benchmark::kMillisecond);
BENCHMARK(LLK)->Unit(benchmark::kMillisecond);
BENCHMARK(ShoulderSkin652)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(AbdomenStretch)->Unit(benchmark::kMillisecond);
BENCHMARK(CollarAndLips)->Unit(benchmark::kMillisecond);
BENCHMARK(HeadFirst)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(HeadFace)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Hair)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(Helmet)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(WholeFigure)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);

int main(int argc, char** argv)
{
    return bench::run(argc, argv);
}
