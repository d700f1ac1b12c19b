#include "help/capitolo.h"

#include "frame/ModVelmor.h"
#include "frame/barrastrumenti.h"
#include "frame/colori.h"
#include "frame/controlli.h"
#include "frame/finestre.h"
#include "frame/nomifinestre.h"
#include "frame/percorsi.h"
#include "frame/servizi.h"
#include "help/documento.h"
#include "office/consegna.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace vb;

namespace {

struct DatiCapitolo {
    int numero; // main window number
    const char* argomento;
    const char* numerale;
    const char* file;
    int premuto; // the toolbar button shown pressed
};

// Chapter III shows button 7 pressed, not its own 12: so the window was designed.
constexpr DatiCapitolo capitoli[] = {
    {4, "Definizioni", "I", "circolare/capitolo1.txt", 10},
    {5, "Progetto di massima", "II", "circolare/capitolo2.txt", 11},
    {6, "Progetto esecutivo", "III", "circolare/capitolo3.txt", 7},
};

const DatiCapitolo& dati(int numero)
{
    for (const DatiCapitolo& d : capitoli)
        if (d.numero == numero)
            return d;
    return capitoli[0];
}

QString argomento(int numero) { return QString::fromUtf8(dati(numero).argomento); }

constexpr int disabilitati[] = {1, 2, 3, 20, 21};

} // namespace

const QString Capitolo::citazione =
    QStringLiteral("Circolare Ministero LL.PP. - Servizio Tecnico Centrale - 7 gennaio 1974, n.11633");

QString Capitolo::fileTesto(int numero) { return QString::fromUtf8(dati(numero).file); }

Capitolo::Capitolo(const char* nome, int numero)
    : FinestraPrincipale(QString::fromUtf8(nome), numero, "Normativa tecnica - " + argomento(numero),
                         finestre::nomi::guidanorme, Menu::Senza),
      Frame3(new QGroupBox(citazione + " - " + argomento(numero))), Text1(new QPlainTextEdit)
{
    setCaption("Velmor: normativa tecnica - " + argomento(numero));
    passo->setToolTip(QStringLiteral("indicazioni sulla corretta procedura di gestione dei dati"));

    for (int i : disabilitati)
        Toolbar1->Buttons(i)->setEnabled(false);
    const int premuto = dati(numero).premuto;
    if (premuto != numero + 6) {
        QAction* proprio = Toolbar1->Buttons(numero + 6);
        proprio->setChecked(false);
        proprio->setCheckable(false);
        Toolbar1->Buttons(premuto)->setCheckable(true);
        Toolbar1->Buttons(premuto)->setChecked(true);
    }

    Frame3->setObjectName(QStringLiteral("Frame3"));
    QFont grassetto = Frame3->font();
    grassetto.setBold(true);
    Frame3->setFont(grassetto);
    controlli::coloreTesto(Frame3, colori::bluScuro);
    piazza(Frame3, 120, 600, 9255, 4815);

    Text1->setObjectName(QStringLiteral("Text1"));
    controlli::coloreTesto(Text1, 0);
    Text1->setReadOnly(true);
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    piazza(Text1, 120, 240, 9015, 4455, Frame3);
    QFont normale = Text1->font(); // not the frame caption's bold
    normale.setBold(false);
    Text1->setFont(normale);

    aiuto = pulsanteInBasso(QStringLiteral("&AIUTO"), QStringLiteral("clicca per avere gli aiuti in linea"), 120,
                            [this] { aiuto_Click(); });
    guidainlinea = controlli::pulsante(QStringLiteral("&Guida in linea"),
                                       QStringLiteral("clicca per visualizzare il Sommario della guida"));
    piazza(guidainlinea, 1200, 5760, 1111, 375);
    connect(guidainlinea, &QPushButton::clicked, this, [this] { guidainlinea_Click(); });
    piazza(passo, 2400, 5640, 4695, 450);
    cmddati = pulsanteInBasso(QStringLiteral("&Dati"), QStringLiteral("clicca per visualizzare la finestra Dati"), 7200,
                              [this] { cmddati_Click(); });
    esco = pulsanteInBasso(QStringLiteral("&USCITA"), QString(), 8280, [this] { esco_Click(); });
}

void Capitolo::Form_Load()
{
    FinestraPrincipale::Form_Load();
    esco->setToolTip("cliccare per uscire da " + ModVelmor::nomeprogramma.testo());
    passo->setText(QStringLiteral("consulta la normativa tecnica o passa alle altre disposizioni usando i tasti della "
                                  "barra degli strumenti, in alto nella finestra"));
    Text1->setPlainText(percorsi::testoIncorporato(fileTesto(numero())));
}

void Capitolo::Toolbar1_ButtonClick(int indice)
{
    switch (indice) {
    case 6: case 7: mostrafinestra(1); break;
    case 8: case 9: case 10: case 11: case 12: case 13:
        if (indice - 6 == numero())
            guidafinestra();
        else
            mostrafinestra(indice - 6);
        break;
    case 14: case 15: guida_Click(); break;
    case 16: sugger_Click(); break;
    case 17: supporto_Click(); break;
    case 18: informazioni_Click(); break;
    case 19: case 20: case 21: case 22: esci_Click(); break;
    default: stampaword(); break; // 1 to 5, and any index the toolbar never gives
    }
}

void Capitolo::mostrafinestra(int k)
{
    Unload();
    finestre::mostra(QString::fromUtf8(ModVelmor::finestrePrincipali[k]));
}

void Capitolo::guidafinestra() { fin_Click(numero()); }

void Capitolo::aiuto_Click()
{
    MsgBox(QStringLiteral("- La finestra è di sola lettura;\r- clicca su un tasto in alto per visualizzare le altre norme."),
           vbInformation, ModVelmor::titoloaiuto);
}

void Capitolo::guidainlinea_Click() { guida_Click(); }
void Capitolo::cmddati_Click() { finestre::mostra(finestre::nomi::dati); }
void Capitolo::esco_Click() { esci_Click(); }

void Capitolo::stampaword()
{
    const office::ConsegnaAllaFine consegna;
    passo->setText(QStringLiteral("sto caricando WORD"));
    const QString testo = Text1->toPlainText();
    const bool fatto = guida::nuovoDocumento(
        "normativa-capitolo-" + QString::fromUtf8(dati(numero()).numerale), [&](office::Application& appword, office::Document&) {
            office::Selezione& sel = appword.Selection;
            sel.Font.Name = QStringLiteral("Century Gothic");
            sel.Font.Size = 18;
            sel.TypeText(ModVelmor::nomeprogramma.testo() + "\r" + ModVelmor::descrizioneprogramma.testo() + "\r\r");
            sel.Font.Size = 12;
            sel.TypeText(QStringLiteral("Normativa tecnica\r\r"));
            sel.TypeText(Frame3->title() + "\r\r");
            sel.Font.Size = 10;
            sel.TypeText(testo + "\r");
            sel.Document.Select();
            sel.ParagraphFormat.Alignment = office::Giustificato;
        });
    if (fatto)
        passo->setText(QStringLiteral("ho visualizzato il testo su Word"));
}
