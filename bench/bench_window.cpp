// The window with a whole month: the time from "Ouvrir un fichier .wlk" to
// the first frame drawn with the month in it, the time to draw a scrolled
// page, and the memory the program then holds. Five-minute months have 8928
// records, one-minute months 44,640. Runs on the offscreen platform.
#include "month_fixture.h"
#include "scripted_dialogs.h"
#include "ui/window/main_window.h"
#include "ui/window/tableau_view.h"

#include <QApplication>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

using namespace pluvelle;
using pluvelle::testing::FixtureDay;
using pluvelle::testing::RecordsEvery;
using pluvelle::testing::ScriptedDialogs;
using pluvelle::testing::TempDir;

// Resident memory of this process in megabytes (0 where /proc is missing).
double ResidentMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) {
            std::istringstream fields(line.substr(6));
            double kilobytes = 0;
            fields >> kilobytes;
            return kilobytes / 1024.0;
        }
    return 0;
}

// A 31-day month archived every `interval` minutes, written once.
std::string WriteMonth(const TempDir& dir, int interval) {
    std::vector<FixtureDay> days;
    for (int d = 1; d <= 31; ++d) days.push_back({d, RecordsEvery(interval, interval, 1440)});
    const std::string path = dir.file("2013-01.wlk");
    pluvelle::testing::WriteFile(path, pluvelle::testing::MonthBytes(days));
    return path;
}

// Counts the frames the grid draws, so a benchmark knows it measured one.
class FrameCounter : public QObject {
public:
    int frames = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++frames;
        return false;
    }
};

struct OpenWindow {
    ScriptedDialogs dialogs;
    ui::TForm1 form{&dialogs};
    FrameCounter counter;
    OpenWindow() {
        form.show();
        form.controls().Tableau->viewport()->installEventFilter(&counter);
        QApplication::processEvents();
    }
    void open(const std::string& path) {
        dialogs.fileName(path);
        form.OuvrirWLKClick();
    }
};

void BM_OpenMonthToFirstFrame(benchmark::State& state) {
    TempDir dir;
    const std::string path = WriteMonth(dir, static_cast<int>(state.range(0)));
    OpenWindow window;
    for (auto _ : state) {
        const int before = window.counter.frames;
        window.open(path);
        window.form.repaint();
        if (window.counter.frames == before) state.SkipWithError("the grid drew no frame");
    }
    state.counters["records"] = window.form.session().month.TotalArchiveRecords();
    state.counters["resident_MB"] = ResidentMegabytes();
}
BENCHMARK(BM_OpenMonthToFirstFrame)->Arg(5)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ScrollOnePage(benchmark::State& state) {
    TempDir dir;
    OpenWindow window;
    window.open(WriteMonth(dir, static_cast<int>(state.range(0))));
    QApplication::processEvents();
    QScrollBar* bar = window.form.controls().Tableau->verticalScrollBar();
    for (auto _ : state) {
        const int next = bar->value() + bar->pageStep();
        bar->setValue(next > bar->maximum() ? 0 : next);
        window.form.controls().Tableau->viewport()->repaint();
    }
    state.counters["resident_MB"] = ResidentMegabytes();
}
BENCHMARK(BM_ScrollOnePage)->Arg(5)->Arg(1)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
