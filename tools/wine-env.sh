# Sourced by the scripts that run the programs under Wine: a prefix of the project's own, quiet,
# without Mono or Gecko. ROOT is the checkout.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]:-$0}")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$ROOT/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="

# Creates the prefix once: without a window manager Wine would otherwise wait 2 s at every
# window close, unless its windows are unmanaged.
wine_prepare_prefix() {
    [ -f "$WINEPREFIX/.velmora-ready" ] && return 0
    mkdir -p "$WINEPREFIX"
    (
        flock 9
        [ -f "$WINEPREFIX/.velmora-ready" ] && exit 0
        wineboot -i >/dev/null 2>&1
        # Debian's Wine does not find the fonts of its fonts-wine package by itself; without
        # Marlett the caption buttons are drawn as letters.
        cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
        wineserver -w
        touch "$WINEPREFIX/.velmora-ready"
    ) 9>"$WINEPREFIX.lock"
}
