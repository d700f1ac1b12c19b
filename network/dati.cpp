#include "network/dati.h"

#include "frame/ModVelmor.h"
#include "frame/aggiornamenti.h"
#include "frame/colori.h"
#include "frame/controlli.h"
#include "frame/finestre.h"
#include "frame/formati.h"
#include "frame/nomifinestre.h"
#include "frame/servizi.h"
#include "network/classipendenza.h"
#include "archivi/archivi.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>
#include <utility>

VELMOR_FINESTRA(dati);

using namespace vb;
using tratti::Campo;

namespace {

// The grid's columns, left to right, in twips, with the widest value each
// column's boxes are made to show whole with the program's font: lengths to
// 9999.99 m, height differences to -99.99 m, 99999 inhabitants, flows to
// 9999.99 l/s (10 m3/s, beyond a town's sewer). A longer value shows its
// leading digits and whole in the box's tooltip.
struct Colonna {
    const char* titolo;
    const char* unita;
    int larghezza;
    const char* piuLargo; // "" for the combo boxes
};
enum Col {
    cNumero, cLungh, cDisl, cPortc, cTiposup, cPend, cAbit, cDotaz, cSuperf, cPiog, cRiemp,
    cPortpiog, cPortnera, cPorttot, cDiam, cVel, cColonne
};
constexpr Colonna colonne[cColonne] = {
    {"tratto", "n.", 360, "500"},       {"lungh.", "m", 600, "9999.99"},    {"disl.", "m", 495, "-99.99"},
    {"port. c", "l/s", 525, "999.99"},  {"superficie", "tipo", 1215, ""},   {"pendenza", "bacino", 1200, ""},
    {"abitanti", "n.", 495, "99999"},   {"dotaz.", "l/ab/g", 420, "9999"},  {"sup.", "ha", 525, "999.99"},
    {"pioggia", "mm/h", 525, "999.99"}, {"sez.", "%", 345, "100"},          {"port. p", "l/s", 540, "9999.99"},
    {"port. n", "l/s", 540, "9999.99"}, {"port. t", "l/s", 540, "9999.99"}, {"diam.", "cm", 390, "oltre"},
    {"vel.", "m/s", 390, "99.99"},
};
// The eight typed fields of a segment: the row's boxes, the field, the grid's column and the
// stored values. One table for creating the boxes, showing a segment and taking what is typed.
struct CampoTesto {
    dati::Riga<QLineEdit> dati::*caselle;
    Campo campo;
    int colonna;
    ModVelmor::Tratti* valori;
};
constexpr CampoTesto campiTesto[] = {
    {&dati::lungh, Campo::lunghezza, cLungh, &ModVelmor::lunghezza},
    {&dati::disl, Campo::dislivello, cDisl, &ModVelmor::dislivello},
    {&dati::portc, Campo::portatacollettori, cPortc, &ModVelmor::portatacollettori},
    {&dati::abit, Campo::abitanti, cAbit, &ModVelmor::abitanti},
    {&dati::dotaz, Campo::dotazione, cDotaz, &ModVelmor::dotazione},
    {&dati::superf, Campo::superficie, cSuperf, &ModVelmor::superficie},
    {&dati::piog, Campo::pioggia, cPiog, &ModVelmor::pioggia},
    {&dati::riemp, Campo::riempimento, cRiemp, &ModVelmor::riempimento},
};

// The typed field's entry, or nullptr for the two chosen from a list.
const CampoTesto* campoTesto(Campo campo)
{
    for (const CampoTesto& c : campiTesto)
        if (c.campo == campo)
            return &c;
    return nullptr;
}

constexpr int sinistra = 60;
constexpr int cimaIntestazione = 1000;
constexpr int cimaRighe = 1440;
constexpr int passoRighe = 375;
constexpr int altezzaRiga = 300;
constexpr int larghezzaBarra = 255;
constexpr int staccoBarra = 30; // between the last column and the scroll bar, and after the bar

// The surface type of a segment, 1 to 10, or 0 when none: a file may hold any
// number there, also one too large for an integer.
int tipoSuperficie(int t)
{
    const Valore& v = ModVelmor::numerosuperficie[t];
    const double n = v.numero();
    return !v.vuoto() && n >= 1 && n < 11 ? int(n) : 0;
}

constexpr int leftDi(int colonna)
{
    int x = sinistra;
    for (int c = 0; c < colonna; ++c)
        x += colonne[c].larghezza;
    return x;
}

constexpr int leftBarra = leftDi(cColonne) + staccoBarra;
// The scroll bar shows whole on the client area at the designed size; the
// resizer keeps it so at any other.
static_assert(leftBarra + larghezzaBarra + staccoBarra <= FinestraPrincipale::larghezza - Finestra::cornice);

const char* const nomiRete[4] = {"", "bianche", "nere", "misto"};

// A result as the report prints it: the locale's decimal separator.
QString numeroRisultato(const Valore& v, int decimali)
{
    return Format(v, decimali == 0 ? QStringLiteral("##0") : QStringLiteral("##0.00"));
}

// One notch of a mouse wheel, in eighths of a degree.
constexpr int scattoRotella = 120;

} // namespace

