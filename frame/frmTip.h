#pragma once
// Tip of the day: one tip per line of the tips file.

#include "frame/finestra.h"
#include "frame/nomifinestre.h"

#include <QStringList>

class QLabel;
class QPushButton;

class frmTip : public Finestra {
    Q_OBJECT
public:
    static constexpr const char* NOME = finestre::nomi::frmTip;
    static constexpr char FILE_SUGGERIMENTI[] = "SuggerimentiVelmor.TXT";
    frmTip();

    QLabel* Label1;
    QLabel* lblTipText;
    QPushButton* cmdNextTip;
    QPushButton* cmdOK;

    // Reads the tips of a file; false when it cannot be read or holds none.
    bool LoadTips(const QString& file);
    void DisplayCurrentTip();
    int CurrentTip = 0; // 0-based index into Tips
    QStringList Tips;

    void cmdNextTip_Click();
    void cmdOK_Click();

protected:
    void Form_Load() override;

private:
    // Takes the tips of a text, one a line; false when it holds none.
    bool suggerimentiDelTesto(const QString& testo);
    bool chiusuraNasconde() const override { return true; }
};
