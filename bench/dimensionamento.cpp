// Times the sizing of a whole network of 500 segments.
//
// Two networks: a realistic one (pipes from 10 cm to about 2 m) and the worst
// case, where every segment needs more than the largest pipe and the diameter
// search runs to its end. Prints the time of one pass over 500 segments in
// microseconds: the first pass and the median of many.
//   bench_dimensionamento [--prova]   --prova: a few passes
#include "network/dimensionamento.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string_view>
#include <vector>

namespace {

std::vector<rete::DatiTratto> reterealistica()
{
    std::vector<rete::DatiTratto> tratti(500);
    for (int i = 0; i < 500; ++i) {
        rete::DatiTratto& d = tratti[i];
        d.lunghezza = 50 + i % 150;
        d.dislivello = 0.2 + (i % 37) * 0.05;
        d.coefsuperficie = 0.87;
        d.classependenza = i % 11;
        d.portatacollettori = i * 4.0;   // flows grow down the network
        d.abitanti = 100 + i * 10;
        d.dotazione = 250;
        d.superficie = 0.5 + (i % 20) * 0.2;
        d.pioggia = 40;
        d.riempimento = 50 + i % 51;
    }
    return tratti;
}

std::vector<rete::DatiTratto> retepeggiore()
{
    std::vector<rete::DatiTratto> tratti(500);
    for (rete::DatiTratto& d : tratti) {
        d.lunghezza = 100;
        d.dislivello = 1;
        d.portatacollettori = 1e7;
    }
    return tratti;
}

double passata(const std::vector<rete::DatiTratto>& tratti, const QString& sistema, double& controllo)
{
    const auto inizio = std::chrono::steady_clock::now();
    for (const rete::DatiTratto& d : tratti) {
        const rete::RisultatiTratto r = rete::dimensionatratto(d, sistema);
        controllo += r.diametro + r.velocita + r.portatatotale;
    }
    const auto fine = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::micro>(fine - inizio).count();
}

void misura(const char* nome, const std::vector<rete::DatiTratto>& tratti, int passate)
{
    const QString sistema = QStringLiteral("misto");
    double controllo = 0;
    const double prima = passata(tratti, sistema, controllo);
    std::vector<double> tempi;
    for (int k = 0; k < passate; ++k)
        tempi.push_back(passata(tratti, sistema, controllo));
    std::sort(tempi.begin(), tempi.end());
    std::printf("%s: 500 segments, first pass %.1f us, median %.1f us, worst %.1f us"
                " (%.2f us a segment; check %.0f)\n",
                nome, prima, tempi[tempi.size() / 2], tempi.back(),
                tempi[tempi.size() / 2] / 500.0, controllo);
}

} // namespace

int main(int argc, char** argv)
{
    const int passate = argc > 1 && std::string_view(argv[1]) == "--prova" ? 3 : 200;
    misura("realistic network", reterealistica(), passate);
    misura("every segment beyond the largest pipe", retepeggiore(), passate);
    return 0;
}
