#include "office/consegna.h"

#include "office/documento.h"
#include "office/salvataggio.h"
#include "office/scritturadocx.h"

#include <QApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <cerrno>
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

bool apriConIlSistema(const QString& percorso)
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(percorso));
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
