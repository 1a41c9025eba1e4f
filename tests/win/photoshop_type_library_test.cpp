// The type library built from our IDL against the published facts of
// Photoshop's interfaces: every method the program uses sits at its
// dispatch id and vtable slot.

#include <gtest/gtest.h>

#include <wrl/client.h>

#include "fake_photoshop_control.h"
#include "photoshop_automation.h"

namespace vix::test {
namespace {

using Microsoft::WRL::ComPtr;

struct Slot {
    const IID* iid;
    const wchar_t* name;
    INVOKEKIND kind;
    MEMBERID dispid;
    int slot;
};

TEST(PhotoshopTypeLibrary, MethodsSitAtTheirDispatchIdsAndVtableSlots) {
    static const IID kApplication = __uuidof(IPhotoshopApplication);
    static const IID kDescriptor = __uuidof(IActionDescriptor);
    static const IID kReference = __uuidof(IActionReference);
    static const IID kControl = __uuidof(IActionControl);
    const Slot slots[] = {
        {&kApplication, L"MakeControlObject", INVOKE_FUNC, 0x60020005, 12},
        {&kApplication, L"MakeDescriptor", INVOKE_FUNC, 0x60020006, 13},
        {&kApplication, L"MakeReference", INVOKE_FUNC, 0x60020008, 15},
        {&kApplication, L"Visible", INVOKE_PROPERTYGET, 0x60020009, 16},
        {&kApplication, L"Visible", INVOKE_PROPERTYPUT, 0x60020009, 17},
        {&kDescriptor, L"HasKey", INVOKE_FUNC, 0x60020002, 9},
        {&kDescriptor, L"PutDouble", INVOKE_FUNC, 0x6002000A, 17},
        {&kDescriptor, L"PutUnitDouble", INVOKE_FUNC, 0x6002000C, 19},
        {&kDescriptor, L"PutString", INVOKE_FUNC, 0x6002000E, 21},
        {&kDescriptor, L"PutBoolean", INVOKE_FUNC, 0x60020010, 23},
        {&kDescriptor, L"PutObject", INVOKE_FUNC, 0x60020014, 27},
        {&kDescriptor, L"PutEnumerated", INVOKE_FUNC, 0x60020018, 31},
        {&kDescriptor, L"PutReference", INVOKE_FUNC, 0x6002001A, 33},
        {&kDescriptor, L"PutClass", INVOKE_FUNC, 0x6002001C, 35},
        {&kReference, L"PutClass", INVOKE_FUNC, 0x60020002, 9},
        {&kReference, L"PutProperty", INVOKE_FUNC, 0x6002000E, 21},
        {&kControl, L"Play", INVOKE_FUNC, 0x60020000, 7},
    };
    ComPtr<ITypeLib> library;
    const std::wstring path = ProgramFolder() + L"fake_photoshop.exe";
    ASSERT_HRESULT_SUCCEEDED(::LoadTypeLibEx(path.c_str(), REGKIND_NONE, &library));
    TLIBATTR* attributes = nullptr;
    ASSERT_HRESULT_SUCCEEDED(library->GetLibAttr(&attributes));
    const GUID kLibrary = {
        0x4B0AB3E1, 0x80F1, 0x11cf, {0x86, 0xB4, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
    EXPECT_TRUE(IsEqualGUID(attributes->guid, kLibrary));
    library->ReleaseTLibAttr(attributes);

    for (const auto& s : slots) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(s.name)));
        ComPtr<ITypeInfo> dispatch, vtable;
        ASSERT_HRESULT_SUCCEEDED(library->GetTypeInfoOfGuid(*s.iid, &dispatch));
        HREFTYPE ref = 0;
        ASSERT_HRESULT_SUCCEEDED(dispatch->GetRefTypeOfImplType(static_cast<UINT>(-1), &ref));
        ASSERT_HRESULT_SUCCEEDED(dispatch->GetRefTypeInfo(ref, &vtable));
        TYPEATTR* type = nullptr;
        ASSERT_HRESULT_SUCCEEDED(vtable->GetTypeAttr(&type));
        bool found = false;
        for (UINT i = 0; i < type->cFuncs; ++i) {
            FUNCDESC* func = nullptr;
            ASSERT_HRESULT_SUCCEEDED(vtable->GetFuncDesc(i, &func));
            BSTR name = nullptr;
            vtable->GetDocumentation(func->memid, &name, nullptr, nullptr, nullptr);
            if (name && std::wstring(name) == s.name && func->invkind == s.kind) {
                found = true;
                EXPECT_EQ(func->memid, s.dispid);
                EXPECT_EQ(func->oVft / static_cast<SHORT>(sizeof(void*)), s.slot);
                EXPECT_EQ(func->callconv, CC_STDCALL);
            }
            ::SysFreeString(name);
            vtable->ReleaseFuncDesc(func);
        }
        vtable->ReleaseTypeAttr(type);
        EXPECT_TRUE(found);
    }
}

}  // namespace
}  // namespace vix::test
