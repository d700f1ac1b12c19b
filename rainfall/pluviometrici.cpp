#include "rainfall/pluviometrici.h"

#include "frame/ModVelmor.h"
#include "frame/colori.h"
#include "frame/controlli.h"
#include "frame/finestre.h"
#include "frame/formati.h"
#include "frame/nomifinestre.h"
#include "frame/percorsi.h"
#include "frame/servizi.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

VELMOR_FINESTRA(pluviometrici);

using namespace pioggia;
using namespace vb;

namespace {

constexpr int massimoRighe = 16;
constexpr int cimaIntestazione = 540;
constexpr int cimaRighe = 840;
constexpr int passoRighe = 285;
constexpr int altezzaRiga = 270;

// Columns: left and width in twips.
constexpr int xZona = 120, wZona = 3105;
constexpr int xEquazione = 3240, wEquazione = 2040;
constexpr int xRitorno = 5295, wRitorno = 660;
constexpr int xDurata = 5970, wDurata = 780;
constexpr int xScorri = 6765, wScorri = 240;
constexpr int xAltezza = 7050, wAltezza = 1110;
constexpr int xIntensita = 8175, wIntensita = 1185;

constexpr int durataMinima = 5; // minutes
constexpr int durataMassima = 1440;
constexpr int passoDurata = 5;

// A framed white or blue box of the table.
template <class L>
L* casella(L* etichetta, std::uint32_t sfondo, Qt::Alignment allineamento)
{
    etichetta->setAlignment(allineamento);
    etichetta->setFrameShape(QFrame::Box);
    controlli::coloreSfondo(etichetta, sfondo);
    return etichetta;
}

// What the curve stands for, opening the zone's tooltip.
QString ambito(Ambito a)
{
    switch (a) {
    case Ambito::Stazione: return QStringLiteral("Curva di una stazione pluviometrica.\n");
    case Ambito::Comune: return QStringLiteral("Curva media sul territorio del comune.\n");
    case Ambito::Bacino:
        return QStringLiteral("Curva media su un grande bacino fluviale, non di una stazione né di un comune: dà piogge "
                              "più basse di quelle che cadono su un'area piccola come il bacino di una fognatura.\n");
    case Ambito::NonDetto: break;
    }
    return {};
}

// Whether the curve comes from a public body or from a worked example.
QString tipoFonte(TipoFonte t)
{
    switch (t) {
    case TipoFonte::Pubblicata: return QStringLiteral("Curva pubblicata da un ente fra le curve della regione.\n");
    case TipoFonte::Esempio:
        return QStringLiteral("Curva ricavata in un esempio svolto di un corso, non pubblicata fra le curve regionali: "
                              "prima di usarla nel progetto va confrontata con una fonte ufficiale.\n");
    case TipoFonte::NonDetto: break;
    }
    return {};
}

// The zone's tooltip: what the curve is, its return period (curves of different
// return periods give rains that cannot be compared: at one hour the 100-year
// curve of a basin is about three times the 2-year curve of a nearby station),
// and the report's design-rain paragraph, which must tell the same story as the
// value the engineer types.
QString descrizioneCurva(const Zona& z)
{
    const QString anni = QString::number(z.tempoRitorno);
    return ambito(z.ambito) + tipoFonte(z.tipoFonte) + "Tempo di ritorno: " + anni
           + " anni. I valori di curve con tempi di ritorno diversi non sono confrontabili fra loro.\n"
             "La relazione tecnica descrive una pioggia di progetto che cade una volta l'anno: chi digita nella "
             "finestra Dati un valore di questa curva (" + anni + " anni) corregga quel paragrafo nel documento "
             "modificabile (stampa con Word).\n"
           + "Fonte: " + z.fonte + "\n" + z.indirizzo + (z.nota.isEmpty() ? QString() : "\n" + z.nota);
}

QString testoEquazione(const Zona& z)
{
    return QStringLiteral("h = %1 · t^%2 (t in %3)")
        .arg(QString::number(z.a, 'f', 2), QString::number(z.n, 'f', 3),
             z.unita == UnitaDurata::Ore ? QStringLiteral("ore") : QStringLiteral("min"));
}

} // namespace

