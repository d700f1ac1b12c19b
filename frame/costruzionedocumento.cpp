#include "frame/costruzionedocumento.h"

#include "frame/ModVelmor.h"
#include "frame/servizi.h"
#include "office/consegna.h"
#include "office/documento.h"

#include <exception>

using namespace vb;

bool costruisciDocumento(const QString& cosa, const std::function<void()>& costruisci,
                         const std::function<std::shared_ptr<office::Document>()>& documento)
{
    try {
        costruisci();
        return true;
    } catch (const std::exception& e) {
        if (const auto d = documento())
            office::ritiraConsegna(d->stato());
        MsgBox(QStringLiteral("Non è stato possibile %1: %2.").arg(cosa, QString::fromStdString(e.what())), vbCritical,
               ModVelmor::nomeprogramma.testo());
        return false;
    }
}
