#include "framework/Window.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QVBoxLayout>

#include <algorithm>

#include "framework/Application.h"
#include "framework/QtHelpers.h"

namespace framework {

namespace {

// One live window per class, in creation order. A closed window leaves the record at once, so
// that the next request builds a fresh one, but it is destroyed only once no program code of
// its own is still running.
struct Registry {
    std::vector<std::unique_ptr<Window>> live;
    std::vector<std::unique_ptr<Window>> retired;
    bool disposalPosted = false;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

}  // namespace

// Lets the framework's free functions reach a window's private state.
struct WindowAccess {
    static int& Busy(Window& w) { return w.busy_; }
    static bool& Retired(Window& w) { return w.retired_; }
    static WindowFrame* Frame(const Window& w) { return w.frame_; }
    static void RunActivate(Window& w) { w.Activate(); }
    static bool RunCancelClose(Window& w, bool quitting) { return w.CancelClose(quitting); }
    static void RunClose(Window& w) { w.Close(); }
    static bool RunKeyDown(Window& w, std::string_view key) { return w.KeyDown(key); }
    static bool RunMouseDown(Window& w, int x, int y) { return w.MouseDown(x, y); }
    static void ApplyLocks(Window& w) { w.ApplyLocks(); }
};

namespace {

void DisposeRetired() {
    auto& reg = TheRegistry();
    reg.disposalPosted = false;
    std::erase_if(reg.retired,
                  [](const std::unique_ptr<Window>& w) { return WindowAccess::Busy(*w) == 0; });
}

void PostDisposal() {
    auto& reg = TheRegistry();
    if (reg.disposalPosted || !qApp) return;
    reg.disposalPosted = true;
    QMetaObject::invokeMethod(qApp, &DisposeRetired, Qt::QueuedConnection);
}

void Retire(Window& window) {
    auto& reg = TheRegistry();
    auto it = std::find_if(reg.live.begin(), reg.live.end(),
                           [&](const std::unique_ptr<Window>& w) { return w.get() == &window; });
    if (it == reg.live.end()) return;
    WindowAccess::Retired(window) = true;
    reg.retired.push_back(std::move(*it));
    reg.live.erase(it);
    if (auto* frame = WindowAccess::Frame(window)) frame->hide();
    PostDisposal();
}

// The content area: the window's own drawing surface below the menu bar.
class ContentArea : public QWidget {
  public:
    ContentArea(Window& owner, QWidget* parent) : QWidget(parent), owner_(owner) {}

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        bool claimed = false;
        const QPoint p = event->position().toPoint();
        GuardedFor(owner_, [&] { claimed = WindowAccess::RunMouseDown(owner_, p.x(), p.y()); });
        event->setAccepted(claimed);
    }
    void resizeEvent(QResizeEvent*) override { WindowAccess::ApplyLocks(owner_); }

  private:
    Window& owner_;
};

// The content area as assistive technology sees it: its controls, less those that are only
// drawn, which would be read out as empty, nameless objects.
class ContentAccessible : public QAccessibleWidget {
  public:
    explicit ContentAccessible(QWidget* w) : QAccessibleWidget(w) {}

    int childCount() const override { return static_cast<int>(Children().size()); }
    QAccessibleInterface* child(int index) const override {
        const auto children = Children();
        return index >= 0 && index < children.size() ? children[index] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto children = Children();
        for (qsizetype i = 0; i < children.size(); ++i) {
            if (children[i] == child) return static_cast<int>(i);
        }
        return -1;
    }

