#include "logdata/csv_data.h"

#include <charconv>
#include <cmath>
#include <unordered_set>

#include "core/formats.h"
#include "core/text.h"

namespace sm {
namespace {

std::string_view TrimView(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
  return s;
}

// Splits at every comma; fields trimmed. Reuses the vector's storage.
void SplitFields(std::string_view line, std::vector<std::string_view>& fields) {
  fields.clear();
  for (;;) {
    size_t comma = line.find(',');
    fields.push_back(TrimView(line.substr(0, comma)));
    if (comma == std::string_view::npos) return;
    line.remove_prefix(comma + 1);
  }
}

bool ParseNumber(std::string_view text, double& value) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

std::string Quoted(std::string_view s) { return "\"" + std::string(s) + "\""; }

LogMillis ParseDate(std::string_view text, size_t line) {
  auto date = TryStrToDate(text, FixedFormats());
  if (!date || text.size() != 10) throw CsvError(line, "bad date " + Quoted(text) + " (yyyy-mm-dd)");
  return ToLogMillis(*date);
}

LogMillis ParseTime(std::string_view text, size_t line) {
  auto time = TryStrToTime(text, FixedFormats());
  if (!time || text.find_first_not_of("0123456789:") != std::string_view::npos)
    throw CsvError(line, "bad time " + Quoted(text) + " (hh:mm or hh:mm:ss)");
  return ToLogMillis(*time);
}

size_t FirstValueField(const CsvTable& t) {
  if (t.layout == CsvLayout::Model) return 1;
  return t.has_site_column ? 3 : 2;
}

CsvTable HeaderOf(const std::vector<std::string_view>& fields) {
  CsvTable t;
  if (!IEquals(fields[0], "Date")) throw CsvError(1, "the header must begin with Date");
  t.layout = fields.size() > 1 && IEquals(fields[1], "TIME") ? CsvLayout::Export : CsvLayout::Model;
  t.has_site_column = t.layout == CsvLayout::Export && fields.size() > 2 && IEquals(fields[2], "SITE");
  std::unordered_set<std::string_view> seen;
  for (size_t k = FirstValueField(t); k < fields.size(); ++k) {
    if (fields[k].empty()) throw CsvError(1, "empty series name in column " + std::to_string(k + 1));
    if (!seen.insert(fields[k]).second) throw CsvError(1, "series " + Quoted(fields[k]) + " appears twice");
    t.names.emplace_back(fields[k]);
  }
  return t;
}

}  // namespace

CsvTable ParseCsvHeader(std::string_view header_line) {
  std::vector<std::string_view> fields;
  if (!header_line.empty() && header_line.back() == '\r') header_line.remove_suffix(1);
  SplitFields(header_line, fields);
  return HeaderOf(fields);
}

CsvTable ParseCsvData(std::string_view text) {
  std::vector<std::string_view> fields;
  CsvTable t;
  bool have_header = false;
  size_t line_number = 0, first_value = 0, field_count = 0;
  LogMillis first_date = 0;
  while (!text.empty()) {
    size_t lf = text.find('\n');
    std::string_view line = text.substr(0, lf);
    text.remove_prefix(lf == std::string_view::npos ? text.size() : lf + 1);
    ++line_number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (TrimView(line).empty()) continue;
    SplitFields(line, fields);
    if (!have_header) {
      t = HeaderOf(fields);
      have_header = true;
      first_value = FirstValueField(t);
      field_count = first_value + t.names.size();
      continue;
    }
    if (fields.size() != field_count)
      throw CsvError(line_number, "expected " + std::to_string(field_count) + " fields, found " +
                                      std::to_string(fields.size()));
    LogMillis time;
    if (t.layout == CsvLayout::Export) {
      time = ParseDate(fields[0], line_number) + ParseTime(fields[1], line_number);
    } else {
      if (t.times.empty()) first_date = ParseDate(fields[0], line_number);
      time = first_date + static_cast<LogMillis>(t.times.size()) * kMillisPerDay;
    }
    t.times.push_back(time);
    for (size_t k = first_value; k < fields.size(); ++k) {
      double value = 0;
      bool given = !fields[k].empty();
      if (given && !ParseNumber(fields[k], value))
        throw CsvError(line_number, "bad number " + Quoted(fields[k]));
      t.values.push_back(value);
      t.present.push_back(given ? 1 : 0);
    }
  }
  if (!have_header) throw CsvError(1, "empty file");
  return t;
}

}  // namespace sm
