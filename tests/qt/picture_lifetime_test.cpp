// Decoded pictures live as long as a loaded screen shows them: decoded on
// the first paint, from the one source the device pixel ratio calls for,
// shared between screens, and released when the last screen that shows
// them is unloaded. Runs at 1 in qt_tests and above 1 in qt_scaled_tests.
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "tests/qt/qt_fixture.h"
#include "ui/qt/picture_store.h"
#include "ui/qt/pictures.h"

namespace zorvane::ui::qt {
namespace {

class PictureLifetime : public QtFixture {
 protected:
  // Paints the window now and lets the windows of unloaded screens go.
  void paint(ScreenId id) {
    exposed(id);
    window(id)->grab();
  }
  static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
  static bool decoded(const std::string& key) {
    const std::vector<std::string> d = decodedPictures();
    return std::any_of(d.begin(), d.end(), [&](const std::string& s) { return s.starts_with(key + "@"); });
  }
  static std::string ownSuffix() { return qApp->devicePixelRatio() > 1 ? "@2x" : "@1x"; }
  // How many of the store's pages are in the process's memory now; -1 where
  // the system does not tell.
  static int residentStorePages() {
    QFile pagemap(QStringLiteral("/proc/self/pagemap"));
    if (!pagemap.open(QIODevice::ReadOnly)) return -1;
    const std::span<const unsigned char> store = pictureStoreBytes();
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto first = reinterpret_cast<std::uintptr_t>(store.data()) / page;
    const auto last = (reinterpret_cast<std::uintptr_t>(store.data()) + store.size() - 1) / page;
    int resident = 0;
    for (std::uintptr_t n = first; n <= last; ++n) {
      std::uint64_t entry = 0;
      if (!pagemap.seek(static_cast<qint64>(n * sizeof entry)) ||
          pagemap.read(reinterpret_cast<char*>(&entry), sizeof entry) != sizeof entry)
        return -1;
      resident += static_cast<int>(entry >> 63);
    }
    return resident;
  }
};

// The stored files are read to decode and to make the window's icon; after
// that none of the store's pages stay with the process.
TEST_F(PictureLifetime, DecodingLeavesNoneOfTheStoreInMemory) {
  start(ScreenId::Welcome);
  paint(ScreenId::Welcome);
  ASSERT_TRUE(decoded("back_menu"));
  ASSERT_GT(pictureStoreBytes().size(), 100'000u);
  const int resident = residentStorePages();
  if (resident < 0) GTEST_SKIP() << "no /proc/self/pagemap here";
  EXPECT_EQ(resident, 0);
  // Reading a picture's file brings pages back; they are the system's to drop.
  QFile stored(QStringLiteral(":/assets/back_menu.bmp"));
  ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
  ASSERT_FALSE(stored.readAll().isEmpty());
  EXPECT_GT(residentStorePages(), 0) << "the probe must see pages that are there";
}

TEST_F(PictureLifetime, AShownScreenDecodesOnlyTheSourceOfTheRatio) {
  start(ScreenId::Welcome);
  paint(ScreenId::Welcome);
  const std::vector<std::string> d = decodedPictures();
  EXPECT_TRUE(decoded("back_menu") && decoded("title_banner") && decoded("emblem_strip"));
  for (const std::string& s : d) EXPECT_TRUE(s.ends_with(ownSuffix())) << s;
}

TEST_F(PictureLifetime, UnloadReleasesWhatNoLoadedScreenShows) {
  start(ScreenId::Welcome);
  paint(ScreenId::Welcome);
  rt_->show(ScreenId::game);  // its side one stands on the board in the menu's ladybird
  paint(ScreenId::game);
  ASSERT_TRUE(decoded("back_menu") && decoded("back_vs_computer") && decoded("piece_ladybird"));

  rt_->unload(ScreenId::Welcome);
  settle();
  EXPECT_FALSE(decoded("back_menu"));
  EXPECT_FALSE(decoded("title_banner"));
  EXPECT_FALSE(decoded("menu_piece2"));
  EXPECT_TRUE(decoded("piece_ladybird")) << "the match screen still shows it";
  EXPECT_TRUE(decoded("back_vs_computer"));

  rt_->unload(ScreenId::game);
  settle();
  EXPECT_EQ(decodedPictures(), std::vector<std::string>{});
}

TEST_F(PictureLifetime, PicturesOutOfSightOrOnHiddenScreensStayUndecoded) {
  start(ScreenId::game1);
  rt_->load(ScreenId::game);  // loaded and hidden, as the match screen not chosen stays
  paint(ScreenId::game1);
  EXPECT_TRUE(decoded("back_two_player"));
  EXPECT_FALSE(decoded("partner_logo_small")) << "the extension area is out of sight";
  EXPECT_FALSE(decoded("back_vs_computer")) << "a hidden screen paints nothing";

  rt_->setWindowHeight(ScreenId::game1, 6465);
  paint(ScreenId::game1);
  EXPECT_TRUE(decoded("partner_logo_small"));
}

// A screen loaded again decodes anew: nothing of the last time is kept.
TEST_F(PictureLifetime, LoadAndUnloadCyclesKeepNothingDecoded) {
  start(ScreenId::logo);
  for (int cycle = 0; cycle < 3; ++cycle) {
    for (ScreenId id : {ScreenId::player, ScreenId::winner}) {
      rt_->show(id);
      paint(id);
      rt_->unload(id);
    }
    settle();
    for (const std::string& s : decodedPictures()) {
      EXPECT_TRUE(s.starts_with("maker_logo@") || s.starts_with("partner_logo@"))
          << s << " outlived its screen";
    }
  }
}

}  // namespace
}  // namespace zorvane::ui::qt
