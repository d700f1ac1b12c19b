#include "report/relazionefrontespizio.h"

#include "frame/ModVelmor.h"
#include "office/applicazione.h"
#include "office/stampante.h"
#include "report/frontespizio.h"
#include "report/relazione.h"
#include "report/relazionestampante.h"
#include "report/relazioneword.h"

#include <QLabel>
#include <QLineEdit>

namespace relazione {

using namespace office;

namespace {

constexpr double destraFiletti = 10000;
constexpr double filettoAlto = 14000;
constexpr double filettoBasso = 15300;
constexpr int spessoreFiletti = 5;
// Below this height the closing no longer fits on the page.
constexpr double limiteChiusura = 13500;
constexpr int colonnaChiusura = 8;
constexpr int colonnaFirma = 50;

void righeVuote(Stampante& p, int n)
{
    for (int i = 0; i < n; ++i)
        p.Print();
}

QString campo(const QLineEdit* casella) { return casella->text(); }

} // namespace

QString sottotitolo(const QString& sistema)
{
    if (sistema == QLatin1String("bianche"))
        return QStringLiteral("(per una fognatura per acque bianche)");
    if (sistema == QLatin1String("nere"))
        return QStringLiteral("(per una fognatura per acque nere)");
    if (sistema == QLatin1String("misto"))
        return QStringLiteral("(per una fognatura a sistema misto)");
    return {};
}

void frontespizioStampa(frontespizio& f)
{
    Stampante& p = *f.Printer;
    p.Print({Colonna(6), Testo(QStringLiteral("CALCOLI  IDRAULICI"))});
    p.FontSize = 14;
    if (const QString s = sottotitolo(ModVelmor::sistema); !s.isEmpty())
        p.Print({Colonna(colonnaTesto), Testo(s)});
    if (conTubi()) {
        p.FontSize = 24;
        p.Print();
        p.Print({Colonna(5), Testo(QStringLiteral("E VERIFICA SISMICA DEI TUBI"))});
    }
    righeVuote(p, 3);
    p.FontSize = 14;
    p.Print({Colonna(colonnaTesto), Testo(QStringLiteral("progetto..............: ")), TestoCampo(campo(f.progetto))});
    righeVuote(p, 2);
    p.Print({Colonna(colonnaTesto), Testo(QStringLiteral("località................: ")), TestoCampo(campo(f.località))});
    righeVuote(p, 2);
    p.Print({Colonna(colonnaTesto), Testo(QStringLiteral("tipologia di studio: ")), TestoCampo(campo(f.tipostudio))});
    righeVuote(p, 9);
    p.Print({Colonna(colonnaTesto), Testo(QStringLiteral("progettista............: ")), TestoCampo(f.Labelstudio->text())});
    p.Print({Colonna(colonnaTesto), Testo(QStringLiteral("committente.........: ")), TestoCampo(campo(f.committente))});
    righeVuote(p, 1);
    p.Print({Colonna(colonnaTesto), TestoCampo(campo(f.luogo)), Testo(QStringLiteral(": ")), TestoCampo(campo(f.data))});
    righeVuote(p, 12);
    p.DrawWidth = spessoreFiletti;
    p.Line(margineSinistro, filettoAlto, destraFiletti, filettoAlto);
    righeVuote(p, 1);
    p.FontSize = 16;
    p.Print({Spazi(10), TestoCampo(f.Labelstudio->text())});
    p.Print({Spazi(10), TestoCampo(f.labelindirizzo->text())});
    p.Line(margineSinistro, filettoBasso, destraFiletti, filettoBasso);
    p.NewPage();
    p.FontName = f.caratterecorpo;
    p.FontSize = 18;
    p.CurrentX = margineSinistro;
    p.CurrentY = cimaPagina;
}

void chiusuraStampa(frontespizio& f)
{
    Stampante& p = *f.Printer;
    righeVuote(p, 2);
    if (p.CurrentY > limiteChiusura)
        f.fondopagina();
    p.FontSize = f.dimensionecorpo;
    p.Print({Colonna(colonnaChiusura), Testo(QStringLiteral("La presente relazione è composta di n.")), Numero(p.Page()),
             Testo(QStringLiteral(" pagine."))});
    p.Print({Colonna(colonnaChiusura), Testo(QStringLiteral("Si allegano: ")), TestoCampo(campo(f.allegati))});
    righeVuote(p, 1);
    p.Print({Colonna(colonnaChiusura), TestoCampo(campo(f.luogo)), Testo(QStringLiteral(": ")), TestoCampo(campo(f.data))});
    p.Print({Colonna(colonnaFirma), Testo(QStringLiteral("il progettista"))});
    p.Print({Colonna(colonnaFirma), Testo(QStringLiteral("(")), TestoCampo(f.Labelstudio->text()), Testo(QStringLiteral(")"))});
}

void frontespizioWord(frontespizio& f)
{
    Selezione& sel = f.appword->Selection;
    const auto scrivi = [&sel](const QString& testo) { sel.TypeText(testo); };
    const auto segni = [&sel](int n) {
        for (int i = 0; i < n; ++i)
            sel.TypeText(QStringLiteral("\r"));
    };
    scrivi(QStringLiteral("CALCOLI IDRAULICI\r"));
    sel.Font.Bold = commutaGrassetto;
    sel.Font.Size = 14;
    if (const QString s = sottotitolo(ModVelmor::sistema); !s.isEmpty())
        scrivi(s + QStringLiteral("\r"));
    if (conTubi()) {
        sel.Font.Size = 24;
        scrivi(QStringLiteral("\r\rE VERIFICA SISMICA DEI TUBI\r"));
    }
    sel.Font.Size = 14;
    scrivi(QStringLiteral("\r\r\r\rprogetto: ") + campo(f.progetto) + QStringLiteral("\r\r\r"));
    scrivi(QStringLiteral("località: ") + campo(f.località) + QStringLiteral("\r\r\r"));
    scrivi(QStringLiteral("tipologia di studio: ") + campo(f.tipostudio));
    segni(conTubi() ? 3 : 7);
    scrivi(QStringLiteral("progettista: ") + f.Labelstudio->text() + QStringLiteral("\r"));
    scrivi(QStringLiteral("committente: ") + campo(f.committente) + QStringLiteral("\r\r"));
    scrivi(campo(f.luogo) + QStringLiteral(": ") + campo(f.data));
    segni(10);
    scrivi(f.Labelstudio->text() + QStringLiteral("\r"));
    scrivi(f.labelindirizzo->text());
    segni(8);
}

void chiusuraWord(frontespizio& f)
{
    paragrafiVuoti(f, conTubi() ? 6 : 12);
    nuovoParagrafo(f);
    // The count stands between two blanks (the first is its sign position). It is a page-count
    // field holding the count of this moment, so the word processor shows the true total again
    // once the user has edited the report.
    scrivi(f, 12, QStringLiteral("La presente relazione è composta di n. "));
    f.paragrafo->Range.Fields.Add(IntervalloFine::Campi::wdFieldNumPages);
    f.paragrafo->Range.Text = QStringLiteral(" pagine.\r") + QStringLiteral("Si allegano: ") + campo(f.allegati)
                              + QStringLiteral("\r\r") + campo(f.luogo) + QStringLiteral(": ") + campo(f.data)
                              + QStringLiteral("\r\ril progettista\r(") + f.Labelstudio->text() + QStringLiteral(")");
}

} // namespace relazione
