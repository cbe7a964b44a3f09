// Path helpers. Folders are kept with a trailing separator and paths are
// formed by plain concatenation of such a folder and a file name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvalt {

#ifdef _WIN32
inline constexpr char PathSep = '\\';
#else
inline constexpr char PathSep = '/';
#endif

// Separators that end a folder part: the platform's own, and on Windows "/" and ":".
bool IsPathSep(char c);
// The text after the last separator (the whole path when it has none).
std::string FileNamePart(std::string_view path);
// The text up to and including the last separator (empty when it has none).
std::string FolderPart(std::string_view path);
// A file's name cut before its first "."; empty when it holds no ".".
std::string BaseNameBeforeDot(std::string_view fileName);
// The folder with a trailing separator (unchanged when empty or already ending in one).
std::string WithTrailingSep(std::string_view folder);

bool FileExists(const std::string& path);
bool IsDirectory(const std::string& path);
// Names of the plain files (no folders) in a folder, in no particular order;
// a missing folder gives an empty list.
std::vector<std::string> ListPlainFiles(const std::string& folder);
// Folder of the running executable with a trailing separator.
std::string ExecutableDir();

} // namespace korvalt
