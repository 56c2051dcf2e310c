#include "bench_sites.h"

#include <cmath>
#include <cstdio>
#include <filesystem>

#include "core/files.h"
#include "logdata/data_writer.h"
#include "logdata/site_description.h"

namespace sm::bench {
namespace {

constexpr int kDays = 730, kSeries = 64, kStep = 300;
constexpr int64_t kFirstSecond = 1700006400;  // a midnight, UTC

void WriteReportSite(const std::string& folder) {
  CreateDirectories(folder);
  SiteDescription description;
  description.logger_name = "bench";
  for (int s = 0; s < kSeries; ++s)
    description.series.push_back({"S" + std::to_string(s), "S" + std::to_string(s), s % 4 == 0 ? 0x30 : 0, ""});
  WriteFileAtomically(folder + "/B.ste", FormatSiteDescription(description));
  for (int day = 0; day < kDays; ++day) {
    DataRecords records;
    for (int t = 0; t < 86400; t += kStep) records.times.push_back(kFirstSecond + int64_t(day) * 86400 + t);
    for (int s = 0; s < kSeries; ++s) {
      DataColumn column{"S" + std::to_string(s), {}, {}};
      for (size_t r = 0; r < records.times.size(); ++r) {
        column.values.push_back(s % 4 == 0 ? double((day * 288 + r) * 3 % 60000) : 20 + 5 * std::sin(r * 0.02 + s));
        column.present.push_back(1);
      }
      records.columns.push_back(std::move(column));
    }
    WriteDay(folder, "B", records);
  }
  std::string columns, definitions;
  const char* forms[] = {"@AVE(S%d)", "@DAILYMEAN(S%d)", "@MIN(S%d)", "@MAX(S%d)", "@TOTAL(^S%d)"};
  for (int c = 0; c < 20; ++c) {
    char def[64];
    std::snprintf(def, sizeof def, forms[c % 5], c % 5 == 4 ? (c / 5) * 4 : c + 1);
    columns += (c ? ",C" : "C") + std::to_string(c);
    definitions += "C" + std::to_string(c) + "=" + def + "[2]\r\n";
  }
  // Written last: its presence says the site is complete.
  WriteFileAtomically(folder + "/site.ini", "[Site]\r\nProcID=B\r\nReportCols=" + columns +
                                                "\r\n[Airspaces]\r\n1=House(H)\r\n[Report Columns]\r\n" + definitions);
}

}  // namespace

std::string EnsureReportSite() {
  const std::string folder = (std::filesystem::temp_directory_path() / "sm-bench-report").string();
  if (!FileExists(folder + "/site.ini")) WriteReportSite(folder);
  return folder;
}

std::string EnsureChartSite() {
  namespace fs = std::filesystem;
  const fs::path source = EnsureReportSite();
  const fs::path folder = fs::temp_directory_path() / "sm-bench-charts";
  fs::create_directories(folder);
  for (const auto& entry : fs::directory_iterator(source)) {
    const fs::path name = entry.path().filename();
    if (name == "site.ini" || fs::exists(folder / name)) continue;
    fs::create_symlink(entry.path(), folder / name);
  }
  WriteFileAtomically((folder / "site.ini").string(),
                      "[Site]\r\nProcID=B\r\n[Airspaces]\r\n1=House(H)\r\n[House]\r\nCharts=Six\r\n[Six]\r\n"
                      "P1=Temp,C,Temp,C,20(A1,B1)\r\nP2=Humidity,%,Fan,%,15(A2,B2)\r\n"
                      "P3=Temp,C,Water,l,15,0,40(A3,B3)\r\nP4=Heater,,Fan,%,15(A4,B4)\r\n"
                      "P5=Temp,C,Mean,C,20(A5,B5)\r\nP6=Humidity,%,Fan,%,15(A6,B6)\r\n"
                      "[Chart Series]\r\n"
                      "A1=S1[0,1,Left,0]\r\nB1=S2[0,1,Right,1]\r\nA2=S3[0,1,Left,2]\r\nB2=S5[0,1,Right,3]\r\n"
                      "A3=S6[0,1,Left,4]\r\nB3=^S4[1,2,Right,5]\r\nA4=S7[1,1,Left,6]\r\nB4=S9[0,1,Right,7]\r\n"
                      "A5=S10[0,1,Left,8]\r\nB5=@DAILYMEAN(S11)[0,2,Right,9]\r\nA6=S13[0,1,Left,10]\r\n"
                      "B6=^S8[1,1,Right,11]\r\n");
  return folder.string();
}

}  // namespace sm::bench
