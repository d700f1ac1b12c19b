#include "frame/codecups.h"

#include <cups/cups.h>

#include <cstring>
#include <functional>

namespace servizi {

namespace {

constexpr int attesaRisposta = 5000; // ms: a scheduler that takes longer is not answering

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

// Whether the scheduler takes a connection at all: a queue it cannot find is
// unknown only when it answers.
bool schedulerRisponde()
{
    http_t* http =
        httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, attesaRisposta, nullptr);
    if (!http)
        return false;
    httpClose(http);
    return true;
}

// The reason an administrator gave when closing the queue (cupsreject -r),
// which the scheduler keeps as the queue's state message; empty when none
// (the scheduler then puts its own English words there).
QString motivoChiusura(const QByteArray& uriCoda)
{
    static const QString senzaMotivo = QStringLiteral("Rejecting Jobs");
    ipp_t* domanda = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(domanda, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uriCoda.constData());
    static const char* const chieste[] = {"printer-state-message"};
    ippAddStrings(domanda, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 1, nullptr, chieste);
    ipp_t* risposta = cupsDoRequest(CUPS_HTTP_DEFAULT, domanda, "/");
    QString motivo;
    if (risposta) {
        if (ipp_attribute_t* a = ippFindAttribute(risposta, "printer-state-message", IPP_TAG_TEXT))
            motivo = QString::fromUtf8(ippGetString(a, 0, nullptr)).trimmed();
        ippDelete(risposta);
    }
    return motivo.startsWith(senzaMotivo) && motivo.size() <= senzaMotivo.size() + 1 ? QString() : motivo;
}

} // namespace

std::optional<Rifiuto> CodeCups::rifiuto(const QString& coda)
{
    const QByteArray nome = coda.toUtf8();
    cups_dest_t* destinazione = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nome.constData(), nullptr);
    if (!destinazione)
        return Rifiuto{schedulerRisponde() ? Rifiuto::Causa::sconosciuta : Rifiuto::Causa::senzaRisposta, {}};
    const auto opzione = [destinazione](const char* chiave) {
        return QString::fromUtf8(cupsGetOption(chiave, destinazione->num_options, destinazione->options));
    };
    const bool accetta = opzione("printer-is-accepting-jobs") != QLatin1String("false");
    QByteArray uri = opzione("printer-uri-supported").toUtf8();
    cupsFreeDests(1, destinazione);
    if (accetta)
        return std::nullopt;
    if (uri.isEmpty())
        uri = "ipp://localhost/printers/" + nome;
    return Rifiuto{Rifiuto::Causa::chiusa, motivoChiusura(uri)};
}

std::optional<int> CodeCups::ultimoLavoro(const QString& coda)
{
    int ultimo = 0;
    if (!perOgniLavoro(coda, [&ultimo](const cups_job_t& j) { ultimo = std::max(ultimo, j.id); }))
        return std::nullopt;
    return ultimo;
}

std::optional<bool> CodeCups::haLavoro(const QString& coda, int dopo)
{
    const QByteArray utente = cupsUser();
    bool trovato = false;
    if (!perOgniLavoro(coda,
                       [&](const cups_job_t& j) { trovato = trovato || (j.id > dopo && j.user && utente == j.user); }))
        return std::nullopt;
    return trovato;
}

} // namespace servizi
