// The first chart as a new user makes it (Tab order, Calcular, the cast on the zone, warnings beside wrong
// fields); positions typed by hand, each expected one worked out by hand or from swetest; the keypad.
#include "ambientegui.h"
#include "calculos.h"
#include "normaliza.h"
#include "possigno.h"

#include <cmath>

namespace {
QString focado() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }
double graus(const QString& texto) { return NormalizaPosicao(texto).valor; }
} // namespace

class TestCalculos : public QObject {
    Q_OBJECT
private slots:
    void init() { SaveOption(5, "0"); } // cast on entering the zone

    void interpola_data() {
        colunas<QString, QString, int, QString, double, QString, bool>({"a", "b", "alvo", "data", "horaUT", "esperado", "retrogrado"});
        const int ln = ALVO_LUA_NEGRA;
        QTest::newRow("directo ao meio-dia") << "10º0'Carneiro" << "11º0'Carneiro" << 2 << "1/5/1990" << 12.0 << "10º30'0''Carneiro" << false;
        QTest::newRow("retrógrado às 6h") << "11º0'0''Carneiro" << "10º0'0''Carneiro" << 3 << "1/5/1990" << 6.0 << "10º45'0''Carneiro" << true;
        // 359º → 1º is 2º forward; half way lies 0º. An exact 0º is the start of the circle.
        QTest::newRow("cruza 0º") << "29º0'Peixes" << "1º0'Carneiro" << 1 << "1/5/1990" << 12.0 << "0º0'0''Carneiro" << false;
        QTest::newRow("parte de 0º") << "0º0'Carneiro" << "1º0'Carneiro" << 1 << "1/5/1990" << 12.0 << "0º30'0''Carneiro" << false;
        QTest::newRow("recua sobre 0º") << "1º0'Carneiro" << "29º0'Peixes" << 4 << "1/5/1990" << 12.0 << "0º0'0''Carneiro" << true;
        // Black Moon: 130º → 133º over June (30 days); day 15 lies half way, whatever the date's form.
        QTest::newRow("Lua Negra dia 15 de 30") << "10º0'Leão" << "13º0'Leão" << ln << "15/6/1980" << 0.0 << "11º30'0''Leão" << false;
        QTest::newRow("Lua Negra mês primeiro") << "10º0'Leão" << "13º0'Leão" << ln << "6/15/1980" << 7.0 << "11º30'0''Leão" << false;
        // 1º a day over February: 29 days in 1980, 28 in 1981 and in 1900 (no Gregorian leap year).
        QTest::newRow("Fevereiro bissexto") << "0º0'Touro" << "29º0'Touro" << ln << "14/2/1980" << 0.0 << "14º0'0''Touro" << false;
        QTest::newRow("Fevereiro comum") << "0º0'Touro" << "28º0'Touro" << ln << "14/2/1981" << 0.0 << "14º0'0''Touro" << false;
        QTest::newRow("Fevereiro 1900") << "0º0'Touro" << "28º0'Touro" << ln << "14/2/1900" << 0.0 << "14º0'0''Touro" << false;
    }
    void interpola() {
        QFETCH(QString, a); QFETCH(QString, b); QFETCH(int, alvo); QFETCH(QString, data); QFETCH(double, horaUT);
        QFETCH(QString, esperado); QFETCH(bool, retrogrado);
        const Interpolacao r = Interpola(a, b, alvo, data, horaUT);
        QVERIFY2(r.ok, qPrintable(r.erro));
        QCOMPARE(r.texto, esperado);
        QCOMPARE(r.retrogrado, retrogrado);
    }

