#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Menu.h"
#include "framework/Picture.h"

class QApplication;

namespace framework {

// The program's application object: its menu bar, its menu handlers and its menu enabling.
class Application {
  public:
    Application() = default;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    virtual ~Application() = default;

    virtual void EnableMenuItems() {}

    MenuBar* GetMenuBar() const { return bar_; }
    void SetMenuBar(MenuBar& bar) { bar_ = &bar; }
    const MenuHandlers& Handlers() const { return handlers_; }
    void AddMenuHandler(std::string itemName, std::function<bool()> handler) {
        handlers_.Add(std::move(itemName), std::move(handler));
    }
    const ResourceFork& Resources() const { return resources_; }

  private:
    MenuBar* bar_ = nullptr;
    MenuHandlers handlers_;
    ResourceFork resources_;
};

// Puts the application object on record; it lives until the runtime ends.
void SetApplication(std::unique_ptr<Application> app);
// The application object on record, or null before there is one.
Application* CurrentApplication();
// The same, for code that cannot go on without it: raises NilObjectException before there is one.
Application& RunningApplication();

// Asks the application to quit with an exit code: every window is closed (each gets its Close
// event) and the event loop ends. A request made while quitting adds nothing.
void Quit(int exitCode);
bool Quitting();
// The status the process ends with: the code of the first quit request, 0 before any.
int ExitStatus();

// Runs the event loop until the application quits.
void RunEventLoop();

// The mark the desktop's language sets between groups of digits, as in 9,671: a comma, a point,
// a space or a no-break space.
std::string DigitGroupSeparator();

// Runs a piece of program code on behalf of the framework. An exception that escapes it is
// reported and the application quits, so that no exception ever crosses the event loop.
void Guarded(const std::function<void()>& code);
// Reports an exception that escaped program code, then asks the application to quit.
void ReportUnhandled(const std::string& what);

// A file type announced to the framework's table. Nothing in the framework opens files.
struct FileType {
    std::string name;
    std::string extensions;
    std::string macType;
    std::string macCreator;
    void Register() const;
};
const std::vector<FileType>& RegisteredFileTypes();

// The framework's lifetime: its constructor initialises the platform (a process without a
// display is told so and ends there), Shutdown tears it down and gives the exit status.
// Runs code that draws but shows nothing, such as writing a picture to a file, on Qt's offscreen
// platform: it needs no display, and draws alike whether there is one or not.
int RunWithoutDisplay(int& argc, char** argv, std::string_view displayName,
                      const std::function<int()>& code);

class Runtime {
  public:
    Runtime(int& argc, char** argv, std::string_view displayName);
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;
    ~Runtime();

    // The status to end the process with: the code given to Quit, 0 when nothing asked to quit.
    int Shutdown();

  private:
    std::unique_ptr<QApplication> qtApp_;
};

}  // namespace framework
