// A save killed between writing the new data and putting it in place of the
// old file leaves the old file as it was. The save runs in a child process,
// which stops at the moment the finished temporary file would replace the old
// one; the parent then kills it, as a power cut or a crash would.
#include "frame/record.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// In the child: where to say that the save has reached the replacement.
int g_avvisoSostituzione = -1;

} // namespace

// The replacement of the old file by the new one is a rename; this executable's
// own rename comes before the C library's, so the child can stop right there.
extern "C" int rename(const char* da, const char* a) noexcept
{
    if (g_avvisoSostituzione >= 0) {
        const char pronto = 'x';
        [[maybe_unused]] const auto scritti = ::write(g_avvisoSostituzione, &pronto, 1);
        for (;;)
            ::pause();
    }
    using Rinomina = int (*)(const char*, const char*);
    static const auto vera = reinterpret_cast<Rinomina>(::dlsym(RTLD_NEXT, "rename"));
    return vera(da, a);
}

namespace {

QByteArray contenuto(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(illeggibile)");
}

TEST(SalvataggioInterrotto, IlFileDiPrimaRestaIntero)
{
    QTemporaryDir cartella;
    ASSERT_TRUE(cartella.isValid());
    const QString percorso = cartella.filePath(QStringLiteral("Velmor-dati-rete"));
    const QByteArray vecchio = record::scrivi({Valore(1)}) + record::scrivi({Valore("120"), Valore(1.5), Valore()});
    ASSERT_TRUE(record::salvaFile(percorso, vecchio).isEmpty());
    QByteArray nuovo = record::scrivi({Valore(500)});
    for (int i = 0; i < 500; ++i)
        nuovo += record::scrivi({Valore(QString::number(i)), Valore(i * 0.5), Valore("misto")});

    int canale[2];
    ASSERT_EQ(::pipe(canale), 0);
    const pid_t figlio = ::fork();
    ASSERT_GE(figlio, 0);
    if (figlio == 0) {
        ::close(canale[0]);
        g_avvisoSostituzione = canale[1];
        (void)record::salvaFile(percorso, nuovo);
        ::_exit(3); // only when the save never reached the replacement
    }
    ::close(canale[1]);
    pollfd attesa{canale[0], POLLIN, 0};
    char pronto = 0;
    const bool arrivato = ::poll(&attesa, 1, 20000) == 1 && ::read(canale[0], &pronto, 1) == 1;
    ::close(canale[0]);
    ::kill(figlio, SIGKILL);
    int stato = 0;
    ASSERT_EQ(::waitpid(figlio, &stato, 0), figlio);
    ASSERT_TRUE(arrivato) << "the save in the child never reached the replacement of the file";
    ASSERT_TRUE(WIFSIGNALED(stato) && WTERMSIG(stato) == SIGKILL);

    EXPECT_EQ(contenuto(percorso), vecchio);
    // The new data had been written in full beside it: the kill came between write and commit.
    bool nuovoScritto = false;
    for (const QString& nome : QDir(cartella.path()).entryList(QDir::Files | QDir::Hidden))
        nuovoScritto = nuovoScritto || contenuto(cartella.filePath(nome)) == nuovo;
    EXPECT_TRUE(nuovoScritto);
}

} // namespace
