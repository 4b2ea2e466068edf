// Fonts and colours that recur in the layout tables. Internal to ui/layouts.
#pragma once

#include "ui/layout.h"

namespace zorvane::ui::layouts::look {

inline constexpr Font kRegular{};
inline constexpr Font kBold{.bold = true};
inline constexpr Font kBold975{.points = 9.75, .bold = true};
inline constexpr Font kBold12{.points = 12, .bold = true};
// The score panel's header: "Turn" centred left of the divider `Line6` and
// "Score" clear to its right, as in the design's face.
inline constexpr Font kPanelHeader{.points = 9.75, .bold = true, .wordSpacing = 3};

inline constexpr Colour kWhite = rgb(0xFFFFFF);
inline constexpr Colour kBlack = rgb(0x000000);
inline constexpr Colour kPanelYellow = rgb(0xF8FFCE);
inline constexpr Colour kButtonFace = sys(SystemColour::ButtonFace);
inline constexpr Colour kWindowBackground = sys(SystemColour::WindowBackground);
inline constexpr Colour kWindowText = sys(SystemColour::WindowText);
inline constexpr Colour kHighlightText = sys(SystemColour::HighlightText);
inline constexpr Colour kActiveTitleBar = sys(SystemColour::ActiveTitleBar);

}  // namespace zorvane::ui::layouts::look
