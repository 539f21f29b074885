#include "framework/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

#include "framework/Language.h"
#include "framework/QtHelpers.h"

namespace framework {

struct CommandLine::Parser {
    QCommandLineParser qt;
};

CommandLine::CommandLine(std::string name, std::string version, std::string description,
                         std::vector<Option> options, std::string arguments,
                         std::string argumentsDescription)
    : parser_(std::make_unique<Parser>()), name_(std::move(name)), version_(std::move(version)) {
    QCommandLineParser& qt = parser_->qt;
    qt.setApplicationDescription(ToQ(description));
    qt.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const Option& o : options) {
        QStringList names;
        for (const auto& n : o.names) names << ToQ(n);
        qt.addOption(QCommandLineOption(names, ToQ(o.description), ToQ(o.valueName)));
    }
    qt.addPositionalArgument(ToQ(arguments), ToQ(argumentsDescription));
}

CommandLine::~CommandLine() = default;

std::optional<int> CommandLine::Parse(int argc, char** argv) {
    QStringList args;
    for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser& qt = parser_->qt;
    // The parser's own --help and --version would end the process from inside; these print and
    // give their status like every other way out.
    const QCommandLineOption help(QStringList{"h", "help"},
                                  ToQ(Tr("CommandLine", "Shows this help.")));
    const QCommandLineOption version(QStringList{"v", "version"},
                                     ToQ(Tr("CommandLine", "Shows the version.")));
    qt.addOption(help);
    qt.addOption(version);
    // The parser says its own words (Usage:, Unknown option) through an application object's
    // translators: for those the parse is made again with one, which the program, about to end,
    // has no other use for.
    std::unique_ptr<QCoreApplication> speaking;
    if ((!qt.parse(args) || qt.isSet(help)) && !QCoreApplication::instance()) {
        speaking = std::make_unique<QCoreApplication>(argc, argv);
        InstallTranslations();
    }
    if (!qt.parse(args)) {
        PrintError(name_, FromQ(qt.errorText()));
        return 2;
    }
    if (qt.isSet(help)) {
        // Without an application object Qt cannot know what the program was called.
        QString text = qt.helpText();
        text.replace(QStringLiteral("<executable_name>"), args.constFirst().section('/', -1));
        PrintOut(FromQ(text));
        return 0;
    }
    if (qt.isSet(version)) {
        PrintOut(name_ + " " + version_ + "\n");
        return 0;
    }
    return std::nullopt;
}

bool CommandLine::IsSet(std::string_view name) const {
    return parser_->qt.isSet(ToQ(name));
}

std::string CommandLine::Value(std::string_view name) const {
    return FromQ(parser_->qt.value(ToQ(name)));
}

std::vector<std::string> CommandLine::Arguments() const {
    std::vector<std::string> out;
    for (const QString& a : parser_->qt.positionalArguments()) out.push_back(FromQ(a));
    return out;
}

void PrintError(std::string_view program, std::string_view message) {
    std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(program.size()), program.data(),
                 static_cast<int>(message.size()), message.data());
}

void PrintOut(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

}  // namespace framework
