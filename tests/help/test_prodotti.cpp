// The price list: the file reader on good and bad files, the window's ten-row
// paging and messages, the printed table's numbers and the maker's links.
#include "supporto/ambienteprogramma.h"
#include "frame/test_valori_locale.h"

#include "frame/finestre.h"
#include "frame/indirizzi.h"
#include "help/listino.h"
#include "help/prodotti.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

// A price list of n entries: "P<k>", "tema <k>", list price 100 k, offer price 90 k.
QByteArray listino(int n, const QByteArray& conteggio = {})
{
    QByteArray testo = "\"2027\"\r\n" + (conteggio.isEmpty() ? QByteArray::number(n) : conteggio) + "\r\n";
    for (int k = 1; k <= n; ++k)
        testo += QStringLiteral("\"P%1\",\"tema %1\",%2,%3\r\n").arg(k).arg(100 * k).arg(90 * k).toUtf8();
    return testo;
}

TEST(LetturaListino, FileBuoniECattivi)
{
    const struct {
        QByteArray contenuto;
        int prodotti;       // -1: not a price list
        const char* errore; // part of the reason, "" when there is none
    } casi[] = {
        {listino(0), 0, ""},
        {listino(100), 100, ""},
        // Fields are taken in order whatever the lines; empty lines are skipped; a quoted count counts.
        {"\"x\",\"2\"\r\n\r\n\"a\"\r\n\"b\",1\r\n2,\"c\",\"d\",3,4\r\n", 2, ""},
        {listino(150), 100, "annuncia 150 prodotti, ma il listino ne contiene al massimo 100"},
        {"", -1, "il file è vuoto"},
        {"\"x\"\r\n", -1, "manca il numero"},
        {listino(2, "\"dieci\""), -1, "«dieci», non è un numero intero"},
        {listino(2, "-1"), -1, "«-1», non è un numero intero"},
        {listino(2, "2.5"), -1, "«2.5», non è un numero intero"},
        {listino(2, "3"), -1, "finisce dopo 2 prodotti completi invece dei 3"},
        {listino(2, "1E+300"), -1, "finisce dopo 2 prodotti completi invece dei 1E+300"},
        {"\"x\"\r\n1\r\n\"a\",\"b,1,2\r\n", -1, "riga 3"},
        {"\"x\"\r\n1\r\nabc,\"b\",1,2\r\n", -1, "riga 3"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.contenuto.left(60).toStdString());
        QString errore = "vecchio";
        const auto letto = guida::leggiListino(c.contenuto, &errore);
        EXPECT_EQ(letto ? int(letto->prodotti.size()) : -1, c.prodotti);
        EXPECT_EQ(*c.errore ? errore.contains(QString::fromUtf8(c.errore)) : errore.isEmpty(), true) << errore.toStdString();
    }
}

// The window reads "listino.txt" from the current folder, here the test's own.
class Listino : public AmbienteProgramma {
protected:
    void SetUp() override
    {
        AmbienteProgramma::SetUp();
        precedente = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(cartella.path()));
    }
    void TearDown() override
    {
        QDir::setCurrent(precedente);
        AmbienteProgramma::TearDown();
    }
    prodotti& apri(const QByteArray& contenuto)
    {
        QFile f(cartella.filePath("listino.txt"));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(contenuto) == contenuto.size());
        f.close();
        finestre::mostra("prodotti");
        return finestre::forma<prodotti>();
    }
    static QString righe(const std::array<QLabel*, 11>& etichette)
    {
        QStringList testi;
        for (int r = 1; r <= 10; ++r)
            testi << etichette[r]->text();
        return testi.join(' ');
    }
    QString precedente;
};

