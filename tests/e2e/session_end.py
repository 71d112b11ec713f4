#!/usr/bin/env python3
"""The real game asked to end by the desktop, on a virtual X server with
xdotool as the player's hands.

A pet that lives in the main window is saved when the game gets SIGTERM or
SIGHUP: the game ends within three seconds, its save file decodes (with
Python's own code page 932 codec, not the game's) to the pet's name with
plausible fields, and a second run loads it through "Ｌｏａｄ" and shows the
same name, type and generation in the same pixels as the first run did. With
no pet yet (opening screen, name entry) nothing is written. When the folder
refuses the save, the older save stays, the reason goes to standard error and
the game ends with a failure status.

Usage: session_end.py BIN_DIR   (the folder holding nupel and its pictures)
"""

import ctypes
import glob
import os
import pwd
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time

# Generous limits for a busy machine, except the one the desktop sets: a
# session manager waits a few seconds before it kills what is left.
PATIENCE = 60
ENDS_WITHIN = 3.0

# Where the controls are, in pixels inside their windows.
OPENING_START = (168, 275)
MAIN_FEED = (464, 124)
MAIN_END = (464, 380)
NAME_BOX = (124, 132)
NAME_LOAD = (312, 128)
# The labels of the main window that show the name (twice), the type and the
# generation, as left, top, width, height in pixels, each clear of the others.
IDENTITY_LABELS = {
    "name": (40, 16, 161, 25),
    "type": (208, 16, 113, 25),
    "generation": (344, 0, 25, 16),
    "name under the generation": (344, 16, 161, 25),
}
# The notices the pet may bring up while it lives.
NOTICES = ("産卵!!", "変化!!!", "怒!!")


class Failure(Exception):
    pass


def step(text):
    print("e2e:", text, file=sys.stderr, flush=True)


