#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <sstream>

#include "common/cp1252.h"
#include "fsm/checks.h"
#include "fsm/examples.h"
#include "support/testsupport.h"

using namespace korvalt;
using korvalt::test::MealyExample;
using korvalt::test::MooreExample;

TEST(ValidateAutomat, ReportOfAnEmptyDescription) {
    TAutomat a;
    a.Zustandsmatrix = {"Z0|0"};
    EXPECT_EQ(
        ErrorReportLines({ValidateAutomat(ReadMachine(a)), {}}),
        (TStrings{"Es sind Fehler in der Automatenbeschreibung vorhanden!",
                  "Es konnte kein VHDL-Code erzeugt werden.", "",
                  "Es wurden keine Eingänge definiert!", "Es wurden keine Ausgänge definiert!",
                  "Es wurden weniger als 2 Zustände definiert!", "Die Eingangsmatrix ist ungültig!",
                  "Die Ausgangsmatrix ist ungültig!"}));
}

// tests/data/fsm/checks.txt: the worked examples with one change each and the
// messages the error window shows for them.
TEST(CheckAutomat, ReportsWhatTheDataFileSays) {
    const std::map<std::string, TStrings TAutomat::*> lists = {
        {"Eingangsmatrix", &TAutomat::Eingangsmatrix},
        {"Ausgangsmatrix", &TAutomat::Ausgangsmatrix},
        {"Zustandsmatrix", &TAutomat::Zustandsmatrix},
        {"Automatentabelle", &TAutomat::Automatentabelle},
        {"Ausgangstabelle", &TAutomat::Ausgangstabelle}};
    const auto rows = test::DataRows("fsm/checks.txt", '\t');
    EXPECT_GE(rows.size(), 30u);
    for (const auto& c : rows) {
        TAutomat a = c[0] == "Moore" ? MooreExample() : MealyExample();
        const auto eq = c[1].find('='), blank = c[1].find(' ');
        const std::string field = c[1].substr(0, std::min(eq, blank)),
                          value = Utf8ToCp1252(c[1].substr(eq + 1));
        if (field == "ResetAktiv" || field == "TaktAktiv") {
            (field == "ResetAktiv" ? a.ResetAktiv : a.TaktAktiv) = value;
        } else if (blank < eq) {
            (a.*lists.at(field)).at(std::stoul(c[1].substr(blank + 1))) = value;
        } else if (!field.empty()) {
            std::istringstream words(value);
            a.*lists.at(field) = TStrings(std::istream_iterator<std::string>(words), {});
        }
        const TStrings lines = ErrorReportLines(CheckAutomat(ReadMachine(a)));
        std::string found;
        for (std::size_t i = 3; i < lines.size(); ++i)
            found += (i > 3 ? " / " : "") + lines[i];
        EXPECT_EQ(found, c.at(2)) << c[0] << " " << c[1];
    }
}

TEST(Identifiers, LegalVhdlNames) {
    for (const char* ok : {"a", "Z0", "go_on", "a1_b2", "Zaehler"})
        EXPECT_TRUE(IsVhdlIdentifier(ok)) << ok;
    for (const char* bad : {"", "_a", "a_", "a__b", "1a", "a-b", "in", "END", "signal", "\xE4x"})
        EXPECT_FALSE(IsVhdlIdentifier(bad)) << bad;
}

// Rows are numbered as the editor's grid shows them: a row without a state takes no line.
TEST(ErrorReport, NamesTheOffendingRowsAsTheGridNumbersThemAtMostTwentyEach) {
    TAutomat a = MooreExample();
    a.Automatentabelle = {"S0|S1|X1", "ohne"};
    a.Automatentabelle.insert(a.Automatentabelle.end(), 22, "S1|S0|");
    a.Ausgangstabelle[1] = "S1|";
    const std::vector<TReportLine> lines = ErrorReport(CheckAutomat(ReadMachine(a)));
    TStrings expected = {"Die Automatenbeschreibung ist unvollständig!"};
    for (int row = 2; row <= 21; ++row)
        expected.push_back("  Zeile " + std::to_string(row) + ": „S1|S0|“");
    expected.insert(
        expected.end(),
        {"  und 2 weitere", "Es wurden nicht allen Zuständen eine Ausgangsbelegung zugeordnet!",
         "  Zeile 2: „S1|“", "Die Zeile „ohne“ der Automatentabelle nennt keinen Zustand!",
         "  Zeile ohne Zustand: „ohne“"});
    ASSERT_EQ(lines.size(), expected.size() + 3);
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(lines[i + 3].Text, expected[i]) << i;
    EXPECT_EQ(lines[4].Row, (TTableRow{TPart::Automatentabelle, 2, "S1|S0|"}));
    EXPECT_EQ(lines[26].Row, (TTableRow{TPart::Ausgangstabelle, 2, "S1|"}));
    EXPECT_FALSE(lines[3].Row || lines[24].Row || lines[27].Row);
    EXPECT_EQ(lines[28].Row->GridRow, 0);
}