  private:
    QList<QAccessibleInterface*> Children() const {
        QList<QAccessibleInterface*> out;
        for (int i = 0, n = QAccessibleWidget::childCount(); i < n; ++i) {
            QAccessibleInterface* c = QAccessibleWidget::child(i);
            if (c && !IsDrawnOnly(c->object())) out.push_back(c);
        }
        return out;
    }
};

// A window is announced as a window or a dialog, not as a nameless part of something else.
QAccessibleInterface* WindowAccessibleFactory(const QString&, QObject* object) {
    if (auto* content = dynamic_cast<ContentArea*>(object)) return new ContentAccessible(content);
    if (auto* frame = dynamic_cast<WindowFrame*>(object)) {
        const bool dialog =
            frame->Owner() && frame->Owner()->Properties().frame == Frame::ModalDialog;
        return new QAccessibleWidget(frame, dialog ? QAccessible::Dialog : QAccessible::Window);
    }
    return nullptr;
}

}  // namespace

void GuardedFor(Window& window, const std::function<void()>& code) {
    ++WindowAccess::Busy(window);
    Guarded(code);
    if (--WindowAccess::Busy(window) == 0 && WindowAccess::Retired(window)) PostDisposal();
}

WindowFrame::WindowFrame(Window& owner) : owner_(&owner) {
    static const bool accessible = (QAccessible::installFactory(&WindowAccessibleFactory), true);
    (void)accessible;
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    content_ = new ContentArea(owner, this);
    layout->addWidget(content_);
}

void WindowFrame::InstallMenuBar(MenuBar& bar) {
    if (menuBar_) return;
    menuBar_ = BuildQtMenuBar(bar, this);
    static_cast<QVBoxLayout*>(layout())->setMenuBar(menuBar_);
    // The designed size is the content's; the bar comes on top of it.
    resize(width(), height() + menuBar_->sizeHint().height());
}

bool WindowFrame::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && owner_) {
        Window& w = *owner_;
        GuardedFor(w, [&] { WindowAccess::RunActivate(w); });
    }
    return QWidget::event(event);
}

void WindowFrame::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!owner_ || WindowAccess::Retired(*owner_)) return;
    Window& w = *owner_;
    bool cancelled = false;
    GuardedFor(w, [&] { cancelled = WindowAccess::RunCancelClose(w, Quitting()); });
    if (cancelled && !WindowAccess::Retired(w)) {
        event->ignore();
        return;
    }
    GuardedFor(w, [&] { WindowAccess::RunClose(w); });
    Retire(w);
}

void WindowFrame::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Meta:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
            // A modifier on its own is not yet a key press a person means.
            event->ignore();
            return;
        default:
            break;
    }
    if (!owner_) return;
    bool claimed = false;
    Window& w = *owner_;
    const std::string key = KeyTextOf(*event);
    GuardedFor(w, [&] { claimed = WindowAccess::RunKeyDown(w, key); });
    event->setAccepted(claimed);
}

Window::Window() = default;

Window::~Window() {
    if (frame_) {
        frame_->Detach();
        delete frame_;
        frame_ = nullptr;
    }
}

QWidget* Window::Widget() const {
    return frame_;
}

