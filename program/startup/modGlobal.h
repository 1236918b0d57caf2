// Values and procedures that every window of the program shares.
#pragma once

#include <ordwen/ordwen.h>

#include <QString>

#include <functional>
#include <memory>

class QObject;
class QWidget;
class QLockFile;

namespace modGlobal {

// A row of a list, as the program holds on to it: the list and the row's key. It is
// compared, never followed: the rows of a list go at every refill.
struct ListRow {
    ListRow() = default;
    ListRow(std::nullptr_t) {}
    ListRow(const QObject *list, QString key) : list(list), key(std::move(key)) {}
    explicit operator bool() const { return list != nullptr; }
    bool operator==(const ListRow &) const = default;

    const QObject *list = nullptr;
    QString key;
};

// The shared values. All start empty.
extern ordwen::ConnectionPtr conShared;          // the report connection while a report is open
extern std::shared_ptr<ordwen::_House> objHouse; // the one data-access object of all windows
extern QString strProcedure;                     // procedure named in the start-up error message
extern ordwen::RecordsetPtr rsShared;            // the one recordset slot in use at any time
extern ListRow itmShared;                        // the list row being worked on
extern QString strOwnerName;                     // owner's first and last name
extern QString strCompany;                       // business name

// The folder that holds the program (and beside it the library, home/home.qd, images/...).
// Tests point it, and the library's, at a temporary folder with SetApplicationFolder.
QString ApplicationFolder();
void SetApplicationFolder(const QString &folder); // empty: the program's own folder again
// ApplicationFolder() + "/" + relative, e.g. AppPath("images/earth.ico").
QString AppPath(const QString &relative);

// A new House, created through the library's entry point by its class identifier; empty
// when the library refuses.
std::shared_ptr<ordwen::_House> CreateHouse();
// Replaces objHouse with a new House (what each data window does when it loads).
void NewHouse();

// Closes and releases rsShared. Harmless when it holds nothing.
void CloseSharedRecordset();

// Removes leading and trailing blanks (only the blank character) from every text box and
// rich-text box of the window.
void TrimTextBoxes(QWidget &window);
// Trims blanks only: tabs and line breaks at either end stay.
QString TrimBlanks(const QString &text);

// Waits, keeping the window alive, until the clock's seconds count has moved on by more
// than intSeconds. Always true.
bool Pause(short &intSeconds);

// The hourglass pointer over the whole program, and back to the default. Never stacked:
// setting it twice needs one restore. Work with a beginning and an end shows it through
// controls::WaitPointer instead.
void SetBusyPointer();
void SetDefaultPointer();

// Numbers typed by the user: a decimal number in the user's locale, optional leading minus,
// optional digit grouping, within single precision. Empty text is not numeric.
bool IsNumeric(const QString &text);
// The number a text reads as by the rule above; 0 for empty or unreadable text.
float ConvertNumber(const QString &text);
// A person's name as the program shows it: first name, a blank, last name.
QString FullName(const QString &firstName, const QString &lastName);

// The lock that keeps a second copy of the program from starting; released by CloseAll.
void SetInstanceLock(std::unique_ptr<QLockFile> lock);

// The help file of the program: help/ordwen.hlp below the application folder, set at start-up.
QString HelpFile();
void SetHelpFile(const QString &file);

// Closes what is open, releases the shared objects and ends the process. Tests replace the
// final step with SetProcessEnd so that their own process goes on.
void CloseAll();
void SetProcessEnd(std::function<void(int)> end); // empty: end the process for real
// Something CloseAll releases besides the shared values above, named so that registering it
// again replaces it (the report data source registers its release when it is created).
void SetCloseStep(const QString &name, std::function<void()> release); // empty release: removes it
// The status CloseAll ends the process with: 0 unless start-up failed.
void SetExitStatus(int status);
// Ends the process at once with the given status, closing nothing (or hands the status to
// the test's SetProcessEnd hook). CloseAll ends through it.
void EndProcess(int status);
// True once the process has been ended. Only under a test's hook does code run on after
// that; start-up checks it so that it stops where the real process would have ended.
// SetProcessEnd clears it.
bool ProcessEnded();

} // namespace modGlobal
