#pragma once

#include "photoshop_automation.h"

#include "dual_object.h"
#include "photoshop/action_request.h"

// The fake Photoshop's automation objects. Descriptors and references hold
// what is put into them as the program's own request data, so a played
// descriptor is recorded as the same tree text the requests produce.

namespace vix::fake {

class ReferenceObject final : public DualObject<IActionReference> {
  public:
    ReferenceObject() : DualObject("IActionReference", 'R') {}
    // Its own objects, recognised when they come back as arguments.
    static ReferenceObject* From(IActionReference* reference);
    const ActionReference& Tree() const { return tree_; }

    HRESULT STDMETHODCALLTYPE Unused00() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unused01() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE PutClass(LONG desiredClass) override;
    HRESULT STDMETHODCALLTYPE Unused03() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unused04() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unused05() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unused06() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unused07() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unused08() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unused09() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unused0A() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unused0B() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unused0C() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unused0D() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE PutProperty(LONG desiredClass, LONG key) override;

  private:
    void* QueryOther(REFIID iid) override;
    ActionReference tree_;
};

class DescriptorObject final : public DualObject<IActionDescriptor> {
  public:
    DescriptorObject() : DualObject("IActionDescriptor", 'D') {}
    static DescriptorObject* From(IActionDescriptor* descriptor);
    const ActionDescriptor& Tree() const { return tree_; }
    ActionDescriptor& Tree() { return tree_; }

    HRESULT STDMETHODCALLTYPE Unused00() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unused01() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE HasKey(LONG key, LONG* hasKey) override;
    HRESULT STDMETHODCALLTYPE Unused03() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unused04() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unused05() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unused06() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unused07() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unused08() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unused09() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE PutDouble(LONG key, double value) override;
    HRESULT STDMETHODCALLTYPE Unused0B() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE PutUnitDouble(LONG key, LONG unitId, double value) override;
    HRESULT STDMETHODCALLTYPE Unused0D() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE PutString(LONG key, BSTR value) override;
    HRESULT STDMETHODCALLTYPE Unused0F() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE PutBoolean(LONG key, LONG value) override;
    HRESULT STDMETHODCALLTYPE Unused11() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unused12() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unused13() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE PutObject(LONG key, LONG classId, IActionDescriptor* value) override;
    HRESULT STDMETHODCALLTYPE Unused15() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unused16() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unused17() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE PutEnumerated(LONG key, LONG enumType, LONG value) override;
    HRESULT STDMETHODCALLTYPE Unused19() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE PutReference(LONG key, IActionReference* value) override;
    HRESULT STDMETHODCALLTYPE Unused1B() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE PutClass(LONG key, LONG classId) override;

  private:
    void* QueryOther(REFIID iid) override;
    ActionDescriptor tree_;
};

class ControlObject final : public DualObject<IActionControl> {
  public:
    ControlObject() : DualObject("IActionControl", 'C') {}
    HRESULT STDMETHODCALLTYPE Play(LONG eventId, IActionDescriptor* descriptor, LONG displayDialogs,
                                   IActionDescriptor** result) override;
};

class ApplicationObject final : public DualObject<IPhotoshopApplication> {
  public:
    ApplicationObject() : DualObject("IPhotoshopApplication", 'A') {}

    HRESULT STDMETHODCALLTYPE Unused00() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unused01() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unused02() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unused03() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unused04() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE MakeControlObject(IActionControl** control) override;
    HRESULT STDMETHODCALLTYPE MakeDescriptor(IActionDescriptor** descriptor) override;
    HRESULT STDMETHODCALLTYPE Unused07() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE MakeReference(IActionReference** reference) override;
    HRESULT STDMETHODCALLTYPE get_Visible(LONG* visible) override;
    HRESULT STDMETHODCALLTYPE put_Visible(LONG visible) override;

  private:
    LONG visible_ = 0;
};

// Registered as the class object of Photoshop.Application.
class ClassFactory final : public IClassFactory {
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;
};

}  // namespace vix::fake
