#pragma once
// The picture of the seismic formulas, larger than the window, moved under it
// by two scroll bars; its print button puts the picture into a new document.

#include "frame/finestra.h"

#include <QImage>
#include <memory>

class QLabel;
class QPushButton;
class QScrollBar;
class clsResize;

class guidaformule : public Finestra {
    Q_OBJECT
public:
    static constexpr char NOME[] = "guidaformule";
    static constexpr int altezza = 6825; // twips
    static constexpr int larghezza = 5640;
    static constexpr int sinistra = 5467;

    guidaformule();
    ~guidaformule() override;

    QPushButton* cmdSommario;
    QPushButton* cmdstampa;
    QPushButton* cmdchiudi;
    QLabel* Image1;       // the picture at its natural size
    QScrollBar* HScroll1; // the picture's left edge is at minus its value (twips)
    QScrollBar* VScroll1; // the picture's top edge is at minus its value (twips)
    std::unique_ptr<clsResize> ridimensiona;

    // The picture Image1 holds.
    const QImage& figura() const { return m_figura; }

    void HScroll1_Change();
    void VScroll1_Change();
    void cmdSommario_Click();
    void cmdstampa_Click();
    void cmdchiudi_Click();

protected:
    void Form_Load() override;
    void Form_Resize() override;
    void Form_Unload() override;
    bool chiusuraNasconde() const override { return true; }

private:
    QImage m_figura;
    QSize m_dimensione; // at the last placing of the controls
};
