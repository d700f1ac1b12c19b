// Documents built through the automation objects, written as .docx and read back.
#include "office/scritturadocx.h"
#include "supporto/ambientedocumento.h"

#include <QImage>
#include <QRegularExpression>

using namespace office;

namespace {

class DocumentoScritto : public AmbienteDocumento {
protected:
    std::shared_ptr<Application> appword = nuovaApplicazione();
};

} // namespace

TEST_F(DocumentoScritto, TestoTipatoConCaratteriGrassettoEParagrafi)
{
    appword->Visible = true;
    auto documento = appword->Documents.Add();
    auto& sel = appword->Selection;
    sel.TypeText("\r\r\r");
    sel.Font.Name = "Century Gothic";
    sel.Font.Bold = 9999998;
    sel.Font.Size = 24;
    EXPECT_EQ(sel.Font.Bold, -1);
    sel.TypeText("CALCOLI IDRAULICI\r");
    sel.Font.Bold = 9999998;
    sel.Font.Size = 14;
    EXPECT_EQ(sel.Font.Bold, 0);
    sel.TypeText("progetto: ");
    sel.Font.Bold = true;
    sel.TypeText("Rete nord\r\r");
    sel.Font.Bold = false;
    sel.TypeText("località: Borgo  Alto\r\n\tfine");

    const lettura::Documento letto = salvaELeggi(*documento);
    ASSERT_EQ(letto.paragrafi.size(), 8);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(letto.paragrafi[i].frammenti.isEmpty());
        EXPECT_EQ(letto.paragrafi[i].dimensioneSegno, 12); // the default font's marks
    }
    const auto& titolo = letto.paragrafi[3];
    EXPECT_EQ(titolo.testo(), "CALCOLI IDRAULICI");
    ASSERT_EQ(titolo.frammenti.size(), 1);
    EXPECT_EQ(titolo.frammenti[0].font, "Century Gothic");
    EXPECT_EQ(titolo.frammenti[0].dimensione, 24);
    EXPECT_TRUE(titolo.frammenti[0].grassetto);

    const auto& progetto = letto.paragrafi[4];
    ASSERT_EQ(progetto.frammenti.size(), 2);
    EXPECT_EQ(progetto.frammenti[0].testo, "progetto: ");
    EXPECT_FALSE(progetto.frammenti[0].grassetto);
    EXPECT_EQ(progetto.frammenti[0].dimensione, 14);
    EXPECT_EQ(progetto.frammenti[1].testo, "Rete nord");
    EXPECT_TRUE(progetto.frammenti[1].grassetto);

    EXPECT_TRUE(letto.paragrafi[5].frammenti.isEmpty());
    EXPECT_EQ(letto.paragrafi[5].dimensioneSegno, 14);
    EXPECT_EQ(letto.paragrafi[6].testo(), "località: Borgo  Alto"); // blanks kept, \r\n is one mark
    EXPECT_EQ(letto.paragrafi[7].testo(), "\tfine");
}

