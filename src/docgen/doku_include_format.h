// The lines of a documentation include: written by the generator, read back by the build
// step that compiles them into zDoku. Both sides take the line shapes from here.
#pragma once

#include <array>
#include <string_view>

namespace stdproc::doku {

inline constexpr std::array<std::string_view, 4> kHeadLines = {
    "#Doku=1", "Procedure.s zDoku(xFkt$)", "Define vText$", "Select xFkt$"};
inline constexpr std::string_view kCaseVersion = "  Case \"V\"  ;.--- PgmVersion ---";
inline constexpr std::string_view kCaseHistory = "  Case \"A\"  ;.--- PgmAenderung ---";
inline constexpr std::string_view kCaseDescription = "  Case \"D\"  ;.--- PgmDoku ---";
// The trailing blank of "EndProcedure " belongs to the line.
inline constexpr std::array<std::string_view, 3> kTailLines = {
    "EndSelect", "ProcedureReturn vText$", "EndProcedure "};

// A value line: kValueOpen, the text, then kValueClose (the version) or kEntryClose (an
// entry, which the include follows with its CR LF constant #Nz).
inline constexpr std::string_view kValueOpen = "       vText$+\"";
inline constexpr std::string_view kValueClose = "\"";
inline constexpr std::string_view kEntryClose = "\"+#Nz";
// The version text starts with this, followed by the version number.
inline constexpr std::string_view kVersionLead = "  V ";

}  // namespace stdproc::doku
