#include "report/relazionestampante.h"

#include "frame/ModVelmor.h"
#include "frame/lavorostampa.h"
#include "frame/servizi.h"
#include "office/stampante.h"
#include "office/superficie.h"
#include "report/frontespizio.h"
#include "report/relazione.h"

#include <QLineEdit>
#include <QLocale>
#include <QPrinter>

namespace relazione {

using namespace office;

namespace {

constexpr double twipsPerCentimetro = 567;

// The window's Printer for as long as the report prints, whatever way it ends.
class PrinterInUso {
public:
    PrinterInUso(frontespizio& f, Stampante& p) : m_f(f) { m_f.Printer = &p; }
    ~PrinterInUso()
    {
        m_f.Printer = nullptr;
        m_f.continuaTabella = nullptr;
    }
    PrinterInUso(const PrinterInUso&) = delete;
    PrinterInUso& operator=(const PrinterInUso&) = delete;

private:
    frontespizio& m_f;
};

} // namespace

void piede(Stampante& p)
{
    // The foot stands on the lower limit of the text: the limit must not move it.
    const double fondo = p.Fondo;
    p.Fondo = 0;
    p.CurrentX = xPiede;
    p.CurrentY = yPiede;
    p.Print({Testo(QStringLiteral("pagina ")), Numero(p.Page())});
    p.Fondo = fondo;
}

void fondopagina(frontespizio& f)
{
    if (!f.Printer)
        return;
    piede(*f.Printer);
    f.Printer->NewPage();
    f.Printer->CurrentY = cimaPagina;
}

QString nomeLavoro(const QString& progetto)
{
    const QString nome = ModVelmor::nomeprogramma.testo() + QStringLiteral(" - relazione tecnica");
    return progetto.trimmed().isEmpty() ? nome : nome + QStringLiteral(" - ") + progetto.trimmed();
}

void stampaDiretta(frontespizio& f)
{
    f.caratterecorpo = QStringLiteral("Courier New");
    ModVelmor::righestampate = 0;

    QPrinter stampante(QPrinter::HighResolution);
    stampe::Lavoro lavoro(stampante, nomeLavoro(f.progetto->text()));
    if (!f.CommonDialog1.ShowPrinter(stampante))
        return; // cancelled: nothing is printed
    if (!lavoro.prima())
        return;

    try {
        const std::shared_ptr<Superficie> superficie = servizi::stampa().superficie(stampante);
        Stampante p(*superficie);
        p.FontSize = f.dimensionecorpo;
        if (superficie->area().height() < yPiede + p.TextHeight()) {
            MsgBox(QStringLiteral("L'area stampabile della pagina scelta è troppo corta per il piè di pagina "
                                  "della relazione, che sta a %1 cm dal margine superiore: scegliere una stampante "
                                  "con margini più stretti sul foglio A4. Non è stato stampato nulla.")
                       .arg(QLocale().toString((yPiede + p.TextHeight()) / twipsPerCentimetro, 'f', 1)),
                   vb::vbExclamation, ModVelmor::nomeprogramma.testo());
            return;
        }
        const PrinterInUso inUso(f, p);
        p.Fondo = yPiede;
        p.FinePagina = [&f] {
            if (f.continuaTabella)
                f.continuaTabella();
            else
                f.fondopagina();
        };
        p.CurrentX = margineSinistro;
        p.CurrentY = cimaPagina;
        p.FontSize = 24;
        p.FontName = QStringLiteral("Roman");
        eseguiSezioni(f, &Sezione::stampa);
        f.fondopagina();
        p.EndDoc();
    } catch (const std::exception& e) {
        MsgBox(QStringLiteral("La stampa della relazione è stata interrotta: %1.\r"
                              "Le pagine già inviate alla stampante possono essere incomplete.")
                   .arg(QString::fromStdString(e.what())),
               vb::vbCritical, ModVelmor::nomeprogramma.testo());
        return;
    }
    lavoro.dopo();
}

} // namespace relazione
