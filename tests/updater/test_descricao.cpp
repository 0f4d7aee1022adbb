// Reading the update description, checking its signature, and the decisions taken from it.
// Expected values follow the private-profile rules and the description's format by hand;
// signatures are made by minisign itself, with key pairs made at test time.
#include "ambienterun.h"
#include "descricao.h"
#include "ficheirosdescritos.h"
#include "leitorini.h"

#include <QProcess>
#include <QtTest>

class TestDescricao : public QObject {
    Q_OBJECT
    QTemporaryDir pasta;

    template <class... T> static void linha(const char* nome, const T&... valores) { (QTest::newRow(nome) << ... << valores); }

    bool minisign(const QStringList& argumentos) {
        QProcess p;
        p.start(QStringLiteral("minisign"), argumentos);
        return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }
    // Signs `texto` with key `nome` ("a" or "b"); `legado` makes the older "Ed" signature.
    QByteArray assina(const QByteArray& texto, const QString& nome, bool legado) {
        const QString f = pasta.filePath(QStringLiteral("msg.txt"));
        QStringList args{"-S", "-s", pasta.filePath(nome + ".key"), "-m", f};
        if (legado) args << QStringLiteral("-l");
        return escreve(f, texto) && minisign(args) ? le(f + QStringLiteral(".minisig")) : QByteArray();
    }

private slots:
    void initTestCase() {
        for (const QString n : {"a", "b"})
            QVERIFY(minisign({"-G", "-W", "-p", pasta.filePath(n + ".pub"), "-s", pasta.filePath(n + ".key")}));
    }

    void verifica_data() {
        QTest::addColumn<QString>("chaveAssina");
        QTest::addColumn<bool>("legado");
        QTest::addColumn<int>("estrago");
        QTest::addColumn<QString>("motivo"); // empty: valid
        const QString difere = QStringLiteral("não corresponde");
        QTest::newRow("resumo BLAKE2b (ED)") << "a" << false << 0 << "";
        QTest::newRow("mensagem inteira (Ed)") << "a" << true << 0 << "";
        QTest::newRow("um byte alterado (ED)") << "a" << false << 1 << difere;
        QTest::newRow("um byte alterado (Ed)") << "a" << true << 1 << difere;
        QTest::newRow("byte acrescentado") << "a" << false << 2 << difere;
        QTest::newRow("comentário de confiança alterado") << "a" << false << 3 << "comentário de confiança";
        QTest::newRow("outra chave") << "b" << false << 0 << "outra chave";
        QTest::newRow("assinatura cortada") << "a" << false << 4 << "formato";
        QTest::newRow("página de erro") << "a" << false << 5 << "formato";
    }
    void verifica() {
        QFETCH(QString, chaveAssina);
        QFETCH(bool, legado);
        QFETCH(int, estrago);
        QFETCH(QString, motivo);
        QByteArray texto("[natalis]\r\nonline=1\r\n[integridade]\r\n");
        QByteArray assinatura = assina(texto, chaveAssina, legado);
        QVERIFY(!assinatura.isEmpty());
        switch (estrago) {
        case 1: texto[12] = 'X'; break;
        case 2: texto += ' '; break;
        case 3: assinatura.replace("trusted comment: ", "trusted comment: x"); break;
        case 4: assinatura = assinatura.left(assinatura.indexOf("trusted comment")); break;
        case 5: assinatura = "<html>404</html>"; break;
        }
        const ChavePublica chave = LeChavePublica(le(pasta.filePath(QStringLiteral("a.pub"))));
        QVERIFY(chave.Valida());
        QString porque;
        QCOMPARE(VerificaAssinatura(texto, assinatura, chave, &porque), motivo.isEmpty());
        QVERIFY2(porque.contains(motivo), qPrintable(porque));
    }

    // The built-in key is the one in the repository, and it does not accept the tests' signatures;
    // unreadable keys are not valid.
    void chaves() {
        const ChavePublica embutida = ChaveDoNatalis();
        const ChavePublica publicada = LeChavePublica(le(QStringLiteral(NATALIS_SOURCE_DIR "/updater/natalis.pub")));
        QVERIFY(embutida.Valida());
        QCOMPARE(embutida.chave, publicada.chave);
        QCOMPARE(embutida.id, publicada.id);
        const QByteArray texto("[natalis]\r\n");
        QVERIFY(!VerificaAssinatura(texto, assina(texto, QStringLiteral("a"), false), embutida, nullptr));
        for (const QByteArray& ilegivel : {QByteArray(), QByteArray("untrusted comment: x\nRWQAAA==\n"),
                                           QByteArray("RW**********************************************")})
            QVERIFY2(!LeChavePublica(ilegivel).Valida(), ilegivel.constData());
    }

