#pragma once
// Proportional resizing of a window's controls. On first use it records the
// window's inner size and every control's rectangle; afterwards each control
// is set to its recorded rectangle times the ratio of the window's current
// inner size to the recorded one. Fonts are not scaled.

#include <QPointer>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <vector>

class Finestra;
class QWidget;

class clsResize {
public:
    Finestra* SourceForm() const { return finestra; }
    void SourceForm(Finestra* f);

    // Records the current sizes afresh as the reference.
    void ReInitialise();
    // Sizes the window to a percentage of the screen, centred, and rescales the controls.
    void SizeFormToScreen(std::uint8_t percentuale);
    // Rescales every control to the window's current inner size.
    void ResizeControls();

    bool registrato() const { return inizializzato; }

private:
    struct Registrato {
        QPointer<QWidget> widget;
        QRect rettangolo;
        int rifiuta = 0;
    };
    void registra();

    QPointer<Finestra> finestra;
    bool inizializzato = false;
    QSize interno;
    std::vector<Registrato> controlli;
};
