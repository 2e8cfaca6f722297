#!/usr/bin/env bash
# virtual-display.sh COMMAND [ARGS...]: runs COMMAND with a virtual display of its own.
# -noreset: by default the X server resets itself each time its last client leaves, and refuses
# the clients that connect during the reset; test programs come and go all the time.
exec xvfb-run -a -s "-noreset -screen 0 1280x1024x24" "$@"
