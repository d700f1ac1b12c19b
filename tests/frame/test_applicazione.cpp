// Qt's own dialogs and buttons speak Italian whatever the system's language.
#include "frame/applicazione.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(Applicazione, IDialoghiDiQtParlanoItaliano)
{
    ASSERT_TRUE(applicazione::caricaTraduzioneQt()); // loaded once by the start-up, found again
    QDialogButtonBox pulsanti(QDialogButtonBox::Open | QDialogButtonBox::Cancel);
    EXPECT_EQ(pulsanti.button(QDialogButtonBox::Open)->text(), "Apri");
    EXPECT_EQ(pulsanti.button(QDialogButtonBox::Cancel)->text(), "Annulla");
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), "Cerca in:");
}
