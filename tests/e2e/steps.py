"""Steps the scenarios share: waiting for screens by their console lines, the
exit, finding and moving the ship, and what was heard."""

import contextlib
import time
from collections import deque

import sound
from picture import brightest, field_view, mean_difference
from rules import (FIELD, LOSE_FILES, MENU_FILES, PLAY_FILES, SHIP_SPEED, WINDOW, console_lines,
                   field_rect, ship_top)


# Screenshots and media images are compared with a tolerance for the decoding
# differences between the game's JPEG reader and ImageMagick's.
SAME_PICTURE = 8.0


def check(condition, message):
    if not condition:
        raise AssertionError(message)


class ShipShotByChance(AssertionError):
    """Play ended because an enemy's shot hit the ship: enemies fire at random,
    more often the faster the game runs, so a scenario that needs the ship
    alive may lose it without any fault of the game's. The run tries again."""


def shows(shot, image):
    return mean_difference(shot, image, step=3) < SAME_PICTURE


def wait_until(session, seen, timeout):
    """Screenshots until seen(shot, moment) holds; the shot, or None at the timeout."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        moment = time.monotonic()
        shot = session.window.screenshot()
        if seen(shot, moment):
            return shot
        time.sleep(0.02)
    return None


def wait_for_picture(session, name, image, failure, timeout=10):
    """Waits until the window shows the image, however long a busy machine takes
    to draw it; keeps the screenshot as a snapshot."""
    shot = wait_until(session, lambda shot, _: shows(shot, image), timeout)
    if shot is None:
        session.snapshot(name)
        raise AssertionError(failure)
    session.snapshots.append((name, shot))
    return shot


def expect_lines(session, first, expected, what):
    """The console lines from index `first` on are exactly `expected`."""
    got = session.console.texts()[first:first + len(expected)]
    for number, (want, have) in enumerate(zip(expected, got)):
        check(want == have, f"{what}, line {first + number + 1}: expected {want!r}, got {have!r}")
    check(len(got) == len(expected), f"{what}: only {len(got)} of {len(expected)} lines came")


def wait_for_menu(session, lines_before, loaded=True, timeout=20):
    """Waits for the menu's console lines; returns when the last one came."""
    came = session.console.wait_for_count(lines_before + len(MENU_FILES), timeout,
                                          "the menu's console lines")
    expect_lines(session, lines_before, console_lines(MENU_FILES, loaded), "menu")
    session.note("menu loaded")
    return came


def start_play(session, media, lines_before, loaded=True, at=None):
    """Clicks Play (where an 800 x 800 window draws it, or at the window pixel
    `at`); returns the time the play screen's last console line came, which is
    when play begins (its ship, spawner and clocks are made right after)."""
    session.window.click(*(at or media.play_button))
    session.note("clicked Play")
    began = session.console.wait_for_count(lines_before + len(PLAY_FILES), 20,
                                           "the play screen's console lines after clicking Play")
    expect_lines(session, lines_before, console_lines(PLAY_FILES, loaded), "play screen")
    session.note("play began")
    # Off the buttons, so that the next menu starts with nothing highlighted.
    session.window.move_pointer(60, 60)
    return began


def wait_for_lose_screen(session, lines_before, timeout):
    came = session.console.wait_for_count(lines_before + len(LOSE_FILES), timeout,
                                          "the game-over screen's console lines")
    expect_lines(session, lines_before, console_lines(LOSE_FILES), "game-over screen")
    session.note("game-over screen loaded")
    return came


# A busy machine can delay the end of a process by seconds (drivers tear down
# slowly); what the exit checks catch, a close or Exit not handled, keeps the
# game running for good or for a whole game.
EXIT_SLACK = 5.0


def expect_clean_exit(session, within, expected_lines, what):
    """The game ends with status 0 within `within` seconds (and the slack),
    having written exactly these console lines; returns how long it took."""
    within += EXIT_SLACK
    status, waited = session.wait_for_exit(timeout=within + 10)
    session.note(f"exited with status {status} after {waited:.2f} s")
    check(status == 0, f"{what}: exit status {status}, expected 0")
    check(waited <= within, f"{what}: the game took {waited:.1f} s to end (at most {within} s)")
    got = session.console.texts()
    check(got == expected_lines,
          f"{what}: console lines differ from the expected sequence\nexpected:\n  "
          + "\n  ".join(expected_lines) + "\ngot:\n  " + "\n  ".join(got))
    return waited


