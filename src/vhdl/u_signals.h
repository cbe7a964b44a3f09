// TSignal: one scanned VHDL file and the VHDL fragments written from it.
//
// The scanner is a line-oriented keyword scanner, not a VHDL parser. It is built
// for the layout Korvalt writes itself: the port list opens on the line of the
// keyword PORT, each port has a line of its own, and the closing parenthesis
// ends the last port's line. It records the entity name, the architecture name,
// the port declarations as texts sorted by direction, and the clock and reset of
// the process text with their active levels ("+" for '1', "-" for '0').
//
// Keywords count as whole words only, and text from "--" to the end of its line
// is never searched for one. The emitters return OutLines, lent to the caller
// until the next emitter call on the same object.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/strings.h"

namespace korvalt {

// One generic of the entity: name, type text and default text (empty when none).
struct TGeneric {
    std::string name, type, value;
    bool operator==(const TGeneric&) const = default;
};

inline constexpr int DirIn = 1;
inline constexpr int DirOut = 2;

class TSignal {
  public:
    // Scans the file; a file that cannot be opened leaves every field empty.
    explicit TSignal(const std::string& path);
    // Scans lines already read (the file's lines without their line ends).
    static TSignal FromLines(const TStrings& lines);

    void Scan(const std::string& path);
    // Records one declaration text with its direction flags (DirIn | DirOut).
    void AddPort(const std::string& text, int flags);

    static std::string Spaces(int n);
    static std::string TrimLeftBlanks(std::string_view s);
    static std::string TrimRightBlanks(std::string_view s);
    // The type of a port declaration: the text after ":" without its mode word and ";".
    static std::string PortType(std::string_view declaration);
    // A value a generic without default can take, for the types a VHDL tool knows.
    static std::string Placeholder(std::string_view type);
    // The generic's default, or the placeholder of its type.
    static std::string GenericValue(const TGeneric& g);
    // DirIn, DirOut or 0 from the mode word after the first ":"; no mode word means in.
    static int DirectionFlags(std::string_view declaration);
    // A port line split at each ";" outside brackets into its declarations, each
    // keeping its ";" and without leading blanks; a single declaration stays whole.
    static TStrings SplitDeclarations(const std::string& line);
    // The text before the first ":" without trailing blanks; empty without ":".
    static std::string PortName(std::string_view declaration);

    const TStrings& Inputs() const { return Inputs_; }
    const TStrings& Outputs() const { return Outputs_; }
    const TStrings& Ports() const { return Ports_; }
    const std::string& EntityName() const { return EntityName_; }
    const std::string& ArchName() const { return ArchName_; }
    const std::string& ClockSignal() const { return ClockSignal_; }
    const std::string& ResetSignal() const { return ResetSignal_; }
    const std::vector<TGeneric>& Generics() const { return Generics_; }
    // Clock and reset as the runnable testbench reads them: a clock written as a
    // rising_edge or falling_edge call counts too.
    const std::string& EdgeClockSignal() const { return EdgeClockSignal_; }
    const std::string& EdgeResetSignal() const { return EdgeResetSignal_; }

    // Emitters; n is the indentation in blanks.
    const TStrings& PortClause(int n);
    const TStrings& InputSignals(int n);
    const TStrings& OutputSignals(int n);
    const TStrings& ComponentDecl(int n);
    const TStrings& StimulusProcesses(int n);
    const TStrings& GenericClause(int n);
    // namedGenerics: each generic is associated with a constant of its own name.
    const TStrings& InstanceMap(int n, bool withComments, bool namedGenerics = false);
    const TStrings& TestbenchMap(int n);
    std::string ConfigLine(int n) const;

  private:
    TSignal() = default;
    void ScanLines(const TStrings& lines);
    void ScanPorts(const std::string& entity, const std::string& entityUp);
    void ScanGenerics(const std::string& code, std::size_t open, std::size_t close);
    void ScanArchitecture(const std::string& line, const std::string& lineUp);
    void ScanClockAndReset(const std::string& process, const std::vector<std::size_t>& lineStarts,
                           bool edgeCalls);
    // The declarations in the order of the component declaration: inputs, then outputs.
    TStrings DeclaredPorts() const;

    TStrings Inputs_, Outputs_, Ports_, OutLines_;
    std::string EntityName_, ClockSignal_, ResetSignal_, ArchName_;
    std::vector<TGeneric> Generics_;
    std::string EdgeClockSignal_, EdgeResetSignal_;
};

// What the scan recorded, one "label: value" line each: entity, architecture,
// clock, reset, then every generic, port, input and output.
TStrings ScanListing(const TSignal& s);

} // namespace korvalt
