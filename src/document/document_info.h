// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Knows: the document information an exercise file carries besides its lines (the \info group
// that word processors keep and show among a file's properties), and how a generated exercise
// says there what made it.
#include <QString>
#include <QTextDocument>

#include <optional>

namespace quintavia {

// Longer fields are cut: they are a line in a properties dialog, never a text.
inline constexpr int kMaxInfoLength = 500;

struct DocumentInfo {
    QString subject;   // for generated exercises, the level's name: "Prima media"
    QString keywords;  // for generated exercises, originKeywords()
    bool isEmpty() const { return subject.isEmpty() && keywords.isEmpty(); }
    bool operator==(const DocumentInfo&) const = default;
};

// The information as it holds for the document's lines now: once they are no longer the lines it
// was set for, what made them (the seed and the number) no longer does and is left out; the level
// and the theme stay, since a teacher's edit keeps an exercise in its year.
DocumentInfo documentInfo(const QTextDocument& document);
// Gives the document its information, for the lines it holds at this moment.
void setDocumentInfo(QTextDocument& document, const DocumentInfo& info);

// The information and the lines it holds for, kept before new lines replace them.
struct InfoSnapshot {
    DocumentInfo info;
    QString lines;
};
InfoSnapshot infoSnapshot(const QTextDocument& document);
// setDocumentInfo() as part of the edit block open now: undoing the block, which put new lines in
// place of `earlier`'s, gives `earlier` its information back, and redoing it gives `info` again.
void setDocumentInfoUndoably(QTextDocument& document, const DocumentInfo& info, const InfoSnapshot& earlier);

// What made a generated exercise: the generator's level, theme and seed, and its place among the
// exercises that seed made. Written in the keywords as "livello 3; tema potenze; seme 2029;
// numero 7", items in any order, blanks and letter case aside; a theme, seed or number missing.
struct ExerciseOrigin {
    int level = 0;                 // as written; whether the curriculum has it is the reader's call
    QString theme;                 // empty: none
    std::optional<quint64> seed;   // none: not known
    int number = 0;                // 0: not said, the seed made this exercise alone
    // The seed that makes this exercise alone: the set's seed when it is its first exercise.
    std::optional<quint64> ownSeed() const { return number <= 1 ? seed : std::nullopt; }
    bool operator==(const ExerciseOrigin&) const = default;
};

QString originKeywords(const ExerciseOrigin& origin);
// None when the keywords are someone else's: an item that is not one of ours, a level that is no
// positive number, a seed or number that is not a number of its size, an item twice.
std::optional<ExerciseOrigin> originOf(const QString& keywords);

}  // namespace quintavia