def locate_ship(media, shot):
    """(left, top) of the ship on an unscaled field, found by its own colours,
    then to the pixel by its picture."""
    expected_top = ship_top()
    blobs = media.colour_key.find(shot, ["ship"], region=(0, int(expected_top) - 40,
                                                          shot.width, shot.height))
    check(blobs, f"no ship in the bottom band of the screen (expected at y = {expected_top:.0f})")
    blob = max(blobs, key=lambda b: b.hits)
    # A ship over a side shows only part of its colours, and their box puts its
    # centre too far in: look farther out on that side.
    reach = int(media.ship.width / 2)
    low = int(blob.left) - 6 - (reach if blob.box[0] <= 2 else 0)
    high = int(blob.left) + 7 + (reach if blob.box[2] >= shot.width - 2 else 0)
    score, left, top = media.ship.locate(shot, range(low, high),
                                         range(int(blob.top) - 4, int(blob.top) + 5))
    check(score < 30, f"the ship's picture does not match near ({blob.left:.0f}, {blob.top:.0f})")
    return left, top


def ship_or_shot(session, media, shot):
    """Where the ship is in the screenshot. A ship gone from the field because an
    enemy's shot hit it is chance, not a fault: play then ends and the game-over
    screen loads within moments, and the scenario takes a second game."""
    with play_may_end_by_chance(session):
        return locate_ship(media, shot)


@contextlib.contextmanager
def play_may_end_by_chance(session):
    """Steps with the ship on the field: one that fails because play ended (the
    game-over screen loads within moments) lost the ship to an enemy's shot,
    which a busy machine makes likelier, and the scenario takes a second game."""
    try:
        yield
    except ShipShotByChance:
        raise
    except AssertionError:
        deadline = time.monotonic() + 3.0
        while time.monotonic() < deadline:
            if any(text.startswith(LOSE_FILES[0]) for text in session.console.texts()[-3:]):
                raise ShipShotByChance("the ship was shot while the scenario steered it")
            time.sleep(0.1)
        raise


def wait_for_ship(session, media, timeout=10):
    """The ship's left edge, once the play field shows it (the first frame of
    play may come a while after the play screen has loaded)."""
    found = []

    def seen(shot, _):
        try:
            found[:] = [locate_ship(media, shot)[0]]
        except AssertionError:
            return False
        return True

    check(wait_until(session, seen, timeout) is not None, "the ship does not show on the field")
    return found[0]


# --- the field in a window of any size ------------------------------------------------


def field_in(window):
    """(left, top, side): where the window shows the field now."""
    _, _, width, height = window.geometry()
    return field_rect(width, height)


def shown_at(field, x, y):
    """The window pixel that shows the field's point (x, y)."""
    left, top, side = field
    return left + int(x * side / FIELD), top + int(y * side / FIELD)


def unscaled(shot, field, rows=None):
    """The field as a screenshot shows it, at the field's own size."""
    return field_view(shot, *field, size=FIELD, rows=rows)


def lit_bar(shot, field):
    """A part of the window outside the field (a bar beside, above or below it)
    that is not black, or None."""
    left, top, side = field
    bars = [(0, 0, left, shot.height), (left + side, 0, shot.width, shot.height),
            (0, 0, shot.width, top), (0, top + side, shot.width, shot.height)]
    for x0, y0, x1, y1 in bars:
        if x1 > x0 and y1 > y0 and brightest(shot, step=3, region=(x0, y0, x1, y1)) >= 8:
            return x0, y0, x1, y1
    return None


def check_bars(shot, field, what):
    bar = lit_bar(shot, field)
    check(bar is None, f"{what}: the window is not black at {bar}, outside the field at {field}")


def come_to(condition, timeout=5.0):
    """Whether the condition comes true within a short while (the game draws the
    next frame for a new window size on its own time)."""
    deadline = time.monotonic() + timeout
    while not condition():
        if time.monotonic() > deadline:
            return False
        time.sleep(0.1)
    return True


def locate_ship_on_field(media, shot, field):
    """(left, top) of the ship in field units, however large the field is shown."""
    return locate_ship(media, unscaled(shot, field, rows=(int(ship_top()) - 60, FIELD)))


def move_ship(session, media, ship, target):
    """Moves the ship from x = ship towards x = target; returns where it stops."""
    if abs(target - ship) < 1:
        return ship
    # Shorter holds could start and end within one frame and be lost.
    session.window.hold_key("Left" if target < ship else "Right",
                            max(0.015, abs(target - ship) / SHIP_SPEED))
    return ship_or_shot(session, media, session.window.screenshot())[0]


