// Whole database files: a consistent copy of one into another while the program may have it
// open, the engine's own integrity check, and the number of records of each kind a file
// holds. These work on files (the records and their safety copies), never on single records,
// which only the data-access library reads and writes.
#pragma once

#include <QString>

#include <optional>

namespace tools {

// What went wrong: the database engine's result code (or 75 when a file or folder could not
// be made, renamed or removed) and its message.
struct FileFailure {
    int number = 0;
    QString description;
};

// Copies the whole database `from` into `to` with the engine's online backup, in one step,
// so that the copy is consistent even while another connection reads the source. The source
// is opened read-only and never changed. With createTarget the target file is made when
// missing; otherwise it must exist. The target is written in one transaction: when the
// copy fails, the target keeps what it held before. fastTarget turns off the journal and
// the syncing of the target, for a new file that is renamed into place only once complete.
std::optional<FileFailure> CopyDatabase(const QString &from, const QString &to, bool createTarget,
                                        bool fastTarget);

// The engine's integrity check of a file opened read-only: nothing when it answers "ok".
std::optional<FileFailure> CheckIntegrity(const QString &path);

// The records a database file holds, by kind.
struct RecordCounts {
    qint64 clients = 0;
    qint64 invoices = 0;
    qint64 notes = 0;
    qint64 addresses = 0;
};

// Counts the records of a file opened read-only. Nothing (and the failure) when the file is
// no database of this program (not a database, or one of its tables missing).
std::optional<RecordCounts> CountRecords(const QString &path, FileFailure *failure = nullptr);

// True when the file opens as a database holding every table of this program.
bool IsProgramDatabase(const QString &path, FileFailure *failure = nullptr);

} // namespace tools
