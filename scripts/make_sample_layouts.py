#!/usr/bin/env python3
"""Writes the sample test layouts of data/TLs/ (the 76 names of the layout
list). Each is a small page composition (covers, cards, logo sheets, forms,
text pages, flat UI cards) with default colours of its own. Run from the
repository's top folder; the files are written with CR LF line ends."""

import os
import random

OUT = os.path.join("data", "TLs")

LOREM = ("Lorem ipsum dolor sit amet, consectetur adipiscing elit. Sed do eiusmod tempor "
         "incididunt ut labore et dolore magna aliqua. Ut enim ad minim veniam, quis nostrud "
         "exercitation ullamco laboris nisi ut aliquip ex ea commodo consequat.")
LOREM2 = ("Duis aute irure dolor in reprehenderit in voluptate velit esse cillum dolore eu fugiat "
          "nulla pariatur. Excepteur sint occaecat cupidatat non proident, sunt in culpa qui "
          "officia deserunt mollit anim id est laborum.")

# Palettes: background, primary, secondary, accent, dark text, light text, soft.
PALETTES = [
    ("#FFFFFF", "#1F4E79", "#2E75B6", "#F4B183", "#1A1A1A", "#FFFFFF", "#DEEBF7"),
    ("#FAF7F2", "#7A3E1D", "#C0504D", "#E8B04B", "#2B2118", "#FFFFFF", "#F2E3D5"),
    ("#F4F9F4", "#2D6A4F", "#52B788", "#FFB703", "#1B2E25", "#FFFFFF", "#D8F3DC"),
    ("#1E1E2E", "#89B4FA", "#CBA6F7", "#F38BA8", "#CDD6F4", "#1E1E2E", "#313244"),
    ("#FFFFFF", "#E63946", "#457B9D", "#A8DADC", "#1D3557", "#FFFFFF", "#F1FAEE"),
    ("#FFFDF7", "#264653", "#2A9D8F", "#E9C46A", "#222222", "#FFFFFF", "#F4A261"),
    ("#F7F7F7", "#5B2A86", "#9A79C5", "#F9C80E", "#241332", "#FFFFFF", "#E9E0F2"),
    ("#FFFFFF", "#0B3954", "#087E8B", "#FF5A5F", "#0B3954", "#FFFFFF", "#BFD7EA"),
    ("#F5F1E8", "#3D405B", "#81B29A", "#E07A5F", "#3D405B", "#FFFFFF", "#F2CC8F"),
    ("#101820", "#FEE715", "#F2AA4C", "#7FD1B9", "#F5F5F5", "#101820", "#2B3A47"),
]

PICTURES = ["pics\\leaf.png", "pics\\badge.bmp", "pics\\mark.ico", "pics\\photo.jpg",
            "pics\\wave.svg", "pics\\star.wmf", "pics\\ribbon.emf", "pics/stripes.png"]

FONTS = ["Tahoma", "Arial", "Georgia", "Verdana", "Times New Roman", "Courier New",
         "Liberation Sans", "Liberation Serif", "DejaVu Sans"]


def named(hex_rgb):
    """The colour as the layout files store it: $00BBGGRR."""
    r, g, b = hex_rgb[1:3], hex_rgb[3:5], hex_rgb[5:7]
    return "$00" + (b + g + r).upper()


