#!/usr/bin/env bash
# Runs one Windows test program under wine64 on a private Xvfb display with a private, fresh
# Wine prefix, and exits with the program's exit code. Used by CTest for every e2e test:
#
#   run-under-wine.sh PROGRAM.exe [ARGUMENTS...]
#
# Wine's own output (wineboot, the server, the program's children) goes to log files, never
# to this script's output: Wine processes inherit it and would keep a CTest pipe open. The
# program's own output is printed when it has ended. Everything started here is ended on
# the way out (the prefix's wineserver -k, Xvfb by its pid), and the work folder removed.
#
# Environment (all optional):
#   TARNIX_E2E_ARTIFACTS  folder for screenshots etc. (default ./e2e-artifacts/PROGRAM);
#                         handed to the program as a Windows path; .bmp files in it are
#                         converted to .png at the end
#   TARNIX_E2E_LANG       LANG for Wine (default C.UTF-8: ANSI code page 1252;
#                         ja_JP.UTF-8 gives code page 932)
#   TARNIX_E2E_TIME_LIMIT seconds the program may run (default 240); keep it below the
#                         CTest TIMEOUT so that the clean-up here still runs
#   TARNIX_E2E_KEEP=1     keep the work folder (prefix and logs) for a look afterwards
#   TARNIX_E2E_WORKDIR    where the work folder goes (default $TMPDIR or /tmp)
#   TARNIX_E2E_TMPFS_DRIVE  a drive letter (e.g. T): mounts a small tmpfs (needs root) and
#                         maps it to that drive in the prefix, a real disk that a test can
#                         fill to provoke failed writes; unmounted on the way out. If the
#                         mount fails, TARNIX_E2E_TMPFS_ERROR tells the program why
#   TARNIX_E2E_TMPFS_SIZE its size (default 64k)
#   WINE64, WINESERVER    the wine64 loader and its server (this machine cannot run wine32)
set -u

