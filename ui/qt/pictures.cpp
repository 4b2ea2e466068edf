#include "ui/qt/pictures.h"

#include <QFile>
#include <QHash>
#include <QPainter>

namespace zorvane::ui::qt {

namespace {

QString resourcePath(std::string_view key) {
  const QString stem = QStringLiteral(":/assets/") + QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
  for (const char* ext : {".jpg", ".bmp", ".ico"}) {
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

}  // namespace

bool hasPicture(std::string_view key) { return !key.empty() && !resourcePath(key).isEmpty(); }

const QPixmap& pictureFor(std::string_view key) {
  static QHash<QString, QPixmap> cache;
  const QString k = QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
  auto it = cache.find(k);
  if (it == cache.end()) {
    const QString path = resourcePath(key);
    QPixmap p(path);
    it = cache.insert(k, path.isEmpty() || p.isNull() ? placeholder() : p);
  }
  return *it;
}

QIcon iconFor(std::string_view key) {
  const QString path = resourcePath(key);
  return path.isEmpty() ? QIcon(pictureFor(key)) : QIcon(path);
}

}  // namespace zorvane::ui::qt
