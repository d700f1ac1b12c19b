#include "frame/servizi.h"

#include "frame/identita.h"

#include <QPrinter>

namespace servizi {

QString CodeStampa::codaDi(const QPrinter& stampante)
{
    if (stampante.outputFormat() != QPrinter::NativeFormat || !stampante.outputFileName().isEmpty())
        return {};
    return stampante.printerName();
}

} // namespace servizi

int MsgBox(const QString& testo, int stile, const QString& titolo)
{
    return servizi::messaggi().mostra(testo, stile, titolo.isEmpty() ? QString::fromUtf8(identita::nome) : titolo);
}
