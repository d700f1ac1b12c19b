#pragma once
// What the help index, the help pages and the formula picture do alike: a
// light-yellow window of a fixed design size that its resizer first spreads
// over 75% of the screen and then brings back to that size, at a given left
// edge or where the resizer centred it.

#include "frame/finestra.h"

#include <memory>
#include <optional>

class clsResize;

class FinestraAiuto : public Finestra {
    Q_OBJECT
public:
    static constexpr int altezza = 6825; // twips, the same for all of them
    // The help pages' and the formula picture's width and left edge.
    static constexpr int larghezzaGuida = 5640;
    static constexpr int sinistraGuida = 5467;

    ~FinestraAiuto() override;

    std::unique_ptr<clsResize> ridimensiona;

protected:
    FinestraAiuto(const QString& nome, int larghezza, std::optional<int> sinistra);

    void Form_Load() override;
    void Form_Resize() override;
    void Form_Unload() override;
    bool chiusuraNasconde() const override { return true; }

private:
    int m_larghezza;
    std::optional<int> m_sinistra;
};
