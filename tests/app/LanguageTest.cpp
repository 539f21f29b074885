#include <QRegularExpression>

#include <set>

#include <gtest/gtest.h>

#include "app/Language.h"
#include "calc/explain/Explanation.h"
#include "framework/Language.h"
#include "resources/DescriptionText.h"
#include "tests/support/AppTest.h"
#include "windows/Menu.h"

namespace {

using namespace testing_support;
using LanguageTest = AppTest;

// A menu's access keys, the letters after the '&' of its items' captions, and every key that two
// items share.
std::pair<QString, QString> AccessKeys(const framework::MenuItem& menu) {
    QString keys, shared;
    std::set<QChar> seen;
    for (const auto& item : menu.Children()) {
        const QString text = item->QtAction()->text();
        const qsizetype at = text.indexOf(QRegularExpression("&[^&]"));
        if (at < 0) continue;
        const QChar key = text[at + 1].toLower();
        keys += key;
        if (!seen.insert(key).second) shared += key;
    }
    return {keys, shared};
}

struct Spoken {
    std::vector<std::string> languages;  // the desktop's, in its order
    const char* menus;
    std::string workedExample, onePerson;
};

// The program in each of its languages as a desktop in that language starts it (the first
// language the desktop lists that the program speaks; English where English comes first): the
// worked example and a table of three people told in its words, with its plural and its singular,
// and with its numbers ("10.000", Spanish "9970", "4,8 %"); its help text; its menus in its words,
// with access keys a person can tell apart within each menu. English last, which the tests after it
// speak.
TEST_F(LanguageTest, TheWorkedExampleAndTheMenusInEachLanguage) {
    // clang-format off
    const std::vector<Spoken> spoken{
        {{"de"}, "Datei Bearbeiten Fenster",
         "Stellen Sie sich 10.000 Personen vor: 30 davon haben die Erkrankung. Von diesen 30 werden 15 positiv getestet. Von den 9.970 ohne die Erkrankung werden 299 ebenfalls positiv getestet. Insgesamt werden 314 Personen positiv getestet; davon haben also 15 die Erkrankung (4,8\u00a0%).\n"
         "Insgesamt werden 9.686 Personen negativ getestet; davon sind 9.671 ohne die Erkrankung (99,8\u00a0%), also haben 0,2\u00a0% der negativ Getesteten die Erkrankung.",
         "Stellen Sie sich 3 Personen vor: 1 davon hat die Erkrankung. Von diesen 1 wird 1 positiv getestet. Von den 2 ohne die Erkrankung wird 1 ebenfalls positiv getestet. Insgesamt werden 2 Personen positiv getestet; davon hat also 1 die Erkrankung (50,0\u00a0%).\n"
         "Insgesamt wird 1 Person negativ getestet; davon ist 1 ohne die Erkrankung (100,0\u00a0%), also haben 0,0\u00a0% der negativ Getesteten die Erkrankung."},
        {{"es"}, "Archivo Editar Ventana",
         "De 10.000 personas, 30 tienen la enfermedad. De este grupo de 30, 15 dan positivo. De 9970 personas sin la enfermedad, 299 también dan positivo. Por tanto, de 314 personas que dan positivo, 15 tienen la enfermedad (4,8\u00a0%).\n"
         "De 9686 personas que dan negativo, 9671 no tienen la enfermedad (99,8\u00a0%); por tanto, el 0,2\u00a0% de quienes dan negativo tiene la enfermedad.",
         "De 3 personas, 1 tiene la enfermedad. De este grupo de 1, 1 da positivo. De 2 personas sin la enfermedad, 1 también da positivo. Por tanto, de 2 personas que dan positivo, 1 tiene la enfermedad (50,0\u00a0%).\n"
         "De 1 persona que da negativo, 1 no tiene la enfermedad (100,0\u00a0%); por tanto, el 0,0\u00a0% de quienes dan negativo tiene la enfermedad."},
        {{"it", "fr"}, "Fichier Édition Fenêtre",
         "Sur 10\u202f000 personnes, 30 ont la maladie. Sur ces 30, 15 ont un test positif. Sur les 9\u202f970 sans la maladie, 299 ont aussi un test positif. Donc, sur 314 personnes dont le test est positif, 15 ont la maladie (4,8\u00a0%).\n"
         "Sur 9\u202f686 personnes dont le test est négatif, 9\u202f671 sont indemnes (99,8\u00a0%), si bien que 0,2\u00a0% des personnes dont le test est négatif ont la maladie.",
         "Sur 3 personnes, 1 a la maladie. Sur ces 1, 1 a un test positif. Sur les 2 sans la maladie, 1 a aussi un test positif. Donc, sur 2 personnes dont le test est positif, 1 a la maladie (50,0\u00a0%).\n"
         "Sur 1 personne dont le test est négatif, 1 est indemne (100,0\u00a0%), si bien que 0,0\u00a0% des personnes dont le test est négatif ont la maladie."},
        {{"en", "de"}, "File Edit Window",
         "Of 10,000 people, 30 have the disorder. 15 of these 30 test positive. Of the 9,970 without the disorder, 299 also test positive. So 15 of the 314 people who test positive have the disorder (4.8%).\n"
         "Of the 9,686 people who test negative, 9,671 do not have the disorder (99.8%), so 0.2% of those who test negative have the disorder.",
         "Of 3 people, 1 has the disorder. 1 of these 1 tests positive. Of the 2 without the disorder, 1 also tests positive. So 1 of the 2 people who test positive has the disorder (50.0%).\n"
         "Of the 1 person who tests negative, 1 does not have the disorder (100.0%), so 0.0% of those who test negative have the disorder."},
    };
    // clang-format on
    for (const Spoken& s : spoken) {
        CloseAllWindows();  // the windows built since speak the language
        app::SpeakLanguage(s.languages);
        const auto told = [](const calc::ExplanationRequest& rq) {
            const calc::Explanation x = calc::Explain(rq);
            return x.positiveSentence + "\n" + x.negativeSentence;
        };
        EXPECT_EQ(told({.pre = "0.3", .dt = "50", .t = "3"}), s.workedExample) << s.menus;
        EXPECT_EQ(told({.tp = "1", .fp = "1", .fn = "0", .tn = "1"}), s.onePerson) << s.menus;

        auto& help = app::DescriptionWnd();
        // Its opening words: the field's plain text has its no-break spaces as spaces.
        EXPECT_EQ(help.Find<framework::EditField>("DescribeFld2").Text().substr(0, 40),
                  resources::DescriptionText(framework::CurrentLanguage().code).substr(0, 40));
        help.CloseWindow();

        const menubar::Menu bar;  // as the program builds it, once it speaks the language
        QStringList titles;
        for (const auto& menu : bar.Children()) titles << QString::fromStdString(menu->Text());
        EXPECT_EQ(titles.join(' ').toStdString(), s.menus);
        std::vector<const framework::MenuItem*> menus{&bar};
        for (std::size_t i = 0; i < menus.size(); ++i) {
            for (const auto& item : menus[i]->Children()) {
                if (!item->Children().empty()) menus.push_back(item.get());
            }
            const auto [keys, shared] = AccessKeys(*menus[i]);
            EXPECT_EQ(shared.toStdString(), "") << s.menus << ": " << keys.toStdString();
        }
        EXPECT_EQ(AccessKeys(bar).first.size(), bar.Children().size()) << s.menus;
    }
}

}  // namespace
