// The rainfall equations: reading the data file and the depths they give.
#include "rainfall/equazioni.h"

#include "frame/percorsi.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace pioggia;

namespace {

const QString fonteProva = QStringLiteral("; Appunti di prova; https://esempio.it/pioggia");

Zona zonaProva(double a, double n, UnitaDurata unita)
{
    Zona z;
    z.nome = QStringLiteral("Prova");
    z.a = a;
    z.n = n;
    z.unita = unita;
    z.tempoRitorno = 10;
    return z;
}

// Writes raw bytes to a file in the folder and gives back its path.
QString scriviFile(const QTemporaryDir& cartella, const char* nome, const QByteArray& contenuto)
{
    const QString percorso = cartella.filePath(QString::fromUtf8(nome));
    QFile file(percorso);
    if (!file.open(QIODevice::WriteOnly) || file.write(contenuto) != contenuto.size())
        return {};
    return percorso;
}

}  // namespace

TEST(LetturaZone, LeggeRigheBuoneSaltandoCommentiERigheVuote)
{
    const QString testo =
        QStringLiteral("\xFEFF# intestazione\r\n"
                       "\r\n"
                       "Città alta; 45.5; 0.32; ore; 10") + fonteProva + QStringLiteral("; curva pubblicata\r\n"
                       "  # commento rientrato\n"
                       "Valle; 8.25 ; 0.48 ; minuti ; 2") + fonteProva + QStringLiteral("\n");
    const LetturaZone esito = analizzaZone(testo);
    ASSERT_TRUE(esito.riuscita()) << esito.errori.join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(esito.zone.size(), 2);

    const Zona& prima = esito.zone[0];
    EXPECT_EQ(prima.nome, QStringLiteral("Città alta"));
    EXPECT_DOUBLE_EQ(prima.a, 45.5);
    EXPECT_DOUBLE_EQ(prima.n, 0.32);
    EXPECT_EQ(prima.unita, UnitaDurata::Ore);
    EXPECT_DOUBLE_EQ(prima.tempoRitorno, 10);
    EXPECT_EQ(prima.fonte, QStringLiteral("Appunti di prova"));
    EXPECT_EQ(prima.indirizzo, QStringLiteral("https://esempio.it/pioggia"));
    EXPECT_EQ(prima.nota, QStringLiteral("curva pubblicata"));

    const Zona& seconda = esito.zone[1];
    EXPECT_EQ(seconda.nome, QStringLiteral("Valle"));
    EXPECT_DOUBLE_EQ(seconda.a, 8.25);
    EXPECT_EQ(seconda.unita, UnitaDurata::Minuti);
    EXPECT_DOUBLE_EQ(seconda.tempoRitorno, 2);
    EXPECT_TRUE(seconda.nota.isEmpty());
}

// Each faulty line refuses the file with an error that names the line.
class RigaErrata : public ::testing::TestWithParam<const char*> {};

TEST_P(RigaErrata, RifiutaIlFileIndicandoLaRiga)
{
    const QString testo = QStringLiteral("# intestazione\nBuona; 40; 0.3; ore; 10") + fonteProva +
                          QStringLiteral("\n") + QString::fromUtf8(GetParam()) + QStringLiteral("\n");
    const LetturaZone esito = analizzaZone(testo);
    EXPECT_FALSE(esito.riuscita());
    EXPECT_TRUE(esito.zone.isEmpty());
    ASSERT_EQ(esito.errori.size(), 1);
    EXPECT_TRUE(esito.errori[0].startsWith(QStringLiteral("riga 3: "))) << esito.errori[0].toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Equazioni, RigaErrata,
    ::testing::Values(
        "Sola; 40; 0.3; ore",                                                  // too few fields
        "Troppi; 40; 0.3; ore; 10; T; https://x.it; nota; comune; esempio; x", // too many fields
        "; 40; 0.3; ore; 10; T; https://x.it",                                 // no name
        "Lettere; quaranta; 0.3; ore; 10; T; https://x.it",                    // a not a number
        "Virgola; 40,5; 0.3; ore; 10; T; https://x.it",                        // decimal comma
        "Nullo; 0; 0.3; ore; 10; T; https://x.it",                             // a not positive
        "Esponente; 40; 1.3; ore; 10; T; https://x.it",                        // n above 1
        "Esponente zero; 40; 0; ore; 10; T; https://x.it",                     // n not positive
        "Giorni; 40; 0.3; giorni; 10; T; https://x.it",                        // unknown unit
        "Ritorno; 40; 0.3; ore; -5; T; https://x.it",                          // negative return period
        "Senza titolo; 40; 0.3; ore; 10; ; https://x.it",                      // no source title
        "Senza indirizzo; 40; 0.3; ore; 10; T; ",                              // no source address
        "Indirizzo strano; 40; 0.3; ore; 10; T; esempio.it",                   // address without scheme
        "buona; 41; 0.3; ore; 10; T; https://x.it"));                          // same zone twice

