// Start-up time: from the launch of the process to the first paint of its first window, for the
// program and for a bare Qt window of the bench's own (avvio/finestra_minima.cpp), each started as
// a process several times, the two in turn, alternating which goes first.
//
// How the first paint is seen from outside: the bench preloads its own observer into both
// processes (avvio/osservatore.cpp, through LD_PRELOAD). It hooks the application object's
// construction, as Qt lets a library do, watches the events, and at the first paint of a visible
// window waits for the event loop to come round (the painted window has then been handed to the
// display), writes that moment on its standard output and has the program quit. The program is
// the one the user runs, unchanged and unaware: it reads no setting for this, and both sides are
// measured by the same code in the same way. The launch is the bench's reading of the same
// monotonic clock just before it starts the process.
//
// The display is the environment's: `make bench` gives a virtual X display when one can be had
// (xvfb-run), so the time includes the connection to the display server; with none, the windows
// are drawn off screen (QT_QPA_PLATFORM=offscreen), which the bench says in its output.
//   bench_avvio [--prova]
//       --prova   one start of each, to see that the bench works
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <optional>
#include <vector>

namespace {

constexpr double obiettivo = 1.3; // the program's start-up against a bare Qt window's, at most
constexpr int attesaMassimaMs = 20000;

long long adessoNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

// Milliseconds from the start of `programma` to its first paint, or nothing (told on standard
// error) when it did not paint within the wait.
std::optional<double> primoDisegno(const QString& programma, const QProcessEnvironment& ambiente)
{
    QProcess p;
    p.setProcessEnvironment(ambiente);
    p.setStandardInputFile(QProcess::nullDevice());
    const long long inizio = adessoNs();
    p.start(programma, {});
    QByteArray uscita;
    QElapsedTimer attesa;
    attesa.start();
    while (!uscita.contains("primo disegno ") || !uscita.endsWith('\n')) {
        if (attesa.elapsed() > attesaMassimaMs || (!p.waitForReadyRead(200) && p.state() == QProcess::NotRunning))
            break;
        uscita += p.readAllStandardOutput();
    }
    // The observer has the program quit; one that does not is stopped.
    if (!p.waitForFinished(5000)) {
        p.kill();
        p.waitForFinished(2000);
    }
    const qsizetype dove = uscita.indexOf("primo disegno ");
    bool letto = false;
    const long long istante = dove < 0 ? 0 : uscita.mid(dove + 14).trimmed().toLongLong(&letto);
    if (!letto) {
        std::fprintf(stderr, "%s: nessun disegno osservato\n%s\n", qPrintable(programma),
                     p.readAllStandardError().constData());
        return std::nullopt;
    }
    return (istante - inizio) / 1e6;
}

double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const bool prova = app.arguments().contains(QStringLiteral("--prova"));

    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    const QString precaricate = ambiente.value(QStringLiteral("LD_PRELOAD"));
    ambiente.insert(QStringLiteral("LD_PRELOAD"),
                    QStringLiteral(AVVIO_OSSERVATORE) + (precaricate.isEmpty() ? QString() : ' ' + precaricate));
    // In a sanitizer build the observer comes before the sanitizer's runtime, which is fine for it.
    ambiente.insert(QStringLiteral("ASAN_OPTIONS"),
                    ambiente.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":verify_asan_link_order=0"));
    if (!ambiente.contains(QStringLiteral("QT_QPA_PLATFORM")) && !ambiente.contains(QStringLiteral("DISPLAY"))
        && !ambiente.contains(QStringLiteral("WAYLAND_DISPLAY")))
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QString piattaforma = ambiente.contains(QStringLiteral("QT_QPA_PLATFORM"))
                                    ? ambiente.value(QStringLiteral("QT_QPA_PLATFORM"))
                                    : QStringLiteral("schermo ") + ambiente.value(QStringLiteral("DISPLAY"),
                                                                                 ambiente.value(QStringLiteral("WAYLAND_DISPLAY")));

    const QString programmi[] = {QStringLiteral(AVVIO_VELMOR), QStringLiteral(AVVIO_FINESTRA)};
    // One start of each, not counted, first: the programs' files come into the page cache.
    if (!prova)
        for (const QString& programma : programmi)
            if (!primoDisegno(programma, ambiente))
                return 1;
    const int giri = prova ? 1 : 15;
    std::vector<double> tempi[2];
    for (int giro = 0; giro < giri; ++giro)
        for (int k = 0; k < 2; ++k) {
            const int quale = (giro + k) % 2; // each goes first in every other round
            const std::optional<double> ms = primoDisegno(programmi[quale], ambiente);
            if (!ms)
                return 1;
            tempi[quale].push_back(*ms);
        }

    const double nostro = mediana(tempi[0]), minima = mediana(tempi[1]);
    const double rapporto = nostro / minima;
    std::printf("avvio fino al primo disegno (%s), mediane di %d avvii alternati:\n"
                "  Velmor %.1f ms, finestra Qt minima %.1f ms, rapporto %.2f (obiettivo: al più %.1f%s)\n",
                qPrintable(piattaforma), giri, nostro, minima, rapporto, obiettivo,
                rapporto <= obiettivo ? "" : ", NON RAGGIUNTO");
    return 0;
}
