#pragma once

#include <cstddef>

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
};

// The application object on record.
HandleAboutMenu& App();

// Binds the application's own menu handlers.
void ApplicationAddMenuHandlers();

// Start-up up to the event loop: file types, the application object and its menu bar and
// handlers, and the hidden window, which shows the About window as the start-up screen.
void Start();

// Start-up after the framework is initialised, up to the end of the event loop. An exception
// that escapes it is reported and the program goes on to shut down normally.
void Main();

}  // namespace app
