#include "framework/Table.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>

#include "framework/QtHelpers.h"
#include "framework/Window.h"

namespace framework {

namespace {

// As tall as its rows, each row as tall as its wrapped cells, so that the window scrolls rather
// than the table. Only where its columns are wider than the window does it scroll sideways, and
// then it grows by its scroll bar, which would otherwise cover the last row.
class FittingTable : public QTableWidget {
  public:
    explicit FittingTable(QWidget* parent) : QTableWidget(parent) {
        verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
            if (sizeHint().height() != height()) updateGeometry();
        });
    }
    QSize sizeHint() const override {
        const int header = horizontalHeader()->isHidden() ? 0 : horizontalHeader()->height();
        const bool sideways = horizontalHeader()->length() > viewport()->width();
        const int bar = sideways ? horizontalScrollBar()->sizeHint().height() : 0;
        return {QTableWidget::sizeHint().width(),
                header + verticalHeader()->length() + bar + 2 * frameWidth()};
    }
    QSize minimumSizeHint() const override { return {0, sizeHint().height()}; }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QTableWidget::resizeEvent(event);
        updateGeometry();
    }
};

}  // namespace

Table::Table(Window& owner, std::string name, const Props& props)
    : Control(owner, std::move(name)) {
    auto* table = new FittingTable(static_cast<WindowFrame*>(owner.Widget())->Content());
    const int columns = static_cast<int>(props.headers.size());
    table->setColumnCount(columns);
    QStringList headers;
    for (const auto& h : props.headers) headers << ToQ(h);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    for (int c = 0; c + 1 < columns; ++c) {
        table->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    }
    table->horizontalHeader()->setStretchLastSection(true);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the table; the arrow keys move within it.
    table->setTabKeyNavigation(false);
    table->setWordWrap(true);
    table->setAlternatingRowColors(true);
    if (!props.accessibleName.empty()) table->setAccessibleName(ToQ(props.accessibleName));
    Place(table, {}, true, props.visible, {}, props.parent);
}

int Table::RowCount() const {
    return static_cast<QTableWidget*>(Widget())->rowCount();
}

std::string Table::Cell(int row, int column) const {
    const QTableWidgetItem* item = static_cast<QTableWidget*>(Widget())->item(row, column);
    return item ? FromQ(item->text()) : std::string();
}

void Table::SetRows(const std::vector<std::vector<std::string>>& rows) {
    auto* table = static_cast<QTableWidget*>(Widget());
    table->setRowCount(static_cast<int>(rows.size()));
    bool changed = false;
    for (int r = 0; r < table->rowCount(); ++r) {
        for (int c = 0; c < table->columnCount(); ++c) {
            const auto& cells = rows[static_cast<std::size_t>(r)];
            const QString text = c < static_cast<int>(cells.size())
                                     ? ToQ(cells[static_cast<std::size_t>(c)])
                                     : QString();
            // Unchanged cells stay as they are, so that a screen reader is not told of them again.
            if (QTableWidgetItem* item = table->item(r, c)) {
                if (item->text() == text) continue;
                item->setText(text);
            } else {
                table->setItem(r, c, new QTableWidgetItem(text));
            }
            changed = true;
        }
        // A screen reader names a row by its header, hidden as that is: by its first cell, not by
        // its number.
        const QString name = table->item(r, 0) ? table->item(r, 0)->text() : QString();
        const QTableWidgetItem* header = table->verticalHeaderItem(r);
        if (!header || header->text() != name) {
            table->setVerticalHeaderItem(r, new QTableWidgetItem(name));
        }
    }
    if (changed) table->updateGeometry();
}

}  // namespace framework
