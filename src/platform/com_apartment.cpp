#include "platform/com_apartment.h"

#include <objbase.h>
#include <ole2.h>

#include "platform/com_error.h"
#include "platform/system_libraries.h"

namespace vix::platform {

ComApartment::ComApartment(ApartmentKind kind)
    : result_(late::CoInitializeEx(nullptr, kind == ApartmentKind::SingleThreaded
                                                ? COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE
                                                : COINIT_MULTITHREADED)) {}

ComApartment::~ComApartment() {
    // S_FALSE counts too: every successful initialise needs its uninitialise.
    if (SUCCEEDED(result_)) late::CoUninitialize();
}

void ComApartment::Check() const { ThrowIfFailed(result_, L"Starting COM"); }

OleScope::OleScope() : result_(late::OleInitialize(nullptr)) {}

OleScope::~OleScope() {
    if (SUCCEEDED(result_)) late::OleUninitialize();
}

}  // namespace vix::platform