dati::dati() : FinestraPrincipale(QString::fromUtf8(NOME), 1, QStringLiteral("Dati"), finestre::nomi::guidadati)
{
    setCaption(m_titolo);

    CommonDialog1.FileName = QStringLiteral("Velmor-dati-");
    QMenu* file = menuFile();
    QMenu* apri = aggiungiSottomenu(file, QStringLiteral("apri"), QStringLiteral("&Apri"));
    aggiungiVoce(apri, QStringLiteral("aprisolo"), QStringLiteral("dati &senza verifica sismica"), [this] { apri_Click(); });
    aggiungiVoce(apri, QStringLiteral("apritutto"), QStringLiteral("dati &con verifica sismica"), [this] { apritutto_Click(); });
    file->addSeparator();
    aggiungiSalvataggi(file, [this] { salva_Click(); }, [this] { salvanome_Click(); }, [this] { salvatutto_Click(); });
    file->addSeparator();
    aggiungiVoce(file, QStringLiteral("eliminare"), QStringLiteral("&Elimina..."), [this] { eliminare_click(); });
    file->addSeparator();
    aggiungiVoce(file, QStringLiteral("esci"), QStringLiteral("Es&ci"), [this] { esci_Click(); });
    completaBarraMenu();

    auto* cornice = new QGroupBox(QStringLiteral("Tipo di rete (acque)"));
    piazza(cornice, sinistra, 420, 3840, 570);
    for (int i = 1; i <= 3; ++i) {
        tiporete[i] = new QRadioButton(QString::fromUtf8(nomiRete[i]));
        tiporete[i]->setObjectName(QStringLiteral("tiporete%1").arg(i));
        piazza(tiporete[i], 180 + (i - 1) * 1200, 255, 1140, 255, cornice);
        connect(tiporete[i], &QRadioButton::toggled, this, [this, i](bool scelto) {
            if (scelto && !m_mostrando)
                tiporete_Click(i);
        });
    }

    Labelinfo = controlli::etichetta(QString(), std::nullopt, controlli::Bordo::Nessuno, Qt::AlignLeft | Qt::AlignTop);
    Labelinfo->setWordWrap(true);
    piazza(Labelinfo, 4020, 450, 5445, 540);

    for (int c = 0; c < cColonne; ++c) {
        auto* titolo = controlli::etichetta(QString::fromUtf8(colonne[c].titolo) + "\n" + QString::fromUtf8(colonne[c].unita),
                                            std::nullopt, controlli::Bordo::Nessuno, Qt::AlignCenter);
        piazza(titolo, leftDi(c), cimaIntestazione, colonne[c].larghezza, 420);
        if (c == cPiog)
            titolo->setToolTip(QStringLiteral("intensità di pioggia in mm/h (non l'altezza in mm): si legge nella colonna "
                                              "'intensità' della finestra Dati pluviometrici, per la durata voluta"));
    }
    for (int r = 1; r <= righe; ++r)
        creaRiga(r, cimaRighe + (r - 1) * passoRighe);
    // Tab runs along a row's columns, left to right, then to the next row.
    QWidget* precedente = nullptr;
    for (int r = 1; r <= righe; ++r) {
        for (QWidget* w : std::initializer_list<QWidget*>{lungh[r], disl[r], portc[r], tiposup[r], pend[r], abit[r],
                                                          dotaz[r], superf[r], piog[r], riemp[r]}) {
            if (precedente)
                setTabOrder(precedente, w);
            precedente = w;
        }
    }

    VScroll1 = new QScrollBar(Qt::Vertical);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setMinimum(1);
    VScroll1->setMaximum(primoInBasso);
    VScroll1->setPageStep(righe);
    VScroll1->setSingleStep(1);
    VScroll1->setTracking(false);
    VScroll1->setToolTip(QStringLiteral("scorrere i tratti della rete (da 1 a 500)"));
    piazza(VScroll1, leftBarra, cimaRighe, larghezzaBarra, (righe - 1) * passoRighe + altezzaRiga);
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
    VScroll1->installEventFilter(this);

    // A data file read replaces the segments: show them again from the first.
    connect(&Aggiornamenti::istanza(), &Aggiornamenti::reteCambiata, this, [this] { mostraDaCapo(); });

    aiuto = pulsanteInBasso(QStringLiteral("&AIUTO"), QStringLiteral("cliccare per avere indicazioni sulla immissione dei dati"),
                            120, [this] { aiuto_Click(); });
    guidainlinea = pulsanteInBasso(QStringLiteral("&Guida in linea"),
                                   QStringLiteral("cliccare per visualizzare il Sommario della guida"), 1200, [this] { guida_Click(); });
    piazza(passo, 2400, 5640, 3615, 450);
    Command5 = pulsanteInBasso(QStringLiteral("&Frontespizio"), QStringLiteral("cliccare per visualizzare la finestra Frontespizio"),
                               6120, [] { finestre::mostra(finestre::nomi::frontespizio); });
    Command6 = pulsanteInBasso(QStringLiteral("&Verifica"), QStringLiteral("cliccare per visualizzare la finestra Verifica sismica"),
                               7200, [] { finestre::mostra(finestre::nomi::sismica); });
    cmdesci = pulsanteInBasso(QStringLiteral("US&CITA"), QStringLiteral("cliccare per uscire da Velmor"), 8280,
                              [this] { esci_Click(); });
}

