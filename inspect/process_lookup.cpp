#include "inspect/process_lookup.h"

#include "common/raii.h"

#include <algorithm>
#include <cstring>

std::string ProcessRecord::ExeName() const {
    const auto end = std::find(szExeFile.begin(), szExeFile.end(), '\0');
    return std::string(szExeFile.begin(), end);
}

namespace {

ProcessRecord RecordOf(const PROCESSENTRY32& entry) {
    ProcessRecord row;
    row.dwSize = entry.dwSize;
    row.cntUsage = entry.cntUsage;
    row.th32ProcessID = entry.th32ProcessID;
    row.th32DefaultHeapID = entry.th32DefaultHeapID;
    row.th32ModuleID = entry.th32ModuleID;
    row.cntThreads = entry.cntThreads;
    row.th32ParentProcessID = entry.th32ParentProcessID;
    row.pcPriClassBase = entry.pcPriClassBase;
    row.dwFlags = entry.dwFlags;
    std::memcpy(row.szExeFile.data(), entry.szExeFile, row.szExeFile.size());
    return row;
}

}  // namespace

int SnapshotProcesses(ProcessTable& table) {
    ProcessTable rows;
    // Only the process list is read, so only processes are snapshotted: taking threads,
    // heaps and modules too would multiply the cost of every capture tick.
    KernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (snapshot.valid()) {
        PROCESSENTRY32 entry{};
        entry.dwSize = sizeof(entry);
        for (BOOL ok = Process32First(snapshot.get(), &entry); ok;
             ok = Process32Next(snapshot.get(), &entry)) {
            if (entry.th32ProcessID != 0) rows.push_back(RecordOf(entry));
        }
    }
    table = std::move(rows);
    return static_cast<int>(table.size());
}

std::string ProcessNameOfWindow(HWND window) {
    HWND top = window;
    for (HWND up = top ? GetParent(top) : nullptr; up; up = GetParent(up)) top = up;

    DWORD pid = 0;
    if (top) GetWindowThreadProcessId(top, &pid);
    if (pid == 0) return std::string();

    ProcessTable table;
    const int count = SnapshotProcesses(table);
    for (int i = 0; i < count; ++i) {
        if (table[i].th32ProcessID == pid) return table[i].ExeName();
    }
    return std::string();
}
