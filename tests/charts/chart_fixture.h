// A small real site for chart tests: TEMP (day x 100 + hour) and RH (50 +
// hour) every 15 minutes from 2026-01-01; the last day ends after 09:45.
#pragma once

#include <memory>
#include <string>

#include "charts/open_chart_view.h"
#include "report_fixture.h"

namespace sm::test {

class ChartFixture : public ReportFixture {
 public:
  void MakeChartSite(int days, const std::string& site_ini) {
    MakeSite(days, {"TEMP", "RH"}, [days](const std::string& s, int day, int hour) -> std::string {
      if (day == days - 1 && hour >= 10) return "";
      return std::to_string(s == "TEMP" ? day * 100 + hour : 50 + hour);
    });
    SiteIni("[Airspaces]\r\n1=House(H)\r\n" + site_ini);
    // The site's own template; site.ini's definitions win over it.
    home.Write("sites/Farm/smt.dat", "[Chart Series]\r\nTwice=@MULT(2,TEMP)[0,1,Left,4]\r\nRH=TEMP[0,1,Left,1]\r\n");
  }

  // Opens the site and the view with the stored range given.
  bool OpenView(const std::string& view, TDateTime stored_end, int stored_days) {
    graph.reset();  // it holds on to the airspace of the site it was opened in
    site = Open();
    ctx.stored_status.view_end = stored_end;
    ctx.stored_status.view_days = stored_days;
    return OpenChartView(House(), view, graph, [this](TDateTime s, TDateTime e) { shown = {s, e}; });
  }

  TAirspace& House() { return *site->airspaces.at(0); }
  TMyChart& Pane(size_t i) { return *graph->Charts.at(i); }

  std::unique_ptr<TSite> site;
  std::unique_ptr<TGraphObject> graph;
  ChartRange shown;
};

}  // namespace sm::test
