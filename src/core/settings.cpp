#include "core/settings.h"

#include <cstdint>
#include <cstdio>
#include <stdexcept>

#include "core/text.h"

namespace sm {

const std::vector<SettingSpec>& SettingsTable() {
  using T = SettingType;
  static const std::vector<SettingSpec> table = {
      {"MainLogDir", T::Text, ""},
      {"ProgDir", T::Text, ""},
      {"Diag", T::Integer, "0"},
      {"OldLogExt", T::Flag, "false"},
      {"AddLogSrc", T::Flag, "false"},
      {"NodaxExe", T::Text, "\\Nodax\\NodaxXP.exe"},
      {"AutoPrinter", T::Text, "No AutoPrinter Set"},
      {"ISOFormatting", T::Flag, "false"},
      {"Smr", T::Flag, "true"},
      {"UseLogTime", T::Flag, "false"},
      {"GMTOffset", T::Integer, "0"},
      {"PrintLandscape", T::Flag, "true"},
      {"ReportInterval", T::Integer, "900"},
      {"Version", T::Text, ""},
      {"RasService", T::Text, ""},
      {"UseRAS", T::Flag, "false"},
      {"CrossHairOn", T::Flag, "true"},
      {"TopMargin", T::Text, "0"},
      {"LeftMargin", T::Text, "0"},
      {"BottomMargin", T::Text, "0"},
      {"RightMargin", T::Text, "0"},
      {"MenuStyle", T::Integer, "0"},
      {"HTTPTimeOut", T::Integer, "20"},
      {"HTTPGetRetries", T::Integer, "5"},
      {"ProxyServer", T::Text, ""},
      {"ProxyPort", T::Integer, "8080"},
      {"ProxyAuth", T::Flag, "false"},
      {"ProxyUser", T::Text, ""},
      {"ProxyPwd", T::Text, ""},
      {"SiteName", T::Text, ""},
      {"Airspace", T::Text, ""},
      {"ShowReport", T::Flag, "true"},
      {"ViewEnd", T::Float, ""},
      {"ViewDays", T::Integer, "7"},
      {"IsBatch", T::Flag, "false"},
      {"ChartList", T::Text, ""},
      {"ShowDLWarning", T::Flag, "true"},
      {"SMServerVersion", T::Integer, "0"},
      {"LastDownloadedSMVersion", T::Integer, "0"},
      {"SitesFolder", T::Text, ""},
      {"UserN", T::Text, "YoegNzls"},
      {"UserP", T::Text, "guestpass"},
  };
  return table;
}

const SettingSpec* FindSetting(std::string_view name) {
  for (const auto& setting : SettingsTable())
    if (IEquals(setting.name, name)) return &setting;
  return nullptr;
}

const char* SettingTypeName(SettingType type) {
  switch (type) {
    case SettingType::Text: return "text";
    case SettingType::Integer: return "integer";
    case SettingType::Flag: return "flag";
    case SettingType::Float: return "float";
  }
  return "";
}

namespace {

const SettingSpec& RequireSetting(std::string_view name) {
  const SettingSpec* setting = FindSetting(name);
  if (!setting) throw std::invalid_argument("unknown setting \"" + std::string(name) + "\"");
  return *setting;
}

}  // namespace

std::string ReadSettingText(const TIniReg& settings, std::string_view name, const std::string& main_log_dir_default) {
  const SettingSpec& setting = RequireSetting(name);
  switch (setting.type) {
    case SettingType::Text: {
      std::string fallback = IEquals(setting.name, "MainLogDir") ? main_log_dir_default : setting.default_text;
      return settings.ReadString(setting.name, fallback);
    }
    case SettingType::Integer: {
      long long fallback = 0;
      TryParseInt(setting.default_text, fallback);
      return std::to_string(settings.ReadInteger(setting.name, static_cast<int>(fallback)));
    }
    case SettingType::Flag:
      return settings.ReadBool(setting.name, std::string_view(setting.default_text) == "true") ? "true" : "false";
    case SettingType::Float: {
      if (!settings.ValueExists(setting.name)) return setting.default_text;
      char buf[40];
      std::snprintf(buf, sizeof buf, "%.17g", settings.ReadFloat(setting.name, 0));
      return buf;
    }
  }
  return {};
}

void WriteSettingText(TIniReg& settings, std::string_view name, std::string_view text) {
  const SettingSpec& setting = RequireSetting(name);
  auto wrong = [&] {
    return std::invalid_argument("setting " + std::string(setting.name) + " takes " + SettingTypeName(setting.type) +
                                 " values, not \"" + std::string(text) + "\"");
  };
  switch (setting.type) {
    case SettingType::Text:
      settings.WriteString(setting.name, text);
      return;
    case SettingType::Integer: {
      long long value;
      if (!TryParseInt(text, value) || value < INT32_MIN || value > INT32_MAX) throw wrong();
      settings.WriteInteger(setting.name, static_cast<int>(value));
      return;
    }
    case SettingType::Flag: {
      std::string t = ToLowerAscii(Trim(text));
      if (t == "true" || t == "1" || t == "yes") settings.WriteBool(setting.name, true);
      else if (t == "false" || t == "0" || t == "no") settings.WriteBool(setting.name, false);
      else throw wrong();
      return;
    }
    case SettingType::Float: {
      double value;
      if (!TryParseDouble(text, value)) throw wrong();
      settings.WriteFloat(setting.name, value);
      return;
    }
  }
}

StartupSettings StartupSettings::Read(const TIniReg& s) {
  StartupSettings r;
  r.diag = s.ReadInteger("Diag", 0);
  r.old_log_ext = s.ReadBool("OldLogExt", false);
  r.add_log_src = s.ReadBool("AddLogSrc", false);
  r.nodax_exe = s.ReadString("NodaxExe", r.nodax_exe);
  r.auto_printer = s.ReadString("AutoPrinter", r.auto_printer);
  r.iso_formatting = s.ReadBool("ISOFormatting", false);
  r.smr = s.ReadBool("Smr", true);
  r.use_log_time = s.ReadBool("UseLogTime", false);
  r.gmt_offset = s.ReadInteger("GMTOffset", 0);
  r.print_landscape = s.ReadBool("PrintLandscape", true);
  r.report_interval = s.ReadInteger("ReportInterval", 900);
  r.ras_service = s.ReadString("RasService", "");
  r.use_ras = s.ReadBool("UseRAS", false);
  return r;
}

}  // namespace sm
