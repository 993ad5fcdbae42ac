#pragma once
// The About box picture: a JPEG carried inside the program, made from res/about_picture.jpg at
// build time.
#include <cstddef>

namespace folvaric {

extern const unsigned char kAboutPictureJpeg[];
extern const std::size_t kAboutPictureJpegSize;

}  // namespace folvaric
