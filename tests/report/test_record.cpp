// The record encoding of the data files, byte for byte, and its round trips.
#include "frame/cp1252.h"
#include "frame/record.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cmath>
#include <csignal>
#include <gtest/gtest.h>

#include <sys/resource.h>

namespace {

TEST(Record, ScritturaComeNeiFileDellaVersioneWindows)
{
    const record::Campi campi{Valore("120"), Valore(1.5), Valore(), Valore("tetti, e terre"), Valore(0), Valore(-0.25),
                              Valore(""), Valore(250)};
    EXPECT_EQ(record::scrivi(campi), QByteArray("\"120\",1.5,,\"tetti, e terre\",0,-0.25,\"\",250\r\n"));
    EXPECT_EQ(record::scrivi({Valore()}), QByteArray("\r\n"));
    EXPECT_EQ(record::scrivi({Valore("x"), Valore()}), QByteArray("\"x\",\r\n"));
    // Windows-1252 bytes for the accented letters.
    EXPECT_EQ(record::scrivi({Valore(QString::fromUtf8("località"))}), QByteArray("\"localit\xE0\"\r\n"));
}

TEST(Record, VirgoletteECaratteriFuoriTabellaNonSiPerdonoInSilenzio)
{
    record::Adattamenti a;
    const QByteArray riga = record::scrivi({Valore(QString::fromUtf8("tubo \"A\" ≤ 5"))}, &a);
    EXPECT_EQ(riga, QByteArray("\"tubo \x94" "A\x94 ? 5\"\r\n"));
    EXPECT_TRUE(a.virgolette);
    EXPECT_EQ(a.caratteriPersi, QString::fromUtf8("≤"));
    EXPECT_FALSE(a.descrizione().isEmpty());
    const auto letti = record::leggi(record::righe(cp1252::leggiTesto(riga)).first());
    ASSERT_TRUE(letti);
    EXPECT_EQ((*letti)[0], Valore(QString::fromUtf8("tubo ”A” ? 5"))); // the text still reads back whole

    record::Adattamenti b;
    EXPECT_EQ(record::scrivi({Valore("uno\r\ndue\ntre"), Valore(1)}, &b), QByteArray("\"uno  due tre\",1\r\n"));
    EXPECT_TRUE(b.aCapo); // a record stays one line
}

TEST(Record, LetturaDeiTipiDiValore)
{
    const auto campi = record::leggi("\"120\",1.5,,\"a,b\",-3,\"\",7");
    ASSERT_TRUE(campi);
    ASSERT_EQ(campi->size(), 7);
    EXPECT_EQ((*campi)[0], Valore("120"));
    EXPECT_EQ((*campi)[1], Valore(1.5));
    EXPECT_EQ((*campi)[2], Valore());
    EXPECT_EQ((*campi)[3], Valore("a,b"));
    EXPECT_EQ((*campi)[4], Valore(-3));
    EXPECT_EQ((*campi)[5], Valore(""));
    EXPECT_EQ((*campi)[6], Valore(7));
    EXPECT_EQ(record::leggi("\"x\","), (record::Campi{Valore("x"), Valore()}));
    EXPECT_EQ(record::leggi(""), (record::Campi{Valore()}));
}

TEST(Record, RigheMalformate)
{
    for (const char* riga : {"\"aperta", "\"a\"b", "12x", "1,due", "\"a\" ,1"})
        EXPECT_FALSE(record::leggi(QString::fromUtf8(riga))) << riga;
}

TEST(Record, AndataERitornoDiValoriCasuali)
{
    QRandomGenerator caso(20261207);
    const QString alfabeto = QString::fromUtf8("abcxyzàèéìòù ,.;:-'°/()0123456789ABC€");
    for (int prova = 0; prova < 300; ++prova) {
        record::Campi campi;
        const int n = 1 + int(caso.bounded(16));
        for (int i = 0; i < n; ++i) {
            switch (caso.bounded(3)) {
            case 0: campi.append(Valore()); break;
            case 1: {
                QString t;
                for (int k = int(caso.bounded(25)); k > 0; --k)
                    t += alfabeto[int(caso.bounded(alfabeto.size()))];
                campi.append(Valore(t));
                break;
            }
            default: {
                const double x = (caso.generateDouble() - 0.5) * std::pow(10.0, int(caso.bounded(12)) - 4);
                campi.append(Valore(std::round(x * 1e6) / 1e6));
            }
            }
        }
        const QByteArray byte = record::scrivi(campi);
        const auto letti = record::leggi(record::righe(cp1252::leggiTesto(byte)).first());
        ASSERT_TRUE(letti) << byte.toStdString();
        EXPECT_EQ(*letti, campi) << byte.toStdString();
    }
}

TEST(Record, LettoreConteggiEFineFile)
{
    record::Lettore l("3\r\n\r\n51\r\n2.5\r\n\"a\",1\r\n");
    EXPECT_EQ(l.conteggio(500, false), Valore(3));
    EXPECT_EQ(l.conteggio(50, true), Valore()); // an empty count line
    EXPECT_FALSE(l.conteggio(50, true));       // 51 pipes are too many
    EXPECT_TRUE(l.errore().startsWith("riga 3:")) << l.errore().toStdString();
    EXPECT_FALSE(l.prossimo()); // after an error nothing more is read

    record::Lettore corto("\"a\",1\r\n");
    EXPECT_TRUE(corto.prossimo(2));
    EXPECT_FALSE(corto.prossimo(2));
    EXPECT_TRUE(corto.errore().contains("finisce"));

    record::Lettore campiSbagliati("1,2,3\n");
    EXPECT_FALSE(campiSbagliati.prossimo(2));
    EXPECT_TRUE(campiSbagliati.errore().contains("3 campi"));
}

TEST(Record, SalvataggioFallitoLasciaIlFileDiPrima)
{
    EXPECT_FALSE(record::salvaFile("/non/esiste/cartella/file.txt", "x").isEmpty());

    // A save that fails half-way (the file size limit stands in for a full
    // disk, and holds for root too) leaves the file that was there.
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath("Velmor-dati-prova");
    const QByteArray prima("\"vecchio\"\r\n");
    {
        QFile f(percorso);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(prima), prima.size());
    }
    rlimit limite{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limite), 0);
    const rlimit stretto{4096, limite.rlim_max};
    const auto segnale = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &stretto), 0);
    const QString errore = record::salvaFile(percorso, QByteArray(1 << 20, 'x'));
    setrlimit(RLIMIT_FSIZE, &limite);
    std::signal(SIGXFSZ, segnale);
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), prima);
    EXPECT_EQ(QDir(cartella.path()).entryList(QDir::Files), QStringList{"Velmor-dati-prova"}); // no temporary left
}

TEST(Record, UnaRigaTroppoLungaNonSiLeggeEGliErroriDeiFileSonoInItaliano)
{
    // A text of ten thousand characters and more is no record of ours.
    record::Lettore lettore("\"" + QByteArray(record::lunghezzaMassimaRiga, 'x') + "\"\r\n");
    EXPECT_FALSE(lettore.prossimo(1));
    EXPECT_EQ(lettore.errore(), "riga 1: la riga è più lunga di 10000 caratteri");
    EXPECT_TRUE(record::Lettore("\"" + QByteArray(record::lunghezzaMassimaRiga - 2, 'x') + "\"").prossimo(1));

    QTemporaryDir cartella;
    EXPECT_EQ(record::salvaFile(cartella.filePath("manca/x"), "1\r\n"),
              "la cartella " + QDir::toNativeSeparators(cartella.filePath("manca")) + " non esiste");
    EXPECT_EQ(record::salvaFile(cartella.path(), "1\r\n"), "il nome è quello di una cartella, non di un file");
    QFile file(cartella.filePath("nessuno"));
    EXPECT_FALSE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(record::descrizioneErrore(file, false), "il file non esiste");
}

} // namespace
