// Input: the whole input is the text given to Val.

#include <locale.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "calc/TextNumber.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    const double value = calc::Val(text);
    FUZZ_REQUIRE(std::isfinite(value), "Val gave %g", value);
    if (!fuzz::IsPlainNumeral(text)) {
        FUZZ_REQUIRE(value == 0, "Val of a non-numeral gave %.17g", value);
        return 0;
    }
    // glibc's strtod rounds correctly; the "C" locale pins its decimal point to ".".
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    const std::string numeral(fuzz::Trim(text));
    const double reference = strtod_l(numeral.c_str(), nullptr, c);
    if (std::isinf(reference)) {
        FUZZ_REQUIRE(value == 0, "Val of a numeral beyond a double gave %.17g", value);
    } else {
        FUZZ_REQUIRE(value == reference, "Val gave %.17g, strtod %.17g", value, reference);
    }
    return 0;
}
