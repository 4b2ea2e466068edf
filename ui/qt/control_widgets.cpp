#include "ui/qt/control_widgets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QValidator>
#include <algorithm>

#include "ui/graphemes.h"
#include "ui/qt/look.h"
#include "ui/qt/pictures.h"
#include "ui/text_limit.h"

namespace zorvane::ui::qt {

namespace {

QString toQString(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QFont fontOf(const ControlSpec& definition, const QWidget* parent) {
  return definition.font ? toQFont(*definition.font) : parent->font();
}

// Holds a box to its length in characters as a person counts them: a paste
// too long is cut at a character's edge, a key that does not fit is refused.
class CharacterLimit : public QValidator {
 public:
  CharacterLimit(const QString* before, int maxCharacters, QObject* parent)
      : QValidator(parent), before_(before), max_(maxCharacters) {}
  State validate(QString& input, int& pos) const override {
    const QByteArray after = input.toUtf8();
    const std::string_view afterView(after.constData(), static_cast<std::size_t>(after.size()));
    if (graphemeCount(afterView) <= static_cast<std::size_t>(max_)) return Acceptable;
    const QByteArray before = before_->toUtf8();
    const auto cursor = static_cast<std::size_t>(input.left(pos).toUtf8().size());
    const LimitedEdit edit =
        limitEdit(std::string_view(before.constData(), static_cast<std::size_t>(before.size())), afterView,
                  cursor, max_);
    const QString limited = QString::fromStdString(edit.text);
    if (limited == *before_) return Invalid;  // refused: the box keeps its text and cursor
    input = limited;
    pos = static_cast<int>(QString::fromUtf8(edit.text.data(), static_cast<qsizetype>(edit.cursor)).size());
    return Acceptable;
  }

 private:
  const QString* before_;
  int max_;
};

// Rows painted at a time by an image; see DrawnControl::paintEvent.
constexpr int kPaintBand = 48;

// The control's picture held for as long as the control shows it.
void hold(PictureHandle& held, const Picture& picture) {
  if (picture.empty()) {
    held.reset();
  } else if (!held || held->key() != picture.key()) {
    held = acquirePicture(picture.key());
  }
}

// Filled, not stroked: a stroke is centred on the rectangle's edge and, above
// a pixel ratio of 1, spills half outside on two sides.
void drawFlatBorder(QPainter& p, const QRect& r) {
  p.fillRect(QRect(r.left(), r.top(), r.width(), 1), Qt::black);
  p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), Qt::black);
  p.fillRect(QRect(r.left(), r.top(), 1, r.height()), Qt::black);
  p.fillRect(QRect(r.right(), r.top(), 1, r.height()), Qt::black);
}

// The classic sunken client edge, two pixels deep: shadow above and left,
// light below and right, each in an outer and an inner line. The colours
// are fixed, like the system colours, so that every machine draws it alike.
void drawSunkenBorder(QPainter& p, const QRect& r) {
  const auto edge = [&p](const QRect& e, QColor topLeft, QColor bottomRight) {
    p.fillRect(QRect(e.left(), e.top(), e.width() - 1, 1), topLeft);
    p.fillRect(QRect(e.left(), e.top(), 1, e.height() - 1), topLeft);
    p.fillRect(QRect(e.left(), e.bottom(), e.width(), 1), bottomRight);
    p.fillRect(QRect(e.right(), e.top(), 1, e.height()), bottomRight);
  };
  edge(r, kSunkenOuterShadow, kSunkenOuterLight);
  edge(r.adjusted(1, 1, -1, -1), kSunkenInnerShadow, kSunkenInnerLight);
}

}  // namespace

// --- drawn controls --------------------------------------------------------

