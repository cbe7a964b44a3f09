#include "fsm/options.h"

#include "common/ascii.h"

namespace korvalt {

namespace {

constexpr std::string_view Marker = "#OPTIONEN";

struct TSwitch {
    const char* key;
    const char* on;  // the value that sets the option
    const char* off; // the value of the default, also accepted
    bool TOptionen::*field;
};
const TSwitch Switches[] = {
    {"bibliothek", "numeric_std", "synopsys", &TOptionen::NumericStd},
    {"takt", "flanke", "event", &TOptionen::Flanke},
    {"sicher", "ja", "nein", &TOptionen::Sicher},
    {"ausgaenge", "register", "direkt", &TOptionen::Register},
};

} // namespace

std::string KodierungWord(TKodierung k) {
    switch (k) {
    case TKodierung::OneHot:
        return "one-hot";
    case TKodierung::Gray:
        return "gray";
    case TKodierung::Binaer:
        return "binary";
    case TKodierung::Auto:
        break;
    }
    return "auto";
}

bool KodierungOf(std::string_view word, TKodierung& k) {
    for (TKodierung c :
         {TKodierung::Auto, TKodierung::OneHot, TKodierung::Gray, TKodierung::Binaer})
        if (word == KodierungWord(c)) {
            k = c;
            return true;
        }
    return false;
}

std::string OptionenLine(const TOptionen& o) {
    if (o.Default()) return {};
    std::string line(Marker);
    auto add = [&line](std::string_view key, std::string_view value) {
        line += " ";
        line += key;
        line += "=";
        line += value;
    };
    if (o.NumericStd) add("bibliothek", "numeric_std");
    if (o.Flanke) add("takt", "flanke");
    if (o.Kodierung != TKodierung::Auto) add("kodierung", KodierungWord(o.Kodierung));
    if (o.Sicher) add("sicher", "ja");
    if (o.Register) add("ausgaenge", "register");
    return line;
}

bool IsOptionenLine(std::string_view line) {
    return UpperCase(std::string(line.substr(0, Marker.size()))) == Marker;
}

void ReadOptionenLine(std::string_view line, TOptionen& o, TStrings& ignored) {
    std::size_t pos = Marker.size();
    while (pos < line.size()) {
        const std::size_t start = line.find_first_not_of(" \t", pos);
        if (start == std::string_view::npos) break;
        std::size_t end = line.find_first_of(" \t", start);
        if (end == std::string_view::npos) end = line.size();
        pos = end;
        const std::string_view word = line.substr(start, end - start);
        const std::size_t eq = word.find('=');
        const std::string key(word.substr(0, eq == std::string_view::npos ? word.size() : eq));
        const std::string_view value =
            eq == std::string_view::npos ? std::string_view() : word.substr(eq + 1);
        bool used = false;
        for (const TSwitch& s : Switches)
            if (key == s.key && (value == s.on || value == s.off)) {
                o.*s.field = value == s.on;
                used = true;
            }
        if (key == "kodierung") used = KodierungOf(value, o.Kodierung);
        if (!used) ignored.emplace_back(word);
    }
}

} // namespace korvalt
