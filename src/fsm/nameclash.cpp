#include "fsm/nameclash.h"

#include "common/ascii.h"
#include "common/cp1252.h"

namespace korvalt {

std::string NameClashText(const TAutomat& a, TPart part, const TStrings& lines) {
    struct TOther {
        TPart part;
        const TStrings* list;
        const char* noun; // " als Eingang ", ...
    };
    const TOther others[] = {{TPart::Eingangsmatrix, &a.Eingangsmatrix, " als Eingang "},
                             {TPart::Ausgangsmatrix, &a.Ausgangsmatrix, " als Ausgang "},
                             {TPart::Zustandsmatrix, &a.Zustandsmatrix, " als Zustand "}};
    for (const auto& line : lines) {
        const std::string name = TrimBlanks(line);
        if (name.empty()) continue;
        for (const auto& other : others) {
            if (other.part == part) continue;
            for (const auto& entry : *other.list) {
                const std::string used = WrittenName(entry);
                if (SameText(used, name))
                    return "Bezeichner " + QuotedForMessage(name) + " gibt es schon" + other.noun +
                           QuotedForMessage(used);
            }
        }
    }
    return {};
}

} // namespace korvalt
