#include "platform/exception_info.h"

#include <oleauto.h>

namespace vix::platform {

void ExceptionInfo::reset() noexcept {
    ::SysFreeString(info_.bstrSource);
    ::SysFreeString(info_.bstrDescription);
    ::SysFreeString(info_.bstrHelpFile);
    info_ = EXCEPINFO{};
}

}  // namespace vix::platform
