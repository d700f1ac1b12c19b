#pragma once
// The 22-button toolbar of the main windows. Buttons 4, 6, 14 and 19 are
// separators; the window's own button (7 to 13) is shown pressed.

#include <QToolBar>
#include <array>

class QAction;

class Barrastrumenti : public QToolBar {
    Q_OBJECT
public:
    static constexpr int numeroPulsanti = 22;
    // The button of main window 1; windows 2 to 7 follow.
    static constexpr int primaFinestra = 7;
    // `propria`: the window's number 1 to 7.
    explicit Barrastrumenti(int propria);

    // Button i, 1 to 22 (separators included).
    QAction* Buttons(int i) const;
    static bool separatore(int i) { return i == 4 || i == 6 || i == 14 || i == 19; }
    static QString suggerimento(int i);

    // What pressing button i does (the window connects ButtonClick).
    void premi(int i);

signals:
    void ButtonClick(int indice);

private:
    std::array<QAction*, numeroPulsanti + 1> pulsanti{};
    int propria;
};