if [[ $# -lt 1 ]]; then
    echo "usage: $0 PROGRAM.exe [ARGUMENTS...]" >&2
    exit 2
fi
program=$(realpath -- "$1")
shift
name=$(basename -- "$program" .exe)

wine64=${WINE64:-/usr/lib/wine/wine64}
wineserver=${WINESERVER:-/usr/lib/wine/wineserver64}
time_limit=${TARNIX_E2E_TIME_LIMIT:-240}
artifacts=$(realpath -m -- "${TARNIX_E2E_ARTIFACTS:-$PWD/e2e-artifacts/$name}")

for tool in "$wine64" "$wineserver" Xvfb; do
    if ! command -v "$tool" >/dev/null; then
        echo "run-under-wine: $tool is missing" >&2
        exit 2
    fi
done

work=$(mktemp -d "${TARNIX_E2E_WORKDIR:-${TMPDIR:-/tmp}}/tarnix-e2e.XXXXXX") || exit 2
xvfb_pid=
tmpfs=
child=
printed=0

# Runs a command in the background and waits for it, so that a signal to this script is
# handled at once (bash runs traps only between foreground commands) and the clean-up can
# end the command. Returns the command's exit code.
run() {
    "$@" &
    child=$!
    wait "$child"
    local rc=$?
    child=
    return "$rc"
}

exec {stdout}>&1 {stderr}>&2

cleanup() {
    local rc=$?
    trap - EXIT INT TERM HUP
    # A signal may arrive inside a redirected command: report to the script's own outputs.
    exec 1>&"$stdout" 2>&"$stderr"
    [[ -n $child ]] && kill "$child" 2>/dev/null
    if [[ -d $work/prefix ]]; then
        WINEPREFIX=$work/prefix "$wineserver" -k >/dev/null 2>&1
        WINEPREFIX=$work/prefix timeout 20 "$wineserver" -w >/dev/null 2>&1
    fi
    [[ -n $child ]] && wait "$child" 2>/dev/null
    # After the prefix's processes, which may hold files open on it.
    if [[ -n $tmpfs ]]; then
        umount -- "$tmpfs" 2>/dev/null || umount -l -- "$tmpfs" 2>/dev/null
    fi
    if [[ $printed == 0 && -s $work/program.log ]]; then
        echo "run-under-wine: interrupted; the program's output so far:"
        cat -- "$work/program.log"
    fi
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    if command -v convert >/dev/null; then
        local bmp
        for bmp in "$artifacts"/*.bmp; do
            [[ -f $bmp ]] && convert "$bmp" "${bmp%.bmp}.png" 2>/dev/null && rm -f -- "$bmp"
        done
    fi
    if [[ ${TARNIX_E2E_KEEP:-0} == 1 ]]; then
        echo "run-under-wine: kept $work" >&2
    else
        rm -rf -- "$work"
    fi
    exit "$rc"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

show_logs() {
    local log
    for log in "$work"/xvfb.log "$work"/wine.log; do
        if [[ -s $log ]]; then
            echo "--- $(basename "$log") (last 40 lines) ---"
            tail -n 40 -- "$log"
        fi
    done
}

mkdir -p -- "$artifacts" && rm -f -- "$artifacts"/*.bmp "$artifacts"/*.png

# A free display: Xvfb picks it and writes its number to fd 3 once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
    3>"$work/display" >"$work/xvfb.log" 2>&1 </dev/null &
xvfb_pid=$!
for _ in $(seq 100); do
    [[ -s $work/display ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
display=$(tr -dc 0-9 <"$work/display")
if [[ -z $display ]]; then
    echo "run-under-wine: Xvfb did not start" >&2
    show_logs >&2
    exit 2
fi

export DISPLAY=":$display"
export WINEPREFIX="$work/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="   # no Mono or Gecko installer in the fresh prefix
export LANG=${TARNIX_E2E_LANG:-C.UTF-8}
unset LC_ALL LC_CTYPE LC_MESSAGES LANGUAGE
export TARNIX_E2E_ARTIFACTS="Z:${artifacts//\//\\}"

start=$SECONDS
if ! run "$wine64" wineboot -i >"$work/wine.log" 2>&1 </dev/null; then
    echo "run-under-wine: wineboot failed" >&2
    show_logs >&2
    exit 2
fi
# No window manager runs on this display. Wine's X11 driver would wait 2 s for one on every
# window that is hidden (e.g. a dialog that ends) and would leave captions and frames
# undrawn; as unmanaged, undecorated windows Wine draws them itself, as Windows does.
x11='HKCU\Software\Wine\X11 Driver'
if ! run "$wine64" reg add "$x11" /v Managed /d N /f >>"$work/wine.log" 2>&1 </dev/null ||
   ! run "$wine64" reg add "$x11" /v Decorated /d N /f >>"$work/wine.log" 2>&1 </dev/null; then
    echo "run-under-wine: setting up the X11 driver failed" >&2
    show_logs >&2
    exit 2
fi
if [[ -n ${TARNIX_E2E_TMPFS_DRIVE:-} ]]; then
    letter=$(tr 'A-Z' 'a-z' <<<"${TARNIX_E2E_TMPFS_DRIVE:0:1}")
    mkdir -p -- "$work/tmpfs"
    if mount -t tmpfs -o "size=${TARNIX_E2E_TMPFS_SIZE:-64k}" tmpfs "$work/tmpfs" \
            >>"$work/wine.log" 2>&1; then
        tmpfs=$work/tmpfs
        ln -s -- "$tmpfs" "$WINEPREFIX/dosdevices/$letter:"
        # Wine's mount manager and the shell's folder browser see a drive added after
        # wineboot only once the prefix's server has restarted.
        "$wineserver" -k >>"$work/wine.log" 2>&1
        timeout 20 "$wineserver" -w >>"$work/wine.log" 2>&1
    else
        export TARNIX_E2E_TMPFS_ERROR="mount -t tmpfs failed: $(tail -n 1 -- "$work/wine.log")"
        echo "run-under-wine: $TARNIX_E2E_TMPFS_ERROR" >&2
    fi
fi
boot_seconds=$((SECONDS - start))

start=$SECONDS
run timeout -k 10 "$time_limit" "$wine64" "$program" "$@" >"$work/program.log" 2>&1 </dev/null
rc=$?
cat -- "$work/program.log"
printed=1
echo "run-under-wine: $name exited with $rc (prefix ${boot_seconds}s, run $((SECONDS - start))s, display :$display)"
if [[ $rc == 124 || $rc == 137 ]]; then
    echo "run-under-wine: $name was stopped after the time limit of ${time_limit}s"
fi
if [[ $rc != 0 ]]; then
    show_logs
fi
exit "$rc"
