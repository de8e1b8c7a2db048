#!/usr/bin/env bash
# Installs into a staging folder and checks what a desktop needs: the program, a valid
# menu entry, the icon, and file types that the MIME database takes; then uninstalls.
set -euo pipefail
build=$1
uninstall=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() { echo "check_install: $*" >&2; exit 1; }

DESTDIR=$stage cmake --install "$build" --prefix /usr/local > /dev/null
root=$stage/usr/local
for f in bin/murva share/applications/murva.desktop share/icons/hicolor/scalable/apps/murva.svg \
         share/mime/packages/murva.xml; do
  [ -f "$root/$f" ] || fail "$f was not installed"
done
[ -x "$root/bin/murva" ] || fail "the program is not executable"

if command -v desktop-file-validate > /dev/null; then
  out=$(desktop-file-validate "$root/share/applications/murva.desktop" 2>&1) || fail "$out"
  # Hints are advice, such as on naming both Education and Graphics; errors and warnings fail.
  if grep -E 'error:|warning:' <<< "$out"; then fail "desktop-file-validate: $out"; fi
fi
LC_ALL=C.UTF-8 grep -qP '^Comment=[\x{3041}-\x{3096} ]+$' "$root/share/applications/murva.desktop" ||
  fail "the comment is not in hiragana"
xmllint --noout "$root/share/mime/packages/murva.xml" "$root/share/icons/hicolor/scalable/apps/murva.svg"

# The MIME database takes the types: globs for both extensions, the magic of the format.
if command -v update-mime-database > /dev/null; then
  # The staging folder is on the search path, or the tool says it is not.
  out=$(XDG_DATA_DIRS="$root/share" update-mime-database "$root/share/mime" 2>&1) || fail "$out"
  [ -z "$out" ] || fail "update-mime-database: $out"
  grep -q ':application/x-murva:\*\.mrv' "$root/share/mime/globs2" || fail "no glob for .mrv"
  grep -q ':application/x-zinda:\*\.znd' "$root/share/mime/globs2" || fail "no glob for .znd"
  grep -aq 'ZINDA FILE FORMAT 1\.' "$root/share/mime/magic" || fail "no magic"
fi

# Everything the install put there goes again.
rm -rf "$root/share/mime/"{globs,globs2,magic,mime.cache,types,subclasses,aliases,icons,generic-icons,treemagic,XMLnamespaces,version,application} 2>/dev/null || true
DESTDIR=$stage cmake -DMANIFEST="$build/install_manifest.txt" -P "$uninstall" > /dev/null
left=$(find "$stage" -type f)
[ -z "$left" ] || fail "left after uninstall: $left"
