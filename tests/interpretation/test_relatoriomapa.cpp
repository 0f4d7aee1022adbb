// The report of charts cast from birth data, with the shipped texts: every paragraph has text,
// no markup is left over, and the native's sex chooses the endings. The plain text of each
// report is also left in the test's home folder, for reading.
#include "calculo.h"
#include "camposmapa.h"
#include "fontedados.h"
#include "mapa.h"
#include "mensagens.h"
#include "orbes.h"
#include "relatorio.h"
#include "simbolos.h"
#include "textos.h"
#include <QDir>
#include <QFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

class TestRelatorioMapa : public QObject {
    Q_OBJECT
    FonteDados m_db;
    MensagensGravadas m_caixa;

private slots:
    void initTestCase() {
        DefineCaixaMensagens(&m_caixa);
        OrbesActuais().CarregaPadrao();
        const QString base = QStringLiteral(NATALIS_PROGRAM_DIR "/Intrepreter.mdb");
        QVERIFY2(m_db.Abre(base, QStringLiteral("interpretação")), qPrintable(m_db.Erro()));
    }
    void cleanupTestCase() { DefineCaixaMensagens(nullptr); }

    void relatorio_data() {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<bool>("masculino");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("hora");
        QTest::addColumn<QString>("fuso");
        QTest::addColumn<QString>("local");
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("longitude");
        QTest::addColumn<bool>("preciso"); // precise engine with Placidus, else the defaults
        QTest::newRow("joao_porto") << "João Silva" << true << "12/3/1975"
                                    << "8h45'0''"
                                    << "0h0'0''"
                                    << "Porto"
                                    << "41º9'0''N"
                                    << "0h34'28'' W" << false;
        QTest::newRow("maria_lisboa") << "Maria Costa" << false << "23/8/1988"
                                      << "21h10'0''"
                                      << "1h0'0''"
                                      << "Lisboa"
                                      << "38º43'0''N"
                                      << "0h36'32'' W" << true;
    }
    void relatorio() {
        QFETCH(QString, nome);
        QFETCH(bool, masculino);
        CamposMapa campos;
        campos.txtNome = nome;
        campos.sexoMasculino = masculino;
        QFETCH(QString, data);
        QFETCH(QString, hora);
        QFETCH(QString, fuso);
        QFETCH(QString, local);
        QFETCH(QString, latitude);
        QFETCH(QString, longitude);
        campos.txtData = data;
        campos.txtHora = hora;
        campos.FusoHorario = fuso;
        campos.txtlocal = local;
        campos.txtLatitude = latitude;
        campos.txtlongitude = longitude;
        QFETCH(bool, preciso);
        EscolhaCalculoActual() = preciso ? EscolhaCalculo{Motor::Preciso, SistemaCasas::Placidus} : EscolhaCalculo{};
        Mapa mapa;
        QVERIFY2(Cast(campos, mapa),
                 m_caixa.chamadas.isEmpty() ? "" : qPrintable(m_caixa.chamadas.last().texto));
        campos.KeyWord = Simbolos::TextoDecanatoSol(mapa.Corpo(0).Posicao().ValorGraus());
        campos.anjo = NomeAnjo(mapa);
        QVERIFY(mapa.Aspectos().Count() > 0);

        QTextDocument doc;
        Relatorio(campos, mapa, m_db, CoresRelatorio{}).AutoInterpretacao(doc);
        const QString texto = doc.toPlainText();
        QFile saida(QDir::home().filePath(QTest::currentDataTag() + QStringLiteral(".txt")));
        QVERIFY(saida.open(QIODevice::WriteOnly));
        saida.write(texto.toUtf8());

        for (const char* resto : {"{", "}", "|1", "|2", "|3"})
            QVERIFY2(!texto.contains(QLatin1String(resto)), resto);
        QVERIFY(texto.contains(nome));
        // Each sub-heading (bold) is followed by a paragraph with text, except the clarifier
        // heading, whose paragraphs only the dominant planets bring.
        int vazios = 0;
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
            if (b.text().isEmpty() || !b.begin().fragment().charFormat().fontItalic() ||
                b.text().startsWith(QStringLiteral("Esclarecedor")))
                continue;
            QTextBlock p = b.next();
            while (p.isValid() && p.text().isEmpty())
                p = p.next();
            if (!p.isValid() || p.begin().fragment().charFormat().fontItalic()) {
                qWarning("no text after \"%s\"", qPrintable(b.text()));
                ++vazios;
            }
        }
        QCOMPARE(vazios, 0);
        // The endings follow the sex: "nascido"/"nascida" in the data line, and the texts
        // written with "|2" give the same ending throughout.
        QVERIFY(
            texto.contains(masculino ? QStringLiteral("nascido no dia") : QStringLiteral("nascida no dia")));
        // The header names an engine and house system other than the defaults.
        QCOMPARE(texto.contains(QString::fromUtf8("Cálculo: motor preciso (Swiss Ephemeris), casas Placidus.")), preciso);
        QCOMPARE(texto.contains(QString::fromUtf8("Cálculo:")), preciso);
        EscolhaCalculoActual() = {};
    }
};

QTEST_MAIN(TestRelatorioMapa)
#include "test_relatoriomapa.moc"