DrawnControl::DrawnControl(const Control& c, const InputSink* sink, QWidget* parent)
    : QWidget(parent), definition_(c.definition()), sink_(sink) {
  const bool sensesMouse = definition_.kind == ControlKind::Label || definition_.kind == ControlKind::Image;
  setAttribute(Qt::WA_TransparentForMouseEvents, !sensesMouse);
  setMouseTracking(sensesMouse);
  setFont(fontOf(definition_, parent));
  if (definition_.kind == ControlKind::Line) {
    // The widget spans the line's bounding box, widened by the pen.
    const int pad = std::max(1, definition_.borderWidth);
    const QRect box = QRect(
        QPoint(px(std::min(definition_.x1, definition_.x2)), px(std::min(definition_.y1, definition_.y2))),
        QPoint(px(std::max(definition_.x1, definition_.x2)), px(std::max(definition_.y1, definition_.y2))));
    setGeometry(box.adjusted(-pad, -pad, pad, pad));
  } else {
    setGeometry(pxRect(definition_.left, definition_.top, definition_.width, definition_.height));
  }
  sync(c);
}

void DrawnControl::sync(const Control& c) {
  text_ = toQString(c.text());
  back_ = c.backColour();
  borderStyle_ = c.borderStyle();
  hold(picture_, c.picture());
  setVisible(c.visible());
  update();
}

void DrawnControl::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  switch (definition_.kind) {
    case ControlKind::Label: paintLabel(p); break;
    case ControlKind::Image:
      // In bands of a few rows: Qt's raster engine hands a taller fill, or
      // one through a clip of several rectangles, to worker threads, and on
      // a busy machine the hand-over costs far more than the fill.
      for (const QRect& r : e->region()) {
        for (int top = r.top(); top <= r.bottom(); top += kPaintBand) {
          p.setClipRect(QRect(r.left(), top, r.width(), std::min(kPaintBand, r.bottom() + 1 - top)));
          paintImage(p);
        }
      }
      break;
    case ControlKind::Shape: paintShape(p); break;
    case ControlKind::Line: paintLine(p); break;
    default: break;
  }
}

void DrawnControl::paintLabel(QPainter& p) {
  if (!definition_.transparent) p.fillRect(rect(), toQColor(back_));
  QRect textArea = rect();
  if (definition_.border == Border::FlatSingle) {
    drawFlatBorder(p, rect());
    textArea.adjust(1, 1, -1, -1);
  } else if (definition_.border == Border::Sunken) {
    drawSunkenBorder(p, rect());
    textArea.adjust(2, 2, -2, -2);
  }
  p.setPen(toQColor(definition_.foreColour.value_or(sys(SystemColour::WindowText))));
  p.setFont(font());
  const int align = (definition_.align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop;
  // Plain text only: a caption is never read as markup.
  p.drawText(textArea, align | Qt::TextWordWrap, text_);
}

void DrawnControl::paintImage(QPainter& p) {
  if (picture_) {
    if (definition_.stretch) {
      drawStretched(p, rect(), *picture_);
    } else {
      drawUnscaled(p, QPoint(0, 0), *picture_);
    }
  }
  if (borderStyle_ == 1) drawFlatBorder(p, rect());
}

void DrawnControl::paintShape(QPainter& p) {
  QRect r = rect();
  if (definition_.shape == ShapeKind::Square) {
    const int side = std::min(r.width(), r.height());
    r = QRect(r.left() + (r.width() - side) / 2, r.top() + (r.height() - side) / 2, side, side);
  }
  if (definition_.filled) p.fillRect(r, toQColor(definition_.fillColour));
  // The border is drawn inside the shape's box.
  const int w = std::max(1, definition_.borderWidth);
  const QColor colour = toQColor(definition_.borderColour.value_or(rgb(0x000000)));
  p.fillRect(QRect(r.left(), r.top(), r.width(), w), colour);
  p.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), colour);
  p.fillRect(QRect(r.left(), r.top(), w, r.height()), colour);
  p.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), colour);
}

