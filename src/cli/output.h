// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

#include <cstdio>
#include <string_view>

namespace quintavia::cli {

// Everything a command prints goes through here, so that a failed write to standard output (a
// full disk, a closed pipe) is never taken for a success, whichever command wrote it.
class Output {
public:
    explicit Output(std::FILE* out = stdout, std::FILE* err = stderr) : m_out(out), m_err(err) { }

    void print(std::string_view utf8);
    void print(const QString& text);
    // "quintavia-check: text" on its own line of standard error, after what was printed so far.
    void complain(const QString& text);
    // A line of standard error as it is ("FILE:LINE: avviso: ...").
    void warn(const QString& text);
    // A wrong command line: the complaint and where to look for help.
    int usage(const QString& text, const QString& helpCommand);
    // The exit status: `status`, or 1 when anything meant for standard output was not written.
    int finish(int status);

private:
    std::FILE* m_out;
    std::FILE* m_err;
    int m_writeError = 0;
    bool m_failed = false;
};

}  // namespace quintavia::cli
