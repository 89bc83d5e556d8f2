"""The end-to-end scenarios: the built game played from outside, as a user would.

Expectations about pictures and sounds come from the media files themselves
(where a button is drawn, what a sound's waveform is, how tall an enemy is);
the game's own numbers (speeds, timings) come from how the game is meant to
play."""

import os
import time
from collections import deque

from picture import ColourKey, Sprite, changed_box, brightest, load_image, mean_difference
from session import LOSE_FILES, MENU_FILES, PLAY_FILES, Session, console_lines
import sound

WINDOW = 800
SHIP_SCALE = 0.13
ENEMY_SCALE = 0.3
SHIP_SPEED = 400  # pixels per second, without power-ups
FIRST_ENEMY_AFTER = 3.0  # seconds from the start of play
FIRST_ENEMY_SPEED = 30  # pixels per second, straight down
ENEMY_START_Y = -32
FIRE_INTERVAL = 0.5
LOSE_SCREEN_SECONDS = 4.0
SECOND_LOSE_SOUND_AFTER = 2.0
# Images are compared with a tolerance for decoding differences between the
# game's JPEG reader and ImageMagick's.
SAME_PICTURE = 8.0


class Media:
    """What the driver knows from the build's Media folder."""

    def __init__(self, folder):
        self.folder = folder
        self._cache = {}

    def _load(self, key, make):
        if key not in self._cache:
            self._cache[key] = make()
        return self._cache[key]

    def image(self, relative):
        return self._load(relative, lambda: load_image(os.path.join(self.folder, relative)))

    def sound(self, name, relative):
        path = os.path.join(self.folder, relative)
        return self._load(relative, lambda: sound.Template(name, sound.decode(path),
                                                           sound.channels(path)))

    @property
    def neutral_menu(self):
        return self.image("Textures/Menu/LoadScreenNeutral.jpg")

    @property
    def play_menu(self):
        return self.image("Textures/Menu/LoadScreenPlay.jpg")

    @property
    def exit_menu(self):
        return self.image("Textures/Menu/LoadScreenExit.jpg")

    def button_box(self, lit):
        """Where a button is drawn in the menu image: what its lit image changes."""
        key = ("button", id(lit))
        return self._load(key, lambda: changed_box(self.neutral_menu, lit))

    def button_centre(self, lit):
        x0, y0, x1, y1 = self.button_box(lit)
        return (x0 + x1) // 2, (y0 + y1) // 2

    @property
    def play_button(self):
        return self.button_centre(self.play_menu)

    @property
    def exit_button(self):
        return self.button_centre(self.exit_menu)

    @property
    def ship(self):
        return self._load("ship", lambda: Sprite(self.image("Textures/playerShip.png"),
                                                 SHIP_SCALE))

    @property
    def enemy(self):
        return self._load("enemy", lambda: Sprite(self.image("Textures/EnemyA.png"),
                                                  ENEMY_SCALE))

    @property
    def enemy_height(self):
        return self.image("Textures/EnemyA.png").height * ENEMY_SCALE

    @property
    def enemy_width(self):
        return self.image("Textures/EnemyA.png").width * ENEMY_SCALE

    @property
    def beam_width(self):
        return self.image("Textures/beam.png").width

    @property
    def colour_key(self):
        return self._load("key", lambda: ColourKey(self.image("Textures/galaxy_X.png"), {
            "ship": (self.image("Textures/playerShip.png"), SHIP_SCALE),
            "enemyA": (self.image("Textures/EnemyA.png"), ENEMY_SCALE),
            "enemyB": (self.image("Textures/EnemyB.png"), ENEMY_SCALE),
            "enemyC": (self.image("Textures/EnemyC.png"), ENEMY_SCALE),
        }))

    @property
    def beam_key(self):
        return self._load("beam key", lambda: ColourKey(self.image("Textures/galaxy_X.png"), {
            "beam": (self.image("Textures/beam.png"), 1)}))

    @property
    def hover(self):
        return self.sound("hover", "SoundBuffers/Hover.wav")

    @property
    def laser(self):
        return self.sound("laser", "SoundBuffers/laser.wav")

    @property
    def explosion(self):
        return self.sound("explosion", "SoundBuffers/explosion.wav")

    @property
    def power_up(self):
        return self.sound("power-up", "SoundBuffers/powerUp.wav")

    @property
    def lose(self):
        return self.sound("lose", "SoundBuffers/Lose.flac")

    @property
    def lose2(self):
        return self.sound("lose2", "SoundBuffers/Lose2.wav")

    @property
    def song(self):
        return self.sound("song", "SoundBuffers/MenuBackgroundSong.ogg")

    @property
    def play_sounds(self):
        return [self.laser, self.explosion, self.power_up]


