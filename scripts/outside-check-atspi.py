#!/usr/bin/python3
"""What an assistive technology reads of the running velaris, for outside-check.

One command per call, on the accessibility tree of the application "VELARIS"
(AT-SPI over the session bus that outside-check starts):

  text NAME [ROLE]        the text of a box (or the name of a label) called NAME
  texts NAME...           the texts of the showing boxes called NAME..., one a line
                          ("<none>" for a box that is not there)
  label-by-description D  the name of the label whose description is D
  where NAME [ROLE]       the centre of the showing object NAME: "x y"
  rect NAME [ROLE]        its extents: "x y w h"
  focused                 the name of the object that has the keyboard focus
  states NAME [ROLE]      focused, showing, enabled, read-only, checked, as words
  alert                   title, then each text of the showing message box, one a line
  frames                  the titles of the application's windows, one a line
  combo LABEL             the shown item of the list labelled LABEL
  audit                   every control that takes input or shows text has a name
  overlaps                pairs of showing boxes and buttons that cover each other
  press NAME [ROLE]       runs the object's "Press" action, as a screen reader does
  close TITLE_PREFIX      asks the window to close, as its close box does

Before the command, "--in TITLE_PREFIX" looks only inside the window whose
title starts with TITLE_PREFIX (the main and the companion window have the
same controls' names where they show the same things).

Exit status 1 when the object is not there.
"""

import ctypes
import sys

import pyatspi

# Roles an operator interacts with, or reads a value from.
CONTROLLI = {
    "text", "push button", "radio button", "check box", "combo box", "menu item",
    "label", "spin button", "slider", "page tab",
}


FINESTRA = None  # the title prefix of "--in"


def applicazione():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "VELARIS":
            return app
    return None


def radice():
    """The application, or its showing window named by "--in"."""
    app = applicazione()
    if app is None or FINESTRA is None:
        return app
    for i in range(app.childCount):
        f = app.getChildAtIndex(i)
        if f is not None and f.name.startswith(FINESTRA) and mostrato(f):
            return f
    return None


def oggetti(radice):
    """Every object below radice, depth first, without the items of lists."""
    pila = [radice]
    while pila:
        a = pila.pop()
        if a is None:
            continue
        yield a
        try:
            figli = [a.getChildAtIndex(i) for i in range(a.childCount)]
        except Exception:
            figli = []
        for c in reversed(figli):
            if c is not None and c.getRoleName() != "list item":
                pila.append(c)


def mostrato(a):
    return a.getState().contains(pyatspi.STATE_SHOWING)


def trova(nome, ruolo=None, solo_mostrati=True):
    app = radice()
    if app is None:
        return None
    primo = None
    for a in oggetti(app):
        if a.name != nome or (ruolo and a.getRoleName() != ruolo):
            continue
        if mostrato(a):
            return a
        if primo is None:
            primo = a
    return None if solo_mostrati else primo


def testo(a):
    try:
        return a.queryText().getText(0, -1)
    except Exception:
        return a.name


def rettangolo(a):
    e = a.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


def etichettato_da(a):
    try:
        for r in a.getRelationSet():
            if r.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                return [r.getTarget(i).name for i in range(r.getNTargets())]
    except Exception:
        pass
    return []


def chiudi(prefisso):
    """WM_DELETE_WINDOW to the top-level window whose title starts with prefisso."""
    x = ctypes.cdll.LoadLibrary("libX11.so.6")
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XDefaultRootWindow.restype = ctypes.c_ulong
    x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x.XInternAtom.restype = ctypes.c_ulong
    x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                             ctypes.POINTER(ctypes.c_ulong),
                             ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
                             ctypes.POINTER(ctypes.c_uint)]
    x.XFetchName.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_char_p)]
    x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                             ctypes.c_void_p]
    x.XFlush.argtypes = [ctypes.c_void_p]
    x.XCloseDisplay.argtypes = [ctypes.c_void_p]

    class ClientMessage(ctypes.Structure):
        _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                    ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                    ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                    ("format", ctypes.c_int), ("l", ctypes.c_long * 5),
                    ("pad", ctypes.c_long * 24)]

    d = x.XOpenDisplay(None)
    if not d:
        return False
    radice = x.XDefaultRootWindow(d)
    r, p = ctypes.c_ulong(), ctypes.c_ulong()
    figli, n = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
    x.XQueryTree(d, radice, ctypes.byref(r), ctypes.byref(p), ctypes.byref(figli), ctypes.byref(n))
    protocolli = x.XInternAtom(d, b"WM_PROTOCOLS", 0)
    cancella = x.XInternAtom(d, b"WM_DELETE_WINDOW", 0)
    inviato = False
    for i in range(n.value):
        w = figli[i]
        nome = ctypes.c_char_p()
        if x.XFetchName(d, w, ctypes.byref(nome)) and nome.value is not None:
            if nome.value.decode("utf-8", "replace").startswith(prefisso):
                ev = ClientMessage()
                ev.type = 33  # ClientMessage
                ev.window = w
                ev.message_type = protocolli
                ev.format = 32
                ev.l[0] = cancella
                ev.l[1] = 0  # CurrentTime
                x.XSendEvent(d, w, 0, 0, ctypes.byref(ev))
                inviato = True
                break
    x.XFlush(d)
    x.XCloseDisplay(d)
    return inviato


