#include "possigno.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace {

// A value held in radians rarely converts back to exactly the degrees it was given
// (15º30' may come back as 15.4999999999999). The truncating splits add this much before
// taking floors, so such a value shows as what was typed; it is far below one arc second.
constexpr double FOLGA_REPRESENTACAO = 1e-9;

constexpr double FOLGA_DECIMAS = 1e-6;

// Integer parts outside 16 bits (or of a value that is not a number) are held at the limits.
int16_t ParaInt16(double v) {
    if (std::isnan(v)) return 0;
    return static_cast<int16_t>(std::clamp(v, -32768.0, 32767.0));
}

struct GrausMinSeg {
    double graus = 0;
    double minutos = 0;
    double segundos = 0;
};

// Degrees, minutes and seconds with the seconds rounded (cut to tenths first) and carried.
GrausMinSeg DivideArredondado(double D) {
    GrausMinSeg r;
    r.graus = std::floor(D);
    r.minutos = std::floor((D - r.graus) * 60.0);
    double s = ((D - r.graus) * 60.0 - r.minutos) * 60.0;
    // Cut to tenths; a half second typed as such may come back a hair below it.
    const double decimas = std::floor(s * 10.0 + FOLGA_DECIMAS) / 10.0;
    s = (decimas - std::floor(s) >= 0.5) ? std::floor(s) + 1.0 : std::floor(s);
    if (s >= 60.0) {
        s = 0;
        r.minutos += 1;
        if (r.minutos >= 60.0) {
            r.minutos = 0;
            r.graus += 1;
        }
    }
    r.segundos = s;
    return r;
}

// Degrees, minutes and seconds cut down, never rounded (clock times and sidereal time).
GrausMinSeg DivideTruncado(double D) {
    D += FOLGA_REPRESENTACAO;
    GrausMinSeg r;
    r.graus = std::floor(D);
    r.minutos = std::floor((D - r.graus) * 60.0);
    r.segundos = std::floor(((D - r.graus) * 60.0 - r.minutos) * 60.0);
    return r;
}

QString Inteiro(double v) {
    if (!std::isfinite(v)) return QStringLiteral("0");
    return QString::number(static_cast<long long>(std::clamp(v, -1e15, 1e15)));
}

int IndiceDaPalavraSigno(const QString& palavra) {
    static const struct {
        const char16_t* palavra;
        int indice;
    } tabela[] = {
        {u"car", 0}, {u"tou", 1}, {u"gém", 2}, {u"gem", 2},  {u"can", 3},  {u"cân", 3},
        {u"leo", 4}, {u"leã", 4}, {u"lea", 4}, {u"vir", 5},  {u"lib", 6},  {u"bal", 6},
        {u"esc", 7}, {u"sag", 8}, {u"cap", 9}, {u"aqu", 10}, {u"pei", 11},
    };
    // "Caranguejo", as a reader in Portugal names the sign, shares its first three letters with
    // "Carneiro".
    if (palavra.startsWith(QLatin1String("cara"))) return 3;
    const QString tres = palavra.left(3);
    for (const auto& e : tabela) {
        if (tres == QStringView(e.palavra)) return e.indice;
    }
    return -1;
}

} // namespace

double ValTexto(const QString& texto) {
    int i = 0;
    const int n = texto.size();
    while (i < n && texto.at(i).isSpace())
        ++i;
    const int inicio = i;
    if (i < n && (texto.at(i) == u'-' || texto.at(i) == u'+')) ++i;
    bool algarismo = false;
    bool ponto = false;
    for (; i < n; ++i) {
        const QChar c = texto.at(i);
        if (c >= u'0' && c <= u'9') {
            algarismo = true;
        } else if (c == u'.' && !ponto) {
            ponto = true;
        } else {
            break;
        }
    }
    if (!algarismo) return 0.0;
    bool ok = false;
    const double v = texto.mid(inicio, i - inicio).toDouble(&ok);
    return (ok && std::isfinite(v)) ? v : 0.0;
}

bool LePosicaoZodiacal(const QString& texto, PosSigno& p) {
    static const QRegularExpression forma(
        QStringLiteral("^\\s*(\\d{1,5})\\s*[\u00BA\u00B0]\\s*(?:(\\d{1,2})\\s*'\\s*(?:(\\d{1,2}(?:\\.\\d+)?)\\s*''\\s*)?)?(\\w+)\\s*$"),
        QRegularExpression::UseUnicodePropertiesOption);
    const QRegularExpressionMatch m = forma.match(texto);
    if (!m.hasMatch())
        return false;
    const QString palavra = m.captured(4);
    if (palavra.size() < 3 || std::any_of(palavra.begin(), palavra.end(), [](QChar c) { return !c.isLetter(); }))
        return false;
    const int signo = IndiceDaPalavraSigno(palavra.left(3).toLower());
    const double minutos = m.captured(2).toDouble(), segundos = m.captured(3).toDouble();
    if (signo < 0 || minutos >= 60 || segundos >= 60)
        return false;
    const double graus = signo * 30.0 + m.captured(1).toDouble() + minutos / 60.0 + segundos / 3600.0;
    if (graus >= LIMITE_GRAUS_POSICAO)
        return false;
    p.setValorGraus(graus);
    return true;
}

