#!/usr/bin/env bash
# The installed game's desktop entries, AppStream metainfo and manual pages pass their
# validators without a warning. Usage: metadata_test.sh PACKAGING_FOLDER
set -euo pipefail
readonly FOLDER=$1

for tool in desktop-file-validate appstreamcli man; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
failed=0
report() {
  echo "FAIL: $1:" >&2
  echo "$2" >&2
  failed=1
}

for entry in "$FOLDER"/*.desktop; do
  # desktop-file-validate's hints are advice; its warnings and errors count.
  out=$(desktop-file-validate --no-hints "$entry" 2>&1) || true
  [[ -z $out ]] || report "$entry" "$out"
done

for metainfo in "$FOLDER"/*.metainfo.xml; do
  # Anything above the pedantic notes (infos included) fails; the pedantic notes are shown.
  out=$(appstreamcli validate --no-net --pedantic --strict "$metainfo" 2>&1) || report "$metainfo" "$out"
  echo "$out"
done

for page in "$FOLDER"/*.6; do
  # As lintian reads manual pages: every groff warning counts.
  out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null) || true
  [[ -z $out ]] || report "$page" "$out"
done

[[ $failed -eq 0 ]] || exit 1
echo "passed: desktop entries, metainfo and manual pages validate"
