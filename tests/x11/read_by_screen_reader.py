# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the running program through AT-SPI, as a screen reader does.

Finds the application "Quenvale" on the accessibility bus, walks its tree
from the desktop and checks what each control is announced as: the fields by
their questions, the drop-down list labelled by its question, the buttons by
their captions.  Then presses "Compute" with every field empty through the
button's action and checks that the message box is read out by its prompt.
Every wait is bounded; the first failure ends the run with status 1.
"""

import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

QUESTIONS = [
    "What is your monthly payment ?",
    "What percentage interest are you paying ?",
    "What is your remaining principale balance ?",
    "Interest you pay every month :",
    "Number of months to erase this debt :",
]
KIND_QUESTION = 'Are you making "Fixed" or "Declining Minimum" payments ?'
PAYMENT_MESSAGE = "Please enter this debt's current payment monthly amount"


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def wait_for(what, find, seconds=30):
    """Calls find until it returns something other than None."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            found = find()
        except GLib.Error:
            found = None  # the tree changed under us; look again
        if found is not None:
            return found
        time.sleep(0.2)
    fail("no " + what + " within %d s" % seconds)


def children(node):
    return [node.get_child_at_index(i) for i in range(node.get_child_count())]


def descendants(node):
    for child in children(node):
        yield child
        yield from descendants(child)


def labelled_by(node):
    """Names of the objects that label node, in the order given."""
    names = []
    for relation in node.get_relation_set():
        if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY:
            names += [relation.get_target(i).get_name() for i in range(relation.get_n_targets())]
    return names


def of_role(node, role):
    return [n for n in descendants(node) if n.get_role() == role]


def press(button):
    if button.get_n_actions() < 1:
        fail("button %r offers no action" % button.get_name())
    button.do_action(0)


def find_application():
    desktop = Atspi.get_desktop(0)
    for application in children(desktop):
        if application.get_name() == "Quenvale":
            return application
    return None


def main():
    Atspi.init()
    # Milliseconds a call may take, and the first calls while the program starts.
    Atspi.set_timeout(10000, 30000)
    application = wait_for('application named "Quenvale"', find_application)
    window = wait_for(
        'window named "Quenvale" with its fields',
        lambda: next(
            (w for w in children(application)
             if w.get_name() == "Quenvale" and len(of_role(w, Atspi.Role.TEXT)) == 5),
            None,
        ),
    )

    fields = of_role(window, Atspi.Role.TEXT)
    names = [field.get_name() for field in fields]
    if names != QUESTIONS:
        fail("text fields are announced as %r" % names)
    for field, question in zip(fields, QUESTIONS):
        labels = labelled_by(field)
        if not labels or labels[0] != question:
            fail("field %r is labelled by %r" % (question, labels))
    print("text fields:", names)

    combos = of_role(window, Atspi.Role.COMBO_BOX)
    if len(combos) != 1:
        fail("%d combo boxes" % len(combos))
    kind_labels = labelled_by(combos[0])
    if not kind_labels or kind_labels[0] != KIND_QUESTION:
        fail("combo box is labelled by %r" % kind_labels)
    if combos[0].get_name() != "Fixed":
        fail("combo box shows %r" % combos[0].get_name())
    print("combo box:", kind_labels[0], "->", combos[0].get_name())

    buttons = of_role(window, Atspi.Role.PUSH_BUTTON)
    captions = [button.get_name() for button in buttons]
    if captions != ["Compute", "Reset"]:
        fail("buttons are announced as %r" % captions)
    print("buttons:", captions)

    # Every field is empty: Compute shows the payment message.
    press(buttons[0])
    alert = wait_for(
        "message box",
        lambda: next((a for a in children(application) if a.get_role() == Atspi.Role.ALERT), None),
        seconds=15,
    )
    if alert.get_name() != "Quenvale":
        fail("message box is titled %r" % alert.get_name())
    texts = [label.get_name() for label in of_role(alert, Atspi.Role.LABEL) if label.get_name()]
    if texts != [PAYMENT_MESSAGE]:
        fail("message box reads %r" % texts)
    ok = [b for b in of_role(alert, Atspi.Role.PUSH_BUTTON) if b.get_name() == "OK"]
    if len(ok) != 1:
        fail("message box has no single OK button")
    print("message box:", alert.get_name(), "-", texts[0])
    press(ok[0])
    wait_for(
        "closing of the message box",
        lambda: None
        if any(a.get_role() == Atspi.Role.ALERT for a in children(application))
        else True,
        seconds=15,
    )
    print("PASS: read as a screen reader reads it")


if __name__ == "__main__":
    main()
