#include "core/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "core/text.h"

namespace sm {
namespace {

std::runtime_error FileError(const std::string& what, const std::string& path) {
  return std::runtime_error(what + " " + path + ": " + std::strerror(errno));
}

void WriteAll(int fd, std::string_view bytes, const std::string& path) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      throw FileError("Cannot write", path);
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
}

void SyncFolder(const std::string& folder) {
  int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

}  // namespace

bool FileExists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
  struct stat st;
  return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool CreateDirectoryOneLevel(const std::string& path) {
  if (DirectoryExists(path)) return true;
  return ::mkdir(path.c_str(), 0777) == 0 || DirectoryExists(path);
}

bool CreateDirectories(const std::string& path) {
  if (path.empty() || DirectoryExists(path)) return !path.empty();
  std::string trimmed = path;
  while (trimmed.size() > 1 && trimmed.back() == '/') trimmed.pop_back();
  size_t slash = trimmed.rfind('/');
  if (slash != std::string::npos && slash > 0 && !CreateDirectories(trimmed.substr(0, slash))) return false;
  return CreateDirectoryOneLevel(trimmed);
}

std::string ReadFileBytes(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) throw FileError("Cannot open", path);
  std::string bytes;
  char buf[65536];
  for (;;) {
    ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      int saved = errno;
      ::close(fd);
      errno = saved;
      throw FileError("Cannot read", path);
    }
    if (n == 0) break;
    bytes.append(buf, static_cast<size_t>(n));
  }
  ::close(fd);
  return bytes;
}

std::vector<std::string> SplitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  while (!bytes.empty()) {
    size_t lf = bytes.find('\n');
    std::string_view line = bytes.substr(0, lf);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    if (lf == std::string_view::npos) break;
    bytes.remove_prefix(lf + 1);
  }
  return lines;
}

std::vector<std::string> ReadLines(const std::string& path) { return SplitLines(ReadFileBytes(path)); }

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  std::string folder = FolderOf(path);
  std::string temp = (folder.empty() ? std::string("./") : folder) + "." + FileNameOf(path) + ".XXXXXX";
  int fd = ::mkstemp(temp.data());
  if (fd < 0) throw FileError("Cannot write", path);
  try {
    WriteAll(fd, bytes, path);
    if (::fsync(fd) != 0) throw FileError("Cannot write", path);
  } catch (...) {
    ::close(fd);
    ::unlink(temp.c_str());
    throw;
  }
  ::fchmod(fd, 0644);
  ::close(fd);
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    int saved = errno;
    ::unlink(temp.c_str());
    errno = saved;
    throw FileError("Cannot write", path);
  }
  SyncFolder(folder);
}

void WriteLinesAtomically(const std::string& path, const std::vector<std::string>& lines) {
  std::string bytes;
  size_t total = 0;
  for (const auto& l : lines) total += l.size() + 2;
  bytes.reserve(total);
  for (const auto& l : lines) {
    bytes += l;
    bytes += "\r\n";
  }
  WriteFileAtomically(path, bytes);
}

bool CopyFileReplacing(const std::string& from, const std::string& to) {
  try {
    WriteFileAtomically(to, ReadFileBytes(from));
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

bool DeleteFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

bool WildcardMatch(std::string_view text, std::string_view pattern) {
  size_t t = 0, p = 0, star = std::string_view::npos, mark = 0;
  auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
  while (t < text.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || lower(pattern[p]) == lower(text[t]))) {
      ++t;
      ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      mark = t;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      t = ++mark;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

std::vector<std::string> ListFiles(const std::string& folder, std::string_view pattern) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return names;
  while (dirent* e = ::readdir(dir)) {
    std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    if (!WildcardMatch(name, pattern)) continue;
    if (!FileExists(JoinPath(folder, name))) continue;
    names.push_back(std::move(name));
  }
  ::closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

std::string FileNameOf(std::string_view path) {
  size_t slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string FolderOf(std::string_view path) {
  size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string ExtensionOf(std::string_view path) {
  std::string name = FileNameOf(path);
  size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  return WithTrailingSlash(folder) + std::string(name);
}

}  // namespace sm
