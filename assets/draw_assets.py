#!/usr/bin/python3
"""Draws the viewer's pictures into this folder.

  - seven skins, each a caption picture and a borders picture:
      skin<N>_<name>_caption.jpg, skin<N>_<name>_borders.gif|.jpg
  - bar_narrow.bmp (10 x 401, arrow left) and bar_widen.bmp (9 x 403, arrow right)
  - zelvano.ico (one 240 x 240 24-bit image)
  - preview.png, a contact sheet with every skin composed into a small window
  - 125/, 150/, 200/: the fourteen skin pictures and the two bars again, drawn for screens
    at that many percent, with the same names and formats (no icon, no contact sheet)

Caption picture layout (all in pixels, per skin):
  columns 0 .. left_end-1         left end: icon and title
  column  left_end+1 .. active_right   the middle tile (one column), repeated across
  columns active_right .. right_end    right end; its last column lands just outside the window
  from column right_end: close, restore, maximize, minimize glyphs, button_w wide each,
  normal at y = 0, pressed at y = button_h; the picture is 2 * button_h high.
The glyph row is shown at y = button_y over the caption, so each glyph carries the caption
rows it covers as its background.
Borders picture: seven S x S tiles: left, (top, unused), bottom-left, bottom, right,
bottom-right, bottom-right with a size grip.

Scaled sets. Every metric of a set comes from one rounding rule, which the viewer applies
to the preset table in exactly the same way:
  scale(v, p) = v * p / 100 rounded to nearest, halves away from zero:
                (v * p + 50) // 100 for v >= 0, and -scale(-v, p) for v < 0.
  Scaled on their own: button_h, button_w, button_x, button_y, left_end, right_end and the
  border size S (the left border width). Derived from those, never rounded on their own:
  active_right = left_end + 1; caption picture (right_end + 4 * button_w) x (2 * button_h);
  borders picture (7 * S) x S. Bars: each dimension of 10 x 401 and 9 x 403 scaled.
Each set is drawn at its own size: coordinates in the 100 % design are mapped by p / 100,
1-px lines become scale(1, p) px (outline, bevel, extra and inner lines, button edges, wires,
bar edges), the button symbols' strokes are whole pixels (halves down), symbol and icon sizes
keep the parity of their margins so they stay centred, and the corner grip's dots stay single
pixels below 200 %. Nothing is resampled from another set. The 100 % set is the design
itself: at p = 100 every mapping is the identity, so those files do not change.

Run with /usr/bin/python3 (Debian's python3-pil).
"""

import dataclasses
import math
import os
import struct
from dataclasses import dataclass, field

from PIL import Image, ImageChops, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
FONT_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
TITLE = "ZelvanoV2010"
SS = 4  # supersampling factor for shapes drawn with anti-aliasing
SCALES = (125, 150, 200)  # percent; each set goes into a folder of that name


def scale(v, p):
    """The one rounding rule for metrics: v * p / 100, halves away from zero."""
    assert isinstance(v, int) and isinstance(p, int)
    return -scale(-v, p) if v < 0 else (v * p + 50) // 100


def fit(size, outer, scaled_outer, p):
    """size (centred in outer at 100 %) scaled to the nearest integer whose margin in
    scaled_outer keeps the parity it had, so it stays centred; a tie goes to the smaller."""
    target = size * p / 100
    parity = (outer - size) % 2
    fits = [n for n in range(math.floor(target) - 1, math.ceil(target) + 2)
            if (scaled_outer - n) % 2 == parity]
    return min(fits, key=lambda n: (abs(n - target), n))


# ---------------------------------------------------------------- colour helpers

def rgb(hex_colour):
    h = hex_colour.lstrip("#")
    return tuple(int(h[i:i + 2], 16) for i in (0, 2, 4))


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def gradient(stops, n):
    """n colours along piecewise-linear stops [(pos 0..1, '#rrggbb'), ...]."""
    out = []
    for i in range(n):
        p = i / max(n - 1, 1)
        for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
            if p0 <= p <= p1:
                t = 0 if p1 == p0 else (p - p0) / (p1 - p0)
                out.append(mix(rgb(c0), rgb(c1), t))
                break
    return out


# ---------------------------------------------------------------- the skins

@dataclass
class Skin:
    number: int
    name: str
    caption_size: tuple
    borders_size: tuple
    borders_format: str  # "GIF" or "JPEG"
    button_h: int
    button_w: int
    button_x: int  # right end of the button row, from the window's right edge
    button_y: int
    left_end: int
    active_right: int
    right_end: int
    background: list  # vertical gradient stops of the caption
    outline: str
    light: str  # the bevel just inside the outline, top and left
    shade: str  # the same on the right and bottom
    inner: str  # the line around the client area
    title: str
    title_halo: str
    features: dict = field(default_factory=dict)  # extra lines: distance from outside -> colour
    buttons: dict = field(default_factory=dict)
    decorate: object = None  # draws the left end's ornament
    percent: int = 100
    design: object = None  # the 100 % skin this one is scaled from

    @property
    def S(self):
        return self.borders_size[1]

    @property
    def height(self):
        return self.caption_size[1]

    @property
    def base(self):
        return self.design or self

    def px(self, v):
        """A whole number of design pixels (or supersampled units) at this scale."""
        return scale(v, self.percent)

    def u(self, v):
        """A design coordinate at this scale, unrounded (unchanged at 100 %)."""
        return v if self.percent == 100 else v * self.percent / 100

    @property
    def line(self):
        """Thickness of the design's 1-px lines."""
        return self.px(1)


def at_scale(skin, p):
    """The skin's metrics for a screen at p percent, by the rule of the module docstring."""
    bh, bw = scale(skin.button_h, p), scale(skin.button_w, p)
    left_end, right_end, S = scale(skin.left_end, p), scale(skin.right_end, p), scale(skin.S, p)
    return dataclasses.replace(
        skin, caption_size=(right_end + 4 * bw, 2 * bh), borders_size=(7 * S, S),
        button_h=bh, button_w=bw, button_x=scale(skin.button_x, p),
        button_y=scale(skin.button_y, p), left_end=left_end, active_right=left_end + 1,
        right_end=right_end, percent=p, design=skin)


def check_relations(skin):
    """What the viewer's metrics rely on, for every set."""
    assert skin.caption_size == (skin.right_end + 4 * skin.button_w, 2 * skin.button_h), skin
    assert skin.active_right == skin.left_end + 1, skin.name
    assert skin.borders_size == (7 * skin.S, skin.S), skin.name


