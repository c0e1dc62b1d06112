#include "boards/BoardMatrix.h"

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "generator/Pinsmith.h"
#include "platform/Files.h"
#include "platform/ScriptedUi.h"

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <utility>

namespace matrix {
namespace {

constexpr long long kCombinationLimit = 5000;

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
std::vector<std::vector<std::uint8_t>> Choices(const BoardDef& def) {
    const std::vector<std::vector<std::uint8_t>> lists = Lists(def);
    std::vector<std::vector<std::uint8_t>> choices;
    if (Combinations(def) <= kCombinationLimit) {
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

std::string RunName(const BoardDef& def, const std::vector<std::uint8_t>& record, bool prefixed) {
    std::string name = def.folderWord;
    for (const BoardCardPort& port : def.ports) {
        name += "_" + std::to_string(CardNumber(RecordPortCard(record, port)));
    }
    return name + (prefixed ? "_p" : "_e");
}

// Board fields beyond the cards whose every value the matrix runs: one u8
// record byte each, the runs multiplied over them ("<tag><value>" in the
// run name).
struct FieldVariants {
    BoardId board;
    std::size_t offset;
    const char* tag;
    std::vector<std::uint8_t> values;
};
const FieldVariants kFieldVariants[] = {
    {MAINBOARD_YELDEN, 160, "m", {0, 1, 2, 3}}, // BBB header mode
    {MAINBOARD_YELDEN, 156, "r", {0, 1, 2}},    // board revision (i32, low byte)
};

// Every combination of the board's field values, each with its name part.
std::vector<std::pair<std::string, std::vector<std::pair<std::size_t, std::uint8_t>>>>
Variants(const BoardDef& def) {
    std::vector<std::pair<std::string, std::vector<std::pair<std::size_t, std::uint8_t>>>> all = {
        {"", {}}};
    for (const FieldVariants& field : kFieldVariants) {
        if (field.board != def.id) {
            continue;
        }
        decltype(all) next;
        for (const auto& [name, sets] : all) {
            for (const std::uint8_t value : field.values) {
                auto more = sets;
                more.emplace_back(field.offset, value);
                next.emplace_back(name + "_" + field.tag + std::to_string(value), std::move(more));
            }
        }
        all = std::move(next);
    }
    return all;
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
    for (const bool prefixed : {false, true}) {
        if (prefixed && def.ports.empty()) {
            continue; // no prefix to set
        }
        for (const std::vector<std::uint8_t>& cards : Choices(def)) {
            std::vector<std::uint8_t> record = BaseRecord(def);
            for (std::size_t p = 0; p < def.ports.size(); ++p) {
                SetRecordPortCard(record, def.ports[p], MakeCardId(cards[p]));
                SetRecordFieldText(record, def.ports[p].prefixOffset,
                                   prefixed ? "P" + std::to_string(p) + "_" : "");
            }
            for (const auto& [variantName, sets] : Variants(def)) {
                std::vector<std::uint8_t> variant = record;
                for (const auto& [offset, value] : sets) {
                    variant[offset] = value;
                }
                MendRecord(def, variant);
                // Records that differ only in the prefix of a port without a
                // card (mending emptied it) are one run.
                Run run;
                const std::string name = RunName(def, variant, prefixed);
                run.name =
                    name.substr(0, name.size() - 2) + variantName + name.substr(name.size() - 2);
                if (!seen.insert(run.name).second) {
                    continue;
                }
                run.prefixed = prefixed;
                SetRecordFieldText(variant, def.record.projectNameOffset, run.name);
                run.record = std::move(variant);
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
