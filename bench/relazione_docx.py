#!/usr/bin/python3
"""Builds with python-docx the document described by a JSON file that
bench_relazione writes from its own report (the same paragraphs with their
sizes and bold, the same tables with their cells, sizes and alignments), and
prints the milliseconds taken to build and save it.

    relazione_docx.py CONTENT.json OUT.docx
    relazione_docx.py --confronta A.docx B.docx   (exit 1 when their paragraphs or tables differ)
"""
import json
import sys
import time

from docx import Document
from docx.enum.text import WD_ALIGN_PARAGRAPH
from docx.shared import Pt
from docx.oxml.ns import qn
from docx.table import Table

ALLINEAMENTI = {0: WD_ALIGN_PARAGRAPH.LEFT, 1: WD_ALIGN_PARAGRAPH.CENTER,
                2: WD_ALIGN_PARAGRAPH.RIGHT, 3: WD_ALIGN_PARAGRAPH.JUSTIFY}


def costruisci(contenuto, uscita):
    documento = Document()
    for blocco in contenuto["blocchi"]:
        if "tabella" in blocco:
            t = blocco["tabella"]
            tabella = documento.add_table(rows=t["righe"], cols=t["colonne"])
            tabella.style = "Table Grid"
            # The table's cells read once: row.cells reads the whole table again on every call
            # in the python-docx that Debian ships, which makes a table cost the square of its rows.
            celle = tabella._cells
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


def testo(elemento):
    """A paragraph's text, a field's shown result included (Paragraph.text leaves fields out)."""
    parti = []
    for e in elemento.iter(qn("w:t"), qn("w:tab"), qn("w:br"), qn("w:cr")):
        parti.append(e.text or "" if e.tag == qn("w:t") else "\t" if e.tag == qn("w:tab") else "\n")
    return "".join(parti)


def contenuto(percorso):
    """The body of a .docx in order: each paragraph's text, each table's cell texts."""
    documento = Document(percorso)
    blocchi = []
    for elemento in documento.element.body.iterchildren():
        if elemento.tag == qn("w:p"):
            blocchi.append(testo(elemento))
        elif elemento.tag == qn("w:tbl"):
            blocchi.append([testo(cella._tc) for cella in Table(elemento, documento)._cells])
    return blocchi


def confronta(a, b):
    primo, secondo = contenuto(a), contenuto(b)
    for i, (x, y) in enumerate(zip(primo, secondo)):
        if x != y:
            print("blocco %d: %r / %r" % (i, x, y), file=sys.stderr)
            return 1
    if len(primo) != len(secondo):
        print("%d blocchi / %d blocchi" % (len(primo), len(secondo)), file=sys.stderr)
        return 1
    return 0


def main():
    if sys.argv[1] == "--confronta":
        sys.exit(confronta(sys.argv[2], sys.argv[3]))
    with open(sys.argv[1], encoding="utf-8") as f:
        contenuto = json.load(f)
    inizio = time.perf_counter()
    costruisci(contenuto, sys.argv[2])
    print("%.1f" % ((time.perf_counter() - inizio) * 1000))


if __name__ == "__main__":
    main()
