// The two layouts: a portable folder keeps the user's files below it; one with the installer's mark
// (writable all the same) is never written and sends them to the user's folders. The package
// itself, renovo and natalis-cli in it: scripts/testa-pacote.sh.
#include "ambientegui.h"
#include "instalacao.h"

namespace {
QStringList Retrato(const QString& pasta) { // every entry below a folder, with its size and time
    QStringList r;
    QDirIterator it(pasta, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo f(it.next());
        r << f.filePath() + ' ' + QString::number(f.size()) + ' ' + f.lastModified().toString(Qt::ISODateWithMs);
    }
    r.sort();
    return r;
}
} // namespace

class TestInstalacao : public QObject {
    Q_OBJECT
    QTemporaryDir m_docs;
    QString pasta(const QString& p, const QString& programa) { // P program, D documents, U user's data
        const QString dados = qEnvironmentVariable("XDG_DATA_HOME") + "/Natalis/Natalis";
        return (p[0] == 'P' ? programa : p[0] == 'D' ? m_docs.path() : dados) + p.mid(1);
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
        QFETCH(bool, gravavel); QFETCH(int, tipo); QFETCH(bool, guardar);
        QFETCH(bool, enviada); QFETCH(QString, esperada);
        AmbienteGui amb;
        QVERIFY(gravavel || amb.cria(kMarcaInstalacaoSistema));
        QVERIFY(!enviada || (QDir().mkpath(amb.em("orbs")) && amb.cria("orbs/Enviadas.orb")));
        const QStringList antes = Retrato(amb.pasta.path());
        QCOMPARE(PreparaPedido(guardar, tipo, "Ana").pasta, pasta(esperada, amb.pasta.path()));
        QVERIFY(gravavel || Retrato(amb.pasta.path()) == antes);
    }

    // An installed start writes nothing in its folder; the update command points to the package
    // manager.
    void arranqueInstalado() {
        AmbienteGui amb;
        QVERIFY(amb.cria(kMarcaInstalacaoSistema));
        const QStringList antes = Retrato(amb.pasta.path());
        std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
        QVERIFY(j);
        j->accao("mnuupdate")->trigger();
        QCOMPARE(amb.ultima(), QString("Esta instalação é actualizada pelo gestor de pacotes do sistema."));
        QCOMPARE(Retrato(amb.pasta.path()), antes);
    }
};

QTEST_MAIN(TestInstalacao)
#include "test_instalacao.moc"
