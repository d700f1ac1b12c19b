// Timing of the network window: one keystroke's recomputation, and the whole
// network of 500 segments shown and sized page by page.
//   bench_rete [--prova]   --prova: a few keystrokes and one pass over 20 segments
#include "frame/ModVelmor.h"
#include "frame/applicazione.h"
#include "frame/finestre.h"
#include "network/dati.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QScrollBar>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    applicazione::prepara();
    const bool prova = QApplication::arguments().contains(QStringLiteral("--prova"));
    const int numero = prova ? 20 : ModVelmor::massimotratti;
    using namespace ModVelmor;
    inizializza();
    sistema = "misto";
    for (int t = 1; t <= numero; ++t) {
        lunghezza[t] = Valore(QString::number(50 + t % 70));
        dislivello[t] = Valore(QString::number(0.2 + (t % 9) * 0.1));
        portatacollettori[t] = Valore("0");
        tiposuperficie[t] = Valore("viali inghiaiati");
        coefsuperficie[t] = Valore("0.22");
        numerosuperficie[t] = Valore(8);
        pendenza[t] = Valore(" 6.4%");
        coefpendenza[t] = Valore(0.01);
        abitanti[t] = Valore(QString::number(t * 10));
        dotazione[t] = Valore("250");
        superficie[t] = Valore(QString::number(0.5 + t * 0.01));
        pioggia[t] = Valore("40");
        riempimento[t] = Valore("80");
    }
    numerotratti = numero;
    dati& d = finestre::forma<dati>();

    std::vector<double> tasti;
    for (int i = 0; i < (prova ? 5 : 200); ++i) {
        QElapsedTimer t;
        t.start();
        d.lungh[1]->setText(QString::number(100 + i % 50));
        tasti.push_back(t.nsecsElapsed() / 1000.0);
    }
    std::sort(tasti.begin(), tasti.end());

    std::vector<double> rete;
    for (int giro = 0; giro < (prova ? 1 : 20); ++giro) {
        QElapsedTimer t;
        t.start();
        for (int p = 1; p <= numero - dati::righe + 1; p += dati::righe) {
            d.VScroll1->setValue(p);
            d.VScroll1_Change();
        }
        rete.push_back(t.nsecsElapsed() / 1e6);
        d.VScroll1->setValue(1);
    }
    std::sort(rete.begin(), rete.end());
    std::printf("un tasto nella griglia: mediana %.1f us, massimo %.1f us\n", tasti[tasti.size() / 2], tasti.back());
    std::printf("%d tratti mostrati e dimensionati: mediana %.2f ms, massimo %.2f ms\n", numero, rete[rete.size() / 2],
                rete.back());
    return 0;
}
