#!/bin/sh
# Runs a command with a display, a prepared Wine prefix and a persistent wineserver; stops
# what it started when the command ends. Usage: with_wine.sh COMMAND [ARGS...]
# LARKIT_SCREEN=WIDTHxHEIGHT sizes a private display (default 1024x768).
set -eu
. "$(dirname "$0")/wine_env.sh"

STARTED_XVFB=""
cleanup() {
    "$WINESERVER" -k >/dev/null 2>&1 || true
    [ -n "$STARTED_XVFB" ] && kill "$STARTED_XVFB" 2>/dev/null || true
}
trap cleanup EXIT INT TERM

start_display() {
    if [ -n "${DISPLAY:-}" ] && [ -z "${CI:-}" ] && [ -z "${LARKIT_XVFB:-}" ]; then return; fi
    for n in $(seq 90 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 "${LARKIT_SCREEN:-1024x768}x24" -nolisten tcp >/dev/null 2>&1 &
        STARTED_XVFB=$!
        for _ in $(seq 1 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
        export DISPLAY=":$n"
        export LARKIT_HEADLESS=1
        return
    done
    echo "with_wine: no free display number" >&2; exit 1
}

# Japanese fonts for the dialog fonts, and every program inside one 1024x768 desktop (hiding
# a window without a window manager otherwise costs two seconds).
prepare_prefix() {
    [ -f "$WINEPREFIX/.larkit-ready" ] && return
    echo "with_wine: creating the Wine prefix $WINEPREFIX"
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    "$WINE" wineboot -i >/dev/null 2>&1 || true
    "$WINESERVER" -w
    reg() { "$WINE" reg add "$@" /f >/dev/null 2>&1; }
    reg 'HKCU\Software\Wine\Explorer' /v Desktop /d Default
    reg 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768
    subst='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
    for face in 'ＭＳ ゴシック' 'MS Gothic'; do reg "$subst" /v "$face" /d IPAGothic; done
    for face in 'ＭＳ Ｐゴシック' 'MS PGothic' 'MS UI Gothic'; do reg "$subst" /v "$face" /d IPAPGothic; done
    "$WINESERVER" -w
    touch "$WINEPREFIX/.larkit-ready"
}

# Wine draws caption buttons, scroll arrows and menu checks with its Marlett font, which this
# Wine build does not find in its own folder: give the prefix a copy.
add_symbol_font() {
    fonts="$WINEPREFIX/drive_c/windows/Fonts"
    [ -f /usr/share/wine/fonts/marlett.ttf ] && [ -d "$fonts" ] && [ ! -f "$fonts/marlett.ttf" ] &&
        cp /usr/share/wine/fonts/marlett.ttf "$fonts/" || true
}

start_display
"$WINESERVER" -k 2>/dev/null || true   # a server left from another display would show our windows there
prepare_prefix
add_symbol_font
"$WINESERVER" -p
# Wine's own background processes (services, the desktop) start here, with no pipes of ours:
# started by a test, they would hold its output open and the test runner would wait forever.
"$WINE" cmd /c exit </dev/null >/dev/null 2>&1
"$@"
