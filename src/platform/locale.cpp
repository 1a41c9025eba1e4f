#include "platform/locale.h"

#include <windows.h>

namespace vix::platform {

wchar_t UserDecimalSeparator() {
    wchar_t text[8] = {};
    if (::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, text, 8) > 1) return text[0];
    return L'.';
}

}  // namespace vix::platform
