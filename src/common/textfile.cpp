#include "common/textfile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/paths.h"

namespace korvalt {

TStrings SplitLines(std::string_view text) {
    TStrings lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t nl = text.find('\n', start);
        if (nl == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        std::size_t end = nl;
        if (end > start && text[end - 1] == '\r') --end;
        lines.emplace_back(text.substr(start, end - start));
        start = nl + 1;
    }
    return lines;
}

namespace {

TResult<TFileRead> ReadFailure(int err) {
    return TResult<TFileRead>{false, std::strerror(err), {err == ENOENT || err == ENOTDIR}};
}

// A device or a pipe would block or never end: only regular files are read.
constexpr const char* NotARegularFile = "keine reguläre Datei";

} // namespace

TResult<TFileRead> ReadFileBytes(const std::string& path, std::string& bytes) {
    bytes.clear();
    if (path.empty()) return ReadFailure(ENOENT);
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return ReadFailure(errno);
    struct stat st {};
    if (fstat(fd, &st) != 0) {
        const int err = errno;
        close(fd);
        return ReadFailure(err);
    }
    if (!S_ISREG(st.st_mode)) {
        close(fd);
        if (S_ISDIR(st.st_mode)) return ReadFailure(EISDIR);
        return TResult<TFileRead>{false, NotARegularFile};
    }
    char buf[65536];
    for (;;) {
        const ssize_t n = read(fd, buf, sizeof buf);
        if (n > 0) {
            bytes.append(buf, static_cast<std::size_t>(n));
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            const int err = errno;
            close(fd);
            bytes.clear();
            return ReadFailure(err);
        }
    }
    close(fd);
    return {};
}

TResult<TFileRead> ReadLines(const std::string& path, TStrings& lines) {
    lines.clear();
    std::string bytes;
    TResult<TFileRead> r = ReadFileBytes(path, bytes);
    if (r) lines = SplitLines(bytes);
    return r;
}

namespace {

TResult<> Failure() {
    return TResult<>{false, std::strerror(errno)};
}

// The file a path finally names, following symbolic links; the path itself
// when it does not exist yet.
std::string ResolveTarget(const std::string& path) {
    struct stat st {};
    if (lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char buf[PATH_MAX];
        if (realpath(path.c_str(), buf) != nullptr) return buf;
        // A dangling link: write the file it points to.
        ssize_t n = readlink(path.c_str(), buf, sizeof buf - 1);
        if (n > 0) {
            buf[n] = '\0';
            std::string dest(buf);
            if (!dest.empty() && dest[0] != '/') dest = FolderPart(path) + dest;
            return dest;
        }
    }
    return path;
}

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

TResult<> ReplaceFile(const std::string& path, std::string_view content) {
    if (path.empty()) {
        errno = ENOENT;
        return Failure();
    }
    const std::string target = ResolveTarget(path);
    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) {
        errno = EISDIR;
        return Failure();
    }
    if (exists && ::access(target.c_str(), W_OK) != 0) return Failure();

    std::string folder = FolderPart(target);
    std::string tmpl = (folder.empty() ? std::string() : folder) + ".korvalt-XXXXXX";
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return Failure();
    const std::string tmp(name.data());

    auto abandon = [&] {
        const int saved = errno;
        ::close(fd);
        ::unlink(tmp.c_str());
        errno = saved;
        return Failure();
    };
    const mode_t mode = exists ? (st.st_mode & 07777) : [] {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return static_cast<mode_t>(0666 & ~mask);
    }();
    if (::fchmod(fd, mode) != 0) return abandon();
    if (!WriteAll(fd, content)) return abandon();
    if (::fsync(fd) != 0) return abandon();
    if (::close(fd) != 0) {
        const int saved = errno;
        ::unlink(tmp.c_str());
        errno = saved;
        return Failure();
    }
    if (::rename(tmp.c_str(), target.c_str()) != 0) {
        const int saved = errno;
        ::unlink(tmp.c_str());
        errno = saved;
        return Failure();
    }
    return {};
}

TResult<> SaveLines(const std::string& path, const TStrings& lines, std::string_view lineEnd) {
    std::string content;
    std::size_t size = 0;
    for (const auto& l : lines)
        size += l.size() + lineEnd.size();
    content.reserve(size);
    for (const auto& l : lines) {
        content += l;
        content += lineEnd;
    }
    return ReplaceFile(path, content);
}

} // namespace korvalt
