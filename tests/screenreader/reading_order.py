"""What a screen reader reads of the two tool windows, asked over AT-SPI as Orca asks.

Starts the real program, opens both tool windows with the launcher's buttons, has the auto-pick
window evaluate a worked example, and walks each window's accessible tree depth first, the order
in which a screen reader reads a window. Checks that each score is read between its digit's caption
and its unit, the 35 suggestions and the 50 slots in label order, and no bullet "・".

    reading_order.py <kazuyomi>
"""

import itertools
import subprocess
import sys
import time

try:
    import pyatspi
    from gi.repository import GLib
except ImportError as missing:
    sys.exit(f"{missing}: run scripts/setup (python3-pyatspi)")

# Generous: a sanitizer build on a busy machine takes many seconds to start.
TIMEOUT = 90
BULLET = "・"

# The worked example: its scores, and its best seven digits, of which the suggestions are every
# four in rank order.
DRAWS = ("1234", "5678", "9012")
POINTS = (275, 250, 100, 250, 375, 200, 575, 375, 325, 325)
BEST_SEVEN = "6478901"


class Failure(Exception):
    pass


# The program under test, once started.
kazuyomi = None


def wait_for(what, probe):
    """Polls probe until it answers something true; the tree fills in as the program goes."""
    deadline = time.monotonic() + TIMEOUT
    while True:
        if kazuyomi.poll() is not None:
            raise Failure(f"the program ended (exit code {kazuyomi.returncode}) before {what}")
        try:
            found = probe()
        except GLib.Error:
            found = None  # an object went away while we looked; look again
        if found:
            return found
        if time.monotonic() > deadline:
            raise Failure(f"waited {TIMEOUT} s for {what}")
        time.sleep(0.1)


def children(accessible):
    for index in range(accessible.childCount):
        child = accessible.getChildAtIndex(index)
        if child is not None:
            yield child


def reading(accessible):
    """The names of everything under accessible, depth first: what is read, in that order."""
    names = []
    for child in children(accessible):
        names.append(child.name)
        names.extend(reading(child))
    return names


def descendant(accessible, role, name):
    for child in children(accessible):
        if child.getRoleName() == role and child.name == name:
            return child
        found = descendant(child, role, name)
        if found is not None:
            return found
    return None


def program(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for application in children(desktop):
        if application.get_process_id() == pid:
            return application
    return None


def window(application, title):
    for top in children(application):
        if top.name == title and top.getState().contains(pyatspi.STATE_SHOWING):
            return top
    return None


def press(button):
    actions = button.queryAction()
    for index in range(actions.nActions):
        if actions.getName(index) == "Press":
            actions.doAction(index)
            return
    raise Failure(f"{button.name} has no Press action")


def open_tool(application, launcher, button, title):
    press(wait_for(f"the launcher's {button}", lambda: descendant(launcher, "push button", button)))
    return wait_for(f"the window {title}", lambda: window(application, title))


def check_run(read, expected, what, failures):
    """expected must stand in read as one unbroken run."""
    for start in range(len(read) - len(expected) + 1):
        if read[start:start + len(expected)] == expected:
            return
    failures.append(f"{what}: expected {expected} in a row")


def check_no_bullet(read, title, failures):
    bullets = [name for name in read if BULLET in name]
    if bullets:
        failures.append(f"{title}: {len(bullets)} bullets read out")


def show(title, read):
    print(f"{title} reads:")
    print("  " + " | ".join(read))


def auto_pick(application, launcher, failures):
    title = "おまかせナンバーズ"
    tool = open_tool(application, launcher, "おまかせナンバーズ", title)
    entries = ("3回前の当選番号", "2回前の当選番号", "前回の当選番号")
    for entry, draw in zip(entries, DRAWS):
        box = wait_for(entry, lambda entry=entry: descendant(tool, "text", entry))
        box.queryEditableText().setTextContents(draw)
    press(wait_for("評価＞＞", lambda: descendant(tool, "push button", "評価＞＞")))

    row = []
    for digit, points in enumerate(POINTS):
        row += [chr(ord("０") + digit) + "：", str(points), "pt"]
    wait_for("the scores", lambda: str(POINTS[0]) in reading(tool))
    read = reading(tool)
    show(title, read)
    check_run(read, row, f"{title}: caption, score and unit of each digit", failures)
    suggestions = ["".join(four) for four in itertools.combinations(BEST_SEVEN, 4)]
    check_run(read, suggestions, f"{title}: the 35 suggestions", failures)
    check_no_bullet(read, title, failures)


def self_pick(application, launcher, failures):
    title = "自力でナンバーズ"
    tool = open_tool(application, launcher, "自力でナンバーズ", title)
    slots = [f"{slot:2d}: ----" for slot in range(1, 51)]
    wait_for("the slots", lambda: slots[-1] in reading(tool))
    read = reading(tool)
    show(title, read)
    check_run(read, slots, f"{title}: the 50 slots", failures)
    check_no_bullet(read, title, failures)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    global kazuyomi
    kazuyomi = subprocess.Popen([sys.argv[1]])
    failures = []
    ending = False
    try:
        application = wait_for("the program on the accessibility bus", lambda: program(kazuyomi.pid))
        launcher = wait_for("the launcher", lambda: window(application, "カズヨミ"))
        auto_pick(application, launcher, failures)
        self_pick(application, launcher, failures)
        press(wait_for("さよならナンバーズ", lambda: descendant(launcher, "push button", "さよならナンバーズ")))
        ending = True
    except Failure as failure:
        failures.append(str(failure))
    finally:
        if not ending:
            kazuyomi.terminate()
        try:
            kazuyomi.wait(timeout=TIMEOUT)
        except subprocess.TimeoutExpired:
            kazuyomi.kill()
            kazuyomi.wait()
    for failure in failures:
        print(f"FAIL: {failure}", file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
