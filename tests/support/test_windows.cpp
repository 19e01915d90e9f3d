#include "support/test_windows.h"

#include <vector>

namespace testing_support {
namespace {

constexpr char kDefaultClass[] = "VarnholtTestWindow";

LRESULT CALLBACK TestWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCCREATE: {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
        break;
    }
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(hwnd, &r);
        const COLORREF color = static_cast<COLORREF>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        HBRUSH brush = CreateSolidBrush(color);
        FillRect(reinterpret_cast<HDC>(wParam), &r, brush);
        DeleteObject(brush);
        return 1;
    }
    default:
        break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

void RegisterTestClass(const char* name) {
    WNDCLASSA wc{};
    if (GetClassInfoA(GetModuleHandleA(nullptr), name, &wc)) return;
    wc.lpfnWndProc = TestWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    RegisterClassA(&wc);
}

TestWindow::TestWindow(const Options& o) {
    const char* cls = o.className ? o.className : kDefaultClass;
    RegisterTestClass(cls);
    hwnd_ = CreateWindowExA(o.exStyle, cls, o.title, o.style, o.rect.left, o.rect.top,
                            o.rect.right - o.rect.left, o.rect.bottom - o.rect.top, o.parent, nullptr,
                            GetModuleHandleA(nullptr),
                            reinterpret_cast<void*>(static_cast<LONG_PTR>(o.color)));
    if (hwnd_ && (o.style & WS_VISIBLE)) UpdateWindow(hwnd_);
}

TestWindow::~TestWindow() {
    if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

void PumpFor(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const double deadline = NowMs() + timeoutMs;
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (condition()) return true;
        const double left = deadline - NowMs();
        if (left <= 0) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, left < 10 ? static_cast<DWORD>(left) + 1 : 10,
                                  QS_ALLINPUT);
    }
}

bool MoveCursorTo(int x, int y) {
    SetCursorPos(x, y);
    int steady = 0;
    return PumpUntil(
        [&] {
            POINT p{};
            GetCursorPos(&p);
            steady = (p.x == x && p.y == y) ? steady + 1 : 0;
            if (steady == 1) Sleep(20);
            return steady >= 2;
        },
        1500);
}

double NowMs() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER c;
    QueryPerformanceCounter(&c);
    return static_cast<double>(c.QuadPart) / ticksPerMs;
}

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path);
    return s.substr(0, s.find_last_of('\\') + 1);
}

ChildProcess::ChildProcess(const std::string& exeName, const std::string& arguments) {
    const std::string exe = ProgramFolder() + exeName;
    std::string command = "\"" + exe + "\" " + arguments;
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    STARTUPINFOA si{};
    si.cb = sizeof(si);
    if (!CreateProcessA(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &info_)) {
        info_ = PROCESS_INFORMATION{};
    }
}

ChildProcess::~ChildProcess() {
    if (!info_.hProcess) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

DWORD ChildProcess::WaitForExit(DWORD timeoutMs) {
    if (!info_.hProcess) return STILL_ACTIVE;
    WaitForSingleObject(info_.hProcess, timeoutMs);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs) {
    HWND found = nullptr;
    PumpUntil([&] { return (found = FindWindowA(className, title)) != nullptr; }, timeoutMs);
    return found;
}

}  // namespace testing_support
