#include <string>

#include "app/CommandLine.h"
#include "app/HandleAboutMenu.h"
#include "app/Language.h"
#include "framework/Application.h"

int main(int argc, char** argv) {
    app::SpeakLanguage();
    std::string caseToOpen;
    if (const auto status = app::RunCommandLine(argc, argv, caseToOpen)) return *status;
    framework::Runtime runtime(argc, argv, "Predivo");
    app::Main(caseToOpen);
    return runtime.Shutdown();
}