void DrawnControl::paintLine(QPainter& p) {
  const QPoint origin = pos();
  const QPoint from = QPoint(px(definition_.x1), px(definition_.y1)) - origin;
  const QPoint to = QPoint(px(definition_.x2), px(definition_.y2)) - origin;
  const QColor colour = toQColor(definition_.borderColour.value_or(rgb(0x000000)));
  const int width = std::max(1, definition_.borderWidth);
  if (width == 1 && (from.x() == to.x() || from.y() == to.y())) {
    // A thin line along a row or a column covers the pixels from end to end,
    // each whole at any pixel ratio: a stroke's square caps would reach half
    // a pixel past both ends.
    p.fillRect(QRect(from, to).normalized(), colour);
    return;
  }
  p.setPen(QPen(colour, width));
  p.drawLine(from, to);
}

void DrawnControl::mouseMoveEvent(QMouseEvent*) {
  sink_->mouseMove(definition_.name);
}

void DrawnControl::mousePressEvent(QMouseEvent* e) {
  pressed_ = e->button() == Qt::LeftButton;
}

void DrawnControl::mouseReleaseEvent(QMouseEvent* e) {
  // A click is a press and a release over the same control.
  const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
  pressed_ = false;
  if (click) sink_->click(definition_.name);
}

// --- picture box ------------------------------------------------------------

PictureBox::PictureBox(const Control& c, QWidget* parent) : QWidget(parent), definition_(c.definition()) {
  setGeometry(pxRect(definition_.left, definition_.top, definition_.width, definition_.height));
  setFont(fontOf(definition_, parent));
  sync(c);
}

void PictureBox::sync(const Control& c) {
  hold(picture_, c.picture());
  setVisible(c.visible());
  update();
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), toQColor(definition_.backColour.value_or(sys(SystemColour::ButtonFace))));
  if (picture_) drawUnscaled(p, QPoint(0, 0), *picture_);
  if (definition_.border == Border::FlatSingle) drawFlatBorder(p, rect());
}

// --- windowed controls ------------------------------------------------------

namespace {
void placeWindowed(QWidget* w, const ControlSpec& definition, QWidget* parent) {
  w->setGeometry(pxRect(definition.left, definition.top, definition.width, definition.height));
  w->setFont(fontOf(definition, parent));
  if (definition.backColour) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Button, toQColor(*definition.backColour));
    pal.setColor(QPalette::Window, toQColor(*definition.backColour));
    w->setPalette(pal);
    w->setAutoFillBackground(true);
  }
}
}  // namespace

TextBox::TextBox(const Control& c, const InputSink* sink, QWidget* parent) : QLineEdit(parent) {
  const ControlSpec& definition = c.definition();
  placeWindowed(this, definition, parent);
  setFrame(definition.framed);
  if (definition.maxLength > 0) setValidator(new CharacterLimit(&accepted_, definition.maxLength, this));
  // What the box held before an edit, for the limit to tell what was inserted.
  connect(this, &QLineEdit::textChanged, this, [this](const QString& t) { accepted_ = t; });
  if (definition.foreColour) {
    QPalette pal = palette();
    pal.setColor(QPalette::Text, toQColor(*definition.foreColour));
    setPalette(pal);
  }
  const std::string name(definition.name);
  connect(this, &QLineEdit::textEdited, this,
          [sink, name](const QString& t) { sink->text(name, t.toUtf8().toStdString()); });
  sync(c);
}

void TextBox::sync(const Control& c) {
  const QString t = toQString(c.text());
  if (text() != t) setText(t);  // keeps the cursor while the user types
  setVisible(c.visible());
}

void CommandButton::paintEvent(QPaintEvent* e) {
  QPushButton::paintEvent(e);
  if (!hasFocus()) return;
  // A dotted rectangle inside the focused button, whether the focus came by
  // Tab, by a click or with the window: the style alone shows it only after Tab.
  QPainter p(this);
  QPen pen(toQColor(sys(SystemColour::WindowText)), 1, Qt::DotLine);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawRect(rect().adjusted(kFocusInset, kFocusInset, -kFocusInset - 1, -kFocusInset - 1));
}

