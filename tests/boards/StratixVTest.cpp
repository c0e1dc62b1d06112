// The Stratix V boards Ombrel (16), Pellix (18), Nolvar (15) and Calvet (31)
// through their definitions: the oscillator Verilog and the Calvet clock-chip
// text against fixtures written from the board descriptions, the records'
// defaults and mending, the pin fillers (whole models against fixtures, and
// the groups of the edge cases), and golden projects checked with the real
// tools, the exported controllers included.

#include "boards/BoardDump.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/stratix5/CalvetId.h"
#include "boards/stratix5/ConfigCalvet.h"
#include "boards/stratix5/NolvarId.h"
#include "boards/stratix5/OmbrelId.h"
#include "boards/stratix5/PellixId.h"
#include "boards/stratix5/StratixVConfig.h"
#include "boards/stratix5/StratixVText.h"
#include "platform/Files.h"
#include "support/Golden.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

using Record = std::vector<std::uint8_t>;
using boardtest::ConnectorNames;
using boardtest::FindConnector;

const BoardDef& Def(BoardId id) {
    return *FindBoard(id);
}

Record Defaults(BoardId id) {
    Record record(Def(id).record.size);
    SetDefaultRecord(Def(id), record);
    return record;
}

Record AllOff(BoardId id) {
    Record record = Defaults(id);
    for (const std::size_t offset : Def(id).peripherals) {
        record[offset] = 0;
    }
    return record;
}

Record AllOn(BoardId id) {
    Record record = Defaults(id);
    for (const std::size_t offset : Def(id).peripherals) {
        record[offset] = 1;
    }
    return record;
}

void SetI32(Record& r, std::size_t offset, std::int32_t value) {
    std::memcpy(r.data() + offset, &value, sizeof value);
}
std::int32_t I32(const Record& r, std::size_t offset) {
    std::int32_t value;
    std::memcpy(&value, r.data() + offset, sizeof value);
    return value;
}

std::unique_ptr<TMainBoard> Filled(BoardId id, const Record& record) {
    auto board = std::make_unique<TMainBoard>();
    FillBoard(Def(id), *board, record);
    return board;
}

const TPin* FindPin(const TMainBoard& board, const std::string& name) {
    for (int i = 0; i < board.GetConnectorCount(); ++i) {
        const TConnector& c = *board.GetConnector(i);
        for (int j = 0; j < c.GetPinCount(); ++j) {
            if (const TPin* p = c.GetPin(j); p && p->GetName() == name) {
                return p;
            }
        }
    }
    return nullptr;
}

std::vector<std::string> PinNames(const TConnector& c) {
    std::vector<std::string> names;
    for (int j = 0; j < c.GetPinCount(); ++j) {
        names.push_back(c.GetPin(j) ? c.GetPin(j)->GetName() : "-");
    }
    return names;
}

