#!/bin/sh
# The engine's folders include one way only: base <- record <- copy <- scan <- run. A file may
# include headers of its own folder and of the folders before it, never of one after it.
cd "$(dirname "$0")/../../engine" || exit 2
rank() {
    case "$1" in
    base) echo 0 ;; record) echo 1 ;; copy) echo 2 ;; scan) echo 3 ;; run) echo 4 ;; *) echo 9 ;;
    esac
}
status=0
for file in */*.cpp */*.h; do
    own=$(rank "${file%%/*}")
    for included in $(sed -n 's|^#include "\([a-z]*\)/.*|\1|p' "$file"); do
        if [ "$(rank "$included")" -gt "$own" ]; then
            echo "$file includes a header of $included/"
            status=1
        fi
    done
done
exit $status
