// The built-in pictures' store: every picture file, compressed, in a part of
// the program of its own. Decoding a picture reads the store; in between,
// none of its pages need to stay with the process.
#pragma once

#include <span>

namespace zorvane::ui::qt {

// Makes the store's files readable under ":/assets/"; does nothing the
// second time.
void openPictureStore();

// Lets go of every page of the store that reading has brought in. They stay
// in the program's file and come back on the next read.
void releasePictureStore();

// The store's bytes, as the program holds them.
std::span<const unsigned char> pictureStoreBytes();

}  // namespace zorvane::ui::qt