def main(argv):
    global FINESTRA
    if len(argv) > 2 and argv[1] == "--in":
        FINESTRA = argv[2]
        argv = argv[:1] + argv[3:]
    if len(argv) < 2:
        print(__doc__)
        return 2
    comando, argomenti = argv[1], argv[2:]
    ruolo = argomenti[1] if len(argomenti) > 1 else None

    if comando == "close":
        return 0 if chiudi(argomenti[0]) else 1

    app = radice() if comando in ("label-by-description", "focused", "texts") else applicazione()
    if app is None:
        return 1

    if comando == "texts":
        # One walk of the tree for many boxes.
        testi = {}
        for a in oggetti(app):
            if a.name in argomenti and a.getRoleName() == "text" and mostrato(a):
                testi.setdefault(a.name, testo(a))
        for nome in argomenti:
            print(testi.get(nome, "<none>"))
        return 0

    if comando in ("text", "where", "rect", "states"):
        a = trova(argomenti[0], ruolo, solo_mostrati=(comando != "states"))
        if a is None:
            return 1
        if comando == "text":
            print(testo(a))
        elif comando == "states":
            s = a.getState()
            parole = [p for p, st in (("focused", pyatspi.STATE_FOCUSED),
                                      ("showing", pyatspi.STATE_SHOWING),
                                      ("enabled", pyatspi.STATE_ENABLED),
                                      ("read-only", pyatspi.STATE_READ_ONLY),
                                      ("checked", pyatspi.STATE_CHECKED)) if s.contains(st)]
            print(" ".join(parole))
        else:
            x, y, w, h = rettangolo(a)
            print(f"{x + w // 2} {y + h // 2}" if comando == "where" else f"{x} {y} {w} {h}")
        return 0

    if comando == "press":
        a = trova(argomenti[0], ruolo)
        if a is None:
            return 1
        try:
            azioni = a.queryAction()
        except NotImplementedError:
            return 1
        for i in range(azioni.nActions):
            if azioni.getName(i).lower() in ("press", "click"):
                azioni.doAction(i)
                return 0
        return 1

    if comando == "label-by-description":
        for a in oggetti(app):
            if a.getRoleName() == "label" and a.description == argomenti[0]:
                print(a.name)
                return 0
        return 1

    if comando == "focused":
        for a in oggetti(app):
            if a.getState().contains(pyatspi.STATE_FOCUSED) and a.getRoleName() != "panel":
                print(a.name)
                return 0
        return 1

    if comando == "alert":
        for a in oggetti(app):
            if a.getRoleName() in ("alert", "dialog") and mostrato(a):
                print(a.name)
                for b in oggetti(a):
                    if b.getRoleName() == "label" and b.name and mostrato(b):
                        print(b.name.replace("\r", ""))
                return 0
        return 1

    if comando == "frames":
        for i in range(app.childCount):
            f = app.getChildAtIndex(i)
            if f is not None and mostrato(f) and f.getRoleName() not in ("alert", "dialog"):
                print(f.name)
        return 0

    if comando == "combo":
        for a in oggetti(app):
            if a.getRoleName() == "combo box" and argomenti[0] in etichettato_da(a):
                print(a.name)
                return 0
        return 1

    if comando == "audit":
        # A value label may be silent while it shows nothing: its description
        # says what it is, and its name is whatever it shows.
        contati, senza = 0, []
        for a in oggetti(app):
            r = a.getRoleName()
            if r not in CONTROLLI:
                continue
            contati += 1
            if a.name or etichettato_da(a):
                continue
            if r == "label" and (a.description or not mostrato(a)):
                continue
            if r == "menu item" and not mostrato(a):
                continue
            x, y, w, h = rettangolo(a)
            senza.append(f"{r} at {x},{y} {w}x{h} desc={a.description!r}")
        print(contati)
        for s in senza:
            print(s)
        return 0

    if comando == "overlaps":
        scatole = []
        for a in oggetti(app):
            if a.getRoleName() in ("text", "push button", "radio button", "combo box") and mostrato(a):
                scatole.append((a.name or a.getRoleName(), rettangolo(a)))
        for i, (n1, (x1, y1, w1, h1)) in enumerate(scatole):
            for n2, (x2, y2, w2, h2) in scatole[i + 1:]:
                if x1 < x2 + w2 and x2 < x1 + w1 and y1 < y2 + h2 and y2 < y1 + h1:
                    print(f"{n1} / {n2}")
        return 0

    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
