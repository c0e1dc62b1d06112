#pragma once
// A named, ordered list of pins: an on-board signal group or an expansion
// connector. List index = position - 1 until the pins are sorted; an empty
// entry is a position without a signal.

#include "model/Pin.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

enum class ConnectorType : std::uint8_t {
    CONNECTOR_NONE = 0, // plain signal group
    CONNECTOR_HSMC = 1,
    CONNECTOR_KIRREL = 2,
    CONNECTOR_GPIO40 = 3,
    CONNECTOR_GPIO80 = 4, // both 40-pin headers, the second at 41..80
    CONNECTOR_DDR2_SODIMM = 5,
    CONNECTOR_DDR3_SODIMM = 6,
    CONNECTOR_DDR4_SODIMM = 7,
    CONNECTOR_FMC_HPC = 8,
    CONNECTOR_FMC_LPC = 9,
    CONNECTOR_ERGAN_2x6 = 10,
    CONNECTOR_DDR4_SODIMM_IF = 11,
    CONNECTOR_DDR4_SODIMM_IF_ECC = 12,
};
using enum ConnectorType;

// Connector ids that a board form and its pin filler agree on. Ports of one
// kind count up from the first id: ConnectorIdAt(CONNECTOR_ID_HSMC_A, 1) is
// HSMC-B.
enum class ConnectorId : std::int32_t {
    CONNECTOR_ID_NONE = 0,
    CONNECTOR_ID_DDR2_SODIMM = 1,
    CONNECTOR_ID_DDR2_SODIMM_0 = 2,
    CONNECTOR_ID_KIRREL_1 = 6,
    CONNECTOR_ID_KIRREL_23 = 7,
    CONNECTOR_ID_HSMC_A = 8,
    CONNECTOR_ID_KIRREL_A = 12,
    CONNECTOR_ID_GPIO_0 = 16,
    CONNECTOR_ID_GPIO_1 = 17,
    CONNECTOR_ID_GPIO_PAIR = 18,
    CONNECTOR_ID_DDR3_SODIMM = 19,
    CONNECTOR_ID_FMC_A = 20,
    CONNECTOR_ID_DDR3_SODIMM_A = 24,
    CONNECTOR_ID_DDR4_SODIMM_A = 27,
    CONNECTOR_ID_ERGAN = 31,
    CONNECTOR_ID_DDR4_SOCKET = 36,
    CONNECTOR_ID_DDR4_SOCKET_A = 40,
};
using enum ConnectorId;

constexpr ConnectorId ConnectorIdAt(ConnectorId first, int port) {
    return static_cast<ConnectorId>(static_cast<std::int32_t>(first) + port);
}

// "HSMC", "KIRREL", "GPIO", ... for types 1..12; any other type is an
// internal error.
std::string ConnectorTypeName(ConnectorType type);

class TConnector {
public:
    TConnector(const std::string& name, const std::string& description, ConnectorType type,
               int cardId);
    virtual ~TConnector() = default;
    TConnector(const TConnector&) = delete;
    TConnector& operator=(const TConnector&) = delete;

    // Appends a pin (owned from now on) or an empty entry (nullptr).
    void AddPin(std::unique_ptr<TPin> pin) { Pins.push_back(std::move(pin)); }
    void AddPin(TPin* pin) { Pins.emplace_back(pin); }
    void AddEmpty() { Pins.emplace_back(); }
    // The entry at a 0-based index (nullptr when empty); an index out of
    // range is an internal error.
    TPin* GetPin(int index) const;
    int GetPinCount() const { return static_cast<int>(Pins.size()); }
    int GetActivePinCount() const;
    void ClearPins() { Pins.clear(); }

    void SetName(const std::string& v) {
        if (Name != v)
            Name = v;
    }
    const std::string& GetName() const { return Name; }
    void SetDescription(const std::string& v) {
        if (Description != v)
            Description = v;
    }
    const std::string& GetDescription() const { return Description; }
    void SetType(ConnectorType v) {
        if (Type != v)
            Type = v;
    }
    ConnectorType GetType() const { return Type; }
    void SetIsExpansion(bool v) {
        if (IsExpansion != v)
            IsExpansion = v;
    }
    bool GetIsExpansion() const { return IsExpansion; }
    void SetConnectorId(ConnectorId v) {
        if (m_ConnectorId != v)
            m_ConnectorId = v;
    }
    ConnectorId GetConnectorId() const { return m_ConnectorId; }
    void SetAttachedType(ConnectorType v) {
        if (AttachedType != v)
            AttachedType = v;
    }
    ConnectorType GetAttachedType() const { return AttachedType; }
    // Card id given at construction; -1 = none.
    int GetCardId() const { return m_CardId; }
    // The pin group of a hard processor system ("HPS"): its pins are placed
    // with the processor's IP, not by the project's location lines.
    bool IsHardProcessorGroup() const { return Name == kHardProcessorGroupName; }
    static constexpr const char* kHardProcessorGroupName = "HPS";

    // In-place exchange sort by bus name and index (see Connector.cpp).
    void SortPins();

    std::vector<std::unique_ptr<TPin>> Pins;
    std::string Name;
    std::string Description;
    ConnectorType Type = CONNECTOR_NONE;
    ConnectorType AttachedType = CONNECTOR_NONE;
    bool IsExpansion = false;
    ConnectorId m_ConnectorId = CONNECTOR_ID_NONE;
    int m_CardId = -1;
};
