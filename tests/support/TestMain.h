// The main function of every test program: headless, with a fixed English locale so that
// numbers and dates read the same on every machine.
#pragma once

#include <QApplication>
#include <QLocale>
#include <QTest>

#define BRISOLA_TEST_MAIN(TestClass)                                                                         \
    int main(int argc, char **argv) {                                                                        \
        qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")            \
                                                                        : qgetenv("QT_QPA_PLATFORM"));       \
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));                               \
        QApplication app(argc, argv);                                                                        \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                             \
        TestClass test;                                                                                      \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
