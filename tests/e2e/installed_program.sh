#!/usr/bin/env bash
# The install tree works wherever it lies: installed into a folder of its own, checked
# by the desktop's own validators, then moved elsewhere, the program still finds its
# logo, and its X11 window class is the one the desktop entry names.
# Usage: installed_program.sh BUILD_TREE APPLICATION_ID SCREENSHOT
source "$(dirname "$0")/lib.sh"
BUILD_TREE=$PROGRAM
APP_ID=${2:?usage: $0 BUILD_TREE APPLICATION_ID SCREENSHOT}
SCREENSHOT=${3:?usage: $0 BUILD_TREE APPLICATION_ID SCREENSHOT}

ROOT=$(mktemp -d)
remove_root() {
    e2e_cleanup
    rm -rf "$ROOT"
}
trap remove_root EXIT

cmake --install "$BUILD_TREE" --prefix "$ROOT/usr" >"$E2E_LOG" 2>&1 ||
    fail "cmake --install into $ROOT/usr failed"
echo "--- installed tree ---"
(cd "$ROOT" && find . | sort)

installed=(
    bin/veltranoquisenary
    share/veltranoquisenary/Veltr400.png
    share/veltranoquisenary/Veltr480.png
    "share/applications/$APP_ID.desktop"
    "share/metainfo/$APP_ID.metainfo.xml"
)
for size in 16 24 32 48 64 128 256; do
    installed+=("share/icons/hicolor/${size}x${size}/apps/$APP_ID.png")
done
for file in "${installed[@]}"; do
    [[ -f "$ROOT/usr/$file" ]] || fail "the install has no $file"
done

desktop_entry=$ROOT/usr/share/applications/$APP_ID.desktop
desktop-file-validate "$desktop_entry" || fail "desktop-file-validate refused $APP_ID.desktop"
appstreamcli validate --no-net "$ROOT/usr/share/metainfo/$APP_ID.metainfo.xml" ||
    fail "appstreamcli refused $APP_ID.metainfo.xml"

mkdir "$ROOT/elsewhere"
mv "$ROOT/usr" "$ROOT/elsewhere/tree"
PROGRAM=$ROOT/elsewhere/tree/bin/veltranoquisenary
desktop_entry=$ROOT/elsewhere/tree/share/applications/$APP_ID.desktop

start_display
"$PROGRAM" >"$E2E_LOG" 2>&1 &
PROGRAM_PID=$!

# The About window opens first, for 4 s.
wait_for_window "500x250" "About window"
ABOUT=$WINDOW

wm_class=$(xprop -id "$ABOUT" WM_CLASS | sed -n 's/.*= "[^"]*", "\([^"]*\)"$/\1/p')
startup_class=$(sed -n 's/^StartupWMClass=//p' "$desktop_entry")
[[ "$wm_class" == "$startup_class" ]] ||
    fail "the window's class is \"$wm_class\", the desktop entry names \"$startup_class\""

# Red, green and blue of the screenshot's pixel at x, y.
pixel() {
    convert "$SCREENSHOT" -format \
        "%[fx:round(255*p{$1,$2}.r)] %[fx:round(255*p{$1,$2}.g)] %[fx:round(255*p{$1,$2}.b)]" info:
}

# Whether "R G B" lies within 24 of each channel of the colour #rrggbb.
near() {
    local r g b
    read -r r g b <<<"$1"
    local want=$2
    for channel in "$r:${want:1:2}" "$g:${want:3:2}" "$b:${want:5:2}"; do
        local have=${channel%%:*} expected=$((16#${channel##*:}))
        ((have - expected <= 24 && expected - have <= 24)) || return 1
    done
}

# No window manager runs, so the window has no frame and the screenshot is exactly
# its content. The logo, 402x69 at 49, 60, runs from the design's dark blue at its
# left edge to its light blue-green at its right; a missing picture leaves white.
# Painting may lag the mapping a little, so look again for a moment, well within the
# 4 s the window stays.
left="" right=""
for _ in $(seq 1 8); do
    import -window "$ABOUT" "png:$SCREENSHOT" 2>>"$E2E_LOG" ||
        fail "no screenshot of the About window; it may have closed already"
    size=$(identify -format '%wx%h' "$SCREENSHOT")
    [[ "$size" == 500x250 ]] || fail "the screenshot is $size, not the About window's 500x250"
    left=$(pixel 53 80)
    right=$(pixel 447 80)
    near "$left" '#16325c' && near "$right" '#2b8a99' && break
    sleep 0.1
done
near "$left" '#16325c' && near "$right" '#2b8a99' ||
    fail "no logo in the About window: ($left) at its left end, ($right) at its right (see $SCREENSHOT)"
echo "PASS: moved out of its install folder, the program showed its logo (screenshot: $SCREENSHOT)"

kill "$PROGRAM_PID"
wait "$PROGRAM_PID" 2>/dev/null || true
PROGRAM_PID=""
