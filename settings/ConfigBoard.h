#pragma once
// The abstract settings class of the newer boards (ids 27, 28, 31..36). Each
// such board derives its own class, keeps its record in it and produces the
// board-specific parts of a generated project. Free of Qt: the project writer
// calls it.

#include "model/CardCatalogue.h"
#include "platform/Dialogs.h"

#include <cstdint>
#include <string>

class TConfigBoard {
public:
    TConfigBoard() = default;
    virtual ~TConfigBoard() = default;

    // Settings file <-> the descendant's record.
    virtual bool LoadFromFile(const std::string& fileName) = 0;
    virtual bool SaveToFile(const std::string& fileName) = 0;
    // Board-specific .qsf lines, top-level Verilog, VHDL architecture.
    virtual std::string GetQsfAssignments() = 0;
    virtual std::string GetVerilogCode() = 0;
    virtual std::string GetVhdlArchitecture(const std::string& entityName) = 0;
    // Writes the board's Verilog IP files into the project folder (with a
    // trailing separator); false stops the generation.
    virtual bool ExportIpFiles(const std::string& projectFolder) = 0;

    bool LoadDefault();
    bool SaveDefault();
    bool SaveWithDialog(platform::FileDialog& dialog);
    bool LoadWithDialog(platform::FileDialog& dialog);
    std::string AskProjectFile(platform::FileDialog& dialog, const std::string& folderWord,
                               const std::string& projectName);
    bool ExportResourceFile(const std::string& fileName, const std::string& resourceName);
    void BuildCardList(ConnectorType connectorType, bool allowTransceiver, Voltage voltageClass);

    std::string LastDir;
    std::int32_t CardCount = 0;
    std::uint8_t CardIds[256] = {};
};
