"""Images: screenshots, the game's own media decoded with ImageMagick, PNG
output for the artifacts of a failed run, and finding a sprite on screen."""

import struct
import subprocess
import zlib


class Image:
    """Packed 8-bit pixels, row by row; channels 3 (RGB) or 4 (RGBA)."""

    def __init__(self, width, height, channels, data):
        self.width = width
        self.height = height
        self.channels = channels
        self.data = data

    def pixel(self, x, y):
        offset = (y * self.width + x) * self.channels
        return self.data[offset:offset + self.channels]

    def save_png(self, path):
        colour_type = {3: 2, 4: 6}[self.channels]
        stride = self.width * self.channels
        raw = b"".join(b"\x00" + self.data[row * stride:(row + 1) * stride]
                       for row in range(self.height))

        def chunk(kind, body):
            return (struct.pack(">I", len(body)) + kind + body
                    + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, colour_type, 0, 0, 0)
        with open(path, "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                      + chunk(b"IDAT", zlib.compress(raw, 6)) + chunk(b"IEND", b""))


def load_image(path):
    """Decodes any image ImageMagick reads (the game's PNG and JPEG media)."""
    pam = subprocess.run(["convert", path, "-depth", "8", "pam:-"], check=True,
                         stdout=subprocess.PIPE, stderr=subprocess.PIPE).stdout
    end = pam.index(b"ENDHDR\n")
    fields = dict(line.split(b" ", 1) for line in pam[:end].split(b"\n")[1:] if b" " in line)
    width, height = int(fields[b"WIDTH"]), int(fields[b"HEIGHT"])
    channels = int(fields[b"DEPTH"])
    data = pam[end + len(b"ENDHDR\n"):]
    if channels == 1:  # greyscale: widen to RGB
        data = bytes(value for grey in data for value in (grey, grey, grey))
        channels = 3
    elif channels == 2:
        data = bytes(value for i in range(0, len(data), 2)
                     for value in (data[i], data[i], data[i], data[i + 1]))
        channels = 4
    return Image(width, height, channels, data)


def tinted(image, colour):
    """The image as drawn multiplied by a colour (alpha untouched)."""
    data = bytearray(image.data)
    for i in range(0, len(data), image.channels):
        for c in range(3):
            data[i + c] = data[i + c] * colour[c] // 255
    return Image(image.width, image.height, image.channels, bytes(data))


def mean_difference(screen, image, left=0, top=0, region=None, step=2):
    """Mean absolute difference per channel between the screen and an image drawn
    unscaled at (left, top), over region (x0, y0, x1, y1) of the image."""
    x0, y0, x1, y1 = region or (0, 0, image.width, image.height)
    total = 0
    count = 0
    for y in range(y0, y1, step):
        sy = top + y
        if not 0 <= sy < screen.height:
            continue
        for x in range(x0, x1, step):
            sx = left + x
            if not 0 <= sx < screen.width:
                continue
            a = screen.pixel(sx, sy)
            b = image.pixel(x, y)
            total += abs(a[0] - b[0]) + abs(a[1] - b[1]) + abs(a[2] - b[2])
            count += 3
    return total / count if count else float("inf")


def changed_box(first, second, threshold=40, step=2):
    """Bounding box (x0, y0, x1, y1) of the pixels that differ clearly between two
    images of the same size, or None."""
    xs, ys = [], []
    for y in range(0, first.height, step):
        for x in range(0, first.width, step):
            a = first.pixel(x, y)
            b = second.pixel(x, y)
            if abs(a[0] - b[0]) + abs(a[1] - b[1]) + abs(a[2] - b[2]) > threshold:
                xs.append(x)
                ys.append(y)
    if not xs:
        return None
    return min(xs), min(ys), max(xs) + 1, max(ys) + 1


def brightest(screen, step=4, region=None):
    """The largest channel value on screen or in region (x0, y0, x1, y1), sampled."""
    x0, y0, x1, y1 = region or (0, 0, screen.width, screen.height)
    return max(screen.data[(y * screen.width + x) * 3 + c]
               for y in range(y0, y1, step) for x in range(x0, x1, step) for c in range(3))


def field_view(screen, left, top, side, size=800, rows=None):
    """The square the screen shows at (left, top) with `side` pixels, sampled
    back to `size` pixels (nearest pixel): the field as the game drew it. Only
    rows (first, end) are filled when given; the others stay black."""
    scale = side / size
    columns = [(left + int((x + 0.5) * scale)) * 3 for x in range(size)]
    data = screen.data
    out = bytearray(size * size * 3)
    first, end = rows or (0, size)
    for y in range(first, end):
        row = (top + int((y + 0.5) * scale)) * screen.width * 3
        out[y * size * 3:(y + 1) * size * 3] = b"".join(data[row + x:row + x + 3]
                                                        for x in columns)
    return Image(size, size, 3, bytes(out))


class Sprite:
    """What a texture looks like on screen at a given scale, reduced to sample
    points that survive a pixel of rounding: opaque texels whose neighbours on
    screen show the same colour."""

    def __init__(self, texture, scale, samples=96):
        self.width = int(texture.width * scale)
        self.height = int(texture.height * scale)

        def texel(sx, sy):
            tx = min(int((sx + 0.5) / scale), texture.width - 1)
            ty = min(int((sy + 0.5) / scale), texture.height - 1)
            return texture.pixel(tx, ty) if texture.channels == 4 else \
                texture.pixel(tx, ty) + b"\xff"

        candidates = []
        for sy in range(1, self.height - 1):
            for sx in range(1, self.width - 1):
                centre = texel(sx, sy)
                if centre[3] != 255:
                    continue
                steady = all(
                    texel(sx + dx, sy + dy)[3] == 255
                    and sum(abs(texel(sx + dx, sy + dy)[c] - centre[c]) for c in range(3)) < 30
                    for dx, dy in ((-1, 0), (1, 0), (0, -1), (0, 1)))
                # Near-black texels look like deep space; they tell nothing.
                if steady and sum(centre[:3]) > 120:
                    candidates.append((sx, sy, tuple(centre[:3])))
        if not candidates:
            raise ValueError("the texture has no steady opaque pixels to look for")
        stride = max(1, len(candidates) // samples)
        self.samples = candidates[::stride]

    def score(self, screen, x, y):
        """Mean absolute difference per channel at the samples on screen, the
        sprite's top-left corner at (x, y). A sprite may stand over an edge (a
        ship steps over it by a frame's worth, and a busy machine makes long
        frames); one with less than a third on screen is a full miss."""
        total = 0
        visible = 0
        data = screen.data
        for dx, dy, colour in self.samples:
            sx, sy = x + dx, y + dy
            if 0 <= sx < screen.width and 0 <= sy < screen.height:
                offset = (sy * screen.width + sx) * screen.channels
                total += (abs(data[offset] - colour[0]) + abs(data[offset + 1] - colour[1])
                          + abs(data[offset + 2] - colour[2]))
                visible += 1
        if 3 * visible < len(self.samples):
            return 255
        return total / (3 * visible)

    def locate(self, screen, xs, ys):
        """Best (score, x, y) over the candidate corners, coarse then fine."""
        xs, ys = list(xs), list(ys)
        coarse = [(self.score(screen, x, y), x, y) for y in ys[::2] for x in xs[::2]]
        _, bx, by = min(coarse)
        fine = [(self.score(screen, x, y), x, y)
                for y in range(by - 2, by + 3) for x in range(bx - 2, bx + 3)]
        return min(fine)


def _colour_key(r, g, b):
    return (r >> 4) << 8 | (g >> 4) << 4 | (b >> 4)


class Blob:
    """A cluster of pixels of one sprite's own colours; left/top estimate where
    the sprite's top-left corner is."""

    def __init__(self, name, box, hits, sprite):
        self.name = name
        self.box = box
        self.hits = hits
        x0, y0, x1, y1 = box
        self.centre_x = (x0 + x1) / 2 - sprite.key_offset[0]
        self.centre_y = (y0 + y1) / 2 - sprite.key_offset[1]
        self.left = self.centre_x - sprite.width / 2
        self.top = self.centre_y - sprite.height / 2

    def __repr__(self):
        return f"{self.name}(left {self.left:.0f}, top {self.top:.0f}, {self.hits} hits)"


class ColourKey:
    """Finds sprites on the play field by the colours only they have: colours
    (at 4 bits a channel) that occur in a sprite's texture but nowhere in the
    background image and in no other sprite."""

    def __init__(self, background, sprites):
        """sprites: name -> (texture Image, scale)."""
        seen_in_background = {}
        data = background.data
        step = background.channels
        for i in range(0, len(data), step):
            key = _colour_key(data[i], data[i + 1], data[i + 2])
            seen_in_background[key] = seen_in_background.get(key, 0) + 1
        background_keys = {key for key, count in seen_in_background.items() if count > 2}

        sprite_keys = {}
        for name, (texture, _) in sprites.items():
            keys = set()
            for i in range(0, len(texture.data), texture.channels):
                if texture.channels == 3 or texture.data[i + 3] == 255:
                    keys.add(_colour_key(*texture.data[i:i + 3]))
            sprite_keys[name] = keys

        self.table = bytearray(4096)
        self.names = list(sprites)
        self.sprites = {}
        for index, (name, (texture, scale)) in enumerate(sprites.items()):
            others = set().union(*(keys for other, keys in sprite_keys.items() if other != name))
            own = sprite_keys[name] - background_keys - others
            for key in own:
                self.table[key] = index + 1
            self.sprites[name] = _KeyedSprite(texture, scale, own)

    def find(self, screen, names, region=None, step=2):
        x0, y0, x1, y1 = region or (0, 0, screen.width, screen.height)
        x0, y0 = max(0, x0), max(0, y0)
        x1, y1 = min(screen.width, x1), min(screen.height, y1)
        wanted = {self.names.index(name) + 1 for name in names}
        table = self.table
        data = screen.data
        width = screen.width
        hits = {}
        for y in range(y0, y1, step):
            row = y * width
            for x in range(x0, x1, step):
                offset = (row + x) * 3
                code = table[(data[offset] >> 4) << 8 | (data[offset + 1] >> 4) << 4
                             | (data[offset + 2] >> 4)]
                if code in wanted:
                    hits.setdefault(code, []).append((x, y))
        blobs = []
        for code, points in hits.items():
            name = self.names[code - 1]
            sprite = self.sprites[name]
            for box, count in _clusters(points, reach=max(8, step * 4)):
                if count * step * step >= 0.25 * sprite.key_pixels:
                    blobs.append(Blob(name, box, count, sprite))
        return sorted(blobs, key=lambda blob: blob.left)


class _KeyedSprite:
    def __init__(self, texture, scale, keys):
        self.width = texture.width * scale
        self.height = texture.height * scale
        xs, ys = [], []
        count = 0
        for ty in range(texture.height):
            for tx in range(texture.width):
                pixel = texture.pixel(tx, ty)
                if (texture.channels == 3 or pixel[3] == 255) and _colour_key(*pixel[:3]) in keys:
                    xs.append(tx)
                    ys.append(ty)
                    count += 1
        if not count:
            raise ValueError("a sprite has no colours of its own to be found by")
        self.key_pixels = count * scale * scale
        # Where the keyed pixels' box centre sits relative to the sprite's centre.
        self.key_offset = (((min(xs) + max(xs) + 1) / 2 - texture.width / 2) * scale,
                           ((min(ys) + max(ys) + 1) / 2 - texture.height / 2) * scale)


def _clusters(points, reach):
    """Groups points closer than `reach` (in x and y) into boxes with counts."""
    cells = {}
    for x, y in points:
        cells.setdefault((x // reach, y // reach), []).append((x, y))
    seen = set()
    for start in cells:
        if start in seen:
            continue
        seen.add(start)
        stack = [start]
        members = []
        while stack:
            cell = stack.pop()
            members.extend(cells[cell])
            for dx in (-1, 0, 1):
                for dy in (-1, 0, 1):
                    neighbour = (cell[0] + dx, cell[1] + dy)
                    if neighbour in cells and neighbour not in seen:
                        seen.add(neighbour)
                        stack.append(neighbour)
        xs = [x for x, _ in members]
        ys = [y for _, y in members]
        yield (min(xs), min(ys), max(xs) + 1, max(ys) + 1), len(members)
