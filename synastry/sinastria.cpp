#include "sinastria.h"

#include "aspectos.h"
#include "calculo.h"
#include "efemerides.h"
#include "ficheiromapa.h"
#include "normaliza.h"
#include "possigno.h"
#include "simbolos.h"
#include "tempo.h"

#include <QSettings>

#include <algorithm>
#include <cmath>

namespace {
QSettings& definicoes() {
    static QSettings s(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Natalis"),
                       QStringLiteral("Duetto"));
    return s;
}

QString textoGraus(double g) {
    PosSigno p;
    p.setValorGraus(Reduz360Graus(g));
    return p.RetornaFormatado(FormatoCompleto);
}

struct DataCivil {
    int dia = 1, mes = 1, ano = 2000;
    double horas = 0.0;
};
// Julian day to the civil date (Meeus, Astronomical Algorithms, ch. 7), Gregorian from 1582.
DataCivil civil(double jd) {
    const double z = std::floor(jd + 0.5), f = jd + 0.5 - z;
    double a = z;
    if (z >= 2299161.0) {
        const double alfa = std::floor((z - 1867216.25) / 36524.25);
        a = z + 1.0 + alfa - std::floor(alfa / 4.0);
    }
    const double b = a + 1524.0, c = std::floor((b - 122.1) / 365.25), d = std::floor(365.25 * c),
                 e = std::floor((b - d) / 30.6001);
    DataCivil r;
    r.dia = int(b - d - std::floor(30.6001 * e));
    r.mes = int(e < 14.0 ? e - 1.0 : e - 13.0);
    r.ano = int(r.mes > 2 ? c - 4716.0 : c - 4715.0);
    r.horas = f * 24.0;
    return r;
}

// The birth instant and place fields of a chart in universal time at a place: the minute that
// holds `jd`, in zone 0. Returns the seconds left over.
double escreveInstanteLugar(double jd, double latitude, double longitudeLeste, CamposMapa& campos) {
    const double minuto = std::floor((jd + 0.5) * 1440.0 + 1e-6) / 1440.0 - 0.5; // the minute's start
    const DataCivil d = civil(minuto + 1e-9);
    const int minutos = int(std::lround(d.horas * 60.0)) % 1440;
    campos.txtData = QStringLiteral("%1/%2/%3").arg(d.dia).arg(d.mes).arg(d.ano);
    campos.txtHora = QStringLiteral("%1h%2'").arg(minutos / 60).arg(minutos % 60);
    campos.FusoHorario = QStringLiteral("0h0'0''");
    campos.fusoAtlas.clear();
    const Normalizado lat = NormalizaLatitude(QString::number(latitude, 'f', 6));
    campos.txtLatitude = lat.ok ? lat.texto : QString();
    campos.txtlongitude = FormataLongitudeHoras(-longitudeLeste / 15.0);
    return (jd - minuto) * 86400.0;
}

QString nomeCurto(const Pessoa& p) {
    const QString n = p.nome.trimmed();
    return n.isEmpty() ? QStringLiteral("sem nome") : n;
}
} // namespace

double Reduz360Graus(double g) {
    g = std::fmod(g, 360.0);
    return g < 0 ? g + 360.0 : g;
}

double Reduz180Graus(double g) {
    g = Reduz360Graus(g);
    return g > 180.0 ? g - 360.0 : g;
}

double PontoMedio(double a, double b) {
    return Reduz360Graus(a + Reduz180Graus(b - a) / 2.0);
}

bool PessoaDoMapa(const CamposMapa& campos, Mapa& mapa, Pessoa& pessoa, QString* erro) {
    NascimentoLido n;
    if (!LeNascimento(campos, n, erro)) return false;
    pessoa = Pessoa{};
    pessoa.nome = campos.txtNome;
    pessoa.masculino = campos.sexoMasculino;
    pessoa.jd = n.jd;
    pessoa.latitude = n.latitude;
    pessoa.longitudeLeste = n.longitudeLeste;
    pessoa.escolha = campos.escolha;
    for (int i = 0; i < 12; ++i) {
        pessoa.pontos[size_t(i)] = Reduz360Graus(mapa.Corpo(i).Posicao().ValorGraus());
        pessoa.retrogrado[size_t(i)] = campos.lblretrogrado[size_t(i)];
    }
    pessoa.pontos[PONTO_ASC] = Reduz360Graus(mapa.Cuspide(1).ValorGraus());
    pessoa.pontos[PONTO_MC] = Reduz360Graus(mapa.Cuspide(10).ValorGraus());
    for (int h = 1; h <= 12; ++h)
        pessoa.cuspides[size_t(h)] = Reduz360Graus(mapa.Cuspide(h).ValorGraus());
    return true;
}

