#!/usr/bin/python3
"""Draws the three banner pictures of the update window.

The window shows one banner per edition above the progress gauge: the
standard edition (Image2), premium (ImagePremium) and the 300 edition
(Image300). Each picture is 756 x 482 pixels; the window shows its top-left
747 x 478 pixels, and the gauge covers the lowest rows, so nothing that
matters is drawn near the right and bottom edges.

The output is deterministic: the same Pillow and the same fonts give the same
bytes, so the pictures can be regenerated and diffed.

Usage: /usr/bin/python3 tools/make_banners.py [output directory]
(default: ui/qt/images beside this script's repository root). Needs
python3-pil and fonts-dejavu-core.
"""

import math
import os
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageFont

WIDTH, HEIGHT = 756, 482
# Drawn at twice the size and scaled down, so shapes get smooth edges.
SCALE = 2
FONT_DIR = "/usr/share/fonts/truetype/dejavu"

TITLE = "Quelor vereinsverwaltung"
HEADLINE = "Datenbank-Update auf Release 11"
FOOTER = "Alle Datenbanken werden aktualisiert. Bitte schließen Sie das Fenster nicht."

# One entry per picture: file name, edition word, tag line, accent colour.
EDITIONS = [
    ("banner_standard.jpg", "standard", "Mitglieder, Beiträge und Finanzen im Griff",
     (126, 196, 207)),
    ("banner_premium.jpg", "premium", "Die umfassende Lösung für Ihren Verein",
     (226, 192, 120)),
    ("banner_300.jpg", "300", "Die kompakte Ausgabe für kleinere Vereine",
     (160, 206, 150)),
]

TOP_COLOUR = (22, 48, 74)
BOTTOM_COLOUR = (52, 98, 124)
TEXT_COLOUR = (246, 248, 250)
MUTED_TEXT = (196, 214, 226)


def font(name, size):
    return ImageFont.truetype(os.path.join(FONT_DIR, name), size * SCALE)


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def background():
    image = Image.new("RGB", (WIDTH * SCALE, HEIGHT * SCALE))
    draw = ImageDraw.Draw(image)
    for y in range(HEIGHT * SCALE):
        draw.line([(0, y), (WIDTH * SCALE, y)],
                  fill=mix(TOP_COLOUR, BOTTOM_COLOUR, y / (HEIGHT * SCALE - 1)))
    return image


def waves(image, accent):
    """Soft translucent bands across the lower half, in the accent colour."""
    w, h = image.size
    for index, (base, amplitude, period, phase, alpha) in enumerate([
            (0.79, 0.040, 1.30, 0.0, 26),
            (0.85, 0.030, 0.95, 1.7, 20),
            (0.91, 0.025, 1.60, 3.1, 54)]):
        layer = Image.new("RGBA", image.size, (0, 0, 0, 0))
        draw = ImageDraw.Draw(layer)
        points = []
        for x in range(0, w + 1, 4):
            t = x / w
            y = h * (base + amplitude * math.sin(2 * math.pi * t / period + phase))
            points.append((x, y))
        points += [(w, h), (0, h)]
        colour = accent if index == 2 else (255, 255, 255)
        draw.polygon(points, fill=colour + (alpha,))
        image = Image.alpha_composite(image.convert("RGBA"), layer)
    return image.convert("RGB")


def emblem(image, accent):
    """A database drum with an upward arrow: what the program does."""
    s = SCALE
    layer = Image.new("RGBA", image.size, (0, 0, 0, 0))
    draw = ImageDraw.Draw(layer)
    left, top, size = 56 * s, 70 * s, 112 * s
    draw.rounded_rectangle([left, top, left + size, top + size], radius=22 * s,
                           fill=(255, 255, 255, 30), outline=accent + (255,), width=3 * s)
    body = (240, 244, 247, 255)
    lid = (255, 255, 255, 255)
    line = (112, 140, 160, 255)
    cx, half_w, ell_h = left + 44 * s, 27 * s, 14 * s
    upper, lower = top + 28 * s, top + 84 * s
    draw.ellipse([cx - half_w, lower - ell_h // 2, cx + half_w, lower + ell_h // 2], fill=body)
    draw.rectangle([cx - half_w, upper, cx + half_w, lower], fill=body)
    # The seams between the three discs: lower halves of ellipses.
    for seam in (upper + (lower - upper) // 3, upper + 2 * (lower - upper) // 3, lower):
        draw.arc([cx - half_w, seam - ell_h // 2, cx + half_w, seam + ell_h // 2], 0, 180,
                 fill=line, width=2 * s)
    draw.ellipse([cx - half_w, upper - ell_h // 2, cx + half_w, upper + ell_h // 2], fill=lid,
                 outline=line, width=2 * s)
    # The arrow beside the drum.
    ax = left + 91 * s
    draw.rectangle([ax - 4 * s, top + 44 * s, ax + 4 * s, top + 88 * s], fill=accent + (255,))
    draw.polygon([(ax - 13 * s, top + 46 * s), (ax + 13 * s, top + 46 * s),
                  (ax, top + 26 * s)], fill=accent + (255,))
    return Image.alpha_composite(image.convert("RGBA"), layer).convert("RGB")


def text(image, accent, edition, tagline):
    s = SCALE
    draw = ImageDraw.Draw(image)
    x = 196 * s
    draw.text((x, 72 * s), TITLE, font=font("DejaVuSans-Bold.ttf", 34), fill=TEXT_COLOUR)
    edition_font = font("DejaVuSans-ExtraLight.ttf", 46)
    draw.text((x - 2 * s, 112 * s), edition, font=edition_font, fill=accent)
    # A thin rule under the edition word.
    rule_y = 182 * s
    draw.line([(x, rule_y), (x + 330 * s, rule_y)], fill=accent, width=2 * s)
    draw.text((x, 198 * s), tagline, font=font("DejaVuSans.ttf", 17), fill=MUTED_TEXT)

    draw.text((56 * s, 288 * s), HEADLINE, font=font("DejaVuSans-Bold.ttf", 22),
              fill=TEXT_COLOUR)
    draw.text((56 * s, 322 * s), FOOTER, font=font("DejaVuSans.ttf", 13), fill=MUTED_TEXT)
    return image


def banner(edition, tagline, accent):
    image = background()
    image = waves(image, accent)
    image = emblem(image, accent)
    image = text(image, accent, edition, tagline)
    image = image.resize((WIDTH, HEIGHT), Image.LANCZOS)
    # A touch of sharpening brings back the crispness lost in scaling.
    return image.filter(ImageFilter.UnsharpMask(radius=1, percent=40, threshold=2))


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "ui", "qt", "images")
    os.makedirs(out_dir, exist_ok=True)
    for file_name, edition, tagline, accent in EDITIONS:
        path = os.path.join(out_dir, file_name)
        # Baseline JPEG without metadata, fixed quality and subsampling: the
        # same input always gives the same bytes.
        banner(edition, tagline, accent).save(path, "JPEG", quality=90, subsampling=0,
                                             optimize=False, progressive=False)
        print(path)


if __name__ == "__main__":
    main()
