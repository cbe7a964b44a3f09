// korvalt-cli sections / expand: the template generator without the window.
#include <iostream>

#include "app/commands.h"
#include "cli/cli.h"
#include "common/ascii.h"
#include "common/paths.h"
#include "common/textfile.h"
#include "template/expand.h"
#include "template/params.h"
#include "template/reader.h"

namespace korvalt::cli {

namespace {

std::string RangeText(const TTemplateDecl& decl) {
    const auto& r = decl.range;
    return r ? std::to_string(r->lo) + ".." + std::to_string(r->hi) : std::string();
}

bool AllDigits(const std::string& s) {
    if (s.empty()) return false;
    for (char c : s)
        if (!IsDigit(c)) return false;
    return true;
}

} // namespace

static int Sections(const TArgs& args) {
    if (args.size() != 1) throw TCliError("Aufruf: korvalt-cli sections VORLAGE");
    const Tsrctemp reader(ReadInputFile(args[0], "Die Vorlage"));
    for (const TTemplateSection& s : reader.Sections()) {
        if (s.decls.empty()) PrintLine(s.name);
        for (const TTemplateDecl& d : s.decls)
            PrintLine(s.name + "\t" + d.text + "\t" + d.def + "\t" + RangeText(d));
    }
    return 0;
}

static int Expand(const TArgs& args) {
    const TParsedArgs p = ParseArgs(args, {OutOption()});
    const TArgs& positional = p.positional;
    const std::string out = p.Value("-o");
    if (positional.size() < 2 || !p.Has("-o"))
        throw TCliError("Aufruf: korvalt-cli expand VORLAGE ABSCHNITT [NAME=WERT ...] -o AUSGABE");
    if (out.empty()) throw TCliError("Der Name der Ausgabedatei ist leer.");

    const Tsrctemp reader(ReadInputFile(positional[0], "Die Vorlage"));
    const std::string wanted = ArgToCp1252(positional[1]);
    const TTemplateSection* section = reader.Find(wanted);
    if (!section) throw TCliError("Die Vorlage hat keinen Abschnitt \"" + positional[1] + "\".");

    auto rows = BuildParamRows(section->decls);
    for (std::size_t i = 2; i < positional.size(); ++i) {
        const std::string& arg = positional[i];
        const auto eq = arg.find('=');
        if (eq == std::string::npos)
            throw TCliError("\"" + arg + "\" hat nicht die Form NAME=WERT.");
        const std::string name = ArgToCp1252(arg.substr(0, eq));
        const std::string value = arg.substr(eq + 1);
        bool found = false;
        for (auto& row : rows) {
            if (!SameText(DeclName(row.decl), name)) continue;
            found = true;
            if (!AllDigits(value))
                throw TCliError("Der Wert von " + Show(row.decl) +
                                " muss aus Ziffern bestehen: \"" + value + "\".");
            if (CheckValue(row.decl, value))
                throw TCliError("Der Wert " + value + " liegt außerhalb des Bereichs von " +
                                Show(row.decl) + ".");
            row.value = value;
        }
        if (!found)
            throw TCliError("Der Abschnitt \"" + Show(section->name) +
                            "\" hat keinen Parameter \"" + arg.substr(0, eq) + "\".");
    }

    TStrings body;
    TResult<TWritten> o = TemplateSectionBody(reader, section->name, body);
    if (o) o = GenerateModule(std::move(body), ParamsFromRows(rows), out);
    if (!o) throw TCliError(o.error);
    return 0;
}

namespace {
const TCommand sectionsCommand{"sections", Sections, R"(  korvalt-cli sections VORLAGE
      Listet die Abschnitte der Vorlage. Je Parameter eine Zeile:
      Abschnitt, Tab, Deklaration, Tab, Vorgabewert, Tab, Bereich (lo..hi).
      Ein Abschnitt ohne Parameter steht allein auf seiner Zeile.
)"};
const TCommand expandCommand{"expand", Expand,
                             R"(  korvalt-cli expand VORLAGE ABSCHNITT [NAME=WERT ...] -o AUSGABE
      Erzeugt die VHDL-Datei AUSGABE aus dem Abschnitt (Groß-/Kleinschreibung
      egal). Nicht genannte Parameter behalten ihren Vorgabewert; ein Wert
      besteht aus Ziffern und muss im deklarierten Bereich liegen. |NAME|
      wird durch den Dateinamen von AUSGABE bis zum ersten "." ersetzt; ist
      dieser kein gültiger VHDL-Bezeichner, wird nichts geschrieben.
)"};
} // namespace

} // namespace korvalt::cli
