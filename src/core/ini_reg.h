// The settings store: one file, registry.ini, holding a section per key
// path under the program's base key ("[Settings]", "[Sites\Demo1]").
// Values keep their type: "Name=sz:text", "Name=dword:12", "Name=double:1.5".
// Every operation reads the file and every write replaces it atomically;
// nothing is cached between operations.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sm {

// Where registry.ini lives: $STALLMINDER_REGISTRY, else
// $XDG_CONFIG_HOME/stallminder/registry.ini, else ~/.config/stallminder/registry.ini.
std::string DefaultRegistryPath();

class TIniReg {
 public:
  // Opens the key path base + section; the key is created when missing.
  // Writes throw std::runtime_error with the path when the file cannot be
  // written.
  TIniReg(std::string registry_path, std::string section);

  const std::string& Section() const { return section_; }
  const std::string& RegistryPath() const { return path_; }

  // Names of the direct subkeys of the section.
  std::vector<std::string> KeyNames() const;
  std::vector<std::string> ValueNames() const;
  bool ValueExists(std::string_view name) const;
  // Deletes a subkey with everything under it.
  void DeleteKey(std::string_view subkey);
  void DeleteValue(std::string_view name);

  // Reads answer the default when the value is missing or of another type.
  std::string ReadString(std::string_view name, std::string_view fallback) const;
  int ReadInteger(std::string_view name, int fallback) const;
  bool ReadBool(std::string_view name, bool fallback) const;
  double ReadFloat(std::string_view name, double fallback) const;

  void WriteString(std::string_view name, std::string_view value);
  void WriteInteger(std::string_view name, int value);
  void WriteBool(std::string_view name, bool value);
  void WriteFloat(std::string_view name, double value);

 private:
  std::string ReadTyped(std::string_view name, std::string_view type, bool& found) const;
  void WriteTyped(std::string_view name, std::string_view type, std::string_view value);

  std::string path_;
  std::string section_;
};

}  // namespace sm
