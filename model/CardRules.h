#pragma once
// A board's card rules: how the cards on its connectors derive their I/O
// standards, and which variant of a card's map the board takes where a map
// has several. Data of the board's definition (BoardDef::cardRules); the
// board model carries a copy (TMainBoard::m_CardRules) and the card
// dispatcher hands them to every fill through its context, so a card map
// never asks which board it is on.

#include "model/ModuleOptions.h"
#include "model/Pin.h"

#include <cstdint>

// Where a card's single-ended standard comes from.
enum class SingleEndedRule : std::uint8_t {
    Caller,                 // the standard the caller attaches the card with
    Fixed,                  // the board's own (CardRules::singleEnded)
    CallerForHsmcElseFixed, // HSMC cards the caller's, other cards the board's
};

// Whether the board sets one bank voltage for every card: after the map is
// filled, each single-ended level of a card pin, passed or fixed in the map,
// becomes the derived single-ended standard, and each transceiver standard
// (PCML, HSSI) the derived transceiver standard. Differential, SSTL and HSTL
// codes stay.
enum class CardLevels : std::uint8_t { AsMapped, FollowBank };

// The GPIO Default cards (1, 81-83) without a bus name.
enum class GpioDefaultNaming : std::uint8_t {
    Numbered,       // GPIO[0] to GPIO[35]
    ClockedDataBus, // the older map: GPIO_D[31..0], two clock inputs, two clock outputs
    NameTails,      // names that the connector prefix completes ("_IN[0]", "[1]"), all 3.3-V LVTTL
};

// The HSMC Default cards (2, 3, 86-92, 94): which naming of the connector's
// positions the board takes.
enum class HsmcDefaultNaming : std::uint8_t {
    Common,                // TX_p/RX_p lanes, TX_D_ data pairs, CLKOUT/CLKIN clocks, PRSNT_n
    CommonI2cSdatSclk,     // the common naming with the I2C pair as I2C_SDAT and I2C_SCLK
    CommonOutClocks,       // the common naming with OUT for CLKOUT (clock pair 2 on port 1 only)
    Gxb,                   // GXB_ lanes (p halves only), data pairs without D_
    GxbIndexedClocks,      // the GXB_ naming with the clock pairs indexed in brackets
    GxbIndexedUnderscored, // as GxbIndexedClocks, with CLK_OUT0 and CLK_IN0
    Formula, // GXB_ lanes on the cards with lanes only, OUT clock outputs 0 and 1, no PRSNT_n
};

// Whether the plain HSMC Default cards (those without lanes) come out with
// their names in upper case.
enum class HsmcDefaultCase : std::uint8_t { AsMapped, Upper };

// Card 4: the formula naming (the formula naming of the HSMC Default card
// with its lanes) or the LVDS naming (p halves, pairs at the LVDS standard).
enum class LvdsDefaultNaming : std::uint8_t { Formula, Lvds };

// Card 18 (HSMC debug): the line at position 96, HSM_D[37] inout or
// HSM_D_IN[37] input.
enum class HsmcDebugLine96 : std::uint8_t { Inout, Input };

// Cards 17 and 57-59 (Nimbal adaptor): whether the four clock-input
// positions of the connector (96, 98, 156, 158) are inputs or stay inout.
enum class NimbalClockInputs : std::uint8_t { Inout, Input };

// Card 40 (FMC HPC VITA): the bus-style names of the VITA array table, or
// the VITA names themselves with the table's own single-ended codes.
enum class FmcHpcVitaNaming : std::uint8_t { BusStyle, Vita };

// The DDR2 SO-DIMM (card 9) as a board fills it: its strobes and the
// standard of its presence-detect pins (SDA, SCL, SA[1..0]).
struct Ddr2SodimmRule {
    DqsMode strobes = DqsMode::Differential;
    IoStd presenceDetect = IOSTD_1V8;

    friend bool operator==(const Ddr2SodimmRule&, const Ddr2SodimmRule&) = default;
};

// The DDR3 SO-DIMM (card 38): the map's form (same positions in each).
enum class Ddr3SodimmForm : std::uint8_t {
    Standard,  // upper-case names
    LowerCase, // lower-case names, reset_n at SSTL-15 Class I
    Sstl15,    // data and masks at SSTL-15
};

// The DDR4 SO-DIMM map (cards 39, 77, 78): the full layout, or one rank with
// the first clock and scalar CKE, CK, CS_n and ODT, without SA[0]. Card 39
// always has the full one; the module interface cards (77, 78) follow the
// board's sockets.
enum class Ddr4SodimmLayout : std::uint8_t { Full, OneRank };

struct CardRules {
    // --- the standards the cards derive (DeriveCardStandards) ---------------
    SingleEndedRule singleEndedRule = SingleEndedRule::Caller;
    IoStd singleEnded = IOSTD_3V3_LVTTL; // with a rule other than Caller
    IoStd transceiver = IOSTD_1V5_PCML;
    IoStd second = IOSTD_2V5; // most HSMC maps give it their I2C pins
    CardLevels levels = CardLevels::AsMapped;

    // --- the map variants ----------------------------------------------------
    GpioDefaultNaming gpioDefault = GpioDefaultNaming::Numbered;
    HsmcDefaultNaming hsmcDefault = HsmcDefaultNaming::Common;
    HsmcDefaultCase hsmcDefaultCase = HsmcDefaultCase::AsMapped;
    LvdsDefaultNaming hsmcLvdsDefault = LvdsDefaultNaming::Lvds;
    HsmcDebugLine96 hsmcDebugLine96 = HsmcDebugLine96::Inout;
    NimbalClockInputs nimbalClockInputs = NimbalClockInputs::Inout;
    FmcHpcVitaNaming fmcHpcVita = FmcHpcVitaNaming::BusStyle;

    // --- the memory modules as the registry's module fills make them --------
    Ddr2SodimmRule ddr2Sodimm{};
    Ddr3SodimmForm ddr3Sodimm = Ddr3SodimmForm::Standard;
    Ddr4SodimmLayout ddr4SodimmInterface = Ddr4SodimmLayout::Full;

    friend bool operator==(const CardRules&, const CardRules&) = default;
};
