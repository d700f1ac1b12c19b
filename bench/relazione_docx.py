#!/usr/bin/python3
"""The report's document built by python-docx, as the peer of Velmor's own .docx writer.

bench_relazione writes its report's document as JSON (the page, the paragraphs with their
formats, the tables with their column widths, heading rows, fonts and cells); this script builds
the same document with python-docx: A4 page and the report's margins, the same column widths
with the cell margins, heading rows repeated on each page, rows never split between pages, the
table format (grid, and the first row in bold on grey for the formatted tables), one paragraph
style for each table font and alignment, the page-count field. It prints the milliseconds taken
to build and save it (from the template's load to the saved file).

    relazione_docx.py CONTENT.json OUT.docx
    relazione_docx.py --confronta A.docx B.docx
        exit 1, and the first difference on standard error, when the two documents differ in
        page size or margins, column widths, heading rows, rows kept whole, table format,
        paragraph styles, fonts, alignment, line spacing, the page-count field or text

Where python-docx 0.8.11 (Debian's) offers a public way that is slow on a large table, the
script takes a faster one and says why at that line: Paragraph.style (see StiliTesto), Table.rows
and row.cells. Where it has no API at all (heading rows, rows kept whole, table width, borders and
cell margins, the table formats, the document's defaults, fields, an empty paragraph's mark) the
script writes those elements itself. Everything else is the library's public interface.
"""
import json
import sys
import time

from docx import Document
from docx.enum.style import WD_STYLE_TYPE
from docx.enum.text import WD_ALIGN_PARAGRAPH, WD_BREAK
from docx.oxml import OxmlElement, parse_xml
from docx.oxml.ns import nsdecls, qn
from docx.shared import Pt, Twips

ALLINEAMENTI = {0: WD_ALIGN_PARAGRAPH.LEFT, 1: WD_ALIGN_PARAGRAPH.CENTER,
                2: WD_ALIGN_PARAGRAPH.RIGHT, 3: WD_ALIGN_PARAGRAPH.JUSTIFY}
NOMI_ALLINEAMENTI = {0: "", 1: ", centrato", 2: ", a destra", 3: ", giustificato"}
# w:val of the table styles: single grid lines, half a point thick (in eighths of a point)
GRIGLIA = "single"
SPESSORE_GRIGLIA = 4


# ---------------------------------------------------------------------------------------------
# Building


def interlinea(paragrafo, punti):
    """Line spacing as a multiple of single spacing (12 points), as Velmor writes it."""
    if punti != 12:
        paragrafo.paragraph_format.line_spacing = round(punti / 12 * 240) / 240


def proprieta_carattere(c, con_carattere=True):
    """A w:rPr for the mark of an empty paragraph: python-docx has no API for it."""
    parti = []
    if con_carattere:
        parti.append('<w:rFonts w:ascii="%s" w:hAnsi="%s" w:cs="%s"/>' % ((c["carattere"],) * 3))
    if c["grassetto"]:
        parti.append("<w:b/>")
    if con_carattere:
        parti.append('<w:sz w:val="%d"/>' % round(c["dimensione"] * 2))
    return parse_xml("<w:rPr %s>%s</w:rPr>" % (nsdecls("w"), "".join(parti))) if parti else None


def predefiniti(documento, carattere):
    """The document's defaults as Velmor's: its font, no space around paragraphs, single spacing
    (the template's are Calibri 11 with space after each paragraph). No API for docDefaults."""
    stili = documento.styles.element
    vecchi = stili.find(qn("w:docDefaults"))
    nuovi = parse_xml(
        '<w:docDefaults %s><w:rPrDefault><w:rPr><w:rFonts w:ascii="%s" w:hAnsi="%s" w:cs="%s"/>'
        '<w:sz w:val="%d"/></w:rPr></w:rPrDefault><w:pPrDefault><w:pPr>'
        '<w:spacing w:before="0" w:after="0" w:line="240" w:lineRule="auto"/></w:pPr></w:pPrDefault>'
        "</w:docDefaults>" % (nsdecls("w"), carattere["nome"], carattere["nome"], carattere["nome"],
                              round(carattere["dimensione"] * 2)))
    stili.replace(vecchi, nuovi)


