// What the demonstration's report columns and charts are: the definitions
// written to the template (smt.dat) and to site.ini, with what each shows.
// Together they use every function and prefix of the expression language.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "demo/day_figures.h"

namespace sm::demo {

struct ReportColumnItem {
  std::string_view name;
  std::string_view definition;  // expression[decimals,units,description,low,high,model name]
  // The column's daily value for stored batch files; nullptr for columns of
  // airspaces that have no stored batches.
  double (*daily)(const DayFigures&) = nullptr;
  std::string_view note = {};  // a comment line written above the key
};

struct ChartSeriesItem {
  std::string_view name;
  std::string_view definition;  // expression[type,width,axis,colour,special]
  std::string_view note = {};
};

struct ChartPane {
  std::string_view key;
  std::string_view parameters;  // LeftTitle,LeftUnits,RightTitle,RightUnits,Height[,LeftMin,LeftMax,RightMin,RightMax]
  std::string_view series;      // names joined by ","
  std::string_view title;
};

struct ChartView {
  std::string_view name;
  std::string_view note;
  std::vector<ChartPane> panes;
};

// Template (smt.dat) items, shared by every site of the Main Logging Directory.
const std::vector<ReportColumnItem>& TemplateReportColumns();
const std::vector<ChartSeriesItem>& TemplateChartSeries();
// The site's own items in site.ini, for the nursery's second probe.
const std::vector<ReportColumnItem>& SiteReportColumns();
const std::vector<ChartSeriesItem>& SiteChartSeries();
const std::vector<ChartView>& ChartViews();

// ReportCols and Charts lists: the site's default and the nursery's own.
std::string_view HouseReportCols();
std::string_view NurseryReportCols();
std::string_view HouseCharts();
std::string_view NurseryCharts();

// The column items of a ReportCols list, in its order; throws
// std::logic_error for a name that is not defined.
std::vector<const ReportColumnItem*> ColumnsOf(std::string_view report_cols);

// The whole smt.dat.
std::string TemplateText();

}  // namespace sm::demo
