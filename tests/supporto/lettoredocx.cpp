#include "supporto/lettoredocx.h"

#include <QFile>
#include <QHash>
#include <QXmlStreamReader>
#include <zip.h>

namespace lettura {

namespace {

bool fine(const QXmlStreamReader& x, QStringView nome)
{
    return x.isEndElement() && x.name() == nome;
}

QString attributo(const QXmlStreamReader& x, QStringView nome)
{
    // prefixed attributes (w:val) and plain ones (cx) alike, by their local name
    for (const QXmlStreamAttribute& a : x.attributes())
        if (a.name() == nome)
            return a.value().toString();
    return {};
}

// A paragraph style of styles.xml: the alignment of the paragraphs that name it, and the
// character format of their runs and mark.
struct Stile {
    QString allineamento;
    Frammento carattere;
};
using Stili = QHash<QString, Stile>; // by id

void leggiProprietaCarattere(QXmlStreamReader& x, Frammento& f)
{
    while (!x.atEnd() && !(x.readNext(), fine(x, u"rPr"))) {
        if (!x.isStartElement())
            continue;
        if (x.name() == u"rFonts")
            f.font = attributo(x, u"ascii");
        else if (x.name() == u"sz")
            f.dimensione = attributo(x, u"val").toDouble() / 2;
        else if (x.name() == u"b")
            f.grassetto = attributo(x, u"val") != u"0" && attributo(x, u"val") != u"false";
    }
}

Stili leggiStili(const QByteArray& xml)
{
    Stili stili;
    QXmlStreamReader x(xml);
    QString id;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement() && x.name() == u"style")
            id = attributo(x, u"type") == u"paragraph" ? attributo(x, u"styleId") : QString();
        else if (x.isStartElement() && x.name() == u"jc" && !id.isEmpty())
            stili[id].allineamento = attributo(x, u"val");
        else if (x.isStartElement() && x.name() == u"rPr" && !id.isEmpty())
            leggiProprietaCarattere(x, stili[id].carattere);
    }
    return stili;
}

void leggiFrammento(QXmlStreamReader& x, Paragrafo& p, const Frammento& stile)
{
    Frammento f = stile;
    bool soloInterruzione = true;
    while (!x.atEnd() && !(x.readNext(), fine(x, u"r"))) {
        if (!x.isStartElement())
            continue;
        if (x.name() == u"rPr") {
            leggiProprietaCarattere(x, f);
        } else if (x.name() == u"t") {
            f.testo += x.readElementText();
            soloInterruzione = false;
        } else if (x.name() == u"tab") {
            f.testo += u'\t';
            soloInterruzione = false;
        } else if (x.name() == u"br" && attributo(x, u"type") == u"page") {
            p.interruzionePagina = true;
        } else if (x.name() == u"extent") {
            f.larghezzaEmu = attributo(x, u"cx").toLongLong();
            f.altezzaEmu = attributo(x, u"cy").toLongLong();
        } else if (x.name() == u"blip") {
            f.immagine = attributo(x, u"embed");
            soloInterruzione = false;
        }
    }
    if (!soloInterruzione)
        p.frammenti.push_back(f);
}

Paragrafo leggiParagrafo(QXmlStreamReader& x, const Stili& stili)
{
    Paragrafo p;
    Frammento stile; // what the paragraph's style gives its runs
    while (!x.atEnd() && !(x.readNext(), fine(x, u"p"))) {
        if (!x.isStartElement())
            continue;
        if (x.name() == u"jc") {
            p.allineamento = attributo(x, u"val");
        } else if (x.name() == u"keepNext") {
            p.tieniConSeguente = true;
        } else if (x.name() == u"spacing") {
            p.interlinea = attributo(x, u"line").toInt();
        } else if (x.name() == u"pStyle") {
            const Stile& s = stili.value(attributo(x, u"val"));
            p.allineamento = s.allineamento;
            stile = s.carattere;
            p.dimensioneSegno = stile.dimensione;
        } else if (x.name() == u"rPr") {
            Frammento segno = stile;
            leggiProprietaCarattere(x, segno);
            p.dimensioneSegno = segno.dimensione;
        } else if (x.name() == u"r") {
            leggiFrammento(x, p, stile);
        }
    }
    return p;
}

