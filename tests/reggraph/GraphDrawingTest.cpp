#include "reggraph/GraphDrawing.h"
#include "common/NumberParse.h"
#include "pictures/PictureFiles.h"
#include "projects/DataLists.h"
#include "projects/FunctionRecord.h"
#include "tests/support/PixelCount.h"

#include <QPainter>
#include <QRegularExpression>
#include <QtTest>

using namespace reggraph;

namespace {

// Fixed colours of the graph, as the program's users know them.
const QColor Black(0, 0, 0);
const QColor Silver(192, 192, 192);
const QColor White(255, 255, 255);
const QColor Blue(0, 0, 255);
const QColor Green(0, 128, 0);
const QColor Red(255, 0, 0);
const QColor Lime(0, 255, 0);

// A 400 x 300 picture of the range 0..12 by 1, 0..10 by 1 has a left margin of 20 pixels, 30 pixels
// per x unit and 26 per y unit: X(x) = 20 + 30x, Y(y) = 280 - 26y.
constexpr int X(double x) {
    return 20 + static_cast<int>(x * 30);
}
constexpr int Y(double y) {
    return 280 - static_cast<int>(y * 26);
}

QImage render(const GraphScene& scene, QSize size = {400, 300}) {
    regression::RegressionResult result;
    bool valid = false;
    QImage image = rasterGraph(scene, size, result, valid);
    return image;
}

QColor at(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

int countNot(const QImage& image, const QRect& region, const QColor& colour) {
    const QRect area = region.intersected(image.rect());
    return area.width() * area.height() - countColour(image, area, colour);
}

GraphScene sceneWith(std::initializer_list<const char*> records) {
    GraphScene scene;
    scene.series.scatter = false;
    scene.options.showFunctionNames = false;
    for (const char* record : records)
        scene.records.push_back(projects::parseRecord(record));
    return scene;
}

void fillLists(projects::DataLists& lists, std::initializer_list<std::pair<const char*, const char*>> rows) {
    int row = 1;
    for (const auto& [x, y] : rows) {
        lists.setCell(1, row, x);
        lists.setCell(2, row, y);
        ++row;
    }
}

} // namespace

class GraphDrawingTest : public QObject {
    Q_OBJECT

private slots:
    void defaultRangeHasItsAxesOnThePlotAreasLeftAndBottomEdges() {
        GraphScene scene = sceneWith({});
        const QImage image = render(scene);
        // Axes: the y axis from its arrow tip at row 5 down to, not including, row H - 5.
        QCOMPARE(at(image, 20, 5), Black);
        QCOMPARE(at(image, 20, 4), White);
        QCOMPARE(at(image, 20, 150), Black);
        QCOMPARE(at(image, 20, 294), Black);
        QCOMPARE(at(image, 20, 295), White);
        QCOMPARE(at(image, 200, 280), Black);
        // Filled arrow heads.
        QCOMPARE(at(image, 23, 12), Black);
        QCOMPARE(at(image, 17, 12), Black);
        QCOMPARE(at(image, 20, 10), Black);
        QCOMPARE(at(image, 395, 280), Black);
        QCOMPARE(at(image, 396, 280), White);
        QCOMPARE(at(image, 388, 277), Black);
        QCOMPARE(at(image, 388, 283), Black);
        // The x tick at 1 runs from row + 2 up to row - 2; the grid line above it is silver.
        QCOMPARE(at(image, X(1), 282), Black);
        QCOMPARE(at(image, X(1), 278), Black);
        QCOMPARE(at(image, X(1), 277), Silver);
        QCOMPARE(at(image, X(1), 283), White);
        // The y tick at 1 runs from column - 2 to column + 2.
        QCOMPARE(at(image, 18, Y(1)), Black);
        QCOMPARE(at(image, 22, Y(1)), Black);
        QCOMPARE(at(image, 23, Y(1)), Silver);
        QCOMPARE(at(image, 17, Y(1)), White);
        // No "0" labels; "1" below the x axis and "10" left of the y axis are written.
        QCOMPARE(countNot(image, QRect(8, 285, 12, 14), White), 0);
        QCOMPARE(countNot(image, QRect(0, 272, 16, 8), White), 0);
        QVERIFY(countColour(image, QRect(44, 285, 13, 14), Black) > 0);
        QVERIFY(countColour(image, QRect(0, 14, 16, 14), Black) > 0);
        // No break marks.
        QCOMPARE(at(image, 10, 265), White);
        QCOMPARE(at(image, 35, 270), White);
    }

