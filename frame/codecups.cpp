#include "frame/codecups.h"

#include <cups/cups.h>

#include <cstring>
#include <functional>

namespace servizi {

namespace {

// Runs `f` on every job the queue has, finished ones included; false when
// the scheduler cannot be asked.
bool perOgniLavoro(const QString& coda, const std::function<void(const cups_job_t&)>& f)
{
    cups_job_t* lavori = nullptr;
    const QByteArray nome = coda.toUtf8();
    const int quanti = cupsGetJobs2(CUPS_HTTP_DEFAULT, &lavori, nome.constData(), 0, CUPS_WHICHJOBS_ALL);
    if (quanti < 0)
        return false;
    for (int i = 0; i < quanti; ++i)
        f(lavori[i]);
    cupsFreeJobs(quanti, lavori);
    return true;
}

} // namespace

std::optional<QString> CodeCups::rifiuto(const QString& coda)
{
    const QByteArray nome = coda.toUtf8();
    cups_dest_t* destinazione = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nome.constData(), nullptr);
    if (!destinazione) {
        if (cupsLastError() >= IPP_STATUS_ERROR_INTERNAL || cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE)
            return QStringLiteral("il servizio di stampa non risponde");
        return QStringLiteral("la stampante non è nota al servizio di stampa");
    }
    const auto opzione = [destinazione](const char* chiave) {
        return QString::fromUtf8(cupsGetOption(chiave, destinazione->num_options, destinazione->options));
    };
    const bool accetta = opzione("printer-is-accepting-jobs") != QLatin1String("false");
    const QString messaggio = opzione("printer-state-message").trimmed();
    cupsFreeDests(1, destinazione);
    if (accetta)
        return std::nullopt;
    return messaggio.isEmpty() ? QStringLiteral("la coda di stampa è chiusa") : messaggio;
}

std::optional<int> CodeCups::ultimoLavoro(const QString& coda)
{
    int ultimo = 0;
    if (!perOgniLavoro(coda, [&ultimo](const cups_job_t& j) { ultimo = std::max(ultimo, j.id); }))
        return std::nullopt;
    return ultimo;
}

bool CodeCups::haLavoro(const QString& coda, const QString& nome, int dopo)
{
    bool trovato = false;
    perOgniLavoro(coda, [&](const cups_job_t& j) {
        trovato = trovato || (j.id > dopo && j.title && QString::fromUtf8(j.title) == nome);
    });
    return trovato;
}

} // namespace servizi
