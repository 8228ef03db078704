#include "FrameFixture.h"
#include "appkit/ProgramSetup.h"
#include "graph/TGraphWindow.h"
#include "plotter/QuorraCommandLine.h"
#include "tests/support/ProgramCopy.h"
#include "tests/support/ProgramRun.h"

#include <QImage>

// The command line of math: what it prints and refuses on its own, and what the frame makes of the
// function texts and documents it is given.
namespace {

ProgramRun runMath(const QStringList& arguments) {
    return runWithoutDisplay(QStringLiteral(MATH_PROGRAM), arguments);
}

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void helpAndVersionPrintAndEndWithoutAWindow() {
        const ProgramRun help = runMath({QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.errors.isEmpty());
        for (const char* part : {"Usage:", "math [FUNCTION | DOCUMENT.QOR] ...", "--export=FILE",
                                 "--size=WIDTHxHEIGHT", "--range=XMIN,XMAX,XSTEP,YMIN,YMAX,YSTEP",
                                 "--degrees", "--help", "--version", "Examples:", "math \"sin(x)\""})
            QVERIFY2(help.output.contains(QLatin1String(part)), part);

        const ProgramRun version = runMath({QStringLiteral("sin(x)"), QStringLiteral("--version")});
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.output, QStringLiteral("Quorra 3.1\n"));
    }

    void unknownOptionsAreRefusedOnOneLineWithStatusTwo() {
        TempFolder folder;
        const QString picture = "--export=" + pathText(folder / "graph.png");
        const std::vector<std::pair<QStringList, QString>> refusals = {
            {{"--colour=red", "x"}, "Unknown option: --colour=red"},
            {{"x", "--plot"}, "Unknown option: --plot"},
            {{"--size=100x100", "x"}, "This option belongs to --export only: --size=100x100"},
            {{"--degrees", "sin(x)"}, "This option belongs to --export only: --degrees"},
            {{picture, "--colour=red", "x"}, "Unknown option: --colour=red"},
        };
        for (const auto& [arguments, message] : refusals) {
            const ProgramRun run = runMath(arguments);
            const QString trace = arguments.join(' ') + " -> " + run.errors;
            QVERIFY2(run.exitCode == 2, qPrintable(trace));
            QVERIFY2(run.errors == message + '\n', qPrintable(trace));
            QVERIFY2(run.output.isEmpty(), qPrintable(trace));
        }
        QVERIFY(!std::filesystem::exists(folder / "graph.png"));
    }

