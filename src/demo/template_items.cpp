#include "demo/template_items.h"

#include <stdexcept>

#include "core/text.h"
#include "demo/ini_text.h"

namespace sm::demo {
namespace {

double PerPig(double amount, double pigs) { return pigs > 0 ? amount / pigs : 0; }

}  // namespace

const std::vector<ReportColumnItem>& TemplateReportColumns() {
  using D = const DayFigures&;
  static const std::vector<ReportColumnItem> items = {
      {"Pigs", "@MAX(#PIGS)[0,,Pigs in the room]", [](D d) { return d.pigs; },
       "The first column whose name holds \"pigs\": on a day without pigs, Water and Feed means show N/A"},
      {"Deaths", "@TOTAL(@CHANGE(5,#PIGS))[2,,Pigs lost a day (falls of 1 to 5 pigs; lorries are larger)]",
       [](D d) { return d.deaths; }},
      {"Temp", "@AVE(#TEMP)[1,°C,Mean inside temperature,,,Temp]", [](D d) { return d.temperature; },
       "Model name Temp: compared with the Temp, TempLow and TempHigh series of a model file"},
      {"TempLow", "@MIN(#TEMP)[1,°C,Lowest inside temperature]", [](D d) { return d.temperature_low; }},
      {"TempHigh", "@MAX(#TEMP)[1,°C,Highest inside temperature]", [](D d) { return d.temperature_high; }},
      {"TempSD", "@POWER(0.5,@MINUS(@AVE(@POWER(2,#TEMP)),@POWER(2,@AVE(#TEMP))))[2,°C,Spread of the inside temperature (standard deviation)]",
       [](D d) { return d.temperature_deviation; },
       "Square root of the mean square less the squared mean; @POWER(e,b) is b to the power e"},
      {"Target", "@DAILYMEAN(#TARGET)[1,°C,Mean target temperature of the controller]", [](D d) { return d.target; }},
      {"Diff", "@MINUS(@AVE(#TEMP),@AVE(#TARGET))[1,°C,Inside temperature above target]",
       [](D d) { return d.temperature - d.target; }},
      {"RH", "@AVE(#RH)[0,%,Mean relative humidity,40,80]", [](D d) { return d.humidity; },
       "Low and high (40 and 80) are kept with the column for reference"},
      {"Outside", "@AVE(OUTTEMP)[1,°C,Mean outside temperature]", [](D d) { return d.outside; },
       "A series without # is the same for every airspace"},
      {"Heater_Hours", "@RUNTIME(#HEAT)[1,h,Heater run time a day (at full output)]",
       [](D d) { return d.heater_hours; }, "The header shows the name up to the first \"_\": Heater"},
      {"Vent", "@AVE(#VENT)[0,%,Mean ventilation (share of the fans' capacity)]", [](D d) { return d.ventilation; }},
      {"Air", "@AVE(%#STAGE)[0,m³/h,Mean capacity of the running fans (fan stage table)]",
       [](D d) { return d.fan_air; }, "%NAME reads the fan stage through smcdata/fans.smc: stage to m³/h"},
      {"AirPig", "@DIV(@MAX(#PIGS),@AVE(%#STAGE))[1,m³/h,Fan capacity per pig]",
       [](D d) { return PerPig(d.fan_air, d.pigs); }, "@DIV(d,n) is n divided by d"},
      {"Water_Daily", "@DAILYTOT(^#WATER)[0,l,Water a day]", [](D d) { return d.water; },
       "^NAME turns a meter's readings into the amount used in each row; the meter wraps at 32768"},
      {"WaterPig", "@DIV(@MAX(#PIGS),@DAILYTOT(^#WATER))[2,l,Water per pig a day,,,WaterPig]",
       [](D d) { return PerPig(d.water, d.pigs); }},
      {"Feed_Daily", "@DIV(1000,@TOTAL(^^#FEED))[0,kg,Feed a day]", [](D d) { return d.feed; },
       "The feed meter counts grams: a quarter hour often brings more than 990, so ^^ is needed"},
      {"FeedPig", "@DIV(@MAX(#PIGS),@DIV(1000,@TOTAL(^^#FEED)))[2,kg,Feed per pig a day,,,FeedPig]",
       [](D d) { return PerPig(d.feed, d.pigs); }},
      {"Ratio", "@DIV(@DIV(1000,@TOTAL(^^#FEED)),@DAILYTOT(^#WATER))[2,l/kg,Water per kg of feed]",
       [](D d) { return d.feed > 0 ? d.water / d.feed : 0; }},
      {"THI", "@SUM(@LINEAR(@AVE(#TEMP),0.8,46.4),@MULT(@DIV(100,@AVE(#RH)),@MINUS(@AVE(#TEMP),14.4)))[1,,Temperature-humidity index (above 75: heat stress)]",
       [](D d) { return 0.8 * d.temperature + d.humidity / 100 * (d.temperature - 14.4) + 46.4; },
       "0.8 T + RH/100 x (T - 14.4) + 46.4; @LINEAR(x,m,c) is x times m plus c"},
      {"Space", "@DIV(@MAX(#PIGS),~FloorArea)[2,m²,Floor space per pig]",
       [](D d) { return PerPig(d.floor_area, d.pigs); },
       "~FloorArea is a site constant: the key FloorArea in the airspace's section of site.ini"},
  };
  return items;
}

const std::vector<ChartSeriesItem>& TemplateChartSeries() {
  static const std::vector<ChartSeriesItem> items = {
      {"Temp_In", "#TEMP[0,2,Left,10]", "The legend shows the name up to the first \"_\""},
      {"Target", "#TARGET[0,1,Left,11]"},
      {"Outside", "OUTTEMP[0,1,Left,14]"},
      {"RH", "#RH[0,1,Right,3]"},
      {"Inside_Day", "@DAILYMEAN(#TEMP)[0,2,Left,2]"},
      {"Target_Day", "@DAILYMEAN(#TARGET)[0,1,Left,6]"},
      {"Fahrenheit_Temp", "@LINEAR(#TEMP,0,32,100,212)[0,1,Right,8]", "Two points of a line: 0 °C is 32 °F, 100 °C is 212 °F"},
      {"THI", "@SUM(@LINEAR(#TEMP,0.8,46.4),@MULT(@DIV(100,#RH),@MINUS(#TEMP,14.4)))[0,1,Left,2]"},
      {"Heater", "#HEAT[1,2,Left,5]"},
      {"Fall_Temp", "@NEGCHANGE(#TEMP)[1,2,Right,10]", "How far the temperature fell since the row before"},
      {"Vent", "#VENT[0,1,Left,4]"},
      {"Air", "%#STAGE[0,2,Right,1]"},
      {"Water_Rate", "@DIV(@DIV(3600,Interval),^#WATER)[0,1,Left,14]",
       "Litres a quarter hour divided by Interval/3600 (a quarter of an hour): litres an hour"},
      {"Daily_Water", "@DAILYTOT(^#WATER)[0,2,Right,3]"},
      {"Feed_Rate", "@DIV(Interval,@MULT(3.6,^^#FEED))[0,1,Left,2]", "Grams a row x 3.6 / Interval: kg an hour"},
      {"Daily_Feed", "@DIV(1000,@DAILYTOT(^^#FEED))[0,2,Right,4]"},
      {"Pigs", "#PIGS[0,2,Left,11]"},
      {"Losses", "@CHANGE(5,#PIGS)[1,4,Right,10,GF_DOLOSSES]"},
      {"Wind", "WINDSPD[0,1,Left,3]"},
      {"From_Dir", "WINDDIR[0,1,Right,12,GF_DODIRECTION]",
       "GF_DODIRECTION draws arrows along the top of the pane from a series of degrees"},
      {"Towards_Dir", "@MOD(360,@PLUS(WINDDIR,180))[0,1,Right,8]", "Where the wind blows to: (direction + 180) mod 360"},
      {"Mean_Outside", "@DAILYMEAN(OUTTEMP)[0,2,Left,2]"},
      {"RH_Outside", "OUTRH[0,1,Right,3]"},
  };
  return items;
}

const std::vector<ReportColumnItem>& SiteReportColumns() {
  static const std::vector<ReportColumnItem> items = {
      {"Temp_Probes", "@AVE(@COMBINE(#TEMP,#TEMPB))[1,°C,Mean of both probes (one alone while the other is out)]"},
      {"ProbeDiff", "@MINUS(@AVE(#TEMPB),@AVE(#TEMP))[1,°C,Second probe above the first]"},
  };
  return items;
}

const std::vector<ChartSeriesItem>& SiteChartSeries() {
  static const std::vector<ChartSeriesItem> items = {
      {"Probe_A", "#TEMP[0,1,Left,10]"},
      {"Probe_B", "#TEMPB[0,1,Left,14]"},
      {"Probe_Mean", "@COMBINE(#TEMP,#TEMPB)[0,2,Left,11]", "@COMBINE averages whichever probes have a reading"},
  };
  return items;
}

const std::vector<ChartView>& ChartViews() {
  static const std::vector<ChartView> views = {
      {"Climate",
       "Fixed limits on the first pane (10 to 35 °C, 20 to 100 %), automatic on the others",
       {{"Temperature", "Temperature,°C,Humidity,%,45,-10,35,20,100", "Temp_In,Target,Outside,RH",
         "Inside against target and outside; humidity on the right"},
        {"Daily", "Daily mean,°C,Fahrenheit,°F,30", "Inside_Day,Target_Day,Fahrenheit_Temp",
         "Daily means; the right axis gives the inside temperature in Fahrenheit"},
        {"Stress", "THI,,NoTitle,,25", "THI", "Temperature-humidity index: above 75 the pigs feel the heat"}}},
      {"Consumption",
       "Hourly rates with the day's running total; bars where pigs were lost",
       {{"Water", "Water,l/h,Per day,l,35", "Water_Rate,Daily_Water", "Water an hour, and the day's total"},
        {"Feed", "Feed,kg/h,Per day,kg,35", "Feed_Rate,Daily_Feed", "Feed an hour, and the day's total"},
        {"Pigs", "Pigs,,Losses,pigs,30,0,,0,10", "Pigs,Losses", "Pigs in the room; bars where pigs were lost"}}},
      {"Air",
       "",
       {{"Ventilation", "Ventilation,%,Fan capacity,m³/h,40,0,100", "Vent,Air",
         "Ventilation, and the capacity of the fans running at that stage"},
        {"Heater", "Heater,%,Fall,K,30,0,100", "Heater,Fall_Temp",
         "Heater output; bars where the temperature fell in a quarter hour"},
        {"Inside", "Temperature,°C,Humidity,%,30", "Temp_In,Target,RH", ""}}},
      {"Weather",
       "The weather station is shared by every airspace",
       {{"Wind", "Wind speed,m/s,From,°,35,0,,0,360", "Wind,From_Dir", "Wind speed; arrows point where the wind comes from"},
        {"Towards", "Wind speed,m/s,Towards,°,25,0,,0,360", "Wind,Towards_Dir", ""},
        {"Outside", "Temperature,°C,Humidity,%,40,,,0,100", "Outside,Mean_Outside,RH_Outside",
         "Outside temperature with its daily mean, and humidity"}}},
      {"Probes",
       "The nursery's two temperature probes",
       {{"Probes", "Temperature,°C,NoTitle,,60", "Probe_A,Probe_B,Probe_Mean",
         "Both probes and their mean; the mean carries on while one probe is out"},
        {"Heater", "Heater,%,NoTitle,,40,0,100", "Heater", ""}}},
  };
  return views;
}

std::string_view HouseReportCols() {
  return "Pigs,Deaths,Temp,TempLow,TempHigh,TempSD,Target,Diff,RH,Outside,Heater_Hours,Vent,Air,AirPig,"
         "Water_Daily,WaterPig,Feed_Daily,FeedPig,Ratio,THI,Space";
}

std::string_view NurseryReportCols() {
  return "Pigs,Deaths,Temp_Probes,ProbeDiff,TempLow,TempHigh,Target,Diff,RH,Heater_Hours,Vent,Air,"
         "Water_Daily,WaterPig,Feed_Daily,FeedPig,Space";
}

std::string_view HouseCharts() { return "Climate,Consumption,Air,Weather"; }
std::string_view NurseryCharts() { return "Climate,Probes,Consumption,Air"; }

std::vector<const ReportColumnItem*> ColumnsOf(std::string_view report_cols) {
  std::vector<const ReportColumnItem*> columns;
  for (const std::string& name : SplitText(report_cols, ',')) {
    const ReportColumnItem* found = nullptr;
    for (const auto* list : {&SiteReportColumns(), &TemplateReportColumns()})
      for (const ReportColumnItem& item : *list)
        if (!found && IEquals(item.name, name)) found = &item;
    if (!found) throw std::logic_error("report column " + name + " is not defined");
    columns.push_back(found);
  }
  return columns;
}

std::string TemplateText() {
  IniText ini;
  ini.Comment("Stallminder template: the report columns and chart series of every site in this")
      .Comment("Main Logging Directory that has no smt.dat of its own. A site's site.ini names")
      .Comment("the columns and charts each airspace shows, and may define or override items.")
      .Comment("")
      .Comment("In an expression, #NAME puts the airspace's code before NAME (#TEMP is H1TEMP in")
      .Comment("House 1), ^NAME reads a meter as the amount used in each row (^^NAME for meters")
      .Comment("that move more than 990 a row), %NAME maps the readings through a lookup table")
      .Comment("of smcdata, and ~NAME is a site constant kept in the airspace's section of")
      .Comment("site.ini. Interval is the row length in seconds (900).");
  ini.Section("Report Columns")
      .Comment("name=expression[decimals,units,description,low,high,model name]")
      .Comment("A report day is 96 quarter-hour rows: @AVE, @MIN, @MAX and @TOTAL work over the day.");
  for (const ReportColumnItem& c : TemplateReportColumns()) {
    if (!c.note.empty()) ini.Comment(c.note);
    ini.Key(c.name, c.definition);
  }
  ini.Section("Chart Series")
      .Comment("name=expression[type (0 line, 1 bar),width,axis (Left or Right),colour 0-14,special]")
      .Comment("A chart evaluates each quarter-hour row; @DAILYMEAN and @DAILYTOT give the day's figure.");
  for (const ChartSeriesItem& s : TemplateChartSeries()) {
    if (!s.note.empty()) ini.Comment(s.note);
    ini.Key(s.name, s.definition);
  }
  return ini.Text();
}

}  // namespace sm::demo
