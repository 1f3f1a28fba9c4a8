#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# quintavia-check on the hostile files in DIR: each answered within 2 s and 200 MB (times SLOWDOWN
# in sanitizer builds), with the expected exit status and message.
# Usage: check_sizes.sh TOOL DIR SLOWDOWN
set -u
tool=$1 dir=$2 slowdown=$3
failed=0
check() {  # file, expected status, expected stderr
  local file=$dir/$1 err status seconds kib
  err=$(/usr/bin/time -f '%e %M' -o "$dir/time.txt" "$tool" "$file" 2>&1 >/dev/null)
  status=$?
  read -r seconds kib < <(tail -n 1 "$dir/time.txt")
  echo "$1: ${seconds} s, ${kib} KiB, exit $status"
  if [ "$status" != "$2" ] || [ "$err" != "$3" ]; then
    echo "  expected exit $2 and [$3], got [$err]"; failed=1
  fi
  if awk -v s="$seconds" -v k="$kib" -v f="$slowdown" 'BEGIN { exit !(s > 2 * f || k > 204800 * f) }'; then
    echo "  over 2 s or 200 MB"; failed=1
  fi
}
check grande.rtf 1 "quintavia-check: $dir/grande.rtf: Il file è troppo grande (più di 16 MiB)."
check righe.rtf 1 "quintavia-check: $dir/righe.rtf: Il file ha troppe righe per un esercizio (più di 10000)."
check gruppi.rtf 1 "quintavia-check: $dir/gruppi.rtf: Il file RTF è danneggiato: troppi gruppi annidati."
check bin.rtf 0 ""
check riga_lunga.rtf 1 "quintavia-check: $dir/riga_lunga.rtf: Il file ha una riga troppo lunga per un esercizio (più di 10000 caratteri)."
check testo.rtf 1 "quintavia-check: $dir/testo.rtf: Il file contiene troppo testo per un esercizio (più di 200000 caratteri)."
check info.rtf 0 ""
check al_limite.rtf 0 ""
exit $failed
