// Zorvane: the splash first, then the menus and the matches.
#include <QApplication>
#include <QPixmapCache>
#include <random>

#include "app/accessible_names.h"
#include "app/game_behaviours.h"
#include "ui/qt/display_start.h"
#include "ui/qt/qt_platform.h"
#include "ui/runtime.h"

int main(int argc, char* argv[]) {
  // No display: one line that says so and why, and status 1, instead of Qt's abort.
  zorvane::ui::qt::DisplayStartGuard displayStart;
  QApplication app(argc, argv);
  displayStart.release();
  // The pictures are decoded once and shared already; Qt's own pixmap cache
  // would only wake an idle game to flush itself half a minute after a paint.
  QPixmapCache::setCacheLimit(0);
  zorvane::ui::qt::QtPlatform platform;
  platform.setAccessibleNames(zorvane::app::accessibleNames());
  zorvane::ui::Runtime runtime(platform, zorvane::app::gameBehaviours(std::random_device{}()));
  platform.attach(runtime);
  runtime.start();
  return runtime.running() ? QApplication::exec() : 0;
}
