#!/usr/bin/env python3
"""Writes the demo graphics pages of the list pages (Classifica, ClassificaBassa, Partenti) into
assets/graphics/. The pages follow the demo's design: 720 x 576 frame, text inside title-safe
(x 72-648, y 58-518), DejaVu Sans, white text on dark blue bands, gold accent."""
import json
import os

HERE = os.path.dirname(os.path.abspath(__file__))
WHITE = "#FFFFFF"
GOLD = "#FFC828"
LIGHT = "#C8D4F0"
SAMPLE = [("1", "NOR", "KRISTOFFERSEN Henrik", "1:52.34", "Rosendal IL", "7"),
          ("2", "AUT", "SCHWARZ Marco", "+0.27", "SC Radenthein", "3"),
          ("3", "ITA", "DE ALIPRANDINI Luca", "+0.81", "C.S. Esercito", "12"),
          ("4", "SUI", "ODERMATT Marco", "+1.02", "SC Hergiswil", "1"),
          ("5", "FRA", "NOËL Clément", "+1.15", "Val d'Isère", "1002"),
          ("6", "NOR", "McGRATH Atle Lie", "+1.38", "Oslo Skiklub", "15"),
          ("7", "GER", "STRASSER Linus", "+1.61", "TSV 1860 München", "22"),
          ("8", "SLO", "KRANJEC Žan", "+1.74", "SK Triglav", "9"),
          ("9", "CRO", "ZUBČIĆ Filip", "+2.03", "SK Zagreb", "5"),
          ("10", "USA", "RADAMUS River", "+2.40", "Ski Club Vail", "28")]


def text(name, x, y, w, h, value="", size=22, bold=False, color=WHITE, align="left", **extra):
    o = {"name": name, "type": "text", "x": x, "y": y, "w": w, "h": h, "text": value, "size": size,
         "bold": bold, "color": color, "align": align}
    o.update(extra)
    return o


def image(name, x, y, w, h, file="", stretch=True, visible=True):
    return {"name": name, "type": "image", "x": x, "y": y, "w": w, "h": h, "file": file,
            "stretch": stretch, "visible": visible}


def titles(top, subtitle="CLASSIFICA"):
    return [
        image("SfondoTitolo", 60, top, 600, 86, "Fondi/titolo.png"),
        image("imgSpecialita", 76, top + 13, 56, 56),
        image("imgFederazione", 588, top + 13, 56, 56),
        text("txtTitolo1", 140, top + 6, 440, 28, "Coppa del Mondo - Alta Badia", 22, True, WHITE, "center",
             shrinkToFit=True),
        text("txtTitolo2", 140, top + 34, 440, 26, subtitle, 21, True, GOLD, "center", shrinkToFit=True),
        text("txtTitolo3", 140, top + 60, 440, 22, "Slalom Gigante - 1a Manche", 18, False, LIGHT, "center",
             shrinkToFit=True),
    ]


def row(r, y, h, band, result_fields, sample):
    pos, nat, name, result, club, bib = sample
    objects = [
        image("imgPosizione%d" % r, 72, y, 576, h, band),
        text("txtPosizione%d" % r, 78, y, 44, h, pos, 22, True, GOLD, "right"),
        image("imgNazionalita%d" % r, 134, y + (h - 20) // 2, 30, 20, "Nazionalita/Miniature/%s.tga" % nat),
        text("txtNazionalita%d" % r, 170, y, 52, h, nat, 20, False, LIGHT),
    ]
    if result_fields == "classifica":
        objects += [
            text("txtNominativo%d" % r, 232, y, 296, h, name, 22, True, WHITE, shrinkToFit=True),
            text("txtRisultato%d" % r, 530, y, 110, h, result, 22, True, WHITE, "right",
                 stopFormat="nz hh:mm:ss:dc"),
        ]
    else:
        objects += [
            text("txtPettorale%d" % r, 222, y, 62, h, bib, 22, True, GOLD, "right"),
            text("txtNominativo%d" % r, 294, y, 218, h, name, 21, True, WHITE, shrinkToFit=True),
            text("txtSocieta%d" % r, 518, y, 122, h, club, 17, False, LIGHT, "right", shrinkToFit=True),
        ]
    return objects


def page(description, objects):
    return {"format": "razudar-page", "version": 1, "description": description, "objects": objects}


def list_page(description, title_top, first_row, rows, step, height, band, kind):
    objects = titles(title_top, "CLASSIFICA" if kind == "classifica" else "PARTENTI")
    for r in range(1, rows + 1):
        objects += row(r, first_row + (r - 1) * step, height, band, kind, SAMPLE[(r - 1) % len(SAMPLE)])
    return page(description, objects)


def lower_third():
    objects = [
        image("SfondoTitolo", 72, 384, 576, 30, "Fondi/bassa.png"),
        image("imgSpecialita", 76, 387, 24, 24),
        image("imgFederazione", 620, 387, 24, 24),
        text("txtTitolo1", 104, 384, 250, 30, "Alta Badia", 18, True, WHITE, shrinkToFit=True),
        text("txtTitolo2", 354, 384, 150, 30, "CLASSIFICA", 18, True, GOLD, "center", shrinkToFit=True),
        text("txtTitolo3", 504, 384, 112, 30, "1a Manche", 16, False, LIGHT, "right", shrinkToFit=True),
    ]
    for r in range(1, 4):
        objects += row(r, 416 + (r - 1) * 33, 31, "Fondi/riga.png", "classifica", SAMPLE[r - 1])
    return page("Classifica in basso a 3 righe", objects)


def main():
    out = os.path.join(HERE, "graphics")
    os.makedirs(out, exist_ok=True)
    pages = {
        "Classifica.smb": list_page("Classifica a 10 righe", 52, 144, 10, 35, 31, "Fondi/riga.png", "classifica"),
        "ClassificaBassa.smb": lower_third(),
        "Partenti.smb": list_page("Ordine di partenza a 10 righe", 52, 144, 10, 35, 31, "Fondi/riga.png", "partenti"),
    }
    for name, content in pages.items():
        with open(os.path.join(out, name), "w", encoding="utf-8") as f:
            json.dump(content, f, ensure_ascii=False, indent=1)
            f.write("\n")


if __name__ == "__main__":
    main()
