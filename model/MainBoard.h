#pragma once
// The pin model of one board for one generation: FPGA data, connectors, board
// id, copies of some boards' settings records and the settings object of the
// newer boards.

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

enum class BoardId : std::uint8_t {
    MAINBOARD_NONE = 0,
    MAINBOARD_ALVEK = 1,
    MAINBOARD_BRESSA = 2,
    MAINBOARD_CORVIN = 3,
    MAINBOARD_DUNMAR = 4,
    MAINBOARD_ELVORY = 5,
    MAINBOARD_FENNIK = 6,
    MAINBOARD_GALDRE_X2 = 7,
    MAINBOARD_GALDRE_X1 = 8,
    MAINBOARD_HOLLIN = 9,
    MAINBOARD_ISTREL = 10,
    MAINBOARD_JORVATH = 11,
    MAINBOARD_KELMIS = 12,
    MAINBOARD_LORSK = 13,
    MAINBOARD_MARWEN = 14,
    MAINBOARD_NOLVAR = 15,
    MAINBOARD_OMBREL = 16,
    MAINBOARD_OMBREL2 = 17,
    MAINBOARD_PELLIX = 18,
    MAINBOARD_QUINDLE = 19,
    MAINBOARD_RASMER = 20,
    MAINBOARD_SOLLEN = 21,
    MAINBOARD_TAVRIN = 22,
    MAINBOARD_ULVANE = 23,
    MAINBOARD_VESSOR = 24,
    MAINBOARD_WENDAL = 25,
    MAINBOARD_YELDEN = 26,
    MAINBOARD_ZARVIK = 27,
    MAINBOARD_ZARVIK_DDR4 = 28,
    MAINBOARD_BROVAN = 30,
    MAINBOARD_CALVET = 31,
    MAINBOARD_DRAVEL = 32,
    MAINBOARD_ESPERN = 33,
    MAINBOARD_FALMOR = 34,
    MAINBOARD_GRISTEL = 35,
    MAINBOARD_HARVIK = 36,
    MAINBOARD_ILMARCH = 37,
    MAINBOARD_JORKEL = 50,
    MAINBOARD_KELVANE = 100,
    MAINBOARD_LUMBREL = 101,
};
using enum BoardId;

constexpr int BoardNumber(BoardId id) {
    return static_cast<int>(id);
}

// Settings-record sizes of the slots below.
inline constexpr std::size_t kGaldreX1ConfigSize = 684;
inline constexpr std::size_t kKelmisConfigSize = 1188;
inline constexpr std::size_t kPellixConfigSize = 296;
inline constexpr std::size_t kOmbrelConfigSize = 176;
inline constexpr std::size_t kNolvarConfigSize = 164;
inline constexpr std::size_t kMarwenConfigSize = 424;
inline constexpr std::size_t kSollenConfigSize = 408;
inline constexpr std::size_t kTavrinConfigSize = 408;
inline constexpr std::size_t kWendalConfigSize = 404;
inline constexpr std::size_t kIlmarchConfigSize = 412;

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
    RecordCopy<kGaldreX1ConfigSize> m_Galdre_X1Config;
    RecordCopy<kKelmisConfigSize> m_KelmisConfig;
    TConfigBoard* m_pConfigBoard = nullptr; // not owned
    // A settings object the filler made from a bare record (the board's
    // rules pass records, not settings objects): kept alive with the board,
    // m_pConfigBoard points to it.
    std::shared_ptr<TConfigBoard> m_OwnedConfigBoard;
    RecordCopy<kPellixConfigSize> m_PellixConfig;
    RecordCopy<kOmbrelConfigSize> m_OmbrelConfig;
    RecordCopy<kNolvarConfigSize> m_NolvarConfig;
    RecordCopy<kMarwenConfigSize> m_MarwenConfig;
    RecordCopy<kSollenConfigSize> m_SollenConfig;
    RecordCopy<kTavrinConfigSize> m_TavrinConfig;
    RecordCopy<kWendalConfigSize> m_WendalConfig;
    RecordCopy<kIlmarchConfigSize> m_IlmarchConfig;
};