def bordi_e_margini(margine):
    """The grid lines and the cell margins (left and right; none above and below), as XML."""
    bordi = "".join('<w:%s w:val="%s" w:sz="%d" w:space="0" w:color="auto"/>' % (lato, GRIGLIA, SPESSORE_GRIGLIA)
                    for lato in ("top", "left", "bottom", "right", "insideH", "insideV"))
    margini = "".join('<w:%s w:w="%d" w:type="dxa"/>' % (lato, ampiezza)
                      for lato, ampiezza in (("top", 0), ("left", margine), ("bottom", 0), ("right", margine)))
    return ("<w:tblBorders %s>%s</w:tblBorders>" % (nsdecls("w"), bordi),
            "<w:tblCellMar %s>%s</w:tblCellMar>" % (nsdecls("w"), margini))


def stili_tabella(documento):
    """The report's two table formats: the grid, and the grid with its first row in bold on grey.
    python-docx adds a table style but has no API for its borders or its first-row format."""
    stili = {}
    for formato, nome in ((0, "Griglia Velmor"), (9, "Formato 9 Velmor")):
        stile = documento.styles.add_style(nome, WD_STYLE_TYPE.TABLE)
        bordi, margini = bordi_e_margini(57)
        proprieta = parse_xml("<w:tblPr %s/>" % nsdecls("w"))
        proprieta.append(parse_xml(bordi))
        proprieta.append(parse_xml(margini))
        stile.element.append(proprieta)
        if formato == 9:
            stile.element.append(parse_xml(
                '<w:tblStylePr %s w:type="firstRow"><w:rPr><w:b/></w:rPr><w:tcPr>'
                '<w:shd w:val="clear" w:color="auto" w:fill="C0C0C0"/></w:tcPr></w:tblStylePr>'
                % nsdecls("w")))
        stili[formato] = stile
    return stili


class StiliTesto:
    """One paragraph style for each table font and cell alignment, made on first use."""

    def __init__(self, documento):
        self.documento = documento
        self.normale = documento.styles["Normal"]
        self.id = {}

    def __call__(self, nome, dimensione, allineamento):
        chiave = (nome, dimensione, allineamento)
        if chiave not in self.id:
            stile = self.documento.styles.add_style(
                "Tabella %s %g%s" % (nome, dimensione, NOMI_ALLINEAMENTI[allineamento]), WD_STYLE_TYPE.PARAGRAPH)
            stile.base_style = self.normale
            stile.font.name = nome
            stile.font.size = Pt(dimensione)
            if allineamento:
                stile.paragraph_format.alignment = ALLINEAMENTI[allineamento]
            # Paragraph.style = style looks the style up by a search of every style of the
            # document, and then searches them again for the default one, on each call: some
            # 10,000 cells would make 20,000 searches of 160 styles. The style's id is taken
            # once here, and each cell's paragraph gets it through CT_P.style, which only writes
            # the w:pStyle element.
            self.id[chiave] = stile.style_id
        return self.id[chiave]


