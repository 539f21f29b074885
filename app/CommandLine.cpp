#include "app/CommandLine.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <string>
#include <vector>

#include "app/CaseFiles.h"
#include "calc/Figures.h"
#include "calc/KeyFilter.h"
#include "calc/Translation.h"
#include "calc/explain/Explanation.h"
#include "calc/explain/Pictures.h"
#include "calc/explain/Wording.h"
#include "framework/Application.h"
#include "framework/CommandLine.h"
#include "framework/Export.h"
#include "framework/Language.h"

namespace app {

namespace {

constexpr const char* kProgram = "predivo";

framework::CommandLine Line() {
    using framework::Tr;
    return framework::CommandLine(
        kProgram, PREDIVO_VERSION,
        Tr("CommandLine",
           "Predivo tells how likely a positive test result is to be right. Without options it "
           "opens its windows; with --explain or --export it works from the command line and "
           "needs no display."),
        {
            {{"explain"},
             Tr("CommandLine",
                "Prints the explanation of a test, as the Explanation window copies it.")},
            {{"export"},
             Tr("CommandLine",
                "Writes a picture of the test to FILE, as SVG or PNG by its extension."),
             Tr("CommandLine", "FILE")},
            {{"picture"},
             Tr("CommandLine", "The picture to export: tree (the default), icons or curves."),
             Tr("CommandLine", "NAME")},
            {{"prevalence"},
             Tr("CommandLine",
                "With four counts: the prevalence in the population tested, in percent."),
             Tr("CommandLine", "PERCENT")},
            {{"size"},
             Tr("CommandLine", "The people the story is told for: 1000, 10000, 100000 or 1000000."),
             Tr("CommandLine", "N")},
            {{"format"},
             Tr("CommandLine", "text (the default) or tsv: only the statistics, tab-separated."),
             Tr("CommandLine", "FORMAT")},
            {{"looks-for"},
             Tr("CommandLine", "What the test looks for, in place of \"the disorder\"."),
             Tr("CommandLine", "TEXT")},
            {{"tested"},
             Tr("CommandLine", "Who is tested, in place of \"people\"."),
             Tr("CommandLine", "TEXT")},
            {{"tested-one"},
             Tr("CommandLine", "One of them, in place of \"person\"."),
             Tr("CommandLine", "TEXT")},
            {{"case"},
             Tr("CommandLine", "Explains or exports a saved case instead of NUMBERS."),
             Tr("CommandLine", "FILE")},
        },
        Tr("CommandLine", "NUMBERS"),
        Tr("CommandLine",
           "Four counts (true positives, false positives, false negatives, true negatives) or "
           "three percentages (prevalence, sensitivity, false-positive rate). A case file alone "
           "opens it in the windows."));
}

struct Usage {
    std::string message;
};
// An input the windows would refuse too: said as they say it.
struct Refusal {
    std::string message;
};

// A number as the calculator's fields would take it pasted: grouped counts, decimal commas.
std::string Number(const std::string& text, bool percent) {
    return calc::PastedNumber(text, percent).value_or(text);
}

// A case read from a file, or the numbers, prevalence and size of the command line: the texts
// the request's views look at stay in `c`.
calc::ExplanationRequest Request(const framework::CommandLine& line, calc::Case& c) {
    const std::vector<std::string> args = line.Arguments();
    calc::ExplanationRequest rq;
    if (line.IsSet("case")) {
        if (!args.empty())
            throw Usage{framework::Tr("CommandLine", "give the numbers or --case, not both")};
        CaseFromFile read = ReadCase(line.Value("case"));
        if (!read.value) throw Refusal{read.message};
        c = *read.value;
        rq.populationPrevalence = c.populationPrevalence;
        rq.populationSize = c.size;
        rq.source = c.source;
    } else {
        if (args.size() != 3 && args.size() != 4) {
            throw Usage{framework::Tr("CommandLine", "give four counts or three percentages")};
        }
        const bool counts = args.size() == 4;
        for (std::size_t i = 0; i < args.size(); ++i) {
            c.fields[counts ? i : i + 4] = Number(args[i], !counts);
        }
        if (line.IsSet("prevalence")) {
            if (!counts)
                throw Usage{framework::Tr("CommandLine", "--prevalence goes with four counts")};
            c.populationPrevalence = Number(line.Value("prevalence"), true);
            rq.populationPrevalence = c.populationPrevalence;
        }
    }
    rq.tp = c.fields[0], rq.fp = c.fields[1], rq.fn = c.fields[2], rq.tn = c.fields[3];
    rq.pre = c.fields[4], rq.dt = c.fields[5], rq.t = c.fields[6];
    const struct {
        const char* option;
        std::string* label;
    } labels[] = {{"looks-for", &c.labels.disorder},
                  {"tested", &c.labels.people},
                  {"tested-one", &c.labels.person}};
    for (const auto& l : labels) {
        if (!line.IsSet(l.option)) continue;
        *l.label = line.Value(l.option);
        if (calc::CountCharacters(*l.label) > calc::kLabelLimit) {
            throw Usage{calc::Arg(framework::Tr("CommandLine", "--%1 takes at most %2 characters"),
                                  {l.option, std::to_string(calc::kLabelLimit)})};
        }
    }
    rq.labels = c.labels;
    if (line.IsSet("size")) {
        const std::string size = line.Value("size");
        const auto* chosen =
            std::find_if(std::begin(calc::kPopulationSizes), std::end(calc::kPopulationSizes),
                         [&](std::uint64_t n) { return std::to_string(n) == size; });
        if (chosen == std::end(calc::kPopulationSizes)) {
            throw Usage{framework::Tr("CommandLine", "--size is 1000, 10000, 100000 or 1000000")};
        }
        rq.populationSize = *chosen;
    }
    return rq;
}

// The test explained, or the message the Explanation window would give instead.
int Explained(const framework::CommandLine& line, const calc::Explanation& x,
              const calc::ExplanationRequest& rq) {
    if (x.input == calc::ExplainedInput::None) {
        framework::PrintError(kProgram, x.missing);
        return 1;
    }
    if (!x.populationRefused.empty()) {
        framework::PrintError(kProgram, x.populationRefused + ".");
        return 1;
    }
    if (rq.populationSize != 0 && x.persons.total != rq.populationSize) {
        framework::PrintError(kProgram, calc::SizeRefusal(rq.populationSize, x.sizes));
        return 1;
    }
    if (line.IsSet("explain")) {
        framework::PrintOut(line.Value("format") == "tsv" ? x.TableText() : x.PlainText());
    }
    return 0;
}

bool PictureFile(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name.ends_with(".svg") || name.ends_with(".png");
}

calc::Drawing Picture(const std::string& name, const calc::Explanation& x) {
    if (name == "icons") return calc::IconArrays(x);
    if (name == "curves") return calc::PredictiveCurves(x);
    return calc::FrequencyTree(x);
}

}  // namespace

std::optional<int> RunCommandLine(int& argc, char** argv, std::string& caseToOpen) {
    // The windows start as fast as they did before there was a command line.
    if (argc <= 1) return std::nullopt;
    framework::CommandLine line = Line();
    if (const auto done = line.Parse(argc, argv)) return done;
    const bool explain = line.IsSet("explain"), exporting = line.IsSet("export");
    // A case file alone, as the desktop opens one, is opened in the windows.
    if (!explain && !exporting && argc == 2 && line.Arguments().size() == 1) {
        caseToOpen = line.Arguments().front();
        return std::nullopt;
    }
    try {
        if (!explain && !exporting)
            throw Usage{
                framework::Tr("CommandLine", "give --explain or --export with the numbers")};
        const std::string format = line.IsSet("format") ? line.Value("format") : "text";
        if (format != "text" && format != "tsv")
            throw Usage{framework::Tr("CommandLine", "--format is text or tsv")};
        const std::string picture = line.IsSet("picture") ? line.Value("picture") : "tree";
        if (picture != "tree" && picture != "icons" && picture != "curves") {
            throw Usage{framework::Tr("CommandLine", "--picture is tree, icons or curves")};
        }
        if (line.IsSet("picture") && !exporting)
            throw Usage{framework::Tr("CommandLine", "--picture goes with --export")};
        if (exporting && !PictureFile(line.Value("export"))) {
            throw Usage{framework::Tr("CommandLine", "--export writes .svg or .png files")};
        }
        // A script reads the statistics with a point and no grouping in any language.
        if (format == "tsv") calc::SetNumberFormat(calc::PlainNumbers());
        calc::Case c;
        const calc::ExplanationRequest rq = Request(line, c);
        const calc::Explanation x = calc::Explain(rq);
        if (const int status = Explained(line, x, rq); status != 0 || !exporting) return status;
        return framework::RunWithoutDisplay(argc, argv, "Predivo", [&] {
            const std::string error =
                framework::SaveDrawing(Picture(picture, x), line.Value("export"));
            if (error.empty()) return 0;
            framework::PrintError(kProgram, error);
            return 1;
        });
    } catch (const Usage& usage) {
        framework::PrintError(kProgram, usage.message);
        return 2;
    } catch (const Refusal& refusal) {
        framework::PrintError(kProgram, refusal.message);
        return 1;
    }
}

}  // namespace app
