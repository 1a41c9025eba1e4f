#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string>

#include "server.h"

// The common part of the fake server's objects: reference counting that
// keeps the process alive, IDispatch by dispatch id through the type
// library (so both ways of calling reach the same methods), error
// information, and the recording of calls.

namespace vix::fake {

template <typename Interface>
class DualObject : public Interface, public ISupportErrorInfo {
  public:
    DualObject(const char* interfaceName, char kind)
        : name_(interfaceName), id_(Server::Get().NewId(kind)) {
        Server::Get().AddRef();
    }
    virtual ~DualObject() {
        Server::Get().Record(name_, "Destroyed", "-", {{"self", id_}});
        Server::Get().Release();
    }
    DualObject(const DualObject&) = delete;
    DualObject& operator=(const DualObject&) = delete;

    const std::string& Id() const { return id_; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
            IsEqualIID(iid, __uuidof(Interface)))
            *out = static_cast<Interface*>(this);
        else if (IsEqualIID(iid, IID_ISupportErrorInfo))
            *out = static_cast<ISupportErrorInfo*>(this);
        else
            *out = QueryOther(iid);
        if (!*out) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++refs_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const long left = --refs_;
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
        if (!info) return E_POINTER;
        *info = nullptr;
        if (index != 0) return DISP_E_BADINDEX;
        ITypeInfo* found = Server::Get().DispatchInfo(__uuidof(Interface));
        if (!found) return E_FAIL;
        found->AddRef();
        *info = found;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override {
        ITypeInfo* info = Server::Get().VtableInfo(__uuidof(Interface));
        return info ? info->GetIDsOfNames(names, count, ids) : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception,
                                     UINT* argumentError) override {
        ITypeInfo* info = Server::Get().VtableInfo(__uuidof(Interface));
        if (!info) return E_FAIL;
        // A busy Photoshop refuses the call before looking at it.
        if (Server::Get().TurnedAway()) {
            Server::Get().Record(name_, "Invoke", "dispatch", {{"self", id_}, {"result", "busy"}});
            return RPC_E_SERVERCALL_RETRYLATER;
        }
        Server::Get().EnterDispatch();
        ::SetErrorInfo(0, nullptr);
        const HRESULT hr = info->Invoke(static_cast<Interface*>(this), id, flags, params, result,
                                        exception, argumentError);
        Server::Get().LeaveDispatch();
        return hr;
    }

    HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override {
        return IsEqualIID(iid, __uuidof(Interface)) ? S_OK : S_FALSE;
    }

  protected:
    virtual void* QueryOther(REFIID) { return nullptr; }

    // Plays the configured slowness and busyness before a call; a failure
    // result ends the call with it (it is recorded then).
    HRESULT Enter(const char* method) {
        const auto& config = Server::Get().Config();
        if (config.slowMs > 0) ::Sleep(config.slowMs);
        if (!Server::Get().TurnedAway()) return S_OK;
        Record(method, {{"result", "busy"}});
        return RPC_E_SERVERCALL_RETRYLATER;
    }
    void Record(const char* method, Fields fields) {
        fields.insert(fields.begin(), {"self", id_});
        Server::Get().Record(name_, method, Server::Get().Via(), std::move(fields));
    }
    // Ends a call with `hr` and a description the client can ask for.
    HRESULT Raise(HRESULT hr, const wchar_t* description) {
        ICreateErrorInfo* create = nullptr;
        if (SUCCEEDED(::CreateErrorInfo(&create))) {
            create->SetGUID(__uuidof(Interface));
            create->SetSource(const_cast<LPOLESTR>(L"Photoshop.Application"));
            create->SetDescription(const_cast<LPOLESTR>(description));
            IErrorInfo* info = nullptr;
            if (SUCCEEDED(
                    create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
                ::SetErrorInfo(0, info);
                info->Release();
            }
            create->Release();
        }
        return hr;
    }

  private:
    std::string name_;
    std::string id_;
    long refs_ = 1;
};

}  // namespace vix::fake
