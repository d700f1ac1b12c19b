#include "seismic/sismica.h"

#include "frame/ModVelmor.h"
#include "frame/aggiornamenti.h"
#include "frame/colori.h"
#include "frame/controlli.h"
#include "frame/finestre.h"
#include "frame/formati.h"
#include "frame/nomifinestre.h"
#include "frame/servizi.h"
#include "archivi/archivi.h"
#include "seismic/campitubo.h"
#include "seismic/tabellatubi.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStringList>

#include <algorithm>

using namespace servizi;
using namespace vb;
using namespace tubazioni;
using controlli::Bordo;

VELMOR_FINESTRA(sismica);

namespace {

// Layout of the form, in twips.
constexpr int altezzaRiga = 285;
constexpr int passoRiga = 330;
constexpr int larghezzaDidascalia = 2355;
constexpr int larghezzaCasella = 1095;
constexpr int larghezzaUnita = 720;
constexpr int colonnaSinistra = 240;
constexpr int colonnaDestra = 4635;
constexpr int primaRigaNumeri = 1860;
constexpr int margineDestro = 8895;  // right edge of the form, left of the scroll bar

constexpr std::uint32_t rosa = colori::rgb(255, 200, 200);  // a box whose text is not a number

QLabel* didascalia(const QString& testo, Qt::Alignment allineamento = Qt::AlignLeft | Qt::AlignVCenter)
{
    QLabel* l = controlli::etichetta(testo, colori::giallo, Bordo::Singolo, allineamento);
    controlli::coloreTesto(l, 0);
    l->setIndent(4);
    return l;
}

QLabel* risultato(const QString& suggerimento)
{
    QLabel* l = controlli::etichetta(QString(), colori::azzurro, Bordo::Singolo, Qt::AlignRight | Qt::AlignVCenter);
    controlli::coloreTesto(l, 0);
    l->setIndent(6);
    l->setToolTip(suggerimento);
    return l;
}

void carattere(QWidget* w, double punti, bool grassetto)
{
    QFont f = w->font();
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    w->setFont(f);
}

void sfondoCasella(QLineEdit* casella, std::uint32_t colore)
{
    QPalette p = casella->palette();
    p.setColor(QPalette::Base, colori::daVB(colore));
    casella->setPalette(p);
}

}  // namespace

