// The report printed through a real print system: a CUPS scheduler of the test's own (a private
// configuration, spool and socket, stopped at the end) with an A4 queue and a Letter queue whose
// device is a file, so each job's pages are caught as the queue received them and read back with
// poppler. Where no scheduler can start, every test here says why and is skipped.
#include "report/archivi_prova.h"
#include "supporto/programmi.h"

#include "frame/ModVelmor.h"
#include "frame/finestre.h"
#include "office/superficieregistrata.h"
#include "report/frontespizio.h"
#include "report/relazionestampante.h"

#include <QDir>
#include <QLineEdit>
#include <QElapsedTimer>
#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <cups/cups.h>

using namespace vb;

using namespace ModVelmor;
using namespace doppi;

namespace {

// A PDF printer that takes a job's PDF as it is: its only filter copies the document to the device.
QByteArray ppd(const char* carta)
{
    QByteArray testo = R"ppd(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "PROVA.PPD"
*Manufacturer: "Prova"
*Product: "(Prova)"
*ModelName: "Prova PDF"
*ShortNickName: "Prova PDF"
*NickName: "Prova PDF"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: False
*DefaultColorSpace: Gray
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsFilter2: "application/pdf application/vnd.cups-pdf 0 FILTRO"
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: CARTA
*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"
*PageSize Letter/US Letter: "<</PageSize[612 792]>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: CARTA
*PageRegion A4/A4: "<</PageSize[595 842]>>setpagedevice"
*PageRegion Letter/US Letter: "<</PageSize[612 792]>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: CARTA
*ImageableArea A4/A4: "18 18 577 824"
*ImageableArea Letter/US Letter: "18 18 594 774"
*DefaultPaperDimension: CARTA
*PaperDimension A4/A4: "595 842"
*PaperDimension Letter/US Letter: "612 792"
)ppd";
    return testo.replace("CARTA", carta);
}

// The scheduler of the test run, with its queues; `errore` says why there is none.
class Scheduler {
public:
    QString errore;

    Scheduler()
    {
        cartella.setAutoRemove(true);
        const QString cupsd = QStandardPaths::findExecutable("cupsd", {"/usr/sbin", "/usr/local/sbin"});
        if (cupsd.isEmpty() || QStandardPaths::findExecutable("lpadmin").isEmpty()) {
            errore = "the CUPS scheduler or lpadmin is not installed (cups-daemon, cups-client)";
            return;
        }
        // The scheduler runs filters as its own user: the folder must be open to it.
        QFile::setPermissions(cartella.path(), QFile::Permissions(0x7755));
        const QDir d(cartella.path());
        for (const char* sotto : {"spool", "tmp", "cache", "state", "ppd", "uscita"})
            d.mkpath(sotto);
        QFile::setPermissions(d.filePath("tmp"), QFile::Permissions(0x7777));
        presa = d.filePath("cups.sock");
        scrivi("cupsd.conf", "Listen " + presa.toUtf8() + "\nLogLevel warn\nBrowsing No\nWebInterface No\n"
                             "DefaultAuthType None\n<Location />\nOrder allow,deny\nAllow all\n</Location>\n"
                             "<Policy default>\n<Limit All>\nOrder deny,allow\n</Limit>\n</Policy>\n");
        QByteArray file;
        for (const auto& [chiave, valore] : {std::pair{"ServerRoot", ""}, {"RequestRoot", "/spool"}, {"TempDir", "/tmp"},
                                             {"CacheDir", "/cache"}, {"StateDir", "/state"}, {"ErrorLog", "/error_log"},
                                             {"AccessLog", "/access_log"}, {"PageLog", "/page_log"},
                                             {"Printcap", "/printcap"}})
            file += QByteArray(chiave) + ' ' + cartella.path().toUtf8() + valore + '\n';
        scrivi("cups-files.conf", file + "FileDevice Yes\n");
        scrivi("copia", "#!/bin/sh\nexec cat \"${6:--}\"\n");
        QFile::setPermissions(d.filePath("copia"), QFile::Permissions(0x7755));
        for (const char* carta : {"A4", "Letter"})
            scrivi(QString("%1.ppd").arg(carta), ppd(carta).replace("FILTRO", d.filePath("copia").toUtf8()));

        qputenv("CUPS_SERVER", presa.toUtf8());
        cupsSetServer(presa.toUtf8().constData());
        processo.setProcessChannelMode(QProcess::MergedChannels);
        processo.start(cupsd, {"-f", "-c", d.filePath("cupsd.conf"), "-s", d.filePath("cups-files.conf")});
        if (!processo.waitForStarted(5000)) {
            errore = "cupsd could not be started: " + processo.errorString();
            return;
        }
        QElapsedTimer attesa;
        attesa.start();
        while (!esegue("lpstat", {"-r"}).contains("is running") && attesa.elapsed() < 10000)
            QThread::msleep(100);
        for (const char* carta : {"A4", "Letter"}) {
            const QString coda = QString("Prova%1").arg(carta);
            if (esegue("lpadmin", {"-p", coda, "-E", "-v", "file://" + uscita(coda), "-P", d.filePath(QString("%1.ppd").arg(carta))})
                    .isNull()) {
                errore = "the private scheduler did not start or took no queue: "
                         + QString::fromUtf8(processo.readAll() + log());
                return;
            }
        }
        // The queue a user's studio sets as its default: Letter, so the printer is not A4 by itself.
        esegue("lpadmin", {"-d", "ProvaLetter"});
    }

