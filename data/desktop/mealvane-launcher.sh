#!/bin/sh
# Starts Mealvane in the user's own folder, $XDG_DATA_HOME/mealvane (~/.local/share/mealvane), placing a
# copy of the starter recipe book there when it holds no data file yet. An existing file is never replaced.
here=$(dirname "$(readlink -f "$0")")
prefix=$(dirname "$here")
program="$prefix/lib/mealvane/mealvane"
starter="$prefix/share/mealvane/MealvaneData40.mdb"

data_home=${XDG_DATA_HOME:-}
case "$data_home" in
    /*) ;;
    *) data_home="$HOME/.local/share" ;; # a relative XDG_DATA_HOME is ignored, as the base directories say
esac
folder="$data_home/mealvane"
book="$folder/data/MealvaneData40.mdb"

mkdir -p "$folder/data" 2>/dev/null
if [ ! -e "$book" ] && [ -d "$folder/data" ]; then
    # Copied under another name, then linked into place: two starts at once never leave half a file, and
    # a file that appeared meanwhile is kept.
    part=$(mktemp "$folder/data/.MealvaneData40.XXXXXX" 2>/dev/null) &&
        cp "$starter" "$part" && chmod 644 "$part" && ln "$part" "$book" 2>/dev/null
    [ -n "${part:-}" ] && rm -f "$part"
fi
# Where the folder cannot be made, the program says which file it could not find.
cd "$folder" 2>/dev/null || cd "$HOME" || exit 1
exec "$program" "$@"
