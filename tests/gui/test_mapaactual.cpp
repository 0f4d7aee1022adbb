// The chart on screen always belongs to its birth data: recast as a field is left, or marked out of date and asked
// about before it leaves the window. (New orbs in the views: test_dialogoopcoes.)
#include "ambientegui.h"
#include "superficieecra.h"

namespace {
// The Ascendant as the file holds it; the classic engine is within a minute of swetest.
// Porto, 15 July 1950 at 14:30 (WEST), cast with F5; swetest: 208.897° = 28º53'49'' Libra.
const QString kAscPorto = "\"28º5[34]'\\d+''Libra\"";
// São Paulo (−3), same clock time; swetest: 250.617° = 10º37'1'' Sagitário.
const QString kAscSaoPaulo = "\"10º3[67]'\\d+''Sagitário\"";
// Porto at 23:30; swetest: 346.209° = 16º12'32'' Peixes.
const QString kAscPortoNoite = "\"16º1[23]'\\d+''Peixes\"";

void usaAtlas(frmMain* j, const QString& nome) {
    locais* a = abreAtlas(j);
    QVERIFY(a);
    procura(a, nome, true);
    QTest::keyClick(a->focusWidget(), Qt::Key_Return); // on "Usar Este"
    QVERIFY(!a->isVisible());
    QApplication::setActiveWindow(j); // offscreen, no window takes the focus back once the atlas hides
}

void porto(frmMain* j) {
    escreve(j, "txtNome", "Teste Porto");
    escreve(j, "txtData", "15/7/1950");
    escreve(j, "txtHora", "14:30");
    filho(j, "txtNome")->setFocus();
    usaAtlas(j, "Porto");
    QTest::keyClick(j, Qt::Key_F5);
}

double brilho(const QImage& i) {
    double soma = 0;
    for (int y = 0; y < i.height(); y += 4)
        for (int x = 0; x < i.width(); x += 4) soma += qGray(i.pixel(x, y));
    return soma / ((i.height() / 4) * (i.width() / 4));
}
} // namespace

class TestMapaActual : public QObject {
    Q_OBJECT
private slots:
    void init() { SaveOption(3, "0"), SaveOption(5, "0"); }

    // modo5: option 5 (0 automatic); via: how the birth data change; resposta: to the question before saving.
    void dadosMudadosDepoisDoCalculo_data() {
        colunas<QString, QString, RespostaMsg, QString>({"modo5", "via", "resposta", "asc"});
        QTest::newRow("atlas, automático: calculado logo") << "0" << "atlas" << RespostaMsg::Ok << kAscSaoPaulo;
        QTest::newRow("hora deixada, automático") << "0" << "hora" << RespostaMsg::Ok << kAscPortoNoite;
        QTest::newRow("atlas, Sim: calcula") << "2" << "atlas" << RespostaMsg::Sim << kAscSaoPaulo;
        QTest::newRow("atlas, Não: posições mantidas") << "2" << "atlas" << RespostaMsg::Nao << kAscPorto;
        QTest::newRow("latitude, Cancelar: nada gravado") << "2" << "latitude" << RespostaMsg::Cancelar << QString();
    }
    void dadosMudadosDepoisDoCalculo() {
        QFETCH(QString, modo5); QFETCH(QString, via); QFETCH(RespostaMsg, resposta); QFETCH(QString, asc);
        AmbienteGui amb;
        auto j = janela();
        porto(j.get());
        QVERIFY(QRegularExpression(kAscPorto).match('"' + j->sessao().campos().PosCasas[3] + '"').hasMatch());
        QTest::keyClick(j.get(), Qt::Key_3, Qt::ControlModifier);
        auto* roda = filho<SuperficieEcra>(j.get(), "Mapa");
        const double claro = brilho(roda->imagem());
        SaveOption(5, modo5);
        if (via == "atlas") usaAtlas(j.get(), "São Paulo");
        else {
            QTest::keyClick(j.get(), Qt::Key_1, Qt::ControlModifier);
            escreve(j.get(), via == "hora" ? "txtHora" : "txtLatitude", via == "hora" ? "23:30" : "10º N");
            filho(j.get(), "txtNome")->setFocus();
            QTest::keyClick(j.get(), Qt::Key_3, Qt::ControlModifier);
        }
        const bool marcado = resposta != RespostaMsg::Ok;
        QCOMPARE(filho(j.get(), "lblDesactualizado")->isVisible(), marcado);
        QCOMPARE(j->windowTitle().contains("desactualizado"), marcado);
        QCOMPARE(brilho(roda->imagem()) < claro * 0.8, marcado); // greyed
        amb.caixa.chamadas.clear();
        amb.caixa.respostas << resposta;
        amb.respostas << amb.em("logs/porto.anc");
        QTest::keyClick(j.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(amb.perguntou("Os dados de nascimento foram alterados depois do cálculo"), marcado);
        const QByteArray bytes = leBytes(amb.em("logs/porto.anc"));
        if (asc.isEmpty()) {
            QVERIFY(bytes.isEmpty() && j->windowTitle().contains("desactualizado"));
            return;
        }
        QVERIFY2(QRegularExpression(asc).match(QString::fromLatin1(bytes)).hasMatch(), bytes.constData());
        QVERIFY(via != "atlas" || bytes.contains("S\xE3o Paulo")); // Windows-1252
        QVERIFY(!filho(j.get(), "lblDesactualizado")->isVisible() && brilho(roda->imagem()) > claro * 0.9);
    }
};

QTEST_MAIN(TestMapaActual)
#include "test_mapaactual.moc"
