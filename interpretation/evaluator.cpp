#include "evaluator.h"

#include "mapa.h"
#include "mensagens.h"
#include <QDateTime>
#include <QHash>
#include <QLocale>
#include <QRandomGenerator>
#include <cmath>

namespace {
bool Algarismo(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

double Sgn(double x) {
    return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0);
}

// Reduction into [0, 2π) with the program's own constant.
double Reduz(double y) {
    double r = (y / DOIS_PI_NATALIS - std::floor(y / DOIS_PI_NATALIS)) * DOIS_PI_NATALIS;
    if (r < 0) r += DOIS_PI_NATALIS;
    return r;
}

enum class Tipo { Funcao, Corpo, Cuspide, Sod, Constante, Relogio, Aleatorio };
struct Entrada {
    Tipo tipo;
    int indice = 0; // body index, house, or which function
};

enum FuncaoN {
    fAbs,
    fAtn,
    fCos,
    fExp,
    fSin,
    fSqr,
    fTan,
    fLog,
    fFix,
    fInt,
    fSgn,
    fSec,
    fCosec,
    fCotan,
    fArcsin,
    fArccos,
    fArcsec,
    fArccosec,
    fArccotan,
    fHsin,
    fHcos,
    fHtan,
    fHsec,
    fHcosec,
    fHcotan,
    fHarcsin,
    fHarccos,
    fHarctan,
    fHarccotan,
    fHarcsec,
    fHarccosec,
    cPi,
    cE,
    cZero,
    rTimer,
    rYear,
    rMonth,
    rDay,
    rWeekday,
    rHour,
    rMinute,
    rSecond,
};

const QHash<QString, Entrada>& Tabela() {
    static const QHash<QString, Entrada> t = [] {
        QHash<QString, Entrada> h;
        const char* funcoes[] = {
            "ABS",    "ATN",      "COS",      "EXP",     "SIN",       "SQR",     "TAN",      "LOG",
            "FIX",    "INT",      "SGN",      "SEC",     "COSEC",     "COTAN",   "ARCSIN",   "ARCCOS",
            "ARCSEC", "ARCCOSEC", "ARCCOTAN", "HSIN",    "HCOS",      "HTAN",    "HSEC",     "HCOSEC",
            "HCOTAN", "HARCSIN",  "HARCCOS",  "HARCTAN", "HARCCOTAN", "HARCSEC", "HARCCOSEC"};
        for (int i = 0; i < int(std::size(funcoes)); ++i)
            h.insert(QLatin1String(funcoes[i]), {Tipo::Funcao, i});
        h.insert(QStringLiteral("PI"), {Tipo::Constante, cPi});
        h.insert(QStringLiteral("E"), {Tipo::Constante, cE});
        h.insert(QStringLiteral("ZERO"), {Tipo::Constante, cZero});
        const char* relogio[] = {"TIMER", "YEAR", "MONTH", "DAY", "WEEKDAY", "HOUR", "MINUTE", "SECOND"};
        for (int i = 0; i < int(std::size(relogio)); ++i)
            h.insert(QLatin1String(relogio[i]), {Tipo::Relogio, rTimer + i});
        h.insert(QStringLiteral("RND"), {Tipo::Aleatorio, 0});
        const char* corpos[] = {"SOL", "LUA", "MER", "VEN", "MAR", "JUP", "SAT", "URA", "NEP", "PLU", "NOD"};
        for (int i = 0; i < int(std::size(corpos)); ++i)
            h.insert(QLatin1String(corpos[i]), {Tipo::Corpo, i});
        h.insert(QStringLiteral("SOD"), {Tipo::Sod, 10});
        for (int k = 0; k < N_PONTOS_EXTRA; ++k)
            h.insert(AbreviaturaPontoExtra(k), {Tipo::Corpo, PRIMEIRO_PONTO_EXTRA + k});
        const char* casas[] = {"I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI", "XII"};
        for (int i = 0; i < 12; ++i)
            h.insert(QLatin1String(casas[i]), {Tipo::Cuspide, i + 1});
        h.insert(QStringLiteral("ASC"), {Tipo::Cuspide, 1});
        h.insert(QStringLiteral("BC"), {Tipo::Cuspide, 4});
        h.insert(QStringLiteral("DES"), {Tipo::Cuspide, 7});
        h.insert(QStringLiteral("MC"), {Tipo::Cuspide, 10});
        return h;
    }();
    return t;
}

double Matematica(int f, double x) {
    const double a1 = 2.0 * std::atan(1.0);
    const double ex = std::exp(x), emx = std::exp(-x);
    switch (f) {
    case fAbs:
        return std::fabs(x);
    case fAtn:
        return std::atan(x);
    case fCos:
        return std::cos(x);
    case fExp:
        return ex;
    case fSin:
        return std::sin(x);
    case fSqr:
        return std::sqrt(x);
    case fTan:
        return std::tan(x);
    case fLog:
        return std::log(x);
    case fFix:
        return std::trunc(x);
    case fInt:
        return std::floor(x);
    case fSgn:
        return Sgn(x);
    case fSec:
        return 1.0 / std::cos(x);
    case fCosec:
        return 1.0 / std::sin(x);
    case fCotan:
        return 1.0 / std::tan(x);
    // The inverse functions are the library's own: the textbook formulas through Atn divide by
    // zero at |x| = 1 (Atn(±∞) then gives a finite, wrong angle), and those for the secant,
    // cosecant and cotangent are wrong inside their domain too. Outside a domain the value is
    // NaN or infinite, which the caller turns into the silent 0 of a failed function.
    case fArcsin:
        return std::asin(x);
    case fArccos:
        return std::acos(x);
    case fArcsec:
        return std::acos(1 / x);
    case fArccosec:
        return std::asin(1 / x);
    case fArccotan:
        return a1 - std::atan(x);
    case fHsin:
        return (ex - emx) / 2;
    case fHcos:
        return (ex + emx) / 2;
    case fHtan:
        return (ex - emx) / (ex + emx);
    case fHsec:
        return 2 / (ex + emx);
    case fHcosec:
        return 2 / (ex - emx);
    case fHcotan:
        return (ex + emx) / (ex - emx);
    case fHarcsin:
        return std::asinh(x);
    case fHarccos:
        return std::acosh(x);
    case fHarctan:
        return std::atanh(x);
    case fHarccotan:
        return std::atanh(1 / x);
    case fHarcsec:
        return std::acosh(1 / x);
    case fHarccosec:
        return std::asinh(1 / x);
    }
    return 0.0;
}

double Relogio(int f) {
    const QDateTime agora = QDateTime::currentDateTime();
    switch (f) {
    case rTimer:
        return agora.time().msecsSinceStartOfDay() / 1000.0;
    case rYear:
        return agora.date().year();
    case rMonth:
        return agora.date().month();
    case rDay:
        return agora.date().day();
    case rWeekday:
        return agora.date().dayOfWeek() % 7 + 1; // Sunday = 1
    case rHour:
        return agora.time().hour();
    case rMinute:
        return agora.time().minute();
    case rSecond:
        return agora.time().second();
    }
    return 0.0;
}
} // namespace