bool AbrePessoa(const QString& caminho, Pessoa& pessoa, QString* erro) {
    CamposMapa campos;
    Mapa mapa;
    if (!OpenFile(caminho, campos, mapa, {}, false)) {
        if (erro) *erro = QStringLiteral("Não foi possível abrir o mapa «%1».").arg(caminho);
        return false;
    }
    QString porque;
    if (!PessoaDoMapa(campos, mapa, pessoa, &porque)) {
        if (erro) *erro = QStringLiteral("O mapa «%1» não tem dados de nascimento legíveis: %2").arg(caminho, porque);
        return false;
    }
    return true;
}

QString NomePonto(int ponto) {
    if (ponto == PONTO_ASC) return QStringLiteral("Ascendente");
    if (ponto == PONTO_MC) return QStringLiteral("Meio do Céu");
    return Simbolos::BodyInfo(int16_t(ponto + 1)).nome;
}

QString NomeAspectoSinastria(int tipo) {
    switch (tipo) {
    case ASPECTO_CONJUNCAO: return QStringLiteral("conjunção");
    case ASPECTO_SEXTIL: return QStringLiteral("sextil");
    case ASPECTO_QUADRATURA: return QStringLiteral("quadratura");
    case ASPECTO_TRIGONO: return QStringLiteral("trígono");
    case ASPECTO_OPOSICAO: return QStringLiteral("oposição");
    default: return QString();
    }
}

QString NumeroRomano(int casa) {
    static const char* const romanos[] = {"I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI", "XII"};
    return casa >= 1 && casa <= 12 ? QString::fromLatin1(romanos[casa - 1]) : QString();
}

OrbesSinastria OrbesSinastria::Padrao() {
    OrbesSinastria o;
    o.orbe.fill(4.0);
    o.orbe[0] = o.orbe[1] = 6.0;
    o.orbe[2] = o.orbe[3] = o.orbe[4] = 5.0;
    return o;
}

double OrbesSinastria::Par(int a, int b) const {
    if (a < 0 || b < 0 || a >= N_PONTOS || b >= N_PONTOS) return 0.0;
    return std::max(orbe[size_t(a)], orbe[size_t(b)]);
}

QString OrbesSinastria::Texto() const {
    QStringList v;
    for (double o : orbe)
        v << QString::number(o, 'g', 4);
    return v.join(QLatin1Char(','));
}

bool OrbesSinastria::LeTexto(const QString& texto) {
    const QStringList v = texto.split(QLatin1Char(','));
    if (v.size() != N_PONTOS) return false;
    std::array<double, N_PONTOS> lidos{};
    for (int i = 0; i < N_PONTOS; ++i) {
        bool ok = false;
        lidos[size_t(i)] = v[i].trimmed().toDouble(&ok);
        if (!ok || !(lidos[size_t(i)] >= 0.0 && lidos[size_t(i)] <= 15.0)) return false;
    }
    orbe = lidos;
    return true;
}

OrbesSinastria OrbesGuardados() {
    OrbesSinastria o = OrbesSinastria::Padrao();
    o.LeTexto(definicoes().value(QStringLiteral("orbes")).toString());
    return o;
}

void GuardaOrbes(const OrbesSinastria& orbes) {
    definicoes().setValue(QStringLiteral("orbes"), orbes.Texto());
    definicoes().sync();
}

InterAspecto AspectoEntre(double lonA, double lonB, double orbe) {
    const double separacao = std::fabs(Reduz180Graus(lonB - lonA));
    InterAspecto melhor;
    melhor.orbe = orbe;
    for (int tipo : TIPOS_ASPECTO) {
        const double d = std::fabs(separacao - AnguloAspecto(tipo));
        if (d <= melhor.orbe) {
            melhor.tipo = tipo;
            melhor.orbe = d;
        }
    }
    if (!melhor.tipo) melhor.orbe = 0.0;
    return melhor;
}

