#pragma once

#include <exception>

#include "common/app_error.h"
#include "common/utf16.h"

namespace vix::platform {

template <typename F>
void Guarded(F&& action) {
    try {
        action();
    } catch (const AppError& e) {
        ReportError(e.message());
    } catch (const std::exception& e) {
        ReportError(FromUtf8(e.what()));
    }
}

}  // namespace vix::platform
