// Text helpers shared by the whole program. Text is bytes; case folding
// touches ASCII letters only.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sm {

std::string ToLowerAscii(std::string_view text);
std::string ToUpperAscii(std::string_view text);
bool IEquals(std::string_view a, std::string_view b);
// Strict weak order without regard to ASCII case.
bool ILess(std::string_view a, std::string_view b);
bool IStartsWith(std::string_view text, std::string_view prefix);
bool IEndsWith(std::string_view text, std::string_view suffix);
bool IContains(std::string_view text, std::string_view part);

// Removes blanks and control characters at both ends.
std::string Trim(std::string_view text);

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to);

// "FARM ONE" -> "Farm one".
std::string ProperCase(std::string_view text);
// Puts double quotes around a text holding a blank or a comma, keeping any
// quote it already has at either end.
std::string QuoteIfNeeded(std::string_view text);
// Plain split at every separator; one leading separator is dropped, empty
// items stay, the text after the last separator is always an item.
std::vector<std::string> SplitText(std::string_view text, char separator);
// Content between the first opening and first closing bracket ("[" "]" when
// square, else "(" ")"), or empty when they are missing or out of order.
std::string BracketContent(std::string_view text, bool square);
// The text without that bracketed part (brackets included); unchanged when
// there is none.
std::string RemoveBracketed(std::string_view text, bool square);
std::string WithTrailingSlash(std::string_view text);
std::string WithTrailingBackslash(std::string_view text);

// Stored paths may come from a system that separates folders with "\".
std::string ToNativePath(std::string_view path);

// Whole numbers as the program reads them from settings and files:
// optional blanks, optional sign, decimal digits or 0x hex. Nothing else.
bool TryParseInt(std::string_view text, long long& value);
bool TryParseDouble(std::string_view text, double& value);

}  // namespace sm
