// Windows-1252 text: the files of the Windows version must read and write the same.
#include "frame/cp1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1252, AndataERitorno)
{
    const QString testo = QString::fromUtf8("località: perché più € – “citato” Œ ÿ");
    QString perdite;
    const QByteArray byte = cp1252::codifica(testo, &perdite);
    EXPECT_TRUE(perdite.isEmpty());
    EXPECT_EQ(byte.size(), testo.size()); // one byte a character
    EXPECT_EQ(static_cast<unsigned char>(byte[byte.indexOf("\x80")]), 0x80u); // the euro sign
    EXPECT_EQ(cp1252::decodifica(byte), testo);
    EXPECT_TRUE(cp1252::rappresentabile(testo));
}

TEST(Cp1252, CaratteriCheNonHaSonoSegnalati)
{
    const QString testo = QString::fromUtf8("tubo Ø 300 ≤ 5 Ø");
    QString perdite;
    const QByteArray byte = cp1252::codifica(testo, &perdite);
    EXPECT_EQ(perdite, QString::fromUtf8("≤")); // Ø is in the code page, ≤ is not; reported once
    EXPECT_EQ(byte, QByteArray("tubo \xD8 300 ? 5 \xD8"));
    EXPECT_FALSE(cp1252::rappresentabile(testo));
}

TEST(Cp1252, LetturaRiconosceUtf8EWindows1252)
{
    EXPECT_EQ(cp1252::leggiTesto(QByteArray("citt\xC3\xA0")), QString::fromUtf8("città"));
    EXPECT_EQ(cp1252::leggiTesto(QByteArray("citt\xE0")), QString::fromUtf8("città"));
    EXPECT_EQ(cp1252::leggiTesto(QByteArray("\xEF\xBB\xBF" "abc")), "abc");
    // The decoder drops one mark by itself; a text saved with its mark by an
    // editor that adds one more keeps a second, which would glue itself to the
    // first field read.
    EXPECT_EQ(cp1252::leggiTesto(QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF" "abc")), "abc");
    EXPECT_EQ(cp1252::leggiTesto(QByteArray("\x93" "a" "\x94")), QString::fromUtf8("“a”"));
}

} // namespace
