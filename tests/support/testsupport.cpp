#include "support/testsupport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace korvalt::test {

namespace fs = std::filesystem;

TTempDir::TTempDir() {
    std::string tmpl = (fs::temp_directory_path() / "korvalt-test-XXXXXX").string();
    if (mkdtemp(tmpl.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = tmpl + "/";
}

TTempDir::~TTempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string DataPath(const std::string& relative) {
    return std::string(KORVALT_TEST_DATA) + relative;
}

std::vector<std::vector<std::string>> DataRows(const std::string& relative, char sep) {
    std::ifstream in(DataPath(relative));
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line.starts_with("# ")) continue;
        rows.emplace_back();
        for (std::size_t from = 0;;) {
            const auto bar = line.find(sep, from);
            rows.back().push_back(line.substr(from, bar - from));
            if (bar == std::string::npos) break;
            from = bar + 1;
        }
    }
    return rows;
}

std::vector<std::string> ListOf(const std::string& joined) {
    std::vector<std::string> list(1);
    for (char c : joined)
        c == ';' ? list.emplace_back() : list.back() += c;
    return joined == "-" ? std::vector<std::string>{} : list;
}

std::string CrLf(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines)
        s += l + "\r\n";
    return s;
}

namespace {

std::string Visible(const std::string& line) {
    std::string r;
    for (char c : line)
        r += c == '\r' ? std::string("\\r") : std::string(1, c);
    return r;
}

} // namespace

::testing::AssertionResult MatchesExpected(const std::string& actual, const std::string& relative,
                                           bool updatable) {
    const std::string path = DataPath(relative);
    const char* update = std::getenv("UPDATE_GOLDEN");
    if (updatable && update && std::string(update) == "1") {
        fs::create_directories(fs::path(path).parent_path());
        WriteBytes(path, actual);
        return ::testing::AssertionSuccess();
    }
    if (!fs::exists(path)) return ::testing::AssertionFailure() << "no expected file " << path;
    const std::string expected = ReadBytes(path);
    if (expected == actual) return ::testing::AssertionSuccess();
    std::size_t line = 1, a = 0, e = 0;
    while (true) {
        const auto an = actual.find('\n', a), en = expected.find('\n', e);
        const std::string al =
            actual.substr(a, an == std::string::npos ? std::string::npos : an - a + 1);
        const std::string el =
            expected.substr(e, en == std::string::npos ? std::string::npos : en - e + 1);
        if (al != el)
            return ::testing::AssertionFailure()
                   << relative << " differs at line " << line << "\n  expected: " << Visible(el)
                   << "\n  actual:   " << Visible(al);
        if (an == std::string::npos || en == std::string::npos) break;
        a = an + 1;
        e = en + 1;
        ++line;
    }
    return ::testing::AssertionFailure() << relative << " differs in length";
}

TRunResult Run(const std::vector<std::string>& argv, const std::string& workDir) {
    TTempDir capture;
    const std::string outPath = capture.File("out"), errPath = capture.File("err");
    const pid_t pid = fork();
    if (pid == 0) {
        if (!workDir.empty() && chdir(workDir.c_str()) != 0) _exit(127);
        if (!freopen(outPath.c_str(), "w", stdout) || !freopen(errPath.c_str(), "w", stderr))
            _exit(127);
        std::vector<char*> args;
        for (const auto& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    TRunResult r;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = ReadBytes(outPath);
    r.err = ReadBytes(errPath);
    return r;
}

} // namespace korvalt::test
