// Speed of the rolled-metal panels: one part drawn through its panel, from
// the press of its "3D" button to the coloured solid (the pipe with its bore
// subtracted, the nozzle's "2D" with its section). Beside each part, the bare
// kernel operations that make the same solid (edges, face, extrusion or
// revolution and one default Boolean, no checks); the run ends with the
// ratio of each part to its kernel construction.
#include "parts/metal/metal_panels.h"

#include "bench/panel_bench.h"
#include "parts/metal/sections.h"

#include "acad/fields.h"
#include "acad/interfaces.h"
#include "acad/model.h"
#include "acad/numbers.h"
#include "app/shell/errorbox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QWidget>

#include <BRepAlgoAPI_Common.hxx>
#include <BRepAlgoAPI_Cut.hxx>
#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakeWire.hxx>
#include <BRepPrimAPI_MakePrism.hxx>
#include <BRepPrimAPI_MakeRevol.hxx>
#include <GC_MakeArcOfCircle.hxx>
#include <TopoDS_Shape.hxx>
#include <gp_Ax1.hxx>
#include <gp_Pln.hxx>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

using bench::Texts;

// One part drawn through its panel, pressed again and again.
void drawPart(benchmark::State& state, const char* panelName, const Texts& texts, const char* button,
              const char* secondButton = nullptr)
{
    bench::drawPart(state, &metal::createPanels, panelName, texts, button, secondButton);
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


// The bare kernel construction of a section's face: its edges, arcs through
// their middles as the bulges give them, one wire, one face.
TopoDS_Face kernelFace(const metal::Section& section)
{
    std::vector<double> bulges(section.vertices.size(), 0.0);
    for (const acad::Bulge& b : section.bulges)
        bulges[b.vertex] = b.value;
    BRepBuilderAPI_MakeWire wire;
    for (std::size_t i = 0; i + 1 < section.vertices.size(); ++i) {
        const gp_Pnt a(section.vertices[i].x, section.vertices[i].y, 0);
        const gp_Pnt b(section.vertices[i + 1].x, section.vertices[i + 1].y, 0);
        if (a.Distance(b) < 1e-9)
            continue;
        if (bulges[i] == 0.0) {
            wire.Add(BRepBuilderAPI_MakeEdge(a, b).Edge());
            continue;
        }
        const gp_Vec chord(a, b);
        const gp_Vec right = chord.Crossed(gp_Vec(0, 0, 1)).Normalized();
        const gp_Pnt middle = a.Translated(chord * 0.5).Translated(right * (bulges[i] * chord.Magnitude() / 2));
        wire.Add(BRepBuilderAPI_MakeEdge(GC_MakeArcOfCircle(a, middle, b).Value()).Edge());
    }
    return BRepBuilderAPI_MakeFace(gp_Pln(), wire.Wire(), true).Face();
}

TopoDS_Shape kernelPrism(const metal::Section& section, double length)
{
    return BRepPrimAPI_MakePrism(kernelFace(section), gp_Vec(0, 0, length)).Shape();
}

void kernelPart(benchmark::State& state, const std::vector<metal::Section>& sections, double length)
{
    for (auto _ : state) {
        TopoDS_Shape solid = kernelPrism(sections.front(), length);
        for (std::size_t k = 1; k < sections.size(); ++k)
            solid = BRepAlgoAPI_Cut(solid, kernelPrism(sections[k], length)).Shape();
        benchmark::DoNotOptimize(solid);
    }
}

void PipeKernel(benchmark::State& state)
{
    kernelPart(state, {metal::pipeOuter(80, 40, 8), metal::pipeInner(80, 40, 4, 8)}, 1000);
}

void HotRolledAngleKernel(benchmark::State& state)
{
    kernelPart(state, {metal::hotRolledAngle(63, 40, 6, 7, 2.3)}, 1000);
}

void BentAngleKernel(benchmark::State& state)
{
    kernelPart(state, {metal::bentAngle(50, 40, 3, 4)}, 1000);
}

void BentChannelKernel(benchmark::State& state)
{
    kernelPart(state, {metal::bentChannel(80, 40, 3, 4)}, 1000);
}

void HexagonBarKernel(benchmark::State& state)
{
    kernelPart(state, {metal::hexagon(24)}, 1000);
}

void HotRolledChannelKernel(benchmark::State& state)
{
    kernelPart(state, {metal::slopedChannel(160, 64, 5, 8.4, 3.5, 8.5, 7)}, 1000);
}

void IBeamKernel(benchmark::State& state)
{
    kernelPart(state, {metal::iBeam(200, 100, 5.2, 8.4, 3.5, 9, 7)}, 1000);
}

TopoDS_Shape kernelNozzle()
{
    const double D = 57, S = 3.5, L = 100, Lv = 20, Dv = 54;
    const metal::Section profile{
        {{0, D / 2 - S}, {0, D / 2}, {L - Lv, D / 2}, {L - Lv, Dv / 2}, {L, Dv / 2}, {L, D / 2 - S}, {0, D / 2 - S}}, {}};
    return BRepPrimAPI_MakeRevol(kernelFace(profile), gp_Ax1(gp_Pnt(0, 0, 0), gp_Dir(1, 0, 0))).Shape();
}

void NozzleKernel(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(kernelNozzle());
}

void NozzleWithSectionKernel(benchmark::State& state)
{
    for (auto _ : state) {
        const TopoDS_Shape nozzle = kernelNozzle();
        const TopoDS_Face plane = BRepBuilderAPI_MakeFace(gp_Pln(), -300, 300, -300, 300).Face();
        benchmark::DoNotOptimize(BRepAlgoAPI_Common(nozzle, plane).Shape());
    }
}

// The console report, then each part's time over its kernel construction's.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (!run.error_occurred)
                times_[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const auto& [name, kernel] : times_) {
            const auto at = name.find("Kernel");
            if (at == std::string::npos || name.find("_mean") != std::string::npos ||
                name.find("_stddev") != std::string::npos || name.find("_cv") != std::string::npos)
                continue;
            const auto part = times_.find(name.substr(0, at) + name.substr(at + 6));
            if (part != times_.end() && kernel > 0)
                std::printf("%-36s %.2f of its kernel construction\n", part->first.c_str(), part->second / kernel);
        }
    }

