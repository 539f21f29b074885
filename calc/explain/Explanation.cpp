#include "calc/explain/Explanation.h"

#include <algorithm>
#include <optional>

#include "calc/Calculation.h"
#include "calc/Figures.h"
#include "calc/Statistics.h"
#include "calc/explain/Wording.h"

namespace calc {

namespace {

// A figure's value as the table writes it, from its exact value; empty where undefined.
std::string ValueOf(const Estimate& e, Scale scale) {
    if (!e.Defined()) return {};
    return e.infinite ? InfiniteText() : Figure(e.exact, scale);
}

StatisticRow Row(Statistic name, const Estimate& e, Scale scale, const Labels& labels) {
    StatisticRow row{StatisticName(name), UndefinedText(), "", "", "", ""};
    if (!e.Defined()) {
        row.note = UndefinedReason(e.undefined, labels);
        return row;
    }
    row.value = ValueOf(e, scale);
    if (e.hasInterval) {
        row.lower = Figure(e.lower, scale);
        row.upper = e.upperInfinite ? InfiniteText() : Figure(e.upper, scale);
        row.interval = RangeText(row.lower, row.upper);
    }
    if (e.halfAdded) row.note = HalfAddedNote();
    if (e.adjustedLogit) row.note = AdjustedLogitNote();
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

// The calculator's result ("4.8", ".2", "50") as this window writes a percentage ("4.8", "0.2",
// "50.0", with the reader's point), so that the two windows never disagree about the value they
// both show; but where the calculator's one decimal shows a value that is neither 0 nor 100% as
// "0" or "100", the window's own precision holds.
std::string CalculatorPercent(const std::string& ppp, const Estimate& e) {
    if ((ppp == "0" || ppp == "100") && e.exact != 0 && e.exact != 1) {
        return Figure(e.exact, Scale::Percent);
    }
    std::string text = !ppp.empty() && ppp.front() == '.' ? "0" + ppp : ppp;
    return Localized(text.find('.') == std::string::npos ? text + ".0" : text);
}

std::string ComplementOf(const Estimate& e) {
    return e.Defined() && !e.infinite ? Figure(1 - e.exact, Scale::Percent) : std::string();
}

// The first share the persons show otherwise than the table, or nothing when they show every
// one alike. A share that is not empty in the table but whose persons are none shows 0.0, so an
// empty group differs too.
struct Misfitting {
    Share share;
    std::string told, table;  // told: empty where the persons leave it undefined
};

std::optional<Misfitting> Misfit(const PersonsTree& t, const ShownPercents& s) {
    const struct {
        Share share;
        const std::string& shown;
        std::uint64_t part, whole;
    } shares[] = {
        {Share::Prevalence, s.prevalence, t.diseased, t.total},
        {Share::WithoutDisorder, s.withoutDisorder, t.Healthy(), t.total},
        {Share::Sensitivity, s.sensitivity, t.truePositives, t.diseased},
        {Share::MissRate, s.missRate, t.falseNegatives, t.diseased},
        {Share::FalsePositiveRate, s.falsePositiveRate, t.falsePositives, t.Healthy()},
        {Share::Specificity, s.specificity, t.trueNegatives, t.Healthy()},
        {Share::PositivePredictive, s.positivePredictive, t.truePositives, t.Positives()},
        {Share::NegativePredictive, s.negativePredictive, t.trueNegatives, t.Negatives()},
        {Share::DisorderAfterNegative, s.disorderAfterNegative, t.falseNegatives, t.Negatives()},
    };
    for (const auto& c : shares) {
        if (c.shown.empty()) continue;
        const std::string told =
            c.whole == 0 ? "" : Figure(Rational(c.part, c.whole), Scale::Percent);
        if (told != c.shown) return Misfitting{c.share, told, c.shown};
    }
    return std::nullopt;
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
    x.labels = rq.labels;
    if (!IsBlank(rq.source)) x.source = SourceNote(rq.source);
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
            if (refusal) {
                x.notes.push_back(RefusedPopulationNote(*refusal, rq.labels));
                x.populationRefused = RefusedPopulation(*refusal, rq.labels);
            }
        }
        const Counts c{static_cast<double>(tp), static_cast<double>(fp), static_cast<double>(fn),
                       static_cast<double>(tn)};
        stats = population ? StatisticsFromCounts(c, prevalence) : StatisticsFromCounts(c);
        if (!population) {
            x.personsAreCounts = true;
            x.persons = {tp + fp + fn + tn, tp + fn, tp, fn, fp, tn};
            x.notes.push_back(TablePrevalenceNote());
        }
        if (percentsUsable) x.notes.push_back(BothInputsNote());
    } else {
        prevalence = FromPercent(*percents[0]);
        sensitivity = FromPercent(*percents[1]);
        falsePositiveRate = FromPercent(*percents[2]);
        stats = StatisticsFromRates(prevalence, sensitivity, falsePositiveRate);
        x.statisticsNote = NoIntervalsNote();
    }

