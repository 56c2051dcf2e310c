#include "core/ini_reg.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <stdexcept>

#include "core/files.h"
#include "core/ini_file.h"
#include "core/text.h"

namespace sm {
namespace {

std::string EnvOr(const char* name, std::string fallback) {
  const char* v = std::getenv(name);
  return v && *v ? std::string(v) : fallback;
}

IniFile LoadRegistry(const std::string& path) { return IniFile(path); }

void SaveRegistry(const IniFile& ini, const std::string& path) {
  std::string folder = FolderOf(path);
  if (!folder.empty() && !CreateDirectories(folder))
    throw std::runtime_error("Cannot write the settings file " + path + ": its folder cannot be created");
  try {
    ini.SaveAs(path);
  } catch (const std::exception& e) {
    throw std::runtime_error(std::string("Cannot write the settings file: ") + e.what());
  }
}

std::string DoubleText(double value) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.17g", value);
  return buf;
}

}  // namespace

std::string DefaultRegistryPath() {
  std::string explicit_path = EnvOr("STALLMINDER_REGISTRY", "");
  if (!explicit_path.empty()) return explicit_path;
  std::string config = EnvOr("XDG_CONFIG_HOME", EnvOr("HOME", ".") + "/.config");
  return config + "/stallminder/registry.ini";
}

TIniReg::TIniReg(std::string registry_path, std::string section)
    : path_(std::move(registry_path)), section_(std::move(section)) {
  IniFile ini = LoadRegistry(path_);
  if (ini.SectionExists(section_)) return;
  ini.AddSection(section_);
  try {
    SaveRegistry(ini, path_);
  } catch (const std::exception&) {
    // Reads still answer their defaults; the first write reports the path.
  }
}

std::vector<std::string> TIniReg::KeyNames() const {
  IniFile ini = LoadRegistry(path_);
  std::string prefix = section_ + "\\";
  std::vector<std::string> names;
  std::set<std::string> seen;
  for (const std::string& s : ini.Sections()) {
    if (!IStartsWith(s, prefix) || s.size() == prefix.size()) continue;
    std::string child = s.substr(prefix.size());
    child = child.substr(0, child.find('\\'));
    if (seen.insert(ToLowerAscii(child)).second) names.push_back(child);
  }
  return names;
}

std::vector<std::string> TIniReg::ValueNames() const {
  IniFile ini = LoadRegistry(path_);
  std::vector<std::string> names;
  for (const auto& [key, value] : ini.Values(section_))
    if (value.find(':') != std::string::npos) names.push_back(key);
  return names;
}

bool TIniReg::ValueExists(std::string_view name) const { return LoadRegistry(path_).ValueExists(section_, name); }

void TIniReg::DeleteKey(std::string_view subkey) {
  IniFile ini = LoadRegistry(path_);
  std::string key = section_ + "\\" + std::string(subkey);
  for (const std::string& s : ini.Sections())
    if (IEquals(s, key) || IStartsWith(s, key + "\\")) ini.EraseSection(s);
  SaveRegistry(ini, path_);
}

void TIniReg::DeleteValue(std::string_view name) {
  IniFile ini = LoadRegistry(path_);
  ini.DeleteKey(section_, name);
  SaveRegistry(ini, path_);
}

std::string TIniReg::ReadTyped(std::string_view name, std::string_view type, bool& found) const {
  std::string stored = LoadRegistry(path_).ReadString(section_, name, "");
  std::string prefix = std::string(type) + ":";
  found = IStartsWith(stored, prefix);
  return found ? stored.substr(prefix.size()) : std::string();
}

void TIniReg::WriteTyped(std::string_view name, std::string_view type, std::string_view value) {
  IniFile ini = LoadRegistry(path_);
  ini.WriteString(section_, name, std::string(type) + ":" + std::string(value));
  SaveRegistry(ini, path_);
}

std::string TIniReg::ReadString(std::string_view name, std::string_view fallback) const {
  bool found;
  std::string value = ReadTyped(name, "sz", found);
  return found ? value : std::string(fallback);
}

int TIniReg::ReadInteger(std::string_view name, int fallback) const {
  bool found;
  std::string text = ReadTyped(name, "dword", found);
  long long value;
  if (!found || !TryParseInt(text, value) || value < INT32_MIN || value > UINT32_MAX) return fallback;
  return static_cast<int>(static_cast<int32_t>(static_cast<uint32_t>(value)));
}

bool TIniReg::ReadBool(std::string_view name, bool fallback) const { return ReadInteger(name, fallback ? 1 : 0) != 0; }

double TIniReg::ReadFloat(std::string_view name, double fallback) const {
  bool found;
  std::string text = ReadTyped(name, "double", found);
  double value;
  return found && TryParseDouble(text, value) ? value : fallback;
}

void TIniReg::WriteString(std::string_view name, std::string_view value) {
  // A value is one line; line breaks would split it.
  std::string flat(value);
  for (char& c : flat)
    if (c == '\r' || c == '\n') c = ' ';
  WriteTyped(name, "sz", flat);
}

void TIniReg::WriteInteger(std::string_view name, int value) { WriteTyped(name, "dword", std::to_string(value)); }

void TIniReg::WriteBool(std::string_view name, bool value) { WriteInteger(name, value ? 1 : 0); }

void TIniReg::WriteFloat(std::string_view name, double value) { WriteTyped(name, "double", DoubleText(value)); }

}  // namespace sm