pluviometrici::pluviometrici()
    : FinestraPrincipale(QString::fromUtf8(NOME), 2, QStringLiteral("Dati pluviometrici"), finestre::nomi::guidapluviometrici)
{
    setCaption(QStringLiteral("Velmor: dati pluviometrici"));
    aggiungiVoce(menuFile(), QStringLiteral("esci"), QStringLiteral("Es&ci"), [this] { esci_Click(); });
    completaBarraMenu();

    const struct {
        const char* testo;
        int x, w;
    } titoli[] = {{"zona", xZona, wZona},
                  {"equazione h = a · t^n", xEquazione, wEquazione},
                  {"ritorno", xRitorno, wRitorno},
                  {"durata", xDurata, wDurata + wScorri + 45},
                  {"altezza (mm)", xAltezza, wAltezza},
                  {"intensità (mm/h)", xIntensita, wIntensita}};
    for (const auto& t : titoli)
        piazza(controlli::etichetta(QString::fromUtf8(t.testo), std::nullopt, controlli::Bordo::Nessuno, Qt::AlignCenter),
               t.x, cimaIntestazione, t.w, 255);

    aiuto = pulsanteInBasso(QStringLiteral("&AIUTO"), QStringLiteral("cliccare per avere indicazioni sull'uso della finestra"), 120,
                            [this] { aiuto_Click(); });
    guidainlinea = pulsanteInBasso(QStringLiteral("&Guida in linea"),
                                   QStringLiteral("cliccare per visualizzare il Sommario della guida"), 1200, [this] { guida_Click(); });
    piazza(passo, 2400, 5640, 4800, 450);
    cmdesci = pulsanteInBasso(QStringLiteral("US&CITA"), QStringLiteral("cliccare per uscire da Velmor"), 8280,
                              [this] { esci_Click(); });
}

void pluviometrici::Form_Load()
{
    const QString file = percorsi::fileDati(QString::fromUtf8(FILE_ZONE), false);
    const LetturaZone lettura = leggiZone(file);
    if (!lettura.riuscita()) {
        const QString dove = file.isEmpty() ? QString::fromUtf8(FILE_ZONE) : file;
        MsgBox("Le equazioni pluviometriche non sono disponibili: il file " + dove + " non è leggibile.\r"
                   + lettura.errori.mid(0, 5).join('\r'),
               vbExclamation, ModVelmor::titolocontrollo.testo());
    }
    zone = lettura.zone.mid(0, massimoRighe);
    creaRighe();
    FinestraPrincipale::Form_Load();
    for (int i = 0; i < int(righe.size()); ++i)
        durata_Change(i);
    passo->setText(zone.isEmpty()
                       ? QStringLiteral("Nessuna equazione disponibile")
                       : QStringLiteral("Scegliere la zona più vicina al progetto; con le barre si cambia la durata della pioggia"));
}

