#include "office/impaginazione.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

namespace office {

namespace {

// Text is laid out at a high resolution, so that its measures are not rounded to screen pixels.
// The layout takes the lengths of frames, tables and pictures in pixels of 96 to the inch and
// scales them to the device itself; only the page size is given in the device's own units.
constexpr double puntiPerPollice = 2880; // 40 pixels to the point: sizes in half points stay whole
constexpr double pixelLogiciPerPollice = 96;
// Device pixels in one pixel of 96 to the inch.
constexpr double scala = puntiPerPollice / pixelLogiciPerPollice;

double daTwip(double twip)
{
    return twip / 1440.0 * pixelLogiciPerPollice;
}

double daPunti(double punti)
{
    return punti / 72.0 * pixelLogiciPerPollice;
}

double daTwipAlDispositivo(double twip)
{
    return twip / 1440.0 * puntiPerPollice;
}

QTextCharFormat formatoCarattere(const Carattere& c)
{
    QFont font(c.nome);
    font.setPointSizeF(c.dimensione);
    font.setBold(c.grassetto);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    QTextCharFormat formato;
    formato.setFont(font);
    return formato;
}

QTextBlockFormat formatoBlocco(int allineamento, double interlinea)
{
    QTextBlockFormat formato;
    switch (allineamento) {
    case Centrato: formato.setAlignment(Qt::AlignHCenter); break;
    case Destra: formato.setAlignment(Qt::AlignRight); break;
    case Giustificato: formato.setAlignment(Qt::AlignJustify); break;
    default: formato.setAlignment(Qt::AlignLeft); break;
    }
    if (interlinea != 12)
        formato.setLineHeight(interlinea / 12.0 * 100, QTextBlockFormat::ProportionalHeight);
    return formato;
}

// The device texts are measured on.
QImage dispositivoMisura()
{
    QImage dispositivo(1, 1, QImage::Format_Mono);
    const int puntiPerMetro = qRound(puntiPerPollice / 0.0254);
    dispositivo.setDotsPerMeterX(puntiPerMetro);
    dispositivo.setDotsPerMeterY(puntiPerMetro);
    return dispositivo;
}

// The format of a table's heading row.
Carattere carattereIntestazione(const Tabella& t)
{
    Carattere intestazione = t.carattere;
    intestazione.grassetto = t.carattere.grassetto || t.formatoAutomatico == 9;
    return intestazione;
}

// The width of a cell's widest paragraph and of its longest word in twips, as the sums of their
// characters' widths (kerning is off): measuring each text whole would take a good part of the
// time of a large report.
class LarghezzeCaratteri {
public:
    LarghezzeCaratteri(const QFont& font, const QImage& dispositivo) : metriche_(font, &dispositivo)
    {
        latini_.fill(-1);
    }
    double twip(const QString& testo) { return misura(testo).riga; }

    struct Misura {
        double riga = 0;   // the widest paragraph (they are separated by \r)
        double parola = 0; // the widest word (words are separated by white space)
    };
    Misura misura(QStringView testo)
    {
        Misura piu;
        double riga = 0;
        double parola = 0;
        for (const QChar c : testo) {
            const char16_t u = c.unicode();
            if (u == u' ' || (u >= u'\t' && u <= u'\r')) {
                parola = 0;
                if (u == u'\r') {
                    riga = 0;
                    continue;
                }
            }
            const double l = larghezza(c);
            riga += l;
            piu.riga = std::max(piu.riga, riga);
            if (u != u' ' && (u < u'\t' || u > u'\r')) {
                parola += l;
                piu.parola = std::max(piu.parola, parola);
            }
        }
        return piu;
    }

private:
    double larghezza(QChar c)
    {
        const char16_t u = c.unicode();
        if (u < latini_.size()) {
            if (latini_[u] < 0)
                latini_[u] = metriche_.horizontalAdvance(c) * 1440.0 / puntiPerPollice;
            return latini_[u];
        }
        auto trovata = larghezze_.constFind(c);
        if (trovata == larghezze_.constEnd())
            trovata = larghezze_.insert(c, metriche_.horizontalAdvance(c) * 1440.0 / puntiPerPollice);
        return *trovata;
    }

