#!/usr/bin/env bash
# The desktop entry and the AppStream metadata as the desktop's own tools
# read them: any error, warning, hint, info or pedantic note fails.
#   validate_desktop_files.sh DESKTOP_ENTRY METAINFO
set -uo pipefail
entry=$1
metainfo=$2
status=0

notes=$(desktop-file-validate "$entry" 2>&1)
if [ $? -ne 0 ] || [ -n "$notes" ]; then
  echo "desktop-file-validate $entry:" >&2
  echo "$notes" >&2
  status=1
fi

# --no-net: the addresses are the packager's and need not answer here.
notes=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1)
if [ $? -ne 0 ] || printf '%s\n' "$notes" | grep -q '^[EWIP]:'; then
  echo "appstreamcli validate --pedantic $metainfo:" >&2
  echo "$notes" >&2
  status=1
fi
[ $status -eq 0 ] && echo "desktop entry and metainfo: no notes"
exit $status
