#include "wallpaper/backends/x11_picture.h"

#include <optional>

#include "runtime/number.h"
#include "wallpaper/backends/x11_decode_plan.h"
#include "wallpaper/backends/x11_jpeg_frame.h"
#include "wallpaper/job_trace.h"

namespace pendrel::backends {

namespace {

// Read from the header alone, so that nothing is allocated for the pixels yet.
std::optional<PictureFacts> ReadFacts(const X11Api& x, const std::filesystem::path& file) {
  if (const std::optional<JpegFrame> jpeg = ReadJpegFrame(file)) {
    return PictureFacts{jpeg->width, jpeg->height, true, jpeg->fixedBytes};
  }
  int width = 0;
  int height = 0;
  if (x.gdk_pixbuf_get_file_info(file.c_str(), &width, &height) == nullptr || width <= 0 ||
      height <= 0) {
    return std::nullopt;
  }
  return PictureFacts{width, height};
}

rt::Text Mebibytes(int64_t bytes) { return rt::IntToText((bytes + (1 << 20) - 1) >> 20); }

}  // namespace

GdkPixbuf* DecodeForScreen(const X11Api& x, const std::filesystem::path& file, int width,
                           int height) {
  const std::optional<PictureFacts> facts = ReadFacts(x, file);
  if (!facts) {
    TraceJob(u"SetWallpaperFromPage", u"x11: Bildformat nicht erkannt");
    return nullptr;
  }
  const DecodePlan plan = PlanDecode(*facts, width, height);
  if (!plan.Fits()) {
    TraceJob(u"SetWallpaperFromPage",
             u"x11: Bild " + rt::IntToText(facts->width) + u" x " + rt::IntToText(facts->height) +
                 u" bräuchte zum Entpacken " + Mebibytes(plan.bytes) + u" MiB, erlaubt sind " +
                 Mebibytes(kDecodeBudgetBytes) + u" MiB; nicht verwendet");
    return nullptr;
  }
  if (plan.reduction == 1) return x.gdk_pixbuf_new_from_file(file.c_str(), nullptr);
  return x.gdk_pixbuf_new_from_file_at_scale(file.c_str(), plan.width, plan.height, FALSE, nullptr);
}

}  // namespace pendrel::backends
