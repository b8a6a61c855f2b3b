// Speed of the drawing layer: the profile-to-solid sequence, a helix sweep
// and many unions into one body.
#include "acad/fields.h"
#include "acad/interfaces.h"
#include "acad/model.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cmath>

using namespace acad;

namespace {

struct Drawing {
    Drawing()
    {
        server::shutdown();
        connection.Connect();
    }
    ~Drawing() { server::shutdown(); }
    TAcadDocument connection;
    WorkingFields f{connection};
};

// A rectangular pipe's outer contour: 9 vertices, four rounded corners.
void ProfileToSolid(benchmark::State& state)
{
    Drawing d;
    const double b = 40, h = 20, R = 5, q = -std::tan(M_PI / 8);
    for (auto _ : state) {
        d.f.SetProfile({{0, R}, {0, h - R}, {R, h}, {b - R, h}, {b, h - R}, {b, R}, {b - R, 0}, {R, 0}, {0, R}});
        d.f.MakeProfileRegion({{1, q}, {3, q}, {5, q}, {7, q}});
        IAcad3DSolid s = d.f.ExtrudeProfile(100);
        benchmark::DoNotOptimize(s);
        s.Delete();
    }
}
BENCHMARK(ProfileToSolid)->Unit(benchmark::kMillisecond);

// The thread profile swept along 36 one-degree chords of a helix.
void HelixSweep(benchmark::State& state)
{
    Drawing d;
    const double P = 1.5, R = 5, H = 0.866025404 * P, t = std::tan(M_PI / 6);
    d.f.SetProfile({{0, R - 7 * H / 8}, {0, R - 5 * H / 8}, {P / 8, R - 7 * H / 8 + 1e-6}, {P / 8 + t * 7 * H / 8, R},
                    {P / 4 + t * 7 * H / 8, R}, {P, R - 5 * H / 8}, {P, R - 7 * H / 8}, {0, R - 7 * H / 8}});
    d.f.MakeProfileRegion();
    VertexList path = newVertexList(37);
    for (int k = 0; k <= 36; ++k)
        setVertex(path, k, k * P / 360, R * std::cos(k * M_PI / 180), R * std::sin(k * M_PI / 180));
    for (auto _ : state) {
        IAcad3DSolid s = d.f.SweepProfile(path);
        benchmark::DoNotOptimize(s);
        s.Delete();
    }
}
BENCHMARK(HelixSweep)->Unit(benchmark::kMillisecond);

// Cylinders along a helix, each overlapping its neighbours, united one by
// one into the first; then the volume is asked for, which makes the pending
// unions.
void Unions(benchmark::State& state)
{
    Drawing d;
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        IAcad3DSolid body = d.connection.ModelSpace().AddCylinder(AcadPoint(10, 0, 0), 2, 5);
        for (int i = 1; i < n; ++i) {
            const double a = i * 0.25;
            IAcad3DSolid piece = d.connection.ModelSpace().AddCylinder(
                AcadPoint(10 * std::cos(a), 10 * std::sin(a), a / (2 * M_PI) * 8), 2, 5);
            body.Boolean(acUnion, piece);
        }
        benchmark::DoNotOptimize(body.Volume());
        body.Delete();
    }
}
BENCHMARK(Unions)->Arg(100)->Arg(400)->Unit(benchmark::kMillisecond)->Iterations(1);

// Balls along a helix, each overlapping the next few, united one by one
// into the first as the figure heaps its balls; then the volume is asked
// for, which makes the pending unions.
void Spheres(benchmark::State& state)
{
    Drawing d;
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        IAcad3DSolid body = d.connection.ModelSpace().AddSphere(AcadPoint(20, 0, 0), 6);
        for (int i = 1; i < n; ++i) {
            const double a = i * 0.25;
            IAcad3DSolid piece =
                d.connection.ModelSpace().AddSphere(AcadPoint(20 * std::cos(a), 20 * std::sin(a), 2 * a), 6);
            body.Boolean(acUnion, piece);
        }
        benchmark::DoNotOptimize(body.Volume());
        body.Delete();
    }
}
BENCHMARK(Spheres)->Arg(60)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)->ReportAggregatesOnly(true);

