#pragma once
// The names a written top level declares, read back from its text, and the
// rule by which a simulator or synthesis tool takes a name in each language
// (stated here on its own, not borrowed from the writer's checks). Used by
// the board matrix and the settings fuzz target.

#include <string>
#include <vector>

struct TopLevelNames {
    std::string top;                // the module or entity name
    std::vector<std::string> ports; // each port once, bus names without range
};

// The module (Verilog) or entity (VHDL) header of a generated top level.
TopLevelNames ReadTopLevelNames(const std::string& text, bool vhdl);

// Why the language refuses the name as an identifier; empty when it takes
// it. Verilog: a letter or _ first, then letters, digits, _ and $, no
// keyword. VHDL: a letter first, then letters, digits and single
// underscores, no underscore at the end, no keyword (case ignored).
std::string IllegalIdentifier(const std::string& name, bool vhdl);
