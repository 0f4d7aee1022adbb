// The chart file: reading a hand-made file (data/maria.anc, Windows-1252 with CR LF, written
// with printf and iconv), writing it back byte for byte, the optional tail, damaged and
// malformed files (reported, never altered), quotes and characters the file cannot hold,
// and the Save / Save As logic.
#include "ficheiromapa.h"
#include "mensagens.h"
#include "opcoes.h"
#include "orbes.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QByteArray leBytes(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool escreveBytes(const QString& caminho, const QByteArray& bytes) {
    QFile f(caminho);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The first n records (lines) of the fixture; record 28 spans two lines.
QByteArray primeirosRegistos(const QByteArray& bytes, int n) {
    int linhas = n >= 28 ? n + 1 : n;
    qsizetype p = 0;
    while (linhas-- > 0)
        p = bytes.indexOf("\r\n", p) + 2;
    return bytes.left(p);
}

void limpaRecentes() {
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, "Natalis", "Natalis");
    s.remove("RecentFiles");
    s.sync();
}
} // namespace

class TestFicheiroMapa : public QObject {
    Q_OBJECT

    const QString fixture = QStringLiteral(NATALIS_TEST_DATA "/maria.anc");
    QTemporaryDir pasta;
    MensagensGravadas caixa;

private slots:
    void initTestCase() {
        QVERIFY(pasta.isValid());
        DefineCaixaMensagens(&caixa);
        LoadOrbs(true, QString());
        QVERIFY2(QFile::exists(fixture), qPrintable(fixture));
    }
    void cleanupTestCase() { DefineCaixaMensagens(nullptr); }
    void init() {
        caixa.chamadas.clear();
        caixa.respostas.clear();
        limpaRecentes();
    }

    void abreFicheiroFeitoAMao() {
        CamposMapa c;
        Mapa m;
        QVERIFY(OpenFile(fixture, c, m));
        QCOMPARE(caixa.chamadas.size(), 0);
        QCOMPARE(c.txtNome, QString::fromUtf8("Maria da Conceição, Silva"));
        QCOMPARE(c.txtData, QString("13/6/1888"));
        QVERIFY(!c.sexoMasculino);
        QCOMPARE(c.txtHora, QString("15h20'"));
        QCOMPARE(c.txtlocal, QString("Lisboa, Portugal"));
        QCOMPARE(c.txtLatitude, QString::fromUtf8("38º43'0''N"));
        QCOMPARE(c.PosPlaneta[0], QString::fromUtf8("20º10'5''Gémeos"));
        QCOMPARE(c.PosPlaneta[3], QString::fromUtf8("1º1'1''Câncer"));
        QCOMPARE(c.PosPlaneta[11], QString::fromUtf8("12º0'0''Escorpião"));
        const std::array<bool, 12> retro = {false, false, true, false, false, true, false, false, true, false, true, true};
        QCOMPARE(c.lblretrogrado, retro);
        QCOMPARE(c.PosCasas[0], QString::fromUtf8("0º0'0''Capricórnio"));
        QCOMPARE(c.PosCasas[5], QString::fromUtf8("0º0'0''Gémeos"));
        QCOMPARE(c.cometarios, QString::fromUtf8("Primeira linha, com vírgula\nSegunda linha"));
        QCOMPARE(c.txtemail, QString("maria@exemplo.pt"));
        QVERIFY(c.mapaAberto);
        QCOMPARE(c.caminhoFicheiro, fixture);
        QCOMPARE(RecentFiles(), QStringList{fixture});

        // Rebuilt from the texts: derived times (UT 15h20, local mean time 9º8' W = 36m32s
        // earlier), opposite cusps, the Part of Fortune (0 + 33° − 80°10'5"), the status text
        // with the universal time.
        QCOMPARE(c.lblHoras[0], QString("15h20'0''"));
        QCOMPARE(c.lblHoras[1], QString("14h43'28''"));
        QCOMPARE(c.lPosCasas[0], QString::fromUtf8("0º0'0''Câncer"));
        QCOMPARE(c.PosPlaneta[12], QString::fromUtf8("12º49'55''Aquário"));
        QCOMPARE(c.textoEstado,
                 QString::fromUtf8("Maria da Conceição, Silva nascida a 13/6/1888 em Lisboa, Portugal pelas 15h20 horas (UT 15h20)"));
        QVERIFY(m.Aspectos().ExistsItem(1 * 1000 + 9 * 100 + 3)); // Sol 80.2° and Mercúrio 85.5°
    }

