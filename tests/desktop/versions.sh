#!/usr/bin/env bash
# The project's version is the one both programs, the manual pages and the AppStream
# release state.
# Usage: versions.sh VERSION KESTREL KESTREL_IMPORT DATA_BUILD_DIR
set -euo pipefail
version=$1 kestrel=$2 import=$3 data=$4

check() { # what, expected, actual
    [ "$2" = "$3" ] || { echo "FAIL: $1 says '$3', not '$2'"; exit 1; }
}
check "kestrel --version" "kestrel $version" "$(QT_QPA_PLATFORM= "$kestrel" --version)"
check "kestrel-import --version" "kestrel-import $version" "$("$import" --version)"
for page in kestrel.1 kestrel-import.1; do
    check "$page" "$version" "$(sed -nE 's/^\.TH .*"[a-z-]+ ([0-9][^"]*)".*/\1/p' "$data/$page")"
done
check "the metainfo's release" "$version" \
    "$(sed -nE 's/.*<release version="([^"]*)".*/\1/p' "$data/io.github.kestrel.metainfo.xml")"
check "the changelog" "$version" "$(sed -nE '1s/^kestrel \(([^)]*)\).*/\1/p' "$data/changelog")"
echo "ok: $version"
