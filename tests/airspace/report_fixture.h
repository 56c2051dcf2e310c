// A small real site for airspace and report tests: quarter-hourly records
// imported from CSV, one value per series per day so means can be worked
// out by hand.
#pragma once

#include <functional>
#include <string>

#include "airspace/airspace.h"
#include "core/ini_file.h"
#include "logdata/csv_import.h"
#include "site_fixture.h"

namespace sm::test {

class ReportFixture : public SiteFixture {
 public:
  static constexpr int kFirstDay = 46023;  // 2026-01-01

  // Writes `days` days of records every 15 minutes; `value(series, day,
  // hour)` gives each cell ("" for none; a time without any value is left out).
  std::string MakeSite(int days, const std::vector<std::string>& series,
                       const std::function<std::string(const std::string&, int, int)>& value) {
    std::string csv = "DATE,TIME";
    for (const auto& s : series) csv += "," + s;
    csv += "\r\n";
    for (int d = 0; d < days; ++d)
      for (int q = 0; q < 96; ++q) {
        std::string cells;
        bool any = false;
        for (const auto& s : series) {
          std::string v = value(s, d, q / 4);
          any = any || !v.empty();
          cells += "," + v;
        }
        if (!any) continue;
        csv += FormatDateTime("yyyy-mm-dd,hh:nn", kFirstDay + d + q / 96.0, FixedFormats()) + cells + "\r\n";
      }
    folder = home / "sites/Farm";
    CsvImportOptions options;
    options.proc_id = "F";
    ImportCsvFile(home.Write("data.csv", csv), folder, options);
    return folder;
  }

  void SiteIni(const std::string& text) { home.Write("sites/Farm/site.ini", "[Site]\r\nProcID=F\r\n" + text); }
  void UserIni(const std::string& text) { home.Write("sites/Farm/smuser.ini", text); }

  std::unique_ptr<TSite> Open() {
    auto site = TSite::Create(ctx, folder);
    CreateAirspaces(*site);
    return site;
  }

  std::string folder;
};

}  // namespace sm::test