sismica::sismica()
    : FinestraPrincipale(QString::fromUtf8(NOME), 3, QStringLiteral("Verifica sismica"), finestre::nomi::guidasismica),
      intestazione(didascalia(QStringLiteral("Verifica sismica dei tubi interrati (secondo il D.M. 23/02/1971 n.2445)"),
                              Qt::AlignCenter)),
      ntubo(didascalia(QStringLiteral("n.1"), Qt::AlignCenter)), VScroll1(new QScrollBar(Qt::Vertical)),
      scs(risultato(QStringLiteral("scs: sigma di lavoro a compressione (sez. tubo verticale superiore)"))),
      sts(risultato(QStringLiteral("sts: sigma di lavoro a trazione (sez. tubo verticale superiore)"))),
      scm(risultato(QStringLiteral("scm: sigma di lavoro a compressione (sez. tubo orizzontale mediana)"))),
      stm(risultato(QStringLiteral("stm: sigma di lavoro a trazione (sez. tubo orizzontale mediana)"))),
      sci(risultato(QStringLiteral("sci: sigma di lavoro a compressione (sez. tubo verticale inferiore)"))),
      sti(risultato(QStringLiteral("sti: sigma di lavoro a trazione (sez. tubo verticale inferiore)"))),
      esito(controlli::etichetta(QString(), colori::azzurro, Bordo::Singolo, Qt::AlignCenter)),
      aiuto(controlli::pulsante(QStringLiteral("&AIUTO"), QStringLiteral("cliccare per avere indicazioni sulla immissione dei dati"))),
      controlla(controlli::pulsante(QStringLiteral("&Controllo"), QStringLiteral("cliccare per controllare i dati immessi"))),
      cmdesci(controlli::pulsante(QStringLiteral("US&CITA"), "cliccare per uscire da " + ModVelmor::nomeprogramma.testo()))
{
    setCaption(ModVelmor::nomeprogramma.testo() + ": verifica sismica dei tubi interrati");
    setBackColor(colori::grigioScuro);

    carattere(intestazione, 11, true);
    intestazione->setToolTip(QStringLiteral("cliccare per visualizzare le formule del Decreto Ministeriale"));
    intestazione->setCursor(Qt::PointingHandCursor);
    intestazione->installEventFilter(this);
    piazza(intestazione, colonnaSinistra, 540, 9075, 375);

    carattere(ntubo, 12, true);
    ntubo->setToolTip(QStringLiteral("il numero del tubo visualizzato (fino a 50)"));
    piazza(ntubo, 7560, 990, 1335, 345);

    VScroll1->setRange(1, ModVelmor::massimotubi);
    VScroll1->setSingleStep(1);
    VScroll1->setPageStep(5);
    VScroll1->setTracking(false);  // Change only once the thumb is let go
    VScroll1->setToolTip(QStringLiteral("scorrere per passare da un tubo all'altro"));
    piazza(VScroll1, 9060, 990, 255, 3135);
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });

    // Text fields across the top, then the pipe on the left and the fill and
    // the wheel on the right.
    piazzaCampo(campo::riferimento, colonnaSinistra, 1020, 2760);
    piazzaCampo(campo::materiale, colonnaSinistra, 1380, margineDestro - (colonnaSinistra + larghezzaDidascalia + 45));
    for (int c = campo::pesos; c <= campo::peso; ++c)
        piazzaCampo(c, colonnaSinistra, primaRigaNumeri + (c - campo::pesos) * passoRiga, larghezzaCasella);
    for (int c = campo::altez; c <= campo::bmax; ++c)
        piazzaCampo(c, colonnaDestra, primaRigaNumeri + (c - campo::altez) * passoRiga, larghezzaCasella);

    QLineEdit* peso = datisismici[campo::peso];
    peso->setReadOnly(true);
    peso->setFocusPolicy(Qt::ClickFocus);
    sfondoCasella(peso, colori::azzurro);
    peso->setToolTip(QStringLiteral("calcolato dal programma con il diametro, lo spessore e il peso specifico del tubo"));
    QWidget* prima = datisismici[campo::riferimento];
    for (int c = campo::materiale; c <= campo::bmax; ++c) {
        if (c == campo::peso)
            continue;
        setTabOrder(prima, datisismici[c]);
        prima = datisismici[c];
    }

    piazzaRisultati();
    piazzaPulsanti();

    CommonDialog1.FileName = QStringLiteral("Velmor-verifica-");
    QMenu* file = menuFile();
    aggiungiVoce(file, QStringLiteral("apri"), QStringLiteral("&Apri..."), [this] { apri_Click(); });
    file->addSeparator();
    aggiungiVoce(file, QStringLiteral("salva"), QStringLiteral("&Salva con nome..."), [this] { salva_Click(); });
    file->addSeparator();
    aggiungiVoce(file, QStringLiteral("eliminare"), QStringLiteral("&Elimina..."), [this] { eliminare_click(); });
    file->addSeparator();
    aggiungiVoce(file, QStringLiteral("esci"), QStringLiteral("Es&ci"), [this] { esci_Click(); });
    completaBarraMenu();

    // A data file read replaces the pipes: show them again from the first.
    connect(&Aggiornamenti::istanza(), &Aggiornamenti::tubiCambiati, this,
            [this] { mostraTubo(ModVelmor::tubocorrente); });
}

void sismica::piazzaCampo(int numero, int left, int top, int larghezza)
{
    const DescrizioneCampo& d = descrizioneCampo(numero);
    QLabel* etichetta = didascalia(QString::fromUtf8(d.didascalia));
    piazza(etichetta, left, top, larghezzaDidascalia, altezzaRiga);

    QLineEdit* casella = controlli::casella();
    casella->setObjectName(QString::fromUtf8(d.nome));
    casella->setToolTip("digitare " + QString::fromUtf8(d.richiesta));
    const int x = left + larghezzaDidascalia + 45;
    piazza(casella, x, top, larghezza, altezzaRiga);
    datisismici[numero] = casella;
    if (numero == campo::riferimento || numero == campo::materiale)
        controlli::limitaLunghezza(casella, lunghezzaTestoTubo, QString::fromUtf8(d.nome));
    connect(casella, &QLineEdit::textChanged, this, [this, numero] { datisismici_Change(numero); });

    if (*d.unita)
        piazza(didascalia(QString::fromUtf8(d.unita), Qt::AlignCenter), x + larghezza + 45, top, larghezzaUnita,
               altezzaRiga);
}

