// Delivery of finished documents: new files in the documents folder, opened through the hook,
// failures told to the user.
#include "supporto/ambientedocumento.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

using namespace office;

namespace {

class Consegna : public AmbienteDocumento {
protected:
    // A command that builds a small document and ends.
    static void comando(const QString& testo, const QString& nome = QString())
    {
        auto appword = nuovaApplicazione();
        appword->Visible = true;
        auto documento = appword->Documents.Add();
        if (!nome.isEmpty())
            documento->nomeFile(nome);
        appword->Selection.TypeText(testo + "\r");
    }

    static QString testoDi(const QString& percorso)
    {
        const lettura::Documento d = lettura::leggiFile(percorso);
        return d.paragrafi.isEmpty() ? QString() : d.paragrafi.front().testo();
    }

    static void scriviFile(const QString& percorso, const QByteArray& dati)
    {
        QFile f(percorso);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(dati);
    }
};

} // namespace

TEST_F(Consegna, AllaFineDelComandoIlDocumentoVaInUnFileNuovoEVieneAperto)
{
    comando("relazione di prova", "relazione");
    EXPECT_EQ(documentiInSospeso(), 1);
    EXPECT_TRUE(aperti.isEmpty()) << "nothing is delivered while the command runs";

    QCoreApplication::processEvents(); // control back to the event loop
    EXPECT_EQ(documentiInSospeso(), 0);
    ASSERT_EQ(aperti.size(), 1);
    const QFileInfo file(aperti.front());
    EXPECT_EQ(file.absolutePath(), QFileInfo(cartellaDocumenti()).absoluteFilePath());
    EXPECT_TRUE(QRegularExpression("^Velmor-relazione-\\d{4}-\\d{2}-\\d{2}-\\d{4}\\.docx$").match(file.fileName()).hasMatch())
        << qPrintable(file.fileName());
    EXPECT_EQ(testoDi(aperti.front()), "relazione di prova");
    EXPECT_TRUE(messaggi.isEmpty());
}

TEST_F(Consegna, UnFileGiaPresenteNonVieneMaiSostituito)
{
    // earlier files with the names of this minute and of the next one
    ASSERT_TRUE(QDir().mkpath(cartellaDocumenti()));
    const QDateTime adesso = QDateTime::currentDateTime();
    QStringList vecchi;
    for (const QDateTime& quando : {adesso, adesso.addSecs(60)}) {
        const QString base = QDir(cartellaDocumenti()).filePath(nomeConsegna("documento", quando));
        vecchi << base + ".docx" << base + "-2.docx";
    }
    for (const QString& v : vecchi)
        scriviFile(v, "documento di ieri");

    comando("uno");
    comando("due");
    comando("tre");
    consegnaInSospeso();

    ASSERT_EQ(aperti.size(), 3);
    EXPECT_EQ(QSet<QString>(aperti.begin(), aperti.end()).size(), 3);
    for (const QString& v : vecchi) {
        EXPECT_FALSE(aperti.contains(v));
        QFile f(v);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), "documento di ieri");
    }
    EXPECT_TRUE(aperti[0].endsWith("-3.docx")) << qPrintable(aperti[0]);
    EXPECT_EQ(testoDi(aperti[0]), "uno");
    EXPECT_EQ(testoDi(aperti[1]), "due");
    EXPECT_EQ(testoDi(aperti[2]), "tre");
    EXPECT_EQ(fileConsegnati().size(), 3 + 4);
}

TEST_F(Consegna, SenzaElaboratoreDiTestiLUtenteSaDoveEIlDocumento)
{
    aperturaRiesce = false;
    comando("senza word");
    consegnaInSospeso();
    ASSERT_EQ(aperti.size(), 1);
    ASSERT_EQ(messaggi.size(), 1);
    EXPECT_TRUE(messaggi[0].startsWith("Non è stato possibile aprire l'elaboratore di testi. "
                                       "Il documento è stato salvato in:\n"));
    EXPECT_TRUE(messaggi[0].endsWith(QDir::toNativeSeparators(aperti[0])));
    EXPECT_EQ(testoDi(aperti[0]), "senza word");
}

