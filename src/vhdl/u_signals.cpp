// The entity scanner and the emitters of TSignal.
//
// Scan reads the file line by line into three texts: the entity stretch (lines
// from one naming ENTITY through the next naming END, each followed by "|"),
// the process text (lines from PROCESS through END, comments left out, run
// together) and the last architecture header. The entity name, the ports and
// the architecture name are cut from these texts; the clock and reset come
// from the if conditions of the process text. Every step moves forward through
// its text, so a scan takes time linear in the file's size.
#include "vhdl/u_signals.h"

#include <array>
#include <unordered_set>

#include "common/ascii.h"
#include "common/textfile.h"
#include "vhdl/keywords.h"

namespace korvalt {

namespace {

constexpr auto npos = std::string_view::npos;

// Forward-only search in an upper-cased text: the next occurrence of a keyword
// at or after the current offset, remembered until the offset passes it.
class TCursor {
  public:
    explicit TCursor(std::string_view text) : text_(text) {}
    std::size_t o = 0;
    std::size_t Size() const { return text_.size(); }
    std::string_view Text() const { return text_; }
    std::size_t Next(std::size_t key) {
        auto& slot = next_[key];
        if (!known_[key] || (slot != npos && slot < o)) {
            slot = o <= text_.size() ? text_.find(Keys[key], o) : npos;
            known_[key] = true;
        }
        return slot;
    }
    void Advance(std::size_t to) { o = to < text_.size() ? to : text_.size(); }

    enum : std::size_t { If, Then, Elsif, Else, End, Semicolon, Count };

