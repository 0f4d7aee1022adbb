// Duetto's window: the swap transposes the grid, the saved composite opens with the midpoints, a
// pair is remembered, an unreadable chart leaves the open one in place.
#include "calculo.h"
#include "ficheiromapa.h"
#include "janeladuetto.h"
#include "mensagens.h"
#include "normaliza.h"

#include <QListWidget>
#include <QSettings>
#include <QMenu>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QString grava(const QTemporaryDir& d, const QString& nome, const QString& data, const QString& hora) {
    CamposMapa c;
    Mapa m;
    c.txtNome = nome, c.txtData = data, c.txtHora = hora, c.FusoHorario = QStringLiteral("0");
    c.txtLatitude = QStringLiteral("38º43' N"), c.txtlongitude = QStringLiteral("9º8' W");
    NormalizaDadosNascimento(c, nullptr);
    const QString caminho = d.filePath(nome + QStringLiteral(".anc"));
    if (!Cast(c, m) || !SaveToFile(caminho, c)) return QString();
    return caminho;
}
double graus(const QString& t) { return NormalizaPosicao(t).valor; }
} // namespace

class TestDuetto : public QObject {
    Q_OBJECT
private slots:
    void janela() {
        MensagensGravadas caixa;
        DefineCaixaMensagens(&caixa);
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Natalis", "Duetto").remove("paresRecentes");
        QTemporaryDir d;
        const QString ana = grava(d, "Ana", "14/3/1985", "10:30"), rui = grava(d, "Rui", "2/9/1982", "22:15");
        QVERIFY(!ana.isEmpty() && !rui.isEmpty());
        {
            JanelaDuetto j;
            QVERIFY(j.AbreMapa(0, ana));
            QVERIFY(j.AbreMapa(1, rui));
            auto* grelha = j.findChild<QTableWidget*>("grelha");
            auto* lista = j.findChild<QListWidget*>("lista");
            QVERIFY(lista->item(0)->text().contains("(Ana)"));
            auto celulas = [grelha](bool transposta) {
                QStringList t;
                for (int i = 0; i < N_PONTOS; ++i)
                    for (int k = 0; k < N_PONTOS; ++k)
                        if (auto* c = transposta ? grelha->item(k, i) : grelha->item(i, k)) t << c->text(); else t << QString();
                return t;
            };
            const QStringList antes = celulas(false);
            j.Troca();
            QVERIFY(lista->item(0)->text().contains("(Rui)"));
            QCOMPARE(celulas(true), antes);
            j.Troca();

            // A chart that cannot be read leaves the pair as it was.
            const QString primeiro = lista->item(0)->text();
            QVERIFY(!j.AbreMapa(1, d.filePath("nenhum.anc")));
            QCOMPARE(lista->item(0)->text(), primeiro);
            QVERIFY(!caixa.chamadas.isEmpty());

            const QString composto = d.filePath("composto.anc");
            QVERIFY(j.GuardaComposto(composto));
            CamposMapa ca, cr, cc;
            Mapa ma, mr, mc;
            QVERIFY(OpenFile(ana, ca, ma, {}, false) && OpenFile(rui, cr, mr, {}, false) && OpenFile(composto, cc, mc, {}, false));
            QCOMPARE(cc.txtNome, QStringLiteral("Ana & Rui (composto)"));
            for (int i = 0; i < 10; ++i) {
                double a = graus(ca.PosPlaneta[size_t(i)]), b = graus(cr.PosPlaneta[size_t(i)]);
                if (std::fabs(a - b) > 180) (a < b ? a : b) += 360; // the shorter arc, by hand
                QVERIFY2(std::fabs(std::remainder(graus(cc.PosPlaneta[size_t(i)]) - (a + b) / 2, 360.0)) <= 1.0 / 3600,
                         qPrintable(QString::number(i)));
            }
            QVERIFY(j.GuardaDavison(d.filePath("davison.anc")));
            QVERIFY(OpenFile(d.filePath("davison.anc"), cc, mc, {}, false));
            QCOMPARE(cc.txtData, QStringLiteral("8/12/1983")); // halfway from 2/9/1982 to 14/3/1985
        }
        JanelaDuetto outra;
        const QList<QAction*> accoes = outra.findChildren<QAction*>();
        QVERIFY(std::any_of(accoes.begin(), accoes.end(), [](QAction* a) { return a->text().contains("Ana e Rui"); }));
        DefineCaixaMensagens(nullptr);
    }
};

QTEST_MAIN(TestDuetto)
#include "test_duetto.moc"
