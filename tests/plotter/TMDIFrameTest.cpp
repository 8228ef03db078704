#include "plotter/TMDIFrame.h"

#include <QApplication>
#include <QMdiArea>
#include <QtTest>

class TMDIFrameTest : public QObject {
    Q_OBJECT
private slots:
    void showsAFrameTitledQuorraAndClosesCleanly() {
        auto* frame = new TMDIFrame;
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        QCOMPARE(frame->windowTitle(), QStringLiteral("Quorra"));
        QVERIFY(frame->mdiArea() != nullptr);
        QVERIFY(frame->close());
        delete frame;
    }
};

QTEST_MAIN(TMDIFrameTest)
#include "TMDIFrameTest.moc"