    void axesOfARangeNotStartingAtZeroGetBreakMarks() {
        GraphScene scene = sceneWith({});
        scene.range = {"2", "14", "1", "0", "10", "1"};
        QImage image = render(scene);
        QCOMPARE(at(image, 20, 150), Black); // y axis at the left margin
        QCOMPARE(at(image, 35, 270), Black); // x axis break between margin + 10 and margin + 20
        QCOMPARE(at(image, 35, 289), Black);
        QCOMPARE(at(image, 10, 265), White); // Ymin = 0: no y axis break

        scene.range = {"0", "12", "1", "2", "12", "1"};
        image = render(scene);
        QCOMPARE(at(image, 10, 265), Black); // y axis break near H - 35
        QCOMPARE(at(image, 29, 265), Black);
        QCOMPARE(at(image, 35, 270), White);
    }

    void optionsLeaveOutGridAxesAndScaleNumbers() {
        GraphScene scene = sceneWith({});
        scene.options.showGrid = false;
        scene.options.showScaleText = false;
        QImage image = render(scene);
        QCOMPARE(countColour(image, image.rect(), Silver), 0);
        QCOMPARE(countNot(image, QRect(44, 285, 13, 14), White), 0);
        QCOMPARE(at(image, 20, 150), Black);

        scene.options.showAxis = false;
        scene.options.showGrid = true;
        scene.options.showScaleText = true;
        image = render(scene);
        QCOMPARE(countColour(image, image.rect(), Black), 0);
        QCOMPARE(at(image, X(1), 150), Silver);
    }

    void straightLineEndsWhereItLeavesTheTop() {
        const QImage image = render(sceneWith({"Linear;y=2x;0;2;"}));
        QCOMPARE(at(image, 20, 280), Blue);
        QCOMPARE(countColour(image, QRect(0, 0, 400, 21), Blue), 0); // the end pixel at row 20 is not drawn
        QVERIFY(countColour(image, QRect(X(5) - 2, 21, 3, 1), Blue) > 0);
        QCOMPARE(countColour(image, QRect(X(5) + 1, 0, 400, 300), Blue), 0);
    }

    void aLineMissingTheRangeStillTakesItsColour() {
        const QImage image = render(sceneWith({"Linear;y=x+20;20;1;", "Linear;y=5;5;0;"}));
        QCOMPARE(countColour(image, image.rect(), Blue), 0);
        QCOMPARE(at(image, X(6.5), Y(5)), Green);
        QCOMPARE(at(image, X(12) - 1, Y(5)), Green);
        QCOMPARE(at(image, X(12) + 1, Y(5)), White);
    }

    void aDescendingLineFromTheTopLeftCornerIsDrawn() {
        const QImage image = render(sceneWith({"Linear;y=10-x;10;-1;"}));
        QVERIFY(countColour(image, image.rect(), Blue) > 200);
        QCOMPARE(at(image, X(5), Y(5)), Blue);
    }

    void logarithmicCurveStartsRightOfZeroFromTheBottomEdge() {
        GraphScene scene = sceneWith({"Logarithmic;y=ln(x);0;1;"});
        scene.range = {"-6", "6", "1", "-5", "5", "1"};
        const QImage image = render(scene);
        QCOMPARE(countColour(image, QRect(0, 0, 201, 300), Blue), 0); // column 200 is x = 0
        QCOMPARE(at(image, 201, 280), Blue);
        QVERIFY(countColour(image, QRect(380 - 5, 0, 5, 300), Blue) > 0); // runs to the right edge
    }

