// Times the whole technical report of the largest network, 500 segments and
// 50 pipes, in both renderings: on the printer (to a recording surface and to
// a PDF file through QPrinter) and as a document, built, paginated for its
// page count and written out. Prints each time in milliseconds.
//
//     bench_relazione [file.pdf] [bianche|nere|misto] [documents folder]
#include "frame/ModVelmor.h"
#include "frame/applicazione.h"
#include "frame/finestre.h"
#include "frame/servizi.h"
#include "office/consegna.h"
#include "office/documento.h"
#include "office/superficieregistrata.h"
#include "office/superficiestampante.h"
#include "report/frontespizio.h"
#include "seismic/campitubo.h"
#include "seismic/tabellatubi.h"

#include <QApplication>
#include <QPrinter>
#include <QRadioButton>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>

namespace {

class Messaggi : public servizi::Messaggi {
public:
    int mostra(const QString& testo, int, const QString&) override
    {
        std::fprintf(stderr, "messaggio: %s\n", qPrintable(testo));
        return servizi::vbOK;
    }
};

class Dialoghi : public servizi::Dialoghi {
public:
    std::optional<QString> file(const servizi::RichiestaFile&) override { return std::nullopt; }
    std::optional<QColor> colore(const QColor&) override { return std::nullopt; }
    bool stampante(QPrinter&) override { return true; }
};

// A PDF file drawn through QPrinter, or the recording surface.
class Stampa : public servizi::Stampa {
public:
    QString pdf;
    std::shared_ptr<office::Superficie> superficie(QPrinter& stampante) override
    {
        if (pdf.isEmpty())
            return std::make_shared<office::SuperficieRegistrata>();
        office::preparaPdf(stampante, pdf);
        return std::make_shared<office::SuperficieStampante>(stampante);
    }
};

void riempi(const QString& tipo)
{
    using namespace ModVelmor;
    impostaTipiSuperficie();
    sistema = tipo;
    for (int t = 1; t <= massimotratti; ++t) {
        lunghezza[t] = Valore(QString::number(50 + t % 150));
        dislivello[t] = Valore(QString::number(0.2 + (t % 37) * 0.05));
        portatacollettori[t] = Valore(QString::number(t * 4));
        tiposuperficie[t] = Valore(tipisuperficie[1 + t % 10]);
        numerosuperficie[t] = Valore(1 + t % 10);
        coefsuperficie[t] = Valore(QString::number(coefficientisuperficie[1 + t % 10]));
        pendenza[t] = Valore(QStringLiteral(" 5.0%"));
        coefpendenza[t] = Valore(0);
        abitanti[t] = Valore(QString::number(100 + t * 10));
        dotazione[t] = Valore(QStringLiteral("250"));
        superficie[t] = Valore(QString::number(0.5 + (t % 20) * 0.2));
        pioggia[t] = Valore(QStringLiteral("40"));
        riempimento[t] = Valore(50 + t % 51);
    }
    numerotratti = massimotratti;

    using namespace velmor::sismica;
    for (int j = 1; j <= massimotubi; ++j) {
        impostaCampo(campo::riferimento, j, Valore(QStringLiteral("tratto %1").arg(j)));
        impostaCampo(campo::materiale, j, Valore("calcestruzzo"));
        const std::pair<int, double> numeri[] = {{campo::pesos, 2500}, {campo::compr, 1000}, {campo::traz, 1000},
                                                 {campo::diam, 40 + j}, {campo::spess, 50},  {campo::altez, 150},
                                                 {campo::pesot, 1800},  {campo::attr, 30},   {campo::incr, 2},
                                                 {campo::press, 8},     {campo::bmin, 20},   {campo::bmax, 50}};
        for (const auto& [numero, valore] : numeri)
            impostaCampo(numero, j, Valore(valore));
    }
    numerotubi = Valore(massimotubi);
}

double relazione(bool stampante)
{
    frontespizio& f = finestre::forma<frontespizio>();
    f.comestampo[stampante ? 1 : 2]->setChecked(true);
    const auto inizio = std::chrono::steady_clock::now();
    f.stampa_Click();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inizio).count();
}

} // namespace

int main(int argc, char** argv)
{
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    applicazione::prepara();
    Messaggi messaggi;
    Dialoghi dialoghi;
    Stampa stampa;
    servizi::installa(&messaggi);
    servizi::installa(&dialoghi);
    servizi::installa(&stampa);
    QTemporaryDir cartella;
    office::impostaCartellaDocumenti(argc > 3 ? QString::fromLocal8Bit(argv[3]) : cartella.filePath(QStringLiteral("Velmor")));
    office::impostaApriFile([](const QString&) { return true; });
    riempi(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("misto"));

    // The first report also loads the windows and sizes every segment.
    std::printf("prima relazione (stampante, registrata): %.1f ms\n", relazione(true));
    std::printf("stampante, registrata: %.1f ms\n", relazione(true));
    stampa.pdf = argc > 1 ? QString::fromLocal8Bit(argv[1]) : cartella.filePath(QStringLiteral("relazione.pdf"));
    std::printf("stampante, PDF (%s): %.1f ms\n", qPrintable(stampa.pdf), relazione(true));
    std::printf("documento: %.1f ms\n", relazione(false));
    // Of which the document's own pagination, for its page count.
    const frontespizio& f = finestre::forma<frontespizio>();
    const auto inizio = std::chrono::steady_clock::now();
    const int pagine = f.documento ? f.documento->numeroPagine() : 0;
    std::printf("di cui impaginazione (%d pagine): %.1f ms\n", pagine,
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inizio).count());
    return 0;
}
