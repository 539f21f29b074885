#pragma once

#include <memory>
#include <string>

namespace framework {

class Control;
class PrinterGraphics;
class Window;

// Everything the program does that a person perceives outside its own windows: the alert sound,
// modal message boxes, short notes at a control, the printer and save dialogs and the report of
// an unhandled exception.
//
// This is the framework's one seam for tests. The default implementation talks to the real
// platform; a test derives from it, overrides what it wants to observe and installs its object
// with SetPlatform. Production code never installs anything.
class Platform {
  public:
    virtual ~Platform() = default;

    virtual void Beep();
    // Modal: returns when the person has dismissed the box.
    virtual void MsgBox(const std::string& text);
    // A short note beside a control, such as why it refused a key, that goes away by itself:
    // the alert sound alone is silent on many desktops.
    virtual void ShowNote(const Control& control, const std::string& text);
    // The platform's printer dialog, over the window that prints; nothing when the person
    // cancels.
    virtual std::unique_ptr<PrinterGraphics> OpenPrinterDialog(const Window& over);
    // The platform's save dialog for a picture, over the window that saves it, offering SVG and
    // PNG and adding the chosen type's extension to a name without one; empty when the person
    // cancels.
    virtual std::string ChoosePictureFile(const Window& over, const std::string& suggestedName);
    // The platform's dialog for a case file, to open one or to save one under a name (".predivo"
    // added to a name without an extension); empty when the person cancels.
    virtual std::string ChooseCaseFile(const Window& over, bool save,
                                       const std::string& suggestedName);
    virtual void ReportUnhandledException(const std::string& what);
};

// The platform in force; never null.
Platform& CurrentPlatform();
// Installs a stand-in (not owned), or restores the real platform when given nullptr.
void SetPlatform(Platform* platform);

// Shorthands the program calls.
inline void Beep() {
    CurrentPlatform().Beep();
}
inline void MsgBox(const std::string& text) {
    CurrentPlatform().MsgBox(text);
}
inline void ShowNote(const Control& control, const std::string& text) {
    CurrentPlatform().ShowNote(control, text);
}

}  // namespace framework
