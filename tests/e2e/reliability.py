"""Reliability scenarios on the real executable, driven by the same harness as
the other end-to-end scenarios: the installed package started from an unrelated
folder, hostile media files, and a window resized, minimised and restored on
every screen.

usage: reliability.py SCENARIO --game PATH --media FOLDER --artifacts FOLDER
       [--time-limit SECONDS]

--media is always the intact media (the driver finds the buttons in it); the
hostile scenarios spoil a copy of it themselves."""

import os
import shutil
import struct
import sys
import tempfile
import time
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from command_line import OutOfTime, parse_and_arm, report_failure  # noqa: E402
from media import Media  # noqa: E402
from rules import (LOSE_FILES, LOSE_SCREEN_SECONDS, MENU_FILES, PLAY_FILES,  # noqa: E402
                   console_lines)
from session import Session  # noqa: E402
from steps import (check, expect_clean_exit, expect_lines, start_play,  # noqa: E402
                   wait_for_lose_screen, wait_for_menu)

CYCLE = MENU_FILES + PLAY_FILES + LOSE_FILES


def png_claiming(width, height):
    """A PNG whose header claims the given size, with a few bytes of pixels."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(b"\0" * 16)) + chunk(b"IEND", b""))


def spoiled_copy(media, spoil):
    """A copy of the media folder; spoil(folder) damages files in it."""
    folder = tempfile.mkdtemp(prefix="vantorix-spoiled-")
    copy = os.path.join(folder, "Media")
    shutil.copytree(media, copy)
    spoil(copy)
    return folder, copy


def replace_with_folder(media, relative):
    path = os.path.join(media, relative)
    os.remove(path)
    os.makedirs(os.path.join(path, "inside"))


def replace_with_bytes(media, relative, data):
    with open(os.path.join(media, relative), "wb") as out:
        out.write(data)


def truncate(media, relative):
    path = os.path.join(media, relative)
    with open(path, "rb") as source:
        data = source.read()
    replace_with_bytes(media, relative, data[:len(data) // 3])


def expected_cycle(failed):
    return [name + (" failed to load" if name in failed else " SUCCESFULLY loaded!")
            for name in CYCLE]


# --- scenarios -------------------------------------------------------------------------


def folders_for_sounds(session, media):
    """Folders where the hover sound, a lose sound and the song belong: the
    menu starts silent, play and the game-over screen come, and a close ends it."""
    failed = {"Media/SoundBuffers/Hover.wav", "Media/SoundBuffers/Lose.flac"}
    wait_for_menu_lines(session, 0, failed)
    start_play_lines(session, media, failed)
    wait_for_lose_screen_lines(session, len(MENU_FILES) + len(PLAY_FILES), failed)
    wait_for_menu_lines(session, len(CYCLE), failed, timeout=LOSE_SCREEN_SECONDS + 10)
    session.window.request_close()
    expect_clean_exit(session, 5, expected_cycle(failed) * 2, "folders for sounds")


def oversized_pictures_and_cut_font(session, media):
    """A 60000 x 60000 header for the ship, a neutral menu image wider than any
    texture and a font cut short: each reported, play goes on, a close ends it."""
    failed = {"Media/Textures/playerShip.png", "Media/Textures/Menu/LoadScreenNeutral.jpg",
              "Media/Fonts/Digital_tech.otf"}
    wait_for_menu_lines(session, 0, failed)
    start_play_lines(session, media, failed)
    session.window.hold_key("Up", 1.0)
    session.window.request_close()
    expect_clean_exit(session, 5, expected_cycle(failed), "oversized pictures and a cut font")


def wait_for_menu_lines(session, before, failed, timeout=20):
    session.console.wait_for_count(before + len(MENU_FILES), timeout, "the menu's console lines")
    expect_lines(session, before, expected_cycle(failed)[:len(MENU_FILES)], "menu")


def start_play_lines(session, media, failed):
    session.window.click(*media.play_button)
    before = len(MENU_FILES)
    session.console.wait_for_count(before + len(PLAY_FILES), 20, "the play screen's lines")
    expect_lines(session, before, expected_cycle(failed)[before:before + len(PLAY_FILES)],
                           "play screen")
    session.window.move_pointer(60, 60)


def wait_for_lose_screen_lines(session, before, failed):
    session.console.wait_for_count(before + len(LOSE_FILES), 60, "the game-over screen's lines")
    expect_lines(session, before, expected_cycle(failed)[before:], "game-over screen")


ODD_SIZES = [(1, 1), (3000, 2000)]


def minimise_and_restore(session):
    """What a window manager does: iconify (unmap) and map again."""
    window = session.window.window
    display = session.window.display
    window.unmap()
    display.sync()
    time.sleep(0.4)
    window.map()
    display.sync()
    time.sleep(0.4)


def odd_windows(session, seconds_per_size=0.5):
    for width, height in ODD_SIZES:
        session.window.resize(width, height)
        session.note(f"resized to {width}x{height}")
        time.sleep(seconds_per_size)
        check(session.process.poll() is None, f"the game ended at {width}x{height}")
    minimise_and_restore(session)
    session.note("minimised and restored")
    check(session.process.poll() is None, "the game ended when minimised and restored")
    session.window.resize(800, 800)
    time.sleep(0.4)


def odd_windows_on_every_screen(session, media):
    """1 x 1, 3000 x 2000, minimised and restored, in the menu, during play and
    on the game-over screen: the cycle goes on and a close ends the game."""
    wait_for_menu(session, 0)
    odd_windows(session)
    start_play(session, media, len(MENU_FILES))
    odd_windows(session)
    wait_for_lose_screen(session, len(MENU_FILES) + len(PLAY_FILES), timeout=60)
    odd_windows(session, seconds_per_size=0.3)
    wait_for_menu(session, len(CYCLE), timeout=LOSE_SCREEN_SECONDS + 10)
    session.window.request_close()
    expect_clean_exit(session, 5, console_lines(CYCLE) * 2, "odd windows")


# Scenario: (steps, session options, how to spoil the media copy or None).
SCENARIOS = {
    "HostileFoldersForSoundsAndSong": (
        folders_for_sounds, {"audio": "null"},
        lambda m: [replace_with_folder(m, "SoundBuffers/Hover.wav"),
                   replace_with_folder(m, "SoundBuffers/Lose.flac"),
                   replace_with_folder(m, "SoundBuffers/MenuBackgroundSong.ogg")]),
    "HostileOversizedPicturesAndCutFont": (
        oversized_pictures_and_cut_font, {"audio": "null"},
        lambda m: [replace_with_bytes(m, "Textures/playerShip.png", png_claiming(60000, 60000)),
                   replace_with_bytes(m, "Textures/Menu/LoadScreenNeutral.jpg",
                                      png_claiming(20000, 10)),
                   truncate(m, "Fonts/Digital_tech.otf")]),
    "OddWindowsOnEveryScreen": (odd_windows_on_every_screen, {"audio": "null"}, None),
}


def main():
    arguments = parse_and_arm(SCENARIOS, default_time_limit=150)
    steps, options, spoil = SCENARIOS[arguments.scenario]
    media = Media(os.path.abspath(arguments.media))
    media.play_button  # worked out before the game starts
    artifacts = os.path.join(os.path.abspath(arguments.artifacts), arguments.scenario)
    spoiled = None
    started = time.monotonic()
    try:
        game_media = media.folder
        if spoil:
            spoiled, game_media = spoiled_copy(media.folder, spoil)
        with Session(arguments.scenario, os.path.abspath(arguments.game), game_media, artifacts,
                     **options) as session:
            steps(session, media)
    except Exception as failure:
        return report_failure(f"after {time.monotonic() - started:.1f} s: {failure}", artifacts)
    finally:
        if spoiled:
            shutil.rmtree(spoiled, ignore_errors=True)
    print(f"passed in {time.monotonic() - started:.1f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
