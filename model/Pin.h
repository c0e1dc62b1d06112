#pragma once
// One FPGA signal as the generated project sees it, and the two small
// vocabularies every other unit uses by number: direction codes and I/O
// standard codes.

#include <cstdint>
#include <string>

enum class PinDirection : std::uint8_t {
    PIN_DIR_NONE = 0, // the position carries no signal; writers skip it
    PIN_DIR_INOUT = 1,
    PIN_DIR_INPUT = 2,
    PIN_DIR_OUTPUT = 3,
    PIN_DIR_FROM_CARD = 4, // board placeholder: taken from the card merged onto it
};
using enum PinDirection;

enum class IoStd : std::uint8_t {
    IOSTD_1V5 = 0,
    IOSTD_1V5_HSTL_I = 1,
    IOSTD_1V5_HSTL_II = 2,
    IOSTD_1V8 = 3,
    IOSTD_1V8_HSTL_I = 4,
    IOSTD_1V8_HSTL_II = 5,
    IOSTD_2V5 = 6,
    IOSTD_3V3_LVCMOS = 7,
    IOSTD_3V3_LVTTL = 8,
    IOSTD_DIFF_1V5_HSTL_I = 9,
    IOSTD_DIFF_1V5_HSTL_II = 10,
    IOSTD_DIFF_1V5_SSTL = 11,
    IOSTD_DIFF_1V5_SSTL_I = 12,
    IOSTD_DIFF_1V5_SSTL_II = 13,
    IOSTD_DIFF_1V8_HSTL_I = 14,
    IOSTD_DIFF_1V8_HSTL_II = 15,
    IOSTD_DIFF_1V8_SSTL_I = 16,
    IOSTD_DIFF_1V8_SSTL_II = 17,
    IOSTD_DIFF_2V5_SSTL_I = 18,
    IOSTD_DIFF_2V5_SSTL_II = 19,
    IOSTD_DIFF_LVPECL = 20,
    IOSTD_LVDS = 21,
    IOSTD_LVDS_E_1R = 22,
    IOSTD_LVDS_E_3R = 23,
    IOSTD_MINI_LVDS = 24,
    IOSTD_MINI_LVDS_E_1R = 25,
    IOSTD_RSDS = 26,
    IOSTD_RSDS_E_1R = 27,
    IOSTD_SSTL15 = 28,
    IOSTD_SSTL15_I = 29,
    IOSTD_SSTL15_II = 30,
    IOSTD_SSTL18_I = 31,
    IOSTD_SSTL18_II = 32,
    IOSTD_SSTL2_I = 33,
    IOSTD_SSTL2_II = 34,
    IOSTD_1V4_PCML = 35,
    IOSTD_1V5_PCML = 36,
    IOSTD_HCSL = 37,
    IOSTD_3V0_PCI = 38,
    IOSTD_3V0_PCIX = 39,
    IOSTD_1V2 = 40,
    IOSTD_1V2_HSTL_I = 41,
    IOSTD_1V2_HSTL_II = 42,
    IOSTD_1V2_HSUL = 43,
    IOSTD_DIFF_1V2_HSTL_I = 44,
    IOSTD_DIFF_1V2_HSTL_II = 45,
    IOSTD_DIFF_1V2_HSUL = 46,
    IOSTD_1V5_SCHMITT = 47,
    IOSTD_1V8_SCHMITT = 48,
    IOSTD_2V5_SCHMITT = 49,
    IOSTD_3V3_SCHMITT = 50,
    IOSTD_SSTL15_B = 51,
    IOSTD_HSSI_DIFF = 52,
    IOSTD_1V2_POD = 53,
    IOSTD_DIFF_1V2_POD = 54,
    IOSTD_SSTL12 = 55,
    IOSTD_DIFF_1V2_SSTL = 56,
    IOSTD_3V0_LVTTL = 57,
    IOSTD_CML = 58,
    IOSTD_FROM_CARD = 60, // board placeholder: taken from the card
};
using enum IoStd;

// The Verilog keyword of a signal direction, six characters wide: "inout ",
// "input " or "output". Any other direction is an internal error.
const char* VerilogDirectionKeyword(PinDirection direction);

// The Quartus name of an I/O standard (codes 0..58). Any other code beeps
// and gives empty text.
std::string IoStandardName(IoStd code);

