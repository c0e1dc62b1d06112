#pragma once
// Services that the project writer calls for boards whose code is not part of
// this build yet. Each is defined in BoardSeams.cpp as an internal error; the
// board code that provides the real one removes that definition.

#include <cstdint>
#include <span>
#include <string>

class TMainBoard;

// Oscillator Verilog of the Stratix V boards, placed after the structural
// coding banner of the top-level module: board 15 (Nolvar), 16 (Ombrel) and
// 18 (Pellix), read from the board's record copy in the pin model.
std::string ExtraVerilogNolvar(const TMainBoard& board);
std::string ExtraVerilogOmbrel(const TMainBoard& board);
std::string ExtraVerilogPellix(const TMainBoard& board);

// A settings object of a newer board that lets the project writer read its
// settings record. Board 34 keeps no record copy in the pin model; its
// timing-constraint blocks read the record through TMainBoard::m_pConfigBoard,
// so its settings class derives from TConfigBoard and from this interface.
class TConfigRecordSource {
public:
    virtual ~TConfigRecordSource() = default;
    virtual std::span<const std::uint8_t> ConfigRecord() const = 0;
};
