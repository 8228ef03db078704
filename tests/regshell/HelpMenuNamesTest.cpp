#include "../support/HelpMenuNames.h"
#include "MainWindowFixture.h"

#include <QMenuBar>

// The help files name menus and commands exactly as the menus of their language do.
class HelpMenuNamesTest : public QObject {
    Q_OBJECT
private slots:
    void helpFilesNameMenusAndCommandsAsTheMenusOfTheirLanguage() {
        for (const char* language : {"English", "Swedish"}) {
            MainWindowFixture fixture("[StartWizard]\nStartupWizard=0\n", language);
            QVERIFY(fixture.started());
            const QString helpFile =
                QStringLiteral(QUORRA_LANGUAGE_SOURCE_DIR "/tsy%1.html").arg(QLatin1String(language));
            const QStringList missing =
                help_menu_names::pathsMissingFromMenus(helpFile, *fixture.window->menuBar());
            QVERIFY2(missing.isEmpty(), qPrintable(helpFile + ": " + missing.join(QStringLiteral(" | "))));
        }
    }
};

QTEST_MAIN(HelpMenuNamesTest)
#include "HelpMenuNamesTest.moc"
