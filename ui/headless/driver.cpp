#include "ui/headless/driver.h"

#include <algorithm>

#include "ui/graphemes.h"
#include "ui/hit_test.h"
#include "ui/text_limit.h"

namespace zorvane::ui {

Driver::Driver(Behaviours behaviours) : rt_(platform_, std::move(behaviours)) {
  platform_.attach(rt_);
}

std::optional<std::string> Driver::clickAt(ScreenId id, int x, int y) {
  const Screen* s = rt_.find(id);
  if (!s || !rt_.acceptsInput(id)) return std::nullopt;
  const auto hit = controlAt(*s, x, y);
  if (!hit) return std::nullopt;
  std::string name(*hit);
  rt_.click(id, name);
  return name;
}

std::optional<std::string> Driver::click(ScreenId id, std::string_view control) {
  const Screen* s = rt_.find(id);
  if (!s) return std::nullopt;
  const auto point = clickPoint(*s, control);
  if (!point) return std::nullopt;
  return clickAt(id, point->first, point->second);
}

std::optional<std::string> Driver::hover(ScreenId id, std::string_view control) {
  const Screen* s = rt_.find(id);
  if (!s || !rt_.acceptsInput(id)) return std::nullopt;
  const auto point = clickPoint(*s, control);
  if (!point) return std::nullopt;
  const auto hit = controlAt(*s, point->first, point->second);
  if (!hit) return std::nullopt;
  std::string name(*hit);
  rt_.mouseMove(id, name);
  return name;
}

void Driver::type(ScreenId id, std::string_view control, std::string_view text) {
  rt_.userText(id, control, text);
}

void Driver::typeKeys(ScreenId id, std::string_view control, std::string_view keys) {
  // One character at a time, as a keyboard or an input method sends them.
  std::size_t start = 0;
  for (std::size_t end : graphemeEnds(keys)) {
    const Screen* s = rt_.find(id);
    if (!s) return;
    const Control& c = s->control(control);
    std::string next = c.text() + std::string(keys.substr(start, end - start));
    start = end;
    // A full box refuses the key rather than dropping the text's end.
    if (limitLength(next, c.definition().maxLength) == next) rt_.userText(id, control, next);
  }
}

void Driver::pressShortcut(ScreenId id, std::string_view key) {
  const Screen* s = rt_.find(id);
  if (!s) return;
  for (const Control& c : s->controls()) {
    if (c.kind() == ControlKind::CommandButton && c.definition().shortcut == key) {
      rt_.click(id, std::string(c.name()));
      return;
    }
  }
}

void Driver::paste(ScreenId id, std::string_view control, std::string_view text, std::size_t at) {
  const Screen* s = rt_.find(id);
  if (!s) return;
  const Control& c = s->control(control);
  const std::string& before = c.text();
  at = std::min(at, before.size());
  const std::string after = before.substr(0, at) + std::string(text) + before.substr(at);
  const LimitedEdit edit = limitEdit(before, after, at + text.size(), c.definition().maxLength);
  if (edit.text != before) rt_.userText(id, control, edit.text);
}

void Driver::pressButton(ScreenId id, bool cancel) {
  const Screen* s = rt_.find(id);
  if (!s) return;
  for (const Control& c : s->controls()) {
    if (c.kind() == ControlKind::CommandButton &&
        (cancel ? c.definition().isCancel : c.definition().isDefault)) {
      rt_.click(id, std::string(c.name()));
      return;
    }
  }
}

void Driver::pressEnter(ScreenId id) {
  pressButton(id, false);
}
void Driver::pressEsc(ScreenId id) {
  pressButton(id, true);
}

void Driver::whenModal(std::function<void(Driver&, ScreenId)> answer) {
  platform_.onModal([this, answer = std::move(answer)](ScreenId id) { answer(*this, id); });
}

}  // namespace zorvane::ui
