#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the hostile exercise files into the folder given (under the build folder, never in the
sources): sizes and shapes no teacher writes, but a stick or a server may hand over."""
import os
import sys

MIB = 1024 * 1024


def write(folder, name, parts):
    with open(os.path.join(folder, name), "wb") as f:
        for part in parts:
            f.write(part)


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    head = b"{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0 "
    # 100 MiB of text in one file.
    write(folder, "grande.rtf", [head] + [b"1+2=3 " * (MIB // 6) + b"1234"] * 100 + [b"}"])
    # A million short lines.
    write(folder, "righe.rtf", [head, b"1+1\\par\n" * 1_000_000, b"}"])
    # 100,000 groups inside each other.
    write(folder, "gruppi.rtf", [head, b"{" * 100_000, b"2+2", b"}" * 100_000, b"}"])
    # A \bin that claims 50 MiB of binary data the file does not hold.
    write(folder, "bin.rtf", [head, b"3+3{\\bin52428800 abc}}"])
    # One line of 10 MB.
    write(folder, "riga_lunga.rtf", [head, b"1234567890" * 1_000_000, b"}"])
    # 16 MiB of lines short enough, but far too much text.
    write(folder, "testo.rtf", [head, (b"1234567890" * 100 + b"\\par\n") * 16_000, b"}"])
    # A document information of 15 MiB: a seed no number holds.
    write(folder, "info.rtf", [head, b"{\\info{\\keywords livello 3; seme ", b"9" * (15 << 20), b"}}2+2}"])
    # As much as a document may hold: 20 lines of 10,000 characters.
    write(folder, "al_limite.rtf", [head, b"\\par\n".join([b"1234567890" * 1000] * 20), b"}"])


main()
