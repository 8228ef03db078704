#include "GraphTestSupport.h"

#include "graph/CurveColours.h"
#include "graph/GraphFont.h"

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QPainter>
#include <QtTest>

using common::GraphRange;
using graph::Graph;

namespace {

const QColor Black(0, 0, 0);
const QColor White(255, 255, 255);
const QColor Silver(192, 192, 192);
const QColor Blue = graph::curveColours()[0];

// Text is smoothed, so its pixels are the text colour blended with the white behind it.
bool blendedBlue(QColor pixel) {
    return pixel.blue() == 255 && pixel.red() == pixel.green() && pixel.red() < 200;
}
bool blendedMaroon(QColor pixel) {
    return pixel.red() > pixel.green() && pixel.green() == pixel.blue() && pixel.green() < 200;
}

// The first row from the top that holds a pixel of the kind within rows 0 ... lastRow, or -1.
int topRowOf(const QImage& image, bool (*kind)(QColor), int lastRow) {
    for (int y = 0; y <= lastRow; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (kind(image.pixelColor(x, y)))
                return y;
    return -1;
}

// The longest horizontal run of `colour` in any row.
int longestRowRun(const QImage& image, const QColor& colour) {
    int longest = 0;
    for (int y = 0; y < image.height(); ++y) {
        int run = 0;
        for (int x = 0; x < image.width(); ++x) {
            run = hasColour(image, x, y, colour) ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

} // namespace

class DrawingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { startGraphTests(); }

    void axesCrossAtZeroWithTheGridBesideThem() {
        graph::PlotOptions options;
        Graph graph(options);
        drawGraph(graph, {-10, 10, 1, -10, 10, 1}, clientSizeFor(400, 400), {});
        const QImage& image = graph.picture();
        const int left = graph.coordinates().left;
        const int top = graph.coordinates().top;
        QCOMPARE(graph.coordinates().axisColumn, left + 200);
        // The y axis runs the full height, grid lines sit at every step but 0.
        QVERIFY(hasColour(image, left + 200, top + 100, Black));
        QVERIFY(hasColour(image, left + 200 + 20, top + 100, Silver));
        QVERIFY(hasColour(image, left + 200 - 20, top + 100, Silver));
        QVERIFY(hasColour(image, left + 200 + 10, top + 110, White));
        // The arrowheads are filled.
        QVERIFY(hasColour(image, left + 200, top - 13, Black));
        QVERIFY(hasColour(image, graph.coordinates().right + 13, top + 200, Black));
    }

    void withoutZeroInTheYRangeThereIsNoXAxisAndNothingOfIt() {
        graph::PlotOptions options;
        options.showGrid = false;
        Graph graph(options);
        drawGraph(graph, {0, 10, 1, 0, 10, 1}, clientSizeFor(400, 300), {});
        QCOMPARE(graph.coordinates().axisRow, 0);
        QCOMPARE(countInImage(graph.picture(), White), graph.picture().width() * graph.picture().height());

        drawGraph(graph, {-10, 10, 1, 0, 10, 1}, clientSizeFor(400, 300), {});
        // Only the y axis with its ticks, numbers and text: no long horizontal line.
        QVERIFY(countInColumn(graph.picture(), graph.coordinates().axisColumn, Black) > 300);
        QVERIFY(longestRowRun(graph.picture(), Black) < 20);
    }

    void aStepWiderThanTheRangeDrawsNoVerticalGridLines() {
        graph::PlotOptions options = bareOptions();
        options.showGrid = true;
        Graph graph(options);
        drawGraph(graph, {-7, 7, 20, -5, 5, 1}, clientSizeFor(400, 300), {});
        const QImage& image = graph.picture();
        const int rowBetweenLines = graph.coordinates().rowOfY(0.5L);
        QCOMPARE(countInRow(image, rowBetweenLines, Silver), 0);
        QCOMPARE(countInRow(image, graph.coordinates().rowOfY(1), Silver), 401);
    }

    void aPoleBreaksTheCurveInTwoWithoutAVerticalLine() {
        graph::PlotOptions options = bareOptions();
        Graph graph(options);
        // 401 columns, so no sample falls on x = 0 where 1/x is undefined.
        drawGraph(graph, {-5, 5, 1, -5, 5, 1}, clientSizeFor(401, 300), {"1/x"});
        const QImage& image = graph.picture();
        const graph::GraphCoordinates& c = graph.coordinates();
        for (int x = c.left; x <= c.right; ++x)
            QVERIFY2(countInColumn(image, x, Blue) < 100, qPrintable(QString("column %1").arg(x)));
        // The left piece runs down to the bottom edge, the right piece comes down from the top edge.
        int bottomHits = 0;
        int topHits = 0;
        for (int x = c.left; x <= c.right; ++x) {
            bottomHits += hasColour(image, x, c.bottom, Blue) && x < c.axisColumn;
            topHits += hasColour(image, x, c.top, Blue) && x > c.axisColumn;
        }
        QVERIFY(bottomHits > 0);
        QVERIFY(topHits > 0);
        QVERIFY(countInColumn(image, c.left + 10, Blue) > 0);
        QVERIFY(countInColumn(image, c.right - 10, Blue) > 0);
    }

    void aSquareRootStartsInTheFirstColumnRightOfZero() {
        graph::PlotOptions options = bareOptions();
        Graph graph(options);
        drawGraph(graph, {-5, 5, 1, -5, 5, 1}, clientSizeFor(400, 300), {"sqrt(x)"});
        const QImage& image = graph.picture();
        const int zeroColumn = graph.coordinates().left + 200;
        for (int x = 0; x <= zeroColumn; ++x)
            QCOMPARE(countInColumn(image, x, Blue), 0);
        QVERIFY(countInColumn(image, zeroColumn + 1, Blue) > 0);
    }

    void aCurveLeavingBelowAndReturningAfterAGapIsNotJoinedAcrossTheGap() {
        graph::PlotOptions options = bareOptions();
        Graph graph(options);
        // Below the range left of -1, undefined between -1 and 1, on the x axis right of 1.
        drawGraph(graph, {-5, 5, 1, -5, 5, 1}, clientSizeFor(400, 300), {"(x-abs(x))*50+0*sqrt(x^2-1)"});
        const graph::GraphCoordinates& c = graph.coordinates();
        for (int x = c.columnOfX(-1) + 1; x < c.columnOfX(1); ++x)
            QCOMPARE(countInColumn(graph.picture(), x, Blue), 0);
        QVERIFY(countInColumn(graph.picture(), c.columnOfX(3), Blue) > 0);
    }

    void hostileRangesAndSizesDrawWithoutFault() {
        graph::PlotOptions options;
        Graph graph(options);
        const GraphRange ranges[] = {{5, 5, 1, 5, 5, 1},
                                     {7, -7, 1, 5, -5, -1},
                                     {-7, 7, 0, -5, 5, 0},
                                     {-7, 7, 1e-12L, -5, 5, 1e-12L},
                                     {-1e4900L, 1e4900L, 1, -1e4900L, 1e4900L, 1e4000L},
                                     {-1.1e4932L, 1.1e4932L, 1, -5, 5, 1}};
        const QSize sizes[] = {QSize(1, 1), QSize(30, 30), QSize(437, 337)};
        QElapsedTimer timer;
        timer.start();
        for (const GraphRange& range : ranges)
            for (const QSize& size : sizes) {
                drawGraph(graph, range, size, {"x", "1/x", "sqrt(x)"});
                QCOMPARE(graph.picture().size(), size);
            }
        QVERIFY(timer.elapsed() < 5000);
    }

    void dottedCurvesSetOnePixelPerColumnEvenOutsideThePlotArea() {
        graph::PlotOptions options = bareOptions();
        options.dottedLines = true;
        Graph graph(options);
        drawGraph(graph, {-5, 5, 1, -5, 5, 1}, clientSizeFor(400, 300), {"x/2", "5.5"});
        const QImage& image = graph.picture();
        const graph::GraphCoordinates& c = graph.coordinates();
        const QColor green = graph::curveColours()[1];
        for (int x = c.left; x <= c.right; ++x) {
            QCOMPARE(countInColumn(image, x, Blue), 1);
            QCOMPARE(countInColumn(image, x, green), 1);
        }
        // 5.5 lies above the plot area, in the margin, and is not moved to its edge.
        QCOMPARE(countInRow(image, c.rowOfY(5.5L), green), 401);
        QVERIFY(c.rowOfY(5.5L) < c.top);

        // A solid curve that stays outside runs invisibly along the edge.
        options.dottedLines = false;
        drawGraph(graph, {-5, 5, 1, -5, 5, 1}, clientSizeFor(400, 300), {"x/2", "5.5"});
        QCOMPARE(countInImage(graph.picture(), green), 0);
    }

    void twelveSolidCurvesRunAcrossThePlotAreaInTheirFixedColours() {
        // The colours by list position, as red, green and blue.
        const QColor fixed[graph::MaxPlottedFunctions] = {
            {0, 0, 255},   {0, 128, 0},     {128, 0, 0}, {128, 128, 0}, {0, 0, 128},   {128, 0, 128},
            {0, 128, 128}, {128, 128, 128}, {0, 255, 0}, {255, 0, 255}, {0, 255, 255}, {255, 0, 0}};
        graph::PlotOptions options = bareOptions();
        Graph graph(options);
        std::vector<std::string> levels;
        for (int p = 0; p < graph::MaxPlottedFunctions; ++p)
            levels.push_back(std::to_string(p) + "-5.5");
        drawGraph(graph, {-5, 5, 1, -6, 6, 1}, clientSizeFor(400, 300), levels);
        const graph::GraphCoordinates& c = graph.coordinates();
        for (int p = 0; p < graph::MaxPlottedFunctions; ++p) {
            const int row = c.rowOfY(p - 5.5L);
            // Sampled in every column from the first to the last of the plot area, and nowhere else.
            QCOMPARE(countInRow(graph.picture(), row, fixed[p]), c.right - c.left + 1);
            QVERIFY(hasColour(graph.picture(), c.left, row, fixed[p]));
            QVERIFY(hasColour(graph.picture(), c.right, row, fixed[p]));
        }
    }

    void boldLinesAreTwoPixelsWideButArrowheadsStayTheSame() {
        graph::PlotOptions options = bareOptions();
        options.showAxis = true;
        options.showScaleText = false;
        Graph normal(options);
        drawGraph(normal, {-5, 5, 1, -5, 5, 1}, clientSizeFor(400, 300), {"2.5"});
        const QImage thin = normal.picture();

        options.boldLines = true;
        Graph bold(options);
        drawGraph(bold, {-5, 5, 1, -5, 5, 1}, clientSizeFor(400, 300), {"2.5"});
        const QImage& thick = bold.picture();
        const graph::GraphCoordinates& c = bold.coordinates();
        const int between = c.left + 50; // a column without ticks
        QCOMPARE(countInColumn(thin, between, Blue), 1);
        QCOMPARE(countInColumn(thick, between, Blue), 2);
        QCOMPARE(countInColumn(thin, between, Black), 1);
        QCOMPARE(countInColumn(thick, between, Black), 2);
        QCOMPARE(countInRow(thick, c.top + 50, Black), 2);
        // Tick marks are bold too: two columns of five pixels where the thin tick has one.
        const int tick = c.columnOfX(1);
        const int thinTickColumns = (countInColumn(thin, tick - 1, Black) > 2) +
                                    (countInColumn(thin, tick, Black) > 2) +
                                    (countInColumn(thin, tick + 1, Black) > 2);
        const int thickTickColumns = (countInColumn(thick, tick - 1, Black) > 2) +
                                     (countInColumn(thick, tick, Black) > 2) +
                                     (countInColumn(thick, tick + 1, Black) > 2);
        QCOMPARE(thinTickColumns, 1);
        QCOMPARE(thickTickColumns, 2);
        const QRect xArrow(c.right + 11, c.axisRow - 4, 8, 9);
        const QRect yArrow(c.axisColumn - 4, c.top - 18, 9, 7);
        QCOMPARE(thick.copy(xArrow), thin.copy(xArrow));
        QCOMPARE(thick.copy(yArrow), thin.copy(yArrow));
    }

    void functionNamesStackDownByCharacterHeightPlusThree() {
        graph::PlotOptions options = bareOptions();
        options.showFunctionNames = true;
        Graph graph(options);
        // The curves lie far below the range, so only the names show near the top.
        drawGraph(graph, {-5, 5, 1, -5, 5, 1}, clientSizeFor(400, 300), {"x-100", "-x-100", "x-x-100"});
        const int characterHeight = QFontMetrics(graph::axisFont(options)).height();
        const int firstTop = topRowOf(graph.picture(), blendedBlue, 150);
        const int thirdTop = topRowOf(graph.picture(), blendedMaroon, 150);
        QVERIFY(firstTop >= 0);
        QCOMPARE(thirdTop - firstTop, 2 * characterHeight + 6);
        // The names end at the plot area's right end plus 10.
        const QImage& image = graph.picture();
        auto blueInColumn = [&](int x) {
            for (int y = 0; y < 150; ++y)
                if (blendedBlue(image.pixelColor(x, y)))
                    return true;
            return false;
        };
        QVERIFY(blueInColumn(graph.coordinates().right + 9) || blueInColumn(graph.coordinates().right + 8) ||
                blueInColumn(graph.coordinates().right + 7));
        QVERIFY(!blueInColumn(graph.coordinates().right + 11));
    }

    void theVectorPictureHoldsTheSameGraph() {
        graph::PlotOptions options;
        Graph graph(options);
        drawGraph(graph, {-10, 10, 1, -10, 10, 1}, clientSizeFor(400, 400), {"x^2/4-5", "sin(x)"});
        const QImage drawn = graph.picture();
        const auto replay = [](const pictures::VectorPicture& picture, int dotsPerInch) {
            QImage replayed(picture.size, QImage::Format_RGB32);
            replayed.setDotsPerMeterX(qRound(dotsPerInch / 0.0254));
            replayed.setDotsPerMeterY(qRound(dotsPerInch / 0.0254));
            replayed.fill(Qt::red);
            QPainter painter(&replayed);
            picture.draw(painter);
            painter.end();
            return replayed;
        };
        const pictures::VectorPicture picture = graph.vectorPicture();
        QCOMPARE(picture.size, drawn.size());
        QCOMPARE(replay(picture, 96), drawn);
        // A printer's resolution does not change the scale: one unit of the painter per pixel.
        QCOMPARE(replay(picture, 300), drawn);
        // Drawing more onto the graph afterwards leaves a picture already made as it was.
        graph.pictures().draw([](QPainter& painter) { painter.fillRect(0, 0, 50, 50, Qt::green); });
        QCOMPARE(replay(picture, 96), drawn);
    }
};

QTEST_MAIN(DrawingTest)
#include "DrawingTest.moc"
