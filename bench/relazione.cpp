// Time of the technical report for 500 segments and 50 pipes, in both
// renderings, run from the title page as the user runs it: the document
// (built and written as .docx) and the printer rendering drawn into a PDF,
// repeated in this one process (warm).
// The same document built by python-docx (relazione_docx.py: the same page, column widths,
// heading rows, rows kept whole, styles and page-count field) is the peer, and both sides are
// timed alike: each run a process just started (cold), ours and python-docx's in turn, for the
// document alone (measured inside each process) and for the whole process; the two documents
// are then compared, and a difference fails the bench.
//   bench_relazione [--prova] [folder]
//       --prova   one run on a network of 12 segments and 2 pipes, to see that the bench works
//       folder    also leaves the complete data file, the PDF and the .docx of the last run there
//   bench_relazione --comando FILE folder
//       one process of the program's own: reads the complete data file FILE as the network
//       window's open command does and builds the report's document into folder, printing the
//       milliseconds of the document alone
#include "frame/ModVelmor.h"
#include "frame/applicazione.h"
#include "frame/finestre.h"
#include "frame/servizi.h"
#include "office/applicazione.h"
#include "office/consegna.h"
#include "office/impaginazione.h"
#include "office/superficiestampante.h"
#include "archivi/archivi.h"
#include "frame/aggiornamenti.h"
#include "report/frontespizio.h"
#include "report/relazione.h"
#include "report/relazioneword.h"
#include "frame/record.h"
#include "network/dati.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPrinter>
#include <QRadioButton>
#include <QTemporaryDir>
#include <algorithm>
#include <optional>
#include <cstdio>
#include <vector>

using namespace vb;

