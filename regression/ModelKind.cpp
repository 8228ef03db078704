#include "regression/ModelKind.h"

#include <array>
#include <stdexcept>
#include <string>

namespace regression {

namespace {

constexpr std::array<std::string_view, 10> kTexts = {
    "Linear", "Logarithmic", "Exponential", "Power", "Reciprocal",
    "p2reg",  "p3reg",       "p4reg",       "p5reg", "Multiple",
};

} // namespace

std::string_view modelKindText(ModelKind kind) {
    return kTexts[static_cast<std::size_t>(kind)];
}

std::optional<ModelKind> modelKindFromText(std::string_view text) {
    for (std::size_t i = 0; i < kTexts.size(); ++i)
        if (kTexts[i] == text)
            return static_cast<ModelKind>(i);
    return std::nullopt;
}

bool isSimpleModel(ModelKind kind) {
    return kind <= ModelKind::Reciprocal;
}

bool isPolynomialModel(ModelKind kind) {
    return kind >= ModelKind::Polynomial2 && kind <= ModelKind::Polynomial5;
}

int polynomialDegree(ModelKind kind) {
    if (!isPolynomialModel(kind))
        throw std::invalid_argument("not a polynomial model: " + std::string(modelKindText(kind)));
    return static_cast<int>(kind) - static_cast<int>(ModelKind::Polynomial2) + 2;
}

ModelKind polynomialKind(int degree) {
    if (degree < 2 || degree > 5)
        throw std::invalid_argument("polynomial degree out of range: " + std::to_string(degree));
    return static_cast<ModelKind>(static_cast<int>(ModelKind::Polynomial2) + degree - 2);
}

} // namespace regression