class Desktop:
    """A private X server whose screen can be read back, and the game's folder."""

    def __init__(self, bin_dir):
        self.work = tempfile.mkdtemp(prefix="nupel-session-")
        self.game = os.path.join(self.work, "game")
        os.makedirs(self.game)
        for path in [os.path.join(bin_dir, "nupel")] + glob.glob(os.path.join(bin_dir, "*.ico")) \
                + glob.glob(os.path.join(bin_dir, "*.bmp")):
            shutil.copy2(path, self.game)
        self.pictures = set(os.listdir(self.game))
        self.screen_dir = os.path.join(self.work, "screen")
        os.makedirs(self.screen_dir)
        for name in ("config", "runtime"):
            os.makedirs(os.path.join(self.work, name), mode=0o700)
        self.log_path = os.path.join(self.work, "nupel.log")
        self.game_process = None

        read_end, write_end = os.pipe()
        # It must not reset when one run's game leaves, or the next run's game
        # may knock while it is resetting and be turned away.
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
             "-noreset", "-fbdir", self.screen_dir],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as displayfd:
            display = displayfd.readline().strip()
        if not display:
            raise Failure("Xvfb did not start")
        self.env = dict(os.environ, DISPLAY=":" + display, QT_QPA_PLATFORM="xcb",
                        XDG_CONFIG_HOME=os.path.join(self.work, "config"),
                        XDG_RUNTIME_DIR=os.path.join(self.work, "runtime"))
        self.env.pop("WAYLAND_DISPLAY", None)

    def close(self):
        if self.game_process and self.game_process.poll() is None:
            self.game_process.kill()
            self.game_process.wait()
        self.xvfb.terminate()
        self.xvfb.wait()
        shutil.rmtree(self.work, ignore_errors=True)

    # --- the player's hands -------------------------------------------------

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True).stdout

    def shown(self, title):
        return self.xdotool("search", "--onlyvisible", "--name", "^%s$" % title).split()

    def dismiss_notices(self):
        for title in NOTICES:
            for window in self.shown(title):
                step('notice "%s" answered' % title)
                self.xdotool("windowfocus", "--sync", window, "key", "Return")

    def wait_window(self, title):
        deadline = time.monotonic() + PATIENCE
        while time.monotonic() < deadline:
            if self.game_process.poll() is not None:
                raise Failure('the game ended while waiting for "%s"' % title)
            windows = self.shown(title)
            if windows:
                return windows[0]
            self.dismiss_notices()
            time.sleep(0.1)
        raise Failure('no window "%s" within %ss' % (title, PATIENCE))

    def click(self, window, at):
        self.xdotool("mousemove", "--window", window, str(at[0]), str(at[1]), "click", "1")

    def press_for_window(self, window, at, title):
        """Clicks until window `title` opens; a notice may have taken a click."""
        for _ in range(5):
            self.dismiss_notices()
            self.click(window, at)
            for _ in range(30):
                windows = self.shown(title)
                if windows:
                    return windows[0]
                time.sleep(0.1)
        raise Failure('pressing at %s did not open "%s"' % (at, title))

    # --- the game -----------------------------------------------------------

    def start_game(self, as_user=None):
        command = ["./nupel"]
        if as_user is not None:
            command = ["setpriv", "--reuid", str(as_user.pw_uid), "--regid", str(as_user.pw_gid),
                       "--clear-groups", "--"] + command
        with open(self.log_path, "a") as log:
            self.game_process = subprocess.Popen(command, cwd=self.game, env=self.env, stdout=log,
                                                 stderr=subprocess.STDOUT)

    def name_entry(self):
        opening = self.wait_window("Let's play Nupel!!")
        self.click(opening, OPENING_START)
        return self.wait_window("名前の入力")

    def new_game(self, name):
        entry = self.name_entry()
        self.click(entry, NAME_BOX)
        self.type_text(name)
        self.xdotool("key", "Return")
        return self.wait_window("Nupel")

    def type_text(self, text):
        """Types text; characters beyond ASCII by the keys lend_keys gave them."""
        for c in text:
            if c.isascii():
                self.xdotool("type", c)
            else:
                self.xdotool("key", "U%04X" % ord(c))

    def lend_keys(self, characters):
        """Puts the characters on unused keys of the keyboard for good. Left
        to itself, xdotool lends a key for each keystroke and takes it back at
        once, and the game may look the key up after it was taken back: the
        character is lost."""
        x11 = ctypes.CDLL("libX11.so.6")
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XGetKeyboardMapping.restype = ctypes.POINTER(ctypes.c_ulong)
        x11.XGetKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_ubyte, ctypes.c_int,
                                            ctypes.POINTER(ctypes.c_int)]
        x11.XChangeKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                               ctypes.POINTER(ctypes.c_ulong), ctypes.c_int]
        for name in ("XDisplayKeycodes", "XSync", "XCloseDisplay", "XFree"):
            getattr(x11, name).argtypes = None
        display = x11.XOpenDisplay(self.env["DISPLAY"].encode())
        if not display:
            raise Failure("cannot open the display to lend keys")
        first, last, per_key = ctypes.c_int(), ctypes.c_int(), ctypes.c_int()
        x11.XDisplayKeycodes(ctypes.c_void_p(display), ctypes.byref(first), ctypes.byref(last))
        count = last.value - first.value + 1
        symbols = x11.XGetKeyboardMapping(display, first.value, count, ctypes.byref(per_key))
        free = [first.value + k for k in range(count)
                if not any(symbols[k * per_key.value + j] for j in range(per_key.value))]
        x11.XFree(symbols)
        characters = sorted(set(characters))
        if len(free) < len(characters):
            raise Failure("no free keys for %s" % "".join(characters))
        for keycode, c in zip(free, characters):
            keysym = (ctypes.c_ulong * 1)(0x1000000 + ord(c))
            x11.XChangeKeyboardMapping(display, keycode, 1, keysym, 1)
        x11.XSync(ctypes.c_void_p(display), 0)
        x11.XCloseDisplay(ctypes.c_void_p(display))

    def load_game(self, path):
        entry = self.name_entry()
        chooser = self.press_for_window(entry, NAME_LOAD, "セーブデータを開く")
        self.xdotool("windowfocus", "--sync", chooser)
        self.xdotool("type", "--delay", "20", path)
        self.xdotool("key", "Return")
        return self.wait_window("Nupel")

    def request_end(self, number):
        """Sends the signal; returns the exit status once the game has ended."""
        sent = time.monotonic()
        self.game_process.send_signal(number)
        try:
            status = self.game_process.wait(timeout=ENDS_WITHIN)
        except subprocess.TimeoutExpired:
            raise Failure("the game still runs %ss after %s" % (ENDS_WITHIN, signal.Signals(number).name))
        step("%s: ended after %.2fs with status %d"
             % (signal.Signals(number).name, time.monotonic() - sent, status))
        self.game_process = None
        return status

    def game_files(self):
        return sorted(set(os.listdir(self.game)) - self.pictures)

    # --- the screen ---------------------------------------------------------

    def screen_pixels(self):
        """The screen as rows of 32-bit pixels, read from the server's XWD file."""
        with open(os.path.join(self.screen_dir, "Xvfb_screen0"), "rb") as f:
            data = f.read()
        header = struct.unpack(">25I", data[:100])
        header_size, width, height = header[0], header[4], header[5]
        bits_per_pixel, bytes_per_line, colours = header[11], header[12], header[19]
        if bits_per_pixel != 32:
            raise Failure("the screen has %d bits a pixel" % bits_per_pixel)
        start = header_size + colours * 12
        return [data[start + row * bytes_per_line:start + row * bytes_per_line + width * 4]
                for row in range(height)]

    def identity_pixels(self, window):
        """The pixels of the name, type and generation labels of the main window."""
        geometry = dict(line.split("=") for line in
                        self.xdotool("getwindowgeometry", "--shell", window).split())
        left, top = int(geometry["X"]), int(geometry["Y"])
        rows = self.screen_pixels()
        crops = {}
        for label, (x, y, w, h) in IDENTITY_LABELS.items():
            crops[label] = b"".join(rows[top + y + r][(left + x) * 4:(left + x + w) * 4] for r in range(h))
        return crops

    def settled_identity_pixels(self, window):
        """The label pixels once two readings a little apart agree."""
        previous = None
        deadline = time.monotonic() + PATIENCE
        while time.monotonic() < deadline:
            time.sleep(0.3)
            self.dismiss_notices()
            current = self.identity_pixels(window)
            if current == previous:
                return current
            previous = current
        raise Failure("the main window's labels never settled")


