// The safe save's temporary file: a short name of its own that any legal final name leaves room
// for, never the final name before the data are whole, and the leftovers of a killed save
// cleared by the next save in the same folder (ours only). A replaced file keeps its permissions.
#include "office/salvataggio.h"
#include "supporto/ambientedocumento.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

using office::Scrittura;

class NomiTemporanei : public AmbienteDocumento {
protected:
    void TearDown() override
    {
        office::impostaGuasto({});
        AmbienteDocumento::TearDown();
    }
    QString in(const QString& nome) const { return cartella.filePath(nome); }
    QStringList nomi() const
    {
        return QDir(cartella.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
};

TEST_F(NomiTemporanei, GliAvanziNostriPiuVecchiSonoRimossiGliAltriRestano)
{
    const struct {
        const char* nome;
        int secondi; // last written this long from now
        bool resta;
    } casi[] = {
        {".velmor-0a1b2c3d.tmp", -3600, false}, // a save killed an hour ago
        {".velmor-zzzzzzzz.tmp", -1, false},
        {".velmor-0a1b2c3e.tmp", 3600, true},  // written after this save began: not a leftover
        {".velmor-0A1B2C3D.tmp", -3600, true}, // not our pattern
        {".velmor-0a1b2c3.tmp", -3600, true},
        {"velmor-0a1b2c3d.tmp", -3600, true},
        {".velmor-0a1b2c3d.tmp.bak", -3600, true},
    };
    for (const auto& c : casi) {
        QFile f(in(c.nome));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        timespec quando[2]{};
        ::clock_gettime(CLOCK_REALTIME, &quando[0]);
        quando[0].tv_sec += c.secondi;
        quando[1] = quando[0];
        ASSERT_EQ(::futimens(f.handle(), quando), 0);
    }
    ASSERT_TRUE(QDir().mkpath(in(".velmor-0a1b2c3f.tmp"))); // a folder is never ours
    ASSERT_TRUE(office::salvaSuDisco(in("Velmor-dati-rete"), "dati").riuscito());

    const QStringList rimasti = nomi();
    for (const auto& c : casi)
        EXPECT_EQ(rimasti.contains(c.nome), c.resta) << c.nome;
    EXPECT_EQ(rimasti.size(), 1 + 5 + 1) << qPrintable(rimasti.join(' ')); // the file, the kept ones, the folder
}

TEST_F(NomiTemporanei, OgniNomeCheLaCartellaAccettaSiSalvaEIPermessiRestano)
{
    const int limite = int(::pathconf(QFile::encodeName(cartella.path()).constData(), _PC_NAME_MAX));
    ASSERT_GE(limite, 247);
    const struct {
        int lunghezza; // in bytes: a name of accented letters, two bytes each, and x's
        Scrittura modo;
        int codice;
        mode_t permessi; // of the file saved over (replace only)
    } casi[] = {
        {247, Scrittura::sostituisce, 0, 0640},
        {limite, Scrittura::sostituisce, 0, 0600},
        {247, Scrittura::nuovo, 0, 0},
        {limite, Scrittura::nuovo, 0, 0},
        {80, Scrittura::sostituisce, 0, 0755},
        {80, Scrittura::sostituisce, 0, 0604},
        {limite + 1, Scrittura::sostituisce, ENAMETOOLONG, 0},
    };
    for (const auto& c : casi) {
        QString nome = QStringLiteral("Velmor-dati-");
        while (QFile::encodeName(nome).size() < c.lunghezza)
            nome += QFile::encodeName(nome).size() + 2 <= c.lunghezza ? u'à' : u'x';
        const QString percorso = in(nome);
        const QByteArray disco = QFile::encodeName(percorso);
        if (c.permessi) {
            ASSERT_TRUE(office::salvaSuDisco(percorso, "1").riuscito()) << c.lunghezza;
            ASSERT_EQ(::chmod(disco.constData(), c.permessi), 0);
        }
        ASSERT_EQ(office::salvaSuDisco(percorso, "2", c.modo).codice, c.codice) << c.lunghezza;
        if (c.codice == 0) {
            QFile f(percorso);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << c.lunghezza;
            EXPECT_EQ(f.readAll(), "2");
        }
        struct stat st {};
        if (c.permessi) {
            ASSERT_EQ(::stat(disco.constData(), &st), 0);
            EXPECT_EQ(st.st_mode & 07777, c.permessi) << std::oct << c.permessi;
        }
        QFile::remove(percorso);
        EXPECT_TRUE(nomi().isEmpty()) << qPrintable(nomi().join(' '));
    }
}

// A new file, a delivered document above all, never shows its final name before it holds all
// its data: at every step before the last the final name does not exist; a failure leaves nothing.
TEST_F(NomiTemporanei, UnFileNuovoNonHaIlSuoNomePrimaDiEssereIntero)
{
    const auto nessuno = office::Passo(-1); // no step fails
    for (const office::Passo guasto :
         {office::Passo::scrittura, office::Passo::sincronizzazione, office::Passo::sostituzione, nessuno}) {
        QStringList visti;
        office::impostaGuasto([&](office::Passo p) {
            for (const QString& n : nomi())
                if (!n.startsWith('.'))
                    visti << n;
            return p == guasto ? ENOSPC : 0;
        });
        office::impostaCartellaDocumenti(cartella.path());
        auto appword = office::nuovaApplicazione();
        appword->Documents.Add();
        appword->Selection.TypeText(QString(20000, 'r'));
        office::consegnaInSospeso();
        office::impostaGuasto({});
        EXPECT_TRUE(visti.isEmpty()) << "seen before the end: " << qPrintable(visti.join(' '));
        EXPECT_EQ(nomi().size(), guasto == nessuno ? 1 : 0) << qPrintable(nomi().join(' '));
        EXPECT_EQ(aperti.size(), guasto == nessuno ? 1 : 0);
        for (const QString& n : nomi())
            QFile::remove(in(n));
        aperti.clear();
    }
}

} // namespace
