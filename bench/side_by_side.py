#!/usr/bin/env python3
"""The built game side by side with a bare SFML program and with a peer game,
all on the X server of $DISPLAY, watched from outside the way a user sees them:

- start-up: from starting the process to the first menu frame on screen, the
  game against the bare program (bench/BareProgram.cpp: the same window and
  media files, nothing of the game's own), the game with its media verdicts
  kept from an earlier start; and the game's first start, with none kept;
- the title menu idling: CPU time of all the game's threads over ten seconds,
  against the title menu of the peer game; then how soon the Play button lights
  after the pointer moves onto it;
- the game-over screen's CPU share, and peak resident memory over one
  menu -> play -> game-over cycle against the bare program, which holds the
  same files.

usage: side_by_side.py --game G --bare B --media M [--rounds N] [--startups-only]
                        [--peer CMD ...]
Prints one figure a line: name, value, unit (medians over the rounds)."""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tests" / "e2e"))

import Xlib.X as X  # noqa: E402
import Xlib.Xatom as Xatom  # noqa: E402
from Xlib.error import XError  # noqa: E402
from Xlib.ext import xtest  # noqa: E402

from children import spawn_child, stop_child  # noqa: E402
from media import Media  # noqa: E402
from xsession import GameWindow, VirtualScreen  # noqa: E402

IDLE_SECONDS = 10.0
HOVERS = 5
# A stretch of play before the first enemy comes near the ship.
PLAY_SETTLE = 1.0
PLAY_SECONDS = 5.0
CAP = 60
# Mean difference per channel under which a picture counts as shown; the game's
# JPEG decoder and ImageMagick's round differently.
SAME_PICTURE = 12.0
CLOCK_TICKS = os.sysconf("SC_CLK_TCK")


class SharedScreen(VirtualScreen):
    """The X server every program of the run shares ($DISPLAY), not one of its own."""

    def __init__(self):  # pylint: disable=super-init-not-called
        import Xlib.display
        self.process = None
        self.name = os.environ["DISPLAY"]
        self.display = Xlib.display.Display(self.name)
        self.root = self.display.screen().root

    def close(self):
        self.display.close()

    def find_window(self, title, timeout):
        """The mapped top-level window with this title, whatever the type of its
        WM_NAME (get_wm_name reads only STRING; SDL sets another)."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            for child in self.root.query_tree().children:
                try:
                    name = child.get_full_property(Xatom.WM_NAME, X.AnyPropertyType)
                    if name is None or name.format != 8:
                        continue
                    value = name.value
                    if isinstance(value, bytes):
                        value = value.decode("utf-8", "replace")
                    if value == title and child.get_attributes().map_state == X.IsViewable:
                        return GameWindow(self, child)
                except XError:
                    continue
            time.sleep(0.001)
        raise TimeoutError(f'no window titled "{title}" appeared within {timeout} s')

    def pointer_to(self, x, y):
        xtest.fake_input(self.display, X.MotionNotify, x=x, y=y)
        self.display.sync()


class Look:
    """Tells one picture on screen by a few hundred of its pixels: those where
    it differs most from the pictures it must be told from."""

    def __init__(self, picture, others, box, count=200):
        x0, y0, x1, y1 = box
        scored = []
        for y in range(y0, y1, 3):
            for x in range(x0, x1, 3):
                own = picture.pixel(x, y)
                scored.append((min(sum(abs(own[c] - other.pixel(x, y)[c]) for c in range(3))
                                   for other in others), x, y, own))
        scored.sort(reverse=True)
        self.box = box
        self.points = [(x - x0, y - y0, own) for _, x, y, own in scored[:count]]

    def difference(self, window):
        """Mean difference per channel between the screen and the picture."""
        x0, y0, x1, y1 = self.box
        left, top = window.origin
        width = x1 - x0
        data = window.screen.root.get_image(left + x0, top + y0, width, y1 - y0, X.ZPixmap,
                                            0xFFFFFFFF).data
        total = 0
        for x, y, own in self.points:
            offset = (y * width + x) * 4  # BGRX
            total += (abs(data[offset + 2] - own[0]) + abs(data[offset + 1] - own[1])
                      + abs(data[offset] - own[2]))
        return total / (3 * len(self.points))

    def shown(self, window):
        return self.difference(window) < SAME_PICTURE


class Program:
    """A process under watch, in a scratch home of its own, so that no run sees
    another's kept files, unless it is given a cache folder to share."""

    def __init__(self, screen, command, cwd, title, cache=None):
        self.screen = screen
        self.home = tempfile.mkdtemp(prefix="vantorix-side-")
        environment = dict(os.environ, HOME=self.home,
                           XDG_CONFIG_HOME=os.path.join(self.home, "config"),
                           XDG_DATA_HOME=os.path.join(self.home, "data"),
                           XDG_STATE_HOME=os.path.join(self.home, "state"),
                           XDG_CACHE_HOME=cache or os.path.join(self.home, "cache"))
        self.started = time.monotonic()
        self.process = spawn_child(command, cwd=cwd, env=environment, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        self.window = screen.find_window(title, timeout=30)
        self.window.origin = self.window.geometry()[:2]

    def cpu_seconds(self):
        """User and system time of every thread the process has had."""
        fields = Path(f"/proc/{self.process.pid}/stat").read_text().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) / CLOCK_TICKS

    def cpu_share(self, seconds):
        """Per cent of one core over the next `seconds`."""
        cpu, wall = self.cpu_seconds(), time.monotonic()
        time.sleep(seconds)
        return (self.cpu_seconds() - cpu) / (time.monotonic() - wall) * 100

    def peak_kb(self):
        for line in Path(f"/proc/{self.process.pid}/status").read_text().splitlines():
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
        raise RuntimeError("no VmHWM")

    def close(self):
        if self.process.poll() is None:
            try:
                self.window.request_close()
                self.process.wait(timeout=10)
            except Exception:  # pylint: disable=broad-except
                stop_child(self.process)
        shutil.rmtree(self.home, ignore_errors=True)