TEST_F(Listino, DieciRigheAllaVoltaEFileSbagliati)
{
    const struct {
        QByteArray contenuto;
        int massimo;
        int posizione; // where the scroll bar is moved to (0: where it loads)
        const char* numeri;
        const char* nomi;
        const char* messaggio; // part of the message, "" for none
    } casi[] = {
        {listino(0), 1, 0, "1 2 3 4 5 6 7 8 9 10", "         ", ""},
        {listino(9), 1, 0, "1 2 3 4 5 6 7 8 9 10", "P1 P2 P3 P4 P5 P6 P7 P8 P9 ", ""},
        {listino(10), 1, 0, "1 2 3 4 5 6 7 8 9 10", "P1 P2 P3 P4 P5 P6 P7 P8 P9 P10", ""},
        {listino(32), 23, 23, "23 24 25 26 27 28 29 30 31 32", "P23 P24 P25 P26 P27 P28 P29 P30 P31 P32", ""},
        {listino(2, "3"), 1, 0, "1 2 3 4 5 6 7 8 9 10", "         ",
         "non è scritto correttamente: il file finisce dopo 2 prodotti"},
        {QByteArray(2 * 1024 * 1024, ' '), 1, 0, "1 2 3 4 5 6 7 8 9 10", "         ", "troppo grande"},
        {listino(120), 91, 91, "91 92 93 94 95 96 97 98 99 100", "P91 P92 P93 P94 P95 P96 P97 P98 P99 P100",
         "annuncia 120 prodotti"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.contenuto.left(20).toStdString());
        ripristina();
        auto& p = apri(c.contenuto);
        const auto& visti = doppi::messaggi().visti;
        ASSERT_EQ(visti.size(), *c.messaggio ? 1u : 0u);
        if (*c.messaggio) {
            EXPECT_TRUE(visti[0].testo.contains(c.messaggio)) << visti[0].testo.toStdString();
            EXPECT_TRUE(visti[0].testo.contains(cartella.filePath("listino.txt")));
        }
        EXPECT_EQ(p.VScroll1->maximum(), c.massimo);
        EXPECT_EQ(p.VScroll1->isEnabled(), c.massimo > 1);
        p.VScroll1->setValue(c.posizione);
        EXPECT_EQ(righe(p.num), c.numeri);
        EXPECT_EQ(righe(p.nom), c.nomi);
    }
    // A click in the track moves by ten; prices show as read.
    auto& p = finestre::forma<prodotti>();
    p.VScroll1->setValue(1);
    p.VScroll1->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(p.num[1]->text() + " " + p.eur[1]->text() + " " + p.off[1]->text(), "11 1100 990");
    // Closed and shown again: same position, the file not read again.
    p.cmdchiudi->click();
    EXPECT_FALSE(p.isVisible());
    apri(listino(2));
    EXPECT_EQ(p.num[1]->text(), "11");
    EXPECT_EQ(p.numeroprodotti(), 100);
}

TEST_F(Listino, TabellaStampataNeiFormatiDelLocale)
{
    const struct {
        QLocale locale;
        QString riga2, riga3; // the cells joined by "|"
    } casi[] = {
        {italiano(), " 1|A|reti|150,00|1.500,00", " 2|B|muri|su richiesta|1.234.567,50"},
        {localeC(), " 1|A|reti|150.00|1,500.00", " 2|B|muri|su richiesta|1,234,567.50"},
    };
    for (const auto& c : casi) {
        const LocaleFissato locale(c.locale);
        ripristina();
        auto& p = apri("\"x\"\r\n2\r\n\"A\",\"reti\",150,1500\r\n\"B\",\"muri\",\"su richiesta\",1234567.495\r\n");
        const lettura::Documento d = consegnato([&] { p.cmdstampa->click(); });
        ASSERT_TRUE(d.valido) << qPrintable(d.errore);
        ASSERT_GE(d.paragrafi.size(), 3);
        EXPECT_EQ(d.paragrafi[0].testo(), "prodotti software ZENTORIA");
        EXPECT_EQ(d.paragrafi[2].testo(), "acquistabili dalla pagina " + QString::fromUtf8(indirizzi::negozio));
        ASSERT_EQ(d.tabelle.size(), 1);
        const lettura::Tabella& t = d.tabelle[0];
        ASSERT_EQ(t.righe.size(), 3);
        QStringList r2, r3;
        for (int col = 1; col <= 5; ++col) {
            r2 << t.testo(2, col);
            r3 << t.testo(3, col);
            EXPECT_EQ(t.primo(3, col).allineamento, col >= 4 ? "right" : "") << col;
        }
        EXPECT_EQ(r2.join('|'), c.riga2);
        EXPECT_EQ(r3.join('|'), c.riga3);
    }
}

TEST_F(Listino, ICollegamentiDelProduttore)
{
    auto& p = apri(listino(1));
    p.Command1->click();
    p.Command2->click();
    EXPECT_EQ(doppi::shell().aperti, (QStringList{indirizzi::catalogo, "mailto:" + QString::fromUtf8(indirizzi::posta)}));
}

} // namespace
