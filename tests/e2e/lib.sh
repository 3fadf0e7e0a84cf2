# Shared steps of the end-to-end tests, sourced by each: a virtual X display of the
# test's own, the built program on it, and its calculator window.
set -euo pipefail

PROGRAM=${1:?usage: $0 PROGRAM}
E2E_LOG=$(mktemp)
XVFB_LOG=$(mktemp)
XVFB_PID=""
PROGRAM_PID=""
OWNER_PID=""
CALCULATOR=""
# A command to start the program through, such as an X protocol tracer; none by default.
PROGRAM_LAUNCHER=()
export QT_QPA_PLATFORM=xcb

e2e_cleanup() {
    if [[ -n "$PROGRAM_PID" ]]; then kill "$PROGRAM_PID" 2>/dev/null || true; fi
    # A stopped owner takes no signal but SIGKILL until it goes on.
    if [[ -n "$OWNER_PID" ]]; then
        kill -CONT "$OWNER_PID" 2>/dev/null || true
        kill "$OWNER_PID" 2>/dev/null || true
    fi
    stop_display
    rm -f "$E2E_LOG" "$XVFB_LOG"
}
trap e2e_cleanup EXIT
# Stopped from outside, as by Ctrl+C or a reader of its output gone, the test still ends
# its server and program.
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 141' PIPE
trap 'exit 143' TERM

fail() {
    echo "FAIL: $*" >&2
    echo "--- program output ---" >&2
    cat "$E2E_LOG" >&2
    if [[ -s "$XVFB_LOG" ]]; then
        echo "--- virtual display output ---" >&2
        cat "$XVFB_LOG" >&2
    fi
    exit 1
}

# Display numbers are handed out through lock files of ours, held with flock for the
# test's whole life, so that no two runs share a number: not those of one ctest, nor
# those of another build tree's ctest at the same time. Xvfb's own choice of a number
# (-displayfd alone) takes no lock file, and under load it gave tests a number that
# the program then could not connect to while other runs started and stopped their
# servers. The lock goes when the test and what it started have ended, however they
# end, so none is left stale; a server left running keeps its number from the others.
DISPLAY_LOCK_DIR=/tmp/veltranoquisenary-e2e-displays

# A number from 100 upward, clear of the usual low ones, that no run of ours holds and
# no other X server or display proxy uses; it is in RESERVED_NUMBER, and its lock is
# held until the test ends or release_display_number gives it back.
reserve_display_number() {
    local from=${1:-100} number fd file
    # Open to all, as /tmp is, for the runs of every user; a lock file is only read.
    mkdir -p -m 1777 "$DISPLAY_LOCK_DIR"
    for ((number = from; number < 1000; number++)); do
        file=$DISPLAY_LOCK_DIR/$number.lock
        [[ -e "$file" ]] || : >>"$file"
        exec {fd}<"$file"
        if flock -n "$fd" && ! display_number_in_use "$number"; then
            RESERVED_NUMBER=$number
            RESERVED_FD=$fd
            return 0
        fi
        exec {fd}>&-
    done
    fail "no free display number from $from to 999"
}

release_display_number() {
    exec {RESERVED_FD}>&-
}

# Whether anything else answers or has answered on the number: an X server's lock file,
# or a socket that someone listens on, in the file system or in the abstract namespace.
display_number_in_use() {
    [[ -e /tmp/.X$1-lock ]] && return 0
    [[ -n "$(listening_sockets "$1")" ]]
}

# The inodes of the sockets that listen for clients of display :$1.
listening_sockets() {
    awk -v file="/tmp/.X11-unix/X$1" -v abstract="@/tmp/.X11-unix/X$1" \
        '($8 == file || $8 == abstract) && $4 == "00010000" { print $7 }' /proc/net/unix
}