void Window::SetProperties(const WindowProps& props) {
    props_ = props;
    frame_->setWindowTitle(ToQ(props.title));
    if (!props.accessibleName.empty()) frame_->setAccessibleName(ToQ(props.accessibleName));

    Qt::WindowFlags flags = props.frame == Frame::ModalDialog ? Qt::Dialog : Qt::Window;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (props.closeButton) flags |= Qt::WindowCloseButtonHint;
    if (props.minimizeButton) flags |= Qt::WindowMinimizeButtonHint;
    if (props.maximizeButton && props.resizeable) flags |= Qt::WindowMaximizeButtonHint;
    frame_->setWindowFlags(flags);

    QWidget* content = frame_->Content();
    // The stored limits never shrink the window below the size it is designed to open at.
    if (props.resizeable) {
        content->setMinimumSize(std::min(props.minWidth, props.width),
                                std::min(props.minHeight, props.height));
        content->setMaximumSize(std::max(props.maxWidth, props.width),
                                std::max(props.maxHeight, props.height));
        frame_->layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    } else {
        content->setFixedSize(props.width, props.height);
        frame_->layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
    content->resize(props.width, props.height);
    frame_->resize(props.width, props.height);
    if (props.laidOut && !content->layout()) StartLayout(*content);

    if (props.hasBackColor) {
        QPalette palette = content->palette();
        palette.setColor(QPalette::Window, ToQColor(props.backColor));
        content->setPalette(palette);
        content->setAutoFillBackground(true);
    }
}

void Window::SetTabOrder(std::initializer_list<std::string_view> names) {
    QWidget* previous = nullptr;
    for (std::string_view name : names) {
        QWidget* next = Find<Control>(name).Widget();
        if (previous) QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

MenuBar* Window::Bar() const {
    if (ownBar_) return ownBar_;
    auto* app = CurrentApplication();
    return app ? app->GetMenuBar() : nullptr;
}

void Window::Show() {
    if (!frame_ || retired_) return;
    if (props_.menuBarVisible && !frame_->HasMenuBar()) {
        if (auto* bar = Bar()) frame_->InstallMenuBar(*bar);
    }
    if (frame_->isMinimized()) frame_->showNormal();
    frame_->show();
    frame_->raise();
    frame_->activateWindow();
}

void Window::Hide() {
    if (frame_) frame_->hide();
}

void Window::CloseWindow() {
    if (frame_) frame_->close();
}

bool Window::Visible() const {
    return frame_ && frame_->isVisible();
}

std::string Window::Title() const {
    return frame_ ? FromQ(frame_->windowTitle()) : std::string();
}

int Window::Width() const {
    return frame_ ? frame_->Content()->width() : 0;
}

int Window::Height() const {
    return frame_ ? frame_->Content()->height() : 0;
}

Control* Window::FindControl(std::string_view name) const {
    for (const auto& c : controls_) {
        if (c->Name() == name) return c.get();
    }
    return nullptr;
}

void Window::AdoptControl(std::unique_ptr<Control> control) {
    controls_.push_back(std::move(control));
}

void Window::ApplyLocks() {
    const int dw = Width() - props_.width;
    const int dh = Height() - props_.height;
    for (const auto& c : controls_) {
        const Locks& lock = c->locks_;
        if (!c->widget_ || !(lock.right || lock.bottom)) continue;
        Rect r = c->designBounds_;
        if (lock.right && lock.left) {
            r.width += dw;
        } else if (lock.right) {
            r.left += dw;
        }
        if (lock.bottom && lock.top) {
            r.height += dh;
        } else if (lock.bottom) {
            r.top += dh;
        }
        c->widget_->setGeometry(r.left, r.top, std::max(0, r.width), std::max(0, r.height));
    }
}

void Construct(std::unique_ptr<Window> window, std::string className) {
    Window& w = *window;
    w.className_ = std::move(className);
    w.frame_ = new WindowFrame(w);
    // On record before the hooks run, so that code in them finds this window by its class.
    TheRegistry().live.push_back(std::move(window));
    GuardedFor(w, [&] {
        w.Layout();
        w.CreateControls();
        w.AddMenuHandlers();
        w.Open();
    });
    if (w.props_.visible && !w.retired_) w.Show();
}

Window* FindImplicitWindow(std::string_view className) {
    for (const auto& w : TheRegistry().live) {
        if (w->ClassName() == className) return w.get();
    }
    return nullptr;
}

std::vector<Window*> LiveWindows() {
    std::vector<Window*> out;
    for (const auto& w : TheRegistry().live) out.push_back(w.get());
    return out;
}

Window* FrontWindow() {
    auto* frame = dynamic_cast<WindowFrame*>(QApplication::activeWindow());
    return frame ? frame->Owner() : nullptr;
}

void DisposeAllWindows() {
    auto& reg = TheRegistry();
    // Destroyed newest first, outside the record, so that nothing finds a half-destroyed window.
    std::vector<std::unique_ptr<Window>> all = std::move(reg.retired);
    for (auto& w : reg.live) all.push_back(std::move(w));
    reg.live.clear();
    while (!all.empty()) all.pop_back();
}

}  // namespace framework
