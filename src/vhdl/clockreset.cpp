#include "vhdl/clockreset.h"

#include <array>
#include <string_view>
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

// The argument of an edge call whose name starts at p ("RISING_EDGE ( CLK )"
// gives "CLK"), without surrounding blanks; empty when no call follows.
std::string_view EdgeArgument(std::string_view text, std::size_t p, std::size_t nameLength) {
    std::size_t i = p + nameLength;
    while (i < text.size() && text[i] == ' ')
        ++i;
    if (i >= text.size() || text[i] != '(') return {};
    const std::size_t close = text.find(')', i);
    if (close == npos) return {};
    std::string_view arg = text.substr(i + 1, close - i - 1);
    while (!arg.empty() && arg.front() == ' ')
        arg.remove_prefix(1);
    while (!arg.empty() && arg.back() == ' ')
        arg.remove_suffix(1);
    return arg;
}

struct TSensitivity {
    std::string written; // as in the sensitivity list
    std::string upper;
    std::string event; // upper + "'EVENT"
};

// The identifier a reset condition tests ("(rstn_i = '0')", "not rst", "rst = '1'"),
// upper case, and its level: the literal compared with, "not", or else the name.
bool ResetCondition(std::string_view cond, std::string& name, bool& high) {
    std::size_t b = 0;
    while (b < cond.size() && !IsWordChar(cond[b]))
        ++b;
    std::size_t e = b;
    while (e < cond.size() && IsWordChar(cond[e]))
        ++e;
    bool negated = false;
    if (cond.substr(b, e - b) == "NOT") {
        negated = true;
        for (b = e; b < cond.size() && !IsWordChar(cond[b]);)
            ++b;
        for (e = b; e < cond.size() && IsWordChar(cond[e]);)
            ++e;
    }
    if (e == b) return false;
    name = std::string(cond.substr(b, e - b));
    if (cond.find("'1'") != npos)
        high = true;
    else if (cond.find("'0'") != npos)
        high = false;
    else if (negated)
        high = false;
    else if (!NamedLikeReset(name, high))
        high = true;
    return true;
}

const TPort* InputNamed(const TEntity& e, std::string_view upper) {
    for (const TPort& p : e.ports)
        if (IsBitPort(p) && UpperCase(p.name) == upper) return &p;
    return nullptr;
}

// The word before position p, upper case ("END" before "END PROCESS").
std::string_view WordBefore(std::string_view up, std::size_t p) {
    while (p > 0 && !IsWordChar(up[p - 1]))
        --p;
    std::size_t b = p;
    while (b > 0 && IsWordChar(up[b - 1]))
        --b;
    return up.substr(b, p - b);
}

} // namespace

// The clock is the first sensitivity entry found with its event attribute in
// an if condition; a reset survives only as the condition of an if statement
// whose elsif (or else) branch is followed by the clock.
constexpr std::size_t MaxSensitivityEntries = 256;

