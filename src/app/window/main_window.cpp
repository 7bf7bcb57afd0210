#include "app/window/main_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/pages/page_tables.h"
#include "app/window/help_picture.h"
#include "app/window/page_tools_strip.h"
#include "app/window/page_view.h"
#include "app/window/qt_text_measure.h"

namespace tesvik {

namespace {
constexpr int kProgressWidth = 360;
constexpr int kProgressHeight = 22;
// Room left for the frame that a window manager draws around the window
// (title bar and borders), which is unknown until the window is shown.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 48;

// A scroll area over the stack of pages whose preferred size is that of the
// largest page, so that the window opens without scroll bars where the
// screen is large enough (Qt bounds a scroll area's preferred size to a few
// dozen text lines).
class PageScroll : public QScrollArea {
 public:
  using QScrollArea::QScrollArea;
  QSize sizeHint() const override {
    const auto* stack = qobject_cast<const QStackedWidget*>(widget());
    if (!stack) return QScrollArea::sizeHint();
    QSize largest;
    for (int i = 0; i < stack->count(); ++i) largest = largest.expandedTo(stack->widget(i)->sizeHint());
    const int f = 2 * frameWidth();
    return largest + QSize(f, f);
  }
};

}  // namespace

MainWindow::MainWindow(UserPort& port) : app_(port), bindings_(app_, [this] { sync(); }) {
  setObjectName("Fmain");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);
  layout->addWidget(top_bar());
  pages_ = new QStackedWidget(this);
  const QtTextMeasure measure(pages_->font());
  const ScrollBarWidget::Schedule schedule = [this](int ms, QObject* context, std::function<void()> fire) {
    after(ms, context, std::move(fire));
  };
  for (int page = 0; page < 4; ++page) {
    page_views_[static_cast<std::size_t>(page)] =
        new PageView(page_geometry(page, measure), measure, bindings_, schedule, pages_);
    pages_->addWidget(page_views_[static_cast<std::size_t>(page)]);
  }
  scroll_ = new PageScroll(this);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setWidgetResizable(true);
  scroll_->setWidget(pages_);
  layout->addWidget(scroll_, 1);
  show_page(app_.frame().page);
  layout->addWidget(new PageToolsStrip(
      app_, port, [this] { sync(); }, this));
  layout->addWidget(bottom_bar());
  build_overlays();
  picture_ = new HelpPicturePanel(bindings_, port, this);
  clock_timer_.setSingleShot(true);
  connect(&clock_timer_, &QTimer::timeout, this, [this] { tick(); });
}

QWidget* MainWindow::top_bar() {
  auto* bar = new QWidget(this);
  auto* l = new QHBoxLayout(bar);
  l->setContentsMargins(0, 0, 0, 0);
  l->setSpacing(2);
  for (int i = 0; i < 4; ++i) {
    QPushButton* b = bindings_.button({Ctl::C_ding, i}, bar);
    b->setFixedSize(84, 26);
    l->addWidget(b);
  }
  l->addStretch();
  for (int i : {1, 2, 3, 4, 5, 6, 8}) {
    QPushButton* b = bindings_.link_button({Ctl::C_ding_an, i}, bar);
    b->setFixedHeight(26);
    // On a narrow screen the link buttons give up width rather than push
    // the window past the screen, their captions cut with "…"; elsewhere
    // they show their whole caption.
    b->setMinimumWidth(24);
    l->addWidget(b);
  }
  return bar;
}

QWidget* MainWindow::bottom_bar() {
  auto* bar = new QWidget(this);
  auto* l = new QHBoxLayout(bar);
  l->setContentsMargins(0, 0, 0, 0);
  l->addWidget(bindings_.focus_sink(bar));
  l->addWidget(bindings_.advert(1, bar));
  // The news line from the notice server takes the room between the adverts
  // and never widens the window.
  news_ = new QLabel(bar);
  news_->setObjectName("news");
  news_->setTextFormat(Qt::PlainText);
  news_->setAlignment(Qt::AlignCenter);
  news_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  l->addWidget(news_, 1);
  l->addWidget(bindings_.advert(2, bar));
  return bar;
}

void MainWindow::build_overlays() {
  overlay_ = new QFrame(this);
  overlay_->setObjectName("Pic_csh");
  overlay_->setAutoFillBackground(true);
  auto* ol = new QVBoxLayout(overlay_);
  for (const char* text : {"[系统正在初始化]", "稍等..."}) {
    auto* label = new QLabel(text, overlay_);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet("color: red; font-size: 20pt;");
    ol->addWidget(label);
  }
  overlay_->hide();

  progress_ = new QFrame(this);
  progress_->setObjectName("Picture1_100");
  progress_->setFrameShape(QFrame::Box);
  progress_->setFixedSize(kProgressWidth, kProgressHeight);
  bar_ = new QFrame(progress_);
  bar_->setObjectName("Picture1_101");
  bar_->setAutoFillBackground(true);
  QPalette p = bar_->palette();
  p.setColor(QPalette::Window, QColor(0, 120, 215));
  bar_->setPalette(p);
  progress_->hide();
}

