#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs of it: the programs,
# the files they look for in ../share/pistora, the desktop entry, the icon, the AppStream data
# and the man pages; the desktop entry and the AppStream data go through their validators when
# they are installed (exit 77, "skipped", when one is missing: the rest was checked).
# usage: install_test.sh BUILD_DIR
set -u
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1 || { cat "$prefix.log"; rm -f "$prefix.log"; fail "cmake --install"; }
rm -f "$prefix.log"

app=io.github.pistora.Pistora
for file in bin/pistora bin/pistora-cli \
            share/pistora/lng/fr.lng share/pistora/lng/en.lng \
            share/pistora/pictures/loupe.bmp share/pistora/pictures/masque.bmp \
            share/pistora/translations/en.qm \
            share/applications/$app.desktop share/metainfo/$app.metainfo.xml \
            share/icons/hicolor/scalable/apps/pistora.svg \
            share/man/man1/pistora.1 share/man/man1/pistora-cli.1; do
  [ -s "$prefix/$file" ] || fail "$file not installed"
done
[ -x "$prefix/bin/pistora" ] && [ -x "$prefix/bin/pistora-cli" ] || fail "programs not executable"
# Nothing is left beside the installed programs: the data is found through ../share/pistora.
[ "$(ls "$prefix/bin" | sort | tr '\n' ' ')" = "pistora pistora-cli " ] || fail "extra files in bin: $(ls "$prefix/bin")"
"$prefix/bin/pistora-cli" --version >/dev/null || fail "installed pistora-cli --version"
grep -q "^Exec=pistora" "$prefix/share/applications/$app.desktop" || fail "desktop entry does not start pistora"
grep -q "@PROJECT_VERSION@" "$prefix/share/metainfo/$app.metainfo.xml" "$prefix/share/man/man1/"*.1 && fail "version not filled in"
if command -v man >/dev/null 2>&1; then
  for page in pistora pistora-cli; do
    warnings="$(LC_ALL=C MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/$page.1" 2>&1 >/dev/null)"
    [ -z "$warnings" ] || fail "man page $page: $warnings"
  done
fi

skipped=""
if command -v desktop-file-validate >/dev/null 2>&1; then
  desktop-file-validate "$prefix/share/applications/$app.desktop" || fail "desktop-file-validate"
else
  skipped="$skipped desktop-file-validate"
fi
if command -v appstreamcli >/dev/null 2>&1; then
  appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$app.metainfo.xml" || fail "appstreamcli validate"
else
  skipped="$skipped appstreamcli"
fi
if [ -n "$skipped" ]; then
  echo "skipped: not installed:$skipped (desktop-file-utils, appstream)"
  exit 77
fi
echo "installed and validated in a temporary prefix"
