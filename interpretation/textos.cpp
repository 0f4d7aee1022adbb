#include "textos.h"

#include "camposmapa.h"
#include "mapa.h"
#include "textosproprios.h"
#include <QVariant>
#include <algorithm>
#include <cmath>

FonteDados& DataDB() {
    static FonteDados f;
    return f;
}

FonteDados& DataVer() {
    static FonteDados f;
    return f;
}

bool AbreBaseInterpretacao(const QString& caminho, QString* erro) {
    const bool ok = DataDB().Abre(caminho, QStringLiteral("interpretação")) &&
                    DataVer().Abre(caminho, QStringLiteral("version"));
    if (!ok && erro) *erro = !DataDB().Aberta() ? DataDB().Erro() : DataVer().Erro();
    return ok;
}

VersaoBase LeVersao(FonteDados& ver) {
    ver.MoveFirst();
    return {ver.Campo(QStringLiteral("title")), ver.Campo(QStringLiteral("major")),
            ver.Campo(QStringLiteral("minor")), ver.Campo(QStringLiteral("revision"))};
}

QString WhithinText(const QString& fonte, const QString& abre, const QString& fecha) {
    const qsizetype p = fonte.indexOf(abre, 0, Qt::CaseInsensitive);
    if (p < 0 || abre.isEmpty()) return QString();
    const qsizetype inicio = p + abre.size(); // 0-based start of the segment
    const qsizetype r = fonte.indexOf(fecha, inicio, Qt::CaseInsensitive);
    if (r < 0) return QString();
    // The segment stops one character before the closing token; an empty or one-character
    // segment therefore has nothing left.
    const qsizetype comprimento = r - inicio - 1;
    if (comprimento <= 0) return QString();
    return fonte.mid(inicio, comprimento).trimmed();
}

namespace {
// The pronoun o/a (key |2) put after a verb that ends in a nasal sound takes an n: "mudam-no",
// "dão-na", "põe-nos".
bool PronomeAposNasal(const QString& antes, const QString& valor) {
    static const QStringList pronomes{QStringLiteral("o"), QStringLiteral("a"), QStringLiteral("os"),
                                      QStringLiteral("as")};
    if (!pronomes.contains(valor) || !antes.endsWith(QLatin1Char('-'))) return false;
    const QStringView verbo = QStringView(antes).chopped(1);
    return verbo.endsWith(QLatin1Char('m')) || verbo.endsWith(QStringLiteral("ão")) ||
           verbo.endsWith(QStringLiteral("õe"));
}
} // namespace

QString SubstituiChaves(const QString& texto, const ParesTexto& pares) {
    QString iniciais;
    for (const auto& par : pares)
        if (!par.first.isEmpty()) iniciais += par.first[0];
    if (iniciais.isEmpty()) return texto;
    QString r;
    r.reserve(texto.size() + 64);
    const QStringView t(texto);
    qsizetype copiado = 0;
    for (qsizetype i = 0; i < t.size();) {
        if (!iniciais.contains(t[i])) {
            ++i;
            continue;
        }
        const QStringView resto = t.mid(i);
        const auto par = std::find_if(pares.cbegin(), pares.cend(), [&](const auto& p) {
            return !p.first.isEmpty() && resto.startsWith(p.first);
        });
        if (par == pares.cend()) {
            ++i;
            continue;
        }
        r += t.mid(copiado, i - copiado);
        if (par->first == QLatin1String("|2") && PronomeAposNasal(r, par->second)) r += QLatin1Char('n');
        r += par->second;
        i += par->first.size();
        copiado = i;
    }
    r += t.mid(copiado);
    return r;
}

bool CorposPosicao(int32_t codigo, int& a, int& b) {
    const int centenas = (codigo / 100) % 10;
    const int p1 = codigo / 1000;
    const int p2 = codigo % 100;
    const bool aspecto = codigo > 0 && codigo < 100000 && p1 >= 1 && p1 <= N_CORPOS_MAPA && p2 >= 1 &&
                         p2 <= N_CORPOS_MAPA &&
                         (centenas == 4 || centenas == 6 || centenas == 7 || centenas == 8 || centenas == 9);
    if (aspecto) {
        // The code carries body numbers; the chart bodies array is indexed from 0.
        a = p1 - 1;
        b = p2 - 1;
    } else {
        const QString decimal = QString::number(codigo);
        a = codigo / 1000;
        b = static_cast<int>(ValTexto(decimal.right(2)));
    }
    return a >= 0 && a < N_CORPOS_MAPA && b >= 0 && b < N_CORPOS_MAPA;
}

namespace {
// Braces typed in a native's name must not open or close the text's segments: while the
// segments are cut they stand in the Unicode private-use area, and come back at the end.
constexpr QChar ABRE_PROTEGIDA(0xE000);
constexpr QChar FECHA_PROTEGIDA(0xE001);

ParesTexto ProtegeChavetas(const ParesTexto& pares) {
    ParesTexto r = pares;
    for (auto& par : r)
        par.second.replace(QLatin1Char('{'), ABRE_PROTEGIDA).replace(QLatin1Char('}'), FECHA_PROTEGIDA);
    return r;
}

QString RepoeChavetas(QString texto) {
    return texto.replace(ABRE_PROTEGIDA, QLatin1Char('{')).replace(FECHA_PROTEGIDA, QLatin1Char('}'));
}
} // namespace

