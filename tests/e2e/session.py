"""One run of the game for one scenario: its own X server, working directory,
audio set-up and console capture, torn down whatever happens, with what was seen
and heard kept for a failed run."""

import io
import os
import shutil
import subprocess
import tempfile
import threading
import time
import wave
from collections import deque

from children import spawn_child
from recorder import RATE, WaveRecorder
from xsession import VirtualScreen

class Console:
    """The game's standard output, line by line, each stamped on arrival."""

    def __init__(self, stream):
        self.lines = []
        self._changed = threading.Condition()
        self._ended = False
        self._thread = threading.Thread(target=self._read, args=(stream,), daemon=True)
        self._thread.start()

    def _read(self, stream):
        for line in stream:
            with self._changed:
                self.lines.append((time.monotonic(), line.rstrip("\n")))
                self._changed.notify_all()
        with self._changed:
            self._ended = True
            self._changed.notify_all()

    def texts(self):
        with self._changed:
            return [text for _, text in self.lines]

    def wait_for_count(self, count, timeout, what="console lines"):
        """Waits until at least `count` lines have come; returns the time the
        count-th line came."""
        deadline = time.monotonic() + timeout
        with self._changed:
            while len(self.lines) < count:
                remaining = deadline - time.monotonic()
                if remaining <= 0 or self._ended:
                    break
                self._changed.wait(remaining)
            if len(self.lines) < count:
                raise AssertionError(
                    f"waited {timeout:.0f} s for {what}: {len(self.lines)} of {count} lines came")
            return self.lines[count - 1][0]

    def time_of(self, index):
        with self._changed:
            return self.lines[index][0]

    def join(self, timeout):
        self._thread.join(timeout)


class ErrorOutput:
    """The game's standard error, kept as its beginning and its end (a game
    without an audio device can write hundreds of megabytes of library errors)."""

    KEEP = 64 * 1024

    def __init__(self, stream):
        self.head = bytearray()
        self.tail = deque()
        self.tail_size = 0
        self.total = 0
        self._thread = threading.Thread(target=self._read, args=(stream,), daemon=True)
        self._thread.start()

    def _read(self, stream):
        while True:
            chunk = stream.read1(65536)
            if not chunk:
                break
            self.total += len(chunk)
            if len(self.head) < self.KEEP:
                self.head.extend(chunk[:self.KEEP - len(self.head)])
                continue
            self.tail.append(chunk)
            self.tail_size += len(chunk)
            while self.tail_size - len(self.tail[0]) >= self.KEEP:
                self.tail_size -= len(self.tail.popleft())

    def join(self, timeout):
        self._thread.join(timeout)

    def text(self):
        kept = len(self.head) + self.tail_size
        middle = (f"\n[... {self.total - kept} bytes left out ...]\n".encode()
                  if self.total > kept else b"")
        return bytes(self.head) + middle + b"".join(self.tail)


