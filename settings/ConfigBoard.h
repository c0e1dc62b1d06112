#pragma once
// The abstract settings class of the newer boards (ids 27, 28, 31..36). Each
// such board derives its own class, keeps its record in it and produces the
// board-specific parts of a generated project. Free of Qt: the project writer
// calls it.

#include "boards/BoardRules.h"
#include "model/CardCatalogue.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "settings/ConfigCommon.h"

#include <cstddef>
#include <cstdint>
#include <string>

class TConfigBoard {
public:
    TConfigBoard() = default;
    virtual ~TConfigBoard() = default;

    // Settings file <-> the descendant's record, through its board
    // definition's record layout (LoadBoardRecord, SaveBoardRecord). A file
    // a load refuses leaves the record as it was; LoadWithDialog reports the
    // reason.
    bool LoadFromFile(const std::string& fileName);
    bool SaveToFile(const std::string& fileName);
    // Board-specific .qsf lines, top-level Verilog, VHDL architecture.
    virtual std::string GetQsfAssignments() = 0;
    virtual std::string GetVerilogCode() = 0;
    virtual std::string GetVhdlArchitecture(const std::string& entityName) = 0;
    // Writes the board's Verilog IP files into the project folder (with a
    // trailing separator); false stops the generation.
    virtual bool ExportIpFiles(const std::string& projectFolder) = 0;

    // default.cfg is read silently; a file picked in Load Setting that the
    // board refuses is reported with the reason its load gave.
    bool LoadDefault();
    bool SaveDefault();
    bool SaveWithDialog(platform::FileDialog& dialog);
    bool LoadWithDialog(platform::FileDialog& dialog);
    std::string AskProjectFile(platform::FileDialog& dialog, const std::string& folderWord,
                               const std::string& projectName);
    // Copies one embedded file (config::ExportResourceFile). While a
    // generation runs, the copy joins the generation's files and takes its
    // name together with them.
    bool ExportResourceFile(const std::string& fileName, const std::string& resourceName);
    void SetExportTarget(platform::FileReplacement* files) { exportTarget_ = files; }
    void BuildCardList(ConnectorType connectorType, bool allowTransceiver, Voltage voltageClass);

    std::string LastDir;
    std::int32_t CardCount = 0;
    std::uint8_t CardIds[256] = {};

protected:
    // The record a descendant holds and the definition it is laid out by.
    struct HeldRecord {
        const BoardDef* def;
        RecordSpan bytes;
    };
    virtual HeldRecord Held() = 0;
    // A descendant's Held(): its record of type T (RecordDefinition<T>).
    template <class T> static HeldRecord HeldOf(T& record) {
        return {&RecordDefinition<T>(),
                RecordSpan(reinterpret_cast<std::uint8_t*>(&record), sizeof(T))};
    }

private:
    platform::FileReplacement* exportTarget_ = nullptr;
    config::LoadRefusal lastRefusal_;
};
