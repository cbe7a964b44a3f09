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
        TAutomat a;
        AutomatErrors errors;
    } cases[] = {
        {"valid Moore", MooreExample(), 0},
        {"valid Mealy", MealyExample(), 0},
        {"no states",
         [] {
             auto a = MooreExample();
             a.Zustandsmatrix.clear();
             return a;
         }(),
         ErrTooFewStates},
        {"all-zero inputs",
         [] {
             auto a = MooreExample();
             a.Eingangsmatrix = {"X0|00", "X1|00"};
             return a;
         }(),
         ErrInputMatrix},
        {"empty Bedingung",
         [] {
             auto a = MooreExample();
             a.Automatentabelle[0] = "S0|S1|";
             return a;
         }(),
         ErrTableIncomplete},
        {"empty Folgezustand",
         [] {
             auto a = MooreExample();
             a.Automatentabelle[0] = "S0||X1";
             return a;
         }(),
         ErrTableIncomplete},
        {"empty table passes",
         [] {
             auto a = MooreExample();
             a.Automatentabelle.clear();
             return a;
         }(),
         0},
        {"Moore output missing",
         [] {
             auto a = MooreExample();
             a.Ausgangstabelle[1] = "S1|";
             return a;
         }(),
         ErrOutputsMissing},
        {"Mealy output table ignored",
         [] {
             auto a = MealyExample();
             a.Ausgangstabelle = {"S0|"};
             return a;
         }(),
         0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ValidateAutomat(c.a), c.errors) << c.what;
}

TEST(CheckVhdlRules, NamesWhatToFix) {
    const struct {
        const char* what;
        TAutomat a;
        const char* message; // nullptr: no further problem
    } cases[] = {
        {"Moore example", MooreExample(), nullptr},
        {"Mealy example", MealyExample(), nullptr},
        {"digit first",
         [] {
             auto a = MooreExample();
             a.Eingangsmatrix[0] = "1go|0";
             return a;
         }(),
         "Der Eingang „1go“ ist kein gültiger VHDL-Bezeichner"},
        {"double underscore",
         [] {
             auto a = MooreExample();
             a.Ausgangsmatrix[0] = "a__b|0";
             return a;
         }(),
         "Der Ausgang „a__b“ ist kein gültiger"},
        {"trailing underscore",
         [] {
             auto a = MooreExample();
             a.Ausgangsmatrix[0] = "ab_|0";
             return a;
         }(),
         "Der Ausgang „ab_“ ist kein gültiger"},
        {"reserved word",
         [] {
             auto a = MooreExample();
             a.Zustandsmatrix[0] = "Begin|0";
             return a;
         }(),
         "Der Zustand „Begin“ ist ein reserviertes Wort von VHDL!"},
        {"reserved 2008",
         [] {
             auto a = MooreExample();
             a.Zustandsmatrix[0] = "context|0";
             return a;
         }(),
         "„context“ ist ein reserviertes Wort"},
        {"generated name",
         [] {
             auto a = MooreExample();
             a.Eingangsmatrix[0] = "CLK|0";
             return a;
         }(),
         "Der Eingang „CLK“ trägt einen Namen, den der erzeugte VHDL-Code selbst verwendet!"},
        {"used twice across lists",
         [] {
             auto a = MooreExample();
             a.Ausgangsmatrix[0] = "s0|0";
             return a;
         }(),
         "Der Name „S0“ wird mehrfach verwendet"},
        {"input too long",
         [] {
             auto a = MooreExample();
             a.Eingangsmatrix[1] = "X1|01";
             return a;
         }(),
         "Das Bitmuster „01“ des Eingangs „X1“ hat 2 statt 1 Bits!"},
        {"output not binary",
         [] {
             auto a = MooreExample();
             a.Ausgangsmatrix[1] = "Y1|x";
             return a;
         }(),
         "Das Bitmuster „x“ des Ausgangs „Y1“ darf nur 0 und 1 enthalten!"},
        {"state code length",
         [] {
             auto a = MealyExample();
             a.Zustandsmatrix[1] = "S1|10";
             return a;
         }(),
         "Das Bitmuster „10“ des Zustands „S1“ hat 2 statt 1 Bits!"},
        {"same state code",
         [] {
             auto a = MealyExample();
             a.Zustandsmatrix = {"S0|1", "S1|1"};
             return a;
         }(),
         "Die Zustände „S0“ und „S1“ haben denselben Code „1“!"},
        {"Mealy inputs alike",
         [] {
             auto a = MealyExample();
             a.Eingangsmatrix = {"X0|1", "X1|1"};
             return a;
         }(),
         "Die Eingänge „X0“ und „X1“ haben denselben Code „1“!"},
        {"unknown next state",
         [] {
             auto a = MooreExample();
             a.Automatentabelle[0] = "S0|S9|X1";
             return a;
         }(),
         "Die Zeile „S0|S9|X1“ der Automatentabelle nennt keinen bekannten Folgezustand „S9“!"},
        {"empty state",
         [] {
             auto a = MooreExample();
             a.Automatentabelle[0] = "|S1|X1";
             return a;
         }(),
         "Die Zeile „|S1|X1“ der Automatentabelle nennt keinen Zustand!"},
        {"Mealy rows compare exactly",
         [] {
             auto a = MealyExample();
             a.Automatentabelle[0] = "s0|S0|X0|Y0";
             return a;
         }(),
         "nennt keinen bekannten Zustand „s0“!"},
        {"Mealy unknown output",
         [] {
             auto a = MealyExample();
             a.Automatentabelle[0] = "S0|S0|X0|Y7";
             return a;
         }(),
         "keinen bekannten Ausgang „Y7“!"},
        {"extra field",
         [] {
             auto a = MooreExample();
             a.Automatentabelle[0] = "S0|S1|X1|Y0";
             return a;
         }(),
         "keinen bekannten Eingang „X1|Y0“!"},
        {"output table state",
         [] {
             auto a = MooreExample();
             a.Ausgangstabelle[0] = "S5|Y0";
             return a;
         }(),
         "Die Zeile „S5|Y0“ der Ausgangstabelle nennt keinen bekannten Zustand „S5“!"},
        {"output table output",
         [] {
             auto a = MooreExample();
             a.Ausgangstabelle[0] = "S0|Y5";
             return a;
         }(),
         "der Ausgangstabelle nennt keinen bekannten Ausgang „Y5“!"},
        {"reset level",
         [] {
             auto a = MooreExample();
             a.ResetAktiv = "";
             return a;
         }(),
         "Der aktive Pegel des Resets „“ muss 0 oder 1 sein!"},
        {"clock level",
         [] {
             auto a = MooreExample();
             a.TaktAktiv = "H";
             return a;
         }(),
         "Der aktive Pegel des Takts „H“ muss 0 oder 1 sein!"},
    };
    for (const auto& c : cases) {
        const TStrings found = Utf8(CheckVhdlRules(c.a));
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
