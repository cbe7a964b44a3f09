#include <gtest/gtest.h>

#include "common/cp1252.h"
#include "fsm/checks.h"
#include "fsm/examples.h"

using namespace korvalt;
using korvalt::test::MealyExample;
using korvalt::test::MooreExample;

namespace {
TStrings Utf8(const TStrings& lines) {
    TStrings r;
    for (const auto& l : lines)
        r.push_back(Cp1252ToUtf8(l));
    return r;
}
// One of the two examples with one change made.
TAutomat Changed(bool moore, void (*change)(TAutomat&)) {
    TAutomat a = moore ? MooreExample() : MealyExample();
    if (change) change(a);
    return a;
}
} // namespace

TEST(ValidateAutomat, ReportOfAnEmptyDescription) {
    TAutomat a;
    a.Zustandsmatrix = {"Z0|0"};
    EXPECT_EQ(
        Utf8(ErrorReportLines({ValidateAutomat(a), {}})),
        (TStrings{"Es sind Fehler in der Automatenbeschreibung vorhanden!",
                  "Es konnte kein VHDL-Code erzeugt werden.", "",
                  "Es wurden keine Eingänge definiert!", "Es wurden keine Ausgänge definiert!",
                  "Es wurden weniger als 2 Zustände definiert!", "Die Eingangsmatrix ist ungültig!",
                  "Die Ausgangsmatrix ist ungültig!"}));
}

