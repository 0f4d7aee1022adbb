// Fetching and expanding interpretation texts: placeholders, sex segments, position
// segments, and the five-degree segment names. Expected values are the documented cases of
// the markup, worked by hand.
#include "basetextos.h"
#include "camposmapa.h"
#include "fontedados.h"
#include "mapa.h"
#include "textos.h"
#include <QTemporaryDir>
#include <QtTest>

class TestTextos : public QObject {
    Q_OBJECT
    QTemporaryDir m_pasta;
    int m_base = 0;

private slots:
    void markup_data() {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QString>("texto"); // null: no record with that code
        QTest::addColumn<bool>("masculino");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QList<double>>("graus"); // longitudes of chart bodies 0..5
        QTest::addColumn<QString>("esperado");
        const QList<double> zero{0, 0, 0, 0, 0, 0};

        QTest::newRow("sem_chavetas_nao_apara")
            << 1101 << "Olá |1, és muito bonit|2. " << false << "Ana" << zero << "Olá Ana, és muito bonita. ";
        QTest::newRow("chave_repetida") << 1101 << "|1 e |1|3" << false << "Ana" << zero << "Ana e Anaa";
        QTest::newRow("segmento_feminino") << 1101 << "Texto comum {H para ele } {M para ela }" << false
                                           << "Ana" << zero << "Texto comum  para ela";
        QTest::newRow("segmento_masculino") << 1101 << "Texto comum {H para ele } {M para ela }" << true
                                            << "Rui" << zero << "Texto comum  para ele";
        QTest::newRow("ultimo_caracter_cai") << 1101 << "{Habc}" << true << "Rui" << zero << "  ab";
        QTest::newRow("fichas_sem_maiusculas") << 1101 << "{h x }" << true << "Rui" << zero << "  x";
        QTest::newRow("segmento_sem_fecho")
            << 1101 << "Comum {H sem fecho" << true << "Rui" << zero << "Comum  ";
        QTest::newRow("segmento_vazio") << 1101 << "Comum {H} {M ela }" << true << "Rui" << zero << "Comum  ";
        QTest::newRow("codigo_5_iguais") << 5 << "{= iguais }" << true << "Rui" << zero << " iguais ";
        QTest::newRow("codigo_5_a_maior") << 5 << "X {A maior } {D menor } {= igual }" << true << "Rui"
                                          << QList<double>{40, 0, 0, 0, 0, 10} << "X maior ";
        QTest::newRow("decano_fora_do_quadro")
            << 1101001 << "Decano {A depois } {D antes } {= igual }" << true << "Rui" << zero << "Decano  ";
        // Sol (1) in conjunction with Lua (2): the partners are chart bodies 0 and 1, not the
        // bodies 1 and 2 that the code's digits would index.
        QTest::newRow("aspecto_parceiro_maior")
            << 1902 << "Conj {A Sol adiante } {D Sol atrás } {= juntos }" << true << "Rui"
            << QList<double>{100, 50, 200, 0, 0, 0} << "Conj Sol adiante ";
        QTest::newRow("aspecto_parceiro_menor")
            << 1902 << "Conj {A Sol adiante } {D Sol atrás } {= juntos }" << true << "Rui"
            << QList<double>{50, 100, 20, 0, 0, 0} << "Conj Sol atrás ";
        // Across 0° Carneiro the order is taken on the circle. 21/3/2023 06:00 UT at Lisboa
        // (swetest): Sol 0°22' Carneiro, Lua 23°54' Peixes, 6.5° behind it, New Moon still to come.
        QTest::newRow("lua_atras_do_sol_em_0_carneiro")
            << 1902 << "Conj {A Lua atrás } {D Lua adiante } {= juntos }" << true << "Rui"
            << QList<double>{22.0 / 60, 353.0 + 54.0 / 60, 20, 0, 0, 0} << "Conj Lua atrás ";
        QTest::newRow("lua_adiante_do_sol_em_0_carneiro")
            << 1902 << "Conj {A Lua atrás } {D Lua adiante } {= juntos }" << true << "Rui"
            << QList<double>{358.0, 3.0, 20, 0, 0, 0} << "Conj Lua adiante ";
        // Mercúrio and Vénus at the end of Peixes with the Sun in Carneiro rise before it.
        QTest::newRow("mercurio_estrela_da_manha_em_0_carneiro")
            << 1903 << "Conj {A manhã } {D tarde }" << true << "Rui"
            << QList<double>{1.0, 0, 355.0, 0, 0, 0} << "Conj manhã ";
        QTest::newRow("venus_estrela_da_tarde_em_0_carneiro")
            << 1904 << "Conj {A manhã } {D tarde }" << true << "Rui"
            << QList<double>{359.5, 0, 0, 4.0, 0, 0} << "Conj tarde ";
        QTest::newRow("opostos_nenhum_adiante") << 5 << "X {A a } {D d } {= igual }" << true << "Rui"
                                                << QList<double>{10, 0, 0, 0, 0, 190} << "X  ";
        QTest::newRow("aspecto_com_sexo") << 1902 << "Conj {M ela } {= juntos }" << false << "Ana"
                                          << QList<double>{70, 70, 20, 0, 0, 0} << "Conj juntos ela";
        // A native called "|1" or "|2": the name is put in once and never searched again.
        QTest::newRow("nome_com_a_propria_chave")
            << 1101 << "Olá |1, bem-vind|2" << true << "|1" << zero << "Olá |1, bem-vindo";
        QTest::newRow("nome_com_outra_chave")
            << 1101 << "Olá |1, bem-vind|2" << true << "|2" << zero << "Olá |2, bem-vindo";
        // Braces in a name are the native's, not markup: they neither start nor end a segment.
        QTest::newRow("nome_com_chavetas_sem_segmentos")
            << 1101 << "Olá |1, bem-vind|2. " << true << "Rui {H}" << zero << "Olá Rui {H}, bem-vindo. ";
        QTest::newRow("nome_com_chavetas_e_segmentos")
            << 1101 << "Olá |1. {H para ele } {M para ela }" << false << "Ana}{M x" << zero
            << "Olá Ana}{M x.  para ela";
        QTest::newRow("codigo_inexistente") << 1101 << QString() << true << "Rui" << zero << "";
        QTest::newRow("texto_vazio") << 1101 << "" << true << "Rui" << zero << "";
    }
    void markup() {
        QFETCH(int, codigo);
        QFETCH(QString, texto);
        QFETCH(bool, masculino);
        QFETCH(QString, nome);
        QFETCH(QList<double>, graus);
        QFETCH(QString, esperado);
        QVERIFY(m_pasta.isValid());
        QList<QPair<QString, QString>> registos{{"999", "outro"}};
        if (!texto.isNull()) registos << qMakePair(QString::number(codigo), texto);
        const QString caminho =
            CriaBaseTextos(m_pasta.filePath(QStringLiteral("m%1.mdb").arg(++m_base)), registos);
        FonteDados db;
        QVERIFY2(db.Abre(caminho, QStringLiteral("interpretação")), qPrintable(db.Erro()));
        Mapa mapa;
        for (int i = 0; i < graus.size(); ++i)
            mapa.Corpo(i).Posicao().setValorGraus(graus[i]);
        CamposMapa campos;
        campos.txtNome = nome;
        campos.sexoMasculino = masculino;
        QCOMPARE(GetTexto(db, codigo, ParesNativo(campos), IsMasculino(campos), mapa), esperado);
    }

