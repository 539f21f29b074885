#pragma once

// Shared by the GUI tests: a stand-in for the platform's sound, message boxes and printer
// dialog, and helpers that let queued work run the way the event loop would.

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/Application.h"
#include "framework/Platform.h"
#include "framework/Printing.h"
#include "framework/Window.h"

namespace testing_support {

class RecordingPlatform : public framework::Platform {
  public:
    RecordingPlatform() { framework::SetPlatform(this); }
    ~RecordingPlatform() override { framework::SetPlatform(nullptr); }

    void Beep() override { ++beeps; }
    void MsgBox(const std::string& text) override {
        messages.push_back(text);
        if (onMsgBox) onMsgBox();
    }
    void ShowNote(const framework::Control& control, const std::string& text) override {
        notes.push_back(control.Name() + ": " + text);
    }
    std::unique_ptr<framework::PrinterGraphics> OpenPrinterDialog(
        const framework::Window& over) override {
        ++printerDialogs;
        printerDialogOver = &over;
        return printer ? printer() : nullptr;
    }
    std::string ChoosePictureFile(const framework::Window&, const std::string& name) override {
        suggestedFiles.push_back(name);
        return pictureFile ? pictureFile() : std::string();
    }
    std::string ChooseCaseFile(const framework::Window&, bool save, const std::string&) override {
        return caseFile ? caseFile(save) : std::string();
    }
    void ReportUnhandledException(const std::string& what) override { reports.push_back(what); }

    int beeps = 0;
    std::vector<std::string> messages;
    std::function<std::string(bool save)> caseFile;
    std::function<void()> onMsgBox;
    std::vector<std::string> notes;
    int printerDialogs = 0;
    const framework::Window* printerDialogOver = nullptr;
    std::function<std::unique_ptr<framework::PrinterGraphics>()> printer;
    std::vector<std::string> suggestedFiles;
    std::function<std::string()> pictureFile;
    std::vector<std::string> reports;
};

// Lets queued calls, timers and deferred deletions run, as the event loop would between events.
inline void Settle(int ms = 0) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTest::qWait(ms);
    QCoreApplication::processEvents();
}

// Makes a window the active one, as a click on its title bar would.
inline void Activate(framework::Window& window) {
    window.Show();
    QWidget* w = window.Widget();
    // A menu that has just closed can still hold the activation for a moment: ask until it lets go.
    auto active = [w] { return QApplication::activeWindow() == w || (w->activateWindow(), false); };
    ASSERT_TRUE(QTest::qWaitFor(active, 2000)) << window.ClassName();
}

// Destroys every window so that the next test starts from nothing. No window is asked: closing
// the calculator would quit for every later test, and the About window only hides.
inline void CloseAllWindows() {
    Settle();
    framework::DisposeAllWindows();
    Settle();
}

}  // namespace testing_support
