#include "relazione_prova.h"

#include "frame/ModVelmor.h"
#include "frame/finestre.h"
#include "report/frontespizio.h"
#include "seismic/campitubo.h"
#include "seismic/tabellatubi.h"

#include <QDir>
#include <QRadioButton>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>

using namespace ModVelmor;

void ConRelazione::rete(int n, const QString& tipo)
{
    impostaTipiSuperficie();
    sistema = tipo;
    for (int t = 1; t <= n; ++t) {
        lunghezza[t] = Valore("100");
        dislivello[t] = Valore("1.5");
        portatacollettori[t] = Valore("0");
        tiposuperficie[t] = Valore(tipisuperficie[4]);
        coefsuperficie[t] = Valore("0.87");
        numerosuperficie[t] = Valore(4);
        pendenza[t] = Valore(" 5.0%");
        coefpendenza[t] = Valore(0);
        abitanti[t] = Valore("300");
        dotazione[t] = Valore("250");
        superficie[t] = Valore("1.2");
        pioggia[t] = Valore("40");
        riempimento[t] = Valore(100);
    }
    numerotratti = n;
}

void ConRelazione::tubi(int m)
{
    using namespace velmor::sismica;
    const std::vector<std::pair<int, Valore>> campi = {
        {campo::materiale, Valore("calcestruzzo")},
        {campo::pesos, Valore(2500)},
        {campo::compr, Valore(1000)},
        {campo::traz, Valore(1000)},
        {campo::diam, Valore(100)},
        {campo::spess, Valore(100)},
        {campo::altez, Valore(150)},
        {campo::pesot, Valore(1800)},
        {campo::attr, Valore(30)},
        {campo::incr, Valore(2)},
        {campo::press, Valore(8)},
        {campo::bmin, Valore(20)},
        {campo::bmax, Valore(50)},
    };
    for (int j = 1; j <= m; ++j) {
        impostaCampo(campo::riferimento, j, Valore(QStringLiteral("tratto %1").arg(j)));
        for (const auto& [numero, valore] : campi)
            impostaCampo(numero, j, valore);
    }
    numerotubi = Valore(m);
}

const office::SuperficieRegistrata& ConRelazione::stampa()
{
    frontespizio& f = finestre::forma<frontespizio>();
    f.comestampo[1]->setChecked(true);
    f.stampa_Click();
    const auto* s = dynamic_cast<const office::SuperficieRegistrata*>(doppi::stampa().ultima.get());
    if (!s)
        throw std::runtime_error("nothing printed");
    return *s;
}

lettura::Documento ConRelazione::word()
{
    const QStringList prima = fileConsegnati();
    frontespizio& f = finestre::forma<frontespizio>();
    f.comestampo[2]->setChecked(true);
    f.stampa_Click();
    QStringList nuovi = fileConsegnati();
    for (const QString& vecchio : prima)
        nuovi.removeAll(vecchio);
    if (nuovi.size() != 1)
        return {};
    return lettura::leggiFile(QDir(cartellaDocumenti()).filePath(nuovi.front()));
}

std::vector<office::ScrittaRegistrata> tratto(const office::SuperficieRegistrata& s, const QString& da,
                                              const QString& a)
{
    std::vector<office::ScrittaRegistrata> scelte;
    bool dentro = false;
    for (const office::ScrittaRegistrata& r : s.scritte()) {
        if (!dentro && r.testo.startsWith(da))
            dentro = true;
        else if (dentro && !a.isEmpty() && r.testo.startsWith(a))
            break;
        if (dentro)
            scelte.push_back(r);
    }
    return scelte;
}

int colonnaDi(const office::ScrittaRegistrata& s)
{
    const office::SuperficieRegistrata misura;
    const double colonna = misura.misure(s.carattere, s.punti).colonna;
    return int(std::lround(s.x / colonna)) + 1;
}

std::vector<RigaStampata> righe(const std::vector<office::ScrittaRegistrata>& scritte, int colonnaUnita)
{
    static const QRegularExpression numero(QStringLiteral("^ (\\d+) $"));
    std::vector<RigaStampata> trovate;
    for (const office::ScrittaRegistrata& s : scritte) {
        const QRegularExpressionMatch m = numero.match(s.testo);
        if (s.punti != 8 || !m.hasMatch())
            continue;
        if (colonnaDi(s) + int(m.captured(1).size()) == colonnaUnita)
            trovate.push_back({s.pagina, s.y, m.captured(1).toInt()});
    }
    return trovate;
}

QStringList difettiPagine(const office::SuperficieRegistrata& s)
{
    constexpr double yPiede = 15500;
    QStringList difetti;
    std::map<int, QStringList> piedi;
    int ultima = 1;
    for (const office::ScrittaRegistrata& r : s.scritte()) {
        ultima = std::max(ultima, r.pagina);
        if (r.testo.startsWith(QStringLiteral("pagina "))) {
            piedi[r.pagina] << r.testo;
            if (r.y != yPiede)
                difetti << QStringLiteral("pagina %1: piede a y %2").arg(r.pagina).arg(r.y);
            continue;
        }
        const double riga = s.misure(r.carattere, r.punti).riga;
        if (r.y + riga > yPiede + 0.5)
            difetti << QStringLiteral("pagina %1: \"%2\" sotto il piede (y %3)").arg(r.pagina).arg(r.testo).arg(r.y);
    }
    for (int p = 2; p <= ultima; ++p)
        if (piedi[p] != QStringList{QStringLiteral("pagina  %1 ").arg(p)})
            difetti << QStringLiteral("pagina %1: piedi %2").arg(p).arg(piedi[p].join(QStringLiteral(" | ")));
    if (!piedi[1].isEmpty())
        difetti << QStringLiteral("piede sul frontespizio");
    return difetti;
}

QStringList pagineSenzaIntestazione(const std::vector<office::ScrittaRegistrata>& scritte,
                                    const std::vector<RigaStampata>& righe, const QString& intestazione)
{
    std::map<int, double> primaRiga;
    for (const RigaStampata& r : righe)
        if (!primaRiga.count(r.pagina) || r.y < primaRiga[r.pagina])
            primaRiga[r.pagina] = r.y;
    QStringList difetti;
    for (const auto& [pagina, y] : primaRiga) {
        const bool trovata = std::any_of(scritte.begin(), scritte.end(), [&](const office::ScrittaRegistrata& s) {
            return s.pagina == pagina && s.testo == intestazione && s.y < y;
        });
        if (!trovata)
            difetti << QStringLiteral("pagina %1 senza \"%2\"").arg(pagina).arg(intestazione);
    }
    return difetti;
}

std::vector<int> numeri(const std::vector<RigaStampata>& righe)
{
    std::vector<int> n;
    for (const RigaStampata& r : righe)
        n.push_back(r.numero);
    return n;
}

std::vector<int> daUnoA(int n)
{
    std::vector<int> v(static_cast<size_t>(n));
    std::iota(v.begin(), v.end(), 1);
    return v;
}
