#include "logdata/data_export.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_map>

#include "core/files.h"
#include "core/text.h"
#include "logdata/general_text.h"
#include "logdata/log_time.h"

namespace sm {

namespace {

// Text is handed on in pieces of about this size.
constexpr size_t kPieceBytes = 1 << 18;

}  // namespace

void ExportData(TLogMgr& mgr, const ExportOptions& options, const ExportSink& sink, const ExportProgress& progress) {
  const int n = mgr.Width();
  if (n <= 0) throw std::runtime_error("No data");
  if (options.interval < 1) throw std::runtime_error("The interval must be at least one second");

  std::vector<uint8_t> status(static_cast<size_t>(n), 128);
  std::vector<size_t> columns;
  std::string out = "DATE,TIME";
  if (options.site_column) out += ",SITE";
  for (int i = 0; i < n; ++i) {
    if (static_cast<size_t>(i) >= options.ticked.size() || !options.ticked[i]) continue;
    status[i] = 0;
    columns.push_back(static_cast<size_t>(i));
    out += "," + mgr.SeriesName(i);
  }
  std::vector<double> values(static_cast<size_t>(n), 0.0);

  const TDateTime start = static_cast<double>(RoundHalfEven(options.start_date));
  const TDateTime end = static_cast<double>(RoundHalfEven(options.end_date + 1));
  const double span = end - start;
  mgr.InitExpansion(options.interval, values, status, start);
  out.reserve(kPieceBytes + 4096);

  std::string site_field = options.site_column ? "," + *options.site_column : std::string();
  double date_of_text = -1;
  std::string date_text;
  // Rows repeat the same times of day: each time's text is made once.
  std::unordered_map<int64_t, std::string> time_texts;
  std::vector<char> line;
  for (TDateTime t = start;;) {
    if (progress && span > 0) progress(static_cast<int>(Truncate((t - start) * 100 / span)));
    out += "\r\n";
    t = mgr.NextRow();
    if (t >= end) break;
    // The date changes once a day; the time every row.
    if (DateOf(t) != date_of_text) {
      date_of_text = DateOf(t);
      date_text = DateToStr(t, options.date_formats);
    }
    auto [time_text, added] = time_texts.try_emplace(ToLogMillis(t) % kMillisPerDay);
    if (added) time_text->second = TimeToStr(t, options.date_formats);
    // The line is built in place and added whole.
    line.resize(date_text.size() + time_text->second.size() + site_field.size() + 1 +
                columns.size() * (kGeneralTextMax + 1));
    char* p = line.data();
    p = std::copy(date_text.begin(), date_text.end(), p);
    *p++ = ',';
    p = std::copy(time_text->second.begin(), time_text->second.end(), p);
    p = std::copy(site_field.begin(), site_field.end(), p);
    for (size_t i : columns) {
      *p++ = ',';
      if (status[i] == 1) p = WriteGeneral(p, values[i], options.decimal_separator);
    }
    out.append(line.data(), static_cast<size_t>(p - line.data()));
    if (out.size() >= kPieceBytes) {
      sink(out);
      out.clear();
    }
  }
  sink(out);
}

std::string ExportData(TLogMgr& mgr, const ExportOptions& options, const ExportProgress& progress) {
  std::string text;
  // About seven characters a field: one allocation instead of many.
  const double days = static_cast<double>(RoundHalfEven(options.end_date + 1) - RoundHalfEven(options.start_date));
  if (days > 0 && options.interval > 0) {
    const double fields = static_cast<double>(std::count(options.ticked.begin(), options.ticked.end(), true));
    text.reserve(static_cast<size_t>(std::min(days * 86400 / options.interval * (30 + 7 * fields), 1e9)));
  }
  ExportData(mgr, options, [&text](std::string_view piece) { text.append(piece); }, progress);
  return text;
}

void ExportDataToFile(TLogMgr& mgr, const ExportOptions& options, const std::string& folder,
                      const std::string& file_name, const ExportProgress& progress) {
  std::string text = ExportData(mgr, options, progress);
  if (!CreateDirectoryOneLevel(folder)) throw std::runtime_error("Cannot create folder " + folder);
  WriteFileAtomically(WithTrailingSlash(folder) + file_name, text);
}

}  // namespace sm

