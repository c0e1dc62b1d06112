#pragma once
// Attaching a card to a board connector: fill a daughter board with the
// card's map, merge it onto the connector by position with a prefix before
// every signal name. One operation per connector family, over one shared
// step; the two sets of attach names callers know are thin entry points
// over it.
//
// Prefix and bus name are distinct types so that the two texts cannot be
// passed in each other's place.

#include "model/CardCatalogue.h"
#include "model/Connector.h"
#include "model/Pin.h"

#include <functional>
#include <string>

class TDaughterBoard;
class TMainBoard;

// The text put before every signal name of a card; empty for none.
struct CardPrefix {
    std::string text;
    CardPrefix() = default;
    explicit CardPrefix(std::string t) : text(std::move(t)) {}
};

// The bus name that names the GPIO Default cards' signals (busName[0..35]);
// empty for none.
struct CardBusName {
    std::string text;
    CardBusName() = default;
    explicit CardBusName(std::string t) : text(std::move(t)) {}
};

// The connector families a card port can belong to: they pick the prefix
// rule and the attach operation.
enum class PortFamily { Gpio, Hsmc, Kirrel, Fmc, Ergan, Ddr4Socket };

// The prefix rule over ports of one family, each named as the messages name
// it ("HSMC-A"): two ports that carry the same card need different prefixes
// (on GPIO headers an 80-pin card, which takes both, excepted). False with
// "<name> and <name> cannot have the same prefix name when both connect to
// the same type of daughter boards." for the first clash.
bool CheckNamedPrefixNames(PortFamily family, int portCount, const CardId* cards,
                           const std::string* prefixes, const char* const* portNames,
                           std::string& message);

// Whether a card of this type may sit on a connector of the family.
bool CardFitsFamily(PortFamily family, CardId card);

// The shared step: find the expansion connector with the id, let fill put
// a card into an empty daughter board, merge it with the prefix. A missing
// connector or a card that cannot merge onto it is an internal error.
void AttachFilledCard(TMainBoard& board, ConnectorId connector, const CardPrefix& prefix,
                      const std::function<void(TDaughterBoard&)>& fill);

// One operation per family: the card's type must fit the family (an
// internal error otherwise), then FillCard for the port number and merge.
void AttachFamilyCard(TMainBoard& board, PortFamily family, ConnectorId connector, CardId card,
                      IoStd ioStandard, const CardBusName& busName, const CardPrefix& prefix,
                      int port = 0);

// The settings holders' attach operations: the port's standard reaches the
// card's map.
void AttachGpioCard(TMainBoard* board, ConnectorId connectorId, CardId card, IoStd ioStandard,
                    const CardBusName& busName, const CardPrefix& prefix);
void AttachHsmcCard(TMainBoard* board, ConnectorId connectorId, CardId card, IoStd ioStandard,
                    const CardPrefix& prefix);
void AttachKirrelCard(TMainBoard* board, ConnectorId connectorId, CardId card, IoStd ioStandard,
                      const CardPrefix& prefix);
void AttachFmcCard(TMainBoard* board, ConnectorId connectorId, CardId card, IoStd ioStandard,
                   const CardPrefix& prefix);
void AttachErganCard(TMainBoard* board, ConnectorId connectorId, CardId card, IoStd ioStandard,
                     const CardPrefix& prefix);
