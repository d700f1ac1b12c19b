#include "office/stampante.h"

#include "office/formastampa.h"

#include <algorithm>

namespace office {

namespace {

// How far right of a column, in twips, the position may stand and still count as
// on it: texts and columns are summed in floating point.
constexpr double tolleranzaColonna = 0.5;
// The same for a line that ends exactly at the bottom of the page.
constexpr double tolleranzaFondo = 0.01;

Voce voce(Voce::Tipo tipo, int quante, const QString& testo = {}, double numero = 0)
{
    Voce v;
    v.tipo = tipo;
    v.quante = quante;
    v.testo = testo;
    v.numero = numero;
    return v;
}

} // namespace

Voce Colonna(int n) { return voce(Voce::Tipo::colonna, n); }
Voce Spazi(int n) { return voce(Voce::Tipo::spazi, n); }
Voce Testo(const QString& testo) { return voce(Voce::Tipo::testo, 0, testo); }
Voce Numero(double numero) { return voce(Voce::Tipo::numero, 0, {}, numero); }
Voce TestoCampo(const QString& testo) { return Testo(testo); }

Stampante::Stampante(Superficie& superficie)
    : m_superficie(superficie)
{
}

void Stampante::Print(const std::vector<Voce>& voci, ACapo aCapo)
{
    const MisureCarattere misure = m_superficie.misure(FontName, FontSize);
    // Consecutive texts, numbers and blanks are drawn as one string.
    QString segmento;
    for (const Voce& v : voci) {
        switch (v.tipo) {
        case Voce::Tipo::colonna: {
            scriviSegmento(segmento, misure.riga);
            const double x = ColumnX(v.quante);
            if (CurrentX > x + tolleranzaColonna)
                CurrentY += misure.riga;
            CurrentX = x;
            break;
        }
        case Voce::Tipo::spazi:
            segmento += QString(std::max(v.quante, 0), QLatin1Char(' '));
            break;
        case Voce::Tipo::testo:
            segmento += v.testo;
            break;
        case Voce::Tipo::numero:
            segmento += formaStampa(v.numero);
            break;
        }
    }
    scriviSegmento(segmento, misure.riga);
    if (aCapo == ACapo::si) {
        assicuraRiga(misure.riga);
        CurrentX = 0;
        CurrentY += misure.riga;
    }
}

void Stampante::Line(double x1, double y1, double x2, double y2)
{
    iniziaPagina();
    m_superficie.linea(QPointF(x1, y1), QPointF(x2, y2), DrawWidth);
    CurrentX = x2;
    CurrentY = y2;
}

void Stampante::NewPage()
{
    pagina();
    CurrentX = 0;
}

void Stampante::EndDoc()
{
    // a new page asked for just before the end stays blank: it is not sent
    m_paginaInSospeso = false;
    m_superficie.fine();
    m_pagina = 1;
    CurrentX = 0;
    CurrentY = 0;
}

double Stampante::ScaleWidth() const
{
    return m_superficie.area().width();
}

double Stampante::TextWidth(const QString& testo) const
{
    return m_superficie.larghezza(FontName, FontSize, testo);
}

double Stampante::ColumnX(int n) const
{
    return (std::max(n, 1) - 1) * m_superficie.misure(FontName, FontSize).colonna;
}

double Stampante::TextHeight() const
{
    return m_superficie.misure(FontName, FontSize).riga;
}

void Stampante::scriviSegmento(QString& segmento, double altezzaRiga)
{
    if (segmento.isEmpty())
        return;
    assicuraRiga(altezzaRiga);
    iniziaPagina();
    m_superficie.scrivi(QPointF(CurrentX, CurrentY), FontName, FontSize, segmento);
    CurrentX += m_superficie.larghezza(FontName, FontSize, segmento);
    segmento.clear();
}

double Stampante::fondo() const
{
    const double area = m_superficie.area().height();
    return Fondo > 0 && Fondo < area && !m_inFinePagina ? Fondo : area;
}

void Stampante::assicuraRiga(double altezzaRiga)
{
    // A line at the top of a page stays there even when it is taller than the page.
    if (CurrentY <= 0 || CurrentY + altezzaRiga <= fondo() + tolleranzaFondo)
        return;
    if (!FinePagina || m_inFinePagina) {
        pagina();
        return;
    }
    m_inFinePagina = true;
    const int prima = m_pagina;
    const double x = CurrentX; // the line goes on at its column on the new page
    try {
        FinePagina();
    } catch (...) {
        m_inFinePagina = false;
        throw;
    }
    m_inFinePagina = false;
    if (m_pagina == prima) // the hook did not end the page: the line must still go somewhere
        pagina();
    CurrentX = x;
}

void Stampante::pagina()
{
    iniziaPagina(); // two new pages in a row leave an empty page between them
    m_paginaInSospeso = true;
    ++m_pagina;
    CurrentY = 0;
}

void Stampante::iniziaPagina()
{
    if (!m_paginaInSospeso)
        return;
    m_paginaInSospeso = false;
    m_superficie.nuovaPagina();
}

} // namespace office