def read_save(path):
    """The fields of a save file, decoded and unscrambled, by name."""
    with open(path, "rb") as f:
        data = f.read()
    if not data.endswith(b"\r\n") or data.count(b"\r\n") != 1:
        raise Failure("%s is not one line ended by CR LF: %r" % (path, data))
    fields = data[:-2].decode("cp932").split(",")
    if len(fields) != 18:
        raise Failure("%s holds %d fields: %r" % (path, len(fields), data))
    key = int(fields[17])

    def plain(i):
        return int(fields[i])

    def scrambled(i):
        return int(fields[i]) ^ key

    def quoted(i):
        if not (fields[i].startswith('"') and fields[i].endswith('"')):
            raise Failure("field %d is not quoted: %s" % (i + 1, fields[i]))
        return fields[i][1:-1]

    return {"name": quoted(0), "satiety": scrambled(1), "sickness": scrambled(2), "dirt": scrambled(3),
            "money": scrambled(5), "type": quoted(6), "generation": plain(7), "eggs": scrambled(8),
            "age": scrambled(15), "key": key}


def check_young_pet(save, name):
    """A new pet that lived a few seconds: its name, the start values, a few ticks."""
    problems = []
    if save["name"] != name:
        problems.append("name %r" % save["name"])
    if not 0 <= save["key"] <= 9999:
        problems.append("key %d" % save["key"])
    if save["type"] != "Normal" or save["generation"] != 1 or save["money"] != 10000:
        problems.append("type %s, generation %d, money %d" % (save["type"], save["generation"], save["money"]))
    if not 150 <= save["satiety"] < 200 or not 0 < save["sickness"] <= 20 or not 0 < save["dirt"] <= 20:
        problems.append("levels %d %d %d after seconds of play"
                        % (save["satiety"], save["sickness"], save["dirt"]))
    if save["eggs"] != 0 or save["age"] != 0:
        problems.append("%d eggs at age %d" % (save["eggs"], save["age"]))
    if problems:
        raise Failure("implausible save of %s: %s" % (name, "; ".join(problems)))


def pet_survives(desktop, number, name, open_first=None):
    """Plays a new pet for three seconds, opens `open_first` (a button of the
    main window and the title of the modal window it opens) and asks the game
    to end; returns the pixels that showed the pet's name, type and generation."""
    step("%s while %s lives in the main window%s" % (signal.Signals(number).name, name,
                                                     ', "%s" open' % open_first[1] if open_first else ""))
    desktop.start_game()
    main = desktop.new_game(name)
    shown = desktop.settled_identity_pixels(main)
    for label, pixels in shown.items():
        if len(set(pixels[i:i + 4] for i in range(0, len(pixels), 4))) < 2:
            raise Failure("the %s label shows nothing" % label)
    time.sleep(3)
    desktop.dismiss_notices()
    if open_first:
        desktop.press_for_window(main, *open_first)
    status = desktop.request_end(number)
    if status != 0:
        raise Failure("status %d after a save" % status)
    save_name = name + ".npw"
    if desktop.game_files() != [save_name]:
        raise Failure("the game left %s" % desktop.game_files())
    save = read_save(os.path.join(desktop.game, save_name))
    check_young_pet(save, name)
    step("saved: %s" % save)

    # Under another file name: what is loaded comes from the file's contents.
    moved = os.path.join(desktop.game, "resume.npw")
    os.rename(os.path.join(desktop.game, save_name), moved)
    desktop.start_game()
    main = desktop.load_game(moved)
    if os.path.exists(moved):
        raise Failure("the loaded save is still there")
    if desktop.settled_identity_pixels(main) != shown:
        raise Failure("the loaded game does not show the saved name, type and generation")
    step("loaded: the main window shows the same name, type and generation")

    # The resumed game runs on from the saved state, and is kept again.
    time.sleep(1.5)
    desktop.dismiss_notices()
    if desktop.request_end(signal.SIGTERM) != 0:
        raise Failure("the resumed game did not end cleanly")
    resumed = read_save(os.path.join(desktop.game, save_name))
    if (resumed["name"], resumed["type"], resumed["generation"], resumed["money"]) != \
            (save["name"], save["type"], save["generation"], save["money"]) \
            or not resumed["satiety"] < save["satiety"]:
        raise Failure("the resumed game did not go on from the save: %s after %s" % (resumed, save))
    step("resumed and saved again: %s" % resumed)
    os.remove(os.path.join(desktop.game, save_name))
    return shown