    void formulariosEfemerides() {
        MensagensGravadas caixa;
        CaixaTemporaria instalada(&caixa);
        CamposMapa c;
        c.txtData = "1/5/1990";
        c.lblHoras[0] = "18h0'0''";  // universal time
        c.lblHoras[1] = "17h23'0''"; // local mean time, which must not be used
        c.PosPlaneta[4] = "1º0'0''Carneiro";
        frmcalculos f(c, 4);
        f.show();
        auto *p0 = filho<QLineEdit>(&f, "txtpos0"), *p1 = filho<QLineEdit>(&f, "txtpos1");
        // A field without its minutes mark: the message naming it, and nothing written.
        p0->setText("20º Gémeos");
        p1->setText("24º0'Gémeos");
        filho<QPushButton>(&f, "cmdoK")->click();
        QVERIFY(caixa.chamadas.size() == 1 && caixa.chamadas[0].texto.contains("Posição em (dia Natal )"));
        QCOMPARE(c.PosPlaneta[4], "1º0'0''Carneiro");
        // 20º → 24º in a day; at 18h UT three quarters of 4º: 23º.
        p0->setText("20º0'Gémeos");
        filho<QPushButton>(&f, "cmdoK")->click();
        QCOMPARE(p0->text(), "20º0'0''Gémeos");
        QCOMPARE(p1->text(), "24º0'0''Gémeos");
        QCOMPARE(c.PosPlaneta[4], "23º0'0''Gémeos");
        QVERIFY(!c.lblretrogrado[4]);
        QCOMPARE(f.result(), int(QDialog::Accepted));
        // Without any time the Moon is not interpolated at 0h UT silently.
        CamposMapa semHora;
        semHora.PosPlaneta[1] = "1º0'0''Carneiro";
        frmcalculos g(semHora, 1);
        filho<QLineEdit>(&g, "txtpos0")->setText("1º0'Carneiro");
        filho<QLineEdit>(&g, "txtpos1")->setText("14º0'Carneiro");
        filho<QPushButton>(&g, "cmdoK")->click();
        QCOMPARE(caixa.chamadas.size(), 2);
        QCOMPARE(semHora.PosPlaneta[1], "1º0'0''Carneiro");
        // The direct form opens on the value, selected: what is typed replaces it. An unreadable text
        // writes nothing and keeps the form open with the whole of its reason in view.
        c.PosPlaneta[7] = "15º30'0''Touro";
        frmcalculosdirectos e(c, 7);
        e.show();
        QVERIFY(QTest::qWaitForWindowExposed(&e));
        auto* valor = filho<QLineEdit>(&e, "txtvalor");
        digita(valor, "quinze graus e meio de Touro, mais ou menos, como vem na efeméride");
        QTest::keyClick(valor, Qt::Key_Return);
        QCOMPARE(valor->text(), "quinze graus e meio de Touro, mais ou menos, como vem na efeméride");
        auto* erro = filho<QLabel>(&e, "lblErro");
        QApplication::processEvents();
        QVERIFY(e.isVisible() && !erro->text().isEmpty() && c.PosPlaneta[7] == "15º30'0''Touro");
        QVERIFY2(erro->height() >= erro->heightForWidth(erro->width()) && e.rect().contains(erro->geometry()),
                 qPrintable(erro->text()));
        QTest::keyClick(valor, Qt::Key_A, Qt::ControlModifier);
        digita(valor, "10º30' Capricórnio");
        filho<QCheckBox>(&e, "Check1")->setChecked(true);
        QTest::keyClick(valor, Qt::Key_Return);
        QCOMPARE(c.PosPlaneta[7], "10º30'0''Capricórnio");
        QVERIFY(c.lblretrogrado[7]);
        // The Black Moon form names the two dates to copy, the last days of the month before and of
        // the birth month; 3º over the 30 days of June is 0.1º a day, 15 days after 31 May: 1º30'.
        CamposMapa ln;
        ln.txtData = "15/6/1980";
        frmcalculos h(ln, ALVO_LUA_NEGRA);
        h.show();
        QVERIFY(QTest::qWaitForWindowExposed(&h));
        QVERIFY(filho<QLabel>(&h, "lblnota")->text().startsWith("Posições em 31/5/1980 e em 30/6/1980 "));
        QTest::keyClicks(filho(&h, "txtpos0"), "10º0'Touro"); // sign names without accents, key by key
        QTest::keyClicks(filho(&h, "txtpos1"), "13º0'Touro");
        QTest::mouseClick(filho(&h, "cmdoK"), Qt::LeftButton);
        QCOMPARE(ln.PosPlaneta[ALVO_LUA_NEGRA], "11º30'0''Touro");
    }

