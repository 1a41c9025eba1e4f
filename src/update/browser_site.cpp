#include "update/browser_site.h"

#include <exdisp.h>
#include <exdispid.h>

#include "platform/system_libraries.h"

namespace vix {
namespace {

// The text of an event argument: a BSTR, possibly behind a reference to a
// VARIANT as BeforeNavigate2 passes its address.
std::wstring ArgumentText(const VARIANT& argument) {
    const VARIANT* v = &argument;
    if (v->vt == (VT_BYREF | VT_VARIANT) && v->pvarVal) v = v->pvarVal;
    if (v->vt == VT_BSTR && v->bstrVal)
        return std::wstring(v->bstrVal, platform::late::SysStringLen(v->bstrVal));
    if (v->vt == (VT_BYREF | VT_BSTR) && v->pbstrVal && *v->pbstrVal)
        return std::wstring(*v->pbstrVal, platform::late::SysStringLen(*v->pbstrVal));
    return {};
}

void SetCancel(VARIANT& argument, bool cancel) {
    if (argument.vt == (VT_BYREF | VT_BOOL) && argument.pboolVal)
        *argument.pboolVal = cancel ? VARIANT_TRUE : VARIANT_FALSE;
}

// Cancels first, whatever the event's arguments: every reference to a
// VARIANT_BOOL among them is the Cancel. True when they are `count`.
bool CancelAll(DISPPARAMS& params, UINT count) {
    if (!params.rgvarg) return false;
    for (UINT i = 0; i < params.cArgs; ++i)
        SetCancel(params.rgvarg[i], true);
    return params.cArgs == count;
}

// The object a COM interface belongs to: its IUnknown. Null for none.
const void* Identity(IUnknown* object) {
    if (!object) return nullptr;
    IUnknown* unknown = nullptr;
    if (FAILED(object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown))) ||
        !unknown)
        return nullptr;
    unknown->Release();
    return unknown;
}

// NewWindow3's flags (NWMF_USERINITIATED, NWMF_HTMLDIALOG,
// NWMF_FROMDIALOGCHILD): MinGW's headers name the first otherwise.
constexpr DWORD kUserInitiated = 0x2;
constexpr DWORD kFromDialog = 0x20 | 0x40;

DWORD ArgumentFlags(const VARIANT& argument) {
    if (argument.vt == VT_I4 || argument.vt == VT_UI4) return argument.ulVal;
    return 0;
}

}  // namespace

BrowserSite::BrowserSite(HWND window, NavigationFilter beforeNavigate, NewWindowHandler newWindow)
    : window_(window),
      beforeNavigate_(std::move(beforeNavigate)),
      newWindow_(std::move(newWindow)) {}

STDMETHODIMP BrowserSite::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid == IID_IUnknown || iid == IID_IOleClientSite)
        *object = static_cast<IOleClientSite*>(this);
    else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite)
        *object = static_cast<IOleInPlaceSite*>(this);
    else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame)
        *object = static_cast<IOleInPlaceFrame*>(this);
    else if (iid == IID_IDocHostUIHandler)
        *object = static_cast<IDocHostUIHandler*>(this);
    else if (iid == IID_IDispatch || iid == DIID_DWebBrowserEvents2)
        *object = static_cast<IDispatch*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) BrowserSite::AddRef() { return static_cast<ULONG>(++references_); }

STDMETHODIMP_(ULONG) BrowserSite::Release() {
    const LONG left = --references_;
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

void BrowserSite::SetTopLevel(IUnknown* browser) { topLevel_ = Identity(browser); }

void BrowserSite::Detach() {
    topLevel_ = nullptr;
    window_ = nullptr;
    beforeNavigate_ = nullptr;
    newWindow_ = nullptr;
}

// --- IOleClientSite ----------------------------------------------------------
STDMETHODIMP BrowserSite::SaveObject() { return E_NOTIMPL; }
STDMETHODIMP BrowserSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
}
STDMETHODIMP BrowserSite::GetContainer(IOleContainer** container) {
    if (container) *container = nullptr;
    return E_NOINTERFACE;
}
STDMETHODIMP BrowserSite::ShowObject() { return S_OK; }
STDMETHODIMP BrowserSite::OnShowWindow(BOOL) { return S_OK; }
STDMETHODIMP BrowserSite::RequestNewObjectLayout() { return E_NOTIMPL; }