TRoles ScanClockAndReset(const std::string& process, const std::vector<std::size_t>& lineStarts) {
    TRoles found;
    if (process.empty()) return found;
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
    if (entries.empty()) return found; // no entry can be recorded: both stay empty

    auto classify = [&](std::string_view cond) {
        const char sign = cond.find('1') != npos ? '+' : '-';
        for (const auto& e : entries) {
            if (!found.clock.empty() && !found.reset.empty()) return;
            if (e.upper.size() > cond.size() || cond.find(e.upper) == npos) continue;
            std::string& role = cond.find(e.event) != npos ? found.clock : found.reset;
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
            found.reset.clear();
            if (const std::size_t m = t.Next(TCursor::End); m != npos) {
                t.Advance(m + 1);
                if (const std::size_t j = t.Next(TCursor::Semicolon); j != npos) t.Advance(j + 1);
            } else {
                t.Advance(t.Size());
            }
        } else {
            if (found.clock.empty()) {
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
        if (!found.clock.empty()) break;
    }
    if (found.clock.empty()) found.reset.clear();
    return found;
}

// Clock and reset for the runnable testbench, from the first process whose
// body shows a clock edge.
void ScanClockProcess(TEntity& e, const TStrings& lines) {
    std::string up;
    for (const std::string& line : lines) {
        up += CodeUpper(line);
        up += ' ';
    }
    for (std::size_t p = FindWord(up, "PROCESS"); p != npos; p = FindWord(up, "PROCESS", p + 1)) {
        if (WordBefore(up, p) == "END") continue;
        std::size_t end = FindWord(up, "PROCESS", p + 1);
        while (end != npos && WordBefore(up, end) != "END")
            end = FindWord(up, "PROCESS", end + 1);
        if (end == npos) end = up.size();
        const std::size_t begin = FindWord(up, "BEGIN", p);
        if (begin >= end) continue;
        const std::string_view body = std::string_view(up).substr(begin + 5, end - begin - 5);

        // The first edge: an edge call or an event attribute.
        std::size_t edge = npos, length = 0;
        std::string clock;
        bool rising = true;
        for (const auto& [call, up_] : {std::pair{std::string_view("RISING_EDGE"), true},
                                        std::pair{std::string_view("FALLING_EDGE"), false}})
            for (std::size_t k = FindWord(body, call); k != npos; k = FindWord(body, call, k + 1))
                if (const auto arg = EdgeArgument(body, k, call.size()); !arg.empty() && k < edge) {
                    edge = k, length = call.size(), clock = std::string(arg), rising = up_;
                    break;
                }
        if (const std::size_t k = body.find("'EVENT"); k != npos && k < edge) {
            const std::string_view name = WordBefore(body, k + 1);
            if (!name.empty() && name.data() + name.size() == body.data() + k)
                edge = k, length = 6, clock = std::string(name), rising = true;
        }
        if (edge == npos) continue;
        std::size_t then = FindWord(body, "THEN", edge);
        if (then == npos) then = body.size();
        std::size_t condStart = edge;
        for (const char* key : {"IF", "ELSIF", "UNTIL"})
            for (std::size_t k = FindWord(body, key); k != npos && k < edge;
                 k = FindWord(body, key, k + 1))
                if (WordBefore(body, k) != "END" && (condStart == edge || k > condStart))
                    condStart = k;
        const std::string_view cond = body.substr(condStart, then - condStart);
        if (length == 6 && cond.find("'0'") != npos && cond.find("'1'") == npos) rising = false;
        if (const TPort* c = InputNamed(e, clock)) e.edgeClock = {c->name, c->name, rising};

        std::string name;
        bool high = true;
        // Asynchronous: the if statement's first condition, when the edge is its elsif.
        const std::size_t firstIf = FindWord(body, "IF");
        if (firstIf < condStart && FindWord(body, "ELSIF", firstIf) == condStart) {
            const std::size_t t = FindWord(body, "THEN", firstIf);
            if (t < condStart &&
                ResetCondition(body.substr(firstIf + 2, t - firstIf - 2), name, high))
                if (const TPort* r = InputNamed(e, name)) {
                    e.edgeReset = {r->name, r->name, high};
                    e.resetKind = TResetKind::Async;
                }
        }
        // Synchronous: the first condition inside the edge, for a name that says reset.
        if (!e.edgeReset && then < body.size()) {
            std::size_t k = FindWord(body, "IF", then);
            while (k != npos && WordBefore(body, k) == "END")
                k = FindWord(body, "IF", k + 1);
            const std::size_t t = k == npos ? npos : FindWord(body, "THEN", k);
            bool named = false;
            if (t != npos && ResetCondition(body.substr(k + 2, t - k - 2), name, high) &&
                NamedLikeReset(name, named))
                if (const TPort* r = InputNamed(e, name)) {
                    e.edgeReset = {r->name, r->name, high};
                    e.resetKind = TResetKind::Sync;
                }
        }
        break;
    }
    if (!e.edgeReset)
        for (const TPort& p : e.ports) {
            bool high = true;
            if (IsBitPort(p) && NamedLikeReset(p.name, high)) {
                e.edgeReset = {p.name, p.name, high};
                e.resetKind = TResetKind::ByName;
                break;
            }
        }
}

} // namespace korvalt
