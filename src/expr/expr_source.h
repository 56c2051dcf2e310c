// What expressions are parsed and evaluated against. The airspace provides
// it; tests provide tiny ones.
#pragma once

#include <optional>
#include <string>

namespace sm {

struct TDataSeries;

// A lookup table's series: key (the whole-number part of x) to value, -1
// for a missing key.
class TableLookup {
 public:
  virtual ~TableLookup() = default;
  virtual float ValueAt(double x) const = 0;
};

// The catalogue of logged series, as parsing sees it.
class SeriesCatalogue {
 public:
  virtual ~SeriesCatalogue() = default;
  // Kind code of a catalogued series (ASCII case ignored), nothing when the
  // name is not catalogued.
  virtual std::optional<std::string> KindOf(const std::string& name) const = 0;
};

class ExprSource {
 public:
  virtual ~ExprSource() = default;
  // The airspace's data series of that name (ASCII case ignored), or nullptr.
  virtual TDataSeries* DataSeries(const std::string& name) = 0;
  // The text of a site constant for the current airspace ("1" when unset).
  virtual std::string SiteConstant(const std::string& name) const = 0;
  // The site's lookup-table series of that name, or nullptr.
  virtual const TableLookup* Table(const std::string& name) const = 0;
  // Whole days of the loaded range (1 while a report evaluates one day).
  virtual int NumDays() const = 0;
  // Seconds a row stands for, as the settings give it.
  virtual int ReportInterval() const = 0;
};

}  // namespace sm