TEST_F(DocumentoScritto, ParagrafiETabelleNellOrdineScritto)
{
    auto documento = appword->Documents.Add();
    auto& sel = appword->Selection;
    sel.Font.Name = "Century Gothic";
    sel.TypeText("Titolo\r");

    auto paragrafo = documento->Content.Paragraphs.Add(documento->Bookmarks("\\endofdoc").Range);
    paragrafo->Range.Font.Size = 18;
    paragrafo->Range.Text = "PORTATA ACQUE BIANCHE\r\r";
    paragrafo->Range.Font.Size = 10;
    paragrafo->Range.Text = "Legenda:\r\r";

    // a table with no size of its own keeps the size in force (10)
    auto legenda = documento->Tables.Add(documento->Bookmarks("\\endofdoc").Range, 3, 2);
    legenda->Cell(1, 1).Range.Text = "colonna";
    legenda->Cell(1, 2).Range.Text = "significato";
    legenda->Cell(2, 1).Range.Text = "lungh.";
    legenda->Cell(2, 2).Range.Text = "lunghezza del tratto\rin metri";
    legenda->AutoFormat(9);

    paragrafo->Range.Text = "\r\r";
    auto dati = documento->Tables.Add(documento->Bookmarks("\\endofdoc").Range, 4, 3);
    dati->Range.Font.Size = 8;
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 3; ++c)
            dati->Cell(r, c).Range.Text = QString("%1.%2").arg(r).arg(c);
    EXPECT_EQ(dati->Cell(3, 2).Range.Text.valore(), "3.2");

    paragrafo = documento->Content.Paragraphs.Add(documento->Bookmarks("\\endofdoc").Range);
    paragrafo->Range.Font.Size = 12;
    paragrafo->Range.Text = "Dopo le tabelle";

    EXPECT_EQ(documento->Tables.Count(), 2);
    const lettura::Documento letto = salvaELeggi(*documento);
    ASSERT_EQ(letto.tabelle.size(), 2);

    // text, the tables in the order added, and the writing that goes on after them
    const QStringList testi = letto.ordine.filter(QRegularExpression("^(P:.+|T:)"));
    EXPECT_EQ(testi, QStringList({"P:Titolo", "P:PORTATA ACQUE BIANCHE", "P:Legenda:", "T:0", "T:1",
                                  "P:Dopo le tabelle"}));
    const qsizetype legendaAt = letto.ordine.indexOf("T:0");
    const qsizetype datiAt = letto.ordine.indexOf("T:1");
    EXPECT_EQ(datiAt - legendaAt - 1, 2) << "two empty paragraphs between the tables";

    const lettura::Tabella& t0 = letto.tabelle[0];
    ASSERT_EQ(t0.righe.size(), 3);
    ASSERT_EQ(t0.colonne(), 2);
    EXPECT_EQ(t0.testo(1, 2), "significato");
    EXPECT_EQ(t0.testo(2, 2), "lunghezza del tratto\rin metri");
    EXPECT_EQ(t0.righe[1][1].size(), 2) << "a \\r in a cell starts a second paragraph";
    EXPECT_EQ(t0.primo(2, 1).frammenti[0].dimensione, 10);
    EXPECT_EQ(t0.primo(2, 1).frammenti[0].font, "Century Gothic");
    EXPECT_EQ(t0.primo(3, 1).dimensioneSegno, 10) << "empty cells keep the table's size";
    EXPECT_EQ(t0.stile, stileFormato9);

    const lettura::Tabella& t1 = letto.tabelle[1];
    ASSERT_EQ(t1.righe.size(), 4);
    ASSERT_EQ(t1.colonne(), 3);
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 3; ++c) {
            EXPECT_EQ(t1.testo(r, c), QString("%1.%2").arg(r).arg(c));
            EXPECT_EQ(t1.primo(r, c).frammenti[0].dimensione, 8);
        }
    EXPECT_EQ(t1.stile, stileGriglia);

    // the table's own size did not change the size in force for the text
    EXPECT_EQ(letto.paragrafi.back().frammenti[0].dimensione, 12);
}

TEST_F(DocumentoScritto, AllineamentoDelDocumentoEDelleColonneSelezionate)
{
    auto documento = appword->Documents.Add();
    auto& sel = appword->Selection;
    sel.TypeText("primo\rsecondo\r");
    auto t1 = documento->Tables.Add(documento->Bookmarks("\\endofdoc").Range, 3, 3);
    auto t2 = documento->Tables.Add(documento->Bookmarks("\\endofdoc").Range, 2, 2);
    documento->Content.Paragraphs.Add()->Range.Text = "ultimo";

    sel.Document.Select();
    sel.ParagraphFormat.Alignment = 3;
    EXPECT_EQ(sel.ParagraphFormat.Alignment, 3);
    documento->Tables(1).Columns(2).Select();
    sel.ParagraphFormat.Alignment = 2;
    documento->Tables(2).Columns(1).Select();
    sel.ParagraphFormat.Alignment = 2;
    EXPECT_EQ(documento->Tables(2).Columns.Count(), 2);

    const lettura::Documento letto = salvaELeggi(*documento);
    for (const auto& p : letto.paragrafi)
        EXPECT_EQ(p.allineamento, "both") << qPrintable(p.testo());
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(letto.tabelle[0].primo(r, 1).allineamento, "both");
        EXPECT_EQ(letto.tabelle[0].primo(r, 2).allineamento, "right");
        EXPECT_EQ(letto.tabelle[0].primo(r, 3).allineamento, "both");
    }
    for (int r = 1; r <= 2; ++r) {
        EXPECT_EQ(letto.tabelle[1].primo(r, 1).allineamento, "right");
        EXPECT_EQ(letto.tabelle[1].primo(r, 2).allineamento, "both");
    }
}