class Layout:
    def __init__(self, title, width, height, palette, description=""):
        self.lines = [("name", title.split(" - ")[0]), ("title", title),
                      ("description", description), ("author", "KT Tessaro samples"),
                      ("version", "1.0"), ("program", "Tessaro"), ("pver", "1.5.3"),
                      ("width", str(width)), ("height", str(height))]
        self.width, self.height = width, height
        self.palette = palette
        self.shapes = []
        self.texts = []
        self.images = []
        self.background = palette[0]

    def shape(self, left, top, width, height, color, ellipse=False):
        self.shapes.append((left, top, width, height, color, ellipse))

    def text(self, left, top, width, height, text, color, font="Tahoma", size=10,
             bold=False, italic=False, underline=False):
        self.texts.append((left, top, width, height, text, color, font, size, bold, italic, underline))

    def image(self, left, top, width, height, filename, stretch=False, center=False):
        self.images.append((left, top, width, height, filename, stretch, center))

    def write(self, name):
        assert len(self.shapes) <= 10 and len(self.texts) <= 10 and len(self.images) <= 5, name
        out = [f"{k}={v}" for k, v in self.lines if v != ""]
        # Shape 1 is the topmost: the shape added first lies at the bottom.
        for n, (l, t, w, h, c, e) in enumerate(reversed(self.shapes), 1):
            out += [f"s{n}.left={l}", f"s{n}.top={t}", f"s{n}.width={w}", f"s{n}.height={h}",
                    f"s{n}.visible=1", f"s{n}.shape={'e' if e else 'r'}", f"s{n}.color={named(c)}"]
        for n in range(len(self.shapes) + 1, 11):
            out += [f"s{n}.visible=0"]
        for n, (l, t, w, h, s, c, f, z, b, i, u) in enumerate(self.texts, 1):
            out += [f"t{n}.left={l}", f"t{n}.top={t}", f"t{n}.width={w}", f"t{n}.height={h}",
                    f"t{n}.font={f}", f"t{n}.font.size={z}", f"t{n}.text={s}", f"t{n}.visible=1",
                    f"t{n}.bold={int(b)}", f"t{n}.italic={int(i)}", f"t{n}.underline={int(u)}",
                    f"t{n}.color={named(c)}"]
        for n in range(len(self.texts) + 1, 11):
            out += [f"t{n}.visible=0"]
        for n, (l, t, w, h, f, s, c) in enumerate(self.images, 1):
            out += [f"i{n}.left={l}", f"i{n}.top={t}", f"i{n}.width={w}", f"i{n}.height={h}",
                    f"i{n}.filename={f}", f"i{n}.visible=1", f"i{n}.stretch={int(s)}",
                    f"i{n}.center={int(c)}"]
        for n in range(len(self.images) + 1, 6):
            out += [f"i{n}.visible=0"]
        out.append(f"background.color={named(self.background)}")
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(("\r\n".join(out) + "\r\n").encode("utf-8"))


# ---- compositions -------------------------------------------------------

def book_cover(title, p, rnd):
    L = Layout(title, 372, 526, p, "The back of a book cover: blurb, author, bar code.")
    bg, pri, sec, acc, dark, light, soft = p
    L.background = pri
    L.shape(0, 0, 372, 120, sec)
    L.shape(236, 60, 110, 110, acc, True)
    L.shape(24, 440, 140, 60, "#FFFFFF")
    L.shape(24, 150, 4, 200, acc)
    L.text(40, 20, 190, 96, "A Season of Small Colours", light, "Georgia", 18, True)
    L.text(40, 150, 300, 190, LOREM + " " + LOREM2, light, "Georgia", 10)
    L.text(40, 350, 300, 40, "\u201cA quiet, luminous book.\u201d  The Daily Review", acc, "Georgia", 10, False, True)
    L.text(30, 448, 128, 44, "9 780000 123456", dark, "Courier New", 9)
    L.text(200, 470, 150, 30, "Harbour Press", light, "Verdana", 11, True)
    L.image(250, 420, 90, 50, PICTURES[1], True)
    return L


def factors(title, p, rnd):
    L = Layout(title, 526, 372, p, "A bar chart of weighted factors.")
    bg, pri, sec, acc, dark, light, soft = p
    L.text(20, 14, 480, 30, "Factors of Something", pri, "Verdana", 16, True)
    L.text(20, 44, 480, 20, "Share of each factor in the final score", dark, "Verdana", 9, False, True)
    labels = ["Price", "Quality", "Service", "Speed", "Design"]
    colours = [pri, sec, acc, soft, pri]
    for i, lab in enumerate(labels):
        w = rnd.randint(120, 360)
        L.shape(120, 80 + 52 * i, w, 34, colours[i])
        L.text(20, 88 + 52 * i, 96, 20, lab, dark, "Verdana", 10, True)
    L.shape(116, 76, 2, 262, dark)
    L.text(20, 342, 480, 20, "Source: our own survey, 2026", dark, "Verdana", 8)
    L.image(440, 10, 64, 48, PICTURES[4], True)
    return L