std::string ReadText(const std::string& name) {
    std::ifstream in(std::string(PINSMITH_TEST_DATA_DIR) + "/boards/fixtures/stratix5/" + name,
                     std::ios::binary);
    EXPECT_TRUE(in.is_open()) << name;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

#define OMBREL(f) offsetof(OMBREL_CONFIG, f)
#define PELLIX(f) offsetof(PELLIX_CONFIG, f)
#define NOLVAR(f) offsetof(NOLVAR_CONFIG, f)
#define CALVET(f) offsetof(CALVET_CONFIG, f)

// --- oscillator Verilog ------------------------------------------------------

std::unique_ptr<TMainBoard> OscillatorBoard(BoardId id, std::int32_t si570, std::int32_t cdcm61004,
                                            std::int32_t cdcm61001 = 1) {
    auto made = std::make_unique<TMainBoard>();
    TMainBoard& board = *made;
    board.m_BoardId = id;
    board.m_BoardRecord = RecordCopy(id == MAINBOARD_OMBREL   ? kOmbrelConfigSize
                                     : id == MAINBOARD_PELLIX ? kPellixConfigSize
                                                              : kNolvarConfigSize);
    if (id == MAINBOARD_OMBREL) {
        board.m_BoardRecord.SetI32(OMBREL(Si570Index), si570);
        board.m_BoardRecord.SetI32(OMBREL(Cdcm61004Index), cdcm61004);
        board.m_BoardRecord.SetI32(OMBREL(Cdcm61001Index), cdcm61001);
    } else if (id == MAINBOARD_PELLIX) {
        board.m_BoardRecord.SetI32(PELLIX(Si570Index), si570);
        board.m_BoardRecord.SetI32(PELLIX(Cdcm61004Index), cdcm61004);
    } else {
        board.m_BoardRecord.SetI32(NOLVAR(Si570Index), si570);
        board.m_BoardRecord.SetI32(NOLVAR(Cdcm61004Index), cdcm61004);
    }
    return made;
}

std::string BoardVerilog(const TMainBoard& board) {
    return FindBoard(board.m_BoardId)->text->verilog(board);
}

TEST(StratixVOscillatorVerilog, BlocksAsTheBoardsWriteThem) {
    struct Case {
        BoardId board;
        std::int32_t si570, cdcm61004, cdcm61001;
        const char* fixture; // nullptr: empty text
    };
    const Case cases[] = {
        {MAINBOARD_OMBREL, 0, 1, 0, "ombrel_cdcm61001_0_cdcm61004_1.v"},
        {MAINBOARD_OMBREL, 3, 11, 1, "ombrel_cdcm61004_11_si570_3.v"},
        {MAINBOARD_OMBREL, 0, 1, 1, nullptr},
        {MAINBOARD_NOLVAR, 7, 1, 0, "nolvar_cdcm1_si570_7.v"},
        {MAINBOARD_NOLVAR, 0, 0, 0, nullptr},
        {MAINBOARD_PELLIX, 0, 11, 0, "pellix_cdcm11.v"},
        {MAINBOARD_PELLIX, 0, 0, 0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fixture ? c.fixture : "empty");
        const auto board = OscillatorBoard(c.board, c.si570, c.cdcm61004, c.cdcm61001);
        EXPECT_EQ(BoardVerilog(*board), c.fixture ? ReadText(c.fixture) : "");
    }
}

TEST(StratixVOscillatorVerilog, Si570ModeCodesAndBanners) {
    const char* codes[] = {"3'b000", "3'b001", "3'b010", "3'b011", "3'b100", "3'b101", "3'b110"};
    const char* banners[] = {"100.00000", "125.00000", "156.25000", "250.00000",
                             "312.50000", "322.26500", "644.53125"};
    for (std::uint8_t choice = 1; choice <= 7; ++choice) {
        const std::string text = Si570ControllerVerilog(choice, "RST");
        EXPECT_NE(text.find(std::string(".iFREQ_MODE(") + codes[choice - 1] + "),\r\n"),
                  std::string::npos);
        EXPECT_NE(text.find(std::string("as ") + banners[choice - 1] + " MHz"), std::string::npos);
        EXPECT_NE(text.find(".iRST_n(RST), // system reset;\r\n"), std::string::npos);
    }
    // Past the list: no code, no frequency, nothing read past a table.
    EXPECT_NE(Si570ControllerVerilog(200, "R").find(".iFREQ_MODE(),"), std::string::npos);
    EXPECT_NE(ExtPllCtrlVerilogOmbrel(13, 255, 0).find("assign clk1_set_wr = 4'd13; //\r\n"),
              std::string::npos);
}

TEST(StratixVOscillatorVerilogDeathTest, ChoicesAndBoardsTheRoutinesRefuse) {
    EXPECT_DEATH(Cdcm61004ConfigVerilog(0), "Cdcm61004ConfigVerilog");
    EXPECT_DEATH(Cdcm61004ConfigVerilog(12), "Cdcm61004ConfigVerilog");
    TMainBoard board;
    board.m_BoardId = MAINBOARD_PELLIX;
    board.m_BoardRecord = RecordCopy(kPellixConfigSize);
    EXPECT_DEATH(ExtraVerilogOmbrel(board), "m_BoardId == MAINBOARD_OMBREL");
    EXPECT_DEATH(ExtraVerilogNolvar(board), "m_BoardId == MAINBOARD_NOLVAR");
    board.m_BoardId = MAINBOARD_NOLVAR;
    board.m_BoardRecord = RecordCopy(kNolvarConfigSize);
    EXPECT_DEATH(ExtraVerilogPellix(board), "m_BoardId == MAINBOARD_PELLIX");
}

// --- Calvet settings class ---------------------------------------------------

TConfigCalvet CalvetSettings(bool cdcm, bool lmk, std::vector<std::uint8_t> cdcmIndex = {},
                             std::vector<std::uint8_t> lmkIndex = {}) {
    TConfigCalvet settings;
    Record r = Defaults(MAINBOARD_CALVET);
    std::memcpy(&settings.Config, r.data(), r.size());
    settings.Config.Cdcm6208Pll = cdcm;
    settings.Config.Lmk04906Pll = lmk;
    for (std::size_t i = 0; i < cdcmIndex.size(); ++i) {
        settings.Config.CdcmOutputIndex[i] = cdcmIndex[i];
    }
    for (std::size_t i = 0; i < lmkIndex.size(); ++i) {
        settings.Config.LmkOutputIndex[i] = lmkIndex[i];
    }
    return settings;
}

TEST(CalvetSettings, SlotTexts) {
    struct Case {
        const char* name;
        TConfigCalvet settings;
        const char* qsf;     // fixture, nullptr: empty
        const char* verilog; // fixture, nullptr: empty
    };
    const Case cases[] = {
        {"chips off", CalvetSettings(false, false), nullptr, nullptr},
        {"CDCM6208 defaults", CalvetSettings(true, false), "calvet_cdcm.qsf",
         "calvet_cdcm_defaults.v"},
        {"CDCM6208 all off", CalvetSettings(true, false, {0, 0, 0, 0, 0, 0}), "calvet_cdcm.qsf",
         "calvet_cdcm_all_off.v"},
        // The mode follows FMC-D while FMC-A is off.
        {"CDCM6208 FMCA off", CalvetSettings(true, false, {0, 3, 1, 1, 1, 1}), "calvet_cdcm.qsf",
         "calvet_cdcm_fmca_off_fmcd_150.v"},
        {"LMK04906 1,0,0,2", CalvetSettings(false, true, {}, {1, 0, 0, 2}), "calvet_lmk.qsf",
         "calvet_lmk_1_0_0_2.v"},
        {"both", CalvetSettings(true, true), "calvet_both.qsf", "calvet_both_defaults.v"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TConfigCalvet settings = c.settings;
        EXPECT_EQ(settings.GetQsfAssignments(), c.qsf ? ReadText(c.qsf) : "");
        EXPECT_EQ(settings.GetVerilogCode(), c.verilog ? ReadText(c.verilog) : "");
        EXPECT_EQ(settings.GetVhdlArchitecture("top"), "");
    }
}

TEST(CalvetSettings, OutputFrequencies) {
    TConfigCalvet s = CalvetSettings(true, true, {1, 3, 1, 0, 1, 1}, {1, 2, 0, 3});
    const float cdcm[] = {100, 150, 150, 0, 100, 133.33333f};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(TConfigCalvet::Cdcm6208OutputMHz(s, i), cdcm[i]) << i;
    }
    EXPECT_EQ(TConfigCalvet::Cdcm6208OutputMHz(s, 5), 133.33332824707031f);
    const float lmk[] = {322.265625f, 644.53125f, 0, 0};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(TConfigCalvet::Lmk04906OutputMHz(s, i), lmk[i]) << i;
    }
}

TEST(CalvetSettings, ExportsTheControllersOfTheChipsInUse) {
    struct Case {
        bool cdcm, lmk;
        std::vector<std::string> files;
    };
    const Case cases[] = {
        {false, false, {}},
        {true, false, {"cdcm6208/I2C_CDCM6208_Config.v", "cdcm6208/I2C_CDCM6208_Controller.v"}},
        {false, true, {"lmk04906/SPI_LMK04906_Config.v"}},
        {true,
         true,
         {"cdcm6208/I2C_CDCM6208_Config.v", "cdcm6208/I2C_CDCM6208_Controller.v",
          "lmk04906/SPI_LMK04906_Config.v"}},
    };
    for (const Case& c : cases) {
        TempDir dir;
        TConfigCalvet settings = CalvetSettings(c.cdcm, c.lmk);
        EXPECT_TRUE(settings.ExportIpFiles(platform::IncludeTrailingSeparator(dir.Path())));
        std::vector<std::string> files;
        for (const auto& e : std::filesystem::recursive_directory_iterator(dir.Path())) {
            if (e.is_regular_file()) {
                files.push_back(std::filesystem::relative(e.path(), dir.Path()).generic_string());
            }
        }
        std::sort(files.begin(), files.end());
        EXPECT_EQ(files, c.files);
    }
}

