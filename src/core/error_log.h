// SMErrLog.txt: the record of failures the program survived.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/datetime.h"
#include "core/formats.h"

namespace sm {

class TErrorLog {
 public:
  static constexpr size_t kMaxLines = 200;

  // `location` answers where the program is: the open site's folder name and
  // the current airspace's name (empty when none).
  struct Location {
    std::string site_folder;
    std::string airspace;
  };
  using LocationSource = std::function<Location()>;

  // Reads the existing file's lines as they are; a read failure leaves the
  // list empty.
  TErrorLog(std::string file_name, LocationSource location);

  // Adds "[site/airspace] text" unless an equal line (ASCII case ignored) is
  // there already; drops the oldest lines beyond 200 first. Returns the
  // line's index.
  size_t Add(const std::string& text);

  // Appends the closing line and writes the file. Throws std::runtime_error
  // when the file cannot be written.
  void Close(TDateTime now, const FormatSettings& locale_formats);

  const std::vector<std::string>& Lines() const { return lines_; }
  const std::string& FileName() const { return file_name_; }

 private:
  std::string file_name_;
  LocationSource location_;
  std::vector<std::string> lines_;
  bool closed_ = false;
};

// The severity tag written before a message: none below 100, "{Handled}",
// "{Abort}" from 200, "{Fatal}" from 300.
std::string SeverityTag(int severity);

}  // namespace sm
