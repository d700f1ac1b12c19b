// The printer page model on the recording surface: items, tab rule, blank
// lines, rules, new page, automatic page ends and end of document.
#include "office/stampante.h"
#include "office/superficieregistrata.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace office;

namespace {

class StampanteRegistrata : public ::testing::Test {
protected:
    explicit StampanteRegistrata(QSizeF area = areaStampabileA4())
        : superficie(area)
        , p(superficie)
    {
        p.FontName = QStringLiteral("Courier New");
        p.FontSize = 12;
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    }
    ~StampanteRegistrata() override { QLocale::setDefault(m_prima); }

    double colonna(int n) const { return (n - 1) * superficie.misure(p.FontName, p.FontSize).colonna; }
    double riga() const { return p.TextHeight(); }
    const std::vector<ScrittaRegistrata>& scritte() const { return superficie.scritte(); }

    SuperficieRegistrata superficie;
    Stampante p;

private:
    QLocale m_prima;
};

TEST_F(StampanteRegistrata, CourierNewHaLeMisureDelSuoGemello)
{
    // Courier New: characters 0.6 em wide, lines 1.133 em high.
    EXPECT_NEAR(superficie.misure("Courier New", 12).colonna, 144, 0.1);
    EXPECT_NEAR(superficie.misure("Courier New", 12).riga, 271.9, 0.5);
    EXPECT_NEAR(superficie.misure("Courier New", 8).colonna, 96, 0.1);
    EXPECT_NEAR(superficie.misure("Courier New", 8).riga, 181.3, 0.5);
    // The serif face of "Roman" is proportional: its column is its average character.
    EXPECT_NE(superficie.misure("Roman", 24).colonna, superficie.misure("Courier New", 24).colonna);
    EXPECT_GT(superficie.larghezza("Roman", 24, "MMMM"), superficie.larghezza("Roman", 24, "iiii"));
}

TEST_F(StampanteRegistrata, ColonneSullaStessaRiga)
{
    p.CurrentY = 1000;
    p.Print({Colonna(10), Testo("PORTATA ACQUE BIANCHE")});
    p.Print({Colonna(6), Testo("tratto"), Colonna(13), Testo("lungh.")});
    // Standing exactly on a column is not right of it.
    p.Print({Colonna(1), Testo("12345"), Colonna(6), Testo("X")});
    ASSERT_EQ(scritte().size(), 5u);
    EXPECT_EQ(scritte()[0].testo, "PORTATA ACQUE BIANCHE");
    const double attesi[][2] = {{colonna(10), 1000}, {colonna(6), 1000 + riga()}, {colonna(13), 1000 + riga()},
                                {0, 1000 + 2 * riga()}, {colonna(6), 1000 + 2 * riga()}};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_DOUBLE_EQ(scritte()[i].x, attesi[i][0]) << i;
        EXPECT_DOUBLE_EQ(scritte()[i].y, attesi[i][1]) << i;
    }
    EXPECT_DOUBLE_EQ(p.CurrentX, 0);
    EXPECT_DOUBLE_EQ(p.CurrentY, 1000 + 3 * riga());
}

TEST_F(StampanteRegistrata, ColonnaASinistraContinuaSullaRigaSeguente)
{
    p.CurrentY = 500;
    p.Print({Colonna(6), Testo("123456789012"), Colonna(10), Testo("dopo"), Colonna(1)});
    ASSERT_EQ(scritte().size(), 2u);
    EXPECT_DOUBLE_EQ(scritte()[1].x, colonna(10));
    EXPECT_DOUBLE_EQ(scritte()[1].y, 500 + riga());
    // The trailing column 1 takes one more line, the end of the statement another.
    EXPECT_DOUBLE_EQ(p.CurrentY, 500 + 3 * riga());

    // A position set by hand counts too: at x 1000, column 10 is to the right
    // and column 5 to the left; column 0 is column 1.
    const double y = p.CurrentY;
    p.CurrentX = 1000;
    p.Print({Colonna(10), Testo("a destra")});
    p.CurrentX = 1000;
    p.Print({Colonna(5), Testo("a sinistra")});
    p.Print({Testo("ab"), Colonna(0), Testo("colonna uno")});
    EXPECT_DOUBLE_EQ(scritte()[2].y, y);
    EXPECT_DOUBLE_EQ(scritte()[3].x, colonna(5));
    EXPECT_DOUBLE_EQ(scritte()[3].y, y + 2 * riga());
    EXPECT_DOUBLE_EQ(scritte()[5].x, 0);
    EXPECT_DOUBLE_EQ(scritte()[5].y, y + 4 * riga());
}

