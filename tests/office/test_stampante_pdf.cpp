// The printer page model on a PDF printed through QPrinter, read back with
// pdftotext: the columns of the tab rule are where the text comes out.
#include "office/stampante.h"
#include "office/superficiestampante.h"

#include <QFile>
#include <QLocale>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <utility>

using namespace office;

namespace {

// One character of Courier New 12, in points.
constexpr double carattere12 = 7.2;

// The text of a PDF, pages split, each page a list of lines, laid out on a grid
// of one character of Courier New 12 so that a print column is a text column.
std::vector<QStringList> pagineDelPdf(const QString& percorso)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), QStringLiteral("-fixed"), QString::number(carattere12),
                     percorso, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return {};
    QStringList pagine = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pagine.isEmpty() && pagine.last().trimmed().isEmpty())
        pagine.removeLast();
    std::vector<QStringList> risultato;
    for (const QString& pagina : pagine)
        risultato.push_back(pagina.split(QLatin1Char('\n')));
    return risultato;
}

// The index of the first line holding a text, -1 when none does.
qsizetype rigaCon(const QStringList& righe, const QString& testo)
{
    for (qsizetype r = 0; r < righe.size(); ++r)
        if (righe[r].contains(testo))
            return r;
    return -1;
}

// A line with each text from its print column (column 1 is index 0).
QString allineata(const std::vector<std::pair<int, QString>>& pezzi)
{
    QString riga;
    for (const auto& [colonna, testo] : pezzi) {
        riga = riga.leftJustified(colonna - 1, QLatin1Char(' '));
        riga += testo;
    }
    return riga;
}

TEST(StampantePdf, LeColonneDellaRegolaDeiTabNelPdf)
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QTemporaryDir cartella;
    ASSERT_TRUE(cartella.isValid());
    const QString percorso = cartella.filePath(QStringLiteral("prova.pdf"));
    {
        QPrinter stampante(QPrinter::HighResolution);
        preparaPdf(stampante, percorso);
        SuperficieStampante superficie(stampante);
        Stampante p(superficie);
        p.FontName = QStringLiteral("Courier New");
        p.FontSize = 12;
        p.CurrentY = 1000;
        p.Print({Colonna(1), Testo("A1"), Colonna(10), Testo("B10"), Colonna(30), Numero(12.5), Testo("l/s")});
        p.Print({Colonna(5), Testo("0123456789ABCD"), Colonna(10), Testo("C10")});
        p.Print();
        p.Print({Colonna(6), Testo("Superfici: ")}, ACapo::no);
        p.Print({Colonna(17), Numero(1), Colonna(21), Testo("= tetti"), Colonna(40), Numero(0.95)});
        p.DrawWidth = 5;
        p.Line(1000, 14000, 10000, 14000);
        p.NewPage();
        p.CurrentY = 1000;
        p.Print({Colonna(20), Testo("P2"), Colonna(25), Numero(-3)});
        p.CurrentX = 9800;
        p.CurrentY = 15500;
        p.Print({Testo("pagina "), Numero(p.Page())});
        p.EndDoc();
    }
    QLocale::setDefault(QLocale::c());

    const std::vector<QStringList> pagine = pagineDelPdf(percorso);
    ASSERT_EQ(pagine.size(), 2u) << "pdftotext non ha letto due pagine";
    const QStringList& prima = pagine[0];
    const qsizetype r = rigaCon(prima, QStringLiteral("A1"));
    ASSERT_GE(r, 0);
    ASSERT_LT(r + 4, prima.size());
    // pdftotext keeps the page's left margin as blanks in front of column 1.
    const qsizetype margine = prima[r].indexOf(QStringLiteral("A1"));
    auto senzaMargine = [margine](const QString& riga) { return riga.mid(margine); };

    EXPECT_EQ(senzaMargine(prima[r]), allineata({{1, "A1"}, {10, "B10"}, {30, " 12,5 l/s"}}));
    // Column 10 lies left of the end of the long text: it goes on the next line.
    EXPECT_EQ(senzaMargine(prima[r + 1]), allineata({{5, "0123456789ABCD"}}));
    EXPECT_EQ(senzaMargine(prima[r + 2]), allineata({{10, "C10"}}));
    EXPECT_TRUE(prima[r + 3].trimmed().isEmpty());
    EXPECT_EQ(senzaMargine(prima[r + 4]),
              allineata({{6, "Superfici:  1 "}, {21, "= tetti"}, {40, " ,95"}}));

    const QStringList& seconda = pagine[1];
    const qsizetype r2 = rigaCon(seconda, QStringLiteral("P2"));
    ASSERT_GE(r2, 0);
    EXPECT_EQ(senzaMargine(seconda[r2]), allineata({{20, "P2"}, {25, "-3"}}));
    const qsizetype piede = rigaCon(seconda, QStringLiteral("pagina"));
    ASSERT_GT(piede, r2);
    // x 9800 twips is 68 columns of 144 twips and a bit: the foot starts in column 69.
    EXPECT_EQ(senzaMargine(seconda[piede]), allineata({{69, "pagina  2"}}));
}

TEST(StampantePdf, UnFileCheNonSiPuoScrivereEUnErroreDiStampa)
{
    QTemporaryDir cartella;
    ASSERT_TRUE(cartella.isValid());
    QPrinter stampante(QPrinter::HighResolution);
    preparaPdf(stampante, cartella.filePath(QStringLiteral("manca/dentro/prova.pdf")));
    SuperficieStampante superficie(stampante);
    Stampante p(superficie);
    EXPECT_THROW(p.Print({Testo("niente")}), ErroreStampa);
}

TEST(StampantePdf, UnDocumentoVuotoNonScriveNulla)
{
    QTemporaryDir cartella;
    ASSERT_TRUE(cartella.isValid());
    const QString percorso = cartella.filePath(QStringLiteral("vuoto.pdf"));
    QPrinter stampante(QPrinter::HighResolution);
    preparaPdf(stampante, percorso);
    SuperficieStampante superficie(stampante);
    Stampante p(superficie);
    // The page foot of the report fits in the printable area of A4.
    EXPECT_GT(superficie.area().height(), 15500 + p.TextHeight());
    EXPECT_NEAR(superficie.area().height(), areaStampabileA4().height(), 20);
    p.EndDoc();
    EXPECT_FALSE(QFile::exists(percorso));
}

} // namespace
