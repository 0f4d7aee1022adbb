#pragma once
// Documents described by hand for the RTF tests: paragraphs of runs with the properties
// the codec carries, built into a QTextDocument and read back out of one.
#include <QColor>
#include <QFont>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

struct TrocoTeste {
    QString texto;
    QString fonte = QStringLiteral("Times New Roman");
    double pontos = 11;
    bool negrito = false;
    bool italico = false;
    bool sublinhado = false;
    QString cor = QStringLiteral("auto"); // "#rrggbb", or "auto" for the reader's default
};

struct ParagrafoTeste {
    Qt::Alignment alinhamento = Qt::AlignLeft;
    QList<TrocoTeste> trocos;
};

using DocumentoTeste = QList<ParagrafoTeste>;
Q_DECLARE_METATYPE(DocumentoTeste)

inline QString NomeAlinhamento(Qt::Alignment a) {
    switch (a & Qt::AlignHorizontal_Mask) {
    case Qt::AlignRight:
        return QStringLiteral("direita");
    case Qt::AlignHCenter:
        return QStringLiteral("centro");
    case Qt::AlignJustify:
        return QStringLiteral("justificado");
    default:
        return QStringLiteral("esquerda");
    }
}

inline QTextCharFormat FormatoDe(const TrocoTeste& t) {
    QTextCharFormat f;
    f.setFontFamilies({t.fonte});
    f.setFontPointSize(t.pontos);
    f.setFontWeight(t.negrito ? QFont::Bold : QFont::Normal);
    f.setFontItalic(t.italico);
    f.setFontUnderline(t.sublinhado);
    if (t.cor != QLatin1String("auto")) f.setForeground(QColor(t.cor));
    return f;
}

inline void Constroi(const DocumentoTeste& d, QTextDocument& doc) {
    doc.clear();
    QTextCursor c(&doc);
    for (int i = 0; i < d.size(); ++i) {
        QTextBlockFormat b;
        b.setAlignment(d[i].alinhamento);
        if (i == 0)
            c.setBlockFormat(b);
        else
            c.insertBlock(b);
        for (const TrocoTeste& t : d[i].trocos)
            c.insertText(t.texto, FormatoDe(t));
    }
}

// One line per run: what a reader of the document sees of it, for readable comparisons.
inline QString DescreveLetra(const QTextCharFormat& f, const QFont& base) {
    const QFont l = f.font().resolve(base);
    const QString cor = f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush
                            ? f.foreground().color().name()
                            : QStringLiteral("auto");
    return QStringLiteral("%1 %2pt%3%4%5 %6")
        .arg(l.family())
        .arg(l.pointSizeF())
        .arg(l.bold() ? " negrito" : "", l.italic() ? " itálico" : "", l.underline() ? " sublinhado" : "",
             cor);
}

inline QStringList Descreve(const QTextDocument& doc) {
    QStringList linhas;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        linhas << QStringLiteral("¶ %1").arg(NomeAlinhamento(b.blockFormat().alignment()));
        for (auto it = b.begin(); !it.atEnd(); ++it)
            linhas << QStringLiteral("  «%1» %2")
                          .arg(it.fragment().text(),
                               DescreveLetra(it.fragment().charFormat(), doc.defaultFont()));
    }
    return linhas;
}

inline QStringList Descreve(const DocumentoTeste& d) {
    QTextDocument doc;
    Constroi(d, doc);
    return Descreve(doc);
}