# --- steps shared by the scenarios ------------------------------------------------


def check(condition, message):
    if not condition:
        raise AssertionError(message)


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


def start_play(session, media, lines_before, loaded=True):
    """Clicks Play; returns the time the play screen's last console line came,
    which is when play begins (its ship, spawner and clocks are made right after)."""
    session.window.click(*media.play_button)
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


def expect_clean_exit(session, within, expected_lines, what):
    status, waited = session.wait_for_exit(timeout=within + 10)
    session.note(f"exited with status {status} after {waited:.2f} s")
    check(status == 0, f"{what}: exit status {status}, expected 0")
    check(waited <= within, f"{what}: the game took {waited:.1f} s to end (at most {within} s)")
    got = session.console.texts()
    check(got == expected_lines,
          f"{what}: console lines differ from the expected sequence\nexpected:\n  "
          + "\n  ".join(expected_lines) + "\ngot:\n  " + "\n  ".join(got))
    return waited


def locate_ship(session, media, shot, expected_top):
    """(left, top) of the ship, found by its own colours then by its picture."""
    blobs = [blob for blob in media.colour_key.find(
        shot, ["ship"], region=(0, int(expected_top) - 40, shot.width, shot.height))]
    check(blobs, f"no ship in the bottom band of the screen (expected at y = {expected_top:.0f})")
    blob = max(blobs, key=lambda b: b.hits)
    score, left, top = media.ship.locate(shot, range(int(blob.left) - 6, int(blob.left) + 7),
                                         range(int(blob.top) - 4, int(blob.top) + 5))
    check(score < 30, f"the ship's picture does not match near ({blob.left:.0f}, {blob.top:.0f})")
    return left, top


def move_ship(session, media, ship, target):
    """Moves the ship from x = ship towards x = target; returns where it stops."""
    if abs(target - ship) < 1:
        return ship
    # Shorter holds could start and end within one frame and be lost.
    session.window.hold_key("Left" if target < ship else "Right",
                            max(0.015, abs(target - ship) / SHIP_SPEED))
    return locate_ship(session, media, session.window.screenshot(), WINDOW / 1.1)[0]


def hold(session, key, seconds):
    return session.window.hold_key(key, seconds)


def events_between(session, media, begin, end, templates, with_song=False):
    """The known sounds that start between two moments, as (name, time) pairs."""
    segment = session.recorder.segment_at(begin)
    check(segment is not None, "nothing was recorded at that moment (no audio device opened?)")
    first = max(0, segment.index_at(begin))
    last = min(len(segment.samples), segment.index_at(end))
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
    """The gain at which the menu song is heard between two moments, relative to
    its full volume."""
    segment = session.recorder.segment_at(begin)
    check(segment is not None, "nothing was recorded while the menu showed")
    found = sound.remove_song(segment.samples, media.song, segment.index_at(begin - 0.5),
                              segment.index_at(end))
    check(found is not None, "the menu song is not heard")
    return found[2] / media.song.mix_gain


def times_of(events, name):
    return [moment for event_name, moment in events if event_name == name]


# --- scenarios -------------------------------------------------------------------------


