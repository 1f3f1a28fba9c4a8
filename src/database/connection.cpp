// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/connection.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace quintavia::record {

namespace {

constexpr int kBusyMilliseconds = 10000;

// SQLite's primary result codes.
enum : int { kBusy = 5, kLocked = 6, kReadOnly = 8, kIoError = 10, kCorrupt = 11, kFull = 13, kCantOpen = 14, kNotADatabase = 26 };

int codeOf(const QSqlError& error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

// Named by its address, which no other connection alive has, even one made by another copy of
// this code (the module's, beside a test's own).
QString connectionName(const void* connection)
{
    return QStringLiteral("quintavia-record-%1").arg(quintptr(connection), 0, 16);
}

const char* const kTables[] = {
    "CREATE TABLE info (key TEXT PRIMARY KEY, value TEXT NOT NULL)",
    "CREATE TABLE exercise (id INTEGER PRIMARY KEY, started INTEGER NOT NULL, ended INTEGER,"
    " file TEXT NOT NULL, lines_hash TEXT NOT NULL, expression TEXT NOT NULL, level INTEGER NOT NULL,"
    " theme TEXT NOT NULL, seed TEXT)",
    "CREATE TABLE event (id INTEGER PRIMARY KEY, exercise INTEGER NOT NULL REFERENCES exercise(id),"
    " at INTEGER NOT NULL, kind TEXT NOT NULL, answer TEXT NOT NULL, verdict TEXT NOT NULL,"
    " category TEXT NOT NULL)",
    "CREATE INDEX event_exercise ON event(exercise)",
};

}  // namespace

QString describe(const QSqlError& error)
{
    switch (codeOf(error)) {
    case kBusy:
    case kLocked: return QStringLiteral("il file è occupato da un altro programma");
    case kReadOnly: return QStringLiteral("il file o la cartella si possono solo leggere");
    case kIoError: return QStringLiteral("errore di lettura o scrittura sul disco");
    case kCorrupt: return QStringLiteral("il file è rovinato");
    case kFull: return QStringLiteral("il disco è pieno");
    case kCantOpen: return QStringLiteral("il file non si può aprire");
    case kNotADatabase: return QStringLiteral("il file non è un registro di Quintavia");
    default: break;
    }
    const QString text = error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
    return text.isEmpty() ? QStringLiteral("errore sconosciuto") : text;
}

bool isBusy(const QSqlError& error)
{
    return codeOf(error) == kBusy || codeOf(error) == kLocked;
}

Connection::Connection(const QString& path, bool readOnly)
    : m_name(connectionName(this)), m_path(path), m_readOnly(readOnly)
{
}

Connection::~Connection()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        if (db.isValid())
            db.close();
    }
    if (QSqlDatabase::contains(m_name))
        QSqlDatabase::removeDatabase(m_name);
}

QSqlDatabase Connection::database() const
{
    return QSqlDatabase::database(m_name, false);
}

QString Connection::open()
{
    if (!QSqlDatabase::contains(m_name)) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        if (!db.isValid())
            return QStringLiteral("manca il modulo SQLite di Qt (il pacchetto libqt6sql6-sqlite)");
        QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyMilliseconds);
        if (m_readOnly)
            options += QStringLiteral(";QSQLITE_OPEN_READONLY");
        db.setConnectOptions(options);
        db.setDatabaseName(m_path);
    }
    QSqlDatabase db = database();
    if (!db.isOpen() && !db.open())
        return describe(db.lastError());
    QSqlQuery query(db);
    if (!m_readOnly) {
        if (QString problem = run(query, QStringLiteral("PRAGMA journal_mode = DELETE")); !problem.isEmpty())
            return problem;
        query.finish();
        // One answer at a time is written and nothing is read back here: a small page cache keeps
        // a long session's memory flat as the file grows.
        if (QString problem = run(query, QStringLiteral("PRAGMA cache_size = -64")); !problem.isEmpty())
            return problem;
        query.finish();
    }
    const QString problem = checkSchema();
    if (!problem.isEmpty())
        db.close();
    return problem;
}

QString Connection::checkSchema()
{
    QSqlQuery query(database());
    if (!m_readOnly)
        if (QString problem = begin(); !problem.isEmpty())
            return problem;
    auto pragma = [&](const char* name, int& value) {
        QString problem = run(query, QStringLiteral("PRAGMA %1").arg(QLatin1String(name)));
        value = problem.isEmpty() && query.next() ? query.value(0).toInt() : 0;
        query.finish();  // a statement still reading keeps COMMIT from ending the transaction
        return problem;
    };
    int application = 0;
    int version = 0;
    int tables = 0;
    QString problem = pragma("application_id", application);
    if (problem.isEmpty())
        problem = pragma("user_version", version);
    if (problem.isEmpty()) {
        problem = run(query, QStringLiteral("SELECT count(*) FROM sqlite_master"));
        tables = problem.isEmpty() && query.next() ? query.value(0).toInt() : 0;
        query.finish();
    }
    if (problem.isEmpty() && application == 0 && tables == 0 && !m_readOnly) {
        for (const char* table : kTables)
            if (problem.isEmpty())
                problem = run(query, QString::fromLatin1(table));
        if (problem.isEmpty())
            problem = run(query, QStringLiteral("PRAGMA application_id = %1").arg(kApplicationId));
        if (problem.isEmpty())
            problem = run(query, QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion));
        application = kApplicationId;
        version = kSchemaVersion;
    }
    if (problem.isEmpty() && application != kApplicationId)
        problem = QStringLiteral("il file non è un registro di Quintavia");
    else if (problem.isEmpty() && version > kSchemaVersion)
        problem = QStringLiteral("il registro è di una versione più nuova di Quintavia");
    if (!m_readOnly) {
        if (problem.isEmpty())
            problem = commit();
        else
            rollback();
    }
    return problem;
}

QString Connection::run(QSqlQuery& query, const QString& statement, std::initializer_list<QVariant> values)
{
    m_busy = false;
    bool done = query.prepare(statement);
    if (done) {
        for (const QVariant& value : values)
            query.addBindValue(value);
        done = query.exec();
    }
    if (done)
        return {};
    m_busy = isBusy(query.lastError());
    return describe(query.lastError());
}

QString Connection::begin()
{
    QSqlQuery query(database());
    return run(query, QStringLiteral("BEGIN IMMEDIATE"));
}

QString Connection::commit()
{
    QSqlQuery query(database());
    return run(query, QStringLiteral("COMMIT"));
}

void Connection::rollback()
{
    QSqlQuery query(database());
    run(query, QStringLiteral("ROLLBACK"));
}

}  // namespace quintavia::record
