#include "photoshop/com_connection.h"

#include <variant>

#include "photoshop/dispatch_ids.h"
#include "platform/com_error.h"
#include "platform/system_libraries.h"

namespace vix {
namespace {

using platform::ComPtr;
using platform::Variant;

// {6DECC242-87EF-11cf-86B4-444553540000}
constexpr CLSID kApplicationClass = {
    0x6DECC242, 0x87EF, 0x11cf, {0x86, 0xB4, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};

bool IsBusy(HRESULT hr) { return hr == RPC_E_SERVERCALL_RETRYLATER || hr == RPC_E_CALL_REJECTED; }

std::int32_t Code(FourCC code) { return static_cast<std::int32_t>(code); }

VARIANT Shallow(const Variant& value) { return *value.get(); }

}  // namespace

ComPhotoshopConnection::ComPhotoshopConnection(RetryClock& clock, BusyRetryPolicy policy)
    : clock_(clock), policy_(policy) {}

Variant ComPhotoshopConnection::Call(IDispatch* object, DISPID id, WORD flags,
                                     std::vector<VARIANT> arguments, std::wstring_view operation) {
    if (!object) throw platform::ComError(E_POINTER, operation);
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
    Variant result;
    platform::ExceptionInfo info;
    HRESULT hr = S_OK;
    RetryWhileBusy(policy_, clock_, [&] {
        UINT argumentError = 0;
        hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result.put(),
                            info.put(), &argumentError);
        return IsBusy(hr) ? CallStatus::Busy : CallStatus::Done;
    });
    platform::ThrowIfFailed(hr, operation, info);
    return result;
}

ComPtr<IDispatch> ComPhotoshopConnection::Make(DISPID id, std::wstring_view operation) {
    auto object = Call(application_.get(), id, DISPATCH_METHOD, {}, operation).ToDispatch();
    if (!object) throw platform::ComError(E_POINTER, operation);
    return object;
}

CallResult ComPhotoshopConnection::CreateApplication() {
    application_.reset();
    // Asking for IDispatch needs no proxy of Photoshop's own interfaces.
    const HRESULT hr = platform::late::CoCreateInstance(
        kApplicationClass, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch, application_.put_void());
    if (FAILED(hr)) {
        application_.reset();
        return CallResult::Failed(platform::HResultText(hr));
    }
    return CallResult::Ok();
}

CallResult ComPhotoshopConnection::MakeVisible() {
    try {
        Call(application_.get(), ps_dispatch::kVisible, DISPATCH_PROPERTYPUT,
             {Shallow(Variant(std::int32_t{-1}))}, L"Making Photoshop visible");
        return CallResult::Ok();
    } catch (const platform::ComError& error) {
        return CallResult::Failed(error.message());
    }
}

CallResult ComPhotoshopConnection::GetActionControl() {
    try {
        control_ = Make(ps_dispatch::kMakeControlObject, L"Getting Photoshop's action control");
        return CallResult::Ok();
    } catch (const platform::ComError& error) {
        return CallResult::Failed(error.message());
    }
}

void ComPhotoshopConnection::ReleaseApplication() { application_.reset(); }

ComPtr<IDispatch> ComPhotoshopConnection::Build(const ActionReference& tree) {
    auto reference = Make(ps_dispatch::kMakeReference, L"Making an action reference");
    for (const auto& part : tree.parts) {
        const Variant classCode(Code(part.classCode));
        if (part.kind == ReferencePart::Kind::Class) {
            Call(reference.get(), ps_dispatch::kReferencePutClass, DISPATCH_METHOD,
                 {Shallow(classCode)}, L"ActionReference.PutClass");
        } else {
            const Variant key(Code(part.key));
            Call(reference.get(), ps_dispatch::kPutProperty, DISPATCH_METHOD,
                 {Shallow(classCode), Shallow(key)}, L"ActionReference.PutProperty");
        }
    }
    return reference;
}

ComPtr<IDispatch> ComPhotoshopConnection::Build(const ActionDescriptor& tree) {
    auto descriptor = Make(ps_dispatch::kMakeDescriptor, L"Making an action descriptor");
    for (const auto& item : tree.items)
        Put(descriptor.get(), item);
    return descriptor;
}

void ComPhotoshopConnection::Put(IDispatch* d, const ActionItem& item) {
    const Variant key(Code(item.key));
    const auto put = [&](DISPID id, std::vector<VARIANT> rest, std::wstring_view operation) {
        rest.insert(rest.begin(), Shallow(key));
        Call(d, id, DISPATCH_METHOD, std::move(rest), operation);
    };
    const auto code = [](FourCC c) { return Variant(Code(c)); };
    std::visit(
        [&](const auto& v) {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, DoubleValue>) {
                put(ps_dispatch::kPutDouble, {Shallow(Variant(v.value))},
                    L"ActionDescriptor.PutDouble");
            } else if constexpr (std::is_same_v<T, UnitDoubleValue>) {
                put(ps_dispatch::kPutUnitDouble, {Shallow(code(v.unit)), Shallow(Variant(v.value))},
                    L"ActionDescriptor.PutUnitDouble");
            } else if constexpr (std::is_same_v<T, StringValue>) {
                const Variant text(std::wstring_view(v.value));
                put(ps_dispatch::kPutString, {Shallow(text)}, L"ActionDescriptor.PutString");
            } else if constexpr (std::is_same_v<T, BooleanValue>) {
                // Photoshop's booleans are longs, true is -1.
                put(ps_dispatch::kPutBoolean, {Shallow(Variant(std::int32_t{v.value ? -1 : 0}))},
                    L"ActionDescriptor.PutBoolean");
            } else if constexpr (std::is_same_v<T, ObjectValue>) {
                const Variant child(Build(*v.descriptor).get());
                put(ps_dispatch::kPutObject, {Shallow(code(v.classCode)), Shallow(child)},
                    L"ActionDescriptor.PutObject");
            } else if constexpr (std::is_same_v<T, EnumeratedValue>) {
                put(ps_dispatch::kPutEnumerated, {Shallow(code(v.type)), Shallow(code(v.value))},
                    L"ActionDescriptor.PutEnumerated");
            } else if constexpr (std::is_same_v<T, ReferenceValue>) {
                const Variant reference(Build(v.reference).get());
                put(ps_dispatch::kPutReference, {Shallow(reference)},
                    L"ActionDescriptor.PutReference");
            } else if constexpr (std::is_same_v<T, ClassValue>) {
                put(ps_dispatch::kDescriptorPutClass, {Shallow(code(v.classCode))},
                    L"ActionDescriptor.PutClass");
            }
        },
        item.value);
}

