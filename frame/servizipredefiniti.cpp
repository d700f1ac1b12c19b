// Which service answers: the one a test installed, else the real one (Qt's
// dialogs and boxes, the shell, the MIDI player, the CUPS queues). Kept apart
// from the service interfaces, so that the interfaces stay below the real
// implementations that build on them.

#include "frame/codecups.h"
#include "frame/servizi.h"
#include "frame/servizi_qt.h"

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
