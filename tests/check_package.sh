#!/usr/bin/env bash
# Packs the built tree into a Debian package in a temporary folder and checks it as a
# school's machine would take it: the files, dependencies computed from the binary and
# none of the tests' or benchmarks', valid metainfo and menu entry, a man page, and no
# lintian error; every lintian warning left is one the README names with its reason.
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "check_package: $*" >&2; exit 1; }

cpack -G DEB -B "$work" --config "$build/CPackConfig.cmake" > "$work/cpack.log" 2>&1 ||
  fail "cpack: $(cat "$work/cpack.log")"
deb=$(ls "$work"/murva_*.deb) || fail "no murva_<version>_<arch>.deb"

files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in usr/bin/murva usr/share/applications/murva.desktop \
         usr/share/icons/hicolor/scalable/apps/murva.svg usr/share/mime/packages/murva.xml \
         usr/share/metainfo/org.murva.Murva.metainfo.xml usr/share/man/man1/murva.1.gz \
         usr/share/doc/murva/copyright usr/share/murva/examples/welcome.mrv; do
  grep -qx "./$f" <<< "$files" || fail "$f is not in the package"
done
if [ -d "$source/data/materials" ]; then
  n=$(grep -c '^\./usr/share/murva/materials/.*\.znd$' <<< "$files" || true)
  [ "$n" -ge 60 ] || fail "only $n ready materials in the package"
fi

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libjpeg62-turbo libgif7 libavcodec; do
  grep -q "$lib" <<< "$depends" || fail "no dependency on $lib: $depends"
done
if grep -Eq 'gtest|gmock|benchmark|xvfb|xdotool|poppler|-dev\b' <<< "$depends"; then
  fail "depends on what only tests or building use: $depends"
fi

dpkg-deb -x "$deb" "$work/root"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.murva.Murva.metainfo.xml" \
  > "$work/appstream.log" 2>&1 || fail "appstreamcli: $(cat "$work/appstream.log")"
if command -v desktop-file-validate > /dev/null; then
  out=$(desktop-file-validate "$work/root/usr/share/applications/murva.desktop" 2>&1) || fail "$out"
fi
zcat "$work/root/usr/share/man/man1/murva.1.gz" | grep -q 'export\\-video' ||
  fail "the man page does not name the command line"

if command -v lintian > /dev/null; then
  lintian --no-tag-display-limit "$deb" > "$work/lintian.log" 2>&1 || true
  if grep -q '^E:' "$work/lintian.log"; then fail "lintian: $(grep '^E:' "$work/lintian.log")"; fi
  for tag in $(awk '/^W:/ {print $3}' "$work/lintian.log" | sort -u); do
    grep -q -- "$tag" "$source/README.md" || fail "lintian warning $tag is not named in the README"
  done
fi
