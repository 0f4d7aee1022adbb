#include "orbes.h"

#include "cp1252.h"
#include "gravacao.h"
#include "mensagens.h"
#include "opcoes.h"

#include <QFile>
#include <QFileInfo>

namespace {
// Built-in orbs, row a = 1..9 (Sol .. Neptuno), columns b = 2..13; 0 where a <= b.
constexpr int16_t kPadrao[9][12] = {
    {10, 9, 9, 8, 8, 8, 7, 7, 7, 6, 6, 6},
    {0, 10, 10, 9, 9, 8, 8, 7, 7, 6, 6, 6},
    {0, 0, 8, 7, 7, 7, 6, 6, 6, 5, 5, 5},
    {0, 0, 0, 8, 8, 7, 6, 6, 6, 5, 5, 5},
    {0, 0, 0, 0, 7, 7, 6, 6, 6, 5, 5, 5},
    {0, 0, 0, 0, 0, 6, 6, 5, 5, 5, 5, 5},
    {0, 0, 0, 0, 0, 0, 6, 5, 5, 5, 5, 5},
    {0, 0, 0, 0, 0, 0, 0, 5, 5, 5, 5, 5},
    {0, 0, 0, 0, 0, 0, 0, 0, 5, 5, 5, 5},
};

struct EstadoOrbes {
    TabelaOrbes tabela;
    bool padrao = false;
    bool carregada = false;
};

EstadoOrbes& estado() {
    static EstadoOrbes e;
    return e;
}

void usaPadrao() {
    estado().tabela.CarregaPadrao();
    estado().padrao = true;
    estado().carregada = true;
    SaveOption(0, CaminhoOrbesPadrao());
}

QString nomeFicheiro(const QString& caminho) { return QFileInfo(caminho).fileName(); }

// A whole number as the file holds it: optional sign, then decimal digits only.
bool leInteiro(const QString& texto, int16_t& valor) {
    const QString t = texto.trimmed();
    bool ok = false;
    const int v = t.toInt(&ok, 10);
    if (!ok || t.contains(QLatin1Char('.')) || v < -32768 || v > 32767)
        return false;
    valor = static_cast<int16_t>(v);
    return true;
}
} // namespace

int16_t TabelaOrbes::orb(int a, int b) const {
    if (a > b)
        std::swap(a, b);
    if (a < 1 || b > 13 || a == b)
        return 0;
    return m_orbes[a][b];
}

void TabelaOrbes::define(int a, int b, int16_t valor) {
    if (a > b)
        std::swap(a, b);
    if (a < 1 || b > 13 || a == b)
        return;
    m_orbes[a][b] = valor;
}

void TabelaOrbes::CarregaPadrao() {
    for (int a = 1; a <= 9; ++a)
        for (int b = a + 1; b <= 13; ++b)
            m_orbes[a][b] = kPadrao[a - 1][b - 2];
}

std::pair<int, int> ParOrbe(int k) {
    for (int a = 1; a <= 9; ++a) {
        const int nesta = 10 - a; // pairs (a, 10) .. (a, a + 1)
        if (k < nesta)
            return {a, 10 - k};
        k -= nesta;
    }
    return {0, 0};
}

ValoresOrbes TabelaOrbes::ValoresFicheiro() const {
    ValoresOrbes v{};
    for (int k = 0; k < 45; ++k) {
        const auto [a, b] = ParOrbe(k);
        v[k] = orb(a, b);
    }
    v[45] = orb(1, 13);
    return v;
}

void TabelaOrbes::AplicaValoresFicheiro(const ValoresOrbes& valores) {
    for (int k = 0; k < 45; ++k) {
        const auto [a, b] = ParOrbe(k);
        define(a, b, valores[k]);
    }
    const int16_t v = valores[45];
    for (int a = 1; a <= 9; ++a)
        for (int b = 11; b <= 13; ++b)
            define(a, b, a <= 2 ? v : static_cast<int16_t>(v - 1));
}

TabelaOrbes& OrbesActuais() { return estado().tabela; }
bool OrbesPadraoEmUso() { return estado().padrao; }

QString CaminhoOrbesPadrao() { return CaminhoPrograma(QStringLiteral("orbs/Default.orb")); }

bool LeFicheiroOrbes(const QString& caminho, ValoresOrbes& valores, QString* erro) {
    const auto falha = [&](const QString& porque) {
        if (erro)
            *erro = QStringLiteral("O ficheiro de Orbes: ") + nomeFicheiro(caminho) + QStringLiteral(" ") + porque +
                    QStringLiteral("\n\n") + caminho;
        return false;
    };
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return falha(QStringLiteral("não pode ser lido (") + f.errorString() + QStringLiteral(")."));
    const QString texto = DeCp1252(f.readAll());
    f.close();

    QString normal = texto;
    normal.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normal.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    normal.replace(QLatin1Char(','), QLatin1Char('\n'));
    QStringList partes = normal.split(QLatin1Char('\n'));
    // Line ends after the last number leave empty pieces at the end only.
    while (!partes.isEmpty() && partes.last().trimmed().isEmpty())
        partes.removeLast();

    ValoresOrbes lidos{};
    int n = 0;
    for (const QString& p : partes) {
        if (n == N_VALORES_ORBES)
            break;
        if (!leInteiro(p, lidos[n]))
            return falha(QStringLiteral("está danificado: o valor %1 («%2») não é um número inteiro.")
                             .arg(n + 1)
                             .arg(Citacao(p.trimmed())));
        ++n;
    }
    if (n < N_VALORES_ORBES)
        return falha(QStringLiteral("está incompleto: tem %1 valores e são precisos %2.").arg(n).arg(N_VALORES_ORBES));
    valores = lidos;
    return true;
}

bool EscreveFicheiroOrbes(const QString& caminho, const ValoresOrbes& valores, QString* erro) {
    QByteArray bytes;
    for (int16_t v : valores)
        bytes += QByteArray::number(v) + "\r\n";
    QString motivo;
    if (GravaFicheiro(caminho, bytes, &motivo))
        return true;
    if (erro)
        *erro = QStringLiteral("Não foi possível guardar o ficheiro de Orbes: ") + nomeFicheiro(caminho) +
                QStringLiteral(".\n") + motivo + QStringLiteral("\n\n") + caminho;
    return false;
}

bool LoadOrbs(bool usarPadrao, const QString& caminho) {
    if (usarPadrao) {
        usaPadrao();
        return true;
    }
    if (caminho.isEmpty())
        return false;
    if (!FileExists(caminho)) {
        CaixaMensagens().Mostra(IconeMsg::Critico, TituloAplicacao(),
                                QStringLiteral("O ficheiro de Orbes: ") + nomeFicheiro(caminho) +
                                    QStringLiteral(" não se encontra na sua posição esperada\n\n") + caminho);
        usaPadrao();
        return false;
    }
    ValoresOrbes valores{};
    QString erro;
    if (!LeFicheiroOrbes(caminho, valores, &erro)) {
        const bool primeira = !estado().carregada;
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao(),
                                erro + (primeira ? QStringLiteral("\n\nSerão usadas as orbes predefinidas.")
                                                 : QStringLiteral("\n\nContinuam em uso as orbes anteriores.")));
        if (primeira) {
            estado().tabela.CarregaPadrao();
            estado().padrao = true;
            estado().carregada = true;
        }
        return false;
    }
    estado().tabela.AplicaValoresFicheiro(valores);
    estado().padrao = false;
    estado().carregada = true;
    SaveOption(0, caminho);
    return true;
}
