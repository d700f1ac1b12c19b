#include "report/relazionetabelle.h"

#include "frame/ModVelmor.h"
#include "frame/formati.h"
#include "report/capoverso.h"
#include "report/contesto.h"
#include "report/relazionestampante.h"

#include <QLocale>
#include <algorithm>

namespace relazione {

using namespace office;

namespace {

constexpr double dimensioneTitolo = 18;

} // namespace

QString testoCella(const Valore& valore)
{
    if (!valore.eNumero())
        return valore.testo();
    return testoNumero(valore.numero()).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

QString testoTabella(const Valore& valore, const QString& schema)
{
    if (!valore.eNumero() && !valore.numerico())
        return valore.testo();
    if (!schema.isEmpty())
        return Format(valore, schema);
    return valore.eNumero() ? testoCella(valore)
                            : valore.testo().trimmed().replace(QLatin1Char('.'), QLocale().decimalPoint());
}

int inizioAllineato(int ancora, const QString& testo)
{
    const QString separatore = QLocale().decimalPoint();
    const qsizetype davanti = testo.contains(separatore) ? testo.indexOf(separatore) : testo.size();
    return ancora - int(davanti) + 1;
}

std::vector<Voce> rigaSenzaContatti(const std::vector<Posto>& posti)
{
    std::vector<Voce> riga;
    int libera = 1; // the first column a value may start in
    for (const Posto& p : posti) {
        if (p.testo.isEmpty())
            continue;
        const int colonna = std::max(p.colonna, libera);
        riga.push_back(Colonna(colonna));
        riga.push_back(Testo(p.testo));
        libera = colonna + int(p.testo.size()) + 1;
    }
    return riga;
}

std::vector<std::vector<Voce>> righeSenzaContatti(const std::vector<Posto>& posti)
{
    // The first line as a row of its own; a value's further lines stand in the column its
    // first line took there.
    std::vector<Posto> prima;
    std::vector<QStringList> pezzi;
    int libera = 1;
    for (const Posto& p : posti) {
        pezzi.push_back(p.larghezza > 0 && p.testo.size() > p.larghezza ? righeEntro(p.testo, p.larghezza)
                                                                         : QStringList{p.testo});
        const QString& testo = pezzi.back().front();
        const int colonna = testo.isEmpty() ? p.colonna : std::max(p.colonna, libera);
        if (!testo.isEmpty())
            libera = colonna + int(testo.size()) + 1;
        prima.push_back({colonna, testo});
    }
    std::vector<std::vector<Voce>> righe{rigaSenzaContatti(prima)};
    for (qsizetype k = 1;; ++k) {
        std::vector<Posto> linea;
        for (std::size_t v = 0; v < posti.size(); ++v)
            if (k < pezzi[v].size())
                linea.push_back({prima[v].colonna, pezzi[v][k]});
        if (linea.empty())
            return righe;
        righe.push_back(rigaSenzaContatti(linea));
    }
}

int cifreIntere(const Valore& valore)
{
    ModVelmor::numerotesto = valore.testo();
    ModVelmor::cifreintere();
    return ModVelmor::cifre;
}

void aggiungiValore(std::vector<Voce>& riga, int colonna, const Valore& valore)
{
    if (valore.vuoto())
        return;
    riga.push_back(Colonna(colonna));
    riga.push_back(valore.eNumero() ? Numero(valore.numero()) : Testo(valore.testo()));
}

void aggiungiAllineato(std::vector<Voce>& riga, int ancora, const Valore& valore)
{
    if (!valore.vuoto())
        aggiungiValore(riga, ancora - cifreIntere(valore), valore);
}

void titoloSezione(Contesto& ctx, int colonna, const QString& titolo)
{
    Stampante& p = *ctx.Printer;
    p.FontName = ctx.caratterecorpo;
    p.FontSize = dimensioneTitolo;
    p.Print({Colonna(colonna), Testo(titolo)});
    p.Print();
    p.FontSize = ctx.dimensionecorpo;
}

void piedeTabella(Contesto& ctx)
{
    Stampante& p = *ctx.Printer;
    p.FontSize = ctx.dimensionecorpo;
    piede(p);
    p.NewPage();
    p.CurrentY = cimaPagina;
    p.FontSize = dimensioneTabelle;
}

ContinuazioneTabella::ContinuazioneTabella(Contesto& ctx, std::function<void()> continua)
    : m_ctx(ctx)
{
    m_ctx.continuaTabella = std::move(continua);
}

ContinuazioneTabella::~ContinuazioneTabella() { m_ctx.continuaTabella = nullptr; }

bool staNellaPagina(const Stampante& p, double altezza)
{
    return p.Fondo <= 0 || p.CurrentY + altezza <= p.Fondo;
}

} // namespace relazione
