#include "fsm/machine.h"

#include <algorithm>

#include "common/ascii.h"

namespace korvalt {

namespace {

TNamed Named(std::string_view entry) {
    TEntry e = ParseEntry(entry);
    return {std::move(e.Name), std::move(e.Bits), e.HasBar};
}

std::string StoredEntry(const TNamed& n) {
    return n.HasBar ? n.Name + "|" + n.Bits : n.Bits;
}

// Every field after the name holds text: no empty rest, no "|" at its ends, no "||".
bool RestFilled(std::string_view rest) {
    return !rest.empty() && rest.front() != '|' && rest.back() != '|' &&
           rest.find("||") == std::string_view::npos;
}

TRef Ref(const std::vector<TNamed>& list, std::string name, TMatch match) {
    const int index = name.empty() ? -1 : FindNamed(list, name, match);
    return {std::move(name), index};
}

} // namespace

int FindNamed(const std::vector<TNamed>& list, std::string_view name, TMatch match) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        const bool found = match == TMatch::Exact ? list[i].Written() == name
                           : match == TMatch::IgnoreCase
                               ? SameText(list[i].Written(), name)
                               : !list[i].Name.empty() && SameText(list[i].Name, name);
        if (found) return static_cast<int>(i);
    }
    return -1;
}

std::string TTransition::Stored() const {
    const std::string* fields[] = {&Zustand.Name, &Folgezustand.Name, &Bedingung.Name,
                                   &Ausgang.Name};
    std::string s = Zustand.Name;
    for (int i = 1; i < std::clamp(Fields, 1, 4); ++i)
        s += "|" + *fields[i];
    return s;
}

std::string TOutputRow::Stored() const {
    return StoredEntry(Entry);
}

std::string TMachine::ResetName() const {
    if (!Resetzustand.empty() && FindNamed(Zustaende, Resetzustand, TMatch::IgnoreCase) >= 0)
        return Resetzustand;
    return Zustaende.empty() ? Resetzustand : Zustaende.front().Written();
}

std::string TMachine::OutputOf(std::string_view state) const {
    if (state.empty()) return {};
    for (const auto& row : Ausgangszeilen)
        if (SameText(row.Entry.Name, state)) return row.Entry.Bits;
    return {};
}

int TMachine::MealyRow(std::string_view state, std::string_view input) const {
    for (std::size_t i = 0; i < Zeilen.size(); ++i)
        if (Zeilen[i].Fields >= 3 && Zeilen[i].Zustand.Name == state &&
            Zeilen[i].Bedingung.Name == input)
            return static_cast<int>(i);
    return -1;
}

bool TMachine::Coded() const {
    return std::any_of(Zustaende.begin(), Zustaende.end(),
                       [](const TNamed& s) { return s.Bits.find('1') != std::string::npos; });
}

TMachine ReadMachine(const TAutomat& a) {
    TMachine m;
    m.Moore = a.Moore;
    m.Optionen = a.Optionen;
    for (const auto& e : a.Eingangsmatrix)
        m.Eingaenge.push_back(Named(e));
    for (const auto& e : a.Ausgangsmatrix)
        m.Ausgaenge.push_back(Named(e));
    for (const auto& e : a.Zustandsmatrix)
        m.Zustaende.push_back(Named(e));
    const TMatch match = m.RowMatch();
    for (const auto& stored : a.Automatentabelle) {
        TTransitionRow r = ParseTransitionRow(stored);
        if (m.Moore && r.Fields == 4) { // the last field of a Moore row is the rest of it
            r.Bedingung += "|" + r.Ausgang;
            r.Ausgang.clear();
            r.Fields = 3;
        }
        TTransition t;
        t.Zeile = static_cast<int>(m.Zeilen.size()) + 1;
        t.Fields = r.Fields;
        t.Complete = r.Fields >= (m.Moore ? 3 : 4) && !r.Zustand.empty() &&
                     !r.Folgezustand.empty() && !r.Bedingung.empty() &&
                     (m.Moore || !r.Ausgang.empty());
        t.Filled = RestFilled(EntryBits(stored));
        t.Zustand = Ref(m.Zustaende, std::move(r.Zustand), match);
        t.Folgezustand = Ref(m.Zustaende, std::move(r.Folgezustand), match);
        t.Bedingung = Ref(m.Eingaenge, std::move(r.Bedingung), match);
        t.Ausgang = m.Moore ? TRef{} : Ref(m.Ausgaenge, std::move(r.Ausgang), match);
        m.Zeilen.push_back(std::move(t));
    }
    for (const auto& stored : a.Ausgangstabelle) {
        TOutputRow row;
        row.Entry = Named(stored);
        row.Filled = RestFilled(row.Entry.Bits);
        row.Zustand = Ref(m.Zustaende, row.Entry.Written(), TMatch::IgnoreCase);
        row.Ausgang =
            row.Entry.HasBar ? Ref(m.Ausgaenge, row.Entry.Bits, TMatch::IgnoreCase) : TRef{};
        m.Ausgangszeilen.push_back(std::move(row));
    }
    m.Eingangsbitbreite = a.Eingangsbitbreite;
    m.Ausgangsbitbreite = a.Ausgangsbitbreite;
    m.Resetzustand = a.Resetzustand;
    m.ResetAktiv = a.ResetAktiv;
    m.TaktAktiv = a.TaktAktiv;
    return m;
}

TAutomat WriteMachine(const TMachine& m) {
    TAutomat a;
    a.Moore = m.Moore;
    a.Optionen = m.Optionen;
    for (const auto& e : m.Eingaenge)
        a.Eingangsmatrix.push_back(StoredEntry(e));
    for (const auto& e : m.Ausgaenge)
        a.Ausgangsmatrix.push_back(StoredEntry(e));
    for (const auto& e : m.Zustaende)
        a.Zustandsmatrix.push_back(StoredEntry(e));
    for (const auto& t : m.Zeilen)
        a.Automatentabelle.push_back(t.Stored());
    for (const auto& row : m.Ausgangszeilen)
        a.Ausgangstabelle.push_back(row.Stored());
    a.Eingangsbitbreite = m.Eingangsbitbreite;
    a.Ausgangsbitbreite = m.Ausgangsbitbreite;
    a.Resetzustand = m.Resetzustand;
    a.ResetAktiv = m.ResetAktiv;
    a.TaktAktiv = m.TaktAktiv;
    return a;
}

} // namespace korvalt