def keep_ship_clear(session, media, lines_before_lose, deadline):
    """Until the game-over screen loads: keeps the ship out of every enemy's line
    of fire, and out of the way of an enemy coming down, so that play can only
    end by an enemy reaching the bottom. Returns the last moment the field was
    seen changing: play went on until then at least."""
    recent = deque(maxlen=4)
    changed = None
    enemies = ["enemyA", "enemyB", "enemyC"]
    margin = 10  # more than the error of a position found by colour
    ship_width = media.ship.width
    limit = WINDOW - ship_width
    while (len(session.console.lines) <= lines_before_lose and time.monotonic() < deadline):
        shot = session.window.screenshot()
        if recent and shot.data != recent[-1].data:
            changed = time.monotonic()
        recent.append(shot)
        blobs = media.colour_key.find(shot, ["ship"] + enemies)
        ships = [blob for blob in blobs if blob.name == "ship" and blob.top > WINDOW * 0.8]
        if not ships:
            time.sleep(0.05)
            continue
        ship = max(ships, key=lambda blob: blob.hits).left
        blocked = []
        for enemy in (blob for blob in blobs if blob.name in enemies):
            # Enemy missiles fall from the enemy's centre line.
            blocked.append((enemy.centre_x - ship_width - margin,
                            enemy.centre_x + media.beam_width + margin))
            if enemy.top + media.enemy_height > WINDOW * 0.7:
                blocked.append((enemy.left - ship_width - margin,
                                enemy.left + media.enemy_width + margin))
        # A shot already falling towards the ship: its enemy may have come in
        # and fired between two looks, faster than a busy machine looks.
        near = (int(ship - ship_width), int(WINDOW * 0.3),
                int(ship + 2 * ship_width), int(ship_top(WINDOW)))
        for missile in media.beam_key.find(shot, ["enemy shot"], region=near):
            blocked.append((missile.left - ship_width - margin,
                            missile.left + media.beam_width + margin))

        def free(x):
            return 0 <= x <= limit and all(not low < x < high for low, high in blocked)

        if not free(ship):
            options = [0, limit] + [edge for low, high in blocked for edge in (low - 3, high + 3)]
            options = [x for x in options if free(x)]
            # A target within the position's own uncertainty is where the ship is.
            if options and min(abs(x - ship) for x in options) > 3:
                target = min(options, key=lambda x: abs(x - ship))
                try:
                    move_ship(session, media, ship, target)
                except AssertionError:
                    # Play may have ended meanwhile: the game-over screen shows no ship.
                    if len(session.console.lines) > lines_before_lose:
                        break
                    raise
                session.note(f"ship moved from {ship:.0f} towards {target:.0f}")
        time.sleep(0.05)
    for number, shot in enumerate(recent):
        session.snapshots.append((f"play-{number}", shot))
    return changed


def events_between(session, media, begin, end, templates, with_song=False):
    """The known sounds that start between two moments, as (name, time) pairs."""
    segment = session.recorder.segment_at(begin)
    check(segment is not None, "nothing was recorded at that moment (no audio device opened?)")
    first, last = segment.index_at(begin), segment.index_at(end)
    samples = segment.samples
    if with_song:
        # From a little before `begin`: the console's time stamps may lag.
        removed = sound.remove_song(samples, media.song, segment.index_at(begin - 0.5), last)
        check(removed is not None, "the menu song is not heard in the recording")
        samples = removed[0]
    found = sound.identify(samples, templates, first, last)
    named = [(event.name, segment.time_at(event.index)) for event in found
             if isinstance(event, sound.Match)]
    session.note("heard: " + ", ".join(f"{name} at {moment - session.started:.2f}s"
                                      for name, moment in named))
    return named


def song_gain(session, media, begin, end):
    """The gain, relative to full volume, at which the menu song is heard between
    two moments."""
    segment = session.recorder.segment_at(begin)
    check(segment is not None, "nothing was recorded while the menu showed")
    found = sound.remove_song(segment.samples, media.song, segment.index_at(begin - 0.5),
                              segment.index_at(end))
    check(found is not None, "the menu song is not heard")
    return found[2] / media.song.mix_gain


def times_of(events, name):
    return [moment for event_name, moment in events if event_name == name]
