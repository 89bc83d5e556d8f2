"""Telling the game's sounds apart in a recording.

A sound is recognised by its own waveform: the media files are decoded to the
recording's format and fitted, at an onset, to the recorded samples (least
squares over the offset and a gain). Because the recording is the plain sum of
what was played, a fitted sound is subtracted before looking for the next one,
so sounds that overlap are still told apart."""

import array
import math
import subprocess
import warnings

with warnings.catch_warnings():
    warnings.simplefilter("ignore", DeprecationWarning)
    # C implementations of RMS and least-squares fitting; in the standard
    # library up to Python 3.12 (Debian 12 has 3.11).
    import audioop

from recorder import GAIN, RATE

FRAME = 220  # 5 ms


def channels(path):
    return int(subprocess.run(["soxi", "-c", path], check=True, stdout=subprocess.PIPE,
                              stderr=subprocess.PIPE).stdout)


def decode(path):
    """A media sound as mono 16-bit samples at the recording's rate (the average
    of its channels)."""
    raw = subprocess.run(
        ["sox", "-D", path, "-t", "raw", "-e", "signed-integer", "-b", "16", "-c", "1",
         "-r", str(RATE), "-"],
        check=True, stdout=subprocess.PIPE, stderr=subprocess.PIPE).stdout
    return array.array("h", raw)


def rms(samples):
    return audioop.rms(samples.tobytes(), 2) if len(samples) else 0


def frame_levels(samples, begin=0, end=None):
    """RMS of every 5 ms frame of samples[begin:end]."""
    end = len(samples) if end is None else end
    data = samples[begin:end].tobytes()
    step = FRAME * 2
    return [audioop.rms(data[i:i + step], 2) for i in range(0, len(data) - step + 1, step)]


class Template:
    def __init__(self, name, samples, channels=1):
        self.name = name
        self.samples = samples
        # A mono mix plays every channel of a sound at full gain: the recording
        # holds the channels' sum, and the decoded template their average.
        self.mix_gain = GAIN * channels
        # The opening of a sound is enough to recognise it, and a short one is
        # less often overlapped by the next sound.
        self.head = samples[:min(len(samples), int(0.05 * RATE))]


class Match:
    def __init__(self, template, index, gain, explained):
        self.template = template
        self.index = index
        self.gain = gain
        self.explained = explained

    @property
    def name(self):
        return self.template.name

    def __repr__(self):
        return (f"{self.name}@{self.index / RATE:.3f}s(gain {self.gain:.2f}, "
                f"explains {self.explained:.0%})")


# A faint fixed hiss added to what is searched: findfit divides by the energy of
# each placement, and a placement over digital silence would otherwise win.
_HISS = array.array("h", [(1 if (i * 7919) % 13 < 6 else -1) for i in range(RATE * 4)])


def fit(samples, template, around, reach=0.05, piece=None):
    """Best placement of the template from just before index `around` to `reach`
    seconds after it: (index, gain, explained share of the recorded energy over
    the fitted piece)."""
    reference = piece if piece is not None else template.head
    begin = max(0, around - int(0.01 * RATE))
    end = min(len(samples), around + int(reach * RATE) + len(reference))
    if end - begin <= len(reference) or end - begin > len(_HISS):
        return None
    window = samples[begin:end].tobytes()
    searched = audioop.add(window, _HISS[:end - begin].tobytes(), 2)
    offset, gain = audioop.findfit(searched, reference.tobytes())
    recorded = window[offset * 2:(offset + len(reference)) * 2]
    gain = audioop.findfactor(recorded, reference.tobytes()) if any(recorded) else 0.0
    residual = audioop.add(recorded, audioop.mul(reference.tobytes(), 2, -gain), 2)
    energy = audioop.rms(recorded, 2) ** 2
    explained = 1 - audioop.rms(residual, 2) ** 2 / energy if energy else 0
    return begin + offset, gain, explained