    void readIni_data() {
        QTest::addColumn<QByteArray>("conteudo");
        QTest::addColumn<QString>("seccao");
        QTest::addColumn<QString>("chave");
        QTest::addColumn<QString>("esperado");
        const QByteArray base =
            "[natalis]\r\nonline=1\r\nlastdate = 13/4/2000 \r\n\r\n[otherfiles]\r\nfilescount=2\r\n"
            "filename1=a.orb\r\nfilelocation1=\r\n[webupdate]\r\nnews=Novidades: \xe9poca nova\r\n";
        const auto de = [](const char* nome, const QByteArray& c, const char* sec, const char* ch, const QString& e) {
            linha(nome, c, QString::fromLatin1(sec), QString::fromLatin1(ch), e);
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
        de("no máximo 999", "[a]\r\nk=" + QByteArray(1200, 'x') + "\r\n", "a", "k", QString(999, QLatin1Char('x')));
    }
    void readIni() {
        QFETCH(QByteArray, conteudo);
        QFETCH(QString, seccao);
        QFETCH(QString, chave);
        QFETCH(QString, esperado);
        QCOMPARE(ReadINI(conteudo, seccao, chave), esperado);
    }

    // The files of a section with their signed sizes and digests; filescount must not run past
    // the names given, and nothing may leave the program folder or replace a program unless
    // signed as one.
    void ficheirosDaSeccao_data() {
        QTest::addColumn<QByteArray>("descricao");
        QTest::addColumn<QStringList>("nomes");
        QTest::addColumn<QString>("motivo"); // empty: accepted
        const QByteArray h = "23f3770b6441c8d5c9c5fd6b364972b0bf29ae5cd1782749edaae17847dac020";
        const QByteArray i1 = "otherfiles1=3 " + h + "\n", i2 = "otherfiles2=3 " + h + "\n", um = "filescount=1\nfilename1=a\n";
        const auto de = [](const char* nome, const QByteArray& ficheiros, const QByteArray& integridade,
                           const QStringList& nomes, const char* motivo = "") {
            linha(nome, "[otherfiles]\n" + ficheiros + "[integridade]\n" + integridade, nomes, QString::fromUtf8(motivo));
        };
        const char* semResumo = "Falta o tamanho ou o resumo SHA-256 assinado de a";
        const char* programa = "é um programa e não está assinado como tal";
        de("dois", "filescount=2\nfilename1=a\nfilename2=b\n", i1 + i2, {"a", "b"});
        de("nenhum", "filescount=0\n", "", {});
        de("assinado como programa", "filescount=1\nfilename1=renovo\n", "otherfiles1=3 " + h + " programa\n", {"renovo"});
        de("contagem além dos nomes", "filescount=3\nfilename1=a\nfilename2=b\n", i1 + i2 + "otherfiles3=3 " + h + "\n", {},
           "não dá o nome do ficheiro 3");
        de("um milhão sem nomes", "filescount=1000000\nfilename1=a\n", i1, {}, "não dá o nome do ficheiro 2");
        de("localização acima", "filescount=1\nfilename1=a\nfilelocation1=..\n", i1, {}, "a ficaria fora da pasta");
        de("integridade de outra secção", um, "natalis1=3 " + h + "\n", {}, semResumo);
        de("resumo não hexadecimal", um, "otherfiles1=3 " + h.left(63) + "g\n", {}, semResumo);
        de("resumo curto", um, "otherfiles1=3 " + h.left(60) + "\n", {}, semResumo);
        de("tamanho zero", um, "otherfiles1=0 " + h + "\n", {}, semResumo);
        de("marca desconhecida", um, "otherfiles1=3 " + h + " talvez\n", {}, semResumo);
        de("renovo sem a marca", "filescount=1\nfilename1=renovo\n", i1, {}, programa);
        de("ferramenta completa sem a marca", "filescount=1\nfilename1=natalis-cli-completo\n", i1, {}, programa);
        de("Natalis.exe na pasta \".\"", "filescount=1\nfilename1=Natalis.exe\nfilelocation1=.\n", i1, {}, programa);
    }
    void ficheirosDaSeccao() {
        QFETCH(QByteArray, descricao);
        QFETCH(QStringList, nomes);
        QFETCH(QString, motivo);
        QString porque;
        const auto lista = FicheirosDaSeccao(PerfilIni::Le(descricao), QStringLiteral("otherfiles"), &porque);
        QCOMPARE(lista.has_value(), motivo.isEmpty());
        QVERIFY2(porque.contains(motivo), qPrintable(porque));
        QStringList vistos;
        for (const FicheiroDescrito& f : lista.value_or(QList<FicheiroDescrito>{})) {
            vistos << f.nome;
            QCOMPARE(f.tamanho, 3);
            QCOMPARE(f.sha256.toHex(), QByteArray("23f3770b6441c8d5c9c5fd6b364972b0bf29ae5cd1782749edaae17847dac020"));
        }
        QCOMPARE(vistos, nomes);
    }

    void validade_data() {
        QTest::addColumn<QByteArray>("conteudo");
        QTest::addColumn<bool>("valida");
        linha("minúsculas", QByteArray("[natalis]\r\nonline=1\r\n"), true);
        linha("maiúsculas aceites", QByteArray("[Natalis]\r\n"), true);
        linha("sem fim de linha", QByteArray("[NATALIS]"), true);
        linha("linha em branco antes", QByteArray("\r\n[natalis]\r\n"), false);
        linha("espaço antes", QByteArray(" [natalis]\r\n"), false);
        linha("espaço depois", QByteArray("[natalis] \r\n"), false);
        linha("outra secção", QByteArray("[movela]\r\n[natalis]\r\n"), false);
        linha("página de erro", QByteArray("<html><body>404</body></html>"), false);
        linha("vazio", QByteArray(), false);
    }
    void validade() {
        QFETCH(QByteArray, conteudo);
        QFETCH(bool, valida);
        QCOMPARE(DescricaoValida(PrimeiraLinha(conteudo)), valida);
    }

    // Rounded to the nearest whole number, halves to the even one.
    void contagem_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("n");
        for (const auto& [texto, n] : std::initializer_list<std::pair<const char*, int>>{
                 {"2", 2}, {"", 0}, {"0", 0}, {"abc", 0}, {"3 ficheiros", 3}, {"2.5", 2}, {"3.5", 4}, {"1.6", 2}, {"-2", 0}})
            linha(texto[0] ? texto : "vazio", QString::fromLatin1(texto), n);
    }
    void contagem() {
        QFETCH(QString, texto);
        QFETCH(int, n);
        QCOMPARE(ContagemFicheiros(texto), n);
    }

