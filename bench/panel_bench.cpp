#include "bench/panel_bench.h"

#include "acad/model.h"
#include "acad/numbers.h"
#include "app/shell/errorbox.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>

namespace bench {

PanelBench::PanelBench(CreatePanels create)
{
    acad::server::shutdown();
    acad::setDecimalSeparator(u'.');
    connection.Connect();
    create(*this, &area);
    shell::setErrorBoxCapture([this](const QString& text) { failure = text; });
}

PanelBench::~PanelBench()
{
    shell::setErrorBoxCapture({});
    acad::server::shutdown();
}

QWidget* PanelBench::panel(const char* name)
{
    return name ? area.findChild<QWidget*>(QString::fromLatin1(name)) : &area;
}

void PanelBench::type(const Texts& texts, const char* panelName)
{
    for (const auto& [name, text] : texts)
        panel(panelName)->findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromUtf8(text));
}

QAbstractButton* PanelBench::button(const char* name, const char* panelName)
{
    return panel(panelName)->findChild<QAbstractButton*>(QString::fromLatin1(name));
}

void PanelBench::check(const char* radio, const char* panelName)
{
    panel(panelName)->findChild<QRadioButton*>(QString::fromLatin1(radio))->setChecked(true);
}

void PanelBench::clearDrawing()
{
    acad::IAcadModelSpace space = ms();
    for (int k = space.Count() - 1; k >= 0; --k)
        space.Item(k).Delete();
}

void drawPart(benchmark::State& state, CreatePanels create, const char* panelName, const Texts& texts,
              const char* button, const char* secondButton, const std::vector<const char*>& switches)
{
    PanelBench bench(create);
    bench.type(texts, panelName);
    for (const char* radio : switches)
        bench.check(radio, panelName);
    QAbstractButton* press = bench.button(button, panelName);
    QAbstractButton* pressAfter = secondButton ? bench.button(secondButton, panelName) : nullptr;
    acad::IAcadModelSpace ms = bench.ms();
    for (auto _ : state) {
        press->click();
        if (pressAfter)
            pressAfter->click();
        state.PauseTiming();
        if (!bench.failure.isEmpty() || ms.Count() == 0) {
            state.SkipWithError(bench.failure.toStdString().c_str());
            break;
        }
        bench.clearDrawing();
        state.ResumeTiming();
    }
}

int run(int argc, char** argv, benchmark::BenchmarkReporter* reporter)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (reporter)
        benchmark::RunSpecifiedBenchmarks(reporter);
    else
        benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
