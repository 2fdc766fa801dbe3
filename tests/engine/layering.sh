#!/bin/sh
# The engine's folders include one way only: base <- device <- record <- copy <- scan <- plan <-
# run. A file may include headers of its own folder and of the folders before it, never of one
# after it: the camera behind device/ knows nothing but base/.
cd "$(dirname "$0")/../../engine" || exit 2
rank() {
    case "$1" in
    base) echo 0 ;; device) echo 1 ;; record) echo 2 ;; copy) echo 3 ;; scan) echo 4 ;; plan) echo 5 ;; run) echo 6 ;;
    *) echo 9 ;;
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
