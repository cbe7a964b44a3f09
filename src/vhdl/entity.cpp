// The entity scanner.
//
// ScanEntity reads the lines one by one into three texts: the entity stretch (lines
// from one naming ENTITY through the next naming END, each followed by "|"),
// the process text (lines from PROCESS through END, comments left out, run
// together) and the last architecture header. The entity name, the ports and
// the architecture name are cut from these texts; the clock and reset come
// from the if conditions of the process text (vhdl/clockreset.h). Every step
// moves forward through its text, so a scan takes time linear in the file's size.
#include "vhdl/entity.h"

#include <algorithm>
#include <array>
#include <unordered_set>

#include "common/ascii.h"
#include "common/cp1252.h"
#include "common/textfile.h"
#include "vhdl/clockreset.h"
#include "vhdl/keywords.h"

namespace korvalt {

namespace {

constexpr auto npos = std::string_view::npos;

// The position of the ")" that closes the "(" at open, or npos.
// Brackets inside string literals do not count.
std::size_t MatchingClose(std::string_view text, std::size_t open) {
    int depth = 0;
    bool inString = false;
    for (std::size_t i = open; i < text.size(); ++i) {
        if (text[i] == '"') inString = !inString;
        if (inString) continue;
        if (text[i] == '(') ++depth;
        if (text[i] == ')' && --depth == 0) return i;
    }
    return npos;
}

// Runs of blanks, tabs and line marks "|" become one blank; both ends are
// trimmed. mask is the text's upper-cased copy with literals masked: blanks
// inside a string stay as written.
std::string Collapse(std::string_view text, std::string_view mask) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i], m = mask[i];
        const bool white = m == ' ' || m == '\t' || m == '|';
        if (white && (out.empty() || out.back() == ' ')) continue;
        out += white ? ' ' : c;
    }
    return TrimRightBlanks(out);
}

// Drops a leading word (upper case) and the blank behind it.
std::string_view DropWord(std::string_view text, std::string_view word) {
    if (text.size() > word.size() && text[word.size()] == ' ' &&
        SameText(text.substr(0, word.size()), word))
        return text.substr(word.size() + 1);
    return text;
}

// The mode word after the first ":"; no mode word means in.
TDirection DirectionOf(std::string_view declaration) {
    const std::size_t colon = declaration.find(':');
    if (colon == npos) return TDirection::None;
    std::size_t b = colon + 1;
    while (b < declaration.size() && (declaration[b] == ' ' || declaration[b] == '\t'))
        ++b;
    std::size_t e = b;
    while (e < declaration.size() && IsWordChar(declaration[e]))
        ++e;
    const std::string mode = UpperCase(declaration.substr(b, e - b));
    if (mode == "OUT") return TDirection::Out;
    if (mode == "BUFFER") return TDirection::Buffer;
    if (mode == "INOUT") return TDirection::InOut;
    if (mode == "LINKAGE") return TDirection::Linkage;
    return TDirection::In; // "in", or no mode word: VHDL's default mode is in
}

// The text before the first ":" without trailing blanks; empty without ":".
std::string PortName(std::string_view declaration) {
    const std::size_t colon = declaration.find(':');
    return colon == npos ? std::string() : TrimRightBlanks(declaration.substr(0, colon));
}

// The text after ":" without its mode word and ";".
std::string PortType(std::string_view declaration) {
    const std::size_t colon = declaration.find(':');
    if (colon == npos) return "";
    std::string_view rest = declaration.substr(colon + 1);
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t'))
        rest.remove_prefix(1);
    std::size_t e = 0;
    while (e < rest.size() && IsWordChar(rest[e]))
        ++e;
    const std::string mode = UpperCase(rest.substr(0, e));
    if (mode == "IN" || mode == "OUT" || mode == "INOUT" || mode == "BUFFER" || mode == "LINKAGE")
        rest.remove_prefix(e);
    std::string type = TrimBlanks(rest);
    if (!type.empty() && type.back() == ';') type.pop_back();
    return TrimBlanks(type);
}

} // namespace

