// The report of charts cast from birth data, with the shipped texts: every paragraph has text,
// no markup is left over, and the native's sex chooses the endings. The plain text of each
// report is also left in the test's home folder, for reading.
#include "calculo.h"
#include "camposmapa.h"
#include "fontedados.h"
#include "mapa.h"
#include "mensagens.h"
#include "nascimento.h"
#include "orbes.h"
#include "relatorio.h"
#include "simbolos.h"
#include "textos.h"
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTextCursor>
#include <QTextTable>
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
        QFETCH(QString, data);
        QFETCH(QString, hora);
        QFETCH(QString, fuso);
        QFETCH(QString, local);
        QFETCH(QString, latitude);
        QFETCH(QString, longitude);
        CamposMapa campos = Nascimento(data, hora, fuso, latitude, longitude, nome, masculino);
        campos.txtlocal = local;
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

    // Twenty charts of random births: with the synthesis on, no paragraph of text appears twice
    // (headings may, and table cells are not paragraphs).
    void semParagrafosRepetidos() {
        QRandomGenerator aleatorio(15);
        for (int n = 0; n < 20; ++n) {
            const auto numero = [&](int a, int b) { return QString::number(aleatorio.bounded(a, b)); };
            const QString data = numero(1, 29) + '/' + numero(1, 13) + '/' + numero(1901, 2050);
            const QString hora = numero(0, 24) + ':' + numero(0, 60);
            const QString latitude = numero(0, 60) + "º" + numero(0, 60) + (aleatorio.bounded(2) ? "' N" : "' S");
            const QString longitude = numero(0, 180) + "º" + numero(0, 60) + (aleatorio.bounded(2) ? "' W" : "' E");
            CamposMapa campos = Nascimento(data, hora, QStringLiteral("0"), latitude, longitude,
                                           QStringLiteral("Nativo %1").arg(n), aleatorio.bounded(2) == 0);
            Mapa mapa;
            QVERIFY2(Cast(campos, mapa), qPrintable(campos.txtData));
            campos.KeyWord = Simbolos::TextoDecanatoSol(mapa.Corpo(0).Posicao().ValorGraus());
            campos.anjo = NomeAnjo(mapa);
            QTextDocument doc;
            Relatorio r(campos, mapa, m_db, CoresRelatorio{});
            OpcoesSintese sintese;
            sintese.ligada = true;
            sintese.regenteModerno = n % 2 == 1;
            r.setSintese(sintese);
            r.AutoInterpretacao(doc);
            QSet<QString> vistos;
            int paragrafos = 0;
            for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
                if (b.text().trimmed().isEmpty()) continue;
                const QTextCharFormat f = b.begin().fragment().charFormat();
                if (QTextCursor(b).currentTable() || f.fontWeight() >= QFont::Bold ||
                    f.fontPointSize() != 11 || b.blockFormat().alignment() & Qt::AlignHCenter)
                    continue;
                QVERIFY2(!vistos.contains(b.text()), qPrintable(campos.txtData + ": " + b.text().left(80)));
                vistos.insert(b.text());
                ++paragrafos;
            }
            QVERIFY(paragrafos > 60);
            QVERIFY(doc.toPlainText().contains(QStringLiteral("Síntese do Mapa")));
        }
    }

    // 21/3/2023 06:00 UT at Lisboa (swetest: Sol 0°22' Carneiro, Lua 23°54' Peixes, New Moon
    // eleven hours later): the Moon is still behind the Sun across 0° Carneiro.
    void luaAtrasDoSolEm0Carneiro() {
        CamposMapa campos = Nascimento(QStringLiteral("21/3/2023"), QStringLiteral("6:00"), QStringLiteral("0"),
                                       QStringLiteral("38º43' N"), QStringLiteral("9º8' W"), QStringLiteral("João"), true);
        Mapa mapa;
        QVERIFY(Cast(campos, mapa));
        QTextDocument doc;
        Relatorio(campos, mapa, m_db, CoresRelatorio{}).AutoInterpretacao(doc);
        const QString texto = doc.toPlainText();
        QVERIFY(texto.contains(QStringLiteral("A Lua ainda estava atrás do Sol")));
        QVERIFY(!texto.contains(QStringLiteral("A Lua já tinha ultrapassado o Sol")));
    }

    // Every code of the synthesis has its text, in European Portuguese with the endings marked.
    void textosDaSintese() {
        QList<int> codigos{2000900};
        for (int k = 1; k <= 4; ++k)
            codigos << 2000100 + k;
        for (int k = 1; k <= 3; ++k)
            codigos << 2000200 + k;
        for (int k = 1; k <= 5; ++k)
            codigos << 2000300 + k;
        for (int k = 1; k <= 12; ++k)
            codigos << 2000400 + k << 2000500 + k;
        for (int p = 1; p <= 10; ++p)
            for (int h = 1; h <= 12; ++h)
                codigos << 2010000 + p * 100 + h;
        for (int c : codigos) {
            QVERIFY2(m_db.FindFirst(QStringLiteral("codigo"), QString::number(c)), qPrintable(QString::number(c)));
            const QString t = m_db.Campo(QStringLiteral("Texto"));
            QVERIFY2(t.contains(QStringLiteral("|1")), qPrintable(QString::number(c)));
            QVERIFY2(!t.contains(QStringLiteral("você"), Qt::CaseInsensitive), qPrintable(QString::number(c)));
            // The spelling of the other texts: "acção", "direcção", "projecto", "óptimo".
            static const QRegularExpression novaGrafia(
                QStringLiteral("\\b(ação|direção|atual|ótimo|projeto|objetivo|proteção|afetiv\\w*|coletiv\\w*|"
                               "protetor\\w*|diret\\w*)\\b"),
                QRegularExpression::UseUnicodePropertiesOption | QRegularExpression::CaseInsensitiveOption);
            QVERIFY2(!novaGrafia.match(t).hasMatch(), qPrintable(QString::number(c) + ": " + novaGrafia.match(t).captured()));
        }
    }
};

QTEST_MAIN(TestRelatorioMapa)
#include "test_relatoriomapa.moc"
