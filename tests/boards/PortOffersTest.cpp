// What each port offers is data of the board's definition (unfitCards): the
// trial that data records is run here again for every board, every port as
// the board's records make it and every card of its list, and must agree.

#include "BoardMatrix.h"

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/stratix4/KelmisId.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

// The ports of a board as its records make them: the definition's, those
// of its default record and, for a board whose ports follow the record,
// those of every record of the board matrix; each distinct port once.
std::vector<BoardCardPort> PortsOf(const BoardDef& def) {
    std::vector<BoardCardPort> ports(def.ports.begin(), def.ports.end());
    std::vector<std::uint8_t> record(def.record.size);
    SetDefaultRecord(def, record);
    const std::vector<BoardCardPort> defaults = EffectivePorts(def, record);
    ports.insert(ports.end(), defaults.begin(), defaults.end());
    if (def.adjustPort) {
        for (const matrix::Run& run : matrix::Runs(def)) {
            const std::vector<BoardCardPort> adjusted = EffectivePorts(def, run.record);
            ports.insert(ports.end(), adjusted.begin(), adjusted.end());
        }
    }
    std::vector<BoardCardPort> distinct;
    std::set<std::tuple<std::string, int, int, int, int, std::string, std::vector<std::uint8_t>>>
        seen;
    for (const BoardCardPort& port : ports) {
        const std::vector<std::uint8_t> list = PortCardList(port);
        if (seen.emplace(port.name, static_cast<int>(port.connector), port.fillPort,
                         static_cast<int>(port.ioStandard), static_cast<int>(port.listVoltage),
                         port.busName, list)
                .second) {
            distinct.push_back(port);
        }
    }
    return distinct;
}

TEST(PortOffers, EveryUnfitCardListMatchesTheTrial) {
    int unfit = 0;
    for (const BoardDef* def : matrix::Boards()) {
        if (!def->fill) {
            continue;
        }
        for (const BoardCardPort& port : PortsOf(*def)) {
            const std::vector<std::uint8_t> list = PortCardList(port);
            for (const std::uint8_t card : port.unfitCards) {
                EXPECT_NE(std::find(list.begin(), list.end(), card), list.end())
                    << def->title << " " << port.name << ": card " << int{card}
                    << " is listed as unfit but is not on the port's list";
            }
            for (std::size_t i = 1; i < list.size(); ++i) {
                const CardId card = MakeCardId(list[i]);
                const bool fits = CardKeepsBusDirections(*def, port, card);
                EXPECT_EQ(CardFitsPort(port, card), fits)
                    << def->title << " " << port.name << ": card " << int{list[i]}
                    << (fits ? " generates there but is listed as unfit"
                             : " cannot generate there; list it in the port's unfitCards");
                unfit += fits ? 0 : 1;
            }
        }
    }
    // The trial does find cards that cannot generate (Istrel's headers,
    // Kelmis' HSMC-A, -C and -E), so a trial that always agrees is caught.
    EXPECT_GT(unfit, 0);
}

// A loaded record is mended by the definition's data alone: a card a port
// does not offer becomes None there, the same card stays on a port that
// offers it.
TEST(PortOffers, MendingDropsAnUnfitCardOnlyWhereItIsUnfit) {
    const BoardDef& def = *FindBoard(MAINBOARD_KELMIS);
    std::vector<std::uint8_t> record(def.record.size);
    SetDefaultRecord(def, record);
    for (const BoardCardPort& port : def.ports) {
        if (port.family == PortFamily::Hsmc) {
            SetRecordPortCard(record, port, MakeCardId(18));
        }
    }
    MendRecord(def, record);
    for (const BoardCardPort& port : def.ports) {
        if (port.family != PortFamily::Hsmc) {
            continue;
        }
        const bool unfit = !port.unfitCards.empty();
        EXPECT_EQ(RecordPortCard(record, port), unfit ? CARD_NONE : MakeCardId(18)) << port.name;
    }
}

} // namespace
