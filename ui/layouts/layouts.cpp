// layoutOf(): one table per screen, built on first use and kept for the run.
#include <stdexcept>

#include "ui/layout.h"
#include "ui/layouts/screen_layouts.h"

namespace zorvane::ui {

const ScreenLayout& layoutOf(ScreenId id) {
  switch (id) {
    case ScreenId::logo: {
      static const ScreenLayout layout = layouts::makeLogoLayout();
      return layout;
    }
    case ScreenId::Welcome: {
      static const ScreenLayout layout = layouts::makeWelcomeLayout();
      return layout;
    }
    case ScreenId::player: {
      static const ScreenLayout layout = layouts::makePlayerLayout();
      return layout;
    }
    case ScreenId::game: {
      static const ScreenLayout layout = layouts::makeGameLayout();
      return layout;
    }
    case ScreenId::game1: {
      static const ScreenLayout layout = layouts::makeGame1Layout();
      return layout;
    }
    case ScreenId::winner: {
      static const ScreenLayout layout = layouts::makeWinnerLayout();
      return layout;
    }
    case ScreenId::quit: {
      static const ScreenLayout layout = layouts::makeQuitLayout();
      return layout;
    }
  }
  throw std::out_of_range("layoutOf: no such screen");
}

const KeyboardGroup* keyboardGroup(const ScreenLayout& layout, std::string_view name) {
  for (const KeyboardGroup& group : layout.keyboardGroups) {
    if (group.name == name) return &group;
  }
  return nullptr;
}

}  // namespace zorvane::ui
