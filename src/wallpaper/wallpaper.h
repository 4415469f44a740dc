// The program's job: load the content page in a hidden window, pick one of the pictures it
// lists and make that picture the desktop wallpaper.
#pragma once

#include "wallpaper/content_window.h"
#include "wallpaper/set_wallpaper_from_page.h"
