#!/usr/bin/env bash
# The installed programs as a packager ships them: staged with DESTDIR under
# one prefix and run from another place, out of reach of the build tree.
# They find the shipped data beside themselves; without it they say which
# folders they searched and fail.
#   relocated_install_test.sh BUILD_FOLDER CONFIGURED_DATA_FOLDER ZSH_COMPLETION_FOLDER
set -euo pipefail
build=$1
configured_data=$2
zsh_completions=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

DESTDIR="$work/stage" cmake --install "$build" --prefix /opt/halvo-tavorin >/dev/null
mv "$work/stage/opt/halvo-tavorin" "$work/moved"
prefix="$work/moved"
unset HALVO_DATA_DIR
export XDG_DATA_HOME="$work/home" XDG_RUNTIME_DIR="$work" TZ=UTC

# What a desktop and a person look for after installing.
for file in share/applications/*.desktop share/metainfo/*.metainfo.xml \
  share/icons/hicolor/scalable/apps/halvo-tavorin.svg \
  share/icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/halvo-tavorin.png \
  share/bash-completion/completions/tavorin "$zsh_completions/_tavorin" \
  share/doc/halvo-tavorin/LICENSE share/doc/halvo-tavorin/data.md \
  share/halvo-tavorin/HalvoCities.txt; do
  compgen -G "$prefix/$file" >/dev/null || fail "not installed: $file"
done
if command -v help2man >/dev/null; then
  for page in tavorin halvo-tavorin; do
    [ -s "$prefix/share/man/man1/$page.1" ] || fail "no man page $page(1)"
  done
fi

out=$("$prefix/bin/tavorin" times --date 2026-03-20) || fail "tavorin times ended with $?"
grep -q "Seattle, WA" <<<"$out" || fail "tavorin times did not show Seattle: $out"
grep -q "5:46 AM" <<<"$out" || fail "tavorin times did not show Fajr at 5:46 AM: $out"
"$prefix/bin/tavorin" --version | grep -q "^tavorin " || fail "tavorin --version"
"$prefix/bin/halvo-tavorin" --version | grep -q "^halvo-tavorin " || fail "halvo-tavorin --version"
"$prefix/bin/halvo-tavorin" --help | grep -q "^Usage: halvo-tavorin" || fail "halvo-tavorin --help"

set +e
errors=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/halvo-tavorin" 2>&1 >/dev/null)
status=$?
set -e
[ $status -eq 1 ] || fail "halvo-tavorin without a display ended with $status"
[ "$errors" = "no display: set DISPLAY or WAYLAND_DISPLAY, or use tavorin" ] ||
  fail "halvo-tavorin without a display said: $errors"

# The same installation without its data, on a first start.
if [ -e "$configured_data/HalvoCities.txt" ]; then
  echo "the configured prefix holds shipped data ($configured_data): the missing-data case is not tried here"
  exit 0
fi
rm -rf "$prefix/share/halvo-tavorin" "$work/home"
set +e
errors=$("$prefix/bin/tavorin" times 2>&1 >/dev/null)
status=$?
set -e
[ $status -ne 0 ] || fail "tavorin times without shipped data ended with 0"
grep -q "no shipped data" <<<"$errors" || fail "no clear message without shipped data: $errors"
grep -qF "$prefix/share/halvo-tavorin" <<<"$errors" || fail "the message names not the folder beside the program: $errors"
grep -qF "$configured_data" <<<"$errors" || fail "the message names not the configured folder: $errors"
echo "relocated install: found its data, and said which folders it searched without it"
