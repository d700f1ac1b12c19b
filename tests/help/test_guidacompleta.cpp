// The whole guide and the formula picture as documents: the guide's sequence,
// sizes, page breaks and picture, where it is saved, and that a real word
// processor opens it under its ".doc" name.
#include "supporto/ambienteprogramma.h"

#include "frame/finestre.h"
#include "help/figuraformule.h"
#include "help/guidacompleta.h"
#include "help/guidaformule.h"
#include "help/pagine.h"

#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

class Guida : public AmbienteProgramma {
protected:
    QString programma() const { return cartella.filePath("programma"); }
};

bool haFigura(const lettura::Paragrafo& p)
{
    for (const auto& f : p.frammenti)
        if (!f.immagine.isEmpty())
            return true;
    return false;
}

// The picture file: a one-bit Windows bitmap of 824 x 1184
// pixels at 3790 x 3800 pixels per metre, 54 + 8 + 104 x 1184 = 123198 bytes.
void controllaBitmap(const QString& percorso)
{
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << qPrintable(percorso);
    const QByteArray b = f.readAll();
    ASSERT_EQ(b.size(), 123198);
    EXPECT_EQ(b.left(2), "BM");
    const auto intero = [&b](int da) { return qFromLittleEndian<qint32>(b.constData() + da); };
    EXPECT_EQ(intero(18), 824);
    EXPECT_EQ(intero(22), 1184);
    EXPECT_EQ(qFromLittleEndian<quint16>(b.constData() + 28), 1); // bits per pixel
    EXPECT_EQ(intero(38), 3790);
    EXPECT_EQ(intero(42), 3800);
}

TEST_F(Guida, SequenzaDimensioniInterruzioniEFigura)
{
    ASSERT_TRUE(QDir().mkpath(programma()));
    const QString salvata = guida::scriviGuidaCompleta(programma());
    EXPECT_EQ(salvata, QDir(programma()).filePath("Velmor-guida.doc"));
    office::consegnaInSospeso();
    EXPECT_EQ(aperti, QStringList{salvata}); // handed to the word processor from where it was saved
    EXPECT_TRUE(doppi::messaggi().visti.empty());
    for (const auto& p : guida::pagine) // read, never shown
        EXPECT_FALSE(finestre::trova(p.nome)->isVisible()) << p.nome;

    const lettura::Documento d = lettura::leggiFile(salvata);
    ASSERT_TRUE(d.valido) << qPrintable(d.errore);
    ASSERT_GE(d.paragrafi.size(), 5);
    EXPECT_EQ(d.paragrafi[0].testo(), "Velmor");
    EXPECT_EQ(d.paragrafi[0].frammenti.first().dimensione, 20);
    EXPECT_EQ(d.paragrafi[1].frammenti.first().dimensione, 16);
    EXPECT_EQ(d.paragrafi[2].testo() + d.paragrafi[3].testo(), "");

    QStringList titoli;
    QVector<double> dimensioni;
    int interruzioni = 0;
    for (int i = 0; i < d.paragrafi.size(); ++i) {
        const lettura::Paragrafo& p = d.paragrafi[i];
        EXPECT_EQ(p.allineamento, "both") << i;
        interruzioni += p.interruzionePagina;
        if (!p.testo().startsWith("Guida: "))
            continue;
        titoli << p.testo().mid(7);
        dimensioni << p.frammenti.last().dimensione;
        EXPECT_EQ(p.interruzionePagina, titoli.size() > 1) << i; // every page but the first begins on a new sheet
        EXPECT_EQ(d.paragrafi[i + 1].testo(), "") << i;
        EXPECT_EQ(d.paragrafi[i + 2].testo(), guida::testoPagina(guida::pagine[titoli.size() - 1].nome)) << i;
    }
    QStringList attesi;
    for (const auto& p : guida::pagine)
        attesi << p.titolo;
    EXPECT_EQ(titoli, attesi);
    EXPECT_EQ(dimensioni, (QVector<double>{16, 12, 12, 12, 12, 12, 12, 12, 12}));
    EXPECT_EQ(interruzioni, 8);

    // the picture right after the last page's text, no break between them
    const lettura::Paragrafo& ultimo = d.paragrafi.last();
    EXPECT_TRUE(haFigura(ultimo));
    EXPECT_FALSE(ultimo.interruzionePagina);
    EXPECT_EQ(d.paragrafi[d.paragrafi.size() - 2].testo(), guida::testoPagina("guidafrontespizio"));
    controllaBitmap(guida::percorsoFigura());
}

