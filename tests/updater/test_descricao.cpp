// Reading the update description, checking its signature, and the decisions taken from it.
// Expected values follow the private-profile rules and the description's format by hand;
// signatures are made by minisign itself, with key pairs made at test time.
#include "ferramentas.h"
#include "ambienterun.h"
#include "descricao.h"
#include "ficheirosdescritos.h"
#include "leitorini.h"

#include <QtTest>

class TestDescricao : public QObject {
    Q_OBJECT
    QTemporaryDir pasta;

    // Signs `texto` with key `nome` ("a" or "b"); `legado` makes the older "Ed" signature.
    QByteArray assina(const QByteArray& texto, const QString& nome, bool legado) {
        const QString f = pasta.filePath(QStringLiteral("msg.txt"));
        QStringList args{"-S", "-s", pasta.filePath(nome + ".key"), "-m", f};
        if (legado) args << QStringLiteral("-l");
        return escreve(f, texto) && corre("minisign", args) ? le(f + QStringLiteral(".minisig")) : QByteArray();
    }

private slots:
    void initTestCase() {
        EXIGE_FERRAMENTA("minisign", "minisign");
        for (const QString n : {"a", "b"})
            QVERIFY(corre("minisign", {"-G", "-W", "-p", pasta.filePath(n + ".pub"), "-s", pasta.filePath(n + ".key")}));
    }

    void verifica_data() {
        QTest::addColumn<QString>("chaveAssina"); QTest::addColumn<bool>("legado"); QTest::addColumn<int>("estrago");
        QTest::addColumn<QString>("motivo"); // empty: valid
        const QString difere = QStringLiteral("não corresponde");
        QTest::newRow("resumo BLAKE2b (ED)") << "a" << false << 0 << "";
        QTest::newRow("mensagem inteira (Ed)") << "a" << true << 0 << "";
        QTest::newRow("um byte alterado (ED)") << "a" << false << 1 << difere;
        QTest::newRow("um byte alterado (Ed)") << "a" << true << 1 << difere;
        QTest::newRow("comentário de confiança alterado") << "a" << false << 3 << "comentário de confiança";
        QTest::newRow("outra chave") << "b" << false << 0 << "outra chave";
        QTest::newRow("assinatura cortada") << "a" << false << 4 << "formato";
        QTest::newRow("página de erro") << "a" << false << 5 << "formato";
    }
    void verifica() {
        QFETCH(QString, chaveAssina); QFETCH(bool, legado); QFETCH(int, estrago); QFETCH(QString, motivo);
        QByteArray texto("[natalis]\r\nonline=1\r\n[integridade]\r\n");
        QByteArray assinatura = assina(texto, chaveAssina, legado);
        QVERIFY(!assinatura.isEmpty());
        switch (estrago) {
        case 1: texto[12] = 'X'; break;
        case 3: assinatura.replace("trusted comment: ", "trusted comment: x"); break;
        case 4: assinatura = assinatura.left(assinatura.indexOf("trusted comment")); break;
        case 5: assinatura = "<html>404</html>"; break;
        }
        const ChavePublica chave = LeChavePublica(le(pasta.filePath(QStringLiteral("a.pub"))));
        QString porque;
        QCOMPARE(VerificaAssinatura(texto, assinatura, chave, &porque), motivo.isEmpty());
        QVERIFY2(porque.contains(motivo), qPrintable(porque));
    }

    // Unreadable keys are not valid. (The built-in key, which refuses the tests' signatures as
    // another key's, is the run test's.)
    void chavesIlegiveis() {
        for (const QByteArray& ilegivel : {QByteArray(), QByteArray("untrusted comment: x\nRWQAAA==\n"),
                                           QByteArray("RW**********************************************")})
            QVERIFY2(!LeChavePublica(ilegivel).Valida(), ilegivel.constData());
    }

