#pragma once

#include <windows.h>
#include <oleauto.h>

namespace vix::fake {

HRESULT RegisterServer();
HRESULT UnregisterServer();

}  // namespace vix::fake
