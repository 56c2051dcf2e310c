#include "download/html_dir.h"

#include <optional>

#include "core/text.h"
#include "download/html_parser.h"
#include "download/listing_stamp.h"

namespace sm {
namespace {

// One parse: entries and sources collect here and replace the listing's
// only when the whole page has been read.
class ListingReader {
 public:
  explicit ListingReader(TDateTime today) : today_(DateOf(today)) {}

  void Read(const std::vector<THTMLToken>& tokens) {
    for (const THTMLToken& token : tokens) {
      if (const auto* tag = std::get_if<THTMLTag>(&token))
        ReadTag(*tag);
      else
        ReadText(std::get<THTMLText>(token));
    }
  }

  std::vector<THTMLDirEntry> entries;
  std::vector<std::string> cgi_sources;
  int bad_entries = 0;

 private:
  void ReadTag(const THTMLTag& tag) {
    for (const THTMLParam& p : tag.Params) {
      if (p.Name == "HREF") {
        if (parent_link_seen_) {
          AddEntry(p.Value);
          entry_line_ = line_;
          Attach();
        } else if (!p.Value.empty() && p.Value[0] == '/') {
          parent_link_seen_ = true;
        }
      } else if (p.Name == "SRC" && IContains(p.Value, "CGI")) {
        cgi_sources.push_back(p.Value);
      }
    }
    if (tag.Name == "BR") ++line_;
  }

  // Text tokens hold no line feeds (they became blanks), so only "BR" tags
  // count lines.
  void ReadText(const THTMLText& text) {
    if (auto stamp = ReadListedStamp(ToUpperAscii(text.Text))) {
      pending_ = *stamp;
      date_line_ = line_;
      pending_taken_ = false;
    }
    Attach();
  }

  void AddEntry(std::string target) {
    THTMLDirEntry entry;
    if (!target.empty() && target.back() == '/') {
      entry.IsDirectory = true;
      target.pop_back();
    }
    const size_t slash = target.rfind('/');
    entry.Name = slash == std::string::npos ? target : target.substr(slash + 1);
    entry.Modified = today_;
    if (!IsSafeListedName(entry.Name)) {
      // A date on this line must not land on the entry before.
      ++bad_entries;
      newest_.reset();
      return;
    }
    entries.push_back(std::move(entry));
    newest_ = entries.size() - 1;
  }

  // A date read on the line of the newest entry belongs to it, whether it
  // stood before the link or after it. It belongs to that one entry only:
  // pages without line break tags count all their lines as one, and a link
  // without a date must not take the date of the link before it.
  void Attach() {
    if (entry_line_ != date_line_ || pending_taken_) return;
    pending_taken_ = true;
    if (!newest_) return;  // the newest link was rejected; the date was its own
    entries[*newest_].Modified = pending_.modified;
    entries[*newest_].Size = pending_.size;
  }

  const TDateTime today_;
  bool parent_link_seen_ = false;
  int line_ = 0;
  int date_line_ = -1;
  int entry_line_ = -2;
  ListedStamp pending_;
  bool pending_taken_ = false;
  std::optional<size_t> newest_;
};

}  // namespace

bool IsSafeListedName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." && name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

int THTMLDir::ParseStream(std::string_view page, TDateTime today) {
  THTMLParser parser;
  parser.SetText(page);
  parser.Execute();
  ListingReader reader(today);
  reader.Read(parser.Tokens);
  entries_ = std::move(reader.entries);
  CgiSources = std::move(reader.cgi_sources);
  bad_entries_ = reader.bad_entries;
  return Count();
}

void THTMLDir::Clear() {
  entries_.clear();
  CgiSources.clear();
  bad_entries_ = 0;
}

}  // namespace sm
