#include "fsm/automat.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

#include "common/ascii.h"
#include "common/intread.h"

namespace korvalt {

std::int32_t ClampBitWidth(std::int64_t width) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(width, 0, MaxBitWidth));
}

int BitsNeeded(std::int64_t n) {
    if (n <= 0) return 0;
    if (n == 1) return 1;
    int bits = 0;
    for (std::uint64_t v = static_cast<std::uint64_t>(n - 1); v != 0; v >>= 1)
        ++bits;
    return bits;
}

TEntry ParseEntry(std::string_view entry) {
    const auto bar = entry.find('|');
    if (bar == std::string_view::npos) return {"", std::string(entry), false};
    return {std::string(entry.substr(0, bar)), std::string(entry.substr(bar + 1)), true};
}

std::string FormatEntry(const TEntry& e) {
    return e.HasBar ? e.Name + "|" + e.Bits : e.Bits;
}

std::string EntryName(std::string_view entry) {
    return ParseEntry(entry).Name;
}

std::string EntryBits(std::string_view entry) {
    return ParseEntry(entry).Bits;
}

std::string WrittenName(std::string_view entry) {
    TEntry e = ParseEntry(entry);
    return e.HasBar ? std::move(e.Name) : std::move(e.Bits);
}

TTransitionRow ParseTransitionRow(std::string_view row) {
    TTransitionRow r;
    std::string* fields[] = {&r.Zustand, &r.Folgezustand, &r.Bedingung};
    for (std::string* f : fields) {
        const auto bar = row.find('|');
        *f = row.substr(0, bar);
        if (bar == std::string_view::npos) return r;
        row.remove_prefix(bar + 1);
        ++r.Fields;
    }
    r.Ausgang = row;
    return r;
}

std::string FormatTransitionRow(const TTransitionRow& row) {
    const std::string* fields[] = {&row.Zustand, &row.Folgezustand, &row.Bedingung, &row.Ausgang};
    std::string s = row.Zustand;
    for (int i = 1; i < std::clamp(row.Fields, 1, 4); ++i)
        s += "|" + *fields[i];
    return s;
}

TTransitionRow MakeTransitionRow(bool moore, std::string zustand, std::string folgezustand,
                                 std::string bedingung, std::string ausgang) {
    return {std::move(zustand), std::move(folgezustand), std::move(bedingung),
            moore ? std::string() : std::move(ausgang), moore ? 3 : 4};
}

std::string_view PatternChars(TPart part) {
    return part == TPart::Eingangsmatrix || part == TPart::Ausgangsmatrix ? "01-" : "01";
}

TStrings& PartList(TAutomat& a, TPart part) {
    switch (part) {
    case TPart::Eingangsmatrix:
        return a.Eingangsmatrix;
    case TPart::Ausgangsmatrix:
        return a.Ausgangsmatrix;
    case TPart::Zustandsmatrix:
        return a.Zustandsmatrix;
    case TPart::Automatentabelle:
        return a.Automatentabelle;
    default:
        return a.Ausgangstabelle;
    }
}

void RemoveDuplicateEntries(TStrings& list) {
    std::unordered_set<std::string> seen;
    TStrings kept;
    for (auto& e : list)
        if (seen.insert(UpperCase(e)).second) kept.push_back(std::move(e));
    list = std::move(kept);
}

bool HasDuplicateIdentifiers(const TStrings& lines) {
    std::unordered_set<std::string> seen;
    for (const auto& l : lines)
        if (!seen.insert(UpperCase(l)).second) return true;
    return false;
}

std::int32_t WidthOf(std::string_view widthText) {
    return ClampBitWidth(DecimalOf(widthText));
}

std::int32_t AppliedWidth(const TStrings& lines, std::string_view widthText) {
    return std::max<std::int32_t>(WidthOf(widthText),
                                  BitsNeeded(static_cast<std::int64_t>(lines.size())));
}

std::string FitPattern(std::string_view bits, std::int64_t width) {
    const auto w = static_cast<std::size_t>(ClampBitWidth(width));
    if (bits.size() >= w) return std::string(bits.substr(bits.size() - w));
    return std::string(w - bits.size(), '0') + std::string(bits);
}

