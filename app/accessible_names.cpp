#include "app/accessible_names.h"

#include <map>
#include <string>
#include <utility>

#include "app/picture_words.h"
#include "ui/hit_test.h"

namespace zorvane::app {

namespace {

using ui::Control;
using ui::ControlKind;
using ui::Screen;
using ui::ScreenId;

// A caption as read aloud: runs of spaces made one, none at the ends.
std::string spoken(std::string_view text) {
  std::string out;
  for (char ch : text) {
    if (ch == ' ' || ch == '\t' || ch == '\n') {
      if (!out.empty() && out.back() != ' ') out += ' ';
    } else {
      out += ch;
    }
  }
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

// A button's caption without the & that marks its access key ("&&" is an &).
std::string withoutAccessKey(std::string_view caption) {
  std::string out;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    out += caption[i];
  }
  return out;
}

bool isMatch(ScreenId id) {
  return id == ScreenId::game || id == ScreenId::game1;
}

const std::string& textOf(const Screen& s, std::string_view name) {
  return s.control(name).text();
}

// Whose the side is, as "Alice's" or "Mr.Computer's"; side one is the `m` pieces.
std::string owner(const Screen& s, bool sideOne) {
  std::string name;
  if (s.id() == ScreenId::game1) {
    name = spoken(textOf(s, sideOne ? "name1" : "name2"));
    if (name.empty()) name = sideOne ? "Player 1" : "Player 2";
  } else {
    name = spoken(textOf(s, sideOne ? "Label4" : "Label6"));
    if (name.empty()) return sideOne ? "your" : "the computer's";
  }
  return name + "'s";
}

// The same at the start of a sentence.
std::string ownerAtStart(const Screen& s, bool sideOne) {
  std::string words = owner(s, sideOne);
  if (!words.empty() && words[0] >= 'a' && words[0] <= 'z')
    words[0] = static_cast<char>(words[0] - 'a' + 'A');
  return words;
}

std::string cellState(const Screen& s, int n) {
  const std::string cell = std::to_string(n);
  for (const bool sideOne : {true, false}) {
    const Control& piece = s.control((sideOne ? "m" : "a") + cell);
    if (piece.visible()) return owner(s, sideOne) + " piece" + (piece.borderStyle() == 1 ? ", selected" : "");
  }
  return s.control("g" + cell).visible() ? "a target" : "empty";
}

// The controls of the match screens that speak of a side or a cell.
std::string matchControl(const Screen& s, const Control& c) {
  const std::string_view name = c.name();
  const bool game1 = s.id() == ScreenId::game1;
  if (name.size() == 2 && name[1] >= '1' && name[1] <= '9') {
    const int n = name[1] - '0';
    switch (name[0]) {
      case 'm':
      case 'a': return "Cell " + std::to_string(n) + ", " + cellState(s, n);
      case 'g': return "Marker on cell " + std::to_string(n);
      case 'z': return "Point of cell " + std::to_string(n);
      default: break;
    }
  }
  if (name == "Label1") return "Board";
  if (name == "Image11" || name == "Image12") {
    return ownerAtStart(s, name == "Image11") + " pieces: " + pictureWords(c.picture().key());
  }
  if (name == "scoreulo" || name == "scorecomp") {
    return ownerAtStart(s, name == "scoreulo") + " score: " + spoken(c.text());
  }
  if ((game1 && (name == "i1" || name == "i2")) || (!game1 && (name == "Image14" || name == "Image13"))) {
    return ownerAtStart(s, name == "i1" || name == "Image14") + " turn";
  }
  if (game1) {
    static const std::map<std::string_view, std::string_view> kPanel{
        {"rank1", "Player 1's rank title"}, {"name1", "Player 1's name"},
        {"rank", "Player 2's rank title"},  {"name2", "Player 2's name"},
        {"Label4", "Placements counted"},   {"Label6", "Placements made"},
        {"cmd", "Panel counter"},           {"alt", "alt"}};
    if (auto it = kPanel.find(name); it != kPanel.end()) {
      const bool counter = c.kind() == ControlKind::Label;
      return std::string(it->second) + (counter ? ": " + spoken(c.text()) : "");
    }
    if (name == "Label2") return "Close the control panel";
  } else if (name == "rank1") {
    return "Rank title";
  } else if (name == "alt") {
    return "alt";
  }
  return {};
}

// Words for controls whose caption or picture does not say what they are.
std::string fixedWords(ScreenId id, std::string_view name) {
  static const std::map<std::pair<ScreenId, std::string_view>, std::string_view> kWords{
      {{ScreenId::Welcome, "Text1"}, "Your name"},  {{ScreenId::Welcome, "Image2"}, "Close"},
      {{ScreenId::player, "p2"}, "Name"},  // the word painted beside it
      {{ScreenId::winner, "Picture1"}, "a trophy"}, {{ScreenId::game, "levels"}, "The computer's strength"},
  };
  auto it = kWords.find({id, name});
  return it == kWords.end() ? std::string() : std::string(it->second);
}

std::string controlName(const Screen& s, const Control& c) {
  if (std::string fixed = fixedWords(s.id(), c.name()); !fixed.empty()) return fixed;
  if (isMatch(s.id())) {
    if (std::string words = matchControl(s, c); !words.empty()) return words;
  }
  switch (c.kind()) {
    case ControlKind::Image:
    case ControlKind::PictureBox: return pictureWords(c.picture().key());
    case ControlKind::Shape:
      return c.name().starts_with("sel") || c.name().starts_with("SEL") ? "Frame of the chosen picture"
                                                                        : "Outline";
    case ControlKind::Line: return "Line";
    case ControlKind::CommandButton:
    case ControlKind::OptionButton:
    case ControlKind::CheckBox:
    case ControlKind::Frame: return spoken(withoutAccessKey(c.text()));
    default: return spoken(c.text());
  }
}

std::string itemName(const Screen& s, const ui::KeyboardGroup& group, int index) {
  if (index < 0 || index >= static_cast<int>(group.items.size())) return {};
  const std::string_view item = group.items[static_cast<std::size_t>(index)];
  if (group.kind == ui::KeyboardKind::Board)
    return "Cell " + std::to_string(index + 1) + ", " + cellState(s, index + 1);
  // A picture: whichever of the slot's pictures shows there.
  std::string_view shown = item;
  if (const auto point = ui::clickPoint(s, item)) {
    if (const auto hit = ui::controlAt(s, point->first, point->second)) shown = *hit;
  }
  return pictureWords(s.control(shown).picture().key());
}

std::string windowName(const Screen& s) {
  switch (s.id()) {
    case ScreenId::logo: return "Zorvane\u2122 - The Game";
    case ScreenId::Welcome: return "Zorvane\u2122 - main menu";
    case ScreenId::winner:
      return spoken(textOf(s, "Label1") + " " + textOf(s, "winnernme") + " " + textOf(s, "Label2"));
    default: return std::string(s.layout().window.caption);
  }
}

}  // namespace

ui::AccessibleNames accessibleNames() {
  return ui::AccessibleNames{
      .control = controlName,
      .item = itemName,
      .window = windowName,
      .isAlert = [](const Screen& s) { return s.id() == ScreenId::winner; },
  };
}

}  // namespace zorvane::app