PlayAnswer ComPhotoshopConnection::Answer(const Variant& result) {
    // No result comes as an empty value or as a null object.
    const VARIANT& v = *result.get();
    const bool none = v.vt == VT_EMPTY || v.vt == VT_NULL ||
                      ((v.vt == VT_DISPATCH || v.vt == VT_UNKNOWN) && !v.punkVal);
    if (none) return PlayAnswer::NoResult;
    ComPtr<IDispatch> descriptor;
    try {
        descriptor = result.ToDispatch();
    } catch (const platform::ComError&) {
        return PlayAnswer::ResultUnreadable;
    }
    if (!descriptor) return PlayAnswer::NoResult;
    try {
        LONG has = 0;
        VARIANT out;
        platform::late::VariantInit(&out);
        out.vt = VT_BYREF | VT_I4;
        out.plVal = &has;
        const Variant key(Code(ps::kMessage));
        Call(descriptor.get(), ps_dispatch::kHasKey, DISPATCH_METHOD, {Shallow(key), out},
             L"ActionDescriptor.HasKey");
        return has ? PlayAnswer::ResultWithMessage : PlayAnswer::Result;
    } catch (const platform::ComError&) {
        return PlayAnswer::ResultUnreadable;
    }
}

PlayResult ComPhotoshopConnection::Play(const ActionRequest& request) {
    PlayResult played;
    try {
        // Released when this returns, whatever happens.
        ComPtr<IDispatch> descriptor;
        if (request.descriptor) descriptor = Build(*request.descriptor);
        const Variant tree(descriptor.get());  // VT_DISPATCH, null for none
        const Variant event(Code(request.event));
        const Variant mode(request.dialogMode);
        const Variant result =
            Call(control_.get(), ps_dispatch::kPlay, DISPATCH_METHOD,
                 {Shallow(event), Shallow(tree), Shallow(mode)}, L"ActionControl.Play");
        played.answer = request.rule == ResultRule::Ignored ? PlayAnswer::NoResult : Answer(result);
    } catch (const platform::ComError& error) {
        played.raised = true;
        played.errorText = error.message();
    }
    return played;
}

}  // namespace vix
