#include "core/convert_file_dates.h"

#include "core/comma_text.h"
#include "core/files.h"

namespace sm {
namespace {

bool ConvertLine(std::string& line, FormatState& formats, bool iso_formatting, int current_year) {
  std::vector<std::string> items = SplitCommaText(line);
  if (items.empty() || TryStrToDate(items[0], formats.Current(), current_year)) return false;
  formats.RestoreLocaleFormats(false, iso_formatting);
  auto date = TryStrToDate(items[0], formats.Current(), current_year);
  formats.UseFixedFormats();
  if (!date) return false;
  items[0] = FormatDateTime("yyyy-mm-dd", *date, FixedFormats());
  line = JoinCommaText(items);
  return true;
}

}  // namespace

void ConvertFileDates(const std::string& folder, const std::string& extension, FormatState& formats,
                      bool iso_formatting, int current_year) {
  for (const std::string& name : ListFiles(folder, "*." + extension)) {
    std::string path = JoinPath(folder, name);
    try {
      std::vector<std::string> lines = ReadLines(path);
      bool changed = false;
      for (size_t i = 1; i < lines.size(); ++i)
        changed |= ConvertLine(lines[i], formats, iso_formatting, current_year);
      if (changed) WriteLinesAtomically(path, lines);
    } catch (const std::exception&) {
      // An unreadable file is left for the reader that needs it to report.
    }
  }
}

}  // namespace sm
