"""What the driver knows from the build's Media folder: where the menu's buttons
are drawn, how sprites look on screen, and the sounds' own waveforms."""

import os

import sound
from picture import ColourKey, Sprite, changed_box, load_image, tinted
from rules import ENEMY_SCALE, ENEMY_SHOT_TINT, SHIP_SCALE


class Media:
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

    @property
    def game_over(self):
        return self.image("Textures/LoseScreen/LoseScreen.jpg")

    def button_box(self, lit):
        """Where a button is drawn in the menu image: what its lit image changes."""
        return self._load(("button", id(lit)), lambda: changed_box(self.neutral_menu, lit))

    def _centre(self, lit):
        x0, y0, x1, y1 = self.button_box(lit)
        return (x0 + x1) // 2, (y0 + y1) // 2

    @property
    def play_button(self):
        return self._centre(self.play_menu)

    @property
    def exit_button(self):
        return self._centre(self.exit_menu)

    @property
    def ship(self):
        return self._load("ship", lambda: Sprite(self.image("Textures/playerShip.png"),
                                                 SHIP_SCALE))

    @property
    def enemy(self):
        return self._load("enemy", lambda: Sprite(self.image("Textures/EnemyA.png"),
                                                  ENEMY_SCALE))

    @property
    def enemy_width(self):
        return self.image("Textures/EnemyA.png").width * ENEMY_SCALE

    @property
    def enemy_height(self):
        return self.image("Textures/EnemyA.png").height * ENEMY_SCALE

    @property
    def beam_width(self):
        return self.image("Textures/beam.png").width

    @property
    def colour_key(self):
        """Finds the ship and the three enemy kinds on the play field."""
        return self._load("key", lambda: ColourKey(self.image("Textures/galaxy_X.png"), {
            "ship": (self.image("Textures/playerShip.png"), SHIP_SCALE),
            "enemyA": (self.image("Textures/EnemyA.png"), ENEMY_SCALE),
            "enemyB": (self.image("Textures/EnemyB.png"), ENEMY_SCALE),
            "enemyC": (self.image("Textures/EnemyC.png"), ENEMY_SCALE),
        }))

    @property
    def beam_key(self):
        """Finds missiles: the ship's show the picture as it is, the enemies' tinted."""
        beam = self.image("Textures/beam.png")
        return self._load("beam key", lambda: ColourKey(self.image("Textures/galaxy_X.png"), {
            "ship shot": (beam, 1),
            "enemy shot": (tinted(beam, ENEMY_SHOT_TINT), 1)}))

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
