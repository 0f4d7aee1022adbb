#include "ficheirosdescritos.h"

#include "descricao.h"

#include <QStringList>

namespace {
// No file of an update is larger than this; a bigger signed size is a mistake.
constexpr qint64 TamanhoMaximo = qint64(1) << 40;

std::nullopt_t recusa(QString* motivo, const QString& texto) {
    if (motivo) *motivo = texto;
    return std::nullopt;
}

bool leIntegridade(const QString& valor, FicheiroDescrito& f) {
    const QStringList partes = valor.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (partes.size() < 2 || partes.size() > 3) return false;
    bool ok = false;
    f.tamanho = partes[0].toLongLong(&ok);
    if (!ok || f.tamanho < 1 || f.tamanho > TamanhoMaximo) return false;
    if (partes[1].size() != 64) return false;
    auto hex = QByteArray::fromHex(partes[1].toLatin1());
    if (hex.size() != 32 || hex.toHex() != partes[1].toLower().toLatin1()) return false;
    f.sha256 = hex;
    if (partes.size() == 3 && partes[2] != QLatin1String("programa")) return false;
    f.programa = partes.size() == 3;
    return true;
}
} // namespace

bool ExecutavelDoPrograma(const QString& localizacao, const QString& nome) {
    QString l = localizacao;
    l.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (l.startsWith(QLatin1String("./")))
        l.remove(0, 2);
    if (!l.isEmpty() && l != QLatin1String(".")) return false;
    QString n = nome.trimmed().toLower();
    if (n.startsWith(QLatin1String("./"))) n.remove(0, 2);
    if (n.endsWith(QLatin1String(".exe"))) n.chop(4);
    for (const char* programa : {"natalis", "natalis-cli", "natalis-cli-completo", "renovo"})
        if (n == QLatin1String(programa))
            return true;
    return false;
}

std::optional<QList<FicheiroDescrito>> FicheirosDaSeccao(const PerfilIni& descricao, const QString& seccao,
                                                         QString* motivo) {
    const int n = ContagemFicheiros(descricao.Valor(seccao, QStringLiteral("filescount")));
    QList<FicheiroDescrito> lista;
    for (int i = 1; i <= n; ++i) {
        const QString numero = QString::number(i);
        FicheiroDescrito f;
        f.nome = descricao.Valor(seccao, QStringLiteral("filename") + numero);
        f.localizacao = descricao.Valor(seccao, QStringLiteral("filelocation") + numero);
        if (f.nome.isEmpty())
            return recusa(motivo, QStringLiteral("[%1] anuncia %2 ficheiros mas não dá o nome do ficheiro %3.")
                                      .arg(seccao).arg(n).arg(i));
        if (!RelativoSeguro(f.localizacao, f.nome))
            return recusa(motivo, QStringLiteral("%1 ficaria fora da pasta do programa.").arg(f.nome));
        if (!leIntegridade(descricao.Valor(SeccaoIntegridade, seccao + numero), f))
            return recusa(motivo, QStringLiteral("Falta o tamanho ou o resumo SHA-256 assinado de %1.").arg(f.nome));
        if (seccao.compare(QLatin1String("natalis"), Qt::CaseInsensitive) != 0 && !f.programa &&
            ExecutavelDoPrograma(f.localizacao, f.nome))
            return recusa(motivo, QStringLiteral("%1 é um programa e não está assinado como tal.").arg(f.nome));
        lista.append(f);
    }
    return lista;
}
