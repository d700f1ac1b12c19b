#include "help/figuraformule.h"

#include "frame/servizi.h"
#include "office/applicazione.h"
#include "office/consegna.h"
#include "office/salvataggio.h"
#include "seismic/anello.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <array>
#include <functional>

using namespace vb;

namespace guida {

namespace {

namespace sis = tubazioni;

// A load case of the ring: the check's own function, called with a unit load on
// a unit radius, gives the coefficients of M (times load r^2) and N (times load r).
struct Caso {
    const char* lettera;
    const char* descrizione;
    const char* carico; // the symbol of the case's load
    std::function<sis::AzioniAnello(double, double)> azioni;
};

const std::array<Caso, 5>& casi()
{
    static const std::array<Caso, 5> elenco = {{
        {"A", "peso proprio del tubo", "g", sis::casoPesoProprio},
        {"B", "carico ripartito sul dorso", "p", sis::casoCaricoSommita},
        {"C", "carico ripartito sui fianchi", "q", sis::casoSpintaUniforme},
        {"D", "carico triangolare sui fianchi", "z", sis::casoSpintaTriangolare},
        {"E", "reazione radiale costante su un settore di 60°", "e", sis::casoReazioneFondo},
    }};
    return elenco;
}

const char* const sezioni[] = {"verticale superiore", "orizzontale mediana", "verticale inferiore"};

QString coefficiente(double valore)
{
    const QString testo = QLocale(QLocale::Italian).toString(std::abs(valore), 'f', 4);
    return (valore < 0 ? QStringLiteral("− ") : QStringLiteral("+ ")) + testo;
}

QFont carattere(int pixel, bool grassetto = false, bool corsivo = false, const QString& famiglia = QStringLiteral("Liberation Sans"))
{
    QFont f(famiglia);
    f.setPixelSize(pixel);
    f.setBold(grassetto);
    f.setItalic(corsivo);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

void freccia(QPainter& p, QPointF da, QPointF a)
{
    p.drawLine(da, a);
    const QPointF d = a - da;
    const double lunghezza = std::hypot(d.x(), d.y());
    if (lunghezza < 1)
        return;
    const QPointF u = d / lunghezza;
    const QPointF n(-u.y(), u.x());
    p.drawLine(a, a - u * 6 + n * 3);
    p.drawLine(a, a - u * 6 - n * 3);
}

// The ring with the loads of case `caso` (0 to 4), centred in the square at `riquadro`.
void schema(QPainter& p, int caso, const QRectF& riquadro)
{
    const QPointF c = riquadro.center();
    const double R = 34;
    p.setPen(QPen(Qt::black, 3));
    p.drawEllipse(c, R, R);
    p.setPen(QPen(Qt::black, 1));
    p.setFont(carattere(13, true, true));
    switch (caso) {
    case 0: // own weight: every element of the wall pulls down
        for (int i = 0; i < 8; ++i) {
            const double t = i * M_PI / 4;
            const QPointF punto = c + QPointF(R * std::sin(t), -R * std::cos(t));
            freccia(p, punto, punto + QPointF(0, 14));
        }
        p.drawText(c + QPointF(-4, 5), QStringLiteral("g"));
        break;
    case 1: // spread on the top, over the horizontal projection
        p.drawLine(c + QPointF(-R, -R - 24), c + QPointF(R, -R - 24));
        for (int i = -3; i <= 3; ++i) {
            const double x = R * i / 3.5;
            freccia(p, c + QPointF(x, -R - 24), c + QPointF(x, -std::sqrt(R * R - x * x) - 2));
        }
        p.drawText(c + QPointF(R + 4, -R - 20), QStringLiteral("p"));
        break;
    case 2: // uniform on both sides
    case 3: // growing with depth on both sides
        for (int lato : {-1, 1}) {
            const double x0 = lato * (R + 30);
            if (caso == 2)
                p.drawLine(c + QPointF(x0, -R), c + QPointF(x0, R));
            else
                p.drawLine(c + QPointF(lato * (R + 2), -R), c + QPointF(x0, R));
            for (int i = 1; i <= 5; ++i) {
                const double y = -R + 2 * R * i / 6.0;
                const double bordo = std::sqrt(std::max(0.0, R * R - y * y));
                const double inizio = caso == 2 ? x0 : lato * (R + 2 + 28 * i / 6.0);
                if (std::abs(inizio) - bordo > 6)
                    freccia(p, c + QPointF(inizio, y), c + QPointF(lato * (bordo + 2), y));
            }
        }
        p.drawText(c + QPointF(R + 16, R + 16), QString::fromLatin1(caso == 2 ? "q" : "z"));
        break;
    case 4: { // radial over the sector of 60 degrees around the invert
        for (int i = -2; i <= 2; ++i) {
            const double t = M_PI + i * (M_PI / 6) / 2;
            const QPointF verso(std::sin(t), -std::cos(t));
            freccia(p, c + verso * (R + 24), c + verso * (R + 2));
        }
        p.drawText(c + QPointF(12, R + 30), QStringLiteral("e"));
        p.setFont(carattere(11));
        p.drawText(c + QPointF(-44, R + 30), QStringLiteral("60°"));
        break;
    }
    }
}

// Text lines at the left of `x`, one every `passo` pixels from `y`; returns the next free y.
int righe(QPainter& p, int x, int y, int passo, std::initializer_list<QString> testi)
{
    for (const QString& t : testi) {
        p.drawText(x, y, t);
        y += passo;
    }
    return y;
}

} // namespace

QImage figuraFormule()
{
    QImage tela(larghezzaFigura, altezzaFigura, QImage::Format_RGB32);
    tela.fill(Qt::white);
    QPainter p(&tela);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setPen(Qt::black);
    const int margine = 24;
    const int destra = larghezzaFigura - margine;

    // The note of the decree at the top, as written by hand on the table.
    p.setFont(carattere(20, false, true, QStringLiteral("Liberation Serif")));
    p.drawText(margine + 8, 38, QStringLiteral("D.M. 23/02/1971 n.2445"));
    p.drawLine(margine + 6, 49, margine + 226, 46);

    p.setFont(carattere(17, true));
    p.drawText(QRect(margine, 54, destra - margine, 24), Qt::AlignCenter,
               QStringLiteral("TABELLA DELLE FORMULE PER IL CALCOLO DEI TUBI DI PROTEZIONE INTERRATI"));
    p.setFont(carattere(13));
    p.drawText(QRect(margine, 78, destra - margine, 20), Qt::AlignCenter,
               QStringLiteral("momento flettente M e sforzo normale N nell'anello del tubo, per centimetro di tubo"));

    // Legend of the symbols.
    p.drawRect(margine, 106, destra - margine, 138);
    p.setFont(carattere(13, true));
    p.drawText(margine + 10, 124, QStringLiteral("Simboli"));
    p.setFont(carattere(12));
    const int passo = 17;
    righe(p, margine + 10, 142, passo,
          {QStringLiteral("M  momento flettente (kg·cm/cm; positivo se tende la fibra interna)"),
           QStringLiteral("N  sforzo normale (kg/cm; positivo se di compressione)"),
           QStringLiteral("p  carico ripartito uniformemente (traffico e ricoprimento)"),
           QStringLiteral("q  pressione uniforme della spinta laterale"),
           QStringLiteral("z  pressione laterale variabile (da 0 alla sommità a z al fondo)"),
           QStringLiteral("e  reazione radiale costante del fondo")});
    righe(p, margine + 430, 142, passo,
          {QStringLiteral("r   raggio medio del tubo = (D + s) / 2"), QStringLiteral("s   spessore della parete"),
           QStringLiteral("γ   peso specifico del materiale del tubo"),
           QStringLiteral("g   = γ · s, peso della parete per unità di"),
           QStringLiteral("     circonferenza media"), QStringLiteral("D   diametro interno")});

    // The five load cases.
    const int altezzaCaso = 142;
    const int colonnaM = margine + 330;
    const int colonnaN = margine + 560;
    int y = 258;
    for (int k = 0; k < 5; ++k) {
        const Caso& caso = casi()[static_cast<size_t>(k)];
        const sis::AzioniAnello unitarie = caso.azioni(1.0, 1.0);
        p.drawRect(margine, y, destra - margine, altezzaCaso - 8);
        p.drawLine(margine + 150, y, margine + 150, y + altezzaCaso - 8);
        schema(p, k, QRectF(margine, y + 10, 150, altezzaCaso - 28));

        p.setFont(carattere(14, true));
        p.drawText(margine + 162, y + 22, QStringLiteral("%1)  ").arg(QString::fromUtf8(caso.lettera))
                                              + QString::fromUtf8(caso.descrizione));
        p.setFont(carattere(12, true));
        p.drawText(margine + 162, y + 48, QStringLiteral("sezione"));
        p.drawText(colonnaM, y + 48, QStringLiteral("M"));
        p.drawText(colonnaN, y + 48, QStringLiteral("N"));
        p.drawLine(margine + 160, y + 54, destra - 10, y + 54);
        p.setFont(carattere(13));
        const QString simbolo = QString::fromUtf8(caso.carico);
        for (int s = 0; s < 3; ++s) {
            const int riga = y + 76 + s * 22;
            p.drawText(margine + 162, riga, QString::fromUtf8(sezioni[s]));
            p.drawText(colonnaM, riga, "M = " + coefficiente(unitarie.M[static_cast<size_t>(s)]) + " · " + simbolo + " r²");
            p.drawText(colonnaN, riga, "N = " + coefficiente(unitarie.N[static_cast<size_t>(s)]) + " · " + simbolo + " r");
        }
        y += altezzaCaso;
    }

    // The loads, and the working stresses on a metre of wall.
    p.setFont(carattere(12));
    const double eDaG = sis::pressioneReazione(1.0, 0.0);
    const double eDaP = sis::pressioneReazione(0.0, 1.0);
    const QLocale it(QLocale::Italian);
    y += 8;
    y = righe(p, margine + 4, y, passo,
              {QStringLiteral("Sollecitazioni di progetto: somma dei cinque casi, con"),
               QStringLiteral("p = m · [γt · H + 1000 · P / ((a + 2H) · (b + 2H))]     q = ka · γt · H     z = ka · γt · 2r"),
               QStringLiteral("ka = tg²(45° − φ/2)     e = %1 · g + %2 · p  (il fondo regge peso proprio e carico sul dorso)")
                   .arg(it.toString(eDaG, 'f', 4), it.toString(eDaP, 'f', 4)),
               QStringLiteral("m incremento sismico (D.M. 16/01/1996, punto B.4: m = 2; 1 in zona non sismica), H altezza del"),
               QStringLiteral("ricoprimento, γt peso specifico e φ angolo d'attrito del terreno, P carico della ruota (t), a e b lati"),
               QStringLiteral("dell'impronta della ruota.")});
    p.setFont(carattere(15, true));
    p.drawText(margine + 4, y + 8, QStringLiteral("σ = N/A ± M/W"));
    p.setFont(carattere(12));
    p.drawText(margine + 150, y + 8,
               QStringLiteral("su un metro di parete: A = 100 · s (cm²), W = 100 · s² / 6 (cm³), N e M per metro di tubo"));
    p.end();

    QImage figura = tela.convertToFormat(QImage::Format_Mono, Qt::MonoOnly | Qt::ThresholdDither);
    figura.setDotsPerMeterX(puntiPerMetroX);
    figura.setDotsPerMeterY(puntiPerMetroY);
    return figura;
}

QString salvaFigura(const QImage& figura, const QString& percorso)
{
    QBuffer memoria;
    memoria.open(QIODevice::WriteOnly);
    QImageWriter scrittore(&memoria, "bmp");
    if (!scrittore.write(figura))
        return scrittore.errorString();
    return office::salvaSuDisco(percorso, memoria.data()).motivo;
}

QString percorsoFigura()
{
    return QDir(office::cartellaDocumenti()).filePath(QStringLiteral("formule.jpg"));
}

bool inserisciFigura(office::Selezione& selezione, const QImage& figura)
{
    const QString percorso = percorsoFigura();
    QString errore;
    if (!QDir().mkpath(QFileInfo(percorso).absolutePath()))
        errore = QStringLiteral("la cartella non si può creare");
    else
        errore = salvaFigura(figura, percorso);
    if (!errore.isEmpty()) {
        MsgBox("Non è stato possibile scrivere la figura delle formule in:\r" + QDir::toNativeSeparators(percorso) + "\r("
                   + errore + ").\rIl documento prosegue senza la figura.",
               vbExclamation);
        return false;
    }
    if (!selezione.InlineShapes.AddPicture(percorso)) {
        MsgBox("Non è stato possibile inserire nel documento la figura delle formule:\r"
                   + QDir::toNativeSeparators(percorso) + "\rIl documento prosegue senza la figura.",
               vbExclamation);
        return false;
    }
    return true;
}

} // namespace guida
