"""Every game is recorded: the replay of a game played through the window
verifies with the same build, an edited one names the frame it spoils, and
--replay shows the best game again on the play screen."""

import os
import subprocess

from controls import enter_play_from_keys, expect_moving, tap
from rules import MENU_FILES, PLAY_FILES
from session import Session
from steps import check, wait_for_picture, wait_for_ship

LAST = os.path.join("vantorix", "replays", "last.vxr")
BEST = os.path.join("vantorix", "replays", "best.vxr")


def number(data, at):
    """A replay's whole number, seven bits a byte, lowest first: (value, next)."""
    value, shift = 0, 0
    while True:
        value |= (data[at] & 0x7F) << shift
        shift += 7
        at += 1
        if data[at - 1] < 0x80:
            return value, at


def frame_starts(data):
    """Where each frame begins, and the play time before it in microseconds."""
    length, at = number(data, 6)  # after the magic and the format
    at += length + 128  # the version, the generator's 32 words
    for _ in range(3):  # mode, start level, ships
        at = number(data, at)[1]
    at = number(data, at + 8)[1]  # fire rate and speed, then the kills
    starts, played, micros, flags = [], 0, 0, 0
    while at < len(data):
        starts.append((at, played))
        head, at = number(data, at)
        folded = head >> 1
        micros += (folded >> 1) ^ -(folded & 1)
        played += micros
        flags = data[at] if head & 1 else flags & 0x07
        at += (1 if head & 1 else 0) + 2  # the flags, the digest
        if flags & 0x20:  # a check: the level and the hash
            at = number(data, at)[1] + 8
        if flags & 0x40:  # how the game ended
            at += 1
    return starts


def verify(session, path):
    """--verify-replay on the session's display: (status, its last line)."""
    done = subprocess.run([session.game_path, "--verify-replay", path],
                          cwd=os.path.join(session.folder, "run"), timeout=120,
                          env=dict(os.environ, DISPLAY=session.screen.name, ALSOFT_DRIVERS="null"),
                          stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    report = (done.stdout.splitlines() or [""])[-1]
    session.note(f"--verify-replay {os.path.basename(path)}: status {done.returncode}, {report}")
    return done.returncode, report


def recorded_game(session, media):
    """A game played with keys and a pause, then closed, verifies with status 0;
    the same game with one frame's time edited fails, naming that frame; and
    --replay of the best game plays it, Escape leaving for the title menu."""
    enter_play_from_keys(session, media)
    for key, seconds in (("Up", 1.5), ("Left", 0.8), ("Right", 0.8)):
        session.window.hold_key(key, seconds)
    tap(session, "p")
    tap(session, "p")
    session.window.hold_key("Up", 2.5)
    session.window.request_close()
    # However the game went (a shot may have ended it), closing the window ends the program.
    status, _ = session.wait_for_exit(15)
    check(status == 0, f"the game ended with status {status}")
    replay = os.path.join(session.data_home, LAST)
    check(os.path.isfile(replay) and os.path.isfile(os.path.join(session.data_home, BEST)),
          "the game left no last.vxr and best.vxr")

    status, report = verify(session, replay)
    check(status == 0 and report.endswith("every check matches"),
          f"the recorded game does not verify: status {status}, {report!r}")

    # Four and a half seconds into play, with shots and the first enemy on the
    # field, one frame's time changes by 16 microseconds.
    data = bytearray(open(replay, "rb").read())
    starts = frame_starts(data)
    spoiled = next(index for index, (_, played) in enumerate(starts, 1) if played >= 4_500_000)
    data[starts[spoiled - 1][0]] ^= 0x40
    edited = os.path.join(session.folder, "edited.vxr")
    with open(edited, "wb") as out:
        out.write(data)
    status, report = verify(session, edited)
    check(status == 1 and f"frame {spoiled} of" in report,
          f"the edited replay: status {status}, {report!r}, not frame {spoiled}")

    with open(os.path.join(session.data_home, BEST), "rb") as best:
        watch_again(session, media, best.read())


def watch_again(session, media, replay):
    """vantorix --replay FILE shows the game on the play screen; Escape goes to the
    title menu; watching sets no best level."""
    with Session(session.scenario, session.game_path, session.media,
                 session.artifacts + "-watched", audio="null", kept_data={BEST: replay},
                 arguments=["--replay", os.path.join("..", "data", BEST)]) as watched:
        watched.console.wait_for_count(len(MENU_FILES) + len(PLAY_FILES), 20,
                                       "the play screen's console lines of --replay")
        wait_for_ship(watched, media)
        expect_moving(watched, "the replay")
        watched.window.move_pointer(60, 60)
        tap(watched, "Escape")
        wait_for_picture(watched, "menu", media.neutral_menu,
                         "Escape does not leave the replay for the title menu")
        watched.window.request_close()
        status, _ = watched.wait_for_exit(15)
        check(status == 0, f"the watching game ended with status {status}")
        check(watched.kept(os.path.join("vantorix", "best-level")) is None,
              "watching a replay set a best level")
