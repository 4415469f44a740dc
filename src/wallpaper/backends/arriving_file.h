// The picture read while its download still writes it.
#pragma once

#include <memory>

#include "wallpaper/backends/file_handle.h"
#include "wallpaper/picture_arrival.h"

namespace pendrel::backends {

// The picture of `arrival` from its first byte, for reading and seeking from the start. A
// read waits until the bytes it asks for are written; the file ends where the saved picture
// ends, and reads fail once the download has failed. Holds `arrival` until it is closed.
FileHandle OpenArrivingFile(std::shared_ptr<const PictureArrival> arrival);

}  // namespace pendrel::backends
