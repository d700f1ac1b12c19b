#!/usr/bin/env python3
"""Draws the program's icon, data/velmor.png: a sewer pipe's cross-section,
part full, under three rain drops, on a blue rounded square. Plain Python,
no libraries: each pixel is sampled 4 x 4 times and the PNG written by hand.
Run from the repository root: python3 scripts/disegna-icona.py"""
import math
import struct
import zlib

LATO = 256
CAMPIONI = 4

FONDO_ALTO, FONDO_BASSO = (40, 110, 190), (16, 56, 120)
TUBO, INTERNO, ACQUA, GOCCIA = (225, 230, 236), (30, 38, 52), (90, 190, 250), (235, 245, 255)

CX, CY, R_EST, R_INT = 128, 158, 84, 64   # the pipe
PELO = CY + 14                             # the water's surface
GOCCE = [(72, 52), (128, 36), (184, 52)]   # tips of the rain drops


def dentro_quadrato(x, y, r=40):
    """Inside the rounded square that fills the icon."""
    qx, qy = min(max(x, r), LATO - r), min(max(y, r), LATO - r)
    return (x - qx) ** 2 + (y - qy) ** 2 <= r * r


def dentro_goccia(x, y, punta):
    """A drop: a circle of radius 11 with a point 26 above its centre."""
    px, py = punta
    cx, cy, r = px, py + 26, 11.0
    if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
        return True
    if py <= y <= cy:
        meta = r * (y - py) / (cy - py)
        return abs(x - cx) <= meta
    return False


def colore(x, y):
    if not dentro_quadrato(x, y):
        return None
    d = math.hypot(x - CX, y - CY)
    if d <= R_INT:
        onda = PELO + 3 * math.sin((x - CX) / 9.0)
        return ACQUA if y >= onda else INTERNO
    if d <= R_EST:
        return TUBO
    if any(dentro_goccia(x, y, g) for g in GOCCE):
        return GOCCIA
    t = y / LATO
    return tuple(round(a + (b - a) * t) for a, b in zip(FONDO_ALTO, FONDO_BASSO))


def pixel(px, py):
    somma = [0, 0, 0, 0]
    for i in range(CAMPIONI):
        for j in range(CAMPIONI):
            c = colore(px + (i + 0.5) / CAMPIONI, py + (j + 0.5) / CAMPIONI)
            if c is not None:
                for k in range(3):
                    somma[k] += c[k]
                somma[3] += 1
    n = CAMPIONI * CAMPIONI
    if somma[3] == 0:
        return (0, 0, 0, 0)
    return tuple(round(v / somma[3]) for v in somma[:3]) + (round(255 * somma[3] / n),)


def png(righe):
    def blocco(tipo, dati):
        return struct.pack(">I", len(dati)) + tipo + dati + struct.pack(">I", zlib.crc32(tipo + dati) & 0xFFFFFFFF)
    grezzo = b"".join(b"\0" + bytes(v for p in riga for v in p) for riga in righe)
    return (b"\x89PNG\r\n\x1a\n" + blocco(b"IHDR", struct.pack(">IIBBBBB", LATO, LATO, 8, 6, 0, 0, 0))
            + blocco(b"IDAT", zlib.compress(grezzo, 9)) + blocco(b"IEND", b""))


if __name__ == "__main__":
    immagine = [[pixel(x, y) for x in range(LATO)] for y in range(LATO)]
    with open("data/velmor.png", "wb") as f:
        f.write(png(immagine))
