#include "framework/Language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cmath>
#include <memory>

#include "framework/QtHelpers.h"

namespace framework {

namespace {

struct Spoken {
    Language language{"en", ".", ",", 4};
    // The program's words, then Qt's own for its dialogs and its command-line parser.
    std::unique_ptr<QTranslator> program, qt;
};

Spoken& Current() {
    static Spoken spoken;
    return spoken;
}

Language NumbersOf(const std::string& code, const QLocale& locale) {
    const QString group = locale.groupSeparator();
    const auto groupFrom = [&] {
        for (int digits = 4; digits < 8; ++digits) {
            if (locale.toString(std::llround(std::pow(10, digits - 1))).contains(group)) {
                return digits;
            }
        }
        return 8;
    };
    return {code, FromQ(locale.decimalPoint()), FromQ(group), groupFrom()};
}

}  // namespace

Language ChooseLanguage(const std::string& name, const std::vector<std::string>& preferred) {
    Spoken& s = Current();
    for (auto* t : {s.program.get(), s.qt.get()}) {
        if (t && QCoreApplication::instance()) QCoreApplication::removeTranslator(t);
    }
    s = Spoken{};
    QStringList languages = QLocale::system().uiLanguages();
    if (!preferred.empty()) {
        languages.clear();
        for (const auto& p : preferred) languages << ToQ(p);
    }
    for (const QString& tag : languages) {
        // The desktop's number format where it speaks this language, as de-CH groups by '.
        const QLocale locale(tag);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C) break;
        const QString code = QLocale::languageToCode(locale.language());
        auto program = std::make_unique<QTranslator>();
        const QString file = QStringLiteral(":/translations/%1_%2.qm").arg(ToQ(name), code);
        if (!QFile::exists(file) || !program->load(file)) continue;
        s.program = std::move(program);
        s.qt = std::make_unique<QTranslator>();
        if (!s.qt->load(QStringLiteral("qtbase_") + code,
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            s.qt.reset();
        }
        s.language = NumbersOf(FromQ(code), locale);
        break;
    }
    InstallTranslations();
    return s.language;
}

void InstallTranslations() {
    Spoken& s = Current();
    if (!QCoreApplication::instance()) return;
    for (auto* t : {s.qt.get(), s.program.get()}) {
        if (t) QCoreApplication::installTranslator(t);
    }
}

const Language& CurrentLanguage() {
    return Current().language;
}

std::optional<std::string> Translation(const char* context, const char* source,
                                       const char* disambiguation, int n) {
    const QTranslator* program = Current().program.get();
    if (!program) return std::nullopt;
    const QString text = program->translate(context, source, disambiguation, n);
    if (text.isEmpty()) return std::nullopt;
    return FromQ(text);
}

std::string Tr(const char* context, const char* source, const char* disambiguation) {
    return Translation(context, source, disambiguation, -1).value_or(source);
}

}  // namespace framework
