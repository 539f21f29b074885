#include "calc/Calculation.h"

#include <cmath>
#include <string>
#include <utility>

#include "calc/TextNumber.h"
#include "calc/Translation.h"

namespace calc {

namespace {

constexpr double kPopulation = 10000.0;

CalcOutcome Refusal(InputMode mode, std::string message, Field focus) {
    CalcOutcome outcome;
    outcome.mode = mode;
    outcome.message = std::move(message);
    outcome.focus = focus;
    return outcome;
}

double FrequencyPpv(double tp, double fp) {
    const double positives = tp + fp;
    if (std::isinf(positives)) {
        // Only numerals near the double limit get here; halving is exact at that size and the
        // ratio is unchanged, where the plain sum would turn every such answer into 0.
        return (tp * 0.5) / (tp * 0.5 + fp * 0.5);
    }
    return tp / positives;
}

// The grouping below is deliberate: results are shown to one decimal, and a borderline answer
// flips with the last bit, so the same inputs must always take the same path through rounding.
double PercentagePpv(double pre, double dt, double t) {
    const double p = pre / 100;
    const double diseased = p * kPopulation;
    // dt and t stay in percent: the common factor 100 cancels in the ratio.
    const double truePositives = diseased * dt;
    const double healthy = kPopulation - diseased;
    const double falsePositives = healthy * t;
    return truePositives / (truePositives + falsePositives);
}

}  // namespace

CalcOutcome RunCalculation(std::string_view tpText, std::string_view fpText,
                           std::string_view fnText, std::string_view tnText,
                           std::string_view preText, std::string_view dtText,
                           std::string_view tText) {
    const double tp = Val(tpText);
    const double fp = Val(fpText);
    const double fn = Val(fnText);
    const double tn = Val(tnText);
    const double pre = Val(preText);
    const double dt = Val(dtText);
    const double t = Val(tText);

    const bool frequencies = tp > 0 && fp > 0 && fn > 0 && tn > 0;
    const bool percentages = pre > 0 && dt > 0 && t > 0;
    if (!frequencies && !percentages) {
        return Refusal(InputMode::None,
                       Tr("Calculation", "Enter the 4 frequencies OR the 3 percentages."),
                       Field::tp);
    }

    CalcOutcome outcome;
    double ppp = 0.0;
    if (frequencies) {
        outcome.mode = InputMode::Frequencies;
        outcome.emptied = {Field::pre, Field::dt, Field::t};
        ppp = FrequencyPpv(tp, fp);
    } else {
        // A probability above 100 percent cannot be meant; computing with it would show a
        // plausible looking but meaningless result.
        const std::string tooLarge = Tr("Calculation", "Percentages cannot be greater than 100.");
        if (pre > 100) return Refusal(InputMode::Percentages, tooLarge, Field::pre);
        if (dt > 100) return Refusal(InputMode::Percentages, tooLarge, Field::dt);
        if (t > 100) return Refusal(InputMode::Percentages, tooLarge, Field::t);
        outcome.mode = InputMode::Percentages;
        outcome.emptied = {Field::tp, Field::fp, Field::fn, Field::tn};
        ppp = PercentagePpv(pre, dt, t);
    }
    ppp = ppp * 100;
    outcome.pppText = Format(ppp, "###.#");
    outcome.calculated = true;
    return outcome;
}

}  // namespace calc
