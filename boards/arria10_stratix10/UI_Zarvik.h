#pragma once
// The forms of the Zarvik board (board id 27) and its DDR4 edition (board
// id 28): the device variant (Zarvik only), 23 peripheral check boxes, the
// four QSFP+ reference clocks of the Si5340A and the memory, QDRII+ and
// on-board PCIe reference clocks of the Si5340B, on the common Si5340
// form (UI_Si5340Form.h).

#include "boards/arria10_stratix10/ConfigZarvik.h"
#include "boards/arria10_stratix10/ConfigZarvikDdr4.h"
#include "boards/arria10_stratix10/UI_Si5340Form.h"

#include <memory>

namespace Ui {
class TFormZarvik;
class TFormZarvik_DDR4;
} // namespace Ui

struct ZarvikMemory;

class TFormZarvik : public TSi5340Form<TConfigZarvik> {
    Q_OBJECT

public:
    explicit TFormZarvik(QWidget* owner);
    ~TFormZarvik() override;

protected:
    void ConfigToBoardControls(const ZARVIK_CONFIG& record) override;
    void BoardControlsToConfig(ZARVIK_CONFIG& record) override;
    void SelectAll(ZARVIK_CONFIG& record) override;

private:
    template <class Form, class UiForm>
    friend void BindZarvikFamily(Form& form, UiForm& ui, const ZarvikMemory& memory);

    std::unique_ptr<Ui::TFormZarvik> ui_;
};

class TFormZarvik_DDR4 : public TSi5340Form<TConfigZarvik_DDR4> {
    Q_OBJECT

public:
    explicit TFormZarvik_DDR4(QWidget* owner);
    ~TFormZarvik_DDR4() override;

protected:
    void SelectAll(ZARVIK_DDR4_CONFIG& record) override;

private:
    template <class Form, class UiForm>
    friend void BindZarvikFamily(Form& form, UiForm& ui, const ZarvikMemory& memory);

    std::unique_ptr<Ui::TFormZarvik_DDR4> ui_;
};
