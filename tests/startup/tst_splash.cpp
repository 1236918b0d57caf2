// The splash window's progress bar with its real waits: the one test that waits it out.
#include "TestAppFolder.h"
#include "TestMain.h"

#include "startup/frmSplash.h"
#include "startup/modGlobal.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QTimer>

#include <ctime>

class TestSplash : public QObject {
    Q_OBJECT

private slots:
    void progressBarRunsOverEightSecondBoundaries() {
        frmSplash splash;
        splash.show();

        // Sampled from timer events, which only run while the waits hand control to the event
        // loop: what the window can repaint is what the samples see.
        struct Change {
            int value;
            qint64 at;
        };
        QList<Change> changes;
        QTimer sampler;
        connect(&sampler, &QTimer::timeout, [&] {
            const int value = splash.proBar->value();
            if (changes.isEmpty() || changes.last().value != value)
                changes.append({value, QDateTime::currentMSecsSinceEpoch()});
        });
        sampler.start(10);

        const double processorBefore = 1000.0 * double(std::clock()) / CLOCKS_PER_SEC;
        QElapsedTimer elapsed;
        elapsed.start();
        splash.RunProgressBar();
        const qint64 took = elapsed.elapsed();
        const double processorUsed = 1000.0 * double(std::clock()) / CLOCKS_PER_SEC - processorBefore;

        // Eight waits, each ending at the next change of the clock's second.
        QVERIFY2(took >= 7000 && took <= 8100, qPrintable(QString::number(took)));
        QCOMPARE(splash.proBar->minimum(), 0);
        QCOMPARE(splash.proBar->maximum(), 16);
        QCOMPARE(splash.proBar->value(), 16);

        // The bar was seen at 0, 2, ..., 14 while waiting (16 comes after the last wait).
        QList<int> seen;
        for (const Change &change : changes)
            seen << change.value;
        QCOMPARE(seen, (QList<int>{0, 2, 4, 6, 8, 10, 12, 14}));
        // Each step after the first came just after a second boundary.
        for (qsizetype i = 1; i < changes.size(); ++i)
            QVERIFY2(changes[i].at % 1000 < 150, qPrintable(QString::number(changes[i].at % 1000)));
        QVERIFY2(processorUsed < 800, qPrintable(QString::number(processorUsed)));
    }
};

BRISOLA_TEST_MAIN(TestSplash)
#include "tst_splash.moc"
