#include "frame/frmTip.h"

#include "frame/ModVelmor.h"
#include "frame/colori.h"
#include "frame/finestre.h"
#include "frame/percorsi.h"
#include "frame/twips.h"

#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>

VELMOR_FINESTRA(frmTip);

frmTip::frmTip()
    : Finestra(QString::fromUtf8(NOME)), Label1(new QLabel), lblTipText(new QLabel),
      cmdNextTip(new QPushButton(QStringLiteral("&Suggerimento successivo"))), cmdOK(new QPushButton(QStringLiteral("&Chiudi")))
{
    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    setCaption(QStringLiteral("Suggerimento del giorno"));
    setWidth(6600);
    setHeight(3900);

    auto* riquadro = new QLabel;
    riquadro->setAutoFillBackground(true);
    riquadro->setFrameShape(QFrame::Panel);
    riquadro->setFrameShadow(QFrame::Sunken);
    QPalette p = riquadro->palette();
    p.setColor(QPalette::Window, colori::daVB(colori::bianco));
    riquadro->setPalette(p);
    piazza(riquadro, 120, 120, 4800, 3120);

    Label1->setText(QStringLiteral("Lo sapevate che..."));
    QFont grassetto = Label1->font();
    grassetto.setBold(true);
    grassetto.setPointSizeF(grassetto.pointSizeF() * 1.5);
    Label1->setFont(grassetto);
    piazza(Label1, 300, 240, 4440, 480);

    lblTipText->setWordWrap(true);
    lblTipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    piazza(lblTipText, 300, 840, 4440, 2280);

    piazza(cmdOK, 5100, 120, 1245, 375);
    piazza(cmdNextTip, 5100, 600, 1245, 615);
    cmdNextTip->setStyleSheet(QStringLiteral("text-align: center;"));
    cmdNextTip->setText(QStringLiteral("&Successivo"));
    cmdNextTip->setToolTip(QStringLiteral("Suggerimento successivo"));

    connect(cmdNextTip, &QPushButton::clicked, this, [this] { cmdNextTip_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
}

void frmTip::Form_Load()
{
    const percorsi::Lettura lettura = percorsi::leggiDati(QString::fromUtf8(FILE_SUGGERIMENTI), false);
    if (!lettura.riuscita() || !suggerimentiDelTesto(lettura.testo())) {
        const QString motivo = lettura.riuscita() ? QStringLiteral("il file non contiene suggerimenti") : lettura.errore;
        lblTipText->setText("Nessun suggerimento disponibile: " + motivo + ".");
        cmdNextTip->setEnabled(false);
        return;
    }
    CurrentTip = static_cast<int>(QRandomGenerator::global()->bounded(Tips.size()));
    DisplayCurrentTip();
}

bool frmTip::LoadTips(const QString& file)
{
    const percorsi::Lettura lettura = percorsi::leggi(file);
    return suggerimentiDelTesto(lettura.riuscita() ? lettura.testo() : QString());
}

bool frmTip::suggerimentiDelTesto(const QString& testo)
{
    Tips.clear();
    CurrentTip = 0;
    for (const QString& riga : testo.split('\n')) {
        if (!riga.trimmed().isEmpty())
            Tips << riga.trimmed();
    }
    return !Tips.isEmpty();
}

void frmTip::DisplayCurrentTip()
{
    if (Tips.isEmpty())
        return;
    CurrentTip = ((CurrentTip % Tips.size()) + Tips.size()) % Tips.size();
    lblTipText->setText(Tips[CurrentTip]);
}

void frmTip::cmdNextTip_Click()
{
    ++CurrentTip;
    DisplayCurrentTip();
}

void frmTip::cmdOK_Click()
{
    Hide();
}
