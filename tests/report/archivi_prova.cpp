#include "archivi_prova.h"

#include "frame/ModVelmor.h"
#include "frame/aggiornamenti.h"
#include "frame/finestre.h"
#include "archivi/archivi.h"

#include <QDir>
#include <QFile>

using namespace ModVelmor;

void ConArchivi::treTratti()
{
    sistema = "misto";
    const char* lunghe[] = {"", "120", "85.5", "60"};
    for (int i = 1; i <= 3; ++i) {
        lunghezza[i] = Valore(lunghe[i]);
        dislivello[i] = Valore("1.2");
        tiposuperficie[i] = Valore("viali inghiaiati");
        coefsuperficie[i] = Valore("0.22");
        pendenza[i] = Valore(" 6.4%");
        coefpendenza[i] = Valore(0.01);
        portatacollettori[i] = Valore(0);
        abitanti[i] = Valore("200");
        dotazione[i] = Valore(250);
        superficie[i] = Valore("1.5");
        pioggia[i] = Valore("40");
        numerosuperficie[i] = Valore(8);
        riempimento[i] = Valore(100);
    }
    numerotratti = 3;
}

void ConArchivi::unTubo(int j)
{
    riferimento[j] = Valore("collettore " + QString::number(j));
    materiale[j] = "calcestruzzo";
    pesos[j] = Valore(2500);
    compr[j] = Valore(80);
    traz[j] = Valore(40);
    diam[j] = Valore(100);
    spess[j] = Valore(100);
    peso[j] = Valore(864);
    altez[j] = Valore(150);
    pesot[j] = Valore(1800);
    attr[j] = Valore(30);
    incr[j] = Valore(2);
    press[j] = Valore(8);
    bmin[j] = Valore(20);
    bmax[j] = Valore(50);
    numerotubi = Valore(std::max(j, int(numerotubi.numero())));
}

void ConArchivi::frontespizioCompleto()
{
    archivi::impostaFrontespizio({"Fognatura, lotto 2", QString::fromUtf8("Borgo Città"), "progetto esecutivo",
                                  "Comune di Esempio", "Ufficio tecnico", "lunedì, 7 dic 2026", "tavole 1-4"});
    emit Aggiornamenti::istanza().reteCambiata(); // as after a file read: a loaded title page shows them
}

QString ConArchivi::percorso(const QString& nome) const
{
    return QDir(cartella.path()).filePath(nome);
}

QByteArray ConArchivi::contenuto(const QString& percorso)
{
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}