TEST_F(StampanteRegistrata, LineaLasciataApertaProsegueAllaColonna)
{
    // The label ends at column 31; the first entry completes its line.
    p.Print({Colonna(6), Testo("Superfici e coefficienti: ")}, ACapo::no);
    EXPECT_DOUBLE_EQ(p.CurrentY, 0);
    EXPECT_NEAR(p.CurrentX, colonna(32), 1e-6);
    p.Print({Colonna(32), Numero(1), Colonna(36), Testo("= "), Testo("tetti"), Colonna(73), Numero(0.95)});
    p.Print({Colonna(32), Numero(2), Colonna(36), Testo("= "), Testo("strade")});
    ASSERT_EQ(scritte().size(), 6u);
    for (size_t i = 0; i < 4; ++i)
        EXPECT_DOUBLE_EQ(scritte()[i].y, 0) << i;
    EXPECT_DOUBLE_EQ(scritte()[1].x, colonna(32));
    EXPECT_EQ(scritte()[1].testo, " 1 ");
    EXPECT_EQ(scritte()[2].testo, "= tetti");
    EXPECT_EQ(scritte()[3].testo, " ,95 ");
    EXPECT_DOUBLE_EQ(scritte()[3].x, colonna(73));
    EXPECT_DOUBLE_EQ(scritte()[4].x, colonna(32));
    EXPECT_DOUBLE_EQ(scritte()[4].y, riga());
}

TEST_F(StampanteRegistrata, SpaziTestiNumeriEValori)
{
    p.Print({Colonna(6), Numero(12.5), Spazi(3), Testo("l/s")});
    p.Print({Spazi(10), Testo("Studio  Tecnico ")});
    p.Print({Colonna(8), Testo("La presente relazione è composta di n."), Numero(12), Testo(" pagine.")});
    p.Print({Testo("progetto..............: "), TestoCampo("")});
    p.Print({Colonna(8), TestoCampo(""), Spazi(0), Spazi(-2)});
    // A number takes its sign position, its digits and one blank: -3 takes three columns.
    p.Print({Colonna(1), Numero(-3), Colonna(4), Testo("x")});
    p.Print({Colonna(1), Numero(-0.5), Colonna(4), Testo("y")});
    QLocale::setDefault(QLocale::c());
    p.Print({Numero(0.5), Numero(-7.25), Numero(40)});

    ASSERT_EQ(scritte().size(), 9u);
    EXPECT_EQ(scritte()[0].testo, " 12,5    l/s");
    EXPECT_EQ(scritte()[1].testo, "          Studio  Tecnico ");
    EXPECT_DOUBLE_EQ(scritte()[1].x, 0);
    EXPECT_EQ(scritte()[2].testo, "La presente relazione è composta di n. 12  pagine.");
    EXPECT_EQ(scritte()[3].testo, "progetto..............: ");
    // The statement that draws nothing still takes its line.
    EXPECT_EQ(scritte()[4].testo, "-3 ");
    EXPECT_DOUBLE_EQ(scritte()[4].y, 5 * riga());
    EXPECT_DOUBLE_EQ(scritte()[5].y, scritte()[4].y);
    EXPECT_EQ(scritte()[6].testo, "-,5 ");
    EXPECT_DOUBLE_EQ(scritte()[7].y, scritte()[6].y + riga());
    EXPECT_EQ(scritte()[8].testo, " .5 -7.25  40 ");
}

