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
#include <unistd.h>

namespace {

using office::Scrittura;

class NomiTemporanei : public AmbienteDocumento {
protected:
    void TearDown() override
    {
        office::impostaGuasto({});
        AmbienteDocumento::TearDown();
    }

    QString cartellaProva() const { return cartella.filePath(QStringLiteral("prova")); }
    QStringList nomi() const
    {
        return QDir(cartellaProva()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
    // A file (or folder) whose last write was `secondi` from now (negative: in the past).
    void crea(const QString& nome, int secondi, bool cartellaInvece = false) const
    {
        const QString percorso = cartellaProva() + '/' + nome;
        if (cartellaInvece) {
            ASSERT_TRUE(QDir().mkpath(percorso));
        } else {
            QFile f(percorso);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("avanzo");
        }
        timespec quando[2]{};
        ::clock_gettime(CLOCK_REALTIME, &quando[0]);
        quando[0].tv_sec += secondi;
        quando[1] = quando[0];
        ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(percorso).constData(), quando, 0), 0);
    }
};

TEST_F(NomiTemporanei, GliAvanziNostriPiuVecchiSonoRimossiGliAltriRestano)
{
    ASSERT_TRUE(QDir().mkpath(cartellaProva()));
    const struct {
        const char* nome;
        int secondi;
        bool cartella;
        bool resta;
    } casi[] = {
        {".velmor-0a1b2c3d.tmp", -3600, false, false}, // a killed save of an hour ago
        {".velmor-zzzzzzzz.tmp", -1, false, false},    // of a second ago
        {".velmor-0a1b2c3e.tmp", 3600, false, true},   // written after this save began: not a leftover
        {".velmor-0A1B2C3D.tmp", -3600, false, true},  // not our pattern: capitals
        {".velmor-0a1b2c3.tmp", -3600, false, true},   // one letter short
        {"velmor-0a1b2c3d.tmp", -3600, false, true},   // not hidden
        {".velmor-0a1b2c3d.tmp.bak", -3600, false, true}, {"appunti.tmp", -3600, false, true},
        {".velmor-0a1b2c3f.tmp", -3600, true, true}, // a folder, never ours
    };
    for (const auto& c : casi)
        crea(QString::fromLatin1(c.nome), c.secondi, c.cartella);

    const QString percorso = cartellaProva() + QStringLiteral("/Velmor-dati-rete");
    ASSERT_TRUE(office::salvaSuDisco(percorso, "dati").riuscito());

    const QStringList rimasti = nomi();
    for (const auto& c : casi)
        EXPECT_EQ(rimasti.contains(QString::fromLatin1(c.nome)), c.resta) << c.nome;
    EXPECT_TRUE(rimasti.contains(QStringLiteral("Velmor-dati-rete")));
    EXPECT_EQ(rimasti.size(), 1 + 7) << qPrintable(rimasti.join(' ')); // the file, the seven kept, nothing of this save
}

TEST_F(NomiTemporanei, OgniNomeCheLaCartellaAccettaSiSalva)
{
    ASSERT_TRUE(QDir().mkpath(cartellaProva()));
    const long limite = ::pathconf(QFile::encodeName(cartellaProva()).constData(), _PC_NAME_MAX);
    ASSERT_GE(limite, 247);
    const struct {
        int lunghezza;
        Scrittura modo;
        int codice;
    } casi[] = {
        {247, Scrittura::sostituisce, 0},
        {int(limite), Scrittura::sostituisce, 0},
        {247, Scrittura::nuovo, 0},
        {int(limite), Scrittura::nuovo, 0},
        {int(limite) + 1, Scrittura::sostituisce, ENAMETOOLONG},
    };
    for (const auto& c : casi) {
        // "Velmor-dati-" then letters with accents: the limit counts bytes, each of these takes two.
        QString nome = QStringLiteral("Velmor-dati-");
        while (QFile::encodeName(nome).size() < c.lunghezza)
            nome += QFile::encodeName(nome).size() + 2 <= c.lunghezza ? QStringLiteral("à") : QStringLiteral("x");
        ASSERT_EQ(QFile::encodeName(nome).size(), c.lunghezza);
        const QString percorso = cartellaProva() + '/' + nome;
        QFile::remove(percorso);
        for (int volta = 1; volta <= 2 && c.modo == Scrittura::sostituisce; ++volta) { // new, then replaced
            EXPECT_EQ(office::salvaSuDisco(percorso, QByteArray::number(volta), c.modo).codice, c.codice)
                << c.lunghezza << " time " << volta;
        }
        if (c.modo == Scrittura::nuovo) {
            EXPECT_EQ(office::salvaSuDisco(percorso, "2", c.modo).codice, c.codice) << c.lunghezza;
        }
        if (c.codice == 0) {
            QFile f(percorso);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << c.lunghezza;
            EXPECT_EQ(f.readAll(), "2");
        } else {
            EXPECT_EQ(office::motivoScrittura(c.codice, percorso), QStringLiteral("il nome del file è troppo lungo"));
        }
        QFile::remove(percorso);
        EXPECT_TRUE(nomi().isEmpty()) << qPrintable(nomi().join(' '));
    }
}

TEST_F(NomiTemporanei, IlFileSostituitoTieneIPermessi)
{
    ASSERT_TRUE(QDir().mkpath(cartellaProva()));
    const QString percorso = cartellaProva() + QStringLiteral("/Velmor-completa-rete");
    const QByteArray nome = QFile::encodeName(percorso);
    const mode_t maschera = ::umask(022);
    for (const mode_t permessi : {mode_t(0600), mode_t(0640), mode_t(0660), mode_t(0604), mode_t(0755)}) {
        ASSERT_TRUE(office::salvaSuDisco(percorso, "vecchio").riuscito());
        ASSERT_EQ(::chmod(nome.constData(), permessi), 0);
        ASSERT_TRUE(office::salvaSuDisco(percorso, "nuovo").riuscito());
        struct stat st {};
        ASSERT_EQ(::stat(nome.constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, permessi) << std::oct << permessi;
    }
    ::umask(maschera);
}

// A new file, a document above all, never shows its final name before it holds all its data:
// at every step before the last, the final name does not exist; a failure leaves nothing.
TEST_F(NomiTemporanei, UnFileNuovoNonHaIlSuoNomePrimaDiEssereIntero)
{
    ASSERT_TRUE(QDir().mkpath(cartellaProva()));
    const QString percorso = cartellaProva() + QStringLiteral("/relazione.docx");
    const auto nessuno = office::Passo(-1); // no step fails
    for (const office::Passo guasto :
         {office::Passo::scrittura, office::Passo::sincronizzazione, office::Passo::sostituzione, nessuno}) {
        QStringList visti;
        office::impostaGuasto([&](office::Passo p) {
            if (QFile::exists(percorso))
                visti << QString::number(int(p));
            return p == guasto ? ENOSPC : 0;
        });
        const bool riesce = office::salvaSuDisco(percorso, QByteArray(70000, 'd'), Scrittura::nuovo).riuscito();
        office::impostaGuasto({});
        EXPECT_TRUE(visti.isEmpty()) << "the final name existed at steps " << qPrintable(visti.join(' '));
        EXPECT_EQ(riesce, guasto == nessuno);
        EXPECT_EQ(nomi(), riesce ? QStringList{QStringLiteral("relazione.docx")} : QStringList{});
        QFile::remove(percorso);
    }

    // The same through the delivery of a document into the documents folder.
    office::impostaCartellaDocumenti(cartellaProva());
    QStringList visti;
    office::impostaGuasto([&](office::Passo) {
        for (const QString& n : nomi())
            if (n.endsWith(QStringLiteral(".docx")))
                visti << n;
        return 0;
    });
    auto appword = office::nuovaApplicazione();
    appword->Documents.Add();
    appword->Selection.TypeText(QStringLiteral("relazione"));
    office::consegnaInSospeso();
    office::impostaGuasto({});
    EXPECT_TRUE(visti.isEmpty()) << qPrintable(visti.join(' '));
    ASSERT_EQ(nomi().size(), 1);
    EXPECT_TRUE(nomi()[0].endsWith(QStringLiteral(".docx")));
    EXPECT_EQ(aperti.size(), 1);
}

} // namespace
