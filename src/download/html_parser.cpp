#include "download/html_parser.h"

#include <array>
#include <optional>

#include "core/text.h"

namespace sm {
namespace {

// HTML 4's Latin-1 names, codes 160 to 255 in order.
constexpr std::array<std::string_view, 96> kLatin1Names = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",    "copy",   "ordf",
    "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn", "sup2",   "sup3",   "acute",  "micro",
    "para",   "middot", "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave",
    "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",
    "Igrave", "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",
    "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",  "agrave", "aacute",
    "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil", "egrave", "eacute", "ecirc",  "euml",   "igrave",
    "iacute", "icirc",  "iuml",   "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide",
    "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};

std::optional<int> NamedReferenceCode(std::string_view name) {
  if (name == "quot") return 34;
  if (name == "amp") return 38;
  if (name == "lt") return 60;
  if (name == "gt") return 62;
  for (size_t i = 0; i < kLatin1Names.size(); ++i)
    if (kLatin1Names[i] == name) return static_cast<int>(160 + i);
  return std::nullopt;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The code of a numeric reference's body after "&#": up to three
// characters, decimal digits or "x" and hexadecimal digits.
std::optional<int> NumericReferenceCode(std::string_view body) {
  if (body.empty() || body.size() > 3) return std::nullopt;
  const bool hex = body[0] == 'x' || body[0] == 'X';
  std::string_view digits = hex ? body.substr(1) : body;
  if (digits.empty()) return std::nullopt;
  int code = 0;
  for (char c : digits) {
    const int d = hex ? HexValue(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
    if (d < 0) return std::nullopt;
    code = code * (hex ? 16 : 10) + d;
  }
  if (code > 255) return std::nullopt;
  return code;
}

char CharacterOfCode(int code) { return code < 32 || code == 160 ? ' ' : static_cast<char>(code); }

std::string DecodeReferences(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  size_t i = 0;
  while (i < s.size()) {
    if (s[i] != '&') {
      out.push_back(s[i++]);
      continue;
    }
    const size_t end = s.find_first_of("; ", i + 1);
    if (end != std::string_view::npos) {
      std::string_view body = s.substr(i + 1, end - i - 1);
      std::optional<int> code;
      if (!body.empty() && body[0] == '#')
        code = NumericReferenceCode(body.substr(1));
      else if (s[end] == ';')
        code = NamedReferenceCode(body);
      if (code) {
        out.push_back(CharacterOfCode(*code));
        i = end + 1;  // the terminator, ";" or a blank, goes with the reference
        continue;
      }
    }
    out.push_back('&');
    ++i;
  }
  return out;
}

}  // namespace

void THTMLParser::SetText(std::string_view page) {
  Lines.clear();
  size_t start = 0;
  while (start < page.size()) {
    const size_t end = page.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      Lines.emplace_back(page.substr(start));
      break;
    }
    Lines.emplace_back(page.substr(start, end - start));
    start = end + (page[end] == '\r' && end + 1 < page.size() && page[end + 1] == '\n' ? 2 : 1);
  }
}

void THTMLParser::Execute() {
  Tokens.clear();
  std::string text, tag;
  bool inside = false;
  auto flush_text = [&] {
    Tokens.emplace_back(THTMLText{DecodeHtmlText(text), text});
    text.clear();
  };
  for (const std::string& line : Lines) {
    for (char c : line) {
      if (c == '<') {
        if (!inside && !text.empty()) flush_text();
        inside = true;
      } else if (c == '>') {
        Tokens.emplace_back(MakeTag(std::move(tag)));
        tag.clear();
        inside = false;
      } else {
        (inside ? tag : text).push_back(c);
      }
    }
    if (!inside && !text.empty()) text.push_back('\n');
  }
  if (inside && !tag.empty()) Tokens.emplace_back(MakeTag(std::move(tag)));
  if (!inside && !text.empty()) flush_text();
}

THTMLTag MakeTag(std::string raw) {
  THTMLTag tag;
  const size_t space = raw.find(' ');
  tag.Name = ToUpperAscii(std::string_view(raw).substr(0, space));
  if (space != std::string::npos) {
    std::vector<std::string> pieces(1);
    bool quoted = false;
    for (char c : std::string_view(raw).substr(space + 1)) {
      if (c == '"') quoted = !quoted;
      if (c == ' ' && !quoted)
        pieces.emplace_back();
      else
        pieces.back().push_back(c);
    }
    for (std::string& piece : pieces) {
      if (piece.empty()) continue;
      THTMLParam param;
      const size_t eq = piece.find('=');
      if (eq == std::string::npos) {
        param.Name = ToUpperAscii(piece);
      } else {
        param.Name = ToUpperAscii(std::string_view(piece).substr(0, eq));
        param.Value = piece.substr(eq + 1);
        if (param.Value.size() > 1 && param.Value.front() == '"' && param.Value.back() == '"')
          param.Value = param.Value.substr(1, param.Value.size() - 2);
      }
      param.Raw = std::move(piece);
      tag.Params.push_back(std::move(param));
    }
  }
  tag.Raw = std::move(raw);
  return tag;
}

std::string DecodeHtmlText(std::string_view raw) {
  std::string folded;
  folded.reserve(raw.size());
  for (char c : raw) {
    if (c == '\n') c = ' ';
    if (c == ' ' && !folded.empty() && folded.back() == ' ') continue;
    folded.push_back(c);
  }
  return DecodeReferences(folded);
}

}  // namespace sm
