// Reading the update description and the decisions taken from it. Expected values follow
// the private-profile rules and the description's format by hand.
#include "descricao.h"
#include "ficheirosdescritos.h"
#include "leitorini.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// One row of string columns; a helper so each case stays on one line.
void linha(const char* nome, const QString& a, const QString& b, const QString& c) {
    QTest::newRow(nome) << a << b << c;
}
} // namespace

class TestDescricao : public QObject {
    Q_OBJECT
    QTemporaryDir pasta;

private slots:
    void readIni_data() {
        QTest::addColumn<QByteArray>("conteudo");
        QTest::addColumn<QString>("seccao");
        QTest::addColumn<QString>("chave");
        QTest::addColumn<QString>("esperado");
        const QByteArray base =
            "[natalis]\r\nonline=1\r\nlastdate = 13/4/2000 \r\n\r\n[otherfiles]\r\nfilescount=2\r\n"
            "filename1=a.orb\r\nfilelocation1=\r\n[webupdate]\r\nnews=Novidades: \xe9poca nova\r\n";
        const auto de = [](const char* nome, const QByteArray& c, const char* sec, const char* ch,
                           const QString& e) {
            QTest::newRow(nome) << c << QString::fromLatin1(sec) << QString::fromLatin1(ch) << e;
        };
        de("valor simples", base, "natalis", "online", "1");
        de("brancos à volta tirados", base, "natalis", "lastdate", "13/4/2000");
        de("secção e chave sem caso", base, "OtherFiles", "FILENAME1", "a.orb");
        de("valor vazio", base, "otherfiles", "filelocation1", "");
        de("chave em falta", base, "otherfiles", "filename2", "");
        de("secção em falta", base, "movela", "online", "");
        de("chave de outra secção", base, "otherfiles", "online", "");
        de("Windows-1252", base, "webupdate", "news", QStringLiteral("Novidades: época nova"));
        de("só LF", "[a]\nk=v\n", "a", "k", "v");
        de("igual no valor", "[a]\r\nk=x=y\r\n", "a", "k", "x=y");
        de("primeira secção do nome", "[a]\r\nk=1\r\n[b]\r\nk=2\r\n[a]\r\nk=3\r\nj=4\r\n", "a", "j", "");
        de("primeira chave do nome", "[a]\r\nk=1\r\nk=2\r\n", "a", "k", "1");
        de("comentário", "[a]\r\n;k=1\r\nk=2\r\n", "a", "k", "2");
        de("chave antes de secção", "k=1\r\n[a]\r\n", "a", "k", "");
        de("linha sem igual", "[a]\r\nk\r\nk=5\r\n", "a", "k", "5");
        de("no máximo 999", "[a]\r\nk=" + QByteArray(1200, 'x') + "\r\n", "a", "k",
           QString(999, QLatin1Char('x')));
    }
    void readIni() {
        QFETCH(QByteArray, conteudo);
        QFETCH(QString, seccao);
        QFETCH(QString, chave);
        QFETCH(QString, esperado);
        QCOMPARE(ReadINI(conteudo, seccao, chave), esperado);
    }

    // The files of a section with their signed sizes and digests; filescount must not run past
    // the names given.
    void ficheirosDaSeccao_data() {
        QTest::addColumn<QByteArray>("descricao");
        QTest::addColumn<bool>("aceite");
        QTest::addColumn<QStringList>("nomes");
        const QByteArray h = "23f3770b6441c8d5c9c5fd6b364972b0bf29ae5cd1782749edaae17847dac020";
        const auto de = [&h](const char* nome, const QByteArray& ficheiros, const QByteArray& integridade,
                             const QStringList& nomes) {
            QTest::newRow(nome) << "[otherfiles]\n" + ficheiros + "[integridade]\n" + integridade
                                << !nomes.isEmpty() << nomes;
        };
        const QByteArray i1 = "otherfiles1=3 " + h + "\n", i2 = "otherfiles2=3 " + h + "\n";
        de("dois", "filescount=2\nfilename1=a\nfilename2=b\n", i1 + i2, {"a", "b"});
        QTest::newRow("nenhum") << QByteArray("[otherfiles]\nfilescount=0\n") << true << QStringList();
        de("contagem além dos nomes", "filescount=3\nfilename1=a\nfilename2=b\n",
           i1 + i2 + "otherfiles3=3 " + h + "\n", {});
        de("um milhão sem nomes", "filescount=1000000\nfilename1=a\n", i1, {});
        de("integridade de outra secção", "filescount=1\nfilename1=a\n", "natalis1=3 " + h + "\n", {});
        de("resumo não hexadecimal", "filescount=1\nfilename1=a\n", "otherfiles1=3 " + h.left(63) + "g\n",
           {});
        de("ferramenta completa sem a marca", "filescount=1\nfilename1=natalis-cli-completo\n", i1, {});
        de("assinado como programa", "filescount=1\nfilename1=renovo\n", "otherfiles1=3 " + h + " programa\n",
           {"renovo"});
    }
    void ficheirosDaSeccao() {
        QFETCH(QByteArray, descricao);
        QFETCH(bool, aceite);
        QFETCH(QStringList, nomes);
        QString motivo;
        const auto lista = FicheirosDaSeccao(PerfilIni::Le(descricao), QStringLiteral("otherfiles"), &motivo);
        QCOMPARE(lista.has_value(), aceite);
        QCOMPARE(motivo.isEmpty(), lista.has_value());
        if (!lista) return;
        QStringList vistos;
        for (const FicheiroDescrito& f : *lista) {
            vistos << f.nome;
            QCOMPARE(f.tamanho, 3);
            QCOMPARE(f.sha256.toHex(),
                     QByteArray("23f3770b6441c8d5c9c5fd6b364972b0bf29ae5cd1782749edaae17847dac020"));
        }
        QCOMPARE(vistos, nomes);
    }

