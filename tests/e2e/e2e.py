#!/usr/bin/env python3
"""Plays Pelmo.exe as a person would: real mouse and keys through xdotool on the X display, state read
back through our window probe (a console program in the same Wine session) and screenshots.

Run by CTest in the Windows tree (see CMakeLists.txt); needs DISPLAY (scripts/test starts a private Xvfb
of 1024x768, and the Wine virtual desktop of the same size sits at (0, 0), so Windows screen coordinates
are X coordinates). Standard library only.
"""
import argparse
import json
import os
import random
import shutil
import signal
import struct
import subprocess
import sys
import time
import traceback
from decimal import Decimal, ROUND_HALF_UP

# ---------------------------------------------------------------------------------------------------------
# Texts the user sees, compared as code page 932 bytes.


def cp(text):
    return text.encode("cp932")


FRAME_TITLE = cp("Pelmora")
START_CAPTION = cp("Pelmroaｹﾞｰﾑ開始")
START_LINE1 = cp("１から順番にボタンをクリックして、")
START_LINE2 = cp("すべてのボタンを消去してください。")
START_BUTTON = cp("ゲームスタート")
RESULT_CAPTION = cp("Pelmroaｹﾞｰﾑ結果")
RESULT_LINE1 = cp("すべてのボタンを消去するのに、")
RESULT_BUTTON = cp("了　解")
ABOUT_CAPTION = cp("Pelmoraﾊﾞｰｼﾞｮﾝ情報")
IDLE = cp("ﾚﾃﾞｨ")
HINT_HERE = cp("次はここです!!")
PROMPTS = {  # menu item -> prompt in pane 0 while it is highlighted
    "retry": cp("Pelmoraをﾘﾄﾗｲします"),
    "exit": cp("Pelmoraを終了します"),
}


def remaining_text(n):
    return cp("%i 個残り" % n)


def hint_next_text(n):
    return cp("次は %i です･･･" % n)


def fmt2(value):
    """"%3.2f" as the program's run time does it: 17 significant digits first, then halves upward."""
    seventeen = Decimal(format(value, ".16e"))
    return str(seventeen.quantize(Decimal("0.01"), rounding=ROUND_HALF_UP))


MILLI = struct.unpack("<f", struct.pack("<f", 0.001))[0]  # the single-precision 0.001 of the board


def to_float32(value):
    return struct.unpack("<f", struct.pack("<f", value))[0]


def cleared_texts(ms):
    """(status text, notice seconds) for an elapsed time: the double product and its float32 rounding."""
    seconds = ms * MILLI
    return fmt2(seconds), fmt2(to_float32(seconds))


def show(b):
    try:
        return "%r (%s)" % (b.decode("cp932"), b.hex())
    except (UnicodeDecodeError, AttributeError):
        return repr(b)


class Failure(AssertionError):
    pass


class Skip(Exception):
    pass


def check(cond, what, expected=None, actual=None):
    if not cond:
        msg = what
        if expected is not None or actual is not None:
            msg += "\n  expected: %s\n  actual:   %s" % (
                show(expected) if isinstance(expected, bytes) else expected,
                show(actual) if isinstance(actual, bytes) else actual)
        raise Failure(msg)


def check_eq(expected, actual, what):
    check(expected == actual, what, expected, actual)


# ---------------------------------------------------------------------------------------------------------
# Windows as the probe reports them.


