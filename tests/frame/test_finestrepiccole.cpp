// The frame's small windows: tips of the day, About, support.
#include "supporto/doppi.h"

#include "frame/finestre.h"
#include "frame/frmTip.h"
#include "frame/informa.h"
#include "frame/percorsi.h"
#include "frame/supportoclienti.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Piccole = ConRipristino;

TEST_F(Piccole, IlFileDeiSuggerimentiSpeditoSiLegge)
{
    const QString file = percorsi::fileDati(frmTip::FILE_SUGGERIMENTI, false);
    ASSERT_FALSE(file.isEmpty());
    auto& tip = finestre::forma<frmTip>();
    ASSERT_TRUE(tip.LoadTips(file));
    EXPECT_GE(tip.Tips.size(), 15);
    bool accentate = false;
    for (const QString& t : tip.Tips) {
        EXPECT_FALSE(t.contains('\r'));
        EXPECT_FALSE(t.contains(QChar(0xFFFD))); // nothing lost in decoding
        accentate = accentate || t.contains(QString::fromUtf8("à")) || t.contains(QString::fromUtf8("è"));
    }
    EXPECT_TRUE(accentate);
}

TEST_F(Piccole, SuggerimentoSuccessivoEChiusura)
{
    QTemporaryDir cartella;
    const QString file = QDir(cartella.path()).filePath("tips.txt");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("primo\r\n\r\nsecondo\r\nterzo\r\n");
    f.close();

    finestre::mostra("frmTip");
    auto& tip = finestre::forma<frmTip>();
    ASSERT_TRUE(tip.LoadTips(file));
    EXPECT_EQ(tip.Tips, (QStringList{"primo", "secondo", "terzo"})); // empty lines are no tips
    tip.DisplayCurrentTip();
    EXPECT_EQ(tip.lblTipText->text(), "primo");
    tip.cmdNextTip->click();
    tip.cmdNextTip->click();
    EXPECT_EQ(tip.lblTipText->text(), "terzo");
    tip.cmdNextTip->click();
    EXPECT_EQ(tip.lblTipText->text(), "primo"); // round again
    tip.cmdOK->click();
    EXPECT_FALSE(tip.isVisible());
    EXPECT_TRUE(finestre::caricata("frmTip")); // hidden, not unloaded
}

TEST_F(Piccole, FileMancante)
{
    auto& tip = finestre::forma<frmTip>();
    EXPECT_FALSE(tip.LoadTips("/non/esiste/SuggerimentiVelmor.TXT"));
    EXPECT_TRUE(tip.Tips.isEmpty());
}

TEST_F(Piccole, InformazioniESupporto)
{
    finestre::mostra("informa");
    auto& info = finestre::forma<informa>();
    EXPECT_EQ(info.Caption(), "Informazioni su Velmor");
    EXPECT_EQ(info.lblTitle->text(), "Velmor");
    EXPECT_EQ(info.lblDescrizione->text(), "programma per il calcolo di reti fognanti");
    EXPECT_TRUE(info.lblVersion->text().contains("4.11.01"));
    EXPECT_TRUE(info.lblVersion->text().contains("1999-2002"));
    info.cmdOK->click();
    EXPECT_FALSE(info.isVisible());
    EXPECT_TRUE(finestre::caricata("informa"));

    finestre::mostra("supportoclienti");
    auto& supporto = finestre::forma<supportoclienti>();
    EXPECT_TRUE(supporto.Label1->text().contains("Zentoria"));
    supporto.close();
    EXPECT_FALSE(supporto.isVisible());
    EXPECT_TRUE(finestre::caricata("supportoclienti"));
}

} // namespace
