// The seven screens of the game, each existing at most once.
#pragma once

#include <array>
#include <string_view>

namespace zorvane::ui {

enum class ScreenId { logo, Welcome, player, game, game1, winner, quit };

constexpr std::array kAllScreens{ScreenId::logo,  ScreenId::Welcome, ScreenId::player, ScreenId::game,
                                 ScreenId::game1, ScreenId::winner,  ScreenId::quit};
constexpr std::size_t kScreenCount = kAllScreens.size();

constexpr std::string_view screenName(ScreenId id) {
  switch (id) {
    case ScreenId::logo: return "logo";
    case ScreenId::Welcome: return "Welcome";
    case ScreenId::player: return "player";
    case ScreenId::game: return "game";
    case ScreenId::game1: return "game1";
    case ScreenId::winner: return "winner";
    case ScreenId::quit: return "quit";
  }
  return "?";
}

constexpr std::size_t indexOf(ScreenId id) {
  return static_cast<std::size_t>(id);
}

}  // namespace zorvane::ui