def whole_cycle(session, media):
    """Menu with song and hover, play with moves, fire and the first enemy reaching
    the bottom, the game-over screen, the menu again, and Exit."""
    menu_loaded = wait_for_menu(session, 0)
    session.window.move_pointer(60, 60)
    time.sleep(1.2)
    neutral = session.snapshot("menu")
    check(mean_difference(neutral, media.neutral_menu, step=3) < SAME_PICTURE,
          "the menu does not show its neutral image")

    play_x, play_y = media.play_button
    session.window.move_pointer(play_x, play_y)
    hovered = time.monotonic()
    session.note("pointer onto Play")
    time.sleep(0.4)
    lit = session.snapshot("menu-play-lit")
    check(mean_difference(lit, media.play_menu, step=3) < SAME_PICTURE,
          "with the pointer on Play the menu does not show the Play image")
    changed = changed_box(neutral, lit, step=3)
    x0, y0, x1, y1 = media.button_box(media.play_menu)
    check(changed is not None and changed[0] >= x0 - 4 and changed[2] <= x1 + 4
          and changed[1] >= y0 - 4 and changed[3] <= y1 + 4,
          f"the picture changed at {changed}, not just at the Play button {(x0, y0, x1, y1)}")
    # Resting and moving on the button must not repeat the hover sound.
    session.window.move_pointer(play_x + 30, play_y + 5)
    time.sleep(0.4)
    session.window.move_pointer(play_x - 30, play_y - 5)
    time.sleep(0.6)

    clicked = time.monotonic()
    began = start_play(session, media, len(MENU_FILES))

    up = hold(session, "Up", 1.9)
    session.note("held Up")
    hold(session, "Left", 1.3)
    left, _ = locate_ship(session, media, session.snapshot("after-left"), WINDOW / 1.1)
    session.note(f"ship at x = {left} after Left")
    check(left <= 3, f"after holding Left the ship's left edge is at x = {left}, not at the side")
    hold(session, "Right", 2.2)
    right, _ = locate_ship(session, media, session.snapshot("after-right"), WINDOW / 1.1)
    session.note(f"ship at x = {right} after Right")
    check(right + media.ship.width >= WINDOW - 3,
          f"after holding Right the ship's right edge is at x = {right + media.ship.width:.0f}, "
          "not at the side")

    lines_before_lose = len(MENU_FILES) + len(PLAY_FILES)
    reaches_bottom = (FIRST_ENEMY_AFTER
                      + (WINDOW - ENEMY_START_Y - media.enemy_height) / FIRST_ENEMY_SPEED)
    keep_ship_clear(session, media, lines_before_lose, deadline=began + reaches_bottom + 8)
    lost = wait_for_lose_screen(session, lines_before_lose, timeout=10)
    session.note(f"game over {lost - began:.2f} s into play")
    check(abs((lost - began) - reaches_bottom) < 1.5,
          f"play ended {lost - began:.1f} s after it began; the first enemy reaches the bottom "
          f"after {reaches_bottom:.1f} s (was the ship shot or rammed?)")
    time.sleep(0.5)
    game_over = session.snapshot("game-over")
    check(mean_difference(game_over, media.image("Textures/LoseScreen/LoseScreen.jpg"),
                          step=3) < SAME_PICTURE,
          "the game-over screen does not show its image")

    lines_before_menu = lines_before_lose + len(LOSE_FILES)
    menu_again = wait_for_menu(session, lines_before_menu, timeout=10)
    shown_for = menu_again - session.console.time_of(lines_before_lose)
    check(3.3 <= shown_for <= 5.5,
          f"the menu came back {shown_for:.1f} s after the game-over screen loaded (about 4 s)")
    time.sleep(1.2)
    check(mean_difference(session.snapshot("menu-again"), media.neutral_menu, step=3)
          < SAME_PICTURE, "the menu does not show its neutral image the second time")

    session.window.click(*media.exit_button)
    session.note("clicked Exit")
    cycle = (console_lines(MENU_FILES) + console_lines(PLAY_FILES) + console_lines(LOSE_FILES))
    expect_clean_exit(session, 5, cycle + cycle, "Exit")

    # What was heard. The song, found by its waveform, at full volume.
    gain = song_gain(session, media, menu_loaded, clicked)
    check(0.7 < gain < 1.3, f"the menu song plays at {gain:.2f} of full volume")
    menu_sounds = events_between(session, media, menu_loaded, clicked, [media.hover],
                                 with_song=True)
    hovers = times_of(menu_sounds, "hover")
    check(len(hovers) == 1, f"the hover sound played {len(hovers)} times, expected once")
    check(-0.05 <= hovers[0] - hovered < 0.5,
          f"the hover sound came {hovers[0] - hovered:+.2f} s after the pointer entered Play")

    fired = events_between(session, media, up[0] - 0.3, up[1] + 2.0, media.play_sounds)
    lasers = times_of(fired, "laser")
    check(len(lasers) >= 3, f"holding Up for 1.9 s fired {len(lasers)} lasers, expected 3")
    check(all(up[0] - 0.02 <= moment <= up[1] + 0.3 for moment in lasers),
          "a laser was heard while Up was not held: "
          + ", ".join(f"{moment - up[0]:+.2f}s" for moment in lasers))
    # A shot comes in the first frame after the interval: later by a frame, or by
    # more when the machine stalls the game for a moment. Where the sound mixer
    # stalls, a sound lands up to the stall's length early in the recording.
    gaps = [later - earlier for earlier, later in zip(lasers, lasers[1:])]
    check(min(gaps) >= FIRE_INTERVAL - 0.1 and min(gaps) <= FIRE_INTERVAL + 0.1,
          "lasers while Up is held are not about half a second apart: "
          + ", ".join(f"{gap:.2f}" for gap in gaps))

    lose_sounds = events_between(session, media, lost - 0.3, menu_again,
                                 [media.lose, media.lose2])
    first, second = times_of(lose_sounds, "lose"), times_of(lose_sounds, "lose2")
    check(len(first) == 1 and len(second) == 1,
          f"the game-over sounds were heard {len(first)} and {len(second)} times, "
          "expected once each")
    check(-0.15 <= first[0] - lost < 0.5,
          f"the first game-over sound came {first[0] - lost:+.2f} s from the screen's start")
    check(abs(second[0] - first[0] - SECOND_LOSE_SOUND_AFTER) <= 0.5,
          f"the second game-over sound came {second[0] - first[0]:.2f} s after the first "
          "(about 2 s)")

    song_gain(session, media, menu_again, menu_again + 1.2)


