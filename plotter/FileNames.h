#pragma once

#include <QString>

namespace plotter {

// `fileName` with the extension of its last name part replaced by `extension` (".QOR"), or with
// `extension` added when it has none: "curve.txt" gives "curve.QOR", "a.b/curve" "a.b/curve.QOR".
QString withExtension(const QString& fileName, const QString& extension);

} // namespace plotter
