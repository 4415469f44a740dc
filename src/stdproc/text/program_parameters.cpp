#include "stdproc/text/program_parameters.h"

#include "runtime/params.h"
#include "stdproc/trace/trace.h"

namespace stdproc {

rt::Text s_ProgrammParameter() {
  TracedRoutine trace(u"s_ProgrammParameter");
  rt::Text result;
  for (rt::Text parameter = rt::ParamNext(); !parameter.empty(); parameter = rt::ParamNext()) {
    result += parameter;
    result += u' ';
  }
  return result;
}

void s_ProgrammParameterTab(rt::TextView parameters, rt::List<rt::Text>& switches) {
  TracedRoutine trace(u"s_ProgrammParameterTab");
  rt::Text line(rt::Visible(parameters));
  if (rt::TextTrim(line).empty()) line = s_ProgrammParameter();
  // Each "/" opens a switch that runs to the next "/"; the text before the first one is
  // not a switch.
  const rt::TextView all = line;
  for (size_t slash = all.find(u'/'); slash != rt::TextView::npos;) {
    const size_t next = all.find(u'/', slash + 1);
    rt::Text entry = rt::TextTrim(all.substr(slash + 1, next - slash - 1));
    if (entry.find(u':') == rt::Text::npos) entry += u":1";
    rt::ListAdd(switches) = std::move(entry);
    slash = next;
  }
}

}  // namespace stdproc