def tabella(documento, t, stile_tabella, stile_testo):
    righe, colonne = t["righe"], t["colonne"]
    tab = documento.add_table(rows=righe, cols=colonne)
    tab.style = stile_tabella  # once per table: the style search is paid 30 times, not 10,000
    tab.autofit = False  # fixed layout: the columns keep the widths given
    tblPr = tab._tbl.tblPr
    # The table's width, borders, cell margins and format flags: no API in python-docx.
    larghezza = tblPr.find(qn("w:tblW"))
    larghezza.set(qn("w:type"), "dxa")
    larghezza.set(qn("w:w"), str(sum(t["larghezze"])))
    bordi, margini = bordi_e_margini(t["margine"])
    tblPr.insert_element_before(parse_xml(bordi), "w:shd", "w:tblLayout", "w:tblCellMar", "w:tblLook")
    tblPr.insert_element_before(parse_xml(margini), "w:tblLook")
    aspetto = tblPr.find(qn("w:tblLook"))
    intestata = t["formato"] == 9
    for nome, valore in (("val", "0020" if intestata else "0000"), ("firstRow", "1" if intestata else "0"),
                         ("firstColumn", "0"), ("noHBand", "1")):
        aspetto.set(qn("w:" + nome), valore)

    for colonna, ampiezza in zip(tab.columns, t["larghezze"]):
        colonna.width = Twips(ampiezza)
    # The rows' elements read once: Table.rows[i] builds the list of every row again on each
    # call. python-docx has no API for a heading row or a row kept whole: w:tblHeader and
    # w:cantSplit go into each row's w:trPr.
    for r, tr in enumerate(tab._tbl.tr_lst):
        trPr = tr.get_or_add_trPr()
        trPr.append(OxmlElement("w:cantSplit"))
        if r < t["intestazione"]:
            trPr.append(OxmlElement("w:tblHeader"))

    # The table's cells read once: row.cells reads the whole table again on every call, which
    # makes a table cost the square of its rows.
    ampiezze = [Twips(a) for a in t["larghezze"]]
    segno_grassetto = {"grassetto": t["grassetto"]}
    for i, (cella, dati) in enumerate(zip(tab._cells, t["celle"])):  # row by row, as the JSON holds them
        cella.width = ampiezze[i % colonne]
        id_stile = stile_testo(t["carattere"], t["dimensione"], dati["allineamento"])
        for n, riga in enumerate(dati["testo"].split("\r")):
            paragrafo = cella.paragraphs[0] if n == 0 else cella.add_paragraph()
            paragrafo._p.style = id_stile  # see StiliTesto: not Paragraph.style
            interlinea(paragrafo, t["interlinea"])
            if riga:
                run = paragrafo.add_run(riga)
                if t["grassetto"]:
                    run.bold = True
            elif t["grassetto"]:
                paragrafo._p.get_or_add_pPr().append(proprieta_carattere(segno_grassetto, False))


def paragrafo(documento, p):
    par = documento.add_paragraph()
    if p["allineamento"]:
        par.alignment = ALLINEAMENTI[p["allineamento"]]
    interlinea(par, p["interlinea"])
    if p["salto"]:
        par.add_run().add_break(WD_BREAK.PAGE)
    if not p["frammenti"] and "segno" in p:
        par._p.get_or_add_pPr().append(proprieta_carattere(p["segno"]))
    for f in p["frammenti"]:
        run = par.add_run(f["testo"])
        run.font.name = f["carattere"]
        run.font.size = Pt(f["dimensione"])
        if f["grassetto"]:
            run.bold = True
        if f.get("campo"):
            # A field such as the page count: python-docx has no API for fields. The run, with
            # the field's last result as its text, goes inside a w:fldSimple.
            campo = parse_xml('<w:fldSimple %s w:instr=" %s "/>' % (nsdecls("w"), f["campo"]))
            run._r.addprevious(campo)
            campo.append(run._r)


def costruisci(contenuto, uscita):
    documento = Document()
    pagina = contenuto["pagina"]
    sezione = documento.sections[0]
    sezione.page_width, sezione.page_height = Twips(pagina["larghezza"]), Twips(pagina["altezza"])
    sezione.top_margin, sezione.bottom_margin = Twips(pagina["sopra"]), Twips(pagina["sotto"])
    sezione.left_margin, sezione.right_margin = Twips(pagina["sinistra"]), Twips(pagina["destra"])
    predefiniti(documento, contenuto["carattere"])
    formati = stili_tabella(documento)
    stile_testo = StiliTesto(documento)
    for blocco in contenuto["blocchi"]:
        if "tabella" in blocco:
            t = blocco["tabella"]
            tabella(documento, t, formati[9 if t["formato"] == 9 else 0], stile_testo)
        else:
            paragrafo(documento, blocco["paragrafo"])
    documento.save(uscita)


