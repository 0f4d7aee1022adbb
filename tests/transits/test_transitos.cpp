// Transits, progressions and returns checked against swetest: at every instant found the
// engine's reference tool must show the separation the search claims, within 1″ for the
// bodies (5″ where an angle is the natal point); counts and directions from its daily tables.
#include "ferramentas.h"
#include "aspectos.h"
#include "ficheiromapa.h"
#include "mensagens.h"
#include "pontual.h"
#include "progressoes.h"
#include "retornos.h"
#include "tempo.h"
#include "transitos.h"

#include "swetest.h"

#include <QTest>

namespace {
constexpr double SEGUNDO = 1.0 / 3600.0;

double Jd(int d, int m, int a, double horas = 0.0) { return DiaJuliano0h(d, m, a) + horas / 24.0; }

// A chart made by hand: the Sun at 24° Carneiro, where Saturn passes three times in
// 2027–2028 (direct in May, retrograde in October, direct again in February: swetest's table).
Natal NatalSaturno() {
    Natal n;
    n.jd = Jd(1, 1, 1990, 12.0);
    n.latitude = 38.7;
    n.longitudeLeste = -9.1;
    const double l[14] = {24.0, 100.0, 3.0, 50.5, 200.0, 250.0, 290.0, 275.0, 282.0, 226.0, 310.0, 140.0, 175.25, 85.5};
    for (int i = 0; i < 14; ++i) n.pontos.push_back({i, l[i]});
    for (int h = 1; h <= 12; ++h) n.cuspides[size_t(h)] = Reduz360(175.25 + 30.0 * (h - 1));
    return n;
}
} // namespace

class TestTransitos : public QObject {
    Q_OBJECT
    Natal maria;

private slots:
    void initTestCase() {
        EXIGE_FERRAMENTA("swetest", "swetest");
        MensagensGravadas mensagens;
        CamposMapa campos;
        Mapa mapa;
        QVERIFY(OpenFile(QStringLiteral(NATALIS_SOURCE_DIR "/tests/chart/data/maria.anc"), campos, mapa, {}, false));
        QVERIFY(NatalDoMapa(campos, mapa, maria));
    }

    void natalDoFicheiro() {
        // 13/6/1888 15h20 at zone 0: swetest -b13.6.1888 -ut15:20 -fJ gives 2410802.13889.
        QVERIFY(std::fabs(maria.jd - 2410802.138889) < 1e-6);
        QCOMPARE(maria.pontos.size(), size_t(N_PONTOS_NATAIS));
        QVERIFY(std::fabs(maria.Longitude(0) - (60 + 20 + 10 / 60.0 + 5 / 3600.0)) < 1e-9); // 20º10'5''Gémeos
        QVERIFY(std::fabs(maria.Longitude(PONTO_MEIO_CEU) - 270.0) < 1e-9);             // cusp X, 0º Capricórnio
        QVERIFY(std::fabs(maria.longitudeLeste + 15.0 * (36 / 60.0 + 32 / 3600.0)) < 1e-9);
    }

    // Maria's transits of 2027. (A hand-made chart's Saturn passing three times: below.)
    void periodo() {
        const Natal& n = maria;
        PedidoPeriodo p;
        p.inicio = Jd(1, 1, 2027);
        p.fim = Jd(1, 1, 2028);
        const std::vector<EventoTransito> v = TransitosDoPeriodo(n, p);
        int verificados = 0, lua = 0;
        for (const EventoTransito& e : v) {
            if (e.tipo != TipoEvento::Aspecto) continue;
            QVERIFY(e.Fim() >= p.inicio && e.Inicio() <= p.fim);
            if (e.corpo == 1 && ++lua > 25) continue; // the Moon's first passes stand for the rest
            const double tolerancia = (e.alvo >= PONTO_ASCENDENTE ? 5.0 : 1.0) * SEGUNDO;
            // The distance on the reference ephemeris from the aspect, on either side of the natal point.
            const auto orbe = [&](double t) {
                const double l = SwetestNoDia(t, e.corpo).longitude - n.Longitude(e.alvo), a = AnguloAspecto(e.aspecto);
                return std::min(std::fabs(Reduz180(l - a)), std::fabs(Reduz180(l + a)));
            };
            // Each exact pass, and the orb's limits.
            for (double t : e.exactos) {
                const double h = orbe(t);
                QVERIFY2(h < tolerancia, qPrintable(QStringLiteral("%1 %2 %3: %4″").arg(NomeTransitante(e.corpo), NomeAspecto(e.aspecto),
                                                                                        NomePontoNatal(e.alvo)).arg(h * 3600.0)));
                ++verificados;
            }
            for (double t : {e.entrada, e.saida}) // Pluto's slow limits: a day's error would show
                QVERIFY(std::isnan(t) || e.corpo != 9 || std::fabs(orbe(t) - 1.5) < SEGUNDO);
        }
        QVERIFY2(verificados > 150, qPrintable(QString::number(verificados)));
    }