    // Written back byte for byte. A chart cast with another engine or house system keeps them
    // in records after the 29th (then the zone id the atlas filled the zone from); the 29
    // records before are the default file's bytes, so a reader of 29 records reads every
    // field as before. The defaults add nothing.
    void registosExtra_data() {
        QTest::addColumn<int>("motor");
        QTest::addColumn<int>("casas");
        QTest::addColumn<QString>("fusoAtlas");
        QTest::addColumn<QByteArray>("cauda");
        QTest::newRow("predefinido: 29 registos")
            << int(Motor::Classico) << int(SistemaCasas::Proprio) << "Europe/Lisbon" << QByteArray();
        QTest::newRow("preciso Placidus") << int(Motor::Preciso) << int(SistemaCasas::Placidus) << ""
                                          << QByteArray("\"preciso\"\r\n\"placidus\"\r\n\"\"\r\n");
        QTest::newRow("classico Signos Inteiros, fuso do atlas")
            << int(Motor::Classico) << int(SistemaCasas::SignosInteiros) << "America/Sao_Paulo"
            << QByteArray("\"classico\"\r\n\"signos-inteiros\"\r\n\"America/Sao_Paulo\"\r\n");
        QTest::newRow("preciso regra propria") << int(Motor::Preciso) << int(SistemaCasas::Proprio) << ""
                                               << QByteArray("\"preciso\"\r\n\"proprio\"\r\n\"\"\r\n");
    }
    void registosExtra() {
        QFETCH(int, motor);
        QFETCH(int, casas);
        QFETCH(QString, fusoAtlas);
        QFETCH(QByteArray, cauda);
        const EscolhaCalculo escolha{Motor(motor), SistemaCasas(casas)};
        CamposMapa c;
        Mapa m;
        QVERIFY(OpenFile(fixture, c, m));
        QVERIFY(c.escolha.padrao());
        c.escolha = escolha;
        c.fusoAtlas = fusoAtlas;
        const QString destino = pasta.filePath("extra.anc");
        QVERIFY(SaveToFile(destino, c));
        QCOMPARE(caixa.chamadas.size(), 0);
        const QByteArray bytes = leBytes(destino);
        QCOMPARE(bytes, leBytes(fixture) + cauda);
        QCOMPARE(RecentFiles(), QStringList{fixture}); // saving does not touch them

        // Opened again: the choice comes back, the fields are the fixture's, and the status
        // line names the engine and house system of a chart not cast with the defaults.
        CamposMapa lido;
        QVERIFY(OpenFile(destino, lido, m));
        QCOMPARE(lido.escolha, escolha);
        QCOMPARE(lido.fusoAtlas, escolha.padrao() ? QString() : fusoAtlas);
        QCOMPARE(lido.txtemail, QString("maria@exemplo.pt"));
        QCOMPARE(lido.PosCasas, c.PosCasas);
        QCOMPARE(lido.textoEstado.contains(QString::fromUtf8("Cálculo: motor ") + NomeMotor(escolha.motor) +
                                           QStringLiteral(", casas ") + NomeCasas(escolha.casas)),
                 !escolha.padrao());
        const QString copia = pasta.filePath("extra2.anc");
        QVERIFY(SaveToFile(copia, lido));
        QCOMPARE(leBytes(copia), bytes);

        // The 29-record reader: the first 29 records alone give the same fields.
        CamposMapa so29;
        QCOMPARE(LeBytesMapa(primeirosRegistos(bytes, 29), so29), 0);
        QCOMPARE(so29.txtemail, lido.txtemail);
        QCOMPARE(so29.cometarios, lido.cometarios);
        for (int i = 0; i < 12; ++i) // 12, the Part of Fortune, is not stored
            QCOMPARE(so29.PosPlaneta[i], lido.PosPlaneta[i]);
        QVERIFY(so29.escolha.padrao());
    }

