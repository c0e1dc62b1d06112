// Every board's settings files through the holder its form keeps: the
// seeds of the settings fuzz target (fuzz/corpus/settings/, first byte the
// board id) and each board's default record are loaded and saved again,
// byte for byte, by the holder and by the definition's layout alone (the
// road the fuzz target runs). A file of another board leaves the holder's
// record as it was, with the reason the definition's load gives.

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/arria10_stratix10/ConfigEspern.h"
#include "boards/arria10_stratix10/ConfigGristel.h"
#include "boards/arria10_stratix10/ConfigHarvik.h"
#include "boards/arria10_stratix10/ConfigZarvik.h"
#include "boards/arria10_stratix10/ConfigZarvikDdr4.h"
#include "boards/arria2/KelvaneConfig.h"
#include "boards/cyclone2/BressaConfig.h"
#include "boards/cyclone2/CorvinConfig.h"
#include "boards/cyclone2/DunmarConfig.h"
#include "boards/cyclone3/AlvekConfig.h"
#include "boards/cyclone3/JorkelConfig.h"
#include "boards/cyclone3/JorvathConfig.h"
#include "boards/cyclone4/ElvoryConfig.h"
#include "boards/cyclone4/IstrelConfig.h"
#include "boards/cyclone4/LorskConfig.h"
#include "boards/cyclone4/MarwenConfig.h"
#include "boards/cyclone5/ConfigFalmor.h"
#include "boards/cyclone5/IlmarchConfig.h"
#include "boards/cyclone5/QuindleConfig.h"
#include "boards/cyclone5/RasmerConfig.h"
#include "boards/cyclone5/SollenConfig.h"
#include "boards/cyclone5/TavrinConfig.h"
#include "boards/cyclone5/UlvaneConfig.h"
#include "boards/cyclone5/VessorConfig.h"
#include "boards/cyclone5/WendalConfig.h"
#include "boards/max10/BrovanConfig.h"
#include "boards/max10/ConfigDravel.h"
#include "boards/max10/YeldenConfig.h"
#include "boards/stratix3/FennikConfig.h"
#include "boards/stratix4/GaldreX1Config.h"
#include "boards/stratix4/GaldreX2Config.h"
#include "boards/stratix4/HollinConfig.h"
#include "boards/stratix4/KelmisConfig.h"
#include "boards/stratix5/ConfigCalvet.h"
#include "boards/stratix5/StratixVConfig.h"
#include "platform/Files.h"
#include "platform/ScriptedUi.h"
#include "settings/ConfigBase.h"
#include "settings/ConfigBoard.h"
#include "settings/ConfigCommon.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <type_traits>
#include <vector>

