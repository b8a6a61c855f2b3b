#pragma once
// What every panel benchmark shares: a family's panels over a fresh drawing,
// as the window holds them, and one part drawn through its panel again and
// again.
#include "acad/fields.h"
#include "acad/interfaces.h"
#include "app/shell/panel_context.h"

#include <QAbstractButton>
#include <QString>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <utility>
#include <vector>

namespace bench {

using CreatePanels = void (*)(shell::PanelContext& context, QWidget* clientArea);
using Texts = std::vector<std::pair<const char*, const char*>>;

// A family's panels in a client area of their own over a fresh drawing;
// numbers are typed with '.', error boxes are collected in `failure`.
class PanelBench : public shell::PanelContext {
public:
    explicit PanelBench(CreatePanels create);
    ~PanelBench() override;

    acad::WorkingFields& fields() override { return fields_; }
    void NetPan() override {}
    void FullPanelLayout(QWidget* panel) override { panel->resize(601, 459); }
    void SidePanelLayout(QWidget* panel) override { panel->resize(465, 336); }
    void TableSidePanelLayout(QWidget* sidePanel) override { sidePanel->setGeometry(601, 0, 250, 533); }

    // The controls of a panel (of the whole client area without one), by name.
    QWidget* panel(const char* name);
    void type(const Texts& texts, const char* panelName = nullptr);
    QAbstractButton* button(const char* name, const char* panelName = nullptr);
    void check(const char* radio, const char* panelName = nullptr);
    acad::IAcadModelSpace ms() { return connection.ModelSpace(); }
    // Deletes every entity of the drawing.
    void clearDrawing();

    acad::TAcadDocument connection;
    QWidget area;
    QString failure;

private:
    acad::WorkingFields fields_{connection};
};

// One part drawn through its panel: the texts typed (and the switches set),
// then the button pressed again and again, the second button after it; the
// drawing is emptied between presses outside the measured time.
void drawPart(benchmark::State& state, CreatePanels create, const char* panelName, const Texts& texts,
              const char* button, const char* secondButton = nullptr,
              const std::vector<const char*>& switches = {});

// Runs the benchmarks named on the command line under a headless
// application; the reporter, when given, writes the results.
int run(int argc, char** argv, benchmark::BenchmarkReporter* reporter = nullptr);

} // namespace bench
