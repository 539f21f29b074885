#include "app/CommandLine.h"
#include "app/HandleAboutMenu.h"
#include "framework/Application.h"

int main(int argc, char** argv) {
    if (const auto status = app::RunCommandLine(argc, argv)) return *status;
    framework::Runtime runtime(argc, argv, "Predivo");
    app::Main();
    return runtime.Shutdown();
}
