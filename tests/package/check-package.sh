#!/usr/bin/env bash
# Checks the Debian package tools/package built: its control fields, that every file is
# where Debian and the desktop look for it, and lintian, which must report no error.
# Usage: check-package.sh kestrel_VERSION_ARCH.deb
set -euo pipefail
deb=$1
failed=0
fail() { echo "FAIL: $*"; failed=1; }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = kestrel ] || fail "Package: $(field Package)"
version=$(field Version)
[ "$(basename "$deb")" = "kestrel_${version}_$(field Architecture).deb" ] || fail "file name $(basename "$deb")"
for name in libqt6widgets6 libqt6core6 libexiv2 libc6; do
    grep -q "$name" <<<"$(field Depends)" || fail "Depends lacks $name: $(field Depends)"
done
for name in Maintainer Section Priority Description Homepage; do
    [ -n "$(field $name)" ] || fail "no $name"
done

files=$(dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|')
for path in /usr/bin/kestrel /usr/bin/kestrel-import \
    /usr/share/applications/io.github.kestrel.desktop \
    /usr/share/metainfo/io.github.kestrel.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/io.github.kestrel.svg \
    /usr/share/icons/hicolor/48x48/apps/io.github.kestrel.png \
    /usr/share/icons/hicolor/128x128/apps/io.github.kestrel.png \
    /usr/share/icons/hicolor/256x256/apps/io.github.kestrel.png \
    /usr/share/man/man1/kestrel.1.gz /usr/share/man/man1/kestrel-import.1.gz \
    /usr/share/bash-completion/completions/kestrel-import \
    /usr/share/doc/kestrel/copyright /usr/share/doc/kestrel/changelog.gz; do
    grep -qxF "$path" <<<"$files" || fail "missing $path"
done
# Nothing outside /usr, and nothing the list above does not expect.
outside=$(grep -vE '^/usr/(bin|share)/' <<<"$files" | grep -vxE '/usr/|/usr/(bin|share)/' || true)
[ -z "$outside" ] || fail "unexpected files: $outside"
[ "$(grep -c '[^/]$' <<<"$files")" -eq 13 ] || fail "$(grep -c '[^/]$' <<<"$files") files, not 13"

# The release in the metadata is the package's version.
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/metainfo/io.github.kestrel.metainfo.xml |
    grep -qF "<release version=\"$version\"" || fail "metainfo release is not $version"

# The translations travel inside the programs: the packaged kestrel-import speaks German and
# French (and English without a language).
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
for said in "C.UTF-8:Usage: " "de_DE.UTF-8:Aufruf: " "fr_FR.UTF-8:Utilisation : "; do
    LANGUAGE='' LC_ALL=${said%%:*} "$unpacked/usr/bin/kestrel-import" --help | head -1 |
        grep -qF "${said#*:}kestrel-import" || fail "kestrel-import --help in ${said%%:*}"
done

if command -v lintian >/dev/null; then
    lintian --fail-on error "$deb" || fail "lintian reports errors"
else
    fail "lintian is not installed"
fi
[ $failed -eq 0 ] && echo "ok: $deb"
exit $failed
