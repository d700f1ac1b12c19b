#include "report/frontespizio.h"

#include "frame/ModVelmor.h"
#include "frame/aggiornamenti.h"
#include "frame/colori.h"
#include "frame/controlli.h"
#include "frame/finestre.h"
#include "frame/formati.h"
#include "frame/indirizzi.h"
#include "frame/nomifinestre.h"
#include "frame/percorsi.h"
#include "frame/servizi.h"
#include "archivi/archivi.h"
#include "report/relazione.h"
#include "report/schedadati.h"

#include <QDate>
#include <QEvent>
#include <QDir>
#include <QStandardPaths>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

VELMOR_FINESTRA(frontespizio);

using namespace vb;

namespace {

// The maker's four web pages, for the "Web" choice.
const char* const pagineWeb[5] = {
    "", indirizzi::leggiEDecreti, indirizzi::forum, indirizzi::consulenze, indirizzi::software,
};

constexpr int lunghezzaMassima = 60;
const char* const fileStudio = "studio.txt";

// The first line of the user's own file, or else of the installation's data
// file: nothing set when neither has one.
std::pair<QString, QString> studioDaiFile()
{
    for (const bool utente : {true, false}) {
        const percorsi::Lettura lettura = utente ? percorsi::leggi(frontespizio::fileStudioUtente())
                                                 : percorsi::leggiDati(QString::fromUtf8(fileStudio), false);
        if (!lettura.riuscita())
            continue;
        const QList<QString> righe = lettura.testo().split('\n');
        const auto riga = [&](int i) { return righe.value(i).simplified(); };
        if (!riga(0).isEmpty())
            return {riga(0), riga(1)};
    }
    return {};
}

// The part of the studio file's path that the file manager hides (a folder whose name starts
// with a point), empty when none is hidden.
QString cartellaNascosta(const QString& percorso)
{
    for (const QString& parte : QDir::fromNativeSeparators(percorso).split(u'/'))
        if (parte.startsWith(u'.') && parte != QLatin1String(".") && parte != QLatin1String(".."))
            return parte;
    return {};
}

} // namespace

QString frontespizio::fileStudioUtente()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("Velmor/") + QString::fromUtf8(fileStudio));
}

QString frontespizio::indirizzoWeb(int indice)
{
    if (indice < 1 || indice > 4)
        indice = 1;
    return QString::fromUtf8(pagineWeb[indice]);
}