TEST(CalvetSettings, LoadTakesOnlyARecordOfThisBoard) {
    TempDir dir;
    TConfigCalvet settings = CalvetSettings(true, false);
    const std::string file = dir.File("a.cfg");
    ASSERT_TRUE(settings.SaveToFile(file));
    std::string bytes;
    ASSERT_TRUE(platform::ReadWholeFile(file, bytes));
    ASSERT_EQ(bytes.size(), 812u);
    TConfigCalvet loaded;
    EXPECT_TRUE(loaded.LoadFromFile(file));
    EXPECT_EQ(std::memcmp(&loaded.Config, &settings.Config, 812), 0);
    for (const std::string& other :
         {bytes.substr(0, 811), bytes + "x", std::string(1, '\x10') + bytes.substr(1)}) {
        ASSERT_TRUE(platform::WriteWholeFile(file, other).Complete(other.size()));
        TConfigCalvet refused = CalvetSettings(false, true);
        EXPECT_FALSE(refused.LoadFromFile(file));
        EXPECT_EQ(refused.Config.Lmk04906Pll, 1);
    }
}

// --- records -----------------------------------------------------------------

TEST(StratixVRecords, Defaults) {
    struct Case {
        BoardId board;
        std::size_t size;
        const char* name;
        std::size_t firstOption;
        std::vector<std::uint8_t> options;
    };
    const Case cases[] = {
        {MAINBOARD_OMBREL, 176, "S5", 136, {1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 1, 0, 0,
                                            0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1}},
        {MAINBOARD_PELLIX, 296, "Pellix", 136, {1, 1, 1, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1, 1, 1, 1}},
        {MAINBOARD_NOLVAR,
         164,
         "Nolvar",
         136,
         {1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1}},
        {MAINBOARD_CALVET, 812, "CALVET", 136, {1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 1, 1, 1, 1,
                                                1, 0, 0, 0, 2, 2, 1, 1, 0, 1, 2, 2, 2, 2, 0}},
    };
    for (const Case& c : cases) {
        const Record r = Defaults(c.board);
        ASSERT_EQ(r.size(), c.size);
        EXPECT_EQ(r[0], static_cast<std::uint8_t>(c.board));
        EXPECT_EQ(I32(r, 4), static_cast<std::int32_t>(c.size));
        EXPECT_EQ(RecordFieldText(r, 8), c.name);
        EXPECT_EQ(Record(r.begin() + static_cast<long>(c.firstOption),
                         r.begin() + static_cast<long>(c.firstOption + c.options.size())),
                  c.options)
            << c.name;
    }
    const Record ombrel = Defaults(MAINBOARD_OMBREL);
    EXPECT_EQ(I32(ombrel, 164), 0);
    EXPECT_EQ(I32(ombrel, 168), 1);
    EXPECT_EQ(I32(ombrel, 172), 1);
    EXPECT_EQ(I32(Defaults(MAINBOARD_PELLIX), 160), 0);
    EXPECT_EQ(I32(Defaults(MAINBOARD_NOLVAR), 160), 0);
}

TEST(StratixVRecords, CardLists) {
    const auto list = [](BoardId id, int port) {
        return PortCardList(EffectivePorts(Def(id), Defaults(id))[static_cast<std::size_t>(port)]);
    };
    EXPECT_EQ(list(MAINBOARD_PELLIX, 0),
              (std::vector<std::uint8_t>{0,  2,  3,  6,  7,  8,  10, 14, 17, 18, 19, 21, 22,
                                         23, 26, 27, 28, 29, 31, 32, 33, 35, 36, 37, 61}));
    EXPECT_EQ(list(MAINBOARD_CALVET, 0),
              (std::vector<std::uint8_t>{0, 1, 12, 13, 55, 62, 63, 66, 67, 74, 81, 82, 83}));
    const std::vector<std::uint8_t> hpc = {0,  40, 41, 42, 43, 44, 45, 46,
                                           47, 48, 49, 50, 53, 76, 84};
    const std::vector<std::uint8_t> lpc = {0, 41, 46, 47, 48, 50, 53, 76};
    EXPECT_EQ(list(MAINBOARD_CALVET, 1), hpc);
    EXPECT_EQ(list(MAINBOARD_CALVET, 2), lpc);
    EXPECT_EQ(list(MAINBOARD_CALVET, 3), lpc);
    EXPECT_EQ(list(MAINBOARD_CALVET, 4), hpc);
}

