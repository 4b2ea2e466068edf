// The built-in pictures: every asset key decodes from the resource with Qt's
// own image plugins, in its stored format and pixel size, and the stored
// bytes have the layout the game promises (24-bit bottom-up bitmaps, baseline
// JFIF, icons with the listed sizes and depths).

#include <gtest/gtest.h>

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct PictureCase {
  const char* key;
  const char* ext;  // "jpg" or "bmp"
  int width;
  int height;
};

const PictureCase kPictures[] = {
    {"piece_beetle", "jpg", 48, 48},       {"piece_ladybird", "jpg", 50, 50},
    {"cell_point", "bmp", 18, 18},         {"turn_arrow", "bmp", 32, 22},
    {"back_two_player", "bmp", 587, 446},  {"partner_logo_small", "bmp", 273, 110},
    {"back_vs_computer", "jpg", 574, 458}, {"trophy", "jpg", 50, 50},
    {"back_winner", "bmp", 320, 246},      {"back_entry_card", "bmp", 323, 123},
    {"entry_piece1", "bmp", 44, 42},       {"entry_piece2", "bmp", 50, 48},
    {"entry_piece3", "bmp", 47, 45},       {"entry_piece4", "bmp", 51, 49},
    {"entry_piece5", "bmp", 47, 44},       {"maker_logo", "bmp", 337, 285},
    {"partner_logo", "jpg", 345, 214},     {"emblem_strip", "bmp", 93, 36},
    {"title_banner", "bmp", 302, 109},     {"emblem", "bmp", 75, 60},
    {"menu_piece2", "jpg", 50, 50},        {"menu_piece3", "jpg", 50, 50},
    {"menu_piece4", "jpg", 48, 48},        {"menu_alt1", "jpg", 253, 253},
    {"menu_alt2", "jpg", 282, 283},        {"menu_alt3", "jpg", 135, 135},
    {"menu_alt4", "jpg", 302, 316},        {"close_button", "jpg", 30, 30},
    {"back_menu", "bmp", 457, 343},
};

struct IconImage {
  int size;
  int bits;
  friend bool operator==(const IconImage&, const IconImage&) = default;
  friend bool operator<(const IconImage& a, const IconImage& b) {
    return a.size != b.size ? a.size < b.size : a.bits < b.bits;
  }
};

struct IconCase {
  const char* key;
  std::vector<IconImage> images;
};

const IconCase kIcons[] = {
    {"icon_main", {{32, 8}, {32, 32}, {48, 8}, {48, 32}}},
    {"icon_entry", {{16, 4}, {16, 8}, {32, 4}, {32, 8}}},
};

// Failures name the case by its key rather than by its bytes.
void PrintTo(const PictureCase& c, std::ostream* os) {
  *os << c.key;
}
void PrintTo(const IconCase& c, std::ostream* os) {
  *os << c.key;
}

QString resourcePath(const char* key, const char* ext) {
  return QStringLiteral(":/assets/%1.%2").arg(QLatin1String(key), QLatin1String(ext));
}

