#pragma once
// The form of the Gristel board (board id 35): eighteen peripheral check
// boxes, Verilog or VHDL for the top level, the memory-module socket and the
// FMC connector with its I/O voltage. The voltage picks one of three FMC
// card lists (built once): a change puts the FMC card on None and keeps the
// prefix text; the lime outline marks the chosen position of the jumper
// JP2. After a successful generation: the success box, the JP2 warning (at
// 1.5 V or 1.2 V), the HPS reminder (HPS ticked).

#include "app/BoardForm.h"
#include "boards/arria10_stratix10/ConfigGristel.h"

#include <array>
#include <memory>

namespace Ui {
class TFormGristel;
}

class TFormGristel : public TBoardFormOf<TConfigGristel> {
    Q_OBJECT

public:
    explicit TFormGristel(QWidget* owner);
    ~TFormGristel() override;

    // The FMC voltage code the voltage combo shows (2, 3 or 4).
    std::int32_t GetFmcVoltageCode() const;

protected:
    void ConfigToBoardControls(const GRISTEL_CONFIG& record) override;
    void BoardControlsToConfig(GRISTEL_CONFIG& record) override;
    void BeforeShowRecord() override;
    void UpdateBoardShapes() override;
    void AfterGenerateSuccess() override;

private:
    // The FMC card list of a voltage code; 1.8 V for any other value.
    TConfigGristel& GetFmcCardSource(std::int32_t code);
    void FillFmcCombo(std::int32_t code);
    void ComboBoxFmcVolChange(int index);

    std::unique_ptr<Ui::TFormGristel> ui_;
    // The FMC card lists of 1.8 V, 1.5 V and 1.2 V; their records are unused.
    TConfigGristel m_Fmc1V8List;
    TConfigGristel m_Fmc1V5List;
    TConfigGristel m_Fmc1V2List;
    // The jumper outlines of 1.8 V, 1.5 V and 1.2 V.
    std::array<TShape*, 3> jumpers_{};
};
