#include "network/classipendenza.h"

#include <array>
#include <cmath>

namespace rete {

namespace {

// Lower and upper limits of each class, in per cent, as the report's table
// gives them; the last class has no upper limit.
struct Limiti {
    const char* inferiore;
    const char* superiore;
};

constexpr std::array<Limiti, numeroclassipendenza> limiti{{
    {" 0.0", " 5.0"}, {" 5.1", " 6.4"}, {" 6.5", " 7.9"}, {" 8.0", " 9.4"},
    {" 9.5", "10.9"}, {"11.0", "12.4"}, {"12.5", "13.9"}, {"14.0", "15.5"},
    {"15.6", "17.0"}, {"17.1", "18.5"}, {"18.6", nullptr},
}};

constexpr int ultimaclasse = numeroclassipendenza - 1;

} // namespace

bool classevalida(int classe)
{
    return classe >= 0 && classe <= ultimaclasse;
}

QString etichettapendenza(int classe)
{
    if (!classevalida(classe))
        return {};
    if (classe == ultimaclasse)
        return QStringLiteral("oltre ") + QLatin1String(limiti[ultimaclasse - 1].superiore) + u'%';
    const Limiti& l = limiti[classe];
    return QLatin1String(l.inferiore) + QStringLiteral(" - ") + QLatin1String(l.superiore) + u'%';
}

QString limitependenza(int classe)
{
    return etichettapendenza(classe).right(5);
}

QString intervallopendenza(int classe)
{
    if (!classevalida(classe))
        return {};
    const Limiti& l = limiti[classe];
    if (l.superiore == nullptr)
        return QLatin1String(l.inferiore) + QStringLiteral(" in poi");
    return QLatin1String(l.inferiore) + u'-' + QLatin1String(l.superiore);
}

int percentualemantenuta(int classe)
{
    return 100 - 10 * classe;
}

double aggiuntapendenza(int classe)
{
    return classe / 10.0;
}

double coefficientependenza(int classe)
{
    return classe / 100.0;
}

int classedacoefficiente(double coefpendenza)
{
    const double centesimi = coefpendenza * 100.0;
    const double classe = std::round(centesimi);
    // A coefficient read back from a file ("0.07") is off its class by a
    // rounding error at most; anything farther is not a class.
    // (Tested as a double before the cast, so that no number is too large
    // for an int.)
    if (!(std::abs(centesimi - classe) <= 1e-6) || classe < 0 || classe > ultimaclasse)
        return -1;
    return static_cast<int>(classe);
}

double coefficientedeflusso(double coefsuperficie, int classe)
{
    if (!classevalida(classe))
        classe = 0;
    return coefsuperficie * percentualemantenuta(classe) / 100.0 + aggiuntapendenza(classe);
}

} // namespace rete