# ---------------------------------------------------------------------------------------------
# Comparing: each document is read into a plain description of what shows on the page, with
# every paragraph's format resolved through its style, the style's bases and the document's
# defaults, so that two documents compare equal when they lay out alike however they store it.


def falso(elemento):
    return elemento is not None and elemento.get(qn("w:val")) in ("0", "false", "off")


class Stili:
    def __init__(self, documento):
        radice = documento.styles.element
        self.per_id = {}
        self.predefinito = {}
        for s in radice.iterchildren(qn("w:style")):
            self.per_id[s.get(qn("w:styleId"))] = s
            if s.get(qn("w:default")) in ("1", "true", "on"):
                self.predefinito.setdefault(s.get(qn("w:type")), s.get(qn("w:styleId")))
        self.rPr = radice.find(qn("w:docDefaults") + "/" + qn("w:rPrDefault") + "/" + qn("w:rPr"))
        self.pPr = radice.find(qn("w:docDefaults") + "/" + qn("w:pPrDefault") + "/" + qn("w:pPr"))
        self._catene = {}

    def catena(self, id_stile, tipo="paragraph"):
        """The style and its bases, nearest first."""
        chiave = (id_stile, tipo)
        if chiave not in self._catene:
            catena, visti = [], set()
            s = self.per_id.get(id_stile if id_stile is not None else self.predefinito.get(tipo))
            while s is not None and id(s) not in visti:
                visti.add(id(s))
                catena.append(s)
                base = s.find(qn("w:basedOn"))
                s = self.per_id.get(base.get(qn("w:val"))) if base is not None else None
            self._catene[chiave] = catena
        return self._catene[chiave]

    def proprieta(self, id_stile, figlio, predefinite):
        return [s.find(qn(figlio)) for s in self.catena(id_stile)] + [predefinite]


def carattere(rPrs):
    """Font, size in points and bold from the nearest w:rPr that sets each."""
    nome = dimensione = grassetto = None
    for rPr in rPrs:
        if rPr is None:
            continue
        f = rPr.find(qn("w:rFonts"))
        if nome is None and f is not None:
            nome = f.get(qn("w:ascii")) or (f.get(qn("w:asciiTheme")) and "tema " + f.get(qn("w:asciiTheme")))
        s = rPr.find(qn("w:sz"))
        if dimensione is None and s is not None:
            dimensione = int(s.get(qn("w:val"))) / 2
        b = rPr.find(qn("w:b"))
        if grassetto is None and b is not None:
            grassetto = not falso(b)
    return [nome, dimensione, bool(grassetto)]


def formato(pPrs):
    """Alignment and line spacing (before, after, line, rule) from the nearest w:pPr that sets each."""
    allineamento, spaziatura = None, {}
    for pPr in pPrs:
        if pPr is None:
            continue
        jc = pPr.find(qn("w:jc"))
        if allineamento is None and jc is not None:
            allineamento = jc.get(qn("w:val"))
        sp = pPr.find(qn("w:spacing"))
        if sp is not None:
            for nome in ("before", "after", "line", "lineRule"):
                spaziatura.setdefault(nome, sp.get(qn("w:" + nome)))
    if allineamento in (None, "start"):
        allineamento = "left"
    return allineamento, [spaziatura.get(n) for n in ("before", "after", "line", "lineRule")]


def testo_run(r):
    parti, salti = [], 0
    for e in r.iterchildren():
        if e.tag == qn("w:t"):
            parti.append(e.text or "")
        elif e.tag == qn("w:tab"):
            parti.append("\t")
        elif e.tag == qn("w:br") and e.get(qn("w:type")) == "page":
            salti += 1
        elif e.tag in (qn("w:br"), qn("w:cr")):
            parti.append("\n")
    return "".join(parti), salti