void sismica::piazzaRisultati()
{
    constexpr int alto = 4290;
    constexpr int salto = 315;
    constexpr int xCompressione = colonnaSinistra + larghezzaDidascalia + 45;
    constexpr int larghezza = 1170;
    constexpr int xTrazione = xCompressione + larghezza + 45;
    constexpr int xEsito = 5280;

    piazza(didascalia(QStringLiteral("sigma di lavoro in kg/cmq")), colonnaSinistra, alto, larghezzaDidascalia, altezzaRiga);
    piazza(didascalia(QStringLiteral("compressione"), Qt::AlignCenter), xCompressione, alto, larghezza, altezzaRiga);
    piazza(didascalia(QStringLiteral("trazione"), Qt::AlignCenter), xTrazione, alto, larghezza, altezzaRiga);

    const char* sezioni[] = {"sez. verticale superiore", "sez. orizzontale mediana", "sez. verticale inferiore"};
    const auto s = sigma();
    for (int k = 0; k < 3; ++k) {
        const int y = alto + (k + 1) * salto;
        piazza(didascalia(QString::fromUtf8(sezioni[k])), colonnaSinistra, y, larghezzaDidascalia, altezzaRiga);
        piazza(s[2 * k], xCompressione, y, larghezza, altezzaRiga);
        piazza(s[2 * k + 1], xTrazione, y, larghezza, altezzaRiga);
    }

    piazza(didascalia(QStringLiteral("esito della verifica"), Qt::AlignCenter), xEsito, alto, margineDestro - xEsito,
           altezzaRiga);
    carattere(esito, 14, true);
    esito->setToolTip(QStringLiteral("sigma di lavoro confrontati con le tensioni ammissibili del materiale digitate fra i dati"));
    piazza(esito, xEsito, alto + salto, margineDestro - xEsito, 2 * salto + altezzaRiga);
}

void sismica::piazzaPulsanti()
{
    piazza(aiuto, 120, 5700, 1095, 375);
    connect(aiuto, &QPushButton::clicked, this, [this] { aiuto_Click(); });
    piazza(controlla, 1260, 5700, 1095, 375);
    connect(controlla, &QPushButton::clicked, this, [this] { controlla_click(); });
    piazza(passo, 2460, 5640, 5220, 450);
    piazza(cmdesci, margineDestro - 1095, 5700, 1095, 375);
    connect(cmdesci, &QPushButton::clicked, this, [this] { cmdesci_Click(); });
}

void sismica::Form_Load()
{
    FinestraPrincipale::Form_Load();
    impostaValoriIniziali();
    VScroll1_Change();
}

bool sismica::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (oggetto == intestazione && evento->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
        intestazione_Click();
        return true;
    }
    return FinestraPrincipale::eventFilter(oggetto, evento);
}

void sismica::VScroll1_Change()
{
    const int tubo = VScroll1->value();
    ModVelmor::tubocorrente = tubo;
    ntubo->setText("n." + QString::number(tubo));
    m_caricamento = true;
    for (int c = 1; c <= numeroCampi; ++c) {
        const QString testo = valoreCampo(c, tubo).testo();
        datisismici[c]->setText(testo);
        datisismici[c]->setCursorPosition(0);
        // A text in the table that is no number (as typed, or not finished) shows pink again.
        const bool numerico = c != campo::riferimento && c != campo::materiale;
        const Lettura lettura = numerico ? leggiTesto(testo) : Lettura::Vuoto;
        segnaLettura(c, lettura == Lettura::Incompleto ? Lettura::NonNumero : lettura);
    }
    m_caricamento = false;
    cancellaRisultati();
    ricalcola();
    suggerimento();
}

