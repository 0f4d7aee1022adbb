#include "calculo.h"

#include "aspectos.h"
#include "efemerides.h"
#include "mensagens.h"
#include "motormapa.h"
#include "normaliza.h"
#include "pontosmapa.h"
#include "simbolos.h"

#include <cmath>

namespace {
// The cusps held by the six cusp fields, in field order, and the houses opposite them.
constexpr int kCasasCampos[6] = {10, 11, 12, 1, 2, 3};
constexpr int kCasasOpostas[6] = {4, 5, 6, 7, 8, 9};

// The window's own position form "20º10'5''Gémeos" read without the general parser (the
// same arithmetic, so the same value); any other text goes through SetonbyString.
void LePosicao(const QString& texto, PosSigno& p) {
    static const QString nomes[12] = {Simbolos::SignInfo(0).nome, Simbolos::SignInfo(1).nome, Simbolos::SignInfo(2).nome,
                                      Simbolos::SignInfo(3).nome, Simbolos::SignInfo(4).nome, Simbolos::SignInfo(5).nome,
                                      Simbolos::SignInfo(6).nome, Simbolos::SignInfo(7).nome, Simbolos::SignInfo(8).nome,
                                      Simbolos::SignInfo(9).nome, Simbolos::SignInfo(10).nome, Simbolos::SignInfo(11).nome};
    const qsizetype n = texto.size();
    qsizetype i = 0;
    int partes[3] = {0, 0, 0};
    static constexpr char16_t marcas[3][2] = {{u'\u00BA', 0}, {u'\'', 0}, {u'\'', u'\''}};
    for (int k = 0; k < 3; ++k) {
        const qsizetype inicio = i;
        while (i < n && i - inicio < 4 && texto[i] >= u'0' && texto[i] <= u'9')
            partes[k] = partes[k] * 10 + (texto[i++].unicode() - u'0');
        if (i == inicio || i >= n || texto[i] != QChar(marcas[k][0]))
            return p.SetonbyString(texto);
        ++i;
        if (marcas[k][1]) {
            if (i >= n || texto[i] != QChar(marcas[k][1]))
                return p.SetonbyString(texto);
            ++i;
        }
    }
    const QStringView nome = QStringView(texto).mid(i);
    for (int signo = 0; signo < 12; ++signo)
        if (nome == nomes[signo]) {
            const double magnitude = partes[0] + partes[1] / 60.0 + partes[2] / 3600.0;
            p.setValorGraus(signo * 30.0 + magnitude);
            return;
        }
    p.SetonbyString(texto);
}

// A position or cusp as the chart uses it: on the circle; 0 for what no circle holds (the
// file reader refuses it as damage).
double LeRads(const QString& texto) {
    PosSigno p;
    LePosicao(texto, p);
    return PosicaoRepresentavel(p.ValorRads()) ? ReduzCirculo(p.ValorRads()) : 0.0;
}

double LeGraus(const QString& texto) {
    PosSigno p;
    p.SetonbyString(texto);
    return p.ValorGraus();
}

QString Modo2(double rads) { return PosSigno(rads).RetornaFormatado(FormatoCompleto); }

QString Modo1Horas(double horas) {
    PosSigno p;
    p.setValorGraus(horas);
    return p.RetornaFormatado(FormatoHoras, false);
}

double Reduz24(double horas) {
    PosSigno p;
    p.setValorGraus(horas);
    p.ReduceTo(24);
    return p.ValorGraus();
}

void Avisa(const QString& texto) { CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao(), texto); }

// One step into [0, 2π), as the opposite-cusp labels are formed.
double UmPasso(double x) {
    if (x >= DOIS_PI_NATALIS)
        return x - DOIS_PI_NATALIS;
    if (x < 0)
        return x + DOIS_PI_NATALIS;
    return x;
}
} // namespace

double ReduzCirculo(double rads) {
    double x = rads - DOIS_PI_NATALIS * std::floor(rads / DOIS_PI_NATALIS);
    if (x >= DOIS_PI_NATALIS || x < 0)
        x = 0;
    return x;
}