def descrivi_paragrafo(p, stili):
    pPr = p.find(qn("w:pPr"))
    ps = pPr.find(qn("w:pStyle")) if pPr is not None else None
    id_stile = ps.get(qn("w:val")) if ps is not None else None
    pPrs = [pPr] + stili.proprieta(id_stile, "w:pPr", stili.pPr)
    rPr_stile = stili.proprieta(id_stile, "w:rPr", stili.rPr)
    allineamento, spaziatura = formato(pPrs)
    frammenti, salti = [], 0

    def run(r, campo):
        nonlocal salti
        testo, s = testo_run(r)
        salti += s
        if not testo:
            return
        proprieta = carattere([r.find(qn("w:rPr"))] + rPr_stile) + [campo]
        if frammenti and frammenti[-1][1:] == proprieta:  # runs alike read as one
            frammenti[-1][0] += testo
        else:
            frammenti.append([testo] + proprieta)

    for e in p.iterchildren():
        if e.tag == qn("w:r"):
            run(e, None)
        elif e.tag == qn("w:fldSimple"):
            for r in e.iterchildren(qn("w:r")):
                run(r, (e.get(qn("w:instr")) or "").strip())
    descrizione = {
        # the style by what it gives, not by its name: None for the document's default style
        "stile del paragrafo": None if id_stile is None else
        carattere(rPr_stile) + list(formato(stili.proprieta(id_stile, "w:pPr", stili.pPr))),
        "allineamento": allineamento,
        "spaziatura e interlinea": spaziatura,
        "salti di pagina": salti,
        "testo e caratteri": frammenti,
    }
    if not frammenti:  # an empty paragraph's height comes from its mark's font
        descrizione["carattere del segno"] = carattere(
            [pPr.find(qn("w:rPr")) if pPr is not None else None] + rPr_stile)
    return descrizione


def da_tabella(tblPr, stile, figlio):
    """A table property from the table itself, else from its style's chain."""
    for origine in [tblPr] + [s.find(qn("w:tblPr")) for s in stile]:
        if origine is not None and origine.find(qn(figlio)) is not None:
            return origine.find(qn(figlio))
    return None


def attributi(elemento, *nomi):
    return None if elemento is None else [elemento.get(qn("w:" + n)) for n in nomi]


def descrivi_tabella(tbl, stili):
    tblPr = tbl.find(qn("w:tblPr"))
    ts = tblPr.find(qn("w:tblStyle")) if tblPr is not None else None
    stile = stili.catena(ts.get(qn("w:val")) if ts is not None else None, "table")
    look = tblPr.find(qn("w:tblLook")) if tblPr is not None else None
    prima_riga = None
    if look is not None and (look.get(qn("w:firstRow")) == "1" or
                             int(look.get(qn("w:val")) or "0", 16) & 0x20 and look.get(qn("w:firstRow")) is None):
        for s in stile:
            for c in s.iterchildren(qn("w:tblStylePr")):
                if c.get(qn("w:type")) == "firstRow" and prima_riga is None:
                    shd = c.find(qn("w:tcPr") + "/" + qn("w:shd"))
                    prima_riga = [carattere([c.find(qn("w:rPr"))])[2], attributi(shd, "fill")]
    bordi = da_tabella(tblPr, stile, "w:tblBorders")
    margini = da_tabella(tblPr, stile, "w:tblCellMar")
    righe = []
    for tr in tbl.iterchildren(qn("w:tr")):
        trPr = tr.find(qn("w:trPr"))
        celle = []
        for tc in tr.iterchildren(qn("w:tc")):
            tcW = tc.find(qn("w:tcPr") + "/" + qn("w:tcW"))
            celle.append({"larghezza": attributi(tcW, "w", "type"),
                          "paragrafi": [descrivi_paragrafo(p, stili) for p in tc.iterchildren(qn("w:p"))]})
        righe.append({
            "riga di intestazione": trPr is not None and not falso(trPr.find(qn("w:tblHeader")))
            and trPr.find(qn("w:tblHeader")) is not None,
            "riga intera (non divisa tra pagine)": trPr is not None and not falso(trPr.find(qn("w:cantSplit")))
            and trPr.find(qn("w:cantSplit")) is not None,
            "celle": celle})
    return {
        "larghezze delle colonne": [g.get(qn("w:w")) for g in tbl.iterchildren(qn("w:tblGrid"))
                                    for g in g.iterchildren(qn("w:gridCol"))],
        "larghezza": attributi(da_tabella(tblPr, stile, "w:tblW"), "w", "type"),
        "disposizione": attributi(da_tabella(tblPr, stile, "w:tblLayout"), "type"),
        "margini delle celle": None if margini is None else
        {c.tag.split("}")[1]: attributi(c, "w", "type") for c in margini.iterchildren()},
        "bordi": None if bordi is None else
        {c.tag.split("}")[1]: attributi(c, "val", "sz") for c in bordi.iterchildren()},
        "formato della prima riga": prima_riga,
        "righe": righe,
    }


