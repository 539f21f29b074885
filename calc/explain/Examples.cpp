#include "calc/explain/Examples.h"

namespace calc {

// Every figure is the published one; where a source is silent, what is assumed says so.
const std::vector<Example>& Examples() {
    static const std::vector<Example> examples{
        {"MammographyExample",
         "Mammography (Gigerenzer and Hoffrage 1995)",
         {"", "", "", "", "1", "80", "9.6"},
         {"breast cancer", "women at age forty in routine screening",
          "woman at age forty in routine screening"},
         "Gigerenzer G, Hoffrage U. How to improve Bayesian reasoning without instruction: "
         "frequency formats. Psychological Review 1995; 102: 684\u2013704"},
        {"HemoccultExample",
         "Hemoccult test (Gigerenzer 2002)",
         {"", "", "", "", "0.3", "50", "3"},
         {"colorectal cancer", "men screened with the hemoccult test",
          "man screened with the hemoccult test"},
         "Gigerenzer G. Calculated Risks: How to Know When Numbers Deceive You. New York: Simon "
         "& Schuster, 2002"},
        {"HivExample",
         "HIV test in a low-risk group (Gigerenzer, Hoffrage and Ebert 1998)",
         {"", "", "", "", "0.01", "100", "0.01"},
         {"HIV", "heterosexual men with low-risk behaviour",
          "heterosexual man with low-risk behaviour"},
         "Gigerenzer G, Hoffrage U, Ebert A. AIDS counselling for low-risk clients. AIDS Care "
         "1998; 10: 197\u2013211: 1 in 10,000 is infected, and 1 in 9,999 who are not tests "
         "positive; the infected one tests positive with practical certainty, taken as 100%"},
        {"PrenatalExample",
         "Prenatal cell-free DNA screening (Nicolaides et al. 2012)",
         {"10", "2", "0", "1937", "", "", ""},
         {"trisomy 21 or 18", "women screened at 11 to 13 weeks",
          "woman screened at 11 to 13 weeks"},
         "Nicolaides KH, Syngelaki A, Ashoor G, Birdir C, Touzet G. Noninvasive prenatal testing "
         "for fetal trisomies in a routinely screened first-trimester population. Am J Obstet "
         "Gynecol 2012; 207: 374.e1\u20136: the 1,949 of 2,049 women who were given a risk "
         "score"},
        {"PsaExample",
         "PSA test (Thompson et al. 2005)",
         {"", "", "", "", "21.9", "20.5", "6.2"},
         {"prostate cancer", "men aged 55 or older who had a biopsy",
          "man aged 55 or older who had a biopsy"},
         "Thompson IM, Ankerst DP, Chi C, et al. Operating characteristics of prostate-specific "
         "antigen in men with an initial PSA level of 3.0 ng/mL or lower. JAMA 2005; 294: "
         "66\u201370: a PSA of 4.1 ng/mL or more taken as positive"},
        {"LiverScanExample",
         "Liver scan (Altman and Bland 1994)",
         {"231", "32", "27", "54", "", "", ""},
         {"abnormal pathology", "patients given a liver scan", "patient given a liver scan"},
         "Altman DG, Bland JM. Diagnostic tests 1: sensitivity and specificity. BMJ 1994; 308: "
         "1552"},
        {"AntigenExample",
         "Rapid antigen test for SARS-CoV-2 (Br\u00fcmmer et al. 2021)",
         {"", "", "", "", "5", "71.2", "1.1"},
         {"SARS-CoV-2 infection", "people tested", "person tested"},
         "Br\u00fcmmer LE, Katzenschlager S, Gaeddert M, et al. Accuracy of novel antigen rapid "
         "diagnostics for SARS-CoV-2: a living systematic review and meta-analysis. PLoS Med "
         "2021; 18: e1003735: pooled sensitivity 71.2% and specificity 98.9%; a review of "
         "accuracy gives no prevalence, so 5% is assumed"},
        {"CasscellsExample",
         "Casscells, Schoenberger and Graboys (1978)",
         {"", "", "", "", "0.1", "100", "5"},
         {"the disease", "persons tested", "person tested"},
         "Casscells W, Schoenberger A, Graboys TB. Interpretation by physicians of clinical "
         "laboratory results. N Engl J Med 1978; 299: 999\u20131001: prevalence 1 in 1,000, "
         "false-positive rate 5%; the question states no sensitivity, so 100% is assumed"},
    };
    return examples;
}

}  // namespace calc
