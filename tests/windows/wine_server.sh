#!/usr/bin/env bash
# Usage: wine_server.sh start|stop WINE WINESERVER PREFIX
# start: makes the Wine prefix PREFIX if it is missing and starts a Wine
# server for it that stays until stopped, so each test's program starts in a
# warm Wine. stop: ends that server and every Wine process of the prefix.
# Without a display, so Wine opens no window and waits for none.
set -u
action=$1 wine=$2 server=$3
export WINEPREFIX=$4 WINEDEBUG=-all
unset DISPLAY
case $action in
  start)
    # The server needs the prefix's folder: without it, it cannot start, and
    # wineboot would start one of its own that ends 0 s after its last
    # program, so that every test would start a cold Wine and could meet a
    # server on its way out ("recvmsg: Connection reset by peer").
    mkdir -p "$WINEPREFIX"
    # A server already running for the prefix is kept as it is.
    "$server" -p </dev/null >/dev/null 2>&1
    # Makes the prefix on first use and waits until it is ready.
    "$wine" wineboot </dev/null >/dev/null 2>&1 ||
      { echo "FAIL: wineboot could not prepare $WINEPREFIX"; exit 1; }
    echo "Wine server running for $WINEPREFIX"
    ;;
  stop)
    "$server" -k </dev/null >/dev/null 2>&1
    echo "Wine server stopped"
    ;;
  *)
    echo "usage: $0 start|stop WINE WINESERVER PREFIX" >&2
    exit 2
    ;;
esac
