#include "core/command_line.h"

#include "core/comma_text.h"
#include "core/text.h"

namespace sm {
namespace {

constexpr size_t kMaxMessageLength = 1024;

void ApplySwitches(CommandLine& cl) {
  cl.has_goto = cl.text.find("-G") != std::string::npos;
  cl.print = cl.text.find("-P") != std::string::npos;
  cl.show_number_draw = cl.text.find("-2") != std::string::npos;
  if (!cl.words.empty()) {
    const std::string& first = cl.words.front();
    cl.catalogue_dump = first.find('l') != std::string::npos;
    cl.rows_dump = first.find('x') != std::string::npos;
    cl.no_slow_download_notice = first.find('d') != std::string::npos;
  }
  if (cl.has_goto) return;
  if (cl.words.size() > 0) cl.site = cl.words[0];
  if (cl.words.size() > 1) cl.airspace = cl.words[1];
  if (cl.words.size() > 2) cl.chart = cl.words[2];
}

std::string QuotedWord(const std::string& word) {
  if (word.find(' ') == std::string::npos || word.find('"') != std::string::npos) return word;
  return "\"" + word + "\"";
}

// Splits a command line into words at blanks; a double-quoted part may hold
// blanks and loses its quotes.
std::vector<std::string> SplitWords(std::string_view text) {
  std::vector<std::string> words;
  std::string word;
  bool in_quotes = false, have_word = false;
  for (char c : text) {
    if (c == '"') {
      in_quotes = !in_quotes;
      have_word = true;
    } else if (c == ' ' && !in_quotes) {
      if (have_word) words.push_back(word);
      word.clear();
      have_word = false;
    } else {
      word.push_back(c);
      have_word = true;
    }
  }
  if (have_word) words.push_back(word);
  return words;
}

bool ToWholeNumber(const std::string& text, long long& value) {
  long long v;
  if (!TryParseInt(text, v)) return false;
  value = v;
  return true;
}

}  // namespace

std::string CommandLineText(const std::string& program, const std::vector<std::string>& arguments) {
  std::string text = QuotedWord(program);
  for (const std::string& a : arguments) text += " " + QuotedWord(a);
  if (text.size() > kMaxMessageLength) text.resize(kMaxMessageLength);
  return text;
}

CommandLine ParseCommandLine(const std::string& program, const std::vector<std::string>& arguments) {
  CommandLine cl;
  cl.words = arguments;
  cl.text = CommandLineText(program, arguments);
  ApplySwitches(cl);
  return cl;
}

CommandLine ParseCommandLineText(const std::string& text) {
  std::vector<std::string> words = SplitWords(text);
  CommandLine cl;
  if (!words.empty()) cl.words.assign(words.begin() + 1, words.end());
  cl.text = text;
  ApplySwitches(cl);
  return cl;
}

std::optional<GoToRequest> ParseGoToRequest(std::string_view text, long long today) {
  size_t g = text.find("-G");
  if (g == std::string_view::npos) return std::nullopt;
  // Blanks between "-G" and the request are skipped, so "-G (A,B)" reads
  // like "-G(A,B)".
  std::string rest = Trim(text.substr(g + 2));
  if (!rest.empty() && rest.front() == '"') {
    rest.erase(0, 1);
    size_t q = rest.find('"');
    if (q != std::string::npos) rest.erase(q);
  }
  if (!rest.empty() && rest.front() == '(') {
    rest.erase(0, 1);
    size_t p = rest.find(')');
    if (p != std::string::npos) rest.erase(p);
  }
  GoToRequest request;
  request.items = SplitCommaText(rest);
  if (request.items.size() >= 4) {
    // A number that does not convert leaves the value it had: the start a
    // week back, the end today.
    long long start = today - 7, end = today;
    if (ToWholeNumber(request.items[3], start)) start -= 1;
    if (request.items.size() >= 5) ToWholeNumber(request.items[4], end);
    request.view_days = start < end ? static_cast<int>(end - start) : 1;
    request.view_end = end < today ? static_cast<double>(end) : 0.0;
  }
  return request;
}

}  // namespace sm