    void whithinText_data() {
        QTest::addColumn<QString>("fonte");
        QTest::addColumn<QString>("abre");
        QTest::addColumn<QString>("fecha");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("entre_fichas") << "a{H bom dia }b"
                                      << "{H"
                                      << "}"
                                      << "bom dia";
        QTest::newRow("primeira_abertura") << "{M um }{M dois }"
                                           << "{M"
                                           << "}"
                                           << "um";
        QTest::newRow("sem_abertura") << "texto"
                                      << "{H"
                                      << "}"
                                      << "";
        QTest::newRow("sem_fecho") << "{H texto"
                                   << "{H"
                                   << "}"
                                   << "";
        QTest::newRow("fecho_anterior_ignorado") << "} {H ab }"
                                                 << "{H"
                                                 << "}"
                                                 << "ab";
        QTest::newRow("maiusculas_ignoradas") << "X{hOLA }"
                                              << "{H"
                                              << "}"
                                              << "OLA";
    }
    void whithinText() {
        QFETCH(QString, fonte);
        QFETCH(QString, abre);
        QFETCH(QString, fecha);
        QFETCH(QString, esperado);
        QCOMPARE(WhithinText(fonte, abre, fecha), esperado);
    }

    void segmentos_data() {
        QTest::addColumn<double>("graus");
        QTest::addColumn<QString>("nome");
        QTest::newRow("0_carneiro") << 0.0 << "O Energético";
        QTest::newRow("4_59_carneiro") << 4.0 + 59.0 / 60 << "O Energético";
        QTest::newRow("5_carneiro") << 5.0 << "O Apaixonado";
        QTest::newRow("15_touro") << 45.0 << "O Metódico";
        QTest::newRow("29_gemeos") << 89.5 << "O Justo";
        QTest::newRow("10_virgo") << 160.0 << "O Perito";
        QTest::newRow("20_escorpiao") << 230.0 << "O Intuitivo";
        QTest::newRow("19_escorpiao") << 229.5 << "O Afoito";
        QTest::newRow("29_escorpiao") << 239.0 << "O Voluptuoso";
        QTest::newRow("0_capricornio") << 270.0 << "O Estóico";
        QTest::newRow("29_59_peixes") << 359.0 + 59.0 / 60 << "O Receptivo";
    }
    void segmentos() {
        QFETCH(double, graus);
        QFETCH(QString, nome);
        Mapa mapa;
        mapa.Corpo(0).Posicao().setValorGraus(graus);
        QCOMPARE(NomeAnjo(mapa), nome);
    }

    void segmentosForaDoQuadro() {
        QCOMPARE(NomeSegmento(0, 1), QString());
        QCOMPARE(NomeSegmento(12, 7), QString());
        QCOMPARE(NomeSegmento(13, 1), QString());
        QCOMPARE(NomeSegmento(12, 6), QStringLiteral("O Receptivo"));
    }
};

QTEST_GUILESS_MAIN(TestTextos)
#include "test_textos.moc"
