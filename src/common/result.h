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
    T value{};         // what it gave, when ok
    explicit operator bool() const { return ok; }
};

} // namespace korvalt
