#include "frame/clsResize.h"

#include "frame/finestra.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

void clsResize::SourceForm(Finestra* f)
{
    finestra = f;
    inizializzato = false;
    controlli.clear();
}

void clsResize::ReInitialise()
{
    inizializzato = false;
    registra();
}

void clsResize::registra()
{
    if (inizializzato || !finestra)
        return;
    controlli.clear();
    for (const auto& c : finestra->controlli())
        if (c.widget)
            controlli.push_back({c.widget, c.widget->geometry(), c.rifiuta});
    interno = QSize(finestra->ScaleWidth(), finestra->ScaleHeight());
    inizializzato = true;
}

void clsResize::SizeFormToScreen(std::uint8_t percentuale)
{
    if (!finestra)
        return;
    registra();
    QScreen* schermo = finestra->screen() ? finestra->screen() : QGuiApplication::primaryScreen();
    if (schermo) {
        const QRect disponibile = schermo->availableGeometry();
        const int w = disponibile.width() * percentuale / 100;
        const int h = disponibile.height() * percentuale / 100;
        finestra->resize(w, h);
        finestra->move(disponibile.x() + (disponibile.width() - w) / 2, disponibile.y() + (disponibile.height() - h) / 2);
    }
    ResizeControls();
}

void clsResize::ResizeControls()
{
    if (!finestra || finestra->isMinimized() || finestra->controlli().empty())
        return;
    if (!inizializzato) {
        registra();
        return; // just recorded: the controls are where they belong
    }
    if (interno.width() <= 0 || interno.height() <= 0)
        return;
    const double rx = double(finestra->ScaleWidth()) / interno.width();
    const double ry = double(finestra->ScaleHeight()) / interno.height();

    // Redrawing is suspended while the controls move.
    const bool aggiornava = finestra->updatesEnabled();
    finestra->setUpdatesEnabled(false);
    for (const auto& c : controlli) {
        if (!c.widget)
            continue;
        const QRect attuale = c.widget->geometry();
        const QRect& r = c.rettangolo;
        const int left = (c.rifiuta & Finestra::Left) ? attuale.x() : int(std::lround(r.x() * rx));
        const int top = (c.rifiuta & Finestra::Top) ? attuale.y() : int(std::lround(r.y() * ry));
        const int width = (c.rifiuta & Finestra::Larghezza) ? attuale.width() : int(std::lround(r.width() * rx));
        const int height = (c.rifiuta & Finestra::Altezza) ? attuale.height() : int(std::lround(r.height() * ry));
        c.widget->setGeometry(left, top, width, height);
    }
    finestra->setUpdatesEnabled(aggiornava);
}