def keep_ship_clear(session, media, lines_before_lose, deadline):
    """Until the game-over screen loads: keeps the ship out of every enemy's line
    of fire and out of the way of an enemy coming down, so that play can only end
    by an enemy reaching the bottom."""
    recent = deque(maxlen=4)
    key = media.colour_key
    enemy_names = ["enemyA", "enemyB", "enemyC"]
    margin = 10
    ship_width = media.ship.width
    while (len(session.console.lines) < lines_before_lose + 1
           and time.monotonic() < deadline):
        shot = session.window.screenshot()
        recent.append(shot)
        blobs = key.find(shot, ["ship"] + enemy_names)
        ships = [blob for blob in blobs if blob.name == "ship" and blob.top > WINDOW * 0.8]
        if not ships:
            time.sleep(0.05)
            continue
        ship = max(ships, key=lambda blob: blob.hits).left
        blocked = []
        for enemy in (blob for blob in blobs if blob.name in enemy_names):
            # Enemy missiles fall from the enemy's centre line.
            blocked.append((enemy.centre_x - 3 - ship_width - margin, enemy.centre_x + 3 + margin))
            if enemy.top + media.enemy_height > WINDOW * 0.7:
                blocked.append((enemy.left - ship_width - margin,
                                enemy.left + media.enemy_width + margin))
        limit = WINDOW - ship_width

        def free(x):
            return 0 <= x <= limit and all(not low < x < high for low, high in blocked)

        if not free(ship):
            options = [0, limit] + [edge for low, high in blocked for edge in (low - 3, high + 3)]
            options = [x for x in options if free(x)]
            # A target within the position's own uncertainty is where the ship is.
            if options and min(abs(x - ship) for x in options) > 3:
                target = min(options, key=lambda x: abs(x - ship))
                move_ship(session, media, ship, target)
                session.note(f"ship moved from {ship:.0f} towards {target:.0f}")
        time.sleep(0.2)
    for number, shot in enumerate(recent):
        session.snapshots.append((f"play-{number}", shot))


