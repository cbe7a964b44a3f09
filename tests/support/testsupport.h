// Shared test helpers: a temporary folder per test, file reading and writing,
// expected-file comparison (UPDATE_GOLDEN=1 rewrites generated expectations),
// and running a program with its output captured.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace korvalt::test {

// A fresh folder below the system's temporary folder, removed afterwards.
class TTempDir {
  public:
    TTempDir();
    ~TTempDir();
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;
    // The folder with a trailing separator.
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + name; }

  private:
    std::string path_;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
// Path of a file under tests/data.
std::string DataPath(const std::string& relative);
// Rows of a table under tests/data: one row a line, fields split at sep;
// empty lines and lines starting with "# " are left out.
std::vector<std::vector<std::string>> DataRows(const std::string& relative, char sep = '|');
// A list written in a data table with its entries joined by ";" ("-": the empty list).
std::vector<std::string> ListOf(const std::string& joined);
// Lines joined with CR LF after each, as the program writes them.
std::string CrLf(const std::vector<std::string>& lines);

// Compares actual bytes with tests/data/<relative>; on a difference names the
// first differing line. With UPDATE_GOLDEN=1 in the environment the expected
// file is written instead (only for generated expectations; typed ones from
// worked examples must never be regenerated: pass updatable = false).
::testing::AssertionResult MatchesExpected(const std::string& actual, const std::string& relative,
                                           bool updatable = true);

struct TRunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};
// Runs a program with arguments (no shell), in the given folder when not empty.
TRunResult Run(const std::vector<std::string>& argv, const std::string& workDir = "");
#ifdef KORVALT_CLI
// Runs korvalt-cli with the arguments.
// The system's reasons in its messages are expected in German.
inline TRunResult Cli(std::vector<std::string> args, const std::string& workDir = "") {
    args.insert(args.begin(), KORVALT_CLI);
    setenv("LANG", "de_DE.UTF-8", 1);
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    return Run(args, workDir);
}
#endif

} // namespace korvalt::test
