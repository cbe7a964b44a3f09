// Template reader: a template file parsed once into typed sections. Each
// line's first character decides its kind:
//   "#name"   section header (name verbatim, blanks included)
//   "-decl"   parameter declaration, inside a declaration area only
//   "<"       body start: ends the declaration area, the body follows
//   ">"       body end
//   (empty)   ends a declaration area; inside a body an empty body line
//   other     commentary outside a body, body text inside one
// A section runs from its header to the next header. Its declaration area
// follows the header up to "<", an empty line or the next header; commentary
// there is the section's description. Its body is what generation writes:
// from the first "<" line after the header up to a ">" line or the end of the
// file, even where a "#" line stands in between (the template check reports
// such a body as not closed). Line numbers count from 1.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "common/textfile.h"
#include "template/params.h"

namespace korvalt {

struct TTemplateLine {
    std::size_t line = 0;
    std::string text;
};

struct TTemplateSection {
    std::string name;
    std::size_t header = 0; // the "#" line
    std::vector<TTemplateDecl> decls;
    std::vector<TTemplateLine> description; // commentary of the declaration area
    std::size_t bodyOpen = 0;               // the "<" line; 0 when none follows the header
    std::size_t bodyClose = 0;              // the ">" line; 0 when none follows "<"
    std::size_t bodyEnd = 0; // one past the last body line: bodyClose, or past the file's end
    std::size_t end = 0;     // the next header, or one past the last line

    // The commentary trimmed and joined by blanks.
    std::string DescriptionText() const;
    // The lines generation expands (bodyOpen + 1 up to bodyEnd), and their text alone.
    std::vector<TTemplateLine> Body() const;
    TStrings BodyText() const;
    // Whether "<" and ">" stand within the section, not after a later header.
    bool OwnBodyOpen() const { return bodyOpen != 0 && bodyOpen < end; }
    bool OwnBodyClose() const { return bodyClose != 0 && bodyClose < end; }
    // Line number n of the template file (1 <= n <= its number of lines).
    const std::string& Line(std::size_t n) const { return (*file)[n - 1]; }

    // The file's lines, shared: bodies overlap where a ">" is missing, and
    // each section copying its own would grow with the square of the file.
    std::shared_ptr<const TStrings> file;
};

std::vector<TTemplateSection> ParseTemplate(std::shared_ptr<const TStrings> lines);

class Tsrctemp {
  public:
    // Reads the whole file; a file that cannot be read gives no sections, and
    // ReadResult says why (missing, or a folder or read error with its reason).
    explicit Tsrctemp(const std::string& fileName);
    // Reads from lines already in memory (the same rules).
    explicit Tsrctemp(TStrings lines);

    const std::vector<TTemplateSection>& Sections() const { return sections_; }
    const TStrings& Lines() const { return *lines_; }
    const TResult<TFileRead>& ReadResult() const { return read_; }

    // The first section whose name equals section ignoring case: generation
    // always writes its body, also for a later section of the same name.
    const TTemplateSection* Find(const std::string& section) const;

  private:
    std::shared_ptr<const TStrings> lines_;
    TResult<TFileRead> read_;
    std::vector<TTemplateSection> sections_;
};

} // namespace korvalt
