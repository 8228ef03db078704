#include "tests/graph/GraphTestSupport.h"

#include "plotter/HeadlessExport.h"
#include "tests/common/FullDisk.h"
#include "tests/common/TempFolder.h"

#include <QBuffer>
#include <QImageReader>
#include <QtTest>

namespace {

QByteArray fileBytes(const std::filesystem::path& path) {
    return QByteArray::fromStdString(TempFolder::read(path));
}

bool exportFrom(const std::vector<std::string>& arguments, std::string& error) {
    plotter::ExportRequest request;
    return plotter::parseExportArguments(arguments, request, error) &&
           plotter::exportGraph(request, graph::PlotOptions(), error);
}

QImage decodeGif(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, "GIF");
    return reader.read();
}

int littleEndian16(const QByteArray& bytes, int at) {
    return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

} // namespace

class GifExportTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { startGraphTests(); }

    void gifExportHoldsTheSamePixelsAsThePngExport() {
        TempFolder folder;
        std::string error;
        const auto gif = folder / "graph.GIF";
        const auto png = folder / "graph.png";
        QVERIFY2(exportFrom({"--export=" + gif.string(), "--size=240x180", "x^2"}, error), error.c_str());
        QVERIFY(exportFrom({"--export=" + png.string(), "--size=240x180", "x^2"}, error));

        const QByteArray bytes = fileBytes(gif);
        QVERIFY(bytes.startsWith("GIF87a"));
        QCOMPARE(littleEndian16(bytes, 6), 240);
        QCOMPARE(littleEndian16(bytes, 8), 180);
        // White, grid grey, black and the first curve's blue: a 16-entry table.
        QCOMPARE(static_cast<unsigned char>(bytes[10]), 179);

        const QImage decoded = decodeGif(bytes).convertToFormat(QImage::Format_RGB32);
        QImage expected;
        QVERIFY(expected.loadFromData(fileBytes(png), "PNG"));
        expected = expected.convertToFormat(QImage::Format_RGB32);
        QCOMPARE(decoded.size(), expected.size());
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x)
                QCOMPARE(decoded.pixel(x, y) & 0xFFFFFF, expected.pixel(x, y) & 0xFFFFFF);
    }

    void gifThatCannotBeWrittenLeavesThePreviousFileWhole() {
        TempFolder folder;
        std::string error;
        const auto gif = folder / "graph.gif";
        QVERIFY(exportFrom({"--export=" + gif.string(), "--size=60x40", "x"}, error));
        const QByteArray previous = fileBytes(gif);
        {
            const FullDisk full(rlim_t(previous.size()));
            QVERIFY(!exportFrom({"--export=" + gif.string(), "--size=400x300", "sin(x)", "x^2"}, error));
        }
        QVERIFY(error.starts_with("The picture could not be written"));
        QCOMPARE(fileBytes(gif), previous);
        QCOMPARE(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
    }
};

QTEST_MAIN(GifExportTest)
#include "GifExportTest.moc"
