#include "cards/gpio_fmc_memory/FmcCards.h"
#include "cards/gpio_fmc_memory/FmcFamily.h"
#include "model/DaughterBoard.h"

namespace {

constexpr PinDirection kIn = PIN_DIR_INPUT;
constexpr PinDirection kOut = PIN_DIR_OUTPUT;
constexpr PinDirection kInout = PIN_DIR_INOUT;
constexpr RowStd k2V5 = RowStdFixed(IOSTD_2V5);

// Camera card: MIPI pixel bus, HDMI transmitter, an 8-bit bus; rows C, D, G
// and H only, every signal single-ended.
constexpr CardMapRow kGlentRows[] = {
    {"C10, C11, C14, C15, C18, C19",
     "MIPI_PIXEL_D[9], MIPI_PIXEL_D[6], MIPI_PIXEL_D[1], MIPI_PIXEL_D[2], MIPI_PIXEL_VS, "
     "MIPI_PIXEL_HS",
     kIn, k2V5},
    {"C22, C23", "ERGAN_D[0], ERGAN_D[1]", kInout, k2V5},
    {"C26, C27", "HDMI_TX_D[3], CAMERA_PWDN_n", kOut, k2V5},
    {"D14, D15, D17, D18, D20, D21, D23, D24, D26, D27",
     "HDMI_TX_D[17], HDMI_TX_D[16], HDMI_TX_D[13], HDMI_TX_D[10], HDMI_I2S[1], HDMI_MCLK, "
     "HDMI_TX_CLK, HDMI_TX_D[7], HDMI_TX_D[5], HDMI_TX_D[2]",
     kOut, k2V5},
    {"D35", "ERGAN_D[3]", kInout, k2V5},
    {"G2, G3, G6", "ERGAN_D[6], ERGAN_D[7], ERGAN_D[2]", kInout, k2V5},
    {"G9, G10, G12, G13, G15, G16",
     "MIPI_PIXEL_D[8], MIPI_PIXEL_D[7], MIPI_PIXEL_D[4], MIPI_PIXEL_D[5], MIPI_PIXEL_D[3], "
     "MIPI_PIXEL_D[0]",
     kIn, k2V5},
    {"G18", "MIPI_REFCLK", kOut, k2V5},
    {"G19", "HDMI_TX_INT", kIn, k2V5},
    {"G21, G22", "MIPI_I2C_SCL, MIPI_I2C_SDA", kInout, k2V5},
    {"G24, G25", "MIPI_RESET_n, MIPI_CS_n", kOut, k2V5},
    {"G27, G28, G30, G31", "CAMERA_I2C_SCL, CAMERA_I2C_SDA, HDMI_I2C_SDA, HDMI_I2C_SCL", kInout,
     k2V5},
    {"G33", "MIPI_PIXEL_CLK", kIn, k2V5},
    {"G34, G36, G37", "HDMI_TX_VS, HDMI_I2S[2], HDMI_SCLK", kOut, k2V5},
    {"H4, H5", "ERGAN_D[4], ERGAN_D[5]", kInout, k2V5},
    {"H7, H8, H10, H11, H13, H14, H16, H17, H19, H20",
     "HDMI_TX_D[23..18], HDMI_TX_D[15], HDMI_TX_D[14], HDMI_TX_D[12], HDMI_TX_D[11]", kOut, k2V5},
    {"H22, H23, H25, H26, H28, H29, H31, H32, H34, H35",
     "HDMI_TX_D[9], HDMI_TX_D[8], HDMI_TX_D[6], HDMI_TX_D[4], HDMI_TX_D[1], HDMI_TX_D[0], "
     "HDMI_TX_DE, HDMI_TX_HS, HDMI_SPDIF, HDMI_I2S[0]",
     kOut, k2V5},
    {"H37, H38", "HDMI_I2S[3], HDMI_LRCLK", kOut, k2V5},
};

} // namespace

void D_FMC_GLENT(TDaughterBoard& card) {
    CardMapSlots slots(FMC_HPC_PIN_NUM);
    ExpandCardMap(slots, {"D_FMC_GLENT", kGlentRows}, CardCodes{});
    fmc::JudgeMakerSecondSlots(slots);
    AppendCardMap(card, slots);
}
