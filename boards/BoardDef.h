#pragma once
// A board's definition: everything the program knows of one board apart from
// its form's widgets. The board registry (boards/Boards.h) holds one per
// board id; the project writer, the form framework, the settings fuzzer and
// the tests all read the same definition.
//
// A board that is not part of this build yet has a partial definition: its
// id, titles, selector line and the writer text it already has, but no
// settings record (record.size == 0) and so no form rules and no filler.

#include "model/CardAttach.h"
#include "model/CardCatalogue.h"
#include "model/Connector.h"
#include "model/DaughterBoard.h"
#include "model/MainBoard.h"
#include "model/Pin.h"
#include "platform/Assert.h"
#include "platform/Files.h"
#include "settings/ConfigCommon.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

using RecordSpan = std::span<std::uint8_t>;
using ConstRecordSpan = std::span<const std::uint8_t>;

// The board-specific text of a generated project. Every slot may be empty;
// an empty slot writes nothing.
struct BoardText {
    // .qsf: lines inserted after the SDC_FILE line.
    std::string (*qsf)(const TMainBoard& board) = nullptr;
    // Top level: Verilog placed after the structural-coding banner, and the
    // VHDL architecture that replaces the default rtl one.
    std::string (*verilog)(const TMainBoard& board) = nullptr;
    std::string (*vhdlArchitecture)(const TMainBoard& board, const std::string& entity) = nullptr;
    // .sdc blocks: board clocks, JTAG constraints, input and output delays.
    std::string (*sdcClocks)(const TMainBoard& board) = nullptr;
    std::string (*sdcJtag)(const TMainBoard& board) = nullptr;
    std::string (*sdcInputDelays)(const TMainBoard& board) = nullptr;
    std::string (*sdcOutputDelays)(const TMainBoard& board) = nullptr;
    // Stages the board's embedded Verilog modules for the project folder
    // (with its trailing separator) in the project's file set; false when
    // one could not be written.
    bool (*exportIp)(const TMainBoard& board, const std::string& projectFolder,
                     platform::FileReplacement& files) = nullptr;
    // Every file exportIp may write, whatever the settings: the names the
    // project's own name must not take.
    std::vector<config::ExportedFile> (*exportSet)() = nullptr;
};

// Where the settings record keeps its header fields, and its size.
struct RecordLayout {
    std::size_t size = 0; // 0: the board keeps no record in this build
    std::size_t boardIdOffset = 0;
    std::size_t sizeOffset = 4; // i32, little-endian
    std::size_t projectNameOffset = 8;
};

// One peripheral group of a board: the record offset of its option byte
// (u8, 0 or 1) and the group's name. A form names the group's check box
// CheckBox<name> and its outline Shape<name> (app/BoardForm.h); a board
// without a form may leave the name out. The row reads as its offset
// wherever only the offset matters.
struct BoardPeripheral {
    constexpr BoardPeripheral(std::size_t recordOffset, const char* groupName = nullptr) // NOLINT
        : offset(recordOffset), name(groupName) {}
    constexpr operator std::size_t() const { return offset; } // NOLINT: a row is its offset
    std::size_t offset;
    const char* name;
};

// How a port's card id is stored in the settings record.
enum class CardField : std::uint8_t {
    U8,  // one byte
    I32, // a little-endian 32-bit integer, read and written at full width
};

// One card port of a board (a connector the user picks a card for).
struct BoardCardPort {
    const char* name; // as the messages name it: "GPIO-0", "HSMC-A", "FMC-B"
    PortFamily family;
    // The card list: the rule and the arguments of its BuildCardList.
    config::CardListRule listRule;
    ConnectorType listType;
    bool allowTransceiver;
    Voltage listVoltage;
    std::size_t cardOffset;   // record offset of the card id (see cardField)
    std::size_t prefixOffset; // record offset of the prefix (char[kRecordTextSize])
    ConnectorId connector;    // the expansion connector the filler makes for it
    IoStd ioStandard;         // handed to the card's pin map
    const char* busName = ""; // handed to the card's pin map; "" for none
    // Cards the list offers after those of its rule (ids above the scanned
    // range, such as the HSMC Default voltage variants).
    std::span<const std::uint8_t> appendedCards{};
    // Set by adjustPort: for this record the port takes no part (no card is
    // attached and no prefix rule runs), although the record keeps its card.
    bool idle = false;
    CardField cardField = CardField::U8;
    // The port number the card's map is filled for (an HSMC Default card
    // names its clock pairs after it on some boards).
    int fillPort = 0;
    // The port takes no part in its family's prefix rule.
    bool prefixRuleExempt = false;
    // The prefix a card takes at the attach when the port's effective
    // prefix is empty; the checks see the record's. nullptr, or "" for a
    // card: none.
    const char* (*attachDefaultPrefix)(CardId card) = nullptr;
    // Cards of the list that cannot generate on the port: the board fixes
    // the direction of a position where the card puts a bit of a bus whose
    // other bits go the other way (CardKeepsBusDirections in
    // boards/BoardRules.h; the registry test recomputes it for every port
    // and card). The port does not offer them.
    std::span<const std::uint8_t> unfitCards{};
};

// The port with its card id stored as an i32: the row reads as the other
// ports' rows, wrapped in this.
constexpr BoardCardPort WithI32CardField(BoardCardPort port) {
    port.cardField = CardField::I32;
    return port;
}

