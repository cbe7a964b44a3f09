#include "template/reader.h"

#include "common/ascii.h"
#include "common/textfile.h"

namespace korvalt {

std::vector<TTemplateSection> ParseTemplate(std::shared_ptr<const TStrings> file) {
    const TStrings& lines = *file;
    std::vector<std::size_t> headers;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].starts_with('#')) headers.push_back(i);
    std::vector<TTemplateSection> sections;
    // The ">" line (or the file's end) closing the last body looked at: a later
    // "<" before it is closed by it too, so each line is looked at once.
    std::size_t lastEnd = 0;
    // Likewise the "<" line found last: sections without one of their own share it.
    std::size_t nextOpen = 0;
    for (std::size_t k = 0; k < headers.size(); ++k) {
        // Indices here count from 0; the section keeps line numbers from 1.
        const std::size_t header = headers[k];
        const std::size_t end = k + 1 < headers.size() ? headers[k + 1] : lines.size();
        TTemplateSection s;
        s.file = file;
        s.name = lines[header].substr(1);
        s.header = header + 1;
        s.end = end + 1;
        std::size_t i = header + 1;
        for (; i < end && !lines[i].empty() && !lines[i].starts_with('<'); ++i) {
            if (lines[i].starts_with('-'))
                s.decls.push_back(ReadDecl(lines[i].substr(1), i + 1));
            else
                s.description.push_back({i + 1, lines[i]});
        }
        if (i <= nextOpen) i = nextOpen; // no "<" between
        while (i < lines.size() && !lines[i].starts_with('<'))
            ++i;
        nextOpen = i;
        if (i < lines.size()) {
            if (i >= lastEnd) {
                for (lastEnd = i + 1; lastEnd < lines.size() && !lines[lastEnd].starts_with('>');)
                    ++lastEnd;
            }
            s.bodyOpen = i + 1;
            s.bodyEnd = lastEnd + 1;
            if (lastEnd < lines.size()) s.bodyClose = lastEnd + 1;
        }
        sections.push_back(std::move(s));
    }
    return sections;
}

std::string TTemplateSection::DescriptionText() const {
    std::string text;
    for (const TTemplateLine& l : description)
        if (const std::string t = TrimBlanks(l.text); !t.empty())
            text += (text.empty() ? "" : " ") + t;
    return text;
}

std::vector<TTemplateLine> TTemplateSection::Body() const {
    std::vector<TTemplateLine> body;
    for (std::size_t n = bodyOpen + 1; bodyOpen != 0 && n < bodyEnd; ++n)
        body.push_back({n, Line(n)});
    return body;
}

TStrings TTemplateSection::BodyText() const {
    TStrings text;
    for (std::size_t n = bodyOpen + 1; bodyOpen != 0 && n < bodyEnd; ++n)
        text.push_back(Line(n));
    return text;
}

Tsrctemp::Tsrctemp(const std::string& fileName) {
    TStrings lines;
    read_ = ReadLines(fileName, lines);
    lines_ = std::make_shared<const TStrings>(std::move(lines));
    sections_ = ParseTemplate(lines_);
}

Tsrctemp::Tsrctemp(TStrings lines)
    : lines_(std::make_shared<const TStrings>(std::move(lines))), sections_(ParseTemplate(lines_)) {
}

const TTemplateSection* Tsrctemp::Find(const std::string& section) const {
    for (const TTemplateSection& s : sections_)
        if (SameText(s.name, section)) return &s;
    return nullptr;
}

} // namespace korvalt
