#include "core/error_log.h"

#include "core/files.h"
#include "core/text.h"

namespace sm {

TErrorLog::TErrorLog(std::string file_name, LocationSource location)
    : file_name_(std::move(file_name)), location_(std::move(location)) {
  try {
    if (FileExists(file_name_)) lines_ = ReadLines(file_name_);
  } catch (const std::exception&) {
    lines_.clear();
  }
}

size_t TErrorLog::Add(const std::string& text) {
  Location where = location_ ? location_() : Location{};
  std::string line = "[" + where.site_folder + "/" + where.airspace + "] " + text;
  for (size_t i = 0; i < lines_.size(); ++i)
    if (IEquals(lines_[i], line)) return i;
  if (lines_.size() > kMaxLines) lines_.erase(lines_.begin(), lines_.end() - kMaxLines);
  lines_.push_back(std::move(line));
  return lines_.size() - 1;
}

void TErrorLog::Close(TDateTime now, const FormatSettings& locale_formats) {
  if (closed_) return;
  closed_ = true;
  lines_.push_back("*** Closing: " + DateToStr(now, locale_formats) + " " + TimeToStr(now, locale_formats) + " ***");
  WriteLinesAtomically(file_name_, lines_);
}

std::string SeverityTag(int severity) {
  if (severity >= 300) return "{Fatal}";
  if (severity >= 200) return "{Abort}";
  if (severity >= 100) return "{Handled}";
  return "";
}

}  // namespace sm
