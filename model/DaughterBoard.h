#pragma once
// A daughter card's own pin list, filled from the card's pin map and merged
// onto a board connector. Lives only while one card is attached.

#include "model/CardCatalogue.h"
#include "model/CardRules.h"
#include "model/Connector.h"
#include "model/MainBoard.h"
#include "model/ModuleOptions.h"

#include <cstdint>
#include <string>

class TDaughterBoard : public TConnector {
public:
    TDaughterBoard() : TConnector("", "", CONNECTOR_NONE, -1) {}

    // Fills the card's pins with the I/O standards and the map variant the
    // board's card rules give, and stamps the card's name, description and
    // type. The port index matters only for the HSMC Default naming with OUT
    // clocks; a non-empty bus name names the GPIO Default cards' signals.
    void FillCard(CardId card, const CardRules& rules, int portIndex, IoStd ioStandard,
                  const std::string& busName);

    // Merges this card onto a board connector, putting the prefix before
    // every signal name. False (after an internal error) for a pair of
    // connector types that cannot merge.
    bool UpdateMasterConnector(TConnector* pMasterConn, const std::string& pPrefixName);
    // Whether a card of one type merges onto a connector of the other: the
    // same type, an FMC LPC card on an HPC connector, a DDR4 SODIMM
    // interface module on the ECC socket, an HSMC card on a Kirrel one.
    static bool CanMergeOnto(ConnectorType cardType, ConnectorType masterType);

    // The memory-module fills (model/ModuleAttach.cpp), which FillCard does
    // not make: each empties the module, gives it its card's name and
    // description, fills the module's map with the arguments given and
    // stamps the card's type.
    void FillDdr2Sodimm(DqsMode diffDqs, IoStd i2cStd, IoStd saStd);          // card 9
    void FillDdr3Sodimm(DqsMode diffDqs, IoStd ctlStd, IoStd saStd);          // card 38
    void FillDdr3SodimmLowerCase(DqsMode diffDqs, IoStd ctlStd, IoStd saStd); // card 38
    void FillDdr3SodimmSstl15(DqsMode diffDqs, IoStd ctlStd, IoStd saStd);    // card 38
    // Card 39, in the full layout.
    void FillDdr4Sodimm(IoStd i2cStd, IoStd saStd, Ecc ecc);
    // Card 78 with ECC, 77 without, in the layout of the board's sockets.
    void FillDdr4SodimmInterface(IoStd i2cStd, IoStd saStd, Ecc ecc, Ddr4SodimmLayout layout);
    void FillQdr2Module(); // card 79
    void FillQdr4Module(); // card 80
};

// Standards a board derives before a card map is called.
struct CardStandards {
    IoStd singleEnded;
    IoStd transceiver;
    IoStd second;
};

CardStandards DeriveCardStandards(const CardRules& rules, CardId card, IoStd callerStandard);

// Kirrel connector position (1..180) -> HSMC card position, or -1.
int KirrelToHsmcPin(int kirrelPosition);

// Prefix checks over the ports of one kind; false with the message set on
// the first clash.
bool CheckGpioPrefixNames(int portCount, const CardId* cards, const std::string* prefixes,
                          std::string& message);
bool CheckHsmcPrefixNames(int portCount, const CardId* cards, const std::string* prefixes,
                          std::string& message);
bool CheckFmcPrefixNames(int portCount, const CardId* cards, const std::string* prefixes,
                         std::string& message);
bool CheckDdr4SocketPrefixNames(int portCount, const CardId* cards, const std::string* prefixes,
                                std::string& message);

// Writes a connector's pin list as text, one line per position.
bool SaveConnectorPinList(const TConnector& connector, const std::string& fileName);
