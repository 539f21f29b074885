#include "framework/Group.h"

#include <QBoxLayout>
#include <QEvent>
#include <QScrollArea>
#include <QStyle>

#include <algorithm>

#include "framework/QtHelpers.h"
#include "framework/Window.h"

namespace framework {

namespace {

constexpr const char* kStack = "laidOutStack";
constexpr const char* kMayBeWider = "framework_mayBeWider";

// Whatever does not fit, with a large text size or a small screen, scrolls into view. Only a
// control that must not shrink further makes the window scroll sideways; everything else keeps
// to the width in view, so that no line of text has to be scrolled to be read.
class StackScroll : public QScrollArea {
  public:
    explicit StackScroll(QWidget* parent) : QScrollArea(parent) {
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        // Not a stop of its own in the Tab order, where a screen reader would find nothing to
        // name: it scrolls whatever control takes the focus into view.
        setFocusPolicy(Qt::NoFocus);
    }

  protected:
    bool viewportEvent(QEvent* event) override {
        if (event->type() == QEvent::Resize && widget()) {
            const QMargins m = widget()->layout()->contentsMargins();
            const int inView = std::max(0, viewport()->width() - m.left() - m.right());
            for (auto* control : widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (!control->property(kMayBeWider).toBool()) control->setMaximumWidth(inView);
            }
        }
        return QScrollArea::viewportEvent(event);
    }
};

// Puts items side by side while they fit and the rest on lines below, as words are wrapped:
// a row that fits the window's width at any size, whose items never move up or left when
// another appears after them.
class WrappingLayout : public QLayout {
  public:
    explicit WrappingLayout(QWidget* parent) : QLayout(parent) { setContentsMargins(0, 0, 0, 0); }
    ~WrappingLayout() override {
        while (QLayoutItem* item = takeAt(0)) delete item;
    }

    void addItem(QLayoutItem* item) override { items_.push_back(item); }
    int count() const override { return static_cast<int>(items_.size()); }
    QLayoutItem* itemAt(int index) const override { return items_.value(index); }
    QLayoutItem* takeAt(int index) override {
        return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
    }
    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return Arrange(QRect(0, 0, width, 0), false); }
    QSize sizeHint() const override {
        QSize all;
        for (QLayoutItem* item : items_) {
            if (item->isEmpty()) continue;
            const QSize s = item->sizeHint();
            all = {all.width() + (all.width() ? Gap() : 0) + s.width(),
                   std::max(all.height(), s.height())};
        }
        return all;
    }
    // The widest item, on a line of its own.
    QSize minimumSize() const override {
        QSize widest;
        for (QLayoutItem* item : items_) {
            if (!item->isEmpty()) widest = widest.expandedTo(item->minimumSize());
        }
        return widest;
    }
    void setGeometry(const QRect& rect) override {
        QLayout::setGeometry(rect);
        Arrange(rect, true);
    }

  private:
    // Wider than between a label and its field, so that the pairs read as pairs.
    int Gap() const {
        const QWidget* w = parentWidget();
        return 3 * (w ? w->style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing) : 6);
    }
    int LineGap() const {
        const QWidget* w = parentWidget();
        return w ? w->style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing) : 6;
    }
    // Lays the items out in rect, or only measures; returns the height they take.
    int Arrange(const QRect& rect, bool place) const {
        int y = rect.y();
        for (qsizetype first = 0; first < items_.size();) {
            // The items of one line, each line as tall as its tallest, its items centred in it.
            qsizetype end = first;
            int width = 0, height = 0;
            for (; end < items_.size(); ++end) {
                if (items_[end]->isEmpty()) continue;
                const QSize s = items_[end]->sizeHint();
                const int right = width + (width ? Gap() : 0) + s.width();
                if (width && right > rect.width()) break;
                width = right;
                height = std::max(height, s.height());
            }
            if (place) {
                int x = rect.x();
                for (qsizetype i = first; i < end; ++i) {
                    if (items_[i]->isEmpty()) continue;
                    QSize s = items_[i]->sizeHint();
                    s.setWidth(std::min(s.width(), rect.width()));
                    items_[i]->setGeometry(QRect(QPoint(x, y + (height - s.height()) / 2), s));
                    x += s.width() + Gap();
                }
            }
            if (height) y += height + LineGap();
            first = end;
        }
        return std::max(0, y - rect.y() - LineGap());
    }

    QList<QLayoutItem*> items_;
};

}  // namespace

void StartLayout(QWidget& content) {
    auto* outer = new QVBoxLayout(&content);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new StackScroll(&content);
    auto* stack = new QWidget;
    stack->setObjectName(kStack);
    (new QVBoxLayout(stack))->addStretch(1);
    scroll->setWidget(stack);
    outer->addWidget(scroll);
}

void MayBeWiderThanView(QWidget* widget) {
    widget->setProperty(kMayBeWider, true);
}

bool LayOut(Window& owner, QWidget* widget, const std::string& parent) {
    if (!owner.Properties().laidOut) return false;
    QWidget* holder =
        static_cast<WindowFrame*>(owner.Widget())->Content()->findChild<QWidget*>(kStack);
    if (Control* group = parent.empty() ? nullptr : owner.FindControl(parent)) {
        holder = group->Widget();
    }
    QLayout* layout = holder ? holder->layout() : nullptr;
    if (!layout) return false;
    // Whatever the control was given, a laid-out window reads like the rest of the desktop.
    widget->setPalette(QPalette());
    widget->setFont(QFont());
    if (auto* box = qobject_cast<QBoxLayout*>(layout)) {
        // Before the closing stretch, which keeps the controls at the top and the left.
        box->insertWidget(box->count() - 1, widget);
    } else {
        layout->addWidget(widget);
    }
    return true;
}

Group::Group(Window& owner, std::string name, const Props& props)
    : Control(owner, std::move(name)) {
    auto* row = new QWidget(static_cast<WindowFrame*>(owner.Widget())->Content());
    if (props.wraps) {
        new WrappingLayout(row);
        QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        policy.setHeightForWidth(true);
        row->setSizePolicy(policy);
    } else {
        auto* box = new QHBoxLayout(row);
        box->setContentsMargins(0, 0, 0, 0);
        box->addStretch(1);
    }
    Place(row, {}, true, props.visible, {}, props.parent);
}

}  // namespace framework
