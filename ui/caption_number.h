// Counters and scores live in captions as plain decimal text.
#pragma once

#include <string>
#include <string_view>

namespace zorvane::ui {

// The number a caption holds, or its leading number: an empty or
// non-numeric caption reads as 0, "12abc" as 12, " 7" as 7.
int leadingNumber(std::string_view caption);

// Plain decimal text without spaces: "0", "1", "10", "-3".
std::string decimal(int n);

}  // namespace zorvane::ui