// A loaded record as the form shows it: choices past their lists take the
// default, and an oscillator whose interfaces are unticked its off entry.
TEST(StratixVRecords, MendingOfLoadedChoices) {
    struct Field {
        std::size_t offset;
        std::int32_t value;
    };
    struct Case {
        const char* name;
        BoardId board;
        std::vector<Field> set;      // i32 fields
        std::vector<std::size_t> on; // option bytes ticked
        std::vector<Field> expected;
    };
    const Case cases[] = {
        {"ombrel out of range",
         MAINBOARD_OMBREL,
         {{164, 8}, {168, 13}, {172, -1}},
         {OMBREL(Sfp) + 2, OMBREL(SataDevice1)},
         {{164, 0}, {168, 1}, {172, 1}}},
        {"ombrel in range",
         MAINBOARD_OMBREL,
         {{164, 7}, {168, 0}, {172, 12}},
         {OMBREL(Sfp), OMBREL(SataHost0)},
         {{164, 7}, {168, 0}, {172, 12}}},
        {"ombrel no consumers",
         MAINBOARD_OMBREL,
         {{164, 3}, {168, 0}, {172, 5}},
         {},
         {{164, 0}, {168, 1}, {172, 1}}},
        {"ombrel SATA only",
         MAINBOARD_OMBREL,
         {{164, 3}, {168, 4}, {172, 5}},
         {OMBREL(SataHost1)},
         {{164, 0}, {168, 4}, {172, 1}}},
        {"pellix out of range",
         MAINBOARD_PELLIX,
         {{156, 8}, {160, 12}},
         {PELLIX(Sfp) + 3},
         {{156, 0}, {160, 0}}},
        {"pellix SATA keeps the CDCM61004",
         MAINBOARD_PELLIX,
         {{156, 2}, {160, 11}},
         {PELLIX(SataDevice)},
         {{156, 0}, {160, 11}}},
        {"nolvar without SFP+",
         MAINBOARD_NOLVAR,
         {{156, 2}, {160, 3}},
         {NOLVAR(Sata)},
         {{156, 0}, {160, 0}}},
        {"nolvar SFP+ B",
         MAINBOARD_NOLVAR,
         {{156, 7}, {160, 11}},
         {NOLVAR(SfpB)},
         {{156, 7}, {160, 11}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Record r = AllOff(c.board);
        for (const Field& f : c.set) {
            SetI32(r, f.offset, f.value);
        }
        for (const std::size_t offset : c.on) {
            r[offset] = 1;
        }
        MendRecord(Def(c.board), r);
        for (const Field& f : c.expected) {
            EXPECT_EQ(I32(r, f.offset), f.value) << f.offset;
        }
    }
}

TEST(StratixVRecords, PellixTransceiverCardKeepsTheCdcm61004) {
    Record r = AllOff(MAINBOARD_PELLIX);
    SetI32(r, PELLIX(Cdcm61004Index), 4);
    r[PELLIX(HsmcACard)] = 3;
    MendRecord(Def(MAINBOARD_PELLIX), r);
    EXPECT_EQ(I32(r, PELLIX(Cdcm61004Index)), 4);
    r[PELLIX(HsmcACard)] = 2;
    MendRecord(Def(MAINBOARD_PELLIX), r);
    EXPECT_EQ(I32(r, PELLIX(Cdcm61004Index)), 0);
    // A transceiver card the list does not offer counts for nothing.
    r[PELLIX(HsmcACard)] = 40;
    SetI32(r, PELLIX(Cdcm61004Index), 4);
    MendRecord(Def(MAINBOARD_PELLIX), r);
    EXPECT_EQ(r[PELLIX(HsmcACard)], 0);
    EXPECT_EQ(I32(r, PELLIX(Cdcm61004Index)), 0);
}

TEST(StratixVRecords, CalvetMendingAndCheck) {
    Record r = Defaults(MAINBOARD_CALVET);
    r[CALVET(DeviceVariant)] = 3;
    const std::uint8_t cdcm[] = {4, 3, 2, 1, 2, 9};
    std::memcpy(&r[CALVET(CdcmOutputIndex)], cdcm, 6);
    r[CALVET(LmkOutputIndex) + 1] = 3;
    MendRecord(Def(MAINBOARD_CALVET), r);
    EXPECT_EQ(r[CALVET(DeviceVariant)], 0);
    EXPECT_EQ(Record(&r[CALVET(CdcmOutputIndex)], &r[CALVET(CdcmOutputIndex)] + 6),
              (Record{2, 3, 1, 1, 0, 1}));
    EXPECT_EQ(r[CALVET(LmkOutputIndex) + 1], 2);

    std::string message;
    r[CALVET(Cdcm6208Pll)] = 1;
    r[CALVET(CdcmOutputIndex)] = 3;
    r[CALVET(CdcmOutputIndex) + 1] = 2;
    EXPECT_FALSE(CheckRecord(Def(MAINBOARD_CALVET), r, message));
    EXPECT_EQ(message, "Due to the limitation of CDCM6208,\r\nthe clock frequency of FMCA_REFCLK_0 "
                       "and FMCD_REFCLK_0 must be the same..\r\n");
    r[CALVET(CdcmOutputIndex)] = 0; // FMC-A off: FMC-D is free
    EXPECT_TRUE(CheckRecord(Def(MAINBOARD_CALVET), r, message)) << message;
    r[CALVET(FmcCardId)] = 41;
    r[CALVET(FmcCardId) + 3] = 41;
    EXPECT_FALSE(CheckRecord(Def(MAINBOARD_CALVET), r, message));
    EXPECT_EQ(message, "FMC-A and FMC-D cannot have the same prefix name when both connect to the "
                       "same type of daughter boards.");
}

// --- pin fillers -------------------------------------------------------------

TEST(StratixVFillers, EveryGroupTickedMatchesTheFixtures) {
    Record ombrel = AllOn(MAINBOARD_OMBREL);
    SetI32(ombrel, OMBREL(Si570Index), 3);
    SetI32(ombrel, OMBREL(Cdcm61001Index), 7);
    SetI32(ombrel, OMBREL(Cdcm61004Index), 11);
    boardtest::ExpectFixture(*Filled(MAINBOARD_OMBREL, ombrel), "ombrel_all");

    Record pellix = AllOn(MAINBOARD_PELLIX);
    SetI32(pellix, PELLIX(Si570Index), 3);
    SetI32(pellix, PELLIX(Cdcm61004Index), 4);
    pellix[PELLIX(HsmcACard)] = 3;
    boardtest::ExpectFixture(*Filled(MAINBOARD_PELLIX, pellix), "pellix_all");

    Record nolvar = AllOn(MAINBOARD_NOLVAR);
    SetI32(nolvar, NOLVAR(Si570Index), 7);
    SetI32(nolvar, NOLVAR(Cdcm61004Index), 10);
    boardtest::ExpectFixture(*Filled(MAINBOARD_NOLVAR, nolvar), "nolvar_all");

    Record calvet = AllOn(MAINBOARD_CALVET);
    calvet[CALVET(GpioCardId)] = 1;
    const std::uint8_t fmcCards[] = {45, 41, 46, 40};
    std::memcpy(&calvet[CALVET(FmcCardId)], fmcCards, 4);
    boardtest::ExpectFixture(*Filled(MAINBOARD_CALVET, calvet), "calvet_all");
}

TEST(StratixVFillers, DeviceData) {
    struct Case {
        BoardId board;
        const char* device;
        const char* speed;
        int pins;
    };
    const Case cases[] = {
        {MAINBOARD_OMBREL, "5SGXEA7N2F45C2", "2_H2", 1932},
        {MAINBOARD_PELLIX, "5SGXEA3K2F40C3", "3_H2", 1517},
        {MAINBOARD_NOLVAR, "5SGXEA7N2F45C2", "2_H2", 1932},
        {MAINBOARD_CALVET, "5SGXEA7N2F45C2", "C2", 1932},
    };
    for (const Case& c : cases) {
        const auto board = Filled(c.board, Defaults(c.board));
        EXPECT_EQ(board->m_Family, "Stratix V");
        EXPECT_EQ(board->m_Device, c.device);
        EXPECT_EQ(board->m_SpeedGradeText, c.speed);
        EXPECT_EQ(board->m_PinCount, c.pins);
        EXPECT_EQ(board->m_Package, "FBGA");
        EXPECT_EQ(board->m_BoardId, c.board);
    }
    Record r = Defaults(MAINBOARD_CALVET);
    r[CALVET(DeviceVariant)] = 2;
    EXPECT_EQ(Filled(MAINBOARD_CALVET, r)->m_Device, "5SGXEABN3F45I3YY");
    EXPECT_EQ(Filled(MAINBOARD_CALVET, r)->m_SpeedGradeText, "I3");
    r[CALVET(DeviceVariant)] = 1;
    EXPECT_EQ(Filled(MAINBOARD_CALVET, r)->m_Device, "5SGXEABN2F45C2");
}

// The groups a record gives, in order.
TEST(StratixVFillers, GroupOrder) {
    struct Case {
        const char* name;
        BoardId board;
        void (*edit)(Record& r);
        std::vector<std::string> groups;
    };
    const Case cases[] = {
        {"ombrel defaults",
         MAINBOARD_OMBREL,
         [](Record&) {},
         {"CLOCK", "LED x 10", "BUTTON x 4 and CPU_RESET_n", "SWITCH x 4", "7-Segement",
          "Temperature", "Fan", "RS232", "Flash/MAX Address/Data Share Bus", "Flash Control"}},
        {"ombrel nothing",
         MAINBOARD_OMBREL,
         [](Record& r) {
             for (const std::size_t o : Def(MAINBOARD_OMBREL).peripherals) {
                 r[o] = 0;
             }
         },
         {}},
        {"ombrel Si570 without CLOCK and buttons",
         MAINBOARD_OMBREL,
         [](Record& r) {
             r = AllOff(MAINBOARD_OMBREL);
             r[OMBREL(Sfp)] = 1;
             SetI32(r, OMBREL(Si570Index), 3);
         },
         {"CLOCK", "CPU_RESET_n", "SFP+ A",
          "SFP+ 10G Referece Clock and Programmalbe Oscillator Si570"}},
        // The external-PLL block runs on OSC_50_B3B too.
        {"ombrel CDCM61004 unchanged",
         MAINBOARD_OMBREL,
         [](Record& r) {
             r = AllOff(MAINBOARD_OMBREL);
             r[OMBREL(SataDevice1)] = 1;
             SetI32(r, OMBREL(Cdcm61004Index), 0);
         },
         {"CLOCK", "CPU_RESET_n", "SATA", "Programmalbe Oscillator CDCM61004 for SATA"}},
        {"ombrel SFP+ C without oscillators",
         MAINBOARD_OMBREL,
         [](Record& r) {
             r = AllOff(MAINBOARD_OMBREL);
             r[OMBREL(Sfp) + 2] = 1;
         },
         {"SFP+ C"}},
        {"ombrel QDRII+ B and D",
         MAINBOARD_OMBREL,
         [](Record& r) {
             r = AllOff(MAINBOARD_OMBREL);
             r[OMBREL(Qdr) + 1] = 1;
             r[OMBREL(Qdr) + 3] = 1;
         },
         {"RZQ", "QDRII+ SRAM B", "QDRII+ SRAM D"}},
        {"ombrel SFP+ and SATA with both CDCMs",
         MAINBOARD_OMBREL,
         [](Record& r) {
             r = AllOff(MAINBOARD_OMBREL);
             r[OMBREL(Sfp) + 1] = 1;
             r[OMBREL(SataHost0)] = 1;
             SetI32(r, OMBREL(Cdcm61001Index), 4);
             SetI32(r, OMBREL(Cdcm61004Index), 5);
         },
         {"CLOCK", "CPU_RESET_n", "SATA", "SFP+ B", "SFP+ 1G Referece Clock",
          "Programmalbe Oscillator CDCM61001/CDCM61004 for SPF1G/SATA"}},
        {"pellix defaults",
         MAINBOARD_PELLIX,
         [](Record&) {},
         {"CLOCK", "LED x 10", "BUTTON x 4 and CPU_RESET_n", "SWITCH x 4", "Temperature", "Fan",
          "RS232", "Flash/SSRAM/MAX Address/Data Share Bus", "Flash Control", "SSRAM Control"}},
        {"pellix Si570 without CLOCK and buttons",
         MAINBOARD_PELLIX,
         [](Record& r) {
             r = AllOff(MAINBOARD_PELLIX);
             r[PELLIX(Sfp)] = 1;
             SetI32(r, PELLIX(Si570Index), 3);
         },
         {"CLOCK", "CPU_RESET_n", "SFP+ A",
          "SFP+ 10G Referece Clock (generated by the Programmalbe Oscillator Si570)",
          "Programmalbe Oscillator SI570"}},
        {"pellix CDCM61004 alone",
         MAINBOARD_PELLIX,
         [](Record& r) {
             r = AllOff(MAINBOARD_PELLIX);
             r[PELLIX(SataDevice)] = 1;
             SetI32(r, PELLIX(Cdcm61004Index), 1);
         },
         {"CLOCK", "CPU_RESET_n", "SATA",
          "Programmalbe Oscillator CDCM61004 for referece clock of SATA"}},
        {"pellix transceiver card",
         MAINBOARD_PELLIX,
         [](Record& r) {
             r = AllOff(MAINBOARD_PELLIX);
             r[PELLIX(HsmcACard)] = 3;
             SetI32(r, PELLIX(Cdcm61004Index), 3);
         },
         {"CLOCK", "CPU_RESET_n", "Programmalbe Oscillator CDCM61004 for referece clock of SFP+ 1G",
          "HSMC-A", "HSMC Transceiver Reference Clock"}},
        {"pellix non-transceiver card",
         MAINBOARD_PELLIX,
         [](Record& r) {
             r = AllOff(MAINBOARD_PELLIX);
             r[PELLIX(HsmcACard)] = 2;
         },
         {"HSMC-A"}},
        {"nolvar defaults",
         MAINBOARD_NOLVAR,
         [](Record&) {},
         {"CLOCK", "LED x 8", "BUTTON x 2", "CPU RESET", "DIP SWITCH x 4", "Temperature", "Fan",
          "RS232", "Flash/MAX Address/Data Share Bus", "Flash Control"}},
        {"nolvar DDR3 A alone",
         MAINBOARD_NOLVAR,
         [](Record& r) {
             r = AllOff(MAINBOARD_NOLVAR);
             r[NOLVAR(Ddr3A)] = 1;
         },
         {"RZQ", "DDR3 SDRAM  A"}},
        {"nolvar CDCM61004 alone",
         MAINBOARD_NOLVAR,
         [](Record& r) {
             r = AllOff(MAINBOARD_NOLVAR);
             r[NOLVAR(SfpB)] = 1;
             SetI32(r, NOLVAR(Cdcm61004Index), 9);
         },
         {"CLOCK", "CPU_RESET_n for reset programmable oscillator", "SFP+ B",
          "SFP+ 1G Referece Clock which is generated by CDCM61004"}},
        {"calvet defaults",
         MAINBOARD_CALVET,
         [](Record&) {},
         {"CLOCK", "KEY", "SW", "LED", "FAN", "SSRAM", "FLASH", "Share Bus for Flash and SSRAM",
          "SD Card", "Uart to Usb", "I2C for Temperature-Sensor or Fan-Control or Power-Monitor",
          "Temperature", "POWER Monitor", "SMA"}},
        {"calvet fan alone",
         MAINBOARD_CALVET,
         [](Record& r) {
             r = AllOff(MAINBOARD_CALVET);
             r[CALVET(Fan)] = 1;
             r[CALVET(Ssram)] = 1;
         },
         {"FAN", "SSRAM", "Share Bus for Flash and SSRAM",
          "I2C for Temperature-Sensor or Fan-Control or Power-Monitor"}},
        {"calvet chips without CLOCK and KEY",
         MAINBOARD_CALVET,
         [](Record& r) {
             r = AllOff(MAINBOARD_CALVET);
             r[CALVET(Cdcm6208Pll)] = 1;
             r[CALVET(Lmk04906Pll)] = 1;
         },
         {"CLOCK", "CPU_RESET_n", "LMK04906B External PLL", "CDCM6208 External PLL"}},
        {"calvet FMC card without DDR3",
         MAINBOARD_CALVET,
         [](Record& r) {
             r = AllOff(MAINBOARD_CALVET);
             r[CALVET(FmcCardId) + 1] = 41;
         },
         {"RZQ for FMC", "FMCB"}},
        {"calvet DDR3 without FMC",
         MAINBOARD_CALVET,
         [](Record& r) {
             r = AllOff(MAINBOARD_CALVET);
             r[CALVET(Ddr3)] = 1;
         },
         {"DDR3 SODIMM", "RZQ for DDR3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Record r = Defaults(c.board);
        c.edit(r);
        EXPECT_EQ(ConnectorNames(*Filled(c.board, r)), c.groups);
    }
}

TEST(StratixVFillers, ReducedGroupsHoldTheControllersClockAndReset) {
    Record r = AllOff(MAINBOARD_CALVET);
    r[CALVET(Lmk04906Pll)] = 1;
    auto board = Filled(MAINBOARD_CALVET, r);
    EXPECT_EQ(PinNames(*FindConnector(*board, "CLOCK")), std::vector<std::string>{"OSC_50_B4A"});
    EXPECT_EQ(PinNames(*FindConnector(*board, "CPU_RESET_n")),
              std::vector<std::string>{"CPU_RESET_n"});
    r[CALVET(Cdcm6208Pll)] = 1;
    board = Filled(MAINBOARD_CALVET, r);
    EXPECT_EQ(PinNames(*FindConnector(*board, "CLOCK")),
              (std::vector<std::string>{"OSC_50_B3B", "OSC_50_B4A"}));
    EXPECT_EQ(FindPin(*board, "OSC_50_B3B")->GetFrequency(), "50.000000 MHz");

    for (const BoardId id : {MAINBOARD_OMBREL, MAINBOARD_PELLIX, MAINBOARD_NOLVAR}) {
        Record s = AllOff(id);
        const std::size_t cdcm = id == MAINBOARD_OMBREL ? OMBREL(Cdcm61004Index) : 160;
        SetI32(s, cdcm, 2);
        board = Filled(id, s);
        const TConnector* clock = FindConnector(*board, "CLOCK");
        ASSERT_TRUE(clock) << static_cast<int>(id);
        ASSERT_EQ(clock->GetPinCount(), 1);
        EXPECT_EQ(clock->GetPin(0)->GetName(), "OSC_50_B3B");
        EXPECT_EQ(clock->GetPin(0)->GetPeriodNs(), 20);
        EXPECT_TRUE(FindPin(*board, "CPU_RESET_n"));
    }
}

TEST(StratixVFillers, ReferenceClocks) {
    struct Case {
        const char* name;
        BoardId board;
        void (*edit)(Record& r);
        const char* pin;
        const char* group;     // the group that holds it; nullptr: no such pin
        const char* frequency; // "": a plain input
    };
    const Case cases[] = {
        {"ombrel SATA device 1 at 156.25", MAINBOARD_OMBREL,
         [](Record& r) {
             r[OMBREL(SataDevice1)] = 1;
             SetI32(r, OMBREL(Cdcm61004Index), 7);
         },
         "SATA_DEVICE_REFCLK_p", "SATA", "156.25 MHz"},
        {"ombrel SATA unchanged", MAINBOARD_OMBREL,
         [](Record& r) {
             r[OMBREL(SataHost0)] = 1;
             SetI32(r, OMBREL(Cdcm61004Index), 0);
         },
         "SATA_HOST_REFCLK_p", "SATA", ""},
        {"pellix SATA with CDCM61004 off: no 0 MHz clock", MAINBOARD_PELLIX,
         [](Record& r) { r[PELLIX(SataHost)] = 1; }, "SATA_REFCLK_p", "SATA", ""},
        {"pellix SFP+ B and D: SFP1G on D", MAINBOARD_PELLIX,
         [](Record& r) {
             r[PELLIX(Sfp) + 1] = 1;
             r[PELLIX(Sfp) + 3] = 1;
             SetI32(r, PELLIX(Cdcm61004Index), 4);
         },
         "SFP1G_REFCLK_p", "SFP+ D", "125.00 MHz"},
        {"pellix SFP+ B alone", MAINBOARD_PELLIX,
         [](Record& r) {
             r[PELLIX(Sfp) + 1] = 1;
             SetI32(r, PELLIX(Cdcm61004Index), 10);
         },
         "SFP1G_REFCLK_p", "SFP+ B", "312.50 MHz"},
        {"pellix SFP+ and transceiver card: AB6 once", MAINBOARD_PELLIX,
         [](Record& r) {
             r[PELLIX(Sfp)] = 1;
             r[PELLIX(HsmcACard)] = 3;
             SetI32(r, PELLIX(Cdcm61004Index), 3);
         },
         "HSMC_REFCLK_p", nullptr, ""},
        {"pellix transceiver card alone", MAINBOARD_PELLIX,
         [](Record& r) {
             r[PELLIX(HsmcACard)] = 3;
             SetI32(r, PELLIX(Cdcm61004Index), 3);
         },
         "HSMC_REFCLK_p", "HSMC Transceiver Reference Clock", "100.00 MHz"},
        {"nolvar SATA", MAINBOARD_NOLVAR, [](Record& r) { r[NOLVAR(Sata)] = 1; }, "SATA_REFCLK_p",
         "SATA", ""},
        {"nolvar Si570 at 100", MAINBOARD_NOLVAR,
         [](Record& r) {
             r[NOLVAR(SfpA)] = 1;
             SetI32(r, NOLVAR(Si570Index), 1);
         },
         "SFP_REFCLK_p", "SFP+ 10G Referece Clock which is generated by Si570", "100.00000 MHz"},
        {"calvet LMK04906 output 3 at 644.53125", MAINBOARD_CALVET,
         [](Record& r) {
             r[CALVET(Lmk04906Pll)] = 1;
             r[CALVET(LmkOutputIndex)] = 1;
             r[CALVET(LmkOutputIndex) + 1] = 0;
             r[CALVET(LmkOutputIndex) + 2] = 0;
         },
         "FMCD_ONBOARD_REFCLK_p[1]", "LMK04906B External PLL", "644.531250 MHz"},
        // A port comes from one connector: with both chips the LMK04906's
        // bits of the shared buses join the CDCM6208 group.
        {"calvet both chips share FMCD_ONBOARD_REFCLK_p", MAINBOARD_CALVET,
         [](Record& r) {
             r[CALVET(Lmk04906Pll)] = 1;
             r[CALVET(Cdcm6208Pll)] = 1;
         },
         "FMCD_ONBOARD_REFCLK_p[1]", "CDCM6208 External PLL", "644.531250 MHz"},
        {"calvet CDCM6208 DDR3 clock", MAINBOARD_CALVET,
         [](Record& r) { r[CALVET(Cdcm6208Pll)] = 1; }, "DDR3_REFCLK_p", "CDCM6208 External PLL",
         "133.333328 MHz"},
        {"calvet CDCM6208 PCIe off", MAINBOARD_CALVET,
         [](Record& r) { r[CALVET(Cdcm6208Pll)] = 1; }, "PCIE_ONBOARD_REFCLK_p", nullptr, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Record r = AllOff(c.board);
        c.edit(r);
        const auto board = Filled(c.board, r);
        const TPin* pin = FindPin(*board, c.pin);
        if (!c.group) {
            EXPECT_FALSE(pin);
            continue;
        }
        ASSERT_TRUE(pin);
        const std::vector<std::string> names = PinNames(*FindConnector(*board, c.group));
        EXPECT_NE(std::find(names.begin(), names.end(), c.pin), names.end());
        EXPECT_EQ(pin->GetFrequency(), c.frequency);
        EXPECT_EQ(pin->IsClockPin(), *c.frequency != '\0');
        EXPECT_EQ(pin->GetDirection(), PIN_DIR_INPUT);
    }
}

TEST(StratixVFillers, ExpansionConnectors) {
    struct Case {
        const char* name;
        BoardId board;
        void (*edit)(Record& r);
        const char* connector;
        const char* description;
        int id, type, cardId, positions, placeholders;
    };
    const Case cases[] = {
        {"ombrel DDR3 B", MAINBOARD_OMBREL, [](Record& r) { r[OMBREL(Ddr3B)] = 1; }, "DDR3 SODIMM",
         "DDR3 SODIMM_B", 25, 6, -1, 204, 124},
        {"pellix HSMC-A", MAINBOARD_PELLIX, [](Record& r) { r[PELLIX(HsmcACard)] = 3; }, "HSMC-A",
         "HSMC-A connect to HSMC Default With Transceiver", 8, 1, -1, 160, 116},
        {"calvet DDR3", MAINBOARD_CALVET, [](Record& r) { r[CALVET(Ddr3)] = 1; }, "DDR3 SODIMM",
         "DDR3 SODIMM", 24, 6, -1, 204, 124},
        {"calvet GPIO", MAINBOARD_CALVET, [](Record& r) { r[CALVET(GpioCardId)] = 1; }, "GPIO",
         "GPIO connect to GPIO Default", 16, 3, -1, 40, 36},
        {"calvet FMCA", MAINBOARD_CALVET, [](Record& r) { r[CALVET(FmcCardId)] = 45; }, "FMCA",
         nullptr, 20, 8, 45, 400, 194},
        {"calvet FMCB", MAINBOARD_CALVET, [](Record& r) { r[CALVET(FmcCardId) + 1] = 41; }, "FMCB",
         nullptr, 21, 9, 41, 400, 79},
        {"calvet FMCC", MAINBOARD_CALVET, [](Record& r) { r[CALVET(FmcCardId) + 2] = 46; }, "FMCC",
         nullptr, 22, 9, 46, 400, 79},
        {"calvet FMCD", MAINBOARD_CALVET, [](Record& r) { r[CALVET(FmcCardId) + 3] = 40; }, "FMCD",
         nullptr, 23, 8, 40, 400, 194},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Record r = AllOff(c.board);
        c.edit(r);
        const auto board = Filled(c.board, r);
        const TConnector* conn = board->GetExpansionConnector(static_cast<ConnectorId>(c.id));
        ASSERT_TRUE(conn);
        EXPECT_EQ(conn->GetName(), c.connector);
        if (c.description) {
            EXPECT_EQ(conn->GetDescription(), c.description);
        }
        EXPECT_EQ(static_cast<int>(conn->GetType()), c.type);
        EXPECT_EQ(conn->GetCardId(), c.cardId);
        ASSERT_EQ(conn->GetPinCount(), c.positions);
        int placeholders = 0;
        for (int j = 0; j < conn->GetPinCount(); ++j) {
            if (const TPin* p = conn->GetPin(j)) {
                ++placeholders;
                EXPECT_EQ(p->GetDirection(), PIN_DIR_FROM_CARD);
                EXPECT_EQ(p->GetIoStandard(), IOSTD_FROM_CARD);
            }
        }
        EXPECT_EQ(placeholders, c.placeholders);
    }
    // Ombrel's socket A is not made for socket B.
    Record r = AllOff(MAINBOARD_OMBREL);
    r[OMBREL(Ddr3B)] = 1;
    EXPECT_FALSE(Filled(MAINBOARD_OMBREL, r)->GetExpansionConnector(CONNECTOR_ID_DDR3_SODIMM_A));
}

TEST(StratixVFillers, CalvetRzqNames) {
    Record r = AllOff(MAINBOARD_CALVET);
    r[CALVET(Ddr3)] = 1;
    r[CALVET(FmcCardId) + 2] = 46;
    const auto board = Filled(MAINBOARD_CALVET, r);
    EXPECT_EQ(PinNames(*FindConnector(*board, "RZQ for FMC and DDR3")),
              (std::vector<std::string>{"RZQ_DDR3", "RZQ_FMC"}));
}

TEST(StratixVFillers, CdcmGroupNames) {
    struct Case {
        bool sfp, sata, card;
        const char* name;
    };
    const Case cases[] = {
        {true, true, false,
         "Programmalbe Oscillator CDCM61004 for referece clock of SFP+1G and SATA"},
        {false, true, false, "Programmalbe Oscillator CDCM61004 for referece clock of SATA"},
        {true, false, false, "Programmalbe Oscillator CDCM61004 for referece clock of SFP+ 1G"},
        {false, false, true, "Programmalbe Oscillator CDCM61004 for referece clock of SFP+ 1G"},
    };
    for (const Case& c : cases) {
        Record r = AllOff(MAINBOARD_PELLIX);
        r[PELLIX(Sfp) + 2] = c.sfp;
        r[PELLIX(SataHost)] = c.sata;
        r[PELLIX(HsmcACard)] = c.card ? 21 : 0;
        SetI32(r, PELLIX(Cdcm61004Index), 5);
        const auto board = Filled(MAINBOARD_PELLIX, r);
        EXPECT_TRUE(FindConnector(*board, c.name)) << c.name;
        EXPECT_EQ(PinNames(*FindConnector(*board, c.name)).size(), 9u);
    }
}

TEST(StratixVFillersDeathTest, RecordOfAnotherBoardOrSize) {
    for (const BoardId id :
         {MAINBOARD_OMBREL, MAINBOARD_PELLIX, MAINBOARD_NOLVAR, MAINBOARD_CALVET}) {
        Record r = Defaults(id);
        r[0] = 99;
        EXPECT_DEATH(Filled(id, r), "Config.BoardId == MAINBOARD_");
        r = Defaults(id);
        r[4] = 1;
        EXPECT_DEATH(Filled(id, r), "Config.Size == sizeof");
    }
}

// --- generation --------------------------------------------------------------

// A loaded Ombrel record whose oscillators have no consumer generates no
// external-PLL block (and so needs no PLL_SCL/PLL_SDA).
TEST(StratixVGeneration, OmbrelRecordWithoutConsumersWritesNoExtPll) {
    Record r = AllOff(MAINBOARD_OMBREL);
    SetI32(r, OMBREL(Cdcm61001Index), 5);
    MendRecord(Def(MAINBOARD_OMBREL), r);
    const auto board = BuildBoardModel(Def(MAINBOARD_OMBREL), r);
    EXPECT_EQ(BoardVerilog(*board), "");
}

TEST(StratixVGeneration, Ddr3ModulesTakeTheirPrefixes) {
    Record r = AllOff(MAINBOARD_OMBREL);
    r[OMBREL(Ddr3A)] = 1;
    r[OMBREL(Ddr3B)] = 1;
    auto board = BuildBoardModel(Def(MAINBOARD_OMBREL), r);
    EXPECT_TRUE(FindPin(*board, "DDR3A_DQ[0]"));
    EXPECT_TRUE(FindPin(*board, "DDR3B_DQ[63]"));
    Record c = AllOff(MAINBOARD_CALVET);
    c[CALVET(Ddr3)] = 1;
    board = BuildBoardModel(Def(MAINBOARD_CALVET), c);
    EXPECT_TRUE(FindPin(*board, "DDR3_DQ[0]"));
}

struct GoldenCase {
    std::string name;
    BoardId board;
    void (*edit)(Record& r);
};

const GoldenCase kGoldens[] = {
    {"S5", MAINBOARD_OMBREL, [](Record&) {}},
    {"ombrel_clock_button_off_sata", MAINBOARD_OMBREL,
     [](Record& r) {
         r[OMBREL(Clock)] = 0;
         r[OMBREL(Button)] = 0;
         r[OMBREL(SataHost1)] = 1;
         SetI32(r, OMBREL(Cdcm61004Index), 0);
         SetI32(r, OMBREL(Si570Index), 0);
     }},
    {"ombrel_everything", MAINBOARD_OMBREL,
     [](Record& r) {
         r = AllOn(MAINBOARD_OMBREL);
         SetRecordFieldText(r, 8, "ombrel_everything");
         SetI32(r, OMBREL(Si570Index), 3);
         SetI32(r, OMBREL(Cdcm61001Index), 7);
         SetI32(r, OMBREL(Cdcm61004Index), 11);
     }},
    {"Pellix", MAINBOARD_PELLIX, [](Record&) {}},
    {"pellix_sfp_sata_card3", MAINBOARD_PELLIX,
     [](Record& r) {
         r[PELLIX(Sfp) + 1] = 1;
         r[PELLIX(SataHost)] = 1;
         r[PELLIX(SataDevice)] = 1;
         r[PELLIX(HsmcACard)] = 3;
         SetI32(r, PELLIX(Si570Index), 3);
         SetI32(r, PELLIX(Cdcm61004Index), 4);
     }},
    {"pellix_clock_off_cdcm_only", MAINBOARD_PELLIX,
     [](Record& r) {
         r[PELLIX(Clock)] = 0;
         r[PELLIX(SataDevice)] = 1;
         r[PELLIX(HsmcACard)] = 21;
         SetRecordFieldText(r, PELLIX(HsmcAPrefix), "TX_");
         SetI32(r, PELLIX(Cdcm61004Index), 1);
     }},
    {"Nolvar", MAINBOARD_NOLVAR, [](Record&) {}},
    {"nolvar_sfp_a_b", MAINBOARD_NOLVAR,
     [](Record& r) {
         r[NOLVAR(SfpA)] = 1;
         r[NOLVAR(SfpB)] = 1;
         r[NOLVAR(Ddr3B)] = 1;
         r[NOLVAR(Qdr) + 2] = 1;
         SetI32(r, NOLVAR(Si570Index), 7);
         SetI32(r, NOLVAR(Cdcm61004Index), 1);
     }},
    {"nolvar_clock_off_cdcm_only", MAINBOARD_NOLVAR,
     [](Record& r) {
         r[NOLVAR(Clock)] = 0;
         r[NOLVAR(SfpB)] = 1;
         SetI32(r, NOLVAR(Cdcm61004Index), 9);
     }},
    {"CALVET", MAINBOARD_CALVET, [](Record&) {}},
    {"calvet_cards", MAINBOARD_CALVET,
     [](Record& r) {
         r[CALVET(Cdcm6208Pll)] = 1;
         r[CALVET(Lmk04906Pll)] = 1;
         r[CALVET(Ddr3)] = 1;
         r[CALVET(GpioCardId)] = 1;
         const std::uint8_t cards[] = {45, 41, 46, 40};
         const char* prefixes[] = {"A_", "B_", "C_", "D_"};
         for (int n = 0; n < 4; ++n) {
             r[CALVET(FmcCardId) + static_cast<std::size_t>(n)] = cards[n];
             SetRecordFieldText(
                 r, CALVET(FmcPrefixName) + kRecordTextSize * static_cast<std::size_t>(n),
                 prefixes[n]);
         }
     }},
    {"calvet_clock_key_off", MAINBOARD_CALVET,
     [](Record& r) {
         r[CALVET(Clock)] = 0;
         r[CALVET(Button)] = 0;
         r[CALVET(Cdcm6208Pll)] = 1;
         r[CALVET(Lmk04906Pll)] = 1;
     }},
};

class StratixVGolden : public testing::TestWithParam<GoldenCase> {};

TEST_P(StratixVGolden, MatchesFixturesAndPassesTheTools) {
    const GoldenCase& c = GetParam();
    golden::ExpectGoldenProject(c.board, c.name,
                                [&](const BoardDef&, golden::Record& r) { c.edit(r); });
}

INSTANTIATE_TEST_SUITE_P(Records, StratixVGolden, testing::ValuesIn(kGoldens),
                         [](const testing::TestParamInfo<GoldenCase>& info) {
                             return info.param.name;
                         });

#undef OMBREL
#undef PELLIX
#undef NOLVAR
#undef CALVET

} // namespace
