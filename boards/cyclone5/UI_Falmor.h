#pragma once
// The form of the Falmor board (board id 34): a Cyclone V SoC board with
// thirteen peripheral groups (the HPS among them), Verilog or VHDL for the
// top level, a 40-pin GPIO header and an HSMC connector whose I/O voltage
// the jumper JP3 sets. After a successful generation the jumper warning
// (at another voltage than 2.5 V), then the HPS reminder (HPS ticked).

#include "boards/cyclone5/ConfigFalmor.h"
#include "boards/cyclone5/UI_GpioBoardForm.h"
#include "boards/cyclone5/UI_HsmcVoltage.h"

#include <memory>

namespace Ui {
class TFormFalmor;
}

class TFormFalmor : public TGpioBoardForm<FALMOR_CONFIG, TConfigFalmor> {
    Q_OBJECT

public:
    explicit TFormFalmor(QWidget* owner);
    ~TFormFalmor() override;

protected:
    void ConfigToBoardControls(const FALMOR_CONFIG& record) override;
    void BoardControlsToConfig(FALMOR_CONFIG& record) override;
    void BeforeShowRecord() override;
    void UpdateBoardShapes() override;
    void AfterGenerateSuccess() override;

private:
    std::unique_ptr<Ui::TFormFalmor> ui_;
    std::unique_ptr<THsmcVoltageChoice> voltage_;
};