// The desktop's opener is waited for: its exit status, not its start, says whether the document
// was opened; when not, the user learns that it was saved, and where.
TEST_F(Consegna, LApritoreCheFallisceNonVieneDettoRiuscito)
{
    const QString argomento = cartella.filePath("argomento");
    const struct {
        const char* cosa;
        int uscita;
        bool aperto;
    } casi[] = {
        {"the opener opened it", 0, true},
        {"no application for .docx", 3, false},
        {"the word processor failed", 1, false},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.cosa);
        const QString apritore = cartella.filePath(QStringLiteral("apritore-%1").arg(c.uscita));
        scriviFile(apritore, QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\nexit %2\n")
                                 .arg(argomento)
                                 .arg(c.uscita)
                                 .toUtf8());
        ASSERT_TRUE(QFile::setPermissions(apritore, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        impostaApritore(apritore);
        impostaApriFile({});
        messaggi.clear();
        QFile::remove(argomento);

        comando("da aprire");
        consegnaInSospeso();
        impostaApritore({});
        QFile passato(argomento);
        ASSERT_TRUE(passato.open(QIODevice::ReadOnly)) << "the opener was not run";
        const QString documento = QString::fromUtf8(passato.readAll());
        EXPECT_TRUE(documento.endsWith(".docx")) << qPrintable(documento);
        EXPECT_EQ(testoDi(documento), "da aprire");
        if (c.aperto) {
            EXPECT_TRUE(messaggi.isEmpty()) << qPrintable(messaggi.join('\n'));
            continue;
        }
        ASSERT_EQ(messaggi.size(), 1);
        EXPECT_TRUE(messaggi[0].startsWith("Non è stato possibile aprire l'elaboratore di testi. "
                                           "Il documento è stato salvato in:\n"));
        EXPECT_TRUE(messaggi[0].endsWith(QDir::toNativeSeparators(documento))) << qPrintable(messaggi[0]);
    }
}

TEST_F(Consegna, UnaCartellaImpossibileVieneDettaENonSiApreNulla)
{
    const QString bloccante = cartella.filePath("file");
    scriviFile(bloccante, "x");
    impostaCartellaDocumenti(bloccante + "/Velmor"); // a folder inside a file cannot exist
    comando("perso?");
    consegnaInSospeso();
    EXPECT_TRUE(aperti.isEmpty());
    ASSERT_EQ(messaggi.size(), 1);
    EXPECT_TRUE(messaggi[0].startsWith("Non è stato possibile creare la cartella dei documenti:\n"));
    EXPECT_TRUE(messaggi[0].contains(bloccante));
}

TEST_F(Consegna, SaveAsScriveDoveDettoEIlDocumentoSalvatoNonVieneRiscritto)
{
    auto appword = nuovaApplicazione();
    auto documento = appword->Documents.Add();
    appword->Selection.TypeText("guida completa");
    const QString percorso = cartella.filePath("Velmor-guida.doc");
    EXPECT_TRUE(appword->Documents(appword->Documents.Count()).SaveAs(percorso));
    EXPECT_EQ(testoDi(percorso), "guida completa");

    consegnaInSospeso();
    EXPECT_EQ(aperti, QStringList({percorso}));
    EXPECT_TRUE(fileConsegnati().isEmpty());
    EXPECT_TRUE(messaggi.isEmpty());
}

TEST_F(Consegna, UnDocumentoCambiatoDopoSaveAsVieneConsegnatoComeNuovo)
{
    auto appword = nuovaApplicazione();
    auto documento = appword->Documents.Add();
    appword->Selection.TypeText("prima");
    const QString percorso = cartella.filePath("salvato.docx");
    ASSERT_TRUE(documento->SaveAs(percorso));
    appword->Selection.TypeText(" e dopo");
    consegnaInSospeso();
    ASSERT_EQ(aperti.size(), 1);
    EXPECT_NE(aperti[0], percorso);
    EXPECT_EQ(testoDi(aperti[0]), "prima e dopo");
    EXPECT_EQ(testoDi(percorso), "prima");
}

TEST_F(Consegna, UnDocumentoLasciatoDaUnaProvaNonVieneConsegnatoInUnAltra)
{
    comando("lasciato indietro"); // built outside a command: waiting for the event loop
    ripristina();
    EXPECT_EQ(documentiInSospeso(), 0);
    EXPECT_TRUE(aperti.isEmpty()); // nor delivered by the reset's own turn of the event loop
}

TEST_F(Consegna, UnSaveAsFallitoLasciaIlFileDiPrimaEVieneDetto)
{
    auto appword = nuovaApplicazione();
    auto documento = appword->Documents.Add();
    appword->Selection.TypeText("nuovo");

    // the target is a folder: nothing can replace it
    const QString occupato = cartella.filePath("occupato.docx");
    ASSERT_TRUE(QDir().mkpath(occupato + "/dentro"));
    EXPECT_FALSE(documento->SaveAs(occupato));
    EXPECT_TRUE(QFileInfo(occupato + "/dentro").isDir());
    ASSERT_EQ(messaggi.size(), 1);
    EXPECT_TRUE(messaggi[0].startsWith("Non è stato possibile salvare il documento in:\n" + occupato));

    // not saved: it is delivered as a new document
    consegnaInSospeso();
    ASSERT_EQ(aperti.size(), 1);
    EXPECT_EQ(QFileInfo(aperti[0]).absolutePath(), QFileInfo(cartellaDocumenti()).absoluteFilePath());
}

TEST_F(Consegna, INomiDeiFileDiconoCosaContengono)
{
    const QDateTime quando(QDate(2026, 12, 7), QTime(8, 15));
    EXPECT_EQ(nomeConsegna("relazione", quando), "Velmor-relazione-2026-12-07-0815");
    EXPECT_EQ(nomeConsegna("dati/sismici: tubi", quando), "Velmor-dati-sismici--tubi-2026-12-07-0815");
    EXPECT_EQ(nomeConsegna("", quando), "Velmor-documento-2026-12-07-0815");
}
