#include "FrameFixture.h"
#include "appkit/ProgramSetup.h"
#include "graph/TGraphWindow.h"
#include "plotter/QuorraCommandLine.h"
#include "tests/support/ProgramRun.h"

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
