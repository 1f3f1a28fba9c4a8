#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A class of 30 plays one exercise with quintavia-check --risolvi at the same time, into one class
# folder: some slip, some ask for help, three stop before the end. Then --registro --csv holds every
# exercise as it went, and the PDF's text names every pupil.
# Usage: class_play_test.sh QUINTAVIA_CHECK WORK
set -euo pipefail
tool=$1
work=$2
rm -rf "$work"
mkdir -p "$work/classe"
fail() { echo "class_play: $*" >&2; exit 1; }

"$tool" --passaggi "(3^2 + 4) x 2 : 13" --rtf "$work/esercizio.rtf"
mapfile -t lines < <("$tool" "$work/esercizio.rtf")
names=(Anna Bruno Carla Davide Elena Fabio Giulia Ilaria Luca Marta Nicolò Olga Paolo Rita Sara
       Tommaso Ugo Viola Zoë "Anna Maria" Bianca Cesare Dario Enea Flavia Gino Irene Leo Mirko "Noemi D'Amico")

play() {  # the answers of pupil number $1
  if (( $1 % 3 == 1 )); then echo "= 0"; fi  # a slip
  if (( $1 % 10 == 9 )); then echo "${lines[1]}"; return; fi  # stops after one step
  if (( $1 % 5 == 2 )); then echo "?"; printf '%s\n' "${lines[@]:2}"; return; fi
  printf '%s\n' "${lines[@]:1}"
}

pids=()
for i in "${!names[@]}"; do
  play "$i" | "$tool" --risolvi "$work/esercizio.rtf" --classe "$work/classe" --alunno "${names[$i]}" \
    >"$work/out-$i.txt" 2>&1 &
  pids+=($!)
done
for i in "${!pids[@]}"; do
  status=0
  wait "${pids[$i]}" || status=$?
  expected=0
  if (( i % 10 == 9 )); then expected=1; fi
  [ "$status" -eq "$expected" ] || fail "${names[$i]}: exit $status, expected $expected: $(cat "$work/out-$i.txt")"
  ! grep -q "registro" "$work/out-$i.txt" || fail "${names[$i]}: $(cat "$work/out-$i.txt")"
done

"$tool" --registro "$work/classe" --csv "$work/classe.csv" --pdf "$work/classe.pdf" || fail "--registro: exit $?"
rows=$(tail -n +2 "$work/classe.csv")
[ "$(printf '%s\n' "$rows" | wc -l)" -eq 30 ] || fail "classe.csv has not 30 rows:"$'\n'"$rows"
for i in "${!names[@]}"; do
  finished="sì"; errors=0; helps=0
  if (( i % 10 == 9 )); then finished="no"; fi
  if (( i % 3 == 1 )); then errors=1; fi
  if (( i % 5 == 2 && i % 10 != 9 )); then helps=1; fi
  row=$(printf '%s\n' "$rows" | grep "^${names[$i]};" || true)
  pattern="^${names[$i]};[0-9/]+ [0-9:]+;esercizio\.rtf;;;${finished};${errors};${helps};"
  [[ "$row" =~ $pattern ]] || fail "${names[$i]}: row «$row», expected $finished, $errors errors, $helps helps"
done
if command -v pdftotext >/dev/null; then
  text=$(pdftotext "$work/classe.pdf" -)
  for name in "${names[@]}"; do
    grep -qF "$name" <<<"$text" || fail "the PDF does not name $name"
  done
fi
echo "class_play: 30 pupils recorded"