def fonts(title, p, rnd, faces):
    L = Layout(title, 425, 385, p, "Specimen of type faces and sizes.")
    bg, pri, sec, acc, dark, light, soft = p
    L.shape(0, 0, 425, 52, pri)
    L.text(16, 12, 390, 30, title.replace(".sts", ""), light, faces[0], 18, True)
    y = 64
    sizes = [24, 18, 14, 12, 10, 9, 8]
    for i, size in enumerate(sizes):
        face = faces[i % len(faces)]
        h = int(size * 1.9) + 4
        sample = "Quick fox" if size >= 24 else "Quick brown fox" if size >= 18 else "The quick brown fox jumps"
        L.text(16, y, 395, h, f"{face} {size}: {sample}", dark if i % 2 == 0 else sec,
               face, size, i == 1, i == 2)
        y += h + 4
    L.shape(16, y + 2, 393, 2, acc)
    L.text(16, y + 10, 395, 40, "ABCDEFGHIJKLM nopqrstuvwxyz 0123456789 &?!", pri, faces[-1], 11)
    return L


def form(title, p, rnd):
    L = Layout(title, 425, 385, p, "A sign-up form with fields and a button.")
    bg, pri, sec, acc, dark, light, soft = p
    L.shape(0, 0, 425, 56, pri)
    L.text(20, 16, 380, 30, "Create your account", light, "Verdana", 14, True)
    fields = ["Full name", "E-mail", "Password", "Company"]
    for i, f in enumerate(fields):
        y = 76 + 58 * i
        L.text(24, y, 200, 18, f, dark, "Verdana", 9, True)
        L.shape(24, y + 20, 376, 28, soft)
    L.shape(24, 316, 150, 40, acc)
    L.text(44, 326, 120, 22, "Sign up", dark, "Verdana", 11, True)
    L.text(196, 322, 210, 40, "Already registered? Log in instead.", sec, "Verdana", 9, False, False, True)
    L.image(360, 8, 40, 40, PICTURES[2], False, True)
    return L


def logo(title, p, rnd, variant):
    L = Layout(title, 526, 372, p, "Logo sheet: the mark on light and dark grounds.")
    bg, pri, sec, acc, dark, light, soft = p
    L.shape(0, 0, 263, 372, bg)
    L.shape(263, 0, 263, 372, pri)
    for i, (x, fill, ring) in enumerate([(66, pri, acc), (329, light, acc)]):
        if variant == 0:
            L.shape(x + 20, 70, 90, 90, ring, True)
            L.shape(x + 40, 90, 50, 50, fill, True)
        else:
            L.shape(x + 10, 80, 110, 70, ring)
            L.shape(x + 30, 95, 70, 40, fill, True)
    L.text(40, 190, 200, 40, "Northwind", pri, "Georgia", 22, True)
    L.text(303, 190, 200, 40, "Northwind", light, "Georgia", 22, True)
    L.text(40, 232, 200, 20, "TRADING COMPANY", sec, "Verdana", 9)
    L.text(303, 232, 200, 20, "TRADING COMPANY", acc, "Verdana", 9)
    L.text(40, 310, 200, 40, "Minimum size 24 px. Keep clear space of one ring width.", dark, "Verdana", 8)
    if variant == 2:
        L.image(440, 276, 64, 64, PICTURES[5], True)
    else:
        L.image(452, 284, 48, 48, PICTURES[2], False, True)
    return L