def kill(session, media):
    """The first enemy, shot from below, explodes."""
    wait_for_menu(session, 0)
    began = start_play(session, media, len(MENU_FILES))
    ship_width, beam_width = media.ship.width, media.beam_width
    # Missiles leave from a ship's centre line, ours upward, the enemy's downward.
    # The ship waits left of the enemy's line of fire, moves in once no enemy
    # missile is on its way down, and opens fire at once: its missile then hits
    # before any the enemy fires later can arrive (and an enemy's missiles go
    # with it). An enemy too near the left edge to wait beside is left for the
    # next one.
    enemy = None
    while time.monotonic() < began + 2 * FIRST_ENEMY_AFTER + 4:
        shot = session.window.screenshot()
        found = [blob for blob in media.colour_key.find(shot, ["enemyA"],
                                                        region=(0, 0, WINDOW, 200))
                 if blob.top > -20 and blob.left >= ship_width]
        if found:
            enemy = found[0]
            break
        time.sleep(0.1)
    session.snapshots.append(("enemy", shot))
    check(enemy is not None, "no enemy came within 10 s of the start of play")
    # To the pixel, by its picture.
    _, left, _ = media.enemy.locate(shot, range(int(enemy.left) - 5, int(enemy.left) + 6),
                                    range(int(enemy.top) - 5, int(enemy.top) + 6))
    session.note(f"aiming at the enemy at x = {left}")
    centre = left + media.enemy_width / 2
    line_of_fire = (centre, centre + beam_width)
    lowest = left - ship_width / 2 - beam_width  # our missile just grazes it
    safe = line_of_fire[0] - ship_width  # the ship's right edge on their line

    ship, _ = locate_ship(session, media, shot, WINDOW / 1.1)
    move_ship(session, media, ship, safe - 20)
    clear_by = time.monotonic() + 2
    while time.monotonic() < clear_by:
        shot = session.window.screenshot()
        if not media.beam_key.find(shot, ["beam"], step=1, region=(
                int(line_of_fire[0]) - 3, int(enemy.top + media.enemy_height) + 30,
                int(line_of_fire[1]) + 4, WINDOW)):
            break
        time.sleep(0.05)
    highest = left + media.enemy_width - ship_width / 2  # the other side
    ship, _ = locate_ship(session, media, shot, WINDOW / 1.1)
    for _ in range(4):
        if lowest < ship < highest:
            break
        ship = move_ship(session, media, ship, max(lowest + 4, (lowest + safe) / 2))
    session.note(f"ship at x = {ship}")
    check(lowest < ship < highest, f"could not place the ship under the enemy: at x = {ship}")
    fired = time.monotonic()
    gone = None
    # One shot at a time (the fire clock has long run out, so pressing Up fires
    # at once, and the next shot would come 0.5 s later), so that no missile of
    # ours flies on after the kill.
    column = (left - 20, 0, int(left + media.enemy_width) + 20, WINDOW)
    for _ in range(3):
        hold(session, "Up", 0.4)
        shot_at = time.monotonic()
        while time.monotonic() < shot_at + 1.6 and gone is None:
            shot = session.window.screenshot()
            if not media.colour_key.find(shot, ["enemyA"], region=column):
                gone = time.monotonic()
            time.sleep(0.1)
        if gone:
            break
    session.snapshots.append(("after-firing", shot))
    check(gone is not None, "the enemy was still there after three shots from under it")
    session.note("enemy gone")
    time.sleep(1.0)
    session.window.request_close()
    expect_clean_exit(session, 5, console_lines(MENU_FILES) + console_lines(PLAY_FILES)
                      + console_lines(LOSE_FILES), "close after the kill")

    heard = events_between(session, media, fired - 0.2, gone + 0.3, media.play_sounds)
    explosions = times_of(heard, "explosion")
    lasers = times_of(heard, "laser")
    check(lasers, "no laser was heard while Up was held")
    check(len(explosions) == 1, f"the explosion was heard {len(explosions)} times, expected once")
    check(lasers[0] + 0.3 < explosions[0] < gone + 0.1,
          f"the explosion came {explosions[0] - lasers[0]:.2f} s after the first shot, "
          f"{explosions[0] - gone:+.2f} s from the enemy's disappearance")


def missing_media(session, media):
    """No Media folder: every load fails, and the game still cycles."""
    wait_for_menu(session, 0, loaded=False)
    time.sleep(0.5)
    check(brightest(session.snapshot("menu-without-media")) < 8,
          "without media the menu still shows a picture")
    start_play(session, media, len(MENU_FILES), loaded=False)
    hold(session, "Up", 0.8)
    hold(session, "Left", 0.3)
    session.snapshot("play-without-media")
    session.window.request_close()
    session.note("close requested")
    expect_clean_exit(session, 3, console_lines(MENU_FILES, False)
                      + console_lines(PLAY_FILES, False) + console_lines(LOSE_FILES, False),
                      "close without media")
    for segment in session.recorder.finished_segments():
        check(sound.level_db(segment.samples, 0, len(segment.samples)) < -80,
              "without media something was still heard")


def close_in_menu(session, media):
    wait_for_menu(session, 0)
    time.sleep(0.5)
    session.window.request_close()
    session.note("close requested")
    # The play and game-over screens of this cycle are still made; both find the
    # window closed and end at once.
    expect_clean_exit(session, 3, console_lines(MENU_FILES) + console_lines(PLAY_FILES)
                      + console_lines(LOSE_FILES), "close in the menu")


def close_during_play(session, media):
    wait_for_menu(session, 0)
    start_play(session, media, len(MENU_FILES))
    hold(session, "Left", 0.5)
    session.window.request_close()
    session.note("close requested")
    expect_clean_exit(session, 3, console_lines(MENU_FILES) + console_lines(PLAY_FILES)
                      + console_lines(LOSE_FILES), "close during play")