    // The files of a section with their signed sizes and digests; filescount must not run past
    // the names given, and nothing may leave the program folder or replace a program unless
    // signed as one.
    void ficheirosDaSeccao_data() {
        QTest::addColumn<QByteArray>("descricao"); QTest::addColumn<QStringList>("nomes");
        QTest::addColumn<QString>("motivo"); // empty: accepted
        const QByteArray h = "23f3770b6441c8d5c9c5fd6b364972b0bf29ae5cd1782749edaae17847dac020";
        const QByteArray i1 = "otherfiles1=3 " + h + "\n", i2 = "otherfiles2=3 " + h + "\n",
                         um = "filescount=1\nfilename1=a\n";
        const auto de = [](const char* nome, const QByteArray& ficheiros, const QByteArray& integridade,
                           const QStringList& nomes, const char* motivo = "") {
            QTest::newRow(nome) << "[otherfiles]\n" + ficheiros + "[integridade]\n" + integridade << nomes
                                << QString::fromUtf8(motivo);
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
        QFETCH(QByteArray, descricao); QFETCH(QStringList, nomes); QFETCH(QString, motivo);
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

    // The description's small readers and decisions, one hand-worked row each: the reader,
    // its input, a second argument where it takes one, and the result as text.
    void leitores_data() {
        QTest::addColumn<QString>("leitor"); QTest::addColumn<QByteArray>("entrada"); QTest::addColumn<QString>("mais");
        QTest::addColumn<QString>("esperado");
        const auto de = [](const char* leitor, const char* caso, const QByteArray& entrada, const char* mais,
                           const QString& e) {
            QTest::addRow("%s: %s", leitor, caso)
                << QString::fromLatin1(leitor) << entrada << QString::fromLatin1(mais) << e;
        };
        // Private-profile rules: the first section and key of a name, case-blind, blanks trimmed,
        // comments and lines without "=" skipped, values in Windows-1252, at most 999 characters.
        const QByteArray ini = "[natalis]\r\nonline=1\r\nlastdate = 13/4/2000 \r\n\r\n[otherfiles]\r\nfilescount=2\r\n"
                               "filename1=a.orb\r\nfilelocation1=\r\n[webupdate]\r\nnews=Novidades: \xe9poca nova\r\n";
        de("ini", "brancos à volta tirados", ini, "natalis/lastdate", "13/4/2000");
        de("ini", "secção e chave sem caso", ini, "OtherFiles/FILENAME1", "a.orb");
        de("ini", "valor vazio", ini, "otherfiles/filelocation1", "");
        de("ini", "secção em falta", ini, "movela/online", "");
        de("ini", "chave de outra secção", ini, "otherfiles/online", "");
        de("ini", "Windows-1252", ini, "webupdate/news", QStringLiteral("Novidades: época nova"));
        de("ini", "primeira secção do nome", "[a]\r\nk=1\r\n[b]\r\nk=2\r\n[a]\r\nk=3\r\nj=4\r\n", "a/j", "");
        de("ini", "primeira chave do nome", "[a]\r\nk=1\r\nk=2\r\n", "a/k", "1");
        de("ini", "comentário", "[a]\r\n;k=1\r\nk=2\r\n", "a/k", "2");
        de("ini", "chave antes de secção", "k=1\r\n[a]\r\n", "a/k", "");
        de("ini", "linha sem igual", "[a]\r\nk\r\nk=5\r\n", "a/k", "5");
        de("ini", "no máximo 999", "[a]\r\nk=" + QByteArray(1200, 'x') + "\r\n", "a/k", QString(999, QLatin1Char('x')));
        // A description is valid when its first line, in lower case, is exactly "[natalis]".
        de("valida", "maiúsculas aceites", "[Natalis]\r\nonline=1\r\n", "", "1");
        de("valida", "sem fim de linha", "[NATALIS]", "", "1");
        de("valida", "espaço antes", " [natalis]\r\n", "", "0");
        de("valida", "outra secção", "[movela]\r\n[natalis]\r\n", "", "0");
        // File counts round to the nearest whole number, halves to the even one.
        de("contagem", "número à frente", "3 ficheiros", "", "3");
        de("contagem", "texto", "abc", "", "0");
        de("contagem", "metade para o par abaixo", "2.5", "", "2");
        de("contagem", "metade para o par acima", "3.5", "", "4");
        de("contagem", "arredonda", "1.6", "", "2");
        de("contagem", "negativo", "-2", "", "0");
        // Dates are day/month/year whatever the locale, and what is written reads back the same.
        de("data", "dia antes do mês", "5/6/2000", "", "2000-06-05");
        de("data", "hífenes", "13-4-2000", "", "2000-04-13");
        de("data", "ano com dois algarismos", "13/4/00", "", "2000-04-13");
        de("data", "ano 99", "1/1/99", "", "1999-01-01");
        de("data", "mês 13 não é data", "4/13/2000", "", "");
        de("data", "31 de Fevereiro", "31/2/2001", "", "");
        // News is due when the web's date (entrada) is later than the one seen (mais); 5 June is
        // after 6 May. (News never seen, and seen: the window's test.)
        de("noticias", "dia primeiro", "6/5/2000", "5/6/2000", "0");
        de("noticias", "sem data na web", "", "False", "0");
        // A program update (online|published date|installed date) is due when online is exactly
        // "1" and the published date is later than the installed one. (Never installed, and the
        // same date again: the run's test.)
        de("programa", "online 1.0 não é 1", "1.0|13/4/2000|False", "", "sem");
        de("programa", "instalada mais antiga", "1|13/4/2000|12/4/2000", "", "devida");
        de("programa", "dia primeiro", "1|6/5/2000|5/6/2000", "", "nenhuma");
        de("programa", "publicada sem data", "1||False", "", "nenhuma");
        // Where a described file (location|name) goes below the program folder; empty: refused.
        de("confinado", "subpasta com barra invertida", "backgrounds\\roda|a.bmp", "", "backgrounds/roda/a.bmp");
        de("confinado", "ponto inofensivo", "./orbs|x.orb", "", "orbs/x.orb");
        de("confinado", ".. no nome", "|../x.txt", "", "");
        de("confinado", ".. com barra invertida", "|..\\x.txt", "", "");
        de("confinado", ".. no meio", "orbs\\..\\..|x.txt", "", "");
        de("confinado", "sobe e volta", "orbs/..|x.txt", "", "");
        de("confinado", "nome absoluto", "|/etc/passwd", "", "");
        de("confinado", "localização absoluta", "/tmp|x.txt", "", "");
        de("confinado", "unidade", "|C:\\Windows\\x.dll", "", "");
        de("confinado", "nome vazio", "orbs|", "", "");
        de("confinado", "a própria pasta", "|.", "", "");
        // A companion's published version from its section (mais: the section's name).
        const QByteArray irma = "[natalis]\r\n[movela]\r\nonline=1\r\nmajor=1\r\nminor=2\r\nrevision=03\r\nlastdate=13/4/27\r\n";
        de("irma", "publicada com data", irma, "movela", "Movela 1.2.3, publicada em 13/4/2027");
        de("irma", "sem data", "[movela]\r\nonline=1\r\nmajor=1\r\nminor=0\r\nrevision=0\r\n", "movela", "Movela 1.0.0");
        de("irma", "fora de linha", "[movela]\r\nonline=0\r\nmajor=1\r\nminor=0\r\nrevision=0\r\n", "movela", "");
        de("irma", "revisão em falta", "[movela]\r\nonline=1\r\nmajor=1\r\nminor=0\r\n", "movela", "");
        de("irma", "outra secção", irma, "duetto", "");
        // A file's address below the web folder (mais), escaped.
        de("endereco", "barra final", "a.txt", "https://x.pt/upd/", "https://x.pt/upd/a.txt");
        de("endereco", "barra invertida", "sub\\a.txt", "https://x.pt/upd", "https://x.pt/upd/sub/a.txt");
        de("endereco", "espaço e cardinal", "a b#1?.txt", "http://127.0.0.1:8080/u",
           "http://127.0.0.1:8080/u/a%20b%231%3F.txt");
    }
    void leitores() {
        QFETCH(QString, leitor); QFETCH(QByteArray, entrada); QFETCH(QString, mais); QFETCH(QString, esperado);
        const QString texto = QString::fromLatin1(entrada);
        const QStringList partes = texto.split(QLatin1Char('|'));
        const QString raiz = pasta.filePath(QStringLiteral("prog"));
        QString r;
        if (leitor == "ini")
            r = ReadINI(entrada, mais.section(QLatin1Char('/'), 0, 0), mais.section(QLatin1Char('/'), 1));
        else if (leitor == "valida")
            r = QString::number(DescricaoValida(PrimeiraLinha(entrada)));
        else if (leitor == "contagem")
            r = QString::number(ContagemFicheiros(texto));
        else if (leitor == "data")
            r = LeData(EscreveData(LeData(texto))) == LeData(texto) ? LeData(texto).toString(Qt::ISODate) : "?";
        else if (leitor == "noticias")
            r = QString::number(HaNoticias(texto, mais));
        else if (leitor == "programa")
            r = QStringList{"sem", "nenhuma", "devida"}.value(int(DecideActualizacao(partes[0], partes[1], partes[2])));
        else if (leitor == "confinado" && !(r = CaminhoConfinado(raiz, partes[0], partes[1])).isEmpty())
            r = QDir(raiz).relativeFilePath(r);
        else if (leitor == "endereco")
            r = EnderecoFicheiro(mais, texto).toString(QUrl::FullyEncoded);
        else if (leitor == "irma")
            r = VersaoIrma(PerfilIni::Le(entrada), mais, QStringLiteral("Movela"));
        QCOMPARE(r, esperado);
    }
};

QTEST_GUILESS_MAIN(TestDescricao)
#include "test_descricao.moc"
