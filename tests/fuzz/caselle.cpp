// Typing into the windows: the input is a series of edits of the network grid's boxes and
// lists, of the seismic window's fields and of both scroll bars, each run by the control's
// change handler as the user's typing runs it. Whatever was typed, the shared tables stay in
// shape, and what the program would save either reads back with every segment or is refused
// by the save with a message (a line too long for the readers, a pipe field that is no
// number), never written half-readable.
#include "comune.h"

#include "frame/ModVelmor.h"
#include "frame/aggiornamenti.h"
#include "frame/controllosilenzioso.h"
#include "frame/finestre.h"
#include "frame/tubi.h"
#include "network/dati.h"
#include "network/tratti.h"
#include "seismic/sismica.h"
#include "supporto/doppi.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>

namespace {

// Reads the input a byte or a text at a time; past the end it gives zeros and empty texts.
class Ingresso {
public:
    Ingresso(const std::uint8_t* dati, std::size_t quanti) : d(dati), n(quanti) {}
    bool finito() const { return i >= n; }
    int byte() { return i < n ? d[i++] : 0; }
    int intero()
    {
        const int alto = byte();
        return alto << 8 | byte();
    }
    // A text of up to 12000 bytes taken as UTF-8, as a paste would bring it.
    QString testo()
    {
        const std::size_t lunghezza = std::min<std::size_t>(std::size_t(intero() % 12000), n - i);
        const QString t = QString::fromUtf8(reinterpret_cast<const char*>(d + i), qsizetype(lunghezza));
        i += lunghezza;
        return t;
    }

private:
    const std::uint8_t* d;
    std::size_t n;
    std::size_t i = 0;
};

// Types into a list that takes typing, or picks one of its items.
void scrivi(QComboBox* lista, Ingresso& ingresso)
{
    const QString testo = ingresso.testo();
    const int indice = ingresso.byte();
    if (lista->isEditable())
        lista->setEditText(testo);
    else if (lista->count() > 0)
        lista->setCurrentIndex(indice % lista->count());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* byte, std::size_t quanti)
{
    fuzz::applicazione();
    doppi::messaggi() = MessaggiFinti();
    auto& rete = finestre::forma<dati>();
    auto& tubi = finestre::forma<sismica>();
    // Every run starts from empty tables, shown from the first segment and pipe.
    ModVelmor::svuotaTratti();
    ModVelmor::svuotaTubi();
    ModVelmor::numerotratti = 0;
    ModVelmor::primotratto = 1;
    ModVelmor::tubocorrente = 1;
    emit Aggiornamenti::istanza().reteCambiata();
    emit Aggiornamenti::istanza().tubiCambiati();

    Ingresso ingresso(byte, quanti);
    for (int passi = 0; !ingresso.finito() && passi < 200; ++passi) {
        const int scelta = ingresso.byte();
        const int r = 1 + ingresso.byte() % dati::righe;
        switch (scelta % 6) {
        case 0: {
            const dati::Riga<QLineEdit>* colonne[] = {&rete.lungh, &rete.disl,   &rete.portc, &rete.abit,
                                                      &rete.dotaz, &rete.superf, &rete.piog,  &rete.riemp};
            QLineEdit* casella = (*colonne[ingresso.byte() % 8])[std::size_t(r)];
            casella->setText(ingresso.testo());
            break;
        }
        case 1: scrivi(rete.tiposup[std::size_t(r)], ingresso); break;
        case 2: scrivi(rete.pend[std::size_t(r)], ingresso); break;
        case 3: rete.VScroll1->setValue(ingresso.intero() % (dati::primoInBasso + 1)); break;
        case 4: {
            QLineEdit* casella = tubi.datisismici[std::size_t(1 + ingresso.byte() % 15)];
            const QString testo = ingresso.testo();
            if (!casella->isReadOnly()) // the weight per metre is the program's, not typed
                casella->setText(testo);
            break;
        }
        case 5:
            if (r <= 3)
                rete.tiporete[std::size_t(r)]->click();
            else
                tubi.VScroll1->setValue(ingresso.byte() % (ModVelmor::massimotubi + 1));
            break;
        }
    }

    const int contati = ModVelmor::numerotratti;
    VERIFICA(contati >= 0 && contati <= ModVelmor::massimotratti);
    VERIFICA(contati == tratti::contatratti());
    // A pipe field holding a text that is no number never reaches a file: the pipe check, which
    // every save runs first, stops on it.
    bool parolaInUnTubo = false;
    for (int j = 1; j <= tubazioni::numeroTubi(); ++j)
        for (int k = tubazioni::campo::pesos; k <= tubazioni::numeroCampi; ++k) {
            const Valore v = tubazioni::valoreCampo(k, j);
            parolaInUnTubo |= !v.vuoto() && !v.numerico();
        }
    if (parolaInUnTubo) {
        VERIFICA(!ModVelmor::controlloSilenzioso([&tubi] { tubi.controlla_click(); }));
        return 0;
    }
    const QByteArray salvato = archivi::componi(archivi::Tipo::completo, archivi::testiFrontespizio());
    if (record::rigaTroppoLunga(salvato) != 0)
        return 0; // the save refuses it and says so
    QString errore;
    const auto riletto = archivi::analizza(archivi::Tipo::completo, salvato, &errore);
    VERIFICA(riletto.has_value());
    VERIFICA(riletto->numerotratti == ModVelmor::numerotratti);
    return 0;
}
