// The window's own costs on the offscreen platform: building and showing
// it, the start-up sequence, a click with its repaint (also with the three
// result lists filled, 36,000 rows in all), a front-five run that shows
// all 30,240 picks and a repaint of its whole page, on the front-six page its share of building the
// window, a drag of the viewer's thumb with the viewer's repaint and the
// resident memory after a run that keeps all 151,200 picks, a 10 MB paste
// into a box of each page and through the front-six paste button, and a
// key typed into a box of 10 MB; the worst-case front-six run with its
// first screen of the list, a repaint of the whole page, the resident
// memory the run leaves, and the
// paste button with all 151,200 picks.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <chrono>
#include <fstream>
#include <string>

#include "../front6_fill.h"
#include "app/control_table.h"
#include "app/front_six/front6_page_table.h"
#include "app/window/condition_box_widget.h"
#include "app/window/main_window.h"
#include "app/window/page_view.h"
#include "app/window/qt_port.h"
#include "app/window/qt_text_measure.h"
#include "app/window/scroll_bar_widget.h"
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
  void click(Ctl array, int index) { qobject_cast<QPushButton*>(window.bindings().widget({array, index}))->click(); }
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

// A click on "开始缩水" of front five to the count and the list's first
// screen painted: the window paints what the click changed, as after any
// event.
void BM_WindowFrontFiveRun(benchmark::State& state) {
  Shown s;
  s.window.app().start_without_window();
  s.click(Ctl::C_ding, 2);
  for (auto _ : state) {
    s.click(Ctl::C_jg_gn, 10);
    QApplication::processEvents();
  }
}
BENCHMARK(BM_WindowFrontFiveRun)->Unit(benchmark::kMillisecond);

// The whole front-five page painted again, as when the window is uncovered:
// what every run cost when each run painted the whole page.
void BM_WindowFrontFivePageRepaint(benchmark::State& state) {
  Shown s;
  s.window.app().start_without_window();
  s.click(Ctl::C_ding, 2);
  s.click(Ctl::C_jg_gn, 10);
  for (auto _ : state) s.window.page_widget(2)->repaint();
}
BENCHMARK(BM_WindowFrontFivePageRepaint)->Unit(benchmark::kMillisecond);

void BM_WindowFrontSixPageBuild(benchmark::State& state) {
  QtPort port;
  App app{port};
  Bindings bindings{app, [] {}};
  for (auto _ : state) {
    QWidget parent;
    const QtTextMeasure measure(parent.font());
    PageView page(
        page_geometry(3, measure), measure, bindings, [](int, QObject*, std::function<void()>) {}, &parent);
    benchmark::DoNotOptimize(&page);
  }
}
BENCHMARK(BM_WindowFrontSixPageBuild)->Unit(benchmark::kMillisecond);

// A window whose front-six page shows the result of a run that keeps every pick.
struct FrontSixShown : Shown {
  FrontSixShown() {
    window.app().start_without_window();
    click(Ctl::C_ding, 3);
    click(Ctl::C_q6_gn, kQ6Run);
    window.advance(ResultViewer::kFirstDrawMs);
    QApplication::processEvents();
  }
  QWidget* viewer_part(const char* name) {
    return window.bindings().widget({Ctl::ucf_q6show, 0})->findChild<QWidget*>(name);
  }
};

// The thumb dragged between the last two positions, where a redraw walks
// the whole removal table: the move, the App's redraw, the window's sync
// and the viewer's repaint.
void BM_WindowFrontSixDragRedraw(benchmark::State& state) {
  FrontSixShown s;
  auto* bar = static_cast<ScrollBarWidget*>(s.viewer_part("tScroll1"));
  QWidget* area = s.viewer_part("Pic");
  const QPoint grab = bar->thumb_rect().center();
  QMouseEvent press(QEvent::MouseButtonPress, grab, bar->mapToGlobal(grab), Qt::LeftButton, Qt::LeftButton, {});
  QApplication::sendEvent(bar, &press);
  const int bottom = bar->height();
  int k = 0;
  for (auto _ : state) {
    const QPoint at(grab.x(), bottom - (k++ % 2) * 2);
    QMouseEvent move(QEvent::MouseMove, at, bar->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(bar, &move);
    area->repaint();
  }
  if (s.window.app().viewer().value() < 151200 - 20) state.SkipWithError("the thumb did not reach the end");
}
BENCHMARK(BM_WindowFrontSixDragRedraw)->Unit(benchmark::kMicrosecond);

// The process's resident memory in MB as /proc/self/status gives it under
// `key` ("VmRSS:" now, "VmHWM:" at its peak).
double resident_mb(const std::string& key) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind(key, 0) == 0) return std::stod(line.substr(key.size())) / 1024.0;
  return 0;
}

