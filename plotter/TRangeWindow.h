#pragma once

#include "common/GraphRange.h"

#include <QFont>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

class QPushButton;
class QTableWidget;

namespace common {
class IniFile;
}
namespace appkit {
class Interaction;
}
namespace graph {
struct PlotOptions;
}

// The range window: a grid of the six range values Xmin, Xmax, Xstep, Ymin, Ymax, Ystep as texts,
// and buttons for the standard and trigonometry ranges, for saved values and for redrawing.
class TRangeWindow : public QWidget {
    Q_OBJECT
public:
    using ApplyHandler = std::function<void(const common::GraphRange&)>;

    // What the grid reads for range values that a settings file or document does not hold.
    static inline const common::RangeTexts MissingTexts{"0", "0", "0", "0", "0", "0"};

    // The trigonometry range follows the angle unit of `options`.
    TRangeWindow(common::IniFile& settings, appkit::Interaction& interaction,
                 const graph::PlotOptions& options, char decimalSeparator, QWidget* parent = nullptr);

    std::string rangeText(common::RangeRow row) const;
    void setRangeText(common::RangeRow row, const std::string& text);
    common::RangeTexts rangeTexts() const;
    void setRangeTexts(const common::RangeTexts& texts);
    // Writes each value of `range` as its shortest text with 15 significant digits.
    void setRange(const common::GraphRange& range);
    // What the cell of `row` shows: its whole text when that fits the cell; otherwise a number with no
    // more digits than needed to tell the range apart, the whole text then being the cell's hint.
    QString shownText(int row) const;
    // The letter of that cell: the grid's, or a smaller one where the shown text needs it to fit.
    QFont cellFont(int row) const;

    // Converts the six texts in row order; the first that is not a number is reported with the
    // conversion message and nothing is returned. A minimum that is not below its maximum and a step
    // that is not above 0 are refused with their messages in the same way.
    std::optional<common::GraphRange> convertRange() const;
    // Writes a zoomed range as setRange does, but only when its texts read back as a range that
    // convertRange accepts; otherwise (a value too large or too small for a number, ends that became
    // equal) says so and leaves the grid as it is. True when written.
    bool setZoomedRange(const common::GraphRange& range);
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
    // The message that refuses `texts` as a range, or nothing with the range in `range`.
    std::optional<QString> refusalOf(const common::RangeTexts& texts, common::GraphRange& range) const;
    QString cellText(int row) const;
    void updateCellHints();
    // The width a cell's text can take.
    int cellRoom() const;

    common::IniFile& settings_;
    appkit::Interaction& interaction_;
    const graph::PlotOptions& options_;
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
