#include "ui/qt/pictures.h"

#include <QFile>
#include <span>
#include <unordered_map>

#include "ui/qt/freed_memory.h"
#include "ui/qt/picture_store.h"

namespace zorvane::ui::qt {

namespace {

QString toQString(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The catalogue's file of a key, or at scale 2 its twice-size source; empty if there is none.
QString resourcePath(std::string_view key, int scale) {
  openPictureStore();
  static const char* const kCatalogue[] = {".jpg", ".bmp", ".ico"};
  static const char* const kTwiceSize[] = {".jpg", ".png"};
  const QString stem =
      (scale == 1 ? QStringLiteral(":/assets/") : QStringLiteral(":/assets/2x/")) + toQString(key);
  for (const char* ext :
       scale == 1 ? std::span<const char* const>(kCatalogue) : std::span<const char* const>(kTwiceSize)) {
    const QString path = stem + QLatin1String(ext);
    if (QFile::exists(path)) return path;
  }
  return {};
}

QPixmap placeholder() {
  QPixmap p(32, 32);
  p.fill(QColor(0xC0, 0xC0, 0xC0));
  QPainter painter(&p);
  painter.setPen(QColor(0x80, 0x80, 0x80));
  painter.drawLine(0, 0, 31, 31);
  painter.drawLine(31, 0, 0, 31);
  return p;
}

// Every picture some control holds, by key. The controls own them; an entry
// whose picture has gone is dropped at the next look-up.
std::unordered_map<std::string, std::weak_ptr<SharedPicture>>& held() {
  static std::unordered_map<std::string, std::weak_ptr<SharedPicture>> pictures;
  return pictures;
}

// Decodes a stored picture. The stored bytes, read once, and the
// decoder's working memory need not stay with the process.
QPixmap decode(const QString& path) {
  QPixmap p;
  if (!path.isEmpty()) p.load(path);
  releasePictureStore();
  returnFreedMemory();
  return p;
}

qreal ratioOf(const QPainter& p) {
  return p.device() ? p.device()->devicePixelRatioF() : 1.0;
}

}  // namespace

const QPixmap& SharedPicture::forRatio(qreal ratio) {
  if (ratio > 1.0) {
    if (two_.isNull()) {
      two_ = decode(resourcePath(key_, 2));
      if (!two_.isNull()) two_.setDevicePixelRatio(2.0);
    }
    if (!two_.isNull()) return two_;
  }
  if (one_.isNull()) {
    one_ = decode(resourcePath(key_, 1));
    if (one_.isNull()) one_ = placeholder();
  }
  return one_;
}

PictureHandle acquirePicture(std::string_view key) {
  auto& pictures = held();
  std::erase_if(pictures, [](const auto& entry) { return entry.second.expired(); });
  std::weak_ptr<SharedPicture>& slot = pictures[std::string(key)];
  if (PictureHandle picture = slot.lock()) return picture;
  auto picture = std::make_shared<SharedPicture>(std::string(key));
  slot = picture;
  return picture;
}

void drawUnscaled(QPainter& p, QPoint at, SharedPicture& picture) {
  const qreal ratio = ratioOf(p);
  const QPixmap& source = picture.forRatio(ratio);
  // Pixel for pixel where the source matches the screen; smooth elsewhere (1.25, 1.5, 3).
  const bool exact = qFuzzyCompare(ratio, source.devicePixelRatio());
  const bool smooth = p.testRenderHint(QPainter::SmoothPixmapTransform);
  p.setRenderHint(QPainter::SmoothPixmapTransform, !exact);
  p.drawPixmap(at, source);
  p.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
}

void drawStretched(QPainter& p, const QRect& target, SharedPicture& picture) {
  const QPixmap& source = picture.forRatio(ratioOf(p));
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawPixmap(target, source);
}

std::vector<std::string> decodedPictures() {
  std::vector<std::string> out;
  for (const auto& [key, weak] : held()) {
    if (const PictureHandle picture = weak.lock()) {
      if (picture->decoded(1)) out.push_back(key + "@1x");
      if (picture->decoded(2)) out.push_back(key + "@2x");
    }
  }
  return out;
}

bool hasPicture(std::string_view key) {
  const bool found = !key.empty() && !resourcePath(key, 1).isEmpty();
  releasePictureStore();
  return found;
}

// An icon file's images are all decoded when the icon is made.
QIcon iconFor(std::string_view key) {
  const QString path = resourcePath(key, 1);
  const QIcon icon = path.isEmpty() ? QIcon(placeholder()) : QIcon(path);
  releasePictureStore();
  return icon;
}

}  // namespace zorvane::ui::qt
