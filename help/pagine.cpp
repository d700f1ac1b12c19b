#include "help/pagine.h"

#include "frame/nomifinestre.h"
#include "frame/percorsi.h"

#include <QStringList>

namespace guida {

const std::array<Pagina, 9> pagine = {{
    {finestre::nomi::manuale, "MANUALE D'USO RAPIDO", 3615, 375, 9135, 5520},
    {finestre::nomi::guidafunzionamento, "FUNZIONAMENTO DEL PROGRAMMA", 4095, 255, 5175, 5280},
    {finestre::nomi::guidaarchivio, "ARCHIVIO DATI", 3615, 255, 5175, 5415},
    {finestre::nomi::guidastampa, "COME STAMPARE", 3615, 255, 5175, 5295},
    {finestre::nomi::guidadati, "Finestra DATI", 3615, 255, 5175, 5295},
    {finestre::nomi::guidapluviometrici, "Finestra DATI PLUVIOMETRICI", 4695, 255, 5295, 5415},
    {finestre::nomi::guidasismica, "Finestra VERIFICA SISMICA", 3615, 255, 5175, 5295},
    {finestre::nomi::guidanorme, "Finestra NORME", 3615, 255, 5175, 5295},
    {finestre::nomi::guidafrontespizio, "Finestra FRONTESPIZIO", 3615, 255, 5175, 5295},
}};

const Pagina* pagina(const QString& nome)
{
    for (const Pagina& p : pagine)
        if (nome == QLatin1String(p.nome))
            return &p;
    return nullptr;
}

namespace {

QString fileDellaPagina(const QString& nome)
{
    return QStringLiteral("guida/") + nome + QStringLiteral(".txt");
}

} // namespace

std::optional<QString> testoPagina(const QString& nome)
{
    QStringList righe;
    for (QString riga : percorsi::testoIncorporato(fileDellaPagina(nome)).split(QChar('\n'))) {
        riga = riga.trimmed();
        if (!riga.isEmpty())
            righe << riga;
    }
    if (righe.isEmpty())
        return std::nullopt;
    return righe.join(QChar(' '));
}

QString testoOAvviso(const QString& nome)
{
    if (auto testo = testoPagina(nome))
        return *testo;
    return QStringLiteral("Il testo di questa pagina non è disponibile: %1 non è una pagina della guida.").arg(nome);
}

} // namespace guida
