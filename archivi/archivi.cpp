#include "archivi/archivi.h"

#include "frame/CommonDialog.h"
#include "frame/ModVelmor.h"
#include "frame/aggiornamenti.h"
#include "frame/controllosilenzioso.h"
#include "frame/finestraprincipale.h"
#include "frame/finestre.h"
#include "frame/nomifinestre.h"
#include "frame/servizi.h"
#include "frame/tubi.h"

#include <QFile>
#include <QFileInfo>

using namespace ModVelmor;
using namespace vb;

namespace archivi {

namespace {

// A file being composed, with what each of its lines holds ("tratto n.3"), so that a
// line too long for the readers can be told to the user by its segment or pipe.
struct Composizione {
    QByteArray file;
    QStringList righe;
    record::Adattamenti* adattamenti = nullptr;
    void aggiungi(const record::Campi& campi, const QString& cosa)
    {
        file += record::scrivi(campi, adattamenti);
        righe << cosa;
    }
};

void scriviTratti(Composizione& c)
{
    c.aggiungi({Valore(numerotratti)}, QStringLiteral("numero dei tratti"));
    for (int i = 1; i <= numerotratti && i <= massimotratti; ++i) {
        record::Campi campi;
        for (Tratti* t : campitratto())
            campi.append((*t)[i]);
        campi.append(Valore(sistema));
        c.aggiungi(campi, "tratto n." + QString::number(i));
    }
}

void scriviTubi(Composizione& c)
{
    c.aggiungi({numerotubi}, QStringLiteral("numero dei tubi"));
    for (int j = 1; j <= tubazioni::numeroTubi(); ++j) {
        record::Campi campi;
        for (int k = 1; k <= campiTubo; ++k)
            campi.append(tubazioni::valoreCampo(k, j));
        c.aggiungi(campi, "tubo n." + QString::number(j));
    }
}

void scriviFrontespizio(Composizione& c, const QStringList& testi)
{
    record::Campi campi;
    for (int k = 0; k < campiFrontespizio; ++k)
        campi.append(Valore(testi.value(k)));
    c.aggiungi(campi, QStringLiteral("frontespizio"));
}

Composizione composizione(Tipo tipo, const QStringList& frontespizio, record::Adattamenti* adattamenti)
{
    Composizione c;
    c.adattamenti = adattamenti;
    if (tipo != Tipo::verifica)
        scriviTratti(c);
    if (tipo != Tipo::dati)
        scriviTubi(c);
    if (tipo != Tipo::verifica)
        scriviFrontespizio(c, frontespizio);
    return c;
}

// The first field 1 to 15 of a pipe record that should hold a number (all but the reference
// and the material) and holds something else, 0 when none does.
int campoTuboNonNumerico(const record::Campi& campi)
{
    for (int k = tubazioni::campo::pesos; k <= campiTubo && k <= campi.size(); ++k) {
        const Valore& v = campi[k - 1];
        if (!v.vuoto() && !v.numerico())
            return k;
    }
    return 0;
}

const char* const nomiFrontespizio[campiFrontespizio] = {"progetto", "località", "tipostudio", "committente",
                                                         "luogo",    "data",     "allegati"};

} // namespace

QByteArray componi(Tipo tipo, const QStringList& frontespizio, record::Adattamenti* adattamenti)
{
    return composizione(tipo, frontespizio, adattamenti).file;
}

std::optional<Contenuto> analizza(Tipo tipo, const QByteArray& byte, QString* errore)
{
    record::Lettore lettore(byte);
    Contenuto c;
    const auto fallisce = [&]() -> std::optional<Contenuto> {
        if (errore)
            *errore = lettore.errore();
        return std::nullopt;
    };
    if (tipo != Tipo::verifica) {
        const auto n = lettore.conteggio(massimotratti, false);
        if (!n)
            return fallisce();
        c.numerotratti = int(n->numero());
        for (int i = 0; i < c.numerotratti; ++i) {
            auto campi = lettore.prossimo(campiTratto);
            if (!campi)
                return fallisce();
            c.sistema = campi->takeLast().testo();
            c.tratti.append(*campi);
        }
    }
    if (tipo != Tipo::dati) {
        c.conTubi = true;
        const auto m = lettore.conteggio(massimotubi, true);
        if (!m)
            return fallisce();
        c.numerotubi = *m;
        for (int j = 0; j < int(m->numero()); ++j) {
            auto campi = lettore.prossimo(campiTubo);
            if (!campi)
                return fallisce();
            // A word where a number goes would reach the pipe check as a number nobody wrote.
            if (const int k = campoTuboNonNumerico(*campi)) {
                lettore.rifiuta(QStringLiteral("il campo %1 del tubo n.%2 deve essere un numero e contiene \"%3\"")
                                    .arg(k)
                                    .arg(j + 1)
                                    .arg((*campi)[k - 1].testo().left(40)));
                return fallisce();
            }
            c.tubi.append(*campi);
        }
    }
    if (tipo != Tipo::verifica) {
        const auto campi = lettore.prossimo(campiFrontespizio, lunghezzaTestoFrontespizio);
        if (!campi)
            return fallisce();
        for (const Valore& v : *campi)
            c.frontespizio << v.testo();
    }
    return c;
}

void applicaTratti(const Contenuto& c)
{
    const auto campi = campitratto();
    for (int i = 1; i <= massimotratti; ++i) {
        for (std::size_t k = 0; k < campi.size(); ++k)
            (*campi[k])[i] = i <= c.tratti.size() ? c.tratti[i - 1][int(k)] : Valore();
        for (Tratti* risultato : risultatitratto())
            (*risultato)[i] = Valore();
    }
    numerotratti = c.numerotratti;
    if (c.numerotratti > 0)
        sistema = c.sistema;
}

void applicaTubi(const Contenuto& c)
{
    if (!c.conTubi)
        return;
    for (int j = 1; j <= massimotubi; ++j) {
        const bool letto = j <= c.tubi.size();
        for (int k = 1; k <= campiTubo; ++k)
            tubazioni::impostaCampo(k, j, letto ? c.tubi[j - 1][k - 1] : Valore());
        for (auto* sigma : {&sigmasuperiore, &sigmamediana, &sigmainferiore})
            for (auto& lato : *sigma)
                lato[j] = Valore();
    }
    // The pipes the file does not hold start again from the window's presets.
    tubazioni::impostaValoriIniziali();
    numerotubi = c.numerotubi;
}

QStringList testiFrontespizio()
{
    // A title page never filled is the title-page window's fresh one: loading
    // the window puts its texts (the date of today) into the shared data.
    if (testifrontespizio.isEmpty())
        finestre::usa(finestre::nomi::frontespizio);
    QStringList testi = testifrontespizio;
    testi.resize(campiFrontespizio);
    return testi;
}

void impostaFrontespizio(const QStringList& testi)
{
    testifrontespizio = testi;
    testifrontespizio.resize(campiFrontespizio);
}

namespace {

const QString filtroDati = QStringLiteral("File Velmor-dati- | Velmor-dati-*");
const QString filtroCompleto = QStringLiteral("File Velmor-completa- | Velmor-completa-*");
const QString filtroVerifica = QStringLiteral("File Velmor-verifica- | Velmor-verifica-*");
const QString prefissoVerifica = QStringLiteral("Velmor-verifica-");

// A file's title page goes to the title-page window at once, loaded if need be, as
// into its boxes: their warnings (a text over 60 characters) come with the read.
void frontespizioLetto(const QStringList& testi)
{
    impostaFrontespizio(testi);
    finestre::usa(finestre::nomi::frontespizio);
}

// Reads a chosen file whole; tells the user and gives nothing when it is not such a file.
std::optional<Contenuto> leggiFile(Tipo tipo, const QString& percorso)
{
    QFile file(percorso);
    QString motivo;
    std::optional<Contenuto> c;
    if (!file.open(QIODevice::ReadOnly))
        motivo = "non si può leggere (" + record::descrizioneErrore(file, false) + ")";
    else if (!(c = analizza(tipo, file.readAll(), &motivo)))
        motivo = "non contiene dati nel formato atteso: " + motivo;
    if (!c)
        MsgBox("Il file " + percorso + " " + motivo + ".\rI dati in uso non sono stati modificati.", vbCritical);
    return c;
}

// Whether the file just read or written under `percorso` is the complete file: while the
// current file is one, the network's save keeps it whole (filecompleto follows the last open or
// save of that path).
void registraTipo(Tipo tipo, const QString& percorso)
{
    if (tipo == Tipo::completo)
        filecompleto = percorso;
    else if (percorso == filecompleto)
        filecompleto.clear();
}

// Writes the current data; tells the user when it failed, or when texts had to be adapted.
void scriviFile(Tipo tipo, const QString& percorso)
{
    record::Adattamenti adattamenti;
    const Composizione c =
        composizione(tipo, tipo == Tipo::verifica ? QStringList() : testiFrontespizio(), &adattamenti);
    QString errore;
    QString rimedio;
    if (const int riga = record::rigaTroppoLunga(c.file)) {
        // Only typed texts make a line that long: the user shortens those of that segment or pipe.
        const QString cosa = c.righe.value(riga - 1);
        errore = "i testi del " + cosa + " sono troppo lunghi: la sua riga supererebbe "
                 + QString::number(record::lunghezzaMassimaRiga) + " caratteri e il file non si potrebbe più aprire";
        rimedio = "Accorciare i testi del " + cosa + " e salvare di nuovo.";
    } else {
        errore = record::salvaFile(percorso, c.file, &rimedio);
    }
    if (!errore.isEmpty()) {
        MsgBox("Il file " + percorso + " non è stato salvato (" + errore + ").\rSe esisteva già, è rimasto com'era.\r"
                   + rimedio,
               vbCritical);
        return;
    }
    registraTipo(tipo, percorso);
    if (!adattamenti.nessuno())
        MsgBox("Il file " + percorso + " è stato salvato, ma " + adattamenti.descrizione() + ".", vbExclamation);
}

// The validation protocol: the window's silent check; on failure the window is shown.
bool controllato(const QString& finestra, void (*controllo)())
{
    if (controlloSilenzioso(controllo))
        return true;
    finestre::mostra(finestra);
    return false;
}

// The checks of the network and seismic windows, reached through the window kit by name.
void controllaFinestra(const QString& nome)
{
    if (auto* finestra = qobject_cast<FinestraPrincipale*>(finestre::usa(nome)))
        finestra->controlloDati();
}

void controllaDati()
{
    controllaFinestra(finestre::nomi::dati);
}

void controllaSismica()
{
    controllaFinestra(finestre::nomi::sismica);
}

bool progettoPresente()
{
    if (!testiFrontespizio().constFirst().isEmpty())
        return true;
    MsgBox(QStringLiteral("E' necessario digitare almeno il dato del 'progetto'."), vbCritical, titolocontrollo.testo());
    finestre::mostra(finestre::nomi::frontespizio);
    return false;
}

// The windows that show the tables start again from their first segment and
// first pipe, and refresh what they show.
// The checks of a complete save: the network, the pipes, the project's name.
bool completoControllato()
{
    return controllato(finestre::nomi::dati, controllaDati) && controllato(finestre::nomi::sismica, controllaSismica)
           && progettoPresente();
}

void mostraRete()
{
    primotratto = 1;
    emit Aggiornamenti::istanza().reteCambiata();
}

void mostraTubi()
{
    tubocorrente = 1;
    emit Aggiornamenti::istanza().tubiCambiati();
}

bool apriDialogo(CommonDialog& d, const QString& filtro)
{
    d.DialogTitle = QStringLiteral("Apri file");
    d.FileName.clear();
    d.Filter = "Tutti i file (*.*) | *.*|" + filtro;
    d.FilterIndex = 2;
    return d.ShowOpen();
}

// The save dialog with its first filter selected; on a choice the path becomes the current file.
bool salvaDialogo(CommonDialog& d, const QString& filtro)
{
    d.DialogTitle = QStringLiteral("Salva file con nome");
    d.Filter = filtro;
    d.FilterIndex = 1;
    if (!d.ShowSave())
        return false;
    nomefile = d.FileName;
    return true;
}

} // namespace

void apriDati(CommonDialog& d)
{
    if (!apriDialogo(d, filtroDati)) {
        nomefile.clear();
        return;
    }
    const QString percorso = d.FileName;
    const auto c = leggiFile(Tipo::dati, percorso);
    if (!c)
        return;
    nomefile = percorso;
    registraTipo(Tipo::dati, percorso);
    applicaTratti(*c);
    frontespizioLetto(c->frontespizio);
    mostraRete();
}

void apriCompleto(CommonDialog& d)
{
    if (!apriDialogo(d, filtroCompleto))
        return;
    const QString percorso = d.FileName;
    const auto c = leggiFile(Tipo::completo, percorso);
    if (!c)
        return;
    nomefile = percorso;
    applicaTratti(*c);
    applicaTubi(*c);
    mostraTubi();
    frontespizioLetto(c->frontespizio);
    registraTipo(Tipo::completo, percorso);
    mostraRete();
}

void salvaDati(CommonDialog& d)
{
    // A complete file as the current file is rewritten whole, with its pipes and title page:
    // the network alone written over it would lose the pipes without a word.
    if (!nomefile.isEmpty() && nomefile == filecompleto) {
        if (completoControllato())
            scriviFile(Tipo::completo, nomefile);
        return;
    }
    if (!controllato(finestre::nomi::dati, controllaDati) || !progettoPresente())
        return;
    // A seismic data file as the current file is never rewritten with the network.
    if (nomefile.isEmpty() || QFileInfo(nomefile).fileName().startsWith(prefissoVerifica)) {
        if (!salvaDialogo(d, filtroDati))
            return;
    }
    scriviFile(Tipo::dati, nomefile);
}

void salvaCompleto(CommonDialog& d)
{
    if (!completoControllato())
        return;
    d.FileName = QStringLiteral("Velmor-completa-");
    if (!salvaDialogo(d, filtroCompleto))
        return;
    scriviFile(Tipo::completo, nomefile);
}

void elimina(CommonDialog& d, Tipo tipo)
{
    d.Filter = QStringLiteral("Tutti i file (*.*)|*.*|")
               + (tipo == Tipo::dati ? filtroDati : tipo == Tipo::completo ? filtroCompleto : filtroVerifica);
    d.FilterIndex = 2;
    d.DialogTitle = titoloelimina.testo();
    if (!d.ShowOpen())
        return;
    QFile file(d.FileName);
    if (!file.remove())
        MsgBox("Il file " + d.FileName + " non è stato eliminato (" + record::descrizioneErrore(file, true) + ").",
               vbCritical);
}

void apriVerifica(CommonDialog& d)
{
    if (!apriDialogo(d, filtroVerifica))
        return;
    const QString percorso = d.FileName;
    const auto c = leggiFile(Tipo::verifica, percorso);
    if (!c)
        return;
    nomefile = percorso;
    registraTipo(Tipo::verifica, percorso);
    applicaTubi(*c);
    mostraTubi();
}

void salvaVerifica(CommonDialog& d)
{
    if (!controllato(finestre::nomi::sismica, controllaSismica))
        return;
    d.FileName = QFileInfo(nomefile).fileName().startsWith(prefissoVerifica) ? nomefile : prefissoVerifica;
    if (!salvaDialogo(d, filtroVerifica))
        return;
    scriviFile(Tipo::verifica, nomefile);
}

} // namespace archivi
