#include "partilha.h"

#include "fontedados.h"
#include "gravacao.h"
#include "marcacao.h"
#include "significado.h"
#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>

namespace {
const QString kCabecalho = QStringLiteral("# Natalis: textos próprios de interpretação");

QString Escapa(QString t) {
    return t.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('\t'), QLatin1String("\\t"))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"))
        .replace(QLatin1Char('\r'), QLatin1String("\\r"));
}

QString Desescapa(const QString& t) {
    QString r;
    r.reserve(t.size());
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i] != QLatin1Char('\\') || i + 1 == t.size()) {
            r += t[i];
            continue;
        }
        const QChar n = t[++i];
        r += n == QLatin1Char('t') ? QChar('\t') : n == QLatin1Char('n') ? QChar('\n') : n == QLatin1Char('r') ? QChar('\r') : n;
    }
    return r;
}
} // namespace

bool ExportaTextos(const QString& caminho, TextosProprios& proprios, QString* erro) {
    const auto todos = proprios.Todos();
    QStringList codigos = todos.keys();
    std::sort(codigos.begin(), codigos.end(), [](const QString& a, const QString& b) { return a.toLongLong() < b.toLongLong(); });
    QString saida = kCabecalho + QStringLiteral(" (%1 textos, %2)\n")
                                     .arg(codigos.size())
                                     .arg(QDateTime::currentDateTime().toString(Qt::ISODate));
    for (const QString& c : codigos) {
        const TextoProprio& e = todos[c];
        saida += c + QLatin1Char('\t') + Escapa(e.texto) + QLatin1Char('\t') + Escapa(e.original) + QLatin1Char('\n');
    }
    return GravaFicheiro(caminho, saida.toUtf8(), erro);
}

bool ImportaTextos(const QString& caminho, TextosProprios& proprios, FonteDados& enviados,
                   const std::function<EscolhaConflito(const ConflitoImportacao&)>& pergunta,
                   ResultadoImportacao& r, QString* erro) {
    r = ResultadoImportacao();
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly)) {
        if (erro) *erro = QStringLiteral("Não foi possível ler «%1»: %2").arg(caminho, f.errorString());
        return false;
    }
    const QByteArray bytes = f.readAll();
    const QString texto = QString::fromUtf8(bytes);
    if (!texto.startsWith(kCabecalho) || texto.toUtf8() != bytes) {
        if (erro) *erro = QStringLiteral("«%1» não é um ficheiro de textos exportado pelo Glosador.").arg(caminho);
        return false;
    }
    static const QRegularExpression codigoValido(QStringLiteral("^[1-9][0-9]{0,9}$"));
    const auto meus = proprios.Todos();
    QList<TextoProprio> aGravar;
    EscolhaConflito paraTodos = EscolhaConflito::Cancelar; // none chosen yet
    const QStringList linhas = texto.split(QLatin1Char('\n'));
    for (qsizetype n = 1; n < linhas.size(); ++n) {
        QString l = linhas[n];
        if (l.endsWith(QLatin1Char('\r'))) l.chop(1);
        if (l.isEmpty() || l.startsWith(QLatin1Char('#'))) continue;
        const QStringList campos = l.split(QLatin1Char('\t'));
        auto recusa = [&](const QString& motivo) { r.recusados << QStringLiteral("linha %1: %2").arg(n + 1).arg(motivo); };
        if (campos.size() < 2 || campos.size() > 3 || !codigoValido.match(campos[0]).hasMatch()) {
            recusa(QStringLiteral("não tem um código e um texto"));
            continue;
        }
        const QString codigo = campos[0];
        const TextoProprio novo{codigo, Desescapa(campos[1]), campos.size() > 2 ? Desescapa(campos[2]) : QString(), {}};
        const auto problemas = VerificaMarcacao(novo.texto, TemSegmentosPosicao(codigo.toInt()));
        if (TemErros(problemas)) {
            recusa(QStringLiteral("código %1: %2").arg(codigo, problemas.first().mensagem));
            continue;
        }
        const auto meu = meus.constFind(codigo);
        if (meu == meus.cend()) {
            const bool enviado = enviados.FindFirst(QStringLiteral("codigo"), codigo);
            if (enviado && enviados.Campo(QStringLiteral("Texto")) == novo.texto) {
                ++r.iguais;
                continue;
            }
            ++r.novos;
            aGravar << TextoProprio{codigo, novo.texto,
                                    enviado ? enviados.Campo(QStringLiteral("Texto")) : QString(), {}};
            continue;
        }
        if (meu->texto == novo.texto) {
            ++r.iguais;
            continue;
        }
        EscolhaConflito e = paraTodos;
        if (e == EscolhaConflito::Cancelar) {
            e = pergunta({codigo, meu->texto, novo.texto});
            if (e == EscolhaConflito::Cancelar) {
                r = ResultadoImportacao();
                r.cancelado = true;
                return true;
            }
            if (e == EscolhaConflito::ManterTodos || e == EscolhaConflito::ImportarTodos) paraTodos = e;
        }
        if (e == EscolhaConflito::Importar || e == EscolhaConflito::ImportarTodos) {
            ++r.substituidos;
            aGravar << TextoProprio{codigo, novo.texto, meu->original, {}};
        } else {
            ++r.mantidos;
        }
    }
    return aGravar.isEmpty() || proprios.GravaVarios(aGravar, erro);
}
