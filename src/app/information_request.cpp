#include "app/information_request.h"

#include "app/zdoku.h"
#include "runtime/params.h"
#include "wallpaper/server_base.h"

namespace pendrel {

namespace {

rt::Text VersionText() { return u"Pendrel " + rt::TextTrim(zDoku(u"V")) + u"\n"; }

// Kept to what a user needs to check an installation; the manual page tells the rest.
rt::Text UsageText() {
  return u"Usage: pendrel [--help | --version]\n"
         u"\n"
         u"Changes the desktop wallpaper: loads the page inhalt.php from the server,\n"
         u"picks one of the picture paths it lists at random, downloads that picture into\n"
         u"hintergrund.jpg in the current directory and makes it the wallpaper. Each run\n"
         u"appends one line to lauf.txt beside the program and exits 0; a failure leaves\n"
         u"the wallpaper as it was. Other arguments are ignored.\n"
         u"\n"
         u"Server:  " +
         ServerBase() +
         u"\n"
         u"PENDREL_TRACE=1 in the environment shows on standard error what a run did.\n";
}

}  // namespace

std::optional<rt::Text> InformationRequested() {
  for (rt::Text argument = rt::ParamNext(); !argument.empty(); argument = rt::ParamNext()) {
    if (argument == u"--help" || argument == u"/?") return UsageText();
    if (argument == u"--version") return VersionText();
  }
  return std::nullopt;
}

}  // namespace pendrel