QByteArray readAll(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

// Bytes past the end read as 0, so a truncated file fails its checks instead of reading beyond it.
std::uint32_t byteAt(const QByteArray& d, qsizetype at) {
  return at >= 0 && at < d.size() ? static_cast<std::uint8_t>(d[at]) : 0u;
}
std::uint16_t le16(const QByteArray& d, qsizetype at) {
  return static_cast<std::uint16_t>(byteAt(d, at) | byteAt(d, at + 1) << 8);
}
std::int32_t le32(const QByteArray& d, qsizetype at) {
  return static_cast<std::int32_t>(byteAt(d, at) | byteAt(d, at + 1) << 8 | byteAt(d, at + 2) << 16 |
                                   byteAt(d, at + 3) << 24);
}
std::uint16_t be16(const QByteArray& d, qsizetype at) {
  return static_cast<std::uint16_t>(byteAt(d, at) << 8 | byteAt(d, at + 1));
}

class PictureTest : public testing::TestWithParam<PictureCase> {};

TEST_P(PictureTest, DecodesToItsSizeAndFormat) {
  const PictureCase& c = GetParam();
  QImageReader reader(resourcePath(c.key, c.ext));
  EXPECT_EQ(reader.format(), QByteArray(std::string(c.ext) == "jpg" ? "jpeg" : "bmp"));
  const QImage image = reader.read();
  ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
  EXPECT_EQ(image.size(), QSize(c.width, c.height));
}

TEST_P(PictureTest, StoredLayoutIsTheListedOne) {
  const PictureCase& c = GetParam();
  const QByteArray d = readAll(resourcePath(c.key, c.ext));
  ASSERT_GT(d.size(), 54);
  if (std::string(c.ext) == "bmp") {
    EXPECT_EQ(d.left(2), QByteArray("BM"));
    EXPECT_EQ(le32(d, 14), 40) << "BITMAPINFOHEADER";
    EXPECT_EQ(le32(d, 18), c.width);
    EXPECT_EQ(le32(d, 22), c.height) << "a positive height stores the rows bottom-up";
    EXPECT_EQ(le16(d, 28), 24) << "bits per pixel";
    EXPECT_EQ(le32(d, 30), 0) << "uncompressed";
    const qsizetype stride = (c.width * 3 + 3) / 4 * 4;
    EXPECT_EQ(d.size(), le32(d, 10) + stride * c.height);
    return;
  }
  ASSERT_EQ(be16(d, 0), 0xFFD8);
  ASSERT_EQ(be16(d, 2), 0xFFE0) << "APP0 comes first";
  EXPECT_EQ(d.mid(6, 5), QByteArray("JFIF", 5));
  // Walk the marker segments up to the start of the scan.
  int frames = 0;
  for (qsizetype at = 2; at + 4 <= d.size();) {
    ASSERT_EQ(static_cast<unsigned char>(d[at]), 0xFF) << "marker expected at " << at;
    const int marker = static_cast<unsigned char>(d[at + 1]);
    if (marker == 0xDA) break;
    const bool startOfFrame =
        marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (startOfFrame) {
      ++frames;
      EXPECT_EQ(marker, 0xC0) << "baseline frame";
      EXPECT_EQ(be16(d, at + 5), c.height);
      EXPECT_EQ(be16(d, at + 7), c.width);
      EXPECT_EQ(static_cast<unsigned char>(d[at + 9]), 3) << "three colour components";
    }
    at += 2 + be16(d, at + 2);
  }
  EXPECT_EQ(frames, 1);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, PictureTest, testing::ValuesIn(kPictures),
                         [](const testing::TestParamInfo<PictureCase>& info) {
                           return std::string(info.param.key);
                         });

class IconTest : public testing::TestWithParam<IconCase> {};

// Reads the ICONDIR and, for every entry, the bit depth from its own
// BITMAPINFOHEADER (the directory's copy is only a hint to readers).
std::vector<IconImage> storedIconImages(const QByteArray& d) {
  std::vector<IconImage> out;
  if (d.size() < 6 || le16(d, 0) != 0 || le16(d, 2) != 1) return out;
  for (int i = 0; i < le16(d, 4); ++i) {
    const qsizetype entry = 6 + 16 * i;
    const int size = static_cast<unsigned char>(d[entry]);
    const qsizetype offset = le32(d, entry + 12);
    if (offset + 40 > d.size() || le32(d, offset) != 40) return {};
    EXPECT_EQ(le16(d, entry + 6), le16(d, offset + 14)) << "directory and bitmap disagree on depth";
    EXPECT_EQ(le32(d, offset + 8), 2 * size) << "height covers the colour and mask bitmaps";
    out.push_back({size, le16(d, offset + 14)});
  }
  return out;
}

TEST_P(IconTest, HoldsTheListedSizesAndDepths) {
  const IconCase& c = GetParam();
  std::vector<IconImage> stored = storedIconImages(readAll(resourcePath(c.key, "ico")));
  std::vector<IconImage> expected = c.images;
  std::sort(stored.begin(), stored.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(stored, expected);
}

TEST_P(IconTest, EveryImageDecodesWithTransparentCorners) {
  const IconCase& c = GetParam();
  const std::vector<IconImage> stored = storedIconImages(readAll(resourcePath(c.key, "ico")));
  QImageReader reader(resourcePath(c.key, "ico"));
  ASSERT_EQ(reader.imageCount(), static_cast<int>(stored.size()));
  for (int i = 0; i < reader.imageCount(); ++i) {
    ASSERT_TRUE(reader.jumpToImage(i));
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << "image " << i;
    EXPECT_EQ(image.size(), QSize(stored[i].size, stored[i].size)) << "image " << i;
    ASSERT_TRUE(image.hasAlphaChannel()) << "image " << i;
    EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0) << "image " << i;
    const int mid = stored[i].size / 2;
    EXPECT_EQ(image.pixelColor(mid, mid).alpha(), 255) << "image " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, IconTest, testing::ValuesIn(kIcons),
                         [](const testing::TestParamInfo<IconCase>& info) {
                           return std::string(info.param.key);
                         });

TEST(IconMainTest, TrueColourImagesBlendTheirEdges) {
  // The 32-bit images carry real alpha: some pixels are partly transparent,
  // which a one-bit mask alone cannot give.
  const std::vector<IconImage> stored = storedIconImages(readAll(":/assets/icon_main.ico"));
  QImageReader reader(":/assets/icon_main.ico");
  int trueColour = 0;
  for (int i = 0; i < static_cast<int>(stored.size()); ++i) {
    if (stored[i].bits != 32) continue;
    ++trueColour;
    ASSERT_TRUE(reader.jumpToImage(i));
    const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
    int partial = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const int a = qAlpha(image.pixel(x, y));
        partial += (a > 0 && a < 255) ? 1 : 0;
      }
    EXPECT_GT(partial, 0) << "image " << i;
  }
  EXPECT_EQ(trueColour, 2);
}

TEST(AssetCatalogueTest, HoldsExactlyOneFilePerKey) {
  QStringList expected;
  for (const PictureCase& c : kPictures) expected << resourcePath(c.key, c.ext).mid(9);
  for (const IconCase& c : kIcons) expected << resourcePath(c.key, "ico").mid(9);
  QStringList present = QDir(":/assets").entryList(QDir::Files);
  expected.sort();
  present.sort();
  EXPECT_EQ(present, expected);
}

struct Probe {
  const char* key;
  const char* ext;
  int x;
  int y;
  QRgb colour;
  int tolerance;  // per channel; JPEG pictures need some
};

const Probe kProbes[] = {
    {"cell_point", "bmp", 0, 0, qRgb(0, 0, 0), 0},
    {"cell_point", "bmp", 17, 17, qRgb(0, 0, 0), 0},
    {"cell_point", "bmp", 9, 0, qRgb(0, 0, 0), 0},
    {"cell_point", "bmp", 0, 9, qRgb(0, 0, 0), 0},
    {"cell_point", "bmp", 1, 1, qRgb(255, 0, 0), 0},
    {"cell_point", "bmp", 9, 9, qRgb(255, 0, 0), 0},
    {"cell_point", "bmp", 16, 16, qRgb(255, 0, 0), 0},
    {"turn_arrow", "bmp", 0, 0, qRgb(252, 250, 196), 12},
    {"turn_arrow", "bmp", 31, 21, qRgb(252, 250, 196), 12},
    {"turn_arrow", "bmp", 31, 0, qRgb(252, 250, 196), 12},
    {"piece_ladybird", "jpg", 1, 1, qRgb(255, 255, 255), 16},
    {"piece_beetle", "jpg", 1, 46, qRgb(255, 255, 255), 16},
    {"back_winner", "bmp", 0, 0, qRgb(255, 255, 255), 8},
    {"back_winner", "bmp", 160, 123, qRgb(214, 32, 28), 60},
};

void PrintTo(const Probe& p, std::ostream* os) {
  *os << p.key << " at " << p.x << "," << p.y;
}

class ProbeTest : public testing::TestWithParam<Probe> {};

TEST_P(ProbeTest, PixelHasTheDrawnColour) {
  const Probe& p = GetParam();
  const QImage image(resourcePath(p.key, p.ext));
  ASSERT_FALSE(image.isNull());
  const QRgb got = image.pixel(p.x, p.y);
  EXPECT_LE(std::abs(qRed(got) - qRed(p.colour)), p.tolerance) << "red at " << p.x << "," << p.y;
  EXPECT_LE(std::abs(qGreen(got) - qGreen(p.colour)), p.tolerance) << "green at " << p.x << "," << p.y;
  EXPECT_LE(std::abs(qBlue(got) - qBlue(p.colour)), p.tolerance) << "blue at " << p.x << "," << p.y;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, ProbeTest, testing::ValuesIn(kProbes),
                         [](const testing::TestParamInfo<Probe>& info) {
                           return std::string(info.param.key) + "_" + std::to_string(info.param.x) + "_" +
                                  std::to_string(info.param.y);
                         });

TEST(TurnArrowTest, ArrowIsTanAndPointsRight) {
  // Tan inside the shaft, and the tip reaches further right than the shaft's
  // top and bottom corners, which stay background.
  const QImage image(":/assets/turn_arrow.bmp");
  ASSERT_FALSE(image.isNull());
  const QColor shaft = image.pixelColor(9, 11);
  EXPECT_GT(shaft.red(), shaft.green());
  EXPECT_GT(shaft.green(), shaft.blue() + 20);
  EXPECT_LT(shaft.blue(), 170);
  const auto isGround = [&](int x, int y) { return image.pixelColor(x, y).blue() > 170; };
  EXPECT_FALSE(isGround(26, 11)) << "the tip";
  EXPECT_TRUE(isGround(28, 3)) << "above the tip";
  EXPECT_TRUE(isGround(3, 3)) << "above the tail";
}

}  // namespace
