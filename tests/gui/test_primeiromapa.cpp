// The first chart, as a new user makes it: Tab down the form, Calcular (button and F5) once
// the birth data are complete, the cast on entering the zone; positions typed by hand for a
// new chart; warnings beside fields that stay while the text is wrong; and the ephemeris form
// naming the universal-time days to copy.
#include "ambientegui.h"
#include "dialogosgui.h"
#include "frmmain.h"
#include "normaliza.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
QString focado() {
    QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : QString();
}

QLabel* avisoDe(QLineEdit* campo) {
    for (auto* l : campo->parentWidget()->findChildren<QLabel*>())
        if (l->styleSheet().contains(QStringLiteral("b00020")))
            return l;
    return nullptr;
}

} // namespace

class TestPrimeiroMapa : public QObject {
    Q_OBJECT
private slots:
    void init() { SaveOption(5, QStringLiteral("0")); }
    void calcularPelaOrdemDoFormulario();
    void mapaNovoAMao_data();
    void mapaNovoAMao();
    void avisoFicaAteValer_data();
    void avisoFicaAteValer();
    void efemeridesNosDiasUT();
};

void TestPrimeiroMapa::calcularPelaOrdemDoFormulario() {
    AmbienteGui amb;
    auto j = janela();
    QVERIFY(j);
    auto* calcular = filho<QPushButton>(j.get(), "cmdCalcular");
    QVERIFY(!calcular->isEnabled());
    QVERIFY(!j->accao(QStringLiteral("mnucalcular"))->isEnabled());

    // Tab goes down the form as it reads; the zone comes last, after the place.
    const QList<QPair<const char*, QString>> campos = {
        {"txtNome", QStringLiteral("Maria Silva")}, {"sexo0", QString()},
        {"txtData", QStringLiteral("25/4/1974")},   {"txtHora", QStringLiteral("0:25")},
        {"txtlocal", QStringLiteral("Lisboa")},     {"cmdatlas", QString()},
        {"txtLatitude", QStringLiteral("38º43' N")}, {"txtlongitude", QStringLiteral("9º8' W")},
        {"FusoHorario", QStringLiteral("1")}};
    clica(j.get(), "txtNome");
    for (const auto& [nome, texto] : campos) {
        QCOMPARE(focado(), QString::fromLatin1(nome));
        QVERIFY2(!calcular->isEnabled() || texto == QLatin1String("1"), nome); // not before the zone
        if (!texto.isEmpty())
            digita(QApplication::focusWidget(), texto);
        if (QByteArray(nome) != "FusoHorario")
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // Entering the empty zone cast nothing; the zone typed, Calcular is there.
    QVERIFY(!j->sessao().campos().mapaAberto);
    QVERIFY(calcular->isEnabled());
    QVERIFY(!j->accao(QStringLiteral("mnumap"))->isEnabled());
    QTest::mouseClick(calcular, Qt::LeftButton);
    const CamposMapa& c = j->sessao().campos();
    QVERIFY(c.mapaAberto);
    QVERIFY(c.PosPlaneta[0].endsWith(QStringLiteral("Touro"))); // the Sun on 25 April
    QVERIFY(j->accao(QStringLiteral("mnumap"))->isEnabled());

    // Another birth time, and Tab from the longitude into the zone casts again (the cast on
    // entering the zone); F5 casts as the button does.
    const QString lua = c.PosPlaneta[1];
    escreve(j.get(), "txtHora", QStringLiteral("12:25"));
    clica(j.get(), "txtlongitude");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(focado(), QStringLiteral("FusoHorario"));
    QVERIFY(c.PosPlaneta[1] != lua); // the Moon moves about 6º in 12 hours
    const QString luaMeioDia = c.PosPlaneta[1];
    escreve(j.get(), "txtHora", QStringLiteral("0:25"));
    clica(j.get(), "txtNome");
    QTest::keyClick(j.get(), Qt::Key_F5);
    QCOMPARE(c.PosPlaneta[1], lua);
    QVERIFY(luaMeioDia != lua);

    // Clicking "Automáticamente", already selected, still offers the cast.
    amb.caixa.chamadas.clear();
    amb.caixa.respostas << RespostaMsg::Nao;
    clica(j.get(), "optwrite2");
    QVERIFY(perguntou(amb, QStringLiteral("Deseja proceder ao calculo automático agora ?")));
}

void TestPrimeiroMapa::mapaNovoAMao_data() {
    QTest::addColumn<QString>("modo");
    QTest::addColumn<QString>("posicoes"); // typed into the form, separated by "|"
    QTest::addColumn<QString>("inicio");   // how the Sun's position then begins
    QTest::newRow("Escrever directamente") << "optwrite0" << "10º30' Touro" << "10º30'0''Touro";
    // 0:25 at UTC+1 is 23h25 UT: 10º + 23.42/24 of 1º = 10º58'32'' (by hand).
    QTest::newRow("Usar Efemérides") << "optwrite1" << "10º0' Touro|11º0' Touro" << "10º58'";
}

void TestPrimeiroMapa::mapaNovoAMao() {
    QFETCH(QString, modo);
    QFETCH(QString, posicoes);
    QFETCH(QString, inicio);
    AmbienteGui amb;
    auto j = janela();
    QVERIFY(j);
    QVERIFY(!j->accao(QStringLiteral("mnudata"))->isEnabled());
    clica(j.get(), qPrintable(modo));
    QVERIFY(j->accao(QStringLiteral("mnudata"))->isEnabled());
    QVERIFY(!j->accao(QStringLiteral("mnumap"))->isEnabled());
    escreveNascimento(j.get());
    QVERIFY(!j->sessao().campos().mapaAberto);
    QTest::keyClick(j.get(), Qt::Key_2, Qt::ControlModifier);
    QCOMPARE(j->vistaActual(), 1);
    QCOMPARE(filho<QPushButton>(j.get(), "PosPlaneta0")->text(), QStringLiteral("(clique para escrever)"));
    quandoAberto<QDialog>([posicoes](QDialog* d) {
        const QStringList p = posicoes.split(QLatin1Char('|'));
        if (p.size() == 1) {
            digita(filho<QLineEdit>(d, "txtvalor"), p[0]);
            clica(d, "cmdOK");
        } else {
            digita(filho<QLineEdit>(d, "txtpos0"), p[0]);
            digita(filho<QLineEdit>(d, "txtpos1"), p[1]);
            clica(d, "cmdoK");
        }
    });
    clica(j.get(), "PosPlaneta0");
    QVERIFY2(filho<QPushButton>(j.get(), "PosPlaneta0")->text().startsWith(inicio),
             qPrintable(filho<QPushButton>(j.get(), "PosPlaneta0")->text()));
    // A chart now: the wheel and the other views are open to it.
    QVERIFY(j->accao(QStringLiteral("mnumap"))->isEnabled());
    QVERIFY(j->accao(QStringLiteral("mnuFileSave"))->isEnabled());
}

void TestPrimeiroMapa::avisoFicaAteValer_data() {
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("errado");
    QTest::addColumn<QString>("aindaErrado"); // typed on after it
    QTest::addColumn<QString>("certo");
    QTest::newRow("31 de Fevereiro") << "txtData" << "31/2/1990" << "0" << "28/2/1990";
    QTest::newRow("25 horas") << "txtHora" << "25:00" << "0" << "23:00";
    QTest::newRow("fuso abc") << "FusoHorario" << "abc" << "d" << "-3";
}

void TestPrimeiroMapa::avisoFicaAteValer() {
    QFETCH(QString, campo);
    QFETCH(QString, errado);
    QFETCH(QString, aindaErrado);
    QFETCH(QString, certo);
    AmbienteGui amb;
    auto j = janela();
    QVERIFY(j);
    auto* e = filho<QLineEdit>(j.get(), qPrintable(campo));
    QLabel* aviso = avisoDe(e);
    QVERIFY(aviso);
    escreve(j.get(), qPrintable(campo), errado);
    clica(j.get(), "txtNome");
    QVERIFY(aviso->isVisibleTo(j.get()));
    QVERIFY(!aviso->text().isEmpty());
    // Typing on, still wrong, and the window refreshing its fields: the warning stays.
    clica(j.get(), qPrintable(campo));
    QTest::keyClick(e, Qt::Key_End);
    digita(e, aindaErrado);
    QVERIFY(aviso->isVisibleTo(j.get()));
    clica(j.get(), "Image1"); // recompute the derived times
    QVERIFY(aviso->isVisibleTo(j.get()));
    QCOMPARE(e->text(), errado + aindaErrado);
    // Corrected: gone at once, before the field is left.
    escreve(j.get(), qPrintable(campo), certo);
    QVERIFY(!aviso->isVisibleTo(j.get()));
}

void TestPrimeiroMapa::efemeridesNosDiasUT() {
    AmbienteGui amb;
    auto j = janela();
    QVERIFY(j);
    clica(j.get(), "optwrite1");
    escreve(j.get(), "txtData", QStringLiteral("25/4/1974"));
    escreve(j.get(), "txtHora", QStringLiteral("0:20"));
    escreve(j.get(), "FusoHorario", QStringLiteral("1"));
    clica(j.get(), "txtNome");
    QTest::keyClick(j.get(), Qt::Key_2, Qt::ControlModifier);
    // The Moon at 0h UT of 24 and 25 April 1974 and at 23h20 UT of the 24th, from swetest
    // (-nonut): 53.5040035º, 67.4791469º and 67.0891278º.
    QString nota, dica0, dica1;
    quandoAberto<QDialog>([&](QDialog* d) {
        nota = filho<QLabel>(d, "lblnota")->text();
        dica0 = filho<QLineEdit>(d, "txtpos0")->toolTip();
        dica1 = filho<QLineEdit>(d, "txtpos1")->toolTip();
        digita(filho<QLineEdit>(d, "txtpos0"), QStringLiteral("23º30'14'' Touro"));
        digita(filho<QLineEdit>(d, "txtpos1"), QStringLiteral("7º28'45'' Gémeos"));
        clica(d, "cmdoK");
    });
    clica(j.get(), "PosPlaneta1");
    QCOMPARE(dica0, QStringLiteral("Posição às 0h UT de 24/4/1974"));
    QCOMPARE(dica1, QStringLiteral("Posição às 0h UT de 25/4/1974"));
    QVERIFY2(nota.contains(QStringLiteral("24/4/1974")) && nota.contains(QStringLiteral("23h20'")), qPrintable(nota));
    QVERIFY(amb.caixa.chamadas.isEmpty()); // between the two entries: no warning
    const Normalizado lua = NormalizaPosicao(j->sessao().campos().PosPlaneta[1]);
    QVERIFY(lua.ok);
    // A day's linear interpolation of the Moon is good to a few arc seconds here.
    QVERIFY2(qAbs(lua.valor - 67.0891278) < 1.0 / 60.0, qPrintable(j->sessao().campos().PosPlaneta[1]));
}

QTEST_MAIN(TestPrimeiroMapa)
#include "test_primeiromapa.moc"
