#include "FrameFixture.h"
#include "graph/CurveColours.h"
#include "graph/TGraphWindow.h"
#include "plotter/TProgressForm.h"
#include "tests/common/FullDisk.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QImageReader>
#include <QLinearGradient>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <set>

namespace {

QString fileName(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

QByteArray bytesOf(const std::filesystem::path& path) {
    return QByteArray::fromStdString(TempFolder::read(path));
}

// The distinct colours of a picture in the order they are first met, rows from the top and pixels
// from the left.
std::vector<QRgb> coloursInFirstMetOrder(const QImage& picture) {
    std::vector<QRgb> colours;
    std::set<QRgb> seen;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (const QRgb colour = picture.pixel(x, y) & 0xFFFFFF; seen.insert(colour).second)
                colours.push_back(colour);
    return colours;
}

bool sameColours(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF))
                return false;
    return true;
}

// A frame with two curves on the graph.
struct PictureFixture : FrameFixture {
    PictureFixture() {
        start();
        typeAndEnter(QStringLiteral("x^2"));
        typeAndEnter(QStringLiteral("sin(x)"));
    }
    const QImage& picture() const { return frame->graphWindow()->picture(); }
};

// The first page of a PDF file drawn at 96 pixels per inch; null when pdftoppm is not installed.
QImage pdfPage(const std::filesystem::path& pdf) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (tool.isEmpty())
        return {};
    const QString prefix = fileName(pdf.parent_path() / "page");
    if (QProcess::execute(tool, {"-r", "96", "-png", "-singlefile", fileName(pdf), prefix}) != 0)
        return {};
    return QImage(prefix + QStringLiteral(".png"));
}

QString pdfText(const std::filesystem::path& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {"-layout", fileName(pdf), "-"});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The bounding box of everything that is not white on a page.
QRect drawnArea(const QImage& page) {
    QRect drawn;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (page.pixelColor(x, y).lightness() < 250)
                drawn |= QRect(x, y, 1, 1);
    return drawn;
}