    void datas_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QDate>("data");
        linha("dia/mês/ano", QStringLiteral("13/4/2000"), QDate(2000, 4, 13));
        linha("dia antes do mês", QStringLiteral("5/6/2000"), QDate(2000, 6, 5));
        linha("zeros à esquerda", QStringLiteral("01/02/2003"), QDate(2003, 2, 1));
        linha("hífenes", QStringLiteral("13-4-2000"), QDate(2000, 4, 13));
        linha("ano com dois algarismos", QStringLiteral("13/4/00"), QDate(2000, 4, 13));
        linha("ano 99", QStringLiteral("1/1/99"), QDate(1999, 1, 1));
        linha("mês 13 não é data", QStringLiteral("4/13/2000"), QDate());
        linha("False", QStringLiteral("False"), QDate());
        linha("vazio", QString(), QDate());
        linha("31 de Fevereiro", QStringLiteral("31/2/2001"), QDate());
    }
    void datas() {
        QFETCH(QString, texto);
        QFETCH(QDate, data);
        QCOMPARE(LeData(texto), data);
        if (data.isValid()) QCOMPARE(LeData(EscreveData(data)), data);
    }

    // News is due when the web's date is later than the one seen; a program update when online
    // is exactly "1" and the published date is later than the installed one. Dates are read day
    // first: 5 June is after 6 May.
    void decisoes_data() {
        QTest::addColumn<QString>("online"); // empty: a news row
        QTest::addColumn<QString>("web");
        QTest::addColumn<QString>("local");
        QTest::addColumn<int>("decisao");
        const int sem = int(DecisaoPrograma::SemActualizacao), nenhuma = int(DecisaoPrograma::NenhumaNova),
                  devida = int(DecisaoPrograma::Devida);
        const auto de = [](const char* nome, const char* online, const char* web, const char* local, int d) {
            linha(nome, QString::fromLatin1(online), QString::fromLatin1(web), QString::fromLatin1(local), d);
        };
        de("notícias nunca vistas", "", "13/4/2000", "False", 1);
        de("notícias mais recentes", "", "14/4/2000", "13/4/2000", 1);
        de("notícias já vistas", "", "13/4/2000", "13/4/2000", 0);
        de("notícias mais antigas", "", "12/4/2000", "13/4/2000", 0);
        de("notícias, dia primeiro", "", "6/5/2000", "5/6/2000", 0);
        de("notícias sem data na web", "", "", "False", 0);
        de("online 0", "0", "13/4/2000", "False", sem);
        de("online 1.0 não é 1", "1.0", "13/4/2000", "False", sem);
        de("opção 1000 nunca escrita", "1", "13/4/2000", "False", devida);
        de("instalada mais antiga", "1", "13/4/2000", "12/4/2000", devida);
        de("instalada a mesma", "1", "13/4/2000", "13/4/2000", nenhuma);
        de("instalada mais recente", "1", "13/4/2000", "1/5/2000", nenhuma);
        de("programa, dia primeiro", "1", "6/5/2000", "5/6/2000", nenhuma);
        de("publicada sem data", "1", "", "False", nenhuma);
    }
    void decisoes() {
        QFETCH(QString, online);
        QFETCH(QString, web);
        QFETCH(QString, local);
        QFETCH(int, decisao);
        if (online.isEmpty())
            QCOMPARE(int(HaNoticias(web, local)), decisao);
        else
            QCOMPARE(int(DecideActualizacao(online, web, local)), decisao);
    }

    void confinamento_data() {
        QTest::addColumn<QString>("localizacao");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("relativo"); // empty: refused
        const auto de = [](const char* nome, const char* l, const char* n, const char* r) {
            linha(nome, QString::fromLatin1(l), QString::fromLatin1(n), QString::fromLatin1(r));
        };
        de("na pasta", "", "Natalis.exe", "Natalis.exe");
        de("numa subpasta", "orbs", "Default.orb", "orbs/Default.orb");
        de("subpasta com barra invertida", "backgrounds\\roda", "a.bmp", "backgrounds/roda/a.bmp");
        de("ponto inofensivo", "./orbs", "x.orb", "orbs/x.orb");
        de("nome com dois pontos no meio", "", "a..b.txt", "a..b.txt");
        de(".. no nome", "", "../x.txt", "");
        de(".. com barra invertida", "", "..\\x.txt", "");
        de(".. na localização", "..", "x.txt", "");
        de(".. no meio", "orbs\\..\\..", "x.txt", "");
        de("sobe e volta", "orbs/..", "x.txt", "");
        de("nome absoluto", "", "/etc/passwd", "");
        de("localização absoluta", "/tmp", "x.txt", "");
        de("barra invertida inicial", "\\Windows", "x.txt", "");
        de("unidade", "", "C:\\Windows\\x.dll", "");
        de("unidade na localização", "D:", "x.dll", "");
        de("nome vazio", "orbs", "", "");
        de("a própria pasta", "", ".", "");
    }
    void confinamento() {
        QFETCH(QString, localizacao);
        QFETCH(QString, nome);
        QFETCH(QString, relativo);
        const QString raiz = pasta.filePath(QStringLiteral("prog"));
        QCOMPARE(CaminhoConfinado(raiz, localizacao, nome),
                 relativo.isEmpty() ? QString() : QDir::cleanPath(raiz + QLatin1Char('/') + relativo));
    }

    void endereco_data() {
        QTest::addColumn<QString>("pasta");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("url");
        linha("barra final", QStringLiteral("https://x.pt/upd/"), QStringLiteral("a.txt"), QStringLiteral("https://x.pt/upd/a.txt"));
        linha("barra invertida", QStringLiteral("https://x.pt/upd"), QStringLiteral("sub\\a.txt"),
              QStringLiteral("https://x.pt/upd/sub/a.txt"));
        linha("espaço e cardinal", QStringLiteral("http://127.0.0.1:8080/u"), QStringLiteral("a b#1?.txt"),
              QStringLiteral("http://127.0.0.1:8080/u/a%20b%231%3F.txt"));
        linha("na raiz", QStringLiteral("https://x.pt"), QStringLiteral("update.txt"), QStringLiteral("https://x.pt/update.txt"));
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
