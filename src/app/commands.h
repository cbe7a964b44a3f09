// One function per user command, called alike by the windows and korvalt-cli:
// writing a module from a template, the testbench skeleton, the runnable
// testbench, inserting a component, and writing a state machine or its
// testbench. The front ends gather the input, answer the overwrite question
// through a callback and show the outcome; every step and every German
// message lives here, once.
//
// Messages are UTF-8 text (the system's reasons follow the user's locale);
// file paths appear as given.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/result.h"
#include "common/textfile.h"
#include "fsm/checks.h"
#include "template/params.h"
#include "template/reader.h"

namespace korvalt {

// What a command that writes a file gave. A command comes to ok, or fails
// with a German reason, or with no reason when the user said no.
struct TWritten {
    std::string written; // the file written
    std::string notice;  // German; what the user must complete in the file written
};

// Asked before an existing file is replaced; true replaces it. An empty
// function replaces without asking, as command-line tools do.
using TMayOverwrite = std::function<bool(const std::string& path)>;

// The messages shared by the commands (with those of common/result.h).
std::string FolderAsOutputMessage(const std::string& path);

// The body written for a template section (ignoring letter case in its name);
// fails when the template cannot be read, has no such section, or the section no body.
TResult<TWritten> TemplateSectionBody(const std::string& templatePath, const std::string& section,
                                      TStrings& body);
TResult<TWritten> TemplateSectionBody(const Tsrctemp& reader, const std::string& section,
                                      TStrings& body);
// Expands a section's body with the parameter values and writes it to
// outputPath (whose name up to the first "." replaces |NAME|). A name that is
// no VHDL identifier is refused where the body writes |NAME|.
TResult<TWritten> GenerateModule(TStrings body, const std::vector<TParam>& params,
                                 const std::string& outputPath,
                                 const TMayOverwrite& mayOverwrite = {});

// The testbench skeleton (.wdl) beside the design, from the design's lines;
// never written over the design itself.
TResult<TWritten> WriteTestbenchSkeleton(const std::string& designPath,
                                         const TStrings& designLines);
// The runnable VHDL-2008 testbench ENTITY_tb.vhd beside the design.
TResult<TWritten> WriteVhdlTestbench(const std::string& designPath, const TStrings& designLines,
                                     const TMayOverwrite& mayOverwrite = {});

// Inserts the entity of componentPath into targetPath (rewritten in place).
TResult<TWritten> InsertComponentCommand(const std::string& componentPath,
                                         const std::string& targetPath, bool withComments,
                                         bool withSignals);

// The state machine's VHDL file, its entity named after the file: the entity
// name and every check of the description must pass. A failed check leaves
// its report in *report when given.
TResult<TWritten> WriteStateMachine(const TMachine& a, const std::string& outputPath,
                                    const TMayOverwrite& mayOverwrite = {},
                                    TAutomatReport* report = nullptr);
// The self-checking testbench of the machine whose entity is named entity
// (file text), written to outputPath; the same checks as for the machine.
TResult<TWritten> WriteStateMachineTestbench(const TMachine& a, const std::string& entity,
                                             const std::string& outputPath,
                                             const TMayOverwrite& mayOverwrite = {},
                                             TAutomatReport* report = nullptr);
// The entity a state-machine file of this name holds, as file text.
std::string EntityOfFile(const std::string& path);

} // namespace korvalt
