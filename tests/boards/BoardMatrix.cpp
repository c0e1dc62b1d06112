#include "boards/BoardMatrix.h"

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/stratix4/GaldreX2Board.h"
#include "generator/Pinsmith.h"
#include "platform/Files.h"
#include "platform/ScriptedUi.h"
#include "support/BoardFacts.h"
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

// The records the matrix runs besides the one with every box ticked: the
// board's record variants (its facts, tests/support/BoardFacts.h).
using facts::FieldSetting;
using facts::RecordVariant;

std::vector<const RecordVariant*> Variants(const BoardDef& def) {
    std::vector<const RecordVariant*> variants = {nullptr}; // the defaults
    for (const RecordVariant& variant : facts::FactsOf(def.id).variants) {
        variants.push_back(&variant);
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
                const std::size_t holder = def.pair.IsSet() && IsEightyPinCard(MakeCardId(card)) &&
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
