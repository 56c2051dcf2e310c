// Sites several benchmark programs open: the two-year site of 5-minute
// records for 64 series (S0..S63), and beside it a site of its own data
// with the six-pane chart view "Six" on airspace "House".
#pragma once

#include <string>

#include "core/app_context.h"

namespace sm::bench {

// A UiHost that shows nothing and answers every question with the default.
class NullUi : public UiHost {
 public:
  void ShowStatus(const std::string&) override {}
  void ShowProgress(int, int) override {}
  void SetBusy(bool) override {}
  MessageAnswer ShowMessage(const std::string&, MessageKind, unsigned) override { return MessageAnswer::Ok; }
  std::optional<std::string> InputBox(const std::string&, const std::string&, const std::string&) override {
    return {};
  }
  bool ShowCheckMessage(const std::string&, const std::string&, bool c) override { return c; }
  void ProcessMessages() override {}
  bool StartProgram(const std::string&, const std::vector<std::string>&) override { return false; }
};

// Two years (730 days) of 64 series from a UTC midnight, with 20 report
// columns; generated in the temporary folder unless it is there already.
std::string EnsureReportSite();

// The report site's data linked into a folder of its own whose site.ini
// defines the chart view "Six": 6 panes, 12 series, some on the right
// axis, a counter difference and a daily mean among them.
std::string EnsureChartSite();

}  // namespace sm::bench
