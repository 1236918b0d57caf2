#include "tools/CsvExport.h"

#include "controls/Messages.h"
#include "controls/WaitPointer.h"
#include "startup/modGlobal.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <charconv>
#include <memory>
#include <vector>

namespace tools {

namespace {

const QString crlf = QStringLiteral("\r\n");

std::function<QString(QWidget *)> &folderChooser() {
    static std::function<QString(QWidget *)> chooser;
    return chooser;
}

QString chooseFolder(QWidget *parent) {
    if (folderChooser())
        return folderChooser()(parent);
    return QFileDialog::getExistingDirectory(
        parent, QStringLiteral("Export to CSV"),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

QString numberText(double value) {
    // The shortest text that reads back as the same stored number, always with a point and
    // without digit grouping, whatever the user's locale (12.5, 45, 0.1).
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (result.ec != std::errc())
        return QString::number(value, 'g', 17);
    return QString::fromLatin1(buffer, int(result.ptr - buffer));
}

QString quoted(const QString &text) {
    static const QString special = QStringLiteral(",\"\r\n");
    bool needsQuotes = false;
    for (const QChar c : text) {
        if (special.contains(c)) {
            needsQuotes = true;
            break;
        }
    }
    if (!needsQuotes)
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

// A text a spreadsheet would read as a formula (or, after a tab or carriage return it skips,
// as one) is written with a leading apostrophe, which the spreadsheet shows as text. Stored
// numbers are never texts of this kind: a negative amount stays a number.
QString inert(const QString &text) {
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!text.isEmpty() && formulaStarts.contains(text.front()))
        return QLatin1Char('\'') + text;
    return text;
}

using LoadCall = ordwen::RecordsetPtr (*)(ordwen::_House &);

struct ExportFile {
    const char *name;
    LoadCall load;
};

constexpr ExportFile Files[] = {
    {"clients.csv", [](ordwen::_House &house) { return house.LoadClients(); }},
    {"invoices.csv", [](ordwen::_House &house) { return house.LoadInvoices(); }},
    {"notes.csv", [](ordwen::_House &house) { return house.LoadNotes(); }},
    {"addresses.csv", [](ordwen::_House &house) { return house.LoadNames(); }},
    {"payments.csv", [](ordwen::_House &house) { return house.LoadPayments(QString()); }},
};

QStringList existingFiles(const QString &folder) {
    QStringList found;
    for (const ExportFile &file : Files) {
        if (QFileInfo::exists(QDir(folder).filePath(QString::fromLatin1(file.name))))
            found << QString::fromLatin1(file.name);
    }
    return found;
}

QString joinedNames(const QStringList &names) {
    if (names.size() < 2)
        return names.value(0);
    return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") + names.last();
}

} // namespace

QStringList ExportFileNames() {
    QStringList names;
    for (const ExportFile &file : Files)
        names << QString::fromLatin1(file.name);
    return names;
}

QString CsvField(const QVariant &value) {
    if (!value.isValid() || value.isNull())
        return QString();
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return numberText(value.toDouble());
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::ULongLong:
    case QMetaType::UInt:
        return value.toString();
    default:
        return quoted(inert(value.toString()));
    }
}

QByteArray CsvFile(ordwen::Recordset &rows) {
    QString text;
    QStringList fields;
    for (int i = 0; i < rows.FieldCount(); ++i)
        fields << quoted(rows.FieldName(i));
    text += fields.join(QLatin1Char(',')) + crlf;
    for (rows.MoveFirst(); !rows.isEOF(); rows.MoveNext()) {
        fields.clear();
        for (int i = 0; i < rows.FieldCount(); ++i)
            fields << CsvField(rows.Fields(i));
        text += fields.join(QLatin1Char(',')) + crlf;
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

std::optional<QString> ExportToFolder(ordwen::_House &house, const QString &folder) {
    if (!QFileInfo(folder).isDir())
        return QStringLiteral("The folder ") + QDir::toNativeSeparators(folder) +
               QStringLiteral(" does not exist.");
    // Every table is read before anything is written, so that a failed read leaves no file
    // half-exported.
    std::vector<std::unique_ptr<QSaveFile>> files;
    for (const ExportFile &file : Files) {
        const ordwen::RecordsetPtr rows = file.load(house);
        if (!rows)
            return QStringLiteral("The records could not be read.");
        const QString path = QDir(folder).filePath(QString::fromLatin1(file.name));
        auto out = std::make_unique<QSaveFile>(path);
        const QByteArray content = CsvFile(*rows);
        rows->Close();
        if (!out->open(QIODevice::WriteOnly) || out->write(content) != content.size())
            return QDir::toNativeSeparators(path) + QStringLiteral(" could not be written: ") +
                   out->errorString();
        files.push_back(std::move(out));
    }
    // Only now do the new files take the place of the old ones (or of none).
    for (auto &file : files) {
        if (!file->commit())
            return QDir::toNativeSeparators(file->fileName()) + QStringLiteral(" could not be written: ") +
                   file->errorString();
    }
    return std::nullopt;
}

void ExportRecords(QWidget *parent) {
    const QString folder = chooseFolder(parent);
    if (folder.isEmpty())
        return;
    const QStringList earlier = existingFiles(folder);
    if (!earlier.isEmpty() &&
        messages::ShowMessage(parent,
                              QStringLiteral("The folder ") + QDir::toNativeSeparators(folder) +
                                  QStringLiteral(" already holds ") + joinedNames(earlier) +
                                  QStringLiteral(". ") + crlf + crlf + QStringLiteral("Replace them? "),
                              QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
                              QStringLiteral("Export to CSV")) != QMessageBox::Yes)
        return;

    std::optional<QString> failure;
    {
        const controls::WaitPointer wait;
        if (modGlobal::objHouse)
            failure = ExportToFolder(*modGlobal::objHouse, folder);
        else
            failure = QStringLiteral("The records could not be read.");
    }
    if (failure) {
        messages::ShowMessage(
            parent, QStringLiteral("The records were NOT exported! ") + crlf + crlf + *failure,
            QMessageBox::Critical, QMessageBox::Ok, QMessageBox::NoButton, QStringLiteral(" ERROR"));
        return;
    }
    messages::ShowMessage(parent,
                          QStringLiteral("The records were exported to ") + QDir::toNativeSeparators(folder) +
                              QStringLiteral(": ") + joinedNames(ExportFileNames()) + QStringLiteral(". "),
                          QMessageBox::Information, QMessageBox::Ok, QMessageBox::NoButton,
                          QStringLiteral("Export to CSV"));
}

void SetFolderChooser(std::function<QString(QWidget *)> chooser) {
    folderChooser() = std::move(chooser);
}

} // namespace tools
