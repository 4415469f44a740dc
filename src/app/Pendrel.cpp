/*
;*****************************************************************************************
;* Programm: Pendrel
;* Changes the desktop wallpaper to a picture listed on the program's web server.
;* Aenderungen:
;* ---------------------------------------------------------------------------------------
;*V 1.00 10.03.2015 (*RV) Programm erstellt
;*V X.XX XX.XX.XXXX (*XX)
;*****************************************************************************************
*/
// The block above is the program's header: a development run turns it into
// Pendrel_doku.pbi, from which the build compiles zDoku (version and history). It is
// plain ASCII: a file without a byte-order mark is read in the ANSI code page, which is
// UTF-8 only on Linux.
//
// RunPendrel runs the family's standard start-up block, then the program's job; the
// process entry of each system (posix/, win32/) hands it the command line.

#include "app/information_request.h"
#include "app/run_pendrel.h"
#include "app/zdoku.h"
#include "docgen/docgen.h"
#include "runtime/platform/system.h"
#include "runtime/runtime.h"
#include "stdproc/stdproc.h"
#include "wallpaper/wallpaper.h"

namespace {

using namespace stdproc;

constexpr rt::TextView kProgram = u"Pendrel";
constexpr rt::TextView kModule = u"StandardStart530";

void Trace(rt::TextView line) { yTrace(kModule, u"", u"", line); }

void LearnEnvironment() {
  uExeDatei = yGetExeDatei();
  uExePgm = rt::PathFilePart(uExeDatei);
  uExeVerz = rt::PathDirPart(uExeDatei);
  uAktVerz = yGetAktVerz();
  uTempVerz = yGetTempVerz();
  uAnwVerz = yGetAnwVerzBase() + rt::platform::kPathSeparator;
  uUserId = yGetUserId();
  uSystemRoot = yGetEnv(u"SystemRoot") + rt::platform::kPathSeparator;
}

void TraceStart() {
  const rt::Text rule = rt::TextPadRight(u"", 165, u"-");
  Trace(rt::TextPadRight(u"--- Start ", 165, u"-"));
  Trace(rt::Text(u"Anwendung   =") + rt::Text(kProgram));
  Trace(u"");
  Trace(u"Standardvariabeln setzen:");
  Trace(u"uPgmInstanz=" + rt::IntToText(uPgmInstanz));
  Trace(u"uExeDatei=" + uExeDatei);
  Trace(u"uExeVerz=" + uExeVerz);
  Trace(u"uExePgm=" + uExePgm);
  Trace(u"uAktVerz=" + uAktVerz);
  Trace(u"uTempVerz=" + uTempVerz);
  Trace(u"uAnwVerz=" + uAnwVerz);
  Trace(u"uUserId=" + uUserId);
  Trace(u"uSystemRoot$=" + uSystemRoot);
  Trace(rule);
}

// A development run is recognised by the executable's file name alone; the current
// directory then stands in for the executable's directory.
void CheckDevelopmentRun() {
  if (rt::TextFind(rt::TextUpper(rt::PathFilePart(uExeDatei)), u"DEVRUNNER", 1) > 0) {
    uPgmTest = 1;
    Trace(u"Programm läuft als Test = ja");
    uExeVerz = uAktVerz;
  } else {
    uPgmTest = 0;
    Trace(u"Programm läuft als Test = Nein");
  }
}

// The user's display name from "user.txt"; a missing file, group or key leaves the
// login name.
void ReadUserName() {
  rt::PrefOpen(uExeVerz + u"user.txt");
  rt::PrefGroup(u"Standard");
  uUserName = rt::PrefReadText(rt::TextUpper(uUserId), uUserId);
  rt::PrefClose();
}

rt::Text RunRecordLine() {
  return rt::DateFormat(u"%yyyy-%mm-%dd-%hh:%ii:%ss", rt::DateNow()) + u";" + rt::Text(kProgram) +
         u";" + uUserName + u";" + uUserId;
}

// Copies started at the same moment take turns at "lauf.txt", each holding it only
// while it writes its line, so a refused write is tried again for up to two seconds.
// A file that is not there is held by nobody: the place itself refuses it (read-only
// directory, a directory of that name) and waiting would not help.
bool AppendRunRecord(const rt::Text& file) {
  constexpr int kAttempts = 200;
  constexpr int32_t kPauseMs = 10;
  for (int attempt = 1; yLogFileWrite(u"#ADD", file, RunRecordLine(), 0) == 0; ++attempt) {
    if (attempt == kAttempts || rt::PathSize(file) < 0) return false;
    rt::DelayMs(kPauseMs);
  }
  return true;
}

// One line per start in "lauf.txt" beside the executable; when that file cannot be
// written, in the current directory, and otherwise the run goes on without a record.
void WriteRunRecord() {
  if (!AppendRunRecord(uExeVerz + u"lauf.txt")) AppendRunRecord(uAktVerz + u"lauf.txt");
}

void StandardStart() {
  FillStandardTables();
  LearnEnvironment();
  uPgmInstanz = yPgmInstanzen(uExePgm, 1);
  TraceStart();
  CheckDevelopmentRun();
  uVersion = rt::TextTrim(pendrel::zDoku(u"V"));
  // A development run writes the include again from the header of this very file.
  if (uPgmTest == 1) yGenerierenDokPbi(u"Pendrel.cpp", kProgram);
  ReadUserName();
  WriteRunRecord();
  Trace(rt::TextPadRight(u"", 165, u"-"));
}

}  // namespace

namespace pendrel {

int RunPendrel() {
  // Asking for help or the version is not a run: no job, no run record.
  if (const std::optional<rt::Text> information = InformationRequested()) {
    ShowInformation(*information);
    rt::RuntimeEnd();
    return 0;
  }
  StandardStart();
  RunContentWindow();
  rt::RuntimeEnd();
  return 0;
}

}  // namespace pendrel
