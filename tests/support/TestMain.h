// The main function of every test program: headless, with a fixed English locale so that
// numbers and dates read the same on every machine.
#pragma once

#include <QApplication>
#include <QLocale>
#include <QTest>

namespace testmain {

// Runs the test classes one after another, each to its end, in one headless application.
template <typename... Tests> int Run(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    int status = 0;
    auto runOne = [&]<typename Test>() {
        Test test;
        status |= QTest::qExec(&test, argc, argv);
    };
    (runOne.template operator()<Tests>(), ...);
    return status;
}

} // namespace testmain

// The main function of a test program of one test class, or of several run in turn.
#define BRISOLA_TEST_MAIN(...)                                                                               \
    int main(int argc, char **argv) {                                                                        \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return testmain::Run<__VA_ARGS__>(argc, argv);                                                       \
    }
