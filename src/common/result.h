// The result of an operation that succeeds or fails with a reason: ok, or the
// reason (the operating system's, a tool's, or a German message, as the
// function says), with what the operation gave when it succeeded.
#pragma once

#include <string>

namespace korvalt {

struct TNothing {};

template <class T = TNothing> struct TResult {
    bool ok = true;
    std::string error; // why it failed; empty when ok
    T value{};         // what it gave, when ok (or what a function says of a failure)
    explicit operator bool() const { return ok; }
};

// The messages for a file that cannot be read or written: what it is ("Die
// Datei"), its path and the system's reason.
inline std::string ReadFailureMessage(const std::string& what, const std::string& path,
                                      const std::string& reason) {
    return what + " \"" + path + "\" kann nicht gelesen werden: " + reason;
}
inline std::string WriteFailureMessage(const std::string& what, const std::string& path,
                                       const std::string& reason) {
    return what + " \"" + path + "\" kann nicht geschrieben werden: " + reason;
}

} // namespace korvalt