void dati::creaRiga(int r, int top)
{
    numero[r] = controlli::etichetta(QString(), std::nullopt, controlli::Bordo::Singolo, Qt::AlignCenter);
    numero[r]->installEventFilter(this);
    numero[r]->setToolTip(QStringLiteral("passare con il mouse per vedere superficie, pendenza e coefficienti del tratto"));
    piazza(numero[r], leftDi(cNumero), top, colonne[cNumero].larghezza - 15, altezzaRiga);

    for (const CampoTesto& t : campiTesto) {
        QLineEdit* e = controlli::casella();
        e->setAlignment(Qt::AlignRight);
        (this->*t.caselle)[r] = e;
        piazza(e, leftDi(t.colonna), top, colonne[t.colonna].larghezza - 15, altezzaRiga);
        connect(e, &QLineEdit::textChanged, this, [this, campo = t.campo, r] { campo_Change(campo, r); });
    }
    connect(riemp[r], &QLineEdit::editingFinished, this, [this, r] {
        if (dimensionaRiga(r) == tratti::Esito::riempimentoerrato)
            avvisa(tratti::Esito::riempimentoerrato, ModVelmor::primotratto + r - 1);
    });

    // The surface types differ in their last words ("lastricato d'asfalto",
    // "lastricato in pietra sigillata"): they are cut at the start, keeping the words that tell them apart.
    tiposup[r] = new controlli::Tendina(Qt::ElideLeft);
    tiposup[r]->installEventFilter(this);
    for (int i = 1; i <= 10; ++i)
        tiposup[r]->addItem(QString());
    tiposup[r]->view()->setMinimumWidth(260);
    piazza(tiposup[r], leftDi(cTiposup), top, colonne[cTiposup].larghezza - 15, altezzaRiga);
    connect(tiposup[r], &QComboBox::currentIndexChanged, this, [this, r] { campo_Change(Campo::tiposuperficie, r); });

    pend[r] = new controlli::Tendina;
    pend[r]->installEventFilter(this);
    for (int c = 0; c < rete::numeroclassipendenza; ++c)
        pend[r]->addItem(rete::etichettapendenza(c));
    pend[r]->view()->setMinimumWidth(110);
    piazza(pend[r], leftDi(cPend), top, colonne[cPend].larghezza - 15, altezzaRiga);
    connect(pend[r], &QComboBox::currentIndexChanged, this, [this, r] { campo_Change(Campo::pendenza, r); });

    struct Risultato {
        Riga<controlli::EtichettaElisa>* riga;
        int colonna;
    };
    for (const Risultato& x : {Risultato{&portpiog, cPortpiog}, Risultato{&portnera, cPortnera},
                               Risultato{&porttot, cPorttot}, Risultato{&diam, cDiam}, Risultato{&vel, cVel}}) {
        auto* l = new controlli::EtichettaElisa;
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setIndent(0); // the frame's own line is margin enough for a number
        l->setFrameShape(QFrame::Box);
        controlli::coloreSfondo(l, colori::azzurro);
        (*x.riga)[r] = l;
        piazza(l, leftDi(x.colonna), top, colonne[x.colonna].larghezza - 15, altezzaRiga);
    }
}

