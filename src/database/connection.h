// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Knows: the record file's schema and one SQLite connection to it, through Qt SQL.
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

#include <initializer_list>

class QSqlError;
class QSqlQuery;

namespace quintavia::record {

// Bumped whenever the tables change; a program never writes into a newer record.
inline constexpr int kSchemaVersion = 1;
// "QVRG" in the file's header: how a record is told from any other SQLite file.
inline constexpr int kApplicationId = 0x51565247;

// One connection of its own (Qt SQL names them), closed and removed with the object. Rollback
// journal, not WAL: class folders live on network shares, where WAL's shared memory does not work.
// A writer that finds the file locked waits for it (the busy timeout) before it gives up.
class Connection {
public:
    Connection(const QString& path, bool readOnly);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens the file; for writing, makes its tables if it is new. Empty, or why not in Italian.
    QString open();
    QSqlDatabase database() const;
    // Runs one statement with its values bound in order; the reason in Italian, else empty.
    QString run(QSqlQuery& query, const QString& statement, std::initializer_list<QVariant> values = {});
    // BEGIN IMMEDIATE: the write lock first, so that two writers never wait for each other.
    QString begin();
    QString commit();
    void rollback();
    // The last failed statement failed because another program held the file.
    bool wasBusy() const { return m_busy; }

private:
    QString checkSchema();

    QString m_name;
    QString m_path;
    bool m_readOnly;
    bool m_busy = false;
};

// SQLite's error in a pupil's and teacher's words ("il disco è pieno").
QString describe(const QSqlError& error);
// True when the error is a lock held by another program, worth another try.
bool isBusy(const QSqlError& error);

}  // namespace quintavia::record