    void tecladoNaJanela() {
        AmbienteGui amb;
        auto j = janela(true);
        const CamposMapa& c = j->sessao().campos();
        QVERIFY2(c.mapaAberto, "o mapa não foi calculado");
        j->accao("mnupartes")->trigger();
        auto* campo = filho<QLineEdit>(j.get(), "txtexpression");
        auto *posicao = filho<QLabel>(j.get(), "calparte"), *casa = filho<QLabel>(j.get(), "calpartescasas"),
             *erro = filho<QLabel>(j.get(), "erroExpressao");
        const auto tecla = [&j](const char* t) { filho<QPushButton>(j.get(), t)->click(); };
        tecla("pad24");
        QCOMPARE(campo->text(), "ASC - SOL + LUA ");
        tecla("pad27");
        // By hand from the texts the window shows: Asc − Sol + Lua (the Ascendant is the fourth of
        // the cusps entered, X to III), which is the Part of Fortune the window computes.
        PosSigno esperado;
        esperado.setValorGraus(std::fmod(graus(c.PosCasas[3]) - graus(c.PosPlaneta[0]) + graus(c.PosPlaneta[1]) + 720.0, 360.0));
        QCOMPARE(posicao->text(), esperado.RetornaFormatado(FormatoGraus));
        QVERIFY(casa->text().endsWith("ª casa") && erro->text().isEmpty());
        // Typed without blanks, the names still get their bracket: the same point.
        campo->setText("asc-sol+lua");
        tecla("pad27");
        QCOMPARE(campo->text(), "ASC-SOL+LUA ");
        QCOMPARE(posicao->text(), esperado.RetornaFormatado(FormatoGraus));
        // An unclosed bracket: the message, and no position at all rather than 0º Carneiro.
        campo->setText("(1+2");
        tecla("pad27");
        QCOMPARE(erro->text(), QString::fromUtf8("Erro: parênteses mal colocados!"));
        QVERIFY(posicao->text().isEmpty() && casa->text().isEmpty());
        // Division by zero has no message of the evaluator's own, but is not shown as 0º either.
        campo->setText("1/0");
        tecla("pad27");
        QVERIFY(!erro->text().isEmpty() && posicao->text().isEmpty());
        tecla("padLimpar");
        QVERIFY(campo->text().isEmpty() && erro->text().isEmpty());
        tecla("pad26"); // π radians: 0º Libra
        tecla("pad27");
        QCOMPARE(posicao->text(), "0º Libra");
    }

    void calcularPelaOrdemDoFormulario() {
        AmbienteGui amb;
        auto j = janela();
        auto* calcular = filho<QPushButton>(j.get(), "cmdCalcular");
        QVERIFY(!calcular->isEnabled() && !j->accao("mnucalcular")->isEnabled());
        // Tab goes down the form as it reads; the zone comes last, after the place.
        const QList<QPair<QString, QString>> campos = {
            {"txtNome", "Maria Silva"}, {"sexo0", ""}, {"txtData", "25/4/1974"}, {"txtHora", "0:25"},
            {"txtlocal", "Lisboa"}, {"cmdatlas", ""}, {"txtLatitude", "38º43' N"}, {"txtlongitude", "9º8' W"},
            {"FusoHorario", "1"}};
        clica(j.get(), "txtNome");
        for (const auto& [nome, texto] : campos) {
            QCOMPARE(focado(), nome);
            QVERIFY2(!calcular->isEnabled() || nome == "FusoHorario", qPrintable(nome)); // not before the zone
            digita(QApplication::focusWidget(), texto);
            if (nome != "FusoHorario") QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        // Entering the empty zone cast nothing; the zone typed, Calcular is there.
        const CamposMapa& c = j->sessao().campos();
        QVERIFY(!c.mapaAberto && calcular->isEnabled() && !j->accao("mnumap")->isEnabled());
        QTest::mouseClick(calcular, Qt::LeftButton);
        QVERIFY(c.mapaAberto && j->accao("mnumap")->isEnabled() && c.PosPlaneta[0].endsWith("Touro")); // the Sun on 25 April
        // Another birth time, and Tab from the longitude into the zone casts again.
        const QString lua = c.PosPlaneta[1];
        escreve(j.get(), "txtHora", "12:25");
        clica(j.get(), "txtlongitude");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focado(), "FusoHorario");
        QVERIFY(c.PosPlaneta[1] != lua); // the Moon moves about 6º in 12 hours
        // Clicking "Automáticamente", already selected, still offers the cast.
        amb.caixa.respostas << RespostaMsg::Nao;
        clica(j.get(), "optwrite2");
        QVERIFY(amb.perguntou("Deseja proceder ao cálculo automático agora?"));
    }

