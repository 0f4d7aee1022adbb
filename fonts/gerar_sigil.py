#!/usr/bin/python3
"""Generates Sigil.ttf, the symbol font Natalis prints its glyph letters in.

Every letter the chart tables use stands for an astrological symbol: printing "A" in Sigil shows
the sign of Carneiro, "Q" the Sun, "!" the conjunction. The outlines come from DejaVu Sans
(Debian package fonts-dejavu-core); the sextile, which DejaVu lacks, is drawn here, and so are
the mean node (the node's sign over a bar) and the Vertex ("Vx").

Needs the system Python with Debian's python3-fontforge:
    /usr/bin/python3 fonts/gerar_sigil.py [DejaVuSans.ttf] [Sigil.ttf]
The result is committed; the build only embeds it.

Metrics: every glyph sits in a square cell of 0.75 em (advance width = ascent, no descent), with
its ink centred in the cell. At 15 points on a 96-dpi surface (20 pixels) the cell is 15 pixels,
so a glyph printed with its top-left corner 7.5 pixels up and left of a point is centred on it,
and one text line (the height of "D") is exactly one cell.
"""
import math
import os
import sys

import fontforge
import psMat

AQUI = os.path.dirname(os.path.abspath(__file__))
ORIGEM = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
DESTINO = sys.argv[2] if len(sys.argv) > 2 else os.path.join(AQUI, "Sigil.ttf")

EM = 2048
CELULA = 1536          # 0.75 em
TINTA = 1180           # the larger side of a glyph's ink

# Letter -> code point of the symbol in the source font (None: drawn here).
MAPA = {
    # signs, Carneiro .. Peixes
    "A": 0x2648, "B": 0x2649, "C": 0x264A, "D": 0x264B, "E": 0x264C, "F": 0x264D,
    "G": 0x264E, "H": 0x264F, "I": 0x2650, "J": 0x2651, "K": 0x2652, "L": 0x2653,
    # bodies, Sol .. Plutão (the Black Moon shares the Moon's letter)
    "Q": 0x2609, "R": 0x263D, "S": 0x263F, "T": 0x2640, "U": 0x2642, "V": 0x2643,
    "W": 0x2644, "X": 0x2645, "Y": 0x2646, "Z": 0x2647,
    # nodes, Part of Fortune, retrograde mark
    "<": 0x260A, ">": 0x260B, ";": 0x2297, "d": 0x2297, "m": 0x211E,
    # Quíron, Ceres, Palas, Juno, Vesta, the osculating Black Moon (Lilith's sign, so that it
    # is told from the mean one, which shares the Moon's letter); the mean node and the Vertex
    # are composed below
    "a": 0x26B7, "b": 0x26B3, "c": 0x26B4, "e": 0x26B5, "f": 0x26B6, "g": 0x26B8,
    "h": None, "i": None,
    # aspects
    "!": 0x260C, "'": None, "#": 0x25A1, "$": 0x25B3, '"': 0x260D,
}

# Glyphs whose ink is smaller than a full cell, relative to TINTA.
ESCALA = {"m": 0.85, "#": 0.8, "$": 0.85, "'": 0.85, "!": 0.9, '"': 0.9}


def desenha_sextil(glifo):
    """Three bars through the centre, one upright and two at 60 degrees from it."""
    comprimento, espessura = 1000.0, 120.0
    caneta = glifo.glyphPen()
    for angulo in (90, 30, 150):
        a = math.radians(angulo)
        dx, dy = math.cos(a) * comprimento / 2, math.sin(a) * comprimento / 2
        nx, ny = -math.sin(a) * espessura / 2, math.cos(a) * espessura / 2
        pontos = [(dx + nx, dy + ny), (-dx + nx, -dy + ny), (-dx - nx, -dy - ny), (dx - nx, dy - ny)]
        caneta.moveTo(pontos[0])
        for p in pontos[1:]:
            caneta.lineTo(p)
        caneta.closePath()
    caneta = None
    glifo.removeOverlap()