TEST(LetturaZone, ElencaTutteLeRigheErrate)
{
    const QString testo = QStringLiteral("A; x; 0.3; ore; 10; T; https://x.it\n"
                                         "B; 40; 0.3; ore; 10; T; https://x.it\n"
                                         "C; 40; 2; ore; 10; T; https://x.it\n");
    const LetturaZone esito = analizzaZone(testo);
    ASSERT_EQ(esito.errori.size(), 2);
    EXPECT_TRUE(esito.errori[0].startsWith(QStringLiteral("riga 1: ")));
    EXPECT_TRUE(esito.errori[1].startsWith(QStringLiteral("riga 3: ")));
    EXPECT_TRUE(esito.zone.isEmpty());
}

TEST(LetturaZone, TestoSenzaZoneRifiutato)
{
    const LetturaZone esito = analizzaZone(QStringLiteral("# solo commenti\n\n"));
    EXPECT_FALSE(esito.riuscita());
    EXPECT_TRUE(esito.zone.isEmpty());
}

TEST(LetturaZone, FileMancanteDaUnErrore)
{
    QTemporaryDir cartella;
    ASSERT_TRUE(cartella.isValid());
    const QString percorso = cartella.filePath(QStringLiteral("non-esiste.txt"));
    const LetturaZone esito = leggiZone(percorso);
    EXPECT_FALSE(esito.riuscita());
    EXPECT_TRUE(esito.zone.isEmpty());
    ASSERT_EQ(esito.errori.size(), 1);
    EXPECT_TRUE(esito.errori[0].contains(percorso));
}

TEST(LetturaZone, FileNonUtf8Rifiutato)
{
    QTemporaryDir cartella;
    ASSERT_TRUE(cartella.isValid());
    const QString percorso = scriviFile(cartella, "latino.txt", "Citt\xE0; 40; 0.3; ore; 10; T; https://x.it\n");  // Latin-1 'à'
    ASSERT_FALSE(percorso.isEmpty());
    const LetturaZone esito = leggiZone(percorso);
    EXPECT_FALSE(esito.riuscita());
    EXPECT_TRUE(esito.zone.isEmpty());
}

TEST(LetturaZone, FileUtf8Letto)
{
    QTemporaryDir cartella;
    ASSERT_TRUE(cartella.isValid());
    const QString percorso = scriviFile(cartella, "zone.txt", "Forlì; 40; 0.3; ore; 10; T; https://x.it\n");
    ASSERT_FALSE(percorso.isEmpty());
    const LetturaZone esito = leggiZone(percorso);
    ASSERT_TRUE(esito.riuscita());
    ASSERT_EQ(esito.zone.size(), 1);
    EXPECT_EQ(esito.zone[0].nome, QStringLiteral("Forlì"));
}

// The ninth field says what the curve stands for, the tenth whether a public body
// published it or it comes from a worked example; both may be left out.
TEST(LetturaZone, AmbitoETipoDellaFonte)
{
    const struct {
        const char* coda;
        bool letta;
        Ambito ambito;
        TipoFonte tipo;
    } casi[] = {
        {"", true, Ambito::NonDetto, TipoFonte::NonDetto},
        {"; nota", true, Ambito::NonDetto, TipoFonte::NonDetto},
        {"; nota; bacino", true, Ambito::Bacino, TipoFonte::NonDetto},
        {"; ; Comune", true, Ambito::Comune, TipoFonte::NonDetto},
        {"; ; stazione", true, Ambito::Stazione, TipoFonte::NonDetto},
        {"; ; lago", false, Ambito::NonDetto, TipoFonte::NonDetto},
        {"; ; stazione; esempio", true, Ambito::Stazione, TipoFonte::Esempio},
        {"; ; comune; Pubblicata", true, Ambito::Comune, TipoFonte::Pubblicata},
        {"; ; bacino; ", true, Ambito::Bacino, TipoFonte::NonDetto},
        {"; ; bacino; tesi", false, Ambito::NonDetto, TipoFonte::NonDetto},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.coda);
        const LetturaZone esito = analizzaZone(QStringLiteral("A; 40; 0.3; ore; 10; T; https://x.it") + c.coda);
        ASSERT_EQ(esito.riuscita(), c.letta) << esito.errori.join(' ').toStdString();
        if (c.letta) {
            EXPECT_EQ(esito.zone[0].ambito, c.ambito);
            EXPECT_EQ(esito.zone[0].tipoFonte, c.tipo);
        }
    }
}