    void validade_data() {
        QTest::addColumn<QByteArray>("conteudo");
        QTest::addColumn<bool>("valida");
        QTest::newRow("minúsculas") << QByteArray("[natalis]\r\nonline=1\r\n") << true;
        QTest::newRow("maiúsculas aceites") << QByteArray("[Natalis]\r\n") << true;
        QTest::newRow("sem fim de linha") << QByteArray("[NATALIS]") << true;
        QTest::newRow("linha em branco antes") << QByteArray("\r\n[natalis]\r\n") << false;
        QTest::newRow("espaço antes") << QByteArray(" [natalis]\r\n") << false;
        QTest::newRow("espaço depois") << QByteArray("[natalis] \r\n") << false;
        QTest::newRow("outra secção") << QByteArray("[movela]\r\n[natalis]\r\n") << false;
        QTest::newRow("página de erro") << QByteArray("<html><body>404</body></html>") << false;
        QTest::newRow("vazio") << QByteArray() << false;
    }
    void validade() {
        QFETCH(QByteArray, conteudo);
        QFETCH(bool, valida);
        QCOMPARE(DescricaoValida(PrimeiraLinha(conteudo)), valida);
    }

    void contagem_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("n");
        QTest::newRow("dois") << "2" << 2;
        QTest::newRow("vazio") << "" << 0;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("texto") << "abc" << 0;
        QTest::newRow("número à frente") << "3 ficheiros" << 3;
        QTest::newRow("metade para o par abaixo") << "2.5" << 2;
        QTest::newRow("metade para o par acima") << "3.5" << 4;
        QTest::newRow("arredonda") << "1.6" << 2;
        QTest::newRow("negativo") << "-2" << 0;
    }
    void contagem() {
        QFETCH(QString, texto);
        QFETCH(int, n);
        QCOMPARE(ContagemFicheiros(texto), n);
    }

    void datas_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QDate>("data");
        QTest::newRow("dia/mês/ano") << "13/4/2000" << QDate(2000, 4, 13);
        QTest::newRow("dia antes do mês") << "5/6/2000" << QDate(2000, 6, 5);
        QTest::newRow("zeros à esquerda") << "01/02/2003" << QDate(2003, 2, 1);
        QTest::newRow("hífenes") << "13-4-2000" << QDate(2000, 4, 13);
        QTest::newRow("ano com dois algarismos") << "13/4/00" << QDate(2000, 4, 13);
        QTest::newRow("ano 99") << "1/1/99" << QDate(1999, 1, 1);
        QTest::newRow("mês 13 não é data") << "4/13/2000" << QDate();
        QTest::newRow("False") << "False" << QDate();
        QTest::newRow("vazio") << "" << QDate();
        QTest::newRow("31 de Fevereiro") << "31/2/2001" << QDate();
    }
    void datas() {
        QFETCH(QString, texto);
        QFETCH(QDate, data);
        QCOMPARE(LeData(texto), data);
        if (data.isValid()) QCOMPARE(LeData(EscreveData(data)), data);
    }

    void noticias_data() {
        QTest::addColumn<QString>("web");
        QTest::addColumn<QString>("vista");
        QTest::addColumn<bool>("ha");
        const auto de = [](const char* nome, const char* web, const char* vista, bool ha) {
            QTest::newRow(nome) << QString::fromLatin1(web) << QString::fromLatin1(vista) << ha;
        };
        de("nunca vista", "13/4/2000", "False", true);
        de("mais recente", "14/4/2000", "13/4/2000", true);
        de("a mesma", "13/4/2000", "13/4/2000", false);
        de("mais antiga", "12/4/2000", "13/4/2000", false);
        // 5 June is after 6 May; read month first it would be the other way round.
        de("dia primeiro", "6/5/2000", "5/6/2000", false);
        de("sem data na web", "", "False", false);
    }
    void noticias() {
        QFETCH(QString, web);
        QFETCH(QString, vista);
        QFETCH(bool, ha);
        QCOMPARE(HaNoticias(web, vista), ha);
    }

    void decisao_data() {
        QTest::addColumn<QString>("online");
        QTest::addColumn<QString>("publicada");
        QTest::addColumn<QString>("instalada");
        QTest::addColumn<int>("decisao");
        const auto sem = DecisaoPrograma::SemActualizacao, nenhuma = DecisaoPrograma::NenhumaNova,
                   devida = DecisaoPrograma::Devida;
        const auto de = [](const char* nome, const char* online, const char* publicada, const char* instalada,
                           DecisaoPrograma d) {
            QTest::newRow(nome) << QString::fromLatin1(online) << QString::fromLatin1(publicada)
                                << QString::fromLatin1(instalada) << int(d);
        };
        de("online 0", "0", "13/4/2000", "False", sem);
        de("online vazio", "", "13/4/2000", "False", sem);
        de("online 1.0 não é 1", "1.0", "13/4/2000", "False", sem);
        de("opção 1000 nunca escrita", "1", "13/4/2000", "False", devida);
        de("instalada mais antiga", "1", "13/4/2000", "12/4/2000", devida);
        de("instalada a mesma", "1", "13/4/2000", "13/4/2000", nenhuma);
        de("instalada mais recente", "1", "13/4/2000", "1/5/2000", nenhuma);
        de("dia primeiro", "1", "6/5/2000", "5/6/2000", nenhuma);
        de("publicada sem data", "1", "", "False", nenhuma);
    }
    void decisao() {
        QFETCH(QString, online);
        QFETCH(QString, publicada);
        QFETCH(QString, instalada);
        QFETCH(int, decisao);
        QCOMPARE(int(DecideActualizacao(online, publicada, instalada)), decisao);
    }

    void confinamento_data() {
        QTest::addColumn<QString>("localizacao");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("relativo"); // empty: refused
        linha("na pasta", "", "Natalis.exe", "Natalis.exe");
        linha("numa subpasta", "orbs", "Default.orb", "orbs/Default.orb");
        linha("subpasta com barra invertida", "backgrounds\\roda", "a.bmp", "backgrounds/roda/a.bmp");
        linha("ponto inofensivo", "./orbs", "x.orb", "orbs/x.orb");
        linha("nome com dois pontos no meio", "", "a..b.txt", "a..b.txt");
        linha(".. no nome", "", "../x.txt", "");
        linha(".. com barra invertida", "", "..\\x.txt", "");
        linha(".. na localização", "..", "x.txt", "");
        linha(".. no meio", "orbs\\..\\..", "x.txt", "");
        linha("sobe e volta", "orbs/..", "x.txt", "");
        linha("nome absoluto", "", "/etc/passwd", "");
        linha("localização absoluta", "/tmp", "x.txt", "");
        linha("barra invertida inicial", "\\Windows", "x.txt", "");
        linha("unidade", "", "C:\\Windows\\x.dll", "");
        linha("unidade na localização", "D:", "x.dll", "");
        linha("nome vazio", "orbs", "", "");
        linha("a própria pasta", "", ".", "");
    }
    void confinamento() {
        QFETCH(QString, localizacao);
        QFETCH(QString, nome);
        QFETCH(QString, relativo);
        const QString raiz = pasta.path() + QStringLiteral("/prog");
        const QString r = CaminhoConfinado(raiz, localizacao, nome);
        QCOMPARE(r, relativo.isEmpty() ? QString() : QDir::cleanPath(raiz + QLatin1Char('/') + relativo));
    }

    // A folder inside that links elsewhere is outside.
    void ligacaoParaFora() {
        const QString raiz = pasta.path() + QStringLiteral("/prog2");
        QVERIFY(QDir().mkpath(raiz));
        QVERIFY(QDir().mkpath(pasta.path() + QStringLiteral("/fora")));
        QVERIFY(QFile::link(pasta.path() + QStringLiteral("/fora"), raiz + QStringLiteral("/orbs")));
        QCOMPARE(CaminhoConfinado(raiz, QStringLiteral("orbs"), QStringLiteral("x.orb")), QString());
    }

    void endereco_data() {
        QTest::addColumn<QString>("pasta");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("url");
        linha("barra final", "https://x.pt/upd/", "a.txt", "https://x.pt/upd/a.txt");
        linha("barra invertida", "https://x.pt/upd", "sub\\a.txt", "https://x.pt/upd/sub/a.txt");
        linha("espaço e cardinal", "http://127.0.0.1:8080/u", "a b#1?.txt",
              "http://127.0.0.1:8080/u/a%20b%231%3F.txt");
        linha("na raiz", "https://x.pt", "update.txt", "https://x.pt/update.txt");
    }
    void endereco() {
        QFETCH(QString, pasta);
        QFETCH(QString, nome);
        QFETCH(QString, url);
        QCOMPARE(EnderecoFicheiro(pasta, nome).toString(QUrl::FullyEncoded), url);
    }
};

QTEST_GUILESS_MAIN(TestDescricao)
#include "test_descricao.moc"
