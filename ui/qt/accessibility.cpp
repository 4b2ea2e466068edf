#include "ui/qt/accessibility.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <memory>
#include <vector>

#include "ui/qt/control_widgets.h"
#include "ui/qt/keyboard_cursor.h"
#include "ui/qt/screen_window.h"

namespace zorvane::ui::qt {

namespace {

QAccessible::Role roleOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label: return QAccessible::StaticText;
    case ControlKind::Image:
    case ControlKind::PictureBox: return QAccessible::Graphic;
    case ControlKind::Shape:
    case ControlKind::Line: return QAccessible::Separator;
    default: return QAccessible::Client;
  }
}

// A label, image, shape, line or picture box: named from the screen as it is now.
class DrawnAccessible : public QAccessibleWidget {
 public:
  // A picture box without a picture is a panel that holds controls.
  DrawnAccessible(QWidget* w, const ControlSpec& definition)
      : QAccessibleWidget(w, definition.kind == ControlKind::PictureBox && definition.picture.empty()
                                 ? QAccessible::Grouping
                                 : roleOf(definition.kind)),
        name_(definition.name) {}
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return QAccessibleWidget::text(t);
    auto* window = dynamic_cast<ScreenWindow*>(widget()->window());
    return window ? window->accessibleNameOf(name_) : QString();
  }

 private:
  std::string_view name_;
};

class CursorAccessible;

// Set once the application has begun to tear down Qt's cache of accessible
// interfaces, which then deletes every registered one itself.
bool accessibleCacheClosing = false;

// Post routines run last added first, so one added after the cache exists
// runs before the cache is torn down.
void watchAccessibleCache() {
  static bool added = false;
  if (added) return;
  added = true;
  qAddPostRoutine([] { accessibleCacheClosing = true; });
}

// One cell of the board or one picture of a row: no widget of its own.
class ItemAccessible : public QAccessibleInterface {
 public:
  ItemAccessible(KeyboardCursor* cursor, int index) : cursor_(cursor), index_(index) {}
  bool isValid() const override { return !cursor_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return cursor_ ? cursor_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(cursor_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name && cursor_ ? cursor_->itemName(index_) : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!cursor_) return {};
    const QRect r = cursor_->itemRect(index_);
    return QRect(cursor_->mapToGlobal(r.topLeft()), r.size());
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (!cursor_) return s;
    const bool here = cursor_->current() == index_;
    s.focusable = true;
    s.focused = here && cursor_->hasFocus();
    s.selectable = cursor_->group().kind == KeyboardKind::Choice;
    s.selected = s.selectable && here;
    s.invisible = !cursor_->isVisible();
    return s;
  }

 private:
  QPointer<KeyboardCursor> cursor_;
  int index_;
};

// A keyboard group's Tab stop: a list of its cells or pictures.
class CursorAccessible : public QAccessibleWidget {
 public:
  explicit CursorAccessible(KeyboardCursor* cursor) : QAccessibleWidget(cursor, QAccessible::List) {
    for (int i = 0; i < static_cast<int>(cursor->group().items.size()); ++i) {
      auto* item = new ItemAccessible(cursor, i);
      QAccessible::registerAccessibleInterface(item);
      items_.push_back(item);
    }
    watchAccessibleCache();
  }
  ~CursorAccessible() override {
    // While the application closes, Qt's cache deletes the items itself.
    if (accessibleCacheClosing) return;
    for (QAccessibleInterface* item : items_)
      QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(item));
  }
  int childCount() const override { return static_cast<int>(items_.size()); }
  QAccessibleInterface* child(int index) const override {
    return index >= 0 && index < childCount() ? items_[static_cast<std::size_t>(index)] : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (std::size_t i = 0; i < items_.size(); ++i) {
      if (items_[i] == child) return static_cast<int>(i);
    }
    return -1;
  }
  QAccessibleInterface* focusChild() const override {
    auto* cursor = static_cast<KeyboardCursor*>(widget());
    return cursor->hasFocus() ? child(cursor->current()) : nullptr;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (QAccessibleInterface* item : items_) {
      if (item->rect().contains(x, y)) return item;
    }
    return nullptr;
  }

 private:
  std::vector<QAccessibleInterface*> items_;
};

// An option button: Qt calls a button outside an exclusive group a check
// box, but the screen's options form one group, the model's.
class OptionAccessible : public QAccessibleWidget {
 public:
  explicit OptionAccessible(OptionButton* b) : QAccessibleWidget(b, QAccessible::RadioButton) {
    addControllingSignal(QStringLiteral("clicked(bool)"));
  }
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return QAccessibleWidget::text(t);
    const auto* b = static_cast<OptionButton*>(widget());
    return b->accessibleName().isEmpty() ? b->text() : b->accessibleName();
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.checkable = true;
    s.checked = static_cast<OptionButton*>(widget())->chosen();
    return s;
  }
  QStringList actionNames() const override {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action == pressAction()) {
      static_cast<OptionButton*>(widget())->click();
    } else {
      QAccessibleWidget::doAction(action);
    }
  }
};

// A match or menu window: its name from the screen; the announcement is an alert.
class WindowAccessible : public QAccessibleWidget {
 public:
  explicit WindowAccessible(ScreenWindow* w)
      : QAccessibleWidget(w, w->isAlert() ? QAccessible::AlertMessage : QAccessible::Window) {}
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return QAccessibleWidget::text(t);
    return static_cast<ScreenWindow*>(widget())->accessibleNameOf({});
  }
};

QAccessibleInterface* factory(const QString&, QObject* object) {
  if (auto* cursor = dynamic_cast<KeyboardCursor*>(object)) return new CursorAccessible(cursor);
  if (auto* window = dynamic_cast<ScreenWindow*>(object)) return new WindowAccessible(window);
  if (auto* option = dynamic_cast<OptionButton*>(object)) return new OptionAccessible(option);
  if (auto* drawn = dynamic_cast<DrawnControl*>(object))
    return new DrawnAccessible(drawn, drawn->definition());
  if (auto* box = dynamic_cast<PictureBox*>(object)) return new DrawnAccessible(box, box->definition());
  return nullptr;
}

}  // namespace

void installAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(factory);
    return true;
  }();
  (void)installed;
}

}  // namespace zorvane::ui::qt
