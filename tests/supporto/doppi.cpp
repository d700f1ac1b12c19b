#include "supporto/doppi.h"

#include "frame/ModVelmor.h"
#include "frame/finestre.h"

#include "office/consegna.h"
#include "office/superficieregistrata.h"
#include "office/superficiestampante.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrinter>

using namespace vb;

namespace {

// A printer that stops answering at the end of the first page.
class SuperficieGuasta : public office::SuperficieRegistrata {
public:
    void nuovaPagina() override { throw office::ErroreStampa("la stampante non risponde"); }
};

// A PDF file drawn through QPrinter, as the program prints.
class SuperficiePdf : public office::Superficie {
public:
    explicit SuperficiePdf(const QString& percorso)
    {
        office::preparaPdf(stampante, percorso);
        disegno = std::make_unique<office::SuperficieStampante>(stampante);
    }
    QSizeF area() const override { return disegno->area(); }
    office::MisureCarattere misure(const QString& c, double p) const override { return disegno->misure(c, p); }
    double larghezza(const QString& c, double p, const QString& t) const override { return disegno->larghezza(c, p, t); }
    void scrivi(QPointF a, const QString& c, double p, const QString& t) override { disegno->scrivi(a, c, p, t); }
    void linea(QPointF da, QPointF a, int s) override { disegno->linea(da, a, s); }
    void nuovaPagina() override { disegno->nuovaPagina(); }
    void fine() override { disegno->fine(); }

private:
    QPrinter stampante;
    std::unique_ptr<office::SuperficieStampante> disegno;
};

} // namespace

std::shared_ptr<office::Superficie> StampaFinta::superficie(QPrinter& stampante)
{
    ++richieste;
    const QPageLayout pagina = stampante.pageLayout();
    carta = pagina.pageSize().name()
            + (pagina.orientation() == QPageLayout::Portrait ? QStringLiteral(" portrait") : QStringLiteral(" landscape"));
    if (guasta)
        ultima = std::make_shared<SuperficieGuasta>();
    else if (!pdf.isEmpty())
        ultima = std::make_shared<SuperficiePdf>(pdf);
    else
        ultima = std::make_shared<office::SuperficieRegistrata>(area.isEmpty() ? office::areaStampabileA4() : area);
    return ultima;
}

int MessaggiFinti::mostra(const QString& testo, int stile, const QString& titolo)
{
    visti.push_back({testo, stile, titolo});
    if (!risposte.empty()) {
        const int r = risposte.front();
        risposte.pop_front();
        return r;
    }
    const bool siNo = (stile & 7) == vbYesNo;
    if (!siNo)
        return vbOK;
    return (stile & vbDefaultButton2) ? vbNo : vbYes;
}

std::optional<QString> DialoghiFinti::file(const servizi::RichiestaFile& richiesta)
{
    richiesteFile.push_back(richiesta);
    if (file_.empty())
        return std::nullopt;
    const bool annullato = !file_.front().has_value();
    const QString scelto = annullato ? QString() : *file_.front();
    file_.pop_front();
    if (annullato)
        return std::nullopt;
    return scelto;
}

std::optional<QColor> DialoghiFinti::colore(const QColor& iniziale)
{
    coloriIniziali.push_back(iniziale);
    if (colori.empty())
        return std::nullopt;
    auto r = colori.front();
    colori.pop_front();
    return r;
}

bool DialoghiFinti::stampante(QPrinter& stampante)
{
    ++richiesteStampante;
    cartaMostrata = stampante.pageLayout().pageSize().name();
    if (sceltaStampante)
        sceltaStampante(stampante);
    if (stampanti.empty())
        return true;
    const bool r = stampanti.front();
    stampanti.pop_front();
    return r;
}

std::int32_t ShellFinta::apri(const QString& indirizzo)
{
    aperti << indirizzo;
    return risultato;
}

void MusicaFinta::open(const QString& file) { comandi << "open " + QFileInfo(file).fileName(); }
void MusicaFinta::play() { comandi << "play"; }
void MusicaFinta::pause() { comandi << "pause"; }
void MusicaFinta::close() { comandi << "close"; }

QString CodeFinte::codaDi(const QPrinter& stampante)
{
    return codaScelta.isEmpty() ? servizi::CodeStampa::codaDi(stampante) : codaScelta;
}

std::optional<servizi::Rifiuto> CodeFinte::rifiuto(const QString& coda)
{
    chieste << "rifiuto " + coda;
    return motivoRifiuto;
}

std::optional<int> CodeFinte::ultimoLavoro(const QString&) { return 7; }

std::optional<bool> CodeFinte::haLavoro(const QString& coda, int dopo)
{
    chieste << "lavoro " + coda + " dopo " + QString::number(dopo);
    if (muto)
        return std::nullopt;
    return dopo == 7 && !perdeLavoro;
}

namespace doppi {

MessaggiFinti& messaggi()
{
    static MessaggiFinti m;
    return m;
}

DialoghiFinti& dialoghi()
{
    static DialoghiFinti d;
    return d;
}

ShellFinta& shell()
{
    static ShellFinta s;
    return s;
}

StampaFinta& stampa()
{
    static StampaFinta s;
    return s;
}

CodeFinte& code()
{
    static CodeFinte c;
    return c;
}

MusicaFinta& musica()
{
    static MusicaFinta m;
    return m;
}

} // namespace doppi

void consegnaDiProva()
{
    office::impostaApriFile([](const QString&) { return true; });
    office::impostaAvvisaUtente([](const QString& messaggio) { qWarning().noquote() << messaggio; });
    office::impostaCartellaDocumenti({});
}

void ripristina()
{
    // Unload what the previous test left, without ending the test run.
    finestre::allaFine({});
    for (int giri = 0; finestre::quanteCaricate() > 0 && giri < 100; ++giri)
        for (const QString& nome : finestre::nomiCaricate())
            finestre::scarica(nome);
    // Documents a test left waiting are not delivered into the next one.
    office::ritiraTutto();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();

    doppi::messaggi() = MessaggiFinti();
    doppi::dialoghi() = DialoghiFinti();
    doppi::shell() = ShellFinta();
    doppi::musica() = MusicaFinta();
    doppi::stampa() = StampaFinta();
    doppi::code() = CodeFinte();

    ModVelmor::azzera();
}
