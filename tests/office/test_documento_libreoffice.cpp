// A real word processor opens our documents: a report-like document of about ten pages is
// converted to PDF by LibreOffice, its text read back in order, its pages counted against ours.
#include "supporto/ambientedocumento.h"
#include "supporto/programmi.h"

#include <QImage>
#include <cstdio>
#include <QRegularExpression>
#include <QStandardPaths>

using namespace office;

namespace {

QString senzaSpazi(QString testo)
{
    return testo.remove(QRegularExpression("\\s+"));
}

const QString prosa = QStringLiteral(
    "I calcoli idraulici della fognatura in progetto sono stati svolti tenendo conto delle "
    "caratteristiche del bacino che vi scola e dei dati di pioggia della zona; per ogni tratto "
    "della rete si sono ricavate la portata delle acque meteoriche, quella delle acque nere e la "
    "portata complessiva, dalla quale discende il diametro del collettore e la velocita' "
    "dell'acqua nella sezione scelta, che deve restare entro i limiti consigliati. ");

// Cell (r, c) of a network table: the segment number, then small numbers that fit a cell.
QString cellaRete(int segmento, int colonna)
{
    if (colonna == 1)
        return QString::number(segmento);
    return QString::number((segmento * 7 + colonna * 3) % 97 / 10.0, 'f', 1);
}

struct Relazione {
    std::shared_ptr<Application> appword = nuovaApplicazione();
    std::shared_ptr<Document> documento;
    QStringList attesi;          // texts that must come out in this order
    QList<int> segmentiVerificati;
};

void scriviTabellaRete(Document& documento, int primo, int righe, int segmenti)
{
    auto tabella = documento.Tables.Add(documento.Bookmarks("\\endofdoc").Range, righe, 16);
    tabella->Range.Font.Size = 8;
    for (int c = 1; c <= 16; ++c) {
        tabella->Cell(1, c).Range.Text = QString("c%1").arg(c);
        tabella->Cell(2, c).Range.Text = c == 1 ? "n." : "m";
    }
    for (int r = 3; r <= righe && primo + r - 3 <= segmenti; ++r)
        for (int c = 1; c <= 16; ++c)
            tabella->Cell(r, c).Range.Text = cellaRete(primo + r - 3, c);
    tabella->AutoFormat(9);
}

// Builds the document the way the report does: title page at the selection, then sections
// through the current paragraph, tables at the end of the document, the end pass.
Relazione costruisci(const QString& figura)
{
    Relazione rel;
    auto& sel = rel.appword->Selection;
    rel.appword->Visible = true;
    rel.documento = rel.appword->Documents.Add();
    Document& doc = *rel.documento;

    sel.TypeText("\r\r\r");
    sel.PageSetup.PaperSize = 7;
    sel.Paragraphs.LineSpacing = 12;
    sel.Borders.DistanceFromTop = 2.5;
    sel.Borders.DistanceFromBottom = 2.5;
    sel.Borders.DistanceFromLeft = 1.5;
    sel.Borders.DistanceFromRight = 1.5;
    sel.Font.Name = "Century Gothic";
    sel.Font.Bold = 9999998;
    sel.Font.Size = 24;
    sel.TypeText("CALCOLI IDRAULICI\r");
    sel.Font.Bold = 9999998;
    sel.Font.Size = 14;
    sel.TypeText("(per una fognatura a sistema misto)\r");
    sel.TypeText("\r\r\r\rprogetto: Rete fognaria di Borgo Alto\r\r\r");
    sel.TypeText("località: Borgo Alto\r\r\r");
    sel.TypeText("tipologia di studio: progetto esecutivo");
    for (int i = 0; i < 7; ++i)
        sel.TypeText("\r");
    sel.TypeText("progettista: Studio Tecnico Associato\r");
    sel.TypeText("committente: Comune di Borgo Alto\r\r");
    sel.TypeText("Borgo Alto: 7 dicembre 2026\f");
    rel.attesi << "CALCOLI IDRAULICI" << "(per una fognatura a sistema misto)"
               << "progetto: Rete fognaria di Borgo Alto" << "committente: Comune di Borgo Alto";

    auto paragrafo = doc.Content.Paragraphs.Add(doc.Bookmarks("\\endofdoc").Range);
    paragrafo->Range.Font.Size = 18;
    paragrafo->Range.Text = "PORTATA ACQUE BIANCHE\r\r";
    paragrafo->Range.Font.Size = 12;
    for (int i = 1; i <= 6; ++i)
        paragrafo->Range.Text = QString("Paragrafo %1. ").arg(i) + prosa + prosa + "\r";
    paragrafo->Range.Text = "\r";
    rel.attesi << "PORTATA ACQUE BIANCHE" << "Paragrafo 1." << "Paragrafo 6.";

    auto coefficienti = doc.Tables.Add(doc.Bookmarks("\\endofdoc").Range, 11, 2);
    coefficienti->Range.Font.Size = 10;
    coefficienti->Cell(1, 1).Range.Text = "tipo di superficie";
    coefficienti->Cell(1, 2).Range.Text = "coeff.deflusso";
    for (int r = 2; r <= 11; ++r) {
        coefficienti->Cell(r, 1).Range.Text = QString("superficie di tipo %1").arg(r - 1);
        coefficienti->Cell(r, 2).Range.Text = QString::number(1.0 - r * 0.08, 'f', 2);
    }
    coefficienti->AutoFormat(9);
    rel.attesi << "tipo di superficie" << "coeff.deflusso" << "superficie di tipo 1" << "0.84"
               << "superficie di tipo 10" << "0.12";

    paragrafo->Range.Font.Size = 12;
    paragrafo->Range.Text = "\r\r" + prosa + "\r";
    for (int i = 0; i < 32; ++i)
        paragrafo->Range.Text = "\r";
    paragrafo->Range.Font.Size = 18;
    paragrafo->Range.Text = "DATI E DIMENSIONAMENTO DELLA RETE\r\r";
    paragrafo->Range.Font.Size = 10;
    paragrafo->Range.Text = "Legenda:\r\r";
    auto legenda = doc.Tables.Add(doc.Bookmarks("\\endofdoc").Range, 17, 2);
    legenda->Cell(1, 1).Range.Text = "colonna";
    legenda->Cell(1, 2).Range.Text = "significato";
    for (int r = 2; r <= 17; ++r) {
        legenda->Cell(r, 1).Range.Text = QString("c%1").arg(r - 1);
        legenda->Cell(r, 2).Range.Text = QString("grandezza numero %1 del tratto").arg(r - 1);
    }
    legenda->AutoFormat(9);
    paragrafo->Range.Text = "\r\r";
    rel.attesi << "DATI E DIMENSIONAMENTO DELLA RETE" << "Legenda:" << "colonna" << "significato"
               << "grandezza numero 1 del tratto" << "grandezza numero 16 del tratto";

    // 25 segments in the first table, 57 in each further one
    const int segmenti = 200;
    scriviTabellaRete(doc, 1, 27, segmenti);
    for (int primo = 26; primo <= segmenti; primo += 57) {
        paragrafo = doc.Content.Paragraphs.Add(doc.Bookmarks("\\endofdoc").Range);
        for (int i = 0; i < 10; ++i)
            paragrafo->Range.Text = "\r";
        scriviTabellaRete(doc, primo, 59, segmenti);
    }
    rel.segmentiVerificati = {1, 25, 26, 82, 83, 139, 140, 200};

    paragrafo = doc.Content.Paragraphs.Add(doc.Bookmarks("\\endofdoc").Range);
    for (int i = 0; i < 12; ++i)
        paragrafo->Range.Text = "\r";
    paragrafo = doc.Content.Paragraphs.Add(doc.Bookmarks("\\endofdoc").Range);
    paragrafo->Range.Font.Size = 12;
    paragrafo->Range.Text = "La presente relazione è composta di n. ";
    paragrafo->Range.Fields.Add(IntervalloFine::Campi::wdFieldNumPages);
    paragrafo->Range.Text = " pagine.\r";
    paragrafo->Range.Text = "Si allegano: planimetria\r\r";
    sel.InlineShapes.AddPicture(figura);
    paragrafo->Range.Text = "\rBorgo Alto: 7 dicembre 2026\r\ril progettista\r(Studio Tecnico Associato)";
    rel.attesi << "La presente relazione è composta di n." << "Si allegano: planimetria" << "il progettista"
               << "(Studio Tecnico Associato)";

    sel.Document.Select();
    sel.ParagraphFormat.Alignment = 3;
    doc.Tables(1).Columns(2).Select();
    sel.ParagraphFormat.Alignment = 2;
    for (int t = 3; t <= doc.Tables.Count(); ++t)
        for (int c = 1; c <= doc.Tables(t).Columns.Count(); ++c) {
            doc.Tables(t).Columns(c).Select();
            sel.ParagraphFormat.Alignment = 2;
        }
    return rel;
}

class DocumentoInLibreOffice : public AmbienteDocumento {};

} // namespace

