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

} // namespace

bool eA4(const QPrinter& stampante)
{
    const QPageLayout pagina = stampante.pageLayout();
    return pagina.pageSize().isEquivalentTo(QPageSize(QPageSize::A4)) && pagina.orientation() == QPageLayout::Portrait;
}

Lavoro::Lavoro(QPrinter& stampante, const QString& nome)
    : m_stampante(stampante)
    , m_nome(nome)
{
    m_stampante.setPageSize(QPageSize(QPageSize::A4));
    m_stampante.setPageOrientation(QPageLayout::Portrait);
    m_stampante.setDocName(nome);
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
        MsgBox(QStringLiteral("La stampante %1 non accetta lavori (%2): non è stato stampato nulla.").arg(m_coda, *perche),
               vbExclamation);
        return false;
    }
    m_ultimo = servizi::code().ultimoLavoro(m_coda).value_or(0);
    return true;
}

bool Lavoro::dopo() const
{
    if (!m_file.isEmpty()) {
        const QFileInfo file(m_file);
        if (file.exists() && file.size() > 0 && file.lastModified().addSecs(tolleranzaOrarioFile) >= m_inizio)
            return true;
        MsgBox(QStringLiteral("Il file %1 non è stato scritto: la stampa non è avvenuta.").arg(m_file), vbCritical);
        return false;
    }
    if (m_coda.isEmpty() || servizi::code().haLavoro(m_coda, m_nome, m_ultimo))
        return true;
    MsgBox(QStringLiteral("Il lavoro di stampa non è stato accettato dalla stampante %1: \"%2\" non è stato stampato.")
               .arg(m_coda, m_nome),
           vbCritical);
    return false;
}

} // namespace stampe
