#include "inspect/probes.h"

#include <algorithm>
#include <vector>

namespace {

// How long one message to the inspected window may take before the read gives up.
constexpr UINT kSendTimeoutMs = 100;
// The most title bytes read from any window, whatever length it claims.
constexpr LRESULT kMaxTitleBytes = 65535;

}  // namespace

std::string ReadClassName(HWND window) {
    char buffer[256];
    std::fill(buffer, buffer + 255, ' ');
    buffer[255] = '\0';
    if (GetClassNameA(window, buffer, 255) == 0) return std::string();
    return std::string(buffer);
}

std::string ReadWindowTitle(HWND window) {
    if (!IsWindow(window)) return std::string();

    // The length is asked in UTF-16 units: Wine answers the ANSI form of this message by
    // fetching the text itself, without the time-out, so a hung window would stall the
    // read there. For the ANSI text at most two bytes per unit are needed.
    DWORD_PTR units = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                             &units)) {
        return std::string();
    }
    const LRESULT length = static_cast<LRESULT>(units);
    if (length <= 0) return std::string();

    const LRESULT bytes = length > kMaxTitleBytes / 2 ? kMaxTitleBytes : length * 2;
    std::vector<char> buffer(static_cast<size_t>(bytes) + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                             SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied)) {
        return std::string();
    }
    // Whatever the window wrote, the text ends inside the buffer.
    buffer.back() = '\0';
    return std::string(buffer.data());
}

ClientSize ReadClientSize(HWND window) {
    if (!window) window = GetForegroundWindow();
    RECT r{};
    GetClientRect(window, &r);
    return ClientSize{r.right, r.bottom};
}
