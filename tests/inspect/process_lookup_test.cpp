// Process names of windows, from this process and from another one.
#include "inspect/process_lookup.h"
#include "support/test_windows.h"

#include <gtest/gtest.h>

using testing_support::ChildProcess;
using testing_support::TestWindow;
using testing_support::WaitForWindow;

namespace {

TEST(SnapshotProcesses, ReplacesTheRowsAndNeverHoldsIdZero) {
    ProcessTable table(1);
    table[0].th32ProcessID = 0x7FFFFFFF;
    const int count = SnapshotProcesses(table);
    ASSERT_GT(count, 0);
    EXPECT_EQ(static_cast<size_t>(count), table.size());
    bool foundSelf = false;
    for (const ProcessRecord& row : table) {
        EXPECT_NE(row.th32ProcessID, 0u);
        EXPECT_NE(row.th32ProcessID, 0x7FFFFFFFu);
        if (row.th32ProcessID == GetCurrentProcessId()) {
            foundSelf = true;
            EXPECT_EQ(row.ExeName(), "inspect_tests.exe");
        }
    }
    EXPECT_TRUE(foundSelf);
}

TEST(ProcessRecord, ANameFillingAllBytesIsTakenWhole) {
    ProcessRecord row;
    row.szExeFile.fill('n');
    EXPECT_EQ(row.ExeName(), std::string(256, 'n'));
}

TEST(ProcessNameOfWindow, NamesTheProcessOfTheTopLevelAncestor) {
    ChildProcess target("probe_target.exe", "1500 400 200 200 \"Foreign owner\"");
    ASSERT_TRUE(target.started());
    HWND foreign = WaitForWindow("VarnholtProbeTarget", "Foreign owner", 5000);
    ASSERT_NE(foreign, nullptr);

    TestWindow own({{0, 0, 50, 50}, WS_POPUP});
    EXPECT_EQ(ProcessNameOfWindow(own.hwnd()), "inspect_tests.exe");
    EXPECT_EQ(ProcessNameOfWindow(foreign), "probe_target.exe");

    // Windows of this process whose top-level ancestor belongs to the other one.
    TestWindow child({{10, 10, 50, 50}, WS_CHILD | WS_VISIBLE, 0, foreign});
    ASSERT_NE(child.hwnd(), nullptr);
    TestWindow grandchild({{1, 1, 20, 20}, WS_CHILD | WS_VISIBLE, 0, child.hwnd()});
    TestWindow ownedPopup({{0, 0, 50, 50}, WS_POPUP, 0, foreign});
    EXPECT_EQ(ProcessNameOfWindow(child.hwnd()), "probe_target.exe");
    EXPECT_EQ(ProcessNameOfWindow(grandchild.hwnd()), "probe_target.exe");
    EXPECT_EQ(ProcessNameOfWindow(ownedPopup.hwnd()), "probe_target.exe");
}

TEST(ProcessNameOfWindow, NoWindowGivesEmptyText) {
    HWND gone;
    {
        TestWindow w({{0, 0, 10, 10}, WS_POPUP});
        gone = w.hwnd();
    }
    EXPECT_EQ(ProcessNameOfWindow(nullptr), "");
    EXPECT_EQ(ProcessNameOfWindow(gone), "");
}

}  // namespace
