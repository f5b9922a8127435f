#pragma once

// The dialogs halvo-screenshots renders: each template by id, built as the
// class the program opens it with (a bare template where no class exists
// yet), optionally driven into a telling state first.

#include "platform/ui/dialog_harness.h"
#include "shell/main_frame.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace halvo
{

struct DialogShot
{
    int id = 0;
    std::string file; // without ".png"
    std::function<std::unique_ptr<CDialog>(CMainFrame& frame)> make;
    std::function<void(testing::DialogHarness& dialog)> prepare;
};

// One shot per dialog template (more for dialogs with several faces), in
// template id order.
std::vector<DialogShot> DialogShots();

// "Select Location" gives "select-location": the file name of a title.
std::string FileNameOfTitle(const std::string& title);

} // namespace halvo
