#include "calc/Explanation.h"

#include <algorithm>
#include <iterator>
#include <optional>

#include "calc/Calculation.h"
#include "calc/Statistics.h"
#include "framework/TextNumber.h"

namespace calc {

// Persons are grouped by commas whatever the desktop's language, as the calculator's numbers
// ignore it too.
std::string GroupedText(std::uint64_t n) {
    const std::string digits = std::to_string(n);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

std::string LeadingZero(std::string number) {
    if (!number.empty() && number.front() == '.') number.insert(0, "0");
    return number;
}

// The calculator's own rounding, so that both windows show a value alike.
std::string PercentText(double fraction) {
    return LeadingZero(framework::Format(fraction * 100, "###.#"));
}

namespace {

constexpr const char* kUndefined = "undefined";

std::string PercentOf(std::uint64_t part, std::uint64_t whole) {
    if (whole == 0) return kUndefined;
    return PercentText(static_cast<double>(part) / static_cast<double>(whole));
}

std::string Ratio(double value) {
    std::string text = LeadingZero(framework::Format(value, "#.##"));
    const auto point = text.find('.');
    if (point == std::string::npos) return text + ".00";
    return text.size() - point == 2 ? text + "0" : text;
}

const char* Reason(Undefined why) {
    switch (why) {
        case Undefined::NoneDiseased:
            return "no one has the disorder";
        case Undefined::NoneHealthy:
            return "no one is without the disorder";
        case Undefined::NoFalsePositive:
            return "no false positives";
        case Undefined::NoTrueNegative:
            return "no true negatives";
        case Undefined::NonePositive:
            return "no one tests positive";
        case Undefined::NoneNegative:
            return "no one tests negative";
        case Undefined::No:
            break;
    }
    return "";
}

StatisticRow Row(const char* name, const Estimate& e, std::string (*text)(double)) {
    StatisticRow row{name, kUndefined, "", ""};
    if (!e.Defined()) {
        row.note = Reason(e.undefined);
        return row;
    }
    row.value = text(e.value);
    if (e.hasInterval) row.interval = text(e.lower) + "\u2013" + text(e.upper);
    if (e.halfAdded) row.note = "0.5 added to every cell for the interval";
    if (e.fromZeroCount) row.note = "a count is 0: interval from its Clopper\u2013Pearson interval";
    return row;
}

std::string People(std::uint64_t n) {
    return GroupedText(n) + (n == 1 ? " person" : " people");
}

std::string Join(const std::vector<std::string>& items) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) out += i + 1 == items.size() ? " and " : ", ";
        out += items[i];
    }
    return out;
}

void Tell(Explanation& x, const std::string& ppv, const std::string& npv) {
    const PersonsTree& t = x.persons;
    std::string& s = x.positiveSentence;
    s = "Of " + People(t.total) + ", " + GroupedText(t.diseased) +
        (t.diseased == 1 ? " has" : " have") + " the disorder.";
    if (t.diseased > 0) {
        s += " " + GroupedText(t.truePositives) + " of these " + GroupedText(t.diseased) +
             (t.truePositives == 1 ? " tests" : " test") + " positive.";
    }
    if (t.Healthy() > 0) {
        s += " Of the " + GroupedText(t.Healthy()) + " without the disorder, " +
             GroupedText(t.falsePositives) + " also" +
             (t.falsePositives == 1 ? " tests" : " test") + " positive.";
    }
    if (t.Positives() > 0) {
        s += " So " + GroupedText(t.truePositives) + " of the " + People(t.Positives()) +
             (t.Positives() == 1 ? " who tests" : " who test") + " positive" +
             (t.truePositives == 1 ? " has" : " have") + " the disorder (" + ppv + "%).";
    } else {
        s += " So no one tests positive, and the positive predictive value is undefined.";
    }
    if (t.Negatives() > 0) {
        x.negativeSentence =
            "Of the " + People(t.Negatives()) + (t.Negatives() == 1 ? " who tests" : " who test") +
            " negative, " + GroupedText(t.trueNegatives) +
            (t.trueNegatives == 1 ? " does" : " do") + " not have the disorder (" + npv + "%).";
    } else {
        x.negativeSentence =
            "No one tests negative, so the negative predictive value is undefined.";
    }
}