bool NamedLikeReset(std::string_view name, bool& high) {
    std::string n = UpperCase(name);
    auto cut = [&n](std::string_view tail) {
        if (n.size() <= tail.size() || n.compare(n.size() - tail.size(), tail.size(), tail) != 0)
            return false;
        n.resize(n.size() - tail.size());
        return true;
    };
    if (!cut("_IN")) cut("_I");
    // The word stands alone or behind "_": "burst" is no reset.
    auto endsIn = [](std::string_view s, std::string_view w) {
        return s.size() >= w.size() && s.substr(s.size() - w.size()) == w &&
               (s.size() == w.size() || s[s.size() - w.size() - 1] == '_');
    };
    for (const std::string_view w : {"RST", "RESET", "ARST", "SRST"}) {
        const std::string nw = "N" + std::string(w);
        for (const std::string_view low : {"_N", "N"})
            if (n.size() > low.size() && n.compare(n.size() - low.size(), low.size(), low) == 0 &&
                endsIn(std::string_view(n).substr(0, n.size() - low.size()), w))
                return high = false, true;
        if (endsIn(n, nw)) return high = false, true;
        if (endsIn(n, w)) return high = true, true;
    }
    return false;
}

bool IsInput(const TPort& p) {
    return p.direction == TDirection::In;
}

bool IsBitPort(const TPort& p) {
    std::string mark = UpperCase(p.type.substr(0, p.type.find_first_of(" \t(:")));
    if (const std::size_t dot = mark.rfind('.'); dot != npos) mark = mark.substr(dot + 1);
    return IsInput(p) && (mark == "STD_LOGIC" || mark == "STD_ULOGIC" || mark == "BIT");
}

bool IsOutput(const TPort& p) {
    return p.direction == TDirection::Out || p.direction == TDirection::Buffer ||
           p.direction == TDirection::InOut;
}

std::string Spaces(int n) {
    return n > 0 ? std::string(static_cast<std::size_t>(n), ' ') : "";
}

std::string TrimLeftBlanks(std::string_view s) {
    std::size_t b = 0;
    while (b < s.size() && s[b] == ' ')
        ++b;
    return std::string(s.substr(b));
}

std::string TrimRightBlanks(std::string_view s) {
    std::size_t e = s.size();
    while (e > 0 && s[e - 1] == ' ')
        --e;
    return std::string(s.substr(0, e));
}

std::string Placeholder(std::string_view type) {
    const std::string written = TrimBlanks(type);
    const std::string up = UpperCase(written);
    std::size_t e = 0;
    while (e < up.size() && up[e] != '(' && up[e] != ' ' && up[e] != '\t')
        ++e;
    std::string mark = up.substr(0, e);
    if (const std::size_t dot = mark.rfind('.'); dot != npos) mark = mark.substr(dot + 1);
    if (mark == "INTEGER" || mark == "NATURAL" || mark == "POSITIVE") {
        // A range's low bound when it is a literal: 1 may lie outside "range 2 to 9".
        const std::size_t r = FindWord(up, "RANGE");
        if (r != npos) {
            const std::string bounds = TrimBlanks(std::string_view(up).substr(r + 5));
            const std::size_t to = FindWord(bounds, "TO"), down = FindWord(bounds, "DOWNTO");
            const std::string low = TrimBlanks(to != npos     ? bounds.substr(0, to)
                                               : down != npos ? bounds.substr(down + 6)
                                                              : "");
            if (!low.empty() && low.find_first_not_of("-0123456789_") == npos &&
                low.find_first_of("0123456789") != npos)
                return low;
        }
        return "1";
    }
    if (mark == "BOOLEAN") return "false";
    if (mark == "STD_LOGIC" || mark == "STD_ULOGIC" || mark == "BIT") return "'0'";
    if (mark == "STD_LOGIC_VECTOR" || mark == "STD_ULOGIC_VECTOR" || mark == "BIT_VECTOR" ||
        mark == "SIGNED" || mark == "UNSIGNED")
        return up.find('(') != npos ? "(others => '0')" : "\"0\""; // others needs a width
    if (mark == "TIME") return "10 ns";
    if (mark == "STRING") return "\"\"";
    if (mark == "REAL") return "0.0";
    // Another type mark: the placeholder function's call (GenericValue) gives its value.
    return e == up.size() && e > 0 ? "" : "(others => '0')";
}

