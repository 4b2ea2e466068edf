// Giving memory that the game no longer needs back to the system.
#pragma once

#include <cstddef>

namespace zorvane::ui::qt {

// Returns the free pages of the heap to the system. A screen's widgets are
// mostly blocks too small for the allocator to map on their own, so without
// this their pages stay with the process after the screen goes.
void returnFreedMemory();

// Lets go of the pages of built-in, read-only data that has been read: the
// picture store once a picture is decoded. They stay in the program's file
// and come back on the next read; until then they cost no memory.
void dropReadOnlyPages(const void* data, std::size_t size);

}  // namespace zorvane::ui::qt
