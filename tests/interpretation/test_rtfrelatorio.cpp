// The whole automatic report of a chart, with the shipped texts, through the RTF codec:
// unrtf reads the same text, our reader gives back every style, and a saved report with a
// personal part comes back as the two panes it was.
#include "camposmapa.h"
#include "documento.h"
#include "fontedados.h"
#include "mapa.h"
#include "relatorio.h"
#include "rtf.h"
#include "test_rtfcomum.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Whitespace as a browser collapses it, so unrtf's spacing choices do not matter.
QString Compacta(QString s) {
    s.replace(QChar::Nbsp, ' ');
    return s.simplified();
}

} // namespace

class TestRtfRelatorio : public QObject {
    Q_OBJECT
    FonteDados m_textos;
    Mapa m_mapa;
    CamposMapa m_campos;
    const CoresRelatorio m_cores{RGBCor(0, 0, 160), RGBCor(20, 20, 20), RGBCor(160, 0, 0), RGBCor(0, 110, 0)};

    void Relatorio_(QTextDocument& doc) {
        doc.setDefaultFont(QFont(QStringLiteral("Times New Roman"), 11)); // the report box's font
        Relatorio r(m_campos, m_mapa, m_textos, m_cores);
        r.AutoInterpretacao(doc);
    }

private slots:
    void initTestCase() {
        const QString base = QStringLiteral(NATALIS_PROGRAM_DIR "/Intrepreter.mdb");
        if (!QFile::exists(base))
            QFAIL("falta a base de textos Intrepreter.mdb na pasta do programa (alvo natalis_databases)");
        QVERIFY2(m_textos.Abre(base, QStringLiteral("interpretação")), qPrintable(m_textos.Erro()));
        // A chart set by hand: bodies spread over the signs and houses, two retrograde, two aspects.
        const double graus[19] = {15,  20,  62,  70, 100, 130, 160, 190, 220, 250,
                                  280, 310, 340, 5,  35,  95,  125, 185, 275};
        const int casas[19] = {1, 1, 3, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 4, 5, 7, 10};
        for (int i = 0; i < 19; ++i) {
            m_mapa.Corpo(i).Posicao().setValorGraus(graus[i]);
            m_mapa.Corpo(i).Casa = static_cast<int16_t>(casas[i]);
        }
        m_mapa.Corpo(6).Retrogrado = true;
        m_mapa.Corpo(9).Retrogrado = true;
        m_mapa.Corpo(1).Marcado = true;
        for (int h = 1; h <= 12; ++h)
            m_mapa.Cuspide(h).setValorGraus((h - 1) * 30.0);
        m_mapa.Aspectos().AddifNotYet(QStringLiteral("Sol Conjunção Lua"), 1902);
        m_mapa.Aspectos().AddifNotYet(QStringLiteral("Mercúrio Sextil Júpiter"), 3606);
        m_campos.txtNome = QStringLiteral("Inês Conceição");
        m_campos.sexoMasculino = false;
        m_campos.txtData = QStringLiteral("5/4/1980");
        m_campos.txtHora = QStringLiteral("14h30'0''");
        m_campos.txtlocal = QStringLiteral("Évora");
        m_campos.KeyWord = QStringLiteral("2º Decanato de Carneiro");
        m_campos.lblesclarecedor = QStringLiteral("Lua");
        m_campos.anjo = QStringLiteral("Anjo");
    }

    void lidoPeloUnrtf() {
        const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
        if (unrtf.isEmpty())
            QSKIP("unrtf não está instalado (scripts/setup.sh instala-o): sem leitor independente");
        QTextDocument doc;
        Relatorio_(doc);
        QVERIFY(doc.characterCount() > 5000); // the texts were found: a real report, not headings only
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QFile f(dir.filePath("relatorio.rtf"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(EscreveRtf(doc));
        f.close();
        QProcess p;
        p.start(unrtf, {"--html", f.fileName()});
        QVERIFY2(p.waitForFinished(60000), "unrtf não terminou");
        QCOMPARE(p.exitCode(), 0);
        QTextDocument lido;
        lido.setHtml(QString::fromUtf8(p.readAllStandardOutput()));
        QCOMPARE(Compacta(lido.toPlainText()), Compacta(doc.toPlainText()));
    }

    void idaEVolta() {
        QTextDocument doc;
        Relatorio_(doc);
        QTextDocument lido;
        QVERIFY(LeRtf(EscreveRtf(doc), lido));
        QCOMPARE(Descreve(lido), Descreve(doc));
    }

    void guardaComInterpretacaoPessoal() {
        QTextDocument relatorio, pessoal;
        Relatorio_(relatorio);
        pessoal.setDefaultFont(QFont(QStringLiteral("Times New Roman"), 11));
        // The personal pane as the reading window starts it, then the user's own words.
        EscreveParagrafo(pessoal, kCabecalhoPessoal, m_cores.CorSub1, false, false, false, 20, true,
                         AlinhaCentro);
        EscreveParagrafo(pessoal, QStringLiteral("A Lua na casa I pesa mais do que o texto diz."),
                         m_cores.CorTexto, false, true, false, 12, false, AlinhaEsquerda);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString caminho = dir.filePath("leitura.rtf");
        QString erro;
        QVERIFY2(GuardaInterpretacao(caminho, relatorio, pessoal, &erro), qPrintable(erro));
        QTextDocument lidoRelatorio, lidoPessoal;
        QVERIFY2(ImportaInterpretacao(caminho, lidoRelatorio, lidoPessoal, &erro), qPrintable(erro));
        QCOMPARE(Descreve(lidoRelatorio), Descreve(relatorio));
        QCOMPARE(Descreve(lidoPessoal), Descreve(pessoal));
    }
};

QTEST_MAIN(TestRtfRelatorio)
#include "test_rtfrelatorio.moc"
