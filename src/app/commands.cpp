#include "app/commands.h"

#include "common/ascii.h"
#include "common/cp1252.h"
#include "common/paths.h"
#include "fsm/automat_tb.h"
#include "fsm/synthesis.h"
#include "template/expand.h"
#include "template/reader.h"
#include "vhdl/entity.h"
#include "vhdl/insert.h"
#include "vhdl/testbench.h"

namespace korvalt {

namespace {

TResult<TWritten> Failed(std::string message) {
    return TResult<TWritten>{false, std::move(message)};
}

// The last steps of every command that writes a file: a folder is refused
// before the question, an existing file is replaced only when allowed.
TResult<TWritten> WriteOutput(const std::string& what, const std::string& path,
                              const TStrings& lines, const TMayOverwrite& mayOverwrite) {
    if (IsDirectory(path)) return Failed(FolderAsOutputMessage(path));
    if (mayOverwrite && FileExists(path) && !mayOverwrite(path))
        return TResult<TWritten>{false, {}};
    if (const TResult<> r = SaveLines(path, lines); !r)
        return Failed(WriteFailureMessage(what, path, r.error));
    return TResult<TWritten>{true, {}, {path}};
}

// The entity-name check and every check of the description.
TResult<TWritten> CheckMachine(const TMachine& a, const std::string& entity,
                               TAutomatReport* report) {
    if (const std::string problem = EntityNameProblem(entity); !problem.empty())
        return Failed(problem + " Es wurde keine Datei geschrieben.");
    const TAutomatReport r = CheckAutomat(a);
    if (report) *report = r;
    if (!r.Ok())
        return Failed("Die Beschreibung besteht die Prüfungen nicht; es wurde keine "
                      "Datei geschrieben.");
    return {};
}

} // namespace

// Entity names are compared and written as file text (Windows-1252); file
// names come from the system as UTF-8.
std::string EntityOfFile(const std::string& path) {
    return Utf8ToCp1252(EntityNameOf(FileNamePart(path)));
}

std::string FolderAsOutputMessage(const std::string& path) {
    return "\"" + path + "\" ist ein Ordner; es wird nichts geschrieben.";
}

TResult<TWritten> TemplateSectionBody(const std::string& templatePath, const std::string& section,
                                      TStrings& body) {
    body.clear();
    const Tsrctemp reader(templatePath);
    if (const TResult<TFileRead>& r = reader.ReadResult(); !r)
        return Failed(ReadFailureMessage("Die Vorlage", templatePath, r.error));
    return TemplateSectionBody(reader, section, body);
}

TResult<TWritten> TemplateSectionBody(const Tsrctemp& reader, const std::string& section,
                                      TStrings& body) {
    body.clear();
    const TTemplateSection* s = reader.Find(section);
    if (!s) return Failed("Die Vorlage hat keinen Abschnitt \"" + Cp1252ToUtf8(section) + "\".");
    body = s->BodyText();
    if (body.empty())
        return Failed("Der Abschnitt \"" + Cp1252ToUtf8(s->name) + "\" hat keinen Rumpf.");
    return {};
}

TResult<TWritten> GenerateModule(TStrings body, const std::vector<TParam>& params,
                                 const std::string& outputPath, const TMayOverwrite& mayOverwrite) {
    if (const std::string problem = NameMarkerProblem(body, outputPath); !problem.empty())
        return Failed(problem + " Es wurde keine Datei geschrieben.");
    ExpandTemplate(outputPath, body, params);
    return WriteOutput("Die Datei", outputPath, body, mayOverwrite);
}

namespace {

// The generics the user must complete, as one text of German lines (UTF-8).
std::string Notice(const TEntity& design) {
    std::string text;
    for (const std::string& line : GenericNotes(design))
        text += (text.empty() ? "" : "\n") + Cp1252ToUtf8(line);
    return text;
}

} // namespace

TResult<TWritten> WriteTestbenchSkeleton(const std::string& designPath,
                                         const TStrings& designLines) {
    const std::string out = TestbenchFileName(designPath);
    if (out == designPath)
        return Failed("Die Testbench \"" + out + "\" würde die Datei selbst überschreiben.");
    if (IsDirectory(out)) return Failed(FolderAsOutputMessage(out));
    if (const TResult<> r = BuildTestbench(ScanEntity(designLines), out); !r)
        return Failed(WriteFailureMessage("Die Testbench", out, r.error));
    return TResult<TWritten>{true, {}, {out}};
}

TResult<TWritten> WriteVhdlTestbench(const std::string& designPath, const TStrings& designLines,
                                     const TMayOverwrite& mayOverwrite) {
    const TEntity design = ScanEntity(designLines);
    const std::string out = VhdlTestbenchFileName(designPath, design);
    switch (CheckVhdlTestbench(designPath, design)) {
    case TVhdlTestbenchRefusal::NoEntityName:
        return Failed("In \"" + designPath +
                      "\" steht keine Entity mit Namen; es wird keine Testbench geschrieben.");
    case TVhdlTestbenchRefusal::OwnFile:
        return Failed("Die Testbench \"" + out + "\" würde die Datei selbst überschreiben.");
    case TVhdlTestbenchRefusal::None:
        break;
    }
    TResult<TWritten> o = WriteOutput(
        "Die Testbench", out, VhdlTestbenchLines(design, ContextClause(designLines)), mayOverwrite);
    if (o && !o.value.written.empty()) o.value.notice = Notice(design);
    return o;
}

TResult<TWritten> InsertComponentCommand(const std::string& componentPath,
                                         const std::string& targetPath, bool withComments,
                                         bool withSignals) {
    const TResult<TEntity> r =
        InsertComponent(componentPath, targetPath, withComments, withSignals);
    if (!r) return Failed(r.error);
    return TResult<TWritten>{true, {}, {targetPath, Notice(r.value)}};
}

TResult<TWritten> WriteStateMachine(const TMachine& a, const std::string& outputPath,
                                    const TMayOverwrite& mayOverwrite, TAutomatReport* report) {
    const std::string entity = EntityOfFile(outputPath);
    if (TResult<TWritten> o = CheckMachine(a, entity, report); !o) return o;
    return WriteOutput("Die Datei", outputPath, BuildAutomatVhdl(a, entity), mayOverwrite);
}

TResult<TWritten> WriteStateMachineTestbench(const TMachine& a, const std::string& entity,
                                             const std::string& outputPath,
                                             const TMayOverwrite& mayOverwrite,
                                             TAutomatReport* report) {
    if (TResult<TWritten> o = CheckMachine(a, entity, report); !o) return o;
    return WriteOutput("Die Datei", outputPath, BuildAutomatTestbench(a, entity), mayOverwrite);
}

} // namespace korvalt
