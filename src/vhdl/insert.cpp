// The rewrite of a target file with a component, line by line, with keywords
// found as whole words outside comments.
#include "vhdl/insert.h"

#include <algorithm>

#include "common/ascii.h"
#include "common/paths.h"
#include "vhdl/keywords.h"
#include "vhdl/u_signals.h"

namespace korvalt {

TStrings InsertedLines(const TStrings& componentLines, const TStrings& targetLines,
                       bool withComments) {
    TSignal component = TSignal::FromLines(componentLines);
    const std::string config = component.ConfigLine(0);
    const TStrings decl = component.ComponentDecl(0);
    const TStrings instance = component.InstanceMap(3, withComments);

    TStrings out;
    out.reserve(targetLines.size() + decl.size() + instance.size() + 4);
    bool configPending = true, archOpen = false, declPending = false, bodySeen = false;
    for (const std::string& line : targetLines) {
        const std::string up = CodeUpper(line);
        const bool hasBegin = HasWord(up, "BEGIN");
        if (configPending && hasBegin) {
            configPending = false;
            if (!config.empty()) out.insert(out.end(), {config, ""});
        }
        out.push_back(line);
        // "end architecture rtl;" closes an architecture; no declaration may follow it.
        if (HasWord(up, "ARCHITECTURE") && !FirstWordIs(up, "END")) archOpen = declPending = true;
        if (!archOpen) continue;
        if (declPending) {
            out.insert(out.end(), decl.begin(), decl.end());
            out.push_back("");
            declPending = false;
        }
        if (hasBegin) {
            bodySeen = true;
            out.insert(out.end(), instance.begin(), instance.end());
            archOpen = false;
        }
        if (bodySeen && HasWord(up, "END")) archOpen = bodySeen = false;
    }
    return out;
}

TInsertResult InsertComponent(const std::string& componentPath, const std::string& targetPath,
                              bool withComments) {
    TStrings componentLines;
    if (!ReadLines(componentPath, componentLines)) return {TInsertOutcome::ComponentUnreadable, ""};
    if (TSignal::FromLines(componentLines).EntityName().empty())
        return {TInsertOutcome::NoEntityName, ""};
    std::string bytes;
    if (!ReadFileBytes(targetPath, bytes)) return {TInsertOutcome::TargetUnreadable, ""};
    const TStrings targetLines = SplitLines(bytes);
    if (targetLines.empty()) return {TInsertOutcome::TargetEmpty, ""};
    const bool crlf = bytes.find("\r\n") != std::string::npos;
    bytes.clear();
    const TWriteResult written = SaveLines(
        targetPath, InsertedLines(componentLines, targetLines, withComments), crlf ? "\r\n" : "\n");
    if (!written) return {TInsertOutcome::WriteFailed, written.error};
    return {};
}

TStrings ListComponents(const std::string& folder, const std::string& targetPath) {
    const std::string target = UpperCase(FileNamePart(targetPath));
    TStrings names;
    for (const std::string& name : ListPlainFiles(folder)) {
        const std::string up = UpperCase(name);
        if (up.size() >= 4 && up.compare(up.size() - 4, 4, ".VHD") == 0 && up != target)
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string ua = UpperCase(a), ub = UpperCase(b);
        return ua != ub ? ua < ub : a < b;
    });
    return names;
}

} // namespace korvalt
