// press_button CAPTION ID: presses the button ID of the visible dialog titled
// CAPTION, in whichever program shows it, and returns once the press has been
// handled. Used by the screenshot script to act as the user.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/driver.h"
#include "support/paths.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: press_button CAPTION ID\n");
        return 2;
    }
    HWND dialog = nullptr;
    const bool shown = test_support::WaitUntil(
        [&] { return (dialog = FindWindowA("#32770", argv[1])) != nullptr && IsWindowVisible(dialog); }, 30000);
    if (!shown) {
        std::fprintf(stderr, "no dialog \"%s\"\n", argv[1]);
        return 1;
    }
    test_support::Click(dialog, std::atoi(argv[2]));
    return 0;
}