void printTo(TMDIFrame& frame, const std::filesystem::path& pdf) {
    frame.printer().setOutputFormat(QPrinter::PdfFormat);
    frame.printer().setOutputFileName(fileName(pdf));
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT
private slots:
    void bitmapIsSavedUnderTheTypedNameWithBmpExtension() {
        PictureFixture fixture;
        fixture.interaction.fileAnswers.push_back(fileName(fixture.folder / "graph.gif"));
        fixture.trigger(CommandId::SaveAsBmpPicture);
        QCOMPARE(fixture.interaction.fileChoices.at(0).defaultSuffix, QStringLiteral("bmp"));
        QVERIFY(!std::filesystem::exists(fixture.folder / "graph.gif"));
        QImage saved;
        QVERIFY(saved.loadFromData(bytesOf(fixture.folder / "graph.BMP"), "BMP"));
        QVERIFY(sameColours(saved, fixture.picture()));
    }

    void gifFileHoldsTheGraphWithThePaletteInFirstMetOrder() {
        PictureFixture fixture;
        fixture.interaction.fileAnswers.push_back(fileName(fixture.folder / "graph.bmp"));
        fixture.trigger(CommandId::SaveAsGifPicture);
        const std::filesystem::path path = fixture.folder / "graph.Gif";
        QVERIFY2(std::filesystem::exists(path), qPrintable(fixture.interaction.errors.join('\n')));
        QVERIFY(!fixture.frame->progressForm()->isVisible());

        const QByteArray bytes = bytesOf(path);
        QVERIFY(bytes.startsWith("GIF87a"));
        QBuffer buffer;
        buffer.setData(bytes);
        QImageReader reader(&buffer, "GIF");
        const QImage decoded = reader.read();
        QVERIFY2(!decoded.isNull(), qPrintable(reader.errorString()));
        QVERIFY(sameColours(decoded, fixture.picture()));

        const std::vector<QRgb> expected = coloursInFirstMetOrder(fixture.picture());
        QVERIFY(expected.size() >= 3);
        const int tableSize = 2 << (static_cast<unsigned char>(bytes[10]) & 7);
        QVERIFY(int(expected.size()) <= tableSize);
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const auto entry = [&](int offset) {
                return static_cast<unsigned char>(bytes[13 + 3 * int(i) + offset]);
            };
            QCOMPARE(qRgb(entry(0), entry(1), entry(2)) & 0xFFFFFF, expected[i]);
        }
    }

    void gifOfTooManyColoursIsRefusedWithoutAFile() {
        PictureFixture fixture;
        fixture.frame->graphWindow()->graph().pictures().draw([](QPainter& painter) {
            for (int x = 0; x < 300; ++x) {
                painter.setPen(QColor(x % 256, x / 256, 7));
                painter.drawPoint(x, 0);
            }
        });
        fixture.interaction.fileAnswers.push_back(fileName(fixture.folder / "many"));
        fixture.trigger(CommandId::SaveAsGifPicture);
        QCOMPARE(fixture.interaction.errors.size(), 1);
        QVERIFY(!std::filesystem::exists(fixture.folder / "many.Gif"));
        QVERIFY(!fixture.frame->progressForm()->isVisible());
    }

    void progressWindowShowsTheFractionAndGoesAwayAtTheEnd() {
        TProgressForm form;
        form.report(0.0f);
        QVERIFY(form.isVisible());
        QCOMPARE(form.gauge()->progress(), 0);
        form.report(0.456f);
        QCOMPARE(form.gauge()->progress(), 46);
        form.report(0.9999f);
        QVERIFY(form.isVisible());
        QCOMPARE(form.gauge()->progress(), 100);
        form.report(1.0f);
        QVERIFY(!form.isVisible());
    }

    void pngSvgAndPdfFilesTakeTheirExtensions() {
        PictureFixture fixture;
        fixture.interaction.fileAnswers = {fileName(fixture.folder / "a.txt"), fileName(fixture.folder / "b"),
                                           fileName(fixture.folder / "c.PDF")};
        fixture.trigger(CommandId::SaveAsPngPicture);
        fixture.trigger(CommandId::SaveAsSvgPicture);
        fixture.trigger(CommandId::SaveAsPdf);
        QImage png;
        QVERIFY(png.loadFromData(bytesOf(fixture.folder / "a.png"), "PNG"));
        QVERIFY(sameColours(png, fixture.picture()));
        QVERIFY(bytesOf(fixture.folder / "b.svg").contains("<svg"));
        QVERIFY(bytesOf(fixture.folder / "c.pdf").startsWith("%PDF"));
        QVERIFY(fixture.interaction.errors.isEmpty());
    }

    void pictureThatCannotBeWrittenIsReportedAndLeavesTheOldFile() {
        PictureFixture fixture;
        fixture.interaction.fileAnswers.push_back(fileName(fixture.folder / "no" / "graph.bmp"));
        fixture.trigger(CommandId::SaveAsBmpPicture);
        QCOMPARE(fixture.interaction.errors.size(), 1);
        QVERIFY(fixture.interaction.errors[0].contains(QStringLiteral("No such file or directory")));

        const std::filesystem::path old = fixture.folder / "old.BMP";
        TempFolder::write(old, "old picture");
        {
            const FullDisk full(64);
            fixture.interaction.fileAnswers.push_back(fileName(old));
            fixture.trigger(CommandId::SaveAsBmpPicture);
            fixture.interaction.fileAnswers.push_back(fileName(fixture.folder / "old.gif"));
            fixture.trigger(CommandId::SaveAsGifPicture);
        }
        QCOMPARE(fixture.interaction.errors.size(), 3);
        QCOMPARE(TempFolder::read(old), std::string("old picture"));
        QVERIFY(!std::filesystem::exists(fixture.folder / "old.Gif"));
        // No half-written leftovers beside the old picture and the settings file.
        for (const auto& entry : std::filesystem::directory_iterator(fixture.folder.path()))
            QVERIFY(entry.path().filename() == "old.BMP" || entry.path() == fixture.settingsPath);
    }

    void vectorCopyPutsSvgAndAnImageOnTheClipboardAndRepeatsWithoutRedraw() {
        PictureFixture fixture;
        fixture.trigger(CommandId::CopyGraphAsVectorPicture);
        const QMimeData* data = QApplication::clipboard()->mimeData();
        QVERIFY(data->hasFormat(QStringLiteral("image/svg+xml")));
        const QByteArray first = data->data(QStringLiteral("image/svg+xml"));
        QVERIFY(first.contains("<svg"));
        QVERIFY(data->hasImage());
        QVERIFY(sameColours(qvariant_cast<QImage>(data->imageData()), fixture.picture()));
        QImage png;
        QVERIFY(png.loadFromData(data->data(QStringLiteral("image/png")), "PNG"));

        fixture.trigger(CommandId::CopyGraphAsVectorPicture);
        QCOMPARE(QApplication::clipboard()->mimeData()->data(QStringLiteral("image/svg+xml")), first);
    }

    void bitmapCopyPutsTheGraphPictureOnTheClipboard() {
        PictureFixture fixture;
        fixture.trigger(CommandId::CopyGraphAsBitmap);
        QVERIFY(sameColours(QApplication::clipboard()->image(), fixture.picture()));
    }

    void copyMessageAsksUntilTheUserTicksNeverShowAgain() {
        PictureFixture fixture;
        // Cancel writes nothing, even with the box ticked.
        fixture.interaction.dialogAnswers.push_back([](QDialog& dialog) {
            dialog.findChild<QCheckBox*>(QStringLiteral("chkboxNeverShowMessage"))->setChecked(true);
            return false;
        });
        fixture.trigger(CommandId::CopyGraphAsBitmap);
        QCOMPARE(fixture.interaction.dialogsShown, QStringList({"Copy2ClipboardMessage"}));
        QVERIFY(!fixture.settings.valueExists("Options", "NeverShowClipboardMessage"));

        fixture.interaction.dialogAnswers.push_back([](QDialog& dialog) {
            dialog.findChild<QCheckBox*>(QStringLiteral("chkboxNeverShowMessage"))->setChecked(true);
            return true;
        });
        fixture.trigger(CommandId::CopyGraphAsVectorPicture);
        QCOMPARE(fixture.interaction.dialogsShown.size(), 2);
        QVERIFY(fixture.settings.readBool("Options", "NeverShowClipboardMessage", false));

        // The box starts unticked each time it is shown, and once suppressed it stays away.
        fixture.trigger(CommandId::CopyGraphAsBitmap);
        QCOMPARE(fixture.interaction.dialogsShown.size(), 2);
        QVERIFY(fixture.settings.readBool("Options", "NeverShowClipboardMessage", false));
    }

    void printedGraphHasTheScreenSizeAtTheTopLeft() {
        PictureFixture fixture;
        const std::filesystem::path pdf = fixture.folder / "graph.pdf";
        printTo(*fixture.frame, pdf);
        fixture.trigger(CommandId::PrintGraph);
        QVERIFY(bytesOf(pdf).startsWith("%PDF"));
        const QImage page = pdfPage(pdf);
        if (page.isNull())
            QSKIP("pdftoppm is not installed");
        bool curveSeen = false;
        for (int y = 0; y < page.height() && !curveSeen; ++y)
            for (int x = 0; x < page.width(); ++x) {
                const QColor colour = page.pixelColor(x, y);
                if (colour.blue() > 200 && colour.red() < 60 && colour.green() < 60)
                    curveSeen = true;
            }
        QVERIFY2(curveSeen, "the first curve is printed in its colour");
        const QRect drawn = drawnArea(page);
        const QSize expected = fixture.picture().size();
        QVERIFY2(std::abs(drawn.width() - expected.width()) <= expected.width() / 20,
                 qPrintable(QStringLiteral("%1 against %2").arg(drawn.width()).arg(expected.width())));
        QVERIFY(std::abs(drawn.height() - expected.height()) <= expected.height() / 20);
        QVERIFY(drawn.left() < page.width() / 8 && drawn.top() < page.height() / 8);
    }

    void graphWiderThanThePageIsShrunkWholeOntoIt() {
        PictureFixture fixture;
        fixture.frame->resize(1500, 1000);
        QMdiSubWindow* graphFrame = fixture.frame->subWindowOf(fixture.frame->graphWindow());
        graphFrame->resize(graphFrame->size() + QSize(1200, 500) - fixture.frame->graphWindow()->size());
        fixture.frame->graphWindow()->Redraw();
        QCOMPARE(fixture.picture().size(), QSize(1200, 500));

        const std::filesystem::path pdf = fixture.folder / "wide.pdf";
        printTo(*fixture.frame, pdf);
        fixture.frame->printer().setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                                           QMarginsF(20, 20, 20, 20),
                                                           QPageLayout::Millimeter));
        fixture.trigger(CommandId::PrintGraph);
        const QImage page = pdfPage(pdf);
        if (page.isNull())
            QSKIP("pdftoppm is not installed");
        // At 96 pixels per inch A4 is 794 pixels wide; 20 mm margins leave 643 pixels of it.
        const QRect printable(76, 76, 643, 971);
        const QRect drawn = drawnArea(page);
        QVERIFY(printable.adjusted(-2, -2, 2, 2).contains(drawn));
        // The whole graph, in its proportions, as wide as the printable area.
        QVERIFY(drawn.width() >= printable.width() - 8);
        QVERIFY(std::abs(drawn.height() - drawn.width() * 500 / 1200) <= 8);
    }

    void failedPrintLeavesThePrinterReadyWithItsChoices() {
        PictureFixture fixture;
        fixture.frame->logWindow()->appendLine(QStringLiteral("Root: x = 2"));
        printTo(*fixture.frame, fixture.folder / "no" / "such" / "folder.pdf");
        fixture.frame->printer().setPageOrientation(QPageLayout::Landscape);
        fixture.trigger(CommandId::PrintGraph);
        QCOMPARE(fixture.interaction.errors, QStringList({"The printer could not be started."}));
        QCOMPARE(fixture.frame->printer().pageLayout().orientation(), QPageLayout::Landscape);

        // What Print Setup chooses next is in force for the next jobs of both kinds.
        printTo(*fixture.frame, fixture.folder / "graph.pdf");
        fixture.trigger(CommandId::PrintGraph);
        QVERIFY(bytesOf(fixture.folder / "graph.pdf").startsWith("%PDF"));

        printTo(*fixture.frame, fixture.folder / "no" / "log.pdf");
        fixture.trigger(CommandId::PrintLog);
        QCOMPARE(fixture.interaction.errors.size(), 2);
        printTo(*fixture.frame, fixture.folder / "log.pdf");
        fixture.trigger(CommandId::PrintLog);
        QVERIFY(bytesOf(fixture.folder / "log.pdf").startsWith("%PDF"));
        QCOMPARE(fixture.interaction.errors.size(), 2);
    }

    void printedLogHasOneLinePerLogLineInOrder() {
        PictureFixture fixture;
        const QStringList lines = {"Root: x = 1.414213562", "", "Maximum: x = 0.5  y = 0.25",
                                   "Integral=0.33333"};
        for (const QString& line : lines)
            fixture.frame->logWindow()->appendLine(line);
        const std::filesystem::path pdf = fixture.folder / "log.pdf";
        printTo(*fixture.frame, pdf);
        fixture.trigger(CommandId::PrintLog);
        QVERIFY(bytesOf(pdf).startsWith("%PDF"));
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        QStringList printed = pdfText(pdf).split(QLatin1Char('\n'));
        for (QString& line : printed)
            line = line.trimmed();
        const QStringList expected = {"Root: x = 1.414213562", "", "Maximum: x = 0.5 y = 0.25",
                                      "Integral=0.33333"};
        QStringList compared;
        for (const QString& line : printed.mid(0, 4))
            compared.append(line.simplified());
        QCOMPARE(compared, expected);
    }

    void emptyLogPrintsAnEmptyJob() {
        PictureFixture fixture;
        const std::filesystem::path pdf = fixture.folder / "empty.pdf";
        printTo(*fixture.frame, pdf);
        fixture.trigger(CommandId::PrintLog);
        QVERIFY(bytesOf(pdf).startsWith("%PDF"));
        QVERIFY(fixture.interaction.errors.isEmpty());
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        QVERIFY(pdfText(pdf).trimmed().isEmpty());
    }

    void printSetupShowsThePrinterDialog() {
        PictureFixture fixture;
        fixture.trigger(CommandId::PrintSetup);
        QCOMPARE(fixture.interaction.printerSetups, 1);
    }
};

QTEST_MAIN(PicturesTest)
#include "PicturesTest.moc"