def profile(skin, side):
    """Colours across a border, from the outside (0) to the client (S-1); None is the body."""
    S, t = skin.S, skin.line
    p = [None] * S

    def put(distance, colour):  # a design line at this distance, t px thick
        start = skin.px(distance)
        p[start:start + t] = [rgb(colour)] * t

    put(0, skin.outline)
    if skin.base.S > 3:
        put(1, skin.light if side in ("left", "top") else skin.shade)
    for d, colour in skin.features.items():
        put(d, colour)
    p[S - t:] = [rgb(skin.inner)] * t
    return p


# ---------------------------------------------------------------- the TV glyph

def tv_glyph(size, body="#2a2f3b", rim="#59627a", screen=("#5fd0ff", "#1b6fd6", "#0d3a8a")):
    """The program's icon: a small television set, RGBA, drawn supersampled."""
    n = size * SS
    im = Image.new("RGBA", (n, n), (0, 0, 0, 0))
    d = ImageDraw.Draw(im)
    u = n / 24.0  # drawn on a 24-unit grid

    def box(x0, y0, x1, y1):
        return [round(x0 * u), round(y0 * u), round(x1 * u), round(y1 * u)]

    # antennas with round tips
    w = max(1, round(1.3 * u))
    d.line(box(12, 7, 7.2, 1.8), fill=rgb(rim) + (255,), width=w)
    d.line(box(12, 7, 16.8, 1.8), fill=rgb(rim) + (255,), width=w)
    for cx in (7.0, 17.0):
        d.ellipse(box(cx - 1.4, 0.4, cx + 1.4, 3.2), fill=rgb("#ff6a3d") + (255,))
    # feet
    d.rounded_rectangle(box(5.5, 19.5, 8.5, 23), radius=round(0.8 * u), fill=rgb(body) + (255,))
    d.rounded_rectangle(box(15.5, 19.5, 18.5, 23), radius=round(0.8 * u), fill=rgb(body) + (255,))
    # cabinet
    d.rounded_rectangle(box(1, 6, 23, 21), radius=round(2.6 * u), fill=rgb(rim) + (255,))
    d.rounded_rectangle(box(1.9, 6.9, 22.1, 20.1), radius=round(2.0 * u), fill=rgb(body) + (255,))
    # screen: vertical gradient under a rounded mask
    sx0, sy0, sx1, sy1 = box(3.3, 8.3, 18.7, 18.7)
    grad = Image.new("RGBA", (sx1 - sx0, sy1 - sy0))
    colours = gradient([(0, screen[0]), (0.55, screen[1]), (1, screen[2])], sy1 - sy0)
    gd = ImageDraw.Draw(grad)
    for y, c in enumerate(colours):
        gd.line([(0, y), (sx1 - sx0, y)], fill=c + (255,))
    mask = Image.new("L", grad.size, 0)
    ImageDraw.Draw(mask).rounded_rectangle([0, 0, grad.size[0] - 1, grad.size[1] - 1],
                                           radius=round(1.6 * u), fill=255)
    im.paste(grad, (sx0, sy0), mask)
    # glare across the upper left of the screen
    glare = Image.new("RGBA", (n, n), (0, 0, 0, 0))
    ImageDraw.Draw(glare).polygon([tuple(v * u for v in p) for p in
                                   ((3.3, 8.3), (12.5, 8.3), (6.5, 14.5), (3.3, 14.5))],
                                  fill=(255, 255, 255, 70))
    glare_mask = Image.new("L", (n, n), 0)
    ImageDraw.Draw(glare_mask).rounded_rectangle(box(3.3, 8.3, 18.7, 18.7),
                                                 radius=round(1.6 * u), fill=255)
    im = Image.composite(Image.alpha_composite(im, glare), im, glare_mask)
    d = ImageDraw.Draw(im)
    # play mark on the screen
    d.polygon([tuple(v * u for v in p) for p in ((9.2, 10.6), (9.2, 16.4), (14.0, 13.5))],
              fill=(255, 255, 255, 235))
    # knobs on the right
    d.ellipse(box(19.3, 9.0, 21.5, 11.2), fill=rgb("#c9d1e0") + (255,))
    d.ellipse(box(19.3, 12.6, 21.5, 14.8), fill=rgb("#c9d1e0") + (255,))
    for y in (16.4, 17.6, 18.8):
        d.line(box(19.3, y, 21.5, y), fill=rgb("#8a93a8") + (255,), width=max(1, round(0.5 * u)))
    return im.resize((size, size), Image.Resampling.LANCZOS)


# ---------------------------------------------------------------- caption glyphs

