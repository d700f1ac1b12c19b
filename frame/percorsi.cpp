#include "frame/percorsi.h"

#include <QCoreApplication>
#include <QDir>
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

} // namespace percorsi
