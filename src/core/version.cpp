#include "core/version.h"

#include <cstdint>

#include "core/text.h"
#include "core/version_config.h"

namespace sm {

std::string VersionInfoString(std::string_view entry) {
  if (IEquals(entry, "FileVersion") || IEquals(entry, "ProductVersion")) return kProgramVersion;
  if (IEquals(entry, "ProductName")) return "Stallminder";
  if (IEquals(entry, "FileDescription")) return "Stallminder livestock building data viewer";
  return {};
}

int VersionNumberOf(std::string_view version_text) {
  std::string digits = ReplaceAll(std::string(version_text), ".", "");
  if (digits.empty()) return -1;
  for (char c : digits)
    if (c < '0' || c > '9') return -1;
  long long value;
  if (!TryParseInt(digits, value) || value > INT32_MAX) return -1;
  return static_cast<int>(value);
}

int ProgramVersionNumber() { return VersionNumberOf(VersionInfoString("FileVersion")); }

}  // namespace sm
