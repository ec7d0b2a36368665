// cleanup_bench FOLDER: FOLDER holds Tolmic.exe and UnInstall.exe. Presses
// "&Remove", keeps the dialog open for 10 s (the window in which the clean-up
// script waits for the program to end), presses "Close" and prints how long
// the folder took to disappear. Prints "removed" and "closing" at the edges
// of the waiting window so that a caller can measure the script's CPU use.
#include <cstdio>

#include "support/driver.h"
#include "support/paths.h"

using namespace test_support;

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: cleanup_bench FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    RunningProgram uninstall(JoinPath(folder, "UnInstall.exe"));
    HWND dialog = uninstall.WaitForDialog("Tolmic 2007 Remove");
    if (!dialog) {
        std::fprintf(stderr, "the remove dialog did not open\n");
        return 1;
    }
    Click(dialog, IDOK);
    std::printf("removed\n");
    std::fflush(stdout);
    Sleep(10000);
    std::printf("closing\n");
    std::fflush(stdout);

    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    PostClick(dialog, IDCANCEL);
    double seconds = 0;
    while (GetFileAttributesA(folder.c_str()) != INVALID_FILE_ATTRIBUTES) {
        Sleep(10);
        QueryPerformanceCounter(&now);
        seconds = double(now.QuadPart - start.QuadPart) / double(frequency.QuadPart);
        if (seconds > 60) {
            std::printf("gone_seconds timeout\n");
            return 1;
        }
    }
    std::printf("gone_seconds %.2f\n", seconds);
    return 0;
}
