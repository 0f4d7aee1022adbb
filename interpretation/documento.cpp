#include "documento.h"

#include "gravacao.h"
#include "rtf.h"

#include <QFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <functional>

namespace {

// Copies origem from position inicio to its end at the cursor. The first block copied
// continues the cursor's block, whose paragraph format it takes when that block is empty.
void CopiaDesde(const QTextDocument& origem, int inicio, QTextCursor& destino) {
    // Formats left to the source's default font must look the same in the destination.
    const bool outraLetra = origem.defaultFont() != destino.document()->defaultFont();
    const auto formato = [&](const QTextCharFormat& f) {
        if (!outraLetra) return f;
        QTextCharFormat r;
        r.setFont(origem.defaultFont());
        r.merge(f);
        return r;
    };
    bool primeiro = true;
    for (QTextBlock b = origem.findBlock(inicio); b.isValid(); b = b.next()) {
        if (!primeiro) {
            destino.insertBlock(b.blockFormat(), formato(b.charFormat()));
        } else if (destino.block().length() == 1) {
            destino.setBlockFormat(b.blockFormat());
            destino.setBlockCharFormat(formato(b.charFormat()));
        }
        primeiro = false;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const int desde = std::max(0, inicio - f.position());
            if (f.isValid() && desde < f.length())
                destino.insertText(f.text().mid(desde), formato(f.charFormat()));
        }
    }
}

} // namespace

bool TemTextoPessoal(const QTextDocument& pessoal) {
    // Blank space typed after the heading is not a personal interpretation to save.
    const QString texto = pessoal.toPlainText().trimmed();
    return !texto.isEmpty() && texto.compare(kCabecalhoPessoal, Qt::CaseInsensitive) != 0;
}

void JuntaInterpretacao(const QTextDocument& relatorio, const QTextDocument& pessoal,
                        QTextDocument& destino) {
    destino.clear();
    destino.setDefaultFont(relatorio.defaultFont());
    QTextCursor c(&destino);
    c.beginEditBlock();
    CopiaDesde(relatorio, 0, c);
    if (TemTextoPessoal(pessoal)) {
        // The report ends in the empty line its last paragraph leaves; the heading goes there,
        // so splitting the file gives the report back as it was.
        if (c.block().length() > 1) c.insertBlock();
        CopiaDesde(pessoal, 0, c);
    }
    c.endEditBlock();
}

bool SeparaInterpretacao(QTextDocument& relatorio, QTextDocument& pessoal) {
    const QTextCursor achado = relatorio.find(kCabecalhoPessoal); // case-insensitive by default
    if (achado.isNull()) return false;
    const int inicio = achado.selectionStart();
    const QTextBlock cortado = relatorio.findBlock(inicio);
    const bool blocoInteiro = cortado.position() == inicio && cortado.previous().isValid();
    pessoal.clear();
    QTextCursor cp(&pessoal);
    cp.beginEditBlock();
    CopiaDesde(relatorio, inicio, cp);
    cp.endEditBlock();
    QTextCursor cr(&relatorio);
    cr.setPosition(inicio);
    cr.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cr.removeSelectedText();
    if (blocoInteiro) {
        // The emptied line belonged to the heading; it goes on in the report's own style.
        const QTextBlock anterior = cr.block().previous();
        cr.setBlockFormat(anterior.blockFormat());
        cr.setBlockCharFormat(anterior.charFormat());
    }
    return true;
}

bool GuardaInterpretacao(const QString& caminho, const QTextDocument& relatorio, const QTextDocument& pessoal,
                         QString* erro) {
    QTextDocument junto;
    JuntaInterpretacao(relatorio, pessoal, junto);
    const QByteArray rtf = EscreveRtf(junto);
    QString motivo;
    if (GravaFicheiro(caminho, rtf, &motivo))
        return true;
    if (erro)
        *erro = QStringLiteral("Não foi possível guardar a interpretação em \"%1\".\n%2").arg(caminho, motivo);
    return false;
}

bool ImportaInterpretacao(const QString& caminho, QTextDocument& relatorio, QTextDocument& pessoal,
                          QString* erro, const std::function<bool(double)>& progresso) {
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly)) {
        if (erro)
            *erro =
                QStringLiteral("Não foi possível abrir o ficheiro \"%1\".\n%2").arg(caminho, f.errorString());
        return false;
    }
    if (f.size() > MaximoImportacao) {
        if (erro)
            *erro = QStringLiteral("O ficheiro \"%1\" tem %2 MB; a janela de leitura importa ficheiros até %3 MB.")
                        .arg(caminho)
                        .arg(double(f.size()) / (1024 * 1024), 0, 'f', 1)
                        .arg(MaximoImportacao / (1024 * 1024));
        return false;
    }
    QString motivo;
    if (!LeRtf(f.readAll(), relatorio, &motivo, progresso)) {
        if (erro) *erro = QStringLiteral("Não foi possível importar \"%1\".\n%2").arg(caminho, motivo);
        return false;
    }
    SeparaInterpretacao(relatorio, pessoal);
    return true;
}
