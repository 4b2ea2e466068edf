// The cost of one event on the two-player screen: the real program on the
// real Qt adapter (offscreen platform) is brought to `game1` the way a player
// gets there, then plays game after game of moves that never close a line.
// Each event is timed from its delivery until its repaint has been painted.
//
//   event_bench [ROUNDS]
//
// Prints one line per kind of event:
//   NAME COUNT WALL_MEDIAN_US WALL_P99_US CPU_MEDIAN_US CPU_P99_US PAINTS_PER_EVENT
#include <time.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "app/game_behaviours.h"
#include "ui/qt/qt_platform.h"
#include "ui/runtime.h"

namespace {

using zorvane::ui::Runtime;
using zorvane::ui::ScreenId;
using zorvane::ui::qt::QtPlatform;

void pump(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

// Counts the paint events of a window and its children.
class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
};

void watch(QWidget* w, PaintCounter& counter) {
  w->installEventFilter(&counter);
  for (QWidget* child : w->findChildren<QWidget*>()) child->installEventFilter(&counter);
}

// Wall-clock time, and the processor time of the whole process (every thread
// of it): the two differ by what the machine's other work took from it.
class Stopwatch {
 public:
  Stopwatch() : cpu_(cpuNs()) { wall_.start(); }
  double wallUs() const { return static_cast<double>(wall_.nsecsElapsed()) / 1000.0; }
  double cpuUs() const { return static_cast<double>(cpuNs() - cpu_) / 1000.0; }

 private:
  static long long cpuNs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
  }
  QElapsedTimer wall_;
  long long cpu_;
};

struct Samples {
  std::vector<double> us;
  std::vector<double> cpuUs;
  long paints = 0;
};

// One step of a player: a hover over a cell's point, or a click on a control.
struct Step {
  enum Kind { Hover, PieceClick, CellClick } kind;
  const char* control;
};

// Six placements, then side one moves 1→5, side two 2→3, side one 5→1 and
// side two 3→2: the board comes back to where the moves began, with no line.
// Between moves the pointer crosses the board's background, which hides the markers.
const std::vector<Step> kPlacements = {{Step::CellClick, "g1"}, {Step::CellClick, "g2"},
                                       {Step::CellClick, "g6"}, {Step::CellClick, "g4"},
                                       {Step::CellClick, "g8"}, {Step::CellClick, "g9"}};
const std::vector<Step> kMoveCycle = {
    {Step::Hover, "Label1"}, {Step::PieceClick, "m1"}, {Step::Hover, "z5"}, {Step::CellClick, "g5"},
    {Step::Hover, "Label1"}, {Step::PieceClick, "a2"}, {Step::Hover, "z3"}, {Step::CellClick, "g3"},
    {Step::Hover, "Label1"}, {Step::PieceClick, "m5"}, {Step::Hover, "z1"}, {Step::CellClick, "g1"},
    {Step::Hover, "Label1"}, {Step::PieceClick, "a3"}, {Step::Hover, "z2"}, {Step::CellClick, "g2"},
};

bool atCycleStart(Runtime& rt) {
  for (const char* held : {"m1", "m6", "m8", "a2", "a4", "a9"}) {
    if (!rt.ctl(ScreenId::game1, held).visible()) return false;
  }
  return rt.ctl(ScreenId::game1, "full").value() == 1 && rt.ctl(ScreenId::game1, "p1").value() == 1;
}

double percentile(std::vector<double> v, double q) {
  std::sort(v.begin(), v.end());
  const auto i = static_cast<std::size_t>(q * static_cast<double>(v.size() - 1) + 0.5);
  return v[std::min(i, v.size() - 1)];
}

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 500;

  QtPlatform platform;
  platform.setOnQuit([] {});
  Runtime rt(platform, zorvane::app::gameBehaviours(1));
  platform.attach(rt);

  // The menu, "2 player" with its entry answered by OK, then "Play !".
  rt.start(ScreenId::Welcome);
  QTimer::singleShot(0, [&] { rt.click(ScreenId::player, "Command1"); });
  rt.click(ScreenId::Welcome, "vs2");
  rt.click(ScreenId::Welcome, "Command1");
  pump(100);  // the start-up tick and the first paint
  QWidget* window = platform.window(ScreenId::game1);
  if (!window || !window->isVisible() || rt.ctl(ScreenId::game1, "Timer1").enabled()) {
    std::fprintf(stderr, "event_bench: the two-player screen did not start\n");
    return 1;
  }
  PaintCounter counter;
  watch(window, counter);

  std::map<Step::Kind, Samples> samples;
  auto play = [&](const Step& step, bool timed) {
    const int paintsBefore = counter.paints;
    const Stopwatch clock;
    if (step.kind == Step::Hover) {
      rt.mouseMove(ScreenId::game1, step.control);
    } else {
      rt.click(ScreenId::game1, step.control);
    }
    QCoreApplication::sendPostedEvents();  // the repaint the event asked for
    const double us = clock.wallUs(), cpuUs = clock.cpuUs();
    if (!timed) return;
    samples[step.kind].us.push_back(us);
    samples[step.kind].cpuUs.push_back(cpuUs);
    samples[step.kind].paints += counter.paints - paintsBefore;
  };

  for (const Step& s : kPlacements) play(s, false);
  for (const Step& s : kMoveCycle) play(s, false);  // warm-up
  if (!atCycleStart(rt)) {
    std::fprintf(stderr, "event_bench: the moves did not bring the board back\n");
    return 1;
  }
  for (int r = 0; r < rounds; ++r) {
    for (const Step& s : kMoveCycle) play(s, true);
    if (!atCycleStart(rt)) {
      std::fprintf(stderr, "event_bench: the board left its cycle in round %d\n", r);
      return 1;
    }
  }

  // A whole-window repaint: the most one event can ask for.
  Samples full;
  for (int r = 0; r < rounds; ++r) {
    const int paintsBefore = counter.paints;
    const Stopwatch clock;
    window->repaint();
    full.us.push_back(clock.wallUs());
    full.cpuUs.push_back(clock.cpuUs());
    full.paints += counter.paints - paintsBefore;
  }

  auto report = [](const char* name, const Samples& s) {
    std::printf("%s %zu %.1f %.1f %.1f %.1f %.1f\n", name, s.us.size(), percentile(s.us, 0.5),
                percentile(s.us, 0.99), percentile(s.cpuUs, 0.5), percentile(s.cpuUs, 0.99),
                static_cast<double>(s.paints) / static_cast<double>(s.us.size()));
  };
  report("cell_click", samples[Step::CellClick]);
  report("piece_click", samples[Step::PieceClick]);
  report("hover", samples[Step::Hover]);
  report("full_repaint", full);
  if (samples[Step::CellClick].paints == 0) {
    std::fprintf(stderr, "event_bench: the clicks painted nothing\n");
    return 1;
  }
  rt.end();
  return 0;
}