void dati::Form_Load()
{
    FinestraPrincipale::Form_Load();
    ModVelmor::impostaTipiSuperficie();
    for (int r = 1; r <= righe; ++r) {
        const bool prima = m_mostrando;
        m_mostrando = true;
        for (int i = 1; i <= 10; ++i)
            tiposup[r]->setItemText(i - 1, ModVelmor::tipisuperficie[i]);
        tiposup[r]->setCurrentIndex(-1);
        pend[r]->setCurrentIndex(-1);
        m_mostrando = prima;
    }
    if (ModVelmor::sistema.isEmpty())
        ModVelmor::sistema = QStringLiteral("misto");
    mostraDa(ModVelmor::primotratto);
}

void dati::mostraDa(int primo)
{
    {
        const QSignalBlocker blocco(VScroll1);
        VScroll1->setValue(std::clamp(primo, 1, primoInBasso));
    }
    VScroll1_Change();
}

void dati::mostraDaCapo()
{
    setCaption(ModVelmor::filecompleto.isEmpty() ? m_titolo : m_titolo + " - file:" + ModVelmor::filecompleto);
    mostraDa(1);
}

QList<QPair<QWidget*, QString>> dati::valoriPiuLarghi(int r) const
{
    QWidget* const controlli[cColonne] = {numero[r],   lungh[r],   disl[r],   portc[r], tiposup[r], pend[r],
                                          abit[r],     dotaz[r],   superf[r], piog[r],  riemp[r],   portpiog[r],
                                          portnera[r], porttot[r], diam[r],   vel[r]};
    QList<QPair<QWidget*, QString>> coppie;
    for (int c = 0; c < cColonne; ++c)
        if (*colonne[c].piuLargo)
            coppie.append({controlli[c], QString::fromUtf8(colonne[c].piuLargo)});
    return coppie;
}

QLineEdit* dati::casella(Campo campo, int r) const
{
    const CampoTesto* c = campoTesto(campo);
    return c ? (this->*c->caselle)[r] : nullptr;
}

void dati::VScroll1_Change()
{
    m_mostrando = true;
    for (int i = 1; i <= 3; ++i)
        tiporete[i]->setChecked(ModVelmor::sistema == nomiRete[i]);
    m_mostrando = false;
    abilitaCampi();
    ModVelmor::primotratto = VScroll1->value();
    // One message for the rows shown, not one for each.
    int primoErrato = 0;
    tratti::Esito errore = tratti::Esito::dimensionato;
    for (int r = 1; r <= righe; ++r) {
        const int t = ModVelmor::primotratto + r - 1;
        tratti::completatratto(t);
        if (m_passate == 0)
            mostraRiga(r);
        const tratti::Esito esito = dimensionaRiga(r);
        if (primoErrato == 0
            && (esito == tratti::Esito::noninterpretabile || esito == tratti::Esito::riempimentoerrato)) {
            primoErrato = t;
            errore = esito;
        }
    }
    m_righeDaMostrare = m_passate > 0;
    suggerimento();
    if (primoErrato > 0) {
        mostraRigheRimaste(); // the message stands over its page
        avvisa(errore, primoErrato);
    }
}

