#include "common/process.h"

#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "common/paths.h"

extern char** environ;

namespace korvalt {

std::string FindProgram(const std::string& name) {
#ifdef _WIN32
    const char listSep = ';';
    const std::string suffix = ".exe";
#else
    const char listSep = ':';
    const std::string suffix;
#endif
    const char* env = std::getenv("PATH");
    const std::string pathList = env ? env : "";
    std::size_t start = 0;
    while (start <= pathList.size()) {
        const std::size_t end = std::min(pathList.find(listSep, start), pathList.size());
        const std::string folder = pathList.substr(start, end - start);
        start = end + 1;
        if (folder.empty()) continue;
        const std::string candidate = WithTrailingSep(folder) + name + suffix;
        std::error_code ec;
        const auto status = std::filesystem::status(candidate, ec);
        if (ec || !std::filesystem::is_regular_file(status)) continue;
        using std::filesystem::perms;
        if ((status.permissions() & (perms::owner_exec | perms::group_exec | perms::others_exec)) !=
            perms::none)
            return candidate;
    }
    return {};
}

int RunProgram(const std::string& program, const std::vector<std::string>& args,
               const std::string& workDir, std::string& output, const std::string& stdoutFile) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (stdoutFile.empty())
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    else
        posix_spawn_file_actions_addopen(&actions, 1, stdoutFile.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 2);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    if (!workDir.empty()) posix_spawn_file_actions_addchdir_np(&actions, workDir.c_str());
    std::vector<char*> argv = {const_cast<char*>(program.c_str())};
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned =
        posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        return -1;
    }
    char buffer[4096];
    for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0) {
            if (errno == EINTR) continue;
            break;
        }
        output.append(buffer, static_cast<std::size_t>(n));
    }
    close(pipeFds[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR) return 128;
    // glibc reports a program that cannot be executed as a child ending with 127.
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

TTempFolder::TTempFolder(const std::string& prefix) {
    std::error_code ec;
    const auto base = std::filesystem::temp_directory_path(ec);
    if (ec) return;
    std::string pattern = (base / (prefix + "-XXXXXX")).string();
    if (mkdtemp(pattern.data())) path_ = WithTrailingSep(pattern);
}

TTempFolder::~TTempFolder() {
    if (path_.empty()) return;
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace korvalt
