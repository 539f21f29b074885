#include "calc/explain/Examples.h"

#include "calc/Translation.h"

namespace calc {

namespace {

// The citation as published, then what this example takes from it, in the reader's language.
std::string Source(const char* citation, const std::string& taken = {}) {
    if (taken.empty()) return citation;
    //: A publication (%1), then what the example takes from it (%2).
    return Arg(Tr("Examples", "%1: %2"), {citation, taken});
}

}  // namespace

// Every figure is the published one; where a source is silent, what is assumed says so. The
// names are the reader's language's, so that a person who explains in it starts from them.
std::vector<Example> Examples() {
    return {
        {"MammographyExample",
         Tr("Examples", "Mammography (Gigerenzer and Hoffrage 1995)"),
         {"", "", "", "", "1", "80", "9.6"},
         {Tr("Examples", "breast cancer"),
          Tr("Examples", "women at age forty in routine screening"),
          Tr("Examples", "woman at age forty in routine screening")},
         Source("Gigerenzer G, Hoffrage U. How to improve Bayesian reasoning without instruction: "
                "frequency formats. Psychological Review 1995; 102: 684\u2013704")},
        {"HemoccultExample",
         Tr("Examples", "Hemoccult test (Gigerenzer 2002)"),
         {"", "", "", "", "0.3", "50", "3"},
         {Tr("Examples", "colorectal cancer"),
          Tr("Examples", "men screened with the hemoccult test"),
          Tr("Examples", "man screened with the hemoccult test")},
         Source("Gigerenzer G. Calculated Risks: How to Know When Numbers Deceive You. New York: "
                "Simon & Schuster, 2002")},
        {"HivExample",
         Tr("Examples", "HIV test in a low-risk group (Gigerenzer, Hoffrage and Ebert 1998)"),
         {"", "", "", "", "0.01", "100", "0.01"},
         {Tr("Examples", "HIV"), Tr("Examples", "heterosexual men with low-risk behaviour"),
          Tr("Examples", "heterosexual man with low-risk behaviour")},
         Source("Gigerenzer G, Hoffrage U, Ebert A. AIDS counselling for low-risk clients. AIDS "
                "Care 1998; 10: 197\u2013211",
                Tr("Examples",
                   "1 in 10,000 is infected, and 1 in 9,999 who are not tests "
                   "positive; the infected one tests positive with practical "
                   "certainty, taken as 100%"))},
        {"PrenatalExample",
         Tr("Examples", "Prenatal cell-free DNA screening (Nicolaides et al. 2012)"),
         {"10", "2", "0", "1937", "", "", ""},
         {Tr("Examples", "trisomy 21 or 18"), Tr("Examples", "women screened at 11 to 13 weeks"),
          Tr("Examples", "woman screened at 11 to 13 weeks")},
         Source("Nicolaides KH, Syngelaki A, Ashoor G, Birdir C, Touzet G. Noninvasive prenatal "
                "testing for fetal trisomies in a routinely screened first-trimester population. "
                "Am J Obstet Gynecol 2012; 207: 374.e1\u20136",
                Tr("Examples", "the 1,949 of 2,049 women who were given a risk score"))},
        {"PsaExample",
         Tr("Examples", "PSA test (Thompson et al. 2005)"),
         {"", "", "", "", "21.9", "20.5", "6.2"},
         {Tr("Examples", "prostate cancer"),
          Tr("Examples", "men aged 55 or older who had a biopsy"),
          Tr("Examples", "man aged 55 or older who had a biopsy")},
         Source("Thompson IM, Ankerst DP, Chi C, et al. Operating characteristics of "
                "prostate-specific antigen in men with an initial PSA level of 3.0 ng/mL or lower. "
                "JAMA 2005; 294: 66\u201370",
                Tr("Examples", "a PSA of 4.1 ng/mL or more taken as positive"))},
        {"LiverScanExample",
         Tr("Examples", "Liver scan (Altman and Bland 1994)"),
         {"231", "32", "27", "54", "", "", ""},
         {Tr("Examples", "abnormal pathology"), Tr("Examples", "patients given a liver scan"),
          Tr("Examples", "patient given a liver scan")},
         Source("Altman DG, Bland JM. Diagnostic tests 1: sensitivity and specificity. BMJ 1994; "
                "308: 1552")},
        {"AntigenExample",
         Tr("Examples", "Rapid antigen test for SARS-CoV-2 (Br\u00fcmmer et al. 2021)"),
         {"", "", "", "", "5", "71.2", "1.1"},
         {Tr("Examples", "SARS-CoV-2 infection"), Tr("Examples", "people tested"),
          Tr("Examples", "person tested")},
         Source("Br\u00fcmmer LE, Katzenschlager S, Gaeddert M, et al. Accuracy of novel antigen "
                "rapid diagnostics for SARS-CoV-2: a living systematic review and meta-analysis. "
                "PLoS Med 2021; 18: e1003735",
                Tr("Examples",
                   "pooled sensitivity 71.2% and specificity 98.9%; a review of "
                   "accuracy gives no prevalence, so 5% is assumed"))},
        {"CasscellsExample",
         Tr("Examples", "Casscells, Schoenberger and Graboys (1978)"),
         {"", "", "", "", "0.1", "100", "5"},
         {Tr("Examples", "the disease"), Tr("Examples", "persons tested"),
          Tr("Examples", "person tested")},
         Source("Casscells W, Schoenberger A, Graboys TB. Interpretation by physicians of clinical "
                "laboratory results. N Engl J Med 1978; 299: 999\u20131001",
                Tr("Examples",
                   "prevalence 1 in 1,000, false-positive rate 5%; the question "
                   "states no sensitivity, so 100% is assumed"))},
    };
}

}  // namespace calc
