// Decodes JPEG, GIF, BMP or PNG bytes through the system's image codecs.
#pragma once

#include <windows.h>

#include <cstddef>

#include "graphics/picture.h"

namespace zel {

// A 32-bit bitmap of the image's first frame, or nothing when it cannot be decoded.
Picture DecodePicture(const void* data, size_t size);
// The same for an RCDATA resource of `module`.
Picture LoadPictureResource(HMODULE module, int id);

}  // namespace zel
