// A library that says it was loaded: on loading it writes "<its own
// path>.loaded" beside itself, holding the path of the program that loaded
// it. Planted under a system library's name, it shows whether a program
// would take a library of that name from the folder it was left in.

#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    wchar_t path[MAX_PATH + 8] = L"";
    const DWORD n = ::GetModuleFileNameW(self, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return TRUE;
    ::lstrcatW(path, L".loaded");
    HANDLE file = ::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return TRUE;
    wchar_t program[MAX_PATH] = L"";
    const DWORD length = ::GetModuleFileNameW(nullptr, program, MAX_PATH);
    DWORD written = 0;
    ::WriteFile(file, program, length * sizeof(wchar_t), &written, nullptr);
    ::CloseHandle(file);
    return TRUE;
}
