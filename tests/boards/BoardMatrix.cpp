#include "boards/BoardMatrix.h"

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/stratix4/GaldreX2Board.h"
#include "generator/Pinsmith.h"
#include "platform/Files.h"
#include "platform/ScriptedUi.h"

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

namespace matrix {
namespace {

constexpr long long kCombinationLimit = 5000;

// Records a board's form hands over besides those with every box ticked:
// the modes the ticked boxes leave out, the second FPGA node. Each variant
// runs the reduced set of card choices (each card alone on each port, and
// every port filled), its word in the run names.
struct ByteSetting {
    std::size_t offset;
    std::uint8_t value;
};
struct Variant {
    BoardId board;
    const char* word;
    std::vector<ByteSetting> bytes;
    bool secondNode = false; // the cards sit on the second FPGA node
};
const std::vector<Variant>& Variants() {
    // Fennik: bGPIO at 146, bDDR2 at 147 (both ticked in the base runs).
    // Kelvane: bVariant at 136, which only a loaded file sets.
    static const std::vector<Variant> variants = {
        {MAINBOARD_FENNIK, "gpio", {{146, 1}, {147, 0}}},
        {MAINBOARD_FENNIK, "ddr2", {{146, 0}, {147, 1}}},
        {MAINBOARD_GALDRE_X2, "node2", {}, true},
        {MAINBOARD_KELVANE, "variant", {{136, 1}}},
    };
    return variants;
}

std::vector<std::uint8_t> BaseRecord(const BoardDef& def) {
    std::vector<std::uint8_t> record(def.record.size);
    SetDefaultRecord(def, record);
    for (const std::size_t offset : def.peripherals) {
        record[offset] = 1;
    }
    return record;
}

std::vector<std::vector<std::uint8_t>> Lists(const BoardDef& def) {
    std::vector<std::vector<std::uint8_t>> lists;
    for (const BoardCardPort& port : EffectivePorts(def, BaseRecord(def))) {
        lists.push_back(PortCardList(port));
    }
    return lists;
}

// The card choices (one card id per port) the matrix runs.
// A variant runs the reduced set.
std::vector<std::vector<std::uint8_t>> Choices(const BoardDef& def, bool reduced) {
    const std::vector<std::vector<std::uint8_t>> lists = Lists(def);
    std::vector<std::vector<std::uint8_t>> choices;
    if (!reduced && Combinations(def) <= kCombinationLimit) {
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

std::string RunName(const BoardDef& def, const Variant* variant,
                    const std::vector<std::uint8_t>& record, bool prefixed) {
    std::string name = def.folderWord;
    if (variant) {
        name += std::string("_") + variant->word;
    }
    for (const BoardCardPort& port : def.ports) {
        name += "_" + std::to_string(record[port.cardOffset]);
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
    std::vector<const Variant*> variants = {nullptr};
    for (const Variant& variant : Variants()) {
        if (variant.board == def.id) {
            variants.push_back(&variant);
        }
    }
    for (const Variant* variant : variants) {
        for (const bool prefixed : {false, true}) {
            for (const std::vector<std::uint8_t>& cards : Choices(def, variant != nullptr)) {
                std::vector<std::uint8_t> record = BaseRecord(def);
                for (const ByteSetting& byte :
                     variant ? variant->bytes : std::vector<ByteSetting>{}) {
                    record[byte.offset] = byte.value;
                }
                for (std::size_t p = 0; p < def.ports.size(); ++p) {
                    record[def.ports[p].cardOffset] = cards[p];
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

Outcome Generate(const BoardDef& def, const Run& run, const std::string& folder) {
    Outcome outcome;
    platform::ScriptedUi ui;
    const std::string projectFolder = folder + run.name + "/";
    platform::ForceDirectories(projectFolder);
    const std::unique_ptr<TMainBoard> board = BuildBoardModel(def, run.record);
    TPinsmith pinsmith;
    outcome.generated = pinsmith.Generate(board.get(), projectFolder + run.name + ".qpf",
                                          UsesVhdl(def, run.record));
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
    }
    return outcome;
}

} // namespace matrix
