#!/usr/bin/python3
"""Times how long a window's GUI thread takes to answer, from outside the program.

    ping-probe.py WINDOW_ID LOG            pings until stopped (SIGTERM or SIGINT)
    ping-probe.py --summary LOG PHASES     the longest answer in each phase
    ping-probe.py --key-to-window KEYS NAME
                                           presses KEYS (for example ctrl+s) and prints
                                           the milliseconds until a window whose title
                                           has NAME is mapped

Every 5 ms it sends the window a _NET_WM_PING (EWMH) and waits for the answer, which a
Qt program sends from its GUI thread: a round trip is at least as long as that thread
went without handling events. LOG gets one line per ping: the time it was sent (seconds
since the epoch) and its round trip in milliseconds. PHASES has one line per phase:
start and end (seconds since the epoch) and a label.
"""
import select
import signal
import sys
import time


def probe(window_id, log_path):
    from Xlib import X, display, protocol

    d = display.Display()
    root = d.screen().root
    window = d.create_resource_object("window", window_id)
    protocols = d.intern_atom("WM_PROTOCOLS")
    ping = d.intern_atom("_NET_WM_PING")
    root.change_attributes(event_mask=X.StructureNotifyMask)  # where Qt sends its answer
    stop = []
    signal.signal(signal.SIGTERM, lambda *_: stop.append(1))
    signal.signal(signal.SIGINT, lambda *_: stop.append(1))
    with open(log_path, "w") as log:
        serial = 1
        while not stop:
            sent = time.time()
            event = protocol.event.ClientMessage(
                window=window, client_type=protocols, data=(32, [ping, serial, window_id, 0, 0]))
            window.send_event(event, event_mask=0)
            d.flush()
            answered = False
            while not answered and not stop:
                while d.pending_events():
                    e = d.next_event()
                    if (e.type == X.ClientMessage and e.client_type == protocols
                            and e.data[1][0] == ping and e.data[1][1] == serial):
                        answered = True
                if not answered:
                    select.select([d.fileno()], [], [], 0.05)
                    if time.time() - sent > 30:
                        break  # the window is gone or never answers
            if not answered:
                break
            log.write(f"{sent:.6f} {(time.time() - sent) * 1000:.2f}\n")
            serial += 1
            time.sleep(max(0.0, sent + 0.005 - time.time()))


def summary(log_path, phases_path):
    pings = [tuple(map(float, line.split())) for line in open(log_path) if line.strip()]
    print(f"{'phase':40} {'pings':>6} {'longest ms':>11} {'over 16 ms':>11}")
    worst = 0.0
    for line in open(phases_path):
        start, end, label = line.split(maxsplit=2)
        inside = [rtt for sent, rtt in pings if float(start) <= sent <= float(end)]
        if not inside:
            print(f"{label.strip():40} {0:6} {'-':>11} {'-':>11}")
            continue
        longest = max(inside)
        worst = max(worst, longest)
        print(f"{label.strip():40} {len(inside):6} {longest:11.1f} {sum(r > 16 for r in inside):11}")
    print(f"longest round trip of all phases: {worst:.1f} ms")


def window_names(d, window):
    """The titles of a window and its children (a frame holds the program's window)."""
    names = []
    try:
        name = window.get_full_property(d.intern_atom("_NET_WM_NAME"), 0) or window.get_wm_name()
        if name is not None:
            names.append(name.value.decode() if hasattr(name, "value") else str(name))
        for child in window.query_tree().children:
            names += window_names(d, child)
    except Exception:  # the window went away meanwhile
        pass
    return names


def key_to_window(keys, name):
    """Presses KEYS with XTest and times until a window titled with NAME is mapped: the
    root's MapNotify events say when, with no polling interval in between."""
    from Xlib import X, XK, display
    from Xlib.ext import xtest

    d = display.Display()
    root = d.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    codes = [d.keysym_to_keycode(XK.string_to_keysym(
        {"ctrl": "Control_L", "shift": "Shift_L", "alt": "Alt_L"}.get(k, k))) for k in keys.split("+")]
    d.sync()
    pressed = time.time()
    for code in codes:
        xtest.fake_input(d, X.KeyPress, code)
    for code in reversed(codes):
        xtest.fake_input(d, X.KeyRelease, code)
    d.flush()
    while time.time() - pressed < 60:
        while d.pending_events():
            e = d.next_event()
            if e.type == X.MapNotify and any(name in n for n in window_names(d, e.window)):
                print(f"{(time.time() - pressed) * 1000:.0f}")
                return
        select.select([d.fileno()], [], [], 0.05)
    sys.exit("no window titled with " + name + " appeared")


if __name__ == "__main__":
    if sys.argv[1] == "--summary":
        summary(sys.argv[2], sys.argv[3])
    elif sys.argv[1] == "--key-to-window":
        key_to_window(sys.argv[2], sys.argv[3])
    else:
        probe(int(sys.argv[1], 0), sys.argv[2])
