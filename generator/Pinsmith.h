#pragma once
// The project writer: turns one filled TMainBoard into a Quartus project
// (.qpf, .qsf, top-level .v or .vhd, exported Verilog IP, .sdc, .htm). Each
// text file is assembled in memory and written in one go, CR LF line ends.

#include "model/MainBoard.h"
#include "platform/Clock.h"
#include "platform/Files.h"

#include <string>

class TPinsmith {
public:
    // Writes the whole project next to the project file (a full path; its
    // extension does not matter). Before any file is touched it refuses an
    // unpaired bracket in a pin name, a project name that is not a plain
    // name or is a Verilog or VHDL keyword, a pin name holding syntax of Tcl
    // or Verilog, one signal from two places, a name the top level cannot
    // take (CheckTopLevelNames), and a project folder it cannot write. Then it sorts the pins,
    // assembles every file in memory and writes them all or none: an earlier project in the folder
    // stays as it was unless every file of the new one was written. Each failure shows its reason
    // and its writer's message; false tells the caller to report that the project could not be
    // generated.
    bool Generate(TMainBoard* board, const std::string& projectPath, bool vhdl);

    // False when a non-empty pin name holds a "[" without a "]" or the other
    // way round.
    static bool CheckPinNames(const TMainBoard& board);
    // False, after a box naming the pin, when the name of a pin that reaches
    // a file holds a blank, $, ;, a quote, a brace or a backslash.
    static bool CheckPinSyntax(const TMainBoard& board);
    // False, after a beep and a box naming the signal and both connectors,
    // when one port name (ASCII case ignored) comes from two connectors or
    // one bus bit is given twice, also inside one connector.
    static bool CheckSignals(const TMainBoard& board);
    // False, after a box naming the clash, when the project name is the name
    // of a file or module the board exports, when a port of the top level
    // (a bus or a single signal) is a Verilog or VHDL keyword, or, in a VHDL
    // project, when the project name or a port is no VHDL identifier (two
    // underscores in a row, an underscore at the end) or is a name the file
    // uses from its context clause (config::VhdlContextNames).
    static bool CheckTopLevelNames(const TMainBoard& board, const std::string& projectName,
                                   bool vhdl);

    // The writers, in the order Generate runs them. Each takes its own file
    // name (the project name is that name without folder and extension).
    bool WriteQpf(const std::string& fileName);
    bool WriteQsf(const TMainBoard& board, const std::string& fileName);
    bool WriteVerilog(const TMainBoard& board, const std::string& fileName);
    bool WriteVhdl(const TMainBoard& board, const std::string& fileName);
    // Copies the board's embedded Verilog modules into the project folder
    // (with its trailing separator), all or none; "Failed to export verilog
    // IP" on failure.
    bool ExportVerilogIp(const TMainBoard& board, const std::string& projectFolder);
    // The same files added to a set that Generate commits with the rest.
    static bool StageVerilogIp(const TMainBoard& board, const std::string& projectFolder,
                               platform::FileReplacement& files);
    bool WriteSdc(const TMainBoard& board, const std::string& fileName);
    // The pin report; no message of its own on failure.
    bool WriteHtml(const TMainBoard& board, const std::string& fileName);

    // Writes one embedded file byte for byte (creating one missing folder
    // level). False, without a message, when the resource does not exist or
    // the file cannot be fully written; an older file then stays as it was.
    static bool ExportResource(const std::string& fileName, const std::string& resourceName);

    // In-memory assembly of each file (no file access). The top-level texts
    // fail (after the port-grouping message) when the pins of a connector
    // cannot be grouped into ports.
    static std::string QpfText(const std::string& projectName, const platform::LocalDateTime& now);
    static std::string QsfText(const TMainBoard& board, const std::string& projectName,
                               const platform::LocalDateTime& now);
    static bool VerilogText(const TMainBoard& board, const std::string& moduleName,
                            std::string& text);
    static bool VhdlText(const TMainBoard& board, const std::string& entityName, std::string& text);
    static std::string SdcText(const TMainBoard& board);
    static std::string HtmlText(const TMainBoard& board);

    // Every connector's comment header and port declarations (and, when
    // asked, the number of ports); false when a connector's pins cannot be
    // grouped into ports.
    static bool GetVerilogPortList(const TMainBoard& board, std::string& text,
                                   int* portCount = nullptr);
    static bool GetVhdlPortList(const TMainBoard& board, std::string& text,
                                int* portCount = nullptr);
};
