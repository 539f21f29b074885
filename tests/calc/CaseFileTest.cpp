#include "calc/CaseFile.h"

#include <gtest/gtest.h>

namespace {

using Problem = calc::CaseRead::Problem;

// A case goes to its entries and back unchanged; entries that no field could hold, from a newer
// program or of something else are refused, naming the entry at fault.
TEST(CaseFileTest, EntriesBackAndForthAndEveryRefusal) {
    calc::Case c;
    c.fields = {"15", "299", "15", "9671", "", "", ""};
    c.labels = {"breast cancer", "women aged 50 to 69", "woman aged 50 to 69"};
    c.populationPrevalence = "0.5";
    c.size = 10000;
    c.source = "A source";
    const calc::CaseEntries good = calc::ToEntries(c);
    const calc::CaseRead back = calc::FromEntries(good);
    EXPECT_EQ(back.problem, Problem::None);
    EXPECT_EQ(calc::ToEntries(back.value), good);

    const struct {
        const char* key;
        calc::CaseValue value;
        Problem problem;
    } rows[] = {
        {"format", std::string("something else"), Problem::NotACase},
        {"version", std::int64_t{2}, Problem::Newer},
        {"version", std::string("1"), Problem::NotACase},
        {"tp", std::string("123456"), Problem::BadField},  // a cell takes five digits
        {"fp", std::string("1.5"), Problem::BadField},     // and no point
        {"sensitivity", std::string("1234567890"), Problem::BadField},
        {"prevalence", std::string("5%"), Problem::BadField},
        {"populationPrevalence", std::string("0,5"), Problem::BadField},
        {"tested", std::string(41, 'x'), Problem::BadField},
        {"looksFor", std::string("two\nlines"), Problem::BadField},
        {"size", std::int64_t{5000}, Problem::BadField},
        {"tn", std::int64_t{9671}, Problem::BadField},  // a number where the text was typed
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.key);
        calc::CaseEntries bad = good;
        bad[r.key] = r.value;
        const calc::CaseRead read = calc::FromEntries(bad);
        EXPECT_EQ(read.problem, r.problem);
        EXPECT_EQ(read.field, r.problem == Problem::BadField ? r.key : "");
    }
    calc::CaseEntries missing = good;
    missing.erase("source");
    EXPECT_EQ(calc::FromEntries(missing).field, "source");
}

}  // namespace
