// Zorvane: the splash first, then the menus and the matches.
#include <QApplication>
#include <random>

#include "app/game_behaviours.h"
#include "ui/qt/qt_platform.h"
#include "ui/runtime.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  zorvane::ui::qt::QtPlatform platform;
  zorvane::ui::Runtime runtime(platform, zorvane::app::gameBehaviours(std::random_device{}()));
  platform.attach(runtime);
  runtime.start();
  return runtime.running() ? QApplication::exec() : 0;
}
