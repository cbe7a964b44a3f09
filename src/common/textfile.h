// 8-bit text files, read and written line by line.
//
// Reading: CR LF and bare LF both end a line (a CR before LF is dropped); a
// last line without line end counts; bytes are kept as they are. Writing: each
// line followed by CR LF, through a temporary file in the target's folder that
// replaces the target only when every byte was written, so a failed write
// never destroys the old file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"
#include "common/strings.h"

namespace korvalt {

// A read gives ok, or why not: the operating system's reason for a folder,
// a device or a read error after opening. A file that does not exist also
// sets value.missing (windows treat such a file as empty).
struct TFileRead {
    bool missing = false; // the failure is that the file does not exist
};

// Splits text into lines by the reading rule above.
TStrings SplitLines(std::string_view text);
// Reads the whole file into lines; on failure no lines are kept.
TResult<TFileRead> ReadLines(const std::string& path, TStrings& lines);
// Whole file content as bytes; on failure no bytes are kept. Only a regular
// file (or a link to one) is read.
TResult<TFileRead> ReadFileBytes(const std::string& path, std::string& bytes);

// A write gives ok, or the operating system's reason.
//
// Replaces the file at path by content, atomically: a temporary file in the
// same folder is written, flushed and renamed over the target. An existing
// target keeps its permissions; a symbolic link is followed to the file it
// names; a target that exists but is not writable is refused.
TResult<> ReplaceFile(const std::string& path, std::string_view content);
// Writes the lines, each followed by lineEnd (CR LF unless told otherwise).
TResult<> SaveLines(const std::string& path, const TStrings& lines,
                    std::string_view lineEnd = "\r\n");

} // namespace korvalt
