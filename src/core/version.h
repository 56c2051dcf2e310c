// The program's version, set once in the build.
#pragma once

#include <string>
#include <string_view>

namespace sm {

// An entry of the program's version information ("FileVersion",
// "ProductVersion", "ProductName", "FileDescription"); empty when unknown.
std::string VersionInfoString(std::string_view entry);
// The file version without its dots as a whole number (3.0.5.2 -> 3052);
// -1 when that is not a number.
int ProgramVersionNumber();
int VersionNumberOf(std::string_view version_text);

}  // namespace sm