bool PosicaoRepresentavel(double rads) {
    return std::isfinite(rads) && std::fabs(PosSigno::CoorTrans(rads, false)) < LIMITE_GRAUS_POSICAO;
}

QString NomeSigno(int indice) {
    static const char16_t* const nomes[12] = {
        u"Carneiro", u"Touro",     u"Gémeos",    u"Câncer",      u"Leão",    u"Virgo",
        u"Libra",    u"Escorpião", u"Sagitário", u"Capricórnio", u"Aquário", u"Peixes",
    };
    if (indice == 12) indice = 0;
    if (indice < 0 || indice > 11) return QString();
    return QString::fromUtf16(nomes[indice]);
}

int16_t PosSigno::NumeroSigno() const {
    return ParaInt16(std::floor((ValorGraus() + FOLGA_REPRESENTACAO) / 30.0));
}

void PosSigno::SetonbyString(const QString& textoOriginal) {
    const QString texto = textoOriginal.toLower();
    const QString marca = texto.contains(u'h') ? QStringLiteral("h") : QStringLiteral("º");
    const double graus = ValTexto(WithinText(QStringLiteral("#") + texto, QStringLiteral("#"), marca));
    const double minutos = ValTexto(WithinText(texto, marca, QStringLiteral("'")));
    const double segundos = ValTexto(WithinText(texto, QStringLiteral("'"), QStringLiteral("''")));
    const QString palavra =
        WithinText(texto + QStringLiteral("#"), QStringLiteral("''"), QStringLiteral("#")).left(4).toLower();
    const int signo = IndiceDaPalavraSigno(palavra);
    const double magnitude = graus + minutos / 60.0 + segundos / 3600.0;
    double valor;
    if (signo < 0) {
        // No sign word: a south latitude or an east longitude is typed with "S" or "E".
        valor = (texto.contains(u's') || texto.contains(u'e')) ? -magnitude : magnitude;
    } else {
        valor = signo * 30.0 + magnitude;
    }
    setValorGraus(valor);
}

QString PosSigno::RetornaFormatado(int16_t modo, bool lesteOeste) const {
    // Nothing in the program yields a value that is not a number or beyond any position;
    // should one arrive, it is shown as 0 rather than as garbage digits.
    const double D = PosicaoRepresentavel(m_rads) ? ValorGraus() : 0.0;
    switch (modo) {
    case FormatoHoras: {
        if (lesteOeste) {
            const GrausMinSeg p = DivideTruncado(std::fabs(D));
            return Inteiro(p.graus) + u'h' + Inteiro(p.minutos) +
                   (m_rads > 0 ? QStringLiteral("' W") : QStringLiteral("' E"));
        }
        const GrausMinSeg p = DivideTruncado(D);
        return Inteiro(p.graus) + u'h' + Inteiro(p.minutos) + u'\'' + Inteiro(p.segundos) +
               QStringLiteral("''");
    }
    case FormatoCompleto:
    case FormatoGraus: {
        const GrausMinSeg p = DivideArredondado(D);
        const double signo = std::trunc(p.graus / 30.0);
        const QString nome = NomeSigno(static_cast<int>(std::clamp(signo, -1.0, 13.0)));
        const QString grausNoSigno = Inteiro(p.graus - 30.0 * signo);
        if (modo == FormatoCompleto)
            return grausNoSigno + QStringLiteral("º") + Inteiro(p.minutos) + u'\'' + Inteiro(p.segundos) +
                   QStringLiteral("''") + nome;
        return grausNoSigno + QStringLiteral("º ") + nome;
    }
    default:
        return QString();
    }
}

int16_t PosSigno::RetornaGraus() const {
    const double d = std::floor(ValorGraus() + FOLGA_REPRESENTACAO);
    return ParaInt16(d - std::trunc(d / 30.0) * 30.0);
}

int16_t PosSigno::Minutos() const {
    return ParaInt16(DivideTruncado(ValorGraus()).minutos);
}

int16_t PosSigno::Segundos() const {
    return ParaInt16(DivideArredondado(ValorGraus()).segundos);
}

double PosSigno::CoorTrans(double valor, bool paraRadianos) {
    return paraRadianos ? valor * PI_NATALIS / 180.0 : valor * 180.0 / PI_NATALIS;
}

QString PosSigno::WithinText(const QString& texto, const QString& inicio, const QString& fim) {
    // Positions are 1-based, 0 meaning "not found".
    const int p = static_cast<int>(texto.indexOf(inicio, 0, Qt::CaseInsensitive)) + 1;
    if (p == 0) return QString();
    const int c = p + static_cast<int>(inicio.size());
    const int achado =
        c - 1 <= texto.size() ? static_cast<int>(texto.indexOf(fim, c - 1, Qt::CaseInsensitive)) + 1 : 0;
    const int q = achado == 0 ? c - 1 : achado;
    if (q == 0 || q < c) return QString();
    return texto.mid(c - 1, q - c).trimmed();
}

void PosSigno::ReduceTo(double limite) {
    const double D = ValorGraus();
    if (D < 0)
        setValorGraus(D + limite);
    else if (D > limite)
        setValorGraus(D - limite);
}

double PosSigno::ValorGraus() const {
    return CoorTrans(m_rads, false);
}

void PosSigno::setValorGraus(double graus) {
    m_rads = CoorTrans(graus, true);
}
