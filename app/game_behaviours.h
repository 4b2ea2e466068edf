// Every screen's handlers, put together for the program and its tests.
#pragma once

#include <cstdint>

#include "ui/behaviour.h"

namespace zorvane::app {

// `seed` drives the computer's choices among equally good moves.
ui::Behaviours gameBehaviours(std::uint64_t seed);

}  // namespace zorvane::app
