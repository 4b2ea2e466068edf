// A fixed-size window refuses to grow: full screen and maximise, asked for
// however, leave it normal and at its size. (The same under a real window
// manager is checked end to end by tests/e2e/window_manager_e2e.py.)
#include "ui/qt/fixed_size.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <memory>

namespace zorvane::ui::qt {
namespace {

TEST(KeepFixedSize, FullScreenAndMaximiseAreUndone) {
  const struct {
    const char* what;
    Qt::WindowStates state;
  } cases[] = {
      {"full screen", Qt::WindowFullScreen},
      {"maximised", Qt::WindowMaximized},
      {"both", Qt::WindowFullScreen | Qt::WindowMaximized},
  };
  for (const auto& c : cases) {
    auto window = std::make_unique<QWidget>();
    window->setFixedSize(337, 285);
    new KeepFixedSize(*window);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->setWindowState(c.state);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->windowState() & (Qt::WindowFullScreen | Qt::WindowMaximized), Qt::WindowNoState)
        << c.what;
    EXPECT_EQ(window->size(), QSize(337, 285)) << c.what;
  }
}

TEST(KeepFixedSize, AWindowWithoutItGrowsFullScreen) {
  // The control case: the offscreen platform does enlarge a window that nobody keeps.
  QWidget window;
  window.setFixedSize(337, 285);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  window.setWindowState(Qt::WindowFullScreen);
  QCoreApplication::processEvents();
  EXPECT_TRUE(window.windowState() & Qt::WindowFullScreen);
}

}  // namespace
}  // namespace zorvane::ui::qt
