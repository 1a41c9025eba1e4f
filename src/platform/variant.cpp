#include "platform/variant.h"

#include <cstring>

#include "platform/bstr.h"
#include "platform/system_libraries.h"

namespace vix::platform {

Variant::Variant(bool value) noexcept : Variant() {
    v_.vt = VT_BOOL;
    v_.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

Variant::Variant(std::int32_t value) noexcept : Variant() {
    v_.vt = VT_I4;
    v_.lVal = value;
}

Variant::Variant(double value) noexcept : Variant() {
    v_.vt = VT_R8;
    v_.dblVal = value;
}

Variant::Variant(std::wstring_view text) : Variant() {
    v_.bstrVal = Bstr(text).detach();
    v_.vt = VT_BSTR;
}

Variant::Variant(IDispatch* object) noexcept : Variant() {
    if (object) object->AddRef();
    v_.vt = VT_DISPATCH;
    v_.pdispVal = object;
}

Variant::Variant(Variant&& other) noexcept : Variant() {
    std::memcpy(&v_, &other.v_, sizeof(v_));
    late::VariantInit(&other.v_);
}

Variant& Variant::operator=(Variant&& other) noexcept {
    if (this != &other) {
        reset();
        std::memcpy(&v_, &other.v_, sizeof(v_));
        late::VariantInit(&other.v_);
    }
    return *this;
}

VARIANT* Variant::put() noexcept {
    reset();
    return &v_;
}

VARIANT Variant::detach() noexcept {
    VARIANT out = v_;
    late::VariantInit(&v_);
    return out;
}

void Variant::reset() noexcept {
    // Fails only for types that cannot be held here (VT_RECORD without its
    // record info and the like); the value is given up either way.
    late::VariantClear(&v_);
    late::VariantInit(&v_);
}

Variant Variant::Converted(VARTYPE to) const {
    Variant out;
    ThrowIfFailed(late::VariantChangeType(out.put(), const_cast<VARIANT*>(&v_), 0, to),
                  L"Reading a value");
    return out;
}

std::int32_t Variant::ToInt() const { return Converted(VT_I4).v_.lVal; }
double Variant::ToDouble() const { return Converted(VT_R8).v_.dblVal; }
bool Variant::ToBool() const { return Converted(VT_BOOL).v_.boolVal != VARIANT_FALSE; }

std::wstring Variant::ToString() const {
    const Variant text = Converted(VT_BSTR);
    return std::wstring(text.v_.bstrVal ? text.v_.bstrVal : L"",
                        late::SysStringLen(text.v_.bstrVal));
}

ComPtr<IDispatch> Variant::ToDispatch() const {
    const Variant object = Converted(VT_DISPATCH);
    if (!object.v_.pdispVal) throw ComError(E_POINTER, L"Reading an object");
    return ComPtr<IDispatch>::Share(object.v_.pdispVal);
}

}  // namespace vix::platform
