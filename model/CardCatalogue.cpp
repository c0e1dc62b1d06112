#include "model/CardCatalogue.h"

#include "cards/CardRegistry.h"

#include "platform/Assert.h"

namespace {

const CardEntry* Row(CardId id) {
    return FindCardEntry(id);
}

} // namespace

bool HasBoardName(CardId id) {
    const CardEntry* row = Row(id);
    return row && row->name;
}

std::string BoardName(CardId id) {
    const CardEntry* row = Row(id);
    if (!row || !row->name) {
        PINSMITH_FAIL("BoardName: a card id without a card");
    }
    return row->name;
}

std::string BoardShortName(CardId id) {
    const CardEntry* row = Row(id);
    if (!row || !row->shortName) {
        PINSMITH_FAIL("BoardShortName: a card id without a short name");
    }
    return row->shortName;
}

std::string BoardDescription(CardId id) {
    const CardEntry* row = Row(id);
    if (!row || !row->name) {
        PINSMITH_FAIL("BoardName(BoardId).Length() > 0");
    }
    return row->description ? row->description : "";
}

ConnectorType BoardConnectorType(CardId id) {
    const CardEntry* row = Row(id);
    return row ? row->type : CONNECTOR_NONE;
}

Voltage BoardVoltage(CardId id) {
    const CardEntry* row = Row(id);
    return row ? row->voltage : VOLTAGE_2V5;
}

bool IsTransceiverBoard(CardId id) {
    const CardEntry* row = Row(id);
    return row && row->transceiver;
}

bool IsBoardListed(CardId id) {
    // A card without a pin map is never offered: picking it would lead into
    // an internal error at Generate.
    const CardEntry* row = Row(id);
    return !row || id == CARD_NONE || (row->listed && HasPinMap(id));
}

bool IsAnyVoltageBoard(CardId id) {
    return id == CARD_NIMBAL_HSMC;
}

IoStd BoardVoltageIoStandard(CardId id) {
    switch (id) {
    case CARD_HSMC_DEFAULT_3V3:
    case CARD_HSMC_DEFAULT_3V3_XCVR:
        return IOSTD_3V3_LVTTL;
    case CARD_HSMC_DEFAULT_1V8:
    case CARD_HSMC_DEFAULT_1V8_XCVR:
        return IOSTD_1V8;
    case CARD_HSMC_DEFAULT_1V5:
    case CARD_HSMC_DEFAULT_1V5_XCVR:
        return IOSTD_1V5;
    case CARD_HSMC_DEFAULT_3V0_XCVR:
    case CARD_HSMC_DEFAULT_3V0:
        return IOSTD_3V0_PCIX;
    default:
        return IOSTD_2V5;
    }
}

bool IsBoardVoltageOk(CardId id, Voltage voltage) {
    const ConnectorType type = BoardConnectorType(id);
    if (type != CONNECTOR_FMC_HPC && type != CONNECTOR_FMC_LPC) {
        return BoardVoltage(id) == voltage;
    }
    if (id == CARD_VANTOR_FMC || id == CARD_PARNEL_FMC) {
        return voltage == VOLTAGE_1V5 || voltage == VOLTAGE_1V8 || voltage == VOLTAGE_2V5 ||
               voltage == VOLTAGE_3V3;
    }
    if (id == CARD_GLENT_FMC) {
        return voltage == VOLTAGE_1V8 || voltage == VOLTAGE_2V5 || voltage == VOLTAGE_3V3;
    }
    return true;
}

bool IsNotFmcStandardBoard(CardId id) {
    const int n = CardNumber(id);
    return n < 40 || n > 47;
}
