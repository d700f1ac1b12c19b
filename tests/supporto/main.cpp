// Common main of the test executables: one QApplication for the whole run,
// with the test doubles of the platform services installed.
#include "frame/applicazione.h"
#include "frame/servizi.h"
#include "supporto/doppi.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The user's documents folder of the test run: a temporary one, so that no test leaves
// documents among the real user's (the standard locations follow XDG_CONFIG_HOME).
void cartellaDocumentiTemporanea(const QTemporaryDir& cartella)
{
    QFile dirs(cartella.filePath(QStringLiteral("user-dirs.dirs")));
    if (dirs.open(QIODevice::WriteOnly))
        dirs.write("XDG_DOCUMENTS_DIR=\"" + cartella.filePath(QStringLiteral("Documenti")).toUtf8() + "\"\n");
    qputenv("XDG_CONFIG_HOME", cartella.path().toUtf8());
}

} // namespace

int main(int argc, char** argv)
{
    const QTemporaryDir configurazione;
    cartellaDocumentiTemporanea(configurazione);
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    applicazione::prepara();
    servizi::installa(&doppi::messaggi());
    servizi::installa(&doppi::dialoghi());
    servizi::installa(&doppi::shell());
    servizi::installa(&doppi::musica());
    servizi::installa(&doppi::stampa());
    servizi::installa(&doppi::code());
    consegnaDiProva();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
