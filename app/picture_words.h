// What each built-in picture shows, in a few words for a screen reader.
#pragma once

#include <string>
#include <string_view>

namespace zorvane::app {

// Words for the picture with that asset key; empty for no picture.
std::string pictureWords(std::string_view assetKey);

}  // namespace zorvane::app