bool AboveHundred(Decimal d) {
    std::uint64_t hundred = 100;
    for (int i = 0; i < d.scale; ++i) hundred *= 10;
    return d.units > hundred;
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t\r\n\v\f") == std::string_view::npos;
}

const char* const kCountNames[] = {"the true positives", "the false positives",
                                   "the false negatives", "the true negatives"};
const char* const kPercentNames[] = {"the prevalence", "the sensitivity",
                                     "the false-positive rate"};

constexpr const char* kMethods =
    "Methods: sensitivity, specificity, prevalence, accuracy and the predictive values of the "
    "table are proportions of the sample, with exact Clopper\u2013Pearson 95% confidence "
    "intervals. The likelihood ratios have intervals by the log method (Altman et al., "
    "Statistics with Confidence, 2nd ed., 2000), with 0.5 added to every cell when a cell the "
    "interval needs is 0. Predictive values at an entered prevalence have the standard logit "
    "intervals of Mercaldo, Lau and Zhou (Statistics in Medicine 26, 2007), or, where a value "
    "is 0 or 100%, the Clopper\u2013Pearson interval of the proportion whose count is 0. Persons "
    "are rounded to whole persons, halves up.";

}  // namespace

Explanation Explain(const ExplanationRequest& rq) {
    const CalcOutcome outcome = RunCalculation(rq.tp, rq.fp, rq.fn, rq.tn, rq.pre, rq.dt, rq.t);
    const std::string_view countTexts[] = {rq.tp, rq.fp, rq.fn, rq.tn};
    const std::string_view percentTexts[] = {rq.pre, rq.dt, rq.t};

    // Counts are whole persons; a count field takes no point anyway.
    std::optional<std::uint64_t> counts[4];
    bool countsEntered = true;
    bool anyCount = false;
    for (int i = 0; i < 4; ++i) {
        const auto d = ReadDecimal(countTexts[i]);
        if (d && d->scale == 0) counts[i] = d->units;
        countsEntered = countsEntered && counts[i].has_value();
        anyCount = anyCount || counts[i].value_or(0) > 0;
    }
    std::optional<Decimal> percents[3];
    bool above[3] = {};
    bool percentsUsable = true;
    for (int i = 0; i < 3; ++i) {
        percents[i] = ReadDecimal(percentTexts[i]);
        above[i] = percents[i] && AboveHundred(*percents[i]);
        percentsUsable = percentsUsable && percents[i] && !above[i];
    }
    const bool countsUsable = countsEntered && anyCount;

    Explanation x;
    x.methods = kMethods;
    // Where the calculator computes, this explains the same set.
    if (outcome.calculated && outcome.mode == InputMode::Percentages && percentsUsable) {
        x.input = ExplainedInput::Percentages;
    } else if (countsUsable) {
        x.input = ExplainedInput::Counts;
    } else if (percentsUsable) {
        x.input = ExplainedInput::Percentages;
    } else {
        std::vector<std::string> needCounts;
        for (int i = 0; i < 4; ++i) {
            if (!counts[i]) needCounts.emplace_back(kCountNames[i]);
        }
        if (needCounts.empty()) needCounts.emplace_back("a count above 0");
        std::vector<std::string> needPercents;
        std::string aboveSentences;
        for (int i = 0; i < 3; ++i) {
            if (!percents[i] || above[i]) needPercents.emplace_back(kPercentNames[i]);
            if (above[i]) {
                std::string name = kPercentNames[i];
                name[0] = 'T';
                aboveSentences += " " + name + " entered is above 100%.";
            }
        }
        x.missing = "To explain a test, enter " + Join(needCounts) + ", or " + Join(needPercents) +
                    "." + aboveSentences;
        return x;
    }
    const bool calculatorAgrees = outcome.calculated && (outcome.mode == InputMode::Frequencies) ==
                                                            (x.input == ExplainedInput::Counts);

    TestStatistics stats;
    Fraction prevalence, sensitivity, falsePositiveRate;
    bool population = false;
    if (x.input == ExplainedInput::Counts) {
        const std::uint64_t tp = *counts[0], fp = *counts[1], fn = *counts[2], tn = *counts[3];
        if (!IsBlank(rq.populationPrevalence)) {
            const auto d = ReadDecimal(rq.populationPrevalence);
            const char* refusal = nullptr;
            if (!d) {
                refusal = "The prevalence in the population tested is not a number";
            } else if (AboveHundred(*d)) {
                refusal = "The prevalence in the population tested is above 100%";
            } else if (tp + fn == 0) {
                refusal = "No one in the table has the disorder, so it cannot be carried over";
            } else if (fp + tn == 0) {
                refusal = "Everyone in the table has the disorder, so it cannot be carried over";
            } else {
                population = true;
                prevalence = FromPercent(*d);
                sensitivity = {tp, tp + fn};
                falsePositiveRate = {fp, fp + tn};
            }
            if (refusal) x.notes.push_back(std::string(refusal) + "; the table's own is used.");
        }
        const Counts c{static_cast<double>(tp), static_cast<double>(fp), static_cast<double>(fn),
                       static_cast<double>(tn)};
        stats = population ? StatisticsFromCounts(c, framework::Val(rq.populationPrevalence) / 100)
                           : StatisticsFromCounts(c);
        if (!population) {
            x.personsAreCounts = true;
            x.persons = {tp + fp + fn + tn, tp + fn, tp, fn, fp, tn};
        }
    } else {
        prevalence = FromPercent(*percents[0]);
        sensitivity = FromPercent(*percents[1]);
        falsePositiveRate = FromPercent(*percents[2]);
        stats = StatisticsFromRates(framework::Val(rq.pre) / 100, framework::Val(rq.dt) / 100,
                                    framework::Val(rq.t) / 100);
        x.statisticsNote =
            "Percentages carry no sample sizes, so these figures have no confidence intervals.";
    }

    x.figures = stats;
    x.statistics = {
        Row("Sensitivity (%)", stats.sensitivity, PercentText),
        Row("Specificity (%)", stats.specificity, PercentText),
        Row("Positive likelihood ratio", stats.positiveLikelihoodRatio, Ratio),
        Row("Negative likelihood ratio", stats.negativeLikelihoodRatio, Ratio),
        Row("Prevalence (%)", stats.prevalence, PercentText),
        Row("Positive predictive value (%)", stats.positivePredictiveValue, PercentText),
        Row("Negative predictive value (%)", stats.negativePredictiveValue, PercentText),
        Row("Accuracy (%)", stats.accuracy, PercentText),
    };
    StatisticRow& ppvRow = x.statistics[5];
    if (calculatorAgrees && !population) ppvRow.value = LeadingZero(outcome.pppText);
    if (population) {
        x.statistics[4].note = "entered for the population tested";
        for (const int i : {5, 6, 7}) {
            if (x.statistics[i].note.empty()) x.statistics[i].note = "at the entered prevalence";
        }
    }
    const std::string& ppv = ppvRow.value;
    const std::string& npv = x.statistics[6].value;

    if (!x.personsAreCounts) {
        const auto tells = [&](const PersonsTree& t) {
            return PercentOf(t.truePositives, t.Positives()) == ppv &&
                   PercentOf(t.trueNegatives, t.Negatives()) == npv;
        };
        const auto* const chosen =
            std::find(std::begin(kPopulationSizes), std::end(kPopulationSizes), rq.populationSize);
        if (chosen != std::end(kPopulationSizes)) {
            x.persons = SplitPopulation(*chosen, prevalence, sensitivity, falsePositiveRate);
        } else {
            for (const std::uint64_t n : kPopulationSizes) {
                x.persons = SplitPopulation(n, prevalence, sensitivity, falsePositiveRate);
                if (tells(x.persons)) break;
            }
        }
        if (!tells(x.persons)) {
            x.notes.push_back(
                "The persons are rounded, so their predictive values differ from the table's.");
        }
    }
    const PersonsTree& t = x.persons;
    Tell(x, PercentOf(t.truePositives, t.Positives()), PercentOf(t.trueNegatives, t.Negatives()));
    return x;
}

std::string Explanation::PlainText() const {
    if (input == ExplainedInput::None) return missing + "\n";
    std::string out = positiveSentence + "\n" + negativeSentence + "\n";
    for (const auto& note : notes) out += note + "\n";
    out += "\nStatistic\tValue\t95% confidence interval\tNote\n";
    for (const auto& row : statistics) {
        out += row.name + "\t" + row.value + "\t" + row.interval + "\t" + row.note + "\n";
    }
    if (!statisticsNote.empty()) out += statisticsNote + "\n";
    return out + "\n" + methods + "\n";
}

}  // namespace calc