TEST_F(Guida, CartellaDelProgrammaNonScrivibileEFiguraNonScrivibile)
{
    // no program folder to write in: the guide goes to the documents folder, and the user is told
    const QString salvata = guida::scriviGuidaCompleta(cartella.filePath("non/esiste"));
    EXPECT_EQ(salvata, QDir(cartellaDocumenti()).filePath("Velmor-guida.doc"));
    ASSERT_EQ(doppi::messaggi().visti.size(), 1u);
    EXPECT_TRUE(doppi::messaggi().visti[0].testo.contains(QDir::toNativeSeparators(salvata)));
    EXPECT_TRUE(lettura::leggiFile(salvata).valido);

    // the picture's folder cannot be made: the document goes on without it, and the user is told
    QFile ostacolo(cartella.filePath("file"));
    ASSERT_TRUE(ostacolo.open(QIODevice::WriteOnly));
    ostacolo.close();
    office::impostaCartellaDocumenti(cartella.filePath("file/Velmor"));
    doppi::messaggi().visti.clear();
    auto& formule = finestre::forma<guidaformule>();
    formule.cmdstampa->click();
    ASSERT_GE(doppi::messaggi().visti.size(), 1u);
    EXPECT_TRUE(doppi::messaggi().visti[0].testo.contains("figura delle formule"));
}

TEST_F(Guida, StampaDelleFormuleDueVolte)
{
    auto& formule = finestre::forma<guidaformule>();
    formule.cmdstampa->click();
    formule.cmdstampa->click();
    EXPECT_TRUE(doppi::messaggi().visti.empty());
    const QStringList documenti = fileConsegnati().filter(".docx");
    ASSERT_EQ(documenti.size(), 2); // two documents, one picture file written twice
    for (const QString& nome : documenti) {
        const lettura::Documento d = lettura::leggiFile(cartellaDocumenti() + "/" + nome);
        ASSERT_EQ(d.paragrafi.size(), 1) << qPrintable(nome);
        EXPECT_TRUE(haFigura(d.paragrafi[0]));
    }
    controllaBitmap(guida::percorsoFigura());
}

// Runs a program to its end; its standard output, or a null text when it could not run.
QString esegui(const QString& programma, const QStringList& argomenti)
{
    QProcess processo;
    processo.start(programma, argomenti);
    if (!processo.waitForFinished(240000) || processo.exitStatus() != QProcess::NormalExit || processo.exitCode() != 0) {
        processo.kill();
        processo.waitForFinished();
        return QString();
    }
    return QString::fromUtf8(processo.readAllStandardOutput());
}

TEST_F(Guida, LibreOfficeApreLaGuidaColSuoNome)
{
    const QString soffice = QStandardPaths::findExecutable("soffice");
    ASSERT_FALSE(soffice.isEmpty()) << "soffice is missing: install libreoffice-writer-nogui";
    ASSERT_TRUE(QDir().mkpath(programma()));
    const QString guida = guida::scriviGuidaCompleta(programma());
    const QString profilo = QUrl::fromLocalFile(cartella.filePath("profilo")).toString();
    esegui(soffice, {"-env:UserInstallation=" + profilo, "--headless", "--convert-to", "pdf", "--outdir", cartella.path(), guida});
    const QString pdf = cartella.filePath("Velmor-guida.pdf");
    ASSERT_TRUE(QFileInfo::exists(pdf)) << "LibreOffice did not open the .doc guide";

    const QString testo = esegui("pdftotext", {pdf, "-"}).simplified();
    qsizetype dove = 0;
    for (const auto& p : guida::pagine) {
        const qsizetype trovato = testo.indexOf("Guida: " + QString::fromUtf8(p.titolo), dove);
        EXPECT_GT(trovato, dove) << p.titolo;
        dove = std::max(dove, trovato);
    }
    // the picture is on the last page
    const QString pagine = esegui("pdfinfo", {pdf});
    const QString ultima = QRegularExpression("Pages:\\s+(\\d+)").match(pagine).captured(1);
    ASSERT_FALSE(ultima.isEmpty());
    const QString immagini = esegui("pdfimages", {"-list", "-f", ultima, "-l", ultima, pdf});
    EXPECT_EQ(immagini.split('\n', Qt::SkipEmptyParts).size(), 3) << qPrintable(immagini); // heading, rule, one picture
}

} // namespace
