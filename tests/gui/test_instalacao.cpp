// A portable folder keeps the user's files; one with the installer's mark (writable all the same) is
// never written and sends them to the user's folders. The real package: scripts/testa-pacote.sh.
#include "ambientegui.h"
#include "instalacao.h"

class TestInstalacao : public QObject {
    Q_OBJECT
    QTemporaryDir m_docs;
    static QStringList Retrato(const QString& p) { return QDir(p).entryList(QDir::AllEntries | QDir::Hidden); }
    static QString dadosUtilizador() {
#ifdef Q_OS_WIN
        return QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA")) + "/Natalis/Natalis";
#else
        return qEnvironmentVariable("XDG_DATA_HOME") + "/Natalis/Natalis";
#endif
    }
    QString pasta(const QString& p, const QString& programa) { // P program, D documents, U user's data
        return (p[0] == 'P' ? programa : p[0] == 'D' ? m_docs.path() : dadosUtilizador()) + p.mid(1);
    }

private slots:
    void initTestCase() { qputenv("XDG_DOCUMENTS_DIR", m_docs.path().toUtf8()); }

    // Where each chooser starts; "enviada": an orb file shipped in the program folder's orbs/.
    void pastas_data() {
        colunas<bool, int, bool, bool, QString>({"gravavel", "tipo", "guardar", "enviada", "esperada"});
        QTest::newRow("portátil: mapas") << true << int(FicheiroMapa) << true << false << "P/logs";
        QTest::newRow("instalado: mapas") << false << int(FicheiroMapa) << false << false << "D/Natalis/Mapas";
        QTest::newRow("instalado: guardar orbes") << false << int(FicheiroOrbes) << true << true << "U/orbs";
        QTest::newRow("instalado: abrir orbes enviadas") << false << int(FicheiroOrbes) << false << true << "P/orbs";
        QTest::newRow("instalado: abrir sem orbes") << false << int(FicheiroOrbes) << false << false << "U/orbs";
    }
    void pastas() {
        QFETCH(bool, gravavel); QFETCH(int, tipo); QFETCH(bool, guardar); QFETCH(bool, enviada); QFETCH(QString, esperada);
        AmbienteGui amb;
        QVERIFY(gravavel || amb.cria(kMarcaInstalacaoSistema));
        QVERIFY(!enviada || (QDir().mkpath(amb.em("orbs")) && amb.cria("orbs/Enviadas.orb")));
        const QStringList antes = Retrato(amb.pasta.path());
        QCOMPARE(QDir::fromNativeSeparators(PreparaPedido(guardar, tipo, "Ana").pasta), pasta(esperada, amb.pasta.path()));
        QVERIFY(gravavel || Retrato(amb.pasta.path()) == antes);
    }

    // An installed start writes nothing in its folder; the update command names the package manager.
    void arranqueInstalado() {
        AmbienteGui amb;
        QVERIFY(amb.cria(kMarcaInstalacaoSistema));
        const QStringList antes = Retrato(amb.pasta.path());
        std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
        QVERIFY(j);
        j->accao("mnuupdate")->trigger();
#ifdef Q_OS_WIN
        QCOMPARE(amb.ultima(), QString("Esta instalação é actualizada pelo instalador do Natalis: obtenha a nova versão e "
                                       "instale-a por cima desta."));
#else
        QCOMPARE(amb.ultima(), QString("Esta instalação é actualizada pelo gestor de pacotes do sistema."));
#endif
        QCOMPARE(Retrato(amb.pasta.path()), antes);
    }
};

QTEST_MAIN(TestInstalacao)
#include "test_instalacao.moc"
