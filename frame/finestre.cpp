#include "frame/finestre.h"

#include <QCoreApplication>
#include <QHash>
#include <QTimer>
#include <vector>

namespace finestre {

namespace {

QHash<QString, Fabbrica>& fabbriche()
{
    static QHash<QString, Fabbrica> f;
    return f;
}

// Loaded windows in the order they were loaded.
std::vector<Finestra*>& caricate()
{
    static std::vector<Finestra*> c;
    return c;
}

std::function<void()>& azioneFinale()
{
    static std::function<void()> a = [] { QCoreApplication::quit(); };
    return a;
}

void segnalaDiDefault(const QString& nome)
{
    qCritical("Velmor: no window is registered as \"%s\"", qUtf8Printable(nome));
    Q_ASSERT_X(false, "finestre", "a window name that no window registered");
}

std::function<void(const QString&)>& segnalazione()
{
    static std::function<void(const QString&)> s = segnalaDiDefault;
    return s;
}

void sconosciuta(const QString& nome)
{
    if (segnalazione())
        segnalazione()(nome);
}

bool controlloInAttesa = false;

void controllaFine()
{
    // Checked once control is back in the event loop, so that a routine which
    // unloads every window and then loads the closing screen does not end the program.
    if (controlloInAttesa)
        return;
    controlloInAttesa = true;
    QTimer::singleShot(0, [] {
        controlloInAttesa = false;
        if (caricate().empty() && azioneFinale())
            azioneFinale()();
    });
}

} // namespace

bool registra(const QString& nome, Fabbrica fabbrica)
{
    fabbriche().insert(nome, std::move(fabbrica));
    return true;
}

bool esiste(const QString& nome) { return fabbriche().contains(nome); }

Finestra* trova(const QString& nome)
{
    for (Finestra* f : caricate())
        if (f->nome() == nome)
            return f;
    return nullptr;
}

bool caricata(const QString& nome) { return trova(nome) != nullptr; }

Finestra* usa(const QString& nome)
{
    if (Finestra* f = trova(nome))
        return f;
    const auto it = fabbriche().constFind(nome);
    if (it == fabbriche().constEnd()) {
        sconosciuta(nome);
        return nullptr;
    }
    Finestra* f = (*it)();
    caricate().push_back(f);
    f->carica();
    return f;
}

void mostra(const QString& nome)
{
    if (Finestra* f = usa(nome))
        f->Show();
}

void scarica(const QString& nome)
{
    if (!esiste(nome))
        sconosciuta(nome);
    else if (Finestra* f = trova(nome))
        scarica(f);
}

void seNomeSconosciuto(std::function<void(const QString& nome)> segnala)
{
    segnalazione() = segnala ? std::move(segnala) : segnalaDiDefault;
}

void scarica(Finestra* f)
{
    auto& c = caricate();
    const auto it = std::find(c.begin(), c.end(), f);
    if (it == c.end())
        return;
    c.erase(it);
    f->scaricata();
    f->hide();
    f->deleteLater();
    if (c.empty())
        controllaFine();
}

int quanteCaricate() { return static_cast<int>(caricate().size()); }

QStringList nomiCaricate()
{
    QStringList nomi;
    for (Finestra* f : caricate())
        nomi << f->nome();
    return nomi;
}

void allaFine(std::function<void()> azione) { azioneFinale() = std::move(azione); }

void dimentica(Finestra* f)
{
    auto& c = caricate();
    c.erase(std::remove(c.begin(), c.end(), f), c.end());
}

} // namespace finestre
