// The report of charts cast from birth data, with the shipped texts: every paragraph has text,
// no markup is left over, the native's sex chooses the endings, and the whole report goes
// through the RTF codec (unrtf reads the same text, our reader gives back every style).
#include "calculo.h"
#include "fontedados.h"
#include "mensagens.h"
#include "nascimento.h"
#include "orbes.h"
#include "relatorio.h"
#include "rtf.h"
#include "simbolos.h"
#include "test_rtfcomum.h"
#include "textos.h"
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTextTable>
#include <QtTest>

class TestRelatorioMapa : public QObject {
    Q_OBJECT
    FonteDados m_db;
    MensagensGravadas m_caixa;

    // The report of a cast chart, the side labels filled as the main window fills them.
    bool Escreve(CamposMapa campos, QTextDocument& doc, const OpcoesSintese& sintese = {}) {
        Mapa mapa;
        if (!Cast(campos, mapa)) return false;
        campos.KeyWord = Simbolos::TextoDecanatoSol(mapa.Corpo(0).Posicao().ValorGraus());
        campos.anjo = NomeAnjo(mapa);
        doc.setDefaultFont(QFont(QStringLiteral("Times New Roman"), 11)); // the report box's font
        Relatorio r(campos, mapa, m_db, CoresRelatorio{RGBCor(0, 0, 160), RGBCor(20, 20, 20), RGBCor(160, 0, 0), RGBCor(0, 110, 0)});
        r.setSintese(sintese);
        r.AutoInterpretacao(doc);
        return true;
    }

private slots:
    void initTestCase() {
        DefineCaixaMensagens(&m_caixa);
        OrbesActuais().CarregaPadrao();
        QVERIFY2(m_db.Abre(QStringLiteral(NATALIS_PROGRAM_DIR "/Intrepreter.mdb"), QStringLiteral("interpretação")), qPrintable(m_db.Erro()));
    }
    void cleanupTestCase() { DefineCaixaMensagens(nullptr); }

