#include "photoshop_calls.h"

#include <memory>
#include <variant>

namespace vix::test {

namespace {

using Bstr = std::unique_ptr<OLECHAR, decltype(&::SysFreeString)>;

Bstr MakeBstr(const std::wstring& text) {
    return Bstr(::SysAllocStringLen(text.data(), static_cast<UINT>(text.size())), ::SysFreeString);
}

LONG Code(FourCC code) { return static_cast<LONG>(code); }

HRESULT BuildReference(IPhotoshopApplication* application, const ActionReference& tree,
                       ComPtr<IActionReference>& reference) {
    HRESULT hr = application->MakeReference(&reference);
    for (const auto& part : tree.parts) {
        if (FAILED(hr)) return hr;
        hr = part.kind == ReferencePart::Kind::Class
                 ? reference->PutClass(Code(part.classCode))
                 : reference->PutProperty(Code(part.classCode), Code(part.key));
    }
    return hr;
}

HRESULT BuildDescriptor(IPhotoshopApplication* application, const ActionDescriptor& tree,
                        ComPtr<IActionDescriptor>& descriptor) {
    HRESULT hr = application->MakeDescriptor(&descriptor);
    for (const auto& item : tree.items) {
        if (FAILED(hr)) return hr;
        const LONG key = Code(item.key);
        IActionDescriptor* d = descriptor.Get();
        if (auto* v = std::get_if<DoubleValue>(&item.value)) hr = d->PutDouble(key, v->value);
        if (auto* v = std::get_if<UnitDoubleValue>(&item.value))
            hr = d->PutUnitDouble(key, Code(v->unit), v->value);
        if (auto* v = std::get_if<StringValue>(&item.value))
            hr = d->PutString(key, MakeBstr(v->value).get());
        if (auto* v = std::get_if<BooleanValue>(&item.value))
            hr = d->PutBoolean(key, v->value ? -1 : 0);
        if (auto* v = std::get_if<ObjectValue>(&item.value)) {
            ComPtr<IActionDescriptor> child;
            hr = BuildDescriptor(application, *v->descriptor, child);
            if (SUCCEEDED(hr)) hr = d->PutObject(key, Code(v->classCode), child.Get());
        }
        if (auto* v = std::get_if<EnumeratedValue>(&item.value))
            hr = d->PutEnumerated(key, Code(v->type), Code(v->value));
        if (auto* v = std::get_if<ReferenceValue>(&item.value)) {
            ComPtr<IActionReference> reference;
            hr = BuildReference(application, v->reference, reference);
            if (SUCCEEDED(hr)) hr = d->PutReference(key, reference.Get());
        }
        if (auto* v = std::get_if<ClassValue>(&item.value))
            hr = d->PutClass(key, Code(v->classCode));
    }
    return hr;
}

}  // namespace

HRESULT PlayByVtable(IPhotoshopApplication* application, IActionControl* control,
                     const ActionRequest& request, ComPtr<IActionDescriptor>& result) {
    ComPtr<IActionDescriptor> descriptor;
    if (request.descriptor) {
        const HRESULT hr = BuildDescriptor(application, *request.descriptor, descriptor);
        if (FAILED(hr)) return hr;
    }
    return control->Play(Code(request.event), descriptor.Get(), request.dialogMode, &result);
}

DispatchCall::~DispatchCall() { ::VariantClear(&result); }

ComPtr<IDispatch> DispatchCall::Object() const {
    ComPtr<IDispatch> object;
    if (result.vt == VT_DISPATCH) object = result.pdispVal;
    return object;
}

void Invoke(IDispatch* object, DISPID id, WORD flags, std::vector<VARIANT> arguments,
            DispatchCall& call) {
    // IDispatch takes the arguments last to first.
    std::vector<VARIANT> reversed(arguments.rbegin(), arguments.rend());
    DISPPARAMS params{};
    params.rgvarg = reversed.empty() ? nullptr : reversed.data();
    params.cArgs = static_cast<UINT>(reversed.size());
    DISPID named = DISPID_PROPERTYPUT;
    if (flags & DISPATCH_PROPERTYPUT) {
        params.rgdispidNamedArgs = &named;
        params.cNamedArgs = 1;
    }
    UINT argumentError = 0;
    call.hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, &call.result,
                             call.exception.put(), &argumentError);
}

