// The positions summary of the hand-made chart data/maria.anc, line by line as the summary
// rules lay it out (names padded to 20, " em " and the short house name, the retrograde
// suffix), and the file's bytes (Windows-1252, CR LF).
#include "ficheiromapa.h"
#include "mensagens.h"
#include "orbes.h"
#include "resumo.h"

#include <QTemporaryDir>
#include <QtTest>

class TestResumo : public QObject {
    Q_OBJECT

    MensagensGravadas caixa;
    CamposMapa c;
    Mapa m;

private slots:
    void initTestCase() {
        DefineCaixaMensagens(&caixa);
        LoadOrbs(true, QString());
        QVERIFY(OpenFile(QStringLiteral(NATALIS_TEST_DATA "/maria.anc"), c, m));
    }
    void cleanupTestCase() { DefineCaixaMensagens(nullptr); }

    void linhas() {
        const QStringList l = LinhasResumo(c, m);
        // Houses by hand: cusps every 30° from 0º Carneiro (I); Sol 80° in III, Marte
        // 359°59'59" in XII, Lua Negra 222° in VIII.
        const QStringList esperado = {
            QString::fromUtf8("Resumo das posições astrologicas"),
            "",
            QString::fromUtf8("Maria da Conceição, Silva"),
            "Nascida em Lisboa, Portugal no dia 13/6/1888 pelas 15h20'",
            "",
            "",
            "Planetas , Nodos,  Sol e Lua e Lua Negra ",
            "",
            QString::fromUtf8("Sol                 20º10'5''Gémeos em III"),
            QString::fromUtf8("Lua                 3º0'0''Touro em II"),
            QString::fromUtf8("Mercurio            25º30'0''Gémeos em III ( Retrogrado )"),
            QString::fromUtf8("Vénus               1º1'1''Câncer em IV"),
            QString::fromUtf8("Marte               29º59'59''Peixes em XII"),
            QString::fromUtf8("Jupiter             10º0'0''Sagitário em IX ( Retrogrado )"),
            QString::fromUtf8("Saturno             5º0'0''Virgo em VI"),
            QString::fromUtf8("Urano               7º7'7''Aquário em XI"),
            QString::fromUtf8("Neptuno             17º0'0''Touro em II ( Retrogrado )"),
            QString::fromUtf8("Plutão              3º0'0''Gémeos em III"),
            QString::fromUtf8("Nodo Norte da Lua   28º0'0''Leão em V ( Retrogrado )"),
            QString::fromUtf8("Lua Negra           12º0'0''Escorpião em VIII ( Retrogrado )"),
            "",
            "Casas",
            QString::fromUtf8("X, o Meio Céu       0º0'0''Capricórnio"),
            QString::fromUtf8("XI                  0º0'0''Aquário"),
            QString::fromUtf8("XII                 0º0'0''Peixes"),
            QString::fromUtf8("I, o Ascendente     0º0'0''Carneiro"),
            QString::fromUtf8("II                  0º0'0''Touro"),
            QString::fromUtf8("III                 0º0'0''Gémeos"),
            QString::fromUtf8("IV, o Baixo Céu     0º0'0''Câncer"),
            QString::fromUtf8("V                   0º0'0''Leão"),
            QString::fromUtf8("VI                  0º0'0''Virgo"),
            QString::fromUtf8("VII, o Descendente  0º0'0''Libra"),
            QString::fromUtf8("VIII                0º0'0''Escorpião"),
            QString::fromUtf8("IX                  0º0'0''Sagitário"),
            "",
            "Partes",
            // Fortuna 0 + 33° − 80°10'5" = 312°49'55"; the others as in the parts rules.
            QString::fromUtf8("Fortuna             12º49'55''Aquário"),
            QString::fromUtf8("Devir               17º10'5''Touro"),
            QString::fromUtf8("Inteligência        29º50'10''Virgo"),
            QString::fromUtf8("Amor                5º21'11''Libra"),
            QString::fromUtf8("Audácia             17º10'4''Touro"),
            QString::fromUtf8("Felicidade          22º49'55''Libra"),
            QString::fromUtf8("Dever               22º10'5''Libra"),
        };
        QCOMPARE(l.size(), esperado.size());
        for (int k = 0; k < l.size(); ++k)
            QCOMPARE(l[k], esperado[k]);
    }

    void camposVaziosMasculino() {
        CamposMapa vazio;
        vazio.sexoMasculino = true;
        Mapa outro;
        const QStringList l = LinhasResumo(vazio, outro);
        QCOMPARE(l[3], QString("Nascido em  no dia  pelas "));
    }

    void ficheiro() {
        QTemporaryDir d;
        const QString caminho = d.filePath("Maria.txt");
        QVERIFY(SaveResume(caminho, c, m));
        QFile f(caminho);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.startsWith("Resumo das posi\xe7\xf5" "es astrologicas\r\n\r\nMaria da Concei\xe7\xe3o, Silva\r\n"));
        QVERIFY(bytes.endsWith("Dever               22\xba" "10'5''Libra\r\n"));
        QCOMPARE(bytes.count("\r\n"), 43); // the 43 lines of linhas()
        QCOMPARE(bytes.count('\n'), 43);
        QVERIFY(!SaveResume(QString(), c, m));
        QVERIFY(caixa.chamadas.isEmpty());
        QVERIFY(!SaveResume(d.filePath("nao/ha/x.txt"), c, m));
        QCOMPARE(caixa.chamadas.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestResumo)
#include "test_resumo.moc"