TEST_F(DocumentoScritto, AllineamentoAlPuntoDiInserimentoValePerIParagrafiSeguenti)
{
    auto documento = appword->Documents.Add();
    auto& sel = appword->Selection;
    sel.TypeText("sinistra\r");
    sel.ParagraphFormat.Alignment = 1;
    sel.TypeText("centro\rancora centro");
    const lettura::Documento letto = salvaELeggi(*documento);
    ASSERT_EQ(letto.paragrafi.size(), 3);
    EXPECT_EQ(letto.paragrafi[0].allineamento, "");
    EXPECT_EQ(letto.paragrafi[1].allineamento, "center");
    EXPECT_EQ(letto.paragrafi[2].allineamento, "center");
}

TEST_F(DocumentoScritto, InterruzioniDiPaginaPaginaA4EInterlinea)
{
    auto documento = appword->Documents.Add();
    auto& sel = appword->Selection;
    sel.PageSetup.PaperSize = 7;
    sel.Paragraphs.LineSpacing = 12;
    sel.TypeText("Guida: uno\r\rtesto uno\r\f");
    sel.TypeText("Guida: due\r\rtesto due\fsubito");
    documento->Content.Paragraphs.LineSpacing = 18;

    const lettura::Documento letto = salvaELeggi(*documento);
    EXPECT_EQ(letto.larghezzaPagina, 11906);
    EXPECT_EQ(letto.altezzaPagina, 16838);
    QStringList conInterruzione;
    for (const auto& p : letto.paragrafi) {
        if (p.interruzionePagina)
            conInterruzione << p.testo();
        EXPECT_EQ(p.interlinea, 360);
    }
    EXPECT_EQ(conInterruzione, QStringList({"Guida: due", "subito"}));
    EXPECT_EQ(documento->numeroPagine(), 3);
}

TEST_F(DocumentoScritto, DistanzeDeiBordiArrotondateAlPariECartaDiversa)
{
    auto documento = appword->Documents.Add();
    auto& sel = appword->Selection;
    sel.Borders.DistanceFromTop = 2.5;
    sel.Borders.DistanceFromBottom = 2.5;
    sel.Borders.DistanceFromLeft = 1.5;
    sel.Borders.DistanceFromRight = 3.5;
    EXPECT_EQ(sel.Borders.DistanceFromTop, 2);
    EXPECT_EQ(sel.Borders.DistanceFromBottom, 2);
    EXPECT_EQ(sel.Borders.DistanceFromLeft, 2);
    EXPECT_EQ(sel.Borders.DistanceFromRight, 4);
    sel.Borders.DistanceFromTop = 2.6;
    EXPECT_EQ(sel.Borders.DistanceFromTop, 3);

    sel.PageSetup.PaperSize = 9;
    const lettura::Documento letto = salvaELeggi(*documento);
    EXPECT_EQ(letto.larghezzaPagina, 8391);
    EXPECT_EQ(letto.altezzaPagina, 11906);
}

