#pragma once
// The system's IUnknown and IDispatch for the header generated from
// photoshop_automation.idl.
#include <oaidl.h>
