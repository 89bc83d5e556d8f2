"""What the game does, as far as the scenarios rely on it: its console lines,
sizes, speeds and timings."""

WINDOW = 800  # the first window on a desktop with room for it
FIELD = 800  # the play field's side in the game's own units, shown scaled in any window
SHIP_SCALE = 0.13
SHIP_SPEED = 400  # pixels per second, without power-ups


def ship_top(height=FIELD):
    """Where the ship stands on the field."""
    return height / 1.1


def field_rect(width, height):
    """(left, top, side): the window pixels a window of this size shows the
    field in, scaled to fit and centred, with black bars left over."""
    side = min(round(FIELD * min(width / FIELD, height / FIELD)), width, height)
    return (width - side) // 2, (height - side) // 2, side


ENEMY_SCALE = 0.3
ENEMY_SHOT_TINT = (255, 110, 150)  # multiplies the shared beam picture for enemy shots
FIRST_ENEMY_AFTER = 3.0  # seconds from the start of play
FIRST_ENEMY_SPEED = 30  # pixels per second, straight down
ENEMY_START_Y = -32
FIRE_INTERVAL = 0.5
LOSE_SCREEN_SECONDS = 4.0
SECOND_LOSE_SOUND_AFTER = 2.0

SUCCESS = " SUCCESFULLY loaded!"
FAILURE = " failed to load"

MENU_FILES = [
    "Media/Textures/Menu/LoadScreenNeutral.jpg",
    "Media/Textures/Menu/LoadScreenPlay.jpg",
    "Media/Textures/Menu/LoadScreenExit.jpg",
    "Media/SoundBuffers/Hover.wav",
]
PLAY_FILES = [
    "Media/Textures/playerShip.png",
    "Media/Textures/EnemyA.png",
    "Media/Textures/EnemyB.png",
    "Media/Textures/EnemyC.png",
    "Media/Textures/BossA.png",
    "Media/Textures/bolt.png",
    "Media/Textures/AddShip.png",
    "Media/Textures/BulletSpeed.png",
    "Media/Textures/beam.png",
    "Media/Textures/galaxy_X.png",
    "Media/Textures/Wall.png",
    "Media/SoundBuffers/laser.wav",
    "Media/SoundBuffers/explosion.wav",
    "Media/SoundBuffers/powerUp.wav",
    "Media/Fonts/Digital_tech.otf",
]
LOSE_FILES = [
    "Media/Textures/LoseScreen/LoseScreen.jpg",
    "Media/SoundBuffers/Lose.flac",
    "Media/SoundBuffers/Lose2.wav",
]


def console_lines(files, loaded=True):
    return [name + (SUCCESS if loaded else FAILURE) for name in files]


def cycle_lines(loaded=True):
    """The console lines of one menu → play → game-over cycle."""
    return (console_lines(MENU_FILES, loaded) + console_lines(PLAY_FILES, loaded)
            + console_lines(LOSE_FILES, loaded))


# Relaxed's reserve ships, small ships in a row under the level label: the first's
# top-left corner, their side and the step from one to the next.
RESERVE_ICON_AT = (4, 33)
RESERVE_ICON_SIDE = 18
RESERVE_ICON_STEP = 21
SHIP_BACK_AFTER = 1.0  # seconds after a loss a reserve stood in for

# Where the game keeps the best levels, in its XDG data folder.
BEST_LEVEL = "vantorix/best-level"
BEST_LEVEL_RELAXED = "vantorix/best-level-relaxed"
SETTINGS = "vantorix/settings.ini"