TEST_F(DocumentoScritto, FormatoAutomatico9HaLIntestazioneMarcataGliAltriSonoRifiutati)
{
    auto documento = appword->Documents.Add();
    auto t = documento->Tables.Add(documento->Bookmarks("\\endofdoc").Range, 2, 2);
    EXPECT_FALSE(t->AutoFormat(5));
    EXPECT_TRUE(t->AutoFormat(9));
    const lettura::Documento letto = salvaELeggi(*documento);
    EXPECT_EQ(letto.tabelle[0].stile, stileFormato9);

    // the style: grid lines and a bold, shaded first row
    const QString stili = QString::fromUtf8(letto.parti.value("word/styles.xml"));
    const qsizetype inizio = stili.indexOf(QString("w:styleId=\"%1\"").arg(stileFormato9));
    ASSERT_GE(inizio, 0);
    const QString stile = stili.mid(inizio, stili.indexOf("</w:style>", inizio) - inizio);
    EXPECT_TRUE(stile.contains("<w:insideH w:val=\"single\""));
    EXPECT_TRUE(stile.contains("<w:insideV w:val=\"single\""));
    EXPECT_TRUE(stile.contains(QRegularExpression("<w:tblStylePr w:type=\"firstRow\"><w:rPr><w:b/></w:rPr>"
                                                  "<w:tcPr><w:shd [^>]*w:fill=\"[0-9A-F]{6}\"")));
}

TEST_F(DocumentoScritto, LeFigureEntranoComePngOJpegEStannoNellaPagina)
{
    // a bitmap saved under a .jpg name, as the formula window does
    QImage bitmap(824, 1184, QImage::Format_Mono);
    bitmap.fill(1);
    bitmap.setDotsPerMeterX(3790);
    bitmap.setDotsPerMeterY(3800);
    const QString formule = cartella.filePath("formule.jpg");
    ASSERT_TRUE(bitmap.save(formule, "BMP"));
    QImage foto(200, 100, QImage::Format_RGB32);
    foto.fill(Qt::blue);
    const QString jpeg = cartella.filePath("foto.jpeg");
    ASSERT_TRUE(foto.save(jpeg, "JPEG"));
    const QString testo = cartella.filePath("non-figura.png");
    {
        QFile f(testo);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("non sono una figura");
    }

    auto documento = appword->Documents.Add();
    auto& sel = appword->Selection;
    sel.TypeText("Formule\r");
    EXPECT_TRUE(sel.InlineShapes.AddPicture(formule));
    EXPECT_FALSE(sel.InlineShapes.AddPicture(testo));
    EXPECT_FALSE(sel.InlineShapes.AddPicture(cartella.filePath("mancante.bmp")));
    sel.TypeText("\r");
    EXPECT_TRUE(sel.InlineShapes.AddPicture(jpeg));

    const lettura::Documento letto = salvaELeggi(*documento);
    const QByteArray png = letto.parti.value("word/media/immagine1.png");
    ASSERT_FALSE(png.isEmpty());
    EXPECT_TRUE(png.startsWith("\x89PNG"));
    EXPECT_EQ(QImage::fromData(png).size(), QSize(824, 1184));
    const QByteArray jpg = letto.parti.value("word/media/immagine2.jpeg");
    EXPECT_TRUE(jpg.startsWith("\xFF\xD8"));
    EXPECT_TRUE(letto.parti.value("[Content_Types].xml").contains("Extension=\"png\""));
    const QString relazioni = QString::fromUtf8(letto.parti.value("word/_rels/document.xml.rels"));
    EXPECT_TRUE(relazioni.contains("Target=\"media/immagine1.png\""));

    ASSERT_EQ(letto.paragrafi.size(), 3);
    ASSERT_EQ(letto.paragrafi[1].frammenti.size(), 1);
    const lettura::Frammento& figura = letto.paragrafi[1].frammenti[0];
    EXPECT_FALSE(figura.immagine.isEmpty());
    EXPECT_TRUE(relazioni.contains(QString("Id=\"%1\"").arg(figura.immagine)));
    // shrunk to the text width (17 cm) keeping its proportions
    const long long larghezzaUtile = (11906 - 2 * margineSinistraDestra) * 635LL;
    EXPECT_NEAR(figura.larghezzaEmu, larghezzaUtile, 1000);
    EXPECT_NEAR(static_cast<double>(figura.altezzaEmu) / figura.larghezzaEmu, 1184.0 / 824 * 3790 / 3800, 0.01);
    // the small picture keeps its own size: 200 pixels at 96 to the inch
    EXPECT_NEAR(letto.paragrafi[2].frammenti[0].larghezzaEmu, 200 * 9525, 2000);
}

