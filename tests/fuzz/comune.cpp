#include "comune.h"

#include "frame/ModVelmor.h"
#include "frame/applicazione.h"
#include "frame/servizi.h"
#include "seismic/campitubo.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

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

namespace {

class MessaggiMuti : public servizi::Messaggi {
public:
    int mostra(const QString&, int, const QString&) override { return vb::vbOK; }
};

} // namespace

void applicazione()
{
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char nome[] = "fuzz";
        static char* argv[] = {nome, nullptr};
        auto* a = new QApplication(argc, argv);
        applicazione::prepara();
        static MessaggiMuti messaggi;
        servizi::installa(&messaggi);
        return a;
    }();
    (void)app;
}

namespace {

// A text stays a text and a number a number through a write and a read (an
// empty field, or an empty text, may come back filled: pipes take the presets; the
// pipe's material is held as a text whatever the file had).
bool stessiTipi(const QList<record::Campi>& a, const QList<record::Campi>& b, int soloTesto = -1)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i].size() != b[i].size())
            return false;
        for (qsizetype k = 0; k < a[i].size(); ++k)
            if (k != soloTesto && !b[i][k].vuoto() && a[i][k].tipo() != b[i][k].tipo())
                return false;
    }
    return true;
}

} // namespace

void provaArchivio(archivi::Tipo tipo, const QByteArray& contenuto)
{
    using archivi::Tipo;
    QString errore;
    const auto letto = archivi::analizza(tipo, contenuto, &errore);
    if (!letto) {
        VERIFICA(!errore.isEmpty()); // a refused file always says why
        return;
    }
    const archivi::Contenuto& c = *letto;
    VERIFICA(c.numerotratti >= 0 && c.numerotratti <= ModVelmor::massimotratti);
    VERIFICA(c.tratti.size() == c.numerotratti);
    for (const auto& t : c.tratti)
        VERIFICA(t.size() == archivi::campiTratto - 1);
    VERIFICA(c.tubi.size() <= ModVelmor::massimotubi);
    for (const auto& t : c.tubi)
        VERIFICA(t.size() == archivi::campiTubo);
    VERIFICA(c.frontespizio.size() == (tipo == Tipo::verifica ? 0 : archivi::campiFrontespizio));

    if (tipo != Tipo::verifica)
        archivi::applicaTratti(c);
    archivi::applicaTubi(c);

    // What was read is saved, and the save reads back with the same shape.
    const QByteArray salvato = archivi::componi(tipo, c.frontespizio);
    const auto riletto = archivi::analizza(tipo, salvato, &errore);
    VERIFICA(riletto.has_value());
    VERIFICA(riletto->numerotratti == c.numerotratti);
    VERIFICA(stessiTipi(riletto->tratti, c.tratti));
    VERIFICA(riletto->numerotubi.tipo() == c.numerotubi.tipo());
    VERIFICA(stessiTipi(riletto->tubi, c.tubi, velmor::sismica::campo::materiale - 1));
    VERIFICA(riletto->frontespizio.size() == c.frontespizio.size());
}

} // namespace fuzz