namespace {

// The print dialog always accepts; the report is drawn into a PDF file.
class DialoghiBench : public servizi::Dialoghi {
public:
    std::optional<QString> daAprire; // the file the open dialog chooses
    std::optional<QString> file(const servizi::RichiestaFile&) override { return daAprire; }
    std::optional<QColor> colore(const QColor&) override { return std::nullopt; }
    bool stampante(QPrinter&) override { return true; }
};

class PdfBench : public servizi::Stampa {
public:
    QString percorso;
    std::shared_ptr<office::Superficie> superficie(QPrinter& stampante) override
    {
        office::preparaPdf(stampante, percorso);
        return std::make_shared<office::SuperficieStampante>(stampante);
    }
};

class MessaggiBench : public servizi::Messaggi {
public:
    int mostra(const QString& testo, int, const QString&) override
    {
        std::fprintf(stderr, "messaggio: %s\n", qPrintable(testo));
        return vbOK;
    }
};

// A network of segments of every kind of surface and slope, and its pipes.
void riempiDati(int numero, int tubi)
{
    using namespace ModVelmor;
    impostaTipiSuperficie();
    sistema = "misto";
    const char* pendenze[] = {" 0.5%", " 2.5%", " 5.0%", " 8.5%", "12.5%", "18.5%"};
    for (int t = 1; t <= numero; ++t) {
        const int tipo = 1 + t % 10;
        lunghezza[t] = Valore(QString::number(40 + (t * 37) % 160));
        dislivello[t] = Valore(QString::number(0.2 + (t % 9) * 0.15, 'f', 2));
        portatacollettori[t] = Valore(QString::number((t % 5) * 3.5));
        tiposuperficie[t] = Valore(tipisuperficie[tipo]);
        coefsuperficie[t] = Valore(QString::number(coefficientisuperficie[tipo]));
        numerosuperficie[t] = Valore(tipo);
        pendenza[t] = Valore(pendenze[t % 6]);
        coefpendenza[t] = Valore(0.01 * (t % 6));
        abitanti[t] = Valore(QString::number(50 + t * 7));
        dotazione[t] = Valore("250");
        superficie[t] = Valore(QString::number(0.4 + (t % 13) * 0.1, 'f', 2));
        pioggia[t] = Valore("40");
        riempimento[t] = Valore(QString::number(70 + t % 31));
    }
    numerotratti = numero;
    for (int j = 1; j <= tubi; ++j) {
        riferimento[j] = Valore("collettore " + QString::number(j));
        materiale[j] = j % 2 ? "calcestruzzo" : "gres";
        pesos[j] = Valore(j % 2 ? 2500 : 2200);
        compr[j] = Valore(80);
        traz[j] = Valore(40);
        diam[j] = Valore(30 + (j % 8) * 10);
        spess[j] = Valore(40 + (j % 5) * 10);
        altez[j] = Valore(100 + (j % 6) * 30);
        pesot[j] = Valore(1800);
        attr[j] = Valore(30);
        incr[j] = Valore(2);
        press[j] = Valore(8);
        bmin[j] = Valore(20);
        bmax[j] = Valore(50);
    }
    numerotubi = Valore(tubi);
    archivi::impostaFrontespizio({"Fognatura del centro storico", "Borgo San Lorenzo", "progetto esecutivo",
                                  "Comune di Borgo San Lorenzo", "Firenze", "7 dicembre 2026", "planimetrie, profili"});
    emit Aggiornamenti::istanza().reteCambiata();
}

QJsonObject carattereJson(const office::Carattere& c)
{
    return QJsonObject{{"carattere", c.nome}, {"dimensione", c.dimensione}, {"grassetto", c.grassetto}};
}

// The document as JSON, for python-docx to build the same: the page, each paragraph with its
// format and runs (a field's instruction with its shown result), each table with the column
// widths and cell margins the .docx writer gives it, its heading rows, format, font and cells.
// Pictures have no counterpart there: a document with any is refused.
std::optional<QByteArray> comeJson(const office::ModelloDocumento& m)
{
    if (!m.immagini.empty()) {
        std::fprintf(stderr, "il documento ha figure, che la copia python-docx non costruisce\n");
        return std::nullopt;
    }
    const office::FormatoCarta carta = office::formatoCarta(m.numeroCarta);
    const int larghezzaUtile = carta.larghezza - 2 * office::margineSinistraDestra;
    QJsonArray blocchi;
    for (const office::Blocco& b : m.blocchi) {
        QJsonObject blocco;
        if (b.tabella >= 0) {
            const office::Tabella& t = m.tabelle[size_t(b.tabella)];
            const office::DisposizioneTabella disposizione = office::disposizioneTabella(t, larghezzaUtile);
            QJsonArray celle, larghezze;
            for (const office::Cella& c : t.celle)
                celle.append(QJsonObject{{"testo", c.testo}, {"allineamento", c.allineamento}});
            for (int l : disposizione.larghezze)
                larghezze.append(l);
            QJsonObject tabella = carattereJson(t.carattere);
            tabella["righe"] = t.righe;
            tabella["colonne"] = t.colonne;
            tabella["interlinea"] = t.interlinea;
            tabella["formato"] = t.formatoAutomatico;
            tabella["intestazione"] = t.intestazione();
            tabella["larghezze"] = larghezze;
            tabella["margine"] = disposizione.margineCella;
            tabella["celle"] = celle;
            blocco["tabella"] = tabella;
        } else {
            const office::Paragrafo& p = b.paragrafo;
            QJsonArray frammenti;
            for (const office::Frammento& f : p.frammenti) {
                QJsonObject frammento = carattereJson(f.carattere);
                frammento["testo"] = f.testo;
                if (!f.campo.isEmpty())
                    frammento["campo"] = f.campo;
                frammenti.append(frammento);
            }
            QJsonObject paragrafo{{"allineamento", p.formato.allineamento}, {"interlinea", p.formato.interlinea},
                                  {"salto", p.interruzionePrima}, {"frammenti", frammenti}};
            if (p.frammenti.empty())
                paragrafo["segno"] = carattereJson(p.segno);
            blocco["paragrafo"] = paragrafo;
        }
        blocchi.append(blocco);
    }
    const office::Carattere predefinito;
    const QJsonObject pagina{{"larghezza", carta.larghezza}, {"altezza", carta.altezza},
                             {"sopra", office::margineSopraSotto}, {"sotto", office::margineSopraSotto},
                             {"sinistra", office::margineSinistraDestra}, {"destra", office::margineSinistraDestra}};
    return QJsonDocument(QJsonObject{{"pagina", pagina},
                                     {"carattere", QJsonObject{{"nome", predefinito.nome},
                                                               {"dimensione", predefinito.dimensione}}},
                                     {"blocchi", blocchi}})
        .toJson(QJsonDocument::Compact);
}

// A process's run: its whole time from start to end in milliseconds and what it printed, or
// nothing when it could not run or failed.
struct Processo {
    double ms = 0;
    QByteArray uscita;
};
std::optional<Processo> esegui(const QString& programma, const QStringList& argomenti)
{
    QProcess p;
    QElapsedTimer t;
    t.start();
    p.start(programma, argomenti);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(programma), p.readAllStandardError().constData());
        return std::nullopt;
    }
    return Processo{t.nsecsElapsed() / 1e6, p.readAllStandardOutput()};
}

