#include "House.h"

#include "ErrorLog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QSqlDatabase>

#include <charconv>
#include <dlfcn.h>

namespace ordwen::detail {

namespace {

const QString crlf = QStringLiteral("\r\n");

// Error numbers for failures that do not come from the database engine.
constexpr int errSubscriptOutOfRange = 9;
constexpr int errObjectNotSet = 91;
constexpr int errProviderNotFound = 3706;

QString &folderOverride() {
    static QString folder;
    return folder;
}

Statement &lastStatement() {
    static Statement statement;
    return statement;
}

} // namespace

// The caller may have the hourglass up while it waits for the database; a question or a
// failure message wants the ordinary pointer meanwhile.
int ExecBox(QMessageBox &box) {
    QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    const int answer = box.exec();
    QGuiApplication::restoreOverrideCursor();
    return answer;
}

QString LibraryTitle() {
    return QStringLiteral("Ordwen");
}

QString LibraryFolder() {
    if (!folderOverride().isEmpty())
        return folderOverride();
    static const int anchor = 0;
    Dl_info info{};
    if (dladdr(&anchor, &info) != 0 && info.dli_fname)
        return QFileInfo(QFile::decodeName(info.dli_fname)).absolutePath();
    return QCoreApplication::applicationDirPath();
}

void SetLibraryFolder(const QString &folder) {
    folderOverride() = folder;
}

void Statement::bind(QString value) {
    // A missing text is stored as an empty one, as the quoted literal it stands for would be.
    if (value.isNull())
        value = QStringLiteral("");
    places << text.size();
    text += QLatin1Char('?');
    values << std::move(value);
}

QString LastStatement() {
    const Statement &statement = lastStatement();
    QString text;
    qsizetype from = 0;
    for (qsizetype i = 0; i < statement.places.size(); ++i) {
        text += QStringView(statement.text).mid(from, statement.places[i] - from);
        text += QLatin1Char('\'') + Escaped(statement.values[i]) + QLatin1Char('\'');
        from = statement.places[i] + 1;
    }
    text += QStringView(statement.text).mid(from);
    return text;
}

QString Escaped(const QString &value) {
    QString text = value;
    text.replace(QLatin1Char('\''), QStringLiteral("''"));
    text.remove(QChar(u'\0'));
    return text;
}

QString Quoted(const QString &value) {
    return Literal(Escaped(value));
}

QString Literal(const QString &safeText) {
    return QLatin1Char('\'') + safeText + QStringLiteral("',");
}

QString Assigned(const char *column, const QString &safeText) {
    return QLatin1String(column) + QStringLiteral(" = ") + Literal(safeText);
}

QString Closed(QString sql, QLatin1StringView end) {
    if (sql.endsWith(QLatin1Char(',')))
        sql.chop(1);
    return sql + end;
}

QString TrimmedBlanks(const QString &value) {
    qsizetype first = 0;
    qsizetype last = value.size();
    while (first < last && value.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && value.at(last - 1) == QLatin1Char(' '))
        --last;
    return value.mid(first, last - first); // shares the text when nothing is trimmed
}

QString Number(float value) {
    // The shortest text that reads back as the same single-precision value, with a point.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (result.ec != std::errc())
        return QString::number(double(value), 'g', 9);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

QString NowText() {
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString DateText(const QDateTime &value) {
    if (!value.isValid())
        return QString();
    if (value.time() == QTime(0, 0))
        return value.date().toString(QStringLiteral("yyyy-MM-dd"));
    return value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

House::House() {
    m_strConnect = QStringLiteral("Provider=QSQLITE;User ID=;");
    m_strConnect += QStringLiteral("Data Source=") + LibraryFolder() + QStringLiteral("/home/home.qd;");
    m_strConnect += QStringLiteral("Persist Security Info=False;");

    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        // Without the database driver no call can ever reach the file.
        QMessageBox box(QMessageBox::Critical, LibraryTitle(),
                        QStringLiteral("The database cannot be found!  If the database has been ") + crlf +
                            QStringLiteral("moved it must be relocated back to the original folder! "),
                        QMessageBox::Ok);
        ExecBox(box);
        WriteErrorLog(LibraryFolder(), QStringLiteral("Initialize Database Connection"), 14,
                      LogForm::Initialize, errProviderNotFound,
                      QStringLiteral("Provider cannot be found. It may not be properly installed."));
        return;
    }

    m_conDataBase = std::make_shared<Connection>();
    m_conDataBase->setConnectionString(m_strConnect);
    m_conDataBase->ClearErrors();
    m_conDataBase->setCursorLocation(adUseClient);
}

House::~House() {
    if (m_conDataBase) {
        m_conDataBase->ClearErrors();
        m_conDataBase.reset();
    }
}

void House::letConDataBase(const Connection &connection) {
    m_conDataBase = std::make_shared<Connection>(connection);
}

QString House::Clean(QString &strText) {
    strText = Escaped(strText);
    // Only blanks are trimmed; the caller's variable keeps them.
    return TrimmedBlanks(strText);
}

QString House::CleanBound(QString &value) {
    QString bound = value; // shared until Clean changes the caller's element
    Clean(value);
    bound.remove(QChar(u'\0'));
    return TrimmedBlanks(bound);
}

RecordsetPtr House::execute(const Statement &statement) {
    lastStatement() = statement;
    if (statement.values.isEmpty())
        return m_conDataBase->Execute(statement.text);
    return m_conDataBase->Execute(statement.text, statement.values);
}

void House::showFailureMessage(int number, const QString &description) {
    QMessageBox box(QMessageBox::Critical, LibraryTitle(),
                    QStringLiteral("ERROR # ") + QString::number(number) + crlf + crlf + description + crlf +
                        QStringLiteral("In the Dynamic Link Library") + crlf + QStringLiteral("Function: ") +
                        m_strFunction,
                    QMessageBox::Ok);
    ExecBox(box);
}

bool House::writeCall(const WriteCall &call, const QStringList &strText, const StatementBuilder &build) {
    int number = 0;
    QString description;
    auto takeError = [&] {
        number = m_conDataBase->ErrorNumber();
        description = m_conDataBase->ErrorDescription();
    };

    bool ok = false;
    if (!m_conDataBase) {
        number = errObjectNotSet;
        description = QStringLiteral("Object variable or With block variable not set");
    } else if (!m_conDataBase->Open() || !m_conDataBase->BeginTrans()) {
        takeError();
    } else if (strText.size() < call.minimumElements) {
        number = errSubscriptOutOfRange;
        description = QStringLiteral("Subscript out of range");
    } else if (!execute(build()) || !m_conDataBase->CommitTrans()) {
        takeError();
    } else {
        ok = true;
    }

    if (ok) {
        m_conDataBase->Close();
        return true;
    }

    if (m_conDataBase) {
        m_conDataBase->RollbackTrans();
        m_conDataBase->Close();
    }
    WriteErrorLog(LibraryFolder(), QString::fromLatin1(call.label), call.bannerBlanks, LogForm::WriteCall,
                  number, description);
    if (call.showMessage) {
        m_strFunction = QString::fromLatin1(call.method);
        showFailureMessage(number, description);
    }
    if (m_conDataBase)
        m_conDataBase->ClearErrors();
    return false;
}

RecordsetPtr House::numberCall(const char *method, const QString &statement) {
    RecordsetPtr rs;
    int number = 0;
    QString description;
    bool ok = false;
    if (!m_conDataBase) {
        number = errObjectNotSet;
        description = QStringLiteral("Object variable or With block variable not set");
    } else if (!m_conDataBase->Open() || !m_conDataBase->BeginTrans() || !(rs = execute(statement)) ||
               !m_conDataBase->CommitTrans()) {
        number = m_conDataBase->ErrorNumber();
        description = m_conDataBase->ErrorDescription();
    } else {
        ok = true;
    }

    if (m_conDataBase) {
        if (!ok)
            m_conDataBase->RollbackTrans();
        m_conDataBase->Close();
    }
    if (!ok) {
        m_strFunction = QString::fromLatin1(method);
        showFailureMessage(number, description);
        if (m_conDataBase)
            m_conDataBase->ClearErrors();
    }
    return rs;
}

RecordsetPtr House::readCall(const QString &statement) {
    if (!m_conDataBase)
        return {};
    RecordsetPtr rs;
    if (m_conDataBase->Open() && m_conDataBase->BeginTrans()) {
        rs = execute(statement);
        if (rs)
            m_conDataBase->CommitTrans();
        else
            m_conDataBase->RollbackTrans();
    }
    m_conDataBase->Close();
    // A failed read shows and logs nothing; the engine's reason stays on the connection
    // until its next call opens it, so that a caller can tell the user why nothing came.
    if (rs)
        m_conDataBase->ClearErrors();
    return rs;
}

bool House::deleteCall(const QString &statement, const QString &confirmation) {
    const bool executed = m_conDataBase && m_conDataBase->Open() && m_conDataBase->BeginTrans() &&
                          execute(statement) != nullptr;

    QMessageBox box(QMessageBox::Question, QStringLiteral("** WARNING **"), confirmation,
                    QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::No);
    const bool confirmed = ExecBox(box) == QMessageBox::Yes;

    bool result = false;
    if (m_conDataBase) {
        if (confirmed && executed)
            result = m_conDataBase->CommitTrans();
        else
            m_conDataBase->RollbackTrans();
        m_conDataBase->Close();
        m_conDataBase->ClearErrors();
    }
    return result;
}

} // namespace ordwen::detail
