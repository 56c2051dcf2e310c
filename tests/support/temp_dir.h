// A fresh folder under the system's temporary folder, removed afterwards.
#pragma once

#include <string>
#include <string_view>

namespace sm::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }  // no trailing "/"
  std::string operator/(std::string_view name) const { return path_ + "/" + std::string(name); }
  // Writes a file (parents created) and returns its path.
  std::string Write(std::string_view name, std::string_view bytes) const;

 private:
  std::string path_;
};

std::string Slurp(const std::string& path);

}  // namespace sm::test
