#include "frame/frmSplash.h"

#include "frame/ModVelmor.h"
#include "frame/colori.h"
#include "frame/finestre.h"
#include "frame/nomifinestre.h"
#include "frame/percorsi.h"
#include "frame/servizi.h"
#include "frame/twips.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

VELMOR_FINESTRA(frmSplash);

namespace {

QLabel* etichetta(Qt::Alignment allineamento, int punti, bool grassetto)
{
    auto* l = new QLabel;
    l->setAlignment(allineamento);
    QFont f = l->font();
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    l->setFont(f);
    return l;
}

} // namespace

frmSplash::frmSplash()
    : Finestra(QString::fromUtf8(NOME)),
      lblAzienda(etichetta(Qt::AlignLeft | Qt::AlignVCenter, 10, true)),
      lblMessaggio(etichetta(Qt::AlignLeft | Qt::AlignVCenter, 12, false)),
      lblProdotto(etichetta(Qt::AlignCenter, 40, true)),
      lblDescrizione(etichetta(Qt::AlignCenter, 13, false)),
      lblVersione(etichetta(Qt::AlignRight | Qt::AlignVCenter, 9, false)),
      lblIstruzioni(etichetta(Qt::AlignCenter, 8, false))
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFocusPolicy(Qt::StrongFocus);
    resize(twips::inPixel(7200), twips::inPixel(4320));

    auto* cornice = new QFrame;
    cornice->setFrameShape(QFrame::Box);
    cornice->setLineWidth(2);
    piazza(cornice, 75, 75, 7050, 4170);
    setBackColor(colori::rgb(255, 255, 225));

    piazza(lblAzienda, 360, 300, 6480, 360);
    piazza(lblMessaggio, 360, 960, 6480, 420);
    piazza(lblProdotto, 360, 1440, 6480, 1080);
    piazza(lblDescrizione, 360, 2580, 6480, 420);
    piazza(lblVersione, 360, 3180, 6480, 300);
    piazza(lblIstruzioni, 360, 3720, 6480, 300);
    lblProdotto->setStyleSheet(QStringLiteral("color: #00307a;"));
    // The client area covers the whole window, so its paint is the splash's paint.
    area()->installEventFilter(this);
}

void frmSplash::Form_Load()
{
    ModVelmor::inizializza();
    setCaption(ModVelmor::nomeprogramma.testo());
    lblAzienda->setText(QStringLiteral("Software Zentoria"));
    lblMessaggio->setText(QStringLiteral("          benvenuti in"));
    lblProdotto->setText(ModVelmor::nomeprogramma.testo());
    lblDescrizione->setText(ModVelmor::descrizioneprogramma.testo());
    lblVersione->setText("versione " + ModVelmor::versione.testo() + " - prima versione "
                         + ModVelmor::dataprimaversione.testo());
    lblIstruzioni->setText(QStringLiteral("un clic per cominciare il lavoro, un tasto qualsiasi per uscire"));

    if (QScreen* schermo = QGuiApplication::primaryScreen()) {
        const QRect r = schermo->availableGeometry();
        move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
    }
    m_musicaInAttesa = true;
}

bool frmSplash::eventFilter(QObject* oggetto, QEvent* evento)
{
    // Queued, so that the music starts once the painted splash has reached the screen.
    if (m_musicaInAttesa && evento->type() == QEvent::Paint)
        QMetaObject::invokeMethod(this, &frmSplash::suonaSeInAttesa, Qt::QueuedConnection);
    return Finestra::eventFilter(oggetto, evento);
}

void frmSplash::suonaSeInAttesa()
{
    if (!m_musicaInAttesa)
        return;
    m_musicaInAttesa = false;
    suona();
}

void frmSplash::suona()
{
    servizi::musica().open(percorsi::fileDati(QStringLiteral("Internet.mid"), true));
    servizi::musica().play();
}

void frmSplash::Form_Click()
{
    m_musicaInAttesa = false;
    servizi::musica().pause();
    finestre::mostra(finestre::nomi::dati);
}

void frmSplash::Form_KeyPress()
{
    m_musicaInAttesa = false;
    servizi::musica().close();
    Unload();
    finestre::scarica(finestre::nomi::prodotti);
}

void frmSplash::schermataDiChiusura()
{
    lblMessaggio->setText(QStringLiteral("          elaborazione eseguita con"));
    m_musicaInAttesa = false;
    suona();
    Show();
    setFocus();
}

void frmSplash::mousePressEvent(QMouseEvent*)
{
    Form_Click();
}

void frmSplash::keyPressEvent(QKeyEvent* evento)
{
    // Shift, Ctrl and the like alone are not a key press of their own.
    switch (evento->key()) {
    case Qt::Key_Shift: case Qt::Key_Control: case Qt::Key_Alt: case Qt::Key_Meta: case Qt::Key_AltGr: return;
    default: Form_KeyPress();
    }
}
