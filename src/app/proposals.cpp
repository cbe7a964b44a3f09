#include "app/proposals.h"

#include "common/ascii.h"
#include "common/paths.h"

namespace korvalt {

// The name up to its last "." (a name beginning with "." keeps it), in lower
// case as the file-name prompt gives every name.
std::string ProposedOutputName(bool moore, std::string_view descriptionFile,
                               std::string_view extension) {
    std::string base = FileNamePart(descriptionFile);
    if (const auto dot = base.rfind('.'); dot != std::string::npos && dot > 0) base.resize(dot);
    if (base.empty()) base = moore ? "moore" : "mealy";
    return LowerCase(base) + std::string(extension);
}

} // namespace korvalt
