#include "office/superficie.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPaintDevice>

namespace office {

namespace {

constexpr double twipsPerPollice = 1440.0;

double twipsPerPixel(const QPaintDevice& dispositivo)
{
    // QFontMetricsF sizes fonts by the vertical resolution of the device.
    return twipsPerPollice / dispositivo.logicalDpiY();
}

} // namespace

QFont carattereStampa(const QString& nome, double punti)
{
    QString famiglia = nome;
    QFont::StyleHint genere = QFont::AnyStyle;
    if (nome.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0
        || nome.compare(QLatin1String("Courier"), Qt::CaseInsensitive) == 0) {
        famiglia = QStringLiteral("Liberation Mono");
        genere = QFont::Monospace;
    } else if (nome.compare(QLatin1String("Roman"), Qt::CaseInsensitive) == 0
               || nome.compare(QLatin1String("Times New Roman"), Qt::CaseInsensitive) == 0) {
        famiglia = QStringLiteral("Liberation Serif");
        genere = QFont::Serif;
    } else if (nome.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0) {
        famiglia = QStringLiteral("Liberation Sans");
        genere = QFont::SansSerif;
    }
    QFont carattere(famiglia);
    carattere.setStyleHint(genere);
    carattere.setPointSizeF(punti > 0 ? punti : 1);
    return carattere;
}

MisureCarattere misureCarattere(const QFont& carattere, const QPaintDevice& dispositivo)
{
    const QFontMetricsF metriche(carattere, &dispositivo);
    const double k = twipsPerPixel(dispositivo);
    MisureCarattere m;
    // In a fixed-pitch font a column is exactly one character, so that texts and
    // columns keep in step however long the line.
    const double colonna = QFontInfo(carattere).fixedPitch()
        ? metriche.horizontalAdvance(QLatin1Char('0'))
        : metriche.averageCharWidth();
    m.colonna = colonna * k;
    m.riga = metriche.lineSpacing() * k;
    m.ascesa = metriche.ascent() * k;
    return m;
}

double larghezzaTesto(const QFont& carattere, const QPaintDevice& dispositivo, const QString& testo)
{
    const QFontMetricsF metriche(carattere, &dispositivo);
    return metriche.horizontalAdvance(testo) * twipsPerPixel(dispositivo);
}

QSizeF areaStampabileA4()
{
    const QPageLayout pagina(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                             QMarginsF(10, 10, 10, 10), QPageLayout::Point);
    return pagina.paintRect(QPageLayout::Point).size() * 20.0;
}

} // namespace office
