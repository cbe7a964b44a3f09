#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "fsm/examples.h"
#include "fsm/workspace.h"
#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

// tests/data/cli/errors.txt: wrong calls of every command, one case a line.
TEST(CliErrors, NameWhatIsWrongExitWith2AndWriteNothing) {
    TTempDir dir;
    const std::string top = ReadBytes(DataPath("vhdl/top.vhd"));
    for (const char* name : {"Moore.txt", "work.txt"})
        ASSERT_TRUE(SaveWorkspaceFile(MooreExample(), dir.File(name)));
    const std::pair<const char*, std::string> files[] = {
        {"plain.txt", "keep"},
        {"top.vhd", top},
        {"leer.vhd", ""},
        {"namenlos.vhd", "architecture a of b is\n"},
        {"t.wdl", "entity t is end t;\n"},
        {"t_tb.vhd", "entity t is end t;\n"},
        {"nobody.vhd", "#Leer\r\n-N\r\n<\r\n>\r\n"}};
    for (const auto& [name, bytes] : files)
        WriteBytes(dir.File(name), bytes);
    std::filesystem::create_directory(dir.File("ordner"));
    const auto rows = DataRows("cli/errors.txt");
    EXPECT_GE(rows.size(), 30u);
    for (const auto& c : rows) {
        std::vector<std::string> args;
        std::istringstream words(c[0]);
        for (std::string w; words >> w;)
            args.push_back(w.starts_with("D/")   ? dir.File(w.substr(2))
                           : w.starts_with("T/") ? DataPath(w.substr(2))
                                                 : w);
        const auto r = Cli(args);
        EXPECT_EQ(r.exitCode, 2) << c[0];
        EXPECT_NE(r.err.find(c.at(1)), std::string::npos) << c[0] << ": " << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << c[0] << ": " << r.err;
        EXPECT_EQ(r.out, "") << c[0];
    }
    for (const auto& [name, bytes] : files)
        EXPECT_EQ(ReadBytes(dir.File(name)), bytes) << name;
    for (const char* name :
         {"a.vhd", "a.txt", "a.kiss2", "ordner.wdl", "entity.vhd", "1zaehler.vhd", "moore.vhd"})
        EXPECT_FALSE(std::filesystem::exists(dir.File(name))) << name;
}
