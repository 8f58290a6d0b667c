#!/usr/bin/python3
# Reads Vak's windows over AT-SPI as a screen reader does: the main window, then the report
# entry of a regular pioneer opened with keys, and the warning announced while the month list
# is browsed. Prints what it found; exits 1 when a name users need is missing.
import subprocess
import sys
import threading
import time

import pyatspi

WAIT_SECONDS = 20


def wait_for(what, find):
    deadline = time.monotonic() + WAIT_SECONDS
    while time.monotonic() < deadline:
        try:
            found = find()
        except Exception:  # the tree changes while it is read
            found = None
        if found:
            return found
        time.sleep(0.2)
    fail("no %s within %d s" % (what, WAIT_SECONDS))


def fail(reason):
    print("Screen-reader check FAILED: " + reason, flush=True)
    sys.exit(1)


def descendants(obj):
    for i in range(obj.childCount):
        child = obj.getChildAtIndex(i)
        if child is not None:
            yield child
            yield from descendants(child)


def vak_application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "Vak":
            return app
    return None


def window_with(app, test):
    for i in range(app.childCount):
        window = app.getChildAtIndex(i)
        if window is not None and test(window):
            return window
    return None


def controls(window, role):
    return {c.name: c for c in descendants(window) if c.getRole() == role}


def showing(obj):
    return obj.getState().contains(pyatspi.STATE_SHOWING)


def keys(window_id, *names):
    subprocess.run(["xdotool", "key", "--window", window_id, *names], check=True, timeout=10)


def main():
    problems = []

    def expect(found, what):
        print("  %-52s %s" % (what, "ok" if found else "MISSING"))
        if not found:
            problems.append(what)

    app = wait_for("Vak on the accessibility bus", vak_application)
    main_window = wait_for("main window", lambda: window_with(
        app, lambda w: "Zvěstovatelé" in controls(w, pyatspi.ROLE_LIST)))
    print("main window \"%s\"" % main_window.name)
    lists = controls(main_window, pyatspi.ROLE_LIST)
    expect("Zvěstovatelé" in lists and showing(lists["Zvěstovatelé"]), 'list "Zvěstovatelé"')
    buttons = controls(main_window, pyatspi.ROLE_PUSH_BUTTON)
    expect("" not in buttons, "every push button named")

    # "kr" finds Kříž, Václav, a regular pioneer; Enter opens his report.
    window_id = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--class", "Vak"],
                               capture_output=True, text=True, check=True, timeout=10).stdout.split()[0]
    keys(window_id, "k", "r", "Return")
    entry = wait_for("entry dialog", lambda: window_with(app, lambda w: w.name.startswith("Kříž")))
    print("entry dialog \"%s\"" % entry.name)
    texts = controls(entry, pyatspi.ROLE_TEXT)
    for name in ("Hod", "BS"):
        expect(name in texts and showing(texts[name]), 'field "%s" (new form, shown)' % name)
    expect("Poznámky" in texts, 'note field "Poznámky"')
    expect("Poznámky" in controls(entry, pyatspi.ROLE_PUSH_BUTTON), 'button "Poznámky"')
    expect("Účast na službě" in controls(entry, pyatspi.ROLE_CHECK_BOX), 'check box "Účast na službě"')
    expect(not [c for c in descendants(entry) if c.getRole() in (
        pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_LIST) and not c.name],
        "every control named")

    # Alt+M opens the month list; Up shows October, whose warning is announced. The keys go to
    # the entry dialog's own window, looked up for each key (its window id changes as the month
    # list opens): sent to the main window, which the dialog blocks, they were now and then lost.
    def entry_keys(*names):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^" + entry.name],
                               capture_output=True, text=True, timeout=10).stdout.split()
        keys(found[0] if found else window_id, *names)

    announced = []

    def on_showing(event):
        if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            announced.append(event.source.name)
            pyatspi.Registry.stop()

    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
    # A button pressed by its mnemonic is clicked after its pressed look has shown.
    threading.Timer(1.0, entry_keys, ("alt+m",)).start()
    threading.Timer(2.5, entry_keys, ("Up",)).start()
    give_up = threading.Timer(WAIT_SECONDS / 2, pyatspi.Registry.stop)
    give_up.start()
    pyatspi.Registry.start()
    give_up.cancel()
    expect(bool(announced) and "VÝSTRAHA" in announced[0], "warning of October announced")
    if announced:
        print("  announced: \"%s\"" % announced[0])

    if problems:
        fail(", ".join(problems))
    print("Screen-reader check passed: the names a screen reader needs are there.")


main()
