#include "common/paths.h"

#include <filesystem>
#include <system_error>

namespace korvalt {

namespace fs = std::filesystem;

bool IsPathSep(char c) {
#ifdef _WIN32
    return c == '\\' || c == '/' || c == ':';
#else
    return c == PathSep;
#endif
}

std::string FileNamePart(std::string_view path) {
    for (std::size_t i = path.size(); i > 0; --i)
        if (IsPathSep(path[i - 1])) return std::string(path.substr(i));
    return std::string(path);
}

std::string FolderPart(std::string_view path) {
    for (std::size_t i = path.size(); i > 0; --i)
        if (IsPathSep(path[i - 1])) return std::string(path.substr(0, i));
    return {};
}

std::string BaseNameBeforeDot(std::string_view fileName) {
    const auto dot = fileName.find('.');
    return dot == std::string_view::npos ? std::string() : std::string(fileName.substr(0, dot));
}

std::string WithTrailingSep(std::string_view folder) {
    std::string r(folder);
    if (!r.empty() && !IsPathSep(r.back())) r += PathSep;
    return r;
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::exists(fs::path(path), ec);
}

bool IsDirectory(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(fs::path(path), ec);
}

std::vector<std::string> ListPlainFiles(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code typeEc;
        if (it->is_regular_file(typeEc)) names.push_back(it->path().filename().string());
    }
    return names;
}

std::string ExecutableDir() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    return WithTrailingSep(exe.parent_path().string());
}

} // namespace korvalt
