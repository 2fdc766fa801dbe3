#!/usr/bin/env bash
# Every long option kestrel-import's --help lists is in its manual page and in its bash
# completion, and the completion offers the values --help names for it. A new option
# fails here until both know it.
# Usage: options-covered.sh KESTREL_IMPORT MANUAL.1 COMPLETION
set -euo pipefail
program=$1 manual=$2 completion=$3

help=$("$program" --help)
# The lines that define an option: "  --jpg on|off   import …", "  -h, --help   …".
mapfile -t defined < <(grep -E '^ +(-[a-zA-Z], )?--[a-z]' <<<"$help" |
    sed -E 's/^ +(-[a-zA-Z], )?//; s/   .*//')
[ ${#defined[@]} -gt 5 ] || { echo "too few options found in --help"; exit 1; }

in_manual=$(sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g' "$manual" | grep -oE -- '--[a-z][a-z0-9-]*' | sort -u)

. "$completion"
complete_words() { # the completions of the last word of "kestrel-import $*"
    COMP_WORDS=(kestrel-import "$@")
    COMP_CWORD=$#
    COMPREPLY=()
    _kestrel_import
    printf '%s\n' "${COMPREPLY[@]}"
}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/card"
cd "$scratch"
all_options=$(complete_words --)

failed=0
fail() { echo "FAIL: $*"; failed=1; }
for definition in "${defined[@]}"; do
    read -r option value <<<"$definition"
    grep -qxF -- "$option" <<<"$in_manual" || fail "$option is not in $manual"
    grep -qxF -- "$option" <<<"$all_options" || fail "$option is not completed"
    [ -n "${value:-}" ] || continue
    offered=$(complete_words "$option" "")
    IFS='|' read -ra choices <<<"$value"
    for choice in "${choices[@]}"; do
        case $choice in
        LEVELS) wanted=ymd ;;
        PORT) continue ;; # the cameras connected now: none here
        PATTERN | NAME | TEXT) continue ;; # text typed by hand: a pattern, a job, the user's words
        [A-Z]*) wanted=card ;; # FOLDER, DEST: the folders here
        *) wanted=$choice ;;
        esac
        grep -qxF -- "$wanted" <<<"$offered" || fail "$option: $wanted is not offered for $choice"
    done
done
grep -qxF card <<<"$(complete_words "")" || fail "SOURCE: folders are not offered"
[ $failed -eq 0 ] && echo "ok: ${#defined[@]} options"
exit $failed
