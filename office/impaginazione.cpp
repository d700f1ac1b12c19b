#include "office/impaginazione.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace office {

namespace {

// Text is laid out at a high resolution, so that its measures are not rounded to screen pixels.
// The layout takes the lengths of frames, tables and pictures in pixels of 96 to the inch and
// scales them to the device itself; only the page size is given in the device's own units.
constexpr double puntiPerPollice = 2880; // 40 pixels to the point: sizes in half points stay whole
constexpr double pixelLogiciPerPollice = 96;

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

class Impaginatore {
public:
    explicit Impaginatore(const ModelloDocumento& modello) : modello_(modello), dispositivo_(1, 1, QImage::Format_Mono)
    {
        const int puntiPerMetro = qRound(puntiPerPollice / 0.0254);
        dispositivo_.setDotsPerMeterX(puntiPerMetro);
        dispositivo_.setDotsPerMeterY(puntiPerMetro);
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
        for (const Blocco& b : modello_.blocchi) {
            if (b.tabella >= 0)
                tabella(cursore, modello_.tabelle[static_cast<size_t>(b.tabella)]);
            else
                paragrafo(cursore, b.paragrafo);
        }
        cursore.endEditBlock();
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

    void tabella(QTextCursor& cursore, const Tabella& t)
    {
        const double colonna = daTwip(larghezzaUtileTwip_ / t.colonne);
        QTextTableFormat formato;
        formato.setCellSpacing(0);
        formato.setCellPadding(0);
        formato.setMargin(0);
        formato.setBorder(0);
        formato.setColumnWidthConstraints(
            QList<QTextLength>(t.colonne, QTextLength(QTextLength::FixedLength, colonna)));
        formato.setWidth(QTextLength(QTextLength::FixedLength, colonna * t.colonne));
        formato.setAlignment(Qt::AlignLeft);
        QTextTable* tabella = cursore.insertTable(t.righe, t.colonne, formato);

        // The text keeps the cell margins from the grid lines; each row's lower grid line
        // takes its own height, as word processors draw it.
        QTextTableCellFormat formatoCella;
        formatoCella.setLeftPadding(daTwip(margineCellaTwip));
        formatoCella.setRightPadding(daTwip(margineCellaTwip));
        formatoCella.setTopPadding(0);
        formatoCella.setBottomPadding(daPunti(spessoreGrigliaOttavi / 8.0));
        // a cell's format is the character format of its first block: the two go together
        QTextCharFormat normale = formatoCarattere(t.carattere);
        Carattere intestazione = t.carattere;
        intestazione.grassetto = t.carattere.grassetto || t.formatoAutomatico == 9;
        QTextCharFormat marcato = formatoCarattere(intestazione);
        QTextCharFormat primoNormale = normale;
        primoNormale.merge(formatoCella);
        QTextCharFormat primoMarcato = marcato;
        primoMarcato.merge(formatoCella);

        for (int r = 1; r <= t.righe; ++r) {
            const QTextCharFormat& carattere = r == 1 ? marcato : normale;
            const QTextCharFormat& primo = r == 1 ? primoMarcato : primoNormale;
            for (int c = 1; c <= t.colonne; ++c) {
                const Cella& dati = *t.cella(r, c);
                QTextCursor dentro = tabella->cellAt(r - 1, c - 1).firstCursorPosition();
                const QTextBlockFormat blocco = formatoBlocco(dati.allineamento, t.interlinea);
                dentro.setBlockFormat(blocco);
                dentro.setBlockCharFormat(primo);
                const QStringList righe = dati.testo.split(u'\r');
                for (qsizetype i = 0; i < righe.size(); ++i) {
                    if (i > 0)
                        dentro.insertBlock(blocco, carattere);
                    if (!righe[i].isEmpty())
                        dentro.insertText(righe[i], carattere);
                }
            }
        }
        cursore.movePosition(QTextCursor::End);
        bloccoLibero_ = true;
    }

    const ModelloDocumento& modello_;
    QImage dispositivo_;
    QTextDocument documento_;
    int larghezzaUtileTwip_ = 0;
    bool bloccoLibero_ = true;
};

} // namespace

int contaPagine(const ModelloDocumento& modello)
{
    return Impaginatore(modello).pagine();
}

} // namespace office
