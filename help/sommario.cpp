#include "help/sommario.h"

#include "frame/ModVelmor.h"
#include "frame/controlli.h"
#include "frame/finestre.h"
#include "frame/nomifinestre.h"
#include "frame/percorsi.h"
#include "help/aspetto.h"
#include "help/guidacompleta.h"
#include "help/guidaformule.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <optional>

VELMOR_FINESTRA(sommario);

namespace {

struct Argomento {
    const char* caption; // leading blanks included
    int top;             // twips, shared by the button and the label
    std::uint32_t sfondo;
    std::optional<std::uint32_t> testo; // the default text colour when not given
    const char* apre;
};

// Three groups: general help, the program's windows, the rest.
const std::array<Argomento, sommario::argomenti + 1> tabellaArgomenti = {{
    {"", 0, 0, std::nullopt, finestre::nomi::manuale},
    {"  Manuale d'uso rapido", 1080, guida::ciano, std::nullopt, finestre::nomi::manuale},
    {"  Funzionamento del programma", 1320, guida::ciano, guida::nero, finestre::nomi::guidafunzionamento},
    {"  Archivio dati", 1560, guida::ciano, std::nullopt, finestre::nomi::guidaarchivio},
    {" Come stampare", 1800, guida::ciano, std::nullopt, finestre::nomi::guidastampa},
    {" Finestra Dati", 2400, guida::ciano, std::nullopt, finestre::nomi::guidadati},
    {" Finestra Dati pluviometrici", 2640, guida::ciano, std::nullopt, finestre::nomi::guidapluviometrici},
    {" Finestra Verifica sismica", 2880, guida::ciano, std::nullopt, finestre::nomi::guidasismica},
    {" Finestra Normativa - Definizioni", 3120, guida::ciano, std::nullopt, finestre::nomi::guidanorme},
    {" Finestra Normativa - Progetto massima", 3360, guida::ciano, std::nullopt, finestre::nomi::guidanorme},
    {" Finestra Normativa - Progetto esecutivo", 3600, guida::ciano, std::nullopt, finestre::nomi::guidanorme},
    {" Finestra Frontespizio", 3840, guida::ciano, std::nullopt, finestre::nomi::guidafrontespizio},
    {" Formule per verifica sismica", 4080, guida::ciano, std::nullopt, finestre::nomi::guidaformule},
    {"  Suggerimento del giorno", 4680, guida::ciano, std::nullopt, finestre::nomi::frmTip},
    {"  Licenza d'uso di \" Velmor\"", 5040, guida::rosso, guida::giallo, finestre::nomi::licenza},
    {"  altri prodotti Software Zentoria", 5400, guida::giallo, std::nullopt, finestre::nomi::prodotti},
}};

constexpr int argomentoFormule = 12;

} // namespace

sommario::sommario()
    : FinestraAiuto(QString::fromUtf8(NOME), larghezza, std::nullopt),
      Label1(controlli::etichetta(QStringLiteral("Argomenti della guida"), guida::ciano, controlli::Bordo::Singolo,
                                  Qt::AlignCenter)),
      cmdstampa(controlli::pulsante(QStringLiteral("&Stampa"),
                                    QStringLiteral("cliccare per avere la copia su carta del sommario"))),
      cmdchiudi(controlli::pulsante(QStringLiteral("&Chiudi"), QStringLiteral("cliccare per chiudere la finestra"))),
      Command1(controlli::pulsante(QStringLiteral("&USCITA"), QStringLiteral("cliccare per uscire da Velmor")))
{
    setCaption(QStringLiteral("Velmor: guida in linea"));

    guida::carattere(Label1, 12, true);
    piazza(Label1, 240, 360, 3375, 375);

    for (int k = 1; k <= argomenti; ++k) {
        const Argomento& a = tabellaArgomenti[k];
        puls[k] = controlli::pulsante(QStringLiteral("--->"));
        puls[k]->setStyleSheet(QStringLiteral("padding: 0px;"));
        piazza(puls[k], 240, a.top, 375, 255);
        connect(puls[k], &QPushButton::clicked, this, [this, k] { puls_Click(k); });

        lbl[k] = controlli::etichetta(QString::fromUtf8(a.caption), a.sfondo, controlli::Bordo::Singolo);
        if (a.testo)
            controlli::coloreTesto(lbl[k], *a.testo);
        lbl[k]->setMouseTracking(true);
        lbl[k]->installEventFilter(this);
        piazza(lbl[k], 720, a.top, 2895, 255);
    }

    piazza(cmdstampa, 120, 6000, 1215, 375);
    piazza(cmdchiudi, 1320, 6000, 1215, 375);
    piazza(Command1, 2520, 6000, 1215, 375);
    connect(cmdstampa, &QPushButton::clicked, this, [this] { cmdstampa_Click(); });
    connect(cmdchiudi, &QPushButton::clicked, this, [this] { cmdchiudi_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

    area()->setMouseTracking(true);
    area()->installEventFilter(this);
}

sommario::~sommario() = default;

QString sommario::destinazione(int indice)
{
    if (indice < 1 || indice > argomenti)
        indice = 1;
    return QString::fromUtf8(tabellaArgomenti[indice].apre);
}

void sommario::puls_Click(int indice)
{
    if (indice == argomentoFormule) {
        // Every opening from here shows the picture from its top-left corner.
        auto& formule = finestre::forma<guidaformule>();
        formule.HScroll1->setValue(1);
        formule.VScroll1->setValue(-200);
    }
    finestre::mostra(destinazione(indice));
}

void sommario::lbl_Mousedown(int indice)
{
    lbl[indice]->setFrameShape(QFrame::NoFrame);
    puls_Click(indice);
}

void sommario::lbl_MouseUp(int indice)
{
    lbl[indice]->setFrameShape(QFrame::Box);
}

void sommario::lbl_MouseMove(int indice)
{
    azzeraevidenza();
    guida::carattere(lbl[indice], lbl[indice]->font().pointSizeF(), true);
}

void sommario::form_MouseMove()
{
    azzeraevidenza();
}

void sommario::azzeraevidenza()
{
    for (int k = 1; k <= argomenti; ++k)
        guida::carattere(lbl[k], lbl[k]->font().pointSizeF(), false);
}

void sommario::cmdstampa_Click()
{
    guida::scriviGuidaCompleta(percorsi::cartellaProgramma());
}

void sommario::cmdchiudi_Click()
{
    Hide();
}

void sommario::Command1_Click()
{
    ModVelmor::esciprogramma();
}

bool sommario::eventFilter(QObject* oggetto, QEvent* evento)
{
    const QEvent::Type tipo = evento->type();
    if (tipo == QEvent::MouseMove && oggetto == area()) {
        form_MouseMove();
        return false;
    }
    if (tipo == QEvent::MouseButtonPress || tipo == QEvent::MouseButtonRelease || tipo == QEvent::MouseMove) {
        for (int k = 1; k <= argomenti; ++k) {
            if (oggetto != lbl[k])
                continue;
            if (tipo == QEvent::MouseButtonPress)
                lbl_Mousedown(k);
            else if (tipo == QEvent::MouseButtonRelease)
                lbl_MouseUp(k);
            else
                lbl_MouseMove(k);
            return true;
        }
    }
    return FinestraAiuto::eventFilter(oggetto, evento);
}