    // Any texts, in and out unchanged (commas, several lines, accents, empty fields).
    void idaEVolta_data() {
        QTest::addColumn<QString>("texto");
        QTest::newRow("virgulas") << "a, b,c,,";
        QTest::newRow("varias linhas") << "linha 1\nlinha 2\n\nlinha 4\n";
        QTest::newRow("acentos e simbolos cp1252") << QString::fromUtf8("ção º € … ‘x’ ”");
        QTest::newRow("vazio") << "";
        QTest::newRow("espacos nas pontas") << "  meio  ";
        QTest::newRow("parece um flag") << "#TRUE#";
    }
    void idaEVolta() {
        QFETCH(QString, texto);
        CamposMapa c;
        c.txtNome = texto;
        c.txtData = "1/1/2000";
        c.sexoMasculino = true;
        c.txtlocal = texto;
        for (int i = 0; i < 12; ++i) {
            c.PosPlaneta[i] = QString("%1º0'0''Touro").arg(i);
            c.lblretrogrado[i] = i % 3 == 0;
        }
        for (int k = 0; k < 6; ++k)
            c.PosCasas[k] = QString("%1º1'2''Leão").arg(k);
        c.cometarios = texto;
        c.txtemail = texto;
        CamposMapa lido;
        QCOMPARE(LeBytesMapa(BytesMapa(c), lido), 0);
        QCOMPARE(lido.txtNome, c.txtNome);
        QCOMPARE(lido.txtlocal, c.txtlocal);
        QCOMPARE(lido.sexoMasculino, true);
        QCOMPARE(lido.PosPlaneta, c.PosPlaneta);
        QCOMPARE(lido.lblretrogrado, c.lblretrogrado);
        QCOMPARE(lido.PosCasas, c.PosCasas);
        QCOMPARE(lido.cometarios, c.cometarios);
        QCOMPARE(lido.txtemail, c.txtemail);
    }

    // The tail (records 27..29) may be missing: 26 records load with no message. Opening
    // replaces the bodies of the chart shown before.
    void caudaOpcional_data() {
        QTest::addColumn<int>("registos");
        QTest::addColumn<bool>("temNegra");
        QTest::addColumn<bool>("temComentarios");
        QTest::newRow("26 registos") << 26 << false << false;
        QTest::newRow("27 registos") << 27 << true << false;
        QTest::newRow("28 registos sem e-mail") << 28 << true << true;
    }
    void caudaOpcional() {
        QFETCH(int, registos);
        QFETCH(bool, temNegra);
        QFETCH(bool, temComentarios);
        const QString caminho = pasta.filePath(QString("cauda%1.anc").arg(registos));
        QVERIFY(escreveBytes(caminho, primeirosRegistos(leBytes(fixture), registos)));
        CamposMapa c;
        Mapa m;
        QVERIFY(OpenFile(fixture, c, m));
        m.Corpo(4).Marcado = true;
        m.Corpo(4).Aspectos().Add("resto", 999);
        QVERIFY(OpenFile(caminho, c, m));
        QCOMPARE(caixa.chamadas.size(), 0);
        QVERIFY(!m.Corpo(4).Marcado);
        QVERIFY(!m.Corpo(4).Aspectos().ExistsItem(999));
        QCOMPARE(c.PosPlaneta[11].isEmpty(), !temNegra);
        QCOMPARE(c.lblretrogrado[11], temNegra);
        QCOMPARE(c.cometarios.isEmpty(), !temComentarios);
        QVERIFY(c.txtemail.isEmpty());
        QCOMPARE(c.PosCasas[5], QString::fromUtf8("0º0'0''Gémeos"));
    }

