#pragma once
// The data files of the network and the pipes: the network data file
// ("Velmor-dati-"), the complete file ("Velmor-completa-") and the seismic
// data file ("Velmor-verifica-"). Building and reading their contents are
// plain functions; the commands below add the dialogs, the checks and the
// messages, and are shared by the windows that offer them. They work on the
// shared data alone: after a read they tell the windows through Aggiornamenti
// (frame/aggiornamenti.h), and each window refreshes what it shows.

#include "frame/record.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class CommonDialog;

namespace archivi {

constexpr int campiTratto = 14;
constexpr int campiTubo = 15;
constexpr int campiFrontespizio = 7;
// The longest text a title-page box takes: seven such texts still make a line the readers take.
constexpr int lunghezzaTestoFrontespizio = record::lunghezzaMassimaTesto(campiFrontespizio);

// What a file holds, read in full before anything in the program changes.
struct Contenuto {
    int numerotratti = 0;
    QList<record::Campi> tratti; // 13 fields each (the network type apart)
    QString sistema;
    bool conTubi = false;        // the file has a pipe section
    Valore numerotubi;           // as stored: empty when it was never set
    QList<record::Campi> tubi;   // 15 fields each
    QStringList frontespizio;    // 7 texts (empty for the seismic data file)
};

enum class Tipo { dati, completo, verifica };

// The file's bytes for the program's current data; `frontespizio` the seven
// title-page texts (not used by the seismic data file).
QByteArray componi(Tipo tipo, const QStringList& frontespizio, record::Adattamenti* adattamenti = nullptr);

// Reads a file's bytes; nothing, and the reason in `errore`, when they are not such a file.
std::optional<Contenuto> analizza(Tipo tipo, const QByteArray& byte, QString* errore);

// Puts what was read into the shared tables: the segments (and the segments
// beyond the file's count emptied, so that nothing left from before joins
// the network), the pipes when the file has them (likewise).
void applicaTratti(const Contenuto& c);
void applicaTubi(const Contenuto& c);

// The seven title-page texts, in record order, as the shared data hold them
// (ModVelmor::testifrontespizio), and putting them back. The title-page
// window keeps them in step with its boxes and shows them again when it hears
// that a file was read (Aggiornamenti::reteCambiata).
QStringList testiFrontespizio();
void impostaFrontespizio(const QStringList& testi);

// The file commands.
void apriDati(CommonDialog& dialogo);     // network data file into the network and the title page
void apriCompleto(CommonDialog& dialogo); // complete file into network, pipes and title page
void salvaDati(CommonDialog& dialogo);    // network data file: checks, then the current name or the dialog
void salvaCompleto(CommonDialog& dialogo);
// Deletes a file chosen in the open dialog, whose second filter shows the files of `tipo`.
void elimina(CommonDialog& dialogo, Tipo tipo = Tipo::dati);
void apriVerifica(CommonDialog& dialogo); // seismic data file into the pipes
void salvaVerifica(CommonDialog& dialogo);

} // namespace archivi