std::optional<int> RaisedWidth(const TStrings& lines, std::string_view widthText) {
    const auto names =
        std::count_if(lines.begin(), lines.end(), [](auto& l) { return !l.empty(); });
    const int needed = BitsNeeded(names);
    if (needed > DecimalOf(widthText)) return needed;
    return std::nullopt;
}

TIdentifierView ShowIdentifierList(TAutomat& a, TPart part) {
    TIdentifierView v;
    if (part == TPart::Eingangsmatrix || part == TPart::Ausgangsmatrix) {
        const TStrings& list = part == TPart::Eingangsmatrix ? a.Eingangsmatrix : a.Ausgangsmatrix;
        std::int32_t& width =
            part == TPart::Eingangsmatrix ? a.Eingangsbitbreite : a.Ausgangsbitbreite;
        width = std::max<std::int32_t>(width, BitsNeeded(static_cast<std::int64_t>(list.size())));
        v.widthText = std::to_string(width);
    }
    if (part == TPart::Zustandsmatrix) {
        for (const auto& s : a.Zustandsmatrix)
            v.resetChoices.push_back(WrittenName(s));
        for (std::size_t i = 0; i < v.resetChoices.size() && v.resetIndex < 0; ++i)
            if (v.resetChoices[i] == a.Resetzustand) v.resetIndex = static_cast<int>(i);
    }
    if (part == TPart::TaktReset) {
        v.resetLow = a.ResetAktiv == "0";
        v.clockLow = a.TaktAktiv == "0";
        return v;
    }
    for (const auto& e : PartList(a, part))
        v.lines.push_back(EntryName(e));
    return v;
}

namespace {

// The entry named name: the first of that exact name, else the first equal ignoring case.
std::size_t IndexOfName(const TStrings& list, std::string_view name) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (EntryName(list[i]) == name) return i;
    for (std::size_t i = 0; i < list.size(); ++i)
        if (SameText(EntryName(list[i]), name)) return i;
    return list.size();
}

// A Moore output row belongs to the state of its position; when the states
// change in number, each state line takes the row of the state of its name.
void OutputRowsFollowStates(TAutomat& a, const TStrings& lines) {
    if (!a.Moore || a.Ausgangstabelle.empty()) return;
    TStrings rows;
    for (const auto& line : lines) {
        const std::size_t i = IndexOfName(a.Zustandsmatrix, line);
        if (i >= a.Ausgangstabelle.size()) {
            rows.push_back(line + "|");
            continue;
        }
        TEntry row = ParseEntry(a.Ausgangstabelle[i]);
        if (row.HasBar) row.Name = line;
        rows.push_back(FormatEntry(row));
    }
    a.Ausgangstabelle = std::move(rows);
}

} // namespace

void ApplyIdentifierLines(TAutomat& a, TPart part, TStrings& lines, std::string_view widthText,
                          std::string_view resetChoice, bool resetLow, bool clockLow) {
    std::int32_t oldWidth = 0, newWidth = 0;
    if (part == TPart::Eingangsmatrix || part == TPart::Ausgangsmatrix) {
        std::int32_t& width =
            part == TPart::Eingangsmatrix ? a.Eingangsbitbreite : a.Ausgangsbitbreite;
        oldWidth = width;
        width = newWidth = AppliedWidth(lines, widthText);
    }
    if (part == TPart::Zustandsmatrix) a.Resetzustand = std::string(resetChoice);
    if (part == TPart::TaktReset) {
        a.ResetAktiv = resetLow ? "0" : "1";
        a.TaktAktiv = clockLow ? "0" : "1";
        return;
    }
    TStrings& list = PartList(a, part);
    if (lines.empty()) {
        list.clear();
        return;
    }
    std::erase_if(lines, [](const std::string& l) { return TrimBlanks(l).empty(); });
    if (part == TPart::Zustandsmatrix) {
        // The state code is as wide as the number of states needs.
        oldWidth = BitsNeeded(static_cast<std::int64_t>(list.size()));
        newWidth = BitsNeeded(static_cast<std::int64_t>(lines.size()));
    }
    if (lines.size() == list.size()) {
        TStrings oldNames;
        for (const auto& e : list)
            oldNames.push_back(EntryName(e));
        RenameEntries(a, part, oldNames, lines);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            TEntry e = ParseEntry(list[i]);
            // The bits stay with the position; an entry without "|" is kept whole behind the name.
            list[i] = lines[i] + (e.HasBar ? "|" + e.Bits : e.Bits);
        }
    } else {
        // Names were added or deleted: positions say nothing any more, names do.
        if (part == TPart::Zustandsmatrix) OutputRowsFollowStates(a, lines);
        TStrings entries;
        for (const auto& line : lines) {
            const std::size_t i = IndexOfName(list, line);
            entries.push_back(line + "|" + (i < list.size() ? EntryBits(list[i]) : ""));
        }
        list = std::move(entries);
    }
    if (oldWidth > 0 && newWidth != oldWidth) {
        for (auto& entry : list) {
            TEntry e = ParseEntry(entry);
            if (!e.HasBar || e.Bits.empty()) continue;
            e.Bits = FitPattern(e.Bits, newWidth);
            entry = FormatEntry(e);
        }
    }
    RemoveDuplicateEntries(list);
}

