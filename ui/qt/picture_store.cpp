#include "ui/qt/picture_store.h"

#include <QResource>
#include <cstddef>

#include "ui/qt/freed_memory.h"

// The store is the resource file that the build compiles from the pictures,
// taken in whole. It starts on a 2 MiB boundary of the program's file, and
// nothing else of the program shares that stretch: the kernel may keep a
// file's pages in blocks of up to 2 MiB and map a whole block at the first
// read of any byte in it, so a constant read next to the store would bring
// back a block of pictures with it.
#define ZORVANE_STRINGIFY_(x) #x
#define ZORVANE_STRINGIFY(x) ZORVANE_STRINGIFY_(x)
asm(".section zorvane_pictures, \"a\", %progbits\n"
    ".balign 2097152\n"
    ".globl zorvane_picture_store_begin\n"
    "zorvane_picture_store_begin:\n"
    ".incbin \"" ZORVANE_STRINGIFY(ZORVANE_PICTURE_STORE) "\"\n"
    ".globl zorvane_picture_store_end\n"
    "zorvane_picture_store_end:\n"
    ".previous\n");

extern "C" const unsigned char zorvane_picture_store_begin[];
extern "C" const unsigned char zorvane_picture_store_end[];

namespace zorvane::ui::qt {

namespace {

// Registered for the program's life; taken back at its end, before Qt's list
// of resources goes (made first, it goes last).
struct Registration {
  Registration() { QResource::registerResource(zorvane_picture_store_begin); }
  ~Registration() { QResource::unregisterResource(zorvane_picture_store_begin); }
  Registration(const Registration&) = delete;
  Registration& operator=(const Registration&) = delete;
};

}  // namespace

void openPictureStore() {
  static const Registration registration;
}

void releasePictureStore() {
  const std::span<const unsigned char> store = pictureStoreBytes();
  dropReadOnlyPages(store.data(), store.size());
}

std::span<const unsigned char> pictureStoreBytes() {
  return {zorvane_picture_store_begin, zorvane_picture_store_end};
}

}  // namespace zorvane::ui::qt
