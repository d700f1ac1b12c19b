#include "frame/finestra.h"

#include "frame/colori.h"
#include "frame/finestre.h"
#include "frame/twips.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QMenuBar>
#include <QResizeEvent>

Finestra::Finestra(const QString& nome)
    : QWidget(nullptr, Qt::Window), nomeFinestra(nome), client(new QWidget(this)),
      coloreSfondo(colori::aVB(palette().color(QPalette::Window)))
{
    setObjectName(nome);
    client->setObjectName(QStringLiteral("area"));
    client->setAutoFillBackground(true);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

Finestra::~Finestra()
{
    finestre::dimentica(this);
}

QMenuBar* Finestra::barraMenu()
{
    if (!menu) {
        menu = new QMenuBar(this);
        menu->setNativeMenuBar(false);
        disponi();
    }
    return menu;
}

void Finestra::carica()
{
    statoCaricata = true;
    Form_Load();
}

void Finestra::scaricata()
{
    statoCaricata = false;
    Form_Unload();
}

void Finestra::Show()
{
    show();
    raise();
    activateWindow();
}

void Finestra::Hide() { hide(); }

void Finestra::Unload() { finestre::scarica(this); }

void Finestra::setBackColor(std::uint32_t colore)
{
    coloreSfondo = colore;
    QPalette p = client->palette();
    p.setColor(QPalette::Window, colori::daVB(colore));
    client->setPalette(p);
}

int Finestra::Width() const { return twips::daPixel(width()) + cornice; }
int Finestra::Height() const { return twips::daPixel(height()) + barraTitolo; }

void Finestra::setWidth(int tw)
{
    resize(std::max(1, twips::inPixel(tw - cornice)), height());
    ridimensionatoDaCodice();
}

void Finestra::setHeight(int tw)
{
    resize(width(), std::max(1, twips::inPixel(tw - barraTitolo)));
    ridimensionatoDaCodice();
}

void Finestra::setLeft(int tw) { move(twips::inPixel(tw), y()); }

// From the window's own size, which a hidden window updates at once (its
// client area follows only with the resize event).
int Finestra::ScaleWidth() const { return width(); }
int Finestra::ScaleHeight() const { return std::max(0, height() - (menu ? menu->sizeHint().height() : 0)); }

void Finestra::piazzaControllo(QWidget* controllo, int left, int top, int width, int height, QWidget* contenitore)
{
    QWidget* genitore = contenitore ? contenitore : client;
    if (controllo->parentWidget() != genitore)
        controllo->setParent(genitore);
    controllo->setGeometry(twips::rettangolo(left, top, width, height));
    int rifiuta = 0;
    if (qobject_cast<QComboBox*>(controllo)) {
        // A combo box keeps the height of its font, as in the designer.
        rifiuta = Altezza;
        controllo->resize(controllo->width(), controllo->sizeHint().height());
    }
    elenco.push_back({controllo, rifiuta});
    controllo->show();
}

void Finestra::piazzaInAlto(QWidget* controllo, int altezzaTw)
{
    controllo->setParent(client);
    inAlto = controllo;
    altezzaInAlto = twips::inPixel(altezzaTw);
    elenco.push_back({controllo, Tutto});
    controllo->show();
    disponi();
}

void Finestra::disponi()
{
    const int altezzaMenu = menu ? menu->sizeHint().height() : 0;
    if (menu)
        menu->setGeometry(0, 0, width(), altezzaMenu);
    client->setGeometry(0, altezzaMenu, width(), std::max(0, height() - altezzaMenu));
    if (inAlto)
        inAlto->setGeometry(0, 0, client->width(), altezzaInAlto);
}

void Finestra::ridimensionatoDaCodice()
{
    // A hidden window gets its resize event only when shown; the runtime runs
    // Form_Resize at once, so do it here too (running it twice is harmless).
    if (!isVisible()) {
        disponi();
        Form_Resize();
    }
}

void Finestra::resizeEvent(QResizeEvent* evento)
{
    QWidget::resizeEvent(evento);
    disponi();
    Form_Resize();
}

void Finestra::closeEvent(QCloseEvent* evento)
{
    if (chiusuraNasconde()) {
        evento->ignore();
        Hide();
        return;
    }
    evento->accept();
    Unload();
}