private:
    std::map<std::string, double> times_;
};

} // namespace

BENCHMARK(Pipe)->Unit(benchmark::kMillisecond);
BENCHMARK(PipeKernel)->Unit(benchmark::kMillisecond);
BENCHMARK(HotRolledAngle)->Unit(benchmark::kMillisecond);
BENCHMARK(HotRolledAngleKernel)->Unit(benchmark::kMillisecond);
BENCHMARK(BentAngle)->Unit(benchmark::kMillisecond);
BENCHMARK(BentAngleKernel)->Unit(benchmark::kMillisecond);
BENCHMARK(BentChannel)->Unit(benchmark::kMillisecond);
BENCHMARK(BentChannelKernel)->Unit(benchmark::kMillisecond);
BENCHMARK(HexagonBar)->Unit(benchmark::kMillisecond);
BENCHMARK(HexagonBarKernel)->Unit(benchmark::kMillisecond);
BENCHMARK(HotRolledChannel)->Unit(benchmark::kMillisecond);
BENCHMARK(HotRolledChannelKernel)->Unit(benchmark::kMillisecond);
BENCHMARK(IBeam)->Unit(benchmark::kMillisecond);
BENCHMARK(IBeamKernel)->Unit(benchmark::kMillisecond);
BENCHMARK(Nozzle)->Unit(benchmark::kMillisecond);
BENCHMARK(NozzleKernel)->Unit(benchmark::kMillisecond);
BENCHMARK(NozzleWithSection)->Unit(benchmark::kMillisecond);
BENCHMARK(NozzleWithSectionKernel)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    RatioReporter reporter;
    return bench::run(argc, argv, &reporter);
}
