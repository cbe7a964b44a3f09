// Template reader, check and expansion on arbitrary bytes: the file is read
// checked and highlighted, every section's body looked up and expanded with its
// defaults and with values taken from the input itself.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/textfile.h"
#include "template/expand.h"
#include "template/lint.h"
#include "template/params.h"
#include "template/reader.h"
#include "vhdl/highlight.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const korvalt::Tsrctemp reader(korvalt::SplitLines(text));
    korvalt::CheckTemplate(reader.Sections());
    bool inComment = false;
    for (const auto& line : reader.Lines())
        korvalt::VhdlSpans(line, inComment);
    const auto& sections = reader.Sections();
    for (std::size_t s = 0; s < sections.size() && s < 16; ++s) {
        auto rows = korvalt::BuildParamRows(sections[s].decls);
        for (auto& row : rows)
            if (auto corrected = korvalt::CheckValue(row.decl, row.value)) row.value = *corrected;
        korvalt::TStrings body = reader.Find(sections[s].name)->BodyText();
        korvalt::ExpandTemplate("/tmp/" + sections[s].name.substr(0, 40), body,
                                korvalt::ParamsFromRows(rows));
    }
    return 0;
}
