"""Scenarios for the controls: the menu's keys, pausing, the focus, muting, and
the command line without a display."""

import os
import re
import shutil
import subprocess
import tempfile
import time

import Xlib.X as X

import sound
from rules import MENU_FILES, PLAY_FILES, cycle_lines, console_lines
from steps import (check, expect_clean_exit, expect_lines, wait_for_menu, wait_for_picture,
                   wait_for_ship)

# The sky scrolls 150 units a second: in half a second a playing field changes.
MOVING_AFTER = 0.5
# The game draws a paused field again and again; a second apart it must be the same.
STILL_FOR = 1.0


def tap(session, key):
    """Presses and lets go of a key, without waiting for frames: a paused game
    draws the same one, and a key may end the game. Returns when it went down."""
    pressed = time.monotonic()
    session.window.chord(key)
    session.note(f"tapped {key}, pressed {pressed - session.started:.2f} s in")
    return pressed


def enter_play_from_keys(session, media):
    """Enter with nothing lit in the menu starts a game; returns once the ship shows."""
    wait_for_menu(session, 0)
    # Off the buttons, so that nothing is lit and the pointer stays out of it.
    session.window.move_pointer(60, 60)
    wait_for_picture(session, "menu", media.neutral_menu, "the menu does not show")
    tap(session, "Return")
    session.console.wait_for_count(len(MENU_FILES) + len(PLAY_FILES), 20,
                                   "the play screen's console lines after Enter in the menu")
    expect_lines(session, len(MENU_FILES), console_lines(PLAY_FILES), "play screen")
    wait_for_ship(session, media)


def is_still(session):
    first = session.window.screenshot()
    time.sleep(STILL_FOR)
    second = session.window.screenshot()
    return first.data == second.data, second


def is_moving(session):
    first = session.window.screenshot()
    time.sleep(MOVING_AFTER)
    return first.data != session.window.screenshot().data


