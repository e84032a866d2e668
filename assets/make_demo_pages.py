#!/usr/bin/env python3
"""Writes the demo graphics pages into assets/graphics/: the lists (Classifica, ClassificaBassa,
Partenti), the competitor card and podium, the running-clock pages, the parallel board and the
free-text pages. The pages follow the demo's design: 720 x 576 frame, text inside title-safe
(x 72-648, y 58-518), DejaVu Sans, white text on dark blue bands, gold accent. Every page has the
"Sponsor" clip object; every object a builder addresses is here, under the name it uses."""
import json
import os

HERE = os.path.dirname(os.path.abspath(__file__))
WHITE = "#FFFFFF"
GOLD = "#FFC828"
LIGHT = "#C8D4F0"
SAMPLE = [("1", "NOR", "HAUGEN Henrik", "1:52.34", "Geilo IL", "7"),
          ("2", "AUT", "GRUBER Marco", "+0.27", "SC Radenthein", "3"),
          ("3", "ITA", "DE ZORDO Luca", "+0.81", "C.S. Esercito", "12"),
          ("4", "SUI", "BÜHLER Marco", "+1.02", "SC Engelberg", "1"),
          ("5", "FRA", "LEFÈVRE Clément", "+1.15", "Val d'Isère", "1002"),
          ("6", "NOR", "SOLBERG Timon", "+1.38", "Oslo Skiklub", "15"),
          ("7", "GER", "WEIßENBACH Linus", "+1.61", "TSV 1860 München", "22"),
          ("8", "SLO", "KOVAČ Žan", "+1.74", "SK Triglav", "9"),
          ("9", "CRO", "HORVATIĆ Filip", "+2.03", "SK Zagreb", "5"),
          ("10", "USA", "CARTER River", "+2.40", "Ski Club Vail", "28")]


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
        text("txtTitolo1", 140, top + 6, 440, 28, "Trofeo delle Dolomiti - Alta Badia", 22, True, WHITE, "center",
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
        mini("imgMiniNazionalita%d" % r),
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


def mini(name):
    # The small flag of a nation group: the pages show the flag in "img", so its small companion
    # has no size and draws nothing (rows slide without it).
    return image(name, 0, 0, 0, 0, "", True, False)


def sponsor(x=528, y=478, w=120, h=44):
    return {"name": "Sponsor", "type": "animation", "x": x, "y": y, "w": w, "h": h, "file": "", "visible": False}


def page(description, objects, sponsor_at=None):
    objects = objects + [sponsor(*sponsor_at) if sponsor_at else sponsor()]
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
    return page("Classifica in basso a 3 righe", objects, (528, 40, 120, 48))


GREEN = "#00FF00"
BAND = "Fondi/riga.png"
ACCENT = "Fondi/accento.png"
PANEL = "Fondi/pannello.png"


def nation_group(base, x, y, code, size=20, visible=True):
    """The three objects of a nation group: code text, flag and its small (sizeless) companion."""
    return [
        image("img" + base, x, y + 6, 36, 24, "Nazionalita/%s.tga" % code, True, visible),
        text("txt" + base, x + 42, y, 54, 36, code, size, False, LIGHT, visible=visible),
        mini("imgMini" + base),
    ]


def tempo_a_correre():
    """One competitor on course: the name bar with the running clock at the bottom of the title-safe
    area, the reference and the gap above it, the small classification at the top right."""
    o = []
    y = 474  # competitor bar
    o += [image("SfondoConcorrente", 72, y, 396, 40, BAND),
          text("txtPettorale", 76, y, 60, 40, "1002", 22, True, GOLD, "right", shrinkToFit=True),
          *nation_group("Nazionalita", 142, y + 2, "FRA"),
          text("txtNominativo", 240, y, 226, 40, "DE ZORDO L.", 22, True, WHITE, shrinkToFit=True),
          image("SfondoTempo", 472, y, 176, 40, ACCENT),
          text("txtTempoACorrere", 476, y, 164, 40, "1:23.45", 28, True, "#0A1A40", "right",
               runFormat="nz hh:mm:ss:d", stopFormat="nz hh:mm:ss:dc")]
    # The gap (and the absolute position) right above the clock.
    y2 = 432
    o += [image("SfondoDistacco", 524, y2, 124, 36, BAND, True, False),
          text("txtDistacco", 528, y2, 116, 36, "+0.27", 24, True, WHITE, "right", visible=False,
               stopFormat="nz hh:mm:ss:dc", showSign=True),
          image("SfondoPosizioneAssoluta", 468, y2, 52, 36, ACCENT, True, False),
          text("txtPosizioneAssoluta", 468, y2, 52, 36, "3", 24, True, "#0A1A40", "center", visible=False)]
    # The reference competitor (the leader at the same split).
    o += [image("SfondoConcorrenteRiferimento", 72, y2, 276, 36, BAND, True, False),
          text("txtPettoraleRiferimento", 76, y2, 60, 36, "7", 20, True, GOLD, "right", visible=False,
               shrinkToFit=True),
          *nation_group("NazionalitaRiferimento", 142, y2, "NOR", 18, False),
          text("txtNominativoRiferimento", 240, y2, 104, 36, "HAUGEN H.", 20, True, WHITE,
               shrinkToFit=True, visible=False),
          image("SfondoTempoRiferimento", 352, y2, 112, 36, BAND, True, False),
          text("txtTempoRiferimento", 354, y2, 104, 36, "1:22.80", 22, True, LIGHT, "right", visible=False,
               stopFormat="nz hh:mm:ss:dc")]
    # The run time and the run position, from run 2 on.
    y3 = 390
    o += [image("SfondoPosizioneManche", 412, y3, 52, 36, ACCENT, True, False),
          text("txtPosizioneManche", 412, y3, 52, 36, "2", 22, True, "#0A1A40", "center", visible=False),
          image("SfondoTempoManche", 468, y3, 180, 36, BAND, True, False),
          text("txtTempoManche", 472, y3, 168, 36, "56.12", 22, True, WHITE, "right", visible=False,
               stopFormat="nz hh:mm:ss:dc")]
    # The previous run: position after run 1 with its label, and the gap to the leader.
    o += [image("SfondoDescrizioneManchePrecedente", 72, y3, 230, 36, BAND, True, False),
          text("txtDescrizioneManchePrecedente", 80, y3, 218, 36, "Posizione Manche 1", 20, False, LIGHT,
               visible=False, shrinkToFit=True),
          image("SfondoPosizioneManchePrecedente", 304, y3, 46, 36, ACCENT, True, False),
          text("txtPosizioneManchePrecedente", 304, y3, 46, 36, "4", 22, True, "#0A1A40", "center", visible=False),
          image("SfondoDistaccoManchePrecedente", 524, y2, 124, 36, BAND, True, False),
          text("txtDistaccoManchePrecedente", 528, y2, 116, 36, "+0.45", 22, True, WHITE, "right", visible=False,
               stopFormat="nz hh:mm:ss:dc", showSign=True)]
    # The small classification, top right.
    o += [image("SfondoClassifica", 300, 58, 348, 114, PANEL, True, False)]
    for n in range(1, 4):
        yy = 62 + (n - 1) * 36
        pos, nat, name, result, _club, _bib = SAMPLE[n - 1]
        o += [text("txtPosizione%d" % n, 302, yy, 28, 34, pos, 20, True, GOLD, "right", visible=False),
              image("imgNazionalita%d" % n, 336, yy + 7, 30, 20, "Nazionalita/Miniature/%s.tga" % nat, True, False),
              text("txtNazionalita%d" % n, 370, yy, 44, 34, nat, 16, False, LIGHT, visible=False),
              mini("imgMiniNazionalita%d" % n),
              text("txtNominativo%d" % n, 414, yy, 140, 34, name.split()[0] + " " + name.split()[-1][0] + ".", 20,
                   True, WHITE, visible=False, shrinkToFit=True),
              text("txtRisultato%d" % n, 560, yy, 84, 34, "1:52.34", 20, True, WHITE, "right", visible=False,
                   stopFormat="nz hh:mm:ss:dc")]
    return page("Tempo in pista di un concorrente", o, (72, 58, 120, 48))


def tempo_a_correre_parallelo():
    """One heat of a parallel race: lane A (red course) over lane B (blue course), one clock."""
    o = [image("SfondoTC", 472, 474, 176, 40, ACCENT),
         text("txtTempoACorrere", 476, 474, 164, 40, "23.45", 28, True, "#0A1A40", "right",
              runFormat="nz hh:mm:ss:d", stopFormat="nz hh:mm:ss:dc")]
    for lane, y, colour in (("A", 390, "#E03030"), ("B", 432, "#3070E0")):
        o += [image("SfondoCorsia" + lane, 72, y, 320, 38, BAND),
              text("txtCorsia" + lane, 76, y, 22, 38, lane, 22, True, colour, "center"),
              text("txtPettorale" + lane, 98, y, 50, 38, "12" if lane == "A" else "7", 22, True, GOLD, "right"),
              *nation_group("Nazionalita" + lane, 154, y + 1, "ITA" if lane == "A" else "AUT"),
              text("txtNominativo" + lane, 252, y, 136, 38, "ROSSI M." if lane == "A" else "GRUBER M.", 22, True,
                   WHITE, shrinkToFit=True),
              image("SfondoDistacco" + lane, 396, y, 120, 38, BAND, True, False),
              text("txtDistacco" + lane, 400, y, 112, 38, "+0.27", 24, True, WHITE, "right", visible=False,
                   stopFormat="nz hh:mm:ss:dc", showSign=True),
              image("SfondoDescrizione" + lane, 520, y, 128, 38, ACCENT, True, False),
              text("txtDescrizione" + lane, 524, y, 120, 38, "VINCITORE", 20, True, "#0A1A40", "center",
                   visible=False, shrinkToFit=True)]
    return page("Tempo in pista di una sfida in parallelo", o, (72, 58, 120, 48))


def tabellone_parallelo():
    """The heats of the turn, two rows each, with the time of each heat-run."""
    o = [image("SfondoTitolo", 60, 52, 600, 86, "Fondi/titolo.png"),
         text("Titolo1", 140, 58, 440, 28, "Trofeo delle Dolomiti - Alta Badia", 22, True, WHITE, "center", shrinkToFit=True),
         text("Titolo2", 140, 86, 440, 26, "Parallelo - Ottavi di finale", 21, True, GOLD, "center", shrinkToFit=True),
         text("Titolo3", 140, 112, 440, 22, "Maschile", 18, False, LIGHT, "center", shrinkToFit=True)]
    for r in range(1, 9):
        # A small gap between heats: rows 1-2, 3-4, ... belong together.
        y = 146 + (r - 1) * 40 + ((r - 1) // 2) * 4
        pos, nat, name, result, _club, bib = SAMPLE[r - 1]
        o += [image("SfondoConcorrente%d" % r, 72, y, 352, 36, BAND, True, False),
              text("txtPettorale%d" % r, 76, y, 52, 36, bib, 20, True, GOLD, "right", visible=False),
              image("imgNazionalita%d" % r, 136, y + 8, 30, 20, "Nazionalita/Miniature/%s.tga" % nat, True, False),
              text("txtNazionalita%d" % r, 172, y, 48, 36, nat, 16, False, LIGHT, visible=False),
              mini("imgMiniNazionalita%d" % r),
              text("txtNominativo%d" % r, 222, y, 198, 36, name, 20, True, WHITE, visible=False, shrinkToFit=True)]
        for i in (1, 2):
            x = 428 + (i - 1) * 112
            o += [image("SfondoTempo%d_%d" % (i, r), x, y, 108, 36, BAND, True, False),
                  text("txtTempo%d_%d" % (i, r), x + 2, y, 100, 36, "+0.27" if r % 2 == 0 else "21.45", 20, True,
                       WHITE, "right", visible=False, shrinkToFit=True)]
    return page("Tabellone delle sfide in parallelo", o)


def podio():
    """The first three on their steps: 2 left, 1 centre, 3 right."""
    o = [image("SfondoTitolo", 60, 52, 600, 86, "Fondi/titolo.png"),
         text("txtTitolo", 140, 70, 440, 50, "PODIO", 34, True, GOLD, "center")]
    steps = {1: (270, 290), 2: (84, 330), 3: (456, 360)}
    for p in (1, 2, 3):
        x, top = steps[p]
        nat = ("NOR", "AUT", "ITA")[p - 1]
        surname, first = (("HAUGEN", "Henrik"), ("GRUBER", "Marco"), ("DE ZORDO", "Luca"))[p - 1]
        # The step with its place, a name plate on it and the flag above.
        o += [image("SfondoGradino%d" % p, x, top, 180, 470 - top, PANEL),
              text("txtPosizionePodio%d" % p, x, top + 4, 180, 44, str(p), 36, True, GOLD, "center"),
              image("imgNazionalita%d" % p, x + 60, top - 124, 60, 40, "Nazionalita/%s.tga" % nat),
              mini("imgMiniNazionalita%d" % p),
              image("SfondoNome%d" % p, x, top - 78, 180, 74, BAND),
              text("txtNazionalita%d" % p, x, top - 78, 180, 22, nat, 16, False, LIGHT, "center"),
              text("txtCognome%d" % p, x + 4, top - 56, 172, 28, surname, 21, True, WHITE, "center", shrinkToFit=True),
              text("txtNome%d" % p, x + 4, top - 28, 172, 24, first, 18, False, WHITE, "center", shrinkToFit=True)]
    return page("Podio", o)


def concorrente_scheda():
    """The card of one competitor: place, flag, name, club and time (or the word of the place)."""
    y = 410
    o = [image("SfondoScheda", 72, y, 576, 108, PANEL),
         image("imgSpecialita", 84, y + 10, 40, 40),
         image("SfondoPosizione", 72, y + 58, 60, 50, ACCENT),
         text("txtPosizione", 72, y + 58, 60, 50, "1", 30, True, "#0A1A40", "center"),
         *nation_group("Nazionalita", 140, y + 12, "NOR", 22),
         text("txtNominativo", 240, y + 8, 400, 44, "HAUGEN Henrik", 28, True, WHITE, shrinkToFit=True),
         text("txtSocieta", 140, y + 62, 300, 40, "Geilo IL", 20, False, LIGHT, shrinkToFit=True),
         text("txtTesto", 448, y + 62, 192, 40, "1:52.34", 28, True, GOLD, "right", shrinkToFit=True)]
    return page("Scheda di un concorrente", o, (528, 40, 120, 48))


def pagina_piena():
    o = [image("SfondoPagina", 72, 150, 576, 260, PANEL),
         image("SfondoAccento", 72, 150, 576, 6, ACCENT)]
    for i, (line, size, colour) in enumerate((("Trofeo delle Dolomiti", 34, GOLD), ("Alta Badia - Gran Risa", 28, WHITE),
                                               ("Slalom Gigante maschile", 24, LIGHT)), start=1):
        o.append(text("txtRiga%d" % i, 92, 170 + (i - 1) * 76, 536, 70, line, size, True, colour, "center",
                      shrinkToFit=True))
    return page("Pagina piena di testo libero (3 righe)", o)


def pagina_bassa():
    o = [image("SfondoPagina", 72, 370, 576, 148, PANEL),
         image("SfondoAccento", 72, 370, 6, 148, ACCENT)]
    for i, (line, size, colour) in enumerate((("Informazioni", 24, GOLD), ("Pista Gran Risa - 1.250 m", 22, WHITE),
                                               ("Dislivello 448 m - 52 porte", 22, WHITE),
                                               ("Tracciatore: Mario Rossi (ITA)", 20, LIGHT)), start=1):
        o.append(text("txtRiga%d" % i, 92, 374 + (i - 1) * 35, 540, 34, line, size, i == 1, colour, shrinkToFit=True))
    return page("Pagina bassa di testo libero (4 righe)", o, (528, 40, 120, 48))


def pagina_libera(n):
    titles = {1: ("A SEGUIRE", "Seconda manche alle 13:30"), 2: ("METEO", "Sereno - 3 °C - Neve compatta"),
              3: ("GRAZIE", "Arrivederci alla prossima gara")}
    title, line = titles[n]
    o = [image("SfondoPagina", 72, 430, 576, 88, PANEL),
         image("SfondoAccento", 72, 430, 576, 4, ACCENT),
         text("txtTitolo", 92, 438, 536, 36, title, 28, True, GOLD, shrinkToFit=True),
         text("txtTesto", 92, 476, 536, 36, line, 22, False, WHITE, shrinkToFit=True)]
    return page("Pagina libera %d" % n, o, (528, 40, 120, 48))


def main():
    out = os.path.join(HERE, "graphics")
    os.makedirs(out, exist_ok=True)
    pages = {
        "Classifica.smb": list_page("Classifica a 10 righe", 52, 144, 10, 33, 31, "Fondi/riga.png", "classifica"),
        "ClassificaBassa.smb": lower_third(),
        "Partenti.smb": list_page("Ordine di partenza a 10 righe", 52, 144, 10, 33, 31, "Fondi/riga.png", "partenti"),
        "TempoACorrere.smb": tempo_a_correre(),
        "TempoACorrereParallelo.smb": tempo_a_correre_parallelo(),
        "TabelloneParallelo.smb": tabellone_parallelo(),
        "Podio.smb": podio(),
        "ConcorrenteScheda.smb": concorrente_scheda(),
        "PaginaPiena.smb": pagina_piena(),
        "PaginaBassa.smb": pagina_bassa(),
    }
    for n in (1, 2, 3):
        pages["PaginaLibera%d.smb" % n] = pagina_libera(n)
    for name, content in pages.items():
        with open(os.path.join(out, name), "w", encoding="utf-8") as f:
            json.dump(content, f, ensure_ascii=False, indent=1)
            f.write("\n")


if __name__ == "__main__":
    main()
