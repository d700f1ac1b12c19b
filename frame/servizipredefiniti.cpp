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

// The installed service, else the real one, built at its first use.
template <typename Reale, typename Servizio>
Servizio& scelto(Servizio* installato)
{
    static Reale reale;
    return installato ? *installato : reale;
}

} // namespace

Messaggi& messaggi() { return scelto<MessaggiQt>(messaggiInstallati); }
Dialoghi& dialoghi() { return scelto<DialoghiQt>(dialoghiInstallati); }
Shell& shell() { return scelto<ShellQt>(shellInstallata); }
Musica& musica() { return scelto<LettoreMidi>(musicaInstallata); }
Stampa& stampa() { return scelto<StampaQt>(stampaInstallata); }
CodeStampa& code() { return scelto<CodeCups>(codeInstallate); }

void installa(Messaggi* s) { messaggiInstallati = s; }
void installa(Dialoghi* s) { dialoghiInstallati = s; }
void installa(Shell* s) { shellInstallata = s; }
void installa(Musica* s) { musicaInstallata = s; }
void installa(Stampa* s) { stampaInstallata = s; }
void installa(CodeStampa* s) { codeInstallate = s; }

} // namespace servizi
