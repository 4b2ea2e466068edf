// A runtime on the real Qt adapter, in the offscreen platform.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <memory>

#include "ui/qt/look.h"
#include "ui/qt/qt_platform.h"
#include "ui/runtime.h"

namespace zorvane::ui::qt {

class QtFixture : public ::testing::Test {
 protected:
  ScreenBehaviour& on(ScreenId id) { return behaviours_[indexOf(id)]; }

  // Starts the program on `first` once the handlers are in place.
  void start(ScreenId first) {
    platform_ = std::make_unique<QtPlatform>();
    platform_->setOnQuit([this] { quit_ = true; });
    rt_ = std::make_unique<Runtime>(*platform_, behaviours_);
    platform_->attach(*rt_);
    rt_->start(first);
    exposed(first);
  }

  ScreenWindow* window(ScreenId id) const { return platform_->window(id); }

  void exposed(ScreenId id) const {
    ScreenWindow* w = window(id);
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
  }

  // A click routed by Qt to whatever widget lies at the window point, as a mouse's would be.
  void clickAt(ScreenId id, QPoint p) const {
    QTest::mouseClick(window(id)->windowHandle(), Qt::LeftButton, Qt::NoModifier, p);
  }
  // The window point at the middle of a control's rectangle.
  static QPoint centreOf(int left, int top, int width, int height) {
    return pxRect(left, top, width, height).center();
  }

  void TearDown() override {
    rt_.reset();
    platform_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  Behaviours behaviours_;
  std::unique_ptr<QtPlatform> platform_;
  std::unique_ptr<Runtime> rt_;
  bool quit_ = false;
  std::vector<std::string> log_;
};

}  // namespace zorvane::ui::qt
