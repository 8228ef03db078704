#pragma once

#include <QAbstractTableModel>
#include <functional>
#include <string>

namespace projects {
class DataLists;
}

namespace regshell {

// The lists grid's view of the data lists, without a copy of any cell: model column c shows list
// column c + 1 (X1..Xk, then Y), model row r shows data row r + 1; the headers are the list
// headers and the row numbers. The shape the view knows is kept apart from the lists, so a change
// made by an engine reaches the view through syncShape() as proper row insertions and removals.
class ListsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Called with the translation key of the message when a typed text is refused.
    using RefusalHandler = std::function<void(const std::string& key)>;

    explicit ListsModel(projects::DataLists& lists, QObject* parent = nullptr);

    void setRefusalHandler(RefusalHandler handler) { refusalHandler_ = std::move(handler); }

    // After the lists changed: rows and columns follow the lists' shape and every cell and header
    // is shown again.
    void syncShape();
    // After the lists were refilled as a whole.
    void reset();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // A text refused by the cell check is reported and not stored.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    projects::DataLists& lists_;
    RefusalHandler refusalHandler_;
    int shownRows_;
    int shownColumns_;
};

} // namespace regshell