const QString python = QStringLiteral("/usr/bin/python3");
const QString copione = QStringLiteral(VELMOR_BANCO "/relazione_docx.py");

bool conPythonDocx()
{
    return QProcess::execute(python, {QStringLiteral("-c"), QStringLiteral("import docx")}) == 0;
}

// The program's own process: the complete data file opened as the network window opens it, the
// report's checks and recomputation, then the report's document built and written to `cartella`
// as the title page's print command does; prints the milliseconds of the document alone (built,
// paginated for its page count, written), which python-docx's side prints for its own.
int comando(DialoghiBench& dialoghi, const QString& file, const QString& cartella)
{
    office::impostaCartellaDocumenti(cartella);
    dialoghi.daAprire = file;
    finestre::forma<dati>().apritutto_Click();
    frontespizio& f = finestre::forma<frontespizio>();
    if (!relazione::prepara())
        return 1;
    QElapsedTimer t;
    t.start();
    relazione::Contesto ctx(f.testiRelazione());
    relazione::stampaWord(ctx);
    const double ms = t.nsecsElapsed() / 1e6;
    if (QDir(cartella).entryList({QStringLiteral("*.docx")}).isEmpty())
        return 1;
    std::printf("%.1f\n", ms);
    return 0;
}

double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QStringList argomenti;
    for (int i = 1; i < argc; ++i)
        argomenti << QString::fromLocal8Bit(argv[i]);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    applicazione::prepara();
    ModVelmor::inizializza();
    DialoghiBench dialoghi;
    PdfBench pdf;
    MessaggiBench messaggi;
    servizi::installa(&dialoghi);
    servizi::installa(&pdf);
    servizi::installa(&messaggi);
    office::impostaApriFile([](const QString&) { return true; });
    if (argomenti.size() == 3 && argomenti[0] == QLatin1String("--comando"))
        return comando(dialoghi, argomenti[1], argomenti[2]);

    const bool prova = argomenti.removeAll(QStringLiteral("--prova")) > 0;
    const int giri = prova ? 1 : 7;
    QTemporaryDir temporanea;
    const QString cartella = !argomenti.isEmpty() ? argomenti[0] : temporanea.path();
    QDir().mkpath(cartella);
    office::impostaCartellaDocumenti(cartella);

    if (prova)
        riempiDati(12, 2);
    else
        riempiDati(ModVelmor::massimotratti, ModVelmor::massimotubi);
    const QString completo = QDir(cartella).filePath("Velmor-completa-prova");
    if (!record::salvaFile(completo, archivi::componi(archivi::Tipo::completo, archivi::testiFrontespizio())).isEmpty())
        return 1;

    frontespizio& f = finestre::forma<frontespizio>();
    // The whole command as the user runs it (checks, recomputation, the document built, paginated
    // for its page count and written to the documents folder), and the document alone (after the
    // checks), which is what python-docx is compared with: building and saving the same document.
    std::vector<double> comando, word, carta;
    relazione::Contesto ctx(f.testiRelazione()); // the document alone is built here, and kept
    for (int giro = 0; giro < giri; ++giro) {
        QElapsedTimer t;
        f.comestampo[2]->setChecked(true);
        t.start();
        f.stampa_Click();
        comando.push_back(t.nsecsElapsed() / 1e6);
        t.start();
        relazione::stampaWord(ctx);
        word.push_back(t.nsecsElapsed() / 1e6);
        if (!ctx.documento || !ctx.documento->SaveAs(QDir(cartella).filePath("relazione.docx")))
            return 1;

        pdf.percorso = QDir(cartella).filePath("relazione.pdf");
        f.comestampo[1]->setChecked(true);
        t.start();
        f.stampa_Click();
        carta.push_back(t.nsecsElapsed() / 1e6);
    }
    // The parts: the checks and recomputation, the pagination behind the page count, the writing.
    QElapsedTimer t;
    t.start();
    if (!relazione::prepara())
        return 1;
    const double preparazione = t.nsecsElapsed() / 1e6;
    t.start();
    const int pagine = ctx.documento->numeroPagine();
    const double impaginazione = t.nsecsElapsed() / 1e6;
    t.start();
    ctx.documento->SaveAs(QDir(cartella).filePath("relazione.docx"));
    const double scrittura = t.nsecsElapsed() / 1e6;

    const QString json = QDir(cartella).filePath("relazione.json");
    const std::optional<QByteArray> contenuto = comeJson(ctx.documento->modello());
    QFile j(json);
    if (!contenuto || !j.open(QIODevice::WriteOnly) || j.write(*contenuto) < 0)
        return 1;
    j.close();
    std::printf("relazione di %d tratti e %d tubi (mediane):\n"
                "  nello stesso processo, ripetuti (a caldo):\n"
                "    comando Stampa con Word, tutto compreso: %.1f ms (controlli e ricalcolo %.1f ms)\n"
                "    documento .docx costruito e scritto:     %.1f ms (impaginazione di %d pagine %.1f ms, "
                "scrittura %.1f ms)\n"
                "    stampa in PDF attraverso QPrinter:       %.1f ms\n",
                ModVelmor::numerotratti, int(ModVelmor::numerotubi.numero()), mediana(comando), preparazione,
                mediana(word), pagine, impaginazione, scrittura, mediana(carta));
    if (!conPythonDocx()) {
        std::printf("  python-docx non disponibile (installare python3-docx)\n");
        return prova ? 0 : 1;
    }

    // Both sides alike, each run a process just started (cold), the two taken in turn: this
    // program (start, data file read, checks, document built and written) and python-docx
    // (start, contents read, the same document built and written). Each also prints the time of
    // its document alone, measured inside it from the start of the building to the file written.
    const QString docxPython = QDir(cartella).filePath("relazione-python-docx.docx");
    const QString documenti = QDir(cartella).filePath("documenti");
    std::vector<double> documentoVelmor, documentoPython, processoPython, processoVelmor;
    for (int giro = 0; giro < (prova ? 1 : 5); ++giro) {
        QDir(documenti).removeRecursively();
        QDir().mkpath(documenti);
        const auto nostro = esegui(QCoreApplication::applicationFilePath(), {QStringLiteral("--comando"), completo, documenti});
        const auto loro = esegui(python, {copione, json, docxPython});
        if (!nostro || !loro)
            return 1;
        processoVelmor.push_back(nostro->ms);
        processoPython.push_back(loro->ms);
        documentoVelmor.push_back(nostro->uscita.trimmed().toDouble());
        documentoPython.push_back(loro->uscita.trimmed().toDouble());
    }
    // The document the last process of ours wrote and python-docx's, read back and compared: page,
    // columns, heading rows, rows kept whole, table format, styles, fonts, the page-count field, text.
    const QStringList scritti = QDir(documenti).entryList({QStringLiteral("*.docx")});
    const auto confronto = scritti.isEmpty() ? std::nullopt
                                             : esegui(python, {copione, QStringLiteral("--confronta"), docxPython,
                                                               QDir(documenti).filePath(scritti.first())});
    std::printf("  ogni volta in un processo appena avviato (a freddo), alternati, da entrambe le parti:\n"
                "    documento .docx costruito e scritto: Velmor %.1f ms, python-docx %.1f ms, rapporto %.1f\n"
                "    processo intero, avvio compreso:     Velmor %.1f ms, python-docx %.1f ms, rapporto %.1f\n"
                "    i due documenti: %s\n",
                mediana(documentoVelmor), mediana(documentoPython), mediana(documentoPython) / mediana(documentoVelmor),
                mediana(processoVelmor), mediana(processoPython), mediana(processoPython) / mediana(processoVelmor),
                confronto ? "stessa pagina, colonne, intestazioni, righe, stili, caratteri, campo e testo"
                          : "DIVERSI (vedi sopra)");
    return confronto ? 0 : 1;
}
