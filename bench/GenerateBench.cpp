// Time of one project generation for a model the size of a fully ticked
// Ilmarch board with the 80-pin card over both GPIO headers (186 board pins
// and 80 header positions; seven files with the .v).
//   BM_GenerateProject   TPinsmith::Generate into a temporary folder, over
//                        the files of the previous run (/0) or into an
//                        empty folder (/1)
//   BM_AssembleInMemory  the text of every file, without the files
//   BM_CheckAndSortPins  the pin-name check and the pin sort that come first
//   BM_GenerateFmcProject  a project with FMC card 45 (215 pins, as large as
//                        any card map) on a 400-position HPC connector beside
//                        the Ilmarch groups
//   BM_FillFmcCard       filling card 45 alone: its table expanded and
//                        judged on every call

#include "boards/Boards.h"
#include "boards/cyclone5/CONFIG_ILMARCH.h"
#include "boards/cyclone5/IlmarchId.h"
#include "generator/Pinsmith.h"
#include "model/DaughterBoard.h"
#include "platform/Clock.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

using namespace ilmarch;

namespace {

std::unique_ptr<TMainBoard> IlmarchWithOstel() {
    ILMARCH_CONFIG config;
    SetIlmarchDefaultConfig(config);
    config.nGpioDaughterId[GPIO_0] = CardNumber(CARD_OSTEL_GPIO);
    config.nGpioDaughterId[GPIO_1] = CardNumber(CARD_OSTEL_GPIO);
    auto board = std::make_unique<TMainBoard>();
    CONFIG_ILMARCH(board.get(), config);
    board->AttachGpioCard(CONNECTOR_ID_GPIO_PAIR, CARD_OSTEL_GPIO, CardPrefix(), CardBusName(),
                          IlmarchGpioIoStandard(config.GpioVoltage));
    return board;
}

int PinEntries(const TMainBoard& board) {
    int n = 0;
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        n += board.GetConnector(c)->GetPinCount();
    }
    return n;
}

// Argument 0: every run replaces the files of the previous one (as when a
// project is generated again); 1: every run writes into an empty folder (the
// files of the previous run are removed outside the timing).
void BM_GenerateProject(benchmark::State& state) {
    const bool freshFolder = state.range(0) != 0;
    const auto board = IlmarchWithOstel();
    std::string folder =
        (std::filesystem::temp_directory_path() / "pinsmith-bench-XXXXXX").string();
    if (!::mkdtemp(folder.data())) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string project = folder + "/ILMARCH.qpf";
    TPinsmith writer;
    for (auto _ : state) {
        if (freshFolder) {
            state.PauseTiming();
            for (const auto& entry : std::filesystem::directory_iterator(folder)) {
                std::filesystem::remove(entry.path());
            }
            state.ResumeTiming();
        }
        if (!writer.Generate(board.get(), project, false)) {
            state.SkipWithError("generation failed");
            break;
        }
    }
    state.counters["pins"] = PinEntries(*board);
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_GenerateProject)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_AssembleInMemory(benchmark::State& state) {
    const auto board = IlmarchWithOstel();
    board->SortPins();
    const platform::LocalDateTime now = platform::Now();
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string v;
        TPinsmith::VerilogText(*board, "ILMARCH", v);
        const std::string texts[] = {TPinsmith::QpfText("ILMARCH", now),
                                     TPinsmith::QsfText(*board, "ILMARCH", now), v,
                                     TPinsmith::SdcText(*board), TPinsmith::HtmlText(*board)};
        bytes = 0;
        for (const std::string& t : texts) {
            bytes += t.size();
        }
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_AssembleInMemory)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_CheckAndSortPins(benchmark::State& state) {
    const auto board = IlmarchWithOstel();
    for (auto _ : state) {
        benchmark::DoNotOptimize(TPinsmith::CheckPinNames(*board));
        board->SortPins();
    }
}
BENCHMARK(BM_CheckAndSortPins)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The Ilmarch groups and an FMC HPC connector (placeholders at every
// position, the card id set as a board's filler sets it) with card 45.
std::unique_ptr<TMainBoard> IlmarchWithFmcCard45() {
    ILMARCH_CONFIG config;
    SetIlmarchDefaultConfig(config);
    auto board = std::make_unique<TMainBoard>();
    CONFIG_ILMARCH(board.get(), config);
    auto* fmc = new TConnector("FMC", "FMC HPC", CONNECTOR_FMC_HPC,
                               CardNumber(CARD_FMC_HPC_XCVR_ALTERA_QUELMAR));
    for (int p = 1; p <= FMC_HPC_PIN_NUM; ++p) {
        fmc->AddPin(new TPin("", "FMC" + std::to_string(p), PIN_DIR_FROM_CARD, IOSTD_FROM_CARD, 0));
    }
    fmc->SetIsExpansion(true);
    fmc->SetConnectorId(CONNECTOR_ID_FMC_A);
    board->AddConnector(fmc);
    board->AttachFmcCard(CONNECTOR_ID_FMC_A, CARD_FMC_HPC_XCVR_ALTERA_QUELMAR, CardPrefix());
    return board;
}

void BM_GenerateFmcProject(benchmark::State& state) {
    const auto board = IlmarchWithFmcCard45();
    std::string folder =
        (std::filesystem::temp_directory_path() / "pinsmith-bench-XXXXXX").string();
    if (!::mkdtemp(folder.data())) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string project = folder + "/FMC.qpf";
    TPinsmith writer;
    for (auto _ : state) {
        if (!writer.Generate(board.get(), project, false)) {
            state.SkipWithError("generation failed");
            break;
        }
    }
    state.counters["pins"] = PinEntries(*board);
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_GenerateFmcProject)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_FillFmcCard(benchmark::State& state) {
    for (auto _ : state) {
        TDaughterBoard card;
        card.FillCard(CARD_FMC_HPC_XCVR_ALTERA_QUELMAR, BoardCardRules(MAINBOARD_ILMARCH), 0,
                      IOSTD_3V3_LVTTL, "");
        benchmark::DoNotOptimize(card.GetPinCount());
    }
}
BENCHMARK(BM_FillFmcCard)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace
