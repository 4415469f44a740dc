#include "stdproc/env/standard_variables.h"

namespace stdproc {

rt::Text uExeDatei, uExePgm, uExeVerz, uAktVerz, uTempVerz, uAnwVerz, uUserId, uSystemRoot;
int32_t uPgmInstanz = 0;
int32_t uPgmTest = 0;
rt::Text uVersion, uUserName;

std::vector<rt::Text> uWochentag;
std::vector<rt::Text> uMonat;
rt::Text uTxtLoeschen, uTxtHinzufuegen, uTxtAendern, uTxtZurueck;

void FillStandardTables() {
  uTxtLoeschen = u"Löschen";
  uTxtHinzufuegen = u"Hinzufügen";
  uTxtAendern = u"Ändern";
  uTxtZurueck = u"Zurück";
  uWochentag = {u"Sonntag",    u"Montag",  u"Dienstag", u"Mittwoch",
                u"Donnerstag", u"Freitag", u"Samstag"};
  uMonat = {u"",     u"Januar", u"Februar",   u"März",    u"April",    u"Mai",     u"Juni",
            u"Juli", u"August", u"September", u"Oktober", u"November", u"Dezember"};
}

}  // namespace stdproc
