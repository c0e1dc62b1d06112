#pragma once
// The pin model of one board for one generation: FPGA data, connectors, board
// id, a copy of the settings record for some boards and the settings object of the
// newer boards.

#include "model/BoardId.h"
#include "model/CardAttach.h"
#include "model/CardCatalogue.h"
#include "model/CardRules.h"
#include "model/Connector.h"
#include "model/ModuleOptions.h"
#include "model/RecordCopy.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TConfigBoard;

class TMainBoard {
public:
    TMainBoard() = default;
    ~TMainBoard() = default; // does not delete the settings object
    TMainBoard(const TMainBoard&) = delete;
    TMainBoard& operator=(const TMainBoard&) = delete;

    // Appends a connector; the board owns it from now on. Returns it.
    TConnector* AddConnector(std::unique_ptr<TConnector> connector);
    TConnector* AddConnector(TConnector* connector) {
        return AddConnector(std::unique_ptr<TConnector>(connector));
    }
    void ClearConnectors() { m_Connectors.clear(); }
    int GetConnectorCount() const { return static_cast<int>(m_Connectors.size()); }
    TConnector* GetConnector(int index) const;

    const std::string& GetFamily() const { return m_Family; }
    const std::string& GetDevice() const { return m_Device; }
    const std::string& GetPackage() const { return m_Package; }
    const std::string& GetSpeedGradeText() const { return m_SpeedGradeText; }
    int GetPinCount() const { return m_PinCount; }
    int GetSpeedGrade() const { return m_SpeedGrade; }
    int GetBoardId() const { return static_cast<int>(m_BoardId); }
    BoardId GetBoardIdByte() const { return m_BoardId; }

    // The first expansion connector with this id, in list order; nullptr when
    // there is none.
    TConnector* GetExpansionConnector(ConnectorId id) const;
    // The entry at a 1-based position of the n-th HSMC connector.
    TPin* GetHsmcPin(int n, int position) const;

    // Sorts every connector's pins except FMC connectors without a card and
    // connectors carrying an FMC card of a standard layout.
    void SortPins();

    // Card attachment (model/CardAttach.h): fill a daughter board with the
    // card, merge it with the prefix, delete the daughter board. FMC cards
    // take 3.3-V LVTTL for their single-ended pins; HSMC cards are attached
    // with their port's standard (AttachHsmcCard in model/CardAttach.h).
    void AttachFmcCard(ConnectorId connector, CardId card, const CardPrefix& prefix);
    void AttachGpioCard(ConnectorId connector, CardId card, const CardPrefix& prefix,
                        const CardBusName& busName, IoStd ioStandard);
    // Memory modules (model/ModuleAttach.cpp): the module's own fill with the
    // arguments given (TDaughterBoard::FillDdr3Sodimm ...), merged with the
    // prefix.
    void AttachDdr3Sodimm(ConnectorId connector, const CardPrefix& prefix, DqsMode diffDqs,
                          IoStd ctlStd, IoStd saStd);
    void AttachDdr3SodimmSstl15(ConnectorId connector, const CardPrefix& prefix, DqsMode diffDqs,
                                IoStd ctlStd, IoStd saStd);
    void AttachDdr4Sodimm(ConnectorId connector, const CardPrefix& prefix, IoStd i2cStd,
                          IoStd saStd, Ecc ecc);
    void AttachDdr4SodimmInterface(ConnectorId connector, const CardPrefix& prefix, IoStd i2cStd,
                                   IoStd saStd, Ecc ecc, Ddr4SodimmLayout layout);
    void AttachQdr2Module(ConnectorId connector, const CardPrefix& prefix);
    void AttachQdr4Module(ConnectorId connector, const CardPrefix& prefix);

    std::vector<std::unique_ptr<TConnector>> m_Connectors;
    std::int32_t m_PinCount = 0;
    std::int32_t m_SpeedGrade = 0;
    std::string m_Family;
    std::string m_Device;
    std::string m_Package;
    std::string m_SpeedGradeText;
    BoardId m_BoardId = MAINBOARD_NONE;
    // The board's card rules, copied from the board's definition before its
    // pin filler runs: the cards attached to it take their standards and map
    // variants from here. A board built without them has the default rules.
    CardRules m_CardRules{};
    // A verbatim copy of the settings record, for the boards whose writer
    // text reads fields of it (empty for the others).
    RecordCopy m_BoardRecord;
    TConfigBoard* m_pConfigBoard = nullptr; // not owned
    // A settings object the filler made from a bare record (the board's
    // rules pass records, not settings objects): kept alive with the board,
    // m_pConfigBoard points to it.
    std::shared_ptr<TConfigBoard> m_OwnedConfigBoard;
};