    void everyTextOfTheCommandLineIsInTheChosenLanguage() {
        ProgramCopy swedish(MATH_PROGRAM, "math.INI", "[Options]\nLanguage=Swedish\n");
        const QString program = pathText(swedish.program);
        const ProgramRun help = runWithoutDisplay(program, {QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        QVERIFY2(help.output.startsWith(QStringLiteral("Användning:\n")), qPrintable(help.output));
        QVERIFY(help.output.contains(QStringLiteral("skriver ut den här texten")));
        QVERIFY(help.output.contains(QStringLiteral("Exempel:")));
        QVERIFY2(help.errors.isEmpty(), qPrintable(help.errors));

        const ProgramRun unknown = runWithoutDisplay(program, {QStringLiteral("--colour=red")});
        QCOMPARE(unknown.exitCode, 2);
        QCOMPARE(unknown.errors, QStringLiteral("Okänt alternativ: --colour=red\n"));
        const ProgramRun misplaced =
            runWithoutDisplay(program, {QStringLiteral("--degrees"), QStringLiteral("x")});
        QCOMPARE(misplaced.errors,
                 QStringLiteral("Det här alternativet hör bara till --export: --degrees\n"));
        const ProgramRun export_ =
            runWithoutDisplay(program, {"--export=" + pathText(swedish.folder / "a.txt")});
        QCOMPARE(export_.exitCode, 1);
        QVERIFY2(export_.errors.startsWith(QStringLiteral("En bild kan exporteras som")),
                 qPrintable(export_.errors));

        // A language whose file is missing is named on standard error; the texts are then English.
        ProgramCopy missing(MATH_PROGRAM, "math.INI", "[Options]\nLanguage=Klingon\n");
        const ProgramRun fallback = runWithoutDisplay(pathText(missing.program), {QStringLiteral("--help")});
        QCOMPARE(fallback.exitCode, 0);
        QVERIFY(fallback.output.startsWith(QStringLiteral("Usage:\n")));
        QVERIFY2(fallback.errors.contains(QStringLiteral("qorKlingon.lng")), qPrintable(fallback.errors));
    }

    void anExportDrawsTheSameWhateverTheWindowLastUsed() {
        // What the window keeps in its settings file: degrees, bold lines, its own axis texts, no grid.
        ProgramCopy plain(MATH_PROGRAM, "math.INI", "");
        ProgramCopy used(MATH_PROGRAM, "math.INI",
                         "[AxisText]\nX=Zeit\nY=Weg\n[Angles]\nRadians=0\n"
                         "[Options]\nBoldLines=1\nShowGrid=0\nShowScaleText=0\n"
                         "[Font]\nSize=30\nStyleBold=1\n");
        const auto draw = [](ProgramCopy& copy, const QStringList& options) {
            const QString picture = pathText(copy.folder / "sin.png");
            const ProgramRun run =
                runWithoutDisplay(pathText(copy.program), QStringList{"--export=" + picture} + options);
            return run.exitCode == 0 ? QImage(picture) : QImage();
        };
        const QImage expected = draw(plain, {QStringLiteral("sin(x)")});
        QVERIFY(!expected.isNull());
        QCOMPARE(draw(used, {QStringLiteral("sin(x)")}), expected);
        // Its own options still change the picture.
        const QImage degrees = draw(used, {QStringLiteral("--degrees"), QStringLiteral("sin(x)")});
        QVERIFY(!degrees.isNull() && degrees != expected);
        QCOMPARE(degrees, draw(plain, {QStringLiteral("--degrees"), QStringLiteral("sin(x)")}));
    }

    void functionTextsWithALeadingMinusAreNoOptions() {
        QVERIFY(!plotter::refusedOption({"-x^2", "-sin(x)", "-", "-1"}));
        TempFolder folder;
        const ProgramRun run =
            runMath({"--export=" + pathText(folder / "graph.png"), QStringLiteral("-x^2")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(std::filesystem::file_size(folder / "graph.png") > 0);

        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        frame.plotCommandLine({QStringLiteral("-x^2"), QStringLiteral("-sin(x)")});
        QCOMPARE(plottedFunctionTexts(frame), QStringList({"-x^2", "-sin(x)"}));
        QVERIFY(fixture.interaction.errors.isEmpty());
    }

    void aDocumentNamedOnTheCommandLineOpensAsOpenDoes() {
        FrameFixture fixture;
        const std::filesystem::path document = fixture.folder / "Parabola.QOR";
        TempFolder::write(document, "[MainMode]\nMode=F\n[Functions]\nCount=2\nF1=x^2\nF2=2x+1\n");
        // The extension in any letter case; a name that is no existing file stays a function text.
        const std::filesystem::path lowerCase = fixture.folder / "line.qor";
        TempFolder::write(lowerCase, "[MainMode]\nMode=F\n[Functions]\nCount=1\nF1=3x\n");
        QVERIFY(plotter::namesDocument(pathText(document)) && plotter::namesDocument(pathText(lowerCase)));
        QVERIFY(!plotter::namesDocument(pathText(fixture.folder / "missing.qor")));
        QVERIFY(!plotter::namesDocument(pathText(fixture.folder.path())));

        TMDIFrame& frame = fixture.start();
        frame.plotCommandLine({pathText(document)});
        QCOMPARE(plottedFunctionTexts(frame), QStringList({"x^2", "2x+1"}));
        QCOMPARE(frame.documentFileName(), pathText(document));
        QVERIFY(frame.windowTitle().endsWith(QStringLiteral("Parabola.QOR")));
        QVERIFY(fixture.interaction.errors.isEmpty());
    }

    void aDamagedDocumentIsRefusedAndTheProgramGoesOn() {
        FrameFixture fixture;
        const std::filesystem::path damaged = fixture.folder / "damaged.qor";
        TempFolder::write(damaged, "[MainMode]\nMode=F\n[ZoomFactor]\nX=two\n[Functions]\nCount=1\nF1=x^5\n");
        TMDIFrame& frame = fixture.start();
        frame.plotCommandLine({pathText(damaged), QStringLiteral("x+1")});
        QCOMPARE(fixture.interaction.errors, QStringList({"'two' is not a valid floating point value"}));
        QCOMPARE(plottedFunctionTexts(frame), QStringList({"x+1"}));
        fixture.typeAndEnter(QStringLiteral("x^3"));
        QCOMPARE(plottedFunctionTexts(frame), QStringList({"x+1", "x^3"}));
    }

    void runTimeFilesAreFoundBesideTheProgramOrInItsSharedFolder() {
        TempFolder prefix;
        const std::filesystem::path bin = prefix / "bin";
        const std::filesystem::path shared = prefix / "share" / "quorra";
        std::filesystem::create_directories(bin);
        std::filesystem::create_directories(shared);
        TempFolder::write(shared / "qorEnglish.lng", "Key=Value\n");
        // An installed tree: only the shared folder holds the file, under the product's name in lower case.
        QCOMPARE(appkit::findProgramFile(bin, "Quorra", "qorEnglish.lng"), shared / "qorEnglish.lng");
        QCOMPARE(appkit::languageFolder(bin, "qor", "Quorra"), shared);
        // A build folder or portable copy: the file beside the program wins.
        TempFolder::write(bin / "qorEnglish.lng", "Key=Value\n");
        QCOMPARE(appkit::findProgramFile(bin, "Quorra", "qorEnglish.lng"), bin / "qorEnglish.lng");
        // Nowhere: the place beside the program, which a message then names.
        QCOMPARE(appkit::findProgramFile(bin, "Quorra", "Survey.txt"), bin / "Survey.txt");
    }
};

QTEST_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
