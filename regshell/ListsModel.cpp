#include "regshell/ListsModel.h"

#include "projects/DataLists.h"
#include "projects/NameChecks.h"

namespace regshell {

namespace {

int dataRows(const projects::DataLists& lists) {
    return lists.rowCount() - 1;
}

int listColumns(const projects::DataLists& lists) {
    return lists.columnCount() - 1;
}

QString toQt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

ListsModel::ListsModel(projects::DataLists& lists, QObject* parent)
    : QAbstractTableModel(parent), lists_(lists), shownRows_(dataRows(lists)),
      shownColumns_(listColumns(lists)) {}

void ListsModel::syncShape() {
    const int rows = dataRows(lists_);
    if (rows > shownRows_) {
        beginInsertRows({}, shownRows_, rows - 1);
        shownRows_ = rows;
        endInsertRows();
    } else if (rows < shownRows_) {
        beginRemoveRows({}, rows, shownRows_ - 1);
        shownRows_ = rows;
        endRemoveRows();
    }
    const int columns = listColumns(lists_);
    if (columns > shownColumns_) {
        beginInsertColumns({}, shownColumns_, columns - 1);
        shownColumns_ = columns;
        endInsertColumns();
    } else if (columns < shownColumns_) {
        beginRemoveColumns({}, columns, shownColumns_ - 1);
        shownColumns_ = columns;
        endRemoveColumns();
    }
    emit dataChanged(index(0, 0), index(shownRows_ - 1, shownColumns_ - 1));
    emit headerDataChanged(Qt::Horizontal, 0, shownColumns_ - 1);
}

void ListsModel::reset() {
    beginResetModel();
    shownRows_ = dataRows(lists_);
    shownColumns_ = listColumns(lists_);
    endResetModel();
}

int ListsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownRows_;
}

int ListsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownColumns_;
}

QVariant ListsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return toQt(lists_.cell(index.column() + 1, index.row() + 1));
}

bool ListsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const std::string text = value.toString().toStdString();
    const int column = index.column() + 1;
    const int row = index.row() + 1;
    if (text == lists_.cell(column, row))
        return true;
    if (const auto refusal = projects::checkCellText(text)) {
        if (refusalHandler_)
            refusalHandler_(*refusal);
        return false;
    }
    lists_.setCell(column, row, text);
    emit dataChanged(index, index);
    return true;
}

QVariant ListsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return toQt(lists_.header(section + 1));
    return QString::number(section + 1);
}

Qt::ItemFlags ListsModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

} // namespace regshell
