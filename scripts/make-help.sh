#!/usr/bin/env bash
# Makes the help files from help/pixaport.but with halibut:
#   <out>/PIXAPORT.HLP and PIXAPORT.CNT (WinHelp), <out>/PIXAPORT.CHM (HTML Help),
#   <out>/html/ (web pages).
# Every picture in help/bilder/ goes into the CHM and the web pages; a style rule
# shows it below the link that names it (the source format has no inline pictures).
# Usage: make-help.sh <source-dir> <out-dir>
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
src=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
work="$out/work"
rm -rf "$work" "$out/html"
mkdir -p "$work" "$out/html/bilder"

cp "$src/pixaport.css" "$work/pixaport.css"
: > "$work/pictures.but"
for picture in "$src"/bilder/*.png; do
  [ -e "$picture" ] || continue
  name="bilder/$(basename "$picture")"
  echo "a[href=\"$name\"]::after { content: url(\"$name\"); display: block; margin: 6px 0; }" >> "$work/pixaport.css"
  echo "\\cfg{chm-extra-file}{$picture}{$name}" >> "$work/pictures.but"
  cp "$picture" "$out/html/bilder/"
done

cd "$work"
halibut --winhelp=PIXAPORT.HLP --chm=PIXAPORT.CHM --html "$src/pixaport.but" pictures.but
python3 "$here/sort-help-contexts.py" PIXAPORT.HLP
mv PIXAPORT.HLP PIXAPORT.CHM "$out/"
# halibut names the contents file in lower case; the viewer finds it either way,
# but the program folder lists it the way it lists the help file.
mv PIXAPORT.cnt "$out/PIXAPORT.CNT"
mv ./*.html pixaport.css "$out/html/"
cd "$out"
rm -rf "$work"
