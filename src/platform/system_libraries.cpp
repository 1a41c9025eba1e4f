#include "platform/system_libraries.h"

#include <array>
#include <atomic>

namespace vix::platform {
namespace {

constexpr std::array<const wchar_t*, 10> kFiles = {
    L"shell32.dll", L"comdlg32.dll", L"comctl32.dll", L"ole32.dll",  L"oleaut32.dll",
    L"winhttp.dll", L"wintrust.dll", L"crypt32.dll",  L"dwmapi.dll", L"shcore.dll"};

std::atomic<HMODULE> loaded[kFiles.size()];

// The system folder alone. The program's own folder is left out: named
// too, it is searched before the system folder, and a library left beside
// the program would still stand in for a system one (seen under Wine with
// LOAD_LIBRARY_SEARCH_APPLICATION_DIR added). Vix32.dll, bound at load
// time, is found before the entry runs and needs no search from here.
constexpr DWORD kLibrarySearch = LOAD_LIBRARY_SEARCH_SYSTEM32;

HMODULE LoadOnce(SystemLibrary library) {
    const auto index = static_cast<std::size_t>(library);
    std::atomic<HMODULE>& slot = loaded[index];
    HMODULE module = slot.load(std::memory_order_acquire);
    if (module) return module;
    // From the system folder only, never the program's: a library of the
    // same name put beside the program is not loaded. Two threads loading
    // at once each count up the library's references; it is never freed.
    module = ::LoadLibraryExW(kFiles[index], nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module) slot.store(module, std::memory_order_release);
    return module;
}

}  // namespace

bool LoadLibrariesFromTheSystemFolderOnly() {
    // Looked up rather than imported: a system without it still starts.
    using SetDirectories = BOOL(WINAPI*)(DWORD);
    const auto set = reinterpret_cast<SetDirectories>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    return set && set(kLibrarySearch) != FALSE;
}

FARPROC SystemFunction(SystemLibrary library, const char* name) {
    const HMODULE module = LoadOnce(library);
    return module ? ::GetProcAddress(module, name) : nullptr;
}

HMODULE LoadedSystemLibrary(SystemLibrary library) {
    return loaded[static_cast<std::size_t>(library)].load(std::memory_order_acquire);
}

namespace late {
namespace {

template <typename Result>
Result Missing(Result failure) {
    ::SetLastError(ERROR_PROC_NOT_FOUND);
    return failure;
}

const HRESULT kMissing = HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);

}  // namespace

// The function of the system's header, found once, under the header's own
// pointer type; the name is written once so that it cannot differ.
#define VIX_BIND(library, function) \
    static const auto bound =       \
        BoundFunction<decltype(&::function)>(SystemLibrary::library, #function)

// --- shell32 ------------------------------------------------------------------

BOOL Shell_NotifyIconW(DWORD message, PNOTIFYICONDATAW data) {
    VIX_BIND(Shell, Shell_NotifyIconW);
    return bound ? bound(message, data) : Missing(FALSE);
}

HINSTANCE ShellExecuteW(HWND window, LPCWSTR operation, LPCWSTR file, LPCWSTR parameters,
                        LPCWSTR directory, INT show) {
    VIX_BIND(Shell, ShellExecuteW);
    // A result of 32 or less is a failure.
    return bound ? bound(window, operation, file, parameters, directory, show)
                 : Missing(reinterpret_cast<HINSTANCE>(SE_ERR_DLLNOTFOUND));
}

BOOL ShellExecuteExW(SHELLEXECUTEINFOW* info) {
    VIX_BIND(Shell, ShellExecuteExW);
    return bound ? bound(info) : Missing(FALSE);
}

PIDLIST_ABSOLUTE SHBrowseForFolderW(LPBROWSEINFOW info) {
    VIX_BIND(Shell, SHBrowseForFolderW);
    return bound ? bound(info) : Missing<PIDLIST_ABSOLUTE>(nullptr);
}

BOOL SHGetPathFromIDListEx(PCIDLIST_ABSOLUTE list, PWSTR path, DWORD size, GPFIDL_FLAGS flags) {
    VIX_BIND(Shell, SHGetPathFromIDListEx);
    return bound ? bound(list, path, size, flags) : Missing(FALSE);
}

HRESULT SHGetKnownFolderPath(REFKNOWNFOLDERID folder, DWORD flags, HANDLE token, PWSTR* path) {
    VIX_BIND(Shell, SHGetKnownFolderPath);
    if (bound) return bound(folder, flags, token, path);
    if (path) *path = nullptr;
    return Missing(kMissing);
}

// --- comdlg32 -----------------------------------------------------------------

BOOL GetSaveFileNameW(LPOPENFILENAMEW dialog) {
    VIX_BIND(CommonDialogs, GetSaveFileNameW);
    return bound ? bound(dialog) : Missing(FALSE);
}

// --- comctl32 -----------------------------------------------------------------

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* classes) {
    VIX_BIND(CommonControls, InitCommonControlsEx);
    return bound ? bound(classes) : Missing(FALSE);
}

BOOL SetWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data) {
    VIX_BIND(CommonControls, SetWindowSubclass);
    return bound ? bound(window, procedure, id, data) : Missing(FALSE);
}

