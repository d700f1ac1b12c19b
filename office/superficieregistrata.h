#pragma once
// A surface that keeps what is drawn on it, for checking printed output without
// a printer. Fonts are measured at 1440 dots an inch, one dot a twip, so that
// positions do not depend on the machine's screen.

#include "office/superficie.h"

#include <QImage>
#include <vector>

namespace office {

struct ScrittaRegistrata {
    int pagina = 0;
    double x = 0;
    double y = 0; // top of the line
    QString carattere;
    double punti = 0;
    QString testo;
};

struct LineaRegistrata {
    int pagina = 0;
    QPointF da;
    QPointF a;
    int spessore = 0;
};

class SuperficieRegistrata : public Superficie {
public:
    explicit SuperficieRegistrata(QSizeF area = areaStampabileA4());

    QSizeF area() const override;
    MisureCarattere misure(const QString& carattere, double punti) const override;
    double larghezza(const QString& carattere, double punti, const QString& testo) const override;
    void scrivi(QPointF inAlto, const QString& carattere, double punti, const QString& testo) override;
    void linea(QPointF da, QPointF a, int spessore) override;
    void nuovaPagina() override;
    void fine() override;

    const std::vector<ScrittaRegistrata>& scritte() const { return m_scritte; }
    const std::vector<LineaRegistrata>& linee() const { return m_linee; }
    // The page being drawn: 1 at the start and after each end of document.
    int pagina() const { return m_pagina; }
    // Documents ended so far, and the pages of the last one ended.
    int documenti() const { return m_documenti; }
    int pagineUltimoDocumento() const { return m_pagineUltimo; }

private:
    QSizeF m_area;
    QImage m_misuratore; // measures fonts at 1440 dpi
    std::vector<ScrittaRegistrata> m_scritte;
    std::vector<LineaRegistrata> m_linee;
    int m_pagina = 1;
    int m_documenti = 0;
    int m_pagineUltimo = 0;
};

} // namespace office
