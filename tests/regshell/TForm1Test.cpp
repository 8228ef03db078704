#include "regshell/TForm1.h"

#include <QApplication>
#include <QMdiArea>
#include <QtTest>

class TForm1Test : public QObject {
    Q_OBJECT
private slots:
    void showsAWindowTitledTessalyAndClosesCleanly() {
        auto* window = new TForm1;
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->windowTitle(), QStringLiteral("Tessaly"));
        QVERIFY(window->mdiArea() != nullptr);
        QVERIFY(window->close());
        delete window;
    }
};

QTEST_MAIN(TForm1Test)
#include "TForm1Test.moc"
