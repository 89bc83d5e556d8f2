"""A private X server and the game's window on it, driven the way a user and a
window manager would: XTest pointer, buttons and keys, WM_DELETE_WINDOW close
requests, XResizeWindow, and screenshots read back from the server."""

import os
import select
import subprocess
import time

import Xlib.display
import Xlib.X as X
import Xlib.XK as XK
from Xlib.error import XError
from Xlib.ext import xtest
from Xlib.protocol import event as xevent

from children import spawn_child, stop_child
from picture import Image


class VirtualScreen:
    """Xvfb on a display number it picks itself, so that parallel scenarios
    never share a pointer or a keyboard."""

    def __init__(self, width=1920, height=1920, log_path=None):
        self.width = width
        self.height = height
        read_end, write_end = os.pipe()
        log = open(log_path, "wb") if log_path else subprocess.DEVNULL
        self.process = spawn_child(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
             "-nolisten", "tcp", "-noreset"],
            stdout=log, stderr=log, pass_fds=(write_end,))
        if log_path:
            log.close()
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + 15
        while not number.endswith(b"\n"):
            remaining = deadline - time.monotonic()
            ready, _, _ = select.select([read_end], [], [], max(remaining, 0))
            if not ready:
                break
            chunk = os.read(read_end, 16)
            if not chunk:
                break
            number += chunk
        os.close(read_end)
        if not number.strip():
            self.close()
            raise RuntimeError("Xvfb did not start")
        self.name = ":" + number.decode().strip()
        self.display = Xlib.display.Display(self.name)
        self.root = self.display.screen().root
        if not self.display.query_extension("XTEST"):
            raise RuntimeError("the X server has no XTEST extension")

    def close(self):
        if getattr(self, "display", None) is not None:
            try:
                self.display.close()
            except Exception:
                pass
            self.display = None
        stop_child(self.process)

    def find_window(self, title, timeout, besides=None):
        """The top-level window with this title, once it is mapped; with
        `besides`, one other than that GameWindow (the game makes its window
        again to switch between window and fullscreen)."""
        skip = besides.window.id if besides else None
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            for child in self.root.query_tree().children:
                try:
                    if (child.id != skip and child.get_wm_name() == title
                            and child.get_attributes().map_state == X.IsViewable):
                        return GameWindow(self, child)
                except XError:
                    continue
            time.sleep(0.05)
        raise TimeoutError(f'no window titled "{title}" appeared within {timeout} s')


class GameWindow:
    def __init__(self, screen, window):
        self.screen = screen
        self.display = screen.display
        self.window = window

    def geometry(self):
        """(left, top, width, height) of the window on the screen."""
        size = self.window.get_geometry()
        origin = self.window.translate_coords(self.screen.root, 0, 0)
        return -origin.x, -origin.y, size.width, size.height

    def exists(self):
        try:
            self.window.get_attributes()
            return True
        except XError:
            return False

    def move_pointer(self, x, y):
        """Moves the pointer to (x, y) relative to the window's top-left corner."""
        left, top, _, _ = self.geometry()
        xtest.fake_input(self.display, X.MotionNotify, x=left + int(x), y=top + int(y))
        self.display.sync()

    def click(self, x, y, button=1):
        self.move_pointer(x, y)
        time.sleep(0.05)
        xtest.fake_input(self.display, X.ButtonPress, button)
        self.display.sync()
        time.sleep(0.05)
        xtest.fake_input(self.display, X.ButtonRelease, button)
        self.display.sync()

    def focus(self):
        """What a window manager does when the user clicks into the window."""
        self.window.set_input_focus(X.RevertToPointerRoot, X.CurrentTime)
        self.display.sync()

    def _keycode(self, key_name):
        return self.display.keysym_to_keycode(XK.string_to_keysym(key_name))

    # The game acts on the last arrow key event of a frame only, as a player's
    # hands allow: two key events never come closer together than this, nor
    # before the game has drawn a frame since the first (a busy machine makes
    # frames longer).
    KEY_GAP = 0.06

    def _after_key(self):
        time.sleep(self.KEY_GAP)
        self.wait_for_frames(2)

    def press_key(self, key_name):
        xtest.fake_input(self.display, X.KeyPress, self._keycode(key_name))
        self.display.sync()
        self._after_key()

    def release_key(self, key_name):
        xtest.fake_input(self.display, X.KeyRelease, self._keycode(key_name))
        self.display.sync()
        self._after_key()

    def chord(self, *key_names):
        """Presses the keys in order, e.g. a modifier and a key, and lets them go."""
        for key_name in key_names:
            xtest.fake_input(self.display, X.KeyPress, self._keycode(key_name))
            self.display.sync()
        time.sleep(self.KEY_GAP)
        for key_name in reversed(key_names):
            xtest.fake_input(self.display, X.KeyRelease, self._keycode(key_name))
            self.display.sync()
        time.sleep(self.KEY_GAP)

    def icon_size(self):
        """(width, height) of the first picture in the window's _NET_WM_ICON, or None."""
        icon = self.window.get_full_property(self.display.intern_atom("_NET_WM_ICON"),
                                             X.AnyPropertyType)
        return tuple(icon.value[:2]) if icon is not None and len(icon.value) > 2 else None

    def is_override_redirect(self):
        """Whether the window stands outside any window manager's care, as a
        fullscreen window does."""
        return bool(self.window.get_attributes().override_redirect)

    def hold_key(self, key_name, seconds):
        """Holds a key; returns the monotonic times of press and release."""
        xtest.fake_input(self.display, X.KeyPress, self._keycode(key_name))
        self.display.sync()
        pressed = time.monotonic()
        time.sleep(seconds)
        xtest.fake_input(self.display, X.KeyRelease, self._keycode(key_name))
        self.display.sync()
        released = time.monotonic()
        self._after_key()
        return pressed, released

    def wait_for_frames(self, count, timeout=1.0):
        """Waits until the window has shown `count` new pictures: during play the
        background scrolls, so each frame that moves it shows. On a still screen
        this waits for the timeout."""
        left, top, width, height = self.geometry()

        def strip():
            # A column through the middle of the field, where the background moves.
            return self.screen.root.get_image(left + width // 2, top + height // 8, 4,
                                              max(1, height * 3 // 4), X.ZPixmap,
                                              0xFFFFFFFF).data

        deadline = time.monotonic() + timeout
        last = strip()
        seen = 0
        while seen < count and time.monotonic() < deadline:
            now = strip()
            if now != last:
                seen += 1
                last = now
            else:
                time.sleep(0.005)

    def request_close(self):
        """The close request a window manager sends for the title bar's close button."""
        protocols = self.display.intern_atom("WM_PROTOCOLS")
        delete = self.display.intern_atom("WM_DELETE_WINDOW")
        message = xevent.ClientMessage(window=self.window, client_type=protocols,
                                       data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        self.window.send_event(message, event_mask=X.NoEventMask)
        self.display.sync()

    def resize(self, width, height):
        self.window.configure(width=width, height=height)
        self.display.sync()

    def screenshot(self):
        left, top, width, height = self.geometry()
        reply = self.screen.root.get_image(left, top, width, height, X.ZPixmap, 0xFFFFFFFF)
        data = reply.data
        rgb = bytearray(width * height * 3)
        rgb[0::3] = data[2::4]
        rgb[1::3] = data[1::4]
        rgb[2::3] = data[0::4]
        return Image(width, height, 3, bytes(rgb))