// --- IOleWindow --------------------------------------------------------------
STDMETHODIMP BrowserSite::GetWindow(HWND* window) {
    if (!window) return E_POINTER;
    *window = window_;
    return window_ ? S_OK : E_FAIL;
}
STDMETHODIMP BrowserSite::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

// --- IOleInPlaceSite ---------------------------------------------------------
STDMETHODIMP BrowserSite::CanInPlaceActivate() { return S_OK; }
STDMETHODIMP BrowserSite::OnInPlaceActivate() { return S_OK; }
STDMETHODIMP BrowserSite::OnUIActivate() { return S_OK; }

STDMETHODIMP BrowserSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                           LPRECT position, LPRECT clip,
                                           LPOLEINPLACEFRAMEINFO info) {
    if (!frame || !document || !position || !clip || !info) return E_POINTER;
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *document = nullptr;
    ::GetClientRect(window_, position);
    *clip = *position;
    info->fMDIApp = FALSE;
    info->hwndFrame = window_ ? ::GetAncestor(window_, GA_ROOT) : nullptr;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP BrowserSite::Scroll(SIZE) { return E_NOTIMPL; }
STDMETHODIMP BrowserSite::OnUIDeactivate(BOOL) { return S_OK; }
STDMETHODIMP BrowserSite::OnInPlaceDeactivate() { return S_OK; }
STDMETHODIMP BrowserSite::DiscardUndoState() { return E_NOTIMPL; }
STDMETHODIMP BrowserSite::DeactivateAndUndo() { return E_NOTIMPL; }
STDMETHODIMP BrowserSite::OnPosRectChange(LPCRECT) { return S_OK; }

// --- IOleInPlaceUIWindow, IOleInPlaceFrame -------------------------------------
STDMETHODIMP BrowserSite::GetBorder(LPRECT) { return INPLACE_E_NOTOOLSPACE; }
STDMETHODIMP BrowserSite::RequestBorderSpace(LPCBORDERWIDTHS) { return INPLACE_E_NOTOOLSPACE; }
STDMETHODIMP BrowserSite::SetBorderSpace(LPCBORDERWIDTHS) { return S_OK; }
STDMETHODIMP BrowserSite::SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) { return S_OK; }
STDMETHODIMP BrowserSite::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) { return S_OK; }
STDMETHODIMP BrowserSite::SetMenu(HMENU, HOLEMENU, HWND) { return S_OK; }
STDMETHODIMP BrowserSite::RemoveMenus(HMENU) { return S_OK; }
STDMETHODIMP BrowserSite::SetStatusText(LPCOLESTR) { return S_OK; }
STDMETHODIMP BrowserSite::EnableModeless(BOOL) { return S_OK; }
STDMETHODIMP BrowserSite::TranslateAccelerator(LPMSG, WORD) { return S_FALSE; }

// --- IDocHostUIHandler -------------------------------------------------------
// S_OK: the control shows no context menu of its own.
STDMETHODIMP BrowserSite::ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) { return S_OK; }

STDMETHODIMP BrowserSite::GetHostInfo(DOCHOSTUIINFO* info) {
    if (!info) return E_POINTER;
    info->cbSize = sizeof(DOCHOSTUIINFO);
    info->dwFlags = DOCHOSTUIFLAG_DIALOG | DOCHOSTUIFLAG_NO3DBORDER |
                    DOCHOSTUIFLAG_NO3DOUTERBORDER | DOCHOSTUIFLAG_SCROLL_NO |
                    DOCHOSTUIFLAG_FLAT_SCROLLBAR;
    info->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
    info->pchHostCss = nullptr;
    info->pchHostNS = nullptr;
    return S_OK;
}

