#include "office/salvataggio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace office {

namespace {

std::function<int(Passo)>& guastoImpostato()
{
    static std::function<int(Passo)> guasto;
    return guasto;
}

// The injected failure of a step, as the system call would report it: -1 with errno set.
bool guasta(Passo passo)
{
    if (!guastoImpostato())
        return false;
    const int codice = guastoImpostato()(passo);
    if (codice != 0)
        errno = codice;
    return codice != 0;
}

// An open file descriptor that a failure closes and removes.
class FileInScrittura {
public:
    ~FileInScrittura()
    {
        if (fd >= 0)
            ::close(fd);
        if (!nome.isEmpty())
            ::unlink(nome.constData());
    }
    // The file is in place: nothing to remove any more.
    void tieni() { nome.clear(); }
    int fd = -1;
    QByteArray nome;
};

int apri(const QByteArray& nome)
{
    if (guasta(Passo::apertura))
        return -1;
    int fd;
    do
        fd = ::open(nome.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    while (fd < 0 && errno == EINTR);
    return fd;
}

// Writes every byte; 0 or the error number.
int scriviTutto(int fd, const QByteArray& dati)
{
    qsizetype fatti = 0;
    while (fatti < dati.size()) {
        if (guasta(Passo::scrittura))
            return errno;
        const ssize_t n = ::write(fd, dati.constData() + fatti, size_t(dati.size() - fatti));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return EIO;
        fatti += n;
    }
    return 0;
}

// Syncs the data, checks the size on disk and closes: 0 or the error number.
int chiudiSulDisco(FileInScrittura& file, qsizetype attesi)
{
    if (guasta(Passo::sincronizzazione) || ::fdatasync(file.fd) != 0)
        return errno;
    struct stat st {};
    if (::fstat(file.fd, &st) != 0)
        return errno;
    if (st.st_size != attesi)
        return EIO;
    const int fd = file.fd;
    file.fd = -1;
    return ::close(fd) == 0 ? 0 : errno;
}

// After the rename the folder holds the new name; syncing it makes the rename itself last
// through a power cut. The file is already in place, so a folder that cannot be synced (some
// file systems refuse) changes nothing for the user.
void sincronizzaCartella(const QByteArray& cartella)
{
    const int fd = ::open(cartella.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

EsitoSalvataggio fallito(int codice, const QString& percorso)
{
    return {codice, motivoScrittura(codice, percorso), rimedioScrittura(codice)};
}

// The temporary file's name: the same short length whatever the final name, so that a name the
// folder takes is never refused because of the temporary one beside it. Hidden, and with a
// pattern of its own so that only our leftovers are ever removed.
constexpr char prefissoTemporaneo[] = ".velmor-";
constexpr char suffissoTemporaneo[] = ".tmp";
constexpr int cifreTemporaneo = 8; // base 36: 36^8 names, a clash is retried anyway

QByteArray nomeTemporaneo()
{
    static constexpr char cifre[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    QByteArray nome(prefissoTemporaneo);
    quint64 caso = QRandomGenerator::global()->generate64();
    for (int i = 0; i < cifreTemporaneo; ++i, caso /= 36)
        nome += cifre[caso % 36];
    return nome + suffissoTemporaneo;
}

bool eNomeTemporaneo(const char* nome)
{
    const qsizetype prefisso = qsizetype(sizeof prefissoTemporaneo) - 1;
    const qsizetype suffisso = qsizetype(sizeof suffissoTemporaneo) - 1;
    const QByteArray n(nome);
    if (n.size() != prefisso + cifreTemporaneo + suffisso || !n.startsWith(prefissoTemporaneo)
        || !n.endsWith(suffissoTemporaneo))
        return false;
    for (qsizetype i = prefisso; i < prefisso + cifreTemporaneo; ++i)
        if (!((n[i] >= '0' && n[i] <= '9') || (n[i] >= 'a' && n[i] <= 'z')))
            return false;
    return true;
}

bool primaDi(const timespec& a, const timespec& b)
{
    return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec < b.tv_nsec);
}

// A save killed half-way leaves its temporary file behind. The next save in that folder removes
// such files: only regular files of our own pattern, and only those last written before this
// save began (a save running beside this one keeps its file). Nothing here is worth failing the
// save for: a leftover that cannot be removed waits for the next time.
void rimuoviAvanzi(const QByteArray& cartella, const timespec& inizio)
{
    DIR* d = ::opendir(cartella.constData());
    if (!d)
        return;
    const int fdCartella = ::dirfd(d);
    while (const dirent* voce = ::readdir(d)) {
        if (!eNomeTemporaneo(voce->d_name))
            continue;
        struct stat st {};
        if (::fstatat(fdCartella, voce->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode)
            && primaDi(st.st_mtim, inizio))
            ::unlinkat(fdCartella, voce->d_name, 0);
    }
    ::closedir(d);
}

// Gives the finished temporary file the final name, which must not exist: the name appears with
// the whole content or not at all. Where the file system has no such rename, a hard link does
// the same; where it has neither, the check and the rename are two steps.
int metteSenzaSostituire(const QByteArray& temporaneo, const QByteArray& finale)
{
    if (::renameat2(AT_FDCWD, temporaneo.constData(), AT_FDCWD, finale.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return errno;
    if (::link(temporaneo.constData(), finale.constData()) == 0) {
        ::unlink(temporaneo.constData());
        return 0;
    }
    if (errno != EPERM && errno != EOPNOTSUPP)
        return errno;
    struct stat st {};
    if (::lstat(finale.constData(), &st) == 0)
        return EEXIST;
    return ::rename(temporaneo.constData(), finale.constData()) == 0 ? 0 : errno;
}

} // namespace

QString motivoScrittura(int codice, const QString& percorso)
{
    switch (codice) {
    case 0: return {};
    case ENOSPC: return QStringLiteral("il disco è pieno");
    case EDQUOT: return QStringLiteral("lo spazio su disco concesso all'utente è esaurito");
    case EROFS: return QStringLiteral("il disco è protetto da scrittura (in sola lettura)");
    case EACCES:
    case EPERM: return QStringLiteral("non si ha il permesso di scrivere in quella cartella");
    case ETXTBSY: return QStringLiteral("il file è in uso");
    case EIO: return QStringLiteral("errore di scrittura del disco");
    case EFBIG: return QStringLiteral("il file è troppo grande per quel disco");
    case ENAMETOOLONG: return QStringLiteral("il nome del file è troppo lungo");
    case EISDIR: return QStringLiteral("il nome è quello di una cartella, non di un file");
    case EEXIST: return QStringLiteral("esiste già un file con quel nome");
    case ENOENT:
    case ENOTDIR: return "la cartella " + QDir::toNativeSeparators(QFileInfo(percorso).absolutePath()) + " non esiste";
    case EMFILE:
    case ENFILE: return QStringLiteral("ci sono troppi file aperti");
    case ENOMEM: return QStringLiteral("la memoria non basta");
    default: return QStringLiteral("errore del sistema n. %1 durante la scrittura").arg(codice);
    }
}

QString rimedioScrittura(int codice)
{
    switch (codice) {
    case 0: return {};
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return QStringLiteral("Salvare i dati in un'altra cartella o su un altro disco che abbia spazio libero.");
    case EROFS: return QStringLiteral("Salvare i dati su un altro disco, che non sia protetto da scrittura.");
    case EACCES:
    case EPERM:
        return QStringLiteral("Salvare i dati in un'altra cartella, in cui si abbia il permesso di scrivere "
                              "(per esempio la cartella dei documenti).");
    case ETXTBSY: return QStringLiteral("Chiudere il programma che usa il file e salvare di nuovo, oppure salvare con un altro nome.");
    case EIO: return QStringLiteral("Salvare i dati su un altro disco e controllare quello che ha dato l'errore.");
    case ENAMETOOLONG: return QStringLiteral("Salvare i dati con un nome più corto.");
    case EISDIR:
    case EEXIST: return QStringLiteral("Salvare i dati con un altro nome.");
    case ENOENT:
    case ENOTDIR: return QStringLiteral("Salvare i dati in una cartella che esista.");
    case EMFILE:
    case ENFILE:
    case ENOMEM: return QStringLiteral("Chiudere altri programmi o documenti aperti e salvare di nuovo.");
    default: return QStringLiteral("Salvare i dati in un'altra cartella o su un altro disco.");
    }
}

void impostaGuasto(std::function<int(Passo)> guasto)
{
    guastoImpostato() = std::move(guasto);
}

EsitoSalvataggio salvaSuDisco(const QString& percorso, const QByteArray& dati, Scrittura modo)
{
    QFileInfo info(percorso);
    if (info.isSymLink())
        info = QFileInfo(info.symLinkTarget()); // the link stays, its target gets the data
    if (info.isDir())
        return fallito(EISDIR, percorso);
    if (!QFileInfo(info.absolutePath()).isDir())
        return fallito(ENOENT, percorso);
    const QByteArray bersaglio = QFile::encodeName(info.absoluteFilePath());
    struct stat vecchio {};
    const bool esiste = ::stat(bersaglio.constData(), &vecchio) == 0;
    if (esiste && modo == Scrittura::nuovo)
        return fallito(EEXIST, percorso);
    if (esiste && ::access(bersaglio.constData(), W_OK) != 0 && errno != EROFS)
        return {EACCES, QStringLiteral("il file è protetto da scrittura (in sola lettura)"),
                QStringLiteral("Salvare i dati con un altro nome, oppure togliere la protezione dal file.")};

    timespec inizio {};
    ::clock_gettime(CLOCK_REALTIME, &inizio);
    const QByteArray cartella = QFile::encodeName(info.absolutePath());
    rimuoviAvanzi(cartella, inizio);

    // A new file too is written under the temporary name first: a kill half-way never leaves a
    // cut document under the name the user is given.
    FileInScrittura file;
    for (int tentativo = 0; tentativo < 100 && file.fd < 0; ++tentativo) {
        const QByteArray nome = cartella + '/' + nomeTemporaneo();
        file.fd = apri(nome);
        if (file.fd >= 0)
            file.nome = nome;
        else if (errno != EEXIST)
            break;
    }
    if (file.fd >= 0 && esiste)
        ::fchmod(file.fd, vecchio.st_mode & 07777); // the new file keeps the old one's permissions
    if (file.fd < 0)
        return fallito(errno, percorso);

    if (const int codice = scriviTutto(file.fd, dati))
        return fallito(codice, percorso);
    if (const int codice = chiudiSulDisco(file, dati.size()))
        return fallito(codice, percorso);
    if (guasta(Passo::sostituzione))
        return fallito(errno, percorso);
    if (modo == Scrittura::sostituisce) {
        if (::rename(file.nome.constData(), bersaglio.constData()) != 0)
            return fallito(errno, percorso);
    } else if (const int codice = metteSenzaSostituire(file.nome, bersaglio)) {
        return fallito(codice, percorso);
    }
    file.tieni();
    sincronizzaCartella(cartella);
    return {};
}

} // namespace office
