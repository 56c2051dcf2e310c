// The program-wide state, owned by main() or by a test and passed by
// reference. Two contexts in one process never see each other.
#pragma once

#include <memory>
#include <string>

#include "core/clock.h"
#include "core/command_line.h"
#include "core/error_log.h"
#include "core/folders.h"
#include "core/formats.h"
#include "core/ini_file.h"
#include "core/ini_reg.h"
#include "core/settings.h"
#include "core/stored_status.h"
#include "core/ui_host.h"

namespace sm {

class RangeLoadState;  // logdata/range_load_state.h
class TFtpByHttp;      // download/ftp_by_http.h

class AppContext {
 public:
  AppContext(UiHost& ui, const Clock& clock, Environment env);
  ~AppContext();
  AppContext(const AppContext&) = delete;
  AppContext& operator=(const AppContext&) = delete;

  UiHost& ui;
  const Clock& clock;
  const Environment env;

  FormatState formats;
  ProgramFolders folders;
  CommandLine command_line;
  StartupSettings startup;
  bool version_changed = false;  // the program's version differs from the stored one

  std::unique_ptr<TIniReg> settings;
  TStoredStatus stored_status;
  std::unique_ptr<TErrorLog> error_log;
  std::unique_ptr<IniFile> global_template;  // smt.dat of the Main Logging Directory

  // Where the program is, for error-log lines: set when a site opens and an
  // airspace becomes current.
  TErrorLog::Location log_location;

  // Objects of the layers above core are declared here and defined there;
  // they are held by shared_ptr so this header needs only their names.
  std::shared_ptr<RangeLoadState> range_load;  // RangeLoad(ctx) in logdata
  std::shared_ptr<TFtpByHttp> http;  // CreateHttpClient(ctx) in download, at start-up

  bool first_idle_check_pending = false;
  bool auto_print_pending = false;

  TDateTime Today() const { return clock.Today(); }
  int CurrentYear() const;
  // A short-lived accessor for one section of the settings store.
  TIniReg Section(const std::string& name) const { return TIniReg(env.registry_path, name); }
};

// Records a failure the program survives: logged with its severity tag; shown
// in a message box as well when there is no log or severity is 200 or more.
void ReportError(AppContext& ctx, const std::string& message, int severity);

// A message with a check box ("Stallminder Message"); answers the box.
bool ShowCheckMessage(AppContext& ctx, const std::string& message, const std::string& check_caption, bool checked);

}  // namespace sm