std::vector<InterAspecto> InterAspectos(const Pessoa& a, const Pessoa& b, const OrbesSinastria& orbes) {
    std::vector<InterAspecto> v;
    for (int i = 0; i < N_PONTOS; ++i)
        for (int j = 0; j < N_PONTOS; ++j) {
            InterAspecto x = AspectoEntre(a.pontos[size_t(i)], b.pontos[size_t(j)], orbes.Par(i, j));
            if (!x.tipo) continue;
            x.a = i;
            x.b = j;
            v.push_back(x);
        }
    std::stable_sort(v.begin(), v.end(), [](const InterAspecto& x, const InterAspecto& y) { return x.orbe < y.orbe; });
    return v;
}

std::array<int, N_PONTOS> Sobreposicoes(const Pessoa& de, const Pessoa& em) {
    std::array<double, 13> cusp{};
    for (size_t h = 1; h <= 12; ++h)
        cusp[h] = em.cuspides[h] * PI_NATALIS / 180.0;
    std::array<int, N_PONTOS> casas{};
    for (size_t i = 0; i < size_t(N_PONTOS); ++i)
        casas[i] = HouseOf(de.pontos[i] * PI_NATALIS / 180.0, cusp);
    return casas;
}

InstanteLugar MeioDavison(const Pessoa& a, const Pessoa& b) {
    InstanteLugar m;
    m.jd = (a.jd + b.jd) / 2.0;
    m.latitude = (a.latitude + b.latitude) / 2.0;
    m.longitudeLeste = Reduz180Graus(PontoMedio(a.longitudeLeste, b.longitudeLeste));
    return m;
}

QString NomeComposto(const Pessoa& a, const Pessoa& b) {
    return QStringLiteral("%1 & %2 (composto)").arg(nomeCurto(a), nomeCurto(b));
}

QString NomeDavison(const Pessoa& a, const Pessoa& b) {
    return QStringLiteral("%1 & %2 (Davison)").arg(nomeCurto(a), nomeCurto(b));
}

void MapaComposto(const Pessoa& a, const Pessoa& b, CamposMapa& campos, Mapa& mapa) {
    const InstanteLugar m = MeioDavison(a, b);
    campos.Limpa();
    campos.txtNome = NomeComposto(a, b);
    campos.sexoMasculino = a.masculino;
    escreveInstanteLugar(m.jd, m.latitude, m.longitudeLeste, campos);
    campos.txtlocal = QStringLiteral("ponto médio");
    campos.cometarios = QStringLiteral("Mapa composto de %1 e %2: os pontos médios das posições de ambos; as casas "
                                       "do ponto médio dos Meios do Céu à latitude média.")
                            .arg(nomeCurto(a), nomeCurto(b));
    campos.optwrite = 0;
    campos.escolha = {Motor::Classico, a.escolha.casas};
    for (int i = 0; i < 12; ++i)
        campos.PosPlaneta[size_t(i)] = textoGraus(PontoMedio(a.pontos[size_t(i)], b.pontos[size_t(i)]));

    // The sky's turn whose Midheaven is the midpoint of the two: tan MC = tan RAMC / cos ε.
    const double mc = PontoMedio(a.pontos[PONTO_MC], b.pontos[PONTO_MC]) * PI_NATALIS / 180.0;
    const double T = (m.jd - 2415020.0) / 36525.0;
    const double eps = Obliquidade(T);
    double ramc = std::atan2(std::sin(mc) * std::cos(eps), std::cos(mc));
    if (ramc < 0) ramc += DOIS_PI_NATALIS;
    const ResultadoEfemerides r = CuspidesDoRamc(ramc, eps, m.latitude, a.escolha.casas);
    constexpr int casasCampos[6] = {10, 11, 12, 1, 2, 3};
    for (int k = 0; k < 6; ++k)
        campos.PosCasas[size_t(k)] = textoGraus(r.cuspides[size_t(casasCampos[k])] * 180.0 / PI_NATALIS);
    campos.recursoPolar = r.recursoPolar;
    Rebuild(campos, mapa);
    campos.mapaAberto = true;
}

