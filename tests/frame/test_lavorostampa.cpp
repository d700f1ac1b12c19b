// The print job's name cut to what the print system takes: never past its byte limit, never
// through a character.
#include "frame/lavorostampa.h"

#include <gtest/gtest.h>

namespace {

TEST(NomeLavoro, TagliatoAlLimiteSuUnConfineDiCarattere)
{
    const int limite = stampe::lunghezzaMassimaNomeLavoro;
    const QString a(limite - 1, u'a');
    const struct {
        const char* cosa;
        QString nome;
        QString atteso;
    } casi[] = {
        {"short", QStringLiteral("Velmor - relazione tecnica - Rete"),
         QStringLiteral("Velmor - relazione tecnica - Rete")},
        {"exactly the limit", a + u'b', a + u'b'},
        {"one byte over", a + QStringLiteral("bc"), a + u'b'},
        // 254 bytes, then a two-byte letter that would end at byte 256: it goes whole.
        {"a two-byte letter across the limit", a + QStringLiteral("èx"), a},
        // 253 bytes, then a two-byte letter ending exactly at the limit: it stays.
        {"a two-byte letter at the limit", QString(limite - 2, u'a') + QStringLiteral("èx"),
         QString(limite - 2, u'a') + QStringLiteral("è")},
        // A four-byte sign (two UTF-16 units) starting at byte 253: never half of it.
        {"a four-byte sign across the limit", QString(limite - 3, u'a') + QString::fromUtf8("\xF0\x9F\x9A\xB0") + u'x',
         QString(limite - 3, u'a')},
        {"an accented name of 300 letters", QString(300, u'à'), QString(limite / 2, u'à')},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.cosa);
        const QString tagliato = stampe::nomeLavoroAmmesso(c.nome);
        EXPECT_EQ(tagliato, c.atteso);
        EXPECT_LE(tagliato.toUtf8().size(), limite);
        EXPECT_FALSE(tagliato.isEmpty() || tagliato.back().isHighSurrogate());
    }
}

} // namespace
