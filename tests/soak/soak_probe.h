// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a long session may leave behind, measured from inside the test process: memory in use,
// open file descriptors, objects and running timers.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <malloc.h>
#include <unistd.h>

namespace quintavia::test {

// A figure for the log, which ctest keeps with --output-on-failure and -V.
#define SOAK_FIGURE(...) qInfo().noquote() << QStringLiteral("soak: ") + QString::asprintf(__VA_ARGS__)

struct Memory {
    qint64 heapBytes = 0;  // in use through malloc, mmapped blocks included
    qint64 residentBytes = 0;
};

// Deferred deletions run and free pages returned first, so both figures count what is still held.
inline Memory memoryNow()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    malloc_trim(0);
    const struct mallinfo2 info = mallinfo2();
    Memory memory{static_cast<qint64>(info.uordblks + info.hblkhd), 0};
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:"))
                memory.residentBytes = line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
        }
    }
    return memory;
}

inline double growthPercent(qint64 from, qint64 to)
{
    return from > 0 ? 100.0 * static_cast<double>(to - from) / static_cast<double>(from) : 0.0;
}

// Open descriptors as "fd -> target" (a file, "socket:[…]", "pipe:[…]"); the one reading the
// folder of descriptors itself is left out.
inline QSet<QString> openDescriptors()
{
    QSet<QString> open;
    const QDir fds(QStringLiteral("/proc/self/fd"));
    const QByteArray listing = QStringLiteral("/proc/%1/fd").arg(getpid()).toUtf8();
    for (const QString& fd : fds.entryList(QDir::NoDotAndDotDot | QDir::System | QDir::Files | QDir::Dirs)) {
        char target[4096];
        const ssize_t size = readlink(QFile::encodeName(fds.filePath(fd)).constData(), target, sizeof target);
        const QByteArray name(target, size > 0 ? size : 0);
        if (name != listing)
            open.insert(fd + QStringLiteral(" -> ") + QString::fromLocal8Bit(name));
    }
    return open;
}

// Every object reachable from the application and its top-level widgets.
inline QList<QObject*> allObjects()
{
    QList<QObject*> objects{qApp};
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->parent())
            objects.append(top);
    }
    for (qsizetype i = 0; i < objects.size(); ++i) {
        for (QObject* child : objects[i]->children())
            objects.append(child);
    }
    return objects;
}

inline QString describe(const QObject* object)
{
    QString text = QString::fromLatin1(object->metaObject()->className());
    if (!object->objectName().isEmpty())
        text += QLatin1Char(' ') + object->objectName();
    for (const QObject* up = object->parent(); up; up = up->parent()) {
        if (up->isWidgetType() && static_cast<const QWidget*>(up)->isWindow())
            return text + QStringLiteral(" in ") + QString::fromLatin1(up->metaObject()->className());
    }
    return text;
}

// The timers that run: every timer registered on a reachable object, and every object that a
// timer event reaches while the application idles for `idleMs` (which also finds timers of
// objects with no parent). Single-shot timers still pending are given `settleMs` to end first.
class TimerCensus : public QObject {
public:
    static QStringList take(int settleMs = 400, int idleMs = 1200)
    {
        QTest::qWait(settleMs);
        TimerCensus census;
        qApp->installEventFilter(&census);
        QTest::qWait(idleMs);
        qApp->removeEventFilter(&census);
        QSet<const QObject*> owners;
        QStringList sorted;  // one entry for each object, so that two alike both count
        const auto add = [&](const QObject* object) {
            if (object && !owners.contains(object)) {
                owners.insert(object);
                sorted.append(describe(object));
            }
        };
        for (const QPointer<QObject>& object : std::as_const(census.m_reached))
            add(object);
        for (QObject* object : allObjects()) {
            if (!QAbstractEventDispatcher::instance()->registeredTimers(object).isEmpty())
                add(object);
        }
        sorted.sort();
        return sorted;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Timer && !m_seen.contains(watched)) {
            m_seen.insert(watched);
            m_reached.append(watched);
        }
        return false;
    }

private:
    QSet<QObject*> m_seen;
    QList<QPointer<QObject>> m_reached;
};

// The figures of one session, taken after its first hundred rounds and at its end.
struct SoakReport {
    Memory early;
    Memory late;
    int earlyObjects = 0;
    int lateObjects = 0;
    qint64 elapsedMs = 0;

    // Every hundredth round: the memory then, logged so that a failure shows its curve.
    void sample(const char* what, int round)
    {
        if (round % 100 != 0)
            return;
        const Memory now = memoryNow();
        SOAK_FIGURE("%s: round %d: heap %.3f MB, resident %.2f MB", what, round, now.heapBytes / 1e6,
                    now.residentBytes / 1e6);
        if (round == 100) {
            early = now;
            earlyObjects = int(allObjects().size());
        }
    }

    void log(const char* what, int rounds) const
    {
        SOAK_FIGURE("%s: %d rounds in %.1f s (%.2f ms a round)", what, rounds, elapsedMs / 1000.0,
                    static_cast<double>(elapsedMs) / rounds);
        SOAK_FIGURE("%s: heap %.2f MB after 100, %.2f MB at the end (%+.2f%%)", what, early.heapBytes / 1e6,
                    late.heapBytes / 1e6, growthPercent(early.heapBytes, late.heapBytes));
        SOAK_FIGURE("%s: resident %.2f MB after 100, %.2f MB at the end (%+.2f%%)", what,
                    early.residentBytes / 1e6, late.residentBytes / 1e6,
                    growthPercent(early.residentBytes, late.residentBytes));
        SOAK_FIGURE("%s: %d objects after 100, %d at the end", what, earlyObjects, lateObjects);
    }
};

// Memory may grow by 5% at most from round 100 to the end. The sanitizers' quarantine and leak
// bookkeeping hold freed memory on purpose, so there only the descriptors and timers are checked.
inline void checkMemoryBound(const SoakReport& report)
{
#ifdef QUINTAVIA_SANITIZE_BUILD
    Q_UNUSED(report);
#else
    QVERIFY2(growthPercent(report.early.heapBytes, report.late.heapBytes) <= 5.0, "heap grew by over 5%");
    QVERIFY2(growthPercent(report.early.residentBytes, report.late.residentBytes) <= 5.0,
             "resident memory grew by over 5%");
#endif
    QCOMPARE(report.lateObjects, report.earlyObjects);
}

// A list as one string, so that a failed comparison shows the items and not only the sizes.
inline QString listed(const QStringList& items)
{
    return items.join(QStringLiteral("; "));
}

inline void checkNoDescriptorAdded(const QSet<QString>& before)
{
    QStringList added = (openDescriptors() - before).values();
    added.sort();
    SOAK_FIGURE("descriptors: %lld open before, %lld added", static_cast<long long>(before.size()),
                static_cast<long long>(added.size()));
    QCOMPARE(listed(added), QString());
}

// How many rounds a session has: a thousand unless QUINTAVIA_SOAK_ROUNDS says otherwise.
inline int soakRounds()
{
    bool ok = false;
    const int rounds = qEnvironmentVariableIntValue("QUINTAVIA_SOAK_ROUNDS", &ok);
    return ok && rounds >= 100 ? rounds : 1000;
}

// A clean folder under the build folder for one session's files.
inline QString freshFolder(const char* name)
{
    QDir dir(QStringLiteral(QUINTAVIA_SOAK_DIR "/") + QString::fromLatin1(name));
    dir.removeRecursively();
    QDir().mkpath(dir.path());
    return dir.path();
}

}  // namespace quintavia::test