  private:
    static constexpr std::array<std::string_view, Count> Keys{"IF ",   "THEN", "ELSIF ",
                                                              "ELSE ", "END ", ";"};
    std::string_view text_;
    std::array<std::size_t, Count> next_{};
    std::array<bool, Count> known_{};
};

// The first whole word BEGIN at or after from, outside string literals. The
// process text runs its lines together, so a line start also ends a word.
std::size_t ProcessBegin(std::string_view upper, const std::vector<std::size_t>& lineStarts,
                         std::size_t from) {
    std::size_t line = 0;
    bool inString = false;
    for (std::size_t i = 0; i < upper.size(); ++i) {
        const bool lineStart = line < lineStarts.size() && lineStarts[line] == i;
        while (line < lineStarts.size() && lineStarts[line] <= i)
            ++line;
        if (lineStart) inString = false;
        if (upper[i] == '"') inString = !inString;
        if (inString || i < from || upper.compare(i, 5, "BEGIN") != 0) continue;
        const bool before = !lineStart && i > 0 && IsWordChar(upper[i - 1]);
        const bool lineEndsAfter = line < lineStarts.size() && lineStarts[line] == i + 5;
        const bool after = !lineEndsAfter && i + 5 < upper.size() && IsWordChar(upper[i + 5]);
        if (!before && !after) return i;
    }
    return npos;
}

struct TSensitivity {
    std::string written; // as in the sensitivity list
    std::string upper;
    std::string event; // upper + "'EVENT"
};

} // namespace

TSignal::TSignal(const std::string& path) {
    Scan(path);
}

TSignal TSignal::FromLines(const TStrings& lines) {
    TSignal s;
    s.ScanLines(lines);
    return s;
}

void TSignal::Scan(const std::string& path) {
    TStrings lines;
    if (!ReadLines(path, lines)) return;
    ScanLines(lines);
}

std::string TSignal::Spaces(int n) {
    return n > 0 ? std::string(static_cast<std::size_t>(n), ' ') : "";
}

std::string TSignal::TrimLeftBlanks(std::string_view s) {
    std::size_t b = 0;
    while (b < s.size() && s[b] == ' ')
        ++b;
    return std::string(s.substr(b));
}

std::string TSignal::TrimRightBlanks(std::string_view s) {
    std::size_t e = s.size();
    while (e > 0 && s[e - 1] == ' ')
        --e;
    return std::string(s.substr(0, e));
}

int TSignal::DirectionFlags(std::string_view declaration) {
    const std::size_t colon = declaration.find(':');
    if (colon == npos) return 0;
    std::size_t b = colon + 1;
    while (b < declaration.size() && (declaration[b] == ' ' || declaration[b] == '\t'))
        ++b;
    std::size_t e = b;
    while (e < declaration.size() && IsWordChar(declaration[e]))
        ++e;
    const std::string mode = UpperCase(declaration.substr(b, e - b));
    if (mode == "IN") return DirIn;
    if (mode == "OUT" || mode == "BUFFER" || mode == "INOUT") return DirOut;
    if (mode == "LINKAGE") return 0;
    return DirIn; // no mode word: VHDL's default mode is in
}

std::string TSignal::PortName(std::string_view declaration) {
    const std::size_t colon = declaration.find(':');
    return colon == npos ? std::string() : TrimRightBlanks(declaration.substr(0, colon));
}

void TSignal::AddPort(const std::string& text, int flags) {
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

    Ports_.push_back(port);
    if (flags == DirIn) Inputs_.push_back(port);
    if (flags == DirOut) Outputs_.push_back(port);
    if (flags == (DirIn | DirOut)) {
        Inputs_.push_back(port);
        Outputs_.push_back("#" + port);
    }
}

void TSignal::ScanLines(const TStrings& lines) {
    Inputs_.clear();
    Outputs_.clear();
    OutLines_.clear();
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
    ScanArchitecture(archLine, archUp);
    ScanPorts(entity, entityUp);
    ScanClockAndReset(process, processLines);
}

void TSignal::ScanArchitecture(const std::string& line, const std::string& lineUp) {
    const std::size_t p = FindWord(lineUp, "ARCHITECTURE");
    if (p == npos) return;
    std::size_t b = p + 13; // the keyword and the character after it
    if (b >= line.size()) return;
    while (b < line.size() && line[b] == ' ')
        ++b;
    const std::size_t of = lineUp.find(" OF ", b);
    if (of == npos) return;
    std::string name = TrimRightBlanks(std::string_view(line).substr(b, of - b));
    if (!name.empty()) ArchName_ = name;
}

void TSignal::ScanPorts(const std::string& entity, const std::string& entityUp) {
    // Positions are found in entityUp (comments blanked) and cut from entity.
    const std::string_view text(entity);
    std::size_t o = 0;
    const std::size_t ent = FindWord(entityUp, "ENTITY");
    o = ent == npos ? 5 : ent + 6;
    if (o > text.size()) o = text.size();
    if (const std::size_t is = FindWord(entityUp, "IS", o); is != npos) {
        EntityName_ = TrimBlanks(text.substr(o, is - o));
        o = is + 2;
    }

    if (const std::size_t port = FindWord(entityUp, "PORT", o); port != npos)
        o = std::min(port + 5, text.size()); // the keyword and the "(" or blank after it
    std::size_t end = FindWord(entityUp, "END", o);
    if (end == npos) end = text.size();
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
    while (pos < region.size()) {
        const std::size_t bar = region.find('|', pos);
        if (bar == npos) break;
        std::string line = TrimLeftBlanks(std::string_view(region).substr(pos, bar - pos));
        line = TrimRightBlanks(std::string_view(line).substr(0, CommentStart(line)));
        for (std::string piece : SplitDeclarations(line)) {
        if (const std::size_t k = FindWord(UpperCase(piece), "BUFFER"); k != npos)
            piece = piece.substr(0, k) + "out" + piece.substr(k + 6);
        const int flags = DirectionFlags(piece);
        if (piece.find(',') == npos) {
            AddPort(piece, flags);
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
                    AddPort(TrimRightBlanks(std::string_view(names).substr(b, comma - b)) + " " +
                                rest,
                            flags);
                b = comma + 1;
            }
        }
        }
        pos = bar + 1;
    }
}

