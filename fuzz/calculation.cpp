// Input: the texts of tp, fp, fn, tn, pre, dt and t, separated by '|'. Each is cut to what its
// field holds (5 characters for a frequency, 9 for a percentage), as typing or pasting leaves
// it. Built with FUZZ_ANY_LENGTH the texts keep any length, and only the choice of mode counts:
// the result's accuracy is judged for field-sized texts alone.

#include <cmath>
#include <string>

#include "calc/Calculation.h"
#include "calc/TextNumber.h"
#include "fuzz/FuzzSupport.h"

namespace {

using calc::Field;
using calc::InputMode;

#ifdef FUZZ_ANY_LENGTH
constexpr bool kAnyLength = true;
#else
constexpr bool kAnyLength = false;
#endif

constexpr Field kFields[] = {Field::tp,  Field::fp, Field::fn, Field::tn,
                             Field::pre, Field::dt, Field::t};

// A character starts at every byte that is not a UTF-8 continuation byte.
std::string_view FirstCharacters(std::string_view text, std::size_t count) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && count-- == 0) {
            return text.substr(0, i);
        }
    }
    return text;
}

long double ExpectedPercent(const double (&v)[7], bool frequencies) {
    if (frequencies) return 100.0L * v[0] / (static_cast<long double>(v[0]) + v[1]);
    const long double diseased = v[4] / 100.0L * 10000;
    const long double positives = diseased * v[5];
    return 100 * positives / (positives + (10000 - diseased) * v[6]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto texts = fuzz::SplitFields(fuzz::AsText(data, size), 7);
    double v[7];
    for (std::size_t i = 0; i < 7; ++i) {
        if (!kAnyLength) texts[i] = FirstCharacters(texts[i], i < 4 ? 5 : 9);
        v[i] = calc::Val(texts[i]);
    }
    const auto outcome =
        calc::RunCalculation(texts[0], texts[1], texts[2], texts[3], texts[4], texts[5], texts[6]);

    const bool frequencies = v[0] > 0 && v[1] > 0 && v[2] > 0 && v[3] > 0;
    const bool percentages = v[4] > 0 && v[5] > 0 && v[6] > 0;
    const InputMode mode = frequencies   ? InputMode::Frequencies
                           : percentages ? InputMode::Percentages
                                         : InputMode::None;
    FUZZ_REQUIRE(outcome.mode == mode, "mode %d, expected %d", static_cast<int>(outcome.mode),
                 static_cast<int>(mode));
    int tooLarge = -1;
    for (int i = 4; mode == InputMode::Percentages && tooLarge < 0 && i < 7; ++i) {
        if (v[i] > 100) tooLarge = i;
    }
    const bool calculated = mode != InputMode::None && tooLarge < 0;
    FUZZ_REQUIRE(outcome.calculated == calculated, "calculated is %d for %g %g %g %g | %g %g %g",
                 outcome.calculated, v[0], v[1], v[2], v[3], v[4], v[5], v[6]);
    if (kAnyLength) return 0;

    if (!calculated) {
        FUZZ_REQUIRE(outcome.emptied.empty() && outcome.pppText.empty(),
                     "a refusal changed fields");
        const char* message = mode == InputMode::None
                                  ? "Enter the 4 frequencies OR the 3 percentages."
                                  : "Percentages cannot be greater than 100.";
        FUZZ_REQUIRE(outcome.message == message, "message \"%s\"", outcome.message.c_str());
        const Field focus = tooLarge < 0 ? Field::tp : kFields[tooLarge];
        FUZZ_REQUIRE(outcome.focus == focus, "focus on field %d, expected %d",
                     static_cast<int>(outcome.focus), static_cast<int>(focus));
        return 0;
    }
    const std::vector<Field> unused = frequencies ? std::vector<Field>(kFields + 4, kFields + 7)
                                                  : std::vector<Field>(kFields, kFields + 4);
    FUZZ_REQUIRE(outcome.emptied == unused, "emptied the wrong fields");
    FUZZ_REQUIRE(outcome.message.empty(), "a result came with \"%s\"", outcome.message.c_str());
    const std::string& shown = outcome.pppText;
    FUZZ_REQUIRE(fuzz::IsCanonicalNumber(shown, 1), "ppp shown as \"%s\"", shown.c_str());
    const double percent = calc::Val(shown);
    FUZZ_REQUIRE(percent >= 0 && percent <= 100, "ppp %s is no percentage", shown.c_str());
    // The slack beyond half a place covers the few ulps between double and long double sums.
    const long double expected = ExpectedPercent(v, frequencies);
    FUZZ_REQUIRE(std::fabs(percent - expected) <= 0.05L + 1e-9L, "ppp %s, expected %.6Lf",
                 shown.c_str(), expected);
    return 0;
}