bool MovimentoRetrogrado(double grausHoje, double grausOntem) {
    double d = std::fmod(grausHoje - grausOntem, 360.0);
    if (d > 180)
        d -= 360;
    else if (d <= -180)
        d += 360;
    return d < 0;
}

std::array<double, 7> CalculaPartes(double asc, double sol, double lua, double mercurio, double venus, double marte,
                                    double jupiter, double saturno) {
    std::array<double, 7> p{};
    p[0] = ReduzCirculo(asc + lua - sol);
    p[1] = ReduzCirculo(asc + sol - lua);
    const double fortunaMenosDevir = p[0] - p[1];
    p[2] = ReduzCirculo(asc + mercurio - fortunaMenosDevir);
    p[3] = ReduzCirculo(asc + venus - fortunaMenosDevir);
    p[4] = ReduzCirculo(asc + marte - p[0]);
    p[5] = ReduzCirculo(asc + jupiter - p[1]);
    p[6] = ReduzCirculo(asc + saturno - p[0]);
    return p;
}

namespace {
// Values of the fields read: date (unused), clock time, zone, latitude, longitude.
bool normalizaCampos(CamposMapa& campos, QString* erro, double valores[5]) {
    struct Campo {
        QString* texto;
        Normalizado (*le)(const QString&);
    };
    const Campo lista[] = {{&campos.txtData, NormalizaData},
                           {&campos.txtHora, NormalizaHora},
                           {&campos.FusoHorario, NormalizaFuso},
                           {&campos.txtLatitude, NormalizaLatitude},
                           {&campos.txtlongitude, NormalizaLongitude}};
    QStringList erros;
    for (int k = 0; k < 5; ++k) {
        const Normalizado n = lista[k].le(*lista[k].texto);
        if (n.ok)
            *lista[k].texto = n.texto;
        else
            erros << n.erro;
        valores[k] = n.valor;
    }
    if (erro)
        *erro = erros.join(QLatin1Char('\n'));
    return erros.isEmpty();
}
} // namespace

bool NormalizaDadosNascimento(CamposMapa& campos, QString* erro) {
    double valores[5];
    return normalizaCampos(campos, erro, valores);
}

// The readers give the value of the window's form of each field (the form they write back),
// so the clock time, zone and longitude need no second parse here.
bool TemposUniversalELocal(CamposMapa& campos, double& universal, double& mediaLocal) {
    double relogio = 0;
    if (campos.txtHora.trimmed().isEmpty()) {
        Avisa(QStringLiteral("Preencha o campo 'Hora de Nascimento'"));
    } else {
        const Normalizado hora = NormalizaHora(campos.txtHora);
        if (!hora.ok) {
            Avisa(hora.erro);
            return false;
        }
        campos.txtHora = hora.texto;
        relogio = hora.valor;
    }
    const Normalizado fuso = NormalizaFuso(campos.FusoHorario);
    if (!fuso.ok) {
        Avisa(fuso.erro);
        return false;
    }
    campos.FusoHorario = fuso.texto;
    universal = Reduz24(relogio - fuso.valor);

    double longitude = 0;
    if (campos.txtlongitude.trimmed().isEmpty()) {
        Avisa(QStringLiteral("Preencha o campo 'Longitude': sem ela, a hora local é calculada para Greenwich."));
    } else {
        const Normalizado lon = NormalizaLongitude(campos.txtlongitude);
        if (!lon.ok) {
            Avisa(lon.erro);
            return false;
        }
        campos.txtlongitude = lon.texto;
        longitude = lon.valor;
    }
    mediaLocal = Reduz24(universal - longitude);
    return true;
}

bool DerivedTimes(CamposMapa& campos) {
    const double sideral = LeGraus(campos.txttemposideral);
    if (sideral == 0)
        return false;
    double universal = 0, mediaLocal = 0;
    if (!TemposUniversalELocal(campos, universal, mediaLocal)) {
        campos.lblHoras = {};
        return false;
    }
    campos.lblHoras[0] = Modo1Horas(universal);
    campos.lblHoras[1] = Modo1Horas(mediaLocal);
    campos.lblHoras[2] = Modo1Horas(Reduz24(sideral + mediaLocal));
    return true;
}

