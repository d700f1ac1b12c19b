// What a failed write tells the user: its cause in plain Italian and a next step that fits
// it. A full, read-only or forbidden place wants another folder or disk (another name in
// the same place would fail again); a bad name wants another name.
#include "office/salvataggio.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

TEST(SalvataggioMessaggi, CausaERimedioSecondoIlGuasto)
{
    const struct {
        int codice;
        const char* motivo;
        const char* rimedio;
        bool altroNome; // whether just another name in the same folder may do
    } casi[] = {
        {ENOSPC, "il disco è pieno", "altro disco", false},
        {EDQUOT, "spazio su disco concesso", "altro disco", false},
        {EROFS, "il disco è protetto da scrittura (in sola lettura)", "altro disco", false},
        {EACCES, "non si ha il permesso", "altra cartella", false},
        {EPERM, "non si ha il permesso", "altra cartella", false},
        {EMFILE, "troppi file aperti", "Chiudere altri programmi", false},
        {ENFILE, "troppi file aperti", "Chiudere altri programmi", false},
        {ENOMEM, "memoria", "Chiudere altri programmi", false},
        {ENAMETOOLONG, "nome del file è troppo lungo", "nome più corto", false},
        {EISDIR, "cartella, non di un file", "altro nome", true},
        {EEXIST, "esiste già", "altro nome", true},
        {ENOENT, "non esiste", "cartella che esista", false},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.codice);
        const QString motivo = office::motivoScrittura(c.codice, "/tmp/x");
        const QString rimedio = office::rimedioScrittura(c.codice);
        EXPECT_TRUE(motivo.contains(QString::fromUtf8(c.motivo))) << qPrintable(motivo);
        EXPECT_FALSE(motivo.contains("dalla scrittura"));
        EXPECT_TRUE(rimedio.contains(QString::fromUtf8(c.rimedio))) << qPrintable(rimedio);
        EXPECT_EQ(rimedio.contains("altro nome"), c.altroNome) << qPrintable(rimedio);
        EXPECT_TRUE(rimedio.endsWith('.'));
    }
    EXPECT_TRUE(office::rimedioScrittura(0).isEmpty());
}

} // namespace
