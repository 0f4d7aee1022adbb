#include "gravarelatorio.h"

#include "gravacao.h"
#include "paginacao.h"
#include "rtf.h"
#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <memory>

bool GravaRelatorio(const QTextDocument& documento, const QString& caminho, QString* erro,
                    const PinturaNoLugar& pintura) {
    auto falha = [&](const QString& m) {
        if (erro) *erro = m;
        return false;
    };
    const QString extensao = QFileInfo(caminho).suffix().toLower();
    if (extensao != QLatin1String("rtf") && extensao != QLatin1String("pdf"))
        return falha(
            QStringLiteral("O ficheiro %1 não tem uma extensão conhecida: use .rtf ou .pdf.").arg(caminho));
    QString motivo;
    const bool gravado = GravaFicheiro(
        caminho,
        [&](QIODevice& f) {
            if (extensao == QLatin1String("rtf")) {
                const QByteArray rtf = EscreveRtf(documento);
                return f.write(rtf) == rtf.size();
            }
            // The writer must finish its last page before the file is committed.
            auto pdf = std::make_unique<QPdfWriter>(&f);
            pdf->setPageSize(QPageSize(QPageSize::A4));
            pdf->setTitle(QStringLiteral("Natalis - Auto - Interpretação"));
            pdf->setCreator(QStringLiteral("Natalis"));
            ImprimeDocumento(documento, *pdf, pintura);
            pdf.reset();
            return true;
        },
        &motivo);
    if (!gravado)
        return falha(QStringLiteral("Não foi possível gravar o ficheiro %1: %2").arg(caminho, motivo));
    return true;
}
