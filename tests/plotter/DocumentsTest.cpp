#include "FrameFixture.h"
#include "graph/TGraphWindow.h"
#include "tests/common/FullDisk.h"

#include <QMimeData>
#include <QRegularExpression>
#include <QUrl>

namespace {

QStringList plottedIntegrals(TMDIFrame& frame) {
    QStringList texts;
    for (const std::string& text : frame.graphWindow()->graph().plottedIntegrals())
        texts.append(QString::fromStdString(text));
    return texts;
}

// The section names of an INI file in the order they appear.
QStringList sectionsOf(const std::filesystem::path& file) {
    QStringList sections;
    const QRegularExpression header(QStringLiteral("^\\[(.*)\\]$"), QRegularExpression::MultilineOption);
    auto matches = header.globalMatch(QString::fromStdString(TempFolder::read(file)));
    while (matches.hasNext())
        sections.append(matches.next().captured(1));
    return sections;
}

QString fileName(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

} // namespace

class DocumentsTest : public QObject {
    Q_OBJECT
private slots:
    void saveAsWritesAQorFileWhateverExtensionWasTypedAndSaveGoesBackToIt() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        fixture.typeAndEnter(QStringLiteral("x^2"));
        fixture.interaction.fileAnswers.push_back(fileName(fixture.folder / "curve.txt"));
        fixture.trigger(CommandId::SaveAs);

        QCOMPARE(fixture.interaction.fileChoices.size(), std::size_t(1));
        QCOMPARE(fixture.interaction.fileChoices[0].defaultSuffix, QStringLiteral("qor"));
        QVERIFY(fixture.interaction.fileChoices[0].filter.startsWith(QStringLiteral("Graph File (*.QOR")));
        QVERIFY(!std::filesystem::exists(fixture.folder / "curve.txt"));
        const std::filesystem::path saved = fixture.folder / "curve.QOR";
        QVERIFY(std::filesystem::exists(saved));
        QCOMPARE(frame.windowTitle(), QStringLiteral("Quorra - curve.QOR"));
        QCOMPARE(sectionsOf(saved), QStringList({"MainMode", "AxisText", "ZoomFactor", "Font", "Angles",
                                                 "Options", "Range", "Functions"}));

        fixture.typeAndEnter(QStringLiteral("sin(x)"));
        fixture.trigger(CommandId::Save);
        QCOMPARE(fixture.interaction.fileChoices.size(), std::size_t(1));
        const common::IniFile document(saved);
        QCOMPARE(document.readInteger("Functions", "Count", 0), 2);
        QCOMPARE(document.readString("Functions", "F1", ""), std::string("x^2"));
        QCOMPARE(document.readString("Functions", "F2", ""), std::string("sin(x)"));
        QCOMPARE(document.readString("MainMode", "Mode", ""), std::string("F"));
        QCOMPARE(frame.windowTitle(), QStringLiteral("Quorra - curve.QOR"));
    }

