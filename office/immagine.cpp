#include "office/immagine.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>

#include <algorithm>

namespace office {

namespace {

// Dots per inch of a picture, 96 when the file does not say.
double puntiPerPollice(int puntiPerMetro)
{
    return puntiPerMetro > 0 ? puntiPerMetro * 0.0254 : 96.0;
}

} // namespace

std::optional<Immagine> caricaImmagine(const QString& percorso, double larghezzaMassimaPunti,
                                       double altezzaMassimaPunti)
{
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray contenuto = file.readAll();

    QBuffer buffer;
    buffer.setData(contenuto);
    QImageReader lettore(&buffer);
    lettore.setDecideFormatFromContent(true);
    const QByteArray formato = lettore.format();
    const QImage figura = lettore.read();
    if (figura.isNull())
        return std::nullopt;

    Immagine immagine;
    if (formato == "png" || formato == "jpeg" || formato == "jpg") {
        immagine.dati = contenuto;
        immagine.estensione = formato == "png" ? QStringLiteral("png") : QStringLiteral("jpeg");
    } else {
        // BMP and every other format become PNG, which every word processor shows.
        QBuffer png(&immagine.dati);
        png.open(QIODevice::WriteOnly);
        if (!figura.save(&png, "PNG"))
            return std::nullopt;
        immagine.estensione = QStringLiteral("png");
    }
    immagine.larghezzaPixel = figura.width();
    immagine.altezzaPixel = figura.height();

    double larghezza = figura.width() * 72.0 / puntiPerPollice(figura.dotsPerMeterX());
    double altezza = figura.height() * 72.0 / puntiPerPollice(figura.dotsPerMeterY());
    const double scala = std::min({1.0, larghezzaMassimaPunti / larghezza, altezzaMassimaPunti / altezza});
    immagine.larghezzaPunti = larghezza * scala;
    immagine.altezzaPunti = altezza * scala;
    return immagine;
}

} // namespace office