    void histogramBarsSumTheYValuesOfEachClass() {
        projects::DataLists lists;
        fillLists(lists, {{"0.5", "1"}, {"1.5", "2"}, {"1.5", "3"}});
        GraphScene scene = sceneWith({});
        scene.lists = &lists;
        scene.series = {false, true, false};
        const QImage image = render(scene);
        QCOMPARE(at(image, X(0.5), Y(1)), Black); // [0, 1): 1
        QCOMPARE(at(image, X(1.5), Y(5)), Black); // [1, 2): 2 + 3
        QCOMPARE(at(image, X(1), Y(3)), Black);   // shared side
        QCOMPARE(at(image, X(2), Y(3)), Black);
        QCOMPARE(at(image, X(2.5), Y(5)), Silver); // nothing right of the last filled class
        QCOMPARE(at(image, X(0.5), Y(5)), Silver);
    }

    void scatterCrossesAreElevenPixelsAndXYLineFollowsX() {
        projects::DataLists lists;
        fillLists(lists, {{"6", "5"}});
        GraphScene scene = sceneWith({});
        scene.lists = &lists;
        scene.series = {true, false, false};
        QImage image = render(scene);
        QCOMPARE(countColour(image, QRect(X(6) - 5, Y(5), 11, 1), Black), 11);
        QCOMPARE(at(image, X(6) + 6, Y(5)), Silver);
        QCOMPARE(at(image, X(6) - 6, Y(5)), Silver);
        QCOMPARE(countColour(image, QRect(X(6), Y(5) - 5, 1, 11), Black), 11);
        QCOMPARE(at(image, X(6), Y(5) + 6), Silver);

        fillLists(lists, {{"3", "1"}, {"1", "1"}, {"2", "9"}});
        scene.series = {false, false, true};
        image = render(scene);
        QCOMPARE(at(image, X(1.5), Y(5)), Black); // 1 -> 2 rises, 2 -> 3 falls
        QCOMPARE(at(image, X(2.5), Y(5)), Black);
        QCOMPARE(at(image, X(2.5), Y(1)), Silver); // never 3 -> 1 along y = 1
    }

    void multipleRecordDrawsItsLinesInOneColourUnderOneName() {
        GraphScene scene = sceneWith({"Multiple;y=1+0.5x1+2x2;1;0.5;2;0;1;3;", "Linear;y=8.5;8.5;0;"});
        scene.options.showFunctionNames = true;
        const QImage image = render(scene);
        QCOMPARE(at(image, X(2), Y(2)), Blue);
        QCOMPARE(at(image, X(2), Y(4)), Blue);
        QCOMPARE(at(image, X(2), Y(6)), Blue);
        QCOMPARE(at(image, X(1), Y(8.5)), Green);
        QVERIFY(countColour(image, QRect(300, 15, 100, 12), Blue) > 0);
        QVERIFY(countColour(image, QRect(300, 28, 100, 12), Green) > 0);
        QCOMPARE(countColour(image, QRect(330, 29, 70, 12), Blue), 0);
    }

    void curvesPastTheTwelfthKeepTheTwelfthColour() {
        GraphScene scene = sceneWith({});
        for (int k = 1; k <= 13; ++k) {
            const std::string y = std::to_string(k * 0.5);
            scene.records.push_back(projects::parseRecord("Linear;y;" + y + ";0;"));
        }
        const QImage image = render(scene);
        QCOMPARE(at(image, X(6.5), Y(0.5)), Blue);
        QCOMPARE(at(image, X(6.5), Y(4.5)), Red);
        QCOMPARE(at(image, X(6.5), Y(6)), Lime);
        QCOMPARE(at(image, X(6.5), Y(6.5)), Lime);
    }

