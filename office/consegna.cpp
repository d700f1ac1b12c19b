#include "office/consegna.h"

#include "office/documento.h"
#include "office/salvataggio.h"
#include "office/scritturadocx.h"

#include <QApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace office {

namespace {

ApriFile& apriImpostato()
{
    static ApriFile apri;
    return apri;
}

AvvisaUtente& avvisaImpostato()
{
    static AvvisaUtente avvisa;
    return avvisa;
}

QString& cartellaImpostata()
{
    static QString cartella;
    return cartella;
}

std::vector<std::shared_ptr<StatoDocumento>>& inSospeso()
{
    static std::vector<std::shared_ptr<StatoDocumento>> documenti;
    return documenti;
}

QString& apritoreImpostato()
{
    static QString apritore;
    return apritore;
}

// How long the desktop's opener is waited for. It answers as soon as the word processor has the
// document, or at once when nothing can open it; one still running after this long is showing
// the document itself (a bare desktop runs the word processor in the opener's place).
constexpr int attesaApritore = 10000; // ms
constexpr int passoAttesa = 20;       // ms

// Runs the opener on the document and waits for its answer: true when it opened it.
bool esitoApritore(const QString& apritore, const QString& percorso)
{
    const QByteArray programma = QFile::encodeName(apritore);
    const QByteArray file = QFile::encodeName(percorso);
    char* argomenti[] = {const_cast<char*>(programma.constData()), const_cast<char*>(file.constData()), nullptr};
    pid_t pid = 0;
    if (::posix_spawn(&pid, programma.constData(), nullptr, nullptr, argomenti, environ) != 0)
        return false;
    QElapsedTimer tempo;
    tempo.start();
    for (;;) {
        int stato = 0;
        const pid_t finito = ::waitpid(pid, &stato, WNOHANG);
        if (finito == pid)
            return WIFEXITED(stato) && WEXITSTATUS(stato) == 0;
        if (finito < 0 && errno != EINTR)
            return true; // its end can no longer be seen: it did start
        if (tempo.elapsed() >= attesaApritore) {
            // Still at work: the document is open in it. Its end is collected whenever it comes.
            std::thread([pid] {
                int fine = 0;
                while (::waitpid(pid, &fine, 0) < 0 && errno == EINTR) {
                }
            }).detach();
            return true;
        }
        ::usleep(passoAttesa * 1000);
    }
}

bool apriConIlSistema(const QString& percorso)
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return false;
    // The desktop's opener tells by its exit status whether the document could be opened;
    // QDesktopServices only says that it started. Without one, QDesktopServices is all there is.
    const QString apritore = QStandardPaths::findExecutable(
        apritoreImpostato().isEmpty() ? QStringLiteral("xdg-open") : apritoreImpostato());
    if (apritore.isEmpty())
        return QDesktopServices::openUrl(QUrl::fromLocalFile(percorso));
    return esitoApritore(apritore, percorso);
}

void avvisaConMessaggio(const QString& messaggio)
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QMessageBox::information(nullptr, QStringLiteral("Velmor"), messaggio);
    else
        qWarning().noquote() << messaggio;
}

// Writes the document to a new file of the documents folder; the path, or empty after telling
// the user why it could not be written.
QString scriviNuovoFile(const StatoDocumento& stato)
{
    const QString cartella = cartellaDocumenti();
    if (!QDir().mkpath(cartella)) {
        avvisaUtente(QStringLiteral("Non è stato possibile creare la cartella dei documenti:\n%1").arg(cartella));
        return {};
    }
    QString errore;
    const QByteArray dati = scriviDocx(stato.modello, &errore);
    if (dati.isEmpty()) {
        avvisaUtente(QStringLiteral("Non è stato possibile preparare il documento (%1).").arg(errore));
        return {};
    }
    const QString base = QDir(cartella).filePath(nomeConsegna(stato.nome, QDateTime::currentDateTime()));
    for (int n = 1; n < 10000; ++n) {
        const QString percorso = base + (n > 1 ? QStringLiteral("-%1").arg(n) : QString()) + QStringLiteral(".docx");
        const EsitoSalvataggio esito = salvaSuDisco(percorso, dati, Scrittura::nuovo);
        if (esito.codice == EEXIST)
            continue; // an earlier document: try the next number
        if (!esito.riuscito()) {
            avvisaUtente(QStringLiteral("Non è stato possibile scrivere il documento in:\n%1\n(%2)")
                             .arg(QDir::toNativeSeparators(percorso), esito.motivo));
            return {};
        }
        return percorso;
    }
    avvisaUtente(QStringLiteral("Troppi documenti con lo stesso nome nella cartella:\n%1").arg(cartella));
    return {};
}

