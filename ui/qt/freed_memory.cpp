#include "ui/qt/freed_memory.h"

#include <cstdint>

#if defined(__GLIBC__)
#include <malloc.h>
#endif
#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace zorvane::ui::qt {

void returnFreedMemory() {
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
}

void dropReadOnlyPages([[maybe_unused]] const void* data, [[maybe_unused]] std::size_t size) {
#if defined(__linux__)
  if (!data || size == 0) return;
  // Every page the data touches: a page it shares with its neighbours holds
  // read-only data of the program's file too, which comes back when read.
  const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  const auto begin = reinterpret_cast<std::uintptr_t>(data);
  const std::uintptr_t first = begin / page * page;
  const std::uintptr_t last = (begin + size + page - 1) / page * page;
  madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
#endif
}

}  // namespace zorvane::ui::qt
