#include "office/scritturadocx.h"

#include "office/impaginazione.h"
#include "office/scrittorexml.h"

#include <algorithm>
#include <zip.h>

#include <QHash>

#include <cmath>

namespace office {

namespace {

const QString nsW = QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");
const QString nsR = QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");
const QString nsWp = QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing");
const QString nsA = QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/main");
const QString nsPic = QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/picture");
const QString nsRelazioni = QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships");

constexpr long long emuPerPunto = 12700;

QString numero(long long n)
{
    return QString::number(n);
}

// Relationship id of picture i in document.xml.rels.
QString idImmagine(size_t i)
{
    return QStringLiteral("rIdImg%1").arg(i + 1);
}

QString nomeImmagine(const Immagine& immagine, size_t i)
{
    return QStringLiteral("immagine%1.%2").arg(i + 1).arg(immagine.estensione);
}

void vuoto(ScrittoreXml& x, const QString& nome, const QString& attributo, const QString& valore)
{
    x.writeEmptyElement(nome);
    x.writeAttribute(attributo, valore);
}

// The w:jc values of the alignments; the left one is the default and is not written.
const QString giustificazioni[] = {QString(), QStringLiteral("center"), QStringLiteral("right"), QStringLiteral("both")};

int allineamentoScritto(int allineamento)
{
    return allineamento >= Centrato && allineamento <= Giustificato ? allineamento : Sinistra;
}

// The paragraphs of a table's cells take their font and alignment from a paragraph style rather
// than repeating them in every cell (a report's tables have some 10,000 cells): one style for each
// table font (bold aside) and cell alignment of the document, in the order of first use. A
// paragraph style, not a character style: LibreOffice lays a table style's character format (the
// document's default font, when the table style has none) over a character style, but not over
// a paragraph style. Bold stays on the run itself, as direct formatting the styles cannot toggle.
struct StileTesto {
    Carattere carattere;
    int allineamento = Sinistra;
    bool operator==(const StileTesto&) const = default;
};

StileTesto stileDi(const Carattere& c, int allineamento)
{
    StileTesto stile{c, allineamentoScritto(allineamento)};
    stile.carattere.grassetto = false;
    return stile;
}

std::vector<StileTesto> stiliTesto(const ModelloDocumento& modello)
{
    std::vector<StileTesto> elenco;
    for (const Tabella& t : modello.tabelle)
        for (const Cella& cella : t.celle)
            if (const StileTesto stile = stileDi(t.carattere, cella.allineamento);
                std::find(elenco.begin(), elenco.end(), stile) == elenco.end())
                elenco.push_back(stile);
    return elenco;
}

QString idStileTesto(const std::vector<StileTesto>& elenco, const StileTesto& stile)
{
    const auto trovato = std::find(elenco.begin(), elenco.end(), stile);
    return QStringLiteral("Tab%1").arg(trovato - elenco.begin() + 1); // short: every cell names it
}

void proprietaCarattere(ScrittoreXml& x, const Carattere& c)
{
    x.writeStartElement(QStringLiteral("w:rPr"));
    x.writeEmptyElement(QStringLiteral("w:rFonts"));
    x.writeAttribute(QStringLiteral("w:ascii"), c.nome);
    x.writeAttribute(QStringLiteral("w:hAnsi"), c.nome);
    x.writeAttribute(QStringLiteral("w:cs"), c.nome);
    if (c.grassetto)
        x.writeEmptyElement(QStringLiteral("w:b"));
    vuoto(x, QStringLiteral("w:sz"), QStringLiteral("w:val"), numero(std::lround(c.dimensione * 2)));
    x.writeEndElement();
}

// What a run or a paragraph mark of a table cell adds to its paragraph style: bold, when the
// table's font is bold.
void proprietaCaratterePerStile(ScrittoreXml& x, const Carattere& c)
{
    if (!c.grassetto)
        return;
    x.writeStartElement(QStringLiteral("w:rPr"));
    x.writeEmptyElement(QStringLiteral("w:b"));
    x.writeEndElement();
}

// A paragraph's properties; with `stile`, the paragraph style that gives its font, the mark's
// included.
void proprietaParagrafo(ScrittoreXml& x, int allineamento, double interlinea, const Carattere* segno,
                        const QString* stile = nullptr, bool tieniConSeguente = false)
{
    const bool interlineaPropria = interlinea != 12;
    const bool allineato = allineamento >= 1 && allineamento <= 3;
    if (!interlineaPropria && !allineato && !segno && !stile && !tieniConSeguente)
        return;
    x.writeStartElement(QStringLiteral("w:pPr"));
    if (stile)
        vuoto(x, QStringLiteral("w:pStyle"), QStringLiteral("w:val"), *stile);
    if (tieniConSeguente)
        x.writeEmptyElement(QStringLiteral("w:keepNext"));
    if (interlineaPropria) {
        x.writeEmptyElement(QStringLiteral("w:spacing"));
        x.writeAttribute(QStringLiteral("w:line"), numero(std::lround(interlinea / 12.0 * 240)));
        x.writeAttribute(QStringLiteral("w:lineRule"), QStringLiteral("auto"));
    }
    if (allineato)
        vuoto(x, QStringLiteral("w:jc"), QStringLiteral("w:val"), giustificazioni[allineamento]);
    if (segno && stile)
        proprietaCaratterePerStile(x, *segno);
    else if (segno)
        proprietaCarattere(x, *segno);
    x.writeEndElement();
}

void testo(ScrittoreXml& x, QStringView t)
{
    qsizetype inizio = 0;
    while (inizio <= t.size()) {
        qsizetype tab = t.indexOf(u'\t', inizio);
        if (tab < 0)
            tab = t.size();
        const QStringView pezzo = t.mid(inizio, tab - inizio);
        if (!pezzo.isEmpty()) {
            x.writeStartElement(QStringLiteral("w:t"));
            if (pezzo.contains(u' '))
                x.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
            x.writeCharacters(pezzo);
            x.writeEndElement();
        }
        if (tab < t.size())
            x.writeEmptyElement(QStringLiteral("w:tab"));
        inizio = tab + 1;
    }
}

void frammentoTesto(ScrittoreXml& x, QStringView t, const Carattere& c)
{
    x.writeStartElement(QStringLiteral("w:r"));
    proprietaCarattere(x, c);
    testo(x, t);
    x.writeEndElement();
}

void figura(ScrittoreXml& x, const Immagine& immagine, size_t indice, const Carattere& c)
{
    const QString cx = numero(std::llround(immagine.larghezzaPunti * emuPerPunto));
    const QString cy = numero(std::llround(immagine.altezzaPunti * emuPerPunto));
    const QString id = numero(static_cast<long long>(indice + 1));
    const QString nome = nomeImmagine(immagine, indice);

    x.writeStartElement(QStringLiteral("w:r"));
    proprietaCarattere(x, c);
    x.writeStartElement(QStringLiteral("w:drawing"));
    x.writeStartElement(QStringLiteral("wp:inline"));
    for (const char* d : {"distT", "distB", "distL", "distR"})
        x.writeAttribute(QLatin1String(d), QStringLiteral("0"));
    x.writeEmptyElement(QStringLiteral("wp:extent"));
    x.writeAttribute(QStringLiteral("cx"), cx);
    x.writeAttribute(QStringLiteral("cy"), cy);
    x.writeEmptyElement(QStringLiteral("wp:docPr"));
    x.writeAttribute(QStringLiteral("id"), id);
    x.writeAttribute(QStringLiteral("name"), nome);
    x.writeStartElement(QStringLiteral("a:graphic"));
    x.writeAttribute(QStringLiteral("xmlns:a"), nsA);
    x.writeStartElement(QStringLiteral("a:graphicData"));
    x.writeAttribute(QStringLiteral("uri"), nsPic);
    x.writeStartElement(QStringLiteral("pic:pic"));
    x.writeAttribute(QStringLiteral("xmlns:pic"), nsPic);
    x.writeStartElement(QStringLiteral("pic:nvPicPr"));
    x.writeEmptyElement(QStringLiteral("pic:cNvPr"));
    x.writeAttribute(QStringLiteral("id"), id);
    x.writeAttribute(QStringLiteral("name"), nome);
    x.writeEmptyElement(QStringLiteral("pic:cNvPicPr"));
    x.writeEndElement(); // nvPicPr
    x.writeStartElement(QStringLiteral("pic:blipFill"));
    x.writeEmptyElement(QStringLiteral("a:blip"));
    x.writeAttribute(QStringLiteral("r:embed"), idImmagine(indice));
    x.writeStartElement(QStringLiteral("a:stretch"));
    x.writeEmptyElement(QStringLiteral("a:fillRect"));
    x.writeEndElement();
    x.writeEndElement(); // blipFill
    x.writeStartElement(QStringLiteral("pic:spPr"));
    x.writeStartElement(QStringLiteral("a:xfrm"));
    x.writeEmptyElement(QStringLiteral("a:off"));
    x.writeAttribute(QStringLiteral("x"), QStringLiteral("0"));
    x.writeAttribute(QStringLiteral("y"), QStringLiteral("0"));
    x.writeEmptyElement(QStringLiteral("a:ext"));
    x.writeAttribute(QStringLiteral("cx"), cx);
    x.writeAttribute(QStringLiteral("cy"), cy);
    x.writeEndElement(); // xfrm
    x.writeStartElement(QStringLiteral("a:prstGeom"));
    x.writeAttribute(QStringLiteral("prst"), QStringLiteral("rect"));
    x.writeEmptyElement(QStringLiteral("a:avLst"));
    x.writeEndElement();
    x.writeEndElement(); // spPr
    x.writeEndElement(); // pic
    x.writeEndElement(); // graphicData
    x.writeEndElement(); // graphic
    x.writeEndElement(); // inline
    x.writeEndElement(); // drawing
    x.writeEndElement(); // r
}

void paragrafo(ScrittoreXml& x, const Paragrafo& p, const ModelloDocumento& modello)
{
    x.writeStartElement(QStringLiteral("w:p"));
    const bool senzaTesto = p.frammenti.empty();
    proprietaParagrafo(x, p.formato.allineamento, p.formato.interlinea, senzaTesto ? &p.segno : nullptr, nullptr,
                       p.formato.tieniConSeguente);
    if (p.interruzionePrima) {
        x.writeStartElement(QStringLiteral("w:r"));
        x.writeEmptyElement(QStringLiteral("w:br"));
        x.writeAttribute(QStringLiteral("w:type"), QStringLiteral("page"));
        x.writeEndElement();
    }
    for (const Frammento& f : p.frammenti) {
        if (f.immagine >= 0 && f.immagine < static_cast<int>(modello.immagini.size()))
            figura(x, modello.immagini[static_cast<size_t>(f.immagine)], static_cast<size_t>(f.immagine), f.carattere);
        else if (!f.campo.isEmpty()) {
            x.writeStartElement(QStringLiteral("w:fldSimple"));
            x.writeAttribute(QStringLiteral("w:instr"), QLatin1Char(' ') + f.campo + QLatin1Char(' '));
            frammentoTesto(x, f.testo, f.carattere);
            x.writeEndElement();
        } else if (f.immagine < 0)
            frammentoTesto(x, f.testo, f.carattere);
    }
    x.writeEndElement();
}

void bordiTabella(ScrittoreXml& x)
{
    x.writeStartElement(QStringLiteral("w:tblBorders"));
    for (const char* lato : {"w:top", "w:left", "w:bottom", "w:right", "w:insideH", "w:insideV"}) {
        x.writeEmptyElement(QLatin1String(lato));
        x.writeAttribute(QStringLiteral("w:val"), QStringLiteral("single"));
        x.writeAttribute(QStringLiteral("w:sz"), numero(spessoreGrigliaOttavi));
        x.writeAttribute(QStringLiteral("w:space"), QStringLiteral("0"));
        x.writeAttribute(QStringLiteral("w:color"), QStringLiteral("auto"));
    }
    x.writeEndElement();
}

void marginiCelle(ScrittoreXml& x, int margine)
{
    x.writeStartElement(QStringLiteral("w:tblCellMar"));
    for (const auto& [lato, ampiezza] : {std::pair{"w:top", 0}, std::pair{"w:left", margine}, std::pair{"w:bottom", 0},
                                         std::pair{"w:right", margine}}) {
        x.writeEmptyElement(QLatin1String(lato));
        x.writeAttribute(QStringLiteral("w:w"), numero(ampiezza));
        x.writeAttribute(QStringLiteral("w:type"), QStringLiteral("dxa"));
    }
    x.writeEndElement();
}

// What a writer writes, as a piece to append whole elsewhere.
template <class Scrivi>
QByteArray pezzo(Scrivi scrivi)
{
    QByteArray xml;
    ScrittoreXml x(&xml);
    scrivi(x);
    x.writeEndDocument();
    return xml;
}

void tabella(ScrittoreXml& x, const Tabella& t, int larghezzaUtileTwip, const std::vector<StileTesto>& stili)
{
    const DisposizioneTabella colonne = disposizioneTabella(t, larghezzaUtileTwip);
    std::vector<QString> larghezzaColonna;
    long long larghezzaTabella = 0;
    for (int larghezza : colonne.larghezze) {
        larghezzaColonna.push_back(numero(larghezza));
        larghezzaTabella += larghezza;
    }

    x.writeStartElement(QStringLiteral("w:tbl"));
    x.writeStartElement(QStringLiteral("w:tblPr"));
    vuoto(x, QStringLiteral("w:tblStyle"), QStringLiteral("w:val"),
          QLatin1String(t.formatoAutomatico == 9 ? stileFormato9 : stileGriglia));
    x.writeEmptyElement(QStringLiteral("w:tblW"));
    x.writeAttribute(QStringLiteral("w:w"), numero(larghezzaTabella));
    x.writeAttribute(QStringLiteral("w:type"), QStringLiteral("dxa"));
    bordiTabella(x);
    vuoto(x, QStringLiteral("w:tblLayout"), QStringLiteral("w:type"), QStringLiteral("fixed"));
    marginiCelle(x, colonne.margineCella);
    x.writeEmptyElement(QStringLiteral("w:tblLook"));
    x.writeAttribute(QStringLiteral("w:val"), t.formatoAutomatico == 9 ? QStringLiteral("0020") : QStringLiteral("0000"));
    x.writeAttribute(QStringLiteral("w:firstRow"), t.formatoAutomatico == 9 ? QStringLiteral("1") : QStringLiteral("0"));
    x.writeAttribute(QStringLiteral("w:lastRow"), QStringLiteral("0"));
    x.writeAttribute(QStringLiteral("w:firstColumn"), QStringLiteral("0"));
    x.writeAttribute(QStringLiteral("w:lastColumn"), QStringLiteral("0"));
    x.writeAttribute(QStringLiteral("w:noHBand"), QStringLiteral("1"));
    x.writeAttribute(QStringLiteral("w:noVBand"), QStringLiteral("1"));
    x.writeEndElement(); // tblPr

    x.writeStartElement(QStringLiteral("w:tblGrid"));
    for (int c = 0; c < t.colonne; ++c)
        vuoto(x, QStringLiteral("w:gridCol"), QStringLiteral("w:w"), larghezzaColonna[static_cast<size_t>(c)]);
    x.writeEndElement();

    // The heading rows come again on each page; no row is split between two pages.
    const int intestazione = t.intestazione();

    // The properties every cell of a column, every paragraph of an alignment and every run of the
    // table repeat, written once.
    std::vector<QByteArray> proprietaCella;
    for (const QString& larghezza : larghezzaColonna)
        proprietaCella.push_back(pezzo([&larghezza](ScrittoreXml& y) {
            y.writeStartElement(QStringLiteral("w:tcPr"));
            y.writeEmptyElement(QStringLiteral("w:tcW"));
            y.writeAttribute(QStringLiteral("w:w"), larghezza);
            y.writeAttribute(QStringLiteral("w:type"), QStringLiteral("dxa"));
        }));
    QHash<std::pair<int, bool>, QByteArray> proprietaRiga; // by alignment and whether the line is empty
    const auto proprietaDi = [&](int allineamento, bool vuota) -> const QByteArray& {
        auto trovata = proprietaRiga.find({allineamento, vuota});
        if (trovata == proprietaRiga.end())
            trovata = proprietaRiga.insert({allineamento, vuota}, pezzo([&](ScrittoreXml& y) {
                const QString stile = idStileTesto(stili, stileDi(t.carattere, allineamento));
                proprietaParagrafo(y, Sinistra, t.interlinea, vuota ? &t.carattere : nullptr, &stile);
            }));
        return *trovata;
    };
    const QByteArray proprietaTesto = pezzo([&t](ScrittoreXml& y) { proprietaCaratterePerStile(y, t.carattere); });

    for (int r = 1; r <= t.righe; ++r) {
        x.writeStartElement(QStringLiteral("w:tr"));
        x.writeStartElement(QStringLiteral("w:trPr"));
        x.writeEmptyElement(QStringLiteral("w:cantSplit"));
        if (r <= intestazione)
            x.writeEmptyElement(QStringLiteral("w:tblHeader"));
        x.writeEndElement();
        for (int c = 1; c <= t.colonne; ++c) {
            const Cella& cella = *t.cella(r, c);
            x.writeStartElement(QStringLiteral("w:tc"));
            x.writeFragment(proprietaCella[static_cast<size_t>(c - 1)]);
            // every \r of the cell's text starts another paragraph of the cell
            qsizetype inizio = 0;
            do {
                qsizetype fine = cella.testo.indexOf(u'\r', inizio);
                if (fine < 0)
                    fine = cella.testo.size();
                const QStringView riga = QStringView(cella.testo).mid(inizio, fine - inizio);
                x.writeStartElement(QStringLiteral("w:p"));
                x.writeFragment(proprietaDi(cella.allineamento, riga.isEmpty()));
                if (!riga.isEmpty()) {
                    x.writeStartElement(QStringLiteral("w:r"));
                    x.writeFragment(proprietaTesto);
                    testo(x, riga);
                    x.writeEndElement();
                }
                x.writeEndElement();
                inizio = fine + 1;
            } while (inizio <= cella.testo.size());
            x.writeEndElement(); // tc
        }
        x.writeEndElement(); // tr
    }
    x.writeEndElement(); // tbl
}

void inizioParte(ScrittoreXml& x)
{
    x.setAutoFormatting(false);
    x.writeStartDocument(QStringLiteral("1.0"), true);
}

QByteArray tipiContenuto(const ModelloDocumento& modello)
{
    QByteArray xml;
    ScrittoreXml x(&xml);
    inizioParte(x);
    x.writeStartElement(QStringLiteral("Types"));
    x.writeDefaultNamespace(QStringLiteral("http://schemas.openxmlformats.org/package/2006/content-types"));
    const std::pair<const char*, const char*> predefiniti[] = {
        {"rels", "application/vnd.openxmlformats-package.relationships+xml"},
        {"xml", "application/xml"},
        {"png", "image/png"},
        {"jpeg", "image/jpeg"},
    };
    for (const auto& [estensione, tipo] : predefiniti) {
        x.writeEmptyElement(QStringLiteral("Default"));
        x.writeAttribute(QStringLiteral("Extension"), QLatin1String(estensione));
        x.writeAttribute(QStringLiteral("ContentType"), QLatin1String(tipo));
    }
    const std::pair<const char*, const char*> parti[] = {
        {"/word/document.xml", "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"},
        {"/word/styles.xml", "application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml"},
        {"/word/settings.xml", "application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml"},
    };
    for (const auto& [parte, tipo] : parti) {
        x.writeEmptyElement(QStringLiteral("Override"));
        x.writeAttribute(QStringLiteral("PartName"), QLatin1String(parte));
        x.writeAttribute(QStringLiteral("ContentType"), QLatin1String(tipo));
    }
    Q_UNUSED(modello);
    x.writeEndElement();
    x.writeEndDocument();
    return xml;
}

void relazione(ScrittoreXml& x, const QString& id, const QString& tipo, const QString& destinazione)
{
    x.writeEmptyElement(QStringLiteral("Relationship"));
    x.writeAttribute(QStringLiteral("Id"), id);
    x.writeAttribute(QStringLiteral("Type"), tipo);
    x.writeAttribute(QStringLiteral("Target"), destinazione);
}

QByteArray relazioniPacchetto()
{
    QByteArray xml;
    ScrittoreXml x(&xml);
    inizioParte(x);
    x.writeStartElement(QStringLiteral("Relationships"));
    x.writeDefaultNamespace(nsRelazioni);
    relazione(x, QStringLiteral("rId1"), nsR + QStringLiteral("/officeDocument"), QStringLiteral("word/document.xml"));
    x.writeEndElement();
    x.writeEndDocument();
    return xml;
}

QByteArray relazioniDocumento(const ModelloDocumento& modello)
{
    QByteArray xml;
    ScrittoreXml x(&xml);
    inizioParte(x);
    x.writeStartElement(QStringLiteral("Relationships"));
    x.writeDefaultNamespace(nsRelazioni);
    relazione(x, QStringLiteral("rId1"), nsR + QStringLiteral("/styles"), QStringLiteral("styles.xml"));
    relazione(x, QStringLiteral("rId2"), nsR + QStringLiteral("/settings"), QStringLiteral("settings.xml"));
    for (size_t i = 0; i < modello.immagini.size(); ++i)
        relazione(x, idImmagine(i), nsR + QStringLiteral("/image"),
                  QStringLiteral("media/") + nomeImmagine(modello.immagini[i], i));
    x.writeEndElement();
    x.writeEndDocument();
    return xml;
}

QByteArray impostazioniXml()
{
    QByteArray xml;
    ScrittoreXml x(&xml);
    inizioParte(x);
    x.writeStartElement(QStringLiteral("w:settings"));
    x.writeAttribute(QStringLiteral("xmlns:w"), nsW);
    vuoto(x, QStringLiteral("w:defaultTabStop"), QStringLiteral("w:val"), QStringLiteral("708"));
    x.writeStartElement(QStringLiteral("w:compat"));
    x.writeEmptyElement(QStringLiteral("w:compatSetting"));
    x.writeAttribute(QStringLiteral("w:name"), QStringLiteral("compatibilityMode"));
    x.writeAttribute(QStringLiteral("w:uri"), QStringLiteral("http://schemas.microsoft.com/office/word"));
    x.writeAttribute(QStringLiteral("w:val"), QStringLiteral("15"));
    x.writeEndElement();
    x.writeEndElement();
    x.writeEndDocument();
    return xml;
}

void stileTabella(ScrittoreXml& x, const char* id, const char* nome, bool intestazione)
{
    x.writeStartElement(QStringLiteral("w:style"));
    x.writeAttribute(QStringLiteral("w:type"), QStringLiteral("table"));
    x.writeAttribute(QStringLiteral("w:styleId"), QLatin1String(id));
    vuoto(x, QStringLiteral("w:name"), QStringLiteral("w:val"), QLatin1String(nome));
    x.writeStartElement(QStringLiteral("w:tblPr"));
    bordiTabella(x);
    marginiCelle(x, margineCellaTwip);
    x.writeEndElement();
    if (intestazione) {
        // format 9: the header row in bold on a grey ground
        x.writeStartElement(QStringLiteral("w:tblStylePr"));
        x.writeAttribute(QStringLiteral("w:type"), QStringLiteral("firstRow"));
        x.writeStartElement(QStringLiteral("w:rPr"));
        x.writeEmptyElement(QStringLiteral("w:b"));
        x.writeEndElement();
        x.writeStartElement(QStringLiteral("w:tcPr"));
        x.writeEmptyElement(QStringLiteral("w:shd"));
        x.writeAttribute(QStringLiteral("w:val"), QStringLiteral("clear"));
        x.writeAttribute(QStringLiteral("w:color"), QStringLiteral("auto"));
        x.writeAttribute(QStringLiteral("w:fill"), QStringLiteral("C0C0C0"));
        x.writeEndElement();
        x.writeEndElement();
    }
    x.writeEndElement();
}

// Every part carries the same date, the zip format's first day (1 January
// 1980, midnight, in the format's DOS form): the same document gives the same
// bytes whenever it is written.
constexpr zip_uint16_t oraFissa = 0;
constexpr zip_uint16_t dataFissa = (0 << 9) | (1 << 5) | 1; // years since 1980, month, day

// Adds one part to the archive; the data must live until zip_close.
bool aggiungiParte(zip_t* archivio, const char* nome, const QByteArray& dati, bool comprimi)
{
    zip_source_t* sorgente = zip_source_buffer(archivio, dati.constData(), static_cast<zip_uint64_t>(dati.size()), 0);
    if (!sorgente)
        return false;
    const zip_int64_t aggiunto = zip_file_add(archivio, nome, sorgente, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
    if (aggiunto < 0) {
        zip_source_free(sorgente);
        return false;
    }
    const auto indice = static_cast<zip_uint64_t>(aggiunto);
    // fast compression keeps large documents quick to write; pictures are compressed already
    const int compressione = comprimi ? zip_set_file_compression(archivio, indice, ZIP_CM_DEFLATE, 1)
                                      : zip_set_file_compression(archivio, indice, ZIP_CM_STORE, 0);
    return compressione == 0 && zip_file_set_dostime(archivio, indice, oraFissa, dataFissa, 0) == 0;
}

} // namespace

QByteArray stiliXml(const ModelloDocumento& modello)
{
    QByteArray xml;
    ScrittoreXml x(&xml);
    inizioParte(x);
    x.writeStartElement(QStringLiteral("w:styles"));
    x.writeAttribute(QStringLiteral("xmlns:w"), nsW);

    x.writeStartElement(QStringLiteral("w:docDefaults"));
    x.writeStartElement(QStringLiteral("w:rPrDefault"));
    proprietaCarattere(x, Carattere());
    x.writeEndElement();
    x.writeStartElement(QStringLiteral("w:pPrDefault"));
    x.writeStartElement(QStringLiteral("w:pPr"));
    x.writeEmptyElement(QStringLiteral("w:spacing"));
    x.writeAttribute(QStringLiteral("w:before"), QStringLiteral("0"));
    x.writeAttribute(QStringLiteral("w:after"), QStringLiteral("0"));
    x.writeAttribute(QStringLiteral("w:line"), QStringLiteral("240"));
    x.writeAttribute(QStringLiteral("w:lineRule"), QStringLiteral("auto"));
    x.writeEndElement();
    x.writeEndElement();
    x.writeEndElement(); // docDefaults

    x.writeStartElement(QStringLiteral("w:style"));
    x.writeAttribute(QStringLiteral("w:type"), QStringLiteral("paragraph"));
    x.writeAttribute(QStringLiteral("w:default"), QStringLiteral("1"));
    x.writeAttribute(QStringLiteral("w:styleId"), QStringLiteral("Normale"));
    vuoto(x, QStringLiteral("w:name"), QStringLiteral("w:val"), QStringLiteral("Normal"));
    x.writeEndElement();

    stileTabella(x, stileGriglia, "Griglia Velmor", false);
    stileTabella(x, stileFormato9, "Formato 9 Velmor", true);

    const std::vector<StileTesto> stili = stiliTesto(modello);
    static const QString nomiAllineamenti[] = {QString(), QStringLiteral(", centrato"), QStringLiteral(", a destra"),
                                                QStringLiteral(", giustificato")};
    for (const StileTesto& stile : stili) {
        const Carattere& c = stile.carattere;
        x.writeStartElement(QStringLiteral("w:style"));
        x.writeAttribute(QStringLiteral("w:type"), QStringLiteral("paragraph"));
        x.writeAttribute(QStringLiteral("w:customStyle"), QStringLiteral("1"));
        x.writeAttribute(QStringLiteral("w:styleId"), idStileTesto(stili, stile));
        vuoto(x, QStringLiteral("w:name"), QStringLiteral("w:val"),
              QStringLiteral("Tabella %1 %2%3").arg(c.nome, QString::number(c.dimensione),
                                                    nomiAllineamenti[stile.allineamento]));
        vuoto(x, QStringLiteral("w:basedOn"), QStringLiteral("w:val"), QStringLiteral("Normale"));
        proprietaParagrafo(x, stile.allineamento, 12, nullptr);
        proprietaCarattere(x, c);
        x.writeEndElement();
    }

    x.writeEndElement();
    x.writeEndDocument();
    return xml;
}

QByteArray documentoXml(const ModelloDocumento& modello)
{
    const FormatoCarta carta = formatoCarta(modello.numeroCarta);
    const int larghezzaUtileTwip = carta.larghezza - 2 * margineSinistraDestra;
    const std::vector<StileTesto> stili = stiliTesto(modello);

    QByteArray xml;
    ScrittoreXml x(&xml);
    x.reserve(4096 + static_cast<qsizetype>(modello.blocchi.size() + modello.tabelle.size() * 1000) * 256);
    inizioParte(x);
    x.writeStartElement(QStringLiteral("w:document"));
    x.writeAttribute(QStringLiteral("xmlns:w"), nsW);
    x.writeAttribute(QStringLiteral("xmlns:r"), nsR);
    x.writeAttribute(QStringLiteral("xmlns:wp"), nsWp);
    x.writeStartElement(QStringLiteral("w:body"));

    for (const Blocco& b : modello.blocchi) {
        if (b.tabella >= 0)
        {
            const Tabella& t = modello.tabelle[static_cast<size_t>(b.tabella)];
            tabella(x, t, larghezzaUtileTwip, stili);
        }
        else
            paragrafo(x, b.paragrafo, modello);
    }

    x.writeStartElement(QStringLiteral("w:sectPr"));
    x.writeEmptyElement(QStringLiteral("w:pgSz"));
    x.writeAttribute(QStringLiteral("w:w"), numero(carta.larghezza));
    x.writeAttribute(QStringLiteral("w:h"), numero(carta.altezza));
    x.writeEmptyElement(QStringLiteral("w:pgMar"));
    x.writeAttribute(QStringLiteral("w:top"), numero(margineSopraSotto));
    x.writeAttribute(QStringLiteral("w:right"), numero(margineSinistraDestra));
    x.writeAttribute(QStringLiteral("w:bottom"), numero(margineSopraSotto));
    x.writeAttribute(QStringLiteral("w:left"), numero(margineSinistraDestra));
    x.writeAttribute(QStringLiteral("w:header"), QStringLiteral("709"));
    x.writeAttribute(QStringLiteral("w:footer"), QStringLiteral("709"));
    x.writeAttribute(QStringLiteral("w:gutter"), QStringLiteral("0"));
    x.writeEndElement(); // sectPr

    x.writeEndElement(); // body
    x.writeEndElement(); // document
    x.writeEndDocument();
    return xml;
}

QByteArray scriviDocx(const ModelloDocumento& modello, QString* errore)
{
    // every part stays alive until the archive is closed
    const QByteArray tipi = tipiContenuto(modello);
    const QByteArray pacchetto = relazioniPacchetto();
    const QByteArray relazioni = relazioniDocumento(modello);
    const QByteArray documento = documentoXml(modello);
    const QByteArray stili = stiliXml(modello);
    const QByteArray impostazioni = impostazioniXml();

    auto fallito = [errore](const QString& perche) {
        if (errore)
            *errore = perche;
        return QByteArray();
    };

    zip_error_t ze;
    zip_error_init(&ze);
    zip_source_t* memoria = zip_source_buffer_create(nullptr, 0, 0, &ze);
    if (!memoria)
        return fallito(QString::fromUtf8(zip_error_strerror(&ze)));
    zip_source_keep(memoria);
    zip_t* archivio = zip_open_from_source(memoria, ZIP_TRUNCATE, &ze);
    if (!archivio) {
        const QString perche = QString::fromUtf8(zip_error_strerror(&ze));
        zip_source_free(memoria);
        return fallito(perche);
    }

    std::vector<QByteArray> nomiImmagini;
    bool riuscito = aggiungiParte(archivio, "[Content_Types].xml", tipi, true)
                    && aggiungiParte(archivio, "_rels/.rels", pacchetto, true)
                    && aggiungiParte(archivio, "word/_rels/document.xml.rels", relazioni, true)
                    && aggiungiParte(archivio, "word/document.xml", documento, true)
                    && aggiungiParte(archivio, "word/styles.xml", stili, true)
                    && aggiungiParte(archivio, "word/settings.xml", impostazioni, true);
    for (size_t i = 0; riuscito && i < modello.immagini.size(); ++i) {
        nomiImmagini.push_back(("word/media/" + nomeImmagine(modello.immagini[i], i)).toUtf8());
        riuscito = aggiungiParte(archivio, nomiImmagini.back().constData(), modello.immagini[i].dati, false);
    }
    if (!riuscito || zip_close(archivio) < 0) {
        const QString perche = QString::fromUtf8(zip_strerror(archivio));
        zip_discard(archivio);
        zip_source_free(memoria);
        return fallito(perche);
    }

    QByteArray risultato;
    if (zip_source_open(memoria) < 0) {
        zip_source_free(memoria);
        return fallito(QStringLiteral("archivio illeggibile"));
    }
    // The archive's size: a failed seek or tell would make a size of nothing (or of -1).
    const bool allaFine = zip_source_seek(memoria, 0, SEEK_END) == 0;
    const zip_int64_t dimensione = allaFine ? zip_source_tell(memoria) : -1;
    if (dimensione < 0 || zip_source_seek(memoria, 0, SEEK_SET) != 0) {
        zip_source_close(memoria);
        zip_source_free(memoria);
        return fallito(QStringLiteral("archivio illeggibile"));
    }
    risultato.resize(static_cast<qsizetype>(dimensione));
    const zip_int64_t letti = zip_source_read(memoria, risultato.data(), static_cast<zip_uint64_t>(dimensione));
    const bool chiuso = zip_source_close(memoria) == 0;
    zip_source_free(memoria);
    if (letti != dimensione || !chiuso)
        return fallito(QStringLiteral("archivio incompleto"));
    return risultato;
}

} // namespace office
