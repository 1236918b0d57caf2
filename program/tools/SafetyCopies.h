// Safety copies of the records: one a day in home/backup/home-YYYY-MM-DD.qd, made at the
// first start of the day and kept for the 30 newest days, and the restore of a chosen copy
// over home/home.qd. A restore first copies the records as they are aside, to
// home/backup/before-restore-YYYY-MM-DD-HHmmss.qd, so that it can itself be undone.
#pragma once

#include "tools/DatabaseFile.h"

#include <ordwen/ordwen.h>

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace tools {

// How many daily copies are kept; the oldest beyond these are removed.
inline constexpr int KeptSafetyCopies = 30;

QString DatabaseFilePath();                      // home/home.qd below the application folder
QString SafetyCopyFolder();                      // home/backup below the application folder
QString DailyCopyPath(const QDate &day);         // home-YYYY-MM-DD.qd in that folder
QString BeforeRestorePath(const QDateTime &now); // before-restore-YYYY-MM-DD-HHmmss.qd

enum class DailyCopyOutcome {
    Made,          // the day's copy was written
    AlreadyMade,   // the day had its copy from an earlier start
    NothingToCopy, // home/home.qd is no readable database of the program: start-up reports it
    Failed,        // the copy could not be written; the records are untouched
};

struct DailyCopyResult {
    DailyCopyOutcome outcome = DailyCopyOutcome::Failed;
    QString path; // the day's copy
    FileFailure failure;
};

// Writes the day's copy unless it exists, then removes the oldest daily copies beyond
// KeptSafetyCopies. The copy is written under a temporary name and renamed when complete,
// so a copy under its final name is always whole.
DailyCopyResult MakeDailyCopy(const QDate &today);

// The entry start-up writes to error.log when the day's copy failed.
QString DailyCopyFailureText(const DailyCopyResult &result);

struct SafetyCopy {
    QString path;
    QDateTime taken;                    // the day (at midnight) of a daily copy; the moment of a restore
    bool beforeRestore = false;         // the records as they were before a restore
    std::optional<RecordCounts> counts; // nothing when the file cannot be read as records
    FileFailure problem;                // why not
};

// Every copy in the safety-copy folder, newest first, with its counts of records.
QList<SafetyCopy> ListSafetyCopies();

enum class RestoreStep { CheckCopy, CopyAside, Restore, Verify };

struct RestoreResult {
    bool restored = false;
    RestoreStep failedStep = RestoreStep::CheckCopy;
    FileFailure failure;
    QString asidePath;   // where the records as they were have been copied (once copied)
    RecordCounts counts; // what the restored records hold
    // A copy made by an earlier build is brought up to date once restored, as at start-up.
    ordwen::UpgradeOutcome upgrade;
};

// Restores a copy over home/home.qd: the copy is checked first (a database of the program
// that passes the engine's integrity check), the records as they are are copied aside, then
// the copy is written over them with the online backup in one transaction, and the result
// is checked again, and brought up to date when an earlier build made it (a copy that cannot
// take that is still restored). When any step fails, home/home.qd holds what it held before. Nothing
// may hold the database open meanwhile but readers that have finished their reads.
RestoreResult RestoreSafetyCopy(const QString &copyPath, const QDateTime &now);

} // namespace tools