void pluviometrici::creaRighe()
{
    for (int i = 0; i < zone.size(); ++i) {
        const Zona& z = zone[i];
        const int top = cimaRighe + i * passoRighe;
        Riga r;
        r.zona = casella(new controlli::EtichettaElisa, colori::bianco, Qt::AlignLeft | Qt::AlignVCenter);
        r.zona->setTesto(z.nome);
        r.zona->setSuggerimento(descrizioneCurva(z));
        piazza(r.zona, xZona, top, wZona, altezzaRiga);
        r.equazione = casella(new controlli::EtichettaElisa, colori::bianco, Qt::AlignLeft | Qt::AlignVCenter);
        r.equazione->setTesto(testoEquazione(z));
        piazza(r.equazione, xEquazione, top, wEquazione, altezzaRiga);
        auto* ritorno = controlli::etichetta(QString::number(z.tempoRitorno) + " anni", colori::bianco,
                                             controlli::Bordo::Singolo, Qt::AlignCenter);
        ritorno->setToolTip("tempo di ritorno della curva: " + QString::number(z.tempoRitorno)
                            + " anni (valori di tempi di ritorno diversi non sono confrontabili)");
        piazza(ritorno, xRitorno, top, wRitorno, altezzaRiga);
        r.durata = controlli::etichetta(QString(), colori::bianco, controlli::Bordo::Singolo, Qt::AlignRight | Qt::AlignVCenter);
        piazza(r.durata, xDurata, top, wDurata, altezzaRiga);
        // The bar holds the duration with its sign changed: its upper arrow
        // lowers the bar's value, and so lengthens the rain.
        r.scorri = new QScrollBar(Qt::Vertical);
        r.scorri->setRange(-durataMassima, -durataMinima);
        r.scorri->setSingleStep(passoDurata);
        r.scorri->setPageStep(60);
        r.scorri->setValue(-durataIniziale);
        r.scorri->setToolTip(QStringLiteral("durata della pioggia in minuti"));
        piazza(r.scorri, xScorri, top, wScorri, altezzaRiga);
        r.altezza = controlli::etichetta(QString(), colori::azzurro, controlli::Bordo::Singolo, Qt::AlignRight | Qt::AlignVCenter);
        r.altezza->setToolTip(QStringLiteral("altezza di pioggia in mm caduta nella durata: non è il dato della finestra "
                                             "Dati, che vuole l'intensità in mm/h"));
        piazza(r.altezza, xAltezza, top, wAltezza, altezzaRiga);
        r.intensita = controlli::etichetta(QString(), colori::azzurro, controlli::Bordo::Singolo, Qt::AlignRight | Qt::AlignVCenter);
        r.intensita->setToolTip(QStringLiteral("intensità media in mm/h per la durata: è il valore da digitare nel campo "
                                               "'pioggia' della finestra Dati"));
        piazza(r.intensita, xIntensita, top, wIntensita, altezzaRiga);
        connect(r.scorri, &QScrollBar::valueChanged, this, [this, i] { durata_Change(i); });
        righe.push_back(r);
    }
}

void pluviometrici::durata_Change(int indice)
{
    if (indice < 0 || indice >= int(righe.size()))
        return;
    const Riga& r = righe[indice];
    const int minuti = durata(indice);
    r.durata->setText(QString::number(minuti) + " min");
    // The locale's decimal separator, as in the other windows and the report.
    r.altezza->setText(Format(Valore(altezzaPioggia(zone[indice], minuti)), QStringLiteral("##0.0")));
    r.intensita->setText(Format(Valore(intensitaPioggia(zone[indice], minuti)), QStringLiteral("##0.0")));
}

int pluviometrici::durata(int indice) const
{
    return -righe.at(indice).scorri->value();
}

QString pluviometrici::senzaStampa() const
{
    return QStringLiteral("La tabella delle piogge non si stampa.\r"
                          "L'intensità scelta, digitata nel campo 'pioggia' della finestra Dati, compare nella relazione "
                          "tecnica, che si stampa dalla finestra Frontespizio: pulsante Stampa, oppure menu File, Stampa.");
}

void pluviometrici::aiuto_Click()
{
    MsgBox(QStringLiteral("- Ogni riga riporta l'equazione di possibilità pluviometrica di una zona, h = a · t^n;\r"
                          "- all'apertura la durata è di 60 minuti: si legge la pioggia oraria;\r"
                          "- con la barra di ogni riga si allunga o si accorcia la durata;\r"
                          "- allungando la durata l'intensità diminuisce: le durate oltre l'ora danno tubi più piccoli, "
                          "non un progetto più sicuro;\r"
                          "- le curve sono ricavate da piogge di 1-24 ore: sotto l'ora i valori sono un'estrapolazione;\r"
                          "- passando con il mouse sul nome della zona si vedono la fonte dei coefficienti e il tempo di "
                          "ritorno della curva: valori di tempi di ritorno diversi non sono confrontabili;\r"
                          "- sotto 10,8 mm/h (30 l/s per ettaro) i valori hanno poco significato;\r"
                          "- scegliere la zona più vicina a quella del progetto e la durata voluta, poi digitare nel campo "
                          "'pioggia' della finestra Dati l'intensità in mm/h (colonna 'intensità'), non l'altezza in mm."),
           vbInformation, ModVelmor::titoloaiuto);
}