    x.figures = stats;
    x.statistics = {
        Row(Statistic::Sensitivity, stats.sensitivity, Scale::Percent, rq.labels),
        Row(Statistic::Specificity, stats.specificity, Scale::Percent, rq.labels),
        Row(Statistic::PositiveLikelihoodRatio, stats.positiveLikelihoodRatio, Scale::Ratio,
            rq.labels),
        Row(Statistic::NegativeLikelihoodRatio, stats.negativeLikelihoodRatio, Scale::Ratio,
            rq.labels),
        Row(Statistic::DiagnosticOddsRatio, stats.diagnosticOddsRatio, Scale::Ratio, rq.labels),
        Row(Statistic::YoudenIndex, stats.youdenIndex, Scale::Index, rq.labels),
        Row(Statistic::NumberNeededToDiagnose, stats.numberNeededToDiagnose, Scale::Ratio,
            rq.labels),
        Row(Statistic::Prevalence, stats.prevalence, Scale::Percent, rq.labels),
        Row(Statistic::PositivePredictiveValue, stats.positivePredictiveValue, Scale::Percent,
            rq.labels),
        Row(Statistic::NegativePredictiveValue, stats.negativePredictiveValue, Scale::Percent,
            rq.labels),
        Row(Statistic::DisorderAfterNegative, stats.disorderAfterNegative, Scale::Percent,
            rq.labels),
        Row(Statistic::Accuracy, stats.accuracy, Scale::Percent, rq.labels),
    };
    const auto row = [&x](Statistic s) -> StatisticRow& {
        return x.statistics[static_cast<std::size_t>(s)];
    };
    if (calculatorAgrees && !population) {
        row(Statistic::PositivePredictiveValue).value =
            CalculatorPercent(outcome.pppText, stats.positivePredictiveValue);
    }
    if (population) {
        row(Statistic::Prevalence).note = EnteredPrevalenceNote();
        for (const Statistic s :
             {Statistic::PositivePredictiveValue, Statistic::NegativePredictiveValue,
              Statistic::DisorderAfterNegative, Statistic::Accuracy}) {
            if (row(s).note.empty()) row(s).note = AtEnteredPrevalenceNote();
        }
    }

    ShownPercents& shown = x.shown;
    shown.prevalence = ValueOf(stats.prevalence, Scale::Percent);
    shown.withoutDisorder = ComplementOf(stats.prevalence);
    shown.sensitivity = ValueOf(stats.sensitivity, Scale::Percent);
    shown.missRate = ComplementOf(stats.sensitivity);
    shown.specificity = ValueOf(stats.specificity, Scale::Percent);
    shown.falsePositiveRate = ComplementOf(stats.specificity);
    const auto value = [&](Statistic s, const Estimate& e) {
        return e.Defined() ? row(s).value : std::string();
    };
    shown.positivePredictive =
        value(Statistic::PositivePredictiveValue, stats.positivePredictiveValue);
    shown.negativePredictive =
        value(Statistic::NegativePredictiveValue, stats.negativePredictiveValue);
    shown.disorderAfterNegative =
        value(Statistic::DisorderAfterNegative, stats.disorderAfterNegative);

    if (!x.personsAreCounts) {
        // The story is told for as few people as show every figure as the table does, so that a
        // teacher's whole persons never contradict the percentages beside them.
        for (const std::uint64_t n : kPopulationSizes) {
            const PersonsTree t = SplitPopulation(n, prevalence, sensitivity, falsePositiveRate);
            if (!Misfit(t, shown)) x.sizes.push_back(n);
        }
        const auto chosen = std::find(x.sizes.begin(), x.sizes.end(), rq.populationSize);
        const std::uint64_t size = chosen != x.sizes.end() ? *chosen
                                   : x.sizes.empty()       ? std::end(kPopulationSizes)[-1]
                                                           : x.sizes.front();
        x.persons = SplitPopulation(size, prevalence, sensitivity, falsePositiveRate);
        if (const auto misfit = Misfit(x.persons, shown)) {
            x.notes.push_back(
                RoundedPersonsNote(size, misfit->share, misfit->told, misfit->table, rq.labels));
        }
    }
    x.positiveSentence =
        PositiveSentence(x.persons, shown.positivePredictive,
                         population ? std::optional(shown.prevalence) : std::nullopt, rq.labels);
    x.negativeSentence = NegativeSentence(x.persons, shown.negativePredictive,
                                          shown.disorderAfterNegative, rq.labels);
    return x;
}

std::string Explanation::PlainText() const {
    if (input == ExplainedInput::None) return missing + "\n";
    std::string out = positiveSentence + "\n" + negativeSentence + "\n";
    if (!source.empty()) out += source + "\n";
    for (const auto& note : notes) out += note + "\n";
    out += "\n" + TableText();
    if (!statisticsNote.empty()) out += statisticsNote + "\n";
    return out + "\n" + methods + "\n";
}

std::string Explanation::TableText() const {
    std::string out = TableHead() + "\n";
    for (const auto& row : statistics) {
        out += row.name + "\t" + row.value + "\t" + row.lower + "\t" + row.upper + "\t" + row.note +
               "\n";
    }
    return out;
}

}  // namespace calc