def nothing_to_keep(desktop, number, where):
    step("%s on the %s" % (signal.Signals(number).name, where))
    desktop.start_game()
    if where == "opening screen":
        desktop.wait_window("Let's play Nupel!!")
    else:
        entry = desktop.name_entry()
        desktop.click(entry, NAME_BOX)
        desktop.type_text("tama")
    time.sleep(0.5)
    status = desktop.request_end(number)
    if status != 0 or desktop.game_files():
        raise Failure("status %d, files %s" % (status, desktop.game_files()))


def unwritable_folder_keeps_older_save(desktop):
    step("SIGTERM with a folder that refuses the save")
    # Permission bits do not stop root: the game then runs as nobody.
    player = pwd.getpwnam("nobody") if os.geteuid() == 0 else None
    older = b'"pochi",1042,1238,1238,7,9154,"Normal",1,1234,10,1,1,1,2,,1234,0,1234\r\n'
    save_path = os.path.join(desktop.game, "pochi.npw")
    with open(save_path, "wb") as f:
        f.write(older)
    if player:
        for path in [desktop.work, desktop.game] + [os.path.join(desktop.game, p) for p in os.listdir(desktop.game)]:
            os.chown(path, player.pw_uid, player.pw_gid)
        os.chmod(desktop.work, 0o755)
    log_size = os.path.getsize(desktop.log_path) if os.path.exists(desktop.log_path) else 0
    desktop.start_game(as_user=player)
    desktop.new_game("pochi")
    time.sleep(1)
    os.chmod(desktop.game, 0o555)
    try:
        status = desktop.request_end(signal.SIGTERM)
    finally:
        os.chmod(desktop.game, 0o755)
    with open(desktop.log_path, errors="replace") as log:
        log.seek(log_size)
        said = log.read()
    if status == 0:
        raise Failure("status 0 after a failed save")
    with open(save_path, "rb") as f:
        if f.read() != older:
            raise Failure("the older save was changed")
    if desktop.game_files() != ["pochi.npw"]:
        raise Failure("the game left %s" % desktop.game_files())
    if "pochi.npw" not in said:
        raise Failure("no reason on standard error: %r" % said)
    step("status %d, older save intact, reason: %s" % (status, said.strip().splitlines()[-1]))
    os.remove(save_path)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    for tool in ("Xvfb", "xdotool", "setpriv"):
        if not shutil.which(tool):
            sys.exit("e2e: %s is missing (bash scripts/setup installs it)" % tool)
    desktop = Desktop(os.path.realpath(sys.argv[1]))
    try:
        desktop.lend_keys("もも")
        momo = pet_survives(desktop, signal.SIGTERM, "もも")
        pochi = pet_survives(desktop, signal.SIGHUP, "pochi")
        # The pixels tell pets apart: another name shows otherwise, the same
        # type and generation alike.
        if momo["name"] == pochi["name"] or momo["type"] != pochi["type"] \
                or momo["generation"] != pochi["generation"]:
            raise Failure("the label pixels do not tell the pets apart")
        pet_survives(desktop, signal.SIGTERM, "tama", (MAIN_END, "Warning!!"))
        pet_survives(desktop, signal.SIGHUP, "mike", (MAIN_FEED, "餌を与える"))
        nothing_to_keep(desktop, signal.SIGTERM, "opening screen")
        nothing_to_keep(desktop, signal.SIGINT, "name entry")
        unwritable_folder_keeps_older_save(desktop)
    except Failure as failure:
        print("e2e: FAILED:", failure, file=sys.stderr)
        if os.path.exists(desktop.log_path):
            with open(desktop.log_path, errors="replace") as log:
                print("--- the game's output ---\n" + log.read(), file=sys.stderr)
        sys.exit(1)
    finally:
        desktop.close()
    step("passed")


if __name__ == "__main__":
    main()