VARIANT Long(LONG value) {
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

VARIANT Double(double value) {
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_R8;
    v.dblVal = value;
    return v;
}

VARIANT Object(IDispatch* object) {
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_DISPATCH;
    v.pdispVal = object;
    return v;
}

namespace {

ComPtr<IDispatch> Make(IDispatch* application, DISPID id, HRESULT& hr) {
    DispatchCall call;
    Invoke(application, id, DISPATCH_METHOD, {}, call);
    hr = call.hr;
    return call.Object();
}

HRESULT Put(IDispatch* object, DISPID id, std::vector<VARIANT> arguments) {
    DispatchCall call;
    Invoke(object, id, DISPATCH_METHOD, std::move(arguments), call);
    return call.hr;
}

ComPtr<IDispatch> BuildByDispatch(IDispatch* application, const ActionReference& tree,
                                  HRESULT& hr) {
    auto reference = Make(application, kDispMakeReference, hr);
    for (const auto& part : tree.parts) {
        if (FAILED(hr)) return nullptr;
        hr = part.kind == ReferencePart::Kind::Class
                 ? Put(reference.Get(), kDispReferencePutClass, {Long(Code(part.classCode))})
                 : Put(reference.Get(), kDispPutProperty,
                       {Long(Code(part.classCode)), Long(Code(part.key))});
    }
    return reference;
}

ComPtr<IDispatch> BuildByDispatch(IDispatch* application, const ActionDescriptor& tree,
                                  HRESULT& hr) {
    auto descriptor = Make(application, kDispMakeDescriptor, hr);
    for (const auto& item : tree.items) {
        if (FAILED(hr) || !descriptor) return nullptr;
        const VARIANT key = Long(Code(item.key));
        IDispatch* d = descriptor.Get();
        if (auto* v = std::get_if<DoubleValue>(&item.value))
            hr = Put(d, kDispPutDouble, {key, Double(v->value)});
        if (auto* v = std::get_if<UnitDoubleValue>(&item.value))
            hr = Put(d, kDispPutUnitDouble, {key, Long(Code(v->unit)), Double(v->value)});
        if (auto* v = std::get_if<StringValue>(&item.value)) {
            Bstr text = MakeBstr(v->value);
            VARIANT s;
            ::VariantInit(&s);
            s.vt = VT_BSTR;
            s.bstrVal = text.get();
            hr = Put(d, kDispPutString, {key, s});
        }
        if (auto* v = std::get_if<BooleanValue>(&item.value))
            hr = Put(d, kDispPutBoolean, {key, Long(v->value ? -1 : 0)});
        if (auto* v = std::get_if<ObjectValue>(&item.value)) {
            auto child = BuildByDispatch(application, *v->descriptor, hr);
            if (SUCCEEDED(hr))
                hr = Put(d, kDispPutObject, {key, Long(Code(v->classCode)), Object(child.Get())});
        }
        if (auto* v = std::get_if<EnumeratedValue>(&item.value))
            hr = Put(d, kDispPutEnumerated, {key, Long(Code(v->type)), Long(Code(v->value))});
        if (auto* v = std::get_if<ReferenceValue>(&item.value)) {
            auto reference = BuildByDispatch(application, v->reference, hr);
            if (SUCCEEDED(hr)) hr = Put(d, kDispPutReference, {key, Object(reference.Get())});
        }
        if (auto* v = std::get_if<ClassValue>(&item.value))
            hr = Put(d, kDispDescriptorPutClass, {key, Long(Code(v->classCode))});
    }
    return descriptor;
}

}  // namespace

HRESULT PlayByDispatch(IDispatch* application, IDispatch* control, const ActionRequest& request,
                       DispatchCall& play) {
    ComPtr<IDispatch> descriptor;
    if (request.descriptor) {
        HRESULT hr = S_OK;
        descriptor = BuildByDispatch(application, *request.descriptor, hr);
        if (FAILED(hr)) return hr;
    }
    VARIANT none;
    ::VariantInit(&none);
    none.vt = VT_DISPATCH;
    none.pdispVal = nullptr;
    Invoke(control, kDispPlay, DISPATCH_METHOD,
           {Long(Code(request.event)), descriptor ? Object(descriptor.Get()) : none,
            Long(request.dialogMode)},
           play);
    return play.hr;
}

}  // namespace vix::test
