#include "comune.h"

#include "frame/ModVelmor.h"
#include "frame/applicazione.h"
#include "frame/finestre.h"
#include "frame/servizi.h"
#include "network/dati.h"
#include "seismic/sismica.h"
#include "supporto/doppi.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

using namespace vb;

namespace fuzz {

void fallisce(const char* condizione, const char* file, int riga)
{
    std::fprintf(stderr, "%s:%d: non vale %s\n", file, riga, condizione);
    std::abort();
}

QByteArray byte(const std::uint8_t* dati, std::size_t quanti)
{
    return QByteArray(reinterpret_cast<const char*>(dati), qsizetype(quanti));
}

QString inFile(const QByteArray& contenuto)
{
    // In memory where the system has it: rewriting a file on a disk at every run
    // makes the kernel write it out, and the run waits on the disk.
    static QTemporaryDir cartella(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                      ? QStringLiteral("/dev/shm/velmor-fuzz-XXXXXX")
                                      : QDir::tempPath() + QStringLiteral("/velmor-fuzz-XXXXXX"));
    static const QString percorso = cartella.filePath(QStringLiteral("ingresso"));
    QFile file(percorso);
    VERIFICA(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    VERIFICA(file.write(contenuto) == contenuto.size());
    return percorso;
}

void applicazione()
{
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char nome[] = "fuzz";
        static char* argv[] = {nome, nullptr};
        auto* a = new QApplication(argc, argv);
        applicazione::prepara();
        servizi::installa(&doppi::messaggi());
        servizi::installa(&doppi::dialoghi());
        return a;
    }();
    (void)app;
}

void provaArchivio(archivi::Tipo tipo, const QByteArray& contenuto)
{
    using archivi::Tipo;
    applicazione();
    auto& rete = finestre::forma<dati>();
    auto& tubi = finestre::forma<sismica>();
    const QByteArray datiPrima = archivi::componi(Tipo::completo, archivi::testiFrontespizio());

    // Opened as the user opens it: the window's command, the dialog choosing the file.
    const QString percorso = inFile(contenuto);
    doppi::dialoghi() = DialoghiFinti(); // fresh each run: the doubles keep every request
    doppi::dialoghi().file_ = {percorso};
    doppi::messaggi() = MessaggiFinti();
    switch (tipo) {
    case Tipo::dati: rete.apri_Click(); break;
    case Tipo::completo: rete.apritutto_Click(); break;
    case Tipo::verifica: tubi.apri_Click(); break;
    }

    QString errore;
    const auto letto = archivi::analizza(tipo, contenuto, &errore);
    if (!letto) {
        // A refused file says why, and leaves every datum as it was.
        VERIFICA(!errore.isEmpty());
        const auto& visti = doppi::messaggi().visti;
        VERIFICA(visti.size() == 1 && visti.front().stile == vbCritical);
        VERIFICA(archivi::componi(Tipo::completo, archivi::testiFrontespizio()) == datiPrima);
        return;
    }
    const archivi::Contenuto& c = *letto;
    VERIFICA(ModVelmor::nomefile == percorso);
    VERIFICA(c.numerotratti >= 0 && c.numerotratti <= ModVelmor::massimotratti);
    VERIFICA(c.tratti.size() == c.numerotratti);
    for (const auto& t : c.tratti)
        VERIFICA(t.size() == archivi::campiTratto - 1);
    VERIFICA(c.tubi.size() <= ModVelmor::massimotubi);
    for (const auto& t : c.tubi)
        VERIFICA(t.size() == archivi::campiTubo);
    VERIFICA(c.frontespizio.size() == (tipo == Tipo::verifica ? 0 : archivi::campiFrontespizio));

    // What was opened is saved, and the save reads back whole. (Values may
    // differ: the windows complete what the network type and the presets imply,
    // and characters the file cannot hold are written as '?'.)
    const QByteArray salvato = archivi::componi(tipo, archivi::testiFrontespizio());
    const auto riletto = archivi::analizza(tipo, salvato, &errore);
    VERIFICA(riletto.has_value());
    if (tipo != Tipo::verifica)
        VERIFICA(riletto->numerotratti == c.numerotratti);
    VERIFICA(riletto->frontespizio.size() == c.frontespizio.size());
}

} // namespace fuzz
