#include "docgen/doku_generator.h"

#include "docgen/doku_header.h"
#include "docgen/doku_include_writer.h"
#include "docgen/info_box.h"
#include "runtime/files.h"
#include "runtime/filesystem.h"
#include "runtime/objects.h"
#include "stdproc/trace/trace.h"

namespace stdproc {

namespace {

constexpr rt::TextView kRoutine = u"yGenerierenDokPbi";

void Report(rt::TextView text) {
  yTrace(u"StandardProc530", u"StandardRoutinen", u"s_GenerierenDokPbi", text);
}

void ShowFailure(rt::TextView program, rt::TextView file, rt::TextView what) {
  yInfoBox(program, rt::Text(kRoutine) + u": Datei=" + rt::Text(file) + rt::Text(what), 0);
}

}  // namespace

void yGenerierenDokPbi(rt::TextView sourceFile, rt::TextView programName) {
  TracedRoutine traced(kRoutine);
  const rt::Text source(rt::Visible(sourceFile));
  rt::Text program(rt::Visible(programName));
  if (rt::TextTrim(program).empty()) program = source;

  const int32_t in = rt::FileOpenRead(rt::AnyNumber, source);
  if (in == 0) {
    ShowFailure(program, source, u" konnte nicht geöffnet werden !");
    return;
  }
  const doku::Header header = doku::ReadHeader(in);
  rt::FileClose(in);

  const rt::Text output = program + u"_doku.pbi";
  if (rt::PathDelete(output) == 0) Report(u"Datei=" + output + u" konnte nicht gelöscht werden !");
  // Created empty: should the deletion have failed, no tail of the old include may survive.
  const int32_t out = rt::FileCreate(rt::AnyNumber, output);
  if (out == 0) {
    ShowFailure(program, output, u" konnte nicht erstellt werden !");
    return;
  }
  doku::WriteInclude(out, header);
  rt::FileClose(out);
  Report(u"Datei=" + output + u" für Anwendung " + program + u" angelegt !");
}

}  // namespace stdproc
