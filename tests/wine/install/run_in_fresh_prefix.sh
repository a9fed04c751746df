#!/usr/bin/env bash
# Runs a Windows test program on a machine of its own: a Wine prefix made for the run under WORKDIR
# and removed after it, as the installer tests change the machine they run on. The paths in
# VELMORA_MSI, VELMORA_LATER_MSI and VELMORA_BIN are handed on as Windows paths.
# Usage: run_in_fresh_prefix.sh WORKDIR PROGRAM [ARGUMENTS...]
set -u
workdir=$1
shift
mkdir -p "$workdir"
WINEPREFIX=$(mktemp -d "$workdir/prefix.XXXXXX")
export WINEPREFIX
export WINEDEBUG=-all
# No Mono or Gecko; no menu entries on the host's desktop for the shortcuts the installer makes.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
cleanup() {
    wineserver -k >/dev/null 2>&1
    rm -rf "$WINEPREFIX"
}
trap cleanup EXIT

start=$(date +%s%N)
# One wineserver for the run, its helpers kept off the caller's output pipes.
wineserver -p >/dev/null 2>&1 </dev/null
wineboot -i >/dev/null 2>&1 </dev/null
# Without a window manager Wine would wait 2 s at every window close unless its windows are unmanaged.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
for name in VELMORA_MSI VELMORA_LATER_MSI VELMORA_BIN; do
    [ -n "${!name:-}" ] && export "$name=$(winepath -w "${!name}" 2>/dev/null)"
done
ready=$(date +%s%N)
wine "$@"
status=$?
echo "fresh prefix: $(( (ready - start) / 1000000 )) ms; tests: $(( ($(date +%s%N) - ready) / 1000000 )) ms"
exit $status