    QFontMetricsF metriche_;
    std::array<double, 256> latini_; // the widths of the first 256 characters, -1 until measured
    QHash<QChar, double> larghezze_; // of the others
};

// Room in a fitted column for the small differences between our measures and the word processor's.
constexpr double giocoColonnaTwip = 30;

class Impaginatore {
public:
    explicit Impaginatore(const ModelloDocumento& modello) : modello_(modello), dispositivo_(dispositivoMisura())
    {
        documento_.documentLayout()->setPaintDevice(&dispositivo_);
        documento_.setUndoRedoEnabled(false);
        // a word wider than its cell breaks anywhere, as word processors do
        QTextOption opzioni = documento_.defaultTextOption();
        opzioni.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        documento_.setDefaultTextOption(opzioni);

        const FormatoCarta carta = formatoCarta(modello.numeroCarta);
        larghezzaUtileTwip_ = carta.larghezza - 2 * margineSinistraDestra;
        QTextFrameFormat pagina = documento_.rootFrame()->frameFormat();
        pagina.setTopMargin(daTwip(margineSopraSotto));
        pagina.setBottomMargin(daTwip(margineSopraSotto));
        pagina.setLeftMargin(daTwip(margineSinistraDestra));
        pagina.setRightMargin(daTwip(margineSinistraDestra));
        documento_.rootFrame()->setFrameFormat(pagina);
        documento_.setPageSize(QSizeF(daTwipAlDispositivo(carta.larghezza), daTwipAlDispositivo(carta.altezza)));
    }

    int pagine()
    {
        QTextCursor cursore(&documento_);
        // one edit block: the layout runs once at its end, not after every cell
        cursore.beginEditBlock();
        int primoTenuto = -1; // the first paragraph of a run kept together, -1 outside one
        for (const Blocco& b : modello_.blocchi) {
            if (b.tabella >= 0) {
                tabella(cursore, modello_.tabelle[static_cast<size_t>(b.tabella)]);
                primoTenuto = -1;
                continue;
            }
            paragrafo(cursore, b.paragrafo);
            const int numero = cursore.block().blockNumber();
            if (primoTenuto < 0 && b.paragrafo.formato.tieniConSeguente)
                primoTenuto = numero;
            else if (primoTenuto >= 0 && !b.paragrafo.formato.tieniConSeguente) {
                tenuti_.push_back({primoTenuto, numero});
                primoTenuto = -1;
            }
        }
        if (primoTenuto >= 0) // a run that ends the document
            tenuti_.push_back({primoTenuto, cursore.block().blockNumber()});
        cursore.endEditBlock();
        tieniInsieme();
        return documento_.pageCount();
    }

private:
    // Starts a new block, or takes the empty one the document begins with or a table leaves.
    void nuovoBlocco(QTextCursor& cursore, const QTextBlockFormat& blocco, const QTextCharFormat& carattere)
    {
        if (bloccoLibero_) {
            cursore.setBlockFormat(blocco);
            cursore.setBlockCharFormat(carattere);
            bloccoLibero_ = false;
        } else {
            cursore.insertBlock(blocco, carattere);
        }
    }

    void paragrafo(QTextCursor& cursore, const Paragrafo& p)
    {
        QTextBlockFormat blocco = formatoBlocco(p.formato.allineamento, p.formato.interlinea);
        if (p.interruzionePrima)
            blocco.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        const Carattere& segno = p.frammenti.empty() ? p.segno : p.frammenti.front().carattere;
        nuovoBlocco(cursore, blocco, formatoCarattere(segno));
        for (const Frammento& f : p.frammenti) {
            if (f.immagine < 0) {
                cursore.insertText(f.testo, formatoCarattere(f.carattere));
            } else if (f.immagine < static_cast<int>(modello_.immagini.size())) {
                const Immagine& immagine = modello_.immagini[static_cast<size_t>(f.immagine)];
                QTextImageFormat figura;
                figura.setName(QStringLiteral("figura%1").arg(f.immagine));
                figura.setWidth(daPunti(immagine.larghezzaPunti));
                figura.setHeight(daPunti(immagine.altezzaPunti));
                cursore.insertImage(figura);
            }
        }
    }

