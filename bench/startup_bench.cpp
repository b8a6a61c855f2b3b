// Start-up: the main window with every panel made, attached to the drawing
// and shown, from the application object on.
#include "acad/model.h"
#include "app/window/form1.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void Startup(benchmark::State& state)
{
    for (auto _ : state) {
        acad::server::shutdown();
        app::TForm1 form;
        form.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(form.isVisible());
    }
}
BENCHMARK(Startup)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
