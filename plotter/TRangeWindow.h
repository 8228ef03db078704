#pragma once

#include <QFont>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

class QPushButton;
class QTableWidget;

namespace common {
class IniFile;
}
namespace appkit {
class Interaction;
}

// The range window: a grid of the six range values Xmin, Xmax, Xstep, Ymin, Ymax, Ystep as texts,
// and buttons for the standard and trigonometry ranges, for saved values and for redrawing.
class TRangeWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int RowCount = 6;
    enum Row { XminRow, XmaxRow, XstepRow, YminRow, YmaxRow, YstepRow };
    using Range = std::array<long double, RowCount>;
    using ApplyHandler = std::function<void(const Range&)>;

    TRangeWindow(common::IniFile& settings, appkit::Interaction& interaction, char decimalSeparator,
                 QWidget* parent = nullptr);

    QString rangeText(int row) const;
    // What the cell of `row` shows: its whole text when that fits the cell; otherwise a number with no
    // more digits than needed to tell the range apart, the whole text then being the cell's hint.
    QString shownText(int row) const;
    // The letter of that cell: the grid's, or a smaller one where the shown text needs it to fit.
    QFont cellFont(int row) const;
    void setRangeText(int row, const QString& text);
    QStringList rangeTexts() const;
    void setRangeTexts(const QStringList& texts);

    // Converts the six texts in row order; the first that is not a number is reported with the
    // conversion message and nothing is returned. A minimum that is not below its maximum is refused
    // with its message in the same way.
    std::optional<Range> convertRange() const;
    // Converts all six values and, only when every one is a number, hands them to the graph.
    void applyRange();
    void setApplyHandler(ApplyHandler handler) { applyHandler_ = std::move(handler); }

    void writeStandardRange();
    void writeTrigonometryRange();
    void openSavedRange();
    void saveRange();
    void setRedrawEnabled(bool enabled);
    bool isRedrawEnabled() const;

    // Caption, row labels and hints from the current language.
    void translate();

    QTableWidget* grid() const { return strgrdRange; }
    // Enter or Escape in the grid: down one row, or apply the range from the last row.
    void enterOrEscapePressed();
    // Any key in the grid makes the Redraw button available.
    void keyTypedInGrid();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void writeRows(const std::array<long double, RowCount>& values);
    void updateCellHints();
    // The width a cell's text can take.
    int cellRoom() const;

    common::IniFile& settings_;
    appkit::Interaction& interaction_;
    char decimalSeparator_;
    ApplyHandler applyHandler_;
    bool shownBefore_ = false;

    QTableWidget* strgrdRange;
    QPushButton* spdbtnRangeStandard;
    QPushButton* spdbtnRangeTrigonometry;
    QPushButton* spdbtnRangeOpen;
    QPushButton* spdbtnRangeSpara;
    QPushButton* spdbtnRedraw;
};
