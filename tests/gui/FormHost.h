#pragma once
// The main window hosting one board's own form, as the program opens it:
// the test decides which boards are offered, and whatever board the window
// asks for, it gets the program's form of the chosen board.

#include "GuiSupport.h"

#include "app/BoardForm.h"
#include "app/BoardFormFactory.h"
#include "app/FormMain.h"
#include "app/ProjectWriter.h"
#include "boards/UI_BoardForms.h"
#include "platform/Clock.h"
#include "platform/qt/Desktop.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

// The program's own form of board id, or nullptr when it carries none.
inline QWidget* NewProgramForm(BoardId id, QWidget* owner) {
    for (const BoardFormRow& row : ProgramBoardForms()) {
        if (row.id == id) {
            return row.create(owner);
        }
    }
    return nullptr;
}

// Sets the board offer and the form of board id for as long as it lives;
// the main window a test shows under it opens that form. Close the window
// before the host goes.
class FormHost {
public:
    explicit FormHost(
        BoardId id, std::function<bool(int)> offer = [](int) { return true; }) {
        SetBoardOfferForTests(std::move(offer));
        SetBoardFormsForTests([id](int, QWidget* owner) { return NewProgramForm(id, owner); });
    }
    ~FormHost() {
        SetBoardFormsForTests({});
        SetBoardOfferForTests({});
    }
    FormHost(const FormHost&) = delete;
    FormHost& operator=(const FormHost&) = delete;

    // A shown main window, its board form open.
    static std::unique_ptr<TFormMain> ShowMain() {
        auto main = std::make_unique<TFormMain>();
        main->show();
        return main;
    }
};

// The main window switching between the program's own forms by board id:
// every board offered, the clock fixed; project writing, Ctrl and the clock
// are the program's own again afterwards.
class ProgramFormsTest : public GuiTest {
protected:
    ProgramFormsTest() {
        SetBoardOfferForTests([](int) { return true; });
        platform::SetFixedClock(platform::LocalDateTime{2024, 3, 8, 14, 5, 9, 5});
    }
    ~ProgramFormsTest() override {
        main_.reset();
        SetProjectWriterForTests({});
        SetBoardOfferForTests({});
        platform::qt::SetCtrlDownForTests(std::nullopt);
        platform::SetFixedClock(std::nullopt);
    }

    // The form of board id in the main window, shown the first time.
    void Open(BoardId id) {
        if (!main_) {
            main_ = FormHost::ShowMain();
        }
        main_->CreateBoardForm(static_cast<std::uint8_t>(id));
        form_ = dynamic_cast<TBoardForm*>(main_->CurrentBoardForm());
        ASSERT_NE(form_, nullptr);
    }
    template <class W> W* Get(const char* name) { return Child<W>(form_, name); }

    std::unique_ptr<TFormMain> main_;
    TBoardForm* form_ = nullptr;
};