def compoe(glifo, origem, partes):
    """The outlines of several glyphs of the source font, each moved by (dx, dy) and scaled."""
    for cp, dx, dy, escala in partes:
        camada = origem[cp].foreground.dup()
        camada.is_quadratic = glifo.foreground.is_quadratic
        camada.transform(psMat.compose(psMat.scale(escala), psMat.translate(dx, dy)))
        glifo.foreground += camada
    glifo.removeOverlap()


def desenha_nodo_medio(glifo, origem):
    """The node's sign over a bar: the mean node, told from the true one."""
    compoe(glifo, origem, [(0x260A, 0, 300, 1.0)])
    xmin, _, xmax, _ = glifo.boundingBox()
    caneta = glifo.glyphPen(replace=False)
    for x0, x1 in ((xmin + 150, xmax - 150),):
        caneta.moveTo((x0, 0)); caneta.lineTo((x0, 170)); caneta.lineTo((x1, 170)); caneta.lineTo((x1, 0))
        caneta.closePath()
    caneta = None
    glifo.removeOverlap()


def desenha_vertice(glifo, origem):
    """"Vx", the letters astrologers write for the Vertex."""
    v = origem[ord("V")].width
    compoe(glifo, origem, [(ord("V"), 0, 0, 1.0), (ord("x"), v * 0.92, 0, 0.8)])


def centra(glifo, escala_relativa):
    xmin, ymin, xmax, ymax = glifo.boundingBox()
    lado = max(xmax - xmin, ymax - ymin)
    f = TINTA * escala_relativa / lado
    glifo.transform(psMat.translate(-(xmin + xmax) / 2, -(ymin + ymax) / 2))
    glifo.transform(psMat.scale(f))
    glifo.transform(psMat.translate(CELULA / 2, CELULA / 2))
    glifo.width = CELULA
    glifo.round()


def main():
    origem = fontforge.open(ORIGEM)
    fonte = fontforge.font()
    fonte.em = EM
    fonte.encoding = "UnicodeBmp"
    fonte.fontname = "Sigil"
    fonte.familyname = "Sigil"
    fonte.fullname = "Sigil"
    fonte.weight = "Regular"
    fonte.version = "1.0"
    fonte.copyright = (
        "Copyright (c) 2003 by Bitstream, Inc. All Rights Reserved. Bitstream Vera is a trademark "
        "of Bitstream, Inc. DejaVu changes are in public domain. Sigil: the astrological symbols "
        "of DejaVu Sans placed on letters for Natalis; see fonts/LICENCA-Sigil.txt.")
    fonte.ascent = CELULA
    fonte.descent = EM - CELULA
    # Line metrics: one line is exactly one cell.
    fonte.hhea_ascent, fonte.hhea_ascent_add = CELULA, False
    fonte.hhea_descent, fonte.hhea_descent_add = 0, False
    fonte.hhea_linegap = 0
    fonte.os2_typoascent, fonte.os2_typoascent_add = CELULA, False
    fonte.os2_typodescent, fonte.os2_typodescent_add = 0, False
    fonte.os2_typolinegap = 0
    fonte.os2_winascent, fonte.os2_winascent_add = CELULA, False
    fonte.os2_windescent, fonte.os2_windescent_add = 0, False
    fonte.os2_use_typo_metrics = True

    espaco = fonte.createChar(0x20, "space")
    espaco.width = CELULA

    for letra, cp in MAPA.items():
        glifo = fonte.createChar(ord(letra))
        if letra == "h":
            desenha_nodo_medio(glifo, origem)
        elif letra == "i":
            desenha_vertice(glifo, origem)
        elif cp is None:
            desenha_sextil(glifo)
        else:
            if cp not in origem:
                sys.exit("A fonte de origem não tem o símbolo U+%04X" % cp)
            origem.selection.select(cp)
            origem.copy()
            fonte.selection.select(ord(letra))
            fonte.paste()
            glifo = fonte[ord(letra)]
            glifo.unlinkRef()
        centra(glifo, ESCALA.get(letra, 1.0))

    fonte.selection.all()
    fonte.correctDirection()
    fonte.generate(DESTINO)
    print("Escrito", DESTINO, "com", len(MAPA), "símbolos")


if __name__ == "__main__":
    main()
