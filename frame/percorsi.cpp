#include "frame/percorsi.h"

#include "frame/cp1252.h"
#include "frame/record.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace percorsi {

QString cartellaProgramma()
{
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
}

QString fileDati(const QString& nome, bool ancheCartellaCorrente)
{
    QStringList cartelle;
    if (ancheCartellaCorrente)
        cartelle << QDir::currentPath();
    cartelle << cartellaProgramma() << QStringLiteral(VELMOR_DATI_INSTALLATI) << QStringLiteral(VELMOR_DATI_SORGENTE);
    for (const QString& cartella : cartelle) {
        const QString percorso = QDir(cartella).filePath(nome);
        if (QFileInfo(percorso).isFile())
            return percorso;
    }
    return {};
}

QString Lettura::testo() const
{
    QString t = cp1252::leggiTesto(byte);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QChar(u'\r'), QChar(u'\n')); // a line end of its own, as old editors write it
    return t;
}

Lettura leggi(const QString& percorso, qint64 massimo)
{
    Lettura esito;
    esito.percorso = percorso;
    if (percorso.isEmpty()) {
        esito.errore = QStringLiteral("il file non esiste");
        return esito;
    }
    QFile file(percorso);
    if (QFileInfo(percorso).isDir() || !file.open(QIODevice::ReadOnly)) {
        esito.errore = record::descrizioneErrore(file, false);
        if (esito.errore.isEmpty()) // a folder opens without an error of its own
            esito.errore = QStringLiteral("il nome è quello di una cartella, non di un file");
        return esito;
    }
    if (file.size() > massimo) {
        esito.errore = "il file è di " + QString::number((file.size() + 1023) / 1024)
                       + " KB, troppo grande per essere quello che il programma si aspetta";
        return esito;
    }
    esito.byte = file.read(massimo + 1);
    if (file.error() != QFileDevice::NoError) {
        esito.errore = record::descrizioneErrore(file, false);
        esito.byte.clear();
    } else if (esito.byte.size() > massimo) { // a device that grew while it was read
        esito.errore = QStringLiteral("il file è troppo grande per essere quello che il programma si aspetta");
        esito.byte.clear();
    }
    return esito;
}

Lettura leggiDati(const QString& nome, bool ancheCartellaCorrente, qint64 massimo)
{
    const QString percorso = fileDati(nome, ancheCartellaCorrente);
    if (percorso.isEmpty()) {
        Lettura esito;
        esito.errore = ancheCartellaCorrente ? "il file " + nome + " non si trova né nella cartella corrente né fra i dati del programma"
                                             : "il file " + nome + " non si trova fra i dati del programma";
        return esito;
    }
    return leggi(percorso, massimo);
}

QString risorsa(const QString& nome)
{
    return QStringLiteral(":/testi/") + nome;
}

QString testoIncorporato(const QString& nome)
{
    const Lettura lettura = leggi(risorsa(nome));
    return lettura.riuscita() ? lettura.testo() : QString();
}

} // namespace percorsi