bool MapaDavison(const Pessoa& a, const Pessoa& b, CamposMapa& campos, Mapa& mapa, QString* erro) {
    const InstanteLugar m = MeioDavison(a, b);
    campos.Limpa();
    campos.txtNome = NomeDavison(a, b);
    campos.sexoMasculino = a.masculino;
    const double segundos = escreveInstanteLugar(m.jd, m.latitude, m.longitudeLeste, campos);
    campos.txtlocal = QStringLiteral("ponto médio");
    campos.cometarios = QStringLiteral("Mapa de Davison de %1 e %2: o céu do instante e do lugar médios "
                                       "(hora universal, %3 s depois do minuto).")
                            .arg(nomeCurto(a), nomeCurto(b))
                            .arg(segundos, 0, 'f', 0);

    EscolhaCalculo& escolha = EscolhaCalculoActual();
    const EscolhaCalculo antes = escolha;
    escolha = {Motor::Preciso, a.escolha.casas};
    const bool ok = Cast(campos, mapa);
    escolha = antes;
    if (!ok) {
        if (erro) *erro = QStringLiteral("Não foi possível calcular o mapa de Davison.");
        return false;
    }
    // The exact instant's sky in place of the minute's: the same run, the seconds taken off
    // the zone.
    RegistoTempo t = LerDataHora(NormalizaData(campos.txtData).texto, NormalizaHora(campos.txtHora).texto);
    t.fuso = -segundos / 3600.0;
    RegistoLugar l;
    l.latitudeGraus = m.latitude;
    l.longitudeGraus = -m.longitudeLeste;
    const ResultadoEfemerides r = CorreEfemerides(t, l, {Motor::Preciso, a.escolha.casas});
    for (int i = 0; i < N_CORPOS_EFEMERIDES; ++i) {
        campos.PosPlaneta[size_t(i)] = textoGraus(r.longitudes[size_t(i)]);
        campos.lblretrogrado[size_t(i)] = r.velocidades[size_t(i)] < 0;
    }
    constexpr int casasCampos[6] = {10, 11, 12, 1, 2, 3};
    for (int k = 0; k < 6; ++k)
        campos.PosCasas[size_t(k)] = textoGraus(r.cuspides[size_t(casasCampos[k])] * 180.0 / PI_NATALIS);
    Rebuild(campos, mapa);
    for (int i = 0; i < 12; ++i)
        mapa.Corpo(i).Retrogrado = campos.lblretrogrado[size_t(i)];
    return true;
}

QString TextoOrbe(double graus) {
    const int minutos = int(std::lround(graus * 60.0));
    return QStringLiteral("%1º%2'").arg(minutos / 60).arg(minutos % 60, 2, 10, QLatin1Char('0'));
}

QString LinhaInterAspecto(const InterAspecto& x, const Pessoa& a, const Pessoa& b) {
    return QStringLiteral("%1 (%2) %3 %4 (%5), orbe %6")
        .arg(NomePonto(x.a), nomeCurto(a), NomeAspectoSinastria(x.tipo), NomePonto(x.b), nomeCurto(b), TextoOrbe(x.orbe));
}

QStringList LinhasSobreposicoes(const Pessoa& de, const Pessoa& em) {
    const std::array<int, N_PONTOS> casas = Sobreposicoes(de, em);
    QStringList l;
    for (int i = 0; i < N_PONTOS; ++i)
        l << QStringLiteral("%1 (%2) na casa %3 de %4")
                 .arg(NomePonto(i), nomeCurto(de), NumeroRomano(casas[size_t(i)]), nomeCurto(em));
    return l;
}

QByteArray CsvSinastria(const Pessoa& a, const Pessoa& b, const OrbesSinastria& orbes) {
    const auto campo = [](QString s) {
        if (s.contains(QLatin1Char(';')) || s.contains(QLatin1Char('"')))
            s = QLatin1Char('"') + s.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
        return s;
    };
    QStringList linhas{QStringLiteral("tipo;ponto;de;relacao;alvo;em;orbe")};
    for (const InterAspecto& x : InterAspectos(a, b, orbes))
        linhas << QStringList{QStringLiteral("aspecto"), NomePonto(x.a), campo(nomeCurto(a)), NomeAspectoSinastria(x.tipo),
                              NomePonto(x.b), campo(nomeCurto(b)), QString::number(x.orbe, 'f', 2)}
                      .join(QLatin1Char(';'));
    for (const auto& [de, em] : {std::pair{&a, &b}, std::pair{&b, &a}}) {
        const std::array<int, N_PONTOS> casas = Sobreposicoes(*de, *em);
        for (int i = 0; i < N_PONTOS; ++i)
            linhas << QStringList{QStringLiteral("casa"), NomePonto(i), campo(nomeCurto(*de)), QStringLiteral("casa"),
                                  NumeroRomano(casas[size_t(i)]), campo(nomeCurto(*em)), QString()}
                          .join(QLatin1Char(';'));
    }
    return (linhas.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}
