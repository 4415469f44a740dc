#include "stdproc/ui/min_size_handler.h"

#include <algorithm>

#include "runtime/window.h"

namespace stdproc {

int32_t MinSizeWindow = 0;
int32_t MinSizeMainGadget = 0;
int32_t MinSizeButton = 0;

namespace {

constexpr int32_t kMinWidth = 670;
constexpr int32_t kMinHeight = 386;

}  // namespace

uint32_t yMinSizeHandler(int32_t, int32_t message, int32_t, int32_t) {
  if (message == rt::WindowMessageResize) {
    const int32_t width = std::max(rt::WindowInnerWidth(MinSizeWindow), kMinWidth);
    const int32_t height = std::max(rt::WindowInnerHeight(MinSizeWindow), kMinHeight);
    rt::WindowResize(MinSizeWindow, rt::Ignore, rt::Ignore, width, height);
    const int32_t w = rt::WindowInnerWidth(MinSizeWindow);
    const int32_t h = rt::WindowInnerHeight(MinSizeWindow);
    rt::GadgetResize(MinSizeMainGadget, 10, 10, w - 20, h - 55);
    rt::GadgetResize(MinSizeButton, w / 2 - 65, h - 35, 130, 30);
  }
  return rt::WindowCallbackDefault;
}

}  // namespace stdproc
