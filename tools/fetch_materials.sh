#!/bin/sh
# Makes the ready materials of data/materials/ from the Twemoji pictures: downloads the
# SVG package once with npm, converts the pictures that tools/materials.txt names with
# tools/svg2znd.py, and writes index.tsv and LICENSE.md beside them. The results are
# committed, so building the program never needs the network; run this again only to
# change the list or the converter.
#
#   sh tools/fetch_materials.sh
#
# Nothing in data/materials/ changes unless every picture converts.
set -eu

PACKAGE=@twemoji/svg
VERSION=15.0.0
INTEGRITY=sha512-ZSPef2B6nBaYnfgdTbAy4jgW95o7pi2xPGwGCU+WMTxo7J6B1lMPTWwSq/wTuiMq+N0khQ90CcvYp1wFoQpo/w==

tools=$(cd "$(dirname "$0")" && pwd)
target=$(dirname "$tools")/data/materials
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

command -v npm >/dev/null || { echo "fetch_materials: npm is needed to download $PACKAGE" >&2; exit 1; }
(cd "$work" && npm pack --silent "$PACKAGE@$VERSION" >/dev/null)
tarball=$(ls "$work"/*.tgz)
got=sha512-$(python3 -c 'import base64, hashlib, sys
print(base64.b64encode(hashlib.sha512(open(sys.argv[1], "rb").read()).digest()).decode())' "$tarball")
if [ "$got" != "$INTEGRITY" ]; then
    echo "fetch_materials: $PACKAGE $VERSION is not the package this list was made from" >&2
    exit 1
fi
tar -xzf "$tarball" -C "$work"

python3 "$tools/svg2znd.py" --list "$tools/materials.txt" --svg-dir "$work/package" \
    --out "$work/materials"

{
    cat <<EOF
# Where the ready materials come from

The pictures of these materials are Twemoji, by Twitter, Inc. and other contributors
(2014-2021) and Jason Sofonia & Justine De Caires (2022 on), now maintained as
jdecked/twemoji (https://github.com/jdecked/twemoji). The Twemoji graphics are licensed
under the Creative Commons Attribution 4.0 International licence (CC-BY 4.0):
https://creativecommons.org/licenses/by/4.0/

They were taken from the npm package $PACKAGE $VERSION ($INTEGRITY),
which carries the SVG files of jdecked's Twemoji 15.0 (its own licence field, MIT,
covers the packaging; the graphics stay CC-BY 4.0).

Changes: every picture was converted by tools/svg2znd.py into a material: one stamp of
polygons, ellipses and rectangles, 120 px across, curves flattened to within half a pixel
and points rounded to whole pixels, see-through colours blended over white.
tools/fetch_materials.sh makes this folder again.

The materials are licensed under CC-BY 4.0 as well. Attribution to give when sharing
them or pictures made with them: "Twemoji by Twitter, Inc. and other contributors,
CC-BY 4.0, converted for Murva".

| material | Twemoji picture |
|---|---|
EOF
    python3 -c 'import sys
sys.path.insert(0, sys.argv[1])
import svg2znd
for kind, svg, name, kanji, kana, english in svg2znd.read_list(sys.argv[2]):
    print("| %s/%s.znd | %s (%s) |" % (kind, name, svg, english))' "$tools" "$tools/materials.txt"
} >"$work/materials/LICENSE.md"

rm -rf "$target.new"
cp -R "$work/materials" "$target.new"
rm -rf "$target"
mv "$target.new" "$target"
echo "fetch_materials: data/materials made from $PACKAGE $VERSION"