STDMETHODIMP BrowserSite::ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*,
                                 IOleInPlaceFrame*, IOleInPlaceUIWindow*) {
    return S_OK;
}
STDMETHODIMP BrowserSite::HideUI() { return S_OK; }
STDMETHODIMP BrowserSite::UpdateUI() { return S_OK; }
STDMETHODIMP BrowserSite::OnDocWindowActivate(BOOL) { return S_OK; }
STDMETHODIMP BrowserSite::OnFrameWindowActivate(BOOL) { return S_OK; }
STDMETHODIMP BrowserSite::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) { return S_OK; }

// The F1 key would open the browser's own help: taken here and dropped.
STDMETHODIMP BrowserSite::TranslateAccelerator(LPMSG message, const GUID*, DWORD) {
    if (message && message->message == WM_KEYDOWN && message->wParam == VK_F1) return S_OK;
    return S_FALSE;
}

STDMETHODIMP BrowserSite::GetOptionKeyPath(LPOLESTR* key, DWORD) {
    if (key) *key = nullptr;
    return S_FALSE;
}
STDMETHODIMP BrowserSite::GetDropTarget(IDropTarget*, IDropTarget** target) {
    if (target) *target = nullptr;
    return E_NOTIMPL;
}
STDMETHODIMP BrowserSite::GetExternal(IDispatch** external) {
    if (external) *external = nullptr;
    return S_FALSE;
}
STDMETHODIMP BrowserSite::TranslateUrl(DWORD, LPWSTR, LPWSTR* translated) {
    if (translated) *translated = nullptr;
    return S_FALSE;
}
STDMETHODIMP BrowserSite::FilterDataObject(IDataObject*, IDataObject** result) {
    if (result) *result = nullptr;
    return S_FALSE;
}

// --- events --------------------------------------------------------------------
STDMETHODIMP BrowserSite::GetTypeInfoCount(UINT* count) {
    if (count) *count = 0;
    return S_OK;
}
STDMETHODIMP BrowserSite::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }
STDMETHODIMP BrowserSite::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

STDMETHODIMP BrowserSite::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                                 EXCEPINFO*, UINT*) {
    if (!params) return S_OK;
    // An error must not travel into the control's code.
    try {
        if (id == DISPID_BEFORENAVIGATE2) BeforeNavigate2(*params);
        if (id == DISPID_NEWWINDOW3) NewWindow3(*params);
    } catch (...) {
        return S_OK;
    }
    return S_OK;
}

// Arguments arrive last first: pDisp, URL, Flags, TargetFrameName, PostData,
// Headers, Cancel.
void BrowserSite::BeforeNavigate2(DISPPARAMS& params) {
    // Cancelled until the filter has decided: a filter that fails, or none,
    // or arguments not as they should be, let nothing through.
    if (!CancelAll(params, 7)) return;
    if (beforeNavigate_ &&
        !beforeNavigate_(ArgumentText(params.rgvarg[5]), IsTopLevel(params.rgvarg[6])))
        SetCancel(params.rgvarg[0], false);
}

// ppDisp, Cancel, dwFlags, bstrUrlContext, bstrUrl. The panel never opens
// a window of the browser's own: the link goes through the same rule.
void BrowserSite::NewWindow3(DISPPARAMS& params) {
    if (!CancelAll(params, 5)) return;
    const DWORD flags = ArgumentFlags(params.rgvarg[2]);
    const bool userInitiated = (flags & kUserInitiated) != 0 && (flags & kFromDialog) == 0;
    if (newWindow_) newWindow_(ArgumentText(params.rgvarg[0]), userInitiated);
}

// A browser argument that is missing, of another type or another object
// than the control is a frame's: the safer of the two answers.
bool BrowserSite::IsTopLevel(const VARIANT& browser) const {
    if (browser.vt != VT_DISPATCH || !topLevel_) return false;
    return Identity(browser.pdispVal) == topLevel_;
}

}  // namespace vix
