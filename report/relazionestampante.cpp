#include "report/relazionestampante.h"

#include "frame/ModVelmor.h"
#include "office/stampante.h"
#include "report/contesto.h"

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
    piede(*Printer);
    Printer->NewPage();
    Printer->CurrentY = cimaPagina;
}

QString nomeLavoro(const QString& progetto)
{
    const QString nome = ModVelmor::nomeprogramma.testo() + QStringLiteral(" - relazione tecnica");
    return progetto.trimmed().isEmpty() ? nome : nome + QStringLiteral(" - ") + progetto.trimmed();
}

} // namespace relazione
