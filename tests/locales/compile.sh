#!/usr/bin/env bash
# Compiles the glibc locales the language tests run in, into FOLDER (then LOCPATH=FOLDER), so
# that the C library itself speaks German and French there (strerror, strftime) and Turkish
# (whose "I" has no lower case of one byte): CI machines often have only C and C.UTF-8.
# Needs Debian's locales package; no root, as nothing is written outside FOLDER.
# Usage: compile.sh FOLDER
set -euo pipefail
folder=$1
mkdir -p "$folder"
for name in de_DE fr_FR tr_TR; do
    [ -f "$folder/$name.UTF-8/LC_CTYPE" ] && continue
    # localedef exits 1 for mere warnings about the source; the test below is what counts.
    localedef -i "$name" -f UTF-8 "$folder/$name.UTF-8" || [ $? -eq 1 ]
    [ -f "$folder/$name.UTF-8/LC_CTYPE" ] || { echo "no $name.UTF-8 made" >&2; exit 1; }
done
