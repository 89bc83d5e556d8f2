"""Records what the game plays through OpenAL Soft's wave output.

The library closes its audio device whenever the game holds no sound object
(between two cycles of screens) and reopens it, rewriting the file from the
start. The file is therefore a named pipe that a thread drains: every opening
becomes one segment, stamped with the monotonic time its first samples came."""

import array
import fcntl
import os
import threading
import time

RATE = 44100
# Samples mixed per block: also how late a sound can appear after it was started.
PERIOD = 256
# The wave output is written as 16-bit integers; lowering it 6 dB keeps a sound
# effect on top of the song from clipping, so that the recording stays the exact
# sum of what was played, each sound at this gain.
GAIN = 10 ** (-6 / 20)
_F_SETPIPE_SZ = 1031


def write_config(path, wave_path):
    with open(path, "w") as config:
        config.write(
            "[general]\n"
            "drivers=wave\n"
            "channels=mono\n"
            "sample-type=int16\n"
            f"frequency={RATE}\n"
            f"period_size={PERIOD}\n"
            "volume-adjust=-6\n"
            "output-limiter=false\n"
            "dither=false\n"
            "[wave]\n"
            f"file={wave_path}\n")


class Segment:
    """One opening of the audio device: mono 16-bit samples from start_time on."""

    def __init__(self, opened_time):
        self.opened_time = opened_time
        self.start_time = None
        self.raw = bytearray()
        self.samples = None
        self.closed = False

    def finish(self):
        header_end = self.raw.find(b"data")
        body = self.raw[header_end + 8:] if header_end >= 0 else b""
        body = body[:len(body) - len(body) % 2]
        self.samples = array.array("h", bytes(body))
        self.closed = True

    def index_at(self, moment):
        return min(max(0, int(round((moment - self.start_time) * RATE))), len(self.samples))

    def time_at(self, index):
        return self.start_time + index / RATE

    @property
    def duration(self):
        return len(self.samples) / RATE


class WaveRecorder:
    def __init__(self, folder):
        self.pipe_path = os.path.join(folder, "openal-out.wav")
        self.config_path = os.path.join(folder, "alsoft.conf")
        os.mkfifo(self.pipe_path)
        self.stopped = False
        write_config(self.config_path, self.pipe_path)
        self.segments = []
        self._lock = threading.Lock()
        self._stopping = False
        self._thread = threading.Thread(target=self._drain, daemon=True)
        self._thread.start()

    def environment(self):
        """Environment entries that make OpenAL Soft write into this recorder."""
        return {"ALSOFT_CONF": self.config_path}

    def _drain(self):
        while True:
            descriptor = os.open(self.pipe_path, os.O_RDONLY)
            if self._stopping:
                os.close(descriptor)
                return
            try:
                # Room for seconds of sound, should this process be slow to read.
                fcntl.fcntl(descriptor, _F_SETPIPE_SZ, 1 << 20)
            except OSError:
                pass
            segment = Segment(time.monotonic())
            with self._lock:
                self.segments.append(segment)
            header = None
            while True:
                chunk = os.read(descriptor, 65536)
                if not chunk:
                    break
                arrived = time.monotonic()
                segment.raw.extend(chunk)
                if header is None:
                    found = segment.raw.find(b"data")
                    header = found + 8 if found >= 0 else None
                if header is not None:
                    # The output writes a sample no earlier than its time after the
                    # start: each arrival bounds the start from above, and the
                    # tightest bound comes from a prompt write and read.
                    bound = arrived - (len(segment.raw) - header) / 2 / RATE
                    if segment.start_time is None or bound < segment.start_time:
                        segment.start_time = bound
            os.close(descriptor)
            if segment.start_time is None:
                segment.start_time = segment.opened_time
            segment.finish()

    def stop(self):
        """Ends the thread once the game has exited."""
        self._stopping = True
        # The thread waits in open() for the next writer: be that writer (a FIFO
        # opened for reading and writing at once never blocks).
        descriptor = os.open(self.pipe_path, os.O_RDWR | os.O_NONBLOCK)
        self._thread.join(timeout=5)
        os.close(descriptor)
        self.stopped = True

    def finished_segments(self):
        with self._lock:
            return [segment for segment in self.segments if segment.closed]

    def segment_at(self, moment):
        """The finished segment that was being recorded at this moment, or else the
        one that began within a second after it."""
        segments = self.finished_segments()
        for segment in segments:
            if segment.start_time <= moment <= segment.start_time + segment.duration:
                return segment
        for segment in segments:
            if moment < segment.start_time <= moment + 1:
                return segment
        return None