Evaluator::Evaluator(Mapa* mapa) : m_mapa(mapa) {}

QString Evaluator::ReplaceText(const QString& texto, const QString& procura, const QString& troca) {
    if (procura.isEmpty() || procura == troca) return texto;
    if (troca.contains(procura)) {
        QString r = texto;
        return r.replace(procura, troca);
    }
    QString r = texto;
    for (qsizetype p = r.indexOf(procura); p >= 0; p = r.indexOf(procura))
        r.replace(p, procura.size(), troca);
    return r;
}

void Evaluator::setExpression(const QString& texto) {
    QString s = texto;
    s.remove(QLatin1Char(' '));
    m_expressao = ReplaceText(s.toUpper(), QStringLiteral("."), QStringLiteral(","));
}

double Evaluator::Result() {
    m_erro = SemErro;
    m_aninhamento = 0;
    m_resultado = Expressao(m_expressao);
    m_atribuido = m_erro == SemErro;
    return m_resultado;
}

QString Evaluator::MensagemErro(int32_t erro) {
    switch (erro) {
    case ErroSeparador:
        return QStringLiteral("Erro: separador decimal mal colocado!");
    case ErroSintaxe:
        return QStringLiteral("Erro: sintaxe errada!");
    case ErroSinal:
        return QStringLiteral("Erro: sinal ou parêntese mal colocado!");
    case ErroParenteses:
        return QStringLiteral("Erro: parênteses mal colocados!");
    case ErroPontoAusente:
        return QStringLiteral("Erro: o mapa não tem esse ponto (os pontos adicionais pedem o motor preciso e "
                              "escolhem-se em Opções › Cálculo).");
    default:
        return QString();
    }
}