void sismica::datisismici_Change(int Index)
{
    if (m_caricamento)
        return;
    const int tubo = ModVelmor::tubocorrente;
    const QString testo = datisismici[Index]->text();

    if (Index == campo::riferimento || Index == campo::materiale) {
        impostaCampo(Index, tubo, Valore(testo));
        suggerimento();
        return;
    }

    const Lettura lettura = leggiTesto(testo);
    const bool giaAvvisato = m_letture[Index] == Lettura::NonNumero;
    // A text that is no number (yet) goes into the table as typed, never leaving the last
    // number read behind it: the check, the files and the report see what the box shows,
    // also once another pipe is on screen.
    impostaCampo(Index, tubo,
                 lettura == Lettura::Vuoto    ? Valore(QString())
                 : lettura == Lettura::Numero ? Valore(Val(testo))
                                              : Valore(testo));
    contaTubi();
    segnaLettura(Index, lettura);

    if (casellaErrata()) {
        // What the boxes show is not what the table holds: no results until it is.
        cancellaRisultati();
        suggerimento();
        if (lettura == Lettura::NonNumero && !giaAvvisato)  // once, not at every further key
            MsgBox(QStringLiteral("Il dato digitato non è un numero: usare solo cifre ed il punto come separatore "
                                  "dei decimali (ad esempio 12.5)."),
                   vbExclamation, ModVelmor::titoloaiuto);
        return;
    }
    ricalcola();
    suggerimento();
}

void sismica::ricalcola()
{
    const int tubo = ModVelmor::tubocorrente;
    const auto verifica = ricalcolaTubo(tubo);
    m_caricamento = true;
    datisismici[campo::peso]->setText(valoreCampo(campo::peso, tubo).testo());
    m_caricamento = false;
    if (verifica)
        mostraRisultati(verifica->verificato);
    else
        cancellaRisultati();
}

void sismica::mostraRisultati(bool verificato)
{
    const int tubo = ModVelmor::tubocorrente;
    const Valore valori[] = {ModVelmor::sigmasuperiore[1][tubo], ModVelmor::sigmasuperiore[2][tubo],
                             ModVelmor::sigmamediana[1][tubo],   ModVelmor::sigmamediana[2][tubo],
                             ModVelmor::sigmainferiore[1][tubo], ModVelmor::sigmainferiore[2][tubo]};
    const auto s = sigma();
    for (int k = 0; k < 6; ++k)
        s[k]->setText(Format(valori[k], QStringLiteral("##0.00")));

    esito->setText(QString::fromUtf8(tubazioni::esito(verificato)));
    controlli::coloreTesto(esito, verificato ? colori::rgb(0, 110, 0) : colori::rgb(190, 0, 0));
    m_verificaMostrata = true;
}

void sismica::cancellaRisultati()
{
    for (QLabel* l : sigma())
        l->clear();
    esito->clear();
    m_verificaMostrata = false;
}

void sismica::segnaLettura(int numero, Lettura lettura)
{
    m_letture[numero] = lettura;
    const bool errata = lettura == Lettura::Incompleto || lettura == Lettura::NonNumero;
    if (numero != campo::peso)
        sfondoCasella(datisismici[numero], errata ? rosa : colori::bianco);
}

bool sismica::casellaErrata() const
{
    return std::any_of(m_letture.begin(), m_letture.end(),
                       [](Lettura l) { return l == Lettura::Incompleto || l == Lettura::NonNumero; });
}

void sismica::mostraTubo(int tubo)
{
    {
        const QSignalBlocker blocco(VScroll1);
        VScroll1->setValue(tubo);
    }
    VScroll1_Change();
}

