#include "office/superficieregistrata.h"

namespace office {

namespace {

QImage misuratoreTwips()
{
    QImage immagine(1, 1, QImage::Format_RGB32);
    // 56693 dots a metre read back as 1440 dots an inch.
    immagine.setDotsPerMeterX(56693);
    immagine.setDotsPerMeterY(56693);
    return immagine;
}

} // namespace

SuperficieRegistrata::SuperficieRegistrata(QSizeF area)
    : m_area(area)
    , m_misuratore(misuratoreTwips())
{
}

QSizeF SuperficieRegistrata::area() const
{
    return m_area;
}

MisureCarattere SuperficieRegistrata::misure(const QString& carattere, double punti) const
{
    return misureCarattere(carattereStampa(carattere, punti), m_misuratore);
}

double SuperficieRegistrata::larghezza(const QString& carattere, double punti, const QString& testo) const
{
    return larghezzaTesto(carattereStampa(carattere, punti), m_misuratore, testo);
}

void SuperficieRegistrata::scrivi(QPointF inAlto, const QString& carattere, double punti, const QString& testo)
{
    m_scritte.push_back({m_pagina, inAlto.x(), inAlto.y(), carattere, punti, testo});
}

void SuperficieRegistrata::linea(QPointF da, QPointF a, int spessore)
{
    m_linee.push_back({m_pagina, da, a, spessore});
}

void SuperficieRegistrata::nuovaPagina()
{
    ++m_pagina;
}

void SuperficieRegistrata::fine()
{
    ++m_documenti;
    m_pagineUltimo = m_pagina;
    m_pagina = 1;
}

} // namespace office
