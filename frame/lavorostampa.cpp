#include "frame/lavorostampa.h"

#include "frame/servizi.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

using namespace vb;

namespace stampe {

namespace {

// A file's time may lag the clock by the file system's resolution.
constexpr int tolleranzaOrarioFile = 2; // seconds

// Why nothing was printed on `coda`, and what the user can do about it.
QString testoRifiuto(const QString& coda, const servizi::Rifiuto& rifiuto)
{
    using Causa = servizi::Rifiuto::Causa;
    switch (rifiuto.causa) {
    case Causa::sconosciuta:
        return QStringLiteral("La stampante %1 non è nota al servizio di stampa: non è stato stampato nulla.\r"
                              "Scegliere un'altra stampante.")
            .arg(coda);
    case Causa::senzaRisposta:
        return QStringLiteral("Il servizio di stampa del sistema non risponde: non è stato stampato nulla sulla "
                              "stampante %1.\rControllare che il servizio di stampa sia attivo (o chiederlo "
                              "all'amministratore del sistema), poi stampare di nuovo; oppure stampare su un file PDF.")
            .arg(coda);
    case Causa::chiusa:
        break;
    }
    return QStringLiteral("La stampante %1 non accetta lavori (%2): non è stato stampato nulla.\r"
                          "Scegliere un'altra stampante, oppure chiedere all'amministratore del sistema di "
                          "riattivare la coda di stampa %1.")
        .arg(coda, rifiuto.motivo.isEmpty() ? QStringLiteral("la coda di stampa è chiusa") : rifiuto.motivo);
}

} // namespace

QString nomeLavoroAmmesso(const QString& nome)
{
    const QByteArray utf8 = nome.toUtf8();
    if (utf8.size() <= lunghezzaMassimaNomeLavoro)
        return nome;
    // Back from the first byte that does not fit to the first byte of its character.
    qsizetype fine = lunghezzaMassimaNomeLavoro;
    while (fine > 0 && (static_cast<unsigned char>(utf8[fine]) & 0xC0) == 0x80)
        --fine;
    return QString::fromUtf8(utf8.left(fine));
}

bool eA4(const QPrinter& stampante)
{
    const QPageLayout pagina = stampante.pageLayout();
    return pagina.pageSize().isEquivalentTo(QPageSize(QPageSize::A4)) && pagina.orientation() == QPageLayout::Portrait;
}

Lavoro::Lavoro(QPrinter& stampante, const QString& nome)
    : m_stampante(stampante)
    , m_nome(nomeLavoroAmmesso(nome))
{
    m_stampante.setPageSize(QPageSize(QPageSize::A4));
    m_stampante.setPageOrientation(QPageLayout::Portrait);
    m_stampante.setDocName(m_nome);
}

bool Lavoro::prima()
{
    if (!eA4(m_stampante)) {
        const QPageLayout pagina = m_stampante.pageLayout();
        const QString scelta = pagina.pageSize().name()
                               + (pagina.orientation() == QPageLayout::Landscape ? QStringLiteral(" orizzontale") : QString());
        const int risposta = MsgBox(QStringLiteral("La stampa è impaginata per fogli A4 verticali, ma la stampante è "
                                                   "impostata sul formato %1.\rStampare su fogli A4? Con No non si "
                                                   "stampa nulla.")
                                        .arg(scelta),
                                    vbYesNo | vbQuestion);
        if (risposta != vbYes)
            return false;
        m_stampante.setPageSize(QPageSize(QPageSize::A4));
        m_stampante.setPageOrientation(QPageLayout::Portrait);
    }
    m_inizio = QDateTime::currentDateTime();
    m_coda = servizi::code().codaDi(m_stampante);
    m_file = m_coda.isEmpty() ? m_stampante.outputFileName() : QString();
    if (m_coda.isEmpty())
        return true; // a file, or no printer at all: drawing fails and says so
    if (const auto perche = servizi::code().rifiuto(m_coda)) {
        MsgBox(testoRifiuto(m_coda, *perche), vbExclamation);
        return false;
    }
    // Without the last job's number the job could not be found afterwards.
    const auto ultimo = servizi::code().ultimoLavoro(m_coda);
    if (!ultimo) {
        MsgBox(testoRifiuto(m_coda, {servizi::Rifiuto::Causa::senzaRisposta, {}}), vbExclamation);
        return false;
    }
    m_ultimo = *ultimo;
    return true;
}

bool Lavoro::dopo() const
{
    if (!m_file.isEmpty()) {
        const QFileInfo file(m_file);
        if (file.exists() && file.size() > 0 && file.lastModified().addSecs(tolleranzaOrarioFile) >= m_inizio)
            return true;
        MsgBox(QStringLiteral("Il file %1 non è stato scritto: la stampa non è avvenuta.\rControllare che la cartella "
                              "esista e che vi si possa scrivere, poi stampare di nuovo o scegliere un altro file.")
                   .arg(m_file),
               vbCritical);
        return false;
    }
    if (m_coda.isEmpty())
        return true;
    const std::optional<bool> arrivato = servizi::code().haLavoro(m_coda, m_ultimo);
    if (arrivato == true)
        return true;
    if (!arrivato) {
        // The job may well be printing: asking the user to print again could print it twice.
        MsgBox(QStringLiteral("Il servizio di stampa del sistema non risponde: non si sa se il lavoro \"%2\" sia "
                              "arrivato alla stampante %1.\rControllare la coda di stampa della stampante %1 prima di "
                              "stampare di nuovo, per non stampare due volte.")
                   .arg(m_coda, m_nome),
               vbExclamation);
        return false;
    }
    MsgBox(QStringLiteral("Il lavoro di stampa non è stato accettato dalla stampante %1: \"%2\" non è stato stampato.\r"
                          "Controllare la coda di stampa della stampante %1, poi stampare di nuovo o scegliere "
                          "un'altra stampante.")
               .arg(m_coda, m_nome),
           vbCritical);
    return false;
}

} // namespace stampe
