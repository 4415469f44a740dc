// Pictures on their way to the X root, held as pixman images: one handle for every
// decoder's output, which frees the pixels with the image.
#pragma once

#include <pixman.h>

#include <memory>

namespace pendrel::backends {

struct PixmanImageUnref {
  void operator()(pixman_image_t* image) const { pixman_image_unref(image); }
};
using PixmanImage = std::unique_ptr<pixman_image_t, PixmanImageUnref>;

}  // namespace pendrel::backends
