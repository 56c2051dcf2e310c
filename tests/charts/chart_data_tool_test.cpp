#include <gtest/gtest.h>

#include "chart_fixture.h"
#include "support/run_tool.h"

namespace sm {
namespace {

class ChartDataTool : public ::testing::Test, public test::ChartFixture {
 protected:
  test::ToolResult Run(const std::vector<std::string>& args) {
    return test::RunProgram(SMTOOL_PATH, args, test::PrivateHomeEnvironment(home.path()));
  }
};

TEST_F(ChartDataTool, PrintsPanesAndPointsAndListsViews) {
  MakeChartSite(3, "[House]\r\nCharts=Climate,Other\r\n"
                   "[Climate]\r\nTemperature=Temperature,C,Humidity,%,60,10,35(Temp_In,RH)\r\n"
                   "Daily=NoTitle,C,NoTitle,,0(Twice)\r\n[ClimateTitle]\r\nTemperature=Inside\r\n"
                   "[Chart Series]\r\nTemp_In=TEMP[0,2,Left,10]\r\nRH=RH[1,3,Right,3]\r\n");
  auto list = Run({"chart-data", folder, "--airspace", "H", "--list"});
  EXPECT_EQ(list.exit_code, 0) << list.err;
  EXPECT_EQ(list.out, "Climate\nOther\n");

  auto data = Run({"chart-data", folder, "--chart", "Climate", "--end", "2026-01-03", "--days", "1"});
  ASSERT_EQ(data.exit_code, 0) << data.err;
  EXPECT_EQ(data.out.rfind("# pane Temperature: Inside | Temperature  C | Humidity  % | 60 | L:10/35 R:auto\n"
                           "time,Temp,RH\n"
                           "2026-01-02 00:00,100,50\n"
                           "2026-01-02 00:15,100,50\n",
                           0),
            0u)
      << data.out;
  EXPECT_NE(data.out.find("2026-01-02 23:45,123,73\n# pane Daily:  |   C |    | 0 | L:auto R:=L\ntime,Twice\n"
                          "2026-01-02 00:00,200\n"),
            std::string::npos)
      << data.out;

  // The stored view status: up to past the newest data, one day.
  TIniReg settings(home / "registry.ini", "Settings");
  settings.WriteFloat("ViewEnd", -1);
  settings.WriteInteger("ViewDays", 1);
  auto gaps = Run({"chart-data", folder, "--chart", "Climate"});
  EXPECT_NE(gaps.out.find("2026-01-03 09:30,209,59\n"), std::string::npos) << gaps.out;
  EXPECT_NE(gaps.out.find("2026-01-03 23:45,,\n"), std::string::npos) << gaps.out;

  EXPECT_EQ(Run({"chart-data", folder, "--chart", "Nope"}).exit_code, 1);
  EXPECT_EQ(Run({"chart-data", folder}).exit_code, 2);
}

}  // namespace
}  // namespace sm
