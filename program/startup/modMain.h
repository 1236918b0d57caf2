// The program's entry: the start-up checks, the first-use profile, the splash window and the
// main window, and what start-up does when it fails.
#pragma once

#include <QString>

class frmOrdwen;

namespace modMain {

// Starts the program. Returns with the main window shown, or after the process was ended
// (a second copy, no database, a failed start); under a test's process-end hook it returns
// where the real process would have ended.
void Main();

// True when home/home.qd exists below the application folder, which it makes the current
// folder. A test that cannot look (the folder cannot be searched) counts as found: the read
// that follows then says what is wrong.
bool DatabaseExists();

// Reads the stored business profile into strOwnerName and strCompany; with none stored, asks
// for it in the first-use window.
void LoadOwnerProfile();

// The failure path of start-up: 53 (file not found) and 75 (path/file access error) are
// passed over silently and give true (start-up goes on); anything else is logged, shown and
// gives false (start-up stops).
bool HandleMainError(int number, const QString &description);

// Appends the start-up form of an entry to error.log in the application folder, creating the
// file with its header when it is missing.
void WriteMainErrorLog(int number, const QString &description);

// The lock file that marks a running copy of the program in this application folder. It is
// released when the process ends, also after a crash.
QString InstanceLockPath();

// The main window Main loaded (null before, and once it is deleted).
frmOrdwen *MainWindow();

} // namespace modMain
