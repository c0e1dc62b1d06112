// Feeds any bytes to the Ilmarch board as a settings file and runs what the
// form runs with it: the load, the record checks, the settings checks, the
// pin filler, the cards and the project writer into a temporary folder.
// A crash, a sanitizer report or an internal-error stop is a finding.

#include "boards/cyclone5/IlmarchConfig.h"
#include "boards/cyclone5/IlmarchProject.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/Ui.h"
#include "settings/ConfigBase.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>

namespace {

// Message boxes answer at once and stay silent; internal errors still stop.
class QuietUi : public platform::UiServices {
public:
    platform::MsgResult ShowMessage(platform::MsgKind, platform::MsgButtons buttons,
                                    const std::string&) override {
        return buttons == platform::MsgButtons::YesNo ? platform::MsgResult::Yes
                                                      : platform::MsgResult::Ok;
    }
    void Beep() override {}
    void ShowInternalError(const std::string&) override {}
};

struct Environment {
    std::string folder;
    std::string settingsFile;
    std::string projectFile;
    QuietUi ui;

    Environment() {
        char pattern[] = "/tmp/pinsmith-fuzz-XXXXXX";
        const char* made = mkdtemp(pattern);
        if (!made) {
            std::abort();
        }
        folder = platform::IncludeTrailingSeparator(made);
        settingsFile = folder + "settings.cfg";
        projectFile = folder + "project" + platform::kPathSep + "fuzz.qpf";
        platform::ForceDirectories(folder + "project");
        platform::SetProgramFolder(folder);
        platform::SetUiServices(&ui);
        platform::SetFixedClock(platform::LocalDateTime{2024, 5, 17, 9, 30, 0, 5});
        std::atexit([] { std::filesystem::remove_all(Get().folder); });
    }
    // Never destroyed: the exit handler and the installed services use it.
    static Environment& Get() {
        static Environment* environment = new Environment;
        return *environment;
    }
};

void Require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Environment& env = Environment::Get();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Require(platform::WriteWholeFile(env.settingsFile, bytes).Complete(size));

    TConfigBase<ILMARCH_CONFIG> holder;
    SetIlmarchDefaultConfig(holder.Config);
    ILMARCH_CONFIG before;
    std::memcpy(&before, &holder.Config, sizeof before);
    const bool loaded = holder.LoadFromFile(&holder.Config, env.settingsFile);
    // A refused file leaves the record alone; an accepted one is the file.
    Require(loaded == IsIlmarchRecord(bytes));
    Require(std::memcmp(&holder.Config, loaded ? data : reinterpret_cast<std::uint8_t*>(&before),
                        sizeof before) == 0);
    if (!loaded) {
        return 0;
    }

    // What showing the record in the form does with it.
    ILMARCH_CONFIG& config = holder.Config;
    config.GpioVoltage = IlmarchVoltageOrDefault(config.GpioVoltage);
    holder.BuildCardList(CONNECTOR_GPIO80, false, IlmarchVoltageClass(config.GpioVoltage));
    CheckIlmarchRecord(config, holder.CardIds, holder.CardCount);
    Require(IsIlmarchRecord(config) && IsIlmarchVoltageCode(config.GpioVoltage));

    std::string message;
    if (!CheckIlmarchSettings(config, message)) {
        Require(!message.empty());
        return 0;
    }
    BuildIlmarchProject(config, env.projectFile);
    return 0;
}
