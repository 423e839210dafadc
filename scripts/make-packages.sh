#!/usr/bin/env bash
# Makes the two release packages from the built program and help files:
#   <out>/Pixaport-<version>/            the program folder as it runs
#   <out>/Pixaport-<version>.zip         that folder, portable
#   <out>/Pixaport-<version>-Setup.exe   the installer (NSIS)
# Usage: make-packages.sh <pixaport.exe> <help-dir> <out-dir> <version>
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
exe=$1 help=$2 out=$3 version=$4
name="Pixaport-$version"
stage="$out/$name"

rm -rf "$stage" "$out/$name.zip" "$out/$name-Setup.exe"
mkdir -p "$stage"
cp "$exe" "$stage/pixaport.exe"
cp "$root"/resources/files/*.wav "$stage/"
cp "$help/PIXAPORT.HLP" "$help/PIXAPORT.CNT" "$help/PIXAPORT.CHM" "$stage/"
# Notepad of every Windows version reads Windows-1252 with CR LF line ends.
sed "s/@VERSION@/$version/" "$root/installer/LIESMICH.txt" | iconv -f UTF-8 -t CP1252 | sed 's/$/\r/' > "$stage/LIESMICH.txt"

(cd "$out" && zip -q -r -X "$name.zip" "$name")
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DPROGRAM="$stage" \
  -DICON="$root/resources/images/aicon.ico" -DOUTFILE="$out/$name-Setup.exe" "$root/installer/pixaport.nsi"