void PreparaCorposMapa(Mapa& mapa) {
    // The tables' texts, made once: every rebuild names 19 bodies.
    struct Nomes {
        QString mapa[N_CORPOS_MAPA];
        Simbolos::InfoCorpo corpo[11];
        Nomes() {
            for (int i = 0; i < N_CORPOS_MAPA; ++i)
                mapa[i] = Simbolos::NomeCorpoMapa(i);
            for (int i = 0; i < 11; ++i)
                corpo[i] = Simbolos::BodyInfo(static_cast<int16_t>(i + 1));
        }
    };
    static const Nomes nomes;
    mapa.RecriaCorpos();
    for (int i = 0; i < N_CORPOS_MAPA; ++i) {
        planeta& p = mapa.Corpo(i);
        p.Numero = static_cast<int16_t>(i + 1);
        p.Nome = nomes.mapa[i];
        if (i <= 10) {
            const Simbolos::InfoCorpo& info = nomes.corpo[i];
            p.Glifo = info.glifo;
            p.Cor = info.cor;
            planeta& e = mapa.CorpoEfemerides(i);
            e.Nome = info.nome;
            e.Glifo = info.glifo;
            e.Cor = info.cor;
            e.Numero = p.Numero;
        } else if (i == 11) {
            p.Glifo = QStringLiteral("R");
            p.Cor = 0;
        } else {
            // The parts share the colour of the Part of Fortune's position label.
            p.Glifo = i == 12 ? QStringLiteral("<") : QString();
            p.Cor = Simbolos::BodyInfo(13).cor;
        }
    }
    for (int i = PRIMEIRO_PONTO_EXTRA; i < N_CORPOS_COM_EXTRAS; ++i) {
        planeta& p = mapa.CorpoComPontos(i);
        const Simbolos::InfoCorpo info = Simbolos::BodyInfo(static_cast<int16_t>(i + 1));
        p.Numero = static_cast<int16_t>(i + 1);
        p.Nome = info.nome;
        p.Glifo = info.glifo;
        p.Cor = info.cor;
        p.Mostrado = false;
    }
}

void Rebuild(CamposMapa& campos, Mapa& mapa, const Redesenho& redesenha) {
    PreparaCorposMapa(mapa);
    DerivedTimes(campos);

    for (int k = 0; k < 6; ++k) {
        const double cuspide = LeRads(campos.PosCasas[k]);
        const double oposta = UmPasso(cuspide + PI_NATALIS);
        campos.lPosCasas[k] = Modo2(oposta);
        mapa.Cuspide(kCasasCampos[k]).setValorRads(cuspide);
        mapa.Cuspide(kCasasOpostas[k]).setValorRads(oposta);
    }

    for (int i = 0; i <= 12; ++i)
        mapa.Corpo(i).Posicao().setValorRads(LeRads(campos.PosPlaneta[i]));
    for (int i = 0; i < 12; ++i)
        mapa.Corpo(i).Retrogrado = campos.lblretrogrado[i];

    const auto rads = [&](int i) { return mapa.Corpo(i).Posicao().ValorRads(); };
    const std::array<double, 7> partes = CalculaPartes(mapa.Cuspide(1).ValorRads(), rads(0), rads(1), rads(2), rads(3),
                                                       rads(4), rads(5), rads(6));
    for (int k = 0; k < 7; ++k) {
        mapa.Corpo(12 + k).Posicao().setValorRads(partes[k]);
        campos.partes[k] = Modo2(partes[k]);
    }
    campos.PosPlaneta[12] = campos.partes[0];

    const std::array<double, 13> cuspides = mapa.CuspidesRads();
    for (int i = 0; i < N_CORPOS_MAPA; ++i)
        mapa.Corpo(i).Casa = HouseOf(rads(i), cuspides);
    for (int k = 0; k < N_PONTOS_EXTRA; ++k) {
        planeta& p = mapa.CorpoComPontos(PRIMEIRO_PONTO_EXTRA + k);
        if (campos.PosExtra[k].isEmpty())
            continue;
        p.Mostrado = true;
        p.Posicao().setValorRads(LeRads(campos.PosExtra[k]));
        p.Retrogrado = campos.retroExtra[k];
        p.Casa = HouseOf(p.Posicao().ValorRads(), cuspides);
    }
    for (int k = 0; k < 7; ++k)
        campos.partesCasa[k] = QString::number(mapa.Corpo(12 + k).Casa) + QStringLiteral("ª Casa  ");

    DetectaAspectos(mapa);
    DetectaAspectosExtra(mapa);
    if (redesenha)
        redesenha();
}