TEST_F(StampanteRegistrata, RigheVuoteECarattereAllaDimensioneCorrente)
{
    p.FontName = QStringLiteral("Roman");
    p.FontSize = 24;
    const double alta = p.TextHeight();
    p.Print();
    p.FontSize = 14;
    const double media = p.TextHeight();
    p.Print();
    p.Print();
    EXPECT_DOUBLE_EQ(p.CurrentY, alta + 2 * media);
    EXPECT_NEAR(alta / media, 24.0 / 14.0, 0.01);
    EXPECT_TRUE(scritte().empty());

    // At x 1000 column 6 of Roman 24 lies to the right: the title stays on its line.
    p.FontSize = 24;
    p.CurrentX = 1000;
    p.Print({Colonna(6), Testo("CALCOLI  IDRAULICI")});
    const ScrittaRegistrata titolo = scritte().back();
    EXPECT_EQ(titolo.carattere, "Roman");
    EXPECT_EQ(titolo.punti, 24);
    EXPECT_DOUBLE_EQ(titolo.x, 5 * superficie.misure("Roman", 24).colonna);
    EXPECT_DOUBLE_EQ(titolo.y, alta + 2 * media);
}

TEST_F(StampanteRegistrata, LineeColloSpessoreELaPosizioneAlloroFine)
{
    p.DrawWidth = 5;
    p.Print({Colonna(10), Testo("testo")});
    p.Line(1000, 14000, 10000, 14000);
    ASSERT_EQ(superficie.linee().size(), 1u);
    EXPECT_EQ(superficie.linee()[0].da, QPointF(1000, 14000));
    EXPECT_EQ(superficie.linee()[0].a, QPointF(10000, 14000));
    EXPECT_EQ(superficie.linee()[0].spessore, 5);
    EXPECT_DOUBLE_EQ(p.CurrentX, 10000);
    EXPECT_DOUBLE_EQ(p.CurrentY, 14000);
    // The next lines start below the rule, whatever was printed before it.
    p.Print();
    p.Print({Spazi(10), Testo("Studio")});
    EXPECT_DOUBLE_EQ(scritte().back().x, 0);
    EXPECT_DOUBLE_EQ(scritte().back().y, 14000 + riga());
}

TEST_F(StampanteRegistrata, NuovaPaginaFondoPaginaEFineDocumento)
{
    EXPECT_EQ(p.Page(), 1);
    p.Print({Colonna(10), Testo("prima pagina")});
    p.NewPage();
    EXPECT_EQ(p.Page(), 2);
    EXPECT_DOUBLE_EQ(p.CurrentX, 0);
    EXPECT_DOUBLE_EQ(p.CurrentY, 0);
    p.NewPage();

    // The page foot: "pagina " and the page number in its printed form.
    p.CurrentX = 9800;
    p.CurrentY = 15500;
    p.Print({Testo("pagina "), Numero(p.Page())});
    const ScrittaRegistrata piede = scritte().back();
    EXPECT_EQ(piede.testo, "pagina  3 ");
    EXPECT_EQ(piede.pagina, 3);
    EXPECT_DOUBLE_EQ(piede.x, 9800);
    EXPECT_DOUBLE_EQ(piede.y, 15500);
    p.NewPage();
    p.CurrentY = 1000;
    p.Print({Colonna(10), Testo("dopo il piede")});
    EXPECT_EQ(scritte().back().pagina, 4);
    EXPECT_EQ(scritte()[0].pagina, 1);

    p.EndDoc();
    EXPECT_EQ(superficie.documenti(), 1);
    EXPECT_EQ(superficie.pagineUltimoDocumento(), 4);
    EXPECT_EQ(p.Page(), 1);
    p.Print({Testo("altro documento")});
    EXPECT_EQ(scritte().back().pagina, 1);
    EXPECT_DOUBLE_EQ(scritte().back().y, 0);
}

// A page of exactly three lines of Courier New 12.
class StampantePaginaCorta : public StampanteRegistrata {
protected:
    StampantePaginaCorta()
        : StampanteRegistrata(QSizeF(11000, 3 * SuperficieRegistrata().misure("Courier New", 12).riga))
    {
    }
};

