// Time of one Generate on the Tavrin board with every peripheral ticked
// (368 pins, 134 of them the HPS's without location), the road a click
// takes after the settings checks:
//   BM_TavrinGenerate   the pin model from the record (filler and cards)
//                       and TPinsmith::Generate into a temporary folder
//   BM_TavrinPinModel   the pin model alone

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/cyclone5/TavrinId.h"
#include "generator/Pinsmith.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

std::vector<std::uint8_t> TavrinEverythingTicked() {
    const BoardDef& def = *FindBoard(MAINBOARD_TAVRIN);
    std::vector<std::uint8_t> record(def.record.size);
    SetDefaultRecord(def, record);
    for (const std::size_t offset : def.peripherals) {
        record[offset] = 1;
    }
    return record;
}

void BM_TavrinGenerate(benchmark::State& state) {
    const BoardDef& def = *FindBoard(MAINBOARD_TAVRIN);
    const std::vector<std::uint8_t> record = TavrinEverythingTicked();
    std::string folder =
        (std::filesystem::temp_directory_path() / "pinsmith-bench-XXXXXX").string();
    if (!::mkdtemp(folder.data())) {
        state.SkipWithError("no temporary folder");
        return;
    }
    TPinsmith writer;
    for (auto _ : state) {
        const auto board = BuildBoardModel(def, record);
        if (!writer.Generate(board.get(), folder + "/TAVRIN.qpf", false)) {
            state.SkipWithError("generation failed");
            break;
        }
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_TavrinGenerate)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_TavrinPinModel(benchmark::State& state) {
    const BoardDef& def = *FindBoard(MAINBOARD_TAVRIN);
    const std::vector<std::uint8_t> record = TavrinEverythingTicked();
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildBoardModel(def, record));
    }
}
BENCHMARK(BM_TavrinPinModel)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace
