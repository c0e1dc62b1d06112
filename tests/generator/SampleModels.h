#pragma once
// Pin models built by hand for the project-writer tests, the golden files
// and the real-tool checks, and a settings class of a newer board whose
// generator texts the test chooses.

#include "model/DaughterBoard.h"
#include "model/MainBoard.h"
#include "platform/Assert.h"
#include "platform/Clock.h"
#include "settings/ConfigBoard.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace sample {

// The clock every generator test runs with: 14:05:09 on Friday, 2 March 2018.
platform::LocalDateTime FixedTime();

// Builds connectors with unique FPGA locations.
class ModelBuilder {
public:
    explicit ModelBuilder(TMainBoard& board) : board_(board) {}

    TConnector* Group(const std::string& name, const std::string& description = "");
    // One pin at the next free location.
    TPin* Pin(TConnector* c, const std::string& name, PinDirection d,
              IoStd standard = IOSTD_3V3_LVTTL, float mhz = 0);
    // Pins base[first..first+count-1] in index order (or reversed).
    void Bus(TConnector* c, const std::string& base, int count, PinDirection d,
             IoStd standard = IOSTD_3V3_LVTTL, bool reversed = false);
    // An expansion connector of the given type with `positions` placeholders
    // (direction 4, standard 60, a location each); positions listed in
    // `empty` hold no pin.
    TConnector* Expansion(const std::string& name, const std::string& description,
                          ConnectorType type, ConnectorId id, int positions,
                          std::initializer_list<int> empty = {});
    std::string NextLocation();

private:
    TMainBoard& board_;
    int next_ = 0;
};

// Device data of a Cyclone V board.
void SetCycloneV(TMainBoard& board, BoardId id);

// Plain groups with buses (sorted from a shuffled order), scalars, clocks
// with frequency text and with a period, a described group and, last, a
// group without active pins.
void BuildGroups(TMainBoard& board);
// A 40-pin GPIO header (plus two reference-clock positions of the board
// after the card's 40) with a card merged under the prefix CAM_.
void BuildGpioCard(TMainBoard& board);
// An FMC HPC connector with an FMC LPC card merged onto it.
void BuildFmc(TMainBoard& board);
// Groups for a VHDL top level, with port names around sixteen characters.
void BuildVhdl(TMainBoard& board);
// Board 8 with its external PLL on (codes 4, 1, 0) and the ports its block uses.
void BuildGaldreX1(TMainBoard& board);
// Board 21 with video-in, SDRAM, audio and VGA on, and their ports.
void BuildSollen(TMainBoard& board);
// Board 14 with the LVDS card on its HSMC port and every toggle-rate group.
void BuildMarwen(TMainBoard& board);

// The card of the GPIO model: 40 positions, five of them empty.
std::unique_ptr<TDaughterBoard> GpioCard();

// A settings object of a newer board: the generator texts are fields the
// test sets; ExportIpFiles writes the listed resources into a subfolder;
class TestConfigBoard : public TConfigBoard {
public:
    std::string GetQsfAssignments() override { return qsf; }
    std::string GetVerilogCode() override { return verilog; }
    std::string GetVhdlArchitecture(const std::string& entityName) override;
    bool ExportIpFiles(const std::string& projectFolder) override;

    std::string qsf;
    std::string verilog;
    std::string vhdlArchitecture;                             // "%s" stands for the entity name
    std::string exportFolder;                                 // subfolder of the project folder
    std::vector<std::pair<std::string, std::string>> exports; // file name, resource
    std::vector<std::string> exportCalls;

protected:
    // Only the generator texts serve: nothing loads or saves it.
    HeldRecord Held() override { PINSMITH_FAIL("a sample settings object keeps no record"); }
};

// Board 36 (VHDL) with a settings object that adds .qsf lines, a complete
// architecture and one exported file.
void BuildHarvik(TMainBoard& board, TestConfigBoard& config);
// Board 27 (Verilog) with a settings object that adds .qsf lines and
// structural Verilog.
void BuildZarvik(TMainBoard& board, TestConfigBoard& config);

} // namespace sample
