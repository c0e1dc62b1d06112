#include "boards/stratix4/StratixIvGx.h"

namespace stratix4gx {

void SetDefaultPllChoices(RecordSpan record, std::size_t firstPll) {
    for (std::size_t i = 0; i < kPllChoiceCount; ++i) {
        record[firstPll + i] = kDefaultPllChoice;
    }
}

void MendVariantAndPllChoices(RecordSpan record, std::size_t variant, std::size_t firstPll) {
    if (record[variant] > 1) {
        record[variant] = 0;
    }
    for (std::size_t i = 0; i < kPllChoiceCount; ++i) {
        if (record[firstPll + i] > kLastPllChoice) {
            record[firstPll + i] = kDefaultPllChoice;
        }
    }
}

bool SetDevice(TMainBoard& board, std::uint8_t variant) {
    if (variant > 1) {
        return false;
    }
    board.m_Family = "Stratix IV";
    board.m_PinCount = 1517;
    board.m_Package = "FBGA";
    board.m_SpeedGrade = 2;
    board.m_Device = variant == 0 ? "EP4SGX230KF40C2" : "EP4SGX530KH40C2";
    return true;
}

} // namespace stratix4gx
