#include "controls/WaitPointer.h"

#include <QApplication>

namespace controls {

bool ShowBusyPointer() {
    if (QApplication::overrideCursor())
        return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    return true;
}

void ShowNormalPointer() {
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

WaitPointer::WaitPointer() : m_putUp(ShowBusyPointer()) {}

WaitPointer::~WaitPointer() {
    if (m_putUp)
        ShowNormalPointer();
}

} // namespace controls
