# Sourced by the scripts that run the Windows build under Wine: Wine's own prefix apart from the
# user's, in a Western-European locale, whose code page (1252) lacks ő and ű, so that the programs'
# own UTF-8 code page must carry them.
cache=${XDG_CACHE_HOME:-$HOME/.cache}/tarnova
# The locale is compiled for Wine when the system lacks it.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  mkdir -p "$cache/locale"
  [ -d "$cache/locale/de_DE.UTF-8" ] || localedef -i de_DE -f UTF-8 "$cache/locale/de_DE.UTF-8"
  export LOCPATH=$cache/locale
fi
{ export LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8; } 2>/dev/null
export WINEPREFIX=${WINEPREFIX:-$cache/wine}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
# The virtual display has no window manager. Windows left to one would make Wine wait 2 s for a
# manager's answer each time a dialog hides, so Wine manages its windows itself. Made once, with
# the prefix (some seconds on first use).
if ! grep -qs '^"Managed"="N"' "$WINEPREFIX/user.reg"; then
  /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
  /usr/lib/wine/wineserver -w
fi
