#include "boards/stratix5/StratixVPins.h"

#include "boards/stratix5/StratixVText.h"
#include "platform/Ui.h"

namespace stratix5 {

std::unique_ptr<TConnector> Group(const std::string& name) {
    return std::make_unique<TConnector>(name, "", CONNECTOR_NONE, -1);
}

void AddGroup(TMainBoard& board, const std::string& name, std::span<const PinRow> rows) {
    auto group = Group(name);
    AddPinRows(*group, PinTable{name, rows});
    board.AddConnector(std::move(group));
}

std::unique_ptr<TPin> ReferenceClock(const std::string& name, const std::string& location,
                                     IoStd ioStandard, const std::string& frequency) {
    auto pin = std::make_unique<TPin>(name, location, PIN_DIR_INPUT, ioStandard, 0.0f);
    if (!frequency.empty()) {
        pin->SetIsClock(1);
        pin->SetFrequency(frequency);
    }
    return pin;
}

namespace {
std::string MHzText(const char* format, double mhz) {
    return mhz > 0 ? platform::Format(format, mhz) : std::string();
}
std::uint8_t LowByte(std::int32_t value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}
} // namespace

std::string Si570Frequency(std::int32_t choice) {
    return MHzText("%.5f MHz", Si570IndexToMHz(LowByte(choice)));
}

std::string CdcmFrequency(std::int32_t choice) {
    return MHzText("%.2f MHz", CdcmIndexToMHz(LowByte(choice)));
}

std::string CdcmComboFrequency(std::int32_t choice) {
    return MHzText("%.2f MHz", CdcmComboIndexToMHz(LowByte(choice)));
}

int AddSocket(TMainBoard& board, const std::string& name, const std::string& description,
              ConnectorType type, ConnectorId id, const char* positions) {
    auto socket = MakeExpansionConnector(name, description, type, id);
    const int count = AddHeaderPositions(*socket, positions);
    board.AddConnector(std::move(socket));
    return count;
}

} // namespace stratix5
