// Writes the images of a Windows icon file as PNG files in a hicolor icon
// theme tree, one per size, from the deepest image of that size:
//
//   extract_icon ICON_FILE OUTPUT_DIR NAME
//
// makes OUTPUT_DIR/hicolor/<w>x<h>/apps/NAME.png for every size in the file.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QtEndian>
#include <cstdio>
#include <map>
#include <utility>

namespace {

struct Entry {
  int index = -1;
  int bitsPerPixel = -1;
};

// The icon directory: per size, the index of the image with the most bits per pixel.
std::map<std::pair<int, int>, Entry> deepestPerSize(const QByteArray& data) {
  std::map<std::pair<int, int>, Entry> best;
  if (data.size() < 6) return best;
  const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
  const int count = qFromLittleEndian<quint16>(bytes + 4);
  for (int i = 0; i < count && 6 + 16 * (i + 1) <= data.size(); ++i) {
    const uchar* e = bytes + 6 + 16 * i;
    // A stored 0 means 256 pixels.
    const int width = e[0] ? e[0] : 256, height = e[1] ? e[1] : 256;
    const int bits = qFromLittleEndian<quint16>(e + 6);
    Entry& b = best[{width, height}];
    if (bits > b.bitsPerPixel) b = Entry{i, bits};
  }
  return best;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);  // finds the image format plugins
  if (argc != 4) {
    std::fprintf(stderr, "usage: extract_icon ICON_FILE OUTPUT_DIR NAME\n");
    return 2;
  }
  QFile file(QString::fromLocal8Bit(argv[1]));
  if (!file.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "extract_icon: cannot read %s\n", argv[1]);
    return 1;
  }
  const auto sizes = deepestPerSize(file.readAll());
  if (sizes.empty()) {
    std::fprintf(stderr, "extract_icon: %s holds no images\n", argv[1]);
    return 1;
  }
  for (const auto& [size, entry] : sizes) {
    QImageReader reader(QString::fromLocal8Bit(argv[1]), "ico");
    QImage image;
    if (!reader.jumpToImage(entry.index) || !reader.read(&image) ||
        image.size() != QSize(size.first, size.second)) {
      std::fprintf(stderr, "extract_icon: image %d of %s does not decode\n", entry.index, argv[1]);
      return 1;
    }
    const QString dir = QStringLiteral("%1/hicolor/%2x%3/apps")
                            .arg(QString::fromLocal8Bit(argv[2]))
                            .arg(size.first)
                            .arg(size.second);
    const QString path = dir + QLatin1Char('/') + QString::fromLocal8Bit(argv[3]) + QStringLiteral(".png");
    if (!QDir().mkpath(dir) || !image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG")) {
      std::fprintf(stderr, "extract_icon: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