void consegna(StatoDocumento& stato)
{
    QString percorso;
    if (!stato.salvatoIn.isEmpty() && stato.revisioneSalvata == stato.modello.revisione)
        percorso = stato.salvatoIn;
    else
        percorso = scriviNuovoFile(stato);
    if (percorso.isEmpty()) {
        stato.consegna = StatoDocumento::Consegna::nonScritto;
        return;
    }
    stato.consegna = StatoDocumento::Consegna::aperto;
    if (!apriFile(percorso)) {
        stato.consegna = StatoDocumento::Consegna::soloSalvato;
        avvisaUtente(QStringLiteral("Non è stato possibile aprire l'elaboratore di testi. "
                                    "Il documento è stato salvato in:\n%1")
                         .arg(QDir::toNativeSeparators(percorso)));
    }
}

} // namespace

void impostaApritore(const QString& programma)
{
    apritoreImpostato() = programma;
}

void impostaApriFile(ApriFile apri)
{
    apriImpostato() = std::move(apri);
}

void impostaAvvisaUtente(AvvisaUtente avvisa)
{
    avvisaImpostato() = std::move(avvisa);
}

bool apriFile(const QString& percorso)
{
    return apriImpostato() ? apriImpostato()(percorso) : apriConIlSistema(percorso);
}

void avvisaUtente(const QString& messaggio)
{
    if (avvisaImpostato())
        avvisaImpostato()(messaggio);
    else
        avvisaConMessaggio(messaggio);
}

void impostaCartellaDocumenti(const QString& cartella)
{
    cartellaImpostata() = cartella;
}

QString cartellaDocumenti()
{
    if (!cartellaImpostata().isEmpty())
        return cartellaImpostata();
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QStringLiteral("/Velmor");
}

QString nomeConsegna(const QString& nome, const QDateTime& quando)
{
    QString pulito;
    for (const QChar c : nome)
        pulito += c.isLetterOrNumber() || c == u'-' || c == u'_' ? c : QChar(u'-');
    if (pulito.isEmpty())
        pulito = QStringLiteral("documento");
    return QStringLiteral("Velmor-%1-%2").arg(pulito, quando.toString(QStringLiteral("yyyy-MM-dd-HHmm")));
}

namespace {
int comandiInCorso = 0; // commands building documents right now
} // namespace

ConsegnaAllaFine::ConsegnaAllaFine() { ++comandiInCorso; }

ConsegnaAllaFine::~ConsegnaAllaFine()
{
    if (--comandiInCorso == 0)
        consegnaInSospeso();
}

void accodaConsegna(std::shared_ptr<StatoDocumento> stato)
{
    inSospeso().push_back(std::move(stato));
    if (comandiInCorso == 0 && QCoreApplication::instance())
        QTimer::singleShot(0, [] {
            if (comandiInCorso == 0)
                consegnaInSospeso();
        });
}

void ritiraConsegna(const std::shared_ptr<StatoDocumento>& stato)
{
    std::erase(inSospeso(), stato);
}

void ritiraTutto()
{
    inSospeso().clear();
}

void consegnaInSospeso()
{
    // taken out first: telling the user runs an event loop, which may call this again
    std::vector<std::shared_ptr<StatoDocumento>> documenti;
    documenti.swap(inSospeso());
    for (const auto& stato : documenti)
        consegna(*stato);
}

int documentiInSospeso()
{
    return static_cast<int>(inSospeso().size());
}

} // namespace office
