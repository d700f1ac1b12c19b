#!/usr/bin/python3
"""Builds with python-docx the document described by a JSON file that
bench_relazione writes from its own report (the same paragraphs with their
sizes and bold, the same tables with their cells, sizes and alignments), and
prints the milliseconds taken to build and save it.

    relazione_docx.py CONTENT.json OUT.docx
"""
import json
import sys
import time

from docx import Document
from docx.enum.text import WD_ALIGN_PARAGRAPH
from docx.shared import Pt

ALLINEAMENTI = {0: WD_ALIGN_PARAGRAPH.LEFT, 1: WD_ALIGN_PARAGRAPH.CENTER,
                2: WD_ALIGN_PARAGRAPH.RIGHT, 3: WD_ALIGN_PARAGRAPH.JUSTIFY}


def costruisci(contenuto, uscita):
    documento = Document()
    for blocco in contenuto["blocchi"]:
        if "tabella" in blocco:
            t = blocco["tabella"]
            tabella = documento.add_table(rows=t["righe"], cols=t["colonne"])
            tabella.style = "Table Grid"
            celle = [cella for riga in tabella.rows for cella in riga.cells]
            for cella, dati in zip(celle, t["celle"]):  # row by row, as the JSON holds them
                paragrafo = cella.paragraphs[0]
                paragrafo.alignment = ALLINEAMENTI[dati["allineamento"]]
                run = paragrafo.add_run(dati["testo"])
                run.font.name = t["carattere"]
                run.font.size = Pt(t["dimensione"])
        else:
            p = blocco["paragrafo"]
            paragrafo = documento.add_paragraph()
            paragrafo.alignment = ALLINEAMENTI[p["allineamento"]]
            for f in p["frammenti"]:
                run = paragrafo.add_run(f["testo"])
                run.font.name = f["carattere"]
                run.font.size = Pt(f["dimensione"])
                run.bold = f["grassetto"]
    documento.save(uscita)


def main():
    with open(sys.argv[1], encoding="utf-8") as f:
        contenuto = json.load(f)
    inizio = time.perf_counter()
    costruisci(contenuto, sys.argv[2])
    print("%.1f" % ((time.perf_counter() - inizio) * 1000))


if __name__ == "__main__":
    main()