TEST_F(StampantePaginaCorta, UnaRigaCheSupererebbeIlFondoVaAPaginaNuova)
{
    for (int i = 1; i <= 4; ++i)
        p.Print({Colonna(10), Testo(QString("riga %1").arg(i))});
    ASSERT_EQ(scritte().size(), 4u);
    EXPECT_EQ(scritte()[2].pagina, 1);
    EXPECT_DOUBLE_EQ(scritte()[2].y, 2 * riga());
    EXPECT_EQ(scritte()[3].pagina, 2);
    EXPECT_DOUBLE_EQ(scritte()[3].y, 0);
    EXPECT_DOUBLE_EQ(scritte()[3].x, colonna(10));
    EXPECT_EQ(p.Page(), 2);
    EXPECT_DOUBLE_EQ(p.CurrentY, riga());
    // Rules are drawn where they are told, below the page or not.
    p.Line(0, 5000, 1000, 5000);
    EXPECT_EQ(p.Page(), 2);
}

TEST_F(StampantePaginaCorta, AncheRigheVuoteEColonneSullaRigaSeguente)
{
    for (int i = 0; i < 3; ++i)
        p.Print();
    EXPECT_EQ(p.Page(), 1);
    p.Print();
    p.Print();
    EXPECT_EQ(p.Page(), 2);
    EXPECT_DOUBLE_EQ(p.CurrentY, 2 * riga());

    // Two lines used; the tab to the next line passes the bottom.
    p.Print({Colonna(1), Testo("1234567890"), Colonna(5), Testo("a capo")});
    ASSERT_EQ(scritte().size(), 2u);
    EXPECT_EQ(scritte()[1].pagina, 3);
    EXPECT_DOUBLE_EQ(scritte()[1].y, 0);
    EXPECT_DOUBLE_EQ(scritte()[1].x, colonna(5));

    // A position set below the page: the next line begins the next page.
    p.CurrentY = 20000;
    p.Print({Testo("giù")});
    EXPECT_EQ(scritte().back().pagina, 4);
}

TEST_F(StampantePaginaCorta, UnaRigaPiuAltaDellaPaginaStaInCimaAllaPagina)
{
    p.FontSize = 48;
    p.Print({Testo("grande")});
    p.Print({Testo("grande")});
    ASSERT_EQ(scritte().size(), 2u);
    EXPECT_EQ(scritte()[0].pagina, 1);
    EXPECT_EQ(scritte()[1].pagina, 2);
    EXPECT_DOUBLE_EQ(scritte()[1].y, 0);
}

} // namespace

namespace {

TEST_F(StampanteRegistrata, LaFineDiPaginaAutomaticaPassaPerIlGestoreDelReport)
{
    int chiamate = 0;
    p.Fondo = 15500;
    p.FinePagina = [&] {
        ++chiamate;
        p.CurrentX = 9800;
        p.CurrentY = 15500; // the foot stands on the limit and is printed
        p.Print({Testo("piede")});
        p.NewPage();
        p.CurrentY = 1000;
    };
    p.CurrentY = 15500 - riga() + 1; // the next line would pass the limit
    p.Print({Colonna(10), Testo("riga a capo")});
    EXPECT_EQ(chiamate, 1);
    ASSERT_EQ(scritte().size(), 2u);
    EXPECT_EQ(scritte()[0].testo, "piede");
    EXPECT_EQ(scritte()[0].pagina, 1);
    EXPECT_EQ(scritte()[1].pagina, 2);
    EXPECT_DOUBLE_EQ(scritte()[1].y, 1000);
    EXPECT_DOUBLE_EQ(scritte()[1].x, colonna(10)); // the line keeps its column

    // A hook that leaves the page as it was still gets the line onto a new page.
    p.FinePagina = [&] { ++chiamate; };
    p.CurrentY = 15400;
    p.Print({Testo("ancora")});
    EXPECT_EQ(chiamate, 2);
    EXPECT_EQ(scritte().back().pagina, 3);

    // A new page asked for right before the end sends no blank sheet.
    p.NewPage();
    p.EndDoc();
    EXPECT_EQ(superficie.pagineUltimoDocumento(), 3);
}

} // namespace
