#include "help/prodotti.h"

#include "frame/ModVelmor.h"
#include "frame/colori.h"
#include "frame/controlli.h"
#include "frame/finestre.h"
#include "frame/formati.h"
#include "frame/indirizzi.h"
#include "frame/percorsi.h"
#include "frame/servizi.h"
#include "help/documento.h"
#include "office/consegna.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

VELMOR_FINESTRA(prodotti);

using namespace vb;

namespace {

constexpr int cimaRighe = 1920;
constexpr int passoRighe = 240;
constexpr int altezzaRiga = 255;
constexpr int massimoIniziale = 23; // the scroll bar's maximum until a list is read

enum class Stile { Normale, Grassetto };

QLabel* cella(const QString& testo, Stile stile, Qt::Alignment allineamento, std::uint32_t colore,
              std::uint32_t sfondo = colori::giallo, controlli::Bordo bordo = controlli::Bordo::Singolo)
{
    QLabel* l = controlli::etichetta(testo, sfondo, bordo, allineamento);
    if (stile == Stile::Grassetto) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    controlli::coloreTesto(l, colore);
    return l;
}

} // namespace

prodotti::prodotti()
    : FinestraInformativa(QString::fromUtf8(NOME), QStringLiteral("cliccare per stampare il listino"),
                          QStringLiteral("cliccare per chiudere la finestra sui prodotti"), 9600, 6825),
      Command1(controlli::pulsante("Sito: " + QString::fromUtf8(indirizzi::sito), QStringLiteral("clicca per accedere al sito"))),
      Command2(controlli::pulsante("Email: " + QString::fromUtf8(indirizzi::posta), QStringLiteral("clicca per inviare un'email"))),
      VScroll1(new QScrollBar(Qt::Vertical))
{
    setCaption(QStringLiteral("prodotti software ZENTORIA"));
    piazza(Command1, 6480, 480, 2415, 375);
    piazza(Command2, 6480, 840, 2415, 375);

    const auto centro = Qt::AlignCenter;
    Label1 = cella(QStringLiteral("VERSIONI PROFESSIONALI PER WINDOWS - LISTINO"), Stile::Grassetto,
                   Qt::AlignLeft | Qt::AlignVCenter, colori::blu, colori::gialloChiaro, controlli::Bordo::Nessuno);
    piazza(Label1, 600, 840, 4815, 255);
    Label10 = cella(QString(), Stile::Grassetto, Qt::AlignLeft | Qt::AlignVCenter, colori::blu, colori::gialloChiaro,
                    controlli::Bordo::Nessuno);
    piazza(Label10, 5400, 840, 855, 255);

    // The column headings.
    const struct {
        const char* testo;
        const char* suggerimento;
        Stile stile;
        int left, top, width, height;
    } intestazioni[] = {
        {"num.", "", Stile::Normale, 600, 1320, 495, 495},
        {"nome programma", "", Stile::Grassetto, 1080, 1320, 1455, 495},
        {"argomento trattato ", "", Stile::Grassetto, 2520, 1320, 3975, 255},
        {"(per offerte e opportunità vedi il catalogo sul sito)", "esistono versioni ridotte dal costo minore",
         Stile::Normale, 2520, 1560, 3975, 255},
        {"costo netto in euro", "al costo netto bisogna aggiungere l'IVA e le eventuali spese di trasporto",
         Stile::Grassetto, 6480, 1320, 1215, 495},
        {"via internet a euro", "per chi acquista via internet", Stile::Grassetto, 7680, 1320, 1215, 495},
    };
    for (const auto& t : intestazioni) {
        QLabel* l = cella(QString::fromUtf8(t.testo), t.stile, centro, 0);
        l->setWordWrap(true);
        l->setToolTip(QString::fromUtf8(t.suggerimento));
        piazza(l, t.left, t.top, t.width, t.height);
    }

    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setRange(1, massimoIniziale);
    VScroll1->setSingleStep(1);
    VScroll1->setPageStep(righe);
    VScroll1->setValue(1);
    VScroll1->setTracking(false);
    piazza(VScroll1, 120, cimaRighe, 375, 2415);
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });

    QFont comic(QStringLiteral("Comic Sans MS"));
    comic.setPointSizeF(8.25);
    comic.setBold(true);
    for (int r = 1; r <= righe; ++r) {
        const int top = cimaRighe + passoRighe * (r - 1);
        num[r] = cella(QString::number(r), Stile::Normale, centro, 0);
        piazza(num[r], 600, top, 495, altezzaRiga);
        nom[r] = cella(QString(), Stile::Normale, centro, colori::bluScuro);
        nom[r]->setFont(comic);
        piazza(nom[r], 1080, top, 1455, altezzaRiga);
        argom[r] = cella(QString(), Stile::Normale, Qt::AlignLeft | Qt::AlignVCenter, colori::bluScuro);
        piazza(argom[r], 2520, top, 3975, altezzaRiga);
        eur[r] = cella(QString(), Stile::Grassetto, Qt::AlignRight | Qt::AlignVCenter, colori::bluScuro);
        piazza(eur[r], 6480, top, 1215, altezzaRiga);
        off[r] = cella(QString(), Stile::Grassetto, Qt::AlignRight | Qt::AlignVCenter, colori::rosso);
        piazza(off[r], 7680, top, 1215, altezzaRiga);
    }

    Label8 = cella(QStringLiteral("sconto del 30% sulla seconda copia e del 20% per l'acquisto di tre o più programmi diversi"),
                   Stile::Grassetto, centro, colori::rosso);
    Label8->setToolTip(QStringLiteral("gli sconti non si sommano ai prezzi via internet"));
    piazza(Label8, 600, 4440, 8295, 255);
    Label7 = cella("Pagamento con bonifico anticipato o in contrassegno; consegna entro cinque giorni lavorativi "
                   "dall'ordine, su disco o da scaricare dal sito.\n"
                   "Gli aggiornamenti della versione acquistata sono gratuiti per un anno; le versioni successive "
                   "costano la metà del prezzo di listino.\n"
                   "Informazioni e preventivi: " + QString::fromUtf8(indirizzi::posta),
                   Stile::Normale, centro, colori::bluScuro);
    Label7->setWordWrap(true);
    Label7->setToolTip(QStringLiteral("condizioni di vendita"));
    piazza(Label7, 600, 4800, 8295, 1455);

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void prodotti::Form_Load()
{
    FinestraInformativa::Form_Load();
    leggiFile();
    Label10->setText(ModVelmor::intestazionelistino.testo());
    {
        // With ten entries or fewer the list does not scroll: the first row shows entry 1.
        const QSignalBlocker blocco(VScroll1);
        VScroll1->setMaximum(std::max(1, numeroprodotti() - (righe - 1)));
        VScroll1->setValue(1);
        VScroll1->setEnabled(numeroprodotti() > righe);
    }
    primoprodotto = 1;
    VScroll1_Change();
}