Tabella leggiTabella(QXmlStreamReader& x, const Stili& stili)
{
    Tabella t;
    while (!x.atEnd() && !(x.readNext(), fine(x, u"tbl"))) {
        if (!x.isStartElement())
            continue;
        if (x.name() == u"tblStyle")
            t.stile = attributo(x, u"val");
        else if (x.name() == u"gridCol")
            t.larghezze.push_back(attributo(x, u"w").toInt());
        else if (x.name() == u"tr")
            t.righe.push_back({});
        else if (x.name() == u"tc")
            t.righe.back().push_back({});
        else if (x.name() == u"p")
            t.righe.back().back().push_back(leggiParagrafo(x, stili));
    }
    return t;
}

void leggiCorpo(Documento& d)
{
    const Stili stili = leggiStili(d.parti.value(QStringLiteral("word/styles.xml")));
    QXmlStreamReader x(d.parti.value(QStringLiteral("word/document.xml")));
    while (!x.atEnd()) {
        x.readNext();
        if (!x.isStartElement())
            continue;
        if (x.name() == u"p") {
            d.paragrafi.push_back(leggiParagrafo(x, stili));
            d.ordine << QStringLiteral("P:") + d.paragrafi.back().testo();
        } else if (x.name() == u"tbl") {
            d.tabelle.push_back(leggiTabella(x, stili));
            d.ordine << QStringLiteral("T:%1").arg(d.tabelle.size() - 1);
        } else if (x.name() == u"pgSz") {
            d.larghezzaPagina = attributo(x, u"w").toInt();
            d.altezzaPagina = attributo(x, u"h").toInt();
        }
    }
    if (x.hasError()) {
        d.valido = false;
        d.errore = x.errorString();
    }
}

} // namespace

QString Paragrafo::testo() const
{
    QString t;
    for (const Frammento& f : frammenti)
        t += f.testo;
    return t;
}

const Paragrafo& Tabella::primo(int riga, int colonna) const
{
    return righe.at(riga - 1).at(colonna - 1).front();
}

QString Tabella::testo(int riga, int colonna) const
{
    QStringList parti;
    for (const Paragrafo& p : righe.at(riga - 1).at(colonna - 1))
        parti << p.testo();
    return parti.join(u'\r');
}

Documento leggi(const QByteArray& docx)
{
    Documento d;
    zip_error_t errore;
    zip_error_init(&errore);
    zip_source_t* sorgente = zip_source_buffer_create(docx.constData(), static_cast<zip_uint64_t>(docx.size()), 0, &errore);
    zip_t* archivio = sorgente ? zip_open_from_source(sorgente, ZIP_RDONLY, &errore) : nullptr;
    if (!archivio) {
        if (sorgente)
            zip_source_free(sorgente);
        d.errore = QString::fromUtf8(zip_error_strerror(&errore));
        return d;
    }
    const zip_int64_t voci = zip_get_num_entries(archivio, 0);
    for (zip_int64_t i = 0; i < voci; ++i) {
        zip_stat_t stat;
        zip_stat_index(archivio, static_cast<zip_uint64_t>(i), 0, &stat);
        zip_file_t* file = zip_fopen_index(archivio, static_cast<zip_uint64_t>(i), 0);
        QByteArray dati(static_cast<qsizetype>(stat.size), Qt::Uninitialized);
        if (file) {
            zip_fread(file, dati.data(), stat.size);
            zip_fclose(file);
        }
        d.parti.insert(QString::fromUtf8(stat.name), dati);
    }
    zip_close(archivio);
    d.valido = true;
    leggiCorpo(d);
    return d;
}

Documento leggiFile(const QString& percorso)
{
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly)) {
        Documento d;
        d.errore = file.errorString();
        return d;
    }
    return leggi(file.readAll());
}

} // namespace lettura