// Depths worked out by hand: h = a t^n with t in the equation's unit.
TEST(AltezzaPioggia, EquazioneInOre)
{
    const Zona z = zonaProva(30.0, 0.5, UnitaDurata::Ore);
    EXPECT_DOUBLE_EQ(altezzaPioggia(z, 60), 30.0);    // t = 1 h
    EXPECT_DOUBLE_EQ(altezzaPioggia(z, 15), 15.0);    // t = 0.25 h: 30 * 0.5
    EXPECT_DOUBLE_EQ(altezzaPioggia(z, 240), 60.0);   // t = 4 h: 30 * 2
    EXPECT_NEAR(altezzaPioggia(zonaProva(40.0, 0.3, UnitaDurata::Ore), 180), 55.6156, 1e-4);  // 40 * 3^0.3 = 40 * 1.39039
}

TEST(AltezzaPioggia, EquazioneInMinuti)
{
    const Zona z = zonaProva(10.0, 0.5, UnitaDurata::Minuti);
    EXPECT_DOUBLE_EQ(altezzaPioggia(z, 25), 50.0);    // 10 * 25^0.5
    EXPECT_DOUBLE_EQ(altezzaPioggia(z, 100), 100.0);  // 10 * 100^0.5
}

TEST(AltezzaPioggia, IntensitaMediaInMillimetriOra)
{
    const Zona z = zonaProva(30.0, 0.5, UnitaDurata::Ore);
    EXPECT_DOUBLE_EQ(intensitaPioggia(z, 60), 30.0);   // 30 mm in 1 h
    EXPECT_DOUBLE_EQ(intensitaPioggia(z, 15), 60.0);   // 15 mm in a quarter of an hour
    EXPECT_DOUBLE_EQ(intensitaPioggia(z, 240), 15.0);  // 60 mm in 4 h
    EXPECT_DOUBLE_EQ(intensitaPioggia(zonaProva(10.0, 0.5, UnitaDurata::Minuti), 25), 120.0);  // 50 mm in 25 min
}

TEST(AltezzaPioggia, DurataNonPositivaDaZero)
{
    const Zona z = zonaProva(30.0, 0.5, UnitaDurata::Ore);
    EXPECT_EQ(altezzaPioggia(z, 0), 0.0);
    EXPECT_EQ(altezzaPioggia(z, -10), 0.0);
    EXPECT_EQ(intensitaPioggia(z, 0), 0.0);
}

// The file shipped with the program.
TEST(FilePluviometria, OgniZonaHaLaSuaFonteEUnaPioggiaOrariaPlausibile)
{
    const LetturaZone esito = leggiZone(QStringLiteral(VELMOR_DATI_SORGENTE "/pluviometria.txt"));
    ASSERT_TRUE(esito.riuscita()) << esito.errori.join(QLatin1Char('\n')).toStdString();
    ASSERT_FALSE(esito.zone.isEmpty());
    for (const Zona& z : esito.zone) {
        SCOPED_TRACE(z.nome.toStdString());
        EXPECT_FALSE(z.fonte.isEmpty());
        EXPECT_NE(z.ambito, Ambito::NonDetto);
        EXPECT_NE(z.tipoFonte, TipoFonte::NonDetto);
        EXPECT_TRUE(z.indirizzo.startsWith(QStringLiteral("http")));
        // Annual maxima give return periods of one year and more; each zone states its own.
        EXPECT_GE(z.tempoRitorno, 1.0);
        EXPECT_LE(z.tempoRitorno, 1000.0);
        // A one-hour design rain of an Italian zone lies between ten and some hundred mm.
        const double unOra = altezzaPioggia(z, 60);
        EXPECT_GT(unOra, 10.0);
        EXPECT_LT(unOra, 200.0);
    }
}

// The tip that names the rainfall window's zones gives as many as the file holds.
TEST(FilePluviometria, IlSuggerimentoContaLeZoneDelFile)
{
    const LetturaZone esito = leggiZone(QStringLiteral(VELMOR_DATI_SORGENTE "/pluviometria.txt"));
    const percorsi::Lettura suggerimenti = percorsi::leggi(QStringLiteral(VELMOR_DATI_SORGENTE "/SuggerimentiVelmor.TXT"));
    ASSERT_TRUE(suggerimenti.riuscita());
    const auto trovato = QRegularExpression(QStringLiteral("equazioni di (\\d+) zone")).match(suggerimenti.testo());
    ASSERT_TRUE(trovato.hasMatch());
    EXPECT_EQ(trovato.captured(1).toInt(), esito.zone.size());
}
