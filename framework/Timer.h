#pragma once

#include <functional>
#include <string>

#include "framework/Control.h"

class QTimer;

namespace framework {

// A timer that fires its Action on the event thread.
class Timer : public Control {
  public:
    enum class Mode { Off = 0, Single = 1, Multiple = 2 };
    struct Props {
        Mode mode = Mode::Multiple;
        int period = 1000;  // milliseconds
    };

    Timer(Window& owner, std::string name, const Props& props);
    ~Timer() override;
    Mode GetMode() const { return mode_; }
    int Period() const { return period_; }

    std::function<void()> Action;

  private:
    QTimer* timer_ = nullptr;
    Mode mode_;
    int period_;
};

}  // namespace framework
