#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <vector>

#include <sys/resource.h>

#include "app/CommandLine.h"
#include "framework/EditField.h"
#include "tests/support/AppTest.h"

using namespace testing_support;

namespace {

using CasesTest = CalculatorTest;

// --explain prints what the window's Copy gives for the same input, typed as a person types it.
TEST_F(CasesTest, CommandLineExplainsAsTheWindowCopies) {
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
        std::string caseToOpen;
        const auto status = app::RunCommandLine(argc, argv.data(), caseToOpen);
        const std::string printed = testing::internal::GetCapturedStdout();
        EXPECT_EQ(status, 0);
        EXPECT_EQ(printed, explanation.CopyText());
    }
}

// A case saved and opened back is the case as it was typed, its names, prevalence and size
// included; a file that is no good case says why once and changes nothing; a save that fails
// leaves the old file.
TEST_F(CasesTest, SavesAndOpensWholeOrNotAtAll) {
    QTemporaryDir dir;
    const std::string saved = dir.filePath("saved.predivo").toStdString();
    platform.caseFile = [&](bool) { return saved; };
    Type("tpFld", "15");
    Type("fpFld", "299");
    Type("fnFld", "15");
    Type("tnFld", "9671");
    Type("preFld", "0.3");
    auto& explanation = app::ExplanationWnd();
    explanation.Show();
    QTest::keyClicks(explanation.Find<framework::EditField>("disorderFld").Widget(), "cancer");
    QTest::keyClicks(explanation.Find<framework::EditField>("popPreFld").Widget(), "1");
    auto* sizes = static_cast<QComboBox*>(explanation.FindControl("SizePop")->Widget());
    sizes->setCurrentIndex(sizes->count() - 1);
    Activate(*window);
    Press("CalculateBtn");
    ASSERT_TRUE(Choose(*window, "File", "Save As..."));
    std::array<std::string, 8> typed = Texts();
    typed[7] = "";  // a case opened is not calculated
    const std::string told = explanation.CopyText();

    // Opened over the calculated case it was saved from: the result goes.
    ASSERT_TRUE(Choose(*window, "File", "Open..."));
    EXPECT_EQ(Texts(), typed);
    EXPECT_EQ(explanation.CopyText(), told);
    EXPECT_TRUE(platform.messages.empty());

    const auto file = [&](const char* name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return dir.filePath(name).toStdString();
    };
    QFile original(QString::fromStdString(saved));
    original.open(QIODevice::ReadOnly);
    const QByteArray good = original.readAll();
    QByteArray newer = good, badField = good;
    newer.replace("\"version\": 1", "\"version\": 2");
    badField.replace("\"9671\"", "\"9671x\"");
    const struct {
        std::string path;
        const char* message;
    } rows[] = {
        {file("junk.predivo", "{ not json"), "is damaged and cannot be opened."},
        {file("large.predivo", QByteArray(70000, ' ') + good), "is larger than a case can be"},
        {file("other.predivo", "{\"format\": \"other\"}"), "is not a Predivo case."},
        {file("nested.predivo", "{\"format\": {}}"), "is not a Predivo case."},
        {file("newer.predivo", newer), "was saved by a newer version of Predivo"},
        {file("field.predivo", badField),
         "its true negatives is not something that field can hold."},
        {dir.filePath("missing.predivo").toStdString(), "could not be opened: "},
    };
    Press("ClearBtn");
    Type("tpFld", "7");
    const std::array<std::string, 8> before = Texts();
    for (const auto& r : rows) {
        SCOPED_TRACE(r.path);
        platform.messages.clear();
        platform.caseFile = [&](bool) { return r.path; };
        ASSERT_TRUE(Choose(*window, "File", "Open..."));
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_NE(platform.messages[0].find(r.message), std::string::npos) << platform.messages[0];
        EXPECT_EQ(Texts(), before);
    }

    // Save goes to the file opened or saved last; on a disk that is full it fails and says so.
    platform.messages.clear();
    platform.caseFile = [&](bool) { return saved; };
    ASSERT_TRUE(Choose(*window, "File", "Open..."));
    Type("tpFld", "0");
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{100, limit.rlim_max};
    const auto ignored = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const bool chosen = Choose(*window, "File", "Save");
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, ignored);
    ASSERT_TRUE(chosen);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("The case could not be saved as"), std::string::npos);
    QFile after(QString::fromStdString(saved));
    after.open(QIODevice::ReadOnly);
    EXPECT_EQ(after.readAll(), good);
}

}  // namespace
