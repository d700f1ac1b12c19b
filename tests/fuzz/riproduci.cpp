// Replays files through a fuzz target's entry point: the seed corpus and every
// input that once made a reader fail. Arguments are files or folders (read
// whole, in name order); a run that finds no input at all fails too.
#include <QByteArray>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti);

int main(int argc, char** argv)
{
    QStringList file;
    for (int i = 1; i < argc; ++i) {
        const QString percorso = QString::fromLocal8Bit(argv[i]);
        if (QFileInfo(percorso).isDir()) {
            QDirIterator it(percorso, QDir::Files, QDirIterator::Subdirectories);
            QStringList trovati;
            while (it.hasNext())
                trovati << it.next();
            trovati.sort();
            file << trovati;
        } else {
            file << percorso;
        }
    }
    for (const QString& percorso : file) {
        QFile f(percorso);
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "non si legge %s\n", qPrintable(percorso));
            return 1;
        }
        const QByteArray contenuto = f.readAll();
        std::printf("%s\n", qPrintable(percorso));
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(contenuto.constData()), std::size_t(contenuto.size()));
    }
    std::printf("%lld file riprodotti\n", static_cast<long long>(file.size()));
    return file.isEmpty() ? 1 : 0;
}
