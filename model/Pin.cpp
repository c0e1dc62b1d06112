#include "model/Pin.h"

#include "platform/Assert.h"
#include "platform/Ui.h"

#include <charconv>
#include <cstdio>
#include <system_error>

namespace {

const char* const kIoStandardNames[] = {
    "1.5 V",
    "1.5-V HSTL Class I",
    "1.5-V HSTL Class II",
    "1.8 V",
    "1.8-V HSTL Class I",
    "1.8-V HSTL Class II",
    "2.5 V",
    "3.3-V LVCMOS",
    "3.3-V LVTTL",
    "Differential 1.5-V HSTL Class I",
    "Differential 1.5-V HSTL Class II",
    "Differential 1.5-V SSTL",
    "Differential 1.5-V SSTL Class I",
    "Differential 1.5-V SSTL Class II",
    "Differential 1.8-V HSTL Class I",
    "Differential 1.8-V HSTL Class II",
    "Differential 1.8-V SSTL Class I",
    "Differential 1.8-V SSTL Class II",
    "Differential 2.5-V SSTL Class I",
    "Differential 2.5-V SSTL Class II",
    "Differential LVPECL",
    "LVDS",
    "LVDS_E_1R",
    "LVDS_E_3R",
    "mini-LVDS",
    "mini-LVDS_E_1R",
    "RSDS",
    "RSDS_E_1R",
    "SSTL-15",
    "SSTL-15 Class I",
    "SSTL-15 Class II",
    "SSTL-18 Class I",
    "SSTL-18 Class II",
    "SSTL-2 Class I",
    "SSTL-2 Class II",
    "1.4-V PCML",
    "1.5-V PCML",
    "HCSL",
    "3.0-V PCI",
    "3.0-V PCI-X",
    "1.2 V",
    "1.2-V HSTL Class I",
    "1.2-V HSTL Class II",
    "1.2-V HSUL",
    "Differential 1.2-V HSTL Class I",
    "Differential 1.2-V HSTL Class II",
    "Differential 1.2-V HSUL",
    "1.5 V Schmitt Trigger",
    "1.8 V Schmitt Trigger",
    "2.5 V Schmitt Trigger",
    "3.3 V Schmitt Trigger",
    "SSTL-15",
    "HSSI Differential I/O",
    "1.2-V POD",
    "Differential 1.2-V POD",
    "SSTL-12",
    "Differential 1.2-V SSTL",
    "3.0-V LVTTL",
    "Current Mode Logic (CML)",
};
static_assert(sizeof kIoStandardNames / sizeof kIoStandardNames[0] == 59);

} // namespace

std::string IoStandardName(IoStd code) {
    const auto index = static_cast<std::size_t>(code);
    if (index < sizeof kIoStandardNames / sizeof kIoStandardNames[0]) {
        return kIoStandardNames[index];
    }
    platform::Beep();
    return std::string();
}

bool IsDifferentialStandard(IoStd code) {
    switch (code) {
    case IOSTD_DIFF_1V5_HSTL_I:
    case IOSTD_DIFF_1V5_HSTL_II:
    case IOSTD_DIFF_1V5_SSTL:
    case IOSTD_DIFF_1V5_SSTL_I:
    case IOSTD_DIFF_1V5_SSTL_II:
    case IOSTD_DIFF_1V8_HSTL_I:
    case IOSTD_DIFF_1V8_HSTL_II:
    case IOSTD_DIFF_1V8_SSTL_I:
    case IOSTD_DIFF_1V8_SSTL_II:
    case IOSTD_DIFF_2V5_SSTL_I:
    case IOSTD_DIFF_2V5_SSTL_II:
    case IOSTD_DIFF_LVPECL:
    case IOSTD_LVDS:
    case IOSTD_LVDS_E_1R:
    case IOSTD_LVDS_E_3R:
    case IOSTD_MINI_LVDS:
    case IOSTD_MINI_LVDS_E_1R:
    case IOSTD_RSDS:
    case IOSTD_RSDS_E_1R:
    case IOSTD_1V4_PCML:
    case IOSTD_1V5_PCML:
    case IOSTD_HCSL:
    case IOSTD_DIFF_1V2_HSTL_I:
    case IOSTD_DIFF_1V2_HSTL_II:
    case IOSTD_DIFF_1V2_HSUL:
    case IOSTD_HSSI_DIFF:
    case IOSTD_DIFF_1V2_POD:
    case IOSTD_DIFF_1V2_SSTL:
    case IOSTD_CML:
        return true;
    default:
        return false;
    }
}