namespace {

// Loads a settings file into a fresh holder and saves it again: the bytes
// written, or nothing when the holder refused the file (with its reason).
struct HolderResult {
    bool loaded = false;
    config::LoadRefusal refusal;
    std::string written;
};
using HolderRoundTrip = HolderResult (*)(const std::string& in, const std::string& out);

template <class Holder> HolderResult RoundTrip(const std::string& in, const std::string& out) {
    HolderResult result;
    Holder holder;
    auto& record = holder.Config;
    const auto before =
        std::vector<std::uint8_t>(reinterpret_cast<const std::uint8_t*>(&record),
                                  reinterpret_cast<const std::uint8_t*>(&record) + sizeof record);
    if constexpr (std::is_base_of_v<TConfigBoard, Holder>) {
        result.loaded = holder.LoadFromFile(in);
    } else {
        result.loaded = holder.LoadFromFile(&record, in, &result.refusal);
    }
    if (!result.loaded) {
        const auto after = std::vector<std::uint8_t>(
            reinterpret_cast<const std::uint8_t*>(&record),
            reinterpret_cast<const std::uint8_t*>(&record) + sizeof record);
        EXPECT_EQ(before, after) << "a refused file changed the record";
        return result;
    }
    bool saved = false;
    if constexpr (std::is_base_of_v<TConfigBoard, Holder>) {
        saved = holder.SaveToFile(out);
    } else {
        saved = holder.SaveToFile(&record, out);
    }
    EXPECT_TRUE(saved);
    EXPECT_TRUE(platform::ReadWholeFile(out, result.written));
    return result;
}

// The holder each board's form keeps its record in.
const std::map<BoardId, HolderRoundTrip> kHolders{
    {MAINBOARD_ISTREL, RoundTrip<TConfigBase<ISTREL_CONFIG>>},
    {MAINBOARD_LORSK, RoundTrip<TConfigBase<LORSK_CONFIG>>},
    {MAINBOARD_MARWEN, RoundTrip<TConfigBase<MARWEN_CONFIG>>},
    {MAINBOARD_ELVORY, RoundTrip<TConfigBase<ELVORY_CONFIG>>},
    {MAINBOARD_BRESSA, RoundTrip<TConfigBase<BRESSA_CONFIG>>},
    {MAINBOARD_DUNMAR, RoundTrip<TConfigBase<DUNMAR_CONFIG>>},
    {MAINBOARD_CORVIN, RoundTrip<TConfigBase<CORVIN_CONFIG>>},
    {MAINBOARD_BROVAN, RoundTrip<TConfigBase<BROVAN_CONFIG>>},
    {MAINBOARD_YELDEN, RoundTrip<TConfigBase<YELDEN_CONFIG>>},
    {MAINBOARD_JORKEL, RoundTrip<TConfigBase<JORKEL_CONFIG>>},
    {MAINBOARD_JORVATH, RoundTrip<TConfigBase<JORVATH_CONFIG>>},
    {MAINBOARD_ALVEK, RoundTrip<TConfigBase<ALVEK_CONFIG>>},
    {MAINBOARD_FENNIK, RoundTrip<TConfigBase<FENNIK_CONFIG>>},
    {MAINBOARD_KELVANE, RoundTrip<TConfigBase<KELVANE_CONFIG>>},
    {MAINBOARD_RASMER, RoundTrip<TConfigBase<RASMER_CONFIG>>},
    {MAINBOARD_ILMARCH, RoundTrip<TConfigBase<ILMARCH_CONFIG>>},
    {MAINBOARD_QUINDLE, RoundTrip<TConfigBase<QUINDLE_CONFIG>>},
    {MAINBOARD_VESSOR, RoundTrip<TConfigBase<VESSOR_CONFIG>>},
    {MAINBOARD_TAVRIN, RoundTrip<TConfigBase<TAVRIN_CONFIG>>},
    {MAINBOARD_WENDAL, RoundTrip<TConfigBase<WENDAL_CONFIG>>},
    {MAINBOARD_SOLLEN, RoundTrip<TConfigBase<SOLLEN_CONFIG>>},
    {MAINBOARD_ULVANE, RoundTrip<TConfigBase<ULVANE_CONFIG>>},
    {MAINBOARD_GALDRE_X2, RoundTrip<TConfigBase<GALDRE_X2_CONFIG>>},
    {MAINBOARD_KELMIS, RoundTrip<TConfigBase<KELMIS_CONFIG>>},
    {MAINBOARD_GALDRE_X1, RoundTrip<TConfigBase<GALDRE_X1_CONFIG>>},
    {MAINBOARD_HOLLIN, RoundTrip<TConfigBase<HOLLIN_CONFIG>>},
    {MAINBOARD_OMBREL, RoundTrip<TConfigBase<OMBREL_CONFIG>>},
    {MAINBOARD_PELLIX, RoundTrip<TConfigBase<PELLIX_CONFIG>>},
    {MAINBOARD_NOLVAR, RoundTrip<TConfigBase<NOLVAR_CONFIG>>},
    {MAINBOARD_ZARVIK_DDR4, RoundTrip<TConfigZarvik_DDR4>},
    {MAINBOARD_ZARVIK, RoundTrip<TConfigZarvik>},
    {MAINBOARD_GRISTEL, RoundTrip<TConfigGristel>},
    {MAINBOARD_HARVIK, RoundTrip<TConfigHarvik>},
    {MAINBOARD_ESPERN, RoundTrip<TConfigEspern>},
    {MAINBOARD_FALMOR, RoundTrip<TConfigFalmor>},
    {MAINBOARD_DRAVEL, RoundTrip<TConfigDravel>},
    {MAINBOARD_CALVET, RoundTrip<TConfigCalvet>},
};

struct Sample {
    std::string name;
    std::string bytes;
};

// The samples by the board they are meant for: each board's default record
// and the fuzz seeds of its id (some hold another board's file). Every board
// meets every sample.
std::map<int, std::vector<Sample>> Samples() {
    std::map<int, std::vector<Sample>> samples;
    for (const BoardDef* def : AllBoards()) {
        if (def->HasRecord()) {
            std::vector<std::uint8_t> record(def->record.size);
            SetDefaultRecord(*def, record);
            samples[BoardNumber(def->id)].push_back(
                {"defaults", std::string(record.begin(), record.end())});
        }
    }
    namespace fs = std::filesystem;
    for (const auto& entry :
         fs::directory_iterator(std::string(PINSMITH_SOURCE_DIR) + "/fuzz/corpus/settings")) {
        std::string bytes;
        EXPECT_TRUE(platform::ReadWholeFile(entry.path().string(), bytes));
        if (!bytes.empty()) {
            samples[static_cast<std::uint8_t>(bytes[0])].push_back(
                {entry.path().filename().string(), bytes.substr(1)});
        }
    }
    return samples;
}

} // namespace

