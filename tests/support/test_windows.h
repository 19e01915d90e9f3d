// Windows, processes and waits for tests that drive real Win32 under Wine.
// Every wait here is bounded.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace testing_support {

// A window of a plain test class that paints itself in one colour. Destroyed with the object.
class TestWindow {
public:
    struct Options {
        RECT rect{0, 0, 100, 100};  // screen coordinates, or client ones of the parent
        DWORD style = WS_POPUP | WS_VISIBLE;
        DWORD exStyle = 0;
        HWND parent = nullptr;      // parent for WS_CHILD, owner otherwise
        COLORREF color = RGB(0, 128, 0);
        const char* title = "";
        const char* className = nullptr;  // nullptr: the shared test class
    };
    explicit TestWindow(const Options& options);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND hwnd() const { return hwnd_; }

private:
    HWND hwnd_ = nullptr;
};

// Registers a window class of the given name over the test window procedure (idempotent).
// The class paints its client area in the colour the window was created with.
void RegisterTestClass(const char* name);

// Dispatches this thread's messages for the given time.
void PumpFor(DWORD ms);

// Dispatches messages until the condition holds or the time is up; true when it held.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs);

// Puts the cursor at a screen point and waits until the system reports it there
// steadily (Wine can report the old position for a while after SetCursorPos).
bool MoveCursorTo(int x, int y);

// Milliseconds from a monotonic high-resolution clock.
double NowMs();

// The folder of the running test program, with a trailing backslash.
std::string ProgramFolder();

// A second process started from a program beside the test program, ended with the object.
class ChildProcess {
public:
    ChildProcess(const std::string& exeName, const std::string& arguments);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return info_.hProcess != nullptr; }
    DWORD pid() const { return info_.dwProcessId; }
    HANDLE process() const { return info_.hProcess; }
    // Waits for the process to end; its exit code, or STILL_ACTIVE after the time-out.
    DWORD WaitForExit(DWORD timeoutMs);

private:
    PROCESS_INFORMATION info_{};
};

// Finds a top-level window by class and title, waiting for it to appear.
HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs);

}  // namespace testing_support
