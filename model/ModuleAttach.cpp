// The memory-module fills of TDaughterBoard and the module attach operations
// of TMainBoard: thin entry points over the module maps and the shared
// fill-and-merge step.

#include "cards/gpio_fmc_memory/MemoryModules.h"
#include "model/CardAttach.h"
#include "model/DaughterBoard.h"
#include "model/HolderModuleAttach.h"
#include "model/MainBoard.h"
#include "platform/Assert.h"

namespace {

// Empties the module, names it after the card, lets fill append the map and
// stamps the card's type.
template <class Fill> void FillModule(TDaughterBoard& module, CardId card, const Fill& fill) {
    module.ClearPins();
    module.SetName(BoardName(card));
    module.SetDescription(BoardDescription(card));
    fill();
    module.SetType(BoardConnectorType(card));
}

} // namespace

void TDaughterBoard::FillDdr2Sodimm(DqsMode diffDqs, IoStd i2cStd, IoStd saStd) {
    FillModule(*this, CARD_DDR2_SODIMM, [&] { D_MEM_DDR2_SODIMM(*this, diffDqs, i2cStd, saStd); });
}

void TDaughterBoard::FillDdr3Sodimm(DqsMode diffDqs, IoStd ctlStd, IoStd saStd) {
    FillModule(*this, CARD_DDR3_SODIMM, [&] { D_MEM_DDR3_SODIMM(*this, diffDqs, ctlStd, saStd); });
}

void TDaughterBoard::FillDdr3SodimmLowerCase(DqsMode diffDqs, IoStd ctlStd, IoStd saStd) {
    FillModule(*this, CARD_DDR3_SODIMM,
               [&] { D_MEM_DDR3_SODIMM_LOWER(*this, diffDqs, ctlStd, saStd); });
}

void TDaughterBoard::FillDdr3SodimmSstl15(DqsMode diffDqs, IoStd ctlStd, IoStd saStd) {
    FillModule(*this, CARD_DDR3_SODIMM,
               [&] { D_MEM_DDR3_SODIMM_SSTL15(*this, diffDqs, ctlStd, saStd); });
}

void TDaughterBoard::FillDdr4Sodimm(IoStd i2cStd, IoStd saStd, Ecc ecc) {
    FillModule(*this, CARD_DDR4_SODIMM,
               [&] { D_MEM_DDR4_SODIMM(*this, i2cStd, Ddr4SodimmLayout::Full, ecc, saStd); });
}

void TDaughterBoard::FillDdr4SodimmInterface(IoStd i2cStd, IoStd saStd, Ecc ecc,
                                             Ddr4SodimmLayout layout) {
    FillModule(*this, ecc == Ecc::With ? CARD_DDR4_SODIMM_ECC : CARD_DDR4_SODIMM_NO_ECC,
               [&] { D_MEM_DDR4_SODIMM(*this, i2cStd, layout, ecc, saStd); });
}

void TDaughterBoard::FillQdr2Module() {
    FillModule(*this, CARD_QDR2_MODULE, [&] { D_MEM_QDR2_MODULE(*this); });
}

void TDaughterBoard::FillQdr4Module() {
    FillModule(*this, CARD_QDR4_MODULE, [&] { D_MEM_QDR4_MODULE(*this); });
}

void TMainBoard::AttachDdr3Sodimm(ConnectorId connector, const CardPrefix& prefix, DqsMode diffDqs,
                                  IoStd ctlStd, IoStd saStd) {
    AttachFilledCard(*this, connector, prefix, [&](TDaughterBoard& module) {
        module.FillDdr3Sodimm(diffDqs, ctlStd, saStd);
    });
}

void TMainBoard::AttachDdr3SodimmSstl15(ConnectorId connector, const CardPrefix& prefix,
                                        DqsMode diffDqs, IoStd ctlStd, IoStd saStd) {
    AttachFilledCard(*this, connector, prefix, [&](TDaughterBoard& module) {
        module.FillDdr3SodimmSstl15(diffDqs, ctlStd, saStd);
    });
}

void TMainBoard::AttachDdr4Sodimm(ConnectorId connector, const CardPrefix& prefix, IoStd i2cStd,
                                  IoStd saStd, Ecc ecc) {
    AttachFilledCard(*this, connector, prefix,
                     [&](TDaughterBoard& module) { module.FillDdr4Sodimm(i2cStd, saStd, ecc); });
}

void TMainBoard::AttachDdr4SodimmInterface(ConnectorId connector, const CardPrefix& prefix,
                                           IoStd i2cStd, IoStd saStd, Ecc ecc,
                                           Ddr4SodimmLayout layout) {
    AttachFilledCard(*this, connector, prefix, [&](TDaughterBoard& module) {
        module.FillDdr4SodimmInterface(i2cStd, saStd, ecc, layout);
    });
}

void TMainBoard::AttachQdr2Module(ConnectorId connector, const CardPrefix& prefix) {
    AttachFilledCard(*this, connector, prefix,
                     [](TDaughterBoard& module) { module.FillQdr2Module(); });
}

void TMainBoard::AttachQdr4Module(ConnectorId connector, const CardPrefix& prefix) {
    AttachFilledCard(*this, connector, prefix,
                     [](TDaughterBoard& module) { module.FillQdr4Module(); });
}

void AttachDdr2Sodimm(TMainBoard* board, ConnectorId connectorId, const CardPrefix& prefix,
                      DqsMode diffDqs, IoStd i2cStd, IoStd saStd) {
    PINSMITH_ASSERT(board != nullptr);
    AttachFilledCard(*board, connectorId, prefix, [&](TDaughterBoard& module) {
        module.FillDdr2Sodimm(diffDqs, i2cStd, saStd);
    });
}

void AttachDdr3Sodimm(TMainBoard* board, ConnectorId connectorId, const CardPrefix& prefix,
                      DqsMode diffDqs, IoStd ctlStd, IoStd saStd) {
    PINSMITH_ASSERT(board != nullptr);
    AttachFilledCard(*board, connectorId, prefix, [&](TDaughterBoard& module) {
        module.FillDdr3SodimmLowerCase(diffDqs, ctlStd, saStd);
    });
}

void AttachDdr3SodimmNamed(TMainBoard* board, ConnectorId connectorId, const CardPrefix& prefix) {
    PINSMITH_ASSERT(board != nullptr);
    board->AttachDdr3Sodimm(connectorId, prefix, DqsMode::Differential, IOSTD_1V5, IOSTD_1V5);
}
