#include "ui/runtime.h"

#include <algorithm>
#include <stdexcept>

#include "ui/caption_number.h"
#include "ui/text_limit.h"

namespace zorvane::ui {

// Counts the nesting of events; when the outermost one returns, retired
// screens are freed and the program ends if no screen is left.
class Runtime::EventScope {
 public:
  explicit EventScope(Runtime& rt) : rt_(rt) { ++rt_.depth_; }
  ~EventScope() {
    if (--rt_.depth_ == 0) rt_.afterTopLevelEvent();
  }
  EventScope(const EventScope&) = delete;
  EventScope& operator=(const EventScope&) = delete;

 private:
  Runtime& rt_;
};

Runtime::Runtime(Platform& platform, Behaviours behaviours)
    : platform_(platform), behaviours_(std::move(behaviours)) {}

Runtime::~Runtime() {
  for (auto& [id, slot] : timers_) platform_.stopTimer(id);
}

void Runtime::start(ScreenId first) {
  if (started_) return;
  started_ = true;
  EventScope scope(*this);
  show(first);
}

// --- screen operations ---------------------------------------------------

void Runtime::load(ScreenId id) {
  if (ended_ || isLoaded(id)) return;
  auto& slot = screens_[indexOf(id)];
  slot = std::make_unique<Screen>(layoutOf(id));
  Screen& s = *slot;
  platform_.screenLoaded(s);
  for (std::size_t i = 0; i < s.controls_.size(); ++i) {
    const Control& c = s.controls_[i];
    if (c.kind() == ControlKind::Timer && c.enabled()) startTimer(s, i);
  }
}

void Runtime::show(ScreenId id, bool modal) {
  if (ended_) return;
  load(id);
  Screen& s = *screens_[indexOf(id)];
  if (s.shown_ && (s.modal_ || !modal)) return;  // already shown: stays shown
  s.shown_ = true;
  s.modal_ = modal;
  platform_.screenShown(id, modal);
  if (!modal) return;
  modalStack_.push_back(id);
  platform_.waitModal(id, [this, id] { return !ended_ && isLoaded(id) && isModal(id); });
  std::erase(modalStack_, id);
}

void Runtime::hide(ScreenId id) {
  if (ended_ || !isLoaded(id)) return;
  Screen& s = *screens_[indexOf(id)];
  if (!s.shown_) return;
  s.shown_ = false;
  s.modal_ = false;
  std::erase(modalStack_, id);
  platform_.screenHidden(id);
}

void Runtime::unload(ScreenId id) {
  if (ended_ || !isLoaded(id)) return;
  const ScreenBehaviour& b = behaviours_[indexOf(id)];
  if (b.unload) {
    Screen* before = screens_[indexOf(id)].get();
    run(b.unload);
    // The reaction may have ended the program or unloaded the screen itself.
    if (ended_ || screens_[indexOf(id)].get() != before) return;
  }
  destroy(id);
}

void Runtime::destroy(ScreenId id) {
  auto& slot = screens_[indexOf(id)];
  stopTimers(*slot);
  std::erase(modalStack_, id);
  // Gone before the platform hears of it, so a modal wait on it sees it gone.
  retired_.push_back(std::move(slot));
  platform_.screenUnloaded(id);
}

void Runtime::end() {
  if (ended_) return;
  ended_ = true;
  for (ScreenId id : kAllScreens) {
    auto& slot = screens_[indexOf(id)];
    if (!slot) continue;
    stopTimers(*slot);
    platform_.screenUnloaded(id);
    retired_.push_back(std::move(slot));
  }
  modalStack_.clear();
  platform_.quit();
}

bool Runtime::isShown(ScreenId id) const {
  const Screen* s = find(id);
  return s && s->shown_;
}

bool Runtime::isModal(ScreenId id) const {
  const Screen* s = find(id);
  return s && s->shown_ && s->modal_;
}

Screen& Runtime::screen(ScreenId id) {
  if (!isLoaded(id)) {
    if (ended_) {
      // After End nothing loads: a handler still finishing sees values that go nowhere.
      auto& ghost = afterEnd_[indexOf(id)];
      if (!ghost) ghost = std::make_unique<Screen>(layoutOf(id));
      return *ghost;
    }
    load(id);
  }
  return *screens_[indexOf(id)];
}

int Runtime::windowHeight(ScreenId id) {
  return screen(id).outerHeight_;
}

void Runtime::setWindowHeight(ScreenId id, int outerTwips) {
  Screen& s = screen(id);
  if (s.outerHeight_ == outerTwips) return;
  s.outerHeight_ = outerTwips;
  if (!ended_) platform_.windowHeightChanged(id, outerTwips);
}

// --- properties -----------------------------------------------------------

Control& Runtime::access(ScreenId id, std::string_view name) {
  return screen(id).control(name);
}

void Runtime::changed(Screen& s, Control& c, Property p) {
  if (!ended_ && screens_[indexOf(s.id())].get() == &s) platform_.controlChanged(s.id(), c, p);
}

void Runtime::setVisible(ScreenId id, std::string_view name, bool v) {
  Control& c = access(id, name);
  if (c.visible_ == v) return;
  c.visible_ = v;
  changed(screen(id), c, Property::Visible);
}

void Runtime::setText(ScreenId id, std::string_view name, std::string_view t) {
  Screen& s = screen(id);
  Control& c = s.control(name);
  if (c.text_ == t) return;
  c.text_ = std::string(t);
  changed(s, c, Property::Text);
  if (quiet_ > 0 || ended_) return;
  if (const Handler* h = handler(behaviours_[indexOf(id)].changed, name)) run(*h);
}

void Runtime::setBackColour(ScreenId id, std::string_view name, Colour col) {
  Control& c = access(id, name);
  if (c.backColour_ == col) return;
  c.backColour_ = col;
  changed(screen(id), c, Property::BackColour);
}

void Runtime::setBorderStyle(ScreenId id, std::string_view name, int b) {
  Control& c = access(id, name);
  if (c.borderStyle_ == b) return;
  c.borderStyle_ = b;
  changed(screen(id), c, Property::BorderStyle);
}

void Runtime::setPicture(ScreenId id, std::string_view name, const Picture& p) {
  Control& c = access(id, name);
  if (c.picture_ == p) return;
  c.picture_ = p;
  changed(screen(id), c, Property::Picture);
}

void Runtime::setValue(ScreenId id, std::string_view name, int v) {
  Control& c = access(id, name);
  if (c.value_ == v) return;
  c.value_ = v;
  changed(screen(id), c, Property::Value);
}

void Runtime::setEnabled(ScreenId id, std::string_view name, bool e) {
  Screen& s = screen(id);
  const std::size_t index = s.indexOf(name);
  Control& c = s.controls_[index];
  if (c.enabled_ == e) return;
  c.enabled_ = e;
  if (c.kind() == ControlKind::Timer && screens_[indexOf(id)].get() == &s) {
    if (e) {
      startTimer(s, index);
    } else {
      stopTimer(s, index);
    }
  }
  changed(s, c, Property::Enabled);
}

// --- timers ---------------------------------------------------------------

void Runtime::startTimer(Screen& s, std::size_t index) {
  const Control& c = s.controls_[index];
  if (timerOf_.contains(&c)) return;
  const TimerId id = nextTimer_++;
  timers_.emplace(id, TimerSlot{s.id(), index});
  timerOf_.emplace(&c, id);
  platform_.startTimer(id, c.definition().interval);
}

void Runtime::stopTimer(Screen& s, std::size_t index) {
  auto it = timerOf_.find(&s.controls_[index]);
  if (it == timerOf_.end()) return;
  platform_.stopTimer(it->second);
  timers_.erase(it->second);
  timerOf_.erase(it);
}

void Runtime::stopTimers(Screen& s) {
  for (std::size_t i = 0; i < s.controls_.size(); ++i) {
    if (s.controls_[i].kind() == ControlKind::Timer) stopTimer(s, i);
  }
}

void Runtime::timerFired(TimerId timer) {
  auto it = timers_.find(timer);
  if (it == timers_.end() || ended_) return;  // a tick that raced its own stop
  const TimerSlot slot = it->second;
  EventScope scope(*this);
  const Screen& s = *screens_[indexOf(slot.screen)];
  const std::string_view name = s.controls_[slot.control].name();
  if (const Handler* h = handler(behaviours_[indexOf(slot.screen)].timer, name)) run(*h);
}

// --- input ----------------------------------------------------------------

bool Runtime::acceptsInput(ScreenId id) const {
  if (!running() || !isShown(id)) return false;
  return modalStack_.empty() || modalStack_.back() == id;
}

void Runtime::click(ScreenId id, std::string_view name) {
  if (!acceptsInput(id)) return;
  EventScope scope(*this);
  Screen& s = *screens_[indexOf(id)];
  const Control& c = s.control(name);
  if (c.kind() == ControlKind::CheckBox) {
    // A click checks a clear or grayed box and clears a checked one.
    setValue(id, name, c.value() == 1 ? 0 : 1);
  } else if (c.kind() == ControlKind::OptionButton) {
    // The option buttons of a screen form one group.
    for (const Control& other : s.controls_) {
      if (other.kind() == ControlKind::OptionButton) setValue(id, other.name(), &other == &c ? 1 : 0);
    }
  }
  if (const Handler* h = handler(behaviours_[indexOf(id)].click, name)) run(*h);
}

void Runtime::mouseMove(ScreenId id, std::string_view name) {
  if (!acceptsInput(id)) return;
  EventScope scope(*this);
  screens_[indexOf(id)]->control(name);  // an unknown name is a programming error
  if (const Handler* h = handler(behaviours_[indexOf(id)].mouseMove, name)) run(*h);
}

void Runtime::userText(ScreenId id, std::string_view name, std::string_view text) {
  if (!acceptsInput(id)) return;
  EventScope scope(*this);
  const Control& c = screens_[indexOf(id)]->control(name);
  setText(id, name, limitLength(text, c.definition().maxLength));
}

void Runtime::userCheck(ScreenId id, std::string_view name, int value) {
  if (!acceptsInput(id)) return;
  EventScope scope(*this);
  setValue(id, name, value);
}

void Runtime::closeRequested(ScreenId id) {
  // A window without a title bar has no close box to close it with.
  if (!acceptsInput(id) || layoutOf(id).window.border == WindowBorder::None) return;
  EventScope scope(*this);
  unload(id);
}

// --- dispatch -------------------------------------------------------------

const Handler* Runtime::handler(const HandlerMap& map, std::string_view name) const {
  auto it = map.find(std::string(name));
  return it == map.end() || !it->second ? nullptr : &it->second;
}

void Runtime::run(const Handler& h) {
  if (ended_) return;
  h(*this);
}

void Runtime::afterTopLevelEvent() {
  retired_.clear();
  if (ended_ || finished_) return;
  const bool anyLoaded =
      std::any_of(screens_.begin(), screens_.end(), [](const auto& s) { return s != nullptr; });
  if (!anyLoaded) {
    finished_ = true;
    platform_.quit();
  }
}

// --- ControlRef -----------------------------------------------------------

bool ControlRef::visible() const {
  return rt_->screen(screen_).control(name_).visible();
}
void ControlRef::setVisible(bool v) const {
  rt_->setVisible(screen_, name_, v);
}
const std::string& ControlRef::text() const {
  return rt_->screen(screen_).control(name_).text();
}
void ControlRef::setText(std::string_view t) const {
  rt_->setText(screen_, name_, t);
}
int ControlRef::number() const {
  return leadingNumber(text());
}
void ControlRef::setNumber(int n) const {
  rt_->setText(screen_, name_, decimal(n));
}
Colour ControlRef::backColour() const {
  return rt_->screen(screen_).control(name_).backColour();
}
void ControlRef::setBackColour(Colour c) const {
  rt_->setBackColour(screen_, name_, c);
}
int ControlRef::borderStyle() const {
  return rt_->screen(screen_).control(name_).borderStyle();
}
void ControlRef::setBorderStyle(int b) const {
  rt_->setBorderStyle(screen_, name_, b);
}
Picture ControlRef::picture() const {
  return rt_->screen(screen_).control(name_).picture();
}
void ControlRef::setPicture(const Picture& p) const {
  rt_->setPicture(screen_, name_, p);
}
int ControlRef::value() const {
  return rt_->screen(screen_).control(name_).value();
}
void ControlRef::setValue(int v) const {
  rt_->setValue(screen_, name_, v);
}
bool ControlRef::enabled() const {
  return rt_->screen(screen_).control(name_).enabled();
}
void ControlRef::setEnabled(bool e) const {
  rt_->setEnabled(screen_, name_, e);
}

}  // namespace zorvane::ui
