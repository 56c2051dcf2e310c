// The values under the Settings key: names, types and defaults.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ini_reg.h"

namespace sm {

enum class SettingType { Text, Integer, Flag, Float };

struct SettingSpec {
  const char* name;
  SettingType type;
  const char* default_text;  // as written by FormatSetting; MainLogDir's is computed
};

const std::vector<SettingSpec>& SettingsTable();
const SettingSpec* FindSetting(std::string_view name);
const char* SettingTypeName(SettingType type);

// The value of a setting as text (flags as "true"/"false"); the default when
// it is not stored. Throws std::invalid_argument for an unknown name.
std::string ReadSettingText(const TIniReg& settings, std::string_view name, const std::string& main_log_dir_default);
// Stores a value given as text, checked against the setting's type. Throws
// std::invalid_argument for an unknown name or a text of the wrong type.
void WriteSettingText(TIniReg& settings, std::string_view name, std::string_view text);

// The settings that take effect at start.
struct StartupSettings {
  int diag = 0;
  bool old_log_ext = false;
  bool add_log_src = false;
  std::string nodax_exe = "\\Nodax\\NodaxXP.exe";
  std::string auto_printer = "No AutoPrinter Set";
  bool iso_formatting = false;
  bool smr = true;
  bool use_log_time = false;
  int gmt_offset = 0;
  bool print_landscape = true;
  int report_interval = 900;
  std::string ras_service;
  bool use_ras = false;

  static StartupSettings Read(const TIniReg& settings);
};

}  // namespace sm
