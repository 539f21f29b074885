#include "app/HandleAboutMenu.h"
#include "framework/Application.h"

int main(int argc, char** argv) {
    framework::Runtime runtime(argc, argv, "Predivo");
    app::Main();
    return runtime.Shutdown();
}