    void saveWithoutADocumentAsksForANameAndCancelWritesNothing() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        fixture.trigger(CommandId::Save);
        QCOMPARE(fixture.interaction.fileChoices.size(), std::size_t(1));
        QVERIFY(frame.documentFileName().isEmpty());
        QCOMPARE(frame.windowTitle(), QStringLiteral("Quorra - Untitled"));
    }

    void saveAfterOpenWritesBackToTheOpenedFile() {
        FrameFixture fixture;
        const std::filesystem::path opened = fixture.folder / "mine.qor";
        TempFolder::write(opened, "[MainMode]\nMode=F\n[Functions]\nCount=1\nF1=x+1\n");
        TMDIFrame& frame = fixture.start();
        fixture.interaction.fileAnswers.push_back(fileName(opened));
        fixture.trigger(CommandId::Open);
        QCOMPARE(frame.windowTitle(), QStringLiteral("Quorra - mine.qor"));
        QCOMPARE(plottedFunctionTexts(frame), QStringList({"x+1"}));

        fixture.typeAndEnter(QStringLiteral("2x"));
        fixture.trigger(CommandId::Save);
        QCOMPARE(fixture.interaction.fileChoices.size(), std::size_t(1));
        const common::IniFile document(opened);
        QCOMPARE(document.readInteger("Functions", "Count", 0), 2);
        QCOMPARE(document.readString("Functions", "F2", ""), std::string("2x"));
        QVERIFY(!std::filesystem::exists(fixture.folder / "mine.QOR"));
    }

    void aDroppedDocumentOpensAsOpenDoesAndADroppedTextIsPlotted() {
        FrameFixture fixture;
        const std::filesystem::path dropped = fixture.folder / "dropped.QOR";
        TempFolder::write(dropped, "[MainMode]\nMode=F\n[Functions]\nCount=1\nF1=x+3\n");
        TMDIFrame& frame = fixture.start();
        const auto drop = [](QWidget* target, QMimeData& data) {
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &enter);
            QDropEvent event(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &event);
            return enter.isAccepted();
        };
        QMimeData picture;
        picture.setUrls({QUrl::fromLocalFile(fileName(fixture.folder / "graph.png"))});
        QVERIFY(!drop(&frame, picture));
        QMimeData document;
        document.setUrls({QUrl::fromLocalFile(fileName(dropped))});
        QVERIFY(drop(&frame, document));
        QCOMPARE(frame.windowTitle(), QStringLiteral("Quorra - dropped.QOR"));
        QCOMPARE(plottedFunctionTexts(frame), QStringList({"x+3"}));

        QMimeData text;
        text.setText(QStringLiteral("sin(x)\n"));
        QVERIFY(drop(frame.entryBox()->lineEdit(), text));
        QCOMPARE(plottedFunctionTexts(frame), QStringList({"x+3", "sin(x)"}));
        QCOMPARE(frame.entryList().front(), QStringLiteral("sin(x)"));
    }

    void integralsSavedOverAFunctionDocumentReopenAsIntegralsOnly() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        const std::filesystem::path path = fixture.folder / "both.QOR";
        fixture.typeAndEnter(QStringLiteral("x^3"));
        fixture.interaction.fileAnswers.push_back(fileName(path));
        fixture.trigger(CommandId::SaveAs);

        fixture.trigger(CommandId::IntegralMode);
        fixture.typeAndEnter(QStringLiteral("x^2;0;1"));
        QCOMPARE(plottedIntegrals(frame), QStringList({"x^2;0;1"}));
        fixture.trigger(CommandId::Save);
        const common::IniFile document(path);
        QCOMPARE(document.readString("MainMode", "Mode", ""), std::string("I"));
        QCOMPARE(document.readString("Functions", "F1", ""), std::string("x^3"));
        QCOMPARE(document.readString("Integrals", "I1", ""), std::string("x^2;0;1"));

        fixture.trigger(CommandId::FunctionMode);
        fixture.typeAndEnter(QStringLiteral("cos(x)"));
        fixture.interaction.fileAnswers.push_back(fileName(path));
        fixture.trigger(CommandId::Open);
        QCOMPARE(frame.mode(), QChar('I'));
        QCOMPARE(plottedIntegrals(frame), QStringList({"x^2;0;1"}));
        QVERIFY(plottedFunctionTexts(frame).isEmpty());
        QVERIFY2(frame.logWindow()->lines().join('\n').contains(QStringLiteral("x^2;0;1")),
                 "the reopened integral's value is logged");
        QCOMPARE(frame.entryList().first(), QStringLiteral("x^2;0;1"));
    }

    void reopenedFunctionsMoveToTheTopOfTheHistoryWithoutDuplicatesOrLosingTypedOnes() {
        FrameFixture fixture;
        const std::filesystem::path path = fixture.folder / "doc.QOR";
        TempFolder::write(path, "[MainMode]\nMode=F\n[Functions]\nCount=2\nF1=SIN(X)\nF2=x^2\n");
        TMDIFrame& frame = fixture.start();
        fixture.typeAndEnter(QStringLiteral("x^2"));
        fixture.typeAndEnter(QStringLiteral("sin(x)"));
        fixture.typeAndEnter(QStringLiteral("3x"));
        fixture.interaction.fileAnswers.push_back(fileName(path));
        fixture.trigger(CommandId::Open);
        QCOMPARE(frame.entryList(), QStringList({"x^2", "SIN(X)", "3x"}));
        QCOMPARE(plottedFunctionTexts(frame), QStringList({"SIN(X)", "x^2"}));
    }

    void openedRangeIsShownButTheGraphKeepsItsRangeUntilApplied() {
        FrameFixture fixture;
        const std::filesystem::path path = fixture.folder / "range.QOR";
        TempFolder::write(path, "[MainMode]\nMode=F\n[Range]\nCells[1,0]=-5\nCells[1,1]=5\nCells[1,2]=1\n"
                                "Cells[1,3]=-4\nCells[1,4]=4\nCells[1,5]=2\n");
        TMDIFrame& frame = fixture.start();
        const common::GraphRange before = frame.graphWindow()->graph().range();
        fixture.interaction.fileAnswers.push_back(fileName(path));
        fixture.trigger(CommandId::Open);
        QCOMPARE(frame.rangeWindow()->rangeTexts(), common::RangeTexts({"-5", "5", "1", "-4", "4", "2"}));
        QCOMPARE(double(frame.graphWindow()->graph().range().Xmin), double(before.Xmin));
        QCOMPARE(double(frame.graphWindow()->graph().range().Ymax), double(before.Ymax));
        frame.rangeWindow()->applyRange();
        QCOMPARE(double(frame.graphWindow()->graph().range().Xmin), -5.0);
        QCOMPARE(double(frame.graphWindow()->graph().range().Ystep), 2.0);
    }

    void unusualModesAndMissingKeysReadSafely() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        // An empty mode reads as function mode, and a count larger than the texts skips the gaps.
        const std::filesystem::path empty = fixture.folder / "empty.QOR";
        TempFolder::write(empty, "[MainMode]\nMode=\n[Functions]\nCount=5\nF1=x\n");
        fixture.interaction.fileAnswers.push_back(fileName(empty));
        fixture.trigger(CommandId::Open);
        QCOMPARE(frame.mode(), QChar('F'));
        QCOMPARE(plottedFunctionTexts(frame), QStringList({"x"}));
        QVERIFY(fixture.interaction.dialogsShown.isEmpty());
        QVERIFY(!frame.entryList().contains(QString()));

        // Another mode character loads the settings and the range and nothing else.
        const std::filesystem::path other = fixture.folder / "other.QOR";
        TempFolder::write(
            other, "[MainMode]\nMode=Xylophone\n[Options]\nShowGrid=0\n[Functions]\nCount=1\nF1=x^2\n");
        fixture.interaction.fileAnswers.push_back(fileName(other));
        fixture.trigger(CommandId::Open);
        QCOMPARE(frame.mode(), QChar('X'));
        QVERIFY(!frame.command(CommandId::ShowGrid)->isChecked());
        QCOMPARE(plottedFunctionTexts(frame), QStringList({"x"}));
        QCOMPARE(frame.rangeWindow()->rangeTexts(), common::RangeTexts({"0", "0", "0", "0", "0", "0"}));

        // A zoom factor that is not a number stops the reading with the conversion message.
        const std::filesystem::path bad = fixture.folder / "bad.QOR";
        TempFolder::write(bad, "[MainMode]\nMode=F\n[ZoomFactor]\nX=two\n[Functions]\nCount=1\nF1=x^5\n");
        fixture.interaction.fileAnswers.push_back(fileName(bad));
        fixture.trigger(CommandId::Open);
        QCOMPARE(fixture.interaction.errors, QStringList({"'two' is not a valid floating point value"}));
        QVERIFY(!plottedFunctionTexts(frame).contains(QStringLiteral("x^5")));
    }

    void aDocumentThatCannotBeWrittenIsReportedAndKeepsTheOldName() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        fixture.typeAndEnter(QStringLiteral("x"));
        fixture.interaction.fileAnswers.push_back(fileName(fixture.folder / "missing" / "doc.txt"));
        fixture.trigger(CommandId::SaveAs);
        QCOMPARE(fixture.interaction.errors.size(), 1);
        QVERIFY2(fixture.interaction.errors[0].contains(QStringLiteral("No such file or directory")),
                 qPrintable(fixture.interaction.errors[0]));
        QVERIFY(frame.documentFileName().isEmpty());
        QCOMPARE(frame.windowTitle(), QStringLiteral("Quorra - Untitled"));

        // A full disk leaves the previous document exactly as it was.
        const std::filesystem::path previous = fixture.folder / "previous.QOR";
        const std::string before = "[MainMode]\nMode=F\n[Functions]\nCount=1\nF1=old\n";
        TempFolder::write(previous, before);
        fixture.interaction.fileAnswers.push_back(fileName(previous));
        fixture.trigger(CommandId::Open);
        fixture.typeAndEnter(QStringLiteral("x^2+x^3+x^4+x^5"));
        {
            const FullDisk full(before.size() + 8);
            fixture.trigger(CommandId::Save);
        }
        QCOMPARE(fixture.interaction.errors.size(), 2);
        QCOMPARE(TempFolder::read(previous), before);

        // Writing over a folder fails the same way and leaves it a folder.
        std::filesystem::create_directory(fixture.folder / "taken.QOR");
        fixture.interaction.fileAnswers.push_back(fileName(fixture.folder / "taken.QOR"));
        fixture.trigger(CommandId::SaveAs);
        QCOMPARE(fixture.interaction.errors.size(), 3);
        QVERIFY(std::filesystem::is_directory(fixture.folder / "taken.QOR"));
    }

    void fileDialogsStartWhereTheLastFileOfTheirKindWasChosenAlsoAfterARestart() {
        FrameFixture fixture;
        fixture.start();
        fixture.typeAndEnter(QStringLiteral("x^2"));
        const std::filesystem::path pictures = fixture.folder / "pictures";
        const std::filesystem::path documents = fixture.folder / "documents";
        std::filesystem::create_directories(pictures);
        std::filesystem::create_directories(documents);
        std::vector<appkit::FileChoice>& choices = fixture.interaction.fileChoices;

        // A settings file without remembered folders opens every dialog in the working folder.
        fixture.interaction.fileAnswers.push_back(fileName(pictures / "graph.bmp"));
        fixture.trigger(CommandId::SaveAsBmpPicture);
        fixture.trigger(CommandId::SaveAsGifPicture);
        fixture.interaction.fileAnswers.push_back(fileName(documents / "graph.qor"));
        fixture.trigger(CommandId::SaveAs);
        fixture.trigger(CommandId::Open);
        QCOMPARE(choices.size(), std::size_t(4));
        QCOMPARE(choices[0].folder, QString());
        QCOMPARE(choices[1].folder, fileName(pictures));
        QCOMPARE(choices[2].folder, QString());
        QCOMPARE(choices[3].folder, fileName(documents));
        QVERIFY(std::filesystem::exists(pictures / "graph.BMP"));

        fixture.closeFrame();
        fixture.start();
        fixture.trigger(CommandId::Open);
        fixture.trigger(CommandId::SaveAsPngPicture);
        QCOMPARE(choices[4].folder, fileName(documents));
        QCOMPARE(choices[5].folder, fileName(pictures));

        // A remembered folder that is gone opens the dialog in the working folder again.
        std::filesystem::remove_all(pictures);
        fixture.trigger(CommandId::SaveAsBmpPicture);
        QCOMPARE(choices[6].folder, QString());
    }

    void newClearsTheGraphTheLogAndTheDocumentName() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        fixture.typeAndEnter(QStringLiteral("x"));
        fixture.interaction.fileAnswers.push_back(fileName(fixture.folder / "a.QOR"));
        fixture.trigger(CommandId::SaveAs);
        frame.logWindow()->appendLine(QStringLiteral("Root: x = 1"));
        fixture.trigger(CommandId::New);
        QVERIFY(plottedFunctionTexts(frame).isEmpty());
        QVERIFY(frame.logWindow()->lines().isEmpty());
        QVERIFY(frame.documentFileName().isEmpty());
        QCOMPARE(frame.windowTitle(), QStringLiteral("Quorra - Untitled"));
        QCOMPARE(frame.entryList(), QStringList({"x"}));
    }
};

QTEST_MAIN(DocumentsTest)
#include "DocumentsTest.moc"