// Turns of a metric thread M10 x 1.5 as its procedure builds them: the
// profile swept along one-degree chords of the helix in 36 overlapping
// pieces per turn, the pieces united into turns and the turns into the
// thread; then the volume is asked for.
void ThreadTurns(benchmark::State& state)
{
    Drawing d;
    const int turns = static_cast<int>(state.range(0));
    const double P = 1.5, R = 5, H = 0.866025404 * P, t = std::tan(M_PI / 6);
    auto helix = [&](std::vector<double> angles) {
        VertexList path = newVertexList(angles.size());
        for (std::size_t i = 0; i < angles.size(); ++i) {
            const double k = angles[i];
            setVertex(path, i, k * P / 360, R * std::cos(k * M_PI / 180), R * std::sin(k * M_PI / 180));
        }
        return path;
    };
    std::vector<double> shortPath, segment, closing;
    for (int k = 0; k <= 11; ++k) {
        if (k <= 10)
            shortPath.push_back(k);
        segment.push_back(k);
    }
    closing = shortPath;
    closing.push_back(11.7);
    for (auto _ : state) {
        WorkingFields& f = d.f;
        f.SetProfile({{0, R - 7 * H / 8}, {0, R - 5 * H / 8}, {P / 8, R - 7 * H / 8 + 1e-6},
                      {P / 8 + t * 7 * H / 8, R}, {P / 4 + t * 7 * H / 8, R}, {P, R - 5 * H / 8},
                      {P, R - 7 * H / 8}, {0, R - 7 * H / 8}});
        f.MakeProfileRegion();
        f.ProfilePolyline.Delete();
        IAcad3DSolid thread = f.SweepProfile(helix(shortPath));
        for (int n = 1; n <= turns; ++n) {
            IAcad3DSolid turn = f.SweepProfile(helix(shortPath));
            for (int i = 1; i <= 35; ++i) {
                const double a = 10 * i - 1;
                IAcad3DSolid piece = f.SweepProfile(helix(i <= 34 ? segment : closing));
                f.Axis2Point = AcadPoint(0, 0, 0);
                f.Axis2Direction = AcadPoint(a * P / 360, 0, 0);
                piece.Move(f.Axis2Point, f.Axis2Direction);
                piece.Rotate3D(f.Axis2Point, f.Axis2Direction, a * M_PI / 180);
                turn.Boolean(acUnion, piece);
            }
            f.Axis2Direction = AcadPoint(n * P, 0, 0);
            turn.Move(f.Axis2Point, f.Axis2Direction);
            thread.Boolean(acUnion, turn);
        }
        if (state.range(1)) {
            // Back by two pitches and cut to 0 <= x <= L, L = (turns - 2) P,
            // by two cylinders about the axis, as the panel cuts the bolt.
            const double L = (turns - 2) * P, D = 2 * R;
            f.Axis2Direction = AcadPoint(2 * P, 0, 0);
            thread.Move(f.Axis2Direction, f.Axis2Point);
            for (const std::vector<XY>& rectangle :
                 {std::vector<XY>{{0, 2 * D}, {0, 0}, {-2 * P, 0}, {-2 * P, 2 * D}, {0, 2 * D}},
                  std::vector<XY>{{L, 0}, {L, 2 * D}, {3 * L, 2 * D}, {3 * L, 0}, {L, 0}}}) {
                IAcadRegion region = f.ProfileRegion;
                f.SetProfile(rectangle);
                f.MakeProfileRegion();
                f.ProfilePolyline.Delete();
                IAcad3DSolid cylinder =
                    f.ModelSpace().AddRevolvedSolid(f.ProfileRegion, f.Axis2Point, f.Axis2Direction, 2 * M_PI);
                thread.Boolean(acSubtraction, cylinder);
                f.ProfileRegion.Delete();
                f.ProfileRegion = region;
            }
        }
        benchmark::DoNotOptimize(thread.Volume());
        thread.Delete();
        f.ProfileRegion.Delete();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = usage.ru_maxrss / 1024.0;
}
// Turns, and whether the thread is cut as the bolt's (12 turns: M10 x 1.5,
// L = 15). Run one at a time to read each one's own peak memory.
BENCHMARK(ThreadTurns)
    ->Args({1, 0})
    ->Args({3, 0})
    ->Args({12, 0})
    ->Args({12, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// A fan of skin capsules as a figure's shoulder has them: radius 7.5, the
// anchors 2.5 apart along the chest, the targets 1.25 apart along the
// shoulder line, each capsule a revolved outline turned and moved into
// place and united into the body one by one; then the volume is asked for.
// The peak resident memory of the process is reported (kilobytes).
void CapsuleFan(benchmark::State& state)
{
    Drawing d;
    const int n = static_cast<int>(state.range(0));
    const double r = 7.5, q = std::tan(M_PI / 8);
    auto capsule = [&](int i) {
        const double ax = 2.5 * i, ay = 0, az = 0;
        const double dx = 1.25 * i + 100 - ax, dy = 165 - ay, dz = -12 - az;
        const double l = std::sqrt(dx * dx + dy * dy + dz * dz);
        WorkingFields& f = d.f;
        f.SetProfile({{0, -r}, {r, 0}, {r, l}, {0, l + r}, {0, -r}});
        f.MakeProfileRegion({{0, q}, {2, q}});
        IAcad3DSolid s = f.RevolveProfile(AcadPoint(0, 0, 0), AcadPoint(0, 77, 0));
        f.AxisDirection = AcadPoint(77, 0, 0);
        s.Rotate3D(f.AxisPoint, f.AxisDirection, std::asin(dz / l));
        f.AxisDirection = AcadPoint(0, 0, 77);
        s.Rotate3D(f.AxisPoint, f.AxisDirection, std::atan2(-dx, dy));
        f.AxisDirection = AcadPoint(ax, ay, az);
        s.Move(f.AxisPoint, f.AxisDirection);
        return s;
    };
    for (auto _ : state) {
        IAcad3DSolid body = capsule(0);
        for (int i = 1; i < n; ++i) {
            IAcad3DSolid piece = capsule(i);
            body.Boolean(acUnion, piece);
        }
        try {
            state.counters["volume"] = body.Volume();
        } catch (const EOleException& e) {
            state.SkipWithError(e.what());
        }
        body.Delete();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_kB"] = static_cast<double>(usage.ru_maxrss);
}
BENCHMARK(CapsuleFan)->Arg(10)->Arg(40)->Arg(325)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
