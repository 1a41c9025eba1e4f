// Action descriptors and references: each put is recorded and kept in the
// object's tree.

#include <string>

#include "common/utf16.h"
#include "objects.h"

namespace vix::fake {

namespace {

// Private interface ids by which the server finds its own objects behind
// the interface pointers that come back as arguments.
constexpr IID kOwnDescriptor = {
    0x5c0e6a51, 0x2f0d, 0x4c57, {0x9a, 0x1b, 0x7e, 0x43, 0x10, 0x0d, 0x2b, 0x61}};
constexpr IID kOwnReference = {
    0x5c0e6a52, 0x2f0d, 0x4c57, {0x9a, 0x1b, 0x7e, 0x43, 0x10, 0x0d, 0x2b, 0x61}};

std::string Code(LONG code) { return FourCCText(static_cast<FourCC>(code)); }

template <typename Object, typename Interface>
Object* FindOwn(Interface* pointer, const IID& iid) {
    if (!pointer) return nullptr;
    void* own = nullptr;
    if (FAILED(pointer->QueryInterface(iid, &own)) || !own) return nullptr;
    auto* object = static_cast<Object*>(own);
    // The caller's reference keeps it alive for the call.
    object->Release();
    return object;
}

}  // namespace

ReferenceObject* ReferenceObject::From(IActionReference* reference) {
    return FindOwn<ReferenceObject>(reference, kOwnReference);
}

void* ReferenceObject::QueryOther(REFIID iid) {
    return IsEqualIID(iid, kOwnReference) ? this : nullptr;
}

HRESULT ReferenceObject::PutClass(LONG desiredClass) {
    if (HRESULT hr = Enter("PutClass"); FAILED(hr)) return hr;
    tree_.PutClass(static_cast<FourCC>(desiredClass));
    Record("PutClass", {{"class", Code(desiredClass)}});
    return S_OK;
}

HRESULT ReferenceObject::PutProperty(LONG desiredClass, LONG key) {
    if (HRESULT hr = Enter("PutProperty"); FAILED(hr)) return hr;
    tree_.PutProperty(static_cast<FourCC>(desiredClass), static_cast<FourCC>(key));
    Record("PutProperty", {{"class", Code(desiredClass)}, {"key", Code(key)}});
    return S_OK;
}

DescriptorObject* DescriptorObject::From(IActionDescriptor* descriptor) {
    return FindOwn<DescriptorObject>(descriptor, kOwnDescriptor);
}

void* DescriptorObject::QueryOther(REFIID iid) {
    return IsEqualIID(iid, kOwnDescriptor) ? this : nullptr;
}

HRESULT DescriptorObject::HasKey(LONG key, LONG* hasKey) {
    if (HRESULT hr = Enter("HasKey"); FAILED(hr)) return hr;
    if (!hasKey) return E_POINTER;
    *hasKey = tree_.HasKey(static_cast<FourCC>(key)) ? -1 : 0;
    Record("HasKey", {{"key", Code(key)}, {"result", std::to_string(*hasKey)}});
    return S_OK;
}

HRESULT DescriptorObject::PutDouble(LONG key, double value) {
    if (HRESULT hr = Enter("PutDouble"); FAILED(hr)) return hr;
    tree_.PutDouble(static_cast<FourCC>(key), value);
    Record("PutDouble", {{"key", Code(key)}, {"value", ActionNumberText(value)}});
    return S_OK;
}

HRESULT DescriptorObject::PutUnitDouble(LONG key, LONG unitId, double value) {
    if (HRESULT hr = Enter("PutUnitDouble"); FAILED(hr)) return hr;
    tree_.PutUnitDouble(static_cast<FourCC>(key), static_cast<FourCC>(unitId), value);
    Record("PutUnitDouble",
           {{"key", Code(key)}, {"unit", Code(unitId)}, {"value", ActionNumberText(value)}});
    return S_OK;
}

HRESULT DescriptorObject::PutString(LONG key, BSTR value) {
    if (HRESULT hr = Enter("PutString"); FAILED(hr)) return hr;
    // A BSTR carries its length: embedded NULs are part of the text.
    const std::wstring text = value ? std::wstring(value, ::SysStringLen(value)) : std::wstring();
    tree_.PutString(static_cast<FourCC>(key), text);
    Record("PutString", {{"key", Code(key)}, {"value", ToUtf8(text)}});
    return S_OK;
}

HRESULT DescriptorObject::PutBoolean(LONG key, LONG value) {
    if (HRESULT hr = Enter("PutBoolean"); FAILED(hr)) return hr;
    tree_.PutBoolean(static_cast<FourCC>(key), value != 0);
    Record("PutBoolean", {{"key", Code(key)}, {"value", std::to_string(value)}});
    return S_OK;
}

HRESULT DescriptorObject::PutObject(LONG key, LONG classId, IActionDescriptor* value) {
    if (HRESULT hr = Enter("PutObject"); FAILED(hr)) return hr;
    const DescriptorObject* object = From(value);
    if (!object) {
        Record("PutObject", {{"key", Code(key)}, {"class", Code(classId)}, {"value", "foreign"}});
        return E_INVALIDARG;
    }
    tree_.PutObject(static_cast<FourCC>(key), static_cast<FourCC>(classId), object->Tree());
    Record("PutObject", {{"key", Code(key)}, {"class", Code(classId)}, {"value", object->Id()}});
    return S_OK;
}

HRESULT DescriptorObject::PutEnumerated(LONG key, LONG enumType, LONG value) {
    if (HRESULT hr = Enter("PutEnumerated"); FAILED(hr)) return hr;
    tree_.PutEnumerated(static_cast<FourCC>(key), static_cast<FourCC>(enumType),
                        static_cast<FourCC>(value));
    Record("PutEnumerated", {{"key", Code(key)}, {"type", Code(enumType)}, {"value", Code(value)}});
    return S_OK;
}

HRESULT DescriptorObject::PutReference(LONG key, IActionReference* value) {
    if (HRESULT hr = Enter("PutReference"); FAILED(hr)) return hr;
    const ReferenceObject* reference = ReferenceObject::From(value);
    if (!reference) {
        Record("PutReference", {{"key", Code(key)}, {"value", "foreign"}});
        return E_INVALIDARG;
    }
    tree_.PutReference(static_cast<FourCC>(key), reference->Tree());
    Record("PutReference", {{"key", Code(key)}, {"value", reference->Id()}});
    return S_OK;
}

HRESULT DescriptorObject::PutClass(LONG key, LONG classId) {
    if (HRESULT hr = Enter("PutClass"); FAILED(hr)) return hr;
    tree_.PutClass(static_cast<FourCC>(key), static_cast<FourCC>(classId));
    Record("PutClass", {{"key", Code(key)}, {"class", Code(classId)}});
    return S_OK;
}

}  // namespace vix::fake
