// File-system operations the plug-in needs: a wildcard directory search, reading a text
// file line by line, creating, truncating and appending files, and a safe replace.
#pragma once

#include <optional>
#include <string>

// Lists the entries matching the wildcard pattern (a directory part followed by a name
// pattern such as "*.ini") in the order the system returns them and gives the name of
// the first one whose name contains the needle (case-sensitive).
std::optional<std::string> FindFileNameContaining(const std::string& pattern,
                                                  const std::string& needle);

// The first line of the text file that contains the needle, without its line end; nothing
// when the file cannot be opened or no line contains it.
std::optional<std::string> ReadFirstLineContaining(const std::string& path,
                                                   const std::string& needle);

// Creates the file or truncates it, and writes the bytes. False when that fails.
bool WriteNewFile(const std::string& path, const std::string& bytes);
// Appends the bytes, creating the file when missing; a file that is new or empty gets the
// header first. False when that fails.
bool AppendToFile(const std::string& path, const std::string& bytes,
                  const std::string& header = std::string());
// Writes the bytes to a temporary file beside the target and renames it over the target
// only when complete, so the old file stays whole when anything fails. Returns an empty
// text on success, otherwise the reason.
std::string ReplaceFileContents(const std::string& path, const std::string& bytes);
// The whole file, or nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// True when something exists at the path.
bool PathExists(const std::string& path);
// Creates one folder; true when it exists afterwards.
bool EnsureFolder(const std::string& path);
// The process's current directory, without a trailing separator (empty when unknown).
std::string CurrentDirectory();
// dir + separator + name.
std::string JoinPath(const std::string& dir, const std::string& name);
// Renames over an existing file. Returns an empty text on success, otherwise the reason.
std::string RenameReplacing(const std::string& from, const std::string& to);
