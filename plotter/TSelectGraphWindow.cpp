#include "plotter/TSelectGraphWindow.h"

#include "appkit/Interaction.h"
#include "plotter/DialogButtons.h"
#include "plotter/Texts.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {

constexpr int ColourRole = Qt::UserRole;
constexpr int TextIndent = 2;

// Draws each line on the window background in its function's colour, bold while selected.
class FunctionLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        painter->save();
        painter->fillRect(option.rect, option.palette.window());
        QFont font = option.font;
        font.setBold(option.state.testFlag(QStyle::State_Selected));
        painter->setFont(font);
        painter->setPen(index.data(ColourRole).value<QColor>());
        painter->drawText(option.rect.adjusted(TextIndent, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QFont bold = option.font;
        bold.setBold(true);
        const QFontMetrics metrics(bold);
        return {metrics.horizontalAdvance(index.data(Qt::DisplayRole).toString()) + 2 * TextIndent,
                metrics.height() + 2};
    }
};

} // namespace

TSelectGraphWindow::TSelectGraphWindow(appkit::Interaction& interaction, QWidget* parent)
    : QDialog(parent), interaction_(interaction), lstboxGraph(new QListWidget(this)) {
    setObjectName(QStringLiteral("SelectGraphWindow"));
    setWindowTitle(QStringLiteral("Select Function"));
    lstboxGraph->setObjectName(QStringLiteral("lstboxGraph"));
    lstboxGraph->setItemDelegate(new FunctionLineDelegate(lstboxGraph));
    setMultipleSelection(false);
    buttons_ = plotter::addOkCancelButtons(*this);
    connect(lstboxGraph, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstboxGraph);
    layout->addWidget(buttons_);
    resize(280, 240);
}

void TSelectGraphWindow::offer(const char* captionKey, const QStringList& texts,
                               const QList<QColor>& colours) {
    setWindowTitle(plotter::plainText(captionKey, QStringLiteral("Select Function")));
    lstboxGraph->clear();
    for (qsizetype row = 0; row < texts.size(); ++row) {
        auto* item = new QListWidgetItem(texts[row], lstboxGraph);
        item->setData(ColourRole, row < colours.size() ? colours[row] : QColor(Qt::black));
    }
    setResult(QDialog::Rejected);
}

void TSelectGraphWindow::setMultipleSelection(bool on) {
    lstboxGraph->setSelectionMode(on ? QAbstractItemView::ExtendedSelection
                                     : QAbstractItemView::SingleSelection);
}

QList<int> TSelectGraphWindow::selectedRows() const {
    QList<int> rows;
    for (int row = 0; row < lstboxGraph->count(); ++row) {
        if (lstboxGraph->item(row)->isSelected())
            rows.append(row);
    }
    return rows;
}

void TSelectGraphWindow::done(int result) {
    if (result == QDialog::Accepted && selectedRows().isEmpty()) {
        interaction_.showError(plotter::plainText("YouMustSelectAFunction"));
        return;
    }
    QDialog::done(result);
}

void TSelectGraphWindow::showEvent(QShowEvent* event) {
    plotter::translateOkCancelButtons(*buttons_);
    QDialog::showEvent(event);
}