    void passagemTripla() {
        const Natal n = NatalSaturno();
        PedidoPeriodo p;
        p.inicio = Jd(1, 1, 2027);
        p.fim = Jd(31, 12, 2027);
        p.corpos = 1u << 6;
        const std::vector<EventoTransito> v = TransitosDoPeriodo(n, p);
        const auto e = std::find_if(v.cbegin(), v.cend(), [](const EventoTransito& x) {
            return x.tipo == TipoEvento::Aspecto && x.alvo == 0 && x.aspecto == ASPECTO_CONJUNCAO;
        });
        QVERIFY(e != v.cend());
        QCOMPARE(e->exactos.size(), size_t(3));
        // Direct, retrograde, direct, as the reference's speeds have it: one transit from the
        // first entry into the orb to the last exit, though Saturn leaves the orb between passes.
        const double sinais[3] = {1, -1, 1};
        for (size_t k = 0; k < 3; ++k) {
            const CorpoSwetest r = SwetestNoDia(e->exactos[k], 6);
            QVERIFY(std::fabs(Reduz180(r.longitude - 24.0)) < SEGUNDO);
            QVERIFY(r.velocidade * sinais[k] > 0);
        }
        QVERIFY(e->entrada < e->exactos[0] && e->exactos[2] < e->saida);
        QVERIFY(e->exactos[2] > Jd(1, 1, 2028)); // the last pass lies beyond the period, and is listed
    }

    void ingressosEEstacoes() {
        PedidoPeriodo p;
        p.inicio = Jd(1, 1, 2027);
        p.fim = Jd(1, 1, 2028);
        p.aspectos = false;
        p.corpos = (1u << 0) | (1u << 2);
        int signosSol = 0, estacoes = 0;
        for (const EventoTransito& e : TransitosDoPeriodo(maria, p)) {
            const double t = e.exactos.at(0);
            const CorpoSwetest r = SwetestNoDia(t, e.corpo);
            if (e.tipo == TipoEvento::Estacao) {
                // The speed changes sign within a quarter of an hour either side.
                QCOMPARE(e.corpo, 2);
                QVERIFY(SwetestNoDia(t - 0.01, 2).velocidade * SwetestNoDia(t + 0.01, 2).velocidade < 0);
                QCOMPARE(e.alvo == 0, SwetestNoDia(t + 0.01, 2).velocidade < 0);
                ++estacoes;
                continue;
            }
            QCOMPARE(e.retrogrado, r.velocidade < 0);
            const double borda = e.tipo == TipoEvento::Signo ? 30.0 * (e.retrogrado ? e.alvo + 1 : e.alvo)
                                                             : maria.cuspides[size_t(e.retrogrado ? e.alvo % 12 + 1 : e.alvo)];
            QVERIFY(std::fabs(Reduz180(r.longitude - borda)) < SEGUNDO);
            if (e.tipo == TipoEvento::Signo && e.corpo == 0) ++signosSol;
        }
        QCOMPARE(signosSol, 12);
        // swetest's daily speeds of Mercury change sign six times in 2027.
        QCOMPARE(estacoes, 6);
    }

    void aspectosNoMomento_data() {
        QTest::addColumn<double>("movel"); QTest::addColumn<double>("velocidade"); QTest::addColumn<double>("fixo");
        QTest::addColumn<int>("tipo"); QTest::addColumn<double>("orbe"); QTest::addColumn<bool>("aplicativo");
        QTest::newRow("quadratura a aplicar") << 100.0 << 1.0 << 10.5 << ASPECTO_QUADRATURA << 0.5 << true;
        QTest::newRow("a mesma, retrógrado: separa") << 100.0 << -0.1 << 10.5 << ASPECTO_QUADRATURA << 0.5 << false;
        QTest::newRow("oposição através de 0° Carneiro, a aplicar") << 359.5 << 1.0 << 180.25 << ASPECTO_OPOSICAO << 0.75 << true;
        QTest::newRow("oposição já passada") << 0.5 << 1.0 << 179.75 << ASPECTO_OPOSICAO << 0.75 << false;
        QTest::newRow("sextil para trás") << 10.0 << 1.0 << 70.9 << ASPECTO_SEXTIL << 0.9 << true;
        QTest::newRow("fora da orbe") << 10.0 << 1.0 << 131.2 << 0 << 0.0 << false;
    }
    void aspectosNoMomento() {
        QFETCH(double, movel); QFETCH(double, velocidade); QFETCH(double, fixo); QFETCH(int, tipo); QFETCH(double, orbe); QFETCH(bool, aplicativo);
        const std::vector<AspectoMomento> v = AspectosEntre({{4, movel, velocidade}}, {{0, fixo}}, [](int) { return 1.0; });
        QCOMPARE(v.size(), size_t(tipo ? 1 : 0));
        if (!tipo) return;
        QCOMPARE(v[0].tipo, tipo);
        QVERIFY(std::fabs(v[0].orbe - orbe) < 1e-9);
        QCOMPARE(v[0].aplicativo, aplicativo);
    }