    // The page a line of a block stands on.
    int paginaDi(const QTextBlock& b, bool ultimaRiga)
    {
        const double sopra = documento_.documentLayout()->blockBoundingRect(b).top();
        const QTextLayout* disposizione = b.layout();
        const QTextLine riga = disposizione->lineAt(ultimaRiga ? disposizione->lineCount() - 1 : 0);
        return int((sopra + (riga.isValid() ? riga.y() + riga.height() / 2 : 0)) / documento_.pageSize().height());
    }

    // A run of paragraphs kept together that a page end splits starts on the next page, as
    // the word processor lays it out (unless it is longer than a page).
    void tieniInsieme()
    {
        for (const auto& [primo, ultimo] : tenuti_) {
            QTextBlock inizio = documento_.findBlockByNumber(primo);
            const QTextBlock fine = documento_.findBlockByNumber(ultimo);
            if (!inizio.isValid() || !fine.isValid() || paginaDi(inizio, false) == paginaDi(fine, true))
                continue;
            QTextCursor cursore(inizio);
            QTextBlockFormat formato = inizio.blockFormat();
            formato.setPageBreakPolicy(formato.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
            cursore.setBlockFormat(formato);
        }
    }

    // A table takes, row by row, the height its tallest cell needs: each row is laid out as one
    // empty block of that fixed height, which moves to the next page whole, as a row does in
    // the word processor. Cells are measured on their own: laying out thousands of table cells
    // in the text document would take a good part of a second for a large report.
    void tabella(QTextCursor& cursore, const Tabella& t)
    {
        const DisposizioneTabella colonne = disposizioneTabella(t, larghezzaUtileTwip_);
        std::vector<double> testoCella; // the text's width in each column, in twips
        for (int larghezza : colonne.larghezze)
            testoCella.push_back(larghezza - 2 * colonne.margineCella);
        const double grigliaSotto = daPunti(spessoreGrigliaOttavi / 8.0);
        const MisuraCella normale = misura(t.carattere, t.interlinea);
        const MisuraCella marcato = misura(carattereIntestazione(t), t.interlinea);

        std::vector<QTextBlockFormat> formati;
        for (int r = 1; r <= t.righe; ++r) {
            const MisuraCella& m = r <= t.intestazione() ? marcato : normale;
            int righe = 1;
            for (int c = 1; c <= t.colonne; ++c)
                righe = std::max(righe, righeCella(m, t.cella(r, c)->testo, testoCella[static_cast<size_t>(c - 1)]));
            QTextBlockFormat riga;
            riga.setLineHeight(righe * m.riga / scala + grigliaSotto, QTextBlockFormat::FixedHeight);
            formati.push_back(riga);
        }
        for (const QTextBlockFormat& riga : formati)
            nuovoBlocco(cursore, riga, QTextCharFormat());
        bloccoLibero_ = false;
        ripetiIntestazione(cursore, t.righe, {formati.begin(), formati.begin() + t.intestazione()});
    }

    // The heading rows again at the top of each page the table's last `righe` blocks go on to.
    // Where a page ends is known only from the layout, which each repetition changes from there on.
    void ripetiIntestazione(QTextCursor& cursore, int righe, const std::vector<QTextBlockFormat>& intestazione)
    {
        if (intestazione.empty() || righe <= int(intestazione.size()))
            return;
        cursore.endEditBlock();
        QTextBlock blocco = cursore.block();
        for (int r = righe; r > 1; --r)
            blocco = blocco.previous();
        const double altezzaPagina = documento_.pageSize().height();
        // A row moved to the next page keeps its block where it was, on the page before: its
        // line's place tells (the block's bounding box lays the document out up to it).
        const auto pagina = [&](const QTextBlock& b) {
            const double sopra = documento_.documentLayout()->blockBoundingRect(b).top();
            const QTextLine riga = b.layout()->lineAt(0);
            return int((sopra + (riga.isValid() ? riga.y() : 0)) / altezzaPagina);
        };
        int paginaPrecedente = pagina(blocco);
        for (int r = 1; r < int(intestazione.size()); ++r)
            blocco = blocco.next();
        while (blocco != cursore.block()) {
            blocco = blocco.next();
            const int questa = pagina(blocco);
            if (questa == paginaPrecedente)
                continue;
            QTextCursor prima(blocco.previous());
            prima.movePosition(QTextCursor::EndOfBlock);
            for (const QTextBlockFormat& riga : intestazione)
                prima.insertBlock(riga, QTextCharFormat());
            blocco = prima.block().next();
            paginaPrecedente = pagina(blocco);
        }
        cursore.movePosition(QTextCursor::End);
        cursore.beginEditBlock();
    }

    struct MisuraCella {
        QFont font;
        double riga = 0; // height of one line of the cell, in device pixels
        std::shared_ptr<LarghezzeCaratteri> larghezze;
    };

    // A cell's font and the height of one of its lines, as the text document lays it out.
    MisuraCella misura(const Carattere& c, double interlinea)
    {
        const QString chiave = QStringLiteral("%1|%2|%3|%4").arg(c.nome).arg(c.dimensione).arg(c.grassetto).arg(interlinea);
        if (auto trovata = misure_.constFind(chiave); trovata != misure_.constEnd())
            return *trovata;
        QTextDocument prova;
        prova.documentLayout()->setPaintDevice(&dispositivo_);
        prova.setDocumentMargin(0);
        QTextCursor cursore(&prova);
        cursore.setBlockFormat(formatoBlocco(Sinistra, interlinea));
        cursore.setBlockCharFormat(formatoCarattere(c));
        cursore.insertText(QStringLiteral("0"), formatoCarattere(c));
        const QFont font = formatoCarattere(c).font();
        MisuraCella m{font, prova.documentLayout()->documentSize().height(),
                      std::make_shared<LarghezzeCaratteri>(font, dispositivo_)};
        misure_.insert(chiave, m);
        return m;
    }

    // The lines a cell's text takes in the cell's width in twips (paragraphs separated by \r). Most
    // cells fit on one line, which the sum of their characters' widths tells at once; only the
    // others are laid out.
    int righeCella(const MisuraCella& m, const QString& testo, double larghezzaTwip)
    {
        if (testo.isEmpty())
            return 1;
        if (m.larghezze->twip(testo) <= larghezzaTwip)
            return int(testo.count(u'\r')) + 1;
        const double larghezza = daTwip(larghezzaTwip) * scala; // device pixels
        int righe = 0;
        for (const QString& paragrafo : testo.split(u'\r')) {
            QTextLayout disposizione(paragrafo, m.font, &dispositivo_);
            QTextOption opzioni;
            opzioni.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            disposizione.setTextOption(opzioni);
            disposizione.beginLayout();
            for (QTextLine linea = disposizione.createLine(); linea.isValid(); linea = disposizione.createLine()) {
                linea.setLineWidth(larghezza);
                ++righe;
            }
            disposizione.endLayout();
        }
        return righe;
    }

    const ModelloDocumento& modello_;
    QImage dispositivo_;
    QTextDocument documento_;
    QHash<QString, MisuraCella> misure_;
    int larghezzaUtileTwip_ = 0;
    bool bloccoLibero_ = true;
    std::vector<std::pair<int, int>> tenuti_; // first and last block of each run kept together
};

} // namespace

int contaPagine(const ModelloDocumento& modello)
{
    return Impaginatore(modello).pagine();
}

namespace {

// The width no column may pass so that the columns, each as wide as its longest word or that
// width, fill `larghezza` exactly: only the columns of the longest words give way.
double tettoParole(const std::vector<double>& parole, double larghezza)
{
    double basso = 0;
    double alto = *std::max_element(parole.begin(), parole.end());
    for (int passo = 0; passo < 60; ++passo) {
        const double tetto = (basso + alto) / 2;
        double somma = 0;
        for (double p : parole)
            somma += std::min(p, tetto);
        (somma > larghezza ? alto : basso) = tetto;
    }
    return basso;
}

} // namespace

DisposizioneTabella disposizioneTabella(const Tabella& t, int larghezzaUtileTwip)
{
    const size_t colonne = static_cast<size_t>(std::max(t.colonne, 0));
    DisposizioneTabella risultato{std::vector<int>(colonne, t.colonne > 0 ? larghezzaUtileTwip / t.colonne : 0)};
    if (t.formatoAutomatico == 0 || colonne == 0)
        return risultato;

    // What each column's texts take, without margins: its rows, its heading as well, its longest word.
    const QImage dispositivo = dispositivoMisura();
    LarghezzeCaratteri corpo(formatoCarattere(t.carattere).font(), dispositivo);
    LarghezzeCaratteri intestazione(formatoCarattere(carattereIntestazione(t)).font(), dispositivo);
    std::vector<double> righe(colonne, 0);
    std::vector<double> conTesta(colonne, 0);
    std::vector<double> parole(colonne, 0);
    for (int r = 1; r <= t.righe; ++r) {
        const bool testa = r <= t.intestazione();
        LarghezzeCaratteri& metriche = testa ? intestazione : corpo;
        std::vector<double>& misure = testa ? conTesta : righe;
        for (size_t c = 0; c < colonne; ++c) {
            const LarghezzeCaratteri::Misura m = metriche.misura(t.cella(r, int(c) + 1)->testo);
            misure[c] = std::max(misure[c], m.riga);
            parole[c] = std::max(parole[c], m.parola);
        }
    }

    // The cells' margins give way, down to their least, before a word would have to break.
    const double larghezza = larghezzaUtileTwip;
    double sommaParole = 0;
    for (double p : parole)
        sommaParole += p + giocoColonnaTwip;
    const double margineCheEntra = std::floor((larghezza - sommaParole) / (2.0 * double(colonne)));
    risultato.margineCella = int(std::clamp(margineCheEntra, double(margineCellaMinimoTwip), double(margineCellaTwip)));
    const double margini = 2 * risultato.margineCella + giocoColonnaTwip;

    double sommaRighe = 0;
    double sommaTeste = 0;
    sommaParole = 0;
    for (size_t c = 0; c < colonne; ++c) {
        parole[c] += margini;
        righe[c] = std::max(righe[c] + margini, parole[c]); // a heading word wider than the rows
        conTesta[c] = std::max(conTesta[c] + margini, righe[c]);
        sommaRighe += righe[c];
        sommaTeste += conTesta[c];
        sommaParole += parole[c];
    }

    // Everything fits: the rest shared out equally. Else the rows come first, and the headings
    // share what is left in proportion to what they lack (a heading may wrap between words); else
    // the rows give way in proportion down to their longest words.
    for (size_t c = 0; c < colonne; ++c) {
        double l;
        if (sommaTeste <= larghezza)
            l = conTesta[c] + (larghezza - sommaTeste) / double(colonne);
        else if (sommaRighe <= larghezza)
            l = righe[c] + (larghezza - sommaRighe) * (conTesta[c] - righe[c]) / (sommaTeste - sommaRighe);
        else if (sommaParole < larghezza)
            l = parole[c] + (larghezza - sommaParole) * (righe[c] - parole[c]) / (sommaRighe - sommaParole);
        else // the longest words break inside their cells, the table keeps to the page
            l = std::min(parole[c], tettoParole(parole, larghezza));
        risultato.larghezze[c] = int(l);
    }
    return risultato;
}

} // namespace office
