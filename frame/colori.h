#pragma once
// Colours as the runtime numbers them: &H00BBGGRR, blue in the high byte.

#include <QColor>
#include <cstdint>

namespace colori {

constexpr std::uint32_t grigio = 0x00C0C0C0;      // light grey, red green blue 192
constexpr std::uint32_t grigioScuro = 0x00808080; // red green blue 128
constexpr std::uint32_t giallo = 0x0000FFFF;
constexpr std::uint32_t bianco = 0x00FFFFFF;
constexpr std::uint32_t azzurro = 0x00FFFFC0;     // light blue of the result labels
constexpr std::uint32_t gialloChiaro = 0x00C0FFFF; // the information windows' background
constexpr std::uint32_t blu = 0x00FF0000;
constexpr std::uint32_t bluScuro = 0x00C00000;
constexpr std::uint32_t rosso = 0x000000FF;

constexpr std::uint32_t rgb(int r, int g, int b)
{
    return (std::uint32_t(b & 0xFF) << 16) | (std::uint32_t(g & 0xFF) << 8) | std::uint32_t(r & 0xFF);
}

inline QColor daVB(std::uint32_t c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }
inline std::uint32_t aVB(const QColor& c) { return rgb(c.red(), c.green(), c.blue()); }

} // namespace colori