// Whether a standard drives a signal over a pin pair (the differential
// SSTL/HSTL/HSUL/POD codes, LVDS and its kin, LVPECL, HCSL, PCML, HSSI and
// CML): Quartus places the pair's n pin from its p pin.
bool IsDifferentialStandard(IoStd code);

// A single-ended level: "1.2 V", "1.5 V", "1.8 V", "2.5 V", "3.3-V LVTTL",
// "3.3-V LVCMOS", "3.0-V PCI", "3.0-V PCI-X" and "3.0-V LVTTL" (no SSTL,
// HSTL, HSUL, POD or Schmitt-trigger code).
bool IsSingleEndedLevel(IoStd code);
// A transceiver standard: PCML or HSSI.
bool IsTransceiverStandard(IoStd code);

// Pin data. Names and locations are unlimited texts.
struct CONFIG {
    std::string Name;     // signal name; "base[index]" makes it one bit of a bus
    std::string Location; // FPGA location without "PIN_"; empty = none
    PinDirection Direction = PIN_DIR_NONE;
    IoStd IoStandard = IOSTD_1V5;
    bool I2cFlag = false;      // I2C/SMBus line of a card map; carried, never read
    std::int32_t PinIndex = 0; // 1-based position on its connector, -1 = not set
    std::int32_t IsClock = 0;  // exactly 1 = clock; any other value is no clock
    std::int32_t PeriodNs = 0; // clock period; used only when Frequency is empty
    std::string Frequency;     // for example "50.000000 MHz"
    std::string Note;
};

class TPin : public CONFIG {
public:
    // I/O standard 8, everything else zero.
    TPin();
    // Board pin tables: MHz > 0 makes a clock with Frequency "%f MHz".
    TPin(const std::string& name, const std::string& location, PinDirection direction,
         IoStd ioStandard, float mhz);
    // Card pin maps: no location.
    TPin(const std::string& name, PinDirection direction, IoStd ioStandard, std::int32_t pinIndex,
         bool i2cFlag);

    void Assign(const TPin& other) { static_cast<CONFIG&>(*this) = other; }

    void SetName(const std::string& v) {
        if (Name != v)
            Name = v;
    }
    const std::string& GetName() const { return Name; }
    void SetLocation(const std::string& v) {
        if (Location != v)
            Location = v;
    }
    const std::string& GetLocation() const { return Location; }
    void SetDirection(PinDirection v) {
        if (Direction != v)
            Direction = v;
    }
    PinDirection GetDirection() const { return Direction; }
    void SetIoStandard(IoStd v) {
        if (IoStandard != v)
            IoStandard = v;
    }
    IoStd GetIoStandard() const { return IoStandard; }
    void SetPinIndex(std::int32_t v) {
        if (PinIndex != v)
            PinIndex = v;
    }
    std::int32_t GetPinIndex() const { return PinIndex; }
    // Stored widened to 32 bits; read back as the low 8 bits.
    void SetIsClock(std::int8_t v) {
        if (IsClock != v)
            IsClock = v;
    }
    std::int8_t GetIsClock() const { return static_cast<std::int8_t>(IsClock & 0xFF); }
    void SetPeriodNs(std::int32_t v) {
        if (PeriodNs != v)
            PeriodNs = v;
    }
    std::int32_t GetPeriodNs() const { return PeriodNs; }
    void SetFrequency(const std::string& v) {
        if (Frequency != v)
            Frequency = v;
    }
    const std::string& GetFrequency() const { return Frequency; }
    void SetNote(const std::string& v) {
        if (Note != v)
            Note = v;
    }
    const std::string& GetNote() const { return Note; }
    bool GetI2cFlag() const { return I2cFlag; }

    bool IsActive() const { return Direction != PIN_DIR_NONE; }
    // A clock constraint is written only for IsClock == 1.
    bool IsClockPin() const { return IsClock == 1; }
    std::string GetPinIndexText() const;
    std::string GetIoStandardText() const { return IoStandardName(IoStandard); }
    // "inout ", "input " or "output"; any other direction is an internal error.
    std::string GetDirectionText() const;

    // Bus-name operations on Name.
    bool IsBusPin() const;          // holds a '[' and a ']' anywhere
    std::string GetBusName() const; // text before the first '['; empty without one
    // Decimal integer between the first '[' and the first ']'; -1 when either
    // bracket is missing or the text there is not a decimal integer.
    std::int32_t GetBusIndex() const;
};