frontespizio::frontespizio()
    : FinestraPrincipale(QString::fromUtf8(NOME), 7, QStringLiteral("Frontespizio"), finestre::nomi::guidafrontespizio)
{
    setCaption(QStringLiteral("Velmor: frontespizio per la relazione"));
    setBackColor(colori::grigioScuro);
    CommonDialog1.FileName = QStringLiteral("Velmor-dati-");

    // File menu.
    QMenu* file = menuFile();
    aggiungiVoce(file, QStringLiteral("apri"), QStringLiteral("&Apri..."), [this] { apri_Click(); });
    file->addSeparator();
    aggiungiSalvataggi(file, [this] { salva_Click(); }, [this] { salvanome_Click(); }, [this] { salvatutto_Click(); });
    file->addSeparator();
    aggiungiVoce(file, QStringLiteral("eliminare"), QStringLiteral("&Elimina..."), [this] { eliminare_click(); });
    file->addSeparator();
    QMenu* stamp = aggiungiSottomenu(file, QStringLiteral("stamp"), QStringLiteral("S&tampa"));
    aggiungiVoce(stamp, QStringLiteral("solodati"), QStringLiteral("&solo dati finestra"), [this] { solodati_Click(); });
    aggiungiVoce(stamp, QStringLiteral("stampatutto"), QStringLiteral("&intera elaborazione"), [this] { stampatutto_Click(); });
    file->addSeparator();
    aggiungiVoce(file, QStringLiteral("esci"), QStringLiteral("Es&ci"), [this] { esci_Click(); });
    completaBarraMenu();

    using controlli::Bordo;
    Label1 = controlli::etichetta(QStringLiteral("PROGRAMMA PER IL CALCOLO DI FOGNATURE"), colori::giallo, Bordo::Singolo, Qt::AlignCenter);
    QFont grande = Label1->font();
    grande.setPointSizeF(13.5);
    Label1->setFont(grande);
    piazza(Label1, 840, 960, 6495, 375);

    struct Campo {
        QLabel** etichetta;
        QLineEdit** casella;
        const char* nome;
        const char* didascalia;
        const char* suggerimento;
        int top;
    };
    const Campo tabella[] = {
        {&Label2, &progetto, "progetto", " progetto....................:", "il tipo di progetto che si sta elaborando", 1560},
        {&Label3, &località, "località", " località......................:", "denominazione dei luoghi oggetto dello studio", 1800},
        {&Label4, &tipostudio, "tipostudio", " tipologia di studio......:",
         "ad esempio: 'analisi situazione attuale'; 'ipotesi situazione di progetto'; ecc.", 2040},
        {&Label6, &committente, "committente", " committente..............:", "chi ha commissionato lo studio", 2280},
        {&Label10, &luogo, "luogo", " luogo elaborazione...:", "località in cui viene effettuata la elaborazione dei dati", 2520},
        {&Label7, &data, "data", " data elaborazione.....:",
         "la data della elaborazione è importante per la formulazione di ipotesi e per il riferimento temporale delle analisi", 2760},
        {&Label9, &allegati, "allegati", " allegati alla relazione :", "grafici, disegni, planimetrie, foto, ecc.", 3000},
    };
    // The field labels' dotted captions were drawn for a narrow font.
    QFont stretto = font();
    stretto.setPointSizeF(7.5);
    for (const Campo& c : tabella) {
        *c.etichetta = controlli::etichetta(QString::fromUtf8(c.didascalia), colori::giallo, Bordo::Singolo);
        (*c.etichetta)->setFont(stretto);
        (*c.etichetta)->setToolTip(QString::fromUtf8(c.suggerimento));
        piazza(*c.etichetta, 840, c.top, 1695, 255);
        QLineEdit* casella = controlli::casella();
        casella->setObjectName(QString::fromUtf8(c.nome));
        controlli::limitaLunghezza(casella, archivi::lunghezzaTestoFrontespizio, QString::fromUtf8(c.nome));
        *c.casella = casella;
        piazza(casella, 2640, c.top, 4695, 285);
        connect(casella, &QLineEdit::textChanged, this, [this, casella] { campo_Change(casella); });
    }
    // The shared data hold the texts as the boxes show them, for the data files.
    const auto caselle = campi();
    for (std::size_t k = 0; k < caselle.size(); ++k)
        connect(caselle[k], &QLineEdit::textChanged, this,
                [k](const QString& testo) { ModVelmor::testifrontespizio[qsizetype(k)] = testo; });
    connect(&Aggiornamenti::istanza(), &Aggiornamenti::reteCambiata, this, [this] { mostraTesti(); });

    const QString suggerimentoStudio = QStringLiteral("lo studio che ha effettuato la elaborazione");
    Label8 = controlli::etichetta(QStringLiteral(" studio tecnico...........:"), colori::giallo, Bordo::Singolo);
    Label8->setToolTip(suggerimentoStudio);
    Label8->setFont(stretto);
    piazza(Label8, 840, 3480, 1695, 255);
    Label5 = controlli::etichetta(QStringLiteral(" indirizzo.....................:"), colori::giallo, Bordo::Singolo);
    Label5->setToolTip(suggerimentoStudio);
    Label5->setFont(stretto);
    piazza(Label5, 840, 3720, 1695, 255);
    Labelstudio = controlli::etichetta(QString(), colori::bianco, Bordo::Singolo);
    piazza(Labelstudio, 2640, 3480, 4695, 255);
    labelindirizzo = controlli::etichetta(QString(), colori::bianco, Bordo::Singolo);
    piazza(labelindirizzo, 2640, 3720, 4695, 255);
    Labelstudio->installEventFilter(this);
    labelindirizzo->installEventFilter(this);

    Frame1 = new QGroupBox(QStringLiteral("Web"));
    QFont grassetto = Frame1->font();
    grassetto.setBold(true);
    Frame1->setFont(grassetto);
    piazza(Frame1, 7440, 1560, 1935, 1695);
    const char* web[5] = {"", "leggi e decreti", "forum tecnico", "consulenze", "software"};
    for (int i = 1; i <= 4; ++i) {
        Option1[i] = new QRadioButton(QString::fromUtf8(web[i]));
        QFont normale = Frame1->font();
        normale.setBold(false);
        Option1[i]->setFont(normale);
        piazza(Option1[i], 120, 120 + 240 * i, 1455, 195, Frame1);
        connect(Option1[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    }

    Frame2 = new QGroupBox(QStringLiteral("Scelta del tipo di stampa"));
    piazza(Frame2, 840, 4320, 6495, 975);
    comestampo[1] = new QRadioButton(QStringLiteral("Stampa diretta (con editor interno: relazione non modificabile)"));
    piazza(comestampo[1], 1440, 360, 4695, 255, Frame2);
    comestampo[2] = new QRadioButton(QStringLiteral("Stampa con Word (relazione modificabile e integrabile)"));
    piazza(comestampo[2], 1440, 600, 4695, 255, Frame2);
    comestampo[1]->setFont(stretto);
    comestampo[2]->setFont(stretto);

    aiuto = pulsanteInBasso(QStringLiteral("&AIUTO"), QStringLiteral("cliccare per avere indicazioni sulla immissione dei dati"),
                            120, [this] { aiuto_Click(); });
    guidainlinea = pulsanteInBasso(QStringLiteral("&Guida in linea"),
                                   QStringLiteral("cliccare per visualizzare il Sommario della guida"), 1200, [this] { guida_Click(); });
    piazza(passo, 2400, 5640, 3615, 450);
    Command5 = pulsanteInBasso(QStringLiteral("&Dati"), QStringLiteral("cliccare per visualizzare la finestra Dati"), 6120,
                               [this] { Command5_Click(); });
    stampa = pulsanteInBasso(QStringLiteral("&Stampa"), QStringLiteral("cliccare per avere la stampa completa della elaborazione eseguita"),
                             7200, [this] { stampa_Click(); });
    cmdesci = pulsanteInBasso(QStringLiteral("US&CITA"), QStringLiteral("cliccare per uscire da Velmor"), 8280,
                              [this] { cmdesci_Click(); });
}

void frontespizio::Form_Load()
{
    FinestraPrincipale::Form_Load();
    // The texts a data file brought before the window loaded; otherwise a
    // fresh title page dated today.
    if (ModVelmor::testifrontespizio.isEmpty()) {
        ModVelmor::testifrontespizio = QStringList(int(campi().size()));
        data->setText(formatoData(QDate::currentDate()));
    } else {
        mostraTesti();
    }
    leggiStudio();
    suggerimento();
    comestampo[2]->setChecked(true);
}

frontespizio::Studio frontespizio::studioLetto(const QString& nome, const QString& indirizzo)
{
    Studio s;
    s.nome = nome.left(lunghezzaStudio).trimmed();
    s.indirizzo = indirizzo.left(lunghezzaStudio).trimmed();
    s.tagliato = nome.size() > lunghezzaStudio || indirizzo.size() > lunghezzaStudio;
    return s;
}

void frontespizio::leggiStudio()
{
    const auto [nome, indirizzo] = studioDaiFile();
    m_studio = studioLetto(nome, indirizzo);
    Labelstudio->setText(m_studio.nome.isEmpty() ? QStringLiteral("studio non impostato: clic qui per impostarlo")
                                                 : m_studio.nome);
    labelindirizzo->setText(m_studio.indirizzo);
    if (m_studio.tagliato)
        MsgBox(QStringLiteral("Il nome o l'indirizzo dello studio scritti nel file:\r%1\r"
                              "superano i %2 caratteri che il frontespizio e la firma della relazione possono "
                              "contenere: la relazione ne riporta i primi %2 (\"%3\"). Accorciarli nel file.")
                   .arg(QDir::toNativeSeparators(fileStudioUtente()), QString::number(lunghezzaStudio),
                        m_studio.nome),
               vbExclamation, titoloStudio());
}

QString frontespizio::titoloStudio() { return ModVelmor::nomeprogramma.testo() + QStringLiteral(": studio tecnico"); }

void frontespizio::Form_Unload()
{
    // The window is the title page's only editor: closing it forgets the texts.
    ModVelmor::testifrontespizio.clear();
    FinestraPrincipale::Form_Unload();
}

void frontespizio::mostraTesti()
{
    const QStringList testi = ModVelmor::testifrontespizio;
    const auto caselle = campi();
    for (std::size_t k = 0; k < caselle.size(); ++k)
        caselle[k]->setText(testi.value(int(k)));
}

void frontespizio::suggerimento()
{
    passo->setText(QStringLiteral("Prelevare i dati dall'archivio o digitarli negli appositi campi con un massimo di 60 caratteri."));
}

void frontespizio::campo_Change(QLineEdit* casella)
{
    if (casella->text().size() > lunghezzaMassima)
        avvisolunghezza();
}

void frontespizio::avvisolunghezza()
{
    MsgBox(QStringLiteral("Per una stampa corretta non digitare dati lunghi più di 60 spazi."), vbExclamation,
           ModVelmor::titolocontrollo.testo());
}

void frontespizio::apri_Click() { archivi::apriDati(CommonDialog1); }
void frontespizio::salva_Click() { salvadati(); }

void frontespizio::salvanome_Click()
{
    ModVelmor::nomefile.clear();
    salvadati();
}

void frontespizio::salvadati() { archivi::salvaDati(CommonDialog1); }
void frontespizio::salvatutto_Click() { archivi::salvaCompleto(CommonDialog1); }
void frontespizio::eliminare_click() { archivi::elimina(CommonDialog1); }

relazione::Testi frontespizio::testiRelazione() const
{
    return {progetto->text(), località->text(), tipostudio->text(), committente->text(),
            luogo->text(),    data->text(),     allegati->text(),    m_studio.nome,
            m_studio.indirizzo, QDir::toNativeSeparators(fileStudioUtente())};
}

void frontespizio::stampa_Click()
{
    const auto uscita = comestampo[1]->isChecked() ? relazione::Uscita::stampante : relazione::Uscita::word;
    relazione::stampaRelazione(testiRelazione(), uscita, [this](const QString& testo) { passo->setText(testo); });
}

void frontespizio::stampatutto_Click() { stampa_Click(); }

void frontespizio::solodati_Click()
{
    relazione::schedaDati(testiRelazione(), [this](const QString& testo) { passo->setText(testo); });
}

void frontespizio::controllodat_Click()
{
    const QString titolo = ModVelmor::titolocontrollo.testo();
    const auto vuoto = [](const QLineEdit* c) { return c->text().isEmpty(); };
    if (vuoto(progetto) && vuoto(località) && vuoto(tipostudio) && vuoto(committente) && vuoto(allegati)) {
        MsgBox(QStringLiteral("Non è stato immesso alcun dato."), vbQuestion, titolo);
        return;
    }
    if (vuoto(progetto) || vuoto(località) || vuoto(tipostudio) || vuoto(committente) || vuoto(data) || vuoto(allegati)) {
        MsgBox(QStringLiteral("Inserire dati per ogni campo."), vbExclamation, titolo);
        return;
    }
    MsgBox(QStringLiteral("I dati sono stati immessi correttamente."), vbInformation, titolo);
}

void frontespizio::cancella_click()
{
    for (QLineEdit* c : campi())
        c->setText(QString());
}

void frontespizio::aiuto_Click()
{
    MsgBox(QStringLiteral("- Digitare o correggere i dati spostandosi con il tasto TAB, o con il mouse, nei campi;\r"
                          "- la data viene impostata in automatico, ma è modificabile;\r"
                          "- aprire un file archiviato per prelevare, eventualmente, i dati registrati (Velmor-dati-...);\r"
                          "- non digitare dati più lunghi di 60 spazi;\r"
                          "- controllare i dati immessi con l'icona \"controllo dati immessi\" della barra degli strumenti "
                          "(o con il menu Modifica, Controllo dati immessi)."),
           vbInformation, ModVelmor::titoloaiuto);
}

void frontespizio::Labelstudio_Click()
{
    const QString percorso = QDir::toNativeSeparators(fileStudioUtente());
    const QString nascosta = cartellaNascosta(fileStudioUtente());
    QString testo = QStringLiteral("Il nome e l'indirizzo dello studio tecnico, che la relazione riporta per il "
                                   "progettista, si leggono dal file:\r%1\r"
                                   "Se il file non esiste va creato, con un editor di testo: scrivere il nome dello "
                                   "studio nella prima riga e il suo indirizzo nella seconda, al massimo %2 caratteri "
                                   "ciascuno.")
                        .arg(percorso, QString::number(lunghezzaStudio));
    if (!nascosta.isEmpty())
        testo += QStringLiteral(" La cartella %1 è nascosta: nel gestore dei file la si mostra con Ctrl+H, "
                                "oppure si digita il percorso completo.")
                     .arg(nascosta);
    testo += QStringLiteral("\rNome e indirizzo compaiono qui e nella relazione alla prossima apertura del programma.");
    MsgBox(testo, vbInformation, titoloStudio());
}

void frontespizio::labelindirizzo_Click() { Labelstudio_Click(); }

void frontespizio::Option1_Click(int indice) { ModVelmor::apriindirizzo(indirizzoWeb(indice)); }

void frontespizio::Command5_Click() { finestre::mostra(finestre::nomi::dati); }

void frontespizio::cmdesci_Click() { ModVelmor::esciprogramma(); }

bool frontespizio::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (evento->type() == QEvent::MouseButtonRelease) {
        if (oggetto == Labelstudio)
            Labelstudio_Click();
        else if (oggetto == labelindirizzo)
            labelindirizzo_Click();
    }
    return FinestraPrincipale::eventFilter(oggetto, evento);
}
