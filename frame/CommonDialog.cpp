#include "frame/CommonDialog.h"

#include "frame/colori.h"
#include "frame/servizi.h"

namespace {

bool mostraFile(CommonDialog& d, servizi::RichiestaFile::Tipo tipo)
{
    servizi::RichiestaFile r;
    r.tipo = tipo;
    r.titolo = d.DialogTitle;
    r.nomeFile = d.FileName;
    r.filtro = d.Filter;
    r.indiceFiltro = d.FilterIndex;
    const auto scelto = servizi::dialoghi().file(r);
    if (!scelto)
        return false;
    d.FileName = *scelto;
    return true;
}

} // namespace

bool CommonDialog::ShowOpen() { return mostraFile(*this, servizi::RichiestaFile::Tipo::Apri); }

bool CommonDialog::ShowSave() { return mostraFile(*this, servizi::RichiestaFile::Tipo::Salva); }

bool CommonDialog::ShowColor()
{
    const auto scelto = servizi::dialoghi().colore(colori::daVB(Color));
    if (!scelto)
        return false;
    Color = colori::aVB(*scelto);
    return true;
}

bool CommonDialog::ShowPrinter(QPrinter& stampante) { return servizi::dialoghi().stampante(stampante); }