bool Cast(CamposMapa& campos, Mapa& mapa, const Redesenho& redesenha) {
    QString erro;
    double valores[5];
    if (!normalizaCampos(campos, &erro, valores)) {
        Avisa(erro);
        return false;
    }
    RegistoTempo tempo = LerDataHora(campos.txtData, campos.txtHora);
    tempo.fuso = LeGraus(campos.FusoHorario);
    RegistoLugar lugar;
    lugar.latitudeGraus = LeGraus(campos.txtLatitude);
    lugar.longitudeGraus = 15.0 * LeGraus(campos.txtlongitude);

    EscolhaCalculo escolha = EscolhaCalculoActual();
    if (escolha.motor != Motor::Preciso)
        escolha.pontos = 0; // the classic engine has none of the optional points
    const ResultadoEfemerides hoje = CorreEfemerides(tempo, lugar, escolha);
    for (int i = 0; i < N_CORPOS_EFEMERIDES; ++i) {
        PosSigno& p = mapa.CorpoEfemerides(i).Posicao();
        p.setValorGraus(hoje.longitudes[i]);
        mapa.Corpo(i).Posicao() = p;
        campos.PosPlaneta[i] = p.RetornaFormatado(FormatoCompleto);
    }

    // The local mean time is needed before the sidereal field holds anything, so it is
    // computed here rather than read back from lblHoras.
    const double universal = Reduz24(valores[1] - valores[2]);
    const double mediaLocal = Reduz24(universal - valores[4]);
    double meiaNoite = std::fmod(hoje.tempoSideralLocal - mediaLocal, 24.0);
    if (meiaNoite < 0)
        meiaNoite += 24.0;
    campos.txttemposideral = Modo1Horas(meiaNoite);

    for (int k = 0; k < 6; ++k)
        campos.PosCasas[k] = Modo2(hoje.cuspides[kCasasCampos[k]]);

    // The precise engine knows each body's speed at the birth instant.
    const ResultadoEfemerides anterior = hoje.comVelocidades ? hoje : CorreEfemerides(DiaAnterior(tempo), lugar);
    for (int i = 0; i < N_CORPOS_EFEMERIDES; ++i) {
        const bool retro = hoje.comVelocidades ? hoje.velocidades[i] < 0
                                               : MovimentoRetrogrado(hoje.longitudes[i], anterior.longitudes[i]);
        campos.lblretrogrado[i] = retro;
        mapa.Corpo(i).Retrogrado = retro;
    }

    for (int k = 0; k < N_PONTOS_EXTRA; ++k) {
        const bool calculado = TemPonto(hoje.extrasCalculados, k);
        PosSigno p;
        p.setValorGraus(hoje.extras[k]);
        campos.PosExtra[k] = calculado ? p.RetornaFormatado(FormatoCompleto) : QString();
        campos.retroExtra[k] = calculado && hoje.velocidadesExtra[k] < 0;
    }

    campos.escolha = escolha;
    campos.avisoCalculo = AvisoCalculo(hoje, escolha);
    campos.recursoPolar = hoje.recursoPolar;
    Rebuild(campos, mapa, redesenha);
    campos.mapaAberto = true;
    return true;
}
