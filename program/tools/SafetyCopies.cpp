#include "tools/SafetyCopies.h"

#include "startup/modGlobal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

#include <unistd.h>

namespace tools {

namespace {

// The error number of a file or folder that could not be made, renamed or removed.
constexpr int errPathFileAccess = 75;

const QString DayFormat = QStringLiteral("yyyy-MM-dd");
const QString MomentFormat = QStringLiteral("yyyy-MM-dd-HHmmss");

const QRegularExpression &dailyName() {
    static const QRegularExpression pattern(QStringLiteral("^home-(\\d{4}-\\d{2}-\\d{2})\\.qd$"));
    return pattern;
}

const QRegularExpression &beforeRestoreName() {
    static const QRegularExpression pattern(
        QStringLiteral("^before-restore-(\\d{4}-\\d{2}-\\d{2}-\\d{6})(?:-\\d+)?\\.qd$"));
    return pattern;
}

FileFailure accessFailure(const QString &what, const QString &path) {
    return FileFailure{errPathFileAccess, what + QLatin1Char(' ') + QDir::toNativeSeparators(path)};
}

std::optional<FileFailure> makeFolder() {
    const QString folder = SafetyCopyFolder();
    const QFileInfo info(folder);
    if (info.isDir())
        return std::nullopt;
    if (info.exists() || !QDir().mkpath(folder))
        return accessFailure(QStringLiteral("cannot make the folder"), folder);
    return std::nullopt;
}

// The copy is written without the engine's syncing; it reaches the disk once, whole, before
// it takes its name, so that a copy under its name survives a crash or power cut.
bool syncToDisk(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && ::fsync(file.handle()) == 0;
}

// Copies the records into a new file under a temporary name beside `target` and renames it
// to `target` once whole, so that no half-written copy ever carries a copy's name.
std::optional<FileFailure> writeNewCopy(const QString &target) {
    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial); // left by a copy that was cut short
    if (auto failure = CopyDatabase(DatabaseFilePath(), partial, true, true)) {
        QFile::remove(partial);
        return failure;
    }
    if (!syncToDisk(partial)) {
        QFile::remove(partial);
        return accessFailure(QStringLiteral("cannot write the copy to the disk:"), partial);
    }
    if (!QFile::rename(partial, target)) {
        QFile::remove(partial);
        return accessFailure(QStringLiteral("cannot rename the copy to"), target);
    }
    return std::nullopt;
}

struct DailyFile {
    QDate day;
    QString path;
};

QList<DailyFile> dailyCopies() {
    QList<DailyFile> copies;
    const QDir folder(SafetyCopyFolder());
    const QStringList names = folder.entryList(QDir::Files);
    for (const QString &name : names) {
        const QRegularExpressionMatch match = dailyName().match(name);
        if (!match.hasMatch())
            continue;
        const QDate day = QDate::fromString(match.captured(1), DayFormat);
        if (day.isValid())
            copies.append({day, folder.filePath(name)});
    }
    std::sort(copies.begin(), copies.end(),
              [](const DailyFile &a, const DailyFile &b) { return a.day > b.day; });
    return copies;
}

// Keeps the newest daily copies, the one just made always among them: with the clock set
// back, the day's copy is older than the others but is the newest state of the records.
void removeOldCopies(const QString &justMade) {
    QList<DailyFile> copies = dailyCopies();
    copies.removeIf([&justMade](const DailyFile &copy) { return copy.path == justMade; });
    // A copy that cannot be removed only takes room; the records are not at risk.
    for (qsizetype i = KeptSafetyCopies - 1; i < copies.size(); ++i)
        QFile::remove(copies[i].path);
}

} // namespace

QString DatabaseFilePath() {
    return modGlobal::AppPath(QStringLiteral("home/home.qd"));
}

QString SafetyCopyFolder() {
    return modGlobal::AppPath(QStringLiteral("home/backup"));
}

QString DailyCopyPath(const QDate &day) {
    return SafetyCopyFolder() + QStringLiteral("/home-") + day.toString(DayFormat) + QStringLiteral(".qd");
}

QString BeforeRestorePath(const QDateTime &now) {
    return SafetyCopyFolder() + QStringLiteral("/before-restore-") + now.toString(MomentFormat) +
           QStringLiteral(".qd");
}

