#include "impressao.h"

#include "camposmapa.h"
#include "documento.h"
#include "escolhaficheiro.h"
#include "folha.h"
#include "gravacao.h"
#include "mapa.h"
#include "mensagens.h"
#include "simbolos.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTemporaryFile>
#include <QTextImageFormat>
#include <QUrl>

namespace {
QString coluna30(const QString& nome) { return nome + QString(std::max<qsizetype>(0, 30 - nome.size()), QLatin1Char(' ')); }
} // namespace

void DocumentoResumo(const CamposMapa& c, Mapa& mapa, QTextDocument& doc) {
    doc.clear();
    QTextCursor cursor(&doc);
    QTextCharFormat normal;
    normal.setFontFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"), QStringLiteral("serif")});
    normal.setFontPointSize(12);
    QTextCharFormat titulo = normal;
    titulo.setFontPointSize(14);
    titulo.setFontWeight(QFont::Bold);
    bool primeira = true;
    auto linha = [&](const QString& t, bool negrito = false) {
        if (!primeira)
            cursor.insertBlock();
        primeira = false;
        cursor.insertText(t, negrito ? titulo : normal);
    };
    linha(QStringLiteral("Resumo das posições astrologicas"), true);
    linha(QString());
    linha(c.txtNome);
    linha(QStringLiteral("Nascid") + (c.sexoMasculino ? QLatin1Char('o') : QLatin1Char('a')) + QStringLiteral(" em ") +
          c.txtlocal + QStringLiteral(" no dia ") + c.txtData + QStringLiteral(" pelas ") + c.txtHora);
    linha(QString());
    linha(QString());
    linha(QStringLiteral("Planetas , Nodos,  Sol e Lua e Lua Negra "), true);
    linha(QString());
    for (int i = 0; i < 12; ++i)
        linha(coluna30(RotuloCorpoCampo(i).trimmed()) + c.PosPlaneta[i].trimmed() + QStringLiteral(" na Casa ") +
              Simbolos::HouseName(mapa.Corpo(i).Casa, false) + (c.lblretrogrado[i] ? QStringLiteral(" [Retrogrado]") : QString()));
    linha(QString());
    linha(QStringLiteral("Casas"), true);
    for (int k = 0; k < 6; ++k)
        linha(coluna30(RotuloCasaCampo(k)) + c.PosCasas[k]);
    for (int k = 0; k < 6; ++k)
        linha(coluna30(RotuloCasaCampo(6 + k)) + c.lPosCasas[k]);
    linha(QString());
    linha(QStringLiteral("Partes"), true);
    for (int i = 12; i <= 18; ++i) {
        planeta& p = mapa.Corpo(i);
        linha(coluna30(p.Nome) + p.Posicao().RetornaFormatado(FormatoCompleto) + QStringLiteral(" na Casa ") + QString::number(p.Casa));
    }
    // Columns line up only in a font where blanks have a fixed width on paper; the name column
    // is kept as the summary writes it.
    QTextBlockFormat bloco;
    bloco.setLineHeight(115, QTextBlockFormat::ProportionalHeight);
    QTextCursor tudo(&doc);
    tudo.select(QTextCursor::Document);
    tudo.mergeBlockFormat(bloco);
}

bool PreparaImpressora(QWidget* pai, QPrinter& impressora, const QString& nomeProposto, QString* destinoPdf) {
    destinoPdf->clear();
    if (!QPrinterInfo::availablePrinters().isEmpty()) {
        // A PDF printed earlier left the shared printer set to a file.
        impressora.setOutputFormat(QPrinter::NativeFormat);
        impressora.setOutputFileName(QString());
        impressora.setPrinterName(QPrinterInfo::defaultPrinter().printerName());
        return true;
    }
    if (CaixaMensagens().Mostra(IconeMsg::Pergunta, TituloAplicacao(),
                                QStringLiteral("Não há nenhuma impressora instalada.\nDeseja guardar a impressão num ficheiro PDF?"),
                                BotoesMsg::SimNao) != RespostaMsg::Sim)
        return false;
    const QString caminho = ComExtensao(ShowFileDialog(pai, true, FicheiroPdf, nomeProposto), QStringLiteral(".pdf"));
    if (caminho.isEmpty())
        return false;
    // The printer writes its file as it goes; it prints to a scratch file, which the checked
    // writer then puts in place, so a full disk never leaves a half PDF over an old one.
    QTemporaryFile rascunho(QDir::temp().filePath(QStringLiteral("natalis-XXXXXX.pdf")));
    rascunho.setAutoRemove(false);
    if (!rascunho.open()) {
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao(),
                                QStringLiteral("Não foi possível preparar o ficheiro PDF: ") + rascunho.errorString());
        return false;
    }
    rascunho.close();
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(rascunho.fileName());
    impressora.setPageLayout(PaginaPdf()); // the page of the chart's PDF
    *destinoPdf = caminho;
    return true;
}

bool ConcluiImpressao(QPrinter& impressora, const QString& destinoPdf, QString* erro) {
    if (destinoPdf.isEmpty())
        return true;
    const QString rascunho = impressora.outputFileName();
    QFile f(rascunho);
    const QByteArray pdf = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    f.close();
    QFile::remove(rascunho);
    if (!pdf.startsWith("%PDF")) {
        *erro = QStringLiteral("Não foi possível escrever o PDF (disco temporário cheio?). Nada foi gravado em ") +
                QDir::toNativeSeparators(destinoPdf) + QLatin1Char('.');
        return false;
    }
    return GravaFicheiro(destinoPdf, pdf, erro);
}

void DocumentoTudo(const CamposMapa& campos, Mapa& mapa, const QImage& roda, const QImage& grelha,
                   const QTextDocument& relatorio, const QTextDocument& pessoal, QTextDocument& doc) {
    DocumentoResumo(campos, mapa, doc);
    QTextCursor c(&doc);
    c.movePosition(QTextCursor::End);
    QTextBlockFormat quebra;
    quebra.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    quebra.setAlignment(Qt::AlignHCenter);
    const struct {
        const QImage* imagem;
        const char* nome;
    } figuras[] = {{&roda, "natalis://roda"}, {&grelha, "natalis://grelha"}};
    for (const auto& f : figuras) {
        if (f.imagem->isNull())
            continue;
        doc.addResource(QTextDocument::ImageResource, QUrl(QString::fromLatin1(f.nome)), *f.imagem);
        c.insertBlock(quebra);
        QTextImageFormat img;
        img.setName(QString::fromLatin1(f.nome));
        const QSizeF logico = QSizeF(f.imagem->size()) / f.imagem->devicePixelRatio();
        img.setWidth(std::min(480.0, logico.width()));
        img.setHeight(img.width() * logico.height() / std::max(1.0, logico.width()));
        c.insertImage(img);
    }
    c.insertBlock(quebra);
    c.insertFragment(QTextDocumentFragment(&relatorio));
    if (TemTextoPessoal(pessoal)) {
        c.insertBlock();
        c.insertFragment(QTextDocumentFragment(&pessoal));
    }
}

void InterpretacaoImpressa(const QTextDocument& relatorio, const QTextDocument& pessoal, QTextDocument& destino) {
    // Whole fragments, not block by block: the report's tables stay tables on paper.
    destino.clear();
    destino.setDefaultFont(relatorio.defaultFont());
    QTextCursor c(&destino);
    c.insertFragment(QTextDocumentFragment(&relatorio));
    if (TemTextoPessoal(pessoal)) {
        c.insertBlock();
        c.insertFragment(QTextDocumentFragment(&pessoal));
    }
}
