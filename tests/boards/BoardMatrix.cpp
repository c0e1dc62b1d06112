#include "boards/BoardMatrix.h"

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/arria10_stratix10/ConfigGristel.h"
#include "boards/arria10_stratix10/ConfigHarvik.h"
#include "boards/arria10_stratix10/GristelId.h"
#include "boards/arria10_stratix10/HarvikId.h"
#include "boards/arria2/KelvaneId.h"
#include "boards/cyclone4/ElvoryId.h"
#include "boards/cyclone5/ConfigFalmor.h"
#include "boards/cyclone5/FalmorId.h"
#include "boards/cyclone5/QuindleConfig.h"
#include "boards/cyclone5/QuindleId.h"
#include "boards/max10/YeldenId.h"
#include "boards/stratix3/FennikId.h"
#include "boards/stratix4/GaldreX2Board.h"
#include "boards/stratix4/GaldreX2Id.h"
#include "generator/Pinsmith.h"
#include "platform/Files.h"
#include "platform/ScriptedUi.h"
#include "support/TopLevelNames.h"

#include <algorithm>
#include <cstddef>
#include <map>
#include <set>
#include <sstream>
#include <utility>

namespace matrix {
namespace {

constexpr long long kCombinationLimit = 1000;

std::vector<std::uint8_t> BaseRecord(const BoardDef& def) {
    std::vector<std::uint8_t> record(def.record.size);
    SetDefaultRecord(def, record);
    for (const std::size_t offset : def.peripherals) {
        record[offset] = 1;
    }
    return record;
}

// A record the matrix runs besides the one with every box ticked: a choice
// that changes a board's lists or its generation (a voltage, a mode the
// ticked boxes leave out, the second FPGA node), the variant's word in the
// run names.
struct FieldSetting {
    std::size_t offset;
    std::int32_t value;
    std::size_t width; // 1 or 4 bytes, little-endian
};
struct RecordVariant {
    BoardId board;
    const char* word;
    std::vector<FieldSetting> fields;
    bool reduced = false;    // runs the reduced set of card choices
    bool secondNode = false; // the cards sit on the second FPGA node
};
std::vector<RecordVariant> MakeVariants() {
    std::vector<RecordVariant> variants = {
        // Elvory: each GPIO voltage at the default HSMC voltage, each HSMC
        // voltage at the default GPIO voltage.
        {MAINBOARD_ELVORY, "_gpio2v5", {{160, 1, 4}}},
        {MAINBOARD_ELVORY, "_gpio1v8", {{160, 2, 4}}},
        {MAINBOARD_ELVORY, "_gpio1v5", {{160, 3, 4}}},
        {MAINBOARD_ELVORY, "_hsmc3v3", {{296, 0, 4}}},
        {MAINBOARD_ELVORY, "_hsmc1v8", {{296, 2, 4}}},
        {MAINBOARD_ELVORY, "_hsmc1v5", {{296, 3, 4}}},
        // Fennik: bGPIO at 146, bDDR2 at 147 (both ticked in the base runs).
        {MAINBOARD_FENNIK, "_gpio", {{146, 1, 1}, {147, 0, 1}}, true},
        {MAINBOARD_FENNIK, "_ddr2", {{146, 0, 1}, {147, 1, 1}}, true},
        {MAINBOARD_GALDRE_X2, "_node2", {}, true, true},
        // Kelvane: bVariant at 136, which only a loaded file sets.
        {MAINBOARD_KELVANE, "_variant", {{136, 1, 1}}, true},
        // Quindle and Falmor: each HSMC voltage besides the default 2.5 V.
        {MAINBOARD_QUINDLE, "_v0", {{offsetof(QUINDLE_CONFIG, HsmcVoltage), 0, 4}}},
        {MAINBOARD_QUINDLE, "_v2", {{offsetof(QUINDLE_CONFIG, HsmcVoltage), 2, 4}}},
        {MAINBOARD_QUINDLE, "_v3", {{offsetof(QUINDLE_CONFIG, HsmcVoltage), 3, 4}}},
        {MAINBOARD_FALMOR, "_v0", {{offsetof(FALMOR_CONFIG, HsmcVoltage), 0, 4}}},
        {MAINBOARD_FALMOR, "_v2", {{offsetof(FALMOR_CONFIG, HsmcVoltage), 2, 4}}},
        {MAINBOARD_FALMOR, "_v3", {{offsetof(FALMOR_CONFIG, HsmcVoltage), 3, 4}}},
        // Gristel: the FMC voltages 1.5 V and 1.2 V besides the default 1.8 V.
        {MAINBOARD_GRISTEL, "_v3", {{offsetof(GRISTEL_CONFIG, FmcVoltage), gristel::kFmc1V5, 4}}},
        {MAINBOARD_GRISTEL, "_v4", {{offsetof(GRISTEL_CONFIG, FmcVoltage), gristel::kFmc1V2, 4}}},
        // The boards that offer a VHDL top level, with it: every port name
        // must be a VHDL identifier too.
        {MAINBOARD_FALMOR, "_vhdl", {{offsetof(FALMOR_CONFIG, VHDL), 1, 1}}, true},
        {MAINBOARD_GRISTEL, "_vhdl", {{offsetof(GRISTEL_CONFIG, FileType), 1, 1}}, true},
        {MAINBOARD_HARVIK, "_vhdl", {{offsetof(HARVIK_CONFIG, TopFileVhdl), 1, 1}}, true},
    };
    // Yelden: its four header modes (u8 at 160) against its three board
    // revisions (i32 at 156).
    static const char* const kYeldenWords[4][3] = {{"_m0_r0", "_m0_r1", "_m0_r2"},
                                                   {"_m1_r0", "_m1_r1", "_m1_r2"},
                                                   {"_m2_r0", "_m2_r1", "_m2_r2"},
                                                   {"_m3_r0", "_m3_r1", "_m3_r2"}};
    for (int mode = 0; mode < 4; ++mode) {
        for (int revision = 0; revision < 3; ++revision) {
            variants.push_back({MAINBOARD_YELDEN,
                                kYeldenWords[mode][revision],
                                {{160, mode, 1}, {156, revision, 4}}});
        }
    }
    return variants;
}
const std::vector<RecordVariant>& AllVariants() {
    static const std::vector<RecordVariant> variants = MakeVariants();
    return variants;
}

std::vector<const RecordVariant*> Variants(const BoardDef& def) {
    std::vector<const RecordVariant*> variants = {nullptr}; // the defaults
    for (const RecordVariant& variant : AllVariants()) {
        if (variant.board == def.id) {
            variants.push_back(&variant);
        }
    }
    return variants;
}

std::vector<std::uint8_t> VariantRecord(const BoardDef& def, const RecordVariant* variant) {
    std::vector<std::uint8_t> record = BaseRecord(def);
    if (variant) {
        for (const FieldSetting& field : variant->fields) {
            PINSMITH_ASSERT(field.offset + field.width <= record.size());
            for (std::size_t i = 0; i < field.width; ++i) {
                record[field.offset + i] =
                    static_cast<std::uint8_t>(static_cast<std::uint32_t>(field.value) >> (8 * i));
            }
        }
    }
    return record;
}

std::vector<std::vector<std::uint8_t>> Lists(const BoardDef& def,
                                             const RecordVariant* variant = nullptr) {
    std::vector<std::vector<std::uint8_t>> lists;
    for (const BoardCardPort& port : EffectivePorts(def, VariantRecord(def, variant))) {
        lists.push_back(PortCardList(def, port));
    }
    return lists;
}

// The card choices (one card id per port) the matrix runs.
std::vector<std::vector<std::uint8_t>> Choices(const BoardDef& def, const RecordVariant* variant) {
    const std::vector<std::vector<std::uint8_t>> lists = Lists(def, variant);
    std::vector<std::vector<std::uint8_t>> choices;
    long long combinations = 1;
    for (const std::vector<std::uint8_t>& list : lists) {
        combinations =
            std::min(combinations * static_cast<long long>(list.size()), kCombinationLimit + 1);
    }
    if (!(variant && variant->reduced) && combinations <= kCombinationLimit) {
        std::vector<std::size_t> index(lists.size(), 0);
        for (;;) {
            std::vector<std::uint8_t> cards;
            for (std::size_t p = 0; p < lists.size(); ++p) {
                cards.push_back(lists[p][index[p]]);
            }
            choices.push_back(cards);
            std::size_t p = 0;
            while (p < lists.size() && ++index[p] == lists[p].size()) {
                index[p++] = 0;
            }
            if (p == lists.size()) {
                return choices;
            }
        }
    }
    const std::vector<std::uint8_t> empty(lists.size(), 0);
    choices.push_back(empty);
    std::size_t longest = 0;
    for (std::size_t p = 0; p < lists.size(); ++p) {
        for (std::size_t i = 1; i < lists[p].size(); ++i) {
            std::vector<std::uint8_t> cards = empty;
            cards[p] = lists[p][i];
            choices.push_back(cards);
        }
        longest = std::max(longest, lists[p].size() - 1);
    }
    for (std::size_t run = 0; run < longest; ++run) {
        std::vector<std::uint8_t> cards;
        for (const std::vector<std::uint8_t>& list : lists) {
            cards.push_back(list.size() > 1 ? list[1 + run % (list.size() - 1)] : 0);
        }
        choices.push_back(cards);
    }
    return choices;
}

std::string RunName(const BoardDef& def, const RecordVariant* variant,
                    const std::vector<std::uint8_t>& record, bool prefixed) {
    std::string name = std::string(def.folderWord) + (variant ? variant->word : "");
    for (const BoardCardPort& port : def.ports) {
        name += "_" + std::to_string(CardNumber(RecordPortCard(record, port)));
    }
    return name + (prefixed ? "_p" : "_e");
}

std::string ReadText(const std::string& file) {
    std::string text;
    platform::ReadWholeFile(file, text);
    return text;
}

} // namespace

std::vector<const BoardDef*> Boards() {
    std::vector<const BoardDef*> boards;
    for (const BoardDef* def : AllBoards()) {
        if (def->HasRecord() && def->fill && def->writesProjects) {
            boards.push_back(def);
        }
    }
    return boards;
}

long long Combinations(const BoardDef& def) {
    long long product = 1;
    for (const std::vector<std::uint8_t>& list : Lists(def)) {
        product = std::min(product * static_cast<long long>(list.size()), kCombinationLimit + 1);
    }
    return product;
}

std::vector<Run> Runs(const BoardDef& def) {
    std::vector<Run> runs;
    std::set<std::string> seen;
    for (const RecordVariant* variant : Variants(def)) {
        for (const bool prefixed : {false, true}) {
            if (prefixed && def.ports.empty()) {
                continue; // no prefix to set
            }
            for (const std::vector<std::uint8_t>& cards : Choices(def, variant)) {
                std::vector<std::uint8_t> record = VariantRecord(def, variant);
                for (std::size_t p = 0; p < def.ports.size(); ++p) {
                    SetRecordPortCard(record, def.ports[p], MakeCardId(cards[p]));
                    SetRecordFieldText(record, def.ports[p].prefixOffset,
                                       prefixed ? "P" + std::to_string(p) + "_" : "");
                }
                // The second node: the form's record holds the cards there and
                // generates the node's view of it.
                const bool secondNode = variant && variant->secondNode;
                if (secondNode) {
                    record = galdre_x2::NodeView(record, 1);
                }
                MendRecord(def, record);
                if (secondNode) {
                    record = galdre_x2::NodeView(record, 1);
                }
                // Records that differ only in the prefix of a port without a
                // card (mending emptied it) are one run.
                Run run;
                run.name = RunName(def, variant, record, prefixed);
                if (!seen.insert(run.name).second) {
                    continue;
                }
                run.prefixed = prefixed;
                SetRecordFieldText(record, def.record.projectNameOffset, run.name);
                run.record = std::move(record);
                runs.push_back(std::move(run));
            }
        }
    }
    return runs;
}

std::vector<Run> AloneRuns(const BoardDef& def) {
    std::vector<Run> runs;
    for (const RecordVariant* variant : Variants(def)) {
        const std::vector<std::uint8_t> base = VariantRecord(def, variant);
        const std::vector<BoardCardPort> ports = EffectivePorts(def, base);
        for (std::size_t p = 0; p < ports.size(); ++p) {
            if (ports[p].idle) {
                continue; // the record's choices take the port: it offers nothing
            }
            for (const std::uint8_t card : PortCardList(def, ports[p])) {
                if (card == 0) {
                    continue;
                }
                // An 80-pin card takes both headers of a pair from the first.
                const std::size_t holder =
                    def.pair.IsSet() && BoardConnectorType(MakeCardId(card)) == CONNECTOR_GPIO80 &&
                            p == static_cast<std::size_t>(def.pair.port1)
                        ? static_cast<std::size_t>(def.pair.port0)
                        : p;
                std::vector<std::uint8_t> record = base;
                for (std::size_t q = 0; q < def.ports.size(); ++q) {
                    SetRecordPortCard(record, def.ports[q],
                                      MakeCardId(q == holder ? card : std::uint8_t{0}));
                    SetRecordFieldText(record, def.ports[q].prefixOffset,
                                       q == holder ? "A" + std::to_string(q) + "_" : "");
                }
                const bool secondNode = variant && variant->secondNode;
                if (secondNode) {
                    record = galdre_x2::NodeView(record, 1);
                }
                MendRecord(def, record);
                if (secondNode) {
                    record = galdre_x2::NodeView(record, 1);
                }
                Run run;
                run.name = std::string(def.folderWord) + (variant ? variant->word : "") +
                           "_alone_" + std::to_string(p) + "_" + std::to_string(card);
                run.prefixed = true;
                SetRecordFieldText(record, def.record.projectNameOffset, run.name);
                run.record = std::move(record);
                run.alonePort = static_cast<int>(p);
                run.aloneCard = card;
                runs.push_back(std::move(run));
            }
        }
    }
    return runs;
}

Outcome Generate(const BoardDef& def, const Run& run, const std::string& folder) {
    Outcome outcome;
    platform::ScriptedUi ui;
    const std::string projectFolder = folder + run.name + "/";
    platform::ForceDirectories(projectFolder);
    const std::unique_ptr<TMainBoard> board = BuildBoardModel(def, run.record);
    TPinsmith pinsmith;
    const bool vhdl = UsesVhdl(def, run.record);
    outcome.generated = pinsmith.Generate(board.get(), projectFolder + run.name + ".qpf", vhdl);
    for (const platform::RecordedBox& box : ui.Boxes()) {
        outcome.boxes.push_back(box.text);
    }
    if (outcome.generated) {
        std::map<std::string, int> uses;
        std::istringstream qsf(ReadText(projectFolder + run.name + ".qsf"));
        for (std::string line; std::getline(qsf, line);) {
            std::istringstream words(line);
            std::string command, location;
            if (words >> command >> location && command == "set_location_assignment" &&
                ++uses[location] == 2) {
                outcome.doubleLocations.push_back(location);
            }
        }
        const TopLevelNames top =
            ReadTopLevelNames(ReadText(projectFolder + run.name + (vhdl ? ".vhd" : ".v")), vhdl);
        std::vector<std::string> names = top.ports;
        names.push_back(top.top);
        for (const std::string& name : names) {
            const std::string reason = IllegalIdentifier(name, vhdl);
            if (!reason.empty()) {
                outcome.illegalNames.push_back(name + ": " + reason);
            }
        }
    }
    return outcome;
}

} // namespace matrix
