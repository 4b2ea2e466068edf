#include "ui/caption_number.h"

#include <cctype>
#include <climits>

namespace zorvane::ui {

int leadingNumber(std::string_view caption) {
  std::size_t i = 0;
  while (i < caption.size() && caption[i] == ' ') ++i;
  bool negative = false;
  if (i < caption.size() && (caption[i] == '-' || caption[i] == '+')) negative = caption[i++] == '-';
  long long value = 0;
  for (; i < caption.size() && std::isdigit(static_cast<unsigned char>(caption[i])); ++i) {
    value = value * 10 + (caption[i] - '0');
    if (value > INT_MAX) return negative ? INT_MIN : INT_MAX;  // saturate rather than overflow
  }
  return static_cast<int>(negative ? -value : value);
}

std::string decimal(int n) {
  return std::to_string(n);
}

}  // namespace zorvane::ui
