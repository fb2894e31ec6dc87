// The contest set's setup entry: a plain message box with the system's default caption.
#include <windows.h>

#include "api/stats_api.h"
#include "test_support.h"
#include "window_operator.h"

TEST(SetupSet, ShowsTheNoSetupMessageAndReturnsWhenItIsDismissed) {
    // A message box without a caption of its own gets the system's default, "Error".
    std::string message;
    Operator box("Error", [&message](HWND window) {
        message = ControlText(window, kMessageBoxTextId);
        Press(window, IDOK);
    });
    SetupSet0();
    ASSERT_TRUE(box.Join()) << "no message box";
    EXPECT_EQ(message, "No additional setup for this contest");
}