double Evaluator::Evaluate(const QString& texto, bool silencioso) {
    setExpression(texto);
    const double v = Result();
    if (!silencioso) {
        if (m_erro == SemErro)
            CaixaMensagens().Mostra(IconeMsg::Exclamacao, QStringLiteral("Resultado do cálculo"),
                                    QStringLiteral("Resultado: ") + QLocale::system().toString(v, 'g', 15));
        else if (!MensagemErro(m_erro).isEmpty())
            CaixaMensagens().Mostra(IconeMsg::Critico, QStringLiteral("Erro no cálculo"), MensagemErro(m_erro));
    }
    return v;
}

int Evaluator::Separador(QStringView s, QStringView separadores) {
    int profundidade = 0;
    for (int i = 0; i < s.size(); ++i) {
        if (s[i] == QLatin1Char('('))
            ++profundidade;
        else if (s[i] == QLatin1Char(')') && --profundidade < 0) {
            Falha(ErroParenteses);
            return -1;
        }
        if (profundidade == 0 && i > 0 && separadores.contains(s[i])) return i;
    }
    return -1;
}

double Evaluator::Expressao(QStringView s) {
    double soma = 0.0;
    while (m_erro == SemErro) {
        const int p = Separador(s, u"+-");
        soma += Termo(p < 0 ? s : s.left(p));
        if (p < 0) break;
        s = s.mid(p);
    }
    return soma;
}

double Evaluator::Termo(QStringView s) {
    double acumulado = 0.0;
    while (m_erro == SemErro) {
        const int p = Separador(s, u"*/");
        QChar operador;
        const double v = Factor(p < 0 ? s : s.left(p), operador);
        if (m_erro != SemErro) break;
        if (operador == QLatin1Char('*'))
            acumulado *= v;
        else if (operador == QLatin1Char('/')) {
            if (v == 0.0) {
                Falha(ErroAritmetica);
                break;
            }
            acumulado /= v;
        } else
            acumulado += v;
        if (!std::isfinite(acumulado)) {
            Falha(ErroAritmetica);
            break;
        }
        if (p < 0) break;
        s = s.mid(p);
    }
    return acumulado;
}

double Evaluator::Factor(QStringView s, QChar& operador) {
    operador = QLatin1Char('+');
    if (m_erro != SemErro) return 0.0;
    bool negativo = false;
    if (!s.isEmpty()) {
        const QChar c = s[0];
        if (c == QLatin1Char('-')) {
            negativo = true;
            s = s.mid(1);
        } else if (c == QLatin1Char('+') || c == QLatin1Char('*') || c == QLatin1Char('/')) {
            operador = c;
            s = s.mid(1);
        }
    }
    double v = Primario(s);
    if (m_erro != SemErro) return 0.0;
    if (!s.isEmpty()) {
        const QChar c = s[0];
        s = s.mid(1);
        const double expoente = Primario(s);
        if (m_erro != SemErro) return 0.0;
        if (c == QLatin1Char('^')) {
            v = std::pow(v, expoente);
            if (!std::isfinite(v)) {
                Falha(ErroAritmetica);
                return 0.0;
            }
        } else {
            Falha(ErroSinal);
        }
        if (m_erro == SemErro && !s.isEmpty()) Falha(ErroSintaxe);
    }
    return negativo ? -v : v;
}

double Evaluator::Primario(QStringView& s) {
    if (!s.isEmpty() && s[0] == QLatin1Char('(')) return Parenteses(s);
    if (!s.isEmpty() && (Algarismo(s[0]) || s[0] == QLatin1Char(','))) return Numero(s);
    return Nome(s);
}

