#pragma once
// Controls as the windows' designs describe them: labels with a background
// colour and a border, text boxes, buttons.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cstdint>
#include <optional>

namespace controlli {

enum class Bordo { Nessuno, Singolo };

// A label; without a background colour it shows the window's.
QLabel* etichetta(const QString& caption, std::optional<std::uint32_t> sfondo = std::nullopt,
                  Bordo bordo = Bordo::Nessuno, Qt::Alignment allineamento = Qt::AlignLeft | Qt::AlignVCenter);
void coloreSfondo(QWidget* controllo, std::uint32_t colore);
void coloreTesto(QWidget* controllo, std::uint32_t colore);

QLineEdit* casella(std::uint32_t sfondo = 0x00FFFFFF);
QPushButton* pulsante(const QString& caption, const QString& suggerimento = QString());

} // namespace controlli
