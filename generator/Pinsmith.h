#pragma once
// The project writer: turns one filled TMainBoard into a Quartus project
// (.qpf, .qsf, top-level .v or .vhd, exported Verilog IP, .sdc, .htm). Each
// text file is assembled in memory and written in one go, CR LF line ends.

#include "model/MainBoard.h"
#include "platform/Clock.h"

#include <string>

class TPinsmith {
public:
    // Writes the whole project next to the project file (a full path; its
    // extension does not matter). Checks the pin names, sorts the pins, then
    // runs the writers in order and stops at the first failure. The writers
    // show their own messages; false tells the caller to report that the
    // project could not be generated.
    bool Generate(TMainBoard* board, const std::string& projectPath, bool vhdl);

    // False when a non-empty pin name holds a "[" without a "]" or the other
    // way round.
    static bool CheckPinNames(const TMainBoard& board);

    // The writers, in the order Generate runs them. Each takes its own file
    // name (the project name is that name without folder and extension).
    bool WriteQpf(const std::string& fileName);
    bool WriteQsf(const TMainBoard& board, const std::string& fileName);
    bool WriteVerilog(const TMainBoard& board, const std::string& fileName);
    bool WriteVhdl(const TMainBoard& board, const std::string& fileName);
    // Copies the board's embedded Verilog modules into the project folder
    // (with its trailing separator); "Failed to export verilog IP" on failure.
    bool ExportVerilogIp(const TMainBoard& board, const std::string& projectFolder);
    bool WriteSdc(const TMainBoard& board, const std::string& fileName);
    // The pin report; no message of its own on failure.
    bool WriteHtml(const TMainBoard& board, const std::string& fileName);

    // Writes one embedded file byte for byte (deleting an older file first,
    // creating one missing folder level). False, without a message, when the
    // resource does not exist or the file cannot be fully written.
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
