// Saves on a disk that is full or read-only: the file that was there stays byte for byte,
// nothing is left beside it, and the user is told which file and why. The disk is a small
// tmpfs the test mounts (as root, which CI is); where it cannot, the writes fail through the
// save's own seam.
#include "frame/record.h"
#include "office/salvataggio.h"
#include "supporto/ambientedocumento.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

const QString pieno = QStringLiteral("il disco è pieno");

class DiscoPieno : public AmbienteDocumento {
protected:
    void SetUp() override
    {
        AmbienteDocumento::SetUp();
        disco = cartella.filePath(QStringLiteral("disco"));
        ASSERT_TRUE(QDir().mkpath(disco));
        montato =
            ::mount("tmpfs", QFile::encodeName(disco).constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k") == 0;
    }
    void TearDown() override
    {
        office::impostaGuasto({});
        if (montato)
            ::umount2(QFile::encodeName(disco).constData(), MNT_DETACH);
        AmbienteDocumento::TearDown();
    }

    QString vecchioFile(const QString& nome, const QByteArray& byte) const
    {
        const QString percorso = disco + "/" + nome;
        EXPECT_TRUE(record::salvaFile(percorso, byte).isEmpty());
        return percorso;
    }

    // Leaves no room (ENOSPC) or makes the disk read-only (EROFS).
    void guasta(int codice) const
    {
        if (!montato) {
            const auto passo = codice == ENOSPC ? office::Passo::scrittura : office::Passo::apertura;
            office::impostaGuasto([=](office::Passo p) { return p == passo ? codice : 0; });
        } else if (codice == ENOSPC) {
            const int fd = ::open(QFile::encodeName(disco + "/riempimento").constData(), O_WRONLY | O_CREAT, 0644);
            const QByteArray blocco(4096, 'x');
            while (::write(fd, blocco.constData(), size_t(blocco.size())) > 0) {
            }
            ::close(fd);
        } else {
            ASSERT_EQ(::mount(nullptr, QFile::encodeName(disco).constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr),
                      0);
        }
    }

    QStringList fileSulDisco() const
    {
        QStringList nomi = QDir(disco).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        nomi.removeAll(QStringLiteral("riempimento"));
        return nomi;
    }

    static QByteArray contenuto(const QString& percorso)
    {
        QFile f(percorso);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(illeggibile)");
    }

    QString disco;
    bool montato = false;
};

TEST_F(DiscoPieno, IlFileDiPrimaRestaEIlMotivoEDetto)
{
    const struct {
        int codice;
        int byteNuovi;
        QString motivo;
    } casi[] = {
        {ENOSPC, 400, pieno},
        {ENOSPC, 16000, pieno},
        {EROFS, 400, QStringLiteral("il disco è protetto da scrittura (in sola lettura)")},
    };
    for (const auto& caso : casi) {
        TearDown();
        SetUp();
        const QByteArray vecchio(398, 'v');
        const QString percorso = vecchioFile(QStringLiteral("Velmor-dati-rete"), vecchio);
        guasta(caso.codice);
        QByteArray nuovo;
        while (nuovo.size() < caso.byteNuovi)
            nuovo += QByteArray(38, 'n') + "\r\n";
        EXPECT_EQ(record::salvaFile(percorso, nuovo).toStdString(), caso.motivo.toStdString()) << caso.byteNuovi;
        EXPECT_EQ(contenuto(percorso), vecchio) << caso.byteNuovi;
        EXPECT_EQ(fileSulDisco(), QStringList{QStringLiteral("Velmor-dati-rete")}) << caso.byteNuovi;
    }
}

TEST_F(DiscoPieno, IDocumentiNonSiPerdonoEIlMotivoEDetto)
{
    const QByteArray vecchio(398, 'v');
    const QString relazione = vecchioFile(QStringLiteral("relazione.docx"), vecchio);
    office::impostaCartellaDocumenti(disco + "/Velmor");
    ASSERT_TRUE(QDir().mkpath(disco + "/Velmor"));
    guasta(ENOSPC);

    // A document saved over an earlier one, then delivered as a new file.
    auto appword = office::nuovaApplicazione();
    auto documento = appword->Documents.Add();
    appword->Selection.TypeText(QString(20000, 'r'));
    EXPECT_FALSE(documento->SaveAs(relazione));
    office::consegnaInSospeso();
    ASSERT_EQ(messaggi.size(), 2);
    EXPECT_TRUE(messaggi[0].contains(relazione) && messaggi[0].contains(pieno)) << qPrintable(messaggi[0]);
    EXPECT_TRUE(messaggi[1].contains(disco + "/Velmor/Velmor-") && messaggi[1].contains(pieno))
        << qPrintable(messaggi[1]);

    EXPECT_EQ(contenuto(relazione), vecchio);
    EXPECT_EQ(fileSulDisco(), QStringList{QStringLiteral("relazione.docx")});
    EXPECT_TRUE(QDir(disco + "/Velmor").isEmpty());
    EXPECT_TRUE(aperti.isEmpty());
}

} // namespace
