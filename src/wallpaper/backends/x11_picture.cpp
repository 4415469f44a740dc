#include "wallpaper/backends/x11_picture.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>

#include "runtime/number.h"
#include "wallpaper/backends/arriving_file.h"
#include "wallpaper/backends/x11_api.h"
#include "wallpaper/backends/x11_decode_plan.h"
#include "wallpaper/backends/x11_jpeg_decode.h"
#include "wallpaper/backends/x11_jpeg_frame.h"
#include "wallpaper/job_trace.h"

namespace pendrel::backends {

namespace {

constexpr bool kLittleEndian = std::endian::native == std::endian::little;

// The size of a picture that is no JPEG, read from its header alone, so that nothing is
// allocated for the pixels yet. GdkPixbuf is loaded only for such pictures.
std::optional<PictureFacts> PixbufFacts(const std::filesystem::path& file) {
  const PixbufApi* x = LoadPixbufApi();
  int width = 0;
  int height = 0;
  if (x == nullptr || x->gdk_pixbuf_get_file_info(file.c_str(), &width, &height) == nullptr ||
      width <= 0 || height <= 0) {
    return std::nullopt;
  }
  return PictureFacts{width, height};
}

PictureFacts JpegFacts(const JpegFrame& frame) {
  return {frame.width, frame.height, true, frame.fixedBytes};
}

// The JPEG read from `in`, from its start, decoded as `plan` says for the screen.
ScreenPicture JpegForScreen(FileHandle in, const DecodePlan& plan, int width, int height) {
  std::rewind(in.get());
  auto jpeg = std::make_shared<JpegRows>(std::move(in), plan.eighths);
  if (jpeg->height() == 0) return {};
  return {jpeg->height(), CoverScreen(plan.width, plan.height, width, height),
          [jpeg](RowSpan rows) { return jpeg->Rows(rows); }};
}

void UnrefPixbuf(pixman_image_t*, void* pixbuf) { LoadPixbufApi()->g_object_unref(pixbuf); }

// GdkPixbuf keeps red, green, blue (and alpha, which the root has no use for) byte by byte.
PixmanImage WrapPixbuf(const PixbufApi& x, GdkPixbuf* pixbuf) {
  if (pixbuf == nullptr) return nullptr;
  const int channels = x.gdk_pixbuf_get_n_channels(pixbuf);
  const int stride = x.gdk_pixbuf_get_rowstride(pixbuf);
  const pixman_format_code_t format = channels == 4
                                          ? (kLittleEndian ? PIXMAN_x8b8g8r8 : PIXMAN_r8g8b8x8)
                                          : (kLittleEndian ? PIXMAN_b8g8r8 : PIXMAN_r8g8b8);
  pixman_image_t* image =
      (channels == 3 || channels == 4) && stride % 4 == 0
          ? pixman_image_create_bits(
                format, x.gdk_pixbuf_get_width(pixbuf), x.gdk_pixbuf_get_height(pixbuf),
                // Only read from: pixman takes the same pointer for pictures it draws on.
                const_cast<uint32_t*>(
                    reinterpret_cast<const uint32_t*>(x.gdk_pixbuf_read_pixels(pixbuf))),
                stride)
          : nullptr;
  if (image == nullptr) {
    x.g_object_unref(pixbuf);
    return nullptr;
  }
  pixman_image_set_destroy_function(image, UnrefPixbuf, pixbuf);
  return PixmanImage(image);
}

// The rows `rows` of `whole`, sharing its pixels.
PixmanImage RowsOf(pixman_image_t* whole, RowSpan rows) {
  const int stride = pixman_image_get_stride(whole);
  auto* pixels = reinterpret_cast<uint8_t*>(pixman_image_get_data(whole));
  return PixmanImage(pixman_image_create_bits(
      pixman_image_get_format(whole), pixman_image_get_width(whole), rows.end - rows.first,
      reinterpret_cast<uint32_t*>(pixels + ptrdiff_t{rows.first} * stride), stride));
}

rt::Text Mebibytes(int64_t bytes) { return rt::IntToText((bytes + (1 << 20) - 1) >> 20); }

}  // namespace

ScreenPicture DecodeForScreen(const std::filesystem::path& file, int width, int height) {
  FileHandle in(std::fopen(file.c_str(), "rb"));
  const std::optional<JpegFrame> jpeg = in ? ReadJpegFrame(in.get()) : std::nullopt;
  const std::optional<PictureFacts> facts = jpeg ? JpegFacts(*jpeg) : PixbufFacts(file);
  if (!facts) {
    TraceJob(u"SetWallpaperFromPage", u"x11: Bildformat nicht erkannt");
    return {};
  }
  const DecodePlan plan = PlanDecode(*facts, width, height);
  if (!plan.Fits()) {
    TraceJob(u"SetWallpaperFromPage",
             u"x11: Bild " + rt::IntToText(facts->width) + u" x " + rt::IntToText(facts->height) +
                 u" bräuchte zum Entpacken " + Mebibytes(plan.bytes) + u" MiB, erlaubt sind " +
                 Mebibytes(kDecodeBudgetBytes) + u" MiB; nicht verwendet");
    return {};
  }
  if (jpeg) return JpegForScreen(std::move(in), plan, width, height);
  const PixbufApi& x = *LoadPixbufApi();
  const std::shared_ptr<pixman_image_t> whole =
      WrapPixbuf(x, x.gdk_pixbuf_new_from_file(file.c_str(), nullptr));
  if (!whole) return {};
  return {pixman_image_get_height(whole.get()), CoverScreen(plan.width, plan.height, width, height),
          [whole](RowSpan rows) { return RowsOf(whole.get(), rows); }};
}

ScreenPicture DecodeArrivingForScreen(std::shared_ptr<const PictureArrival> arrival, int width,
                                      int height) {
  FileHandle in = OpenArrivingFile(arrival);
  const std::optional<JpegFrame> jpeg = in ? ReadJpegFrame(in.get()) : std::nullopt;
  if (!jpeg) return {};
  const DecodePlan plan = PlanDecode(JpegFacts(*jpeg), width, height);
  if (!plan.Fits()) return {};
  ScreenPicture picture = JpegForScreen(std::move(in), plan, width, height);
  if (picture.height == 0) return {};
  // A failed download leaves its reader with nothing more to decode: stop at the next rows.
  picture.rows = [arrival = std::move(arrival), rows = std::move(picture.rows)](RowSpan span) {
    return arrival->Failed() ? nullptr : rows(span);
  };
  return picture;
}

}  // namespace pendrel::backends
