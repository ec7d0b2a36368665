// purge_bench PRODUCT COPY: PRODUCT holds Tolmic.exe, UnInstall.exe and a
// generated tree; COPY holds the same tree. Times UnInstall.exe's whole
// removal ("&Remove" pressed until it has returned) and `cmd /c rmdir /s /q`
// on the copy, and prints both.
#include <cstdio>

#include "support/driver.h"
#include "support/paths.h"

using namespace test_support;

namespace {
double SecondsSince(const LARGE_INTEGER& start)
{
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return double(now.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

double TimeRmdir(const std::string& folder)
{
    std::string commandLine = "cmd.exe /c rmdir /s /q \"" + folder + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &startup, &info))
        return -1;
    UniqueKernelHandle process(info.hProcess);
    UniqueKernelHandle thread(info.hThread);
    WaitForSingleObject(process.Get(), INFINITE);
    return SecondsSince(start);
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: purge_bench PRODUCT COPY\n");
        return 2;
    }
    RunningProgram uninstall(JoinPath(argv[1], "UnInstall.exe"));
    HWND dialog = uninstall.WaitForDialog("Tolmic 2007 Remove");
    if (!dialog) {
        std::fprintf(stderr, "the remove dialog did not open\n");
        return 1;
    }
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    Click(dialog, IDOK);  // returns once the removal has run
    const double uninstallSeconds = SecondsSince(start);
    PostClick(dialog, IDCANCEL);
    uninstall.WaitForExit();

    const double rmdirSeconds = TimeRmdir(argv[2]);
    std::printf("uninstall_seconds %.3f\nrmdir_seconds %.3f\n", uninstallSeconds, rmdirSeconds);
    return rmdirSeconds < 0 ? 1 : 0;
}