void MainWindow::place_overlays() {
  const QRect area = scroll_->geometry();
  overlay_->setGeometry(area);
  progress_->move(area.center() - QPoint(kProgressWidth / 2, kProgressHeight / 2));
  // The picture panel covers the page area.
  picture_->setGeometry(area);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  place_overlays();
}

QWidget* MainWindow::page_widget(int page) const { return pages_->widget(page); }

// The shown page alone sets the area that the pages scroll over, so a short
// page does not scroll as far as the longest one.
void MainWindow::show_page(int page) {
  pages_->setCurrentIndex(page);
  for (int i = 0; i < pages_->count(); ++i) {
    const auto policy = i == page ? QSizePolicy::Preferred : QSizePolicy::Ignored;
    pages_->widget(i)->setSizePolicy(policy, policy);
  }
}

void MainWindow::show_fitted() {
  const QScreen* where = screen();
  const QRect area = where ? where->availableGeometry() : QRect(0, 0, 1366, 768);
  const QSize room = area.size() - QSize(kFrameWidth, kFrameHeight);
  const QSize want = sizeHint();
  // The normal geometry fits in any case, for a window manager that does not maximise.
  resize(want.boundedTo(room));
  move(area.topLeft() + QPoint(std::max(0, room.width() - width()) / 2, std::max(0, room.height() - height()) / 2));
  if (want.width() <= room.width() && want.height() <= room.height()) show();
  else showMaximized();
}

void MainWindow::bring_to_front() {
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
}

void MainWindow::start() {
  app_.create();
  clock_.start();
  alarms_.clear();
  sync();
}

std::int64_t MainWindow::now() { return clock_.isValid() ? clock_.elapsed() : app_.timers().now(); }

void MainWindow::after(std::int64_t ms, QObject* context, std::function<void()> fire) {
  if (clock_.isValid()) QTimer::singleShot(static_cast<int>(ms), context, std::move(fire));
  else alarms_.push_back({now() + ms, context, std::move(fire)});
}

void MainWindow::advance(std::int64_t ms) {
  if (clock_.isValid()) return;
  const std::int64_t end = app_.timers().now() + std::max<std::int64_t>(0, ms);
  // Alarms fire at their own time, between the App's timers.
  for (;;) {
    const auto next =
        std::min_element(alarms_.begin(), alarms_.end(), [](const Alarm& a, const Alarm& b) { return a.due < b.due; });
    if (next == alarms_.end() || next->due > end) break;
    const Alarm alarm = *next;
    alarms_.erase(next);
    app_.advance_time(std::max<std::int64_t>(0, alarm.due - app_.timers().now()));
    sync();
    if (alarm.context) alarm.fire();
  }
  app_.advance_time(std::max<std::int64_t>(0, end - app_.timers().now()));
  sync();
}

void MainWindow::tick() {
  app_.advance_time(clock_.elapsed() - app_.timers().now());
  sync();
}

void MainWindow::sync() {
  if (in_sync_) return;
  in_sync_ = true;
  const FrameState& f = app_.frame();
  bindings_.sync();
  if (pages_->currentIndex() != f.page) show_page(f.page);
  // Front three and four have sub-panels, each page its own switch.
  page_views_[0]->show_sub_panel(app_.panel().q3_sub_panel);
  page_views_[1]->show_sub_panel(app_.panel().q4_sub_panel);
  if (windowTitle() != QString::fromStdString(f.caption)) setWindowTitle(QString::fromStdString(f.caption));
  if (news_->text() != QString::fromStdString(f.news)) news_->setText(QString::fromStdString(f.news));
  overlay_->setVisible(f.overlay);
  if (f.overlay) overlay_->raise();
  // The bar covers the container in proportion to the percentage shown.
  bar_->setGeometry(0, 0, kProgressWidth * std::clamp(f.progress_percent, 0, 100) / 100, kProgressHeight);
  progress_->setVisible(f.progress_visible);
  if (f.progress_visible) progress_->raise();
  // Each opening of the picture panel reads the picture anew.
  if (app_.panel().picture_panel && picture_->isHidden()) {
    picture_->show();
    picture_->load();
  }
  picture_->setVisible(app_.panel().picture_panel);
  if (app_.panel().picture_panel) picture_->raise();
  const std::int64_t due = app_.timers().next_due();
  if (due < 0 || !clock_.isValid()) clock_timer_.stop();
  else clock_timer_.start(static_cast<int>(std::max<std::int64_t>(0, due - clock_.elapsed())));
  in_sync_ = false;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!app_.ended()) app_.close_request();
  sync();
  if (app_.ended()) event->accept();
  else event->ignore();
}

}  // namespace tesvik