int AdianteNoCirculo(const PosSigno& a, const PosSigno& b) {
    // Positions come from texts at whole arc seconds; the radians in between carry noise.
    constexpr qint64 kCirculo = 360 * 3600;
    const auto segundos = [](const PosSigno& p) { return qint64(std::llround(p.ValorGraus() * 3600.0)); };
    const qint64 d = ((segundos(a) - segundos(b)) % kCirculo + kCirculo) % kCirculo;
    if (d == 0) return 0;
    if (d == kCirculo / 2) return 2;
    return d < kCirculo / 2 ? 1 : -1;
}

QString ExpandeTexto(const QString& texto, const ParesTexto& pares, bool masculino, int frente) {
    const QString t = SubstituiChaves(texto, ProtegeChavetas(pares));
    if (!t.contains(QLatin1Char('{'))) return RepoeChavetas(t);

    const QString comum = WhithinText(QLatin1Char('@') + t, QStringLiteral("@"), QStringLiteral("{"));
    const QString sexo = masculino ? WhithinText(t, QStringLiteral("{H"), QStringLiteral("}"))
                                   : WhithinText(t, QStringLiteral("{M"), QStringLiteral("}"));
    QString posicao;
    if (frente == 1)
        posicao = WhithinText(t, QStringLiteral("{A"), QStringLiteral("}"));
    else if (frente == -1)
        posicao = WhithinText(t, QStringLiteral("{D"), QStringLiteral("}"));
    else if (frente == 0)
        posicao = WhithinText(t, QStringLiteral("{="), QStringLiteral("}"));
    return RepoeChavetas(comum.trimmed() + QLatin1Char(' ') + posicao.trimmed() + QLatin1Char(' ') +
                         sexo.trimmed());
}

QString GetTexto(FonteDados& db, int32_t codigo, const ParesTexto& pares, bool masculino, Mapa& mapa) {
    // The user's own text of a code stands in for the shipped one.
    QString texto;
    if (!TextosUtilizador().Procura(codigo, texto)) {
        if (!db.FindFirst(QStringLiteral("codigo"), QString::number(codigo))) return QString();
        texto = db.Campo(QStringLiteral("Texto"));
    }
    int frente = kSemPosicao;
    int a = 0, b = 0;
    if (CorposPosicao(codigo, a, b)) frente = AdianteNoCirculo(mapa.Corpo(a).Posicao(), mapa.Corpo(b).Posicao());
    return ExpandeTexto(texto, pares, masculino, frente);
}

bool IsMasculino(const CamposMapa& campos) {
    return campos.sexoMasculino;
}

ParesTexto ParesNativo(const CamposMapa& campos) {
    const bool m = IsMasculino(campos);
    return {{QStringLiteral("|1"), campos.txtNome},
            {QStringLiteral("|2"), m ? QStringLiteral("o") : QStringLiteral("a")},
            {QStringLiteral("|3"), m ? QString() : QStringLiteral("a")}};
}

namespace {
// Rows: signs Carneiro..Peixes; columns: degrees 0-4, 5-9, ... 25-29 of the sign.
const char* const kSegmentos[12][6] = {
    {"O Energético", "O Apaixonado", "O Serviçal", "O Viajante", "O Pacífico", "O Ambicioso"},
    {"O Sereno", "O Colector", "O Sincero", "O Metódico", "O Querido", "O Meigo"},
    {"O Hábil", "O Justiceiro", "O Militante", "O Exigente", "O Original", "O Justo"},
    {"O Amável", "O Virtuoso", "O Poeta", "O Filantropo", "O Contemplativo", "O Sensível"},
    {"O Mago", "O Mediador", "O Clemente", "O Heróico", "O Defensor", "O Prático"},
    {"O Sábio", "O Rigoroso", "O Perito", "O Fervoroso", "O Sociável", "O Protector"},
    {"O Sensato", "O Aspirante", "O Fraternal", "O Escriba", "O Lavrador", "O Humanista"},
    {"O Guerreiro", "O Glorioso", "O Erudito", "O Afoito", "O Intuitivo", "O Voluptuoso"},
    {"O Didáctico", "O Eloquente", "O Curandeiro", "O Vigoroso", "O Ingénuo", "O Eleito"},
    {"O Estóico", "O Humilde", "O Resistente", "O Bélico", "O Felizardo", "O Fiel"},
    {"O Independente", "O Simpático", "O Subtil", "O Indulgente", "O Precursor", "O Singular"},
    {"O Encantador", "O Prolífico", "O Herdeiro", "O Inspirado", "O Idealista", "O Receptivo"},
};
} // namespace

QString NomeSegmento(int signo, int coluna) {
    if (signo < 1 || signo > 12 || coluna < 1 || coluna > 6) return QString();
    return QString::fromUtf8(kSegmentos[signo - 1][coluna - 1]);
}

int NumeroSigno1(const PosSigno& posicao) {
    return (posicao.NumeroSigno() % 12 + 12) % 12 + 1;
}

QString NomeAnjo(const PosSigno& posicao) {
    return NomeSegmento(NumeroSigno1(posicao), posicao.RetornaGraus() / 5 + 1);
}

QString NomeAnjo(Mapa& mapa) {
    return NomeAnjo(mapa.Corpo(0).Posicao());
}