def wait_until(condition, timeout, what, pause=0.001):
    """Polls until the condition holds; returns the time it first held."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if condition():
            return time.monotonic()
        time.sleep(pause)
    raise TimeoutError(f"waited {timeout} s for {what}")


class Pictures:
    def __init__(self, media):
        whole = (0, 0, 800, 800)
        neutral, lit, game_over = media.neutral_menu, media.play_menu, media.game_over
        button = media.button_box(lit)
        self.menu = Look(neutral, [lit], button)
        self.play_lit = Look(lit, [neutral], button)
        self.game_over = Look(game_over, [neutral], whole)
        self.play_button = media.play_button


def start(screen, command, cwd, pictures, cache=None):
    """The program, and the seconds from its start to its first menu frame."""
    # Off the window, so that the first frame shows no button lit.
    screen.pointer_to(0, 0)
    program = Program(screen, command, cwd, "Vantorix", cache)
    shown = wait_until(lambda: pictures.menu.shown(program.window), 30, "the first menu frame")
    return program, shown - program.started


def startup_only(screen, command, cwd, pictures, cache=None):
    program, seconds = start(screen, command, cwd, pictures, cache)
    program.close()
    return seconds


def play_stretch(program, pictures):
    """Clicks Play; the CPU share of a stretch of play from a second in."""
    program.window.click(*pictures.play_button)
    program.window.move_pointer(60, 60)
    time.sleep(PLAY_SETTLE)
    return program.cpu_share(PLAY_SECONDS)


def game_round(screen, game, cwd, pictures):
    figures = {}
    program, _ = start(screen, [game], cwd, pictures)
    try:
        time.sleep(1.0)
        figures["menu_idle"] = program.cpu_share(IDLE_SECONDS)

        hovers = []
        for _ in range(HOVERS):
            program.window.move_pointer(*pictures.play_button)
            moved = time.monotonic()
            hovers.append(wait_until(lambda: pictures.play_lit.shown(program.window), 5,
                                     "Play to light") - moved)
            program.window.move_pointer(60, 60)
            wait_until(lambda: pictures.menu.shown(program.window), 5, "Play to go out")
            time.sleep(0.3)
        figures["hover"] = hovers

        figures["play"] = play_stretch(program, pictures)
        wait_until(lambda: pictures.game_over.shown(program.window), 180, "the game-over screen",
                   pause=0.1)
        time.sleep(0.3)
        figures["game_over"] = program.cpu_share(3.0)
        wait_until(lambda: pictures.menu.shown(program.window), 15, "the menu after game over",
                   pause=0.01)
        figures["peak"] = program.peak_kb()
    finally:
        program.close()
    return figures


def capped_play_round(screen, game, cap, cwd, pictures):
    """CPU share of play under a frame cap, over the same stretch of play."""
    program, _ = start(screen, [game, "--max-fps", str(cap)], cwd, pictures)
    try:
        return {"play": play_stretch(program, pictures)}
    finally:
        program.close()


def bare_round(screen, bare, cwd, pictures):
    figures = {}
    program, _ = start(screen, [bare], cwd, pictures)
    try:
        program.window.click(*pictures.play_button)
        wait_until(lambda: pictures.game_over.shown(program.window), 30, "the bare game-over",
                   pause=0.01)
        figures["peak"] = program.peak_kb()
    finally:
        program.close()
    return figures


def peer_round(screen, peer, title, settle):
    program = Program(screen, peer, None, title)
    try:
        time.sleep(settle)
        return {"menu_idle": program.cpu_share(IDLE_SECONDS)}
    finally:
        program.close()


def figure(name, value, unit):
    print(f"side.{name} {value:.6g} {unit}", flush=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--game", required=True)
    parser.add_argument("--bare", required=True)
    parser.add_argument("--media", required=True, help="the Media folder both programs read")
    parser.add_argument("--rounds", type=int, default=3,
                        help="runs of each program through menu, play and game over")
    parser.add_argument("--startups", type=int, default=9,
                        help="start-ups of each program, alternating which goes first")
    parser.add_argument("--startups-only", action="store_true",
                        help="measure the start-ups alone")
    parser.add_argument("--peer", nargs="+",
                        default=["/usr/games/chromium-bsu", "--window", "--vidmode", "2"])
    parser.add_argument("--peer-title", default="Chromium B.S.U.")
    parser.add_argument("--peer-settle", type=float, default=3.0,
                        help="seconds for the peer to reach its title menu")
    options = parser.parse_args()

    cwd = str(Path(options.media).resolve().parent)
    pictures = Pictures(Media(options.media))
    screen = SharedScreen()
    rounds = []
    startups = []
    first_startups = []
    capped = []
    verdicts = tempfile.mkdtemp(prefix="vantorix-verdicts-")
    try:
        # Once each first, so that both find the files and libraries in the page
        # cache, and the game keeps its verdicts on the media.
        startup_only(screen, [options.game], cwd, pictures, verdicts)
        startup_only(screen, [options.bare], cwd, pictures)
        for i in range(options.startups):
            if i % 2 == 0:
                game = startup_only(screen, [options.game], cwd, pictures, verdicts)
                bare = startup_only(screen, [options.bare], cwd, pictures)
            else:
                bare = startup_only(screen, [options.bare], cwd, pictures)
                game = startup_only(screen, [options.game], cwd, pictures, verdicts)
            startups.append((game, bare))
            # Each in a cache folder of its own: the game judges every file it opens.
            first_startups.append(startup_only(screen, [options.game], cwd, pictures))
        for _ in range(0 if options.startups_only else options.rounds):
            rounds.append((game_round(screen, options.game, cwd, pictures),
                           bare_round(screen, options.bare, cwd, pictures),
                           peer_round(screen, options.peer, options.peer_title,
                                      options.peer_settle)))
            capped.append(capped_play_round(screen, options.game, CAP, cwd, pictures))
    finally:
        screen.close()
        shutil.rmtree(verdicts, ignore_errors=True)

    def median(pick):
        return statistics.median(pick(*r) for r in rounds)

    figure("startup_game_ms", statistics.median(g for g, _ in startups) * 1e3, "ms")
    figure("startup_bare_ms", statistics.median(b for _, b in startups) * 1e3, "ms")
    figure("startup_ratio", statistics.median(g / b for g, b in startups), "game/bare")
    figure("startups", len(startups), "pairs")
    figure("startup_first_ms", statistics.median(first_startups) * 1e3, "ms")
    figure("startup_first_worst_ms", max(first_startups) * 1e3, "ms")
    if options.startups_only:
        return
    figure("menu_idle_game_percent", median(lambda g, b, p: g["menu_idle"]), "%")
    figure("menu_idle_game_worst_percent", max(g["menu_idle"] for g, _, _ in rounds), "%")
    figure("menu_idle_peer_percent", median(lambda g, b, p: p["menu_idle"]), "%")
    figure("menu_idle_ratio", median(lambda g, b, p: g["menu_idle"] / p["menu_idle"]),
           "game/peer")
    hovers = [h for g, _, _ in rounds for h in g["hover"]]
    figure("hover_median_ms", statistics.median(hovers) * 1e3, "ms")
    figure("hover_worst_ms", max(hovers) * 1e3, "ms")
    figure("hover_count", len(hovers), "hovers")
    figure("game_over_game_percent", median(lambda g, b, p: g["game_over"]), "%")
    figure("play_uncapped_percent", median(lambda g, b, p: g["play"]), "%")
    figure("play_capped_percent", statistics.median(c["play"] for c in capped), "%")
    figure("play_cap", CAP, "frames/s")
    figure("play_seconds", PLAY_SECONDS, "s")
    figure("peak_game_kb", median(lambda g, b, p: g["peak"]), "kB")
    figure("peak_bare_kb", median(lambda g, b, p: b["peak"]), "kB")
    figure("peak_ratio", median(lambda g, b, p: g["peak"] / b["peak"]), "game/bare")
    figure("rounds", len(rounds), "rounds")
    figure("idle_seconds", IDLE_SECONDS, "s")


if __name__ == "__main__":
    main()