# Whether the X server of process $2 alone listens for display :$1.
display_served_by() {
    local inodes inode sockets
    inodes=$(listening_sockets "$1")
    [[ -n "$inodes" ]] || return 1
    sockets=$(find "/proc/$2/fd" -lname 'socket:*' -printf '%l\n' 2>/dev/null)
    for inode in $inodes; do
        grep -qxF "socket:[$inode]" <<<"$sockets" || return 1
    done
}

# A 1024x768 display with no window manager, served by the Xvfb that this test
# started; DISPLAY points at it.
start_display() {
    local attempt number line numbers
    for attempt in 1 2 3 4 5; do
        reserve_display_number
        number=$RESERVED_NUMBER
        # Xvfb writes the number to -displayfd once it listens and can take clients; it
        # ends instead if the number turns out to be taken by a server not ours.
        # -noreset: the server stays as it is when its last client leaves, such as the
        # check below, instead of starting over under the program's first connection.
        exec {numbers}< <(exec Xvfb ":$number" -displayfd 3 -screen 0 1024x768x24 \
            -nolisten tcp -noreset 3>&1 >/dev/null 2>>"$XVFB_LOG")
        XVFB_PID=$!
        # read succeeds only on a whole line, and fails at once if Xvfb ends first.
        if IFS= read -r -t 30 -u "$numbers" line && [[ "$line" == "$number" ]] &&
            display_served_by "$number" "$XVFB_PID"; then
            exec {numbers}<&-
            export DISPLAY=":$number"
            timeout 20 xdpyinfo >/dev/null 2>&1 && kill -0 "$XVFB_PID" 2>/dev/null &&
                return 0
            fail "the virtual display $DISPLAY does not answer"
        fi
        exec {numbers}<&-
        echo "display :$number could not be had (attempt $attempt); trying another" >>"$XVFB_LOG"
        stop_display
        release_display_number
    done
    fail "the virtual display did not start"
}

# Ends this test's X server and waits for it to be gone, so that the number is free
# again before its lock is given up.
stop_display() {
    if [[ -n "$XVFB_PID" ]]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=""
    fi
}

# The id of the menu that window $1 (an id in any base) shows, if it shows one: Qt maps
# each open menu as a window of its own at the top level, override-redirect and
# transient for the window whose menu bar opened it. Nothing else of the program's is
# both: it shows no tooltips.
shown_menu_of() {
    local owner window
    owner=$(printf '0x%x' "$1")
    for window in $(xwininfo -root -children 2>/dev/null | awk '$1 ~ /^0x/ { print $1 }'); do
        if xwininfo -id "$window" 2>/dev/null |
            awk '/Map State: IsViewable/ { viewable = 1 } /Override Redirect State: yes/ { popup = 1 }
                END { exit !(viewable && popup) }' &&
            xprop -id "$window" WM_TRANSIENT_FOR 2>/dev/null |
            awk -v owner="$owner" '/^WM_TRANSIENT_FOR/ && $NF == owner { mine = 1 } END { exit !mine }'
        then
            echo "$window"
            return
        fi
    done
}

