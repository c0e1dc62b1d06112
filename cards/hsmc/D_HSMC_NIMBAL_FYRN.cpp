#include "cards/hsmc/HsmcShared.h"
#include "model/DaughterBoard.h"
#include "platform/Assert.h"

#include <cstddef>
#include <iterator>
#include <span>
#include <string>
#include <string_view>

namespace {

// The camera's signals on header J3 and on header J2 (each J3 position plus
// 60), row for row alike in name and direction.
constexpr CARD_PIN_ROW szFYRN_J3[] = {
    {60, "SDATA", PIN_DIR_INOUT},  {62, "LVAL", PIN_DIR_INPUT},     {66, "TRIGGER", PIN_DIR_OUTPUT},
    {67, "SCLK", PIN_DIR_INOUT},   {68, "RESET_N", PIN_DIR_OUTPUT}, {71, "FVAL", PIN_DIR_INPUT},
    {73, "STROBE", PIN_DIR_INPUT}, {74, "D[0]", PIN_DIR_INPUT},     {78, "D[2]", PIN_DIR_INPUT},
    {79, "D[1]", PIN_DIR_INPUT},   {80, "D[4]", PIN_DIR_INPUT},     {83, "D[3]", PIN_DIR_INPUT},
    {84, "D[6]", PIN_DIR_INPUT},   {85, "D[5]", PIN_DIR_INPUT},     {86, "D[8]", PIN_DIR_INPUT},
    {89, "D[7]", PIN_DIR_INPUT},   {90, "D[10]", PIN_DIR_INPUT},    {91, "D[9]", PIN_DIR_INPUT},
    {92, "D[11]", PIN_DIR_INPUT},  {97, "XCLKIN", PIN_DIR_OUTPUT},  {98, "PIXCLK", PIN_DIR_INPUT},
};
constexpr CARD_PIN_ROW szFYRN_J2[] = {
    {120, "SDATA", PIN_DIR_INOUT},    {122, "LVAL", PIN_DIR_INPUT},
    {126, "TRIGGER", PIN_DIR_OUTPUT}, {127, "SCLK", PIN_DIR_INOUT},
    {128, "RESET_N", PIN_DIR_OUTPUT}, {131, "FVAL", PIN_DIR_INPUT},
    {133, "STROBE", PIN_DIR_INPUT},   {134, "D[0]", PIN_DIR_INPUT},
    {138, "D[2]", PIN_DIR_INPUT},     {139, "D[1]", PIN_DIR_INPUT},
    {140, "D[4]", PIN_DIR_INPUT},     {143, "D[3]", PIN_DIR_INPUT},
    {144, "D[6]", PIN_DIR_INPUT},     {145, "D[5]", PIN_DIR_INPUT},
    {146, "D[8]", PIN_DIR_INPUT},     {149, "D[7]", PIN_DIR_INPUT},
    {150, "D[10]", PIN_DIR_INPUT},    {151, "D[9]", PIN_DIR_INPUT},
    {152, "D[11]", PIN_DIR_INPUT},    {157, "XCLKIN", PIN_DIR_OUTPUT},
    {158, "PIXCLK", PIN_DIR_INPUT},
};
static_assert(std::size(szFYRN_J2) == std::size(szFYRN_J3));
// The rows walked in either table.
constexpr std::size_t nNum = 21;

// Renames the pins at the table's positions to prefix + name and gives them
// the camera's directions.
void ApplyCamera(TDaughterBoard& card, std::span<const CARD_PIN_ROW> table,
                 std::string_view prefix) {
    for (std::size_t i = 0; i < nNum; ++i) {
        if (TPin* pin = card.GetPin(table[i].nPin - 1)) {
            pin->SetName(std::string(prefix) + std::string(table[i].szName));
            pin->SetDirection(table[i].Direction);
        }
    }
}

// Switches off every pin of the positions first..last whose name does not
// hold "FYRN": the general-purpose pins of a header with a camera.
void SwitchOffOthers(TDaughterBoard& card, int first, int last) {
    for (int p = first; p <= last; ++p) {
        TPin* pin = card.GetPin(p - 1);
        if (pin && pin->GetName().find("FYRN") == std::string::npos) {
            pin->SetDirection(PIN_DIR_NONE);
        }
    }
}

} // namespace

void D_HSMC_NIMBAL_FYRN(TDaughterBoard& card, FyrnOnJ2 onJ2, FyrnOnJ3 onJ3,
                        NimbalClockInputs clockInputs, IoStd ioStd) {
    // The bare adaptor first, with the board's clock inputs, then the camera
    // steps.
    D_HSMC_NIMBAL(card, ioStd, clockInputs);
    PINSMITH_ASSERT(nNum == std::size(szFYRN_J3));
    if (onJ2 == FyrnOnJ2::Yes && onJ3 == FyrnOnJ3::Yes) {
        ApplyCamera(card, szFYRN_J2, "FYRN_0_");
        ApplyCamera(card, szFYRN_J3, "FYRN_1_");
        SwitchOffOthers(card, 1, HSMC_PIN_NUM);
    } else if (onJ2 == FyrnOnJ2::Yes) {
        ApplyCamera(card, szFYRN_J2, "FYRN_");
        SwitchOffOthers(card, 100, HSMC_PIN_NUM);
    } else if (onJ3 == FyrnOnJ3::Yes) {
        ApplyCamera(card, szFYRN_J3, "FYRN_");
        SwitchOffOthers(card, 1, 99);
    } else {
        PINSMITH_FAIL("D_HSMC_NIMBAL_FYRN: neither header J2 nor J3 carries the camera");
    }
}
