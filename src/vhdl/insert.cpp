// The rewrite of a target file with a component, line by line, with keywords
// found as whole words outside comments.
#include "vhdl/insert.h"

#include <algorithm>
#include <set>
#include <vector>

#include "common/ascii.h"
#include "common/paths.h"
#include "vhdl/emitters.h"
#include "vhdl/highlight.h"
#include "vhdl/keywords.h"

namespace korvalt {

namespace {

// A word, or one of ; ( ), of the code (comments and string and character
// literals left out, as the highlighting finds them), with the line it stands on.
struct TToken {
    std::string text;
    std::size_t line;
};

std::vector<TToken> CodeTokens(const TStrings& lines) {
    std::vector<TToken> tokens;
    bool inBlockComment = false;
    for (std::size_t l = 0; l < lines.size(); ++l) {
        std::string up = UpperCase(lines[l]);
        for (const TVhdlSpan& span : VhdlSpans(lines[l], inBlockComment))
            if (span.kind == TVhdlKind::String || span.kind == TVhdlKind::Comment)
                up.replace(span.start, span.length, span.length, ' ');
        for (std::size_t i = 0; i < up.size();) {
            std::size_t e = i;
            while (e < up.size() && IsWordChar(up[e]))
                ++e;
            if (e > i) {
                tokens.push_back({up.substr(i, e - i), l});
                i = e;
                continue;
            }
            if (up[i] == ';' || up[i] == '(' || up[i] == ')')
                tokens.push_back({std::string(1, up[i]), l});
            ++i;
        }
    }
    return tokens;
}

// The line of each architecture's own BEGIN. A function or procedure body in
// the architecture's declarative part has a BEGIN and an END of its own
// (published RTL often declares a log2 or a parity function there): its
// BEGIN is not where the statements of the architecture start.
std::vector<std::size_t> ArchitectureBegins(const TStrings& lines) {
    const std::vector<TToken> t = CodeTokens(lines);
    std::vector<std::size_t> begins;
    bool declarative = false, header = false;
    int parens = 0;
    std::vector<bool> bodies; // open subprogram bodies: past their BEGIN
    auto at = [&t](std::size_t i) { return i < t.size() ? t[i].text : std::string(); };
    for (std::size_t i = 0; i < t.size(); ++i) {
        const std::string& w = t[i].text;
        const bool afterEnd = i > 0 && t[i - 1].text == "END";
        if (!declarative) {
            if (w == "ARCHITECTURE" && !afterEnd) declarative = true, bodies.clear();
            continue;
        }
        if (w == "(") ++parens;
        if (w == ")" && parens > 0) --parens;
        if ((w == "FUNCTION" || w == "PROCEDURE") && !afterEnd) {
            header = true;
        } else if (header && w == "IS" && parens == 0) {
            header = false;
            if (at(i + 1) != "NEW") bodies.push_back(false); // not an instantiation
        } else if (header && w == ";" && parens == 0) {
            header = false; // a declaration without a body
        } else if (w == "BEGIN") {
            if (!bodies.empty() && !bodies.back()) {
                bodies.back() = true;
            } else if (bodies.empty()) {
                begins.push_back(t[i].line);
                declarative = false;
            }
        } else if (w == "END" && !bodies.empty() && bodies.back()) {
            const std::string next = at(i + 1);
            if (next != "IF" && next != "LOOP" && next != "CASE") bodies.pop_back();
        }
    }
    return begins;
}

// Names the target declares, upper-cased: its entity's ports and generics and
// the signals and constants of its architectures' declarative parts. values
// learns those that stand for a value (generics and constants), which a
// generic map may name; a port or signal it may not.
std::set<std::string> DeclaredNames(const TStrings& targetLines, std::set<std::string>& values) {
    std::set<std::string> names;
    const TEntity target = ScanEntity(targetLines);
    for (const TPort& p : target.ports)
        names.insert(UpperCase(p.name));
    for (const auto& g : target.generics) {
        names.insert(UpperCase(g.name));
        values.insert(UpperCase(g.name));
    }
    std::string code;
    bool declarative = false;
    const std::vector<std::size_t> begins = ArchitectureBegins(targetLines);
    for (std::size_t l = 0; l < targetLines.size(); ++l) {
        const std::string up = CodeUpper(targetLines[l]);
        if (HasWord(up, "ARCHITECTURE") && !FirstWordIs(up, "END")) declarative = true;
        if (!declarative) continue;
        const bool archBegin = std::find(begins.begin(), begins.end(), l) != begins.end();
        const std::size_t begin = archBegin ? FindWord(up, "BEGIN") : std::string::npos;
        code += up.substr(0, begin) + " ";
        if (archBegin) declarative = false;
    }
    for (std::size_t start = 0, semi = code.find(';'); semi != std::string::npos;
         start = semi + 1, semi = code.find(';', start)) {
        std::string_view statement = std::string_view(code).substr(start, semi - start);
        const std::size_t colon = statement.find(':');
        if (colon == std::string::npos) continue;
        statement = statement.substr(0, colon);
        std::size_t word = FindWord(statement, "SIGNAL"), length = 6;
        const bool constant = word == std::string::npos;
        if (constant) word = FindWord(statement, "CONSTANT"), length = 8;
        if (word == std::string::npos) continue;
        statement.remove_prefix(word + length);
        for (std::size_t b = 0; b <= statement.size();) {
            std::size_t comma = statement.find(',', b);
            if (comma == std::string::npos) comma = statement.size();
            std::string name(statement.substr(b, comma - b));
            for (char& c : name)
                if (c == '\t') c = ' ';
            names.insert(TrimBlanks(name));
            if (constant) values.insert(TrimBlanks(name));
            b = comma + 1;
        }
    }
    return names;
}

// A constant per generic and a signal per port that the target does not declare.
// A generic named like the component or one of its ports gets no constant (the
// name would be declared twice), nor one named like a port or signal of the
// target (a generic map cannot name a signal): its name goes to byValue, and
// the instance associates it with its value.
TStrings Declarations(const TEntity& component, std::set<std::string> declared,
                      const std::set<std::string>& values, TStrings& byValue) {
    TStrings out;
    std::set<std::string> taken{UpperCase(component.name)};
    for (const TPort& p : component.ports)
        taken.insert(UpperCase(p.name));
    for (const TGeneric& g : component.generics)
        if (const std::string up = UpperCase(g.name);
            declared.count(up) ? !values.count(up) : taken.count(up) > 0)
            byValue.push_back(up);
        else if (declared.insert(UpperCase(g.name)).second)
            out.push_back("constant " + g.name + " : " + g.type + " := " + GenericValue(g) + ";" +
                          (g.value.empty() ? " -- Wert muss gesetzt werden" : ""));
    for (const TPort& p : component.ports)
        if (!p.name.empty() && declared.insert(UpperCase(p.name)).second) {
            bool guessed = false;
            const std::string type = SignalType(p.type, guessed);
            out.push_back("signal " + p.name + " : " + type + ";" + (guessed ? WidthNote() : ""));
        }
    return out;
}

// The instance's label: map_XXX, or map_XXX_2, map_XXX_3, ... when the target
// already uses that identifier (letter case ignored), so that a second
// insertion into the same file still analyses.
std::string InstanceLabel(const TStrings& targetLines) {
    const std::string base = "MAP_XXX";
    std::set<std::string> used;
    for (const std::string& line : targetLines) {
        const std::string up = CodeUpper(line);
        for (std::size_t i = 0; i < up.size();) {
            std::size_t e = i;
            while (e < up.size() && IsWordChar(up[e]))
                ++e;
            if (e == i) {
                ++i;
                continue;
            }
            if (up.compare(i, base.size(), base) == 0) used.insert(up.substr(i, e - i));
            i = e;
        }
    }
    if (!used.count(base)) return "map_XXX";
    for (int k = 2;; ++k)
        if (!used.count(base + "_" + std::to_string(k))) return "map_XXX_" + std::to_string(k);
}

// Whether the target declares a component of this name already (an earlier
// insertion of the same design): a second declaration, configuration line and
// placeholder function would not analyse, so only the instance is added then.
bool DeclaresComponent(const TStrings& targetLines, const std::string& name) {
    const std::string wanted = UpperCase(name);
    for (const std::string& line : targetLines) {
        const std::string up = CodeUpper(line);
        for (std::size_t at = FindWord(up, "COMPONENT"); at != std::string::npos;
             at = FindWord(up, "COMPONENT", at + 9)) {
            std::size_t b = at + 9;
            while (b < up.size() && (up[b] == ' ' || up[b] == '\t'))
                ++b;
            std::size_t e = b;
            while (e < up.size() && IsWordChar(up[e]))
                ++e;
            if (up.compare(b, e - b, wanted) == 0 && e - b == wanted.size()) return true;
        }
    }
    return false;
}

} // namespace

TStrings InsertedLines(const TStrings& componentLines, const TStrings& targetLines,
                       bool withComments, bool withSignals) {
    const TEntity component = ScanEntity(componentLines);
    const bool again = DeclaresComponent(targetLines, component.name);
    const std::string config = again ? "" : ConfigLine(component, 0);
    TStrings decl = again ? TStrings{} : ComponentDecl(component, 0);
    const TStrings functions = again ? TStrings{} : PlaceholderFunctions(component, 0);
    decl.insert(decl.end(), functions.begin(), functions.end());
    TStrings byValue;
    if (withSignals) {
        std::set<std::string> values;
        const std::set<std::string> declared = DeclaredNames(targetLines, values);
        const TStrings more = Declarations(component, declared, values, byValue);
        decl.insert(decl.end(), more.begin(), more.end());
    }
    const TStrings instance =
        InstanceMap(component, 3, withComments, withSignals, InstanceLabel(targetLines), byValue);

    TStrings out;
    out.reserve(targetLines.size() + decl.size() + instance.size() + 4);
    bool configPending = true, archOpen = false, declPending = false, bodySeen = false;
    // Without an architecture the configuration line goes before the first BEGIN.
    const std::vector<std::size_t> begins = ArchitectureBegins(targetLines);
    for (std::size_t l = 0; l < targetLines.size(); ++l) {
        const std::string& line = targetLines[l];
        const std::string up = CodeUpper(line);
        const bool hasBegin = begins.empty()
                                  ? HasWord(up, "BEGIN")
                                  : std::find(begins.begin(), begins.end(), l) != begins.end();
        if (configPending && hasBegin) {
            configPending = false;
            if (!config.empty()) out.insert(out.end(), {config, ""});
        }
        out.push_back(line);
        // "end architecture rtl;" closes an architecture; no declaration may follow it.
        if (HasWord(up, "ARCHITECTURE") && !FirstWordIs(up, "END")) archOpen = declPending = true;
        if (!archOpen) continue;
        if (declPending) {
            if (!decl.empty()) {
                out.insert(out.end(), decl.begin(), decl.end());
                out.push_back("");
            }
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

TResult<TEntity> InsertComponent(const std::string& componentPath, const std::string& targetPath,
                                 bool withComments, bool withSignals) {
    auto failed = [](std::string why) { return TResult<TEntity>{false, std::move(why)}; };
    TStrings componentLines;
    if (const TResult<TFileRead> r = ReadLines(componentPath, componentLines); !r)
        return failed(ReadFailureMessage("Die Komponente", componentPath, r.error) +
                      "; es wird nichts eingefügt.");
    const TEntity component = ScanEntity(componentLines);
    if (component.name.empty())
        return failed("In \"" + componentPath +
                      "\" steht keine Entity mit Namen; es wird nichts eingefügt.");
    std::string bytes;
    if (const TResult<TFileRead> r = ReadFileBytes(targetPath, bytes); !r)
        return failed(ReadFailureMessage("Die Zieldatei", targetPath, r.error));
    const TStrings targetLines = SplitLines(bytes);
    if (targetLines.empty()) return failed("Die Zieldatei \"" + targetPath + "\" ist leer.");
    const bool crlf = bytes.find("\r\n") != std::string::npos;
    bytes.clear();
    const TResult<> written =
        SaveLines(targetPath, InsertedLines(componentLines, targetLines, withComments, withSignals),
                  crlf ? "\r\n" : "\n");
    if (!written) return failed(WriteFailureMessage("Die Zieldatei", targetPath, written.error));
    return {true, "", component};
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
