#pragma once

#include <cstddef>
#include <string>

#include "framework/Application.h"

namespace app {

// The application object: it keeps the About items, Close Window and the examples working
// whichever window is in front.
class HandleAboutMenu : public framework::Application {
  public:
    void EnableMenuItems() override;
    bool AboutQor_Action();
    bool AboutMenuItem_Action();
    bool CloseWindowItem_Action();
    bool ExplanationMenuItem_Action();
    bool ExampleItem_Action(std::size_t index);
    bool OpenItem_Action();
    bool SaveItem_Action();
    bool SaveAsItem_Action();

    // Opens a case file into the calculator, or says why it cannot; the file is then the one
    // Save writes to.
    void OpenCase(const std::string& path);

  private:
    std::string casePath_;
};

// The application object on record.
HandleAboutMenu& App();

// Binds the application's own menu handlers.
void ApplicationAddMenuHandlers();

// Start-up up to the event loop: file types, the application object and its menu bar and
// handlers, and the hidden window, which shows the About window as the start-up screen.
void Start();

// Start-up after the framework is initialised, up to the end of the event loop, with the case
// file named on the command line, if any, opened once the calculator is. An exception that escapes
// it is reported and the program goes on to shut down normally.
void Main(const std::string& caseFile = {});

}  // namespace app
