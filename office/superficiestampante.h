#pragma once
// The surface of the program's printed output: a QPainter on a QPrinter, which
// is a real printer or a PDF file. The painter starts with the first thing drawn,
// so a document with nothing in it sends nothing to the printer.

#include "office/superficie.h"

#include <QPainter>

class QPrinter;

namespace office {

// A4 portrait, the paper of every printed output.
void preparaA4(QPrinter& stampante);
// A4 portrait written as a PDF file at `percorso`.
void preparaPdf(QPrinter& stampante, const QString& percorso);

class SuperficieStampante : public Superficie {
public:
    // The printer must outlive the surface.
    explicit SuperficieStampante(QPrinter& stampante);
    // What was drawn and not yet ended is sent as it stands.
    ~SuperficieStampante() override;

    SuperficieStampante(const SuperficieStampante&) = delete;
    SuperficieStampante& operator=(const SuperficieStampante&) = delete;

    QSizeF area() const override;
    MisureCarattere misure(const QString& carattere, double punti) const override;
    double larghezza(const QString& carattere, double punti, const QString& testo) const override;
    void scrivi(QPointF inAlto, const QString& carattere, double punti, const QString& testo) override;
    void linea(QPointF da, QPointF a, int spessore) override;
    void nuovaPagina() override;
    void fine() override;

private:
    void avvia();
    QPointF inPixel(QPointF twips) const;

    QPrinter& m_stampante;
    QPainter m_pittore;
};

} // namespace office
