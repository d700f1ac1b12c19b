#include "frame/barrastrumenti.h"

#include "frame/ModVelmor.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace {

struct Pulsante {
    const char* suggerimento;
    const char* icona; // name in the icon theme
    QStyle::StandardPixmap riserva;
};

// Index 0 unused; separators have no tooltip.
const std::array<Pulsante, 23> tabella = {{
    {"", "", QStyle::SP_CustomBase},
    {"apri file", "document-open", QStyle::SP_DialogOpenButton},
    {"salva file", "document-save", QStyle::SP_DialogSaveButton},
    {"elimina file", "edit-delete", QStyle::SP_TrashIcon},
    {"", "", QStyle::SP_CustomBase},
    {"stampa dati finestra", "document-print", QStyle::SP_FileIcon},
    {"", "", QStyle::SP_CustomBase},
    // 7 to 13: the main windows 1 to 7 (ModVelmor::finestreNumerate).
    {"", "", QStyle::SP_CustomBase},
    {"", "", QStyle::SP_CustomBase},
    {"", "", QStyle::SP_CustomBase},
    {"", "", QStyle::SP_CustomBase},
    {"", "", QStyle::SP_CustomBase},
    {"", "", QStyle::SP_CustomBase},
    {"", "", QStyle::SP_CustomBase},
    {"", "", QStyle::SP_CustomBase},
    {"guida in linea", "help-contents", QStyle::SP_DialogHelpButton},
    {"suggerimenti", "dialog-information", QStyle::SP_MessageBoxInformation},
    {"supporto prodotto", "help-faq", QStyle::SP_MessageBoxQuestion},
    {"informazioni su Velmor", "help-about", QStyle::SP_FileDialogInfoView},
    {"", "", QStyle::SP_CustomBase},
    {"controllo dati immessi", "tools-check-spelling", QStyle::SP_DialogApplyButton},
    {"cancella dati finestra", "edit-clear", QStyle::SP_DialogResetButton},
    {"uscita da Velmor", "application-exit", QStyle::SP_DialogCloseButton},
}};

// The window buttons show the window's number on a small sheet.
QIcon iconaFinestra(int numero)
{
    QPixmap immagine(32, 32);
    immagine.fill(Qt::transparent);
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.setBrush(numero >= 4 && numero <= 6 ? QColor(255, 244, 200) : QColor(235, 242, 255));
    p.drawRect(4, 2, 24, 28);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(18);
    p.setFont(f);
    p.drawText(QRect(4, 2, 24, 28), Qt::AlignCenter, QString::number(numero));
    return QIcon(immagine);
}

QIcon icona(int i)
{
    if (i >= Barrastrumenti::primaFinestra && i < Barrastrumenti::primaFinestra + 7)
        return iconaFinestra(i - Barrastrumenti::primaFinestra + 1);
    const Pulsante& p = tabella[i];
    QIcon tema = QIcon::fromTheme(QString::fromLatin1(p.icona));
    if (!tema.isNull())
        return tema;
    return QApplication::style()->standardIcon(p.riserva);
}

} // namespace

Barrastrumenti::Barrastrumenti(int finestraPropria) : propria(finestraPropria)
{
    setObjectName(QStringLiteral("Toolbar1"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(20, 20));
    for (int i = 1; i <= numeroPulsanti; ++i) {
        if (separatore(i)) {
            pulsanti[i] = addSeparator();
            continue;
        }
        QAction* a = addAction(icona(i), suggerimento(i));
        a->setToolTip(suggerimento(i));
        if (i == propria + 6) {
            a->setCheckable(true);
            a->setChecked(true);
        }
        connect(a, &QAction::triggered, this, [this, i] { premi(i); });
        pulsanti[i] = a;
    }
}

QAction* Barrastrumenti::Buttons(int i) const
{
    return (i >= 1 && i <= numeroPulsanti) ? pulsanti[i] : nullptr;
}

QString Barrastrumenti::suggerimento(int i)
{
    if (primaFinestra <= i && i < primaFinestra + 7)
        return QString::fromUtf8(ModVelmor::finestreNumerate[i - primaFinestra + 1].suggerimento);
    return (i >= 1 && i <= numeroPulsanti) ? QString::fromUtf8(tabella[i].suggerimento) : QString();
}

void Barrastrumenti::premi(int i)
{
    if (i == propria + 6 && pulsanti[i])
        pulsanti[i]->setChecked(true); // the window's own button stays pressed
    emit ButtonClick(i);
}
