#include "supporto/programmi.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QUrl>

QString esegui(const QString& programma, const QStringList& argomenti, int secondi)
{
    QProcess processo;
    processo.start(programma, argomenti);
    if (!processo.waitForFinished(secondi * 1000) || processo.exitStatus() != QProcess::NormalExit
        || processo.exitCode() != 0) {
        processo.kill();
        processo.waitForFinished();
        return QString();
    }
    return QString::fromUtf8(processo.readAllStandardOutput());
}

int paginePdf(const QString& pdf)
{
    const QRegularExpressionMatch pagine = QRegularExpression("Pages:\\s+(\\d+)").match(esegui("pdfinfo", {pdf}));
    return pagine.hasMatch() ? pagine.captured(1).toInt() : -1;
}

QString convertiInPdf(const QString& documento, const QString& cartella, QString* uscita)
{
    const QString profilo = QUrl::fromLocalFile(QDir(cartella).filePath("profilo")).toString();
    const QString detto = esegui(
        "soffice",
        {"-env:UserInstallation=" + profilo, "--headless", "--convert-to", "pdf", "--outdir", cartella, documento},
        240);
    if (uscita)
        *uscita = detto;
    const QString pdf = QDir(cartella).filePath(QFileInfo(documento).completeBaseName() + ".pdf");
    return QFileInfo::exists(pdf) ? pdf : QString();
}
