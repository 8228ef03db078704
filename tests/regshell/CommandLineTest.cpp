#include "../common/TempFolder.h"
#include "../support/PixelCount.h"
#include "../support/ProgramCopy.h"
#include "../support/ProgramRun.h"
#include "projects/DataLists.h"
#include "regression/BestCurveSearch.h"
#include "regression/DataListsInput.h"
#include "regression/FitCommands.h"
#include "translation/Translator.h"

#include <QColor>
#include <QImage>
#include <QtTest>

namespace {

// Two projects: "Heights" with one variable, its points (1,2) (2,4) (3,6) (4,8) and the record
// y = 1 + 2x; "Second" with two variables on the range -6..6, -5..5.
const char* const ProjectFile = "2\r\nHeights\r\nSecond\r\n"
                                "[Heights\r\n1\r\nAge=1;2;3;4#\r\nHeight=2;4;6;8#\r\n"
                                "[GrafHeights\r\n0;12;1;0;10;1;\r\n[AxelHeights\r\nAge\r\nHeight\r\n"
                                "[FunkHeights\r\n1\r\nLinear;y = 1 + 2x;1;2;\r\n"
                                "[Second\r\n2\r\nA=1;2;3;4;5#\r\nB=2;1;4;3;6#\r\nY=3;5;6;8;11#\r\n"
                                "[GrafSecond\r\n-6;6;1;-5;5;1;\r\n[AxelSecond\r\nX\r\nY\r\n"
                                "[FunkSecond\r\n0\r\n[Log\r\nEndOfLog\r\n";

ProgramRun runTessaly(const QStringList& arguments) {
    return runWithoutDisplay(QStringLiteral(TESSALY_PROGRAM), arguments);
}

// The log block as the engine writes it, one line each.
QString joined(const std::vector<std::string>& lines) {
    QString text;
    for (const std::string& line : lines)
        text += QString::fromStdString(line) + '\n';
    return text;
}

projects::DataLists lists(const std::vector<std::vector<std::string>>& columns,
                          const std::vector<std::string>& names) {
    projects::DataLists result;
    result.setVariableCount(int(columns.size()) - 1);
    for (int c = 1; c <= int(columns.size()); ++c) {
        result.setHeader(c, result.headerFor(c, names[c - 1]));
        for (int row = 1; row <= int(columns[c - 1].size()); ++row)
            result.setCell(c, row, columns[c - 1][row - 1]);
    }
    return result;
}

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        translation::translator().loadFile(std::string(QUORRA_LANGUAGE_SOURCE_DIR) + "/tsyEnglish.lng");
    }

    void aFitPrintsTheLogBlockTheEngineWrites() {
        TempFolder folder;
        TempFolder::write(folder / "growth.txt", "Age;Height\r\n1;2,5\r\n2;4,1\r\n3;6\r\n4;8,2\r\n5;9\r\n");
        TempFolder::write(folder / "data.tsy", ProjectFile);
        const projects::DataLists growth =
            lists({{"1", "2", "3", "4", "5"}, {"2.5", "4.1", "6", "8.2", "9"}}, {"Age", "Height"});

        regression::RegressionResult result;
        const regression::FitData fromText = regression::readFitData(growth, "growth", '.');
        ProgramRun run = runTessaly({"--fit=linear", pathText(folder / "growth.txt")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(
            run.output,
            joined(regression::fitSimpleModel(result, regression::ModelKind::Linear, fromText)->logLines));
        QVERIFY(run.output.startsWith("growth\nLINEAR REGRESSION:\n"));
        QVERIFY(run.errors.isEmpty());

        run = runTessaly({"--fit=Poly3", "--project=Plants", pathText(folder / "growth.txt")});
        const regression::FitData named = regression::readFitData(growth, "Plants", '.');
        QCOMPARE(run.output, joined(regression::fitPolynomial(result, 3, named)->logLines));

        run = runTessaly({"--fit=best", pathText(folder / "growth.txt")});
        const auto best = regression::findBestCurve(result, regression::defaultBestCurveSetup(), fromText);
        QCOMPARE(run.output, joined(best->rankingLogLines) + joined(best->winner->logLines));

        // The second project of a project file, its name matched without regard to case.
        run = runTessaly({"--project=SECOND", "--fit=multiple", pathText(folder / "data.tsy")});
        const projects::DataLists second =
            lists({{"1", "2", "3", "4", "5"}, {"2", "1", "4", "3", "6"}, {"3", "5", "6", "8", "11"}},
                  {"A", "B", "Y"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(
            run.output,
            joined(
                regression::logMultiple(result, regression::readFitData(second, "Second", '.'))->logLines));
    }

    void statisticsFollowTheFitsBlockWithTheAskedDigits() {
        TempFolder folder;
        TempFolder::write(folder / "growth.txt", "Age;Height\r\n1;2,5\r\n2;4,1\r\n3;6\r\n4;8,2\r\n5;9\r\n");
        const projects::DataLists growth =
            lists({{"1", "2", "3", "4", "5"}, {"2.5", "4.1", "6", "8.2", "9"}}, {"Age", "Height"});
        regression::RegressionResult result;
        regression::FitData data = regression::readFitData(growth, "growth", '.');
        data.context.coefficientStatistics = true;
        ProgramRun run = runTessaly({"--fit=linear", "--statistics", pathText(folder / "growth.txt")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.output,
                 joined(regression::fitSimpleModel(result, regression::ModelKind::Linear, data)->logLines));
        QVERIFY(run.output.contains("\nCOEFFICIENT STATISTICS:\n"));

        data.context.figureDigits = 19;
        run = runTessaly({"--digits=19", "--fit=poly2", "--statistics", pathText(folder / "growth.txt")});
        QCOMPARE(run.output, joined(regression::fitPolynomial(result, 2, data)->logLines));
        // Digits without statistics shorten the fit's own figures.
        run = runTessaly({"--fit=linear", "--digits=3", pathText(folder / "growth.txt")});
        QVERIFY2(run.output.contains("\nConstant = 0.83\nAge = 1.71\n"), qPrintable(run.output));
        QVERIFY(!run.output.contains("COEFFICIENT STATISTICS:"));
    }

    void anExportDrawsTheProjectIntoAFileOfItsType() {
        TempFolder folder;
        TempFolder::write(folder / "data.tsy", ProjectFile);
        const ProgramRun png =
            runTessaly({"--export=" + pathText(folder / "graph.png"), pathText(folder / "data.tsy")});
        QCOMPARE(png.exitCode, 0);
        QVERIFY(png.errors.isEmpty());
        QImage picture(pathText(folder / "graph.png"));
        QCOMPARE(picture.size(), QSize(800, 600));
        // Range 0..12 by 0..10 on 800 x 600: the plot area runs from column 20 to 780 and row 20 to
        // 580, so the point (1, 2) is the centre of a black cross at (20 + 63, 580 - 112).
        QCOMPARE(picture.pixelColor(83, 468), QColor(Qt::black));
        QCOMPARE(picture.pixelColor(78, 468), QColor(Qt::black));
        QCOMPARE(picture.pixelColor(83, 463), QColor(Qt::black));
        // The record y = 1 + 2x in the first curve colour, blue, rising from (0, 1) to (4.5, 10).
        QVERIFY(countColour(picture, QColor(0, 0, 255)) > 400);
        QCOMPARE(picture.pixelColor(20 + 190, 580 - 392), QColor(0, 0, 255)); // x = 3, y = 7

        const ProgramRun bmp =
            runTessaly({"--size=320x200", "--project=Second", "--export=" + pathText(folder / "graph.BMP"),
                        pathText(folder / "data.tsy")});
        QCOMPARE(bmp.exitCode, 0);
        QVERIFY(TempFolder::read(folder / "graph.BMP").starts_with("BM"));
        QImage small(pathText(folder / "graph.BMP"), "BMP");
        QCOMPARE(small.size(), QSize(320, 200));
        // Range -6..6: the y axis runs through the middle of the plot area, no blue curve.
        QCOMPARE(countColour(small, QColor(0, 0, 255)), 0);

        QVERIFY(runTessaly({"--export=" + pathText(folder / "graph.svg"), pathText(folder / "data.tsy")})
                    .exitCode == 0);
        const std::string svg = TempFolder::read(folder / "graph.svg");
        for (const char* text : {"<svg", "<title>Tessaly</title>", ">Age<", ">Height<", ">y = 1 + 2x<"})
            QVERIFY2(svg.find(text) != std::string::npos, text);
        QVERIFY(runTessaly({"--export=" + pathText(folder / "graph.pdf"), pathText(folder / "data.tsy")})
                    .exitCode == 0);
        QVERIFY(TempFolder::read(folder / "graph.pdf").starts_with("%PDF"));
    }

    void everyFailureExitsWithOneLineAndLeavesTheOutputFileAlone() {
        TempFolder folder;
        TempFolder::write(folder / "data.tsy", ProjectFile);
        std::string wrongRange = ProjectFile;
        wrongRange.replace(wrongRange.find("0;12;1;0;10;1;"), 14, "5;5;1;0;10;1;");
        TempFolder::write(folder / "wrong.tsy", wrongRange);
        std::string badCell = ProjectFile;
        badCell.replace(badCell.find("Height=2;4"), 10, "Height=2;z");
        TempFolder::write(folder / "cell.tsy", badCell);
        TempFolder::write(folder / "damaged.tsy", "2\r\nHeights\r\n");
        TempFolder::write(folder / "negative.txt", "1 -2\n2 3\n");
        TempFolder::write(folder / "ragged.txt", "1 2\n2 3 4\n");
        TempFolder::write(folder / "flat.txt", "1 2\n1 2\n1 2\n");
        TempFolder::write(folder / "previous.png", "previous");
        const QString project = pathText(folder / "data.tsy");
        const QString output = "--export=" + pathText(folder / "previous.png");

        const std::vector<std::pair<QStringList, QString>> failures = {
            {{output, pathText(folder / "wrong.tsy")},
             "There is wrong values in the graphtable. The graph can not be drawn."},
            {{output, pathText(folder / "cell.tsy")}, "'z' is not a valid floating point value"},
            {{output, pathText(folder / "damaged.tsy")}, "The file could not be read: "},
            {{output, pathText(folder / "missing.tsy")}, "The file could not be read: "},
            {{output, "--project=Third", project}, "The file holds no project named: Third"},
            {{output, "--size=0x100", project}, "The size must be WIDTHxHEIGHT"},
            {{output, "--size=800", project}, "The size must be WIDTHxHEIGHT"},
            {{output, "--size=10001x10", project}, "The size must be WIDTHxHEIGHT"},
            {{output, project, project}, "Name exactly one project or data file to read."},
            {{output}, "Name exactly one project or data file to read."},
            {{"--fit=linear", ""}, "A file name cannot be empty."},
            {{output, ""}, "A file name cannot be empty."},
            {{"--export=", project}, "A file name cannot be empty."},
            {{output, "--fit=linear", project}, "--export and --fit cannot be given together."},
            {{"--export=" + pathText(folder / "graph.gif"), project}, "A graph can be exported as a .png"},
            {{"--export=" + pathText(folder / "missing" / "graph.png"), project},
             "The picture could not be written: "},
            {{"--fit=cubic", project}, "Unknown model"},
            {{"--fit=linear", "--size=10x10", project}, "--size belongs to --export only."},
            {{output, "--statistics", project}, "--statistics and --digits belong to --fit only."},
            {{"--fit=linear", "--project=Second", project},
             "This model fits one X list; X lists in the data: 2"},
            {{"--fit=multiple", project}, "Multiple regression requires"},
            {{"--fit=linear", pathText(folder / "cell.tsy")}, "'z' is not a valid floating point value"},
            {{"--fit=power", pathText(folder / "negative.txt")}, "The power model requires"},
            {{"--fit=poly5", pathText(folder / "negative.txt")},
             "This model requires at least 7 points of data."},
            {{"--fit=linear", pathText(folder / "ragged.txt")}, "Wrong number of values"},
            {{"--fit=linear", pathText(folder / "flat.txt")},
             "Invalid floating point operation"}, // all X equal
        };
        for (const auto& [arguments, message] : failures) {
            const ProgramRun run = runTessaly(arguments);
            const QString trace = arguments.join(' ') + " -> " + run.errors;
            QVERIFY2(run.exitCode == 1, qPrintable(trace));
            QVERIFY2(run.errors.contains(message) && run.errors.count('\n') == 1, qPrintable(trace));
            QVERIFY2(run.output.isEmpty(), qPrintable(trace));
        }
        QCOMPARE(TempFolder::read(folder / "previous.png"), std::string("previous"));
        QVERIFY(!std::filesystem::exists(folder / "graph.gif"));
        QCOMPARE(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 8);
    }

    void aDataFileThatCannotBeImportedExitsWithOneLine() {
        TempFolder folder;
        TempFolder::write(folder / "empty.csv", "");
        std::filesystem::create_directory(folder / "runtime");
        std::filesystem::permissions(folder / "runtime", std::filesystem::perms::owner_all);
        TempFolder::write(folder / "binary.dat", std::string("1\t2\n\0", 5));
        TempFolder::write(folder / "ragged.TSV", "a\tb\n1\t2\n3\t4\t5\n");
        const std::vector<std::pair<std::string, QString>> failures = {
            {"empty.csv", "The file is empty."},
            {"binary.dat", "The file is not a text file: it holds a NUL byte."},
            {"ragged.TSV", "Line 3 holds 3 values; the other rows hold 2."},
            {"missing.txt", "Cannot open file"},
        };
        for (const auto& [file, message] : failures) {
            // The program's window would need a display; the failure comes before it appears.
            QProcess process;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), pathText(folder / "runtime"));
            process.setProcessEnvironment(environment);
            process.start(QStringLiteral(TESSALY_PROGRAM), {pathText(folder / file)});
            QVERIFY(process.waitForFinished(20000));
            const QString errors = QString::fromUtf8(process.readAllStandardError());
            QVERIFY2(process.exitCode() == 1, qPrintable(QString::fromStdString(file) + " -> " + errors));
            QVERIFY2(errors.startsWith(message) && errors.count('\n') == 1, qPrintable(errors));
        }
    }

    void aCommandLineThatIsNotUnderstoodExitsWithStatusTwo() {
        TempFolder folder;
        TempFolder::write(folder / "data.tsy", ProjectFile);
        const QString project = pathText(folder / "data.tsy");
        const QString output = "--export=" + pathText(folder / "graph.png");
        const std::vector<std::pair<QStringList, QString>> refusals = {
            {{"--colour=red"}, "Unknown option: --colour=red"},
            {{project, "--open"}, "Unknown option: --open"},
            {{output, "--colour=red", project}, "Unknown option: --colour=red"},
            {{"--project=Heights", project}, "This option belongs to --export or --fit: --project=Heights"},
            {{project, project}, "Name at most one project file to open."},
            {{"--fit=linear", "--digits=0", project},
             "The number of digits must be a whole number from 1 to 19: 0"},
            {{"--fit=linear", "--digits=20", project},
             "The number of digits must be a whole number from 1 to 19: 20"},
            {{"--fit=linear", "--digits=ten", project},
             "The number of digits must be a whole number from 1 to 19: ten"},
        };
        for (const auto& [arguments, message] : refusals) {
            const ProgramRun run = runTessaly(arguments);
            const QString trace = arguments.join(' ') + " -> " + run.errors;
            QVERIFY2(run.exitCode == 2, qPrintable(trace));
            QVERIFY2(run.errors == message + '\n', qPrintable(trace));
            QVERIFY2(run.output.isEmpty(), qPrintable(trace));
        }
        QVERIFY(!std::filesystem::exists(folder / "graph.png"));
    }

    void versionPrintsTheProductAndItsVersion() {
        const ProgramRun run = runTessaly({"--version"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.output, QStringLiteral("Tessaly 3.1\n"));
        QVERIFY(run.errors.isEmpty());
    }

    void everyTextOfTheCommandLineIsInTheChosenLanguage() {
        ProgramCopy swedish(TESSALY_PROGRAM, "tessaly.ini", "[Options]\nLanguage=Swedish\n");
        const QString program = pathText(swedish.program);
        const ProgramRun help = runWithoutDisplay(program, {"--help"});
        QCOMPARE(help.exitCode, 0);
        QVERIFY2(help.output.startsWith(QStringLiteral("Användning:\n")), qPrintable(help.output));
        QVERIFY(help.output.contains(QStringLiteral("Exempel:")));
        QVERIFY2(help.errors.isEmpty(), qPrintable(help.errors));
        const ProgramRun unknown = runWithoutDisplay(program, {"--colour=red", "data.txt"});
        QCOMPARE(unknown.exitCode, 2);
        QCOMPARE(unknown.errors, QStringLiteral("Okänt alternativ: --colour=red\n"));
        const ProgramRun unreadable =
            runWithoutDisplay(program, {"--fit=linear", pathText(swedish.folder / "none.txt")});
        QCOMPARE(unreadable.exitCode, 1);
        QVERIFY2(unreadable.errors.startsWith(QStringLiteral("Filen kunde inte läsas: ")),
                 qPrintable(unreadable.errors));
        const ProgramRun unnamed = runWithoutDisplay(program, {"--fit=linear", ""});
        QCOMPARE(unnamed.exitCode, 1);
        QCOMPARE(unnamed.errors, QStringLiteral("Ett filnamn kan inte vara tomt.\n"));
    }

    void helpPrintsTheUsageOfBothOptions() {
        const ProgramRun run = runTessaly({"--help"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(
            run.output.contains("tessaly --export=FILE [--size=WIDTHxHEIGHT] [--project=NAME] PROJECTFILE"));
        QVERIFY(run.output.contains("tessaly --fit=MODEL [--project=NAME] DATAFILE"));
        for (const char* part : {"tessaly [PROJECTFILE | DATAFILE]", "tessaly --help | --version",
                                 "Examples:", "tessaly --fit=best measurements.txt"})
            QVERIFY2(run.output.contains(QLatin1String(part)), part);
        QVERIFY(run.errors.isEmpty());
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