dati::Passata::Passata(dati& finestra) : m_finestra(finestra)
{
    ++m_finestra.m_passate;
}

dati::Passata::~Passata()
{
    if (--m_finestra.m_passate == 0)
        m_finestra.mostraRigheRimaste();
}

void dati::mostraRigheRimaste()
{
    if (!m_righeDaMostrare)
        return;
    m_righeDaMostrare = false;
    for (int r = 1; r <= righe; ++r) {
        mostraRiga(r);
        mostraRisultati(r);
    }
}

void dati::avvisa(tratti::Esito esito, int t)
{
    if (esito == tratti::Esito::noninterpretabile)
        MsgBox(QStringLiteral("Attenzione: i dati immessi non sono interpretabili, usa valori significativi ed il "
                              "punto per i decimali."),
               vbOKOnly, ModVelmor::titoloaiuto);
    else if (esito == tratti::Esito::riempimentoerrato)
        MsgBox("Tratto n." + QString::number(t) + ":\r" + tratti::rigariempimento(), vbExclamation,
               ModVelmor::titoloaiuto);
}

void dati::mostraRiga(int r)
{
    using namespace ModVelmor;
    const int t = primotratto + r - 1;
    const bool prima = m_mostrando;
    m_mostrando = true;
    numero[r]->setText(QString::number(t));
    for (const CampoTesto& c : campiTesto) {
        QLineEdit* e = (this->*c.caselle)[r];
        const QString testo = std::as_const(*c.valori)[t].testo();
        if (e->text() != testo) {
            e->setText(testo);
            e->setCursorPosition(0); // a value longer than the box shows its leading digits
        }
        e->setToolTip(controlli::contiene(e, testo) ? QString() : testo);
    }
    const int tipo = tipoSuperficie(t);
    tiposup[r]->setCurrentIndex(tipo >= 1 && tipo <= 10 ? tipo - 1 : -1);
    const int classe = pendenza[t].vuoto() ? -1 : rete::classedacoefficiente(coefpendenza[t].numero());
    pend[r]->setCurrentIndex(classe);
    m_mostrando = prima;
}

tratti::Esito dati::dimensionaRiga(int r)
{
    using namespace ModVelmor;
    const int t = primotratto + r - 1;
    m_esiti[r] = tratti::dimensiona(t);
    if (m_passate == 0)
        mostraRisultati(r);
    return m_esiti[r];
}

void dati::mostraRisultati(int r)
{
    using namespace ModVelmor;
    const int t = primotratto + r - 1;
    portpiog[r]->setTesto(numeroRisultato(portatapioggia[t], 2));
    portnera[r]->setTesto(numeroRisultato(portatanera[t], 2));
    porttot[r]->setTesto(numeroRisultato(portatatotale[t], 2));
    diam[r]->setTesto(m_esiti[r] == tratti::Esito::oltrelimite ? QStringLiteral("oltre") : numeroRisultato(diametro[t], 0));
    vel[r]->setTesto(numeroRisultato(velocita[t], 2));
}

