#include "projects/FunctionRecord.h"

#include "common/NumberFormat.h"
#include "common/NumberParse.h"

namespace projects {

namespace {

bool isPolynomialKind(std::string_view kind) {
    return kind.size() == 5 && kind.substr(2) == "reg" && kind[0] == 'p' && kind[1] >= '2' && kind[1] <= '5';
}

bool isSimpleKind(std::string_view kind) {
    return kind == "Linear" || kind == "Logarithmic" || kind == "Exponential" || kind == "Power" ||
           kind == "Reciprocal";
}

// Degree field of a polynomial record, when it is a usable degree.
std::optional<int> polynomialDegree(std::string_view field) {
    const auto m = common::tryParseInt(field);
    if (!m || *m < 0 || *m > 5)
        return std::nullopt;
    return m;
}

constexpr std::size_t kMultipleFields = 8; // kind, equation, base, slope, coef2, start, step, lines

} // namespace

std::vector<std::string_view> splitRecordFields(std::string_view record) {
    std::vector<std::string_view> fields;
    while (!record.empty()) {
        const auto end = record.find(';');
        fields.push_back(record.substr(0, end));
        if (end == std::string_view::npos)
            break;
        record.remove_prefix(end + 1);
    }
    return fields;
}

bool isCompleteRecord(std::string_view record) {
    const auto fields = splitRecordFields(record);
    if (fields.size() < 2)
        return false;
    if (isPolynomialKind(fields[0])) {
        const auto m = fields.size() > 2 ? polynomialDegree(fields[2]) : std::nullopt;
        return m && fields.size() >= static_cast<std::size_t>(*m) + 4;
    }
    if (fields[0] == "Multiple")
        return fields.size() >= kMultipleFields;
    return fields.size() >= 4;
}

DrawableRecord parseRecord(std::string_view record, char decimalSeparator) {
    DrawableRecord result;
    const auto fields = splitRecordFields(record);
    if (!fields.empty())
        result.kind = std::string(fields[0]);
    if (fields.size() > 1)
        result.equation = std::string(fields[1]);
    if (!isCompleteRecord(record)) {
        result.error = "incomplete record";
        return result;
    }
    const auto number = [&](std::size_t i) { return common::parseFloat(fields[i], decimalSeparator); };
    try {
        if (isPolynomialKind(result.kind)) {
            const int m = *polynomialDegree(fields[2]);
            for (int i = 0; i <= m; ++i)
                result.coefficients.push_back(number(3 + static_cast<std::size_t>(i)));
            result.drawing = RecordDrawing::Curve;
        } else if (result.kind == "Multiple") {
            const long double base = number(2);
            result.b = number(3);
            const long double coef2 = number(4);
            const long double start = number(5);
            const long double step = number(6);
            const int lines = common::parseInt(fields[7]);
            if (lines > kMaxFamilyLines) {
                result.error = "too many lines: " + std::string(fields[7]);
                return result;
            }
            result.a = base;
            for (int l = 0; l < lines; ++l)
                result.intercepts.push_back(base + coef2 * (start + static_cast<long double>(l) * step));
            result.drawing = RecordDrawing::LineFamily;
        } else if (isSimpleKind(result.kind)) {
            result.a = number(2);
            result.b = number(3);
            if (result.b == 0)
                result.drawing = RecordDrawing::HorizontalLine;
            else
                result.drawing = result.kind == "Linear" ? RecordDrawing::StraightLine : RecordDrawing::Curve;
        } else {
            result.error = "unknown model kind";
        }
    } catch (const common::ConversionError& error) {
        result.drawing = RecordDrawing::None;
        result.coefficients.clear();
        result.intercepts.clear();
        result.error = error.what();
    }
    return result;
}

std::string simpleModelRecord(std::string_view kind, std::string_view equation, long double a, long double b,
                              char decimalSeparator) {
    return std::string(kind) + ";" + std::string(equation) + ";" +
           common::formatGeneral(a, 15, decimalSeparator) + ";" +
           common::formatGeneral(b, 15, decimalSeparator) + ";";
}

} // namespace projects
