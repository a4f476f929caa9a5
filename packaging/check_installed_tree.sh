#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks the tree as a desktop sees it: both
# programs and the icons are there, the desktop entry and the metainfo pass their validators,
# and once the installed MIME database is built, LTX files resolve to the program's own type
# in Qt and in GLib, over the LaTeX type the system's database gives them: with the installed
# database beside the system's, and with both merged into one as a package install does. Then
# `cpack -G DEB` must make a package of the same files.
#
# Usage: check_installed_tree.sh BUILD_DIR SCRATCH_DIR MIME_TYPE_OF_PROGRAM
set -euo pipefail
build=$1
scratch=$2
mime_type_of=$3
id=org.morvane.Morvane
own_type=text/x-morvane-ltx

fail() {
  echo "installed tree: $*" >&2
  exit 1
}

# Width and height from a PNG's header.
png_size() {
  local hex
  hex=$(od -An -tx1 -j16 -N8 "$1" | tr -d ' \n')
  echo "$((16#${hex:0:8}))x$((16#${hex:8:8}))"
}

rm -rf "$scratch"
prefix=$scratch/usr
share=$prefix/share
cmake --install "$build" --prefix "$prefix" >/dev/null

for program in morvane morvane-ltx; do
  [ -x "$prefix/bin/$program" ] || fail "bin/$program is missing"
done
for size in 48x48 256x256; do
  icon=$share/icons/hicolor/$size/apps/$id.png
  [ -f "$icon" ] || fail "the $size icon is missing"
  [ "$(png_size "$icon")" = "$size" ] || fail "the $size icon is $(png_size "$icon")"
done
grep -q '<svg' "$share/icons/hicolor/scalable/apps/$id.svg" || fail "the scalable icon is missing"

desktop=$share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "the desktop entry does not validate"
grep -qx "MimeType=$own_type;" "$desktop" || fail "the desktop entry does not name $own_type"
if ! report=$(appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" 2>&1); then
  echo "$report" >&2
  fail "the metainfo does not validate"
fi

# Named in XDG_DATA_DIRS only so that the tool does not warn that it is not.
XDG_DATA_DIRS=$share:/usr/share update-mime-database "$share/mime"
# As a package install makes it: the system's type definitions and the installed one in one
# database, where a tie on the glob would go to LaTeX.
merged=$scratch/merged
mkdir -p "$merged/mime/packages"
cp /usr/share/mime/packages/*.xml "$share/mime/packages/$id.xml" "$merged/mime/packages/"
XDG_DATA_DIRS=$merged update-mime-database "$merged/mime"

files=$scratch/files
mkdir -p "$files" "$scratch/home"
printf '[weapon]:base\r\nammo = 30 ; rounds\r\n' >"$files/weapons.ltx"
printf '#include "weapons.ltx"\r\n' >"$files/ALL.LTX"

# Resolves every file with the given data folders, no user folder taking part.
types() {
  local dirs=$1 tool=$2 file
  for file in "$files"/*; do
    if [ "$tool" = qt ]; then
      XDG_DATA_HOME=$scratch/home XDG_DATA_DIRS=$dirs "$mime_type_of" "$file"
    else
      XDG_DATA_HOME=$scratch/home XDG_DATA_DIRS=$dirs gio info -a standard::content-type "$file" |
        sed -n 's/^ *standard::content-type: //p'
    fi
  done | sort -u | tr '\n' ' '
}

for tool in qt glib; do
  # The system's database alone answers otherwise, so what follows is the installed type's doing.
  [ "$(types /usr/share $tool)" != "$own_type " ] || fail "$tool: the system alone already gives $own_type"
  for dirs in "$share:/usr/share" "$merged"; do
    got=$(types "$dirs" $tool)
    [ "$got" = "$own_type " ] || fail "$tool: with $dirs LTX files resolve to '$got', not $own_type"
  done
done

# The Debian package carries the same files under /usr, and names the libraries it needs.
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/package" >/dev/null
debs=("$scratch"/package/morvane_*.deb)
[ -f "${debs[0]}" ] || fail "cpack made no Debian package"
packaged=$(dpkg-deb -c "${debs[0]}" | awk '$1 !~ /^d/ { sub("^[.]/usr/", "", $6); print $6 }' | sort)
installed=$(cd "$prefix" && find bin share/applications share/icons share/metainfo share/mime/packages -type f | sort)
[ "$packaged" = "$installed" ] || fail "the package holds other files than the install: $packaged"
dpkg-deb -f "${debs[0]}" Depends | grep -q libqt6widgets6 || fail "the package does not depend on Qt's widgets"
echo "installed tree: ok"
