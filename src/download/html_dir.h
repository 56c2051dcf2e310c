// A directory of the download server as its HTML listing page shows it: the
// links after the parent-directory link, each with the date, time and size
// shown on its line, and the counter sources ("SRC" values naming a CGI
// program) the page embeds.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/datetime.h"

namespace sm {

struct THTMLDirEntry {
  std::string Name;  // last segment of the link target, not URL-decoded
  bool IsDirectory = false;
  int64_t Size = 0;        // 0 when the listing shows none
  TDateTime Modified = 0;  // today at 00:00 when the listing shows none
};

class THTMLDir {
 public:
  // Replaces the entries and counter sources with those of the page and
  // returns the number of entries. `today` dates the entries without a
  // date. Links whose name would not be a plain file name ("", ".", "..",
  // or holding "\" or a NUL) make no entry and are counted in BadEntries.
  // Throws std::overflow_error for a size beyond the 32-bit range, and then
  // leaves the listing as it was.
  int ParseStream(std::string_view page, TDateTime today);
  void Clear();

  int Count() const { return static_cast<int>(entries_.size()); }
  const THTMLDirEntry& operator[](int index) const { return entries_.at(static_cast<size_t>(index)); }
  const std::vector<THTMLDirEntry>& Entries() const { return entries_; }
  int BadEntries() const { return bad_entries_; }

  std::vector<std::string> CgiSources;

 private:
  std::vector<THTMLDirEntry> entries_;
  int bad_entries_ = 0;
};

// Whether a listed name may be used as a local file name.
bool IsSafeListedName(std::string_view name);

}  // namespace sm