    // A wrong field is pointed out beside it, not in a box, and nothing typed is lost.
    void avisoFicaAteValer_data() {
        // aindaErrado: typed on after it
        colunas<QString, QString, QString, QString>({"campo", "errado", "aindaErrado", "certo"});
        QTest::newRow("31 de Fevereiro") << "txtData" << "31/2/1990" << "0" << "28/2/1990";
        QTest::newRow("25 horas") << "txtHora" << "25:00" << "0" << "23:00";
        QTest::newRow("fuso abc") << "FusoHorario" << "abc" << "d" << "-3";
        QTest::newRow("longitude ilegível") << "txtlongitude" << "perto" << "!" << "9º8' W";
    }
    void avisoFicaAteValer() {
        QFETCH(QString, campo); QFETCH(QString, errado); QFETCH(QString, aindaErrado); QFETCH(QString, certo);
        AmbienteGui amb;
        auto j = janela();
        auto* e = filho<QLineEdit>(j.get(), campo);
        QLabel* aviso = nullptr;
        for (auto* l : e->parentWidget()->findChildren<QLabel*>())
            if (l->styleSheet().contains("b00020")) aviso = l;
        QVERIFY(aviso);
        escreve(j.get(), campo, errado);
        clica(j.get(), "txtNome");
        QVERIFY(aviso->isVisibleTo(j.get()) && !aviso->text().isEmpty());
        QCOMPARE(e->text(), errado);
        // Typing on, still wrong, and the window refreshing its fields: the warning stays.
        clica(j.get(), campo);
        QTest::keyClick(e, Qt::Key_End);
        digita(e, aindaErrado);
        QVERIFY(aviso->isVisibleTo(j.get()));
        clica(j.get(), "Image1"); // recompute the derived times
        QVERIFY(aviso->isVisibleTo(j.get()));
        QCOMPARE(e->text(), errado + aindaErrado);
        // Corrected: gone at once, before the field is left.
        escreve(j.get(), campo, certo);
        QVERIFY(!aviso->isVisibleTo(j.get()));
        QVERIFY(amb.caixa.chamadas.isEmpty());
    }

    // A new chart by hand from copied ephemerides: the form names the universal-time days to copy.
    void efemeridesNosDiasUT() {
        AmbienteGui amb;
        auto j = janela();
        QTest::keyClick(j.get(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), filho(j.get(), "txtNome"));
        QVERIFY(!j->accao("mnudata")->isEnabled());
        clica(j.get(), "optwrite1");
        QVERIFY(j->accao("mnudata")->isEnabled() && !j->accao("mnumap")->isEnabled());
        QVERIFY(j->accao("tb_id")->isEnabled() && j->accao("mnuprofile")->isEnabled());
        escreve(j.get(), "txtData", "25/4/1974");
        escreve(j.get(), "txtHora", "0:20");
        escreve(j.get(), "FusoHorario", "1");
        clica(j.get(), "txtNome");
        QTest::keyClick(j.get(), Qt::Key_2, Qt::ControlModifier);
        QCOMPARE(j->vistaActual(), 1);
        // The Moon at 0h UT of 24 and 25 April 1974 and at 23h20 UT of the 24th, from swetest
        // (-nonut): 53.5040035º, 67.4791469º and 67.0891278º.
        QString nota, dicas;
        quandoAberto<QDialog>([&](QDialog* d) {
            nota = filho<QLabel>(d, "lblnota")->text();
            dicas = filho(d, "txtpos0")->toolTip() + " | " + filho(d, "txtpos1")->toolTip();
            digita(filho(d, "txtpos0"), "23º30'14'' Touro");
            digita(filho(d, "txtpos1"), "7º28'45'' Gémeos");
            clica(d, "cmdoK");
        });
        clica(j.get(), "PosPlaneta1");
        QCOMPARE(dicas, "Posição às 0h UT de 24/4/1974 | Posição às 0h UT de 25/4/1974");
        QVERIFY2(nota.contains("24/4/1974") && nota.contains("23h20'"), qPrintable(nota));
        QVERIFY(amb.caixa.chamadas.isEmpty()); // between the two entries: no warning
        const Normalizado lua = NormalizaPosicao(j->sessao().campos().PosPlaneta[1]);
        // A day's linear interpolation of the Moon is good to a few arc seconds here.
        QVERIFY2(lua.ok && qAbs(lua.valor - 67.0891278) < 1.0 / 60.0, qPrintable(j->sessao().campos().PosPlaneta[1]));
        // A chart now: the wheel and the other views are open to it.
        QVERIFY(j->accao("mnumap")->isEnabled() && j->accao("mnuFileSave")->isEnabled());
    }
};

QTEST_MAIN(TestCalculos)
#include "test_calculos.moc"