void prodotti::leggiFile()
{
    elenco.clear();
    ModVelmor::intestazionelistino = Valore();
    const QString nome = QString::fromUtf8(FILE_LISTINO);
    const percorsi::Lettura lettura = percorsi::leggiDati(nome, true);
    const QString& percorso = lettura.percorso;
    const auto avvisa = [](const QString& testo) { MsgBox(testo, vbExclamation, ModVelmor::nomeprogramma.testo()); };
    if (!lettura.riuscita()) {
        avvisa("Il listino dei prodotti non è disponibile: " + (percorso.isEmpty() ? QString() : percorso + ": ")
               + lettura.errore + ".\rL'elenco resta vuoto.");
        return;
    }
    QString errore;
    const auto listino = guida::leggiListino(lettura.byte, &errore);
    if (!listino) {
        avvisa("Il listino dei prodotti " + percorso + " non è scritto correttamente: " + errore
               + ".\rL'elenco resta vuoto.");
        return;
    }
    ModVelmor::intestazionelistino = listino->intestazione;
    elenco = listino->prodotti;
    if (!errore.isEmpty())
        avvisa("Il listino dei prodotti " + percorso + ": " + errore + ".");
}

void prodotti::VScroll1_Change()
{
    primoprodotto = VScroll1->value();
    for (int r = 1; r <= righe; ++r) {
        const int k = primoprodotto + r - 1;
        const bool c = k >= 1 && k <= numeroprodotti();
        num[r]->setText(QString::number(k));
        nom[r]->setText(c ? elenco[k - 1].nomeprodotto.testo() : QString());
        argom[r]->setText(c ? elenco[k - 1].argomento.testo() : QString());
        eur[r]->setText(c ? elenco[k - 1].prezzolistino.testo() : QString());
        off[r]->setText(c ? elenco[k - 1].prezzoofferta.testo() : QString());
    }
}

void prodotti::cmdstampa_Click()
{
    const office::ConsegnaAllaFine consegna;
    guida::nuovoDocumento(QStringLiteral("listino"), [this](office::Application& appword, office::Document& documento) {
        guida::paginaInformativa(appword, documento);
        office::Selezione& sel = appword.Selection;
        sel.Font.Name = QStringLiteral("Century Gothic");
        sel.Font.Size = 20;
        sel.TypeText(QStringLiteral("prodotti software ZENTORIA\r\r"));
        sel.Font.Size = 12;
        sel.TypeText("acquistabili dalla pagina " + QString::fromUtf8(indirizzi::negozio) + "\r\r");
        documento.Content.Paragraphs.Add(documento.Bookmarks(QStringLiteral("\\endofdoc")).Range);
        auto tabella = documento.Tables.Add(documento.Bookmarks(QStringLiteral("\\endofdoc")).Range, numeroprodotti() + 1, 5);
        tabella->Range.Font.Size = 8;
        const QString intestazione[] = {QStringLiteral("numero"), QStringLiteral("nome del software"),
                                        "argomento trattato" + QString(20, QChar(' ')), QStringLiteral("listino in euro"),
                                        QStringLiteral("in offerta ad euro")};
        for (int c = 1; c <= 5; ++c)
            tabella->Cell(1, c).Range.Text = intestazione[c - 1];
        const QString schema = QStringLiteral("##,##0.00");
        for (int k = 1; k <= numeroprodotti(); ++k) {
            const guida::Prodotto& p = elenco[k - 1];
            tabella->Cell(k + 1, 1).Range.Text = Str(k);
            tabella->Cell(k + 1, 2).Range.Text = p.nomeprodotto.testo();
            tabella->Cell(k + 1, 3).Range.Text = p.argomento.testo();
            tabella->Cell(k + 1, 4).Range.Text = Format(p.prezzolistino, schema);
            tabella->Cell(k + 1, 5).Range.Text = Format(p.prezzoofferta, schema);
        }
        tabella->AutoFormat(9);
        for (int c : {4, 5}) {
            documento.Tables(1).Columns(c).Select();
            appword.Selection.ParagraphFormat.Alignment = office::Destra;
        }
    });
}

std::int32_t prodotti::Link(const QString& URL) { return ModVelmor::apriindirizzo(URL); }

void prodotti::Command1_Click() { Link(QString::fromUtf8(indirizzi::catalogo)); }

void prodotti::Command2_Click() { Link("mailto:" + QString::fromUtf8(indirizzi::posta)); }