// The port with the cards that cannot generate on it.
constexpr BoardCardPort WithUnfitCards(BoardCardPort port, std::span<const std::uint8_t> cards) {
    port.unfitCards = cards;
    return port;
}

// Two 40-pin headers that one 80-pin card occupies together. The card is
// then attached once, to the pair's connector, with the first header's
// prefix.
struct HeaderPair {
    int port0 = -1;
    int port1 = -1;
    ConnectorId connector = CONNECTOR_ID_NONE;
    bool IsSet() const { return port0 >= 0; }
};

// One pass of a board's batch (Generate with Ctrl held, boards/BoardBatch.h):
// one project per entry of a port's card list, named
// "<folder word>_<word>_<short name of the card>".
struct BatchPass {
    int port = -1;         // the port whose card list the pass walks
    const char* word = ""; // "GPIO", "HSMC"
    bool withNone = false; // the pass starts with list entry 0 (None)
    // Set: both headers of the board's pair take the card, an 80-pin card
    // without prefixes, any other with these two. Not set: the port takes
    // the card and every prefix stays as the user typed it.
    const char* pairPrefix0 = nullptr;
    const char* pairPrefix1 = nullptr;
    // Set (without a pair): the port takes this prefix in every project.
    const char* portPrefix = nullptr;
};

struct BoardDef {
    BoardId id = MAINBOARD_NONE;
    const char* title = "";           // the pin report's title
    const char* selectorLine = "";    // the board selector's line
    const char* selectorPicture = ""; // and its picture
    const char* folderWord = "";      // CodeGenerated/<folder word>/<project>/
    const char* defaultProjectName = "";
    bool writesProjects = true;      // false: a form without generation
    const BoardText* text = nullptr; // nullptr: no text of its own

    // --- the settings record and the form's rules over it ----------------
    RecordLayout record{};
    // The peripheral groups, in the order of the form's check boxes.
    std::span<const BoardPeripheral> peripherals{};
    std::span<const BoardCardPort> ports{};
    HeaderPair pair{};
    // Both headers of the pair hold the same card of this set and both
    // prefixes are empty: no GPIO prefix rule, and the headers take the bus
    // names GPIO_0 and GPIO_1 instead of prefixes.
    std::span<const CardId> bothDefaultCards{};
    // The batch the form runs when Ctrl is held at Generate; empty: none.
    std::span<const BatchPass> batch{};

    // Board defaults beyond the common ones (every byte 0, board id, size,
    // default project name, peripherals on, no cards, empty prefixes).
    void (*setDefaults)(RecordSpan record) = nullptr;
    // Brings the board's own fields of a loaded record into range (an
    // out-of-range choice becomes its default). Runs before the common
    // mending, so the card lists can depend on those fields.
    void (*mendRecord)(RecordSpan record) = nullptr;
    // A port whose list or standard depends on the record (a voltage
    // choice): adjusts the port for this record.
    void (*adjustPort)(ConstRecordSpan record, int portIndex, BoardCardPort& port) = nullptr;
    // The board's own settings rule, after the common ones; false with the
    // message.
    bool (*checkRecord)(ConstRecordSpan record, std::string& message) = nullptr;
    // The board's rule runs even when a common one failed, and its message
    // then replaces the common one.
    bool checkRecordAlways = false;
    // The prefix checks run even when the project name is refused, and the
    // message of a failed one replaces the name's.
    bool prefixChecksAfterName = false;
    // The prefix a card takes on a port whose prefix is empty, for the
    // generation and the settings checks only: the form and the saved record
    // keep the empty prefix. nullptr, or "" for a card: none.
    const char* (*defaultPrefix)(CardId card) = nullptr;
    // The pin filler: FPGA data, peripheral groups, empty expansion
    // connectors for the ports that carry a card.
    void (*fill)(TMainBoard* board, ConstRecordSpan record) = nullptr;
    // Runs after the ports' cards are attached: memory modules and the
    // board's own renames of card pins.
    void (*attachExtra)(TMainBoard& board, ConstRecordSpan record) = nullptr;
    // Whether the record asks for a VHDL top level.
    bool (*usesVhdl)(ConstRecordSpan record) = nullptr;
    // The board's card rules: how the cards on its ports derive their
    // standards and which variant of a card's map the board takes.
    CardRules cardRules{};

    bool HasRecord() const { return record.size != 0; }
};

// The board's pin filler on a board model, which first takes the board's
// card rules, so that the cards attached to it afterwards follow them.
inline void FillBoard(const BoardDef& def, TMainBoard& board, ConstRecordSpan record) {
    PINSMITH_ASSERT(def.fill != nullptr);
    board.m_CardRules = def.cardRules;
    def.fill(&board, record);
}

// A typed view of record bytes for the hooks of a board whose record is the
// plain layout T.
template <class T> T RecordAs(ConstRecordSpan bytes) {
    static_assert(std::is_trivially_copyable_v<T>);
    PINSMITH_ASSERT(bytes.size() == sizeof(T));
    T record;
    std::memcpy(&record, bytes.data(), sizeof(T));
    return record;
}
template <class T> void StoreRecord(RecordSpan bytes, const T& record) {
    static_assert(std::is_trivially_copyable_v<T>);
    PINSMITH_ASSERT(bytes.size() == sizeof(T));
    std::memcpy(bytes.data(), &record, sizeof(T));
}
