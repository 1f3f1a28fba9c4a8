// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every key at once: a keypad click, a typed character and a confirmed step, through the real
// windows on the offscreen platform with a 15-line exercise, and the editor's live check of it.
#include "arithmetic/line.h"
#include "document/document_file.h"
#include "editor/editor_window.h"
#include "editor/live_check.h"
#include "exercise/exercise_lines.h"
#include "solver/solver_window.h"
#include "test_harness.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

using namespace quintavia;

// "1 + 1 + ... + 1" with 14 ones, then one line per addition: 15 lines in all.
std::vector<arithmetic::Line> fifteenLines()
{
    std::vector<arithmetic::Line> lines;
    for (int ones = 14; ones >= 1; --ones) {
        QStringList terms(ones - 1, QStringLiteral("1"));
        terms.prepend(QString::number(15 - ones));
        const QString line
            = (ones == 14 ? QString() : QStringLiteral("= ")) + terms.join(QStringLiteral(" + "));
        lines.push_back(arithmetic::plainLine(line.toStdString()));
    }
    lines.push_back(arithmetic::plainLine("= 14"));
    return lines;
}

struct Exercise {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("quindici.rtf"));
    Exercise()
    {
        QString error;
        writeDocumentFile(path, *exercise::documentOfLines(fifteenLines()), &error);
    }
};

QAbstractButton* button(QWidget* window, const char* name)
{
    return window->findChild<QAbstractButton*>(QString::fromUtf8(name));
}

void openInSolver(test::Harness& h, QWidget* solver, const QString& path)
{
    h.dialogs.answerOpen(path);
    button(solver, "cmdApri")->click();
    QCoreApplication::processEvents();
}

// The editor, shown, with the exercise opened through Modifica.
EditorWindow* openInEditor(test::Harness& h, const QString& path)
{
    auto* editor = static_cast<EditorWindow*>(h.registry.load(WindowKind::Editor));
    editor->show();
    h.dialogs.answerOpen(path);
    button(editor, "cmdModifica")->click();
    return editor;
}

// A key and its undoing, in turns, so the text stays as it was.
template <typename Press> void inTurns(benchmark::State& state, Press press)
{
    bool forth = true;
    for (auto _ : state) {
        press(forth);
        QCoreApplication::processEvents();  // queued keys reach their box
        forth = !forth;
    }
}

void keypadClick(benchmark::State& state)
{
    Exercise exercise;
    test::Harness h;
    QWidget* solver = h.registry.load(WindowKind::Solver);
    solver->show();
    openInSolver(h, solver, exercise.path);
    QAbstractButton* five = button(solver, "Cmd_5");
    QAbstractButton* back = button(solver, "Cmd_backspace");
    inTurns(state, [&](bool forth) { (forth ? five : back)->click(); });
}
BENCHMARK(keypadClick)->Unit(benchmark::kMicrosecond);

void typedCharacterInTheEditor(benchmark::State& state)
{
    Exercise exercise;
    test::Harness h;
    QWidget* box = openInEditor(h, exercise.path)->findChild<QWidget*>(QStringLiteral("RichTextBox1"));
    inTurns(state, [&](bool forth) { QTest::keyClick(box, forth ? Qt::Key_7 : Qt::Key_Backspace); });
}
BENCHMARK(typedCharacterInTheEditor)->Unit(benchmark::kMicrosecond);

void liveCheckOfTheExercise(benchmark::State& state)
{
    Exercise exercise;
    test::Harness h;
    EditorWindow* editor = openInEditor(h, exercise.path);
    for (auto _ : state)
        editor->liveCheck().checkNow();
}
BENCHMARK(liveCheckOfTheExercise)->Unit(benchmark::kMicrosecond);

void confirmedStep(benchmark::State& state)
{
    Exercise exercise;
    test::Harness h;
    auto* solver = static_cast<SolverWindow*>(h.registry.load(WindowKind::Solver));
    solver->show();
    openInSolver(h, solver, exercise.path);
    QWidget* answer = solver->findChild<QWidget*>(QStringLiteral("RTB2"));
    QAbstractButton* invio = button(solver, "Cmd_invio");
    const std::vector<arithmetic::Line> lines = fifteenLines();
    for (auto _ : state) {
        state.PauseTiming();
        if (!answer->isEnabled())
            openInSolver(h, solver, exercise.path);
        const std::size_t next = std::size_t(solver->session().counter());
        QTest::keyClicks(answer, QString::fromStdString(arithmetic::plainText(lines[next])));
        QCoreApplication::processEvents();  // the typed step is on the screen before it is confirmed
        state.ResumeTiming();
        invio->click();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(confirmedStep)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
