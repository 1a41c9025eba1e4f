#include "platform/exception_info.h"

#include <oleauto.h>

#include "platform/system_libraries.h"

namespace vix::platform {

void ExceptionInfo::reset() noexcept {
    late::SysFreeString(info_.bstrSource);
    late::SysFreeString(info_.bstrDescription);
    late::SysFreeString(info_.bstrHelpFile);
    info_ = EXCEPINFO{};
}

}  // namespace vix::platform
