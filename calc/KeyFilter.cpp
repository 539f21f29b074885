#include "calc/KeyFilter.h"

#include "framework/TextNumber.h"

namespace calc {

bool IsAcceptedKey(std::string_view key, bool pointAllowed) {
    if (framework::StrComp(key, "0") >= 0 && framework::StrComp(key, "9") <= 0) return true;
    // Keys without text (arrows, Home, modifiers) arrive as an empty key, whose code is 0. They
    // insert nothing, and refusing them would break moving around in the field.
    const int code = framework::Asc(key);
    if (code < 32) return true;
    if (code == 127) return true;
    return pointAllowed && code == '.';
}

}  // namespace calc
