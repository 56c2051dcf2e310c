// A minimal HTML tokenizer, enough to read a web server's directory listing
// page: tags with their parameters, and texts with line breaks folded and
// character references decoded.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace sm {

struct THTMLParam {
  std::string Name;   // upper-cased
  std::string Value;  // without its enclosing double quotes
  std::string Raw;
};

struct THTMLTag {
  std::string Name;  // upper-cased; empty for a stray ">"
  std::string Raw;
  std::vector<THTMLParam> Params;
};

struct THTMLText {
  std::string Text;  // decoded
  std::string Raw;
};

using THTMLToken = std::variant<THTMLTag, THTMLText>;

class THTMLParser {
 public:
  std::vector<std::string> Lines;
  std::vector<THTMLToken> Tokens;

  // Fills Lines from a page, split at CR, LF or CR LF.
  void SetText(std::string_view page);
  // Turns Lines into Tokens. A tag left open at a line end runs on into the
  // next line with nothing between.
  void Execute();
};

// A tag's text (between "<" and ">") split into name and parameters.
THTMLTag MakeTag(std::string raw);
// A text's raw characters: line feeds become blanks, runs of blanks one
// blank, then character references are decoded in one pass.
std::string DecodeHtmlText(std::string_view raw);

}  // namespace sm
