#pragma once
// What the help windows share in their look: the light-yellow background, the
// colours of the help index's topics, and the designed fonts (the designs'
// "MS Sans Serif" is the program's sans-serif font at the same size).

#include "frame/colori.h"

#include <QWidget>
#include <cstdint>

namespace guida {

constexpr std::uint32_t gialloChiaro = colori::rgb(255, 255, 192);
constexpr std::uint32_t ciano = colori::rgb(0, 255, 255);
constexpr std::uint32_t rosso = colori::rgb(255, 0, 0);
constexpr std::uint32_t giallo = colori::rgb(255, 255, 0);
constexpr std::uint32_t blu = colori::rgb(0, 0, 255);
constexpr std::uint32_t nero = colori::rgb(0, 0, 0);

inline void carattere(QWidget* controllo, double punti, bool grassetto)
{
    QFont f = controllo->font();
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    controllo->setFont(f);
}

} // namespace guida