double Evaluator::Parenteses(QStringView& s) {
    int profundidade = 1;
    for (int i = 1; i < s.size(); ++i) {
        if (s[i] == QLatin1Char('('))
            ++profundidade;
        else if (s[i] == QLatin1Char(')') && --profundidade == 0) {
            const QStringView dentro = s.mid(1, i - 1);
            s = s.mid(i + 1);
            // Each bracket is one level of recursion: a pasted run of thousands of brackets
            // would exhaust the stack, where a formula of the keypad never goes past a few.
            if (m_aninhamento >= MAX_ANINHAMENTO) {
                Falha(ErroSintaxe);
                return 0.0;
            }
            ++m_aninhamento;
            const double v = Expressao(dentro);
            --m_aninhamento;
            return v;
        }
    }
    Falha(ErroParenteses);
    s = QStringView();
    return 0.0;
}

double Evaluator::Numero(QStringView& s) {
    QString lido;
    bool decimal = false;
    int i = 0;
    for (; i < s.size(); ++i) {
        if (Algarismo(s[i]))
            lido += s[i];
        else if (s[i] == QLatin1Char(',')) {
            if (decimal) {
                Falha(ErroSeparador);
                s = QStringView();
                return 0.0;
            }
            decimal = true;
            lido += QLatin1Char('.');
        } else
            break;
    }
    s = s.mid(i);
    if (lido.isEmpty() || lido == QLatin1String(".")) {
        Falha(ErroSintaxe);
        return 0.0;
    }
    if (lido.startsWith(QLatin1Char('.'))) lido.prepend(QLatin1Char('0'));
    bool ok = false;
    const double v = lido.toDouble(&ok);
    if (!ok || !std::isfinite(v)) {
        Falha(ErroAritmetica);
        return 0.0;
    }
    return v;
}

double Evaluator::Nome(QStringView& s) {
    const qsizetype p = s.indexOf(QLatin1Char('('));
    if (p < 0) {
        Falha(ErroSintaxe);
        s = QStringView();
        return 0.0;
    }
    const QString nome = s.left(p).toString();
    s = s.mid(p);
    const double x = Parenteses(s);
    if (m_erro != SemErro) return 0.0;
    return Funcao(nome, x);
}

double Evaluator::Funcao(const QString& nome, double x) {
    const auto it = Tabela().constFind(nome);
    if (it == Tabela().cend()) return 0.0;
    Mapa& mapa = m_mapa ? *m_mapa : MapaActual();
    double v = 0.0;
    switch (it->tipo) {
    case Tipo::Funcao:
        v = Matematica(it->indice, x);
        break;
    case Tipo::Constante:
        v = it->indice == cPi ? PI_NATALIS : (it->indice == cE ? 2.71828182845905 : 0.0);
        break;
    case Tipo::Relogio:
        v = Relogio(it->indice);
        break;
    case Tipo::Corpo:
        if (it->indice >= PRIMEIRO_PONTO_EXTRA && !mapa.CorpoComPontos(it->indice).Mostrado) {
            Falha(ErroPontoAusente);
            return 0.0;
        }
        v = mapa.CorpoComPontos(it->indice).Posicao().ValorRads();
        break;
    case Tipo::Sod:
        v = Reduz(mapa.Corpo(it->indice).Posicao().ValorRads() + PI_NATALIS);
        break;
    case Tipo::Cuspide:
        v = mapa.Cuspide(it->indice).ValorRads();
        break;
    case Tipo::Aleatorio:
        // A negative argument repeats the value of its seed, 0 repeats the last value.
        if (x < 0) {
            QRandomGenerator g(static_cast<quint32>(std::llround(-x * 1000.0)));
            v = g.generateDouble();
        } else if (x == 0) {
            v = m_ultimoAleatorio;
        } else {
            v = QRandomGenerator::global()->generateDouble();
        }
        m_ultimoAleatorio = v;
        break;
    }
    // A failure inside a function (a logarithm of a negative number, ...) gives 0, silently.
    return std::isfinite(v) ? v : 0.0;
}
