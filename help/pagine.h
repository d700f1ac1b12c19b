#pragma once
// The nine help pages: which window shows each, its title, the designed sizes of
// its two labels (twips), and its text. The texts are built into the program
// from data/guida/<window>.txt, one paragraph each; a file may wrap its
// paragraph over several lines, which are joined by single blanks.

#include <QString>
#include <array>
#include <optional>

namespace guida {

struct Pagina {
    const char* nome;   // the window, e.g. "guidadati"
    const char* titolo; // the caption of its Label1
    int larghezzaTitolo, altezzaTitolo;
    int larghezzaTesto, altezzaTesto;
};

// In the order of the help index, which is also the order of the whole guide.
extern const std::array<Pagina, 9> pagine;

// The page shown by a window, or nullptr for a name that is not a help page.
const Pagina* pagina(const QString& nome);

// The text of a page; nothing for a name that is not a built-in page.
std::optional<QString> testoPagina(const QString& nome);

// The text of a page, or a notice for a name that is not a page.
QString testoOAvviso(const QString& nome);

} // namespace guida