void sismica::controlla_click()
{
    contaTubi();
    const int n = numeroTubi();
    for (int tubo = 1; tubo <= n; ++tubo) {
        mostraTubo(tubo);
        // A word where a number goes first: it also leaves the weight per metre empty.
        for (int c = campo::pesos; c <= campo::bmax; ++c) {
            const QString testo = datisismici[c]->text();
            if (c != campo::peso && !testo.trimmed().isEmpty() && leggiTesto(testo) != Lettura::Numero) {
                datisismici[c]->setFocus();
                MsgBox("Tubo n." + QString::number(tubo) + ": il dato '"
                           + QString::fromUtf8(descrizioneCampo(c).didascalia)
                           + "' non è un numero: digitare un numero con il punto per i decimali (ad esempio 12.5).",
                       vbCritical, ModVelmor::titolocontrollo.testo());
                return;
            }
        }
        for (int c = 1; c <= numeroCampi; ++c) {
            // A box of blanks looks empty, and its number is not in the table.
            if (datisismici[c]->text().trimmed().isEmpty()) {
                if (c != campo::peso)
                    datisismici[c]->setFocus();
                MsgBox(QStringLiteral("Digitare tutti i dati nei campi a sfondo bianco."), vbCritical,
                       ModVelmor::titolocontrollo.testo());
                return;
            }
        }
    }
    if (ModVelmor::erroredati.eNumero() && ModVelmor::erroredati.numero() == 1) {
        ModVelmor::erroredati = Valore(0);
        return;
    }
    MsgBox(QStringLiteral("I dati sono stati immessi correttamente."), vbInformation, ModVelmor::titolocontrollo.testo());
}

void sismica::cancella_click()
{
    const int risposta = MsgBox(QStringLiteral("Cancellare i dati di tutti i tubi di questa finestra?\r"
                                               "I dati non archiviati andranno persi."),
                                vbYesNo + vbQuestion + vbDefaultButton2);
    if (risposta != vbYes)
        return;
    svuotaTubi();
    mostraTubo(1);
}

void sismica::aiuto_Click()
{
    const QStringList righe = {
        QStringLiteral("- Digitare i dati del tubo nei campi a sfondo bianco, passando da un campo all'altro con il "
                       "tasto TAB o con il mouse;"),
        QStringLiteral("- scrivere i numeri con il punto per i decimali (ad esempio 12.5);"),
        QStringLiteral("- riferimento e materiale servono solo per l'archivio e la stampa;"),
        QStringLiteral("- per la compressione e la trazione digitare le tensioni ammissibili del materiale, cioè la "
                       "resistenza già divisa per il coefficiente di sicurezza;"),
        QStringLiteral("- incremento sismico, carico della ruota e impronta sono già impostati: correggerli se "
                       "occorre (incremento 1 nelle zone non sismiche);"),
        QStringLiteral("- il peso a metro lineare e i sigma di lavoro (campi azzurri) sono calcolati dal programma; "
                       "l'esito compare in basso a destra;"),
        QStringLiteral("- con la barra di scorrimento verticale si passa agli altri tubi, fino a 50;"),
        QStringLiteral("- controllare i dati immessi con il pulsante Controllo (o con l'icona \"controllo dati immessi\" "
                       "della barra degli strumenti)."),
    };
    MsgBox(righe.join(QChar('\r')), vbInformation, ModVelmor::titoloaiuto);
}

void sismica::intestazione_Click()
{
    finestre::mostra(finestre::nomi::guidaformule);
}

void sismica::cmdesci_Click()
{
    ModVelmor::esciprogramma();
}

void sismica::suggerimento()
{
    const QString tubo = "Tubo n." + QString::number(ModVelmor::tubocorrente) + ": ";
    if (casellaErrata()) {
        passo->setText(tubo + "correggere il dato nel campo rosa, digitando un numero con il punto per i decimali.");
        return;
    }
    for (int c = 1; c <= numeroCampi; ++c) {
        if (c != campo::peso && datisismici[c]->text().trimmed().isEmpty()) {
            passo->setText(tubo + "digitare " + QString::fromUtf8(descrizioneCampo(c).richiesta) + ".");
            return;
        }
    }
    if (m_verificaMostrata)
        passo->setText(tubo + "l'esito è in basso a destra; con la barra di scorrimento si passa al tubo successivo.");
    else
        passo->setText(tubo + "con questi dati la verifica non si può eseguire: controllare lo spessore, il diametro "
                              "e l'impronta della ruota.");
}

void sismica::apri_Click() { archivi::apriVerifica(CommonDialog1); }
void sismica::salva_Click() { archivi::salvaVerifica(CommonDialog1); }
void sismica::eliminare_click() { archivi::elimina(CommonDialog1, archivi::Tipo::verifica); }
