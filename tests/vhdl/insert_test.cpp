#include "vhdl/insert.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <regex>

#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

namespace {

std::string Lf(const std::string& s) {
    return std::regex_replace(s, std::regex("\r\n"), "\n");
}

TStrings Cat(std::initializer_list<TStrings> parts) {
    TStrings all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

// The component k and what inserting it without comments adds: its declaration after the
// architecture header, its configuration line before BEGIN and its instance after it.
const TStrings K{"entity k is", "  port(a : in bit;",     "       y : out bit);",
                 "end k;",      "architecture r of k is", "begin",
                 "end r;"};
const TStrings KDecl{
    "component k",    "   PORT(", "         a : in bit;", "         y : out bit", "        );",
    "end component;", ""};
const TStrings KConfig{"for all : k use entity work.k(r);", ""};
const std::string KInstance = "   map_XXX : k port map(a,y);";
const TStrings Arch{"architecture a of t is", "begin", "end a;"};

} // namespace

TEST(InsertComponent, ReproducesTheTopExample) {
    const struct {
        bool comments, lf;
        const char* expected;
    } cases[] = {
        {true, false, "vhdl/top_kommentar.vhd"},
        {false, false, "vhdl/top_ohne_kommentar.vhd"},
        // A target without CR LF keeps LF line ends; its last line gets one.
        {true, true, "vhdl/top_kommentar.vhd"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        TTempDir dir;
        const std::string top = ReadBytes(DataPath("vhdl/top.vhd"));
        WriteBytes(dir.File("top.vhd"), c.lf ? Lf(top).substr(0, Lf(top).size() - 1) : top);
        const auto r =
            InsertComponent(DataPath("vhdl/zaehler.vhd"), dir.File("top.vhd"), c.comments);
        EXPECT_TRUE(r) << r.error;
        const std::string expected = ReadBytes(DataPath(c.expected));
        EXPECT_EQ(ReadBytes(dir.File("top.vhd")), c.lf ? Lf(expected) : expected);
    }
}

TEST(InsertComponent, WhereTheInsertionsGo) {
    const TStrings twice = InsertedLines(K, Arch, false);
    const TStrings noArch(K.begin(), K.begin() + 4);
    const struct {
        const char* what;
        const TStrings& component;
        TStrings target;
        TStrings expected;
    } cases[] = {
        // clang-format off
        {"comment holding begin before the architecture", K, {"-- begin: Kopf", "architecture a of t is", "begin", "end a;"},
         Cat({{"-- begin: Kopf", "architecture a of t is"}, KDecl, KConfig, {"begin", KInstance, "end a;"}})},
        {"end architecture line opens no second insertion", K, {"architecture a of t is", "begin", "end architecture a;"},
         Cat({{"architecture a of t is"}, KDecl, KConfig, {"begin", KInstance, "end architecture a;"}})},
        {"no architecture: the configuration line alone", K, {"x <= y; -- noch kein Rumpf", "BEGIN"},
         Cat({{"x <= y; -- noch kein Rumpf"}, KConfig, {"BEGIN"}})},
        {"keywords inside names move nothing", K, {"signal architecture_x, beginning : bit;", "architecture a of t is", "  signal end_flag : bit; -- begin", "begin", "end a;"},
         Cat({{"signal architecture_x, beginning : bit;", "architecture a of t is"}, KDecl, {"  signal end_flag : bit; -- begin"}, KConfig, {"begin", KInstance, "end a;"}})},
        {"component without architecture", noArch, Arch,
         Cat({{Arch[0]}, KDecl, {"for all : k use entity work.k;", ""}, {"begin", KInstance, "end a;"}})},
        {"inserting twice: one declaration, the second label numbered", K, twice, Cat({{Arch[0]}, KDecl, KConfig, {"begin", "   map_XXX_2 : k port map(a,y);", KInstance, "end a;"}})},
        {"a function body's begin in the declarative part is not the architecture's", K,
         {"architecture a of t is", "  function f(x : bit; y : bit) return bit is", "    variable v : bit;", "  begin", "    if x = '1' then return y; end if;", "    return x;", "  end function;", "  procedure p; -- begin", "begin", "end a;"},
         Cat({{Arch[0]}, KDecl, {"  function f(x : bit; y : bit) return bit is", "    variable v : bit;", "  begin", "    if x = '1' then return y; end if;", "    return x;", "  end function;", "  procedure p; -- begin"}, KConfig, {"begin", KInstance, "end a;"}})},
        {"a component of another name is no earlier insertion", K, {"architecture a of t is", "component kk end component; -- component k", "begin", "end a;"},
         Cat({{Arch[0]}, KDecl, {"component kk end component; -- component k"}, KConfig, {"begin", KInstance, "end a;"}})},
        {"labels taken in any case are skipped; comments and longer names do not count", K,
         {"architecture a of t is", "begin", "  MAP_xxx: x port map(q); -- map_XXX_2", "  Map_Xxx_2 : x port map(q);", "  map_XXX_20 <= map_xxx_b;", "end a;"},
         Cat({{Arch[0]}, KDecl, KConfig, {"begin", "   map_XXX_3 : k port map(a,y);", "  MAP_xxx: x port map(q); -- map_XXX_2", "  Map_Xxx_2 : x port map(q);", "  map_XXX_20 <= map_xxx_b;", "end a;"}})},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(InsertedLines(c.component, c.target, false), c.expected) << c.what;
}

TEST(ListComponents, VhdFilesInAnyCaseSortedWithoutTheTargetsName) {
    TTempDir dir;
    for (const char* name : {"zeta.vhd", "Alpha.VHD", "beta.Vhd", "Top.vhd", "notes.txt", "x.vhdl"})
        WriteBytes(dir.File(name), "");
    std::filesystem::create_directory(dir.File("ordner.vhd"));
    EXPECT_EQ(ListComponents(dir.Path(), "/anderswo/TOP.vhd"),
              (TStrings{"Alpha.VHD", "beta.Vhd", "zeta.vhd"}));
    EXPECT_EQ(ListComponents(dir.File("fehlt/"), "t.vhd"), TStrings{});
}

// With signals, a generic's actual is the target's constant or generic of that
// name, else a new constant; a port or signal of that name is no value, so the
// generic gets its value instead.
TEST(InsertComponent, GenericsNamedLikeTargetSignalsArePassedByValue) {
    const TStrings g{"entity g is", "  generic(W : integer := 4; N : integer := 2);",
                     "  port(a : in bit);", "end g;"};
    const TStrings target{"architecture a of t is", "  signal w : bit;",
                          "  constant n : integer := 8;", "begin", "end a;"};
    const TStrings out = InsertedLines(g, target, false, true);
    std::string text;
    for (const auto& line : out)
        text += line + "\n";
    EXPECT_EQ(text.find("constant W"), std::string::npos) << text;
    EXPECT_EQ(text.find("constant N"), std::string::npos) << text;
    EXPECT_NE(text.find("W => 4"), std::string::npos) << text;
    EXPECT_NE(text.find("N => N"), std::string::npos) << text;
}
