// The Qt tests run inside one application on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/qt/picture_store.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  qputenv("QT_SCALE_FACTOR", "1");
  QApplication app(argc, argv);
  // The tests read the built-in pictures' files directly too.
  zorvane::ui::qt::openPictureStore();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
