// Input: bit 0 of the first byte tells whether the field takes a point; the rest is the key's
// text. A real key press brings one character at most; other texts need only not crash the
// filter, but they still check Asc, which the filter relies on.

#include <locale.h>

#include <cwchar>

#include "calc/KeyFilter.h"
#include "calc/TextNumber.h"
#include "fuzz/FuzzSupport.h"

namespace {

// Code point and length of the first character, from glibc's decoder rather than our own; -1 if
// the text does not start with a well-formed one. glibc still takes code points past U+10FFFF.
std::pair<long, std::size_t> FirstCharacter(std::string_view text) {
    static const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
    FUZZ_REQUIRE(utf8 != nullptr, "no C.UTF-8 locale");
    const locale_t previous = uselocale(utf8);
    std::mbstate_t state{};
    wchar_t code = 0;
    const std::size_t length = std::mbrtowc(&code, text.data(), text.size(), &state);
    uselocale(previous);
    if (length > 4 || code > 0x10FFFF) return {-1, 0};
    return {code, length == 0 ? 1 : length};  // 0 is how mbrtowc reports a NUL byte
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const bool pointAllowed = (data[0] & 1) != 0;
    const std::string_view key = fuzz::AsText(data + 1, size - 1);
    const bool accepted = calc::IsAcceptedKey(key, pointAllowed);

    if (key.empty()) {
        FUZZ_REQUIRE(accepted, "a key without text was refused");
        FUZZ_REQUIRE(calc::Asc(key) == 0, "Asc of no text is %d", calc::Asc(key));
        return 0;
    }
    const auto [code, length] = FirstCharacter(key);
    const long expectedAsc = code < 0 ? static_cast<unsigned char>(key[0]) : code;
    FUZZ_REQUIRE(calc::Asc(key) == expectedAsc, "Asc gave %d, expected %ld", calc::Asc(key),
                 expectedAsc);
    if (code < 0 || length != key.size()) return 0;
    const bool expected =
        (code >= '0' && code <= '9') || code < 32 || code == 127 || (pointAllowed && code == '.');
    FUZZ_REQUIRE(accepted == expected, "key U+%04lX %s with pointAllowed %d", code,
                 accepted ? "accepted" : "refused", pointAllowed);
    return 0;
}