std::string SignalType(std::string_view portType, bool& guessed) {
    const std::string type = TrimBlanks(portType);
    const std::size_t e = type.find_first_of(" \t(:");
    std::string mark = UpperCase(type.substr(0, e));
    if (const std::size_t dot = mark.rfind('.'); dot != npos) mark = mark.substr(dot + 1);
    guessed = (e == npos || type[e] != '(') &&
              (mark == "STD_LOGIC_VECTOR" || mark == "STD_ULOGIC_VECTOR" || mark == "BIT_VECTOR" ||
               mark == "SIGNED" || mark == "UNSIGNED");
    if (!guessed) return std::string(portType);
    const std::size_t cut = e == npos ? type.size() : e;
    return type.substr(0, cut) + "(7 downto 0)" + type.substr(cut);
}

std::string WidthNote() {
    return Utf8ToCp1252(" -- Breite prüfen");
}

std::string GenericValue(const TGeneric& g) {
    if (!g.value.empty()) return g.value;
    const std::string value = Placeholder(g.type);
    return value.empty() ? "WERT_EINTRAGEN_" + g.name : value;
}

std::string PlaceholderFunction(const TGeneric& g) {
    if (!g.value.empty() || !Placeholder(g.type).empty()) return "";
    const std::string type = TrimBlanks(g.type);
    return "function WERT_EINTRAGEN_" + g.name + " return " + type + " is variable v : " + type +
           "; begin return v; end function;";
}

namespace {

void AddPort(TEntity& e, const std::string& text, TDirection direction) {
    std::string port = text;
    // A trailing signal kind "bus" goes; names and types holding these letters stay.
    const std::size_t semi = port.find(';');
    std::size_t end = semi == npos ? port.size() : semi;
    while (end > 0 && (port[end - 1] == ' ' || port[end - 1] == '\t'))
        --end;
    std::size_t start = end;
    while (start > 0 && IsWordChar(port[start - 1]))
        --start;
    if (start > 0 && SameText(std::string_view(port).substr(start, end - start), "BUS"))
        port = TrimRightBlanks(std::string_view(port).substr(0, start)) + ";";

    e.ports.push_back({TrimBlanks(PortName(port)), direction, PortType(port), port});
}

// The architecture's name in its header line; empty when there is none.
std::string ScanArchitecture(const std::string& line, const std::string& lineUp) {
    const std::size_t p = FindWord(lineUp, "ARCHITECTURE");
    if (p == npos) return "";
    std::size_t b = p + 13; // the keyword and the character after it
    if (b >= line.size()) return "";
    while (b < line.size() && line[b] == ' ')
        ++b;
    const std::size_t of = lineUp.find(" OF ", b);
    if (of == npos) return "";
    return TrimRightBlanks(std::string_view(line).substr(b, of - b));
}

// The generic clause between open and close: code holds the letters as written,
// mask its upper-cased copy with comments blanked and literals masked.
void ScanGenerics(std::vector<TGeneric>& generics, TStrings& types, TStrings& subprograms,
                  const std::string& code, const std::string& mask, std::size_t open,
                  std::size_t close) {
    std::size_t start = open;
    int depth = 0;
    for (std::size_t i = open; i <= close; ++i) {
        if (i < close && mask[i] == '(') ++depth;
        if (i < close && mask[i] == ')' && depth > 0) --depth;
        if (i < close && (mask[i] != ';' || depth > 0)) continue;
        const std::string decl = Collapse(std::string_view(code).substr(start, i - start),
                                          std::string_view(mask).substr(start, i - start));
        start = i + 1;
        // A generic type, subprogram or package: named, since no value fits it.
        const std::string declUp = UpperCase(decl);
        std::size_t w = 0;
        while (w < declUp.size() && IsWordChar(declUp[w]))
            ++w;
        const std::string first = declUp.substr(0, w);
        if (first == "TYPE" || first == "FUNCTION" || first == "PROCEDURE" || first == "PURE" ||
            first == "IMPURE" || first == "PACKAGE") {
            std::string rest = TrimLeftBlanks(std::string_view(decl).substr(w));
            for (const std::string_view kind : {"FUNCTION", "PROCEDURE"})
                rest = TrimLeftBlanks(DropWord(rest, kind));
            std::size_t n = 0;
            if (!rest.empty() && rest[0] == '"') // an operator: "<"
                n = std::min(rest.find('"', 1) + 1, rest.size());
            while (n < rest.size() && IsWordChar(rest[n]))
                ++n;
            if (first == "TYPE")
                types.push_back(rest.substr(0, n));
            else if (declUp.find("IS <>") == npos && declUp.find("IS<>") == npos)
                subprograms.push_back(rest.substr(0, n));
            continue;
        }
        const std::string_view d = DropWord(decl, "CONSTANT");
        const std::size_t colon = d.find(':');
        if (colon == npos) continue;
        const std::string afterColon = TrimBlanks(d.substr(colon + 1));
        const std::string_view rest = DropWord(afterColon, "IN");
        std::size_t assign = npos;
        for (std::size_t k = 0, level = 0; k + 1 < rest.size() && assign == npos; ++k) {
            if (rest[k] == '(') ++level;
            if (rest[k] == ')' && level > 0) --level;
            if (level == 0 && rest[k] == ':' && rest[k + 1] == '=') assign = k;
        }
        const std::string type = TrimBlanks(rest.substr(0, assign));
        const std::string value = assign == npos ? "" : TrimBlanks(rest.substr(assign + 2));
        std::size_t b = 0;
        const std::string_view names = d.substr(0, colon);
        while (b <= names.size()) {
            std::size_t comma = names.find(',', b);
            if (comma == npos) comma = names.size();
            if (const std::string name = TrimBlanks(names.substr(b, comma - b)); !name.empty())
                generics.push_back({name, type, value});
            b = comma + 1;
        }
    }
}

// A port line split at each ";" outside brackets into its declarations, each
// keeping its ";" and without leading blanks; a single declaration stays whole.
TStrings SplitDeclarations(const std::string& line) {
    TStrings parts;
    std::size_t start = 0;
    int depth = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '(') ++depth;
        if (line[i] == ')' && depth > 0) --depth;
        if (line[i] == ';' && depth == 0) {
            parts.push_back(TrimLeftBlanks(std::string_view(line).substr(start, i + 1 - start)));
            start = i + 1;
        }
    }
    if (const std::string rest = TrimBlanks(std::string_view(line).substr(start)); !rest.empty())
        parts.push_back(TrimLeftBlanks(std::string_view(line).substr(start)));
    if (parts.size() <= 1) return {line}; // a single declaration stays exactly as written
    return parts;
}

