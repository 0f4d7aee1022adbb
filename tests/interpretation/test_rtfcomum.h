#pragma once
// Documents described for the RTF tests: each paragraph's alignment and each run's look, one
// line each, for readable comparisons; and unrtf, the independent reader from Debian.
#include <QColor>
#include <QFile>
#include <QFont>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

inline QString NomeAlinhamento(Qt::Alignment a) {
    switch (a & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute) { // HTML's "right" is absolute
    case Qt::AlignRight: return QStringLiteral("direita");
    case Qt::AlignHCenter: return QStringLiteral("centro");
    case Qt::AlignJustify: return QStringLiteral("justificado");
    default: return QStringLiteral("esquerda");
    }
}

// What a reader of the document sees of a run, as one line, for readable comparisons.
inline QString DescreveLetra(const QTextCharFormat& f, const QFont& base) {
    const QFont l = f.font().resolve(base);
    const bool comCor = f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush;
    return QStringLiteral("%1 %2pt%3%4%5 %6")
        .arg(l.family())
        .arg(l.pointSizeF())
        .arg(l.bold() ? " negrito" : "", l.italic() ? " itálico" : "", l.underline() ? " sublinhado" : "",
             comCor ? f.foreground().color().name() : QStringLiteral("auto"));
}

inline QStringList Descreve(const QTextDocument& doc) {
    QStringList linhas;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        linhas << QStringLiteral("¶ %1").arg(NomeAlinhamento(b.blockFormat().alignment()));
        for (auto it = b.begin(); !it.atEnd(); ++it)
            linhas << QStringLiteral("  «%1» %2").arg(it.fragment().text(), DescreveLetra(it.fragment().charFormat(), doc.defaultFont()));
    }
    return linhas;
}

// unrtf's HTML for an RTF file, or a null string when unrtf is not installed or fails.
inline QString HtmlDoUnrtf(const QByteArray& rtf) {
    const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("doc.rtf")));
    if (unrtf.isEmpty() || !f.open(QIODevice::WriteOnly) || f.write(rtf) != rtf.size()) return QString();
    f.close();
    QProcess p;
    p.start(unrtf, {QStringLiteral("--html"), f.fileName()});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Text as a browser shows it, whitespace collapsed, so unrtf's spacing choices do not matter.
inline QString TextoDoHtml(const QString& html) {
    QTextDocument lido;
    lido.setHtml(html);
    return lido.toPlainText().replace(QChar::Nbsp, ' ').simplified();
}
