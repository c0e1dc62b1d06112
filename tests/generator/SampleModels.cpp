#include "generator/SampleModels.h"

#include "boards/arria10_stratix10/HarvikId.h"
#include "boards/arria10_stratix10/ZarvikId.h"
#include "boards/cyclone4/MarwenId.h"
#include "boards/cyclone5/IlmarchId.h"
#include "boards/cyclone5/RasmerId.h"
#include "boards/cyclone5/SollenId.h"
#include "boards/stratix4/GaldreX1Id.h"
#include "platform/Files.h"

#include <algorithm>

namespace sample {

platform::LocalDateTime FixedTime() {
    platform::LocalDateTime t;
    t.year = 2018;
    t.month = 3;
    t.day = 2;
    t.hour = 14;
    t.minute = 5;
    t.second = 9;
    t.dayOfWeek = 5;
    return t;
}

TConnector* ModelBuilder::Group(const std::string& name, const std::string& description) {
    return board_.AddConnector(new TConnector(name, description, CONNECTOR_NONE, -1));
}

std::string ModelBuilder::NextLocation() {
    static const char* const kRows[] = {"A",  "B",  "C",  "D",  "E",  "F",  "G",  "H",  "J",
                                        "K",  "L",  "M",  "N",  "P",  "R",  "T",  "U",  "V",
                                        "W",  "Y",  "AA", "AB", "AC", "AD", "AE", "AF", "AG",
                                        "AH", "AJ", "AK", "AL", "AM", "AN", "AP", "AR", "AT"};
    const int n = next_++;
    return std::string(kRows[n / 26 % std::size(kRows)]) + std::to_string(n % 26 + 1);
}

TPin* ModelBuilder::Pin(TConnector* c, const std::string& name, PinDirection d, IoStd standard,
                        float mhz) {
    auto* pin = new TPin(name, NextLocation(), d, standard, mhz);
    c->AddPin(pin);
    return pin;
}

void ModelBuilder::Bus(TConnector* c, const std::string& base, int count, PinDirection d,
                       IoStd standard, bool reversed) {
    for (int k = 0; k < count; ++k) {
        const int index = reversed ? count - 1 - k : k;
        Pin(c, base + "[" + std::to_string(index) + "]", d, standard);
    }
}

TConnector* ModelBuilder::Expansion(const std::string& name, const std::string& description,
                                    ConnectorType type, ConnectorId id, int positions,
                                    std::initializer_list<int> empty) {
    auto* c = new TConnector(name, description, type, -1);
    for (int p = 1; p <= positions; ++p) {
        if (std::find(empty.begin(), empty.end(), p) != empty.end()) {
            c->AddEmpty();
        } else {
            c->AddPin(new TPin("", NextLocation(), PIN_DIR_FROM_CARD, IOSTD_FROM_CARD, 0));
        }
    }
    c->SetIsExpansion(true);
    c->SetConnectorId(id);
    return board_.AddConnector(c);
}

void SetCycloneV(TMainBoard& board, BoardId id) {
    board.m_Family = "Cyclone V";
    board.m_Device = "5CGXFC9D6F27C7";
    board.m_Package = "FBGA";
    board.m_PinCount = 672;
    board.m_SpeedGradeText = "C7";
    board.m_BoardId = id;
}

void BuildGroups(TMainBoard& board) {
    SetCycloneV(board, MAINBOARD_ILMARCH);
    ModelBuilder b(board);
    TConnector* clock = b.Group("CLOCK");
    b.Pin(clock, "CLOCK_50_B3B", PIN_DIR_INPUT, IOSTD_1V5, 50.0f);
    b.Pin(clock, "CLOCK_50_B4A", PIN_DIR_INPUT, IOSTD_3V3_LVTTL, 50.0f);
    TPin* periodic = b.Pin(clock, "CLOCK_27", PIN_DIR_INPUT);
    periodic->SetIsClock(1);
    periodic->SetPeriodNs(37);

    TConnector* buttons = b.Group("Buttons");
    b.Bus(buttons, "KEY", 4, PIN_DIR_INPUT, IOSTD_3V3_LVTTL, true);
    b.Pin(buttons, "CPU_RESET_n", PIN_DIR_INPUT);

    TConnector* led = b.Group("LED");
    b.Bus(led, "LED", 12, PIN_DIR_OUTPUT, IOSTD_3V3_LVTTL, true);

    TConnector* hex = b.Group("HEX0");
    b.Pin(hex, "HEX0_DP", PIN_DIR_OUTPUT);
    b.Bus(hex, "HEX0", 7, PIN_DIR_OUTPUT);

    TConnector* sdram = b.Group("SDRAM", "64MB SDRAM");
    b.Pin(sdram, "DRAM_CLK", PIN_DIR_OUTPUT);
    b.Bus(sdram, "DRAM_ADDR", 13, PIN_DIR_OUTPUT);
    b.Bus(sdram, "DRAM_DQ", 16, PIN_DIR_INOUT, IOSTD_3V3_LVTTL, true);
    b.Pin(sdram, "DRAM_CS_n", PIN_DIR_OUTPUT);

    TConnector* ddr3 = b.Group("DDR3");
    b.Pin(ddr3, "DDR3_CK_p", PIN_DIR_OUTPUT, IOSTD_DIFF_1V5_SSTL_I);
    b.Bus(ddr3, "DDR3_DQ", 8, PIN_DIR_INOUT, IOSTD_SSTL15_I);
    b.Pin(ddr3, "DDR3_RZQ", PIN_DIR_INPUT, IOSTD_1V5);

    // Positions that carry no signal: no .qsf block, no ports, but a header.
    TConnector* unused = b.Group("Unused");
    b.Pin(unused, "SPARE0", PIN_DIR_NONE);
    b.Pin(unused, "SPARE1", PIN_DIR_NONE);
}

std::unique_ptr<TDaughterBoard> GpioCard() {
    auto card = std::make_unique<TDaughterBoard>();
    card->SetName("Test Camera");
    card->SetType(CONNECTOR_GPIO40);
    int data = 0;
    int led = 0;
    for (int p = 1; p <= 40; ++p) {
        TPin* pin = nullptr;
        if (p == 5 || p == 11 || p == 12 || p == 29 || p == 30) {
            pin = nullptr;
        } else if (p == 1) {
            pin = new TPin("CARD_RST_n", PIN_DIR_OUTPUT, IOSTD_3V3_LVTTL, p, false);
        } else if (p == 2) {
            pin = new TPin("CARD_SCL", PIN_DIR_OUTPUT, IOSTD_3V3_LVTTL, p, true);
        } else if (p == 3) {
            pin = new TPin("CARD_SDA", PIN_DIR_INOUT, IOSTD_3V3_LVTTL, p, true);
        } else if (p == 4) {
            pin = new TPin("CARD_PIXCLK", PIN_DIR_INPUT, IOSTD_3V3_LVTTL, p, false);
            pin->SetIsClock(1);
            pin->SetFrequency("96.000000 MHz");
        } else if (p <= 36) {
            pin = new TPin("CARD_D[" + std::to_string(data++) + "]", PIN_DIR_INOUT, IOSTD_3V3_LVTTL,
                           p, false);
        } else {
            pin = new TPin("CARD_LED[" + std::to_string(led++) + "]", PIN_DIR_OUTPUT,
                           IOSTD_3V3_LVTTL, p, false);
        }
        card->AddPin(pin);
    }
    return card;
}

void BuildGpioCard(TMainBoard& board) {
    SetCycloneV(board, MAINBOARD_ILMARCH);
    ModelBuilder b(board);
    TConnector* clock = b.Group("CLOCK");
    b.Pin(clock, "CLOCK_50", PIN_DIR_INPUT, IOSTD_3V3_LVTTL, 50.0f);
    TConnector* led = b.Group("LED");
    b.Bus(led, "LED", 4, PIN_DIR_OUTPUT);

    TConnector* gpio = b.Expansion("GPIO_0", "GPIO_0 connect to Test Camera", CONNECTOR_GPIO40,
                                   CONNECTOR_ID_GPIO_0, 40, {11, 12, 29, 30});
    // The board fixes the direction of position 1 and the standard of
    // position 2; past the card's 40 positions it has a reference clock of
    // its own and a placeholder that no card reaches.
    gpio->GetPin(0)->SetDirection(PIN_DIR_INOUT);
    gpio->GetPin(1)->SetIoStandard(IOSTD_2V5);
    gpio->AddPin(new TPin("GPIO_REFCLK", b.NextLocation(), PIN_DIR_INPUT, IOSTD_3V3_LVTTL, 25.0f));
    gpio->AddPin(new TPin("", b.NextLocation(), PIN_DIR_FROM_CARD, IOSTD_FROM_CARD, 0));

    GpioCard()->UpdateMasterConnector(gpio, "CAM_");
}

void BuildFmc(TMainBoard& board) {
    SetCycloneV(board, MAINBOARD_RASMER);
    ModelBuilder b(board);
    TConnector* clock = b.Group("CLOCK");
    b.Pin(clock, "CLOCK_50", PIN_DIR_INPUT, IOSTD_3V3_LVTTL, 50.0f);

    TConnector* fmc =
        b.Expansion("FMC", "FMC connect to Test FMC LPC", CONNECTOR_FMC_HPC, CONNECTOR_ID_FMC_A,
                    400, {40, 80, 120, 160, 200, 240, 280, 320, 360, 400});
    TDaughterBoard card;
    card.SetType(CONNECTOR_FMC_LPC);
    for (int p = 1; p <= 400; ++p) {
        TPin* pin = nullptr;
        if (p >= 1 && p <= 8) {
            pin =
                new TPin("LA_D[" + std::to_string(p - 1) + "]", PIN_DIR_INOUT, IOSTD_2V5, p, false);
        } else if (p == 83) {
            pin = new TPin("CLK_M2C", PIN_DIR_INPUT, IOSTD_2V5, p, false);
            pin->SetIsClock(1);
            pin->SetPeriodNs(8);
        } else if (p == 121 || p == 122) {
            pin = new TPin(p == 121 ? "SCL" : "SDA", PIN_DIR_INOUT, IOSTD_2V5, p, true);
        } else if (p == 399) {
            pin = new TPin("PG_C2M", PIN_DIR_OUTPUT, IOSTD_2V5, p, false);
        }
        card.AddPin(pin);
    }
    card.UpdateMasterConnector(fmc, "FMC_");
}

void BuildVhdl(TMainBoard& board) {
    SetCycloneV(board, MAINBOARD_ILMARCH);
    ModelBuilder b(board);
    TConnector* clock = b.Group("CLOCK");
    b.Pin(clock, "CLOCK_50", PIN_DIR_INPUT, IOSTD_3V3_LVTTL, 50.0f);
    TConnector* keys = b.Group("KEY", "Push buttons");
    b.Bus(keys, "KEY", 4, PIN_DIR_INPUT);
    TConnector* names = b.Group("Names");
    b.Pin(names, "SIXTEEN_CHARS_AB", PIN_DIR_OUTPUT);
    b.Pin(names, "SEVENTEEN_CHARS_A", PIN_DIR_INPUT);
    b.Bus(names, "ARD_IO", 16, PIN_DIR_INOUT, IOSTD_3V3_LVTTL, true);
    TConnector* led = b.Group("LED");
    b.Bus(led, "LED", 4, PIN_DIR_OUTPUT);
}

void BuildGaldreX1(TMainBoard& board) {
    board.m_Family = "Stratix IV";
    board.m_Device = "EP4SGX230KF40C2";
    board.m_Package = "FBGA";
    board.m_PinCount = 1517;
    board.m_SpeedGrade = 2;
    board.m_BoardId = MAINBOARD_GALDRE_X1;
    board.m_BoardRecord = RecordCopy(kGaldreX1ConfigSize);
    board.m_BoardRecord.SetU8(160, 1);
    board.m_BoardRecord.SetU8(162, 4);
    board.m_BoardRecord.SetU8(163, 1);
    board.m_BoardRecord.SetU8(164, 0);
    ModelBuilder b(board);
    TConnector* clock = b.Group("CLOCK");
    b.Pin(clock, "OSC_50_BANK2", PIN_DIR_INPUT, IOSTD_2V5, 50.0f);
    TConnector* buttons = b.Group("Buttons");
    b.Pin(buttons, "CPU_RESET_n", PIN_DIR_INPUT, IOSTD_2V5);
    TConnector* pll = b.Group("External PLL");
    b.Pin(pll, "MAX_I2C_SCLK", PIN_DIR_OUTPUT, IOSTD_2V5);
    b.Pin(pll, "MAX_I2C_SDAT", PIN_DIR_INOUT, IOSTD_2V5);
    TConnector* led = b.Group("LED");
    b.Bus(led, "LED", 8, PIN_DIR_OUTPUT, IOSTD_2V5);
}

void BuildSollen(TMainBoard& board) {
    board.m_Family = "Cyclone V";
    board.m_Device = "5CSXFC6D6F31C6";
    board.m_Package = "FBGA";
    board.m_PinCount = 896;
    board.m_SpeedGradeText = "C6";
    board.m_BoardId = MAINBOARD_SOLLEN;
    board.m_BoardRecord = RecordCopy(kSollenConfigSize);
    for (std::size_t offset = 140; offset <= 143; ++offset) {
        board.m_BoardRecord.SetU8(offset, 1);
    }
    ModelBuilder b(board);
    TConnector* clock = b.Group("CLOCK");
    b.Pin(clock, "CLOCK_50", PIN_DIR_INPUT, IOSTD_3V3_LVTTL, 50.0f);
    TConnector* video = b.Group("Video-In");
    b.Pin(video, "TD_CLK27", PIN_DIR_INPUT);
    b.Bus(video, "TD_DATA", 8, PIN_DIR_INPUT);
    b.Pin(video, "TD_HS", PIN_DIR_INPUT);
    b.Pin(video, "TD_VS", PIN_DIR_INPUT);
    b.Pin(video, "TD_RESET_N", PIN_DIR_OUTPUT);
    TConnector* sdram = b.Group("SDRAM");
    b.Pin(sdram, "DRAM_CLK", PIN_DIR_OUTPUT);
    b.Bus(sdram, "DRAM_ADDR", 13, PIN_DIR_OUTPUT);
    b.Bus(sdram, "DRAM_BA", 2, PIN_DIR_OUTPUT);
    b.Bus(sdram, "DRAM_DQ", 16, PIN_DIR_INOUT);
    for (const char* name : {"DRAM_LDQM", "DRAM_UDQM", "DRAM_RAS_N", "DRAM_CAS_N", "DRAM_WE_N",
                             "DRAM_CKE", "DRAM_CS_N"}) {
        b.Pin(sdram, name, PIN_DIR_OUTPUT);
    }
    TConnector* audio = b.Group("Audio");
    b.Pin(audio, "AUD_XCK", PIN_DIR_OUTPUT);
    b.Pin(audio, "AUD_BCLK", PIN_DIR_INOUT);
    b.Pin(audio, "AUD_ADCDAT", PIN_DIR_INPUT);
    b.Pin(audio, "AUD_DACDAT", PIN_DIR_OUTPUT);
    TConnector* vga = b.Group("VGA");
    b.Pin(vga, "VGA_CLK", PIN_DIR_OUTPUT);
    b.Bus(vga, "VGA_R", 8, PIN_DIR_OUTPUT);
    b.Bus(vga, "VGA_G", 8, PIN_DIR_OUTPUT);
    b.Bus(vga, "VGA_B", 8, PIN_DIR_OUTPUT);
    b.Pin(vga, "VGA_BLANK_N", PIN_DIR_OUTPUT);
    b.Pin(vga, "VGA_HS", PIN_DIR_OUTPUT);
    b.Pin(vga, "VGA_VS", PIN_DIR_OUTPUT);
}

void BuildMarwen(TMainBoard& board) {
    board.m_Family = "Cyclone IV GX";
    board.m_Device = "EP4CGX150DF31C7";
    board.m_Package = "FBGA";
    board.m_PinCount = 896;
    board.m_SpeedGradeText = "7";
    board.m_BoardId = MAINBOARD_MARWEN;
    board.m_BoardRecord = RecordCopy(kMarwenConfigSize);
    for (std::size_t offset : {137, 138, 139, 140, 144, 146, 148, 154}) {
        board.m_BoardRecord.SetU8(offset, 1);
    }
    board.m_BoardRecord.SetU8(292, 4); // the LVDS card on the HSMC port
    ModelBuilder b(board);
    TConnector* clock = b.Group("CLOCK");
    b.Pin(clock, "CLOCK_50", PIN_DIR_INPUT, IOSTD_3V3_LVTTL, 50.0f);
    TConnector* keys = b.Group("KEY");
    b.Bus(keys, "KEY", 18, PIN_DIR_INPUT);
    TConnector* sw = b.Group("SW");
    b.Bus(sw, "SW", 18, PIN_DIR_INPUT);
    TConnector* led = b.Group("LED");
    b.Bus(led, "LEDG", 9, PIN_DIR_OUTPUT);
    b.Bus(led, "LEDR", 18, PIN_DIR_OUTPUT);
    TConnector* hex = b.Group("HEX2");
    b.Bus(hex, "HEX2", 7, PIN_DIR_OUTPUT);
    TConnector* misc = b.Group("Misc");
    b.Pin(misc, "LCD_ON", PIN_DIR_OUTPUT);
    b.Pin(misc, "G_SENSOR_INT1", PIN_DIR_INPUT);
    b.Pin(misc, "PCIE_WAKE_N", PIN_DIR_OUTPUT);
    b.Pin(misc, "FAN_CTRL", PIN_DIR_OUTPUT);
    // Its location makes the NCEO reservation line appear.
    b.Pin(misc, "UART_TXD", PIN_DIR_OUTPUT)->SetLocation("AE7");
    // As on the board, the address bus starts at bit 1: FS_ADDR[0] is no
    // port, and the board's VIRTUAL_PIN line for it names no placed pin.
    TConnector* flash = b.Group("Flash");
    for (int bit = 1; bit <= 4; ++bit) {
        b.Pin(flash, "FS_ADDR[" + std::to_string(bit) + "]", PIN_DIR_OUTPUT);
    }
    TConnector* hsmc = b.Group("HSMC");
    b.Bus(hsmc, "HSMC_D", 4, PIN_DIR_INOUT);
}

std::string TestConfigBoard::GetVhdlArchitecture(const std::string& entityName) {
    std::string out = vhdlArchitecture;
    for (std::size_t at; (at = out.find("%s")) != std::string::npos;) {
        out.replace(at, 2, entityName);
    }
    return out;
}

bool TestConfigBoard::ExportIpFiles(const std::string& projectFolder) {
    exportCalls.push_back(projectFolder);
    const std::string folder =
        exportFolder.empty() ? projectFolder : platform::JoinPath(projectFolder, exportFolder);
    for (const auto& [file, resource] : exports) {
        if (!ExportResourceFile(platform::JoinPath(folder, file), resource)) {
            return false;
        }
    }
    return true;
}

void BuildHarvik(TMainBoard& board, TestConfigBoard& config) {
    board.m_Family = "Stratix 10";
    board.m_Device = "1SX280HU2F50E1VG";
    board.m_BoardId = MAINBOARD_HARVIK;
    board.m_pConfigBoard = &config;
    config.qsf = "set_global_assignment -name VERILOG_FILE si5340_controller/si5340_test.v\r\n";
    config.vhdlArchitecture = "architecture si5340 of %s is\r\n"
                              "begin\r\n"
                              "\tLED <= (others => '0');\r\n"
                              "\tSI5340_SCL <= 'Z';\r\n"
                              "end si5340;\r\n";
    config.exportFolder = "si5340_controller";
    config.exports = {{"si5340_test.v", "SI5340_TEST_VERILOG"}};
    ModelBuilder b(board);
    TConnector* clock = b.Group("CLOCK");
    b.Pin(clock, "CLK_100_B3I", PIN_DIR_INPUT, IOSTD_1V8, 100.0f);
    TConnector* led = b.Group("LED");
    b.Bus(led, "LED", 4, PIN_DIR_OUTPUT, IOSTD_1V8);
    TConnector* si5340 = b.Group("Si5340");
    b.Pin(si5340, "SI5340_SCL", PIN_DIR_OUTPUT, IOSTD_1V8);
    b.Pin(si5340, "SI5340_SDA", PIN_DIR_INOUT, IOSTD_1V8);
}

void BuildZarvik(TMainBoard& board, TestConfigBoard& config) {
    board.m_Family = "Arria 10";
    board.m_Device = "10AX115S2F45I1SG";
    board.m_BoardId = MAINBOARD_ZARVIK;
    board.m_pConfigBoard = &config;
    config.qsf = "set_global_assignment -name ENABLE_INIT_DONE_OUTPUT OFF\r\n";
    config.verilog = "\r\nassign LED = 4'b0101;\r\n";
    ModelBuilder b(board);
    TConnector* clock = b.Group("CLOCK");
    b.Pin(clock, "CLK_50", PIN_DIR_INPUT, IOSTD_1V8, 50.0f);
    TConnector* led = b.Group("LED");
    b.Bus(led, "LED", 4, PIN_DIR_OUTPUT, IOSTD_1V8);
}

} // namespace sample
