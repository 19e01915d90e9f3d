// Probes of the window under the mouse cursor and of the cursor itself.
// None keeps state or caches anything: every call reads the system afresh, and every
// probe that needs the cursor position reads it itself at the moment it runs.
#pragma once

#include <windows.h>

#include <string>

struct ClientSize {
    int width = 0;
    int height = 0;
};

struct ScreenColor {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// The window under the cursor by the smallest-sibling rule: of the window that
// WindowFromPoint gives and the visible siblings below it in Z order that contain the
// cursor, the one of smallest area (the earliest in Z order among equals). 0 for none.
HWND WindowUnderCursor();

// The window's class name; empty when it cannot be read. At most 254 bytes.
std::string ReadClassName(HWND window);

// The window's text, asked for with bounded sends so that a window whose thread does
// not answer cannot hold the caller. Empty when the window does not answer in time.
std::string ReadWindowTitle(HWND window);

// Client width and height; window 0 stands for the foreground window. 0 and 0 on failure.
ClientSize ReadClientSize(HWND window);

// Red, green and blue of the screen pixel under the cursor; 255, 255, 255 when the
// pixel cannot be read.
ScreenColor ReadScreenColor();

// Splits a COLORREF (0x00bbggrr) into its components. CLR_INVALID reads as white.
ScreenColor ColorFromPixel(COLORREF pixel);

int ReadCursorX();
int ReadCursorY();