// Resident memory of the whole process once the window shows a front-six
// run that keeps all picks (run this benchmark alone for a clean figure).
void BM_WindowFrontSixRunResident(benchmark::State& state) {
  for (auto _ : state) {
    FrontSixShown s;
    s.window.page_widget(3)->repaint();
    state.counters["rss_mb"] = resident_mb("VmRSS:");
  }
}
BENCHMARK(BM_WindowFrontSixRunResident)->Unit(benchmark::kMillisecond)->Iterations(1);

// 10 MB of pick lines on the clipboard.
QString ten_megabytes_of_picks() {
  QString text;
  while (text.size() < 10'000'000) text += "01 02 03 04 05 06\n";
  return text;
}

// Times `paste` with the page's repaint, then the page's run; the counters
// give the two apart and the process's peak resident memory (run one
// benchmark alone for a clean figure).
template <typename Paste, typename Clear>
void paste_and_run(benchmark::State& state, Shown& s, int page, Paste paste, Clear clear) {
  QGuiApplication::clipboard()->setText(ten_megabytes_of_picks());
  const ControlRef run = page == 3 ? ControlRef{Ctl::C_q6_gn, kQ6Run} : ControlRef{Ctl::C_jg_gn, 5 * page};
  using Clock = std::chrono::steady_clock;
  const auto ms = [](Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); };
  for (auto _ : state) {
    const auto start = Clock::now();
    paste();
    s.window.page_widget(page)->repaint();
    const auto pasted = Clock::now();
    state.counters["paste_peak_mb"] = resident_mb("VmHWM:");
    s.click(run.array, run.index);
    state.counters["paste_ms"] = ms(pasted - start);
    state.counters["run_ms"] = ms(Clock::now() - pasted);
    state.counters["peak_mb"] = resident_mb("VmHWM:");
    state.PauseTiming();
    clear();
    state.ResumeTiming();
  }
}

// Ctrl+V over the whole of the first condition box shown on a page that
// takes typing (argument: the page).
void BM_WindowPasteTenMegabytesAndRun(benchmark::State& state) {
  const int page = static_cast<int>(state.range(0));
  Shown s;
  s.window.app().start_without_window();
  s.click(Ctl::C_ding, page);
  const Ctl array = page == 3 ? Ctl::T_q6 : Ctl::T_nei_txt_ip;
  ConditionBoxWidget* box = nullptr;
  int index = 0;
  for (int i = 0; !box && control_exists({array, i}); ++i) {
    auto* candidate = qobject_cast<ConditionBoxWidget*>(s.window.bindings().widget({array, i}));
    if (candidate && candidate->isVisible() && !candidate->read_only()) {
      box = candidate;
      index = i;
    }
  }
  if (!box) {
    state.SkipWithError("the page shows no condition box");
    return;
  }
  paste_and_run(
      state, s, page,
      [box] {
        box->select_all();
        box->paste();
      },
      // A double click empties the box and its undo history.
      [&s, array, index] { s.window.bindings().forward([&](App& app) {
                             app.double_click({array, index});
                           }); });
}
BENCHMARK(BM_WindowPasteTenMegabytesAndRun)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// The front-six page's "paste" button of the kill box, which reads the
// clipboard into the box.
void BM_WindowPasteButtonTenMegabytesAndRun(benchmark::State& state) {
  Shown s;
  s.window.app().start_without_window();
  s.click(Ctl::C_ding, 3);
  paste_and_run(
      state, s, 3, [&s] { s.click(Ctl::C_q6_gn, kQ6PasteKill); },
      [&s] {
        s.window.bindings().forward([](App& app) { app.double_click({Ctl::T_q6, q6_paste_box(kQ6PasteKill).box}); });
      });
}
BENCHMARK(BM_WindowPasteButtonTenMegabytesAndRun)->Unit(benchmark::kMillisecond);

