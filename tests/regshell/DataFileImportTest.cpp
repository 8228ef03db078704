#include "MainWindowFixture.h"
#include "regshell/DataFileCommands.h"
#include "regshell/ImportDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMimeData>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QUrl>
#include <QtTest>

using regshell::CommandId;

// Import Data, Undo Import, Export Data and files dropped onto Tessaly's main window.
namespace {

// QCOMPARE cannot be used inside the dialog's answer, which returns the dialog's result.
#define CHECK_IN_DIALOG(actual, expected)                                                                    \
    do {                                                                                                     \
        if (!QTest::qCompare(actual, expected, #actual, #expected, __FILE__, __LINE__))                      \
            return false;                                                                                    \
    } while (false)

const std::string Measurements = "Age;Weight;Height\r\n1,5;20;80\r\n2;24,5;90\r\n3;-3E2;100\r\n";

QString path(const std::filesystem::path& file) {
    return QString::fromStdString(file.string());
}

std::vector<std::string> column(TForm1& window, int list, int rows) {
    std::vector<std::string> cells;
    for (int row = 1; row <= rows; ++row)
        cells.emplace_back(window.dataWindow().lists().cell(list, row));
    return cells;
}

QStringList listNames(TForm1& window) {
    QStringList names;
    for (int i = 0; i < window.listSelector().count(); ++i)
        names.append(window.listSelector().itemText(i));
    return names;
}

// Closes the preview with OK, the data going into a new project or the current one.
ScriptedInteraction::DialogAnswer acceptInto(bool newProject) {
    return [newProject](QDialog& dialog) {
        auto& preview = dynamic_cast<regshell::ImportDialog&>(dialog);
        (newProject ? preview.newProjectButton() : preview.currentProjectButton())->setChecked(true);
        return preview.canAccept();
    };
}

struct ImportFixture : MainWindowFixture {
    TempFolder files;

    ImportFixture() {
        started();
        fill(1, {"7", "8"});
        fill(2, {"9", "10"});
        window->setModified(false);
    }
    std::filesystem::path write(const std::string& name, const std::string& bytes) {
        TempFolder::write(files / name, bytes);
        return files / name;
    }
    void importFile(const std::filesystem::path& file) {
        interaction.fileAnswers.push_back(path(file));
        trigger(CommandId::ImportData);
    }
};

} // namespace

class DataFileImportTest : public QObject {
    Q_OBJECT
private slots:
    void importIntoTheCurrentProjectReplacesItsListsAfterYesAndUndoPutsThemBack() {
        ImportFixture fixture;
        const auto file = fixture.write("growth.csv", Measurements);
        TForm1& window = *fixture.window;

        // No: nothing changes.
        fixture.interaction.dialogAnswers.push_back(acceptInto(false));
        fixture.interaction.yesNoAnswers.push_back(false);
        fixture.importFile(file);
        QCOMPARE(fixture.interaction.questions.size(), 1);
        QCOMPARE(column(window, 1, 2), (std::vector<std::string>{"7", "8"}));
        QVERIFY(!window.store().modified());
        QVERIFY(!window.action(CommandId::UndoImport).isEnabled());

        fixture.interaction.dialogAnswers.push_back(acceptInto(false));
        fixture.interaction.yesNoAnswers.push_back(true);
        fixture.importFile(file);
        QCOMPARE(fixture.interaction.dialogsShown, (QStringList{"ImportDialog", "ImportDialog"}));
        QCOMPARE(window.dataWindow().lists().variableCount(), 2);
        QCOMPARE(column(window, 1, 3), (std::vector<std::string>{"1.5", "2", "3"}));
        QCOMPARE(column(window, 2, 3), (std::vector<std::string>{"20", "24.5", "-3E2"}));
        QCOMPARE(column(window, 3, 3), (std::vector<std::string>{"80", "90", "100"}));
        QCOMPARE(listNames(window), (QStringList{"Age", "Weight", "Height"}));
        QCOMPARE(window.dataWindow().lists().header(2), "X2: Weight");
        QVERIFY(window.store().modified());
        QVERIFY(!window.action(CommandId::Linear).isEnabled()); // two X lists
        QVERIFY(fixture.interaction.messages.isEmpty());

        QVERIFY(window.action(CommandId::UndoImport).isEnabled());
        fixture.trigger(CommandId::UndoImport);
        QCOMPARE(window.dataWindow().lists().variableCount(), 1);
        QCOMPARE(column(window, 1, 2), (std::vector<std::string>{"7", "8"}));
        QCOMPARE(column(window, 2, 2), (std::vector<std::string>{"9", "10"}));
        QCOMPARE(listNames(window), (QStringList{"A", "Y"}));
        QVERIFY(window.action(CommandId::Linear).isEnabled());
        QVERIFY(!window.action(CommandId::UndoImport).isEnabled());
        // The store holds the old lists too: a saved file has them.
        fixture.interaction.fileAnswers.push_back(path(fixture.files / "saved.tsy"));
        fixture.trigger(CommandId::SaveAs);
        const std::string saved = TempFolder::read(fixture.files / "saved.tsy");
        QVERIFY(saved.find("\r\n1\r\nA=7;8#\r\nY=9;10#\r\n") != std::string::npos);
    }

    void importIntoANewProjectNamesItAfterTheFileAndUndoRemovesIt() {
        ImportFixture fixture;
        TForm1& window = *fixture.window;
        const auto file = fixture.write("Project1.txt", "x y\n1 2\n3 4\n");
        fixture.interaction.dialogAnswers.push_back(acceptInto(true));
        fixture.importFile(file);
        QVERIFY(fixture.interaction.questions.isEmpty());
        // The file's name is taken already: the new project's name is made unique.
        QCOMPARE(window.store().currentProject(), std::string("Project1 2"));
        QCOMPARE(window.projectSelector().count(), 2);
        QCOMPARE(window.projectSelector().currentText(), QStringLiteral("Project1 2"));
        QCOMPARE(column(window, 1, 2), (std::vector<std::string>{"1", "3"}));
        QCOMPARE(listNames(window), (QStringList{"x", "y"}));
        QVERIFY(window.store().modified());

        fixture.trigger(CommandId::UndoImport);
        QCOMPARE(window.projectSelector().count(), 1);
        QCOMPARE(window.store().currentProject(), std::string("Project1"));
        QCOMPARE(column(window, 1, 2), (std::vector<std::string>{"7", "8"}));
    }

    void switchingProjectsEndsWhatUndoImportCanTakeBack() {
        ImportFixture fixture;
        fixture.interaction.dialogAnswers.push_back(acceptInto(true));
        fixture.importFile(fixture.write("more.csv", "a,b\n1,2\n"));
        QVERIFY(fixture.window->action(CommandId::UndoImport).isEnabled());
        fixture.window->projectSelector().setCurrentIndex(
            fixture.window->projectSelector().findText("Project1"));
        emit fixture.window->projectSelector().activated(fixture.window->projectSelector().currentIndex());
        QCOMPARE(fixture.window->store().currentProject(), std::string("Project1"));
        QVERIFY(!fixture.window->action(CommandId::UndoImport).isEnabled());
    }

    void unusableFilesAreRefusedWithTheirMessageAndTheProjectStaysAsItWas() {
        ImportFixture fixture;
        TForm1& window = *fixture.window;
        const std::vector<std::pair<std::string, std::string>> files = {
            {"binary.dat", std::string("1,2\n\0\x7f", 6)},
            {"empty.csv", ""},
            {"one.csv", "1\n2\n"},
        };
        for (const auto& [name, bytes] : files) {
            fixture.interaction.clear();
            fixture.interaction.dialogAnswers.push_back(acceptInto(false));
            fixture.interaction.yesNoAnswers.push_back(true);
            fixture.importFile(fixture.write(name, bytes));
            QCOMPARE(fixture.interaction.errors.size() + fixture.interaction.dialogsShown.size(),
                     qsizetype(1));
            QCOMPARE(column(window, 1, 2), (std::vector<std::string>{"7", "8"}));
            QCOMPARE(window.dataWindow().lists().variableCount(), 1);
            QVERIFY(!window.store().modified());
            fixture.interaction.dialogAnswers.clear();
            fixture.interaction.yesNoAnswers.clear();
        }
        fixture.interaction.clear();
        fixture.interaction.dialogAnswers.clear();
        fixture.interaction.yesNoAnswers.clear();
        fixture.importFile(fixture.files / "binary.dat");
        QCOMPARE(fixture.interaction.errors,
                 QStringList{"The file is not a text file: it holds a NUL byte."});
        QVERIFY(fixture.interaction.dialogsShown.isEmpty());

        // Too few columns: the preview says why and OK cannot be used.
        QString note;
        fixture.interaction.dialogAnswers.push_back([&note](QDialog& dialog) {
            auto& preview = dynamic_cast<regshell::ImportDialog&>(dialog);
            note = preview.summary()->text();
            return true;
        });
        fixture.importFile(fixture.files / "one.csv");
        QCOMPARE(note,
                 QStringLiteral(
                     "The file holds fewer than 2 columns; the lists need an X column and a Y column."));
        QCOMPARE(column(window, 1, 2), (std::vector<std::string>{"7", "8"}));
    }

    void thePreviewFollowsEachChangedDetectionAndMarksTexts() {
        ImportFixture fixture;
        fixture.interaction.dialogAnswers.push_back([](QDialog& dialog) {
            auto& preview = dynamic_cast<regshell::ImportDialog&>(dialog);
            // Detected: semicolons, decimal comma, a header.
            CHECK_IN_DIALOG(preview.separatorBox()->currentIndex(), 1);
            CHECK_IN_DIALOG(preview.decimalBox()->currentIndex(), 1);
            CHECK_IN_DIALOG(preview.headerBox()->isChecked(), true);
            CHECK_IN_DIALOG(preview.table()->rowCount(), 3);
            CHECK_IN_DIALOG(preview.table()->item(0, 0)->text(), QStringLiteral("1.5"));
            CHECK_IN_DIALOG(preview.table()->horizontalHeaderItem(1)->text(), QStringLiteral("X2: Weight"));
            CHECK_IN_DIALOG(preview.summary()->text(), QStringLiteral("3 rows, 3 columns."));
            // With "." the decimal commas are texts, marked and named.
            preview.decimalBox()->setCurrentIndex(0);
            CHECK_IN_DIALOG(preview.table()->item(0, 0)->text(), QStringLiteral("1,5"));
            CHECK_IN_DIALOG(preview.table()->item(0, 0)->background().color() != QColor(Qt::white), true);
            CHECK_IN_DIALOG(
                preview.summary()->text(),
                QStringLiteral("3 rows, 3 columns. Row 1, column 1 is not a number: '1,5'. It is imported "
                               "as text, to be mended in the lists."));
            preview.decimalBox()->setCurrentIndex(1);
            // Without a header the names are data.
            preview.headerBox()->setChecked(false);
            CHECK_IN_DIALOG(preview.table()->rowCount(), 4);
            CHECK_IN_DIALOG(preview.table()->item(0, 2)->text(), QStringLiteral("Height"));
            preview.headerBox()->setChecked(true);
            // Y is the first column, X1 the last.
            preview.xCountBox()->setValue(1);
            preview.columnBox(0)->setCurrentIndex(2);
            preview.columnBox(5)->setCurrentIndex(0);
            CHECK_IN_DIALOG(preview.canAccept(), true);
            preview.columnBox(0)->setCurrentIndex(0);
            CHECK_IN_DIALOG(preview.canAccept(), false); // one column cannot be both
            preview.columnBox(0)->setCurrentIndex(2);
            preview.currentProjectButton()->setChecked(true);
            return true;
        });
        fixture.interaction.yesNoAnswers.push_back(true);
        fixture.importFile(fixture.write("m.csv", Measurements));
        TForm1& window = *fixture.window;
        QCOMPARE(listNames(window), (QStringList{"Height", "Age"}));
        QCOMPARE(column(window, 1, 3), (std::vector<std::string>{"80", "90", "100"}));
        QCOMPARE(column(window, 2, 3), (std::vector<std::string>{"1.5", "2", "3"}));
    }

    void textCellsAreImportedAsTextAndNamed() {
        ImportFixture fixture;
        fixture.interaction.dialogAnswers.push_back(acceptInto(false));
        fixture.interaction.yesNoAnswers.push_back(true);
        std::string text = "t,v\n";
        for (int i = 1; i <= 30; ++i)
            text += std::to_string(i) + "," + (i == 25 ? std::string("n/a") : std::to_string(i)) + "\n";
        fixture.importFile(fixture.write("logger.csv", text));
        QCOMPARE(fixture.window->dataWindow().lists().cell(2, 25), "n/a");
        QCOMPARE(fixture.interaction.messages, (QStringList{"Row 25, column 2 is not a number: 'n/a'. It is "
                                                            "imported as text, to be mended in the lists."}));
    }

    void exportedListsImportAsTheSameCells() {
        ImportFixture fixture;
        TForm1& window = *fixture.window;
        fixture.fill(1, {"-1.5", "", "2E-3"});
        fixture.fill(2, {"4", "5", "x, y"});
        for (const char* name : {"out.csv", "out.tsv"}) {
            fixture.interaction.fileAnswers.push_back(path(fixture.files / name));
            fixture.trigger(CommandId::ExportData);
        }
        QCOMPARE(TempFolder::read(fixture.files / "out.csv"),
                 std::string("A,Y\r\n-1.5,4\r\n,5\r\n2E-3,\"x, y\"\r\n"));
        QCOMPARE(TempFolder::read(fixture.files / "out.tsv"),
                 std::string("A\tY\r\n-1.5\t4\r\n\t5\r\n2E-3\tx, y\r\n"));
        for (const char* name : {"out.csv", "out.tsv"}) {
            fixture.interaction.dialogAnswers.push_back(acceptInto(true));
            fixture.importFile(fixture.files / name);
            QCOMPARE(column(window, 1, 3), (std::vector<std::string>{"-1.5", "", "2E-3"}));
            QCOMPARE(column(window, 2, 3), (std::vector<std::string>{"4", "5", "x, y"}));
            QCOMPARE(listNames(window), (QStringList{"A", "Y"}));
        }
    }

    void aDataFileOnTheCommandLineStartsAnUntitledFileWithItsProject() {
        TempFolder files;
        TempFolder::write(files / "heights.csv", "Age,Height\n1,80\n2,90\n");
        const auto start = [&](TForm1& window) {
            window.setStartData(projects::importColumnTextFile(files / "heights.csv", '.'),
                                regshell::newProjectName(window.store(), path(files / "heights.csv")));
        };
        MainWindowFixture fixture("[StartWizard]\nStartupWizard=1\n", "English", {}, start);
        QVERIFY(fixture.started());
        QVERIFY(fixture.interaction.dialogsShown.isEmpty()); // neither the Start Wizard nor the preview
        TForm1& window = *fixture.window;
        QCOMPARE(window.store().fileName(), std::filesystem::path("Untitled"));
        QCOMPARE(window.store().projectNames(), (std::vector<std::string>{"heights"}));
        QCOMPARE(listNames(window), (QStringList{"Age", "Height"}));
        QCOMPARE(column(window, 2, 2), (std::vector<std::string>{"80", "90"}));
        QVERIFY(window.store().modified());
    }

    void aFileDroppedOntoTheWindowOpensThePreview() {
        ImportFixture fixture;
        TForm1& window = *fixture.window;
        const auto file = fixture.write("dropped.tsv", "p\tq\n5\t6\n");
        auto drop = [&](QWidget* target, const std::filesystem::path& dropped) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(path(dropped))});
            QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &enter);
            QDropEvent event(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &event);
            return enter.isAccepted();
        };
        fixture.interaction.dialogAnswers.push_back(acceptInto(true));
        QVERIFY(drop(&window, file));
        QCOMPARE(fixture.interaction.dialogsShown, QStringList{"ImportDialog"});
        QCOMPARE(window.store().currentProject(), std::string("dropped"));
        QCOMPARE(column(window, 2, 1), (std::vector<std::string>{"6"}));

        // The Data window takes the same drops.
        fixture.interaction.dialogAnswers.push_back(acceptInto(true));
        QVERIFY(drop(&window.dataWindow(), file));
        QCOMPARE(window.store().currentProject(), std::string("dropped 2"));

        // Other files are not taken.
        QVERIFY(!drop(&window, fixture.write("picture.png", "x")));
        QCOMPARE(fixture.interaction.dialogsShown.size(), qsizetype(2));

        // A project file is opened as Open opens it, after asking to save changes.
        fixture.interaction.fileAnswers.push_back(path(fixture.files / "kept.tsy"));
        fixture.trigger(CommandId::SaveAs);
        fixture.fill(1, {"99"});
        window.setModified(true);
        fixture.interaction.questions.clear();
        fixture.interaction.yesNoAnswers.push_back(false);
        QVERIFY(drop(&window, fixture.files / "kept.tsy"));
        QCOMPARE(fixture.interaction.questions, QStringList{"Do you want to save your changes?"});
        QCOMPARE(window.store().fileName(), fixture.files / "kept.tsy");
        QVERIFY(!window.store().modified());
    }
};

QTEST_MAIN(DataFileImportTest)
#include "DataFileImportTest.moc"
