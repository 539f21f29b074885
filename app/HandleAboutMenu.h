#pragma once

#include "framework/Application.h"

namespace app {

// The application object: it keeps the About items working whichever window is in front.
class HandleAboutMenu : public framework::Application {
  public:
    void EnableMenuItems() override;
    bool AboutQor_Action();
    bool AboutMenuItem_Action();
};

// The application object on record.
HandleAboutMenu& App();

// Binds the application's own menu handlers.
void ApplicationAddMenuHandlers();

// Start-up after the framework is initialised, up to the end of the event loop. An exception
// that escapes it is reported and the program goes on to shut down normally.
void Main();

}  // namespace app
