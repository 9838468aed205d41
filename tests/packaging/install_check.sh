#!/usr/bin/env bash
# What `cmake --install` lays out, checked from the installed copy: the programs find the game
# data in share/tessark (nothing lies beside them), the man page names every command that
# tessark-cli lists, the desktop entry and the file types are valid.
#
#   tests/packaging/install_check.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: install_check.sh BUILD_DIR}
stage=$(mktemp -d "${TMPDIR:-/tmp}/tessark-install.XXXXXX")
trap 'rm -rf "$stage"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
prefix="$stage/usr"
[ ! -e "$prefix/bin/morva.dat" ] || fail "data beside the installed programs"
for file in morva.dat morva.spr items.qzb items.xml materials.xml creatures.xml demo.qzbm; do
  [ -s "$prefix/share/tessark/$file" ] || fail "share/tessark/$file missing"
done

# No --data: the installed data is found relative to the program, wherever the prefix lies.
cli="$prefix/bin/tessark-cli"
(cd / && "$cli" datainfo) | grep -q '"clientTypes": [1-9]' || fail "datainfo without --data"
(cd / && "$cli" info "$prefix/share/tessark/demo.qzbm") | grep -q '"towns": [1-9]' || fail "demo world"

page=$(gzip -dc "$prefix/share/man/man1/tessark-cli.1.gz")
commands=$("$cli" --help | sed -n 's/^  \([a-z-]*\) .*/\1/p; s/^  \([a-z-]*\)$/\1/p')
[ -n "$commands" ] || fail "tessark-cli --help lists no command"
for command in $commands; do
  grep -Eq "^\.BI? \"?$command( |\"|$)" <<<"$page" || fail "the man page does not describe $command"
done

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/tessark.desktop" || fail "desktop entry"
fi
grep -q '^Exec=tessark %f$' "$prefix/share/applications/tessark.desktop" || fail "Exec line"
if command -v update-mime-database >/dev/null; then
  update-mime-database "$prefix/share/mime" >/dev/null 2>&1 || fail "file types"
  grep -q 'application/x-tessark-qzbm:\*\.qzbm' "$prefix/share/mime/globs2" || fail ".qzbm glob"
fi
for size in 16 24 32 48 64 128 256; do
  [ -s "$prefix/share/icons/hicolor/${size}x${size}/apps/tessark.png" ] || fail "icon $size"
done
echo "install layout: $(find "$prefix" -type f | wc -l) files, $(wc -w <<<"$commands") commands in the man page"
