// press_button CAPTION ID: presses the button ID of the visible dialog titled
// CAPTION, in whichever program shows it, and returns once the press has been
// handled. Used by the screenshot script to act as the user.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/driver.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: press_button CAPTION ID\n");
        return 2;
    }
    for (int attempt = 0; attempt < 600; ++attempt) {
        HWND dialog = FindWindowA("#32770", argv[1]);
        if (dialog && IsWindowVisible(dialog)) {
            test_support::Click(dialog, std::atoi(argv[2]));
            return 0;
        }
        Sleep(50);
    }
    std::fprintf(stderr, "no dialog \"%s\"\n", argv[1]);
    return 1;
}
