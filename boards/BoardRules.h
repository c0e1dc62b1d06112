#pragma once
// The rules of a board form, run over a board's definition and a settings
// record: defaults, mending a loaded record, the settings checks, attaching
// the cards and building the pin model. The form calls them with the record
// its controls show; the fuzz target, the golden tests and the matrix run
// exactly the same code.

#include "boards/BoardDef.h"
#include "boards/Boards.h"
#include "platform/Assert.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TMainBoard;
namespace config {
struct LoadRefusal;
}

// The board's ports as they are for this record (board adjustments applied).
std::vector<BoardCardPort> EffectivePorts(const BoardDef& def, ConstRecordSpan record);
// The cards of a port's rule: card 0 first, then the cards of its rule
// and its appended cards.
std::vector<std::uint8_t> PortCardList(const BoardCardPort& port);
// The card list the port offers on the board: those cards less the ones
// that cannot generate there (CardFitsPort).
std::vector<std::uint8_t> PortCardList(const BoardDef& def, const BoardCardPort& port);
// Whether the port offers the card as far as generating goes: the card is
// none of the port's unfitCards (data of the board's definition).
bool CardFitsPort(const BoardCardPort& port, CardId card);
// What a port's unfitCards record, worked out by a trial: false when the
// board fixes the direction of a position where the card puts a bit of a
// bus whose other bits go the other way, so that the top level could not
// declare the bus ("... has an unmathced pin direction" whatever the
// prefixes). Builds the port's connector as the board's filler makes it for
// the default record with the card alone on the port and merges the card's
// map; memory modules always fit. For the registry test and for whoever
// adds a board or a card; the rules read the definition's data.
bool CardKeepsBusDirections(const BoardDef& def, const BoardCardPort& port, CardId card);

// Whether the card takes the two headers of a board's header pair (an
// 80-pin card over two 40-pin headers).
bool IsEightyPinCard(CardId card);

// What the other header of a pair does when one header's card is set:
// an 80-pin card takes the other header too (same card, same prefix, not
// changeable there); otherwise the other header is free again, and an
// 80-pin card it still showed becomes None with an empty prefix.
enum class PairedHeader : std::uint8_t {
    Follow,        // takes the source's card and prefix, locked
    Free,          // keeps its card, changeable
    FreeAndCleared // None with an empty prefix, changeable
};
PairedHeader PairHeaders(CardId sourceCard, CardId otherCard);

// The card id a port's field of the record holds. An i32 field whose value
// is no card id (outside 0..255) reads as kUnlistedCard, which no list
// offers, so mending turns it into None.
CardId RecordPortCard(ConstRecordSpan record, const BoardCardPort& port);
// Stores a card id in a port's field at the field's full width.
void SetRecordPortCard(RecordSpan record, const BoardCardPort& port, CardId card);
inline constexpr CardId kUnlistedCard = MakeCardId(255);

// The text of a record's char[kRecordTextSize] field at an offset.
std::string RecordFieldText(ConstRecordSpan record, std::size_t offset);
void SetRecordFieldText(RecordSpan record, std::size_t offset, std::string_view text);

// The prefix a port's card is attached with: the record's, or the board's
// default prefix for the card when the record's is empty.
std::string EffectivePrefix(const BoardDef& def, ConstRecordSpan record, const BoardCardPort& port);

// Every byte 0, board id, size, default project name, every peripheral on,
// then the board's own defaults.
void SetDefaultRecord(const BoardDef& def, RecordSpan record);
// The board's id and the record's size where its layout keeps them, as a
// saved settings file holds them.
void StampRecordHeader(const BoardDef& def, RecordSpan record);

// The board whose own settings file the bytes are: a board whose record
// has their length and holds that board's id and size where its layout
// keeps them. 0 when they are no board's.
int SettingsFileOwner(std::string_view bytes);

// Reads a settings file of this board into record: only a file of the
// record's size whose board id and size fields are this board's. A refusal
// names another board only when SettingsFileOwner says the file is its. False,
// with the record unchanged and the refusal filled when asked for,
// otherwise.
bool LoadBoardRecord(const BoardDef& def, const std::string& fileName, RecordSpan record,
                     config::LoadRefusal* refusal = nullptr);
// Writes a record of this board as its settings file, byte for byte; the
// boxes of config::SaveRecordFile on failure.
bool SaveBoardRecord(const BoardDef& def, const std::string& fileName, ConstRecordSpan record);

// The definition whose record layout a holder of the record type T loads
// and saves by: T::Definition() when the type names one (a record of a
// test), else the registered board T::kBoardId. Its record has T's size.
template <class T> const BoardDef& RecordDefinition() {
    const BoardDef* def = nullptr;
    if constexpr (requires { T::Definition(); }) {
        def = &T::Definition();
    } else {
        def = FindBoard(T::kBoardId);
    }
    PINSMITH_ASSERT(def != nullptr && def->HasRecord() && def->record.size == sizeof(T));
    return *def;
}

// Brings a loaded record into the state the form shows and writes back:
// the board's own fields in range; peripherals 0 or 1; texts ending at their
// first NUL with at most 127 characters and NULs after them; a card the
// port's list (on this board) does not offer becomes None with an empty
// prefix; an 80-pin
// card on the first header of a pair takes the second too with the first's
// prefix, one on the second alone becomes None. Header fields and bytes the
// board does not interpret stay as they are.
void MendRecord(const BoardDef& def, RecordSpan record);

// Whether both headers of the pair hold the same card of the board's
// both-default set without prefixes.
bool BothHeadersDefault(const BoardDef& def, ConstRecordSpan record);

// The checks before a save or a generation: the project name, the prefix of
// each port that carries a card, the prefix rule of each port family over
// the effective prefixes (GPIO skipped when both headers are default), then
// the board's own rule. False with the message of the first failure (a
// board with prefixChecksAfterName: of the last failed check before its
// own rule).
bool CheckRecord(const BoardDef& def, ConstRecordSpan record, std::string& message);
// The names the generated files take, after the input checks: the project
// name is none of the board's exported file or module names, and in a VHDL
// project the project name passes config::CheckVhdlProjectName (a VHDL
// identifier: no two underscores in a row, no underscore at the end; none
// of the names the file uses from its context clause), no prefix of a port
// with a card holds two underscores in a row, and no port of the top level
// the record makes is a context name (config::CheckVhdlPortContext).
// Part of the common checks.
bool CheckGeneratedNames(const BoardDef& def, ConstRecordSpan record, std::string& message);
// The same checks without the board's own rule, for a form that asks its
// own questions between the two.
bool CheckCommonRecord(const BoardDef& def, ConstRecordSpan record, std::string& message);

// Attaches the card of every port that holds one to a board filled from the
// same record: an 80-pin card on a pair once on the pair's connector, the
// both-default headers with bus names, every other card with its effective
// prefix.
void AttachRecordCards(const BoardDef& def, TMainBoard& board, ConstRecordSpan record);

// A fresh pin model: the board's filler, then the cards.
std::unique_ptr<TMainBoard> BuildBoardModel(const BoardDef& def, ConstRecordSpan record);
bool UsesVhdl(const BoardDef& def, ConstRecordSpan record);
