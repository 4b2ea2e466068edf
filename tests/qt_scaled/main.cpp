// The picture tests again at a device pixel ratio above 1: 2 unless
// QT_SCALE_FACTOR says otherwise (the suite also runs at 1.5 and 3, and on
// two offscreen screens of their own ratios, which QT_QPA_PLATFORM names).
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/qt/picture_store.h"

int main(int argc, char** argv) {
  if (!qgetenv("QT_QPA_PLATFORM").startsWith("offscreen")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qgetenv("QT_SCALE_FACTOR").isEmpty()) qputenv("QT_SCALE_FACTOR", "2");
  QApplication app(argc, argv);
  // The tests read the built-in pictures' files directly too.
  zorvane::ui::qt::openPictureStore();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