BOOL RemoveWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id) {
    VIX_BIND(CommonControls, RemoveWindowSubclass);
    return bound ? bound(window, procedure, id) : Missing(FALSE);
}

LRESULT DefSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    VIX_BIND(CommonControls, DefSubclassProc);
    // Only a subclassed window calls it, and subclassing needed the library.
    return bound ? bound(window, message, wParam, lParam)
                 : ::DefWindowProcW(window, message, wParam, lParam);
}

// --- ole32 --------------------------------------------------------------------

HRESULT CoInitializeEx(LPVOID reserved, DWORD flags) {
    VIX_BIND(Ole, CoInitializeEx);
    return bound ? bound(reserved, flags) : Missing(kMissing);
}

void CoUninitialize() {
    VIX_BIND(Ole, CoUninitialize);
    if (bound) bound();
}

HRESULT CoCreateInstance(REFCLSID what, LPUNKNOWN outer, DWORD context, REFIID interfaceId,
                         LPVOID* object) {
    VIX_BIND(Ole, CoCreateInstance);
    if (bound) return bound(what, outer, context, interfaceId, object);
    if (object) *object = nullptr;
    return Missing(kMissing);
}

void CoTaskMemFree(LPVOID memory) {
    VIX_BIND(Ole, CoTaskMemFree);
    if (bound) bound(memory);
}

HRESULT OleInitialize(LPVOID reserved) {
    VIX_BIND(Ole, OleInitialize);
    return bound ? bound(reserved) : Missing(kMissing);
}

void OleUninitialize() {
    VIX_BIND(Ole, OleUninitialize);
    if (bound) bound();
}

// --- oleaut32 -----------------------------------------------------------------

BSTR SysAllocStringLen(const OLECHAR* text, UINT length) {
    VIX_BIND(OleAutomation, SysAllocStringLen);
    return bound ? bound(text, length) : Missing<BSTR>(nullptr);
}

void SysFreeString(BSTR text) {
    VIX_BIND(OleAutomation, SysFreeString);
    if (bound) bound(text);
}

UINT SysStringLen(BSTR text) {
    VIX_BIND(OleAutomation, SysStringLen);
    return bound ? bound(text) : Missing(0u);
}

void VariantInit(VARIANTARG* value) {
    VIX_BIND(OleAutomation, VariantInit);
    if (bound)
        bound(value);
    else
        value->vt = VT_EMPTY;  // all VariantInit does
}

HRESULT VariantClear(VARIANTARG* value) {
    VIX_BIND(OleAutomation, VariantClear);
    return bound ? bound(value) : Missing(kMissing);
}

