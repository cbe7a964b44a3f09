#include "template/u_srctemp.h"

#include "common/ascii.h"
#include "common/textfile.h"

namespace korvalt {

Tsrctemp::Tsrctemp(const std::string& fileName) {
    read_ = ReadLines(fileName, lines_);
    Parse();
}

Tsrctemp::Tsrctemp(TStrings lines) : lines_(std::move(lines)) {
    Parse();
}

void Tsrctemp::Parse() {
    bool inSection = false;
    std::string acc;
    for (const std::string& l : lines_) {
        if (l.empty()) {
            if (!acc.empty()) varDecls_.push_back(acc);
            acc.clear();
            inSection = false;
            continue;
        }
        if (inSection) {
            if (l[0] == '-') {
                acc.append(l, 1);
                acc += '|';
            }
            if (l[0] == '<' || l[0] == '#') {
                varDecls_.push_back(acc);
                acc.clear();
                inSection = false;
            }
        }
        if (l[0] == '#') {
            sections_.push_back(l.substr(1));
            inSection = true;
            acc.clear();
        }
    }
    // A section still open at the end of the file contributes no declaration string.
}

std::size_t Tsrctemp::BodyStart(const std::string& section) const {
    const std::string header = "#" + section;
    std::size_t i = 0;
    while (i < lines_.size() && !SameText(lines_[i], header))
        ++i;
    if (i == lines_.size()) return std::string::npos;
    ++i;
    while (i < lines_.size() && !lines_[i].starts_with('<'))
        ++i;
    return i == lines_.size() ? std::string::npos : i + 1;
}

void Tsrctemp::GetBody(TStrings& body, const std::string& section) const {
    const std::size_t start = BodyStart(section);
    if (start == std::string::npos) return;
    for (std::size_t i = start; i < lines_.size() && !lines_[i].starts_with('>'); ++i)
        body.push_back(lines_[i]);
}

} // namespace korvalt