def text_page(title, p, rnd, columns):
    L = Layout(title, 372, 526, p, "A text page with headline, intro and body.")
    bg, pri, sec, acc, dark, light, soft = p
    L.text(28, 28, 316, 60, "On the Colour of Ordinary Things", pri, "Georgia", 20, True)
    L.shape(28, 94, 60, 4, acc)
    L.text(28, 110, 316, 56, "An essay on how everyday objects teach us to see.", sec, "Georgia", 12, False, True)
    if columns == 1:
        L.text(28, 176, 316, 150, LOREM, dark, "Georgia", 10)
        L.text(28, 330, 316, 150, LOREM2, dark, "Georgia", 10)
    else:
        L.text(28, 176, 150, 300, LOREM + " " + LOREM2, dark, "Georgia", 9)
        L.text(194, 176, 150, 300, LOREM2 + " " + LOREM, dark, "Georgia", 9)
    L.shape(28, 486, 316, 1, soft)
    L.text(28, 492, 316, 20, "Page 12", sec, "Verdana", 8)
    return L


def card(title, p, rnd, who):
    L = Layout(title, 526, 372, p, "A business card on a desk.")
    bg, pri, sec, acc, dark, light, soft = p
    L.background = soft
    L.shape(63, 66, 400, 240, bg)
    L.shape(63, 66, 12, 240, pri)
    L.shape(383, 90, 60, 60, acc, True)
    L.text(100, 100, 260, 34, who[0], pri, "Verdana", 18, True)
    L.text(100, 136, 260, 20, who[1], sec, "Verdana", 10, False, True)
    L.text(100, 200, 300, 18, "+1 555 0100", dark, "Verdana", 9)
    L.text(100, 220, 300, 18, "hello@example.com", dark, "Verdana", 9)
    L.text(100, 240, 300, 18, "www.example.com", dark, "Verdana", 9, False, False, True)
    L.image(393, 230, 48, 48, PICTURES[0], True)
    return L


def headline(title, p, rnd, big):
    L = Layout(title, 425, 385, p, "A headline and body pair.")
    bg, pri, sec, acc, dark, light, soft = p
    if big:
        L.background = pri
        head, body = light, soft
    else:
        head, body = pri, dark
    L.text(24, 30, 377, 90, rnd.choice(["Make every colour count", "Colour is a conversation",
                                        "Less noise, more signal", "Designing with daylight"]),
           head, rnd.choice(["Georgia", "Verdana", "Arial"]), 26, True)
    L.shape(24, 130, 80, 5, acc)
    L.text(24, 150, 377, 110, LOREM, body, "Verdana", 10)
    L.shape(24, 276, 377, 80, sec if big else soft)
    L.text(40, 290, 345, 56, "\u201cGood contrast is good manners.\u201d", light if big else pri, "Georgia", 13, False, True)
    return L


def ui_cards(title, p, rnd, size):
    w, h = size
    L = Layout(title, w, h, p, "Flat interface cards with buttons.")
    bg, pri, sec, acc, dark, light, soft = p
    L.background = soft
    L.shape(0, 0, w, 44, pri)
    L.text(16, 12, w - 120, 24, "Dashboard", light, "Verdana", 12, True)
    L.image(w - 44, 6, 32, 32, PICTURES[2], False, True)
    n = 3 if w >= 600 else 2
    cw = (w - 16 * (n + 1)) // n
    for i in range(n):
        x = 16 + i * (cw + 16)
        L.shape(x, 64, cw, h - 140, bg)
        L.shape(x, 64, cw, 6, [sec, acc, pri][i])
        L.text(x + 12, 82, cw - 24, 24, ["Visitors", "Revenue", "Tickets"][i], dark, "Verdana", 11, True)
        L.text(x + 12, 110, cw - 24, h - 200, LOREM[: 60 + 30 * i], dark, "Verdana", 9)
    L.shape(16, h - 60, 140, 36, acc)
    L.text(30, h - 51, 120, 20, "View report", dark, "Verdana", 10, True)
    L.text(172, h - 51, w - 190, 20, "Updated 5 minutes ago", sec, "Verdana", 9, False, True)
    return L


