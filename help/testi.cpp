#include "help/testi.h"

#include "frame/ModVelmor.h"
#include "frame/cp1252.h"
#include "frame/percorsi.h"
#include "frame/servizi.h"

#include <QFile>

namespace guida {

QString testoDati(const QString& nome, const QString& cosa)
{
    const QString percorso = percorsi::fileDati(nome, false);
    QString motivo;
    if (percorso.isEmpty()) {
        motivo = "il file " + nome + " non si trova fra i dati del programma";
    } else {
        QFile file(percorso);
        if (file.open(QIODevice::ReadOnly)) {
            QString testo = cp1252::leggiTesto(file.readAll());
            testo.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            return testo;
        }
        motivo = "il file " + percorso + " non si apre (" + file.errorString() + ")";
    }
    MsgBox("Non è possibile mostrare " + cosa + ": " + motivo + ".", vb::vbExclamation, ModVelmor::nomeprogramma.testo());
    return {};
}

} // namespace guida