def close_during_game_over(session, media):
    """The game-over screen reads no events: the next menu handles the close."""
    wait_for_menu(session, 0)
    start_play(session, media, len(MENU_FILES))
    lines_before_lose = len(MENU_FILES) + len(PLAY_FILES)
    lost = wait_for_lose_screen(session, lines_before_lose, timeout=45)
    time.sleep(0.5)
    session.window.request_close()
    requested = time.monotonic()
    session.note("close requested")
    cycle = console_lines(MENU_FILES) + console_lines(PLAY_FILES) + console_lines(LOSE_FILES)
    waited = expect_clean_exit(session, LOSE_SCREEN_SECONDS + 3, cycle + cycle,
                               "close during the game-over screen")
    ended = requested + waited
    check(ended - lost >= LOSE_SCREEN_SECONDS - 0.7,
          f"the game ended {ended - lost:.1f} s after the game-over screen loaded: the close "
          "was handled before the screen's four seconds were over")


def resized_window(session, media):
    """The view follows a resized window: the menu is drawn unscaled, Play answers
    where it is drawn, and the ship starts at the new size's bottom centre."""
    wait_for_menu(session, 0)
    session.window.resize(1000, 1000)
    session.note("resized to 1000x1000")
    time.sleep(0.6)
    _, _, width, height = session.window.geometry()
    check((width, height) == (1000, 1000), f"the window is {width}x{height} after the resize")
    shot = session.snapshot("menu-resized")
    check(mean_difference(shot, media.neutral_menu, step=3) < SAME_PICTURE,
          "after the resize the menu image is not drawn unscaled at the top-left corner")
    start_play(session, media, len(MENU_FILES))
    time.sleep(0.4)
    shot = session.snapshot("play-resized")
    left, top = locate_ship(session, media, shot, 1000 / 1.1)
    session.note(f"ship at ({left}, {top})")
    check(abs(left - 500) <= 2 and abs(top - 1000 / 1.1) <= 2,
          f"the ship starts at ({left}, {top}), expected (500, 909): half the width, "
          "the height / 1.1")
    session.window.request_close()
    expect_clean_exit(session, 3, console_lines(MENU_FILES) + console_lines(PLAY_FILES)
                      + console_lines(LOSE_FILES), "close after the resize")


def no_audio_device(session, media):
    """Without any audio device the game still plays a whole cycle."""
    wait_for_menu(session, 0)
    start_play(session, media, len(MENU_FILES))
    hold(session, "Up", 1.2)
    lines_before_lose = len(MENU_FILES) + len(PLAY_FILES)
    wait_for_lose_screen(session, lines_before_lose, timeout=45)
    wait_for_menu(session, lines_before_lose + len(LOSE_FILES), timeout=10)
    time.sleep(0.3)
    session.window.click(*media.exit_button)
    cycle = console_lines(MENU_FILES) + console_lines(PLAY_FILES) + console_lines(LOSE_FILES)
    expect_clean_exit(session, 5, cycle + cycle, "Exit without an audio device")


# Scenario: (steps, session options, what the driver needs from the media, worked
# out before the game starts so that it does not eat into timed steps).
SCENARIOS = {
    "WholeCycleFromMenuThroughGameOverToExit": (
        whole_cycle, {}, ["play_button", "exit_button", "colour_key", "ship", "hover", "laser",
                          "explosion", "power_up", "lose", "lose2", "song"]),
    "ShootingAnEnemyPlaysTheExplosion": (
        kill, {}, ["play_button", "colour_key", "beam_key", "ship", "enemy", "beam_width",
                   "laser", "explosion", "power_up"]),
    "WithoutMediaEveryLoadFailsAndTheCycleRuns": (
        missing_media, {"with_media": False}, ["play_button"]),
    "CloseInMenuEndsTheProgram": (close_in_menu, {"audio": "null"}, []),
    "CloseDuringPlayEndsTheProgram": (close_during_play, {"audio": "null"}, ["play_button"]),
    "CloseDuringGameOverIsHandledByTheNextMenu": (
        close_during_game_over, {"audio": "null"}, ["play_button"]),
    "ResizedWindowStartsTheShipAtItsBottomCentre": (
        resized_window, {"audio": "null"}, ["play_button", "colour_key", "ship"]),
    "WithoutAudioDeviceTheGameStillCycles": (
        no_audio_device, {"audio": "missing"}, ["play_button", "exit_button"]),
}


def run(name, game, media_folder, artifacts):
    scenario, options, needs = SCENARIOS[name]
    media = Media(media_folder)
    for need in needs:
        getattr(media, need)
    with Session(name, game, media_folder, artifacts, **options) as session:
        scenario(session, media)
