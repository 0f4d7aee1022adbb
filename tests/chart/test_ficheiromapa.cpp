// The chart file: the hand-made data/maria.anc (Windows-1252, CR LF, written with printf and
// iconv) read and summarised, written back byte for byte, the optional tail, damaged files
// (reported, never altered, not saved over), characters the file cannot hold. Save As, a missing
// file, quotes and failed writes are driven through the window and the command line.
#include "discocheio.h"
#include "ficheiromapa.h"
#include "mensagens.h"
#include "opcoes.h"
#include "orbes.h"
#include "resumo.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString FIXTURE = QStringLiteral(NATALIS_TEST_DATA "/maria.anc");

// The first n records (lines) of the fixture; record 28 spans two lines.
QByteArray primeirosRegistos(const QByteArray& bytes, int n) {
    int linhas = n >= 28 ? n + 1 : n;
    qsizetype p = 0;
    while (linhas-- > 0)
        p = bytes.indexOf("\r\n", p) + 2;
    return bytes.left(p);
}
} // namespace

class TestFicheiroMapa : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;
    MensagensGravadas caixa;
    CaixaTemporaria instalada{&caixa};

private slots:
    void initTestCase() {
        QVERIFY(pasta.isValid());
        LoadOrbs(true, QString());
    }
    void init() {
        caixa.chamadas.clear();
        caixa.respostas.clear();
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Natalis", "Natalis").remove("RecentFiles");
    }

    // The fields read and rebuilt, shown by the summary line by line as its rules lay it out
    // (names padded to 20, " em " and the short house name, the retrograde suffix).
    void abreFicheiroFeitoAMao() {
        CamposMapa c;
        Mapa m;
        QVERIFY(OpenFile(FIXTURE, c, m));
        QCOMPARE(caixa.chamadas.size(), 0);
        // Houses by hand: cusps every 30° from 0º Carneiro (I); Sol 80° in III, Marte
        // 359°59'59" in XII, Lua Negra 222° in VIII. Fortuna 0 + 33° − 80°10'5" = 312°49'55";
        // the other parts as in the parts rules.
        QStringList esperado = {
            "Resumo das posições astrologicas", "", "Maria da Conceição, Silva",
            "Nascida em Lisboa, Portugal no dia 13/6/1888 pelas 15h20'", "", "",
            "Planetas , Nodos,  Sol e Lua e Lua Negra ", "",
            "Sol                 20º10'5''Gémeos em III",
            "Lua                 3º0'0''Touro em II",
            "Mercurio            25º30'0''Gémeos em III ( Retrogrado )",
            "Vénus               1º1'1''Câncer em IV",
            "Marte               29º59'59''Peixes em XII",
            "Jupiter             10º0'0''Sagitário em IX ( Retrogrado )",
            "Saturno             5º0'0''Virgo em VI",
            "Urano               7º7'7''Aquário em XI",
            "Neptuno             17º0'0''Touro em II ( Retrogrado )",
            "Plutão              3º0'0''Gémeos em III",
            "Nodo Norte da Lua   28º0'0''Leão em V ( Retrogrado )",
            "Lua Negra           12º0'0''Escorpião em VIII ( Retrogrado )",
            "", "Casas",
            "", "Partes",
            "Fortuna             12º49'55''Aquário",
            "Devir               17º10'5''Touro",
            "Inteligência        29º50'10''Virgo",
            "Amor                5º21'11''Libra",
            "Audácia             17º10'4''Touro",
            "Felicidade          22º49'55''Libra",
            "Dever               22º10'5''Libra",
        };
        // Cusps X .. IX at 0º of each sign from Capricórnio, names padded to 20.
        const char* casas[12] = {"X, o Meio Céu", "XI", "XII", "I, o Ascendente", "II", "III",
                                 "IV, o Baixo Céu", "V", "VI", "VII, o Descendente", "VIII", "IX"};
        const char* signos[12] = {"Capricórnio", "Aquário", "Peixes", "Carneiro", "Touro", "Gémeos",
                                  "Câncer", "Leão", "Virgo", "Libra", "Escorpião", "Sagitário"};
        for (int k = 0; k < 12; ++k)
            esperado.insert(22 + k, QString::fromUtf8(casas[k]).leftJustified(20) + "0º0'0''" + QString::fromUtf8(signos[k]));
        QCOMPARE(LinhasResumo(c, m), esperado); // a difference is reported with its index
        // What the summary does not show.
        QCOMPARE(c.txtLatitude, QString::fromUtf8("38º43'0''N"));
        QCOMPARE(c.cometarios, QString::fromUtf8("Primeira linha, com vírgula\nSegunda linha"));
        QCOMPARE(c.txtemail, QString("maria@exemplo.pt"));
        QVERIFY(c.mapaAberto);
        QCOMPARE(c.caminhoFicheiro, FIXTURE);
        QCOMPARE(RecentFiles(), QStringList{FIXTURE});
        // Derived times: UT 15h20, local mean time 9º8' W = 36m32s earlier.
        QCOMPARE(c.lblHoras[1], QString("14h43'28''"));
        QCOMPARE(c.textoEstado,
                 QString::fromUtf8("Maria da Conceição, Silva nascida a 13/6/1888 em Lisboa, Portugal pelas 15h20 horas (UT 15h20)"));
        QVERIFY(m.Aspectos().ExistsItem(1 * 1000 + 9 * 100 + 3)); // Sol 80.2° and Mercúrio 85.5°

        // The summary file: Windows-1252, CR LF (its failed writes are the window's tests).
        QVERIFY(SaveResume(pasta.filePath("Maria.txt"), c, m));
        const QByteArray bytes = DiscoCheio::conteudo(pasta.filePath("Maria.txt"));
        QVERIFY(bytes.startsWith("Resumo das posi\xe7\xf5" "es astrologicas\r\n\r\nMaria da Concei\xe7\xe3o, Silva\r\n"));
        QVERIFY(bytes.endsWith("Dever               22\xba" "10'5''Libra\r\n"));
        QVERIFY(bytes.count("\r\n") == 43 && bytes.count('\n') == 43);
        // A man's chart with empty fields.
        CamposMapa vazio;
        vazio.sexoMasculino = true;
        QCOMPARE(LinhasResumo(vazio, m)[3], QString("Nascido em  no dia  pelas "));
    }

    // Written back byte for byte. A chart cast with another engine or house system keeps them
    // in records after the 29th (then the zone id the atlas filled the zone from); the 29
    // records before are the default file's bytes, so a reader of 29 records reads every
    // field as before. The defaults add nothing.
    void registosExtra_data() {
        QTest::addColumn<int>("motor"); QTest::addColumn<int>("casas"); QTest::addColumn<QString>("fusoAtlas");
        QTest::addColumn<QByteArray>("cauda");
        QTest::addColumn<uint>("pontos");
        QTest::newRow("predefinido: 29 registos") << int(Motor::Classico) << int(SistemaCasas::Proprio) << "Europe/Lisbon" << QByteArray() << 0u;
        QTest::newRow("preciso Placidus") << int(Motor::Preciso) << int(SistemaCasas::Placidus) << ""
                                          << QByteArray("\"preciso\"\r\n\"placidus\"\r\n\"\"\r\n") << 0u;
        QTest::newRow("classico Signos Inteiros, fuso do atlas")
            << int(Motor::Classico) << int(SistemaCasas::SignosInteiros) << "America/Sao_Paulo"
            << QByteArray("\"classico\"\r\n\"signos-inteiros\"\r\n\"America/Sao_Paulo\"\r\n") << 0u;
        // Quíron (retrograde), Palas left out of the file's years, the Vertex: record 33 names
        // them, then one position record each.
        QTest::newRow("preciso com pontos adicionais")
            << int(Motor::Preciso) << int(SistemaCasas::Koch) << ""
            << QByteArray("\"preciso\"\r\n\"koch\"\r\n\"\"\r\n\"quiron,palas,vertice\"\r\n"
                          "\"12\xBA" "34'56''Carneiro\",#TRUE#\r\n\"\",#FALSE#\r\n\"3\xBA" "0'1''Peixes\",#FALSE#\r\n")
            << 0b10000101u;
    }
    void registosExtra() {
        QFETCH(int, motor); QFETCH(int, casas); QFETCH(QString, fusoAtlas); QFETCH(QByteArray, cauda); QFETCH(uint, pontos);
        const EscolhaCalculo escolha{Motor(motor), SistemaCasas(casas), pontos};
        CamposMapa c;
        Mapa m;
        QVERIFY(OpenFile(FIXTURE, c, m));
        c.escolha = escolha;
        if (pontos) {
            c.PosExtra[0] = QString::fromUtf8("12º34'56''Carneiro");
            c.retroExtra[0] = true;
            c.PosExtra[7] = QString::fromUtf8("3º0'1''Peixes");
        }
        c.fusoAtlas = fusoAtlas;
        const QString destino = pasta.filePath("extra.anc");
        QVERIFY(SaveToFile(destino, c));
        QCOMPARE(caixa.chamadas.size(), 0);
        const QByteArray bytes = DiscoCheio::conteudo(destino);
        QCOMPARE(bytes, DiscoCheio::conteudo(FIXTURE) + cauda);
        QCOMPARE(RecentFiles(), QStringList{FIXTURE}); // saving does not touch them

        // Opened again: the choice comes back, the fields are the fixture's, and the status
        // line names the engine and house system of a chart not cast with the defaults.
        CamposMapa lido;
        QVERIFY(OpenFile(destino, lido, m));
        QCOMPARE(lido.escolha, escolha);
        QCOMPARE(lido.fusoAtlas, escolha.padrao() ? QString() : fusoAtlas);
        QCOMPARE(lido.PosCasas, c.PosCasas);
        QVERIFY(lido.PosExtra == c.PosExtra && lido.retroExtra == c.retroExtra);
        // Reopened, the points are in the chart: Quíron at 12°34′56″ and retrograde, Palas not.
        QCOMPARE(m.CorpoComPontos(PRIMEIRO_PONTO_EXTRA).Mostrado, pontos != 0);
        QCOMPARE(qRound(m.CorpoComPontos(PRIMEIRO_PONTO_EXTRA).Posicao().ValorGraus() * 3600), pontos ? (12 * 60 + 34) * 60 + 56 : 0);
        QCOMPARE(m.CorpoComPontos(PRIMEIRO_PONTO_EXTRA).Retrogrado, pontos != 0);
        QVERIFY(!m.CorpoComPontos(PRIMEIRO_PONTO_EXTRA + 2).Mostrado);
        QCOMPARE(lido.textoEstado.contains(QString::fromUtf8("Cálculo: motor ") + NomeMotor(escolha.motor) +
                                           QStringLiteral(", casas ") + NomeCasas(escolha.casas)),
                 !escolha.padrao());
        // The 29-record reader: the first 29 records alone give the same fields.
        CamposMapa so29;
        QCOMPARE(LeBytesMapa(primeirosRegistos(bytes, 29), so29), 0);
        QCOMPARE(so29.txtemail + so29.cometarios, lido.txtemail + lido.cometarios);
        for (int i = 0; i < 12; ++i) // 12, the Part of Fortune, is not stored
            QCOMPARE(so29.PosPlaneta[i], lido.PosPlaneta[i]);
        QVERIFY(so29.escolha.padrao());
        QVERIFY(so29.PosExtra == decltype(so29.PosExtra){});
    }

    // Any texts, in and out unchanged: lines and commas, the 80-9F symbols, nothing, blanks at
    // the ends, a text that looks like a flag (commas and accents are in the hand-made file), a
    // long comment of many lines (one record). A record longer than any chart needs (64 KiB)
    // makes the file damaged, named by its number, without decoding it.
    void textos_data() {
        QTest::addColumn<QString>("nome"); QTest::addColumn<QString>("comentarios");
        QTest::addColumn<int>("registo"); // 0: the file reads
        const std::pair<const char*, QString> textos[] = {
            {"linhas e vírgulas", "linha 1\nlinha 2,,\n\nlinha 4\n"}, {"símbolos 80-9F", QString::fromUtf8("€ … ‘x’ ”")},
            {"nada", QString()}, {"brancos nas pontas", "  meio  "}, {"como uma flag", "#TRUE#"}};
        for (const auto& [linha, texto] : textos) QTest::newRow(linha) << texto << texto << 0;
        const QString linhas = QString("uma linha de comentário com oitenta caracteres mais ou menos, para o teste..\n").repeated(800);
        QTest::newRow("comentário de 62 KiB em linhas") << "Ana" << linhas << 0;
        QTest::newRow("nome de 100 KiB") << QString(100 * 1024, 'a') << "" << 1;
        QTest::newRow("comentário de 70 KiB") << "Ana" << linhas + QString(8 * 1024, 'b') << 28;
    }
    void textos() {
        QFETCH(QString, nome); QFETCH(QString, comentarios); QFETCH(int, registo);
        CamposMapa c, lido;
        c.txtNome = nome;
        c.txtlocal = c.txtemail = registo ? QString() : nome;
        c.cometarios = comentarios;
        c.txtData = "1/1/2000";
        c.sexoMasculino = true;
        for (int i = 0; i < 12; ++i) {
            c.PosPlaneta[i] = QString("%1º0'0''Touro").arg(i);
            c.lblretrogrado[i] = i % 3 == 0;
        }
        for (int k = 0; k < 6; ++k) c.PosCasas[k] = QString("%1º1'2''Leão").arg(k);
        QString descricao;
        int onde = 0;
        QCOMPARE(LeBytesMapa(BytesMapa(c), lido, &descricao, &onde), registo ? ERRO_TIPO : 0);
        QCOMPARE(onde, registo);
        if (registo) {
            QVERIFY2(descricao.startsWith(QString("O registo %1 tem mais de 64 KiB").arg(registo)),
                     qPrintable(descricao));
            return;
        }
        QCOMPARE((QStringList{lido.txtNome, lido.txtlocal, lido.cometarios, lido.txtemail}),
                 (QStringList{nome, nome, comentarios, nome}));
        QVERIFY(lido.sexoMasculino && lido.PosPlaneta == c.PosPlaneta);
        QVERIFY(lido.lblretrogrado == c.lblretrogrado && lido.PosCasas == c.PosCasas);
    }

    // The tail (records 27..29) may be missing: 26 records load with no message. Opening
    // replaces the bodies of the chart shown before.
    void caudaOpcional() {
        for (int registos : {26, 27, 28}) {
            const QString caminho = pasta.filePath(QString("cauda%1.anc").arg(registos));
            QVERIFY(DiscoCheio::escreve(caminho, primeirosRegistos(DiscoCheio::conteudo(FIXTURE), registos)));
            CamposMapa c;
            Mapa m;
            QVERIFY(OpenFile(FIXTURE, c, m));
            m.Corpo(4).Marcado = true;
            m.Corpo(4).Aspectos().Add("resto", 999);
            QVERIFY(OpenFile(caminho, c, m));
            QCOMPARE(caixa.chamadas.size(), 0);
            QVERIFY(!m.Corpo(4).Marcado && !m.Corpo(4).Aspectos().ExistsItem(999));
            QCOMPARE(c.PosPlaneta[11].isEmpty(), registos < 27); // Lua Negra
            QCOMPARE(c.lblretrogrado[11], registos >= 27);
            QCOMPARE(c.cometarios.isEmpty(), registos < 28);
            QVERIFY(c.txtemail.isEmpty());
            QCOMPARE(c.PosCasas[5], QString::fromUtf8("0º0'0''Gémeos"));
        }
    }

    // A file that stops inside records 1..26, or whose flag records hold something else, is
    // reported and left exactly as it was; the fields read before the fault stay.
    void danificado_data() {
        QTest::addColumn<QByteArray>("bytes"); QTest::addColumn<int>("erro");
        QTest::addColumn<QString>("registo"); // the record the message names, when it names one
        const QByteArray inteiro = DiscoCheio::conteudo(FIXTURE);
        QTest::newRow("acaba no registo 20") << primeirosRegistos(inteiro, 19) << 62 << "";
        QTest::newRow("vazio") << QByteArray() << 62 << "";
        QTest::newRow("registo 3 nao e flag") << QByteArray(inteiro).replace("#FALSE#\r\n\"15h", "#SIM#\r\n\"15h") << 13 << "";
        // Positions beyond any circle (more whole degrees than 16 bits count) are damage.
        QTest::newRow("Sol para la de qualquer posicao")
            << QByteArray(inteiro).replace("\"20\xba" "10'5''G\xe9meos\"", "\"25666666666666666666666\xba" "32'40''Peixes\"") << 13 << "registo 10 ";
        // A sign name that cannot be read is damage, never a default sign: "Gémeos" written in
        // UTF-8 inside a Windows-1252 file, and a word that names no sign.
        QTest::newRow("signo ilegivel no Sol")
            << QByteArray(inteiro).replace("\"20\xba" "10'5''G\xe9meos\"", "\"20\xba" "10'5''G\xc3\xa9meos\"") << 13 << "registo 10 ";
        QTest::newRow("signo desconhecido na cuspide")
            << QByteArray(inteiro).replace("\"0\xba" "0'0''Aqu\xe1rio\"", "\"0\xba" "0'0''Oceano\"") << 13 << "registo 22 ";
        QTest::newRow("Lua Negra para la de qualquer posicao")
            << QByteArray(inteiro).replace("\"12\xba" "0'0''Escorpi\xe3o\"", "\"0\xba" "99999999'0''Escorpi\xe3o\"") << 13 << "registo 27 ";
    }
    void danificado() {
        QFETCH(QByteArray, bytes); QFETCH(int, erro); QFETCH(QString, registo);
        const QString caminho = pasta.filePath("danificado.anc");
        QVERIFY(DiscoCheio::escreve(caminho, bytes));
        CamposMapa c;
        c.txtNome = "anterior";
        Mapa m;
        m.Corpo(0).Marcado = true;
        QVERIFY(!OpenFile(caminho, c, m));
        QCOMPARE(DiscoCheio::conteudo(caminho), bytes);
        QCOMPARE(caixa.chamadas.size(), 1);
        const auto& aviso = caixa.chamadas[0];
        QCOMPARE(aviso.icone, IconeMsg::Exclamacao);
        QCOMPARE(aviso.titulo, QString("Natalis - Abrir mapa"));
        // Said in plain words, with no error number for the user to look up.
        QVERIFY2(aviso.texto.startsWith(QString::fromUtf8("O ficheiro de mapa «danificado.anc» está danificado e foi deixado como estava.\n")) &&
                     aviso.texto.contains(registo) && !aviso.texto.contains("numero"),
                 qPrintable(aviso.texto));
        CamposMapa outro;
        QCOMPARE(LeBytesMapa(bytes, outro), erro);
        QVERIFY(RecentFiles().isEmpty());
        QCOMPARE(c.caminhoFicheiro, caminho);
        QVERIFY(!c.caminhoValido);
        QVERIFY(!m.Corpo(0).Marcado);
        QVERIFY(c.lblHoras[0].isEmpty()); // nothing recomputed
        if (!bytes.isEmpty())
            QCOMPARE(c.txtNome, QString::fromUtf8("Maria da Conceição, Silva"));
        // Save asks nothing while no chart is open; then it does not write over the damaged file:
        // it asks for another path, cancelled here, and refuses a name without an extension.
        int perguntas = 0;
        QStringList respostas{QString(), caminho.chopped(4)};
        const auto pergunta = [&] { return ++perguntas, respostas.takeFirst(); };
        QVERIFY(!GuardaMapa(c, pergunta));
        QCOMPARE(perguntas, 0);
        c.mapaAberto = true;
        QVERIFY(!GuardaMapa(c, pergunta) && !GuardaMapa(c, pergunta));
        QCOMPARE(perguntas, 2);
        QCOMPARE(DiscoCheio::conteudo(caminho), bytes);
        QVERIFY(!QFile::exists(caminho.chopped(4)));
    }

    // The hand-made chart saved as UTF-8 by an editor (with and without the mark) opens
    // as the same chart, says so once, and is written back in Windows-1252 byte for byte.
    void outraCodificacao_data() {
        QTest::addColumn<QByteArray>("bytes"); QTest::addColumn<bool>("avisa");
        // The fixture holds no byte 0x80..0x9F, where Windows-1252 and Latin-1 differ.
        const QByteArray utf8 = QString::fromLatin1(DiscoCheio::conteudo(FIXTURE)).toUtf8();
        QTest::newRow("UTF-8") << utf8 << true;
        QTest::newRow("UTF-8 com marca") << QByteArray("\xEF\xBB\xBF") + utf8 << true;
        QTest::newRow("Windows-1252") << DiscoCheio::conteudo(FIXTURE) << false;
    }
    void outraCodificacao() {
        QFETCH(QByteArray, bytes); QFETCH(bool, avisa);
        const QString caminho = pasta.filePath("codificacao.anc");
        QVERIFY(DiscoCheio::escreve(caminho, bytes));
        CamposMapa c;
        Mapa m;
        QVERIFY(OpenFile(caminho, c, m));
        QCOMPARE(c.txtNome, QString::fromUtf8("Maria da Conceição, Silva"));
        QCOMPARE(c.PosPlaneta[0], QString::fromUtf8("20º10'5''Gémeos"));
        QCOMPARE(int(m.Corpo(0).Posicao().NumeroSigno()), 2);
        QCOMPARE(caixa.chamadas.size(), int(avisa));
        if (avisa)
            QVERIFY(caixa.chamadas[0].icone == IconeMsg::Informacao && caixa.chamadas[0].texto.contains("UTF-8") &&
                    caixa.chamadas[0].texto.contains("Windows-1252"));
        QCOMPARE(BytesMapa(c), DiscoCheio::conteudo(FIXTURE));
    }

    // Characters outside Windows-1252: the user is asked before anything is written, and a
    // "no" leaves the file as it was.
    void caracteresForaDoFicheiro() {
        const QString destino = pasta.filePath("simbolos.anc");
        QVERIFY(DiscoCheio::escreve(destino, "anterior"));
        CamposMapa c;
        c.cometarios = QString::fromUtf8("Sol ☉ em casa");
        caixa.respostas = {RespostaMsg::Nao, RespostaMsg::Sim};
        QVERIFY(!SaveToFile(destino, c));
        QCOMPARE(DiscoCheio::conteudo(destino), QByteArray("anterior"));
        QCOMPARE(caixa.chamadas.size(), 1);
        QCOMPARE(caixa.chamadas[0].icone, IconeMsg::Pergunta);
        QVERIFY(caixa.chamadas[0].texto.contains(QString::fromUtf8("☉")) && caixa.chamadas[0].texto.contains(QString::fromUtf8("Comentários")));
        QVERIFY(SaveToFile(destino, c));
        QVERIFY(DiscoCheio::conteudo(destino).contains("\"Sol ? em casa\""));
    }
};

QTEST_GUILESS_MAIN(TestFicheiroMapa)
#include "test_ficheiromapa.moc"