TEST(ValidateAutomat, EachFixedCheck) {
    const struct {
        const char* what;
        bool moore;
        void (*change)(TAutomat&);
        AutomatErrors errors;
    } cases[] = {
        {"valid Moore", true, nullptr, 0},
        {"valid Mealy", false, nullptr, 0},
        {"no states", true, [](TAutomat& a) { a.Zustandsmatrix.clear(); }, ErrTooFewStates},
        {"all-zero inputs", true,
         [](TAutomat& a) {
             a.Eingangsmatrix = {"X0|00", "X1|00"};
         },
         ErrInputMatrix},
        {"empty Bedingung", true, [](TAutomat& a) { a.Automatentabelle[0] = "S0|S1|"; },
         ErrTableIncomplete},
        {"empty Folgezustand", true, [](TAutomat& a) { a.Automatentabelle[0] = "S0||X1"; },
         ErrTableIncomplete},
        {"empty table passes", true, [](TAutomat& a) { a.Automatentabelle.clear(); }, 0},
        {"Moore output missing", true, [](TAutomat& a) { a.Ausgangstabelle[1] = "S1|"; },
         ErrOutputsMissing},
        {"Mealy output table ignored", false, [](TAutomat& a) { a.Ausgangstabelle = {"S0|"}; }, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ValidateAutomat(Changed(c.moore, c.change)), c.errors) << c.what;
}

TEST(CheckVhdlRules, NamesWhatToFix) {
    const struct {
        const char* what;
        bool moore;
        void (*change)(TAutomat&);
        const char* message; // nullptr: no further problem
    } cases[] = {
        {"Moore example", true, nullptr, nullptr},
        {"Mealy example", false, nullptr, nullptr},
        {"digit first", true, [](TAutomat& a) { a.Eingangsmatrix[0] = "1go|0"; },
         "Der Eingang „1go“ ist kein gültiger VHDL-Bezeichner"},
        {"double underscore", true, [](TAutomat& a) { a.Ausgangsmatrix[0] = "a__b|0"; },
         "Der Ausgang „a__b“ ist kein gültiger"},
        {"trailing underscore", true, [](TAutomat& a) { a.Ausgangsmatrix[0] = "ab_|0"; },
         "Der Ausgang „ab_“ ist kein gültiger"},
        {"reserved word", true, [](TAutomat& a) { a.Zustandsmatrix[0] = "Begin|0"; },
         "Der Zustand „Begin“ ist ein reserviertes Wort von VHDL!"},
        {"reserved 2008", true, [](TAutomat& a) { a.Zustandsmatrix[0] = "context|0"; },
         "„context“ ist ein reserviertes Wort"},
        {"generated name", true, [](TAutomat& a) { a.Eingangsmatrix[0] = "CLK|0"; },
         "Der Eingang „CLK“ trägt einen Namen, den der erzeugte VHDL-Code selbst verwendet!"},
        {"used twice across lists", true, [](TAutomat& a) { a.Ausgangsmatrix[0] = "s0|0"; },
         "Der Name „S0“ wird mehrfach verwendet"},
        {"input too long", true, [](TAutomat& a) { a.Eingangsmatrix[1] = "X1|01"; },
         "Das Bitmuster „01“ des Eingangs „X1“ hat 2 statt 1 Bits!"},
        {"output not binary", true, [](TAutomat& a) { a.Ausgangsmatrix[1] = "Y1|x"; },
         "Das Bitmuster „x“ des Ausgangs „Y1“ darf nur 0 und 1 enthalten!"},
        {"state code length", false, [](TAutomat& a) { a.Zustandsmatrix[1] = "S1|10"; },
         "Das Bitmuster „10“ des Zustands „S1“ hat 2 statt 1 Bits!"},
        {"same state code", false,
         [](TAutomat& a) {
             a.Zustandsmatrix = {"S0|1", "S1|1"};
         },
         "Die Zustände „S0“ und „S1“ haben denselben Code „1“!"},
        {"Mealy inputs alike", false,
         [](TAutomat& a) {
             a.Eingangsmatrix = {"X0|1", "X1|1"};
         },
         "Die Eingänge „X0“ und „X1“ haben denselben Code „1“!"},
        {"unknown next state", true, [](TAutomat& a) { a.Automatentabelle[0] = "S0|S9|X1"; },
         "Die Zeile „S0|S9|X1“ der Automatentabelle nennt keinen bekannten Folgezustand „S9“!"},
        {"empty state", true, [](TAutomat& a) { a.Automatentabelle[0] = "|S1|X1"; },
         "Die Zeile „|S1|X1“ der Automatentabelle nennt keinen Zustand!"},
        {"Mealy rows compare exactly", false,
         [](TAutomat& a) { a.Automatentabelle[0] = "s0|S0|X0|Y0"; },
         "nennt keinen bekannten Zustand „s0“!"},
        {"Mealy unknown output", false, [](TAutomat& a) { a.Automatentabelle[0] = "S0|S0|X0|Y7"; },
         "keinen bekannten Ausgang „Y7“!"},
        {"extra field", true, [](TAutomat& a) { a.Automatentabelle[0] = "S0|S1|X1|Y0"; },
         "keinen bekannten Eingang „X1|Y0“!"},
        {"output table state", true, [](TAutomat& a) { a.Ausgangstabelle[0] = "S5|Y0"; },
         "Die Zeile „S5|Y0“ der Ausgangstabelle nennt keinen bekannten Zustand „S5“!"},
        {"output table output", true, [](TAutomat& a) { a.Ausgangstabelle[0] = "S0|Y5"; },
         "der Ausgangstabelle nennt keinen bekannten Ausgang „Y5“!"},
        {"reset level", true, [](TAutomat& a) { a.ResetAktiv = ""; },
         "Der aktive Pegel des Resets „“ muss 0 oder 1 sein!"},
        {"clock level", true, [](TAutomat& a) { a.TaktAktiv = "H"; },
         "Der aktive Pegel des Takts „H“ muss 0 oder 1 sein!"},
    };
    for (const auto& c : cases) {
        const TStrings found = Utf8(CheckVhdlRules(Changed(c.moore, c.change)));
        if (!c.message) {
            EXPECT_TRUE(found.empty()) << c.what << ": " << (found.empty() ? "" : found[0]);
            continue;
        }
        ASSERT_FALSE(found.empty()) << c.what;
        EXPECT_NE(found[0].find(c.message), std::string::npos) << c.what << ": " << found[0];
    }
}

TEST(CheckVhdlRules, CaseInsensitiveMooreTablesAndEnumeratedCodesPass) {
    TAutomat a = MooreExample();
    a.Automatentabelle = {"s0|S1|x1", "S1|s0|X0"};
    a.Ausgangstabelle = {"s0|y0", "S1|Y1"};
    a.Zustandsmatrix = {"S0|0", "S1|00"}; // codes unused in the enumerated form
    EXPECT_TRUE(CheckVhdlRules(a).empty());
    EXPECT_TRUE(CheckAutomat(a).Ok());
}

TEST(Identifiers, LegalVhdlNames) {
    for (const char* ok : {"a", "Z0", "go_on", "a1_b2", "Zaehler"})
        EXPECT_TRUE(IsVhdlIdentifier(ok)) << ok;
    for (const char* bad : {"", "_a", "a_", "a__b", "1a", "a-b", "in", "END", "signal", "\xE4x"})
        EXPECT_FALSE(IsVhdlIdentifier(bad)) << bad;
}
