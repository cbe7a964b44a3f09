#include <gtest/gtest.h>

#include "fsm/examples.h"
#include "fsm/machine.h"
#include "fsm/workspace.h"
#include "support/testsupport.h"

using namespace korvalt;

namespace {

std::string Dump(const TNamed& n) {
    return n.HasBar ? n.Name + "|" + n.Bits : "(" + n.Bits + ")";
}
std::string Dump(const TRef& r) {
    return r.Name + "=" + (r.Resolved() ? std::to_string(r.Index) : "-");
}
std::string Dump(const TTransition& t, bool moore) {
    return std::to_string(t.Zeile) + ": " + Dump(t.Zustand) + " " + Dump(t.Folgezustand) + " " +
           Dump(t.Bedingung) + (moore ? "" : " " + Dump(t.Ausgang)) +
           (t.Complete ? " complete" : "") + (t.Filled ? " filled" : "") +
           (t.TakesLine() ? "" : " noline");
}
std::string Dump(const TOutputRow& r) {
    return Dump(r.Zustand) + " " + Dump(r.Ausgang) + (r.Filled ? " filled" : "");
}
template <class T, class F> std::string Join(const std::vector<T>& items, F dump) {
    std::string s;
    for (const auto& item : items)
        s += (s.empty() ? "" : " / ") + dump(item);
    return s;
}

} // namespace

// tests/data/fsm/machine.txt: a worked example with one list replaced (or a
// whole hand-edited file), the typed description read from it, and the same
// lists written back.
TEST(ReadMachine, TypedDescriptionAsTheDataFileSays) {
    const auto rows = test::DataRows("fsm/machine.txt", '\t');
    EXPECT_GE(rows.size(), 20u);
    for (const auto& c : rows) {
        TAutomat a = c[0] == "Moore" ? test::MooreExample() : test::MealyExample();
        const std::string& part = c[1];
        if (part == "Datei") {
            a = TAutomat{.Moore = a.Moore};
            std::string text;
            for (const auto& line : test::ListOf(c[2]))
                text += line + "\n";
            LoadWorkspaceText(a, text);
        } else if (part == "Resetzustand") {
            a.Resetzustand = c[2];
        } else {
            TStrings& list = part == "Eingangsmatrix"     ? a.Eingangsmatrix
                             : part == "Zustandsmatrix"   ? a.Zustandsmatrix
                             : part == "Automatentabelle" ? a.Automatentabelle
                                                          : a.Ausgangstabelle;
            list = test::ListOf(c[2]);
        }
        const TMachine m = ReadMachine(a);
        std::string found;
        if (part == "Eingangsmatrix") found = Join(m.Eingaenge, [](auto& n) { return Dump(n); });
        if (part == "Zustandsmatrix") found = Join(m.Zustaende, [](auto& n) { return Dump(n); });
        if (part == "Automatentabelle" || part == "Datei")
            found = Join(m.Zeilen, [&](auto& t) { return Dump(t, m.Moore); });
        if (part == "Ausgangstabelle")
            found = Join(m.Ausgangszeilen, [](auto& r) { return Dump(r); });
        if (part == "Resetzustand") found = m.ResetName() + " / " + m.OutputOf(m.ResetName());
        EXPECT_EQ(found, c.at(3)) << c[0] << " " << part << " " << c[2];
        EXPECT_EQ(WriteMachine(m), a) << c[0] << " " << part << " " << c[2];
    }
}
