// The main of every test program: GoogleTest with a watchdog, so that a test stuck in a
// modal loop or a wait ends the program instead of hanging the run.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

DWORD WINAPI Watchdog(void* param) {
    const DWORD seconds = static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(param));
    Sleep(seconds * 1000);
    std::fprintf(stderr, "watchdog: the test program ran longer than %lu s; ending it\n",
                 static_cast<unsigned long>(seconds));
    std::fflush(stderr);
    ExitProcess(99);
}

}  // namespace

int main(int argc, char** argv) {
    DWORD seconds = 100;
    if (const char* s = std::getenv("VARNHOLT_TEST_WATCHDOG_S")) seconds = static_cast<DWORD>(std::atoi(s));
    CloseHandle(CreateThread(nullptr, 0, Watchdog, reinterpret_cast<void*>(static_cast<ULONG_PTR>(seconds)), 0,
                             nullptr));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
