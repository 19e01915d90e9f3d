// Class names, titles and client sizes read from real windows.
#include "inspect/probes.h"
#include "support/test_windows.h"

#include <gtest/gtest.h>

#include <string>

using testing_support::ChildProcess;
using testing_support::NowMs;
using testing_support::TestWindow;
using testing_support::WaitForWindow;

namespace {

TEST(ReadClassName, LongNamesComeBackAsTheirFirst254Bytes) {
    struct Case {
        size_t length;
        size_t expected;
    } const cases[] = {{255, 254}, {254, 254}, {253, 253}, {5, 5}};
    for (const Case& c : cases) {
        std::string name(c.length, 'k');
        name[0] = static_cast<char>('A' + c.length % 26);  // a class of its own per case
        TestWindow w({{0, 0, 10, 10}, WS_POPUP, 0, nullptr, 0, "", name.c_str()});
        ASSERT_NE(w.hwnd(), nullptr) << c.length;
        EXPECT_EQ(ReadClassName(w.hwnd()), name.substr(0, c.expected)) << c.length;
    }
}

TEST(ReadClassName, AFailedCallGivesEmptyText) {
    HWND gone;
    {
        TestWindow w({{0, 0, 10, 10}, WS_POPUP});
        gone = w.hwnd();
    }
    EXPECT_EQ(ReadClassName(gone), "");
    EXPECT_EQ(ReadClassName(nullptr), "");
    EXPECT_EQ(ReadClassName(reinterpret_cast<HWND>(static_cast<ULONG_PTR>(0x12345678))), "");
}

// A window that answers WM_GETTEXTLENGTH with a value of the test's choosing and fills
// whatever buffer WM_GETTEXT hands it; it counts the WM_GETTEXT messages it gets.
LRESULT g_claimedLength = 0;
int g_getTextCount = 0;

LRESULT CALLBACK ClaimingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_GETTEXTLENGTH) return g_claimedLength;
    if (msg == WM_GETTEXT) {
        ++g_getTextCount;
        if (wParam == 0) return 0;
        char* out = reinterpret_cast<char*>(lParam);
        const size_t n = wParam - 1;
        for (size_t i = 0; i < n; ++i) out[i] = 'x';
        out[n] = '\0';
        return static_cast<LRESULT>(n);
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

class ClaimingWindow : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA wc{};
        wc.lpfnWndProc = ClaimingProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "VarnholtClaiming";
        RegisterClassA(&wc);
        hwnd_ = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                wc.hInstance, nullptr);
        ASSERT_NE(hwnd_, nullptr);
        g_getTextCount = 0;
    }
    void TearDown() override { DestroyWindow(hwnd_); }
    HWND hwnd_ = nullptr;
};

TEST_F(ClaimingWindow, LengthZeroGivesEmptyTextWithoutAskingForIt) {
    g_claimedLength = 0;
    EXPECT_EQ(ReadWindowTitle(hwnd_), "");
    EXPECT_EQ(g_getTextCount, 0);
}

TEST_F(ClaimingWindow, NegativeLengthGivesEmptyText) {
    g_claimedLength = -5;
    EXPECT_EQ(ReadWindowTitle(hwnd_), "");
    EXPECT_EQ(g_getTextCount, 0);
}

TEST_F(ClaimingWindow, HugeLengthReadsAtMost65535Bytes) {
    g_claimedLength = 0x7FFFFFF0;
    const std::string title = ReadWindowTitle(hwnd_);
    EXPECT_EQ(title.size(), 65535u);
    EXPECT_EQ(title.find_first_not_of('x'), std::string::npos);
}

TEST(ReadWindowTitle, ReadsGbkTitlesWhole) {
    // "测试窗口 " with its trailing space: four double-byte characters and one single.
    TestWindow w({{0, 0, 10, 10}, WS_POPUP, 0, nullptr, 0, "测试窗口 "});
    EXPECT_EQ(ReadWindowTitle(w.hwnd()), "测试窗口 ");
}

TEST(ReadWindowTitle, NotAWindowGivesEmptyText) {
    EXPECT_EQ(ReadWindowTitle(nullptr), "");
    EXPECT_EQ(ReadWindowTitle(reinterpret_cast<HWND>(static_cast<ULONG_PTR>(0x12345678))), "");
}

TEST(ReadWindowTitle, AWindowOfAnotherProcessIsRead) {
    ChildProcess target("probe_target.exe", "1500 50 100 100 \"Foreign title\"");
    ASSERT_TRUE(target.started());
    HWND w = WaitForWindow("VarnholtProbeTarget", "Foreign title", 5000);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(ReadWindowTitle(w), "Foreign title");
}

TEST(ReadWindowTitle, AWindowWhoseThreadDoesNotAnswerCannotHoldTheRead) {
    ChildProcess target("probe_target.exe", "1500 200 100 100 \"Stuck title\"");
    ASSERT_TRUE(target.started());
    HWND w = WaitForWindow("VarnholtProbeTarget", "Stuck title", 5000);
    ASSERT_NE(w, nullptr);
    PostMessageA(w, WM_APP, 3000, 0);  // its thread sleeps three seconds
    Sleep(100);
    const double start = NowMs();
    const std::string title = ReadWindowTitle(w);
    const double took = NowMs() - start;
    EXPECT_EQ(title, "");
    EXPECT_LT(took, 500.0) << "two bounded sends of 100 ms each";
}

TEST(ReadClientSize, GivesTheClientRectangle) {
    RECT r{0, 0, 800, 600};
    AdjustWindowRectEx(&r, WS_OVERLAPPEDWINDOW, FALSE, 0);
    TestWindow w({{100, 100, 100 + r.right - r.left, 100 + r.bottom - r.top}, WS_OVERLAPPEDWINDOW});
    const ClientSize size = ReadClientSize(w.hwnd());
    EXPECT_EQ(size.width, 800);
    EXPECT_EQ(size.height, 600);
}

TEST(ReadClientSize, HandleZeroStandsForTheForegroundWindow) {
    TestWindow w({{200, 200, 200 + 321, 200 + 123}, WS_POPUP | WS_VISIBLE});
    SetForegroundWindow(w.hwnd());
    testing_support::PumpUntil([&] { return GetForegroundWindow() == w.hwnd(); }, 2000);
    ASSERT_EQ(GetForegroundWindow(), w.hwnd());
    const ClientSize size = ReadClientSize(nullptr);
    EXPECT_EQ(size.width, 321);
    EXPECT_EQ(size.height, 123);
}

TEST(ReadClientSize, NotAWindowGivesZeros) {
    const ClientSize size = ReadClientSize(reinterpret_cast<HWND>(static_cast<ULONG_PTR>(0x12345678)));
    EXPECT_EQ(size.width, 0);
    EXPECT_EQ(size.height, 0);
}

}  // namespace