def descrivi(percorso):
    documento = Document(percorso)
    stili = Stili(documento)
    corpo = documento.element.body
    blocchi = []
    for e in corpo.iterchildren():
        if e.tag == qn("w:p"):
            blocchi.append({"paragrafo": descrivi_paragrafo(e, stili)})
        elif e.tag == qn("w:tbl"):
            blocchi.append({"tabella": descrivi_tabella(e, stili)})
    sectPr = corpo.find(qn("w:sectPr"))
    pagina = {
        "dimensioni della pagina": attributi(sectPr.find(qn("w:pgSz")), "w", "h", "orient"),
        "margini della pagina": attributi(sectPr.find(qn("w:pgMar")), "top", "right", "bottom", "left"),
    }
    # Which table paragraph styles there are: one for each font and alignment, none twice.
    usati = {}
    for tbl in corpo.iter(qn("w:tbl")):
        for ps in tbl.iter(qn("w:pStyle")):
            i = ps.get(qn("w:val"))
            usati[i] = carattere(stili.proprieta(i, "w:rPr", stili.rPr)) + [
                formato(stili.proprieta(i, "w:pPr", stili.pPr))[0]]
    stili_tabelle = sorted(map(repr, usati.values()))
    return {"pagina": pagina, "stili dei paragrafi delle tabelle": stili_tabelle, "blocchi": blocchi}


def differenza(a, b, dove):
    """The first place where two descriptions differ, as a readable path with both values."""
    if isinstance(a, dict) and isinstance(b, dict):
        for chiave in list(a) + [k for k in b if k not in a]:
            d = differenza(a.get(chiave), b.get(chiave), dove + [str(chiave)])
            if d:
                return d
        return None
    if isinstance(a, (list, tuple)) and isinstance(b, (list, tuple)) and not (
            a and b and not isinstance(a[0], (dict, list, tuple))):
        for i, (x, y) in enumerate(zip(a, b)):
            d = differenza(x, y, dove + ["%d" % (i + 1)])
            if d:
                return d
        if len(a) != len(b):
            return "%s: %d elementi / %d elementi" % (" > ".join(dove), len(a), len(b))
        return None
    if a != b:
        return "%s: %r / %r" % (" > ".join(dove), a, b)
    return None


def confronta(a, b):
    d = differenza(descrivi(a), descrivi(b), [])
    if d:
        print("documenti diversi: " + d, file=sys.stderr)
        return 1
    return 0


def main():
    if len(sys.argv) == 4 and sys.argv[1] == "--confronta":
        sys.exit(confronta(sys.argv[2], sys.argv[3]))
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    with open(sys.argv[1], encoding="utf-8") as f:
        contenuto = json.load(f)
    inizio = time.perf_counter()
    costruisci(contenuto, sys.argv[2])
    print("%.1f" % ((time.perf_counter() - inizio) * 1000))


if __name__ == "__main__":
    main()
