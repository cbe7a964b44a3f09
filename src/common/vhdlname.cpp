// The reserved words of VHDL and the basic-identifier rule.
#include "common/vhdlname.h"

#include <unordered_set>

#include "common/ascii.h"

namespace korvalt {

bool IsVhdlReservedWord(std::string_view name) {
    // The reserved words of VHDL-2008, upper case.
    // clang-format off
    static const std::unordered_set<std::string> words = {
    "ABS", "ACCESS", "AFTER", "ALIAS", "ALL", "AND", "ARCHITECTURE", "ARRAY", "ASSERT", "ASSUME",
    "ASSUME_GUARANTEE", "ATTRIBUTE", "BEGIN", "BLOCK", "BODY", "BUFFER", "BUS", "CASE",
    "COMPONENT", "CONFIGURATION", "CONSTANT", "CONTEXT", "COVER", "DEFAULT", "DISCONNECT",
    "DOWNTO", "ELSE", "ELSIF", "END", "ENTITY", "EXIT", "FAIRNESS", "FILE", "FOR", "FORCE",
    "FUNCTION", "GENERATE", "GENERIC", "GROUP", "GUARDED", "IF", "IMPURE", "IN", "INERTIAL",
    "INOUT", "IS", "LABEL", "LIBRARY", "LINKAGE", "LITERAL", "LOOP", "MAP", "MOD", "NAND", "NEW",
    "NEXT", "NOR", "NOT", "NULL", "OF", "ON", "OPEN", "OR", "OTHERS", "OUT", "PACKAGE",
    "PARAMETER", "PORT", "POSTPONED", "PROCEDURE", "PROCESS", "PROPERTY", "PROTECTED", "PURE",
    "RANGE", "RECORD", "REGISTER", "REJECT", "RELEASE", "REM", "REPORT", "RESTRICT",
    "RESTRICT_GUARANTEE", "RETURN", "ROL", "ROR", "SELECT", "SEQUENCE", "SEVERITY", "SHARED",
    "SIGNAL", "SLA", "SLL", "SRA", "SRL", "STRONG", "SUBTYPE", "THEN", "TO", "TRANSPORT", "TYPE",
    "UNAFFECTED", "UNITS", "UNTIL", "USE", "VARIABLE", "VMODE", "VPROP", "VUNIT", "WAIT", "WHEN",
    "WHILE", "WITH", "XNOR", "XOR"};
    // clang-format on
    return words.count(UpperCase(name)) > 0;
}

bool IsVhdlIdentifier(std::string_view name) {
    if (name.empty() || !IsLetter(name[0]) || name.back() == '_') return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (!IsWordChar(name[i])) return false;
        if (name[i] == '_' && name[i - 1] == '_') return false;
    }
    return !IsVhdlReservedWord(name);
}

} // namespace korvalt