def expect_frozen(session, what, timeout=5):
    """Waits until two screenshots a second apart are identical; returns the second."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        still, shot = is_still(session)
        if still:
            session.snapshots.append((what, shot))
            session.note(f"frozen: {what}")
            return shot
    session.snapshot(what)
    raise AssertionError(f"{what}: the field does not stand still")


def expect_moving(session, what, timeout=5):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if is_moving(session):
            session.note(f"moving: {what}")
            return
    session.snapshot(what)
    raise AssertionError(f"{what}: the field does not move")


def mean_level(shot):
    return sum(shot.data[::97]) / len(shot.data[::97])


def pause_and_resume(session, media):
    """Enter in the menu starts a game; P freezes the field, dimmed, and P again
    lets play go on."""
    enter_play_from_keys(session, media)
    expect_moving(session, "play")
    playing = session.snapshot("playing")
    tap(session, "p")
    paused = expect_frozen(session, "after P")
    check(mean_level(paused) < 0.8 * mean_level(playing),
          "the paused field is not dimmed: mean level "
          f"{mean_level(paused):.1f}, playing {mean_level(playing):.1f}")
    check(is_still(session)[0], "the paused field moved later on")
    tap(session, "p")
    expect_moving(session, "after P again")
    session.window.request_close()
    expect_clean_exit(session, 3, cycle_lines(), "close after the pause")


def focus_loss_pauses(session, media):
    """The game pauses when another window takes the keyboard, and stays paused
    when the focus comes back, until the player goes on."""
    enter_play_from_keys(session, media)
    expect_moving(session, "play")
    session.screen.root.set_input_focus(X.RevertToParent, X.CurrentTime)
    session.screen.display.sync()
    session.note("focus moved to the desktop")
    expect_frozen(session, "focus elsewhere")
    session.window.focus()
    session.note("focus back")
    check(is_still(session)[0], "play went on when the focus came back")
    tap(session, "Escape")
    expect_moving(session, "after Escape")
    session.window.request_close()
    expect_clean_exit(session, 3, cycle_lines(), "close after the focus came back")


def settings_text(session):
    path = os.path.join(session.config_home, "vantorix", "settings.ini")
    try:
        with open(path) as settings:
            return settings.read()
    except OSError:
        return ""


def mute_and_unmute(session, media):
    """M silences everything, the menu's song included, and M again brings it back;
    the choice is remembered."""
    loaded = wait_for_menu(session, 0)
    time.sleep(2.0)
    muted = tap(session, "m")
    deadline = muted + 5
    while "muted = true" not in settings_text(session):
        check(time.monotonic() < deadline, "muting was not remembered in settings.ini")
        time.sleep(0.05)
    time.sleep(2.0)
    unmuted = tap(session, "m")
    time.sleep(2.0)
    session.window.request_close()
    closed = time.monotonic()
    expect_clean_exit(session, 3, cycle_lines(), "close after muting")
    check("muted = false" in settings_text(session), "unmuting was not remembered")

    segment = session.recorder.segment_at(loaded + 0.5)
    check(segment is not None, "nothing was recorded in the menu")
    # A margin on either side of each key for the mixer's buffers.
    before = sound.level_db(segment.samples, segment.index_at(loaded + 0.5),
                            segment.index_at(muted - 0.1))
    during = sound.level_db(segment.samples, segment.index_at(muted + 0.3),
                            segment.index_at(unmuted - 0.1))
    after = sound.level_db(segment.samples, segment.index_at(unmuted + 0.3),
                           segment.index_at(closed - 0.2))
    session.note(f"levels: {before:.1f} dB, muted {during:.1f} dB, then {after:.1f} dB")
    check(before > -40, f"the song was not heard before M: {before:.1f} dB")
    check(during < -80, f"the sound went on after M: {during:.1f} dB")
    check(after > -40, f"the song did not come back after M again: {after:.1f} dB")


def escape_in_menu(session, media):
    wait_for_menu(session, 0)
    tap(session, "Escape")
    # As with Exit, the rest of the cycle's screens find the window closed.
    expect_clean_exit(session, 3, cycle_lines(), "Escape in the menu")


# --- without a display ------------------------------------------------------------------


def run_headless(game, arguments, folder, language=None):
    """The game with neither a display nor a sound device: (status, out, err).
    Its language is English unless one is given (LANGUAGE)."""
    environment = {key: value for key, value in os.environ.items()
                   if key not in ("DISPLAY", "WAYLAND_DISPLAY", "LANGUAGE", "LC_ALL", "LC_MESSAGES",
                                  "LANG") and not key.startswith("ALSOFT_")}
    if language:
        environment["LANGUAGE"] = language
    environment["ALSOFT_DRIVERS"] = "no-such-audio-driver"
    environment["XDG_CONFIG_HOME"] = os.path.join(folder, "config")
    environment["XDG_DATA_HOME"] = os.path.join(folder, "data")
    environment["XDG_CACHE_HOME"] = os.path.join(folder, "cache")
    done = subprocess.run([game] + arguments, cwd=folder, env=environment, timeout=60,
                          stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    return done.returncode, done.stdout, done.stderr


def command_line(game, media_folder):
    """--help, --version and --check-media answer without a display; a bad option
    is named on standard error, before the usage, with status 2."""
    folder = tempfile.mkdtemp(prefix="vantorix-e2e-command-line-")
    try:
        status, out, err = run_headless(game, ["--help"], folder)
        check(status == 0 and out.startswith("Usage: vantorix") and err == "",
              f"--help: status {status}, printed {out[:40]!r}, errors {err!r}")
        for option in ("--mute", "--volume N", "--fullscreen", "--check-media", "Escape", "M "):
            check(option in out, f"--help does not mention {option}")

        # The catalogues built beside the media are found as the media are; with
        # none, and for a language without one, the usage is English.
        locale = os.path.join(folder, "locale")
        for language, linked, first in (("de", False, "Usage:"), ("de", True, "Aufruf:"),
                                         ("xx", True, "Usage:")):
            if linked and not os.path.islink(locale):
                os.symlink(os.path.join(os.path.dirname(media_folder), "locale"), locale)
            out = run_headless(game, ["--help"], folder, language)[1]
            check(out.startswith(first), f"LANGUAGE={language} --help printed {out[:40]!r}")
        os.unlink(locale)

        status, out, err = run_headless(game, ["--version"], folder)
        check(status == 0 and re.fullmatch(r"Vantorix \d+\.\d+\.\d+\n", out) and err == "",
              f"--version: status {status}, printed {out!r}, errors {err!r}")

        for arguments, named in ((["--volume", "150"], "150"), (["--volume", "loud"], "loud"),
                                 (["--volume=-5"], "-5"), (["--bogus"], "--bogus"),
                                 (["--max-fps", "0"], "0"), (["--\x1b[2Jx=1"], "\\x1b[2Jx")):
            status, out, err = run_headless(game, arguments, folder)
            first, _, rest = err.partition("\n")
            check(status == 2 and out == "" and named in first and "--volume" in rest
                  and rest.startswith("Usage: vantorix") and first.isprintable(),
                  f"{' '.join(arguments)}: status {status}, printed {out!r}, errors {err!r}")

        # What cannot be written was not done: a full disk fails --help and --version.
        for option in ("--help", "--version"):
            with open("/dev/full", "w") as full:
                done = subprocess.run([game, option], stdout=full, stderr=subprocess.PIPE,
                                      text=True, timeout=60)
            check(done.returncode == 1 and done.stderr.count("\n") == 1,
                  f"{option} into a full disk: status {done.returncode}, errors {done.stderr!r}")

        os.symlink(media_folder, os.path.join(folder, "Media"))
        status, out, err = run_headless(game, ["--check-media"], folder)
        lines = out.splitlines()
        check(status == 0 and set(cycle_lines()) <= set(lines)
              and all(line.endswith(" SUCCESFULLY loaded!") for line in lines),
              f"--check-media on the built media: status {status}, printed {out!r}")

        # The same media with EnemyB.png cut to half its length.
        os.unlink(os.path.join(folder, "Media"))
        shutil.copytree(media_folder, os.path.join(folder, "Media"), symlinks=False)
        enemy = os.path.join(folder, "Media", "Textures", "EnemyB.png")
        with open(enemy, "rb") as whole:
            data = whole.read()
        with open(enemy, "wb") as cut:
            cut.write(data[:len(data) // 2])
        status, out, err = run_headless(game, ["--check-media"], folder)
        failed = [line for line in out.splitlines() if not line.endswith(" SUCCESFULLY loaded!")]
        check(status == 1 and failed == ["Media/Textures/EnemyB.png failed to load"],
              f"--check-media with EnemyB.png cut short: status {status}, not loaded: {failed}")
    finally:
        shutil.rmtree(folder, ignore_errors=True)
