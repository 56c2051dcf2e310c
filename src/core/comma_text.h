// Comma text: lists held as one line of text (requests, stored chart lists,
// lookup-table lines, server index lines and more).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sm {

// Items are a double-quoted text (doubled quotes inside stand for one) or a
// run of characters up to a comma, blank or control character. Leading
// blanks are skipped; a comma at the very end adds an empty item.
std::vector<std::string> SplitCommaText(std::string_view text);

// Items joined by commas; items holding a blank, control character, comma or
// double quote are quoted. A single empty item is written as "".
std::string JoinCommaText(const std::vector<std::string>& items);

}  // namespace sm
