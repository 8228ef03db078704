#include "regression/RecordModel.h"

#include <algorithm>

namespace regression {

void loadRecordModel(RegressionResult& result, const projects::DrawableRecord& record) {
    result.setModelKind(record.kind);
    result.a = record.a;
    result.b = record.b;
    result.polynomialCoefficients.fill(0);
    std::copy_n(record.coefficients.begin(),
                std::min(record.coefficients.size(), result.polynomialCoefficients.size()),
                result.polynomialCoefficients.begin());
}

} // namespace regression
