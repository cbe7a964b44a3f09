// Template reader. A template file holds sections; each line's first
// character decides its kind:
//   "#name"   section header (name verbatim, blanks included)
//   "-decl"   parameter declaration, inside a declaration area only
//   "<"       body start: ends the declaration area, the body follows
//   ">"       body end
//   (empty)   ends a declaration area; inside a body an empty body line
//   other     commentary outside a body, body text inside one
// The declarations of a section are joined into one declaration string, each
// followed by "|" (BREITE[4..16]|START[0,15]|). Sections and declaration
// strings pair by position.
#pragma once

#include <string>
#include <vector>

#include "common/textfile.h"

namespace korvalt {

class Tsrctemp {
  public:
    // Reads the whole file; a file that cannot be read gives empty lists, and
    // ReadResult says why (missing, or a folder or read error with its reason).
    explicit Tsrctemp(const std::string& fileName);
    // Reads from lines already in memory (the same rules).
    explicit Tsrctemp(TStrings lines);

    const TStrings& Sections() const { return sections_; }
    const TStrings& VarDecls() const { return varDecls_; }
    const TStrings& Lines() const { return lines_; }
    const TReadResult& ReadResult() const { return read_; }

    // Appends the body of the first section whose header equals "#" + section
    // ignoring case: the lines after its first "<" line up to a ">" line or
    // the end. Appends nothing when the header or its "<" line is missing.
    void GetBody(TStrings& body, const std::string& section) const;
    // Index in Lines() of the line after that "<" line, where the body GetBody
    // copies begins; npos when the header or its "<" line is missing.
    std::size_t BodyStart(const std::string& section) const;

  private:
    void Parse();

    TStrings sections_;
    TStrings varDecls_;
    TStrings lines_;
    TReadResult read_;
};

} // namespace korvalt
