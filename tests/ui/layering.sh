#!/bin/sh
# The window's folders include one way only: devices <- browse <- window <- shell, all of them
# above the engine's. A file may include headers of its own folder and of the folders before it,
# never of one after it; the .ui's custom widgets name their headers the same way.
cd "$(dirname "$0")/../../ui" || exit 2
rank() {
    case "$1" in
    base | record | copy | scan | plan | run | device) echo 0 ;;
    devices) echo 1 ;; browse) echo 2 ;; window) echo 3 ;; shell) echo 4 ;; *) echo 9 ;;
    esac
}
status=0
for file in */*.cpp */*.h */*.ui; do
    own=$(rank "${file%%/*}")
    for included in $(sed -n -e 's|^#include "\([a-z]*\)/.*|\1|p' \
        -e 's|^ *<header>\([a-z]*\)/.*|\1|p' "$file"); do
        if [ "$(rank "$included")" -gt "$own" ]; then
            echo "$file includes a header of $included/"
            status=1
        fi
    done
    # A header named without its folder would escape the order; only uic's are.
    if grep -v '^#include "ui_' "$file" | grep -q -e '^#include "[^/]*"' -e '<header>[^/]*</header>'; then
        echo "$file includes a header without its folder"
        status=1
    fi
done
exit $status
