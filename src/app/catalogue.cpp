#include "app/catalogue.h"

#include <algorithm>
#include <cstring>

#include "common/ascii.h"
#include "common/paths.h"

namespace korvalt {

std::string CatalogueEntry(const std::string& fileName) {
    const auto dot = fileName.find('.');
    const std::string test =
        dot == std::string::npos ? fileName.substr(0, 3) : fileName.substr(dot + 1, 3);
    if (UpperCase(test) != "VHD") return {};
    if (dot == std::string::npos || dot == 0) return {};
    std::string display = fileName.substr(0, dot);
    for (char& c : display) {
        if (c == '_')
            c = ' ';
        else if (c == '-')
            c = ',';
    }
    return display + "#" + fileName;
}

namespace {

// Case-insensitive comparison by the user's collation: both sides are
// lower-cased (ASCII) and then compared with strcoll, which falls back to byte
// order in the C locale.
bool CollateLess(const std::string& a, const std::string& b) {
    const std::string la = LowerCase(a), lb = LowerCase(b);
    const int c = std::strcoll(la.c_str(), lb.c_str());
    if (c != 0) return c < 0;
    return la < lb;
}

} // namespace

TStrings BuildCatalogue(const TStrings& fileNames) {
    TStrings entries;
    for (const auto& n : fileNames)
        if (auto e = CatalogueEntry(n); !e.empty()) entries.push_back(std::move(e));
    std::stable_sort(entries.begin(), entries.end(), CollateLess);
    return entries;
}

TStrings ScanTemplates(const std::string& templateDir) {
    TStrings names = ListPlainFiles(templateDir);
    // The folder listing has no stable order; equal-ranking names keep byte order.
    std::sort(names.begin(), names.end());
    return BuildCatalogue(names);
}

TStrings ScanTemplateFolders(const TStrings& templateDirs) {
    TStrings names;
    for (const auto& dir : templateDirs) {
        const TStrings here = ListPlainFiles(dir);
        names.insert(names.end(), here.begin(), here.end());
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return BuildCatalogue(names);
}

std::string TemplatePath(const TStrings& templateDirs, const std::string& entry) {
    const std::string file = CatalogueFile(entry);
    for (auto dir = templateDirs.rbegin(); dir != templateDirs.rend(); ++dir)
        if (FileExists(*dir + file) && !IsDirectory(*dir + file)) return *dir + file;
    return templateDirs.empty() ? file : templateDirs.front() + file;
}

std::string CatalogueCaption(const std::string& entry) {
    return TrimBlanks(entry.substr(0, entry.find('#')));
}

std::string CatalogueFile(const std::string& entry) {
    const auto hash = entry.find('#');
    return hash == std::string::npos ? std::string() : entry.substr(hash + 1);
}

} // namespace korvalt