    // A file that stops inside records 1..26, or whose flag records hold something else, is
    // reported and left exactly as it was; the fields read before the fault stay.
    void danificado_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("erro");
        QTest::addColumn<int>("registo"); // the record the message names
        const QByteArray inteiro = leBytes(QStringLiteral(NATALIS_TEST_DATA "/maria.anc"));
        QTest::newRow("acaba no registo 20") << primeirosRegistos(inteiro, 19) << 62 << 20;
        QTest::newRow("acaba no registo 26") << primeirosRegistos(inteiro, 25) << 62 << 26;
        QTest::newRow("vazio") << QByteArray() << 62 << 1;
        QTest::newRow("registo 3 nao e flag") << QByteArray(inteiro).replace("#FALSE#\r\n\"15h", "#SIM#\r\n\"15h") << 13 << 3;
        QTest::newRow("flag do Sol errado") << QByteArray(inteiro).replace("G\xe9meos\",#FALSE#", "G\xe9meos\",sim") << 13 << 10;
        // Positions beyond any circle (more whole degrees than 16 bits count) are damage.
        QTest::newRow("Sol para la de qualquer posicao")
            << QByteArray(inteiro).replace("\"20\xba" "10'5''G\xe9meos\"", "\"25666666666666666666666\xba" "32'40''Peixes\"")
            << 13 << 10;
        QTest::newRow("cuspide para la de qualquer posicao")
            << QByteArray(inteiro).replace("\"0\xba" "0'0''Aqu\xe1rio\"", "\"1222222222220\xba" "0'0''Aqu\xe1rio\"") << 13 << 22;
        QTest::newRow("Lua Negra para la de qualquer posicao")
            << QByteArray(inteiro).replace("\"12\xba" "0'0''Escorpi\xe3o\"", "\"0\xba" "99999999'0''Escorpi\xe3o\"") << 13 << 27;
    }
    void danificado() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, erro);
        QFETCH(int, registo);
        const QString caminho = pasta.filePath("danificado.anc");
        QVERIFY(escreveBytes(caminho, bytes));
        CamposMapa c;
        c.txtNome = "anterior";
        Mapa m;
        m.Corpo(0).Marcado = true;
        QVERIFY(!OpenFile(caminho, c, m));
        QCOMPARE(leBytes(caminho), bytes);
        QCOMPARE(caixa.chamadas.size(), 1);
        QCOMPARE(caixa.chamadas[0].icone, IconeMsg::Exclamacao);
        QCOMPARE(caixa.chamadas[0].titulo, QString("Natalis OpenFile"));
        QVERIFY2(caixa.chamadas[0].texto.startsWith(QString("Erro numero %1\n").arg(erro)),
                 qPrintable(caixa.chamadas[0].texto));
        QVERIFY2(caixa.chamadas[0].texto.contains(QString::fromUtf8("está danificado e foi deixado como estava")),
                 qPrintable(caixa.chamadas[0].texto));
        QVERIFY2(caixa.chamadas[0].texto.contains(QString("registo %1").arg(registo)), qPrintable(caixa.chamadas[0].texto));
        QVERIFY(RecentFiles().isEmpty());
        QCOMPARE(c.caminhoFicheiro, caminho);
        QVERIFY(!c.caminhoValido);
        QVERIFY(!m.Corpo(0).Marcado);
        QVERIFY(c.lblHoras[0].isEmpty()); // nothing recomputed
        if (!bytes.isEmpty())
            QCOMPARE(c.txtNome, QString::fromUtf8("Maria da Conceição, Silva"));
        // Save does not write over the damaged file: it asks for another path.
        c.mapaAberto = true;
        int perguntas = 0;
        QVERIFY(!GuardaMapa(c, [&] {
            ++perguntas;
            return QString();
        }));
        QCOMPARE(perguntas, 1);
        QCOMPARE(leBytes(caminho), bytes);
    }

    void ficheiroEmFalta() {
        CamposMapa c;
        c.txtNome = "anterior";
        Mapa m;
        const QString caminho = pasta.filePath("nao-existe.anc");
        QVERIFY(!OpenFile(caminho, c, m));
        QCOMPARE(caixa.chamadas.size(), 1);
        QVERIFY(caixa.chamadas[0].texto.startsWith("Erro numero 53\n"));
        QVERIFY(c.txtNome.isEmpty());
        QCOMPARE(c.caminhoFicheiro, caminho);
        QVERIFY(!QFile::exists(caminho));
    }

    void aspasTipograficas() {
        CamposMapa c;
        c.txtNome = "Ana \"Nita\" Lopes";
        c.cometarios = "disse \"sim\"";
        const QString destino = pasta.filePath("aspas.anc");
        QVERIFY(SaveToFile(destino, c));
        QCOMPARE(caixa.chamadas.size(), 1);
        QVERIFY(caixa.chamadas[0].texto.contains("Nome"));
        QVERIFY(caixa.chamadas[0].texto.contains(QString::fromUtf8("Comentários")));
        QCOMPARE(c.txtNome, QString::fromUtf8("Ana ”Nita” Lopes"));
        QVERIFY(leBytes(destino).startsWith("\"Ana \x94Nita\x94 Lopes\"\r\n"));
        CamposMapa lido;
        QCOMPARE(LeBytesMapa(leBytes(destino), lido), 0);
        QCOMPARE(lido.cometarios, QString::fromUtf8("disse ”sim”"));
    }

    // Characters outside Windows-1252: the user is asked before anything is written.
    void caracteresForaDoFicheiro_data() {
        QTest::addColumn<RespostaMsg>("resposta");
        QTest::addColumn<bool>("guardado");
        QTest::newRow("guardar assim mesmo") << RespostaMsg::Sim << true;
        QTest::newRow("desistir") << RespostaMsg::Nao << false;
    }
    void caracteresForaDoFicheiro() {
        QFETCH(RespostaMsg, resposta);
        QFETCH(bool, guardado);
        const QString destino = pasta.filePath("simbolos.anc");
        QVERIFY(escreveBytes(destino, "anterior"));
        CamposMapa c;
        c.cometarios = QString::fromUtf8("Sol ☉ em casa");
        caixa.respostas = {resposta};
        QCOMPARE(SaveToFile(destino, c), guardado);
        QCOMPARE(caixa.chamadas.size(), 1);
        QCOMPARE(caixa.chamadas[0].icone, IconeMsg::Pergunta);
        QVERIFY(caixa.chamadas[0].texto.contains(QString::fromUtf8("☉")));
        QVERIFY(caixa.chamadas[0].texto.contains(QString::fromUtf8("Comentários")));
        if (guardado)
            QVERIFY(leBytes(destino).contains("\"Sol ? em casa\""));
        else
            QCOMPARE(leBytes(destino), QByteArray("anterior"));
    }

    void falhaDeEscritaInforma() {
        CamposMapa c;
        QVERIFY(!SaveToFile(pasta.filePath("nao/existe/x.anc"), c));
        QCOMPARE(caixa.chamadas.size(), 1);
        QCOMPARE(caixa.chamadas[0].titulo, QString("Natalis SaveToFile"));
        QVERIFY(caixa.chamadas[0].texto.contains("x.anc"));
    }

    void guardarEGuardarComo_data() {
        QTest::addColumn<bool>("aberto");
        QTest::addColumn<QString>("escolhido");
        QTest::addColumn<int>("perguntas");
        QTest::addColumn<QString>("escrito");
        QTest::newRow("sem mapa aberto nada faz") << false << "x.anc" << 0 << "";
        QTest::newRow("sem caminho vai a guardar como") << true << "novo.anc" << 1 << "novo.anc";
        QTest::newRow("guardar como cancelado") << true << "" << 1 << "";
        QTest::newRow("nome sem ponto nao grava") << true << "semponto" << 1 << "";
    }
    void guardarEGuardarComo() {
        QFETCH(bool, aberto);
        QFETCH(QString, escolhido);
        QFETCH(int, perguntas);
        QFETCH(QString, escrito);
        QTemporaryDir d;
        CamposMapa c;
        c.mapaAberto = aberto;
        int feitas = 0;
        const bool ok = GuardaMapa(c, [&] {
            ++feitas;
            return escolhido.isEmpty() ? QString() : d.filePath(escolhido);
        });
        QCOMPARE(feitas, perguntas);
        QCOMPARE(ok, !escrito.isEmpty());
        QCOMPARE(QDir(d.path()).entryList(QDir::Files), escrito.isEmpty() ? QStringList() : QStringList{escrito});
        if (!escrito.isEmpty()) {
            QCOMPARE(c.caminhoFicheiro, d.filePath(escrito));
            // The next Save writes to that path without asking.
            QVERIFY(GuardaMapa(c, [&] {
                ++feitas;
                return QString();
            }));
            QCOMPARE(feitas, perguntas);
        }
    }
};

QTEST_GUILESS_MAIN(TestFicheiroMapa)
#include "test_ficheiromapa.moc"