void dati::campo_Change(Campo campo, int r)
{
    using namespace ModVelmor;
    if (m_mostrando)
        return;
    const int t = primotratto + r - 1;
    switch (campo) {
    case Campo::tiposuperficie: {
        const int i = tiposup[r]->currentIndex() + 1;
        tiposuperficie[t] = i >= 1 ? Valore(tipisuperficie[i]) : Valore();
        coefsuperficie[t] = i >= 1 ? Valore(testoNumero(coefficientisuperficie[i])) : Valore();
        numerosuperficie[t] = i >= 1 ? Valore(i) : Valore();
        break;
    }
    case Campo::pendenza: {
        const int c = pend[r]->currentIndex();
        pendenza[t] = c >= 0 ? Valore(rete::limitependenza(c)) : Valore();
        coefpendenza[t] = c >= 0 ? Valore(rete::coefficientependenza(c)) : Valore();
        break;
    }
    default: {
        const CampoTesto* c = campoTesto(campo);
        (*c->valori)[t] = Valore((this->*c->caselle)[r]->text());
        break;
    }
    }
    if (tratti::completatratto(t, campo))
        mostraRiga(r);
    if (campo != Campo::tiposuperficie && campo != Campo::pendenza) {
        QLineEdit* e = casella(campo, r);
        e->setToolTip(controlli::contiene(e, e->text()) ? QString() : e->text());
    }
    tratti::contatratti();
    suggerimento();
    // A fill percentage out of range is told when the box is left, not at its first digit.
    const tratti::Esito esito = dimensionaRiga(r);
    if (esito == tratti::Esito::noninterpretabile)
        avvisa(esito, t);
}

void dati::tiporete_Click(int indice)
{
    if (indice < 1 || indice > 3)
        return;
    ModVelmor::sistema = QString::fromUtf8(nomiRete[indice]);
    VScroll1_Change();
}

void dati::abilitaCampi()
{
    const bool pioggiaUsata = ModVelmor::sistema != "nere";
    const bool residentiUsati = ModVelmor::sistema != "bianche";
    for (int r = 1; r <= righe; ++r) {
        tiposup[r]->setEnabled(pioggiaUsata);
        pend[r]->setEnabled(pioggiaUsata);
        superf[r]->setEnabled(pioggiaUsata);
        piog[r]->setEnabled(pioggiaUsata);
        abit[r]->setEnabled(residentiUsati);
        dotaz[r]->setEnabled(residentiUsati);
    }
}

void dati::suggerimento()
{
    using namespace ModVelmor;
    if (numerotratti == 0) {
        passo->setText(QStringLiteral("Scegliere il tipo di rete e digitare la lunghezza del tratto n.1 (TAB per avanzare)"));
        return;
    }
    if (const int t = tratti::primotrattoincompleto(); t > 0) {
        passo->setText("Tratto n." + QString::number(t) + ": " + tratti::primodatomancante(t, sistema).mid(2));
        return;
    }
    // The grid has no row past the last segment: it says so instead of asking for another.
    if (numerotratti >= massimotratti)
        passo->setText(QStringLiteral("Dati completi: la rete ha raggiunto i %1 tratti, il massimo; usare l'icona "
                                      "\"controllo dati immessi\"")
                           .arg(massimotratti));
    else
        passo->setText(QStringLiteral("Dati completi: digitare un altro tratto o usare l'icona \"controllo dati immessi\""));
}

void dati::controlla_click()
{
    using namespace ModVelmor;
    if (numerotratti == 0) {
        MsgBox(QStringLiteral("Non esistono dati riconosciuti:\r"
                              "- per procedere è necessario digitare almeno la lunghezza del tratto n.1;\r"
                              "- il controllo viene effettuato solo sui tratti per i quali esiste il dato della lunghezza."),
               vbExclamation, titolocontrollo.testo());
        return;
    }
    if (const int t = tratti::primotrattoincompleto(); t > 0) {
        MsgBox("Tratto n." + Str(t) + ":\r" + tratti::primodatomancante(t, sistema), vbCritical, titolocontrollo.testo());
        return;
    }
    if (erroredati.eNumero() && erroredati.numero() == 1) {
        erroredati = Valore(0);
        return;
    }
    MsgBox(QStringLiteral("I dati sono stati immessi correttamente."), vbInformation, titolocontrollo.testo());
}

void dati::cancella_click()
{
    using namespace ModVelmor;
    if (MsgBox(QStringLiteral("Cancellare i dati di tutti i tratti della rete?"), vbYesNo + vbQuestion + vbDefaultButton2)
        != vbYes)
        return;
    svuotaTratti();
    mostraDa(1);
}

