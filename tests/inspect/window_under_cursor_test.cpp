// The smallest-sibling rule, checked on real windows under a real cursor.
#include "inspect/probes.h"
#include "support/test_windows.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using testing_support::MoveCursorTo;
using testing_support::TestWindow;

namespace {

// A sibling that answers HTTRANSPARENT: WindowFromPoint looks through it, so it can lie
// above the window that WindowFromPoint returns and still contain the cursor.
LRESULT CALLBACK TransparentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCHITTEST) return HTTRANSPARENT;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND CreateTransparentChild(HWND parent, const RECT& r) {
    WNDCLASSA wc{};
    if (!GetClassInfoA(GetModuleHandleA(nullptr), "VarnholtTransparent", &wc)) {
        wc.lpfnWndProc = TransparentProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "VarnholtTransparent";
        RegisterClassA(&wc);
    }
    return CreateWindowExA(0, "VarnholtTransparent", "", WS_CHILD | WS_VISIBLE, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, parent, nullptr, GetModuleHandleA(nullptr),
                           nullptr);
}

struct Sibling {
    RECT rect;  // client coordinates of the parent
    bool visible = true;
    bool enabled = true;
    bool transparent = false;
};

struct SiblingCase {
    const char* name;
    std::vector<Sibling> siblings;  // in creation order, so the first lies on top
    size_t expected;                // index of the window the rule must pick
};

// The parent lies at (100, 100) on the screen; the cursor is put at client point (50, 50).
constexpr int kParentX = 100, kParentY = 100;
constexpr int kCursorX = kParentX + 50, kCursorY = kParentY + 50;

const SiblingCase kSiblingCases[] = {
    {"two smaller siblings below: the smaller wins",
     {{{0, 0, 300, 300}}, {{0, 0, 200, 200}}, {{0, 0, 100, 100}}}, 2},
    {"equal areas: the one higher in Z order", {{{0, 0, 300, 300}}, {{0, 0, 100, 100}}, {{10, 10, 110, 110}}}, 1},
    {"a sibling as large as W: W", {{{0, 0, 100, 100}}, {{10, 10, 110, 110}}}, 0},
    {"a hidden smaller sibling: never", {{{0, 0, 300, 300}}, {{0, 0, 100, 100}, false}}, 0},
    {"a disabled smaller sibling: taken", {{{0, 0, 300, 300}}, {{0, 0, 100, 100}, true, false}}, 1},
    {"a smaller sibling above W: never",
     {{{0, 0, 100, 100}, true, true, true}, {{0, 0, 300, 300}}}, 1},
    {"a smaller sibling whose right and bottom edges meet the cursor: outside",
     {{{0, 0, 300, 300}}, {{0, 0, 50, 50}}}, 0},
    {"a smaller sibling whose left and top edges meet the cursor: inside",
     {{{0, 0, 300, 300}}, {{50, 50, 90, 90}}}, 1},
    {"the walk goes past a window it does not take",
     {{{0, 0, 300, 300}}, {{200, 200, 220, 220}}, {{0, 0, 120, 120}}}, 2},
};

class SmallestSibling : public ::testing::TestWithParam<SiblingCase> {};

TEST_P(SmallestSibling, PicksTheExpectedWindow) {
    const SiblingCase& c = GetParam();
    TestWindow parent({{kParentX, kParentY, kParentX + 400, kParentY + 400}, WS_POPUP | WS_VISIBLE});
    std::vector<HWND> siblings;
    std::vector<std::unique_ptr<TestWindow>> owned;
    for (const Sibling& s : c.siblings) {
        HWND h;
        if (s.transparent) {
            h = CreateTransparentChild(parent.hwnd(), s.rect);
        } else {
            owned.push_back(std::make_unique<TestWindow>(
                TestWindow::Options{s.rect, WS_CHILD | (s.visible ? WS_VISIBLE : 0u), 0, parent.hwnd()}));
            h = owned.back()->hwnd();
        }
        if (!s.enabled) EnableWindow(h, FALSE);
        siblings.push_back(h);
    }
    ASSERT_TRUE(MoveCursorTo(kCursorX, kCursorY));
    EXPECT_EQ(WindowUnderCursor(), siblings[c.expected]) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, SmallestSibling, ::testing::ValuesIn(kSiblingCases));

TEST(WindowUnderCursor, TopLevelWindowWithoutParentIsTakenWithoutWalk) {
    // A smaller top-level window below the one under the cursor does not count.
    TestWindow smaller({{150, 150, 200, 200}, WS_POPUP | WS_VISIBLE});
    TestWindow top({{100, 100, 400, 400}, WS_POPUP | WS_VISIBLE});
    ASSERT_TRUE(MoveCursorTo(160, 160));
    ASSERT_EQ(WindowFromPoint(POINT{160, 160}), top.hwnd());
    EXPECT_EQ(WindowUnderCursor(), top.hwnd());
}

TEST(WindowUnderCursor, OwnedPopupsAreComparedWithPopupsOfTheSameOwner) {
    TestWindow owner({{1200, 100, 1300, 200}, WS_POPUP | WS_VISIBLE});
    TestWindow unowned({{140, 140, 160, 160}, WS_POPUP | WS_VISIBLE});
    TestWindow smallerSibling({{120, 120, 200, 200}, WS_POPUP | WS_VISIBLE, 0, owner.hwnd()});
    TestWindow under({{100, 100, 400, 400}, WS_POPUP | WS_VISIBLE, 0, owner.hwnd()});
    ASSERT_TRUE(MoveCursorTo(150, 150));
    ASSERT_EQ(WindowFromPoint(POINT{150, 150}), under.hwnd());
    EXPECT_EQ(WindowUnderCursor(), smallerSibling.hwnd());
}

}  // namespace
