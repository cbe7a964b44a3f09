#include <gtest/gtest.h>

#include "fsm/examples.h"
#include "fsm/workspace.h"
#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

// The worked examples as DOT (kind from the file name or the option), SVG and PNG;
// every failure is one German line and exit code 2.
TEST(CliDiagram, WritesEachFormatByExtensionAndFailsWithOneLine) {
    TTempDir dir;
    ASSERT_TRUE(SaveWorkspaceFile(MooreExample(), dir.File("Moore.txt")));
    ASSERT_TRUE(SaveWorkspaceFile(MealyExample(), dir.File("arbeit.txt")));
    WriteBytes(dir.File("plain.txt"), "");
    const struct {
        std::vector<std::string> args;
        int exitCode;
        std::string check; // expected file start, or the start of the error line
    } cases[] = {
        {{"Moore.txt", "-o", "a.dot"}, 0, "digraph Moore {"},
        {{"arbeit.txt", "--mealy", "-o", "b.DOT"}, 0, "digraph Mealy {"},
        {{"Moore.txt", "-o", "c.svg"}, 0, "<?xml"},
        {{"Moore.txt", "-o", "d.png"}, 0, "\x89PNG"},
        {{"Moore.txt", "-o", "e.pdf"}, 2, "korvalt-cli: Die Ausgabedatei \"e.pdf\" muss auf .svg"},
        {{"Moore.txt"}, 2, "korvalt-cli: Aufruf: korvalt-cli diagram"},
        {{"arbeit.txt", "-o", "f.svg"}, 2, "korvalt-cli: Die Art des Automaten ist unbekannt"},
        {{"Mealy.txt", "-o", "g.svg"}, 2, "korvalt-cli: Die Arbeitsdatei \"Mealy.txt\" kann nicht"},
        {{"Moore.txt", "-o", "plain.txt/h.svg"}, 2, "korvalt-cli: Die Datei \"plain.txt/h.svg\""},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"diagram"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto r = Cli(args, dir.Path());
        EXPECT_EQ(r.exitCode, c.exitCode) << args.back() << r.err;
        if (c.exitCode == 0) {
            EXPECT_EQ(ReadBytes(dir.File(args.back())).substr(0, c.check.size()), c.check);
        } else {
            EXPECT_EQ(r.err.substr(0, c.check.size()), c.check) << r.err;
            EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        }
    }
    EXPECT_TRUE(MatchesExpected(ReadBytes(dir.File("a.dot")), "diagram/moore.dot"));
    EXPECT_TRUE(MatchesExpected(ReadBytes(dir.File("b.DOT")), "diagram/mealy.dot"));
}