int PatternsLosingOnes(const TAutomat& a, TPart part, const TStrings& lines,
                       std::string_view widthText) {
    if (part != TPart::Eingangsmatrix && part != TPart::Ausgangsmatrix) return 0;
    // The patterns as the lines keep them, before the width changes.
    TAutomat kept = a;
    TStrings keptLines = lines;
    const std::int32_t oldWidth =
        part == TPart::Eingangsmatrix ? a.Eingangsbitbreite : a.Ausgangsbitbreite;
    ApplyIdentifierLines(kept, part, keptLines, std::to_string(oldWidth), "", false, false);
    const auto width = static_cast<std::size_t>(AppliedWidth(lines, widthText));
    int losing = 0;
    for (const auto& entry : PartList(kept, part)) {
        const TEntry e = ParseEntry(entry);
        // A don't-care bit dropped loses as much as a 1: only a 0 may go unasked.
        if (e.HasBar && e.Bits.size() > width && e.Bits.find_first_of("1-") < e.Bits.size() - width)
            ++losing;
    }
    return losing;
}

void SyncAusgangstabelle(TAutomat& a) {
    auto& out = a.Ausgangstabelle;
    const std::size_t states = a.Zustandsmatrix.size();
    for (std::size_t i = 0; i < states; ++i) {
        const std::string name = WrittenName(a.Zustandsmatrix[i]);
        if (i >= out.size()) {
            out.push_back(name + "|");
            continue;
        }
        TEntry row = ParseEntry(out[i]);
        if (!row.HasBar) continue; // a hand-edited row without "|" stays as it is
        row.Name = name;
        out[i] = FormatEntry(row);
    }
    if (out.size() > states) out.resize(states);
}

void RenameEntries(TAutomat& a, TPart part, const TStrings& oldNames, const TStrings& newNames) {
    if (!IsMatrix(part)) return;
    const std::size_t n = std::min(oldNames.size(), newNames.size());
    bool renamed = false;
    for (std::size_t i = 0; i < n; ++i)
        renamed |= !oldNames[i].empty() && oldNames[i] != newNames[i];
    if (!renamed) return;
    auto follow = [&](std::string& field) {
        if (field.empty()) return;
        std::size_t found = n;
        for (std::size_t i = 0; i < n && found == n; ++i)
            if (oldNames[i] == field) found = i;
        for (std::size_t i = 0; i < n && found == n; ++i)
            if (SameText(oldNames[i], field)) found = i;
        if (found < n) field = newNames[found];
    };
    for (auto& stored : a.Automatentabelle) {
        TTransitionRow row = ParseTransitionRow(stored);
        if (part == TPart::Zustandsmatrix) {
            follow(row.Zustand);
            follow(row.Folgezustand);
        }
        if (part == TPart::Eingangsmatrix) follow(row.Bedingung);
        if (part == TPart::Ausgangsmatrix && !a.Moore) follow(row.Ausgang);
        stored = FormatTransitionRow(row);
    }
    for (auto& stored : a.Ausgangstabelle) {
        TEntry row = ParseEntry(stored);
        if (!row.HasBar) continue;
        if (part == TPart::Zustandsmatrix) follow(row.Name);
        if (part == TPart::Ausgangsmatrix) follow(row.Bits);
        stored = FormatEntry(row);
    }
}

} // namespace korvalt
