// The one reader of the program's data files: the text, or an Italian reason
// the user can be shown; the fixed texts built into the program.
#include "frame/applicazione.h"
#include "frame/percorsi.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(LetturaDati, TestoOMotivoInItaliano)
{
    QTemporaryDir cartella;
    ASSERT_TRUE(cartella.isValid());
    const QString testo = cartella.filePath("testo.txt");
    const QString grande = cartella.filePath("grande.txt");
    for (const auto& [percorso, byte] : {std::pair{testo, QByteArray("Citt\xE0\r\nseconda\rterza\r\n")},
                                         std::pair{grande, QByteArray(2048, 'x')}}) {
        QFile f(percorso);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(byte);
    }
    const struct {
        QString percorso;
        const char* motivo; // "" when the file is read
    } casi[] = {
        {testo, ""},
        {QString(), "il file non esiste"},
        {cartella.filePath("manca.txt"), "il file non esiste"},
        {cartella.filePath("manca/testo.txt"), "la cartella "},
        {cartella.path(), "il nome è quello di una cartella, non di un file"},
        {grande, "il file è di 2 KB, troppo grande"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.percorso.toStdString());
        const percorsi::Lettura l = percorsi::leggi(c.percorso, 1024);
        EXPECT_EQ(l.riuscita(), !*c.motivo) << l.errore.toStdString();
        if (*c.motivo) {
            EXPECT_TRUE(l.errore.startsWith(QString::fromUtf8(c.motivo))) << l.errore.toStdString();
            EXPECT_TRUE(l.byte.isEmpty());
        }
    }
    // Windows-1252 decoded, CR LF and a lone CR as LF.
    EXPECT_EQ(percorsi::leggi(testo).testo(), QString::fromUtf8("Città\nseconda\nterza\n"));
    // A data file found nowhere is named in the reason.
    const percorsi::Lettura assente = percorsi::leggiDati("nessuno-così.txt", true);
    EXPECT_TRUE(assente.percorso.isEmpty());
    EXPECT_EQ(assente.errore,
              QString::fromUtf8("il file nessuno-così.txt non si trova né nella cartella corrente né fra i dati del programma"));
}

// The fixed texts come from inside the program (":/testi/..."), never from
// the data folder, so a program started without that folder shows them all.
TEST(LetturaDati, TestiFissiDentroIlProgramma)
{
    QStringList nomi = {"licenza.txt", "circolare/capitolo1.txt", "circolare/capitolo2.txt", "circolare/capitolo3.txt"};
    for (const char* pagina : {"manuale", "guidafunzionamento", "guidaarchivio", "guidastampa", "guidadati",
                               "guidapluviometrici", "guidasismica", "guidanorme", "guidafrontespizio"})
        nomi << QStringLiteral("guida/%1.txt").arg(pagina);
    for (const QString& nome : nomi) {
        SCOPED_TRACE(nome.toStdString());
        const percorsi::Lettura l = percorsi::leggi(percorsi::risorsa(nome));
        ASSERT_TRUE(l.riuscita()) << l.errore.toStdString();
        EXPECT_GT(l.byte.size(), 500);
        EXPECT_EQ(percorsi::testoIncorporato(nome), l.testo());
    }
    EXPECT_TRUE(percorsi::testoIncorporato("listino.txt").isEmpty()); // the price list stays a file
}

} // namespace

// The program's icon, built in like the texts, is on every window.
TEST(LetturaDati, IconaDelProgramma)
{
    applicazione::prepara();
    EXPECT_EQ(QApplication::windowIcon().pixmap(32).size(), QSize(32, 32));
}
