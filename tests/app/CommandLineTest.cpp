#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "framework/EditField.h"
#include "tests/support/AppTest.h"

using namespace testing_support;

namespace {

using CommandLineTest = CalculatorTest;

// --explain prints what the window's Copy gives for the same input, typed as a person types it.
TEST_F(CommandLineTest, ExplainsAsTheWindowCopies) {
    const struct {
        std::vector<const char*> args;
        const char* fields[7];
        const char* population;
    } rows[] = {
        {{"--explain", "15", "299", "15", "9,671"}, {"15", "299", "15", "9671"}, ""},
        {{"--explain", "0,3", "50", "3"}, {"", "", "", "", "0.3", "50", "3"}, ""},
        {{"--explain", "--prevalence", "1", "90", "10", "10", "90"}, {"90", "10", "10", "90"}, "1"},
    };
    auto& explanation = app::ExplanationWnd();
    for (const auto& r : rows) {
        SCOPED_TRACE(r.args.back());
        Press("ClearBtn");
        for (std::size_t i = 0; i < 7; ++i) {
            if (r.fields[i]) Field(kFields[i]).SetText(r.fields[i]);
        }
        explanation.Find<framework::EditField>("popPreFld").SetText(r.population);
        std::vector<char*> argv{const_cast<char*>("predivo")};
        for (const char* a : r.args) argv.push_back(const_cast<char*>(a));
        int argc = static_cast<int>(argv.size());
        testing::internal::CaptureStdout();
        const auto status = app::RunCommandLine(argc, argv.data());
        const std::string printed = testing::internal::GetCapturedStdout();
        EXPECT_EQ(status, 0);
        EXPECT_EQ(printed, explanation.CopyText());
    }
}

}  // namespace