    void aNewFitContinuesTheColoursAndSeriesDrawOnTop() {
        projects::DataLists lists;
        fillLists(lists, {{"6", "5"}});
        GraphScene scene = sceneWith({"Linear;y=2;2;0;"});
        scene.lists = &lists;
        QImage image(400, 300, QImage::Format_RGB32);
        regression::RegressionResult result;
        DrawingState state;
        QPainter painter(&image);
        QVERIFY(drawGraph(painter, image.size(), scene, state, result));
        regression::Drawing fit;
        fit.shape = regression::Drawing::Shape::ZeroSlopeLine;
        fit.lines.base = 7;
        drawFit(painter, scene, state, result, fit, "y=7");
        QCOMPARE(state.drawnFunctions, 2);
        drawSeries(painter, scene, state, Series::Scatter);
        painter.end();
        QCOMPARE(at(image, X(3), Y(2)), Blue);
        QCOMPARE(at(image, X(3), Y(7)), Green);
        QCOMPARE(at(image, X(6) + 3, Y(5)), Black);

        DrawingState blank;
        QPainter again(&image);
        drawFit(again, scene, blank, result, fit, "y=7"); // nothing to draw on
        QCOMPARE(blank.drawnFunctions, 0);
    }

    void invalidRangeLeavesThePictureWhiteAndGivesNoVectorPicture() {
        GraphScene scene = sceneWith({"Linear;y=2;2;0;"});
        scene.range = {"5", "1", "1", "0", "10", "1"};
        regression::RegressionResult result;
        bool valid = true;
        const QImage image = rasterGraph(scene, {400, 300}, result, valid);
        QVERIFY(!valid);
        QCOMPARE(countColour(image, image.rect(), White), 400 * 300);
        QVERIFY(!vectorGraph(scene, {400, 300}, result));
        QCOMPARE(QString(InvalidRangeMessage),
                 QStringLiteral("There is wrong values in the graphtable. The graph can not be drawn."));
    }

    void textsThatAreNotNumbersStopTheDrawingWithTheParsersMessage() {
        GraphScene scene = sceneWith({"Linear;y=2;2;0;"});
        scene.range[common::Ymax] = "ten";
        regression::RegressionResult result;
        bool valid = false;
        try {
            rasterGraph(scene, {400, 300}, result, valid);
            QFAIL("no error");
        } catch (const common::ConversionError& error) {
            QCOMPARE(QString(error.what()), QStringLiteral("'ten' is not a valid floating point value"));
        }

        projects::DataLists lists;
        fillLists(lists, {{"1", "2"}, {"x", "3"}});
        scene = sceneWith({"Linear;y=2;2;0;"});
        scene.lists = &lists;
        scene.series.scatter = true;
        QImage image(400, 300, QImage::Format_RGB32);
        DrawingState state;
        QPainter painter(&image);
        QVERIFY_THROWS_EXCEPTION(common::ConversionError,
                                 drawGraph(painter, image.size(), scene, state, result));
        painter.end();
        QCOMPARE(at(image, X(3), Y(2)), Blue); // the curve drawn before stays
    }

    void rowsWithATextAreLeftOutOfEverySeriesWhenTheSceneSaysSo() {
        projects::DataLists withText;
        fillLists(withText, {{"0.5", "1"}, {"1.5", "2"}, {"2.5", "abc"}, {"bad", "4"}, {"4.5", "5"}});
        projects::DataLists numbersOnly;
        fillLists(numbersOnly, {{"0.5", "1"}, {"1.5", "2"}, {"4.5", "5"}});
        GraphScene scene = sceneWith({});
        scene.series = {true, true, true};
        scene.badCells = BadCells::LeaveOut;
        regression::RegressionResult result;
        QImage image(400, 300, QImage::Format_RGB32);
        DrawingState state;
        {
            QPainter painter(&image);
            scene.lists = &withText;
            QVERIFY(drawGraph(painter, image.size(), scene, state, result));
        }
        // The first cell that is not a number, in row order: row 3, the Y column.
        QVERIFY(state.leftOutCell.has_value());
        QCOMPARE(state.leftOutCell->row, 3);
        QCOMPARE(state.leftOutCell->column, 2);
        QCOMPARE(QString::fromStdString(state.leftOutCell->message),
                 QStringLiteral("'abc' is not a valid floating point value"));
        // Scatter, histogram and XY line show the three rows of numbers, the last one too.
        scene.lists = &numbersOnly;
        QCOMPARE(image, render(scene));
        QCOMPARE(at(image, X(4.5), Y(5)), Black);

        DrawingState clean;
        {
            QPainter painter(&image);
            QVERIFY(drawGraph(painter, image.size(), scene, clean, result));
        }
        QVERIFY(!clean.leftOutCell.has_value());
    }

