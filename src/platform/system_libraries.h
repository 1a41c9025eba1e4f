#pragma once

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <ole2.h>
#include <oleauto.h>
#include <shellapi.h>
#include <shlobj.h>
#include <wincrypt.h>
#include <winhttp.h>
#include <wintrust.h>

// The system libraries the program needs only now and then are not imported:
// each is loaded from the system folder the first time one of its functions
// is called, and each function is looked up once. Loading the shell, the
// common dialogs and controls, OLE and its automation, WinHTTP, WinTrust and
// the crypto API with the program would put them all on the way to the first
// paint and keep them in memory for a program that, most days, saves no file,
// checks no signature and never talks to Photoshop.
//
// Every function here has the name, parameters and result of the system's
// own and is called through a pointer of the system header's own type
// (calling convention included: stdcall on 32-bit Windows). Should a library
// or function be missing, the call fails as the function reports failures,
// with ERROR_PROC_NOT_FOUND as the last error (HRESULTs carry it too), and
// does nothing else.
//
// Use these instead of the system's functions: the program is not linked
// against these libraries, so a direct call does not link.

namespace vix::platform {

enum class SystemLibrary {
    Shell,
    CommonDialogs,
    CommonControls,
    Ole,
    OleAutomation,
    WinHttp,
    WinTrust,
    Crypto,
    Dwm,
    Shcore
};

// Makes every library this process loads from now on by a bare name, the
// system's own libraries' loads included, come from the system folder only:
// never the program's folder, the current folder or PATH, where someone
// could leave a library of that name. Libraries bound at load time
// (Vix32.dll beside the program) are found before the entry runs and are
// not affected. Called first thing in the entry; false when the system
// cannot restrict the search.
bool LoadLibrariesFromTheSystemFolderOnly();

// The address of `name` in `library`, the library loaded on first use; null
// when either cannot be found. Safe from any thread.
FARPROC SystemFunction(SystemLibrary library, const char* name);
// The library's module once it has been loaded, else null (it is never
// loaded here).
HMODULE LoadedSystemLibrary(SystemLibrary library);

// A function of a system library under the type of its declaration, e.g.
//   BoundFunction<decltype(&::WinVerifyTrust)>(SystemLibrary::WinTrust, "WinVerifyTrust")
template <typename Pointer>
Pointer BoundFunction(SystemLibrary library, const char* name) {
    return reinterpret_cast<Pointer>(reinterpret_cast<void*>(SystemFunction(library, name)));
}

namespace late {

// shell32
BOOL Shell_NotifyIconW(DWORD message, PNOTIFYICONDATAW data);
HINSTANCE ShellExecuteW(HWND window, LPCWSTR operation, LPCWSTR file, LPCWSTR parameters,
                        LPCWSTR directory, INT show);
BOOL ShellExecuteExW(SHELLEXECUTEINFOW* info);
PIDLIST_ABSOLUTE SHBrowseForFolderW(LPBROWSEINFOW info);
BOOL SHGetPathFromIDListEx(PCIDLIST_ABSOLUTE list, PWSTR path, DWORD size, GPFIDL_FLAGS flags);
HRESULT SHGetKnownFolderPath(REFKNOWNFOLDERID folder, DWORD flags, HANDLE token, PWSTR* path);

// comdlg32
BOOL GetSaveFileNameW(LPOPENFILENAMEW dialog);

// comctl32
BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* classes);
BOOL SetWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data);
BOOL RemoveWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id);
LRESULT DefSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// ole32
HRESULT CoInitializeEx(LPVOID reserved, DWORD flags);
void CoUninitialize();
HRESULT CoCreateInstance(REFCLSID what, LPUNKNOWN outer, DWORD context, REFIID interfaceId,
                         LPVOID* object);
void CoTaskMemFree(LPVOID memory);
HRESULT OleInitialize(LPVOID reserved);
void OleUninitialize();

// oleaut32
BSTR SysAllocStringLen(const OLECHAR* text, UINT length);
void SysFreeString(BSTR text);
UINT SysStringLen(BSTR text);
void VariantInit(VARIANTARG* value);
HRESULT VariantClear(VARIANTARG* value);
HRESULT VariantChangeType(VARIANTARG* to, const VARIANTARG* from, USHORT flags, VARTYPE type);

// winhttp
HINTERNET WinHttpOpen(LPCWSTR agent, DWORD accessType, LPCWSTR proxy, LPCWSTR bypass, DWORD flags);
HINTERNET WinHttpConnect(HINTERNET session, LPCWSTR server, INTERNET_PORT port, DWORD reserved);
BOOL WinHttpCrackUrl(LPCWSTR url, DWORD length, DWORD flags, LPURL_COMPONENTS parts);
HINTERNET WinHttpOpenRequest(HINTERNET connection, LPCWSTR verb, LPCWSTR object, LPCWSTR version,
                             LPCWSTR referrer, LPCWSTR* acceptTypes, DWORD flags);
BOOL WinHttpQueryHeaders(HINTERNET request, DWORD level, LPCWSTR name, LPVOID buffer,
                         LPDWORD length, LPDWORD index);
BOOL WinHttpQueryDataAvailable(HINTERNET request, LPDWORD available);
BOOL WinHttpReadData(HINTERNET request, LPVOID buffer, DWORD toRead, LPDWORD read);
BOOL WinHttpReceiveResponse(HINTERNET request, LPVOID reserved);
BOOL WinHttpSendRequest(HINTERNET request, LPCWSTR headers, DWORD headersLength, LPVOID optional,
                        DWORD optionalLength, DWORD totalLength, DWORD_PTR context);
BOOL WinHttpSetOption(HINTERNET handle, DWORD option, LPVOID buffer, DWORD length);
BOOL WinHttpSetTimeouts(HINTERNET handle, int resolve, int connect, int send, int receive);
BOOL WinHttpCloseHandle(HINTERNET handle);

// wintrust
LONG WinVerifyTrust(HWND window, GUID* action, LPVOID data);
CRYPT_PROVIDER_DATA* WTHelperProvDataFromStateData(HANDLE state);
CRYPT_PROVIDER_SGNR* WTHelperGetProvSignerFromChain(CRYPT_PROVIDER_DATA* data, DWORD signer,
                                                    BOOL counterSigner, DWORD counterSignerIndex);

// crypt32
HCERTSTORE CertOpenStore(LPCSTR provider, DWORD encoding, HCRYPTPROV_LEGACY cryptProvider,
                         DWORD flags, const void* parameter);
BOOL CertCloseStore(HCERTSTORE store, DWORD flags);
PCCERT_CONTEXT CertDuplicateCertificateContext(PCCERT_CONTEXT certificate);
BOOL CertFreeCertificateContext(PCCERT_CONTEXT certificate);
BOOL CertGetCertificateChain(HCERTCHAINENGINE engine, PCCERT_CONTEXT certificate, LPFILETIME time,
                             HCERTSTORE additional, PCERT_CHAIN_PARA parameters, DWORD flags,
                             LPVOID reserved, PCCERT_CHAIN_CONTEXT* chain);
void CertFreeCertificateChain(PCCERT_CHAIN_CONTEXT chain);
BOOL CertCompareCertificateName(DWORD encoding, PCERT_NAME_BLOB first, PCERT_NAME_BLOB second);
BOOL CertComparePublicKeyInfo(DWORD encoding, PCERT_PUBLIC_KEY_INFO first,
                              PCERT_PUBLIC_KEY_INFO second);

}  // namespace late
}  // namespace vix::platform