void ScanPorts(TEntity& e, const std::string& entity, const std::string& entityUp) {
    // Positions are found in entityUp (comments blanked) and cut from entity.
    const std::string_view text(entity);
    std::size_t o = 0;
    const std::size_t ent = FindWord(entityUp, "ENTITY");
    o = ent == npos ? 5 : ent + 6;
    if (o > text.size()) o = text.size();
    if (const std::size_t is = FindWord(entityUp, "IS", o); is != npos) {
        e.name = TrimBlanks(text.substr(o, is - o));
        o = is + 2;
    }

    // The entity's own END ends the search: a PORT behind it is an instance's port map.
    std::size_t end = FindWord(entityUp, "END", o);
    if (end == npos) end = text.size();
    if (const std::size_t g = FindWord(entityUp, "GENERIC", o); g < end) {
        const std::size_t open = entityUp.find('(', g);
        if (open < end) {
            const std::size_t close = std::min(MatchingClose(entityUp, open), end);
            // Comments blanked, letters as written.
            std::string code = entity;
            for (std::size_t i = 0; i < code.size(); ++i)
                if (entityUp[i] == ' ') code[i] = ' ';
            ScanGenerics(e.generics, e.genericTypes, e.genericSubprograms, code, entityUp, open + 1,
                         close);
            o = close; // a generic clause is never read as ports
        }
    }
    const std::size_t port = FindWord(entityUp, "PORT", o);
    if (port >= end) return; // no port clause
    // The port clause ends at the ")" matching its "(": declarations behind it, in
    // the entity's own declarative part, are no ports.
    if (std::size_t open = port + 4; open < end) {
        while (open < end && (entityUp[open] == ' ' || entityUp[open] == '|'))
            ++open;
        if (open < end && entityUp[open] == '(')
            if (const std::size_t close = MatchingClose(entityUp, open); close < end)
                end = close + 1;
    }
    o = std::min(port + 5, text.size()); // the keyword and the "(" or blank after it
    while (o < end && (text[o] == ' ' || text[o] == '('))
        ++o;
    while (end > o && entityUp[end - 1] != ')')
        --end;
    if (end - o <= 1) return;
    --end; // the ")" that closed the port list
    while (end > o && text[end - 1] == ' ')
        --end;
    // The ";" put back gives the last port the terminator the ")" took its place of.
    const std::string region = std::string(text.substr(o, end - o)) + ";|";

    std::size_t pos = 0;
    std::string names; // a list of names that goes on in the next line ("a," then "b : bit;")
    while (pos < region.size()) {
        const std::size_t bar = region.find('|', pos);
        if (bar == npos) break;
        std::string line = TrimLeftBlanks(std::string_view(region).substr(pos, bar - pos));
        line = TrimRightBlanks(std::string_view(line).substr(0, CommentStart(line)));
        pos = bar + 1;
        if (!line.empty() && line.back() == ',' && line.find(':') == npos) {
            names += line + " ";
            continue;
        }
        line = names + line;
        names.clear();
        for (std::string piece : SplitDeclarations(line)) {
            // "signal r : in bit": the object class is no part of the name.
            piece = std::string(DropWord(piece, "SIGNAL"));
            const bool buffer = DirectionOf(piece) == TDirection::Buffer;
            if (const std::size_t k = FindWord(UpperCase(piece), "BUFFER"); k != npos)
                piece = piece.substr(0, k) + "out" + piece.substr(k + 6);
            TDirection direction = DirectionOf(piece);
            if (buffer && direction == TDirection::Out) direction = TDirection::Buffer;
            if (piece.find(',') == npos) {
                AddPort(e, piece, direction);
            } else {
                // Several names share one declaration: each gets the text from ":" on.
                const std::size_t colon = piece.find(':');
                const std::string names = colon == npos ? "" : piece.substr(0, colon);
                const std::string rest = colon == npos ? piece : piece.substr(colon);
                std::size_t b = 0;
                while (b < names.size()) {
                    std::size_t comma = names.find(',', b);
                    if (comma == npos) comma = names.size();
                    if (comma > b)
                        AddPort(e,
                                TrimRightBlanks(std::string_view(names).substr(b, comma - b)) +
                                    " " + rest,
                                direction);
                    b = comma + 1;
                }
            }
        }
    }
}

