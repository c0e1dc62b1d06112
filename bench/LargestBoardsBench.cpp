// CPU time of one Generate click on the five boards whose default record with
// every peripheral ticked makes the largest pin models (the board id is the
// benchmark's argument):
//   BM_LargestBoardGenerate  TPinsmith::Generate alone (the pin model is
//                            built outside the timing), the writer's own time
//   BM_LargestBoardClick     the whole click after the dialogs: the settings
//                            checks, the pin model and Generate
// Files go to a scratch folder on /dev/shm when there is one.

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "generator/Pinsmith.h"
#include "model/MainBoard.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace {

std::vector<std::uint8_t> EverythingTicked(const BoardDef& def) {
    std::vector<std::uint8_t> record(def.record.size);
    SetDefaultRecord(def, record);
    for (const std::size_t offset : def.peripherals) {
        record[offset] = 1;
    }
    return record;
}

int PinEntries(const TMainBoard& board) {
    int n = 0;
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        n += board.GetConnector(c)->GetPinCount();
    }
    return n;
}

// The ids of the five boards with the most pin entries.
std::vector<int> LargestBoards() {
    std::vector<std::pair<int, int>> sizes; // (pins, id)
    for (const BoardDef* def : AllBoards()) {
        if (!def->writesProjects || !def->HasRecord() || !def->fill) {
            continue;
        }
        const std::vector<std::uint8_t> record = EverythingTicked(*def);
        sizes.emplace_back(PinEntries(*BuildBoardModel(*def, record)), static_cast<int>(def->id));
    }
    std::sort(sizes.begin(), sizes.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    std::vector<int> ids;
    for (std::size_t i = 0; i < sizes.size() && i < 5; ++i) {
        ids.push_back(sizes[i].second);
    }
    return ids;
}

std::string ScratchFolder() {
    const std::filesystem::path root = std::filesystem::is_directory("/dev/shm")
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    std::string folder = (root / "pinsmith-bench-XXXXXX").string();
    return ::mkdtemp(folder.data()) ? folder : std::string();
}

void GenerateOnBoard(benchmark::State& state, bool wholeClick) {
    const BoardDef& def = *FindBoard(static_cast<int>(state.range(0)));
    const std::vector<std::uint8_t> record = EverythingTicked(def);
    const bool vhdl = UsesVhdl(def, record);
    const std::string folder = ScratchFolder();
    if (folder.empty()) {
        state.SkipWithError("no scratch folder");
        return;
    }
    const std::string project = folder + "/BENCH.qpf";
    TPinsmith writer;
    int pins = 0;
    for (auto _ : state) {
        if (!wholeClick) {
            state.PauseTiming();
        }
        std::string message;
        if (wholeClick && !CheckRecord(def, record, message)) {
            state.SkipWithError(message.c_str());
            break;
        }
        auto board = BuildBoardModel(def, record);
        if (!wholeClick) {
            state.ResumeTiming();
        }
        if (!writer.Generate(board.get(), project, vhdl)) {
            state.SkipWithError("generation failed");
            break;
        }
        pins = PinEntries(*board);
    }
    state.SetLabel(def.title);
    state.counters["pins"] = pins;
    std::filesystem::remove_all(folder);
}

void BM_LargestBoardGenerate(benchmark::State& state) {
    GenerateOnBoard(state, false);
}

void BM_LargestBoardClick(benchmark::State& state) {
    GenerateOnBoard(state, true);
}

void LargestBoardArgs(benchmark::internal::Benchmark* bench) {
    for (const int id : LargestBoards()) {
        bench->Arg(id);
    }
}

BENCHMARK(BM_LargestBoardGenerate)->Apply(LargestBoardArgs)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LargestBoardClick)->Apply(LargestBoardArgs)->Unit(benchmark::kMicrosecond);

} // namespace
