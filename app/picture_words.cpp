#include "app/picture_words.h"

#include <array>
#include <utility>

namespace zorvane::app {

std::string pictureWords(std::string_view assetKey) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 31> kWords{{
      {"icon_main", "the game's icon"},
      {"icon_entry", "a ladybird icon"},
      {"piece_beetle", "an olive-green beetle"},
      {"piece_ladybird", "a ladybird"},
      {"cell_point", "a board point"},
      {"turn_arrow", "an arrow"},
      {"back_two_player", "background"},
      {"partner_logo_small", "Kelvoth Labs logo"},
      {"back_vs_computer", "background"},
      {"trophy", "a trophy"},
      {"back_winner", "background"},
      {"back_entry_card", "background"},
      {"entry_piece1", "a red winged insect"},
      {"entry_piece2", "a green grasshopper"},
      {"entry_piece3", "a red ladybird with black spots"},
      {"entry_piece4", "a blue dragonfly"},
      {"entry_piece5", "a grey spider"},
      {"maker_logo", "Quarvel Games logo"},
      {"partner_logo", "Ondrilla logo"},
      {"emblem_strip", "Quarvel Games emblem"},
      {"title_banner", "Zorvane, the game"},
      {"emblem", "Quarvel Games emblem"},
      {"menu_piece2", "a dark weevil"},
      {"menu_piece3", "a green metallic beetle"},
      {"menu_piece4", "a cartoon bee"},
      {"menu_alt1", "a painted portrait"},
      {"menu_alt2", "a painted portrait"},
      {"menu_alt3", "a painted portrait"},
      {"menu_alt4", "a painted portrait"},
      {"close_button", "close"},
      {"back_menu", "background"},
  }};
  for (const auto& [key, words] : kWords) {
    if (key == assetKey) return std::string(words);
  }
  return assetKey.empty() ? std::string() : "a picture";
}

}  // namespace zorvane::app