    ~Scheduler()
    {
        if (processo.state() != QProcess::NotRunning) {
            processo.terminate();
            if (!processo.waitForFinished(5000))
                processo.kill();
            processo.waitForFinished(2000);
        }
        cupsSetServer(nullptr);
        qunsetenv("CUPS_SERVER");
    }

    // Points the CUPS library at this scheduler again (after a test pointed it elsewhere).
    void riprendi() const
    {
        qputenv("CUPS_SERVER", presa.toUtf8());
        cupsSetServer(presa.toUtf8().constData());
    }

    QString uscita(const QString& coda) const { return QDir(cartella.path()).filePath("uscita/" + coda + ".pdf"); }

    // Runs a CUPS command on this scheduler: its output, null when it failed.
    QString esegue(const QString& comando, const QStringList& argomenti)
    {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(comando, argomenti);
        if (!p.waitForFinished(20000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            return QString();
        return QString::fromUtf8(p.readAll()) + ' ';
    }

    // Waits until the queue has no job left to do; false after 30 s.
    bool finiti(const QString& coda)
    {
        QElapsedTimer attesa;
        attesa.start();
        while (attesa.elapsed() < 30000) {
            cups_job_t* lavori = nullptr;
            const int attivi = cupsGetJobs2(CUPS_HTTP_DEFAULT, &lavori, coda.toUtf8().constData(), 0, CUPS_WHICHJOBS_ACTIVE);
            cupsFreeJobs(std::max(attivi, 0), lavori);
            if (attivi == 0)
                return true;
            QThread::msleep(100);
        }
        return false;
    }

    QByteArray log() const
    {
        QFile f(QDir(cartella.path()).filePath("error_log"));
        return f.open(QIODevice::ReadOnly) ? f.readAll().right(2000) : QByteArray();
    }

private:
    void scrivi(const QString& nome, const QByteArray& testo)
    {
        QFile f(QDir(cartella.path()).filePath(nome));
        if (f.open(QIODevice::WriteOnly))
            f.write(testo);
    }

    QTemporaryDir cartella{QDir::tempPath() + "/velmor-cups-XXXXXX"};
    QString presa;
    QProcess processo;
};

class StampaCups : public ConArchivi {
protected:
    static void SetUpTestSuite() { scheduler = new Scheduler; }
    static void TearDownTestSuite()
    {
        delete scheduler;
        scheduler = nullptr;
    }
    void SetUp() override
    {
        ConArchivi::SetUp();
        if (!scheduler->errore.isEmpty())
            GTEST_SKIP() << "no print scheduler: " << qPrintable(scheduler->errore);
        // The program's own printing: the printer itself, and the print system asked through CUPS.
        servizi::installa(static_cast<servizi::Stampa*>(nullptr));
        servizi::installa(static_cast<servizi::CodeStampa*>(nullptr));
    }
    void TearDown() override
    {
        servizi::installa(&doppi::stampa());
        servizi::installa(&doppi::code());
        ConArchivi::TearDown();
    }

    // n complete segments: enough for the network table to run over pages.
    static void rete(int n)
    {
        treTratti();
        for (int i = 4; i <= n; ++i)
            for (Tratti* t : campitratto())
                (*t)[i] = (*t)[1 + i % 3];
        numerotratti = n;
        frontespizioCompleto();
    }

    // The report printed on `coda`, with `scelta` made in the print dialog too.
    static void stampaSu(const QString& coda, std::function<void(QPrinter&)> scelta = {})
    {
        dialoghi().sceltaStampante = [coda, scelta](QPrinter& p) {
            p.setPrinterName(coda);
            if (scelta)
                scelta(p);
        };
        frontespizio& f = finestre::forma<frontespizio>();
        f.comestampo[1]->setChecked(true);
        f.stampa_Click();
    }

    static QStringList messaggiVisti()
    {
        QStringList testi;
        for (const MessaggioVisto& m : messaggi().visti)
            testi << m.testo;
        return testi;
    }

    static Scheduler* scheduler;
};

Scheduler* StampaCups::scheduler = nullptr;

TEST_F(StampaCups, SuCodaA4ESuCodaLetterLaRelazioneEsceSuA4ConOgniPiede)
{
    rete(120);
    for (const QString coda : {"ProvaA4", "ProvaLetter"}) {
        SCOPED_TRACE(qPrintable(coda));
        messaggi().visti.clear();
        // Qt's print dialog leaves the queue's own paper on the printer; the user answers to print on A4.
        stampaSu(coda, [coda](QPrinter& p) {
            if (coda == "ProvaLetter")
                p.setPageSize(QPageSize(QPageSize::Letter));
        });
        const int domande = coda == "ProvaLetter" ? 1 : 0;
        EXPECT_EQ(messaggiVisti().size(), domande) << qPrintable(messaggiVisti().join('\n'));
        ASSERT_TRUE(scheduler->finiti(coda)) << scheduler->log().constData();
        const QString pdf = scheduler->uscita(coda);
        const QString info = esegui("pdfinfo", {pdf});
        ASSERT_FALSE(info.isNull()) << "the queue wrote no pages; " << scheduler->log().constData();
        // 595 x 842 points: the A4 the report is laid out for, whatever the queue's own paper.
        EXPECT_TRUE(info.contains(QRegularExpression(R"(Page size:\s+595(\.\d+)? x 84[12](\.\d+)? pts)"))) << qPrintable(info);
        EXPECT_TRUE(info.contains(QRegularExpression(R"(Title:\s+Velmor - relazione tecnica - Fognatura, lotto 2)")))
            << qPrintable(info);

        const int pagine = paginePdf(pdf);
        ASSERT_GE(pagine, 4);
        const QStringList fogli = esegui("pdftotext", {"-layout", pdf, "-"}).split(u'\f');
        ASSERT_GE(fogli.size(), pagine);
        // The title page has no foot; every other page ends with its own number, once.
        for (int k = 2; k <= pagine; ++k) {
            const QStringList righe = fogli[k - 1].trimmed().split(u'\n');
            EXPECT_EQ(righe.last().simplified(), QString("pagina %1").arg(k)) << "page " << k;
            EXPECT_EQ(fogli[k - 1].count(QRegularExpression(R"(pagina\s+\d+)")), 1) << "page " << k;
        }
        EXPECT_TRUE(fogli[pagine - 1].simplified().contains(QString("composta di n. %1 pagine").arg(pagine)))
            << qPrintable(fogli[pagine - 1]);
        QFile::remove(pdf);
    }
}

TEST_F(StampaCups, CodaCheRifiutaOCartaLetterRifiutataNonStampanoNullaEDiconoPerche)
{
    rete(3);
    ASSERT_FALSE(scheduler->esegue("cupsreject", {"-r", "toner esaurito", "ProvaA4"}).isNull());
    stampaSu("ProvaA4");
    ASSERT_FALSE(scheduler->esegue("cupsreject", {"ProvaA4"}).isNull()); // no reason given
    stampaSu("ProvaA4");
    scheduler->esegue("cupsaccept", {"ProvaA4"});
    messaggi().risposte = {vbNo};
    stampaSu("ProvaLetter", [](QPrinter& p) { p.setPageSize(QPageSize(QPageSize::Letter)); });

    const QStringList visti = messaggiVisti();
    ASSERT_EQ(visti.size(), 3) << qPrintable(visti.join('\n'));
    // The administrator's reason, or the queue closed; and what the user can do.
    EXPECT_TRUE(visti[0].startsWith("La stampante ProvaA4 non accetta lavori (toner esaurito)"))
        << qPrintable(visti[0]);
    EXPECT_TRUE(visti[1].startsWith("La stampante ProvaA4 non accetta lavori (la coda di stampa è chiusa)"))
        << qPrintable(visti[1]);
    for (int k : {0, 1})
        EXPECT_TRUE(visti[k].contains("Scegliere un'altra stampante")) << qPrintable(visti[k]);
    EXPECT_TRUE(visti[2].contains("impostata sul formato US Letter")) << qPrintable(visti[2]);
    for (const char* coda : {"ProvaA4", "ProvaLetter"}) {
        EXPECT_TRUE(scheduler->finiti(coda));
        EXPECT_FALSE(QFile::exists(scheduler->uscita(coda))) << coda << " printed";
    }
}

// A project name that makes the job's name longer than the print system takes: the job is cut
// to the limit, prints, and is found by its number: no word of a job not accepted.
TEST_F(StampaCups, UnNomeDiProgettoLunghissimoStampaESiTrova)
{
    const struct {
        const char* cosa;
        QString progetto;
    } casi[] = {
        {"227 letters", QString(227, u'p')},
        {"accented letters across the limit", QString::fromUtf8("Fognatura ") + QString(200, u'\u00e0')},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.cosa);
        rete(3);
        frontespizio& f = finestre::forma<frontespizio>();
        f.progetto->setText(c.progetto);
        messaggi().visti.clear();
        messaggi().risposte = {vbOK, vbOK};
        stampaSu("ProvaA4");
        // The 60-character advice of the title page may come; never a print failure.
        for (const QString& m : messaggiVisti())
            EXPECT_FALSE(m.contains("non è stato stampato") || m.contains("non risponde")) << qPrintable(m);
        ASSERT_TRUE(scheduler->finiti("ProvaA4")) << scheduler->log().constData();
        EXPECT_TRUE(QFile::exists(scheduler->uscita("ProvaA4"))) << "nothing printed; " << scheduler->log().constData();
        QFile::remove(scheduler->uscita("ProvaA4"));
    }
}

// The scheduler stops while the print dialog is open: the user hears that the print service does
// not answer (the printer is known), and nothing is drawn.
TEST_F(StampaCups, UnServizioDiStampaCheNonRispondeEDettoCosi)
{
    rete(3);
    const QByteArray morta = QDir::temp().filePath("velmor-nessuno.sock").toUtf8();
    stampaSu("ProvaA4", [morta](QPrinter&) {
        qputenv("CUPS_SERVER", morta);
        cupsSetServer(morta.constData());
    });
    scheduler->riprendi();
    const QStringList visti = messaggiVisti();
    ASSERT_EQ(visti.size(), 1) << qPrintable(visti.join('\n'));
    EXPECT_TRUE(visti[0].startsWith("Il servizio di stampa del sistema non risponde: non è stato stampato nulla sulla "
                                    "stampante ProvaA4."))
        << qPrintable(visti[0]);
    EXPECT_TRUE(visti[0].contains("Controllare che il servizio di stampa sia attivo")) << qPrintable(visti[0]);
    EXPECT_TRUE(scheduler->finiti("ProvaA4"));
    EXPECT_FALSE(QFile::exists(scheduler->uscita("ProvaA4")));
}

} // namespace
