#include "core/folders.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "core/files.h"
#include "core/text.h"

namespace sm {
namespace {

std::string Env(const char* name) {
  const char* v = std::getenv(name);
  return v ? std::string(v) : std::string();
}

// XDG_DESKTOP_DIR from ~/.config/user-dirs.dirs, as xdg-user-dir reads it.
std::string XdgDesktopFolder(const std::string& home) {
  std::string config = Env("XDG_CONFIG_HOME");
  if (config.empty()) config = home + "/.config";
  try {
    for (const std::string& line : ReadLines(config + "/user-dirs.dirs")) {
      std::string t = Trim(line);
      if (!IStartsWith(t, "XDG_DESKTOP_DIR=")) continue;
      std::string value = t.substr(16);
      if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
      return ReplaceAll(value, "$HOME", home);
    }
  } catch (const std::exception&) {
  }
  return home + "/Desktop";
}

}  // namespace

std::string RunningProgramFolder() {
  char buf[4096];
  ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return "./";
  return FolderOf(std::string(buf, static_cast<size_t>(n)));
}

Environment Environment::FromProcess() {
  Environment env;
  std::string home = Env("HOME");
  if (home.empty()) home = ".";
  env.registry_path = DefaultRegistryPath();
  env.data_home = Env("XDG_DATA_HOME");
  if (env.data_home.empty()) env.data_home = home + "/.local/share";
  env.desktop_folder = Env("STALLMINDER_DESKTOP");
  if (env.desktop_folder.empty()) env.desktop_folder = XdgDesktopFolder(home);
  env.temp_folder = Env("TMPDIR");
  if (env.temp_folder.empty()) env.temp_folder = "/tmp";
  env.program_folder = RunningProgramFolder();
  return env;
}

std::string DefaultMainLogDir(const Environment& env) { return env.data_home + "/stallminder/Data"; }

std::string DesktopDataFolder(const Environment& env) { return WithTrailingSlash(env.desktop_folder) + "orvex data/"; }

std::string EstablishDesktopDataFolder(const Environment& env, UiHost& ui) {
  std::string folder = DesktopDataFolder(env);
  // A machine without a desktop (a server running scheduled prints) has
  // nowhere files could be dropped: no folder and nothing to warn about.
  std::error_code error;
  if (!std::filesystem::exists(env.desktop_folder, error)) return folder;
  if (!DirectoryExists(folder) && !CreateDirectoryOneLevel(folder))
    ui.ShowMessage("Cannot create Orvex Data directory on Desktop", MessageKind::Warning, kButtonOk);
  return folder;
}

std::string EstablishMainLogDir(TIniReg& settings, UiHost& ui, const std::string& default_dir) {
  std::string value = ToNativePath(settings.ReadString("MainLogDir", default_dir));
  if (value == default_dir) CreateDirectories(value);
  if (DirectoryExists(value) || CreateDirectoryOneLevel(value)) return WithTrailingSlash(value);
  for (;;) {
    auto answer = ui.InputBox("Main Logging Directory", "Enter the full path of the Main Logging Directory", value);
    if (!answer) continue;  // cancelling asks again
    value = ToNativePath(*answer);
    if (!value.empty() && (DirectoryExists(value) || CreateDirectoryOneLevel(value))) {
      settings.WriteString("MainLogDir", value);
      return WithTrailingSlash(value);
    }
  }
}

bool MoveDroppedFile(const std::string& from_folder, const std::string& name, const std::string& to_folder) {
  std::string from = JoinPath(from_folder, name);
  if (!FileExists(from)) return false;
  if (!CopyFileReplacing(from, JoinPath(to_folder, name))) return false;
  DeleteFile(from);
  return true;
}

std::string NewTempFileName(const std::string& temp_folder) {
  std::string path = WithTrailingSlash(temp_folder) + "smtXXXXXX";
  int fd = ::mkstemp(path.data());
  if (fd < 0) throw std::runtime_error("Cannot create a temporary file in " + temp_folder);
  ::close(fd);
  return path;
}

}  // namespace sm