TEST_F(DocumentoScritto, IndiciSbagliatiNonRomponoNulla)
{
    auto documento = appword->Documents.Add();
    auto t = documento->Tables.Add(documento->Bookmarks("\\endofdoc").Range, 2, 2);
    t->Cell(3, 1).Range.Text = "fuori";
    t->Cell(0, 0).Range.Text = "fuori";
    // a table or document that is not there would misplace what follows: an error
    EXPECT_THROW(documento->Tables(2).Columns(1).Select(), ErroreDocumento);
    EXPECT_THROW(documento->Tables(0), ErroreDocumento);
    EXPECT_THROW(appword->Documents(9), ErroreDocumento);
    appword->Selection.ParagraphFormat.Alignment = 2; // nothing selected: the insertion point
    t->Columns(5).Select();

    const lettura::Documento letto = salvaELeggi(*documento);
    ASSERT_EQ(letto.tabelle.size(), 1);
    for (int r = 1; r <= 2; ++r)
        for (int c = 1; c <= 2; ++c) {
            EXPECT_EQ(letto.tabelle[0].testo(r, c), "");
            EXPECT_EQ(letto.tabelle[0].primo(r, c).allineamento, "");
        }
}

TEST_F(DocumentoScritto, LaSelezioneAgisceSulDocumentoAggiuntoPerUltimo)
{
    auto primo = appword->Documents.Add();
    appword->Selection.TypeText("nel primo");
    auto secondo = appword->Documents.Add();
    appword->Selection.TypeText("nel secondo");
    EXPECT_EQ(appword->Documents.Count(), 2);
    EXPECT_EQ(&appword->Documents(2), secondo.get());
    EXPECT_EQ(&appword->Documents(1), primo.get());
    EXPECT_EQ(salvaELeggi(*primo, "primo.docx").ordine, QStringList({"P:nel primo"}));
    EXPECT_EQ(salvaELeggi(*secondo, "secondo.docx").ordine, QStringList({"P:nel secondo"}));
}

TEST_F(DocumentoScritto, LeParteDelPacchettoSonoTutteDichiarate)
{
    auto documento = appword->Documents.Add();
    appword->Selection.TypeText("testo con <caratteri> & \"virgolette\"\x01");
    const lettura::Documento letto = salvaELeggi(*documento);
    for (const char* parte : {"[Content_Types].xml", "_rels/.rels", "word/_rels/document.xml.rels",
                              "word/document.xml", "word/styles.xml", "word/settings.xml"})
        EXPECT_TRUE(letto.parti.contains(parte)) << parte;
    const QString tipi = QString::fromUtf8(letto.parti.value("[Content_Types].xml"));
    EXPECT_TRUE(tipi.contains("PartName=\"/word/document.xml\""));
    EXPECT_TRUE(tipi.contains("PartName=\"/word/styles.xml\""));
    EXPECT_EQ(letto.paragrafi[0].testo(), "testo con <caratteri> & \"virgolette\"");
}

TEST_F(DocumentoScritto, CaratteriCheL_XmlDeveProteggereTornanoUguali)
{
    // Texts, cells and font names with XML's own characters come back as written; a control
    // character, which XML cannot hold, is dropped.
    const QString speciale = QString::fromUtf8("a & b < c > d \"e\" 'f' — è");
    auto documento = appword->Documents.Add();
    appword->Selection.Font.Name = "Tipo \"A\" & <B>";
    appword->Selection.TypeText(speciale + "\r");
    auto t = documento->Tables.Add(documento->Bookmarks("\\endofdoc").Range, 1, 1);
    t->Cell(1, 1).Range.Text = speciale + QChar(1) + "\tfine";
    const lettura::Documento letto = salvaELeggi(*documento);
    ASSERT_FALSE(letto.paragrafi.isEmpty());
    EXPECT_EQ(letto.paragrafi[0].testo().toStdString(), speciale.toStdString());
    EXPECT_EQ(letto.paragrafi[0].frammenti[0].font.toStdString(), "Tipo \"A\" & <B>");
    ASSERT_EQ(letto.tabelle.size(), 1);
    EXPECT_EQ(letto.tabelle[0].testo(1, 1).toStdString(), (speciale + "\tfine").toStdString());
}
