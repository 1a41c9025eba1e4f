#pragma once

#include <stdexcept>
#include <string>

#include "common/utf16.h"

// An error that ends the event handler it is raised in and is shown to the
// user in the application's error box, with exactly this text.

namespace vix {

class AppError : public std::runtime_error {
  public:
    explicit AppError(std::wstring message)
        : std::runtime_error(ToUtf8(message)), message_(std::move(message)) {}
    const std::wstring& message() const { return message_; }

  private:
    std::wstring message_;
};

}  // namespace vix