DailyCopyResult MakeDailyCopy(const QDate &today) {
    DailyCopyResult result;
    result.path = DailyCopyPath(today);
    if (QFileInfo(result.path).isFile()) {
        result.outcome = DailyCopyOutcome::AlreadyMade;
        return result;
    }
    // A file that is no database of the program is left to the start-up check that follows,
    // which tells the user; copying it would protect nothing and, day by day, push the good
    // copies out.
    if (!IsProgramDatabase(DatabaseFilePath(), &result.failure)) {
        // A lock held by another connection is a copy that failed, not a bad file.
        const bool locked = result.failure.number == 5 || result.failure.number == 6; // busy, locked
        result.outcome = locked ? DailyCopyOutcome::Failed : DailyCopyOutcome::NothingToCopy;
        return result;
    }
    std::optional<FileFailure> failure = makeFolder();
    if (!failure)
        failure = writeNewCopy(result.path);
    if (failure) {
        result.outcome = DailyCopyOutcome::Failed;
        result.failure = *failure;
        return result;
    }
    result.outcome = DailyCopyOutcome::Made;
    removeOldCopies(result.path);
    return result;
}

QString DailyCopyFailureText(const DailyCopyResult &result) {
    return QStringLiteral("The safety copy ") + QDir::toNativeSeparators(result.path) +
           QStringLiteral(" was not written: ") + result.failure.description;
}

QList<SafetyCopy> ListSafetyCopies() {
    QList<SafetyCopy> copies;
    const QDir folder(SafetyCopyFolder());
    const QStringList names = folder.entryList(QDir::Files);
    for (const QString &name : names) {
        SafetyCopy copy;
        copy.path = folder.filePath(name);
        if (const QRegularExpressionMatch daily = dailyName().match(name); daily.hasMatch()) {
            copy.taken = QDate::fromString(daily.captured(1), DayFormat).startOfDay();
        } else if (const QRegularExpressionMatch before = beforeRestoreName().match(name);
                   before.hasMatch()) {
            copy.taken = QDateTime::fromString(before.captured(1), MomentFormat);
            copy.beforeRestore = true;
        }
        if (!copy.taken.isValid())
            continue;
        copy.counts = CountRecords(copy.path, &copy.problem);
        copies.append(copy);
    }
    std::stable_sort(copies.begin(), copies.end(), [](const SafetyCopy &a, const SafetyCopy &b) {
        if (a.taken.date() != b.taken.date())
            return a.taken.date() > b.taken.date();
        // The day's copy is made at its first start, so a restore that day came after it.
        if (a.beforeRestore != b.beforeRestore)
            return a.beforeRestore;
        return a.taken > b.taken;
    });
    return copies;
}

RestoreResult RestoreSafetyCopy(const QString &copyPath, const QDateTime &now) {
    RestoreResult result;
    const QString database = DatabaseFilePath();

    // 1. The copy must be whole records of the program before anything is touched.
    result.failedStep = RestoreStep::CheckCopy;
    const std::optional<RecordCounts> counts = CountRecords(copyPath, &result.failure);
    if (!counts)
        return result;
    if (auto failure = CheckIntegrity(copyPath)) {
        result.failure = *failure;
        return result;
    }
    result.counts = *counts;

    // 2. The records as they are, aside, so that the restore can be undone.
    result.failedStep = RestoreStep::CopyAside;
    if (auto failure = makeFolder()) {
        result.failure = *failure;
        return result;
    }
    QString aside = BeforeRestorePath(now);
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = BeforeRestorePath(now).chopped(3) + QStringLiteral("-%1.qd").arg(n);
    if (auto failure = writeNewCopy(aside)) {
        // Records the engine cannot read whole (the very reason to restore, perhaps) are
        // still kept aside, as the file they are.
        const QString partial = aside + QStringLiteral(".part");
        if (!QFile::copy(database, partial) || !QFile::rename(partial, aside)) {
            QFile::remove(partial);
            result.failure = *failure;
            return result;
        }
    }
    result.asidePath = aside;

    // 3. The copy over the records, in one transaction of the engine: a failure rolls back.
    result.failedStep = RestoreStep::Restore;
    if (auto failure = CopyDatabase(copyPath, database, false, false)) {
        result.failure = *failure;
        return result;
    }

    // 4. What was written must read back whole; otherwise the records go back as they were.
    result.failedStep = RestoreStep::Verify;
    if (auto failure = CheckIntegrity(database)) {
        result.failure = *failure;
        if (CopyDatabase(aside, database, false, false)) {
            // The aside copy is the file as it was, byte for byte (see step 2).
            QFile::remove(database);
            QFile::copy(aside, database);
        }
        return result;
    }
    result.restored = true;
    result.upgrade = ordwen::UpgradeDatabase(database);
    return result;
}

} // namespace tools
