// The program's folders: program folder, desktop data folder, Main Logging
// Directory and the temporary folder.
#pragma once

#include <string>

#include "core/ini_reg.h"
#include "core/ui_host.h"

namespace sm {

// Where the program looks for its folders and settings. FromProcess reads
// the environment; tests fill one in by hand.
struct Environment {
  std::string registry_path;     // registry.ini
  std::string data_home;         // $XDG_DATA_HOME or ~/.local/share
  std::string desktop_folder;    // $STALLMINDER_DESKTOP, the XDG desktop, or ~/Desktop
  std::string temp_folder;       // $TMPDIR or /tmp
  std::string program_folder;    // folder of the running executable, with "/"

  static Environment FromProcess();
};

struct ProgramFolders {
  std::string program;       // with trailing "/"
  std::string desktop_data;  // desktop + "/orvex data/"
  std::string main_log_dir;  // with trailing "/"
  std::string temp;          // with trailing "/"
};

// The default Main Logging Directory: <data home>/stallminder/Data.
std::string DefaultMainLogDir(const Environment& env);

// The desktop data folder: desktop + "/orvex data/".
std::string DesktopDataFolder(const Environment& env);
// The desktop data folder, created when missing; a failure shows the
// warning "Cannot create Orvex Data directory on Desktop" and goes on.
std::string EstablishDesktopDataFolder(const Environment& env, UiHost& ui);

// The Main Logging Directory from MainLogDir (default created when missing).
// A stored folder that is missing and cannot be created is asked for until
// an existing or creatable one is given, which is then stored.
std::string EstablishMainLogDir(TIniReg& settings, UiHost& ui, const std::string& default_dir);

// Copies a file dropped into `from_folder` into `to_folder`, replacing any
// there, and removes the dropped copy only when the copy succeeded.
bool MoveDroppedFile(const std::string& from_folder, const std::string& name, const std::string& to_folder);

// Creates a new empty file "smt..." in the folder and returns its path.
std::string NewTempFileName(const std::string& temp_folder);

// Folder of the running executable, with trailing "/".
std::string RunningProgramFolder();

}  // namespace sm