def subtract(samples, template, index, gain):
    """Removes a fitted sound from a working copy of the recording."""
    end = min(len(samples), index + len(template.samples))
    if end <= index:
        return
    part = samples[index:end].tobytes()
    sound = template.samples[:end - index].tobytes()
    samples[index:end] = array.array("h", audioop.add(part, audioop.mul(sound, 2, -gain), 2))


def onsets(samples, begin, end, floor=150, rise=4.0):
    """Indices where the level jumps: a frame louder than the floor and `rise`
    times the frames just before it."""
    levels = frame_levels(samples, begin, end)
    found = []
    last = -100
    for i in range(3, len(levels)):
        before = max(levels[max(0, i - 12):i - 2]) if i >= 3 else 0
        if levels[i] > floor and levels[i] > rise * max(before, 1) and i - last > 8:
            found.append(begin + i * FRAME)
            last = i
    return found


def identify(samples, templates, begin, end):
    """Every known sound that starts between begin and end, in order of their
    start; onsets that fit no template are returned as (index, None). Works on
    a copy."""
    working = array.array("h", samples)
    events = []
    position = begin
    for _ in range(500):
        found = onsets(working, position, end)
        if not found:
            break
        onset = found[0]
        best = None
        for template in templates:
            result = fit(working, template, onset)
            if result is None:
                continue
            match = Match(template, *result)
            # Every sound is mixed at a known gain, so a true fit lands on it even
            # where another sound overlaps and explains part of the energy.
            if (0.85 * template.mix_gain < match.gain < 1.15 * template.mix_gain
                    and (best is None or match.explained > best.explained)):
                best = match
        if best and best.explained >= 0.15:
            events.append(best)
            # At the gain it was mixed at, not the fitted one, which an overlapping
            # sound pulls off a little: the removal is then exact.
            subtract(working, best.template, best.index, best.template.mix_gain)
            # Another sound may start at the same place: look there again.
            position = max(begin, onset - 2 * FRAME)
        else:
            events.append((onset, None))
            position = onset + 20 * FRAME
    return sorted(events, key=lambda event: event.index if isinstance(event, Match) else event[0])


def remove_song(samples, song, begin, end):
    """Subtracts a looping song that starts near `begin` from a copy of the
    recording for as long as it plays (at most until `end`); returns
    (copy, start index, gain), or None when the song is not there."""
    # The fit is led by an onset: findfit cannot rank placements over silence.
    # A click of a millisecond (a sound cut as the screens change) may come
    # just before the song: the first few onsets are tried.
    first = None
    for onset in onsets(samples, begin, end)[:3]:
        first = fit(samples, song, onset, piece=song.samples[:int(0.3 * RATE)])
        if first and first[2] >= 0.8:
            break
    if not first or first[2] < 0.8:
        return None
    start, gain, _ = first
    working = array.array("h", samples)
    looped = song.samples

    def song_between(position, stop):
        offset = (position - start) % len(looped)
        piece = looped[offset:offset + (stop - position)]
        while len(piece) < stop - position:
            piece += looped[:stop - position - len(piece)]
        return piece

    def remove(position, stop):
        part = working[position:stop].tobytes()
        residual = audioop.add(part, audioop.mul(song_between(position, stop).tobytes(), 2,
                                                 -gain), 2)
        before, after = audioop.rms(part, 2), audioop.rms(residual, 2)
        if after <= 0.05 * before + 2 or stop - position <= 64:
            # Past the song's end (the menu stopped it) subtracting would add it back.
            if after < before:
                working[position:stop] = array.array("h", residual)
        else:
            middle = (position + stop) // 2
            remove(position, middle)
            remove(middle, stop)

    block = 4096
    for position in range(start, min(end, len(working)), block):
        remove(position, min(position + block, end, len(working)))
    return working, start, gain


def level_db(samples, begin, end):
    value = rms(samples[begin:end])
    return -120.0 if value == 0 else 20 * math.log10(value / 32768)
