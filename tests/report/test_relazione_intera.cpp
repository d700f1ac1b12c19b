// The whole report as the user makes it: a complete file opened in the network window, then the
// report from the title page, printed (into a PDF through QPrinter) and as a document (turned into
// a PDF by LibreOffice). The text of both PDFs is read back and compared, in order, with what the
// report's own text sources say it must hold.
#include "supporto/ambientedocumento.h"
#include "supporto/doppi.h"
#include "supporto/programmi.h"

#include "frame/ModVelmor.h"
#include "frame/cp1252.h"
#include "frame/finestre.h"
#include "network/dati.h"
#include "office/documento.h"
#include "office/formastampa.h"
#include "report/frontespizio.h"
#include "report/relazione.h"
#include "report/relazionefrontespizio.h"
#include "report/relazionerete.h"
#include "report/relazionesismica.h"
#include "report/relazionetabelle.h"
#include "report/testiidraulica.h"
#include "seismic/campitubo.h"
#include "seismic/tabellatubi.h"

#include <QFile>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>

using namespace ModVelmor;
using namespace doppi;
using namespace relazione;
namespace campo = tubazioni::campo;

namespace {

struct Caso {
    const char* sistema;
    int tratti; // enough for the network table to run over pages in both renderings
    int tubi;
};

// What a rendering must show, in order: a line of its own that appears once (a heading, a
// table row), a line of its own (a printed line of prose), or a text that may run over lines
// (a paragraph of the document). Texts compare with their blanks collapsed.
struct Atteso {
    enum class Tipo { rigaUnica, riga, testo };
    QString testo;
    Tipo tipo;
};

enum class Resa { stampante, documento };

// The complete file the user opens, as the program writes it: the segment count, a line a segment
// (its thirteen fields and the network type), the pipe count (nothing without pipes), a line a
// pipe, the title page. Segments of every surface type and of several slope classes; pipes of two
// materials, their weight per metre left for the program to work out.
QByteArray fileCompleto(const Caso& c)
{
    impostaTipiSuperficie(); // the surface types and coefficients the network window offers
    const auto testo = [](const QString& t) { return '"' + t + '"'; };
    const char* pendenze[] = {" 0.5%", " 2.5%", " 5.0%", " 8.5%", "12.5%", "18.5%"};
    QStringList righe{QString::number(c.tratti)};
    for (int t = 1; t <= c.tratti; ++t) {
        const int tipo = 1 + t % 10;
        righe << QStringList{testo(QString::number(40 + t * 37 % 160)),
                             testo(QString::number(0.2 + t % 9 * 0.15, 'f', 2)),
                             testo(tipisuperficie[tipo]),
                             testo(QString::number(coefficientisuperficie[tipo])),
                             testo(pendenze[t % 6]),
                             QString::number(0.01 * (t % 6)),
                             QString::number(t % 5 * 3.5),
                             testo(QString::number(50 + t * 7)),
                             "250",
                             testo(QString::number(0.4 + t % 13 * 0.1, 'f', 2)),
                             testo("40"),
                             QString::number(tipo),
                             QString::number(70 + t % 31),
                             testo(c.sistema)}
                     .join(u',');
    }
    righe << (c.tubi > 0 ? QString::number(c.tubi) : QString());
    for (int j = 1; j <= c.tubi; ++j)
        righe << QStringLiteral("\"collettore %1\",\"%2\",%3,80,40,%4,%5,,%6,1800,30,2,8,20,50")
                     .arg(j)
                     .arg(j % 2 ? "calcestruzzo" : "gres")
                     .arg(j % 2 ? 2500 : 2200)
                     .arg(30 + j % 8 * 10)
                     .arg(40 + j % 5 * 10)
                     .arg(100 + j % 6 * 30);
    righe << QString::fromUtf8("\"Fognatura del centro storico\",\"Borgo Città\",\"progetto esecutivo\","
                               "\"Comune di Borgo\",\"Borgo\",\"7 dicembre 2026\",\"planimetrie, profili\"");
    return cp1252::codifica(righe.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

// The same number of decimals in a column, the locale's separator: a stress, in both renderings.
QString sigmaIn(const Valore& v) { return testoTabella(v, QStringLiteral("0.00")); }

QString unaRiga(const QStringList& parti)
{
    QStringList piene;
    for (const QString& p : parti)
        if (!p.trimmed().isEmpty())
            piene << p;
    return piene.join(u' ').simplified();
}

QString rigaTratto(Resa resa, int i)
{
    // Both renderings write the same texts; the printer cuts the slope's "%".
    QStringList celle = celleTratto(i);
    if (resa == Resa::stampante)
        celle[4].chop(1);
    return unaRiga(celle);
}

QString rigaSigma(Resa, int j)
{
    QStringList parti{QString::number(j), tubazioni::valoreCampo(campo::riferimento, j).testo(),
                      tubazioni::valoreCampo(campo::materiale, j).testo()};
    for (const auto* s : {&sigmasuperiore, &sigmamediana, &sigmainferiore})
        for (int lato : {1, 2})
            parti << sigmaIn((*s)[lato][j]);
    return unaRiga(parti);
}

QString rigaDatiTubo(Resa, int j)
{
    QStringList parti{QString::number(j)};
    for (int c = campo::pesos; c <= campo::bmax; ++c)
        parti << testoTabella(tubazioni::valoreCampo(c, j));
    return unaRiga(parti);
}

void capoverso(QList<Atteso>& attesi, Resa resa, const Capoverso& c)
{
    if (resa == Resa::documento) {
        attesi.append({testoDocumento(c), Atteso::Tipo::testo});
        return;
    }
    for (const QString& r : righeStampate(c))
        attesi.append({r, Atteso::Tipo::riga});
}

// The heading comes again on each page the table runs over.
void tabella(QList<Atteso>& attesi, Resa resa, const QList<RigaTabella>& righe)
{
    for (const RigaTabella& r : righe)
        attesi.append({resa == Resa::documento ? unaRiga(r.celle) : r.riga,
                       &r == &righe.front() ? Atteso::Tipo::riga : Atteso::Tipo::rigaUnica});
}

void formula(QList<Atteso>& attesi, Resa resa, const TestiFormula& t)
{
    attesi.append({t.titolo, Atteso::Tipo::rigaUnica});
    capoverso(attesi, resa, t.prima);
    attesi.append({t.introduzione, Atteso::Tipo::riga});
    attesi.append({t.formula, Atteso::Tipo::riga});
    // The document puts the legend's opening on a line of its own.
    for (const QString& r : t.legenda)
        attesi.append({r, resa == Resa::stampante ? Atteso::Tipo::riga : Atteso::Tipo::testo});
    for (const Capoverso& c : t.dopo)
        capoverso(attesi, resa, c);
}

QList<Atteso> acqueBianche(Resa resa)
{
    const TestiAcqueBianche& t = testiAcqueBianche();
    QList<Atteso> attesi{{t.titolo, Atteso::Tipo::rigaUnica}};
    for (const Capoverso* c : {&t.a, &t.b, &t.c})
        capoverso(attesi, resa, *c);
    tabella(attesi, resa, tabellaDeflusso());
    for (const Capoverso* c : {&t.d, &t.e, &t.f})
        capoverso(attesi, resa, *c);
    tabella(attesi, resa, tabellaPendenze());
    if (resa == Resa::documento)
        attesi.append({t.g, Atteso::Tipo::testo});
    return attesi;
}

// The report's texts in order, for the data of the open file; `pagine` the count the closing must give.
QList<Atteso> relazioneAttesa(Resa resa, int pagine)
{
    QList<Atteso> attesi{{sottotitolo(sistema), Atteso::Tipo::rigaUnica}};
    if (conAcqueBianche(sistema))
        attesi += acqueBianche(resa);
    if (conAcqueNere(sistema))
        formula(attesi, resa, testiAcqueNere());
    formula(attesi, resa, testiCollettore());
    attesi.append({titoloRete, Atteso::Tipo::rigaUnica});
    for (int i = 1; i <= numerotratti; ++i)
        attesi.append({rigaTratto(resa, i), Atteso::Tipo::rigaUnica});
    if (conTubi()) {
        attesi.append({titoloSismica, Atteso::Tipo::rigaUnica});
        for (int j = 1; j <= tubazioni::numeroTubi(); ++j)
            attesi.append({rigaSigma(resa, j), Atteso::Tipo::rigaUnica});
        for (int j = 1; j <= tubazioni::numeroTubi(); ++j)
            attesi.append({rigaDatiTubo(resa, j), Atteso::Tipo::rigaUnica});
    }
    attesi.append(
        {QString::fromUtf8("La presente relazione è composta di n. %1 pagine.").arg(pagine), Atteso::Tipo::rigaUnica});
    return attesi;
}

// The lines of a PDF's text, blanks collapsed, empty lines left out.
QStringList righeDi(const QString& testo)
{
    QStringList righe;
    for (const QString& r : testo.split(QRegularExpression("[\\n\\f]")))
        if (const QString s = r.simplified(); !s.isEmpty())
            righe << s;
    return righe;
}

// Each expected text found in order, lines as lines, headings and rows once. The first few
// faults are told; past them, so many more would only hide the first.
void confronta(const QString& testo, const QList<Atteso>& attesi)
{
    constexpr int guastiDetti = 10;
    const QStringList righe = righeDi(testo);
    const QString tutto = righe.join(u' ');
    qsizetype dove = 0;
    int guasti = 0;
    for (const Atteso& a : attesi) {
        const QString cercato = a.testo.simplified();
        const qsizetype trovato = tutto.indexOf(cercato, dove);
        const qsizetype volte = righe.count(cercato);
        const bool comeRiga = a.tipo == Atteso::Tipo::testo || (a.tipo == Atteso::Tipo::riga ? volte >= 1 : volte == 1);
        if (trovato < 0 || !comeRiga) {
            ADD_FAILURE() << (trovato < 0 ? "missing or out of order: " : "not once as a line of its own: ")
                          << qPrintable(cercato) << " (lines: " << volte << ")";
            if (++guasti == guastiDetti)
                return;
        }
        if (trovato >= 0)
            dove = trovato + cercato.size();
    }
}

// None of the texts anywhere.
void assenti(const QString& testo, const QList<Atteso>& vietati)
{
    const QStringList righe = righeDi(testo);
    const QString tutto = righe.join(u' ');
    for (const Atteso& a : vietati) {
        const QString cercato = a.testo.simplified();
        if (a.tipo == Atteso::Tipo::testo)
            EXPECT_FALSE(tutto.contains(cercato)) << qPrintable(cercato);
        else
            EXPECT_FALSE(righe.contains(cercato)) << qPrintable(cercato);
    }
}

class RelazioneIntera : public AmbienteDocumento, public ::testing::WithParamInterface<Caso> {
protected:
    void SetUp() override
    {
        AmbienteDocumento::SetUp();
        ripristina();
    }
    void TearDown() override
    {
        ripristina();
        AmbienteDocumento::TearDown();
    }
};

TEST_P(RelazioneIntera, StampaEDocumentoRiportanoTuttaLaRelazione)
{
    const Caso& c = GetParam();
    ASSERT_FALSE(QStandardPaths::findExecutable("soffice").isEmpty()) << "install libreoffice-writer-nogui";
    ASSERT_FALSE(QStandardPaths::findExecutable("pdftotext").isEmpty()) << "install poppler-utils";

    const QString file = cartella.filePath("Velmor-completa-prova");
    QFile scritto(file);
    ASSERT_TRUE(scritto.open(QIODevice::WriteOnly));
    scritto.write(fileCompleto(c));
    scritto.close();
    dialoghi().file_ = {file};
    finestre::forma<dati>().apritutto_Click();
    ASSERT_EQ(numerotratti, c.tratti);
    ASSERT_EQ(tubazioni::numeroTubi(), c.tubi);

    frontespizio& f = finestre::forma<frontespizio>();
    const QString stampato = cartella.filePath("stampa.pdf");
    stampa().pdf = stampato;
    f.comestampo[1]->setChecked(true);
    f.stampa_Click();
    // What the print command runs for the document after its checks, in a report state kept here.
    ASSERT_TRUE(relazione::prepara());
    relazione::Contesto ctx(f.testiRelazione());
    relazione::stampaWord(ctx);
    EXPECT_TRUE(messaggi.isEmpty()) << qPrintable(messaggi.join(u'\n'));
    for (const MessaggioVisto& m : doppi::messaggi().visti)
        ADD_FAILURE() << "message: " << qPrintable(m.testo);
    ASSERT_TRUE(ctx.documento);
    EXPECT_GE(ctx.altretabellerete, 1);
    const QString docx = cartella.filePath("relazione.docx");
    ASSERT_TRUE(ctx.documento->SaveAs(docx));

    QString uscita;
    const QString convertito = convertiInPdf(docx, cartella.path(), &uscita);
    ASSERT_FALSE(convertito.isEmpty()) << "LibreOffice did not convert the document: " << qPrintable(uscita);

    for (const auto& [resa, pdf] : {std::pair{Resa::stampante, stampato}, std::pair{Resa::documento, convertito}}) {
        SCOPED_TRACE(resa == Resa::stampante ? "stampante" : "documento");
        const int pagine = paginePdf(pdf);
        ASSERT_GT(pagine, 0);
        const QString testo = esegui("pdftotext", {"-layout", pdf, "-"});
        ASSERT_FALSE(testo.isEmpty());
        confronta(testo, relazioneAttesa(resa, pagine));
        if (resa == Resa::stampante) // the case is large enough for the network table to run over pages
            EXPECT_GE(righeDi(testo).count(intestazioneRete().simplified()), 2);
        if (!conAcqueBianche(sistema))
            assenti(testo, acqueBianche(resa));
    }
}

INSTANTIATE_TEST_SUITE_P(Reti, RelazioneIntera,
                         ::testing::Values(Caso{"misto", 140, 20}, Caso{"nere", 60, 0}, Caso{"misto", 500, 50}),
                         [](const ::testing::TestParamInfo<Caso>& i) {
                             return std::string(i.param.sistema) + "_" + std::to_string(i.param.tratti);
                         });

} // namespace
