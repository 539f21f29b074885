#include "calc/explain/Explanation.h"

#include <algorithm>
#include <iterator>
#include <optional>

#include "calc/Calculation.h"
#include "calc/Statistics.h"
#include "calc/TextNumber.h"
#include "calc/explain/Wording.h"

namespace calc {

namespace {

std::string PercentOf(std::uint64_t part, std::uint64_t whole) {
    if (whole == 0) return kUndefined;
    return PercentText(static_cast<double>(part) / static_cast<double>(whole));
}

StatisticRow Row(Statistic name, const Estimate& e, std::string (*text)(double)) {
    StatisticRow row{StatisticName(name), kUndefined, "", ""};
    if (!e.Defined()) {
        row.note = UndefinedReason(e.undefined);
        return row;
    }
    row.value = e.infinite ? kInfinite : text(e.value);
    if (e.hasInterval) {
        row.interval = RangeText(text(e.lower), e.upperInfinite ? kInfinite : text(e.upper));
    }
    if (e.halfAdded) row.note = HalfAddedNote();
    if (e.adjustedLogit) row.note = FromZeroCountNote();
    return row;
}

bool AboveHundred(Decimal d) {
    std::uint64_t hundred = 100;
    for (int i = 0; i < d.scale; ++i) hundred *= 10;
    return d.units > hundred;
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t\r\n\v\f") == std::string_view::npos;
}

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
    x.methods = Methods();
    // Where the calculator computes, this explains the same set.
    if (outcome.calculated && outcome.mode == InputMode::Percentages && percentsUsable) {
        x.input = ExplainedInput::Percentages;
    } else if (countsUsable) {
        x.input = ExplainedInput::Counts;
    } else if (percentsUsable) {
        x.input = ExplainedInput::Percentages;
    } else {
        bool countMissing[4], percentMissing[3];
        for (int i = 0; i < 4; ++i) countMissing[i] = !counts[i];
        for (int i = 0; i < 3; ++i) percentMissing[i] = !percents[i];
        x.missing = MissingInput(countMissing, percentMissing, above);
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
            std::optional<PopulationRefusal> refusal;
            if (!d) {
                refusal = PopulationRefusal::NotANumber;
            } else if (AboveHundred(*d)) {
                refusal = PopulationRefusal::AboveHundred;
            } else if (tp + fn == 0) {
                refusal = PopulationRefusal::NoneDiseased;
            } else if (fp + tn == 0) {
                refusal = PopulationRefusal::NoneHealthy;
            } else {
                population = true;
                prevalence = FromPercent(*d);
                sensitivity = {tp, tp + fn};
                falsePositiveRate = {fp, fp + tn};
            }
            if (refusal) x.notes.push_back(RefusedPopulationNote(*refusal));
        }
        const Counts c{static_cast<double>(tp), static_cast<double>(fp), static_cast<double>(fn),
                       static_cast<double>(tn)};
        stats = population ? StatisticsFromCounts(c, prevalence) : StatisticsFromCounts(c);
        if (!population) {
            x.personsAreCounts = true;
            x.persons = {tp + fp + fn + tn, tp + fn, tp, fn, fp, tn};
        }
    } else {
        prevalence = FromPercent(*percents[0]);
        sensitivity = FromPercent(*percents[1]);
        falsePositiveRate = FromPercent(*percents[2]);
        stats = StatisticsFromRates(prevalence, sensitivity, falsePositiveRate);
        x.statisticsNote = NoIntervalsNote();
    }

    x.figures = stats;
    x.statistics = {
        Row(Statistic::Sensitivity, stats.sensitivity, PercentText),
        Row(Statistic::Specificity, stats.specificity, PercentText),
        Row(Statistic::PositiveLikelihoodRatio, stats.positiveLikelihoodRatio, RatioText),
        Row(Statistic::NegativeLikelihoodRatio, stats.negativeLikelihoodRatio, RatioText),
        Row(Statistic::Prevalence, stats.prevalence, PercentText),
        Row(Statistic::PositivePredictiveValue, stats.positivePredictiveValue, PercentText),
        Row(Statistic::NegativePredictiveValue, stats.negativePredictiveValue, PercentText),
        Row(Statistic::Accuracy, stats.accuracy, PercentText),
    };
    StatisticRow& ppvRow = x.statistics[5];
    if (calculatorAgrees && !population) ppvRow.value = LeadingZero(outcome.pppText);
    if (population) {
        x.statistics[4].note = EnteredPrevalenceNote();
        for (const int i : {5, 6, 7}) {
            if (x.statistics[i].note.empty()) x.statistics[i].note = AtEnteredPrevalenceNote();
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
            x.notes.push_back(RoundedPersonsNote());
        }
    }
    const PersonsTree& t = x.persons;
    x.positiveSentence = PositiveSentence(t, PercentOf(t.truePositives, t.Positives()));
    x.negativeSentence = NegativeSentence(t, PercentOf(t.trueNegatives, t.Negatives()));
    return x;
}

std::string Explanation::PlainText() const {
    if (input == ExplainedInput::None) return missing + "\n";
    std::string out = positiveSentence + "\n" + negativeSentence + "\n";
    for (const auto& note : notes) out += note + "\n";
    out += "\n" + TableHead() + "\n";
    for (const auto& row : statistics) {
        out += row.name + "\t" + row.value + "\t" + row.interval + "\t" + row.note + "\n";
    }
    if (!statisticsNote.empty()) out += statisticsNote + "\n";
    return out + "\n" + methods + "\n";
}

}  // namespace calc
