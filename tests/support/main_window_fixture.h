#pragma once

// The main window over a data folder seeded once per test suite from the
// shipped files, a clock the test sets, message boxes recorded instead of
// shown, and the dialogs the window opens driven by queued scripts.

#include "platform/clock.h"
#include "platform/store/record_store.h"
#include "platform/ui/dialog_harness.h"
#include "platform/ui/framework.h"
#include "platform/ui/window_messages.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "settings/registry.h"
#include "settings/screen_colours.h"
#include "settings/settings.h"
#include "shell/adhan_services.h"
#include "shell/adhan_switches.h"
#include "shell/main_frame.h"
#include "startup/startup_data.h"
#include "tests/support/adhan_fakes.h"
#include "tests/support/test_clock.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace halvo::testing
{

// The application object whose Exit command the frame falls back on.
class TestApp : public CWinApp
{
  public:
    TestApp() : CWinApp("Halvo Tavorin") {}
    bool InitInstance() override { return true; }
};

class MainWindow : public ::testing::Test
{
  protected:
    static void SetUpTestSuite()
    {
        folder_ =
            std::filesystem::temp_directory_path() / ("halvo-ui-" + std::to_string(::getpid()));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        std::filesystem::permissions(folder_, std::filesystem::perms::owner_all);
        ::setenv("XDG_DATA_HOME", folder_.c_str(), 1);
        ::setenv("XDG_RUNTIME_DIR", folder_.c_str(), 1);
        EnsureApplication();
        WindowMessages messages(nullptr);
        const StartupDataResult result = RunStartupDataSteps(messages);
        ASSERT_TRUE(result.ok) << result.failure;
    }

    static void TearDownTestSuite()
    {
        CloseDatabase();
        std::filesystem::remove_all(folder_);
    }

    void SetUp() override
    {
        SetClock(&clock_);
        // The Adhan's sound, timer and notifications are recorded, never real.
        adhanServices_ = {&player_, &timer_, &notifier_};
        InstallAdhanServices(&adhanServices_);
        adhanSwitches = AdhanSwitches{};
        scripts_ = std::make_unique<ModalScripts>();
        WriteSetting("CityName", "Seattle, WA");
        WriteSetting("AsrMethod", "Shafi");
        WriteSetting("Bg", "9");
        WriteSetting("Txt", "1");
        WriteSetting("Hr", "1");
        WriteRegistryNumber("Feast", "Feast", 0);
        WriteRegistryNumber("Feast", "NumDays", 0);
    }

    void TearDown() override
    {
        frame_.reset();
        scripts_.reset();
        SetMessageBoxSink({});
        SetClock(nullptr);
        InstallAdhanServices(nullptr);
    }

    // What the start-up sequence does after the data steps.
    CMainFrame& OpenFrame()
    {
        LoadScreenColours();
        frame_ = std::make_unique<CMainFrame>();
        EXPECT_TRUE(frame_->LoadFrame(FindMenu(IDR_MAINFRAME)));
        frame_->SetPaneSize(kViewWidth, kViewHeight);
        frame_->ShowWindow(true);
        frame_->UpdateWindow();
        ProcessPendingMessages();
        return *frame_;
    }

    void Tick()
    {
        frame_->Dispatch(Message::Timer, MessageArgs{.id = static_cast<int>(kRefreshTimerId)});
    }

    // Runs a menu command; each dialog it opens takes the next script.
    void Command(int id, std::vector<DialogScript> scripts = {})
    {
        for (DialogScript& script : scripts)
            scripts_->Then(std::move(script));
        frame_->SendCommand(id);
        ProcessPendingMessages();
    }

    // The message boxes shown since the test began, oldest first.
    std::vector<std::string> Boxes() const { return scripts_->Messages(); }
    // The dialogs opened modally since the test began.
    std::vector<int> Opened() const { return scripts_->Opened(); }

    static inline std::filesystem::path folder_;
    TestApp app_;
    TestClock clock_;
    std::unique_ptr<ModalScripts> scripts_;
    // Before the frame, which uses them until it is gone.
    RecordingPlayer player_;
    RecordingTimer timer_;
    RecordingNotifier notifier_;
    AdhanServices adhanServices_;
    std::unique_ptr<CMainFrame> frame_;
};

} // namespace halvo::testing
