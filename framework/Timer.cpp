#include "framework/Timer.h"

#include <QTimer>

#include "framework/QtHelpers.h"

namespace framework {

Timer::Timer(Window& owner, std::string name, const Props& props)
    : Control(owner, std::move(name)),
      timer_(new QTimer),
      mode_(props.mode),
      period_(props.period) {
    timer_->setSingleShot(mode_ == Mode::Single);
    timer_->setInterval(std::max(0, period_));
    QObject::connect(timer_, &QTimer::timeout, timer_, [this] {
        if (Action) GuardedFor(Owner(), Action);
    });
    if (mode_ != Mode::Off) timer_->start();
}

Timer::~Timer() {
    delete timer_;
}

}  // namespace framework
