#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quintavia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: built by cpack, installed with dpkg (its dependencies already present), the
# installed program starts and shows its start window without Qt SQL, records an answer through
# its record module, and the files are in their standard places.
source "$(dirname "$0")/desktop.sh"
BUILD_DIR=${BUILD_DIR:?the build folder}
if [ "$(id -u)" -ne 0 ]; then
  echo "installing a package needs root; not run"
  exit 0
fi

(cd "$WORK" && cpack -G DEB --config "$BUILD_DIR/CPackConfig.cmake" -B "$WORK/pkg" >"$WORK/cpack.log" 2>&1) \
  || { cat "$WORK/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$WORK"/pkg/quintavia_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6multimedia6 libqt6svg6 libqt6sql6 libqt6sql6-sqlite qt6-qpa-plugins fonts-comic-neue \
              qt6-translations-l10n; do
  echo "$depends" | grep -q "$needed" || fail "the package does not depend on $needed"
done
dpkg -i "$deb" >"$WORK/dpkg.log" 2>&1 || { cat "$WORK/dpkg.log" >&2; fail "dpkg -i failed"; }
remove_package() {
  local status=$?
  dpkg -r quintavia >/dev/null 2>&1 || true
  (exit $status)
  cleanup
}
trap remove_package EXIT

for file in /usr/bin/quintavia /usr/bin/quintavia-check \
            /usr/share/applications/org.example.quintavia.desktop \
            /usr/share/metainfo/org.example.quintavia.metainfo.xml \
            /usr/share/icons/hicolor/scalable/apps/org.example.quintavia.svg \
            /usr/share/icons/hicolor/48x48/apps/org.example.quintavia.png \
            /usr/share/doc/quintavia/copyright /usr/share/doc/quintavia/guida-insegnante.md; do
  [ -s "$file" ] || fail "$file was not installed"
done
# grep reads the whole list: with -q it could stop early, and dpkg, cut off, would fail the pipeline.
installed=$(dpkg -L quintavia)
for module in quintavia-sound.so quintavia-record.so; do
  grep -q "/quintavia/$module\$" <<<"$installed" || fail "the module $module was not installed"
done
file /usr/share/icons/hicolor/48x48/apps/org.example.quintavia.png | grep -q '48 x 48' || fail "the small icon is not 48 pixels"
/usr/bin/quintavia-check --help >/dev/null || fail "the installed quintavia-check does not run"
/usr/bin/quintavia-check --verifica /usr/share/quintavia/esercizi | grep "^120 esercizi: 120 giusti" >/dev/null \
  || fail "the exercise collection was not installed whole"

QUINTAVIA=/usr/bin/quintavia
start_desktop
start_program
shot installed-program
# Qt SQL comes with the record's module, at the first answer: the start window does without it.
if grep -q libQt6Sql "/proc/$PROGRAM_PID/maps"; then fail "Qt SQL was loaded at start-up"; fi
# It comes at the first answer, from the installed module folder, and the answer is recorded.
printf '%s' '{\rtf1\ansi\deff0{\fonttbl{\f0\fnil Comic Sans MS;}}\pard\fs24 3+4\par 7\par }' >"$WORK/esercizio.rtf"
click_twips "Le Quintavia" 1800 2340 3375 615
window_id "Risoluzione" >/dev/null || fail "the solver did not open"
open_exercise "$WORK/esercizio.rtf"
type_text "7"; press Return
wait_for "grep -q quintavia-record.so /proc/$PROGRAM_PID/maps" 10 || fail "the record's module was not loaded"
/usr/bin/quintavia-check --registro "$WORK/data/quintavia/registro" | grep "1 esercizio, 1 finito" >/dev/null \
  || { cat "$WORK/program.log" >&2; fail "the installed program did not record the exercise"; }
log "installed from $(basename "$deb"), started, and recorded an answer"
