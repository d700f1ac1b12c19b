#include "help/guidacompleta.h"

#include "frame/ModVelmor.h"
#include "frame/finestre.h"
#include "frame/nomifinestre.h"
#include "frame/servizi.h"
#include "help/documento.h"
#include "help/figuraformule.h"
#include "help/finestraguida.h"
#include "help/guidaformule.h"
#include "help/pagine.h"
#include "office/applicazione.h"
#include "office/consegna.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>

using namespace vb;

namespace guida {

namespace {

// The page's title and text as its window shows them (reading them loads the
// window, without showing it).
std::pair<QString, QString> titoloETesto(const Pagina& pagina)
{
    if (finestraguida* f = finestraDellaPagina(QString::fromUtf8(pagina.nome)))
        return {f->Label1->text(), f->Label2->text()};
    return {QString::fromUtf8(pagina.titolo), testoOAvviso(QString::fromUtf8(pagina.nome))};
}

QImage figuraDellaFinestra()
{
    if (auto* f = qobject_cast<guidaformule*>(finestre::usa(finestre::nomi::guidaformule)))
        return f->figura();
    return figuraFormule();
}

// Saves in the program's folder, or else in the documents folder, telling the user where.
QString salva(office::Document& documento, const QString& cartellaProgramma)
{
    const QString nel = QDir(cartellaProgramma).filePath(nomeFileGuida());
    const QFileInfo cartella(cartellaProgramma);
    if (cartella.isDir() && cartella.isWritable() && documento.SaveAs(nel))
        return nel;
    const QString altrove = QDir(office::cartellaDocumenti()).filePath(nomeFileGuida());
    if (!QDir().mkpath(office::cartellaDocumenti()) || !documento.SaveAs(altrove))
        return {};
    MsgBox("Nella cartella del programma non si può scrivere:\r" + QDir::toNativeSeparators(cartellaProgramma)
               + "\rLa guida completa è stata salvata in:\r" + QDir::toNativeSeparators(altrove),
           vbInformation);
    return altrove;
}

} // namespace

QString nomeFileGuida()
{
    return ModVelmor::nomeprogramma.testo() + QStringLiteral("-guida.doc");
}

QString scriviGuidaCompleta(const QString& cartellaProgramma)
{
    const office::ConsegnaAllaFine consegna;
    auto appword = office::nuovaApplicazione();
    appword->Visible = true;
    auto documento = appword->Documents.Add();
    documento->nomeFile(QStringLiteral("guida"));
    auto& sel = appword->Selection;

    paginaInformativa(*appword, *documento);

    sel.Font.Name = QStringLiteral("Century Gothic");
    sel.Font.Size = 20;
    sel.TypeText(ModVelmor::nomeprogramma.testo() + "\r");
    sel.Font.Size = 16;
    sel.TypeText(ModVelmor::descrizioneprogramma.testo() + "\r\r\r");

    // Only the first page's heading keeps the description's size.
    for (size_t i = 0; i < pagine.size(); ++i) {
        const auto [titolo, testo] = titoloETesto(pagine[i]);
        sel.TypeText("Guida: " + titolo + "\r\r");
        sel.Font.Size = 12;
        const bool ultima = i + 1 == pagine.size();
        sel.TypeText(testo + (ultima ? QStringLiteral("\r") : QStringLiteral("\r\f")));
    }

    inserisciFigura(sel, figuraDellaFinestra());

    sel.Document.Select();
    sel.ParagraphFormat.Alignment = office::Giustificato;
    return salva(appword->Documents(appword->Documents.Count()), cartellaProgramma);
}

} // namespace guida
