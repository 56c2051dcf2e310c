// File system helpers. Every file the program writes goes through
// WriteFileAtomically: a crash leaves the old file or the new one.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sm {

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// Creates one folder level; true when it exists afterwards.
bool CreateDirectoryOneLevel(const std::string& path);
// Creates the folder and any missing parents; true when it exists afterwards.
bool CreateDirectories(const std::string& path);

// Whole file as bytes; throws std::runtime_error naming the path.
std::string ReadFileBytes(const std::string& path);
// Lines split at LF, a CR before it dropped; no final empty line.
std::vector<std::string> ReadLines(const std::string& path);
std::vector<std::string> SplitLines(std::string_view bytes);

// Writes to a temporary file in the same folder, syncs it, renames it into
// place and syncs the folder. Throws std::runtime_error naming the path.
void WriteFileAtomically(const std::string& path, std::string_view bytes);
// Lines each ended with CR LF.
void WriteLinesAtomically(const std::string& path, const std::vector<std::string>& lines);

// Copies a file, replacing the target (atomically); false on failure.
bool CopyFileReplacing(const std::string& from, const std::string& to);
bool DeleteFile(const std::string& path);

// Names of the files in a folder matching a pattern with "*" and "?"
// (ASCII case ignored), sorted by name.
std::vector<std::string> ListFiles(const std::string& folder, std::string_view pattern);
bool WildcardMatch(std::string_view text, std::string_view pattern);

std::string FileNameOf(std::string_view path);
std::string FolderOf(std::string_view path);  // with trailing "/"
std::string ExtensionOf(std::string_view path);  // without the dot
std::string JoinPath(std::string_view folder, std::string_view name);

}  // namespace sm
