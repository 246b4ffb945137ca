#!/usr/bin/env bash
# The installed program: an install into a staging folder checked by the desktop's validators, the launcher
# placing the starter book in the user's own folder once and never again, the program reaching its main
# window that way, and the Debian package with what lintian says of it.
#   install_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'kill "${program:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

stage=$work/stage
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
for f in usr/bin/mealvane usr/lib/mealvane/mealvane "usr/lib/mealvane/help/mealvane manual.chm" \
    usr/lib/mealvane/help/html/index.html usr/share/mealvane/MealvaneData40.mdb \
    usr/share/applications/org.mealvane.Mealvane.desktop usr/share/metainfo/org.mealvane.Mealvane.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/org.mealvane.Mealvane.svg usr/share/man/man1/mealvane.1.gz \
    usr/share/doc/mealvane/copyright; do
    [ -e "$stage/$f" ] || fail "not installed: $f"
done
for size in 16 24 32 48 64 128 256; do
    png=$stage/usr/share/icons/hicolor/${size}x${size}/apps/org.mealvane.Mealvane.png
    [ "$(identify -format '%wx%h' "$png")" = "${size}x${size}" ] || fail "icon $size"
done
desktop-file-validate "$stage/usr/share/applications/org.mealvane.Mealvane.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$stage/usr/share/metainfo/org.mealvane.Mealvane.metainfo.xml" >/dev/null ||
    fail "metainfo"
echo "installed and validated"

# Starts the installed launcher from the home folder, as a desktop menu does, and waits until the program
# holds its data file (start-up has made the data module) and goes on holding it.
start() {
    (cd "$HOME" && QT_QPA_PLATFORM=offscreen exec "$stage/usr/bin/mealvane" >"$work/program.log" 2>&1) &
    program=$!
    local book=$1 waited=0
    until [ -e "$book" ] && ! flock -n "$book" true 2>/dev/null; do
        kill -0 "$program" 2>/dev/null || fail "the program ended: $(cat "$work/program.log")"
        sleep 0.25
        waited=$((waited + 1))
        [ $waited -lt 120 ] || fail "the program never opened $book: $(cat "$work/program.log")"
    done
    sleep 1
    kill -0 "$program" 2>/dev/null || fail "the program ended after opening $book"
    kill "$program"
    wait "$program" 2>/dev/null || true
}

export HOME=$work/home
mkdir -p "$HOME"
unset XDG_DATA_HOME
book=$HOME/.local/share/mealvane/data/MealvaneData40.mdb
start "$book"
cmp -s "$book" "$stage/usr/share/mealvane/MealvaneData40.mdb" || fail "the starter book was not placed"
echo "placed the starter book in $book"
sqlite3 "$book" "INSERT INTO IGroup(IGROUP_NAME) VALUES('Kept by the user')"
cp "$book" "$work/before.mdb"
start "$book"
cmp -s "$book" "$work/before.mdb" || fail "an existing data file was changed by the launcher"
echo "an existing book is left as it is"

export XDG_DATA_HOME=$work/elsewhere
start "$XDG_DATA_HOME/mealvane/data/MealvaneData40.mdb"
echo "XDG_DATA_HOME is followed"

# The Debian package: dependencies from the linked libraries, and nothing lintian calls an error.
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/deb" >/dev/null
deb=$(ls "$work"/deb/mealvane_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libsqlite3-0 libjpeg62-turbo libmdb3 qt6-qpa-plugins xdg-utils fonts-noto-cjk fonts-symbola; do
    [[ $depends == *"$library"* ]] || fail "the package does not depend on $library: $depends"
done
lintian --fail-on error,warning "$deb" 2>&1 | grep -v 'root privileges' || true
lintian --fail-on error,warning "$deb" >/dev/null 2>&1 || fail "lintian"
echo "package $(basename "$deb") passes lintian"