// A key typed into a condition box of the front-three page with the
// window's sync; each iteration types "1" and takes it back with Backspace.
// Argument: 0 types at the end of a box of 10 MB of lines, 1 in its 101st
// line, 2 in an empty box.
void BM_WindowTypingInTenMegabyteBox(benchmark::State& state) {
  Shown s;
  s.window.app().start_without_window();
  auto* box = qobject_cast<ConditionBoxWidget*>(s.window.bindings().widget({Ctl::T_nei_txt_ip, 0}));
  if (state.range(0) != 2) {
    QGuiApplication::clipboard()->setText(ten_megabytes_of_picks());
    box->paste();
  }
  box->setFocus();
  const auto key = [box](int code, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, code, modifiers, text);
    QApplication::sendEvent(box, &press);
  };
  key(state.range(0) == 1 ? Qt::Key_Home : Qt::Key_End, {}, Qt::ControlModifier);
  if (state.range(0) == 1)
    for (int i = 0; i < 100; ++i) key(Qt::Key_Down, {});
  for (auto _ : state) {
    key(Qt::Key_1, "1");
    key(Qt::Key_Backspace, {});
  }
  const std::string* text = s.window.app().text_of({Ctl::T_nei_txt_ip, 0});
  if (!text || *text != box->text()) state.SkipWithError("the App's text is not the box's");
}
BENCHMARK(BM_WindowTypingInTenMegabyteBox)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// The front-six page filled as in the engine's worst case, its two lists
// pasted through the paste buttons.
struct WorstFrontSixShown : Shown {
  WorstFrontSixShown() {
    window.app().start_without_window();
    click(Ctl::C_ding, 3);
    App& app = window.app();
    bench::worst_front_six_with(app, [&](int gn, const std::string& text) {
      QGuiApplication::clipboard()->setText(QString::fromStdString(text));
      click(Ctl::C_q6_gn, gn);
    });
    window.bindings().forward([](App&) {});  // the window shows the filled boxes
    QApplication::processEvents();
  }
  // The click on "开始缩水" to the count and the first screen of the list
  // painted, with what else the click changed.
  void run() {
    click(Ctl::C_q6_gn, kQ6Run);
    window.advance(ResultViewer::kFirstDrawMs);
    QApplication::processEvents();
  }
};

void BM_WindowWorstFrontSixRun(benchmark::State& state) {
  WorstFrontSixShown s;
  for (auto _ : state) s.run();
  state.SetLabel(s.window.app().front6().state().count.label.caption + " kept");
}
BENCHMARK(BM_WindowWorstFrontSixRun)->Unit(benchmark::kMillisecond);

void BM_WindowFrontSixPageRepaint(benchmark::State& state) {
  WorstFrontSixShown s;
  s.run();
  for (auto _ : state) s.window.page_widget(3)->repaint();
}
BENCHMARK(BM_WindowFrontSixPageRepaint)->Unit(benchmark::kMillisecond);

// Resident memory once the window shows the worst-case run, and its peak
// (run this benchmark alone for a clean figure).
void BM_WindowWorstFrontSixResident(benchmark::State& state) {
  for (auto _ : state) {
    WorstFrontSixShown s;
    s.run();
    state.counters["rss_mb"] = resident_mb("VmRSS:");
    state.counters["peak_mb"] = resident_mb("VmHWM:");
  }
}
BENCHMARK(BM_WindowWorstFrontSixResident)->Unit(benchmark::kMillisecond)->Iterations(1);

// The paste button of the kill box with every front-six pick on the
// clipboard (151,200 lines), to the page drawn again.
void BM_WindowPasteButtonAllPicks(benchmark::State& state) {
  Shown s;
  s.window.app().start_without_window();
  s.click(Ctl::C_ding, 3);
  QGuiApplication::clipboard()->setText(QString::fromStdString(bench::pick_list_6x()));
  for (auto _ : state) {
    s.click(Ctl::C_q6_gn, kQ6PasteKill);
    s.window.page_widget(3)->repaint();
    state.PauseTiming();
    s.window.bindings().forward([](App& app) { app.double_click({Ctl::T_q6, q6_paste_box(kQ6PasteKill).box}); });
    state.ResumeTiming();
  }
}
BENCHMARK(BM_WindowPasteButtonAllPicks)->Unit(benchmark::kMillisecond);

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