HRESULT VariantChangeType(VARIANTARG* to, const VARIANTARG* from, USHORT flags, VARTYPE type) {
    VIX_BIND(OleAutomation, VariantChangeType);
    // Some SDKs declare the source without const; it is only read.
    return bound ? bound(to, const_cast<VARIANTARG*>(from), flags, type) : Missing(kMissing);
}

// --- winhttp ------------------------------------------------------------------

HINTERNET WinHttpOpen(LPCWSTR agent, DWORD accessType, LPCWSTR proxy, LPCWSTR bypass, DWORD flags) {
    VIX_BIND(WinHttp, WinHttpOpen);
    return bound ? bound(agent, accessType, proxy, bypass, flags) : Missing<HINTERNET>(nullptr);
}

HINTERNET WinHttpConnect(HINTERNET session, LPCWSTR server, INTERNET_PORT port, DWORD reserved) {
    VIX_BIND(WinHttp, WinHttpConnect);
    return bound ? bound(session, server, port, reserved) : Missing<HINTERNET>(nullptr);
}

BOOL WinHttpCrackUrl(LPCWSTR url, DWORD length, DWORD flags, LPURL_COMPONENTS parts) {
    VIX_BIND(WinHttp, WinHttpCrackUrl);
    return bound ? bound(url, length, flags, parts) : Missing(FALSE);
}

HINTERNET WinHttpOpenRequest(HINTERNET connection, LPCWSTR verb, LPCWSTR object, LPCWSTR version,
                             LPCWSTR referrer, LPCWSTR* acceptTypes, DWORD flags) {
    VIX_BIND(WinHttp, WinHttpOpenRequest);
    return bound ? bound(connection, verb, object, version, referrer, acceptTypes, flags)
                 : Missing<HINTERNET>(nullptr);
}

BOOL WinHttpQueryHeaders(HINTERNET request, DWORD level, LPCWSTR name, LPVOID buffer,
                         LPDWORD length, LPDWORD index) {
    VIX_BIND(WinHttp, WinHttpQueryHeaders);
    return bound ? bound(request, level, name, buffer, length, index) : Missing(FALSE);
}

BOOL WinHttpQueryDataAvailable(HINTERNET request, LPDWORD available) {
    VIX_BIND(WinHttp, WinHttpQueryDataAvailable);
    return bound ? bound(request, available) : Missing(FALSE);
}

BOOL WinHttpReadData(HINTERNET request, LPVOID buffer, DWORD toRead, LPDWORD read) {
    VIX_BIND(WinHttp, WinHttpReadData);
    return bound ? bound(request, buffer, toRead, read) : Missing(FALSE);
}

BOOL WinHttpReceiveResponse(HINTERNET request, LPVOID reserved) {
    VIX_BIND(WinHttp, WinHttpReceiveResponse);
    return bound ? bound(request, reserved) : Missing(FALSE);
}

BOOL WinHttpSendRequest(HINTERNET request, LPCWSTR headers, DWORD headersLength, LPVOID optional,
                        DWORD optionalLength, DWORD totalLength, DWORD_PTR context) {
    VIX_BIND(WinHttp, WinHttpSendRequest);
    return bound ? bound(request, headers, headersLength, optional, optionalLength, totalLength,
                         context)
                 : Missing(FALSE);
}

BOOL WinHttpSetOption(HINTERNET handle, DWORD option, LPVOID buffer, DWORD length) {
    VIX_BIND(WinHttp, WinHttpSetOption);
    return bound ? bound(handle, option, buffer, length) : Missing(FALSE);
}

BOOL WinHttpSetTimeouts(HINTERNET handle, int resolve, int connect, int send, int receive) {
    VIX_BIND(WinHttp, WinHttpSetTimeouts);
    return bound ? bound(handle, resolve, connect, send, receive) : Missing(FALSE);
}

