#!/usr/bin/env bash
# Settings that cannot be written, in a read-only folder or on a full disk: quitting from the menu shows
# a message, SIGTERM writes the file and the reason to standard error, the exit status is 1, and the file
# that was there stays whole.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/drive.sh"
bin=$1
start_display
old=$'[PANEL]\nSKIN=2\n'

# wrapper NAME LINES...: a script that prepares the process and then becomes the program, so that its
# process id is the program's.
wrapper() {
  local file="$WORK/$1.sh"; shift
  printf '#!/usr/bin/env bash\n%s\nexec "$@"\n' "$*" > "$file"
  chmod +x "$file"
  echo "$file"
}
# Without the administrator's override the folder's permissions hold, for root too.
if [ "$(id -u)" -eq 0 ]; then
  restricted=$(wrapper restricted 'exec setpriv --bounding-set=-dac_override,-dac_read_search,-fowner -- "$@"')
else
  restricted=$(wrapper restricted ':')
fi
# A file size limit fails writes the way a full disk does: 1 KB leaves room for standard error (a file)
# but not for the settings, which keep a long value of their own.
full=$(wrapper full "trap '' XFSZ; ulimit -f 1")

read_only_folder() {
  rm -rf "$WORK/ro"; mkdir "$WORK/ro"
  printf '%s' "$old" > "$WORK/ro/settings.ini"
  chmod 555 "$WORK/ro"
  settings="$WORK/ro/settings.ini"
}
expect_file_unchanged() {
  [ "$(cat "$settings")" = "$(printf '%s' "$old")" ] || fail "the settings file changed: $(cat "$settings")"
}

# Quitting from the menu: a message, then status 1.
read_only_folder
start_tapriko "$restricted" "$bin" --settings "$settings"
menu "$MENU_QUIT"
box=$(await_box) || fail "no message when the settings could not be saved"
sleep 0.3
screenshot settings_unwritable_message
dismiss_box "$box"
wait_exit 5
[ "$EXIT_STATUS" -eq 1 ] || fail "exit status $EXIT_STATUS after a failed save from the menu"
expect_file_unchanged

# terminated_with WRAPPER REASON: SIGTERM to the program started through WRAPPER gives status 1 and
# a line on standard error naming the file and REASON (a pattern), and the old file stays.
terminated_with() {
  start_tapriko "$1" "$bin" --settings "$settings"
  kill -TERM "$APP_PID"
  wait_exit 5
  [ "$EXIT_STATUS" -eq 1 ] || fail "exit status $EXIT_STATUS on SIGTERM ($2)"
  grep -q "tapriko: the settings could not be saved: $settings: $2" "$WORK/app.log" ||
    fail "no reason on standard error: $(cat "$WORK/app.log")"
  expect_file_unchanged
}

read_only_folder
terminated_with "$restricted" ".*ermission"

# A full disk.
chmod 755 "$WORK/ro"
old=$'[PANEL]\nSKIN=2\nNOTE='$(printf 'x%.0s' $(seq 1500))$'\n'
printf '%s' "$old" > "$settings"
terminated_with "$full" "File too large"
echo "settings unwritable: ok"