# Runs the command from $2 on every tenth of a second until it succeeds, at most $1
# times; returns 1 if it never did.
wait_until() {
    local tries=$1
    shift
    for _ in $(seq 1 "$tries"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# Fails the test, naming what it waited for ($1), once the program has ended.
expect_program_running() {
    kill -0 "$PROGRAM_PID" 2>/dev/null || fail "the program ended before its $1 opened"
}

# Waits until window $1 shows a menu, and puts its id in MENU. A key meant for the menu
# and sent before it is shown could go to the window's focused field.
wait_for_menu() {
    menu_shown() {
        expect_program_running "$2"
        MENU=$(shown_menu_of "$1")
        [[ -n "$MENU" ]]
    }
    wait_until 200 menu_shown "$@" || fail "no $2 shown within 20 s"
}

# Waits up to 20 s for the menu MENU to be gone; fails if it is still shown then.
wait_for_menu_closed() {
    menu_gone() {
        ! xwininfo -id "$MENU" 2>/dev/null | awk '/Map State: IsViewable/ { viewable = 1 }
            END { exit !viewable }'
    }
    wait_until 200 menu_gone
}

# Waits until the program shows a window whose geometry matches the pattern (such as
# "600x[0-9]+") and puts its id in WINDOW. Qt names an untitled window after the
# application, so the About window and the calculator both appear as
# "Veltranoquisenary"; their sizes tell them apart.
wait_for_window() {
    window_shown() {
        expect_program_running "$2"
        WINDOW=$(xwininfo -root -tree 2>/dev/null |
            awk -v size=" $1\\+" '/"Veltranoquisenary": \(/ && $0 ~ size { print $1; exit }')
        [[ -n "$WINDOW" ]] && xwininfo -id "$WINDOW" 2>/dev/null | grep 'IsViewable' >/dev/null
    }
    wait_until 200 window_shown "$@" || fail "no $2 within 20 s"
}

# Starts the program and waits for its calculator window, which opens by itself once
# the About window gives way after 4 s, then gives it the keyboard focus.
start_program_and_wait_for_calculator() {
    "${PROGRAM_LAUNCHER[@]}" "$PROGRAM" >"$E2E_LOG" 2>&1 &
    PROGRAM_PID=$!
    wait_for_window "600x[0-9]+" "calculator window"
    CALCULATOR=$WINDOW
    # No window manager runs here: the focus must be given explicitly. The program sees
    # the focus arrive before any key or click sent after it, as the X server queues
    # its events in order.
    xdotool windowfocus --sync "$CALCULATOR" || fail "could not focus the calculator window"
}

# Clicks at x, y within the calculator window.
click_in_calculator() {
    xdotool mousemove --window "$CALCULATOR" "$1" "$2" click 1
}

# Waits up to $1 seconds for the program to end; its exit status is then in
# PROGRAM_STATUS.
wait_for_program_end() {
    wait_until $(($1 * 10)) process_ended "$PROGRAM_PID" ||
        fail "the program was still running $1 s later"
    PROGRAM_STATUS=0
    wait "$PROGRAM_PID" || PROGRAM_STATUS=$?
    PROGRAM_PID=""
}

# Puts the text $1 on the selection $2 (the clipboard unless named) through an xclip of
# the test's own, which stays its owner until another program takes it over; that
# xclip is OWNER_PID. Returns once the selection answers with the text.
own_selection() {
    local selection=${2:-clipboard}
    # -quiet keeps xclip in the foreground, so that OWNER_PID is the owner itself.
    printf '%s' "$1" | xclip -quiet -selection "$selection" >/dev/null 2>&1 &
    OWNER_PID=$!
    owning() {
        process_ended "$OWNER_PID" && fail "xclip ended before it owned the $2"
        [[ "$(timeout 2 xclip -o -selection "$2" 2>/dev/null)" == "$1" ]]
    }
    wait_until 100 owning "$1" "$selection" || fail "xclip did not own the $selection within 10 s"
}

# Waits until the xclip of own_selection has ended, as it does when a program takes
# the selection from it.
wait_for_owner_end() {
    wait_until 100 process_ended "$OWNER_PID" || return 1
    wait "$OWNER_PID" 2>/dev/null || true
    OWNER_PID=""
}

# Waits up to 10 s for the clipboard to hold exactly the text $1; what it held last is
# then in CLIPBOARD_TEXT.
wait_for_clipboard() {
    clipboard_holds() {
        CLIPBOARD_TEXT=$(timeout 2 xclip -o -selection clipboard 2>/dev/null) || CLIPBOARD_TEXT=""
        [[ "$CLIPBOARD_TEXT" == "$1" ]]
    }
    wait_until 100 clipboard_holds "$1"
}

process_ended() {
    ! kill -0 "$1" 2>/dev/null
}

# The window that owns the selection $1 (such as CLIPBOARD), or 0x0.
selection_owner() {
    python3 "$(dirname "${BASH_SOURCE[0]}")/selection_owner.py" "$1"
}
