#include "logdata/csv_import.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

#include "core/files.h"
#include "core/ini_file.h"
#include "core/text.h"
#include "logdata/csv_data.h"
#include "logdata/data_writer.h"
#include "logdata/site_description.h"

namespace sm {
namespace {

CsvTable ReadExportCsv(const std::string& path) {
  CsvTable table;
  try {
    table = ParseCsvData(ReadFileBytes(path));
  } catch (const CsvError& e) {
    throw std::runtime_error(path + ":" + std::to_string(e.line()) + ": " + e.what());
  }
  if (table.layout != CsvLayout::Export)
    throw std::runtime_error(path + ":1: the header must begin with DATE,TIME");
  return table;
}

std::string FolderName(const std::string& folder) {
  std::string f = folder;
  while (f.size() > 1 && f.back() == '/') f.pop_back();
  return FileNameOf(f);
}

// site.ini's ProcID, written when the file or the key is missing.
std::string ResolveProcId(const std::string& site_folder, const CsvImportOptions& options, IniFile& site_ini,
                          bool& site_ini_changed) {
  std::string stored = site_ini.ReadString("Site", "ProcID");
  if (!stored.empty()) {
    if (options.proc_id && *options.proc_id != stored)
      throw std::runtime_error("site.ini names ProcID " + stored + ", not " + *options.proc_id);
    return stored;
  }
  std::string proc_id = options.proc_id ? *options.proc_id : FolderName(site_folder);
  if (proc_id.empty()) throw std::runtime_error("no ProcID for " + site_folder);
  site_ini.WriteString("Site", "ProcID", proc_id);
  site_ini_changed = true;
  return proc_id;
}

struct SiteDescriptionFile {
  std::string path;
  std::string text;  // as found; extended by appending lines
  SiteDescription site;
  bool exists = false;
};

SiteDescriptionFile ReadDescription(const std::string& path) {
  SiteDescriptionFile d{path, {}, {}, FileExists(path)};
  if (!d.exists) return d;
  d.text = ReadFileBytes(path);
  std::vector<LineProblem> problems;
  d.site = ParseSiteDescription(d.text, problems);
  if (!problems.empty())
    throw std::runtime_error(path + ":" + std::to_string(problems[0].line) + ": " + problems[0].what);
  return d;
}

int KindFor(const CsvImportOptions& options, const std::string& name) {
  for (const auto& [n, ldt] : options.kinds)
    if (n == name) return ldt;
  return 0;
}

// The identifier of each column: an existing series of that name, or a new
// series whose identifier is its name.
std::vector<std::string> ColumnIds(const CsvTable& table, SiteDescriptionFile& d, const CsvImportOptions& options,
                                   std::vector<SeriesDescription>& added) {
  std::vector<std::string> ids;
  for (const std::string& name : table.names) {
    auto known = std::find_if(d.site.series.begin(), d.site.series.end(),
                              [&](const SeriesDescription& s) { return IEquals(s.name, name); });
    if (known != d.site.series.end()) {
      ids.push_back(known->id);
      continue;
    }
    if (name.size() > kMaxSeriesIdBytes) throw std::runtime_error("series name too long for an identifier: " + name);
    auto clash = std::find_if(d.site.series.begin(), d.site.series.end(),
                              [&](const SeriesDescription& s) { return s.id == name; });
    if (clash != d.site.series.end())
      throw std::runtime_error("new series " + name + " would take the identifier of series " + clash->name);
    SeriesDescription s{name, name, KindFor(options, name), ""};
    d.site.series.push_back(s);
    added.push_back(s);
    ids.push_back(name);
  }
  for (size_t a = 0; a < ids.size(); ++a)
    for (size_t b = a + 1; b < ids.size(); ++b)
      if (ids[a] == ids[b])
        throw std::runtime_error("columns " + table.names[a] + " and " + table.names[b] + " are the same series");
  return ids;
}

// The table's rows as records at UTC times, ascending; of two lines at one
// time the later wins.
DataRecords ToRecords(const CsvTable& table, const std::vector<std::string>& ids, LogMillis to_utc) {
  std::vector<size_t> order(table.RowCount());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return table.times[a] < table.times[b]; });
  DataRecords r;
  const size_t width = ids.size();
  for (const std::string& id : ids) r.columns.push_back({id, {}, {}});
  for (size_t k = 0; k < order.size(); ++k) {
    const size_t row = order[k];
    const int64_t t = MillisToUnixSeconds(table.times[row] - to_utc);
    const bool same_time = !r.times.empty() && r.times.back() == t;
    if (!same_time) {
      r.times.push_back(t);
      for (DataColumn& c : r.columns) {
        c.values.push_back(0);
        c.present.push_back(0);
      }
    }
    for (size_t c = 0; c < width; ++c) {
      if (!table.present[row * width + c]) continue;
      r.columns[c].values.back() = table.values[row * width + c];
      r.columns[c].present.back() = 1;
    }
  }
  return r;
}

}  // namespace

CsvImportResult ImportCsvFile(const std::string& csv_path, const std::string& site_folder,
                              const CsvImportOptions& options) {
  CsvTable table = ReadExportCsv(csv_path);
  for (const auto& [name, ldt] : options.kinds) {
    if (std::find(table.names.begin(), table.names.end(), name) == table.names.end())
      throw std::runtime_error("--kind names " + name + ", which is not a series of " + csv_path);
    if (ldt < 0 || ldt > 255) throw std::runtime_error("LDT byte of " + name + " must be 0 to 255");
  }

  const std::string folder = WithTrailingSlash(site_folder);
  IniFile site_ini(folder + "site.ini");
  bool site_ini_changed = !site_ini.Exists();
  CsvImportResult result;
  result.proc_id = ResolveProcId(folder, options, site_ini, site_ini_changed);

  SiteDescriptionFile d = ReadDescription(folder + result.proc_id + ".ste");
  if (!d.exists) {
    d.site.logger_name = result.proc_id;
    d.site.utc_offset_hours = options.utc_offset_hours.value_or(0);
  } else if (options.utc_offset_hours && *options.utc_offset_hours != d.site.utc_offset_hours) {
    throw std::runtime_error(d.path + " gives UTC offset " + FormatOffsetHours(d.site.utc_offset_hours) +
                             ", not " + FormatOffsetHours(*options.utc_offset_hours));
  }
  std::vector<SeriesDescription> added;
  std::vector<std::string> ids = ColumnIds(table, d, options, added);
  const LogMillis to_utc = options.local_times ? HoursToMillis(d.site.utc_offset_hours) : 0;
  DataRecords records = ToRecords(table, ids, to_utc);

  if (!CreateDirectories(folder)) throw std::runtime_error("Cannot create folder " + folder);
  DataWritePlan plan = PlanDataWrite(folder, result.proc_id, records);

  if (site_ini_changed) site_ini.Save();
  if (!d.exists) {
    WriteFileAtomically(d.path, FormatSiteDescription(d.site));
  } else if (!added.empty()) {
    std::string text = d.text;
    if (!text.empty() && text.back() != '\n') text += "\r\n";
    for (const SeriesDescription& s : added) text += FormatSeriesLine(s) + "\r\n";
    WriteFileAtomically(d.path, text);
  }
  ApplyDataWritePlan(folder, plan);
  result.records = records.RecordCount();
  result.new_series = added.size();
  result.files_written = plan.writes.size();
  return result;
}

}  // namespace sm
