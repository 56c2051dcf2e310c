// The program's command line and the go-to request it may carry.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/datetime.h"

namespace sm {

struct CommandLine {
  std::vector<std::string> words;  // the arguments after the program path
  std::string text;                // program path and arguments as one line

  bool has_goto = false;            // "-G" anywhere
  bool print = false;               // "-P" anywhere
  bool show_number_draw = false;    // "-2" anywhere
  bool catalogue_dump = false;      // "l" in the first word
  bool rows_dump = false;           // "x" in the first word
  bool no_slow_download_notice = false;  // "d" in the first word

  // Positional requests, used only without "-G".
  std::optional<std::string> site, airspace, chart;
};

// The line a second copy hands the first: program path and arguments
// separated by single blanks (arguments holding a blank are quoted), cut to
// 1024 characters.
std::string CommandLineText(const std::string& program, const std::vector<std::string>& arguments);

CommandLine ParseCommandLine(const std::string& program, const std::vector<std::string>& arguments);
// The same from a received command-line text.
CommandLine ParseCommandLineText(const std::string& text);

// What a go-to request asks for: site, airspace, chart and the stored view.
struct GoToRequest {
  std::vector<std::string> items;
  TDateTime view_end = 0;  // 0: up to the latest data
  int view_days = 7;
};

// Reads the request after the first "-G" of a command-line text; nothing
// when the text holds no "-G". `today` is today's day number.
std::optional<GoToRequest> ParseGoToRequest(std::string_view text, long long today);

}  // namespace sm
