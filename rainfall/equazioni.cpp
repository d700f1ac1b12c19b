#include "rainfall/equazioni.h"

#include "frame/percorsi.h"

#include <QSet>
#include <QStringDecoder>

#include <cmath>
#include <optional>

namespace pioggia {

namespace {

constexpr int campiMinimi = 7;
constexpr int campiMassimi = 10;

// A number as the file writes it: decimal point, no thousands separator.
std::optional<double> numero(const QString& campo)
{
    bool ok = false;
    const double valore = campo.toDouble(&ok);  // QString::toDouble is locale-free
    if (!ok || !std::isfinite(valore))
        return std::nullopt;
    return valore;
}

std::optional<UnitaDurata> unita(const QString& campo)
{
    const QString u = campo.toLower();
    if (u == QLatin1String("ore") || u == QLatin1String("h"))
        return UnitaDurata::Ore;
    if (u == QLatin1String("minuti") || u == QLatin1String("min"))
        return UnitaDurata::Minuti;
    return std::nullopt;
}

std::optional<Ambito> ambito(const QString& campo)
{
    const QString a = campo.toLower();
    if (a.isEmpty())
        return Ambito::NonDetto;
    if (a == QLatin1String("stazione"))
        return Ambito::Stazione;
    if (a == QLatin1String("comune"))
        return Ambito::Comune;
    if (a == QLatin1String("bacino"))
        return Ambito::Bacino;
    return std::nullopt;
}

std::optional<TipoFonte> tipoFonte(const QString& campo)
{
    const QString t = campo.toLower();
    if (t.isEmpty())
        return TipoFonte::NonDetto;
    if (t == QLatin1String("pubblicata"))
        return TipoFonte::Pubblicata;
    if (t == QLatin1String("esempio"))
        return TipoFonte::Esempio;
    return std::nullopt;
}

bool indirizzoValido(const QString& campo)
{
    return campo.startsWith(QLatin1String("http://")) || campo.startsWith(QLatin1String("https://"));
}

// Reads one data line into a zone, or says what is wrong with it.
std::optional<Zona> zonaDaRiga(const QString& riga, QString& errore)
{
    QStringList campi = riga.split(QLatin1Char(';'));
    for (QString& campo : campi)
        campo = campo.trimmed();
    if (campi.size() < campiMinimi || campi.size() > campiMassimi) {
        errore = QStringLiteral("servono da %1 a %2 campi separati da ';', ce ne sono %3")
                     .arg(campiMinimi).arg(campiMassimi).arg(campi.size());
        return std::nullopt;
    }

    Zona zona;
    zona.nome = campi[0];
    if (zona.nome.isEmpty()) {
        errore = QStringLiteral("manca il nome della zona");
        return std::nullopt;
    }
    const auto a = numero(campi[1]);
    if (!a || *a <= 0.0) {
        errore = QStringLiteral("il coefficiente a \"%1\" non è un numero positivo (punto per i decimali)").arg(campi[1]);
        return std::nullopt;
    }
    const auto n = numero(campi[2]);
    if (!n || *n <= 0.0 || *n > 1.0) {
        errore = QStringLiteral("l'esponente n \"%1\" non è un numero fra 0 e 1").arg(campi[2]);
        return std::nullopt;
    }
    const auto u = unita(campi[3]);
    if (!u) {
        errore = QStringLiteral("l'unità della durata \"%1\" non è \"ore\" né \"minuti\"").arg(campi[3]);
        return std::nullopt;
    }
    const auto tr = numero(campi[4]);
    if (!tr || *tr <= 0.0) {
        errore = QStringLiteral("il tempo di ritorno \"%1\" non è un numero di anni positivo").arg(campi[4]);
        return std::nullopt;
    }
    if (campi[5].isEmpty()) {
        errore = QStringLiteral("manca il titolo della fonte");
        return std::nullopt;
    }
    if (!indirizzoValido(campi[6])) {
        errore = QStringLiteral("l'indirizzo della fonte \"%1\" non comincia con http:// o https://").arg(campi[6]);
        return std::nullopt;
    }
    const auto am = ambito(campi.value(8));
    if (!am) {
        errore = QStringLiteral("l'ambito della curva \"%1\" non è \"stazione\", \"comune\" né \"bacino\"").arg(campi[8]);
        return std::nullopt;
    }
    const auto tf = tipoFonte(campi.value(9));
    if (!tf) {
        errore = QStringLiteral("il tipo della fonte \"%1\" non è \"pubblicata\" né \"esempio\"").arg(campi[9]);
        return std::nullopt;
    }
    zona.a = *a;
    zona.n = *n;
    zona.unita = *u;
    zona.tempoRitorno = *tr;
    zona.fonte = campi[5];
    zona.indirizzo = campi[6];
    zona.nota = campi.value(7);
    zona.ambito = *am;
    zona.tipoFonte = *tf;
    return zona;
}

} // namespace

LetturaZone analizzaZone(const QString& testo)
{
    LetturaZone esito;
    QSet<QString> nomi;
    const QStringList righe = testo.split(QLatin1Char('\n'));
    for (int i = 0; i < righe.size(); ++i) {
        QString riga = righe[i].trimmed();  // also drops the CR of CR LF ends
        if (i == 0 && riga.startsWith(QChar(0xFEFF)))
            riga = riga.mid(1).trimmed();
        if (riga.isEmpty() || riga.startsWith(QLatin1Char('#')))
            continue;
        QString errore;
        const auto zona = zonaDaRiga(riga, errore);
        if (zona && nomi.contains(zona->nome.toLower()))
            errore = QStringLiteral("la zona \"%1\" compare più di una volta").arg(zona->nome);
        if (!errore.isEmpty()) {
            esito.errori.append(QStringLiteral("riga %1: %2").arg(i + 1).arg(errore));
            continue;
        }
        nomi.insert(zona->nome.toLower());
        esito.zone.append(*zona);
    }
    if (esito.zone.isEmpty() && esito.errori.isEmpty())
        esito.errori.append(QStringLiteral("il file non contiene alcuna zona"));
    if (!esito.errori.isEmpty())
        esito.zone.clear();
    return esito;
}

LetturaZone leggiZone(const QString& percorso)
{
    const percorsi::Lettura lettura = percorsi::leggi(percorso);
    if (!lettura.riuscita()) {
        LetturaZone esito;
        esito.errori.append(QStringLiteral("impossibile leggere il file dei dati pluviometrici \"%1\": %2")
                                .arg(percorso, lettura.errore));
        return esito;
    }
    QStringDecoder decodifica(QStringDecoder::Utf8);
    const QString testo = decodifica(lettura.byte);
    if (decodifica.hasError()) {
        LetturaZone esito;
        esito.errori.append(QStringLiteral("il file dei dati pluviometrici \"%1\" non è in UTF-8").arg(percorso));
        return esito;
    }
    return analizzaZone(testo);
}

double altezzaPioggia(const Zona& zona, double durataMinuti)
{
    if (!(durataMinuti > 0.0))
        return 0.0;
    const double t = zona.unita == UnitaDurata::Ore ? durataMinuti / 60.0 : durataMinuti;
    return zona.a * std::pow(t, zona.n);
}

double intensitaPioggia(const Zona& zona, double durataMinuti)
{
    if (!(durataMinuti > 0.0))
        return 0.0;
    return altezzaPioggia(zona, durataMinuti) / (durataMinuti / 60.0);
}

} // namespace pioggia
