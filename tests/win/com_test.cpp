// The COM owners: the apartment scope, interface references, BSTR and
// VARIANT, and failures turned into the program's error.

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/bstr.h"
#include "platform/com_apartment.h"
#include "platform/com_error.h"
#include "platform/com_ptr.h"
#include "platform/variant.h"

namespace vix::platform {
namespace {

// Runs `f` on a fresh thread, which starts outside any apartment.
template <typename F>
void OnNewThread(F f) {
    std::thread(f).join();
}

// An object that counts its references and whose Invoke fails the way an
// automation server does.
class Counted final : public IDispatch {
  public:
    ULONG refs = 1;  // the creator's
    static inline std::atomic<int> alive{0};
    Counted() { ++alive; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid == IID_IUnknown || iid == IID_IDispatch) {
            *out = this;
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --refs;
        if (left == 0) {
            --alive;
            delete this;
        }
        return left;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                     EXCEPINFO* info, UINT*) override {
        info->bstrSource = ::SysAllocString(L"Photoshop");
        info->bstrDescription = ::SysAllocString(L"The command is not available.");
        info->scode = static_cast<SCODE>(0x80040154);
        return DISP_E_EXCEPTION;
    }
};

TEST(ComApartment, LeavesOnlyWhatItEntered) {
    OnNewThread([] {
        {
            ComApartment sta;
            EXPECT_EQ(sta.result(), S_OK);
            {
                ComApartment again;  // the same kind: S_FALSE, and balanced too
                EXPECT_EQ(again.result(), S_FALSE);
                EXPECT_TRUE(again.ok());
            }
            {
                ComApartment other(ApartmentKind::MultiThreaded);
                EXPECT_EQ(other.result(), RPC_E_CHANGED_MODE);
                EXPECT_FALSE(other.ok());
                EXPECT_THROW(other.Check(), ComError);
            }
            // Still in the first apartment: the failed scope left it alone.
            const HRESULT probe = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
            EXPECT_EQ(probe, S_FALSE);
            if (SUCCEEDED(probe)) ::CoUninitialize();
        }
        // Left completely: the other kind can be entered now.
        const HRESULT probe = ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        EXPECT_EQ(probe, S_OK);
        if (SUCCEEDED(probe)) ::CoUninitialize();
    });
}

TEST(ComPtr, OwnsExactlyOneReferenceAndMovesIt) {
    auto* raw = new Counted;
    {
        auto first = ComPtr<IDispatch>::Adopt(raw);
        EXPECT_EQ(raw->refs, 1u) << "adopting takes the caller's reference";
        auto copy = first.Copy();
        EXPECT_EQ(raw->refs, 2u);
        ComPtr<IDispatch> moved(std::move(first));
        EXPECT_FALSE(first);  // NOLINT(bugprone-use-after-move): moved-from is empty
        EXPECT_EQ(raw->refs, 2u);
        copy = std::move(moved);
        EXPECT_EQ(raw->refs, 1u) << "the assigned-to reference was released";
        auto shared = ComPtr<IUnknown>::Share(raw);
        EXPECT_EQ(raw->refs, 2u);
        IUnknown** slot = shared.put();  // an out parameter drops what was held
        EXPECT_EQ(*slot, nullptr);
        EXPECT_EQ(raw->refs, 1u);
    }
    EXPECT_EQ(Counted::alive, 0);
}

TEST(ComPtr, QueryGivesTheInterfaceOrRaisesTheStatus) {
    auto object = ComPtr<IUnknown>::Adopt(static_cast<IDispatch*>(new Counted));
    auto dispatch = object.Query<IDispatch>(IID_IDispatch, L"Asking for automation");
    EXPECT_TRUE(dispatch);
    try {
        object.Query<IStream>(IID_IStream, L"Asking for a stream");
        ADD_FAILURE() << "no stream here";
    } catch (const ComError& e) {
        EXPECT_EQ(e.code(), E_NOINTERFACE);
        EXPECT_EQ(e.message().rfind(L"Asking for a stream failed: ", 0), 0u)
            << testing::PrintToString(e.message());
    }
    ComPtr<IStream> none;
    EXPECT_EQ(ComPtr<IUnknown>().TryQuery(IID_IStream, none), E_POINTER);
}

TEST(Bstr, HoldsTheWholeTextAndHandsItOver) {
    const std::wstring text(L"Vix\0Export \u00e4", 12);
    Bstr s(text);
    EXPECT_EQ(s.size(), 12u);
    EXPECT_EQ(s.str(), text) << "embedded nulls are kept";
    Bstr moved(std::move(s));
    EXPECT_EQ(s.get(), nullptr);  // NOLINT(bugprone-use-after-move)
    BSTR raw = moved.detach();
    EXPECT_EQ(moved.get(), nullptr);
    Bstr back = Bstr::Adopt(raw);
    EXPECT_EQ(back.str(), text);
    EXPECT_EQ(Bstr().str(), L"") << "null is the empty string";
    EXPECT_EQ(Bstr(L"").size(), 0u);
}

TEST(Variant, HoldsValuesAsAutomationExpectsAndConvertsThem) {
    EXPECT_EQ(Variant(true).type(), VT_BOOL);
    EXPECT_EQ(Variant(true).get()->boolVal, VARIANT_TRUE);
    EXPECT_EQ(Variant(true).get()->boolVal, -1);
    EXPECT_EQ(Variant(false).get()->boolVal, 0);
    EXPECT_EQ(Variant(L"Vix_Export").type(), VT_BSTR) << "a literal is text, not a bool";
    EXPECT_EQ(Variant(L"Vix_Export").ToString(), L"Vix_Export");
    EXPECT_EQ(Variant(std::int32_t{255}).ToDouble(), 255.0);
    EXPECT_EQ(Variant(L"42").ToInt(), 42);
    EXPECT_EQ(Variant(72.0).ToInt(), 72);
    EXPECT_TRUE(Variant(std::int32_t{-1}).ToBool());
    try {
        Variant(L"abc").ToInt();
        ADD_FAILURE() << "text is no number";
    } catch (const ComError& e) {
        EXPECT_EQ(e.code(), DISP_E_TYPEMISMATCH);
    }
}

TEST(Variant, ObjectsAreReferencedWhileHeldAndReleasedWithTheValue) {
    auto* raw = new Counted;
    {
        Variant v(static_cast<IDispatch*>(raw));
        EXPECT_EQ(raw->refs, 2u);
        Variant moved(std::move(v));
        EXPECT_EQ(v.type(), VT_EMPTY);  // NOLINT(bugprone-use-after-move)
        EXPECT_EQ(raw->refs, 2u);
        auto object = moved.ToDispatch();
        EXPECT_EQ(raw->refs, 3u);
        moved.reset();
        EXPECT_EQ(raw->refs, 2u);
    }
    EXPECT_EQ(raw->refs, 1u);
    raw->Release();
    EXPECT_EQ(Counted::alive, 0);
}

TEST(ComError, ThePlainStatusGivesTheSystemsText) {
    EXPECT_EQ(ThrowIfFailed(S_FALSE, L"x"), S_FALSE);
    try {
        ThrowIfFailed(E_OUTOFMEMORY, L"Making a document");
        ADD_FAILURE();
    } catch (const AppError& e) {  // the program's own error
        const std::wstring text = e.message();
        EXPECT_EQ(text.rfind(L"Making a document failed: ", 0), 0u) << testing::PrintToString(text);
        EXPECT_NE(text.find(L"(0x8007000E)"), std::wstring::npos) << testing::PrintToString(text);
        EXPECT_GT(text.size(), 40u) << "with the system's words";
    }
}

TEST(ComError, AnInvokeExceptionGivesTheServersCodeAndText) {
    auto object = ComPtr<IDispatch>::Adopt(new Counted);
    ExceptionInfo info;
    DISPPARAMS none{};
    const HRESULT hr =
        object->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, info.put(), nullptr);
    try {
        ThrowIfFailed(hr, L"Playing an action", info);
        ADD_FAILURE();
    } catch (const ComError& e) {
        EXPECT_EQ(e.code(), static_cast<HRESULT>(0x80040154));
        EXPECT_EQ(e.detail(), L"The command is not available.");
        EXPECT_EQ(e.message(),
                  L"Playing an action failed: The command is not available. (0x80040154)");
    }
    EXPECT_EQ(info.get().bstrDescription, nullptr) << "the strings are freed";
    EXPECT_EQ(info.get().bstrSource, nullptr);
}

}  // namespace
}  // namespace vix::platform