BOOL WinHttpCloseHandle(HINTERNET handle) {
    VIX_BIND(WinHttp, WinHttpCloseHandle);
    return bound ? bound(handle) : Missing(FALSE);
}

// --- wintrust -----------------------------------------------------------------

LONG WinVerifyTrust(HWND window, GUID* action, LPVOID data) {
    VIX_BIND(WinTrust, WinVerifyTrust);
    // Never 0: without the library nothing is trusted.
    return bound ? bound(window, action, data) : Missing(static_cast<LONG>(kMissing));
}

CRYPT_PROVIDER_DATA* WTHelperProvDataFromStateData(HANDLE state) {
    VIX_BIND(WinTrust, WTHelperProvDataFromStateData);
    return bound ? bound(state) : Missing<CRYPT_PROVIDER_DATA*>(nullptr);
}

CRYPT_PROVIDER_SGNR* WTHelperGetProvSignerFromChain(CRYPT_PROVIDER_DATA* data, DWORD signer,
                                                    BOOL counterSigner, DWORD counterSignerIndex) {
    VIX_BIND(WinTrust, WTHelperGetProvSignerFromChain);
    return bound ? bound(data, signer, counterSigner, counterSignerIndex)
                 : Missing<CRYPT_PROVIDER_SGNR*>(nullptr);
}

// --- crypt32 ------------------------------------------------------------------

HCERTSTORE CertOpenStore(LPCSTR provider, DWORD encoding, HCRYPTPROV_LEGACY cryptProvider,
                         DWORD flags, const void* parameter) {
    VIX_BIND(Crypto, CertOpenStore);
    return bound ? bound(provider, encoding, cryptProvider, flags, parameter)
                 : Missing<HCERTSTORE>(nullptr);
}

BOOL CertCloseStore(HCERTSTORE store, DWORD flags) {
    VIX_BIND(Crypto, CertCloseStore);
    return bound ? bound(store, flags) : Missing(FALSE);
}

PCCERT_CONTEXT CertDuplicateCertificateContext(PCCERT_CONTEXT certificate) {
    VIX_BIND(Crypto, CertDuplicateCertificateContext);
    return bound ? bound(certificate) : Missing<PCCERT_CONTEXT>(nullptr);
}

BOOL CertFreeCertificateContext(PCCERT_CONTEXT certificate) {
    VIX_BIND(Crypto, CertFreeCertificateContext);
    return bound ? bound(certificate) : Missing(FALSE);
}

BOOL CertGetCertificateChain(HCERTCHAINENGINE engine, PCCERT_CONTEXT certificate, LPFILETIME time,
                             HCERTSTORE additional, PCERT_CHAIN_PARA parameters, DWORD flags,
                             LPVOID reserved, PCCERT_CHAIN_CONTEXT* chain) {
    VIX_BIND(Crypto, CertGetCertificateChain);
    if (bound)
        return bound(engine, certificate, time, additional, parameters, flags, reserved, chain);
    if (chain) *chain = nullptr;
    return Missing(FALSE);
}

void CertFreeCertificateChain(PCCERT_CHAIN_CONTEXT chain) {
    VIX_BIND(Crypto, CertFreeCertificateChain);
    if (bound) bound(chain);
}

BOOL CertCompareCertificateName(DWORD encoding, PCERT_NAME_BLOB first, PCERT_NAME_BLOB second) {
    VIX_BIND(Crypto, CertCompareCertificateName);
    return bound ? bound(encoding, first, second) : Missing(FALSE);
}

BOOL CertComparePublicKeyInfo(DWORD encoding, PCERT_PUBLIC_KEY_INFO first,
                              PCERT_PUBLIC_KEY_INFO second) {
    VIX_BIND(Crypto, CertComparePublicKeyInfo);
    return bound ? bound(encoding, first, second) : Missing(FALSE);
}

#undef VIX_BIND

}  // namespace late
}  // namespace vix::platform
