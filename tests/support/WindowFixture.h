// What every test of a window or of the program's data shares: a temporary application
// folder the program works in, the process end replaced, the shared objects released after
// the test, a window loaded and shown off screen, real clicks on list rows and headers, and
// text quoted for a seeding statement.
#pragma once

#include "TestAppFolder.h"

#include "controls/ListView.h"
#include "startup/modGlobal.h"

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTest>

class ProgramFixture {
public:
    explicit ProgramFixture(bool copyImages = false) {
        modGlobal::SetApplicationFolder(folder.path());
        modGlobal::SetProcessEnd([this](int code) { processEndCode = code; });
        if (copyImages)
            folder.copyDelivered(QStringLiteral("images"));
    }
    ~ProgramFixture() {
        modGlobal::CloseSharedRecordset();
        modGlobal::objHouse.reset();
        modGlobal::itmShared = nullptr;
        modGlobal::SetDefaultPointer();
        modGlobal::SetProcessEnd({});
        modGlobal::SetApplicationFolder(QString());
    }
    ProgramFixture(const ProgramFixture &) = delete;
    ProgramFixture &operator=(const ProgramFixture &) = delete;

    // Runs the window's load step, shows it and makes it the active window.
    template <class Window> static Window &show(Window &window) {
        window.Form_Load();
        window.show();
        QApplication::setActiveWindow(&window);
        if (!QTest::qWaitForWindowExposed(&window))
            qWarning("%s was not exposed", qPrintable(window.objectName()));
        return window;
    }

    // A text as a literal of a seeding statement.
    static QString q(const QString &text) {
        return QLatin1Char('\'') + QString(text).replace(QStringLiteral("'"), QStringLiteral("''")) +
               QLatin1Char('\'');
    }

    // The texts of one column, top to bottom.
    static QStringList column(const ListView *list, int column) {
        QStringList texts;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            texts << list->Text(i, column);
        return texts;
    }

    static int rowOf(const ListView *list, const QString &key) { return list->RowOf(key); }

    // A real mouse click on a row of a list.
    static void clickRow(ListView *list, int row) {
        list->scrollTo(list->model()->index(row, 0));
        list->horizontalScrollBar()->setValue(0);
        const QRect rect = list->RowRect(row);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(10, rect.center().y()));
        QApplication::processEvents();
    }

    // A real mouse click on a column header of a list (scrolled into view first).
    static void clickHeader(ListView *list, int column) {
        QHeaderView *header = list->header();
        list->horizontalScrollBar()->setValue(header->sectionPosition(column));
        QApplication::processEvents();
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
        QApplication::processEvents();
    }

    TestAppFolder folder;
    int processEndCode = -1;
};
