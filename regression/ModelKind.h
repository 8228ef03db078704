#pragma once

#include <optional>
#include <string_view>

namespace regression {

// The fitted models. Their texts ("Linear" ... "p5reg", "Multiple") are stored in function records.
enum class ModelKind {
    Linear,
    Logarithmic,
    Exponential,
    Power,
    Reciprocal,
    Polynomial2,
    Polynomial3,
    Polynomial4,
    Polynomial5,
    Multiple,
};

std::string_view modelKindText(ModelKind kind);
std::optional<ModelKind> modelKindFromText(std::string_view text);

// The two-parameter models y = f(a, b, x).
bool isSimpleModel(ModelKind kind);

// Degree 2..5 of a polynomial kind, and the kind of a degree.
int polynomialDegree(ModelKind kind);
ModelKind polynomialKind(int degree);
bool isPolynomialModel(ModelKind kind);

} // namespace regression
