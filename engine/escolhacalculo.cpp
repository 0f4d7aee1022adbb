#include "escolhacalculo.h"

#include <QStringList>

namespace {
struct Sistema {
    const char* codigo;
    const char* nome;
    char letra;
};
// In the order of SistemaCasas.
constexpr Sistema kSistemas[N_SISTEMAS_CASAS] = {
    {"proprio", "regra própria", 0},      {"placidus", "Placidus", 'P'},
    {"koch", "Koch", 'K'},                {"regiomontanus", "Regiomontanus", 'R'},
    {"campanus", "Campanus", 'C'},        {"porfirio", "Porfírio", 'O'},
    {"iguais", "Casas Iguais", 'E'},      {"signos-inteiros", "Signos Inteiros", 'W'},
    {"alcabitius", "Alcabitius", 'B'},    {"topocentrico", "Topocêntrico", 'T'},
    {"morinus", "Morinus", 'M'},
};

// Lower case without accents, so "Clássico", "classico" and "CLASSICO" are one code.
QString chave(const QString& texto) {
    QString t = texto.trimmed().normalized(QString::NormalizationForm_D).toLower();
    QString r;
    r.reserve(t.size());
    for (QChar c : t)
        if (c.category() != QChar::Mark_NonSpacing)
            r += c == QLatin1Char('_') || c == QLatin1Char(' ') ? QLatin1Char('-') : c;
    return r;
}
} // namespace

QString CodigoMotor(Motor m) {
    return m == Motor::Preciso ? QStringLiteral("preciso") : QStringLiteral("classico");
}

QString NomeMotor(Motor m) {
    return m == Motor::Preciso ? QStringLiteral("preciso (Swiss Ephemeris)") : QStringLiteral("clássico");
}

QString CodigoCasas(SistemaCasas s) { return QString::fromLatin1(kSistemas[static_cast<int>(s)].codigo); }
QString NomeCasas(SistemaCasas s) { return QString::fromUtf8(kSistemas[static_cast<int>(s)].nome); }
char LetraCasas(SistemaCasas s) { return kSistemas[static_cast<int>(s)].letra; }

std::optional<Motor> LeMotor(const QString& texto) {
    const QString k = chave(texto);
    if (k == QLatin1String("classico"))
        return Motor::Classico;
    if (k == QLatin1String("preciso"))
        return Motor::Preciso;
    return std::nullopt;
}

std::optional<SistemaCasas> LeCasas(const QString& texto) {
    const QString k = chave(texto);
    if (k.size() == 1) {
        // Equal houses have two letters in the reference tools.
        const char letra = k == QLatin1String("a") ? 'E' : k[0].toUpper().toLatin1();
        for (int i = 1; i < N_SISTEMAS_CASAS; ++i)
            if (kSistemas[i].letra == letra)
                return static_cast<SistemaCasas>(i);
        return std::nullopt;
    }
    for (int i = 0; i < N_SISTEMAS_CASAS; ++i)
        if (k == QLatin1String(kSistemas[i].codigo) || k == chave(QString::fromUtf8(kSistemas[i].nome)))
            return static_cast<SistemaCasas>(i);
    return std::nullopt;
}

QString DescricaoEscolha(const EscolhaCalculo& e) {
    QString t = QStringLiteral("motor ") + NomeMotor(e.motor) + QStringLiteral(", casas ") + NomeCasas(e.casas);
    QStringList pontos;
    for (int k = 0; k < N_PONTOS_EXTRA; ++k)
        if (TemPonto(e.pontos, k))
            pontos << NomePontoExtra(k);
    if (!pontos.isEmpty())
        t += QStringLiteral(", pontos ") + pontos.join(QStringLiteral(", "));
    return t;
}

EscolhaCalculo& EscolhaCalculoActual() {
    static thread_local EscolhaCalculo escolha; // the batch casts on several threads, each with its own
    return escolha;
}