def glyph_symbol(kind, n, colour, width=1.0, gap=SS, heavy=None):
    """A caption button symbol in an n x n box (RGBA, anti-aliased). width: stroke in pixels;
    gap: a design pixel in supersampled units; heavy: whether the restore windows get the
    heavier top bar (by default when n > 6)."""
    if heavy is None:
        heavy = n > 6
    m = n * SS
    im = Image.new("RGBA", (m, m), (0, 0, 0, 0))
    d = ImageDraw.Draw(im)
    c = rgb(colour) + (255,)
    t = max(SS, round(width * SS))

    def rect_outline(x0, y0, x1, y1, top):
        d.rectangle([x0 * SS, y0 * SS, (x1 + 1) * SS - 1, (y1 + 1) * SS - 1], fill=c)
        d.rectangle([x0 * SS + t, y0 * SS + top, (x1 + 1) * SS - 1 - t, (y1 + 1) * SS - 1 - t],
                    fill=(0, 0, 0, 0))

    top = t + gap  # a heavier top bar, like a window's caption
    if kind == "close":
        w = round(1.6 * width * SS)
        d.line([(0.5 * SS, 0.5 * SS), (m - 0.5 * SS, m - 0.5 * SS)], fill=c, width=w)
        d.line([(0.5 * SS, m - 0.5 * SS), (m - 0.5 * SS, 0.5 * SS)], fill=c, width=w)
    elif kind == "maximize":
        rect_outline(0, 0, n - 1, n - 1, top)
    elif kind == "restore":
        k = max(2, n // 3)
        rect_outline(k, 0, n - 1, n - 1 - k, t + (gap if heavy else 0))  # the window behind
        d.rectangle([0, k * SS - gap, (n - k) * SS + gap - 1, n * SS - 1], fill=(0, 0, 0, 0))
        rect_outline(0, k, n - 1 - k, n - 1, t + (gap if heavy else 0))
    elif kind == "minimize":
        h = max(2, round(2 * width))
        d.rectangle([0, (n - h) * SS, m - 1, m - 1], fill=c)
    return im.resize((n, n), Image.Resampling.LANCZOS)


def button_face(skin, pressed, close):
    """The button's body (RGBA) behind the symbol."""
    w, h = skin.button_w, skin.button_h
    b = skin.buttons
    edge = skin.line * SS
    fill = b.get("close_pressed" if close and pressed else "close" if close else
                 "pressed" if pressed else "normal")
    border = b.get("close_border" if close else "border")
    im = Image.new("RGBA", (w * SS, h * SS), (0, 0, 0, 0))
    if fill is None and border is None:
        return im.resize((w, h), Image.Resampling.LANCZOS)
    d = ImageDraw.Draw(im)
    r = skin.px(b.get("radius", 3) * SS)
    inset_x, inset_y = skin.px(b.get("inset_x", 1)), skin.px(b.get("inset_y", 1))
    box = [inset_x * SS, inset_y * SS, (w - inset_x) * SS - 1, (h - inset_y) * SS - 1]
    if fill is not None:
        top, bottom = (fill, fill) if isinstance(fill, str) else fill
        grad = Image.new("RGBA", im.size, (0, 0, 0, 0))
        gd = ImageDraw.Draw(grad)
        rows = gradient([(0, top), (1, bottom)], box[3] - box[1] + 1)
        if b.get("two_tone"):
            half = len(rows) // 2
            rows = [rgb(top)] * half + [rgb(bottom)] * (len(rows) - half)
        for i, c in enumerate(rows):
            gd.line([(box[0], box[1] + i), (box[2], box[1] + i)], fill=c + (255,))
        mask = Image.new("L", im.size, 0)
        ImageDraw.Draw(mask).rounded_rectangle(box, radius=r, fill=255)
        im.paste(grad, (0, 0), mask)
    if border is not None:
        d.rounded_rectangle(box, radius=r, outline=rgb(border) + (255,), width=edge)
    if pressed and b.get("pressed_shadow"):
        # an inner shadow along the top makes the press read as "pushed in"
        shadow = Image.new("RGBA", im.size, (0, 0, 0, 0))
        ImageDraw.Draw(shadow).rounded_rectangle(
            [box[0] + edge, box[1] + edge, box[2] - edge, box[1] + skin.px(3) * SS], radius=r,
            fill=rgb(b["pressed_shadow"]) + (110,))
        im = Image.alpha_composite(im, shadow)
    return im.resize((w, h), Image.Resampling.LANCZOS)


def draw_glyphs(skin, caption):
    """Close, restore, maximize and minimize, normal and pressed, from column right_end."""
    bw, bh = skin.button_w, skin.button_h
    # What the caption shows under the button row: the middle tile's rows.
    under = caption.crop((skin.active_right, skin.button_y,
                          skin.active_right + 1, skin.button_y + bh)).resize((bw, bh))
    # The button row covers the right end only where it is still that plain column.
    covered = caption.crop((skin.active_right, skin.button_y,
                            skin.right_end + skin.button_x, skin.button_y + bh))
    assert covered.tobytes() == under.resize(covered.size).tobytes(), skin.name
    b = skin.buttons
    base = skin.base
    size = b.get("symbol_size", min(base.button_w, base.button_h) // 2)
    n = fit(size, base.button_h, bh, skin.percent)
    weight = b.get("weight", 1.0)  # stroke in pixels
    if skin.percent != 100:  # whole pixels keep the scaled strokes crisp; halves go down
        weight = max(1, math.ceil(weight * skin.percent / 100 - 0.5))
    gap = skin.px(SS)
    for k, kind in enumerate(("close", "restore", "maximize", "minimize")):
        for pressed in (False, True):
            tile = under.convert("RGBA")
            close = kind == "close"
            face = button_face(skin, pressed, close)
            cover = face.getchannel("A")
            tile = Image.alpha_composite(tile, face)
            colour = b.get("close_symbol" if close else "symbol")
            if pressed:
                colour = b.get("close_symbol_pressed" if close else "symbol_pressed", colour)
            sym = glyph_symbol(kind, n, colour, weight, gap, size > 6)
            shift = skin.px(1) if pressed else 0
            x = (bw - n) // 2 + shift
            y = (bh - n) // 2 + shift
            if b.get("symbol_shadow") and not pressed:
                shadow = glyph_symbol(kind, n, b["symbol_shadow"], weight, gap, size > 6)
                layer = Image.new("RGBA", tile.size, (0, 0, 0, 0))
                layer.paste(shadow, (x, y + skin.px(1)), shadow)
                cover = ImageChops.add(cover, layer.getchannel("A"))
                tile = Image.alpha_composite(tile, layer)
            layer = Image.new("RGBA", tile.size, (0, 0, 0, 0))
            layer.paste(sym, (x, y), sym)
            cover = ImageChops.add(cover, layer.getchannel("A"))
            tile = Image.alpha_composite(tile, layer).convert("RGB")
            # The tile is the caption's rows under face and symbol: it strays from them no
            # further than the layers' opacity allows, and not at all where they are clear.
            r, g, b_ = ImageChops.difference(tile, under).split()
            diff = ImageChops.lighter(ImageChops.lighter(r, g), b_)
            assert ImageChops.subtract(diff, cover).getextrema()[1] <= 1, skin.name
            assert ImageChops.subtract(diff, cover.point(lambda a: 255 * (a > 0))).getbbox() \
                is None, skin.name
            caption.paste(tile, (skin.right_end + k * bw, bh if pressed else 0))


# ---------------------------------------------------------------- caption picture

def draw_caption(skin):
    W, H = skin.caption_size
    S, t = skin.S, skin.line
    base = skin.base
    rows = gradient(skin.background, H)
    im = Image.new("RGB", (W, H))
    d = ImageDraw.Draw(im)
    for y, c in enumerate(rows):
        d.line([(0, y), (W - 1, y)], fill=c)

    # Left-end ornament, then icon and title.
    if skin.decorate:
        skin.decorate(skin, im)
        d = ImageDraw.Draw(im)
    icon_size = fit(skin.buttons.get("icon", base.height - 12), base.height, H, skin.percent)
    icon = tv_glyph(icon_size)
    ix = S + skin.px(4)
    iy = (H - icon_size) // 2
    im.paste(icon, (ix, iy), icon)
    font = ImageFont.truetype(FONT_BOLD,
                              skin.px(skin.buttons.get("font", round(base.height * 0.41))))
    tx = ix + icon_size + skin.px(6)
    box = d.textbbox((0, 0), TITLE, font=font)
    ty = (H - 1 - (box[3] - box[1])) // 2 - box[1]
    halo = rgb(skin.title_halo)
    layer = Image.new("RGBA", im.size, (0, 0, 0, 0))
    ld = ImageDraw.Draw(layer)
    ld.text((tx, ty + skin.px(1)), TITLE, font=font, fill=halo + (150,))
    im.paste(Image.alpha_composite(im.convert("RGBA"), layer).convert("RGB"))
    d = ImageDraw.Draw(im)
    d.text((tx, ty), TITLE, font=font, fill=rgb(skin.title))

    # The frame lines: outside edge, bevel and extra lines on top, left and right;
    # the inner line along the bottom meets the side borders' inner lines.
    right = skin.right_end - 1  # the window's last column
    for side in ("top", "left", "right"):
        p = profile(skin, side)
        for dist, c in enumerate(p[:S - t]):
            if c is None:
                continue
            if side == "top":
                d.line([(dist, dist), (right - dist, dist)], fill=c)
            elif side == "left":
                d.line([(dist, dist), (dist, H - 1)], fill=c)
            else:
                d.line([(right - dist, dist), (right - dist, H - 1)], fill=c)
    for y in range(H - t, H):
        d.line([(S - t, y), (right - (S - t), y)], fill=rgb(skin.inner))

    # Ornaments stop short of the tile column, so the left end's last columns, the unused
    # column, the tile and the right end's first columns are alike (and so are their JPEG blocks).
    seam = [im.crop((x, 0, x + 1, H)).tobytes()
            for x in (skin.left_end - 1, skin.left_end, skin.active_right, skin.active_right + 1)]
    assert len(set(seam)) == 1, skin.name
    draw_glyphs(skin, im)
    return im


# ---------------------------------------------------------------- borders picture

def draw_borders(skin, caption):
    S, t = skin.S, skin.line
    body = caption.getpixel((skin.active_right, skin.height - 1 - t))
    # the caption's bottom line is the side borders' inner line, as thick
    bottom = [caption.getpixel((skin.active_right, skin.height - 1 - i)) for i in range(t)]
    assert bottom == [rgb(skin.inner)] * t and body != rgb(skin.inner), skin.name
    im = Image.new("RGB", (7 * S, S))
    px = im.load()

    def colour(p, dist):
        c = p[dist]
        return body if c is None else c

    left, right, top, bottom = (profile(skin, s) for s in ("left", "right", "top", "bottom"))
    for y in range(S):
        for x in range(S):
            px[0 * S + x, y] = colour(left, x)
            px[1 * S + x, y] = colour(top, y)
            px[3 * S + x, y] = colour(bottom, S - 1 - y)
            px[4 * S + x, y] = colour(right, S - 1 - x)
            # corners mitre along the diagonal: the nearer outside edge decides
            dl, db = x, S - 1 - y
            px[2 * S + x, y] = colour(left, dl) if dl < db else colour(bottom, db)
            dr = S - 1 - x
            px[5 * S + x, y] = colour(right, dr) if dr < db else colour(bottom, db)
            px[6 * S + x, y] = px[5 * S + x, y]
    # size grip: small dots on the diagonals of the sizable corner, each lit on its upper
    # left; laid out in cells of g px between the outline and the inner line
    grip = rgb(skin.buttons.get("grip", skin.shade))
    grip_light = rgb(skin.buttons.get("grip_light", skin.light))
    g = max(1, skin.percent // 100)
    cells = (S - 2 * t) // g

    def cell(i, j, colour, keep=None):
        if i < cells and j < cells:
            for dy in range(g):
                for dx in range(g):
                    x, y = S - 1 - t - i * g - dx, S - 1 - t - j * g - dy
                    if px[6 * S + x, y] != keep:
                        px[6 * S + x, y] = colour

    for k in range(1, cells, 2):
        for i in range(0, k + 1, 2):
            cell(i, k - i, grip)
            cell(i + 1, k - i + 1, grip_light, keep=grip)
    return im


# ---------------------------------------------------------------- ornaments

def ornament_layer(size):
    return Image.new("RGBA", (size[0] * SS, size[1] * SS), (0, 0, 0, 0))


def apply_layer(im, layer, clip_x0, clip_x1):
    small = layer.resize(im.size, Image.Resampling.LANCZOS)
    mask = Image.new("L", im.size, 0)
    ImageDraw.Draw(mask).rectangle([clip_x0, 0, clip_x1, im.size[1]], fill=255)
    small.putalpha(Image.composite(small.getchannel("A"), Image.new("L", im.size, 0), mask))
    im.paste(Image.alpha_composite(im.convert("RGBA"), small).convert("RGB"))


def midnight_ornament(skin, im):
    """A crescent moon and a few stars."""
    H = skin.base.height  # ornaments are laid out in design pixels, mapped by skin.u
    u = skin.u
    layer = ornament_layer(im.size)
    d = ImageDraw.Draw(layer)
    cx, cy, r = 214, H * 0.48, H * 0.30
    d.ellipse([u(cx - r) * SS, u(cy - r) * SS, u(cx + r) * SS, u(cy + r) * SS],
              fill=(255, 236, 170, 225))
    o = r * 0.78
    d.ellipse([u(cx - o + r * 0.45) * SS, u(cy - o - r * 0.25) * SS,
               u(cx + o + r * 0.45) * SS, u(cy + o - r * 0.25) * SS], fill=(0, 0, 0, 0))
    for x, y, s, a in ((162, 9, 1.3, 230), (176, 21, 0.9, 170), (188, 8, 0.8, 150),
                       (196, 24, 1.1, 200), (232, 7, 0.9, 180), (150, 18, 0.8, 140),
                       (237, 24, 0.7, 120)):
        d.ellipse([u(x - s) * SS, u(y - s) * SS, u(x + s) * SS, u(y + s) * SS],
                  fill=(235, 242, 255, a))
        if s > 1:
            d.line([(u(x - 2.6 * s) * SS, u(y) * SS), (u(x + 2.6 * s) * SS, u(y) * SS)],
                   fill=(235, 242, 255, a // 2), width=skin.px(SS // 2))
            d.line([(u(x) * SS, u(y - 2.6 * s) * SS), (u(x) * SS, u(y + 2.6 * s) * SS)],
                   fill=(235, 242, 255, a // 2), width=skin.px(SS // 2))
    apply_layer(im, layer, skin.px(140), skin.left_end - skin.px(12))


def leaf_ornament(skin, im):
    """Leaves on a curling vine."""
    H = skin.base.height
    u = skin.u
    layer = ornament_layer(im.size)
    d = ImageDraw.Draw(layer)
    xs = [148 + i * 100 / skin.percent for i in range(skin.px(238 - 148))]  # one per pixel
    vine = [(x, H * 0.62 - 5.0 * math.sin((x - 150) / 15.0)) for x in xs]
    d.line([(u(x) * SS, u(y) * SS) for x, y in vine], fill=(236, 255, 214, 150),
           width=skin.px(SS))

    def leaf(x, y, angle, length, alpha):
        n = 48
        pts = []
        for side in (1, -1):
            ts = range(n + 1) if side == 1 else range(n, -1, -1)
            for i in ts:
                t = i / n
                pts.append((t * length, side * (length * 0.24) * math.sin(math.pi * t) ** 0.9))
        ca, sa = math.cos(math.radians(angle)), math.sin(math.radians(angle))

        def place(px, py):
            return (u(x + px * ca - py * sa) * SS, u(y + px * sa + py * ca) * SS)

        d.polygon([place(px, py) for px, py in pts], fill=(226, 252, 196, alpha))
        d.line([place(0, 0), place(length * 0.92, 0)], fill=(70, 140, 52, alpha),
               width=skin.px(SS // 2))
        for t in (0.3, 0.5, 0.7):
            for side in (1, -1):
                d.line([place(t * length, 0), place((t + 0.14) * length, side * length * 0.13)],
                       fill=(70, 140, 52, alpha * 2 // 3), width=skin.px(SS // 2))

    for x, angle, length, alpha in ((160, -150, 13, 170), (178, -35, 15, 190),
                                    (200, 145, 12, 160), (214, -40, 16, 200),
                                    (232, -120, 11, 150)):
        y = H * 0.62 - 5.0 * math.sin((x - 150) / 15.0)
        leaf(x, y, angle, length, alpha)
    apply_layer(im, layer, skin.px(140), skin.left_end - skin.px(12))


def frost_ornament(skin, im):
    """Ice crystals."""
    u = skin.u
    layer = ornament_layer(im.size)
    d = ImageDraw.Draw(layer)
    for x, y, r, a in ((168, 15, 7.5, 200), (198, 21, 5.0, 150), (222, 11, 6.0, 185),
                       (233, 24, 3.5, 120)):
        col = (140, 184, 226, a)
        for k in range(6):
            ang = math.pi / 6 + k * math.pi / 3
            ex, ey = x + r * math.cos(ang), y + r * math.sin(ang)
            d.line([(u(x) * SS, u(y) * SS), (u(ex) * SS, u(ey) * SS)], fill=col,
                   width=skin.px(SS))
            for f in (0.55,):
                bx, by = x + r * f * math.cos(ang), y + r * f * math.sin(ang)
                for side in (-1, 1):
                    a2 = ang + side * math.pi / 4
                    d.line([(u(bx) * SS, u(by) * SS), (u(bx + r * 0.3 * math.cos(a2)) * SS,
                                                       u(by + r * 0.3 * math.sin(a2)) * SS)],
                           fill=col, width=skin.px(SS * 3 // 4))
        d.ellipse([u(x - 1) * SS, u(y - 1) * SS, u(x + 1) * SS, u(y + 1) * SS],
                  fill=(120, 170, 215, a))
    apply_layer(im, layer, skin.px(140), skin.left_end - skin.px(10))


def ocean_ornament(skin, im):
    """Waves along the bottom and rising bubbles."""
    W, H = im.size
    h = skin.base.height
    u = skin.u
    layer = ornament_layer(im.size)
    d = ImageDraw.Draw(layer)
    xs = [i * 100 / skin.percent for i in range(skin.px(240) + 1)]  # one per pixel
    for base, amp, a, phase in ((h - 7.5, 2.0, 70, 0.0), (h - 4.5, 1.6, 55, 1.7)):
        pts = [(u(x) * SS, u(base + amp * math.sin(x / 9.0 + phase)) * SS) for x in xs]
        d.line(pts, fill=(150, 225, 255, a), width=skin.px(SS * 3 // 2))
    for x, y, r, a in ((176, 10, 2.2, 150), (190, 17, 1.5, 120), (204, 7, 1.8, 140),
                       (219, 14, 2.6, 130), (233, 9, 1.3, 110)):
        d.ellipse([u(x - r) * SS, u(y - r) * SS, u(x + r) * SS, u(y + r) * SS],
                  outline=(200, 240, 255, a), width=skin.px(SS * 3 // 4))
    # the waves fade out before the tile column so the bar continues plain
    fade = Image.new("L", layer.size, 255)
    fd = ImageDraw.Draw(fade)
    x0, x1 = skin.px(200), skin.px(238)
    for x in range(x0, x1):
        fd.line([(x * SS, 0), ((x + 1) * SS, 0), ((x + 1) * SS, H * SS)],
                fill=round(255 * (x1 - x) / (x1 - x0)))
    fd.rectangle([x1 * SS, 0, W * SS, H * SS], fill=0)
    layer.putalpha(Image.composite(layer.getchannel("A"), Image.new("L", layer.size, 0), fade))
    apply_layer(im, layer, skin.S, skin.left_end - skin.px(12))


def alpha_ornament(skin, im):
    """A fine rule after the title."""
    H = im.size[1]
    d = ImageDraw.Draw(im)
    y = H // 2
    t = skin.line
    x0, x1 = skin.px(166), skin.left_end - skin.px(16)
    for x in range(x0, x1):
        f = (x - x0) / (x1 - x0)
        for i in range(t):
            d.point((x, y + i), fill=mix(rgb("#b9bec4"), im.getpixel((x, y + i)), f))
            d.point((x, y + t + i), fill=mix(rgb("#ffffff"), im.getpixel((x, y + t + i)), f))


def wire_ornament(skin, im):
    """Thin wires joined by small nodes."""
    H = im.size[1]
    d = ImageDraw.Draw(im)
    wire = rgb("#6f8fc4")
    y = H // 2
    t = skin.line  # wires are t px thick, from their coordinate right and down
    d.rectangle([skin.px(148), y, skin.left_end - skin.px(14), y + t - 1], fill=wire)
    for x in (160, 184, 208):
        x = skin.px(x)
        d.rectangle([x - t, y - t, x + 2 * t - 1, y + 2 * t - 1], outline=wire,
                    fill=rgb("#f4f6fa"), width=t)
    x = skin.px(184)
    d.rectangle([x, skin.px(7), x + t - 1, y + t - 1], fill=wire)
    x = skin.px(208)
    d.rectangle([x, y, x + t - 1, H - skin.px(8)], fill=wire)


def hybrid_ornament(skin, im):
    """The two tones: a blue left panel ending in a slant over the light bar."""
    H = im.size[1]
    layer = ornament_layer(im.size)
    d = ImageDraw.Draw(layer)
    band = H - skin.px(5)  # the light band along the bottom runs under the panel
    rows = gradient([(0, "#5f8bd0"), (0.5, "#4471b5"), (1, "#2f5a9c")], band)
    x1 = skin.px(222)
    for y, c in enumerate(rows):
        x_end = x1 + (band - y) * 0.9
        d.line([(0, y * SS), (x_end * SS, y * SS)], fill=c + (255,), width=SS)
        d.line([(0, y * SS + SS // 2), (x_end * SS, y * SS + SS // 2)], fill=c + (255,),
               width=SS)
    # a light edge along the slant
    d.line([((x1 + band * 0.9) * SS, 0), (x1 * SS, band * SS)], fill=(255, 255, 255, 170),
           width=skin.px(SS))
    d.line([(0, band * SS), (x1 * SS, band * SS)], fill=(28, 58, 110, 160), width=skin.px(SS))
    apply_layer(im, layer, 0, skin.left_end - skin.px(12))


# ---------------------------------------------------------------- the seven looks

SQUARE = dict(button_h=16, button_w=32, button_x=-8, button_y=6, left_end=250,
              active_right=251, right_end=350)

SKINS = [
    Skin(0, "midnight", (478, 32), (42, 6), "GIF", **SQUARE,
         background=[(0, "#34507f"), (0.45, "#1d3059"), (1, "#0f1b35")],
         outline="#050a15", light="#4a6699", shade="#0b1428", inner="#070e1e",
         title="#eef3ff", title_halo="#02050c",
         buttons=dict(normal=("#2e4678", "#1a2b52"), pressed=("#0c1529", "#16254a"),
                      border="#5470a8", close=("#c4495a", "#8e2434"),
                      close_pressed=("#6e1824", "#8e2434"), close_border="#e0808a",
                      symbol="#dfe8ff", close_symbol="#ffffff", symbol_shadow="#050a15",
                      pressed_shadow="#000000", radius=4, symbol_size=8, weight=1.2,
                      grip="#41598a", grip_light="#0b1428"),
         decorate=midnight_ornament),
    Skin(1, "leaf", (478, 32), (42, 6), "GIF", **SQUARE,
         background=[(0, "#a8e08a"), (0.45, "#6dbb50"), (1, "#3f8a30")],
         outline="#24551b", light="#c9f0b2", shade="#2f6f25", inner="#2a6321",
         title="#ffffff", title_halo="#1d4a15",
         buttons=dict(normal=("#c6efae", "#7cc463"), pressed=("#3e8a31", "#5aa548"),
                      border="#2f6f25", close=("#f59a5c", "#d8602a"),
                      close_pressed=("#a84418", "#c9592a"), close_border="#8f3f16",
                      symbol="#1f4d17", close_symbol="#ffffff", symbol_pressed="#e8ffd8",
                      pressed_shadow="#1d4a15", radius=4, symbol_size=8, weight=1.2,
                      grip="#2f6f25", grip_light="#a8e08a"),
         decorate=leaf_ornament),
    Skin(2, "frost", (478, 32), (42, 6), "GIF", **SQUARE,
         background=[(0, "#fbfdff"), (0.45, "#e2eff9"), (1, "#c3dbef")],
         outline="#7f9fbe", light="#ffffff", shade="#a9c3dc", inner="#9bb8d4",
         title="#1d4670", title_halo="#ffffff",
         buttons=dict(normal=("#ffffff", "#d6e8f7"), pressed=("#a9c8e6", "#c8def2"),
                      border="#8eb0d0", close=("#f19a9a", "#d85f5f"),
                      close_pressed=("#b84444", "#cf5a5a"), close_border="#b85656",
                      symbol="#2b5680", close_symbol="#ffffff", pressed_shadow="#5f84aa",
                      radius=4, symbol_size=8, weight=1.2, grip="#88a8c8", grip_light="#ffffff"),
         decorate=frost_ornament),
    Skin(3, "ocean", (478, 32), (42, 6), "GIF", **SQUARE,
         background=[(0, "#3a9ad2"), (0.45, "#15619a"), (1, "#0a3d66")],
         outline="#04213b", light="#62b4e4", shade="#08345a", inner="#062c4d",
         title="#ffffff", title_halo="#03243f",
         buttons=dict(normal=("#3f9fd8", "#1a6aa6"), pressed=("#08345a", "#0f4c7e"),
                      border="#7cc8f0", close=("#ef7d6b", "#c2412f"),
                      close_pressed=("#86291c", "#b33b2a"), close_border="#ffb0a0",
                      symbol="#ffffff", close_symbol="#ffffff", symbol_shadow="#06335a",
                      pressed_shadow="#000000", radius=4, symbol_size=8, weight=1.2,
                      grip="#62b4e4", grip_light="#08345a"),
         decorate=ocean_ornament),
    Skin(4, "alpha", (451, 34), (70, 10), "JPEG", button_h=17, button_w=17, button_x=-4,
         button_y=9, left_end=250, active_right=251, right_end=383,
         background=[(0, "#ffffff"), (0.5, "#f1f1f1"), (1, "#e2e2e2")],
         outline="#9a9a9a", light="#ffffff", shade="#c8c8c8", inner="#b4b4b4",
         title="#444444", title_halo="#ffffff",
         buttons=dict(normal=("#ffffff", "#e8e8e8"), pressed=("#c9c9c9", "#dedede"),
                      border="#a8a8a8", close=("#ffffff", "#e8e8e8"),
                      close_pressed=("#e2b0b0", "#efcaca"), close_border="#a8a8a8",
                      symbol="#505050", close_symbol="#b0302c", pressed_shadow="#808080",
                      radius=3, symbol_size=7, weight=1.1, inset_x=1, inset_y=1,
                      grip="#a0a0a0", grip_light="#ffffff", font=14),
         decorate=alpha_ornament),
    Skin(5, "alphawire", (464, 24), (84, 12), "GIF", button_h=12, button_w=16, button_x=-12,
         button_y=6, left_end=250, active_right=251, right_end=400,
         background=[(0, "#f1f3f7"), (1, "#dce1ea")],
         outline="#4471b5", light="#ffffff", shade="#c2c8d5", inner="#4471b5",
         title="#2f5d9e", title_halo="#ffffff",
         features={3: "#8fa8d2"},
         buttons=dict(normal=None, pressed="#b9cae6", border="#4471b5", close=None,
                      close_pressed="#e8b4b4", close_border="#b5444d",
                      symbol="#2f5d9e", close_symbol="#b5444d", radius=1, symbol_size=6,
                      weight=1.0, inset_x=1, inset_y=0, icon=16, font=11,
                      grip="#4471b5", grip_light="#ffffff"),
         decorate=wire_ornament),
    Skin(6, "hybrid", (435, 30), (35, 5), "JPEG", button_h=15, button_w=15, button_x=-8,
         button_y=5, left_end=289, active_right=290, right_end=375,
         background=[(0, "#ffffff"), (0.5, "#eef2f8"), (1, "#d9e1ee")],
         outline="#2f5a9c", light="#ffffff", shade="#b7c4d8", inner="#4471b5",
         title="#ffffff", title_halo="#1c3a6e",
         buttons=dict(normal=("#ffffff", "#d5e1f2"), pressed=("#a9c0e3", "#8eaad8"),
                      border="#4471b5", close=("#e98080", "#cc4646"),
                      close_pressed=("#b44040", "#9e3232"), close_border="#9e3232",
                      symbol="#2f5a9c", close_symbol="#ffffff", two_tone=True,
                      pressed_shadow="#2f5a9c", radius=3, symbol_size=7, weight=1.1,
                      icon=18, font=12, grip="#4471b5", grip_light="#ffffff"),
         decorate=hybrid_ornament),
]


# ---------------------------------------------------------------- bars and icon

def draw_bar(width, height, arrow, p=100):
    """A light vertical bar with an arrow at mid-height ("left" or "right"); width and height
    are the 100 % design, drawn at p percent."""
    width, height = scale(width, p), scale(height, p)

    def u(v):
        return v if p == 100 else v * p / 100

    t = scale(1, p)  # 1-px lines and dots
    im = Image.new("RGB", (width, height))
    d = ImageDraw.Draw(im)
    cols = gradient([(0, "#fbfcfe"), (0.5, "#eef2f7"), (1, "#d9e0ea")], width)
    for x, c in enumerate(cols):
        d.line([(x, 0), (x, height - 1)], fill=c)
    d.rectangle([0, 0, t - 1, height - 1], fill=rgb("#c3ccd8"))
    d.rectangle([width - t, 0, width - 1, height - 1], fill=rgb("#aab5c4"))
    mid = height // 2
    # a slightly darker pad behind the arrow
    pad = scale(14, p)
    d.rectangle([t, mid - pad, width - 1 - t, mid + pad], fill=rgb("#e2e8f1"))
    d.rectangle([t, mid - pad - t, width - 1 - t, mid - pad - 1], fill=rgb("#c9d2de"))
    d.rectangle([t, mid + pad + 1, width - 1 - t, mid + pad + t], fill=rgb("#ffffff"))
    # the arrow, supersampled
    layer = Image.new("RGBA", (width * SS, height * SS), (0, 0, 0, 0))
    ld = ImageDraw.Draw(layer)
    half = u(4.5)
    cx = width / 2.0
    tip, base = (cx - u(2.3), cx + u(2.3)) if arrow == "left" else (cx + u(2.3), cx - u(2.3))
    ld.polygon([(tip * SS, (mid + 0.5) * SS), (base * SS, (mid + 0.5 - half) * SS),
                (base * SS, (mid + 0.5 + half) * SS)], fill=rgb("#3c5d88") + (255,))
    arrow_im = layer.resize((width, height), Image.Resampling.LANCZOS)
    im.paste(Image.alpha_composite(im.convert("RGBA"), arrow_im).convert("RGB"))
    d = ImageDraw.Draw(im)
    # grip dots above and below the arrow, mirrored about the arrow's row, each lit below right
    for k in range(3):
        for sign in (-1, 1):
            off = scale(22 + 4 * k, p)
            y = mid + off if sign > 0 else mid - off - t + 1
            x = width // 2 - t
            d.rectangle([x, y, x + t - 1, y + t - 1], fill=rgb("#8d9bb0"))
            d.rectangle([x + t, y + t, x + 2 * t - 1, y + 2 * t - 1], fill=rgb("#ffffff"))
    return im


def write_ico_24bit(image, path):
    """One 24-bit entry with an opaque AND mask."""
    w, h = image.size
    rgb_im = image.convert("RGB")
    row_bytes = (w * 3 + 3) & ~3
    xor = bytearray()
    for y in range(h - 1, -1, -1):  # bottom-up
        row = bytearray()
        for x in range(w):
            r, g, b = rgb_im.getpixel((x, y))
            row += bytes((b, g, r))
        row += b"\0" * (row_bytes - len(row))
        xor += row
    mask_row = ((w + 31) // 32) * 4
    and_mask = bytes(mask_row * h)
    header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 24, 0, len(xor) + len(and_mask),
                         0, 0, 0, 0)
    data = header + bytes(xor) + and_mask
    icondir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 24, len(data), 6 + 16)
    with open(path, "wb") as f:
        f.write(icondir + entry + data)


def draw_icon(size=240):
    """The window icon: the TV glyph on a soft rounded tile, opaque."""
    bg = Image.new("RGBA", (size, size))
    rows = gradient([(0, "#f4f8fd"), (1, "#d3e0f0")], size)
    d = ImageDraw.Draw(bg)
    for y, c in enumerate(rows):
        d.line([(0, y), (size - 1, y)], fill=c + (255,))
    tv = tv_glyph(size - 24)
    bg.alpha_composite(tv, (12, 14))
    return bg.convert("RGB")


# ---------------------------------------------------------------- saving

def save_skin(skin, folder):
    check_relations(skin)
    caption = draw_caption(skin)
    borders = draw_borders(skin, caption)
    assert caption.size == skin.caption_size, skin.name
    assert borders.size == skin.borders_size, skin.name
    base = os.path.join(folder, f"skin{skin.number}_{skin.name}")
    caption.save(base + "_caption.jpg", "JPEG", quality=95, subsampling=0, optimize=True)
    if skin.borders_format == "GIF":
        pal = borders.quantize(colors=256, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
        assert list(pal.convert("RGB").getdata()) == list(borders.getdata()), "lossy GIF"
        pal.save(base + "_borders.gif", "GIF")
        ext = "gif"
    else:
        borders.save(base + "_borders.jpg", "JPEG", quality=95, subsampling=0, optimize=True)
        ext = "jpg"
    return (Image.open(base + "_caption.jpg").convert("RGB"),
            Image.open(f"{base}_borders.{ext}").convert("RGB"))


def save_bars(folder, p=100):
    narrow = draw_bar(10, 401, "left", p)
    widen = draw_bar(9, 403, "right", p)
    assert narrow.size == (scale(10, p), scale(401, p)), p
    assert widen.size == (scale(9, p), scale(403, p)), p
    narrow.save(os.path.join(folder, "bar_narrow.bmp"), "BMP")
    widen.save(os.path.join(folder, "bar_widen.bmp"), "BMP")
    return narrow, widen


def compose_window(skin, caption, borders, W, H, pressed=None, maximized=False):
    """The frame as the skinned window paints it, with a plain client area."""
    S = borders.size[1]
    h0 = caption.size[1]
    out = Image.new("RGB", (W, H), rgb("#ffffff"))
    RW = skin.right_end - skin.active_right + 1
    bar = Image.new("RGB", (W + RW, h0))
    bar.paste(caption.crop((0, 0, skin.left_end, h0)), (0, 0))
    x_right = max(W - RW + 1, RW)
    tile = caption.crop((skin.left_end + 1, 0, skin.active_right + 1, h0))
    for x in range(skin.left_end, x_right, tile.size[0]):
        bar.paste(tile, (x, 0))
    bar.paste(caption.crop((skin.active_right, 0, skin.active_right + RW, h0)), (x_right, 0))
    bx = W + skin.button_x
    for index, k in ((0, 0), (1, 1 if maximized else 2), (2, 3)):
        bx -= skin.button_w + 1
        row = skin.button_h if pressed == index else 0
        col = skin.right_end + k * skin.button_w
        bar.paste(caption.crop((col, row, col + skin.button_w, row + skin.button_h)),
                  (bx, skin.button_y))
    out.paste(bar.crop((0, 0, W, h0)), (0, 0))

    def tile_at(k):
        return borders.crop((k * S, 0, (k + 1) * S, S))

    for y in range(h0, H, S):
        out.paste(tile_at(0), (0, y))
        out.paste(tile_at(4), (W - S, y))
    for x in range(0, W, S):
        out.paste(tile_at(3), (x, H - S))
    out.paste(tile_at(2), (0, H - S))
    out.paste(tile_at(6), (W - S, H - S))
    # the client area covers the rest
    ImageDraw.Draw(out).rectangle([S, h0, W - S - 1, H - S - 1], fill=rgb("#ffffff"))
    return out


def contact_sheet(pictures, bars, icon):
    font = ImageFont.truetype(FONT, 12)
    W, H = 560, 92
    pad = 12
    sheet_w = W + 2 * pad + 420
    sheet_h = pad + len(pictures) * (H + 26) + 2 * 70 + 20
    sheet = Image.new("RGB", (sheet_w, sheet_h), rgb("#7a7f88"))
    d = ImageDraw.Draw(sheet)
    y = pad
    for skin, (caption, borders) in pictures:
        d.text((pad, y), f"style {skin.number}: {skin.name}  caption {caption.size[0]}x"
               f"{caption.size[1]}  borders {borders.size[0]}x{borders.size[1]}",
               font=font, fill=(255, 255, 255))
        y += 16
        sheet.paste(compose_window(skin, caption, borders, W, H), (pad, y))
        small = compose_window(skin, caption, borders, 400, H, pressed=0, maximized=True)
        sheet.paste(small, (pad + W + 16, y))
        y += H + 10
    sheet.paste(bars[0].resize((bars[0].size[0] * 2, 140)), (pad, y))
    sheet.paste(bars[1].resize((bars[1].size[0] * 2, 140)), (pad + 30, y))
    sheet.paste(icon.resize((120, 120), Image.Resampling.LANCZOS), (pad + 70, y))
    sheet.paste(icon.resize((32, 32), Image.Resampling.LANCZOS), (pad + 200, y))
    sheet.paste(icon.resize((16, 16), Image.Resampling.LANCZOS), (pad + 240, y))
    return sheet


def main():
    # the rule's halves go away from zero, not to even
    assert (scale(5, 150), scale(-8, 150), scale(9, 150), scale(250, 125)) == (8, -12, 14, 313)
    hybrid = at_scale(SKINS[6], 150)
    assert (hybrid.button_h, hybrid.button_w, hybrid.button_x, hybrid.button_y, hybrid.left_end,
            hybrid.right_end, hybrid.caption_size, hybrid.borders_size) == \
        (23, 23, -12, 8, 434, 563, (655, 46), (56, 8))
    pictures = [(skin, save_skin(skin, HERE)) for skin in SKINS]
    bars = save_bars(HERE)
    icon = draw_icon(240)
    write_ico_24bit(icon, os.path.join(HERE, "zelvano.ico"))
    contact_sheet(pictures, bars, icon).save(os.path.join(HERE, "preview.png"))
    for p in SCALES:
        folder = os.path.join(HERE, str(p))
        os.makedirs(folder, exist_ok=True)
        for skin in SKINS:
            save_skin(at_scale(skin, p), folder)
        save_bars(folder, p)


if __name__ == "__main__":
    main()
