// Windows, gadgets, fonts, status bars and the event queue.
#pragma once

#include <cstdint>

#include "runtime/objects.h"
#include "runtime/text.h"

namespace rt {

// Event codes.
inline constexpr int32_t GadgetEvent = 13100;
inline constexpr int32_t CloseWindowEvent = 13116;

// Web view event types.
inline constexpr int32_t TitleChange = 1;
inline constexpr int32_t StatusChange = 2;
inline constexpr int32_t PopupBlocked = 3;
inline constexpr int32_t DownloadStart = 4;
inline constexpr int32_t DownloadProgress = 5;
inline constexpr int32_t DownloadEnd = 6;

// Window flags.
inline constexpr uint32_t WindowCaption = 0x00C00000;
inline constexpr uint32_t WindowSystemMenu = 0x00080000;
inline constexpr uint32_t WindowSizingBorder = 0x00040000;
inline constexpr uint32_t WindowMinimizeBox = 0x00020000;
inline constexpr uint32_t WindowMaximizeBox = 0x00010000;
inline constexpr uint32_t WindowScreenCentered = 1;
inline constexpr uint32_t WindowCentered = 2;
inline constexpr uint32_t WindowInvisible = 0x10000000;
inline constexpr uint32_t WindowToolWindow = 0x00000080;

// A position or size that is left as it is.
inline constexpr int32_t Ignore = -65535;

// A window's inner area has the given size. An invisible window needs no display.
int32_t WindowOpen(int32_t window, int32_t x, int32_t y, int32_t width, int32_t height,
                   TextView title, uint32_t flags);
void WindowClose(int32_t window);
void WindowResize(int32_t window, int32_t x, int32_t y, int32_t width, int32_t height);
int32_t WindowInnerWidth(int32_t window);
int32_t WindowInnerHeight(int32_t window);
void WindowActivate(int32_t window);
// Asks the window to close: queues a CloseWindowEvent for it.
void WindowRequestClose(int32_t window);

// Called on window messages; the resize notification is message 5 with the new inner
// size. Returning WindowCallbackDefault means "go on as usual".
inline constexpr uint32_t WindowCallbackDefault = 0xE0E0E0E1;
inline constexpr int32_t WindowMessageResize = 5;
using WindowCallback = uint32_t (*)(int32_t window, int32_t message, int32_t width, int32_t height);
void SetWindowCallback(int32_t window, WindowCallback callback);

// Gadgets belong to the window opened last.
int32_t GadgetButton(int32_t gadget, int32_t x, int32_t y, int32_t width, int32_t height,
                     TextView text);
int32_t GadgetText(int32_t gadget, int32_t x, int32_t y, int32_t width, int32_t height,
                   TextView text, uint32_t flags = 0);
int32_t GadgetProgress(int32_t gadget, int32_t x, int32_t y, int32_t width, int32_t height,
                       int32_t minimum, int32_t maximum, uint32_t flags = 0);
// A web view: setting its text loads that address; item 1 is the page's source text.
int32_t GadgetWeb(int32_t gadget, int32_t x, int32_t y, int32_t width, int32_t height,
                  TextView address);
void GadgetSetText(int32_t gadget, TextView text);
Text GadgetItemText(int32_t gadget, int32_t item);
void GadgetSetState(int32_t gadget, int32_t state);
void GadgetResize(int32_t gadget, int32_t x, int32_t y, int32_t width, int32_t height);
void GadgetSetFont(int32_t gadget, intptr_t fontHandle);
intptr_t GadgetHandle(int32_t gadget);
// Screen rectangle of a gadget; false when it does not exist or is not shown.
bool GadgetScreenRect(int32_t gadget, int32_t& x, int32_t& y, int32_t& width, int32_t& height);
// Pointer position on the screen; false without a display.
bool PointerPosition(int32_t& x, int32_t& y);

void StatusBarText(int32_t statusBar, int32_t field, TextView text);

inline constexpr uint32_t FontBold = 0x100;
inline constexpr uint32_t FontItalic = 0x200;
inline constexpr uint32_t FontUnderline = 4;
inline constexpr uint32_t FontStrikeOut = 8;
int32_t FontLoad(int32_t font, TextView face, int32_t size, uint32_t flags = 0);
intptr_t FontHandle(int32_t font);

// The next pending event without waiting; 0 when none is pending.
int32_t EventNext();
// Waits until an event is pending and returns it.
int32_t EventWait();
int32_t EventWindow();
int32_t EventGadget();
int32_t EventType();
// Queues an event (for the runtime's own sources and for tests).
void EventPost(int32_t event, int32_t window, int32_t gadget, int32_t type);

// End of program: closes every window, gadget and font.
void WindowCloseAll();

}  // namespace rt
