#!/usr/bin/env bash
# One copy per desktop: a second start brings the running copy to the front and ends without a
# window of its own; only a window with the marker child counts as the running copy; the next
# start after an exit is a first copy again; a burst of starts leaves exactly one window.
source "$(dirname "$0")/lib.sh"

# A second start; checks that it ends by itself and leaves the first copy alone.
second_start_ends() {
    local first=$1 status=0
    huex_run 30 || status=$?
    check "$2: the second start ends by itself" [ "$status" -ne 124 ]
    check "$2: the first copy keeps running" kill -0 "$first"
    expect_eq "$2: one window with the marker" 1 "$(huex_count)"
}

e2e_log "a visible copy comes to the foreground"
huex_start_and_wait
first=$HUEX_PID
# A window of another program, captioned like ours but without the marker, takes the foreground.
fake_window 300
check "the look-alike window has taken the foreground" wait_until 5 not huex_is_foreground
second_start_ends "$first" "visible copy"
check "visible copy: it is the foreground window" wait_until 5 huex_is_foreground
check "visible copy: it is still visible" huex_is_visible
expect_eq "visible copy: exactly one window of the program on the screen" 1 \
    "$(xdotool search --all --onlyvisible --pid "$first" --name '^HUEX' | wc -l)"

# Hidden (ShowWindow SW_HIDE from outside, or the caption's close button, which hides to the tray):
# the second start must make it visible again.
hide_from_outside() { huexctl hide >/dev/null; }
hide_with_close_button() { huexctl post 274 0xF060 0 >/dev/null; } # WM_SYSCOMMAND, SC_CLOSE
for hide in hide_from_outside hide_with_close_button; do
    e2e_log "a hidden copy shows itself ($hide)"
    $hide
    check "$hide: the window is hidden" wait_until 5 huex_is_hidden
    second_start_ends "$first" "$hide"
    check "$hide: the window is visible again" wait_until 5 huex_is_visible
    check "$hide: it is the foreground window" wait_until 5 huex_is_foreground
    expect_eq "$hide: shown in its normal state" normal "$(huexctl show-state)"
    check "$hide: fully opaque again" wait_until 5 huex_is_opaque
done
check "the look-alike window is still there" kill -0 "$FAKE_PID"

e2e_log "after Close from the system menu the next start is a first copy"
# The system menu's Close arrives as a sent WM_SYSCOMMAND with the exit command; sent from another
# process, nothing is posted after it.
huexctl send 0x0112 491 0 >/dev/null || true
check "the program has ended" huex_wait_exit "$first" 10
expect_eq "no window with the marker after the exit" 0 "$(huex_count)"
huex_start
check "the next start shows its window" huex_wait_window 30
check "the next start keeps running" kill -0 "$HUEX_PID"
huex_stop
end_helpers

e2e_log "twenty starts at once"
for _ in $(seq 20); do huex_start; done
check "all but one of the twenty end by themselves" wait_until 120 eval '[ "$(running_copies)" -le 1 ]'
expect_eq "exactly one of the twenty keeps running" 1 "$(running_copies)"
check "its window is there" huex_wait_window 30
expect_eq "exactly one window with the marker" 1 "$(huex_count)"
expect_eq "exactly one window of the program on the screen" 1 "$(visible_windows_named '^HUEX')"
huex_stop
expect_eq "no copy left after the exit" 0 "$(running_copies)"

e2e_finish