def poster(title, p, rnd, size):
    w, h = size
    L = Layout(title, w, h, p, "A poster of overlapping circles.")
    bg, pri, sec, acc, dark, light, soft = p
    for i in range(6):
        r = rnd.randint(min(w, h) // 5, min(w, h) // 2)
        L.shape(rnd.randint(-r // 3, w - r), rnd.randint(-r // 3, h - r), r, r, [pri, sec, acc, soft][i % 4], True)
    L.shape(0, h - 90, w, 90, dark)
    L.text(20, h - 82, w - 40, 40, "Summer Colour Festival", bg, "Verdana", 18, True)
    L.text(20, h - 42, w - 40, 30, "12 - 14 July, Harbour Square", acc, "Verdana", 10)
    L.image(w - 84, 12, 72, 72, rnd.choice([PICTURES[4], PICTURES[6], PICTURES[7]]), True)
    return L


def shapes_and_text(title, p, rnd, size):
    w, h = size
    L = Layout(title, w, h, p, "Shapes with labels, for trying a palette.")
    bg, pri, sec, acc, dark, light, soft = p
    colours = [pri, sec, acc, soft, dark]
    cols = 5
    cell = (w - 40) // cols
    for i in range(10):
        x = 20 + (i % cols) * cell
        y = 40 + (i // cols) * (cell + 40)
        L.shape(x, y, cell - 12, cell - 12, colours[i % 5], i % 2 == 1)
    for i in range(5):
        L.text(20 + i * cell, 40 + cell - 8, cell - 10, 18, ["Primary", "Second", "Accent", "Soft", "Ink"][i],
               dark, "Verdana", 8)
    L.text(20, 8, w - 40, 24, title.replace(".sts", ""), pri, "Verdana", 12, True)
    below = 40 + 2 * cell + 40
    L.text(20, below, w - 40, max(40, h - below - 10), LOREM2, dark, "Verdana", 9)
    L.image(w - 44, 6, 28, 28, rnd.choice(PICTURES[:5]), True)
    return L


def demo(title, p, rnd, variant):
    if variant == 1:
        L = Layout(title, 425, 385, p, "The first demo: a web page header, a card and a button.")
    else:
        L = Layout(title, 526, 372, p, "A demo page with a banner and three columns.")
    bg, pri, sec, acc, dark, light, soft = p
    w, h = L.width, L.height
    L.shape(0, 0, w, 70, pri)
    L.shape(20, 15, 40, 40, acc, True)
    L.text(72, 14, w - 200, 30, "Tessaro Studio", light, "Verdana", 16, True)
    L.text(72, 42, w - 200, 20, "Colour that works", soft, "Verdana", 9, False, True)
    L.shape(20, 90, w - 40, 130, soft)
    L.text(36, 104, w - 72, 30, "Try a colour here", pri, "Georgia", 16, True)
    L.text(36, 138, w - 72, 80, LOREM, dark, "Verdana", 9)
    L.shape(20, 240, 130, 36, acc)
    L.text(34, 249, 110, 20, "Get started", dark, "Verdana", 10, True)
    L.text(170, 249, w - 190, 20, "or drag a colour onto any part", sec, "Verdana", 9, False, False, True)
    L.shape(0, h - 40, w, 40, dark)
    L.text(20, h - 30, w - 40, 20, "\u00a9 2026 Tessaro Studio", light, "Verdana", 8)
    L.image(w - 80, 290 if h > 360 else h - 110, 60, 60, PICTURES[variant % len(PICTURES)], True)
    if variant == 3:
        L.image(w - 150, h - 110, 60, 60, PICTURES[6], False, True)
    return L


def main():
    rnd = random.Random(20261210)
    os.makedirs(OUT, exist_ok=True)
    pal = lambda i: PALETTES[i % len(PALETTES)]
    made = {}
    made["Demo Layout 1.sts"] = demo("Demo Layout 1", pal(0), rnd, 1)
    made["Demo Layout 2.sts"] = demo("Demo Layout 2", pal(4), rnd, 2)
    made["Demo Layout 3.sts"] = demo("Demo Layout 3", pal(5), rnd, 3)
    made["Book - Cover Back.sts"] = book_cover("Book - Cover Back", pal(1), rnd)
    made["Factors of Something.sts"] = factors("Factors of Something", pal(7), rnd)
    made["Fonts 01.sts"] = fonts("Fonts 01", pal(0), rnd, ["Tahoma", "Verdana", "Arial"])
    made["Fonts 02.sts"] = fonts("Fonts 02", pal(1), rnd, ["Georgia", "Times New Roman", "Liberation Serif"])
    made["Fonts 03.sts"] = fonts("Fonts 03", pal(3), rnd, ["Courier New", "DejaVu Sans", "Liberation Sans"])
    made["Form 01.sts"] = form("Form 01", pal(7), rnd)
    made["Logo 01.sts"] = logo("Logo 01", pal(2), rnd, 0)
    made["Logo 01a.sts"] = logo("Logo 01a", pal(8), rnd, 1)
    made["Logo 02.sts"] = logo("Logo 02", pal(6), rnd, 2)
    for i, cols in enumerate([1, 2, 1], 1):
        made[f"Lorem Ipsum 0{i}.sts"] = text_page(f"Lorem Ipsum 0{i}", pal(i + 3), rnd, cols)
    made["Member Card.sts"] = card("Member Card", pal(6), rnd, ("Alex Morgan", "Gold member since 2019"))
    made["My Company.sts"] = card("My Company", pal(7), rnd, ("My Company Ltd", "Design and print"))
    for i in range(1, 6):
        made[f"My Text 0{i}.sts"] = headline(f"My Text 0{i}", pal(i), rnd, i % 2 == 0)
    sizes = [(425, 385), (640, 480), (526, 372), (768, 576), (372, 526)]
    for i in range(1, 5):
        made[f"New Test Layout 0{i}.sts"] = shapes_and_text(f"New Test Layout 0{i}", pal(i + 5), rnd, sizes[i % 5])
    for i in range(1, 16):
        kind = i % 3
        name = f"Page {i:02d}.sts"
        if kind == 0:
            made[name] = ui_cards(f"Page {i:02d}", pal(i), rnd, sizes[i % 5] if sizes[i % 5][0] >= 425 else (640, 480))
        elif kind == 1:
            made[name] = text_page(f"Page {i:02d}", pal(i), rnd, 1 + i % 2)
        else:
            made[name] = poster(f"Page {i:02d}", pal(i), rnd, sizes[i % 5])
    made["Shape and Text 01.sts"] = shapes_and_text("Shape and Text 01", pal(9), rnd, (425, 385))
    made["T1.sts"] = headline("T1", pal(3), rnd, True)
    made["T2.sts"] = headline("T2", pal(2), rnd, False)
    builders = [
        lambda n, p: ui_cards(n, p, rnd, (640, 480)),
        lambda n, p: poster(n, p, rnd, (425, 385)),
        lambda n, p: headline(n, p, rnd, rnd.random() < 0.5),
        lambda n, p: shapes_and_text(n, p, rnd, (526, 372)),
        lambda n, p: form(n, p, rnd),
        lambda n, p: card(n, p, rnd, ("Jamie Lee", "Colour consultant")),
        lambda n, p: logo(n, p, rnd, n.__len__() % 3),
        lambda n, p: factors(n, p, rnd),
    ]
    for i in range(1, 33):
        made[f"Test Layout {i}.sts"] = builders[i % len(builders)](f"Test Layout {i}", pal(i * 3))
    for name, layout in made.items():
        layout.write(name)
    print(len(made), "layouts")


if __name__ == "__main__":
    main()
