// Ini files: [sections] of key=value lines. Section and key names compare
// without regard to ASCII case; keys keep file order; lines that are not
// key=value (comments, broken lines) are kept as they are on rewrite.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sm {

class IniFile {
 public:
  IniFile() = default;
  // Reads the file when it exists; a file that cannot be read leaves the
  // object empty (the path is kept for Save).
  explicit IniFile(std::string path);
  static IniFile FromText(std::string_view text, std::string path = {});

  const std::string& Path() const { return path_; }
  bool Exists() const { return exists_; }

  bool SectionExists(std::string_view section) const;
  bool ValueExists(std::string_view section, std::string_view key) const;
  std::vector<std::string> Sections() const;
  // Key names of a section in file order.
  std::vector<std::string> Keys(std::string_view section) const;
  std::vector<std::pair<std::string, std::string>> Values(std::string_view section) const;
  // Every non-empty line of a section as written (for list-like sections).
  std::vector<std::string> SectionLines(std::string_view section) const;

  std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback = {}) const;
  // A value that is not a whole number answers the fallback.
  long long ReadInteger(std::string_view section, std::string_view key, long long fallback) const;
  bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;
  double ReadFloat(std::string_view section, std::string_view key, double fallback) const;

  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, long long value);
  void WriteBool(std::string_view section, std::string_view key, bool value);
  void WriteFloat(std::string_view section, std::string_view key, double value);
  void DeleteKey(std::string_view section, std::string_view key);
  void EraseSection(std::string_view section);
  // Makes sure the section exists (an empty one is written as its header).
  void AddSection(std::string_view section);

  std::string ToText() const;  // CR LF line ends
  // Writes the whole file atomically; throws std::runtime_error with the path.
  void Save() const;
  void SaveAs(const std::string& path) const;

 private:
  struct Line {
    std::string key;  // empty for a raw line
    std::string value;
    std::string raw;
  };
  struct Section {
    std::string name;
    std::vector<Line> lines;
  };

  void Parse(std::string_view text);
  const Section* Find(std::string_view section) const;
  Section* Find(std::string_view section);
  Section& FindOrAdd(std::string_view section);
  const Line* FindKey(std::string_view section, std::string_view key) const;

  std::string path_;
  bool exists_ = false;
  std::vector<std::string> preamble_;
  std::vector<Section> sections_;
};

}  // namespace sm