void dati::aiuto_Click()
{
    MsgBox(QStringLiteral("- Scegliere il tipo di rete: acque bianche, acque nere o sistema misto;\r"
                          "- digitare i dati di ogni tratto nei campi bianchi, passando da un campo all'altro con il tasto TAB;\r"
                          "- usare il punto per i decimali;\r"
                          "- la 'portata c' vuota vale 0 una volta scelto il tipo di superficie; la dotazione vuota prende "
                          "quella del tratto precedente o 250 l/ab al giorno; la pioggia vuota prende quella del tratto precedente;\r"
                          "- i risultati compaiono subito nelle colonne azzurre;\r"
                          "- scorrere i tratti (fino a 500) con la barra a destra;\r"
                          "- controllare i dati immessi con l'icona \"controllo dati immessi\" della barra degli strumenti "
                          "(o con il menu Modifica, Controllo dati immessi)."),
           vbInformation, ModVelmor::titoloaiuto);
}

void dati::mostraInfo(int r)
{
    using namespace ModVelmor;
    const int t = primotratto + r - 1;
    if (r < 1) {
        Labelinfo->clear();
        Labelinfo->setAutoFillBackground(false);
        return;
    }
    QString testo = "Tratto n." + QString::number(t) + " - superficie: ";
    const int tipo = tipoSuperficie(t);
    if (tipo >= 1 && tipo <= 10)
        testo += tipisuperficie[tipo] + " (coeff. " + QString::number(coefficientisuperficie[tipo], 'f', 2) + ")";
    else
        testo += QStringLiteral("non scelta");
    const int classe = pendenza[t].vuoto() ? -1 : rete::classedacoefficiente(coefpendenza[t].numero());
    testo += QStringLiteral(" - pendenza: ");
    if (classe >= 0) {
        testo += rete::etichettapendenza(classe).trimmed() + " (" + QString::number(rete::percentualemantenuta(classe))
                 + "% del coeff. + " + QString::number(rete::aggiuntapendenza(classe), 'f', 2) + ")";
        if (tipo >= 1 && tipo <= 10)
            testo += " - coefficiente di deflusso: "
                     + QString::number(rete::coefficientedeflusso(coefficientisuperficie[tipo], classe), 'f', 3);
    } else {
        testo += QStringLiteral("non scelta");
    }
    Labelinfo->setText(testo);
    controlli::coloreSfondo(Labelinfo, colori::rgb(255, 255, 192));
}

void dati::wheelEvent(QWheelEvent* evento)
{
    ruota(evento);
}

void dati::ruota(QWheelEvent* evento)
{
    evento->accept();
    m_rotella += evento->angleDelta().y();
    const int scatti = m_rotella / scattoRotella;
    if (scatti == 0)
        return;
    m_rotella -= scatti * scattoRotella;
    VScroll1->setValue(VScroll1->value() - scatti); // away from the user: up the network
}

bool dati::eventFilter(QObject* oggetto, QEvent* evento)
{
    // The wheel over the grid, its combo boxes and its bar alike, moves the bar a segment a notch
    // (a combo box does not change its choice under a passing wheel).
    if (evento->type() == QEvent::Wheel && oggetto->isWidgetType()) {
        ruota(static_cast<QWheelEvent*>(evento));
        return true;
    }
    if (evento->type() == QEvent::Enter || evento->type() == QEvent::Leave) {
        for (int r = 1; r <= righe; ++r) {
            if (oggetto != numero[r])
                continue;
            const bool dentro = evento->type() == QEvent::Enter;
            if (dentro)
                controlli::coloreSfondo(numero[r], colori::giallo);
            else
                numero[r]->setAutoFillBackground(false);
            mostraInfo(dentro ? r : 0);
        }
    }
    return FinestraPrincipale::eventFilter(oggetto, evento);
}

void dati::apri_Click() { archivi::apriDati(CommonDialog1); }
void dati::apritutto_Click() { archivi::apriCompleto(CommonDialog1); }
void dati::salva_Click() { archivi::salvaDati(CommonDialog1); }

void dati::salvanome_Click()
{
    ModVelmor::nomefile.clear();
    archivi::salvaDati(CommonDialog1);
}

void dati::salvatutto_Click() { archivi::salvaCompleto(CommonDialog1); }
void dati::eliminare_click() { archivi::elimina(CommonDialog1); }
