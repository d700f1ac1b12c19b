#include "help/finestraguida.h"

#include "frame/ModVelmor.h"
#include "frame/controlli.h"
#include "frame/finestre.h"
#include "frame/nomifinestre.h"
#include "help/aspetto.h"

#include <QLabel>
#include <QPushButton>
#include <string_view>

namespace {

bool paginaManuale(const guida::Pagina& pagina)
{
    return std::string_view(pagina.nome) == finestre::nomi::manuale;
}

// The nine pages are nine windows, each known by its own name.
const bool registrate = [] {
    for (const guida::Pagina& p : guida::pagine)
        finestre::registra(QString::fromUtf8(p.nome), [&p] { return new finestraguida(p); });
    return true;
}();

} // namespace

finestraguida::finestraguida(const guida::Pagina& pagina)
    : FinestraAiuto(QString::fromUtf8(pagina.nome), paginaManuale(pagina) ? larghezzaManuale : larghezzaGuida,
                    paginaManuale(pagina) ? std::nullopt : std::optional<int>(sinistraGuida)),
      cmdSommario(controlli::pulsante(QStringLiteral("&Sommario"))),
      cmdstampa(controlli::pulsante(QStringLiteral("S&tampa"))), cmdchiudi(controlli::pulsante(QStringLiteral("&Chiudi"))),
      Label1(controlli::etichetta(QString::fromUtf8(pagina.titolo), std::nullopt, controlli::Bordo::Nessuno,
                                  Qt::AlignLeft | Qt::AlignTop)),
      Label2(controlli::etichetta(guida::testoOAvviso(QString::fromUtf8(pagina.nome)), std::nullopt,
                                  controlli::Bordo::Nessuno, Qt::AlignLeft | Qt::AlignTop))
{
    setCaption(QStringLiteral("Guida in linea"));

    piazza(cmdSommario, 120, 120, 1215, 375);
    piazza(cmdstampa, 1320, 120, 1215, 375);
    piazza(cmdchiudi, 2520, 120, 1215, 375);

    guida::carattere(Label1, 8.25, true);
    controlli::coloreTesto(Label1, guida::blu);
    piazza(Label1, 120, 600, pagina.larghezzaTitolo, pagina.altezzaTitolo);

    guida::carattere(Label2, 9.75, false);
    Label2->setWordWrap(true);
    piazza(Label2, 120, eManuale() ? 840 : 960, pagina.larghezzaTesto, pagina.altezzaTesto);

    if (eManuale()) {
        cmdchiudi->setToolTip(QStringLiteral("cliccare per chiudere la finestra"));
        cmdstampa->setToolTip(QStringLiteral("cliccare per avere la copia su carta del MANUALE D'USO RAPIDO"));
        cmdSommario->setToolTip(QStringLiteral("cliccare per tornare al sommario"));
    }

    connect(cmdSommario, &QPushButton::clicked, this, [this] { cmdSommario_Click(); });
    connect(cmdstampa, &QPushButton::clicked, this, [this] { cmdstampa_Click(); });
    connect(cmdchiudi, &QPushButton::clicked, this, [this] { cmdchiudi_Click(); });
}

bool finestraguida::eManuale() const { return nome() == finestre::nomi::manuale; }
bool finestraguida::eNorme() const { return nome() == finestre::nomi::guidanorme; }

void finestraguida::cmdSommario_Click()
{
    finestre::mostra(finestre::nomi::sommario);
}

void finestraguida::cmdstampa_Click()
{
    ModVelmor::guidatitolo = Label1;
    ModVelmor::guidatesto = Label2;
    ModVelmor::stampaguida();
}

void finestraguida::cmdchiudi_Click()
{
    if (eNorme())
        Unload();
    else
        Hide();
}

namespace guida {

finestraguida* finestraDellaPagina(const QString& nome)
{
    if (!pagina(nome))
        return nullptr;
    return qobject_cast<finestraguida*>(finestre::usa(nome));
}

} // namespace guida