class Win:
    def __init__(self, d):
        self.d = d
        self.hwnd = d["hwnd"]
        self.cls = d["class"]
        self.text = bytes.fromhex(d["text"])
        self.rect = tuple(d["rect"])
        self.client = tuple(d["client"])
        self.visible = d["visible"]
        self.enabled = d["enabled"]
        self.style = d["style"]
        self.exstyle = d["exstyle"]
        self.id = d.get("id")
        self.children = [Win(c) for c in d["children"]]

    @property
    def width(self):
        return self.rect[2] - self.rect[0]

    @property
    def height(self):
        return self.rect[3] - self.rect[1]

    @property
    def size(self):
        return (self.width, self.height)

    @property
    def center(self):
        return ((self.rect[0] + self.rect[2]) // 2, (self.rect[1] + self.rect[3]) // 2)

    def child(self, id_=None, cls=None):
        for c in self.children:
            if (id_ is None or c.id == id_) and (cls is None or c.cls.lower() == cls.lower()):
                return c
        return None

    def __repr__(self):
        return "<%s %s %r vis=%s en=%s>" % (self.cls, self.rect, self.text.decode("cp932", "replace"),
                                             self.visible, self.enabled)


class Snap:
    def __init__(self, d):
        self.d = d
        self.ticks = d["ticks"]
        self.workarea = tuple(d["workarea"])
        self.pids = d["pids"]
        self.windows = [Win(w) for w in d["windows"]]

    def visible(self):
        return [w for w in self.windows if w.visible]

    def frame(self):
        for w in self.windows:
            if w.cls != "#32770" and w.text == FRAME_TITLE and w.child(id_=0xE801) is not None:
                return w
        return None

    def dialogs(self, caption=None):
        return [w for w in self.windows
                if w.cls == "#32770" and w.visible and (caption is None or w.text == caption)]

    def dialog(self, caption):
        found = self.dialogs(caption)
        return found[0] if found else None

    def status(self):
        f = self.frame()
        bar = f.child(id_=0xE801) if f else None
        return bar.text if bar else None

    def status_bar(self):
        f = self.frame()
        return f.child(id_=0xE801) if f else None

    def board(self):
        f = self.frame()
        return f.child(id_=0xE900) if f else None

    def buttons(self):
        b = self.board()
        if b is None:
            return []
        return sorted((c for c in b.children if 5001 <= (c.id or 0) <= 5025), key=lambda c: c.id)

    def visible_buttons(self):
        return [b for b in self.buttons() if b.visible]

    def popups(self):
        return [w for w in self.windows if w.cls == "#32768" and w.visible]

    def tooltip(self):
        for w in self.windows:
            if w.cls.lower() == "tooltips_class32" and w.visible:
                return w
        return None

    def describe(self):
        lines = []
        for w in self.visible():
            lines.append("  %r" % w)
        return "\n".join(lines) or "  (no visible window)"


class Probe:
    """One long-lived probe process: keeps the wineserver warm and answers in a few milliseconds."""

    def __init__(self, wine_run, prefix, exe):
        self.proc = subprocess.Popen([wine_run, "--prefix", prefix, exe, "serve"], stdin=subprocess.PIPE,
                                     stdout=subprocess.PIPE, text=True, start_new_session=True)
        self.ask("ping")

    def ask(self, line):
        self.proc.stdin.write(line + "\n")
        self.proc.stdin.flush()
        out = self.proc.stdout.readline()
        if not out:
            raise RuntimeError("window probe ended")
        return json.loads(out)

    def snap(self):
        return Snap(self.ask("snapshot Pelmo.exe"))

    def send(self, hwnd, msg, wp=0, lp=0):
        return self.ask("send %d %d %d %d" % (hwnd, msg, wp, lp))

    def post(self, hwnd, msg, wp=0, lp=0):
        return self.ask("post %d %d %d %d" % (hwnd, msg, wp, lp))

    def close(self):
        try:
            self.proc.stdin.write("quit\n")
            self.proc.stdin.flush()
            self.proc.wait(timeout=10)
        except Exception:
            self.proc.kill()


# ---------------------------------------------------------------------------------------------------------
# Real input and the screen.


def xdo(*args):
    subprocess.run(["xdotool"] + [str(a) for a in args], check=True)


def click(x, y, button=1):
    xdo("mousemove", x, y, "click", button)


def move(x, y):
    xdo("mousemove", x, y)


def hover(x, y):
    """Comes to rest on a point as a hand does: the last few motion events land on the same window.
    (Apart in time, so that neither X nor Wine folds them into one.)"""
    for dx, dy in ((-2, -1), (-1, 0), (0, 0)):
        xdo("mousemove", x + dx, y + dy)
        time.sleep(0.04)


def key(*keys):
    xdo("key", "--delay", 30, *keys)


def screenshot(path, rect=None):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    cmd = ["import", "-window", "root"]
    if rect:
        x0, y0, x1, y1 = rect
        cmd += ["-crop", "%dx%d+%d+%d" % (x1 - x0, y1 - y0, x0, y0), "+repage"]
    subprocess.run(cmd + [path], check=True)


def grab(rect):
    """Pixels of a screen rectangle: (width, height, rgb bytes)."""
    x0, y0, x1, y1 = rect
    out = subprocess.run(["import", "-window", "root", "-crop", "%dx%d+%d+%d" % (x1 - x0, y1 - y0, x0, y0),
                          "+repage", "-depth", "8", "ppm:-"], check=True, stdout=subprocess.PIPE).stdout
    # P6 header: magic, width, height, maxval, each separated by whitespace.
    fields, pos = [], 0
    while len(fields) < 4:
        while out[pos:pos + 1].isspace():
            pos += 1
        start = pos
        while not out[pos:pos + 1].isspace():
            pos += 1
        fields.append(out[start:pos])
    w, h = int(fields[1]), int(fields[2])
    return w, h, out[pos + 1:pos + 1 + w * h * 3]


def pixel(img, x, y):
    w, _, data = img
    i = (y * w + x) * 3
    return data[i], data[i + 1], data[i + 2]


def dark_columns(img, y0, y1, limit=100):
    w, _, _ = img
    return [x for x in range(w) if any(max(pixel(img, x, y)) < limit for y in range(y0, y1))]


def clusters(xs, gap):
    out = []
    for x in xs:
        if out and x - out[-1][1] <= gap:
            out[-1][1] = x
        else:
            out.append([x, x])
    return out


# ---------------------------------------------------------------------------------------------------------
# The game process.


class Game:
    def __init__(self, suite):
        self.suite = suite
        self.proc = subprocess.Popen([suite.args.wine_run, "--prefix", suite.args.prefix, suite.args.exe],
                                     start_new_session=True, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)
        self.started = time.monotonic()
        self.exit_code = None

    def alive(self):
        return self.proc.poll() is None

    def wait_exit(self, timeout=15):
        try:
            self.exit_code = self.proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise Failure("Pelmo.exe still running %d s after it was told to exit" % timeout)
        return self.exit_code

    def kill(self):
        if self.alive():
            try:
                os.killpg(self.proc.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            self.proc.wait(timeout=10)


class Suite:
    def __init__(self, args):
        self.args = args
        self.probe = Probe(args.wine_run, args.prefix, args.winprobe)
        self.game = None
        self.log = []

    # -- waiting ------------------------------------------------------------------------------------------

    def wait(self, pred, what, timeout=10.0):
        deadline = time.monotonic() + timeout
        last = None
        while True:
            last = self.probe.snap()
            got = pred(last)
            if got:
                return got
            if time.monotonic() > deadline:
                raise Failure("timed out after %.0f s waiting for %s; visible windows:\n%s"
                              % (timeout, what, last.describe()))
            if self.game and not self.game.alive():
                raise Failure("Pelmo.exe ended (exit code %s) while waiting for %s"
                              % (self.game.proc.returncode, what))
            time.sleep(0.02)

    def settle(self, seconds=0.15):
        time.sleep(seconds)
        return self.probe.snap()

    # -- the program --------------------------------------------------------------------------------------

    def start(self):
        self.game = Game(self)
        return self.wait(lambda s: s.dialog(START_CAPTION) and s, "the start notice", timeout=30)

    def stop(self):
        if self.game:
            self.game.kill()
            self.game = None
        # Nothing of a killed program may linger into the next case.
        self.wait(lambda s: not s.pids and s, "no Pelmo.exe process", timeout=10)
        # Nor any other window: a crash of any program would leave the system's crash dialog here.
        others = [Win(w) for w in self.probe.ask("snapshot")["windows"]]
        if others:
            screenshot(os.path.join(self.args.out, "stray-windows.png"))
            raise Failure("windows left on the desktop: %r" % others)

    def close_notice(self, caption, how="click"):
        """Closes the notice with the given caption; returns the monotonic time of the closing input."""
        s = self.wait(lambda s: s.dialog(caption) and s, "notice %s" % show(caption))
        dlg = s.dialog(caption)
        ok = dlg.child(id_=1)
        if how == "click":
            x, y = ok.center
            xdo("mousemove", x, y)
            t = time.monotonic()
            xdo("click", 1)
        else:
            t = time.monotonic()
            key(how)
        self.wait(lambda s: not s.dialog(caption) and s, "notice %s to close" % show(caption))
        return t

    def start_playing(self):
        """Starts the program and closes the first start notice; returns (snapshot, time of the click)."""
        self.start()
        t = self.close_notice(START_CAPTION)
        s = self.wait(lambda s: s.frame() and s.frame().visible and len(s.visible_buttons()) == 25 and s,
                      "the 5x5 frame")
        return s, t

    def play(self, wrong_clicks=3, check_each=True):
        """Clicks the visible buttons in order, a few wrong ones in between; returns (snapshot, last click)."""
        s = self.probe.snap()
        buttons = s.visible_buttons()
        n = len(s.buttons())  # N*N: cleared buttons stay, hidden, until the next game
        by_number = {int(b.text): b for b in buttons}
        first = min(by_number)
        check_eq(list(range(first, n + 1)), sorted(by_number), "captions of the visible buttons")
        wrong_at = set(random.sample(range(first, n), min(wrong_clicks, n - first)))
        last = None
        for number in range(first, n + 1):
            if number in wrong_at:
                wrong = by_number[random.choice([k for k in by_number if k > number])]
                before = self.probe.snap()
                click(*wrong.center)
                after = self.settle(0.1)
                check_eq(before.status(), after.status(), "a wrong click leaves the status text")
                check_eq(len(before.visible_buttons()), len(after.visible_buttons()),
                         "a wrong click hides no button")
            b = by_number[number]
            x, y = b.center
            xdo("mousemove", x, y)
            last = time.monotonic()
            xdo("click", 1)
            if number < n and check_each:
                self.wait(lambda s: s.status() == remaining_text(n - number) and s,
                          "status %s" % show(remaining_text(n - number)))
        return last

    def frame_notice_centre(self, frame, dlg, work):
        """Where the framework centres a dialog over the frame, kept inside the work area."""
        w, h = dlg.size
        x = (frame.rect[0] + frame.rect[2]) // 2 - w // 2
        y = (frame.rect[1] + frame.rect[3]) // 2 - h // 2
        x = max(work[0], min(x, work[2] - w))
        y = max(work[1], min(y, work[3] - h))
        return x, y


# ---------------------------------------------------------------------------------------------------------
# The cases.

CASES = []


def case(fn):
    CASES.append(fn)
    return fn


def check_cleared(suite, n, measured_ms):
    """The clear text, the result notice and the suite's own clock agree by the float rule."""
    s = suite.wait(lambda s: s.dialog(RESULT_CAPTION) and s, "the result notice", timeout=10)
    status = s.status()
    check(status.endswith(cp(" 秒でクリア!!")), "status after the last click", cp("<t> 秒でクリア!!"), status)
    status_secs = status[:-len(cp(" 秒でクリア!!"))].decode("ascii")
    dlg = s.dialog(RESULT_CAPTION)
    check_eq(RESULT_LINE1, dlg.child(id_=1013).text, "result notice line 1")
    line2 = dlg.child(id_=1014).text
    check(line2.endswith(cp(" 秒かかりました。")), "result notice line 2", cp("<t> 秒かかりました。"), line2)
    notice_secs = line2[:-len(cp(" 秒かかりました。"))].decode("ascii")
    check_eq(RESULT_BUTTON, dlg.child(id_=1).text, "result notice button")
    frame = s.frame()
    check(not frame.enabled, "the frame is disabled under the result notice")
    check_eq(suite.frame_notice_centre(frame, dlg, s.workarea), dlg.rect[:2], "result notice centred over frame")
    matches = [ms for ms in range(max(0, measured_ms - 100), measured_ms + 101)
               if cleared_texts(ms) == (status_secs, notice_secs)]
    check(matches, "an elapsed time within 100 ms of the suite's %d ms gives both texts" % measured_ms,
          "status %s and notice %s" % cleared_texts(measured_ms), "status %s and notice %s"
          % (status_secs, notice_secs))
    return s, status


@case
def start_notice_alone_then_5x5_frame(suite):
    s = suite.start()
    visible = s.visible()
    check_eq(1, len(visible), "windows visible at start: only the start notice (%r)" % visible)
    dlg = visible[0]
    check_eq(START_CAPTION, dlg.text, "start notice caption")
    check_eq(START_LINE1, dlg.child(id_=1013).text, "start notice line 1")
    check_eq(START_LINE2, dlg.child(id_=1014).text, "start notice line 2")
    check_eq(START_BUTTON, dlg.child(id_=1).text, "start notice button")
    wa = s.workarea
    w, h = dlg.size
    expect = ((wa[0] + wa[2]) // 2 - w // 2, (wa[1] + wa[3]) // 2 - h // 2)
    check_eq(expect, dlg.rect[:2], "start notice centred in the work area")
    frame = s.frame()
    check(frame is not None and not frame.visible, "the frame exists but is hidden under the first notice")
    suite.close_notice(START_CAPTION, how="Return")
    s = suite.wait(lambda s: s.frame() and s.frame().visible and len(s.visible_buttons()) == 25 and s,
                   "the 5x5 frame")
    frame = s.frame()
    check_eq((357, 201, 666, 567), frame.rect, "first frame rectangle on 1024x768")
    check_eq(FRAME_TITLE, frame.text, "frame title")
    check_eq(IDLE, s.status(), "status pane after start-up")
    captions = sorted(int(b.text) for b in s.visible_buttons())
    check_eq(list(range(1, 26)), captions, "captions of the 25 buttons")
    board = s.board()
    for b in s.buttons():
        p = b.id - 5000
        row, col = (p - 1) // 5, (p - 1) % 5
        x0, y0 = board.client[0] + col * 60, board.client[1] + row * 60
        check_eq((x0, y0, x0 + 60, y0 + 60), b.rect, "cell of position %d" % p)


@case
def whole_game_5x5_with_wrong_clicks(suite):
    s, t0 = suite.start_playing()
    last = suite.play(wrong_clicks=4)
    measured = int(round((last - t0) * 1000))
    s, status = check_cleared(suite, 25, measured)
    suite.log.append("5x5 game: suite measured %d ms, status %s" % (measured, status.decode("cp932")))
    suite.close_notice(RESULT_CAPTION, how="Return")
    s = suite.wait(lambda s: s.dialog(START_CAPTION) and s, "the next start notice")
    check_eq(status, s.status(), "the clear text stays through the next start notice")
    dlg = s.dialog(START_CAPTION)
    check_eq(suite.frame_notice_centre(s.frame(), dlg, s.workarea), dlg.rect[:2], "start notice over the frame")
    check_eq(0, len(s.visible_buttons()), "the board is empty under the next start notice")
    suite.close_notice(START_CAPTION)
    s = suite.wait(lambda s: len(s.visible_buttons()) == 25 and s, "the next 5x5 game")
    check_eq(status, s.status(), "the clear text stays until the first correct click")


@case
def whole_game_2x2_by_keyboard_menu(suite):
    s, _ = suite.start_playing()
    before = s.frame().rect
    key("alt+s", "2")
    s = suite.wait(lambda s: s.dialog(START_CAPTION) and s, "the start notice of the 2x2 game")
    frame = s.frame()
    check_eq((before[0], before[1], before[0] + 129, before[1] + 204), frame.rect, "2x2 frame, corner kept")
    dlg = s.dialog(START_CAPTION)
    check_eq(suite.frame_notice_centre(frame, dlg, s.workarea), dlg.rect[:2], "start notice centred over frame")
    check_eq(0, len(s.visible_buttons()), "no buttons under the start notice")
    t0 = suite.close_notice(START_CAPTION)
    s = suite.wait(lambda s: len(s.visible_buttons()) == 4 and s, "four buttons")
    check_eq(IDLE, s.status(), "a game started from the menu shows the idle text")
    last = suite.play(wrong_clicks=2)
    measured = int(round((last - t0) * 1000))
    s, status = check_cleared(suite, 4, measured)
    suite.log.append("2x2 game: suite measured %d ms, status %s" % (measured, status.decode("cp932")))
    suite.close_notice(RESULT_CAPTION)
    s = suite.wait(lambda s: s.dialog(START_CAPTION) and s, "the next start notice")
    check_eq((before[0], before[1], before[0] + 129, before[1] + 204), s.frame().rect, "the next game is 2x2")
    suite.close_notice(START_CAPTION, how="Escape")
    suite.wait(lambda s: len(s.visible_buttons()) == 4 and s, "four buttons after Esc on the notice")
    # Retry keeps the size.
    key("alt+f", "r")
    suite.close_notice(START_CAPTION)
    s = suite.wait(lambda s: len(s.visible_buttons()) == 4 and s, "retry keeps 2x2")
    check_eq((before[0], before[1], before[0] + 129, before[1] + 204), s.frame().rect, "retry frame size")


def menu_bar_titles(s):
    """Screen centres of the four menu bar titles, found in the pixels of the menu bar."""
    frame = s.frame()
    top = frame.client[1] - 19
    img = grab((frame.client[0], top, frame.client[2], frame.client[1]))
    cols = dark_columns(img, 2, img[1] - 2)
    titles = clusters(cols, gap=7)
    check_eq(4, len(titles), "text clusters in the menu bar %r" % titles)
    return [(frame.client[0] + (a + b) // 2, top + img[1] // 2) for a, b in titles]


def popup_rows(popup):
    """Text bands of an open pop-up menu: (top, bottom, greyed, checked) per item with text."""
    img = grab(popup.rect)
    w, h, _ = img
    rows = []
    for y in range(h):
        xs = [x for x in range(18, w - 4) if max(pixel(img, x, y)) < 170]
        rows.append(bool(xs))
    bands, y = [], 0
    while y < h:
        if rows[y]:
            y0 = y
            while y < h and rows[y]:
                y += 1
            if y - y0 >= 5:
                bands.append((y0, y))
        y += 1
    out = []
    for y0, y1 in bands:
        darkest = min(min(pixel(img, x, yy)) for x in range(18, w - 4) for yy in range(y0, y1))
        checked = any(max(pixel(img, x, yy)) < 60 for x in range(2, 17) for yy in range(y0, y1))
        out.append((popup.rect[1] + y0, popup.rect[1] + y1, darkest > 60, checked))
    return out


@case
def menus_by_mouse_prompts_and_states(suite):
    s, _ = suite.start_playing()
    titles = menu_bar_titles(s)
    # File menu: hover the retry item, read its prompt, leave with Esc: the idle text comes back.
    click(*titles[0])
    s = suite.wait(lambda s: s.popups() and s, "the File pop-up")
    popup = s.popups()[0]
    rows = popup_rows(popup)
    check_eq(2, len(rows), "text items in the File pop-up %r" % rows)
    move(popup.center[0], (rows[0][0] + rows[0][1]) // 2)
    suite.wait(lambda s: s.status() == PROMPTS["retry"] and s, "the retry prompt")
    move(popup.center[0], (rows[1][0] + rows[1][1]) // 2)
    suite.wait(lambda s: s.status() == PROMPTS["exit"] and s, "the exit prompt")
    key("Escape", "Escape")
    suite.wait(lambda s: not s.popups() and s.status() == IDLE and s, "idle text after the menu closed")
    # View menu: ranking greyed, navigation unchecked, status bar checked.
    click(*titles[2])
    s = suite.wait(lambda s: s.popups() and s, "the View pop-up")
    time.sleep(0.2)
    rows = popup_rows(s.popups()[0])
    check_eq([(True, False), (False, False), (False, True)], [r[2:] for r in rows],
             "(greyed, checked) of ranking, navigation, status bar")
    key("Escape", "Escape")
    suite.wait(lambda s: not s.popups() and s, "the View pop-up to close")
    # Size menu by mouse: 3x3.
    click(*titles[1])
    s = suite.wait(lambda s: s.popups() and s, "the size pop-up")
    popup = s.popups()[0]
    rows = popup_rows(popup)
    check_eq(4, len(rows), "items of the size pop-up")
    before = s.frame().rect
    click(popup.center[0], (rows[1][0] + rows[1][1]) // 2)
    s = suite.wait(lambda s: s.dialog(START_CAPTION) and s, "the 3x3 start notice")
    check_eq((before[0], before[1], before[0] + 189, before[1] + 264), s.frame().rect, "3x3 frame")
    suite.close_notice(START_CAPTION)
    suite.wait(lambda s: len(s.visible_buttons()) == 9 and s, "nine buttons")
    # The menu used during a game replaces the count by the idle text.
    s = suite.probe.snap()
    one = [b for b in s.visible_buttons() if b.text == b"1"][0]
    click(*one.center)
    suite.wait(lambda s: s.status() == remaining_text(8) and s, "8 left")
    key("alt+f")
    suite.wait(lambda s: s.popups() and s, "the File pop-up by Alt+F")
    key("Escape", "Escape")
    suite.wait(lambda s: not s.popups() and s.status() == IDLE and s, "the idle text after Alt+F, Esc")


@case
def status_bar_toggle(suite):
    s, _ = suite.start_playing()
    frame0, board0, bar0 = s.frame().rect, s.board().rect, s.status_bar().rect
    key("alt+v", "s")
    s = suite.wait(lambda s: not s.status_bar().visible and s, "the status bar hidden")
    check_eq(frame0, s.frame().rect, "the frame keeps its size")
    check_eq(board0[3] + (bar0[3] - bar0[1]), s.board().rect[3], "the board grows by the bar's height")
    titles = menu_bar_titles(s)
    click(*titles[2])
    s = suite.wait(lambda s: s.popups() and s, "the View pop-up")
    time.sleep(0.2)
    rows = popup_rows(s.popups()[0])
    check_eq(False, rows[2][3], "status bar item unchecked while hidden")
    key("Escape", "Escape")
    key("alt+s", "4")
    s = suite.wait(lambda s: s.dialog(START_CAPTION) and s, "the 4x4 start notice")
    check_eq((frame0[0], frame0[1], frame0[0] + 249, frame0[1] + 306), s.frame().rect, "4x4 frame by formula")
    check(not s.status_bar().visible, "the bar stays hidden in the new game")
    suite.close_notice(START_CAPTION)
    key("alt+v", "s")
    s = suite.wait(lambda s: s.status_bar().visible and s, "the status bar shown again")
    check_eq(s.frame().client[3], s.status_bar().rect[3], "the bar sits at the bottom of the client area")


@case
def about_box(suite):
    s, _ = suite.start_playing()
    one = [b for b in s.visible_buttons() if b.text == b"1"][0]
    click(*one.center)
    s = suite.wait(lambda s: s.status() == remaining_text(24) and s, "24 left")
    before = [(b.id, b.visible, b.text) for b in s.buttons()]
    key("alt+h", "a")
    s = suite.wait(lambda s: s.dialog(ABOUT_CAPTION) and s, "the About box")
    dlg = s.dialog(ABOUT_CAPTION)
    check_eq(suite.frame_notice_centre(s.frame(), dlg, s.workarea), dlg.rect[:2], "About box centred over frame")
    check(not s.frame().enabled, "the frame is disabled under the About box")
    check(any(c.text == b"Welcome to Pelmora Version 0.95J." for c in dlg.children), "the About box's welcome")
    # The frame takes no clicks while the box is open.
    two = [b for b in s.visible_buttons() if b.text == b"2"][0]
    click(*two.center)
    s = suite.settle(0.2)
    check(s.dialog(ABOUT_CAPTION) is not None, "the About box stays open after a click on the frame")
    check_eq(before, [(b.id, b.visible, b.text) for b in s.buttons()], "a click under the About box did nothing")
    key("Return")
    s = suite.wait(lambda s: not s.dialog(ABOUT_CAPTION) and s.frame().enabled and s, "the About box to close")
    check_eq(before, [(b.id, b.visible, b.text) for b in s.buttons()], "the game under the About box is unchanged")
    # The menu that opened the box left its idle text; the game itself is untouched.
    check_eq(IDLE, s.status(), "status after the About command")
    key("alt+h", "a")
    suite.wait(lambda s: s.dialog(ABOUT_CAPTION) and s, "the About box again")
    key("Escape")
    suite.wait(lambda s: not s.dialog(ABOUT_CAPTION) and s, "Esc closes the About box")


ACCELERATORS = ["ctrl+c", "ctrl+v", "ctrl+x", "ctrl+z", "ctrl+Insert", "shift+Insert", "shift+Delete",
                "alt+BackSpace", "F6", "shift+F6"]


@case
def accelerator_keys_change_nothing(suite):
    s, _ = suite.start_playing()
    by = {int(b.text): b for b in s.visible_buttons()}
    click(*by[1].center)
    s = suite.wait(lambda s: s.status() == remaining_text(24) and s, "24 left")
    click(*by[5].center)  # a wrong click leaves the focus on a number button
    s = suite.settle(0.2)

    def state(s):
        return ([(w.cls, w.text, w.rect, w.visible) for w in s.visible()],
                [(b.id, b.visible, b.text) for b in s.buttons()], s.status())
    before = state(s)
    for k in ACCELERATORS:
        key(k)
        s = suite.settle(0.1)
        check_eq(before, state(s), "after %s" % k)


def exit_check(suite, how):
    s, _ = suite.start_playing()
    by = {int(b.text): b for b in s.visible_buttons()}
    click(*by[1].center)
    s = suite.wait(lambda s: s.status() == remaining_text(24) and s, "24 left")
    frame = s.frame()
    if how == "close box":
        # The close box is the right-most caption button: inside the frame border, a caption height square.
        x = frame.rect[2] - 4 - 8
        y = frame.rect[1] + 4 + 8
        click(x, y)
    elif how == "Alt+F4":
        key("alt+F4")
    else:
        key("alt+f", "x")
    code = suite.game.wait_exit()
    check_eq(0, code, "exit code after %s" % how)
    s = suite.wait(lambda s: not s.windows and s, "no window left")
    check_eq([], s.windows, "windows left after %s" % how)


@case
def exit_by_close_box(suite):
    exit_check(suite, "close box")


@case
def exit_by_alt_f4(suite):
    exit_check(suite, "Alt+F4")


@case
def exit_by_menu(suite):
    exit_check(suite, "menu")


@case
def hints_on_and_hover(suite):
    s, _ = suite.start_playing()
    by = {int(b.text): b for b in s.visible_buttons()}
    hover(*by[2].center)
    time.sleep(1.5)
    check(suite.probe.snap().tooltip() is None, "no tip while the hints are off")
    key("alt+v", "n")
    move(5, 5)
    hover(*by[1].center)
    s = suite.wait(lambda s: s.tooltip() and s, "a tip over button 1", timeout=5)
    check_eq(HINT_HERE, s.tooltip().text, "tip over the next number")
    hover(*by[7].center)
    suite.wait(lambda s: s.tooltip() and s.tooltip().text == hint_next_text(1) and s, "tip naming 1", timeout=5)
    click(*by[7].center)  # wrong: the tip goes and stays away on the same button
    suite.wait(lambda s: not s.tooltip() and s, "the tip gone after a click", timeout=5)
    xdo("mousemove", by[7].center[0] + 3, by[7].center[1] + 2)
    time.sleep(1.5)
    check(suite.probe.snap().tooltip() is None, "no tip again while the pointer stays on the clicked button")
    click(*by[1].center)
    suite.wait(lambda s: s.status() == remaining_text(24) and s, "24 left")
    hover(*by[3].center)
    suite.wait(lambda s: s.tooltip() and s.tooltip().text == hint_next_text(2) and s, "tip naming 2", timeout=5)
    hover(*by[2].center)
    suite.wait(lambda s: s.tooltip() and s.tooltip().text == HINT_HERE and s, "tip over 2", timeout=5)
    # A cleared square shows no tip.
    hover(*by[1].center)
    suite.wait(lambda s: not s.tooltip() and s, "no tip over a cleared square", timeout=5)
    time.sleep(1.5)
    check(suite.probe.snap().tooltip() is None, "no tip over a cleared square")
    # Hints survive a new game; switched off, no tip comes.
    key("alt+s", "2")
    suite.close_notice(START_CAPTION)
    s = suite.wait(lambda s: len(s.visible_buttons()) == 4 and s, "a 2x2 game")
    by = {int(b.text): b for b in s.visible_buttons()}
    move(5, 5)
    hover(*by[1].center)
    suite.wait(lambda s: s.tooltip() and s.tooltip().text == HINT_HERE and s, "tip in the new game", timeout=5)
    key("alt+v", "n")
    move(5, 5)
    hover(*by[2].center)
    time.sleep(1.5)
    check(suite.probe.snap().tooltip() is None, "no tip after the hints were switched off")


# -- hostile input ----------------------------------------------------------------------------------------


@case
def robust_click_storm(suite):
    s, _ = suite.start_playing()
    board = s.board()
    b = s.visible_buttons()[0]
    # Hundreds of clicks as fast as xdotool sends them (several hundred a second): on one button, on the
    # seams between buttons, on cleared squares, anywhere on the board.
    xdo("mousemove", *b.center, "click", "--repeat", 200, "--delay", 1, 1)
    spots = []
    for k in range(1, 5):
        for d in (-1, 0):
            for row in range(5):
                spots += [(board.client[0] + k * 60 + d, board.client[1] + row * 60 + 30),
                          (board.client[0] + row * 60 + 30, board.client[1] + k * 60 + d)]
    for _ in range(150):
        spots.append((random.randint(board.client[0], board.client[2] - 1),
                      random.randint(board.client[1], board.client[3] - 1)))
    args = []
    for x, y in spots:
        args += ["mousemove", x, y, "click", "--delay", 1, 1]
    t = time.monotonic()
    xdo(*args)
    suite.log.append("click storm: %d clicks on spots in %.2f s after 200 on one button"
                     % (len(spots), time.monotonic() - t))
    # Whatever happened, the program still answers and plays on.
    s = suite.wait(lambda s: s.frame() and s, "the frame after the storm", timeout=20)
    check(suite.game.alive(), "Pelmo.exe survives the click storm")
    # Clear the storm's results (a notice may be open if the storm cleared a game).
    for _ in range(5):
        s = suite.settle(0.3)
        dlgs = s.dialogs()
        if not dlgs:
            break
        key("Return")
    s = suite.wait(lambda s: s.frame().enabled and not s.dialogs() and s, "no dialog left")
    suite.play(wrong_clicks=0, check_each=False)
    suite.wait(lambda s: s.dialog(RESULT_CAPTION) and s, "a result notice after the storm")
    suite.close_notice(RESULT_CAPTION)
    suite.close_notice(START_CAPTION)


@case
def robust_input_during_dialogs(suite):
    s, _ = suite.start_playing()
    frame = s.frame()
    by = {int(b.text): b for b in s.visible_buttons()}

    def storm():
        for b in list(by.values())[:6]:
            xdo("mousemove", *b.center, "click", "--repeat", 10, "--delay", 1, 1)
        key("alt+s", "2", "alt+f", "r", "ctrl+c", "F6", "alt+v", "n")
        click(frame.rect[0] + 40, frame.client[1] - 8)

    for opener, caption in (("about", ABOUT_CAPTION), ("retry", START_CAPTION)):
        if opener == "about":
            key("alt+h", "a")
        else:
            key("alt+f", "r")
        suite.wait(lambda s: s.dialog(caption) and s, "dialog %s" % show(caption))
        before = suite.probe.snap()
        storm()
        s = suite.settle(0.3)
        check(s.dialog(caption) is not None, "the dialog is still open after the storm")
        check_eq(before.frame().rect, s.frame().rect, "no size command got through the dialog")
        check_eq(len(before.dialogs()), len(s.dialogs()), "no second dialog opened")
        key("Escape")
        suite.wait(lambda s: not s.dialogs() and s, "the dialog to close")
    s = suite.wait(lambda s: len(s.visible_buttons()) == 25 and s, "the 5x5 game after the storms")
    # The result notice too.
    suite.play(wrong_clicks=0, check_each=False)
    suite.wait(lambda s: s.dialog(RESULT_CAPTION) and s, "the result notice")
    storm()
    s = suite.settle(0.3)
    check(s.dialog(RESULT_CAPTION) is not None, "the result notice stays through the storm")
    suite.close_notice(RESULT_CAPTION)
    suite.close_notice(START_CAPTION)
    s = suite.wait(lambda s: len(s.visible_buttons()) == 25 and s, "the next 5x5 game")


WM_CLOSE, WM_COMMAND = 0x0010, 0x0111


@case
def robust_foreign_messages(suite):
    s, _ = suite.start_playing()
    frame = s.frame()
    # Commands no menu sends: the id below the buttons, one past them, and random ids.
    rnd = random.Random(8)
    for cmd in [5000, 5026, 0, 65535] + [rnd.randrange(1, 65536) for _ in range(40)]:
        if cmd in (32771, 32772, 32773, 32774, 32775, 57664, 57665, 32777, 59393) or 5001 <= cmd <= 5025:
            continue
        suite.probe.post(frame.hwnd, WM_COMMAND, cmd, 0)
    s = suite.settle(0.3)
    check(suite.game.alive(), "alive after foreign commands")
    check_eq(25, len(s.visible_buttons()), "foreign commands clear no button")
    check(not s.dialogs(), "foreign commands open no dialog")
    # WM_CLOSE to the board from outside, then the menu.
    suite.probe.send(s.board().hwnd, WM_CLOSE)
    s = suite.settle(0.3)
    check(suite.game.alive(), "alive after WM_CLOSE to the board")
    check(s.board() is None, "the board window is gone")
    key("alt+s", "3")
    s = suite.settle(0.5)
    if s.dialog(START_CAPTION):
        suite.close_notice(START_CAPTION)
    s = suite.settle(0.3)
    check(suite.game.alive(), "alive after a size command on a closed board")
    suite.log.append("after WM_CLOSE to the board and 3x3: frame %s, board %s, buttons %d"
                     % (s.frame().rect if s.frame() else None, s.board(), len(s.buttons())))
    key("alt+f", "r")
    s = suite.settle(0.5)
    if s.dialog(START_CAPTION):
        suite.close_notice(START_CAPTION)
    key("alt+v", "n")
    key("alt+v", "s")
    key("alt+h", "a")
    suite.wait(lambda s: s.dialog(ABOUT_CAPTION) and s, "the About box after the board was closed")
    key("Return")
    key("alt+f", "x")
    check_eq(0, suite.game.wait_exit(), "exit code after the board was closed from outside")


# ---------------------------------------------------------------------------------------------------------


def save_readme_screenshot(suite):
    """The game in play at 5x5 with a few numbers cleared, cropped to the frame."""
    s, _ = suite.start_playing()
    by = {int(b.text): b for b in s.visible_buttons()}
    for n in (1, 2, 3):
        click(*by[n].center)
    s = suite.wait(lambda s: s.status() == remaining_text(22) and s, "22 left")
    move(by[4].center[0], by[4].center[1])
    time.sleep(0.3)
    f = s.frame().rect
    out = os.path.join(suite.args.out, "screenshot.png")
    screenshot(out, (f[0] - 8, f[1] - 8, f[2] + 8, f[3] + 8))
    shot = suite.args.screenshot
    if shot and (not os.path.exists(shot) or os.environ.get("PELMO_UPDATE_SCREENSHOT")):
        os.makedirs(os.path.dirname(shot), exist_ok=True)
        shutil.copyfile(out, shot)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--exe", required=True)
    ap.add_argument("--winprobe", required=True)
    ap.add_argument("--wine-run", required=True)
    ap.add_argument("--prefix", required=True)
    ap.add_argument("--out", required=True)
    ap.add_argument("--screenshot")
    ap.add_argument("cases", nargs="*", help="names of cases to run (all by default)")
    args = ap.parse_args()
    if not os.environ.get("DISPLAY"):
        print("e2e: no DISPLAY; run through scripts/test")
        return 2
    os.makedirs(args.out, exist_ok=True)
    random.seed(int(os.environ.get("PELMO_E2E_SEED", "20240607")))
    t_all = time.monotonic()
    suite = Suite(args)
    results = []
    try:
        suite.stop()
        # One probe first: without a start notice nothing else can pass, so fail once, quickly.
        try:
            suite.start()
        except Failure as e:
            print("FAIL Pelmo.exe does not reach its start notice: %s" % e)
            return 1
        finally:
            suite.stop()
        for fn in CASES:
            if args.cases and fn.__name__ not in args.cases:
                continue
            t = time.monotonic()
            try:
                fn(suite)
                verdict, note = "PASS", ""
            except Skip as e:
                verdict, note = "SKIP", str(e)
            except Exception as e:
                verdict = "FAIL"
                note = "".join(traceback.format_exception_only(type(e), e)).strip()
                if not isinstance(e, Failure):
                    note += "\n" + traceback.format_exc()
                try:
                    screenshot(os.path.join(args.out, "fail-%s.png" % fn.__name__))
                except Exception:
                    pass
            finally:
                try:
                    suite.stop()
                except Exception as e:
                    print("e2e: clean-up after %s: %s" % (fn.__name__, e))
            results.append((fn.__name__, verdict, time.monotonic() - t, note))
            print("%-4s %-40s %6.1f s %s" % (verdict, fn.__name__, results[-1][2], note), flush=True)
        if not args.cases:
            try:
                save_readme_screenshot(suite)
            finally:
                suite.stop()
    finally:
        suite.probe.close()
    for line in suite.log:
        print("note: " + line)
    failed = [r for r in results if r[1] == "FAIL"]
    print("e2e: %d cases, %d passed, %d skipped, %d failed in %.1f s"
          % (len(results), sum(r[1] == "PASS" for r in results), sum(r[1] == "SKIP" for r in results),
             len(failed), time.monotonic() - t_all))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
