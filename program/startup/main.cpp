// The program brisola: start-up, then the main window's event loop until CloseAll ends it.
#include "startup/modGlobal.h"
#include "startup/modMain.h"
#include "tools/ProcessMemory.h"

#include <QApplication>

int main(int argc, char **argv) {
    tools::ReturnLargeBlocksWhenFreed();
    QApplication app(argc, argv);
    modMain::Main();
    app.exec();
    // Nothing in the program quits the event loop; should it end all the same, the process
    // still ends the one way it always does.
    modGlobal::CloseAll();
    return 0;
}
