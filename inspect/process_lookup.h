// The executable name of the process that owns a window, from a fresh process snapshot.
#pragma once

#include <windows.h>
#include <tlhelp32.h>

#include <array>
#include <string>
#include <vector>

// One process as the Toolhelp process list reports it: the first nine members of
// PROCESSENTRY32 under their system names, and the first 256 bytes of its file name.
struct ProcessRecord {
    DWORD dwSize = 0;
    DWORD cntUsage = 0;
    DWORD th32ProcessID = 0;
    ULONG_PTR th32DefaultHeapID = 0;
    DWORD th32ModuleID = 0;
    DWORD cntThreads = 0;
    DWORD th32ParentProcessID = 0;
    LONG pcPriClassBase = 0;
    DWORD dwFlags = 0;
    std::array<char, 256> szExeFile{};

    // The name up to its first zero byte, or all 256 bytes when there is none.
    std::string ExeName() const;
};

// The processes of one snapshot in the order the snapshot reported them; never id 0.
using ProcessTable = std::vector<ProcessRecord>;

// Replaces the table's rows with those of a new snapshot of the system's processes and
// returns their number; 0 and an empty table when no snapshot can be taken.
int SnapshotProcesses(ProcessTable& table);

// The executable name of the process owning the window's top-level ancestor (climbing
// from an owned pop-up to its owner too); empty when there is none.
std::string ProcessNameOfWindow(HWND window);
