// The window's own costs on the offscreen platform: building and showing
// it, the start-up sequence, a click with its repaint (also with the three
// result lists filled, 36,000 rows in all), and a front-five run that shows
// all 30,240 picks; a 10 MB paste into a box of each page.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/control_table.h"
#include "app/window/main_window.h"
#include "app/window/qt_port.h"
#include "app/window/window_main.h"

namespace tesvik {
namespace {

struct Shown {
  QtPort port;
  MainWindow window{port};
  Shown() {
    port.attach(&window);
    // At the size of its largest page, so that every page lies on screen.
    window.resize(window.sizeHint());
    window.show();
    QApplication::processEvents();
  }
  void click(Ctl array, int index) {
    qobject_cast<QPushButton*>(window.bindings().widget({array, index}))->click();
  }
};

void BM_WindowBuildAndShow(benchmark::State& state) {
  for (auto _ : state) {
    Shown s;
    benchmark::DoNotOptimize(&s);
  }
}
BENCHMARK(BM_WindowBuildAndShow)->Unit(benchmark::kMillisecond);

void BM_WindowStartUp(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto s = std::make_unique<Shown>();
    s->window.app().create();
    state.ResumeTiming();
    s->window.app().timer_tick(TimerId::Load);
    s->window.sync();
    state.PauseTiming();
    s.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_WindowStartUp)->Unit(benchmark::kMillisecond);

void BM_WindowClickRepaint(benchmark::State& state) {
  Shown s;
  s.window.app().start_without_window();
  s.click(Ctl::C_ding, 0);
  auto* button = s.window.bindings().widget({Ctl::C_annv, 49});
  for (auto _ : state) {
    s.click(Ctl::C_annv, 49);
    button->repaint();
  }
}
BENCHMARK(BM_WindowClickRepaint)->Unit(benchmark::kMicrosecond);

// A click must not cost more because the result lists are long: with every
// pick of front three, four and five listed, a kill button click is timed
// with its sync but without the repaint.
void BM_WindowClickWithFilledLists(benchmark::State& state) {
  Shown s;
  s.window.app().start_without_window();
  for (int page = 0; page < 3; ++page) {
    s.click(Ctl::C_ding, page);
    s.click(Ctl::C_jg_gn, 5 * page);
  }
  s.click(Ctl::C_ding, 0);
  for (auto _ : state) s.click(Ctl::C_annv, 49);
}
BENCHMARK(BM_WindowClickWithFilledLists)->Unit(benchmark::kMicrosecond);

void BM_WindowFrontFiveRun(benchmark::State& state) {
  Shown s;
  s.window.app().start_without_window();
  s.click(Ctl::C_ding, 2);
  for (auto _ : state) {
    s.click(Ctl::C_jg_gn, 10);
    s.window.page_widget(2)->repaint();
  }
}
BENCHMARK(BM_WindowFrontFiveRun)->Unit(benchmark::kMillisecond);

// 10 MB of pick lines pasted into the first condition box shown on a page
// (argument: the page), the page repainted, then the page's run.
void BM_WindowPasteTenMegabytesAndRun(benchmark::State& state) {
  const int page = static_cast<int>(state.range(0));
  Shown s;
  s.window.app().start_without_window();
  s.click(Ctl::C_ding, page);
  const Ctl array = page == 3 ? Ctl::T_q6 : Ctl::T_nei_txt_ip;
  QPlainTextEdit* box = nullptr;
  for (int i = 0; !box && control_exists({array, i}); ++i) {
    auto* candidate = qobject_cast<QPlainTextEdit*>(s.window.bindings().widget({array, i}));
    if (candidate && candidate->isVisible()) box = candidate;
  }
  if (!box) {
    state.SkipWithError("the page shows no condition box");
    return;
  }
  QString text;
  while (text.size() < 10'000'000) text += "01 02 03 04 05 06\n";
  const ControlRef run = page == 3 ? ControlRef{Ctl::C_q6_gn, 0} : ControlRef{Ctl::C_jg_gn, 5 * page};
  for (auto _ : state) {
    box->selectAll();
    box->insertPlainText(text);  // as Ctrl+V does
    s.window.page_widget(page)->repaint();
    s.click(run.array, run.index);
    state.PauseTiming();
    box->clear();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_WindowPasteTenMegabytesAndRun)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tesvik

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qt(argc, argv);
  tesvik::prepare_application(qt);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