TEST(SettingsRoundTrip, EveryBoardsSamplesLoadAndSaveByteForByteThroughItsHolder) {
    TempDir dir;
    platform::ScriptedUi ui;
    const std::map<int, std::vector<Sample>> samples = Samples();
    for (const BoardDef* def : AllBoards()) {
        if (!def->HasRecord()) {
            continue;
        }
        const int id = BoardNumber(def->id);
        SCOPED_TRACE("board " + std::to_string(id));
        const auto holder = kHolders.find(def->id);
        ASSERT_NE(holder, kHolders.end()) << "a board with a record and no holder row";
        int taken = 0;
        for (const auto& entry : samples) {
            for (const Sample& sample : entry.second) {
                SCOPED_TRACE(sample.name);
                const std::string in = dir.File("in.cfg");
                ASSERT_TRUE(
                    platform::WriteWholeFile(in, sample.bytes).Complete(sample.bytes.size()));
                const HolderResult result = holder->second(in, dir.File("holder.cfg"));

                // The definition's road gives the same answer and bytes.
                std::vector<std::uint8_t> record(def->record.size);
                config::LoadRefusal refusal;
                const bool loaded = LoadBoardRecord(*def, in, record, &refusal);
                ASSERT_EQ(result.loaded, loaded);
                if (!loaded) {
                    EXPECT_NE(refusal.kind, config::LoadRefusal::Kind::None);
                    if (result.refusal.kind != config::LoadRefusal::Kind::None) {
                        EXPECT_EQ(result.refusal.kind, refusal.kind);
                        EXPECT_EQ(result.refusal.reason, refusal.reason);
                    }
                    continue;
                }
                ++taken;
                EXPECT_EQ(result.written, sample.bytes);
                ASSERT_TRUE(SaveBoardRecord(*def, dir.File("def.cfg"), record));
                std::string written;
                ASSERT_TRUE(platform::ReadWholeFile(dir.File("def.cfg"), written));
                EXPECT_EQ(written, sample.bytes);
            }
        }
        EXPECT_GE(taken, 1);
    }
    EXPECT_TRUE(ui.Boxes().empty());
}
