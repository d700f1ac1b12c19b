// Writing a file so that a failure never costs the user the file that was there.
// The data go to a temporary file in the same folder; only when every byte is known to be
// on the disk (written whole, synced, the size on disk checked) does the temporary file take
// the old one's place, and the folder is synced after that. On any failure the temporary file
// is removed, the old file stays as it was, and the caller gets the cause in Italian.
// The temporary name is short and of fixed length (".velmor-" eight letters or digits ".tmp"),
// so any name the folder takes can be saved; such files left by a save that was killed are
// removed by the next save in the same folder. A replaced file keeps its permissions.
// (QSaveFile is not enough: the Qt in use renames even when its last flush failed, so a full
// disk leaves an empty or cut file reported as a success.)
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace office {

enum class Scrittura {
    sostituisce, // replaces the file when it exists
    nuovo,       // the file must not exist yet (codice EEXIST when it does); it appears whole or not at all
};

struct EsitoSalvataggio {
    int codice = 0; // the system's error number, 0 on success
    QString motivo; // why it failed, in Italian ("il disco è pieno"); empty on success
    QString rimedio; // what the user can do next, one Italian sentence; empty on success
    bool riuscito() const { return codice == 0; }
};

[[nodiscard]] EsitoSalvataggio salvaSuDisco(const QString& percorso, const QByteArray& dati,
                                            Scrittura modo = Scrittura::sostituisce);

// The cause of a failed write told to the user, from the system's error number.
QString motivoScrittura(int codice, const QString& percorso);
// What the user can do after a failed write, from the system's error number: another
// folder or disk when this one is full, read-only or forbidden, another name when the
// name is the trouble.
QString rimedioScrittura(int codice);

// A seam for tests where no small full disk can be mounted: before each step of a save the
// function is asked, and a non-zero error number makes that step fail with it. Empty: none.
enum class Passo { apertura, scrittura, sincronizzazione, sostituzione };
void impostaGuasto(std::function<int(Passo)> guasto);

} // namespace office