TEST_F(DocumentoInLibreOffice, IlTestoLeTabelleELePagineCorrispondono)
{
    const QString soffice = QStandardPaths::findExecutable("soffice");
    ASSERT_FALSE(soffice.isEmpty()) << "soffice is missing: install libreoffice-writer-nogui";
    ASSERT_FALSE(QStandardPaths::findExecutable("pdftotext").isEmpty()) << "pdftotext is missing: install poppler-utils";

    QImage planimetria(120, 80, QImage::Format_RGB32);
    planimetria.fill(Qt::darkGreen);
    const QString figura = cartella.filePath("planimetria.bmp");
    ASSERT_TRUE(planimetria.save(figura, "BMP"));

    Relazione rel = costruisci(figura);
    const QString docx = cartella.filePath("relazione.docx");
    ASSERT_TRUE(rel.documento->SaveAs(docx));
    const int nostre = rel.documento->numeroPagine();

    QString uscita;
    const QString pdf = convertiInPdf(docx, cartella.path(), &uscita);
    ASSERT_FALSE(pdf.isEmpty()) << "LibreOffice did not convert the document: " << qPrintable(uscita);

    const int loro = paginePdf(pdf);
    ASSERT_GT(loro, 0);
    EXPECT_LE(std::abs(loro - nostre), 1) << "LibreOffice " << loro << " pages, ours " << nostre;
    std::printf("pagine: LibreOffice %d, modello %d\n", loro, nostre);
    EXPECT_GE(nostre, 8);
    EXPECT_LE(nostre, 13);

    // texts and cells in the order written
    const QString testo = esegui("pdftotext", {"-layout", pdf, "-"});
    ASSERT_FALSE(testo.isEmpty());
    const QString compatto = senzaSpazi(testo);
    qsizetype dove = 0;
    for (const QString& atteso : rel.attesi) {
        const qsizetype trovato = compatto.indexOf(senzaSpazi(atteso), dove);
        EXPECT_GE(trovato, 0) << "missing or out of order: " << qPrintable(atteso);
        if (trovato >= 0)
            dove = trovato;
    }
    // each checked segment's row comes out as one line, its sixteen cells in column order,
    // and the rows follow each other
    qsizetype riga = compatto.indexOf("grandezzanumero16deltratto");
    ASSERT_GE(riga, 0);
    for (int segmento : rel.segmentiVerificati) {
        QStringList celle;
        for (int c = 1; c <= 16; ++c)
            celle << QRegularExpression::escape(cellaRete(segmento, c));
        const QRegularExpression linea("(?m)^\\s*" + celle.join("\\s+") + "\\s*$");
        EXPECT_TRUE(linea.match(testo).hasMatch()) << "row of segment " << segmento;
        const qsizetype trovato = compatto.indexOf(senzaSpazi(celle.join("").remove('\\')), riga);
        EXPECT_GT(trovato, riga) << "segment " << segmento << " out of order";
        riga = std::max(riga, trovato);
    }
    EXPECT_LT(riga, compatto.indexOf("Lapresenterelazione"));
    // the page-count field shows the word processor's own total
    EXPECT_TRUE(compatto.contains(QString("relazione%1compostadin.%2pagine.").arg(QChar(0xE8)).arg(loro)))
        << qPrintable(compatto.mid(compatto.indexOf("Lapresente"), 60));
}