class Session:
    """audio: "record" (wave output into a recorder), "null" (OpenAL's null
    output) or "missing" (a driver that does not exist: no audio device)."""

    def __init__(self, scenario, game, media, artifacts, with_media=True, audio="record",
                 screen_size=(1920, 1920), arguments=(), kept_data=None, kept_config=None):
        self.scenario = scenario
        self.game_path = game
        self.media = media
        self.artifacts = artifacts
        self.with_media = with_media
        self.audio = audio
        self.screen_size = screen_size
        self.arguments = list(arguments)
        # Files planted in the game's data folder before it starts, by their path in it.
        self.kept_data = dict(kept_data or {})
        self.kept_config = dict(kept_config or {})
        self.snapshots = []
        self.notes = []
        self.screen = None
        self.recorder = None
        self.process = None
        self.console = None
        self.errors = None
        self.window = None
        self.exit_status = None
        self.started = time.monotonic()

    def __enter__(self):
        self.folder = tempfile.mkdtemp(prefix=f"vantorix-e2e-{self.scenario}-")
        try:
            self._start()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def _start(self):
        self.screen = VirtualScreen(*self.screen_size,
                                    log_path=os.path.join(self.folder, "xvfb.log"))
        workdir = os.path.join(self.folder, "run")
        os.mkdir(workdir)
        if self.with_media:
            os.symlink(self.media, os.path.join(workdir, "Media"))
        environment = {key: value for key, value in os.environ.items()
                       if not key.startswith("ALSOFT_")}
        environment["DISPLAY"] = self.screen.name
        # The files the game keeps (best level, settings, media verdicts) go to
        # this run's own folders.
        self.data_home = os.path.join(self.folder, "data")
        self.config_home = os.path.join(self.folder, "config")
        environment["XDG_DATA_HOME"] = self.data_home
        environment["XDG_CONFIG_HOME"] = self.config_home
        environment["XDG_CACHE_HOME"] = os.path.join(self.folder, "cache")
        kept = [(self.data_home, path, contents) for path, contents in self.kept_data.items()]
        kept += [(self.config_home, path, contents) for path, contents in self.kept_config.items()]
        for home, path, contents in kept:
            planted = os.path.join(home, path)
            os.makedirs(os.path.dirname(planted), exist_ok=True)
            with open(planted, "wb") as out:
                out.write(contents)
        if self.audio == "record":
            self.recorder = WaveRecorder(self.folder)
            environment.update(self.recorder.environment())
        elif self.audio == "null":
            environment["ALSOFT_DRIVERS"] = "null"
        else:
            environment["ALSOFT_DRIVERS"] = "no-such-audio-driver"
        self.started = time.monotonic()
        self.process = spawn_child([self.game_path] + self.arguments, cwd=workdir, env=environment,
                                   stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        self.console = Console(io.TextIOWrapper(self.process.stdout))
        self.errors = ErrorOutput(self.process.stderr)
        self.window = self.screen.find_window("Vantorix", timeout=20)
        self.window.focus()

    def follow_new_window(self, timeout=5):
        """After the game made its window again: finds the new one and gives it
        the keyboard, as a window manager would."""
        self.window = self.screen.find_window("Vantorix", timeout=timeout, besides=self.window)
        self.window.focus()
        return self.window

    def kept(self, path):
        """A file the game keeps in its data folder, as text; None when there is none."""
        try:
            with open(os.path.join(self.data_home, path)) as kept:
                return kept.read()
        except FileNotFoundError:
            return None

    def snapshot(self, name):
        """A screenshot of the window, kept for the artifacts of a failed run."""
        image = self.window.screenshot()
        self.snapshots.append((name, image))
        return image

    def note(self, text):
        self.notes.append(f"{time.monotonic() - self.started:8.2f}s  {text}")

    def wait_for_exit(self, timeout):
        """The exit status, and how long after the call the process ended."""
        called = time.monotonic()
        try:
            self.exit_status = self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"the game was still running {timeout:.0f} s later")
        waited = time.monotonic() - called
        self.console.join(5)
        self.errors.join(5)
        if self.errors.total > 1 << 20:
            self.note(f"the game wrote {self.errors.total / (1 << 20):.0f} MB to standard error")
        self.stop_recording()
        return self.exit_status, waited

    def stop_recording(self):
        if self.recorder and not self.recorder.stopped:
            self.recorder.stop()

    def __exit__(self, kind, error, trace):
        failed = kind is not None
        if failed and self.window and self.process and self.process.poll() is None:
            try:
                self.snapshot("at-failure")
            except Exception:
                pass
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()
            self.note("the game was killed")
        elif self.process and self.exit_status is None:
            self.exit_status = self.process.returncode
            self.note(f"the game had ended by itself with status {self.exit_status}")
        self.stop_recording()
        if self.screen:
            self.screen.close()
        print("timeline:\n" + "\n".join(self.notes))
        if failed:
            self.save_artifacts(error)
        elif os.path.isdir(self.artifacts):
            shutil.rmtree(self.artifacts, ignore_errors=True)
        shutil.rmtree(self.folder, ignore_errors=True)
        return False

    def save_artifacts(self, error):
        shutil.rmtree(self.artifacts, ignore_errors=True)
        os.makedirs(self.artifacts, exist_ok=True)
        for number, (name, image) in enumerate(self.snapshots):
            image.save_png(os.path.join(self.artifacts, f"{number:02d}-{name}.png"))
        if self.recorder:
            for number, segment in enumerate(self.recorder.finished_segments()):
                with wave.open(os.path.join(self.artifacts, f"sound-{number}.wav"), "wb") as out:
                    out.setnchannels(1)
                    out.setsampwidth(2)
                    out.setframerate(RATE)
                    out.writeframes(segment.samples.tobytes())
        with open(os.path.join(self.artifacts, "report.txt"), "w") as report:
            report.write(f"{self.scenario}: {error!r}\n\nexit status: {self.exit_status}\n\n")
            report.write("timeline:\n" + "\n".join(self.notes) + "\n\nconsole:\n")
            if self.console:
                for moment, text in self.console.lines:
                    report.write(f"{moment - self.started:8.2f}s  {text}\n")
            if self.recorder:
                report.write("\nsound segments (start, seconds):\n")
                for segment in self.recorder.finished_segments():
                    report.write(f"{segment.start_time - self.started:8.2f}s  "
                                 f"{segment.duration:.2f}\n")
        if self.errors:
            self.errors.join(5)
            with open(os.path.join(self.artifacts, "stderr.txt"), "wb") as out:
                out.write(self.errors.text())
