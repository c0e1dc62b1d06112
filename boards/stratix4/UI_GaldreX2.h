#pragma once
// The form of the Galdre_X2 board (board id 7), a board with two FPGAs. The
// "Current FPGA Node" combo picks the node the controls show; the other
// node lives in the held record, so a switch keeps each node's edits. Save,
// Generate and the teardown write the shown node from the controls; Generate
// builds the shown node's project under its name. No box after a successful
// generation; Load Setting reports a cancelled dialog.

#include "app/BoardForm.h"
#include "boards/stratix4/GaldreX2Config.h"
#include "settings/ConfigBase.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace Ui {
class TFormGaldre_X2;
}

class TFormGaldre_X2 : public TBoardFormOf<TConfigBase<GALDRE_X2_CONFIG>> {
    Q_OBJECT

public:
    explicit TFormGaldre_X2(QWidget* owner);
    ~TFormGaldre_X2() override;

    int GetCurrentNode() const { return currentNode_; }
    // Shows the node (0 or 1): the shown node's controls go into the held
    // record first.
    void ShowNode(int node);
    // The held record with the shown node as the controls last wrote it.
    std::vector<std::uint8_t> HeldRecord() const;

protected:
    // The rules read the node in the first slot: the form hands them the
    // held record with the shown node there.
    std::span<std::uint8_t> RecordBytes() override { return view_; }
    void BoardControlsToConfig(GALDRE_X2_CONFIG& record) override;
    bool HolderLoadDefault() override;
    bool HolderSaveDefault() override;
    bool HolderSaveWithDialog(platform::FileDialog& dialog) override;
    bool HolderLoadWithDialog(platform::FileDialog& dialog) override;

private:
    void ViewHolderRecord();
    void SyncHolder();

    std::unique_ptr<Ui::TFormGaldre_X2> ui_;
    int currentNode_ = 0;
    std::vector<std::uint8_t> view_;
};
