// Strict UTF-8 decoding for the build step that reads the documentation include; it stands
// on the standard library alone so the build can run it before the runtime exists.
#pragma once

#include <string>
#include <string_view>

namespace stdproc::doku {

// Appends the code points of bytes to out; false on any invalid, overlong or surrogate form.
bool DecodeUtf8(std::string_view bytes, std::u32string& out);

}  // namespace stdproc::doku