    void relatorio_data() {
        QTest::addColumn<CamposMapa>("campos");
        QTest::addColumn<bool>("preciso"); // precise engine with Placidus, else the defaults
        QTest::newRow("João, Porto") << Nascimento("12/3/1975", "8h45'0''", "0h0'0''", "41º9'0''N", "0h34'28'' W", "João Silva", true) << false;
        QTest::newRow("Maria, Lisboa") << Nascimento("23/8/1988", "21h10'0''", "1h0'0''", "38º43'0''N", "0h36'32'' W", "Maria Costa") << true;
    }
    void relatorio() {
        QFETCH(CamposMapa, campos); QFETCH(bool, preciso);
        EscolhaCalculoActual() = preciso ? EscolhaCalculo{Motor::Preciso, SistemaCasas::Placidus} : EscolhaCalculo{};
        QTextDocument doc;
        QVERIFY2(Escreve(campos, doc), m_caixa.chamadas.isEmpty() ? "" : qPrintable(m_caixa.chamadas.last().texto));
        EscolhaCalculoActual() = {};
        const QString texto = doc.toPlainText();
        for (const char* resto : {"{", "}", "|1", "|2", "|3"}) QVERIFY2(!texto.contains(QLatin1String(resto)), resto);
        QVERIFY(texto.contains(campos.txtNome));
        // The endings follow the sex, and the header names an engine and house system other
        // than the defaults.
        QVERIFY(texto.contains(campos.sexoMasculino ? QStringLiteral("nascido no dia") : QStringLiteral("nascida no dia")));
        QCOMPARE(texto.contains(QStringLiteral("Cálculo: motor preciso (Swiss Ephemeris), casas Placidus.")), preciso);
        QCOMPARE(texto.contains(QStringLiteral("Cálculo:")), preciso);
        // Each sub-heading (italic) is followed by a paragraph with text, except the clarifier
        // heading, whose paragraphs only the dominant planets bring.
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
            if (b.text().isEmpty() || !b.begin().fragment().charFormat().fontItalic() || b.text().startsWith("Esclarecedor")) continue;
            QTextBlock p = b.next();
            while (p.isValid() && p.text().isEmpty()) p = p.next();
            QVERIFY2(p.isValid() && !p.begin().fragment().charFormat().fontItalic(), qPrintable("sem texto depois de " + b.text()));
        }
        // Through the RTF codec: our reader gives back every style, unrtf the same text.
        QTextDocument lido;
        QVERIFY(LeRtf(EscreveRtf(doc), lido));
        QCOMPARE(Descreve(lido), Descreve(doc));
        if (QStandardPaths::findExecutable(QStringLiteral("unrtf")).isEmpty()) QSKIP("unrtf não está instalado (scripts/setup.sh)");
        QCOMPARE(TextoDoHtml(HtmlDoUnrtf(EscreveRtf(doc))), QString(texto).replace(QChar::Nbsp, ' ').simplified());
    }

    // Twenty charts of random births: with the synthesis on, no paragraph of text appears twice
    // (headings may, and table cells are not paragraphs).
    void semParagrafosRepetidos() {
        QRandomGenerator aleatorio(15);
        for (int n = 0; n < 20; ++n) {
            const auto numero = [&](int a, int b) { return QString::number(aleatorio.bounded(a, b)); };
            const QString data = numero(1, 29) + '/' + numero(1, 13) + '/' + numero(1901, 2050);
            const QString latitude = numero(0, 60) + "º" + numero(0, 60) + (aleatorio.bounded(2) ? "' N" : "' S");
            const QString longitude = numero(0, 180) + "º" + numero(0, 60) + (aleatorio.bounded(2) ? "' W" : "' E");
            const QString hora = numero(0, 24) + ':' + numero(0, 60);
            OpcoesSintese sintese;
            sintese.ligada = true;
            sintese.regenteModerno = n % 2 == 1;
            QTextDocument doc;
            QVERIFY2(Escreve(Nascimento(data, hora, "0", latitude, longitude, QStringLiteral("Nativo %1").arg(n), aleatorio.bounded(2) == 0),
                             doc, sintese),
                     qPrintable(data));
            QVERIFY(doc.toPlainText().contains(QStringLiteral("Síntese do Mapa")));
            QSet<QString> vistos;
            for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
                if (b.text().trimmed().isEmpty()) continue;
                const QTextCharFormat f = b.begin().fragment().charFormat();
                if (QTextCursor(b).currentTable() || f.fontWeight() >= QFont::Bold ||
                    f.fontPointSize() != 11 || b.blockFormat().alignment() & Qt::AlignHCenter)
                    continue;
                QVERIFY2(!vistos.contains(b.text()), qPrintable(data + ": " + b.text().left(80)));
                vistos.insert(b.text());
            }
            QVERIFY(vistos.size() > 60);
        }
    }

    // 21/3/2023 06:00 UT at Lisboa (swetest: Sol 0°22' Carneiro, Lua 23°54' Peixes, New Moon
    // eleven hours later): the Moon is still behind the Sun across 0° Carneiro.
    void luaAtrasDoSolEm0Carneiro() {
        QTextDocument doc;
        QVERIFY(Escreve(Nascimento("21/3/2023", "6:00", "0", "38º43' N", "9º8' W", "João", true), doc));
        QVERIFY(doc.toPlainText().contains(QStringLiteral("A Lua ainda estava atrás do Sol")));
        QVERIFY(!doc.toPlainText().contains(QStringLiteral("A Lua já tinha ultrapassado o Sol")));
    }

    // Every code of the synthesis has its text, in European Portuguese with the endings marked.
    void textosDaSintese() {
        QList<int> codigos{2000900, 2000101, 2000102, 2000103, 2000104, 2000201, 2000202, 2000203};
        for (int k = 1; k <= 5; ++k) codigos << 2000300 + k;
        for (int k = 1; k <= 12; ++k) codigos << 2000400 + k << 2000500 + k;
        for (int p = 1; p <= 10; ++p)
            for (int h = 1; h <= 12; ++h) codigos << 2010000 + p * 100 + h;
        // The spelling of the other texts: "acção", "direcção", "projecto", "óptimo".
        static const QRegularExpression novaGrafia(
            QStringLiteral("\\b(ação|direção|atual|ótimo|projeto|objetivo|proteção|afetiv\\w*|coletiv\\w*|protetor\\w*|diret\\w*)\\b"),
            QRegularExpression::UseUnicodePropertiesOption | QRegularExpression::CaseInsensitiveOption);
        for (int c : codigos) {
            QVERIFY2(m_db.FindFirst(QStringLiteral("codigo"), QString::number(c)), qPrintable(QString::number(c)));
            const QString t = m_db.Campo(QStringLiteral("Texto"));
            QVERIFY2(t.contains(QStringLiteral("|1")), qPrintable(QString::number(c)));
            QVERIFY2(!t.contains(QStringLiteral("você"), Qt::CaseInsensitive), qPrintable(QString::number(c)));
            QVERIFY2(!novaGrafia.match(t).hasMatch(), qPrintable(QString::number(c) + ": " + novaGrafia.match(t).captured()));
        }
    }
};

QTEST_MAIN(TestRelatorioMapa)
#include "test_relatoriomapa.moc"
