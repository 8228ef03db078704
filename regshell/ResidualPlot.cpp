#include "regshell/ResidualPlot.h"

#include "common/NumberFormat.h"
#include "reggraph/ResidualRange.h"
#include "translation/Translator.h"

namespace regshell {

ResidualPlot::ResidualPlot(const regression::ResidualPoints& points, char decimalSeparator)
    : range_(reggraph::residualRange(points.against, points.residuals, decimalSeparator)),
      againstFitted_(points.againstFitted) {
    const int rows = static_cast<int>(points.residuals.size());
    lists_.setRowCount(rows + 1);
    lists_.reserveRows(1, rows);
    lists_.reserveRows(2, rows);
    for (int row = 1; row <= rows; ++row) {
        lists_.setCell(1, row, common::formatGeneral(points.against[row - 1], 15, decimalSeparator));
        lists_.setCell(2, row, common::formatGeneral(points.residuals[row - 1], 15, decimalSeparator));
    }
}

reggraph::GraphScene ResidualPlot::scene(reggraph::GraphScene base, const std::string& xName) const {
    base.range = range_;
    base.xAxisName = againstFitted_ ? translation::T("FittedValueAxis") : xName;
    base.yAxisName = translation::T("ResidualAxis");
    base.series = {true, false, false};
    base.bands = false;
    base.lists = &lists_;
    projects::DrawableRecord zeroLine;
    zeroLine.kind = "Linear";
    zeroLine.drawing = projects::RecordDrawing::HorizontalLine;
    base.records = {zeroLine};
    return base;
}

} // namespace regshell
