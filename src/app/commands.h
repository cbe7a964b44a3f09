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

#include "common/textfile.h"
#include "fsm/checks.h"
#include "template/params.h"
#include "template/u_srctemp.h"

namespace korvalt {

// What a command came to: written, refused or failed with a message saying
// why, or given up by the user (no message).
struct TOutcome {
    bool ok = true;
    std::string message; // German; empty when ok or when the user said no
    std::string written; // the file written, when ok
    std::string notice;  // German; what the user must complete in the file written
    explicit operator bool() const { return ok; }
};

// Asked before an existing file is replaced; true replaces it. An empty
// function replaces without asking, as command-line tools do.
using TMayOverwrite = std::function<bool(const std::string& path)>;

// The messages shared by the commands.
std::string ReadFailureMessage(const std::string& what, const std::string& path,
                               const std::string& reason);
std::string WriteFailureMessage(const std::string& what, const std::string& path,
                                const std::string& reason);
std::string FolderAsOutputMessage(const std::string& path);

// The body written for a template section (ignoring letter case in its name);
// fails when the template cannot be read, has no such section, or the section no body.
TOutcome TemplateSectionBody(const std::string& templatePath, const std::string& section,
                             TStrings& body);
TOutcome TemplateSectionBody(const Tsrctemp& reader, const std::string& section, TStrings& body);
// Expands a section's body with the parameter values and writes it to
// outputPath (whose name up to the first "." replaces |NAME|). A name that is
// no VHDL identifier is refused where the body writes |NAME|.
TOutcome GenerateModule(TStrings body, const std::vector<TParam>& params,
                        const std::string& outputPath, const TMayOverwrite& mayOverwrite = {});

// The testbench skeleton (.wdl) beside the design, from the design's lines;
// never written over the design itself.
TOutcome WriteTestbenchSkeleton(const std::string& designPath, const TStrings& designLines);
// The runnable VHDL-2008 testbench ENTITY_tb.vhd beside the design.
TOutcome WriteVhdlTestbench(const std::string& designPath, const TStrings& designLines,
                            const TMayOverwrite& mayOverwrite = {});

// Inserts the entity of componentPath into targetPath (rewritten in place).
TOutcome InsertComponentCommand(const std::string& componentPath, const std::string& targetPath,
                                bool withComments, bool withSignals);

// The state machine's VHDL file, its entity named after the file: the entity
// name and every check of the description must pass. A failed check leaves
// its report in *report when given.
TOutcome WriteStateMachine(const TMachine& a, const std::string& outputPath,
                           const TMayOverwrite& mayOverwrite = {},
                           TAutomatReport* report = nullptr);
// The self-checking testbench of the machine whose entity is named entity
// (file text), written to outputPath; the same checks as for the machine.
TOutcome WriteStateMachineTestbench(const TMachine& a, const std::string& entity,
                                    const std::string& outputPath,
                                    const TMayOverwrite& mayOverwrite = {},
                                    TAutomatReport* report = nullptr);
// The entity a state-machine file of this name holds, as file text.
std::string EntityOfFile(const std::string& path);

} // namespace korvalt
