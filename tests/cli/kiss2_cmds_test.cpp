#include <gtest/gtest.h>

#include <filesystem>

#include "support/testsupport.h"

using namespace korvalt::test;

// tests/data/fsm/kiss2/broken.txt: each malformed file is refused with its
// line and reason, exit code 2, and no work file is written.
TEST(CliKiss2, RefusesBrokenFilesNamingLineAndReasonAndWritesNothing) {
    TTempDir dir;
    const auto rows = DataRows("fsm/kiss2/broken.txt");
    EXPECT_GE(rows.size(), 18u);
    for (const auto& c : rows) {
        const std::string file = DataPath("fsm/kiss2/broken/" + c.at(0));
        const auto r = Cli({"import-kiss2", file, "-o", dir.File("a.txt"), "--" + c.at(1)});
        if (c.at(2) == "0") { // read without complaint
            EXPECT_EQ(r.exitCode, 0) << c[0] << ": " << r.err;
            std::filesystem::remove(dir.File("a.txt"));
            continue;
        }
        EXPECT_EQ(r.exitCode, 2) << c[0];
        EXPECT_EQ(r.err, "korvalt-cli: " + file + ", Zeile " + c[2] + ": " + c.at(3) + "\n");
        EXPECT_EQ(r.out, "") << c[0];
        EXPECT_FALSE(std::filesystem::exists(dir.File("a.txt"))) << c[0];
    }
}

// The kind comes from the flag, else the output file's name, else Mealy; the
// report goes to stdout; export writes the KISS2 file the core writes.
TEST(CliKiss2, ImportTakesTheKindFromFlagOrNameAndExportWritesItBack) {
    TTempDir dir;
    const std::string moore = DataPath("fsm/kiss2/moore.kiss2");
    auto r = Cli({"import-kiss2", moore, "-o", "Moore.txt"}, dir.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(MatchesExpected(ReadBytes(dir.File("Moore.txt")), "fsm/kiss2/moore.Moore.txt"));
    std::string report = ReadBytes(DataPath("fsm/kiss2/moore.moore.bericht.txt"));
    std::erase(report, '\r');
    EXPECT_EQ(r.out, report);
    r = Cli({"export-kiss2", "Moore.txt", "-o", "m.kiss2"}, dir.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ReadBytes(dir.File("m.kiss2")), ReadBytes(DataPath("fsm/kiss2/moore.moore.kiss2")));

    // Read as Mealy: another name, the flag against the name, and no flag.
    const std::vector<std::vector<std::string>> calls = {
        {"-o", "arbeit.txt"}, {"-o", "Moore.txt", "--mealy"}, {"--mealy", "-o", "x.txt"}};
    for (const auto& args : calls) {
        std::vector<std::string> call = {"import-kiss2", moore};
        call.insert(call.end(), args.begin(), args.end());
        EXPECT_EQ(Cli(call, dir.Path()).exitCode, 0) << args[1];
        const std::string out = args[0] == "-o" ? args[1] : args[2];
        EXPECT_TRUE(MatchesExpected(ReadBytes(dir.File(out)), "fsm/kiss2/moore.Mealy.txt"))
            << args[1];
    }
    r = Cli({"import-kiss2", moore, "-o", "a.txt", "--moore", "--mealy"}, dir.Path());
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_FALSE(std::filesystem::exists(dir.File("a.txt")));
}