    void vectorPictureReplaysToTheRasterPicture() {
        projects::DataLists lists;
        fillLists(lists, {{"0.5", "1"}, {"2.5", "7"}, {"1.5", "3"}, {"9", "9.5"}, {"4", "-2"}});
        GraphScene scene;
        scene.lists = &lists;
        scene.series = {true, true, true};
        scene.range = {"-1", "11", "1", "-3", "12", "1.5"};
        for (const char* record :
             {"Linear;y=1+0.8x;1;0.8;", "p3reg;y=x^3;3;3;2;-0.6;0.05;", "Exponential;y=e^x;0.5;0.3;",
              "Multiple;y=m;1;0.5;2;0;1;3;", "Power;y=x^0.5;2;0.5;", "Reciprocal;y=1/x;1;2;"})
            scene.records.push_back(projects::parseRecord(record));
        regression::RegressionResult result;
        bool valid = false;
        const QSize size(641, 479);
        const QImage raster = rasterGraph(scene, size, result, valid);
        const auto vector = vectorGraph(scene, size, result);
        QVERIFY(vector);
        QCOMPARE(vector->size, size);
        // Drawn twice, and on a device of a printer's resolution, it stays one unit per pixel.
        for (const int dotsPerInch : {96, 300}) {
            QImage replay(size, QImage::Format_RGB32);
            replay.setDotsPerMeterX(qRound(dotsPerInch / 0.0254));
            replay.setDotsPerMeterY(qRound(dotsPerInch / 0.0254));
            replay.fill(Qt::red);
            QPainter painter(&replay);
            vector->draw(painter);
            painter.end();
            QCOMPARE(replay, raster);
        }
    }

    // An SVG file holds one path for all the crosses however many points there are.
    void anSvgFileHasAsManyElementsForManyPointsAsForOne() {
        const auto elements = [](int points) {
            projects::DataLists lists;
            for (int row = 1; row <= points; ++row) {
                lists.setCell(1, row, std::to_string(0.5 + 10.0 * row / points));
                lists.setCell(2, row, std::to_string(1 + (row * 7 % 9)));
            }
            GraphScene scene = sceneWith({"Linear;y=1+0.8x;1;0.8;", "p2reg;y=x^2;2;1;0;0.1;"});
            scene.lists = &lists;
            scene.series.scatter = true;
            regression::RegressionResult result;
            const QString svg =
                QString::fromUtf8(pictures::svgFile(*vectorGraph(scene, {400, 300}, result), "T"));
            return svg.count(QRegularExpression(QStringLiteral("<(path|polyline|rect|text|line)\\b")));
        };
        const auto one = elements(1);
        QVERIFY(one > 10);
        QCOMPARE(elements(1000), one);
    }

    // Copy, Print and the vector files start their target only once the picture is made, so texts
    // that are not numbers are refused while it is made.
    void theVectorPictureRefusesTextsBeforeAnyTargetStarts() {
        regression::RegressionResult result;
        GraphScene scene = sceneWith({"Linear;y=2;2;0;"});
        scene.range[common::Ymax] = "ten";
        QVERIFY_THROWS_EXCEPTION(common::ConversionError, vectorGraph(scene, {400, 300}, result));

        projects::DataLists lists;
        fillLists(lists, {{"1", "2"}, {"x", "3"}});
        scene = sceneWith({"Linear;y=2;2;0;"});
        scene.lists = &lists;
        scene.series.scatter = true;
        QVERIFY_THROWS_EXCEPTION(common::ConversionError, vectorGraph(scene, {400, 300}, result));
        scene.series.scatter = false;
        QVERIFY(vectorGraph(scene, {400, 300}, result));
    }
};

QTEST_MAIN(GraphDrawingTest)
#include "GraphDrawingTest.moc"