// The stand-in face runs wider than the design's: a caption that would touch
// the focus rectangle is set a little narrower, at its own height, so that
// it keeps a pixel clear of the rectangle on each side.
void CommandButton::fitCaption() {
  const int room = width() - 2 * (kFocusInset + 2);
  const int wide = fontMetrics().size(Qt::TextShowMnemonic, text()).width();
  if (wide <= room || room <= 0) return;
  QFont narrower = font();
  narrower.setStretch(std::max(kNarrowestStretch, room * 100 / wide));
  setFont(narrower);
}

CommandButton::CommandButton(const Control& c, const InputSink* sink, QWidget* parent) : QPushButton(parent) {
  const ControlSpec& definition = c.definition();
  placeWindowed(this, definition, parent);
  setText(toQString(definition.text));
  fitCaption();
  setDefault(definition.isDefault);
  setAutoDefault(false);
  const std::string name(definition.name);
  connect(this, &QPushButton::clicked, this, [sink, name] { sink->click(name); });
  if (!definition.shortcut.empty()) {
    // A key of its own that presses the button while its window is active;
    // a focused text box keeps its typing.
    auto* key = new QShortcut(QKeySequence(toQString(definition.shortcut)), this);
    connect(key, &QShortcut::activated, this, [sink, name] { sink->click(name); });
  }
  setVisible(c.visible());
}

CheckBox::CheckBox(const Control& c, const InputSink* sink, QWidget* parent)
    : QCheckBox(parent), sink_(sink), name_(c.definition().name) {
  placeWindowed(this, c.definition(), parent);
  setText(toQString(c.definition().text));
  setTristate(true);
  sync(c);
}

void CheckBox::sync(const Control& c) {
  value_ = c.value();
  setCheckState(value_ == 1 ? Qt::Checked : value_ == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
  setVisible(c.visible());
}

void CheckBox::nextCheckState() {
  // The model decides the next value of a clicked box.
  sink_->click(name_);
  setCheckState(value_ == 1 ? Qt::Checked : value_ == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

OptionButton::OptionButton(const Control& c, const InputSink* sink, QWidget* parent) : QRadioButton(parent) {
  placeWindowed(this, c.definition(), parent);
  setText(toQString(c.definition().text));
  setAutoExclusive(false);  // the model keeps the screen's one group
  const std::string name(c.definition().name);
  connect(this, &QRadioButton::clicked, this, [this, sink, name] {
    sink->click(name);
    setChecked(value_);  // a click on the chosen button must not clear it
  });
  sync(c);
}

void OptionButton::keyPressEvent(QKeyEvent* e) {
  const bool back = e->key() == Qt::Key_Up || e->key() == Qt::Key_Left;
  const bool forth = e->key() == Qt::Key_Down || e->key() == Qt::Key_Right;
  if (!back && !forth) {
    QRadioButton::keyPressEvent(e);
    return;
  }
  // The screen's one group, top to bottom; no wrap.
  QList<OptionButton*> group = parentWidget()->findChildren<OptionButton*>(Qt::FindDirectChildrenOnly);
  std::sort(group.begin(), group.end(), [](const OptionButton* a, const OptionButton* b) {
    return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
  });
  const qsizetype here = group.indexOf(this);
  const qsizetype next = back ? here - 1 : here + 1;
  if (here < 0 || next < 0 || next >= group.size()) return;
  OptionButton* target = group[next];
  target->setFocus(Qt::TabFocusReason);
  target->click();
}

void OptionButton::sync(const Control& c) {
  value_ = c.value() == 1;
  setChecked(value_);
  setVisible(c.visible());
}

Frame::Frame(const Control& c, QWidget* parent) : QGroupBox(parent) {
  placeWindowed(this, c.definition(), parent);
  setTitle(toQString(c.definition().text));
  setFlat(false);
  // A frame is a window of its own: it covers what lies behind it, in its
  // background colour, the button face unless it has one of its own.
  if (!c.definition().backColour) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(sys(SystemColour::ButtonFace)));
    setPalette(pal);
    setAutoFillBackground(true);
  }
  setVisible(c.visible());
}

}  // namespace zorvane::ui::qt