// A table of sixteen narrow columns in the report's headings and widest numbers, two heading rows
// (the word processor sets both in bold), eight lines deep together, and body rows enough to reach
// a third page only because the heading comes again on the second: in LibreOffice no heading word
// breaks, no cell passes the right margin, and the pages are ours.
TEST_F(DocumentoInLibreOffice, TabellaLargaSuPiuPagine)
{
    ASSERT_FALSE(QStandardPaths::findExecutable("soffice").isEmpty()) << "install libreoffice-writer-nogui";
    const QStringList codici = QString("tratto lungh. disl. bac. pend. acq. sup. dotaz. abit. port.c. port.s. "
                                       "port.p. port.t. diam. vel. sez.")
                                   .split(' ');
    const QStringList unita = QString("n. m. m. n. % mm/h ha l/ab n. l/s l/s l/s l/s cm. m/s %").split(' ');
    const QStringList numeri = QString("500 199.00 9.99 10 18.5% 120 9.99 999 99999 999.9 999.9 "
                                       "9999.9 9999.9 500 9.99 100")
                                   .split(' ');
    const auto documento = [&](int righe) {
        auto appword = nuovaApplicazione();
        auto d = appword->Documents.Add();
        appword->Selection.Font.Name = "Century Gothic";
        auto t = d->Tables.Add(d->Bookmarks("\\endofdoc").Range, righe + 2, 16);
        t->Range.Font.Size = 8;
        for (int c = 1; c <= 16; ++c) {
            t->Cell(1, c).Range.Text =
                c == 1 ? "tratto\rdella\rrete\rin\rprogetto\rnumero\rprogressivo" : codici[c - 1];
            t->Cell(2, c).Range.Text = unita[c - 1];
            for (int r = 3; r <= righe + 2; ++r)
                t->Cell(r, c).Range.Text = numeri[c - 1];
        }
        t->AutoFormat(9);
        t->intestazioneRipetuta(2);
        return d;
    };
    // Body rows on the first page with the paragraph that ends the document; without it a page
    // holds one or two more. Twice as many and six more need a third page when the heading comes
    // again on the second (eight rows' height), and fit on two when it does not.
    int suUnaPagina = 1;
    while (documento(suUnaPagina + 1)->numeroPagine() == 1)
        ++suUnaPagina;
    const auto d = documento(2 * suUnaPagina + 6);
    ASSERT_EQ(d->numeroPagine(), 3);

    const QString docx = cartella.filePath("larga.docx");
    ASSERT_TRUE(d->SaveAs(docx));
    QString uscita;
    const QString pdf = convertiInPdf(docx, cartella.path(), &uscita);
    ASSERT_FALSE(pdf.isEmpty()) << qPrintable(uscita);
    EXPECT_EQ(paginePdf(pdf), 3);
    const QString testo = esegui("pdftotext", {"-layout", pdf, "-"});
    EXPECT_EQ(testo.count(QRegularExpression("(?m)^\\s*" + unita.join("\\s+").replace(".", "\\.") + "\\s*$")), 3)
        << qPrintable(testo.left(600));
    // the words' boxes, in points: none past the right margin of the A4 page
    const QString caselle = esegui("pdftotext", {"-bbox", pdf, "-"});
    const QRegularExpression destra("xMax=\"([0-9.]+)\"");
    double piuADestra = 0;
    for (auto m = destra.globalMatch(caselle); m.hasNext();)
        piuADestra = std::max(piuADestra, m.next().captured(1).toDouble());
    EXPECT_GT(piuADestra, 500);
    EXPECT_LE(piuADestra, (11906 - margineSinistraDestra) / 20.0);
}
