#include "core/ini_file.h"

#include <algorithm>
#include <cstdio>

#include "core/files.h"
#include "core/numbers.h"
#include "core/text.h"

namespace sm {

IniFile::IniFile(std::string path) : path_(std::move(path)) {
  if (!FileExists(path_)) return;
  try {
    Parse(ReadFileBytes(path_));
    exists_ = true;
  } catch (const std::exception&) {
    preamble_.clear();
    sections_.clear();
  }
}

IniFile IniFile::FromText(std::string_view text, std::string path) {
  IniFile ini;
  ini.path_ = std::move(path);
  ini.Parse(text);
  return ini;
}

void IniFile::Parse(std::string_view text) {
  Section* current = nullptr;
  for (std::string& raw : SplitLines(text)) {
    std::string line = Trim(raw);
    if (line.size() >= 2 && line.front() == '[' && line.find(']') != std::string::npos) {
      std::string name = Trim(line.substr(1, line.find(']') - 1));
      sections_.push_back(Section{name, {}});
      current = &sections_.back();
      continue;
    }
    Line entry;
    size_t eq = line.find('=');
    if (eq != std::string::npos && eq > 0 && line[0] != ';' && line[0] != '#') {
      entry.key = Trim(line.substr(0, eq));
      entry.value = Trim(line.substr(eq + 1));
    }
    entry.raw = std::move(raw);
    if (current)
      current->lines.push_back(std::move(entry));
    else
      preamble_.push_back(std::move(entry.raw));
  }
}

const IniFile::Section* IniFile::Find(std::string_view section) const {
  for (const auto& s : sections_)
    if (IEquals(s.name, section)) return &s;
  return nullptr;
}

IniFile::Section* IniFile::Find(std::string_view section) {
  return const_cast<Section*>(static_cast<const IniFile*>(this)->Find(section));
}

IniFile::Section& IniFile::FindOrAdd(std::string_view section) {
  if (Section* s = Find(section)) return *s;
  sections_.push_back(Section{std::string(section), {}});
  return sections_.back();
}

const IniFile::Line* IniFile::FindKey(std::string_view section, std::string_view key) const {
  const Section* s = Find(section);
  if (!s) return nullptr;
  for (const auto& l : s->lines)
    if (!l.key.empty() && IEquals(l.key, key)) return &l;
  return nullptr;
}

bool IniFile::SectionExists(std::string_view section) const { return Find(section) != nullptr; }

bool IniFile::ValueExists(std::string_view section, std::string_view key) const {
  return FindKey(section, key) != nullptr;
}

std::vector<std::string> IniFile::Sections() const {
  std::vector<std::string> names;
  for (const auto& s : sections_) names.push_back(s.name);
  return names;
}

std::vector<std::string> IniFile::Keys(std::string_view section) const {
  std::vector<std::string> keys;
  if (const Section* s = Find(section))
    for (const auto& l : s->lines)
      if (!l.key.empty()) keys.push_back(l.key);
  return keys;
}

std::vector<std::pair<std::string, std::string>> IniFile::Values(std::string_view section) const {
  std::vector<std::pair<std::string, std::string>> values;
  if (const Section* s = Find(section))
    for (const auto& l : s->lines)
      if (!l.key.empty()) values.emplace_back(l.key, l.value);
  return values;
}

std::vector<std::string> IniFile::SectionLines(std::string_view section) const {
  std::vector<std::string> lines;
  if (const Section* s = Find(section))
    for (const auto& l : s->lines)
      if (!Trim(l.raw).empty()) lines.push_back(Trim(l.raw));
  return lines;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const {
  const Line* l = FindKey(section, key);
  return l ? l->value : std::string(fallback);
}

long long IniFile::ReadInteger(std::string_view section, std::string_view key, long long fallback) const {
  const Line* l = FindKey(section, key);
  long long value;
  return l && TryParseInt(l->value, value) ? value : fallback;
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
  return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

double IniFile::ReadFloat(std::string_view section, std::string_view key, double fallback) const {
  const Line* l = FindKey(section, key);
  double value;
  return l && TryParseDouble(l->value, value) ? value : fallback;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  Section& s = FindOrAdd(section);
  std::string raw = std::string(key) + "=" + std::string(value);
  for (auto& l : s.lines)
    if (!l.key.empty() && IEquals(l.key, key)) {
      l.value = std::string(value);
      l.raw = std::move(raw);
      return;
    }
  // New keys go after the last key, before trailing blank lines.
  auto pos = s.lines.end();
  while (pos != s.lines.begin() && Trim((pos - 1)->raw).empty()) --pos;
  s.lines.insert(pos, Line{std::string(key), std::string(value), std::move(raw)});
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, long long value) {
  WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void IniFile::WriteFloat(std::string_view section, std::string_view key, double value) {
  WriteString(section, key, FormatGeneral(value));
}

void IniFile::DeleteKey(std::string_view section, std::string_view key) {
  if (Section* s = Find(section))
    std::erase_if(s->lines, [&](const Line& l) { return !l.key.empty() && IEquals(l.key, key); });
}

void IniFile::EraseSection(std::string_view section) {
  std::erase_if(sections_, [&](const Section& s) { return IEquals(s.name, section); });
}

void IniFile::AddSection(std::string_view section) { FindOrAdd(section); }

std::string IniFile::ToText() const {
  std::string out;
  for (const auto& l : preamble_) out += l + "\r\n";
  for (const auto& s : sections_) {
    out += "[" + s.name + "]\r\n";
    for (const auto& l : s.lines) out += l.raw + "\r\n";
  }
  return out;
}

void IniFile::Save() const { WriteFileAtomically(path_, ToText()); }

void IniFile::SaveAs(const std::string& path) const { WriteFileAtomically(path, ToText()); }

}  // namespace sm
