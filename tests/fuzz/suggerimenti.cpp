// The tips file, through the tip window's own loader, then shown tip after tip.
#include "comune.h"

#include "frame/finestre.h"
#include "frame/frmTip.h"

#include <QLabel>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti)
{
    fuzz::applicazione();
    frmTip& tip = finestre::forma<frmTip>();
    const bool letti = tip.LoadTips(fuzz::inFile(fuzz::byte(dati, quanti)));
    VERIFICA(letti == !tip.Tips.isEmpty());
    for (const QString& t : tip.Tips)
        VERIFICA(!t.isEmpty() && !t.contains(QChar('\n')) && !t.contains(QChar('\r')));
    // The first byte picks the tip to start from, as the window's random choice would.
    tip.CurrentTip = quanti > 0 ? dati[0] - 128 : 0;
    tip.DisplayCurrentTip();
    for (int giro = 0; giro < 3; ++giro) {
        tip.cmdNextTip_Click();
        if (letti)
            VERIFICA(tip.CurrentTip >= 0 && tip.CurrentTip < tip.Tips.size()
                     && tip.lblTipText->text() == tip.Tips[tip.CurrentTip]);
    }
    return 0;
}
