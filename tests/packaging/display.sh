# Shared by the checks that start the installed program: a display server of their own, and the
# wait for the program's main menu on it. Sourced; the caller ends $xvfb_pid.

# Starts Xvfb on the first display number from 90 on that nobody uses, also not as an abstract
# socket (those a chroot shares with the machine). Sets $display and $xvfb_pid.
start_display() { # log file
    display=90
    while grep -q "/tmp/.X11-unix/X$display\$" /proc/net/unix || [ -e "/tmp/.X$display-lock" ]; do
        display=$((display + 1))
    done
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$1" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$display" ] && return 0
        sleep 0.1
    done
    return 1
}

# Waits up to 30 s for the main menu on $display; gives up at once when the program has ended.
wait_for_menu() { # the program's process id
    for _ in $(seq 150); do
        DISPLAY=":$display" xwininfo -root -tree 2>/dev/null | grep -q '"Tamurik:  Freund und Gast' &&
            return 0
        kill -0 "$1" 2>/dev/null || return 1
        sleep 0.2
    done
    return 1
}