TSignalRef Ref(const std::string& recorded) {
    if (recorded.empty()) return {};
    const std::string written = recorded.substr(1);
    return {TrimBlanks(written), written, recorded[0] == '+'};
}

} // namespace

TEntity ScanEntity(const TStrings& lines) {
    std::string entity, entityUp, process, archLine, archUp;
    std::vector<std::size_t> processLines; // where each line starts in the process text
    bool inEntity = false, inProcess = false;
    for (const std::string& line : lines) {
        const std::string up = CodeUpper(line);
        if (HasWord(up, "ENTITY")) inEntity = true;
        if (inEntity) {
            entity += line;
            entity += '|';
            entityUp += up;
            entityUp += '|';
        }
        const bool hasEnd = HasWord(up, "END");
        if (hasEnd) inEntity = false;
        if (HasWord(up, "PROCESS")) inProcess = true;
        if (inProcess) {
            processLines.push_back(process.size());
            process.append(line, 0, CommentStart(line));
        }
        if (hasEnd) inProcess = false;
        // "end architecture rtl;" closes an architecture, it does not name one.
        if (HasWord(up, "ARCHITECTURE") && !FirstWordIs(up, "END")) {
            archLine = line;
            archUp = up;
        }
    }
    TEntity e;
    e.architecture = ScanArchitecture(archLine, archUp);
    ScanPorts(e, entity, entityUp);
    const TRoles event = ScanClockAndReset(process, processLines);
    e.clock = Ref(event.clock);
    e.reset = Ref(event.reset);
    ScanClockProcess(e, lines);
    return e;
}

} // namespace korvalt
