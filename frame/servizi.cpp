#include "frame/servizi.h"

#include "frame/ModVelmor.h"
#include "frame/codecups.h"
#include "frame/servizi_qt.h"

#include <QPrinter>

namespace servizi {

namespace {
Messaggi* messaggiInstallati = nullptr;
Dialoghi* dialoghiInstallati = nullptr;
Shell* shellInstallata = nullptr;
Musica* musicaInstallata = nullptr;
Stampa* stampaInstallata = nullptr;
CodeStampa* codeInstallate = nullptr;
} // namespace

Messaggi& messaggi()
{
    static MessaggiQt qt;
    return messaggiInstallati ? *messaggiInstallati : qt;
}

Dialoghi& dialoghi()
{
    static DialoghiQt qt;
    return dialoghiInstallati ? *dialoghiInstallati : qt;
}

Shell& shell()
{
    static ShellQt qt;
    return shellInstallata ? *shellInstallata : qt;
}

Musica& musica()
{
    static LettoreMidi qt;
    return musicaInstallata ? *musicaInstallata : qt;
}

Stampa& stampa()
{
    static StampaQt qt;
    return stampaInstallata ? *stampaInstallata : qt;
}

QString CodeStampa::codaDi(const QPrinter& stampante)
{
    if (stampante.outputFormat() != QPrinter::NativeFormat || !stampante.outputFileName().isEmpty())
        return {};
    return stampante.printerName();
}

CodeStampa& code()
{
    static CodeCups cups;
    return codeInstallate ? *codeInstallate : cups;
}

void installa(Messaggi* s) { messaggiInstallati = s; }
void installa(Dialoghi* s) { dialoghiInstallati = s; }
void installa(Shell* s) { shellInstallata = s; }
void installa(Musica* s) { musicaInstallata = s; }
void installa(Stampa* s) { stampaInstallata = s; }
void installa(CodeStampa* s) { codeInstallate = s; }

} // namespace servizi

int MsgBox(const QString& testo, int stile, const QString& titolo)
{
    const QString t = titolo.isEmpty() ? ModVelmor::nomeprogramma.testo() : titolo;
    return servizi::messaggi().mostra(testo, stile, t.isEmpty() ? QStringLiteral("Velmor") : t);
}
