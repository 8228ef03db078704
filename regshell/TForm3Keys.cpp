#include "regshell/TForm3Keys.h"

#include <QEvent>
#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace regshell {

namespace {

bool reportKey(QEvent* event, const TForm3Keys::KeyHandler& handler) {
    if (event->type() == QEvent::KeyPress)
        handler(static_cast<QKeyEvent*>(event)->key());
    return false;
}

class KeyFilter : public QObject {
public:
    KeyFilter(TForm3Keys::KeyHandler handler, QObject* parent)
        : QObject(parent), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override { return reportKey(event, handler_); }

private:
    TForm3Keys::KeyHandler handler_;
};

// A cell editor's keys reach the delegate's event filter before the editor.
class KeyReportingDelegate : public QStyledItemDelegate {
public:
    KeyReportingDelegate(TForm3Keys::KeyHandler handler, QObject* parent)
        : QStyledItemDelegate(parent), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        reportKey(event, handler_);
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    TForm3Keys::KeyHandler handler_;
};

} // namespace

void TForm3Keys::watch(QWidget& widget, KeyHandler handler) {
    widget.installEventFilter(new KeyFilter(std::move(handler), &widget));
}

void TForm3Keys::watchGrid(QTableWidget& grid, KeyHandler handler) {
    grid.setItemDelegate(new KeyReportingDelegate(handler, &grid));
    watch(grid, std::move(handler));
}

} // namespace regshell
