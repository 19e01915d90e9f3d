// A second process for the tests: shows one top-level window of class
// "VarnholtProbeTarget" and pumps messages until it is closed or its time is up.
//   probe_target X Y W H TITLE
// A posted WM_APP makes its thread stop answering for wParam milliseconds.
#include <windows.h>

#include <cstdlib>

namespace {

LRESULT CALLBACK ProbeTargetProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_APP:
        Sleep(static_cast<DWORD>(wParam));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 6) return 2;
    WNDCLASSA wc{};
    wc.lpfnWndProc = ProbeTargetProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = "VarnholtProbeTarget";
    RegisterClassA(&wc);
    HWND w = CreateWindowExA(0, wc.lpszClassName, argv[5], WS_POPUP | WS_VISIBLE, std::atoi(argv[1]),
                             std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), nullptr, nullptr,
                             wc.hInstance, nullptr);
    if (!w) return 3;
    SetTimer(nullptr, 0, 60000, nullptr);  // a bounded life: ends after a minute at most
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && msg.hwnd == nullptr) break;
        DispatchMessageA(&msg);
    }
    return 0;
}
