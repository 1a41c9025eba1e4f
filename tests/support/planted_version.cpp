// A library named like the system's version library, as something running
// as the user could leave in a program's folder: a program that searches
// its own folder first loads it instead of the system's. It answers every
// question with "no version information".

extern "C" __declspec(dllexport) unsigned long __stdcall GetFileVersionInfoSizeW(
    const wchar_t*, unsigned long* handle) {
    if (handle) *handle = 0;
    return 0;
}
