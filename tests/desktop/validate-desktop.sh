#!/usr/bin/env bash
# The desktop entry, as desktop-file-validate reads it, and what kestrel needs of it.
# Usage: validate-desktop.sh ENTRY.desktop
set -euo pipefail
. "$(dirname "$0")/require.sh"
require desktop-file-validate

entry=$1
out=$(desktop-file-validate "$entry" 2>&1) || { echo "$out"; exit 1; }
[ -z "$out" ] || { echo "$out"; exit 1; } # hints and warnings count too
for line in "Exec=kestrel %f" "Icon=io.github.kestrel" \
    "MimeType=x-content/image-dcf;x-content/video-camera;"; do
    grep -qxF "$line" "$entry" || { echo "missing: $line"; exit 1; }
done
echo "ok: $entry"
