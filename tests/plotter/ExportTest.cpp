#include "tests/graph/GraphTestSupport.h"

#include "plotter/HeadlessExport.h"
#include "tests/common/FullDisk.h"
#include "tests/common/TempFolder.h"

#include <QFile>
#include <QtTest>

namespace {

QByteArray fileBytes(const std::filesystem::path& path) {
    QFile file(QString::fromStdString(path.string()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Parses and exports as the command line would; false with the message on failure.
bool exportFrom(const std::vector<std::string>& arguments, std::string& error) {
    plotter::ExportRequest request;
    return plotter::parseExportArguments(arguments, request, error) &&
           plotter::exportGraph(request, graph::PlotOptions(), error);
}

} // namespace

class ExportTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { startGraphTests(); }

    void rasterFilesHoldThePictureAtTheRequestedSize() {
        TempFolder folder;
        std::string error;
        const auto png = folder / "graph.png";
        const auto bmp = folder / "graph.BMP";
        QVERIFY(exportFrom({"--export=" + png.string(), "--size=640x480", "sin(x)", "x^2"}, error));
        QVERIFY(exportFrom({"--export=" + bmp.string(), "sin(x)", "x^2"}, error));
        QImage fromPng;
        QVERIFY(fromPng.loadFromData(fileBytes(png), "PNG"));
        QCOMPARE(fromPng.size(), QSize(640, 480));
        QVERIFY(fileBytes(bmp).startsWith("BM"));
        QImage fromBmp;
        QVERIFY(fromBmp.loadFromData(fileBytes(bmp), "BMP"));
        QCOMPARE(fromBmp.size(), QSize(800, 600));
        // The standard range: the y axis in the middle, the first curve in blue.
        QCOMPARE(fromBmp.pixelColor(15 + (800 - 37) / 2, 300), QColor(Qt::black));
        QVERIFY(countInImage(fromBmp.convertToFormat(QImage::Format_RGB32), graph::curveColours()[0]) > 500);
    }

    void vectorFilesCarryTheScaleNumbersAsText() {
        TempFolder folder;
        std::string error;
        const auto svg = folder / "graph.svg";
        const auto pdf = folder / "graph.pdf";
        QVERIFY(exportFrom({"--export=" + svg.string(), "--range=-10,10,1,-10,10,2", "--degrees", "sin(x)"},
                           error));
        QVERIFY(exportFrom({"--export=" + pdf.string(), "sin(x)"}, error));
        const QByteArray svgText = fileBytes(svg);
        QVERIFY(svgText.contains("<svg"));
        for (const char* number : {">10<", ">-10<", ">1<", ">-1<", ">y = sin(x)<"})
            QVERIFY2(svgText.contains(number), number);
        QVERIFY(fileBytes(pdf).startsWith("%PDF"));
        QVERIFY(fileBytes(pdf).trimmed().endsWith("%%EOF"));
    }

    // sin(x) over -10 ... 10 stays within sin(10°) of the x axis in degrees; the next export
    // without --degrees draws it in radians again, from y = -1 to 1.
    void degreesApplyToTheirOwnExportOnly() {
        TempFolder folder;
        const auto png = folder / "graph.png";
        const auto heightOfCurve = [&](const std::string& unitOption) {
            std::vector<std::string> arguments{"--export=" + png.string(), "--range=-10,10,1,-2,2,1",
                                               "sin(x)"};
            if (!unitOption.empty())
                arguments.push_back(unitOption);
            plotter::ExportRequest request;
            std::string error;
            if (!plotter::parseExportArguments(arguments, request, error) ||
                !plotter::exportGraph(request, bareOptions(), error))
                qFatal("export failed: %s", error.c_str());
            QImage picture;
            picture.loadFromData(fileBytes(png), "PNG");
            picture = picture.convertToFormat(QImage::Format_RGB32);
            int top = picture.height();
            int bottom = -1;
            for (int y = 0; y < picture.height(); ++y) {
                if (countInRow(picture, y, graph::curveColours()[0]) > 0) {
                    top = std::min(top, y);
                    bottom = y;
                }
            }
            return bottom - top;
        };
        // The plot area is 600 - 37 pixels high for 4 units of y.
        const double pixelsPerUnit = (600 - 37) / 4.0;
        QVERIFY(std::abs(heightOfCurve("--degrees") - 2 * std::sin(10 * M_PI / 180) * pixelsPerUnit) <= 3);
        QVERIFY(std::abs(heightOfCurve("") - 2 * pixelsPerUnit) <= 3);
    }

    void aFaultyRequestWritesNoFile() {
        TempFolder folder;
        const auto png = folder / "graph.png";
        std::string error;
        QVERIFY(!exportFrom({"--export=" + png.string(), "sin(x)", "2*/x"}, error));
        QVERIFY(error.starts_with("2*/x: "));
        QVERIFY(!exportFrom({"--export=" + png.string(), "--size=0x100"}, error));
        QVERIFY(error.starts_with("The size must be"));
        QVERIFY(!exportFrom({"--export=" + png.string(), "--size=800"}, error));
        QVERIFY(!exportFrom({"--export=" + png.string(), "--range=1,1,1,-5,5,1"}, error));
        QVERIFY(error.starts_with("The range must be"));
        QVERIFY(!exportFrom({"--export=" + png.string(), "--range=-7,7,1,-5,5"}, error));
        QVERIFY(!exportFrom({"--export=" + png.string(), "--colour=red"}, error));
        QVERIFY(!exportFrom({"--export=" + (folder / "graph.gifx").string()}, error));
        QVERIFY(!std::filesystem::exists(png));

        std::vector<std::string> thirteen{"--export=" + png.string()};
        for (int k = 0; k < 13; ++k)
            thirteen.push_back("x+" + std::to_string(k));
        QVERIFY(!exportFrom(thirteen, error));
        QVERIFY(!std::filesystem::exists(png));

        QVERIFY(!exportFrom({"--export=" + (folder / "missing" / "graph.png").string(), "x"}, error));
        QVERIFY(error.starts_with("The picture could not be written"));
        QVERIFY(std::filesystem::is_empty(folder.path()));
    }

    void aPictureExportedOnAFullDiskKeepsThePreviousFileWhole() {
        TempFolder folder;
        const auto png = folder / "graph.png";
        std::string error;
        QVERIFY(exportFrom({"--export=" + png.string(), "--size=100x80", "x"}, error));
        const QByteArray previous = fileBytes(png);
        {
            FullDisk full(rlim_t(previous.size()));
            QVERIFY(!exportFrom({"--export=" + png.string(), "sin(x)", "x^2"}, error));
        }
        QVERIFY(error.starts_with("The picture could not be written"));
        QCOMPARE(fileBytes(png), previous);
        QVERIFY(std::distance(std::filesystem::directory_iterator(folder.path()), {}) == 1);
    }
};

QTEST_MAIN(ExportTest)
#include "ExportTest.moc"
