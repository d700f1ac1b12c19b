#include "office/superficiestampante.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPen>
#include <QPrinter>

namespace office {

namespace {

constexpr double twipsPerPollice = 1440.0;

} // namespace

void preparaA4(QPrinter& stampante)
{
    stampante.setPageSize(QPageSize(QPageSize::A4));
    stampante.setPageOrientation(QPageLayout::Portrait);
}

void preparaPdf(QPrinter& stampante, const QString& percorso)
{
    stampante.setOutputFormat(QPrinter::PdfFormat);
    stampante.setOutputFileName(percorso);
    preparaA4(stampante);
}

SuperficieStampante::SuperficieStampante(QPrinter& stampante)
    : m_stampante(stampante)
{
}

SuperficieStampante::~SuperficieStampante()
{
    if (m_pittore.isActive())
        m_pittore.end();
}

QSizeF SuperficieStampante::area() const
{
    return QSizeF(m_stampante.width() * twipsPerPollice / m_stampante.logicalDpiX(),
                  m_stampante.height() * twipsPerPollice / m_stampante.logicalDpiY());
}

MisureCarattere SuperficieStampante::misure(const QString& carattere, double punti) const
{
    return misureCarattere(carattereStampa(carattere, punti), m_stampante);
}

double SuperficieStampante::larghezza(const QString& carattere, double punti, const QString& testo) const
{
    return larghezzaTesto(carattereStampa(carattere, punti), m_stampante, testo);
}

void SuperficieStampante::scrivi(QPointF inAlto, const QString& carattere, double punti, const QString& testo)
{
    avvia();
    const QFont font = carattereStampa(carattere, punti);
    const double ascesa = misureCarattere(font, m_stampante).ascesa;
    m_pittore.setFont(font);
    m_pittore.drawText(inPixel(inAlto + QPointF(0, ascesa)), testo);
}

void SuperficieStampante::linea(QPointF da, QPointF a, int spessore)
{
    avvia();
    m_pittore.setPen(QPen(Qt::black, spessore, Qt::SolidLine, Qt::RoundCap));
    m_pittore.drawLine(inPixel(da), inPixel(a));
}

void SuperficieStampante::nuovaPagina()
{
    avvia();
    if (!m_stampante.newPage())
        throw ErroreStampa("La stampante non ha potuto iniziare una nuova pagina.");
}

void SuperficieStampante::fine()
{
    if (m_pittore.isActive() && !m_pittore.end())
        throw ErroreStampa("La stampa non è stata completata.");
}

void SuperficieStampante::avvia()
{
    if (m_pittore.isActive())
        return;
    if (!m_pittore.begin(&m_stampante))
        throw ErroreStampa("Impossibile avviare la stampa.");
}

QPointF SuperficieStampante::inPixel(QPointF twips) const
{
    return QPointF(twips.x() * m_stampante.logicalDpiX() / twipsPerPollice,
                   twips.y() * m_stampante.logicalDpiY() / twipsPerPollice);
}

} // namespace office
