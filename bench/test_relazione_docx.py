#!/usr/bin/python3
"""The report's bench on a small network: Velmor's document and python-docx's must compare
equal, and the comparison must fail when python-docx's document differs in any one property
of the page, the tables, the styles, the fonts, the page-count field or the text.

    test_relazione_docx.py BENCH_RELAZIONE
"""
import copy
import glob
import os
import shutil
import subprocess
import sys
import tempfile
import unittest
import zipfile

from lxml import etree

COPIONE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "relazione_docx.py")
W = "{http://schemas.openxmlformats.org/wordprocessingml/2006/main}"
BANCO = None


def w(nome):
    return W + nome


def primo(radice, percorso):
    trovato = radice.find(percorso, {"w": W[1:-1]})
    if trovato is None:
        raise AssertionError("nel documento manca " + percorso)
    return trovato


def tutti(radice, percorso):
    return radice.findall(percorso, {"w": W[1:-1]})


# Each change: what it alters and the words the comparison must name in its message.
def pagina_lettera(d, s):
    primo(d, ".//w:sectPr/w:pgSz").set(w("w"), "12240")


def margine_sinistro(d, s):
    primo(d, ".//w:sectPr/w:pgMar").set(w("left"), "1800")


def colonna_piu_larga(d, s):
    g = primo(d, ".//w:tbl/w:tblGrid/w:gridCol")
    g.set(w("w"), str(int(g.get(w("w"))) + 20))


def cella_piu_larga(d, s):
    c = primo(d, ".//w:tbl/w:tr/w:tc/w:tcPr/w:tcW")
    c.set(w("w"), str(int(c.get(w("w"))) + 20))


def senza_intestazione(d, s):
    h = primo(d, ".//w:tbl/w:tr/w:trPr/w:tblHeader")
    h.getparent().remove(h)


def riga_divisibile(d, s):
    r = tutti(d, ".//w:tbl/w:tr/w:trPr/w:cantSplit")[-1]
    r.getparent().remove(r)


def margini_celle(d, s):
    primo(d, ".//w:tbl/w:tblPr/w:tblCellMar/w:left").set(w("w"), "108")


def prima_riga_senza_fondo(d, s):
    id_stile = [p.find(w("tblStyle")).get(w("val")) for p in tutti(d, ".//w:tbl/w:tblPr")
                if primo(p, "w:tblLook").get(w("firstRow")) == "1"][0]
    stile = [x for x in tutti(s, "w:style") if x.get(w("styleId")) == id_stile][0]
    shd = primo(stile, "w:tblStylePr/w:tcPr/w:shd")
    shd.getparent().remove(shd)


def carattere_nella_cella(d, s):
    """The old peer's way: the font on the cell's run, no paragraph style."""
    p = tutti(d, ".//w:tbl//w:p[w:r]")[-1]
    ps = primo(p, "w:pPr/w:pStyle")
    id_stile = ps.get(w("val"))
    ps.getparent().remove(ps)
    stile = [x for x in tutti(s, "w:style") if x.get(w("styleId")) == id_stile][0]
    r = primo(p, "w:r")
    r.insert(0, copy.deepcopy(primo(stile, "w:rPr")))


def stile_con_altro_carattere(d, s):
    id_stile = primo(d, ".//w:tbl//w:pStyle").get(w("val"))
    stile = [x for x in tutti(s, "w:style") if x.get(w("styleId")) == id_stile][0]
    f = primo(stile, "w:rPr/w:rFonts")
    f.set(w("ascii"), "Arial")


def due_stili_uguali(d, s):
    """A second paragraph style with the same font and alignment as the first, used by one cell."""
    ps = tutti(d, ".//w:tbl//w:pStyle")[-1]
    stile = [x for x in tutti(s, "w:style") if x.get(w("styleId")) == ps.get(w("val"))][0]
    doppio = copy.deepcopy(stile)
    doppio.set(w("styleId"), "Doppio")
    primo(doppio, "w:name").set(w("val"), "Doppio")
    s.append(doppio)
    ps.set(w("val"), "Doppio")


def corpo_piu_grande(d, s):
    for sz in tutti(d, "w:body/w:p/w:r/w:rPr/w:sz"):
        if sz.get(w("val")) == "24":
            sz.set(w("val"), "22")
            return
    raise AssertionError("nessun frammento di 12 punti")


def campo_tolto(d, s):
    """The page count typed as plain text: the same text, no field."""
    campo = primo(d, ".//w:fldSimple")
    for r in list(campo):
        campo.addprevious(r)
    campo.getparent().remove(campo)


