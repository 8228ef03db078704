// The confidence and prediction bands drawn around a fit, in the pixels of the graph's mapping.
#include "reggraph/BandDrawing.h"
#include "projects/DataLists.h"
#include "projects/FunctionRecord.h"
#include "reggraph/GraphDrawing.h"
#include "tests/support/PixelCount.h"

#include <QPainter>
#include <QtTest>

#include <cmath>

using namespace reggraph;

namespace {

// The "line with noise" of tests/regression/CoefficientStatisticsReference.R.
const std::vector<long double> kX = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
const std::vector<long double> kY = {3.415, 3.583, 4.039, 5.129, 4.9,   5.822,
                                     7.194, 7.205, 7.54,  7.977, 7.803, 8.47};
// R's coefficients and, from tests/regression/FitBandsReference.R, its bands at x = 2, 6.5 and 11.
constexpr long double kA = 2.8740000000000028L;
constexpr long double kB = 0.49473076923076909L;
struct BandsAt {
    long double x, confidenceLow, confidenceHigh, predictionLow, predictionHigh;
};
const BandsAt kBandsFromR[] = {
    {2, 3.4173216412172849L, 4.3096014357057975L, 2.8223583742496343L, 4.904564702673448L},
    {6.5, 5.8182027372907079L, 6.3612972627092965L, 5.1106724205897498L, 7.0688275794102546L},
    {11, 7.869898564294207L, 8.7621783587827196L, 7.2749352973265564L, 9.3571416257503692L},
};

// A 400 × 300 picture of 0..12 by 1, 0..10 by 1: left margin 20, 30 pixels per x unit and 26 per y
// unit; the curves are sampled at column 20 + c for x = c / 30, and y lands on row
// 300 − 20 − Round(y · 26).
const GraphGeometry kGeometry({0, 12, 1, 0, 10, 1}, 400, 300, 20);
int rowOf(long double y) {
    return 280 - static_cast<int>(std::nearbyint(static_cast<double>(y * 26)));
}

std::optional<int> rowAtColumn(const BandPieces::Pieces& pieces, int column) {
    for (const auto& piece : pieces)
        for (const QPoint& point : piece)
            if (point.x() == column)
                return point.y();
    return std::nullopt;
}

std::map<int, int> rowsByColumn(const BandPieces::Pieces& pieces) {
    std::map<int, int> rows;
    for (const auto& piece : pieces)
        for (const QPoint& point : piece)
            rows.emplace(point.x(), point.y());
    return rows;
}

void fillLists(projects::DataLists& lists) {
    for (std::size_t i = 0; i < kX.size(); ++i) {
        lists.setCell(1, static_cast<int>(i) + 1, QString::number(static_cast<double>(kX[i])).toStdString());
        lists.setCell(2, static_cast<int>(i) + 1, QString::number(static_cast<double>(kY[i])).toStdString());
    }
}

} // namespace

class BandDrawingTest : public QObject {
    Q_OBJECT
private slots:
    void theBandsLieWhereTheFormulaPutsThemAtThreeXValues() {
        const auto bands = regression::FitBands::of(regression::ModelKind::Linear, kX, kY);
        QVERIFY(bands);
        const BandPieces pieces = bandPieces(
            kGeometry, *bands, [](long double x) { return kA + kB * x; }, false);
        for (const BandsAt& expected : kBandsFromR) {
            const int column = 20 + static_cast<int>(expected.x * 30);
            QCOMPARE(rowAtColumn(pieces.confidenceLow, column), rowOf(expected.confidenceLow));
            QCOMPARE(rowAtColumn(pieces.confidenceHigh, column), rowOf(expected.confidenceHigh));
            QCOMPARE(rowAtColumn(pieces.predictionLow, column), rowOf(expected.predictionLow));
            QCOMPARE(rowAtColumn(pieces.predictionHigh, column), rowOf(expected.predictionHigh));
        }
    }

    void thePredictionBandIsWiderThanTheConfidenceBandInEveryColumn() {
        const auto bands = regression::FitBands::of(regression::ModelKind::Linear, kX, kY);
        QVERIFY(bands);
        const BandPieces pieces = bandPieces(
            kGeometry, *bands, [](long double x) { return kA + kB * x; }, false);
        const auto confidenceLow = rowsByColumn(pieces.confidenceLow);
        const auto confidenceHigh = rowsByColumn(pieces.confidenceHigh);
        const auto predictionLow = rowsByColumn(pieces.predictionLow);
        const auto predictionHigh = rowsByColumn(pieces.predictionHigh);
        QVERIFY(confidenceLow.size() > 300);
        for (const auto& [column, row] : confidenceLow) {
            QVERIFY(predictionLow.count(column) && confidenceHigh.count(column) &&
                    predictionHigh.count(column));
            // Rows grow downwards: the prediction band's edges lie outside the confidence band's.
            QVERIFY2(predictionLow.at(column) > row, qPrintable(QString::number(column)));
            QVERIFY2(predictionHigh.at(column) < confidenceHigh.at(column),
                     qPrintable(QString::number(column)));
        }
    }

    void theSwitchDrawsTheBandsInTheFitsColourIntoBothPictures() {
        projects::DataLists lists;
        fillLists(lists);
        GraphScene scene;
        scene.series.scatter = false;
        scene.options.showFunctionNames = false;
        scene.lists = &lists;
        scene.records.push_back(projects::parseRecord("Linear;Y = 2.87 + 0.495X;2.874;0.4947307692307691;"));
        regression::RegressionResult result;
        bool valid = false;
        const QColor blue(0, 0, 255);
        const QColor darkBlue(0, 0, 170); // two thirds of the fit's blue
        QCOMPARE(countColour(rasterGraph(scene, {400, 300}, result, valid), darkBlue), 0);
        scene.bands = true;
        const QImage withBands = rasterGraph(scene, {400, 300}, result, valid);
        const int confidencePixels = countColour(withBands, darkBlue);
        QVERIFY(confidencePixels > 200);
        // The sparser prediction dashes are in the fit's own blue, beside the solid curve.
        QVERIFY(countColour(withBands, blue) > 500);

        auto vector = vectorGraph(scene, {400, 300}, result);
        QVERIFY(vector);
        QImage replayed(400, 300, QImage::Format_RGB32);
        replayed.fill(Qt::white);
        {
            QPainter painter(&replayed);
            vector->draw(painter);
        }
        QVERIFY(countColour(replayed, darkBlue) > 200);
    }
};

QTEST_MAIN(BandDrawingTest)
#include "BandDrawingTest.moc"