TStrings TSignal::SplitDeclarations(const std::string& line) {
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

// The clock is the first sensitivity entry found with its event attribute in
// an if condition; a reset survives only as the condition of an if statement
// whose elsif (or else) branch is followed by the clock.
constexpr std::size_t MaxSensitivityEntries = 256;

void TSignal::ScanClockAndReset(const std::string& process,
                                const std::vector<std::size_t>& lineStarts) {
    if (process.empty()) return;
    ClockSignal_.clear();
    ResetSignal_.clear();
    const std::string upper = UpperCase(process);
    std::size_t a = upper.find("PROCESS");
    a = a == npos ? upper.size() : a + 7;
    const std::string_view A = std::string_view(process).substr(a);

    std::vector<TSensitivity> entries;
    {
        std::unordered_set<std::string> seen;
        const std::size_t close = A.find(')');
        std::string_view sens = close == npos ? std::string_view() : A.substr(0, close);
        if (const std::size_t open = sens.find('('); open != npos) sens = sens.substr(open + 1);
        std::size_t b = 0;
        // Every condition is searched for every entry: a list of thousands of
        // signals is no design, and must not make the scan take minutes.
        while (b < sens.size() && entries.size() < MaxSensitivityEntries) {
            std::size_t comma = sens.find(',', b);
            if (comma == npos) comma = sens.size();
            TSensitivity s{std::string(sens.substr(b, comma - b)), "", ""};
            s.upper = UpperCase(s.written);
            s.event = s.upper + "'EVENT";
            // An empty entry never matches; a repeated one can never win.
            if (!s.upper.empty() && seen.insert(s.upper).second) entries.push_back(std::move(s));
            b = comma + 1;
        }
    }
    if (entries.empty()) return; // no entry can be recorded: both stay empty

    auto classify = [&](std::string_view cond) {
        const char sign = cond.find('1') != npos ? '+' : '-';
        for (const auto& e : entries) {
            if (!ClockSignal_.empty() && !ResetSignal_.empty()) return;
            if (e.upper.size() > cond.size() || cond.find(e.upper) == npos) continue;
            std::string& role = cond.find(e.event) != npos ? ClockSignal_ : ResetSignal_;
            if (role.empty()) role = sign + e.written;
        }
    };

    // The conditions are searched behind the process's own BEGIN: its declarations
    // (constant MAXDIF : integer := 10;) are no conditions.
    TCursor t(std::string_view(upper).substr(a));
    if (const std::size_t b = ProcessBegin(upper, lineStarts, a); b != npos) t.Advance(b + 5 - a);
    while (t.o < t.Size()) {
        if (const std::size_t k = t.Next(TCursor::If); k != npos) t.Advance(k + 2);
        const std::size_t then = t.Next(TCursor::Then);
        const std::string_view cond =
            then == npos ? std::string_view() : t.Text().substr(t.o, then - t.o);
        classify(cond);
        t.Advance(t.o + cond.size() + 4);
        std::size_t k = t.Next(TCursor::Elsif);
        if (k == npos) k = t.Next(TCursor::Else);
        if (k == npos) {
            ResetSignal_.clear();
            if (const std::size_t m = t.Next(TCursor::End); m != npos) {
                t.Advance(m + 1);
                if (const std::size_t j = t.Next(TCursor::Semicolon); j != npos) t.Advance(j + 1);
            } else {
                t.Advance(t.Size());
            }
        } else {
            if (ClockSignal_.empty()) {
                t.Advance(k + 1);
                if (const std::size_t blank = t.Text().find(' ', t.o); blank != npos)
                    t.Advance(blank + 1);
                const std::size_t then2 = t.Next(TCursor::Then);
                classify(then2 == npos ? std::string_view() : t.Text().substr(t.o, then2 - t.o));
            }
            std::size_t m = t.Next(TCursor::If);
            if (m == npos) m = t.Next(TCursor::End);
            if (m == npos) m = t.Next(TCursor::Else);
            if (m != npos) t.Advance(m);
        }
        if (!ClockSignal_.empty()) break;
    }
    if (ClockSignal_.empty()) ResetSignal_.clear();
}

TStrings TSignal::DeclaredPorts() const {
    TStrings ports = Inputs_;
    for (const auto& o : Outputs_)
        if (o.empty() || o[0] != '#') ports.push_back(o);
    return ports;
}

const TStrings& TSignal::PortClause(int n) {
    OutLines_.clear();
    const std::string indent = Spaces(n);
    const TStrings ports = DeclaredPorts();
    if (ports.empty()) return OutLines_; // no ports, no port clause
    OutLines_.push_back(indent + "   PORT(");
    for (std::size_t i = 0; i < ports.size(); ++i) {
        std::string line = "         " + ports[i];
        if (i + 1 == ports.size()) line = line.substr(0, line.find(';'));
        OutLines_.push_back(indent + line);
    }
    OutLines_.push_back(indent + "        );");
    return OutLines_;
}

const TStrings& TSignal::InputSignals(int n) {
    OutLines_.clear();
    for (const auto& in : Inputs_)
        OutLines_.push_back(Spaces(n) + "Signal " + in);
    return OutLines_;
}

const TStrings& TSignal::OutputSignals(int n) {
    OutLines_.clear();
    for (const auto& out : Outputs_)
        if (out.empty() || out[0] != '#') OutLines_.push_back(Spaces(n) + "Signal " + out);
    return OutLines_;
}

const TStrings& TSignal::ComponentDecl(int n) {
    PortClause(n);
    OutLines_.insert(OutLines_.begin(), Spaces(n) + "component " + EntityName_);
    OutLines_.push_back(Spaces(n) + "end component;");
    return OutLines_;
}

const TStrings& TSignal::StimulusProcesses(int n) {
    OutLines_.clear();
    const std::string I = Spaces(n), J = Spaces(n + 8);
    auto levels = [](const std::string& signal) {
        return signal[0] == '+' ? std::pair<std::string, std::string>{"'0'", "'1'"}
                                : std::pair<std::string, std::string>{"'1'", "'0'"};
    };
    if (!ResetSignal_.empty()) {
        // The active level first, for 50 ns, then the inactive one for the rest of the run.
        const auto [b, a] = levels(ResetSignal_);
        const std::string name = ResetSignal_.substr(1);
        OutLines_.push_back(I + "prst: PROCESS");
        OutLines_.push_back(I + "      BEGIN");
        OutLines_.push_back(J + name + " <= " + a + "; wait for 50 ns;");
        OutLines_.push_back(J + name + " <= " + b + "; wait;");
        OutLines_.push_back(I + "      END PROCESS prst;");
        OutLines_.push_back("");
    }
    if (!ClockSignal_.empty()) {
        const auto [a, b] = levels(ClockSignal_);
        const std::string name = ClockSignal_.substr(1);
        OutLines_.push_back(I + "pclk: PROCESS");
        OutLines_.push_back(I + "      BEGIN");
        OutLines_.push_back(J + name + " <= " + a + "; wait for tb_time;");
        OutLines_.push_back(J + name + " <= " + b + "; wait for tb_time;");
        OutLines_.push_back(I + "      END PROCESS pclk;");
    }
    return OutLines_;
}

// Positional association: the ports in the order the component declaration
// lists them, so each signal reaches the port of its name.
const TStrings& TSignal::InstanceMap(int n, bool withComments) {
    OutLines_.clear();
    TStrings ports;
    for (const auto& p : DeclaredPorts())
        if (p.find(':') != npos) ports.push_back(p);
    if (ports.empty()) return OutLines_;
    const std::string head = Spaces(n) + "map_XXX : " + EntityName_ + " port map(";
    const std::string C = Spaces(static_cast<int>(head.size()));
    std::string oneLine = head;
    OutLines_.push_back(head);
    for (std::size_t i = 0; i < ports.size(); ++i) {
        const std::string& p = ports[i];
        std::string name = PortName(p);
        if (i + 1 < ports.size()) name += ",";
        if (withComments) {
            std::string comment = p.substr(p.find(':') + 1);
            if (!comment.empty() && comment.back() == ';') comment.pop_back();
            name += " -- " + comment;
        }
        OutLines_.push_back(C + name);
        oneLine += name;
    }
    OutLines_.push_back(C + ");");
    if (!withComments) OutLines_.assign(1, oneLine + ");");
    return OutLines_;
}

const TStrings& TSignal::TestbenchMap(int n) {
    OutLines_.clear();
    TStrings ports;
    for (const auto& p : Ports_)
        if (p.find(':') != npos) ports.push_back(p);
    if (ports.empty()) return OutLines_;
    const std::string head = Spaces(n) + "map_tb" + " : " + EntityName_ + " port map(";
    const std::string C = Spaces(static_cast<int>(head.size()));
    std::string line = head;
    for (std::size_t i = 0; i < ports.size(); ++i) {
        if (line.size() > 50) {
            OutLines_.push_back(line);
            line = C;
        }
        const std::string name = PortName(ports[i]);
        line += name + "=>" + name;
        if (i + 1 < ports.size()) line += ",";
    }
    OutLines_.push_back(line + ");");
    return OutLines_;
}

std::string TSignal::ConfigLine(int n) const {
    if (EntityName_.empty()) return "";
    return Spaces(n) + "for all : " + EntityName_ + " use entity work." + EntityName_ + "(" +
           ArchName_ + ");";
}

TStrings ScanListing(const TSignal& s) {
    TStrings out{"entity: " + s.EntityName(), "architecture: " + s.ArchName(),
                 "clock: " + s.ClockSignal(), "reset: " + s.ResetSignal()};
    for (const auto& p : s.Ports())
        out.push_back("port: " + p);
    for (const auto& p : s.Inputs())
        out.push_back("input: " + p);
    for (const auto& p : s.Outputs())
        out.push_back("output: " + p);
    return out;
}

} // namespace korvalt
