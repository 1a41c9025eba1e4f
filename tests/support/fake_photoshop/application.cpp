// The application object, its action control and the class factory.

#include "common/utf16.h"
#include "objects.h"

namespace vix::fake {

// A new object's first reference goes to the caller.

HRESULT ApplicationObject::MakeControlObject(IActionControl** control) {
    if (HRESULT hr = Enter("MakeControlObject"); FAILED(hr)) return hr;
    if (!control) return E_POINTER;
    *control = nullptr;
    if (const auto fail = static_cast<HRESULT>(Server::Get().Config().failControl); FAILED(fail)) {
        Record("MakeControlObject", {{"result", HresultText(fail)}});
        return fail;
    }
    auto* object = new ControlObject();
    Record("MakeControlObject", {{"result", object->Id()}});
    *control = object;
    return S_OK;
}

HRESULT ApplicationObject::MakeDescriptor(IActionDescriptor** descriptor) {
    if (HRESULT hr = Enter("MakeDescriptor"); FAILED(hr)) return hr;
    if (!descriptor) return E_POINTER;
    auto* object = new DescriptorObject();
    Record("MakeDescriptor", {{"result", object->Id()}});
    *descriptor = object;
    return S_OK;
}

HRESULT ApplicationObject::MakeReference(IActionReference** reference) {
    if (HRESULT hr = Enter("MakeReference"); FAILED(hr)) return hr;
    if (!reference) return E_POINTER;
    auto* object = new ReferenceObject();
    Record("MakeReference", {{"result", object->Id()}});
    *reference = object;
    return S_OK;
}

HRESULT ApplicationObject::get_Visible(LONG* visible) {
    if (HRESULT hr = Enter("Visible.get"); FAILED(hr)) return hr;
    if (!visible) return E_POINTER;
    *visible = visible_;
    Record("Visible.get", {{"result", std::to_string(visible_)}});
    return S_OK;
}

HRESULT ApplicationObject::put_Visible(LONG visible) {
    if (HRESULT hr = Enter("Visible.put"); FAILED(hr)) return hr;
    if (const auto fail = static_cast<HRESULT>(Server::Get().Config().failVisible); FAILED(fail)) {
        Record("Visible.put", {{"value", std::to_string(visible)}, {"result", HresultText(fail)}});
        return fail;
    }
    visible_ = visible;
    Record("Visible.put", {{"value", std::to_string(visible)}});
    return S_OK;
}

HRESULT ControlObject::Play(LONG eventId, IActionDescriptor* descriptor, LONG displayDialogs,
                            IActionDescriptor** result) {
    if (HRESULT hr = Enter("Play"); FAILED(hr)) return hr;
    if (!result) return E_POINTER;
    *result = nullptr;
    Fields fields = {{"event", FourCCText(static_cast<FourCC>(eventId))},
                     {"mode", std::to_string(displayDialogs)}};
    if (descriptor) {
        const DescriptorObject* own = DescriptorObject::From(descriptor);
        fields.emplace_back("descriptor", own ? own->Id() : "foreign");
        if (own) fields.emplace_back("tree", DescriptorText(own->Tree()));
    } else {
        fields.emplace_back("descriptor", "none");
    }

    const auto& config = Server::Get().Config();
    if (const auto error = static_cast<HRESULT>(config.playError); FAILED(error)) {
        fields.emplace_back("result", HresultText(error));
        Record("Play", std::move(fields));
        return Raise(error, test::kFakePlayErrorText);
    }
    if (config.playAnswer == test::FakePhotoshopConfig::Answer::None) {
        fields.emplace_back("result", "none");
        Record("Play", std::move(fields));
        return S_OK;
    }
    auto* answer = new DescriptorObject();
    if (config.playAnswer == test::FakePhotoshopConfig::Answer::Message)
        answer->Tree().PutString(ps::kMessage, test::kFakeResultMessage);
    fields.emplace_back("result", answer->Id());
    Record("Play", std::move(fields));
    *result = answer;
    return S_OK;
}

HRESULT ClassFactory::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IClassFactory)) return E_NOINTERFACE;
    *out = static_cast<IClassFactory*>(this);
    return S_OK;
}

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    auto& server = Server::Get();
    // Each creation may come with a new test's configuration.
    server.LoadConfig();
    if (const auto refuse = static_cast<HRESULT>(server.Config().refuseCreate); FAILED(refuse)) {
        server.Record("Factory", "CreateInstance", "-", {{"result", HresultText(refuse)}});
        // The refusal reaches the caller in a reply COM sends from another
        // thread once this returns; a server ending at once could cut it off
        // (the caller then saw RPC_S_CALL_FAILED). The main loop's thread
        // timer ends an unused server; this one comes a little later.
        ::SetTimer(nullptr, 0, 500, nullptr);
        return refuse;
    }
    auto* application = new ApplicationObject();
    const HRESULT hr = application->QueryInterface(iid, out);
    server.Record("Factory", "CreateInstance", "-",
                  {{"result", SUCCEEDED(hr) ? application->Id() : HresultText(hr)}});
    application->Release();
    server.StartBusy();
    return hr;
}

HRESULT ClassFactory::LockServer(BOOL lock) {
    if (lock)
        Server::Get().AddRef();
    else
        Server::Get().Release();
    return S_OK;
}

}  // namespace vix::fake
