#include "plotter/FileNames.h"

namespace plotter {

QString withExtension(const QString& fileName, const QString& extension) {
    const qsizetype nameStart = fileName.lastIndexOf(QLatin1Char('/')) + 1;
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > nameStart ? fileName.left(dot) : fileName;
    return stem + extension;
}

} // namespace plotter