    void retornos_data() {
        QTest::addColumn<int>("tipo"); QTest::addColumn<double>("perto");
        QTest::newRow("solar, 2027") << int(TipoRetorno::Solar) << Jd(1, 6, 2027);
        QTest::newRow("solar, perto do fim do ano") << int(TipoRetorno::Solar) << Jd(20, 12, 2027);
        QTest::newRow("lunar, Março de 2027") << int(TipoRetorno::Lunar) << Jd(10, 3, 2027);
    }
    void retornos() {
        QFETCH(int, tipo); QFETCH(double, perto);
        const TipoRetorno t = TipoRetorno(tipo);
        const int corpo = t == TipoRetorno::Solar ? 0 : 1;
        const double alvo = maria.Longitude(corpo);
        const double instante = InstanteRetorno(t, alvo, perto);
        // To the second: the Sun moves 0.04″ in a second, the Moon 0.55″.
        const double h = std::fabs(Reduz180(SwetestNoDia(instante, corpo).longitude - alvo)) * 3600.0;
        QVERIFY2(h < (corpo == 0 ? 0.05 : 0.6), qPrintable(QString::number(h)));
        QVERIFY(std::fabs(instante - perto) < (corpo == 0 ? 183.0 : 14.8));
        // The chart of the return: its clock time to the minute, its Sun or Moon on the natal one.
        MensagensGravadas mensagens;
        CamposMapa c;
        Mapa m;
        const LugarRetorno lugar{QStringLiteral("Porto"), 41.15, -8.61, 1.0};
        QVERIFY(MapaRetorno(maria, t, instante, lugar, c, m));
        const DataCivil d = DataDoDiaJuliano(instante + 1.0 / 24.0);
        QCOMPARE(c.txtData, QStringLiteral("%1/%2/%3").arg(d.dia).arg(d.mes).arg(d.ano));
        QCOMPARE(c.txtHora, QStringLiteral("%1h%2'").arg(int(d.horas)).arg(int(std::fmod(d.horas, 1.0) * 60.0)));
        QVERIFY(std::fabs(Reduz180(m.Corpo(corpo).Posicao().ValorGraus() - alvo)) < 1.5 * SEGUNDO);
        QVERIFY(c.txtlocal == QStringLiteral("Porto") && c.txtLatitude.startsWith(QStringLiteral("41º9'")));
    }

    void luaProgredida() {
        // Progressed to 2027, the Moon's ingresses: at each real date, the sky of birth plus
        // one day a year shows the Moon on a sign's first degree or a natal cusp.
        const std::vector<EventoTransito> v = IngressosLuaProgredida(maria, Jd(1, 1, 2020), Jd(1, 1, 2030));
        QVERIFY(v.size() >= 8); // about 13° a year over ten years: four or five signs and houses
        for (const EventoTransito& e : v) {
            const double tp = DiaProgredido(maria, e.exactos.at(0));
            const double l = SwetestNoDia(tp, 1).longitude;
            const double borda = e.tipo == TipoEvento::Signo ? 30.0 * e.alvo : maria.cuspides[size_t(e.alvo)];
            QVERIFY2(std::fabs(Reduz180(l - borda)) < SEGUNDO, qPrintable(QString::number(Reduz180(l - borda) * 3600)));
        }
        // A day for a tropical year: 36.524219 years after birth, the tenth day's sky.
        QVERIFY(std::fabs(DiaProgredido(maria, maria.jd + 3652.4219) - (maria.jd + 10.0)) < 1e-9);
    }

    void arcoSolar() {
        // The progressed Sun less the natal one (both from swetest) moves every natal point.
        const double jd = Jd(13, 6, 2027);
        const double tp = DiaProgredido(maria, jd);
        const double arco = Reduz360(SwetestNoDia(tp, 0).longitude - SwetestNoDia(maria.jd, 0).longitude);
        const Progressao p = Progride(maria, jd);
        QVERIFY(std::fabs(p.arcoSolar - arco) < SEGUNDO);
        for (const PontoMovel& d : Direcciona(maria, jd))
            QVERIFY(std::fabs(Reduz180(d.longitude - maria.Longitude(d.codigo) - arco)) < SEGUNDO);
        // The progressed Midheaven: the natal one's right ascension plus the Sun's arc in right
        // ascension, back to the ecliptic (obliquities from the engine).
        const double en = ObliquidadeVerdadeira(maria.jd), ep = ObliquidadeVerdadeira(tp);
        const double ra = AscensaoRecta(270.0, en) + AscensaoRecta(SwetestNoDia(tp, 0).longitude, ep) - AscensaoRecta(SwetestNoDia(maria.jd, 0).longitude, en);
        const double l = Reduz360(std::atan2(std::sin(ra * M_PI / 180) , std::cos(ra * M_PI / 180) * std::cos(ep * M_PI / 180)) * 180 / M_PI);
        QVERIFY2(std::fabs(Reduz180(p.meioCeu - l)) < 5 * SEGUNDO, qPrintable(QString::number(p.meioCeu) + " " + QString::number(l)));
    }
};

QTEST_MAIN(TestTransitos)
#include "test_transitos.moc"
