#include "inspect/probes.h"

namespace {

// Areas are formed in 64 bits: a 32-bit product of two large extents would overflow.
long long AreaOf(const RECT& r) {
    return static_cast<long long>(r.right - r.left) * static_cast<long long>(r.bottom - r.top);
}

RECT WindowRectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

}  // namespace

HWND WindowUnderCursor() {
    POINT p{};
    GetCursorPos(&p);
    HWND w = WindowFromPoint(p);
    if (!w) return nullptr;

    HWND choice = w;
    long long choiceArea = AreaOf(WindowRectOf(w));
    HWND parent = GetParent(w);
    if (!parent) return w;

    // Only windows below W in Z order are examined; the walk goes on past every window,
    // taken or not, and a strictly smaller area is needed to replace the choice.
    for (HWND cur = GetWindow(w, GW_HWNDNEXT); cur; cur = GetWindow(cur, GW_HWNDNEXT)) {
        RECT r = WindowRectOf(cur);
        if (PtInRect(&r, p) && GetParent(cur) == parent && IsWindowVisible(cur) &&
            AreaOf(r) < choiceArea) {
            choice = cur;
            choiceArea = AreaOf(r);
        }
    }
    return choice;
}
