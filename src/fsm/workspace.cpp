#include "fsm/workspace.h"

#include <algorithm>

#include "common/ascii.h"
#include "common/cp1252.h"
#include "common/intread.h"

namespace korvalt {

std::string WorkspaceFileName(bool moore) {
    return moore ? "Moore.txt" : "Mealy.txt";
}

TStrings WorkspaceLines(const TAutomat& a) {
    TStrings lines;
    lines.push_back("#IB" + std::to_string(a.Eingangsbitbreite));
    lines.push_back("#OB" + std::to_string(a.Ausgangsbitbreite));
    auto section = [&lines](const char* marker, const TStrings& list) {
        lines.push_back(marker);
        lines.insert(lines.end(), list.begin(), list.end());
    };
    section("#IN", a.Eingangsmatrix);
    section("#OUT", a.Ausgangsmatrix);
    section("#Z", a.Zustandsmatrix);
    section("#AUTOMAT", a.Automatentabelle);
    section("#AUSGTAB", a.Ausgangstabelle);
    if (!a.Resetzustand.empty()) lines.push_back("#RST" + a.Resetzustand);
    if (!a.ResetAktiv.empty()) lines.push_back("#BRST" + a.ResetAktiv);
    if (!a.TaktAktiv.empty()) lines.push_back("#BCLK" + a.TaktAktiv);
    if (const std::string o = OptionenLine(a.Optionen); !o.empty()) lines.push_back(o);
    return lines;
}

TResult<> SaveWorkspaceFile(const TAutomat& a, const std::string& path) {
    return SaveLines(path, WorkspaceLines(a));
}

bool WorkspaceFileDiffers(const TAutomat& a, const std::string& path) {
    std::string bytes;
    if (!ReadFileBytes(path, bytes)) return false;
    std::string content;
    for (const auto& line : WorkspaceLines(a))
        content += line + "\r\n";
    return bytes != content;
}

TResult<> SaveWorkspace(const TAutomat& a, const std::string& directory) {
    return SaveWorkspaceFile(a, directory + WorkspaceFileName(a.Moore));
}

void LoadWorkspaceText(TAutomat& a, std::string_view text, TStrings* ignored) {
    TStrings* lists[] = {&a.Eingangsmatrix, &a.Ausgangsmatrix, &a.Zustandsmatrix,
                         &a.Automatentabelle, &a.Ausgangstabelle};
    const char* markers[] = {"#IN", "#OUT", "#Z", "#AUTOMAT", "#AUSGTAB"};
    for (TStrings* l : lists)
        l->clear();
    a.Optionen = {};
    TStrings unused;
    TStrings* current = nullptr;
    auto from = [](const std::string& line, std::size_t pos) {
        return pos < line.size() ? line.substr(pos) : std::string();
    };
    for (const std::string& line : SplitLines(text)) {
        if (line.empty()) continue;
        if (IsOptionenLine(line)) {
            ReadOptionenLine(line, a.Optionen, unused);
            continue;
        }
        if (line[0] != '#' && current) current->push_back(line);
        const std::string up = UpperCase(line);
        auto has = [&up](const char* marker) { return up.find(marker) != std::string::npos; };
        for (std::size_t i = 0; i < 5; ++i)
            if (has(markers[i])) current = lists[i];
        if (has("#IB")) a.Eingangsbitbreite = ClampBitWidth(DecimalOf(from(line, 3)));
        if (has("#OB")) a.Ausgangsbitbreite = ClampBitWidth(DecimalOf(from(line, 3)));
        if (has("#RST")) a.Resetzustand = from(line, 4);
        if (has("#BRST")) a.ResetAktiv = line.size() > 5 ? line.substr(5, 1) : "";
        if (has("#BCLK")) a.TaktAktiv = line.size() > 5 ? line.substr(5, 1) : "";
    }
    if (ignored) *ignored = std::move(unused);
}

std::optional<bool> DescribesMoore(std::string_view text) {
    TAutomat a;
    LoadWorkspaceText(a, text);
    bool three = false, four = false;
    for (const auto& row : a.Automatentabelle) {
        const auto bars = std::count(row.begin(), row.end(), '|');
        three = three || bars == 2;
        four = four || bars >= 3;
    }
    if (three != four) return three;
    if (!three && !a.Ausgangstabelle.empty()) return true;
    return std::nullopt;
}

TResult<TFileRead> LoadWorkspaceFile(TAutomat& a, const std::string& path, TStrings* ignored) {
    std::string bytes;
    const TResult<TFileRead> result = ReadFileBytes(path, bytes);
    if (result) LoadWorkspaceText(a, bytes, ignored);
    return result;
}

TResult<TFileRead> LoadWorkspace(TAutomat& a, const std::string& directory, TStrings* ignored) {
    return LoadWorkspaceFile(a, directory + WorkspaceFileName(a.Moore), ignored);
}

std::string IgnoredOptionenMessage(const TStrings& ignored) {
    if (ignored.empty()) return {};
    std::string words;
    for (const auto& w : ignored)
        words += (words.empty() ? "" : ", ") + w;
    return "Unbekannte Optionen übergangen: " + Cp1252ToUtf8(words);
}

} // namespace korvalt