def testo_cambiato(d, s):
    t = tutti(d, ".//w:tbl//w:t")[-1]
    t.text = t.text + "0"


def allineamento_tolto(d, s):
    jc = primo(d, "w:body/w:p/w:pPr/w:jc")
    jc.getparent().remove(jc)


def spazio_dopo_i_paragrafi(d, s):
    primo(s, "w:docDefaults/w:pPrDefault/w:pPr/w:spacing").set(w("after"), "200")


def grassetto_in_una_cella(d, s):
    r = tutti(d, ".//w:tbl//w:p/w:r")[-1]
    rPr = r.find(w("rPr"))
    if rPr is None:
        rPr = etree.Element(w("rPr"))
        r.insert(0, rPr)
    etree.SubElement(rPr, w("b"))


def paragrafo_vuoto_tolto(d, s):
    p = [p for p in tutti(d, "w:body/w:p") if p.find(w("r")) is None][-1]
    p.getparent().remove(p)


CAMBIAMENTI = [
    (pagina_lettera, "dimensioni della pagina"),
    (margine_sinistro, "margini della pagina"),
    (colonna_piu_larga, "larghezze delle colonne"),
    (cella_piu_larga, "larghezza"),
    (senza_intestazione, "riga di intestazione"),
    (riga_divisibile, "riga intera"),
    (margini_celle, "margini delle celle"),
    (prima_riga_senza_fondo, "formato della prima riga"),
    (carattere_nella_cella, "stile del paragrafo"),
    (stile_con_altro_carattere, "stili dei paragrafi delle tabelle"),
    (due_stili_uguali, "stili dei paragrafi delle tabelle"),
    (corpo_piu_grande, "testo e caratteri"),
    (campo_tolto, "testo e caratteri"),
    (testo_cambiato, "testo e caratteri"),
    (allineamento_tolto, "allineamento"),
    (spazio_dopo_i_paragrafi, "spaziatura e interlinea"),
    (grassetto_in_una_cella, "testo e caratteri"),
    (paragrafo_vuoto_tolto, "blocchi"),
]


def cambia(origine, destinazione, cambiamento):
    with zipfile.ZipFile(origine) as z:
        parti = {n: z.read(n) for n in z.namelist()}
    documento = etree.fromstring(parti["word/document.xml"])
    stili = etree.fromstring(parti["word/styles.xml"])
    cambiamento(documento.find(w("body")).getparent(), stili)
    parti["word/document.xml"] = etree.tostring(documento, xml_declaration=True, encoding="UTF-8", standalone=True)
    parti["word/styles.xml"] = etree.tostring(stili, xml_declaration=True, encoding="UTF-8", standalone=True)
    with zipfile.ZipFile(destinazione, "w", zipfile.ZIP_DEFLATED) as z:
        for nome, dati in parti.items():
            z.writestr(nome, dati)


def confronta(a, b):
    esito = subprocess.run([sys.executable, COPIONE, "--confronta", a, b], capture_output=True, text=True)
    return esito.returncode, esito.stderr


class ConfrontoDocumenti(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.cartella = tempfile.mkdtemp()
        ambiente = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        esito = subprocess.run([BANCO, "--prova", cls.cartella], capture_output=True, text=True, env=ambiente)
        if esito.returncode != 0:
            raise AssertionError("il banco non è riuscito:\n" + esito.stdout + esito.stderr)
        cls.nostro = glob.glob(os.path.join(cls.cartella, "documenti", "*.docx"))[0]
        cls.loro = os.path.join(cls.cartella, "relazione-python-docx.docx")

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.cartella)

    def test_stesso_documento(self):
        for a, b in ((self.nostro, self.loro), (self.loro, self.nostro)):
            codice, messaggio = confronta(a, b)
            self.assertEqual(codice, 0, messaggio)

    def test_ogni_differenza_fa_fallire(self):
        for cambiamento, proprieta in CAMBIAMENTI:
            with self.subTest(cambiamento.__name__):
                cambiato = os.path.join(self.cartella, cambiamento.__name__ + ".docx")
                cambia(self.loro, cambiato, cambiamento)
                codice, messaggio = confronta(self.nostro, cambiato)
                self.assertEqual(codice, 1, messaggio)
                self.assertIn(proprieta, messaggio)


if __name__ == "__main__":
    BANCO = sys.argv.pop(1)
    unittest.main()
