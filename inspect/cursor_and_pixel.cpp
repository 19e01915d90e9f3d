#include "common/raii.h"
#include "inspect/probes.h"

namespace {

POINT CursorPos() {
    POINT p{};
    GetCursorPos(&p);
    return p;
}

}  // namespace

ScreenColor ColorFromPixel(COLORREF pixel) {
    return ScreenColor{static_cast<int>(pixel & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
                       static_cast<int>((pixel >> 16) & 0xFF)};
}

ScreenColor ReadScreenColor() {
    WindowDC screen(nullptr);
    const POINT p = CursorPos();
    return ColorFromPixel(GetPixel(screen.get(), p.x, p.y));
}

int ReadCursorX() { return CursorPos().x; }

int ReadCursorY() { return CursorPos().y; }
