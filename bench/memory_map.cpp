// memory_map.exe NAME: the Windows side of another process's address space,
// (the newest process of that file name), for bench/memory_breakdown.py,
// which counts the pages Linux holds for each region. One line per region
// with committed pages:
//   START END LABEL        (hexadecimal addresses, END exclusive)
// LABEL is "image NAME" or "mapped NAME" for a mapped file, "stack" for a
// thread's stack, "heap" for a heap the process lists, "thread block" for a
// thread's own data, else "private" (large heap blocks, bitmaps, buffers).
#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>
#include <winternl.h>

#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <map>
#include <string>
#include <vector>

namespace {

using Address = std::uintptr_t;

struct Span {
    Address from, to;
    std::wstring label;
};

// What a region belongs to, by its allocation's base.
std::map<Address, std::wstring> allocationLabels;

template <typename T>
bool Read(HANDLE process, Address at, T& value) {
    SIZE_T got = 0;
    return ::ReadProcessMemory(process, reinterpret_cast<const void*>(at), &value, sizeof value,
                               &got) &&
           got == sizeof value;
}

template <typename F>
F NtFunction(const char* name) {
    return reinterpret_cast<F>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), name)));
}

// The process's heaps, from its PEB (offsets of NumberOfHeaps and
// ProcessHeaps in the 64-bit and the 32-bit layout).
void LabelHeaps(HANDLE process) {
    using Query = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    const auto query = NtFunction<Query>("NtQueryInformationProcess");
    PROCESS_BASIC_INFORMATION info{};
    if (!query || query(process, ProcessBasicInformation, &info, sizeof info, nullptr) != 0) return;
    const Address peb = reinterpret_cast<Address>(info.PebBaseAddress);
    const bool wide = sizeof(void*) == 8;
    ULONG count = 0;
    Address list = 0;
    if (!Read(process, peb + (wide ? 0xE8 : 0x88), count)) return;
    if (!Read(process, peb + (wide ? 0xF0 : 0x90), list)) return;
    for (ULONG i = 0; i < count && i < 64; ++i) {
        Address heap = 0;
        if (Read(process, list + i * sizeof(Address), heap) && heap)
            allocationLabels[heap] = L"heap";
    }
}

// The module holding the thread's start address: who made the thread.
template <typename Query>
std::wstring StartModule(HANDLE process, HANDLE thread, Query query) {
    constexpr auto kStartAddress = static_cast<THREADINFOCLASS>(9);
    PVOID start = nullptr;
    if (query(thread, kStartAddress, &start, sizeof start, nullptr) != 0 || !start) return L"?";
    wchar_t path[MAX_PATH] = {};
    if (!::GetMappedFileNameW(process, start, path, MAX_PATH)) return L"?";
    const wchar_t* name = std::wcsrchr(path, L'\\');
    return name ? name + 1 : path;
}

// Each thread's stack and thread block, from its TEB.
void LabelThreads(HANDLE process, DWORD pid) {
    using Query = NTSTATUS(NTAPI*)(HANDLE, THREADINFOCLASS, PVOID, ULONG, PULONG);
    const auto query = NtFunction<Query>("NtQueryInformationThread");
    struct BasicInformation {
        NTSTATUS exitStatus;
        PVOID teb;
        CLIENT_ID client;
        ULONG_PTR affinity;
        LONG priority, basePriority;
    };
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (!query || snapshot == INVALID_HANDLE_VALUE) return;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Thread32First(snapshot, &entry); more;
         more = ::Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID != pid) continue;
        HANDLE thread = ::OpenThread(THREAD_QUERY_INFORMATION, FALSE, entry.th32ThreadID);
        if (!thread) continue;
        BasicInformation basic{};
        if (query(thread, static_cast<THREADINFOCLASS>(0), &basic, sizeof basic, nullptr) == 0) {
            const Address teb = reinterpret_cast<Address>(basic.teb);
            NT_TIB tib{};
            if (Read(process, teb, tib)) {
                MEMORY_BASIC_INFORMATION m{};
                if (::VirtualQueryEx(process, static_cast<char*>(tib.StackBase) - 1, &m, sizeof m))
                    allocationLabels[reinterpret_cast<Address>(m.AllocationBase)] =
                        L"stack of a thread started in " + StartModule(process, thread, query);
            }
            MEMORY_BASIC_INFORMATION m{};
            if (::VirtualQueryEx(process, basic.teb, &m, sizeof m))
                allocationLabels.emplace(reinterpret_cast<Address>(m.AllocationBase),
                                         L"thread block");
        }
        ::CloseHandle(thread);
    }
    ::CloseHandle(snapshot);
}

std::wstring FileLabel(HANDLE process, void* at, const wchar_t* kind) {
    wchar_t path[MAX_PATH] = {};
    if (!::GetMappedFileNameW(process, at, path, MAX_PATH)) return std::wstring(kind) + L" ?";
    const wchar_t* name = std::wcsrchr(path, L'\\');
    return std::wstring(kind) + L" " + (name ? name + 1 : path);
}

// The newest process running `name` (process ids grow under Wine).
DWORD ProcessNamed(const wchar_t* name) {
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    DWORD found = 0;
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more;
         more = ::Process32NextW(snapshot, &entry))
        if (_wcsicmp(entry.szExeFile, name) == 0 && entry.th32ProcessID > found)
            found = entry.th32ProcessID;
    ::CloseHandle(snapshot);
    return found;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: memory_map.exe NAME\n");
        return 2;
    }
    const DWORD pid = ProcessNamed(argv[1]);
    HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!process) {
        std::fprintf(stderr, "memory_map: no process %ls to open\n", argv[1]);
        return 1;
    }
    LabelHeaps(process);
    LabelThreads(process, pid);
    std::vector<Span> spans;
    MEMORY_BASIC_INFORMATION m{};
    for (char* at = nullptr; ::VirtualQueryEx(process, at, &m, sizeof m) == sizeof m;
         at = static_cast<char*>(m.BaseAddress) + m.RegionSize) {
        if (m.State != MEM_COMMIT) continue;
        const Address base = reinterpret_cast<Address>(m.AllocationBase);
        std::wstring label;
        if (m.Type == MEM_IMAGE)
            label = FileLabel(process, m.BaseAddress, L"image");
        else if (m.Type == MEM_MAPPED)
            label = FileLabel(process, m.BaseAddress, L"mapped");
        else if (auto it = allocationLabels.find(base); it != allocationLabels.end())
            label = it->second;
        else
            label = L"private";
        const Address from = reinterpret_cast<Address>(m.BaseAddress);
        if (!spans.empty() && spans.back().to == from && spans.back().label == label)
            spans.back().to = from + m.RegionSize;
        else
            spans.push_back({from, from + m.RegionSize, label});
    }
    for (const Span& s : spans)
        std::printf("%llx %llx %ls\n", static_cast<unsigned long long>(s.from),
                    static_cast<unsigned long long>(s.to), s.label.c_str());
    ::CloseHandle(process);
    return 0;
}
