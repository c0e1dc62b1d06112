#pragma once
// The form of the Quindle board (board id 19): a Cyclone V SoC evaluation
// board with ten peripheral groups and one HSMC connector whose I/O voltage
// the jumper JP7 sets. The voltage picks the cards the connector offers;
// after a generation at another voltage than 2.5 V a warning reminds the
// user of the jumper.

#include "boards/cyclone5/QuindleConfig.h"
#include "boards/cyclone5/UI_GpioBoardForm.h"
#include "boards/cyclone5/UI_HsmcVoltage.h"

#include <memory>

namespace Ui {
class TFormQuindle;
}

class TFormQuindle : public TGpioBoardForm<QUINDLE_CONFIG> {
    Q_OBJECT

public:
    explicit TFormQuindle(QWidget* owner);
    ~TFormQuindle() override;

protected:
    void BoardControlsToConfig(QUINDLE_CONFIG& record) override;
    void BeforeShowRecord() override;
    void UpdateBoardShapes() override;
    void AfterGenerateSuccess() override;

private:
    std::unique_ptr<Ui::TFormQuindle> ui_;
    std::unique_ptr<THsmcVoltageChoice> voltage_;
};