bool IsSingleEndedLevel(IoStd code) {
    switch (code) {
    case IOSTD_1V2:
    case IOSTD_1V5:
    case IOSTD_1V8:
    case IOSTD_2V5:
    case IOSTD_3V3_LVTTL:
    case IOSTD_3V3_LVCMOS:
    case IOSTD_3V0_PCI:
    case IOSTD_3V0_PCIX:
    case IOSTD_3V0_LVTTL:
        return true;
    default:
        return false;
    }
}

bool IsTransceiverStandard(IoStd code) {
    return code == IOSTD_1V4_PCML || code == IOSTD_1V5_PCML || code == IOSTD_HSSI_DIFF;
}

TPin::TPin() {
    IoStandard = IOSTD_3V3_LVTTL;
}

TPin::TPin(const std::string& name, const std::string& location, PinDirection direction,
           IoStd ioStandard, float mhz) {
    Name = name;
    Location = location;
    Direction = direction;
    IoStandard = ioStandard;
    PinIndex = -1;
    if (mhz > 0) {
        IsClock = 1;
        // Six decimals with a point whatever the user's locale: 50 gives
        // "50.000000 MHz".
        char digits[64];
        const auto [end, ec] = std::to_chars(digits, digits + sizeof digits,
                                             static_cast<double>(mhz), std::chars_format::fixed, 6);
        PINSMITH_ASSERT(ec == std::errc());
        Frequency = std::string(digits, end) + " MHz";
    }
}

TPin::TPin(const std::string& name, PinDirection direction, IoStd ioStandard, std::int32_t pinIndex,
           bool i2cFlag) {
    Name = name;
    Direction = direction;
    IoStandard = ioStandard;
    PinIndex = pinIndex;
    I2cFlag = i2cFlag;
}

std::string TPin::GetPinIndexText() const {
    return std::to_string(PinIndex);
}

std::string TPin::GetDirectionText() const {
    return VerilogDirectionKeyword(Direction);
}

const char* VerilogDirectionKeyword(PinDirection direction) {
    switch (direction) {
    case PIN_DIR_INOUT:
        return "inout ";
    case PIN_DIR_INPUT:
        return "input ";
    case PIN_DIR_OUTPUT:
        return "output";
    default:
        PINSMITH_FAIL("VerilogDirectionKeyword: a direction without a port keyword");
    }
}

bool TPin::IsBusPin() const {
    return Name.find('[') != std::string::npos && Name.find(']') != std::string::npos;
}

std::string TPin::GetBusName() const {
    const std::size_t open = Name.find('[');
    return open == std::string::npos ? std::string() : Name.substr(0, open);
}

std::int32_t TPin::GetBusIndex() const {
    const std::size_t open = Name.find('[');
    const std::size_t close = Name.find(']');
    if (open == std::string::npos || close == std::string::npos || close <= open + 1) {
        return -1;
    }
    // Optional sign, then decimal digits only, within the int32 range.
    std::size_t i = open + 1;
    bool negative = false;
    if (Name[i] == '-' || Name[i] == '+') {
        negative = Name[i] == '-';
        ++i;
    }
    if (i >= close) {
        return -1;
    }
    long long value = 0;
    for (; i < close; ++i) {
        const char c = Name[i];
        if (c < '0' || c > '9') {
            return -1;
        }
        value = value * 10 + (c - '0');
        if (value > 2147483647LL) {
            return -1;
        }
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}
