# Shell functions the bench scripts share; sourced by them, never run on its own.
#
# Sets `repo` (the repository), `env_script` (scripts/e2e-env) and `build` (the windows preset's
# build folder, which a script's argument may change).
# shellcheck shell=bash

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
env_script=$repo/scripts/e2e-env
# shellcheck disable=SC2034  # used by the scripts that source this file
build=$repo/build/windows
bench_name=$(basename "$0")

# Prints the usage text, lines FIRST to LAST of the calling script's head comment, and ends.
bench_usage() {
    sed -n "$1,$2s/^# \{0,1\}//p" "$0" >&2
    exit 2
}

# Ends the script when one of the programs has not been built.
bench_require() {
    local program
    for program in "$@"; do
        [ -f "$program" ] || { echo "$bench_name: no $program (build the windows preset)" >&2; exit 1; }
    done
}

# Wine sees the Linux file system as drive Z:.
windows_path() {
    local path
    path=$(realpath -m "$1")
    printf 'Z:%s' "${path//\//\\}"
}

bench_started_environment=false
trash=

# Puts `count` items of 100 bytes into the environment's trash, as Wine's shell records them.
fill_trash() {
    local count=$1 i
    rm -rf "${trash:?}/files" "${trash:?}/info"
    mkdir -p "$trash/files" "$trash/info"
    for ((i = 0; i < count; i++)); do
        printf '%100s' '' >"$trash/files/item-$i"
        printf '[Trash Info]\nPath=/tmp/item-%d\nDeletionDate=2025-01-01T00:00:00\n' "$i" \
            >"$trash/info/item-$i.trashinfo"
    done
}

# Leaves a trash the script filled empty, and stops an environment the script started.
bench_finish() {
    [ -z "$trash" ] || fill_trash 0
    if $bench_started_environment; then "$env_script" stop; fi
}

# Uses the environment of scripts/e2e-env (ZUBOLO_E2E_DIR chooses its folder): a running one as
# it is, otherwise one started with the sleeper program for this run and stopped at its end.
bench_use_environment() {
    trap bench_finish EXIT
    if ! "$env_script" exec true 2>/dev/null; then
        "$env_script" start "$1"
        bench_started_environment=true
    fi
}

# Points `trash` at the environment's trash folder, which fill_trash fills and the end empties.
bench_use_trash() {
    # shellcheck disable=SC2016
    trash=$("$env_script" exec sh -c 'printf %s "$XDG_DATA_HOME/Trash"')
}

# The value of one name=value field of a line.
field() {
    sed -n "s/.* $2=\([0-9.]*\).*/\1/p" <<<"$1"
}

# Z/M with two decimals and an x, "n/a" when M is 0.
ratio() {
    awk -v z="$1" -v m="$2" 'BEGIN { if (m > 0) printf "%.2fx", z / m; else print "n/a" }'
}
