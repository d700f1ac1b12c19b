#include "report/relazionestampante.h"

#include "frame/ModVelmor.h"
#include "office/stampante.h"
#include "report/capoverso.h"
#include "report/contesto.h"

#include <algorithm>

namespace relazione {

using namespace office;

void piede(Stampante& p)
{
    // The foot stands on the lower limit of the text: the limit must not move it.
    const double fondo = p.Fondo;
    p.Fondo = 0;
    p.CurrentX = xPiede;
    p.CurrentY = yPiede;
    p.Print({Testo(QStringLiteral("pagina ")), Numero(p.Page())});
    p.Fondo = fondo;
}

void Contesto::fondopagina()
{
    if (!Printer)
        return;
    // The foot in the body size on every page, whatever size the page ended in.
    const double dimensione = Printer->FontSize;
    Printer->FontSize = dimensionecorpo;
    piede(*Printer);
    Printer->FontSize = dimensione;
    Printer->NewPage();
    Printer->CurrentY = cimaPagina;
}

int stampaEntroMargine(Stampante& p, int colonna, const QString& etichetta, const QString& testo)
{
    const double x = p.ColumnX(colonna) + p.TextWidth(etichetta);
    const QStringList righe =
        righeEntro(testo, p.ScaleWidth() - x, [&p](const QString& t) { return p.TextWidth(t); });
    p.Print({Colonna(colonna), Testo(etichetta + righe.value(0))});
    for (qsizetype k = 1; k < righe.size(); ++k) {
        p.CurrentX = x;
        p.Print({Testo(righe[k])});
    }
    return int(std::max<qsizetype>(righe.size(), 1));
}

QString nomeLavoro(const QString& progetto)
{
    const QString nome = ModVelmor::nomeprogramma.testo() + QStringLiteral(" - relazione tecnica");
    return progetto.trimmed().isEmpty() ? nome : nome + QStringLiteral(" - ") + progetto.trimmed();
}

} // namespace relazione
