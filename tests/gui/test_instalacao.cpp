// The two layouts of the program folder: a portable copy keeps the user's files below it, an
// installed one is never written and sends them to the user's folders; start-up, the update
// command, renovo and natalis-cli in an installed folder.
#include "ambientegui.h"
#include "instalacao.h"
#include "orbes.h"

#include <QCryptographicHash>

namespace {
// Every file below a folder with its bytes' digest, to show that nothing was written.
QStringList Retrato(const QString& pasta) {
    QStringList r;
    QDirIterator it(pasta, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString c = it.next();
        QFile f(c);
        const QByteArray soma = f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Md5).toHex() : "pasta";
        r << QDir(pasta).relativeFilePath(c) + ' ' + soma;
    }
    r.sort();
    return r;
}

QString DadosNatalis() { return qEnvironmentVariable("XDG_DATA_HOME") + "/Natalis/Natalis"; }
} // namespace

class TestInstalacao : public QObject {
    Q_OBJECT
    QTemporaryDir m_documentos;

private slots:
    void initTestCase() {
        QVERIFY(qEnvironmentVariable("XDG_DATA_HOME").contains("tests-home"));
        qputenv("XDG_DOCUMENTS_DIR", m_documentos.path().toUtf8());
    }
    void init() { QDir(DadosNatalis()).removeRecursively(); }
    void cleanup() { DefinePastaProgramaGravavel(std::nullopt); }

    // Where each chooser starts. ficheiro: a file of the kind already in the "programa" folder
    // or the user's "dados" one; onde: "programa", "documentos" or "dados", then the folder.
    void pastas_data() {
        colunas<bool, int, bool, QString, QString>({"gravavel", "tipo", "guardar", "ficheiro", "onde"});
        QTest::newRow("portátil: mapas") << true << int(FicheiroMapa) << true << "" << "programa/logs";
        QTest::newRow("portátil: guardar orbes") << true << int(FicheiroOrbes) << true << "" << "programa/orbs";
        QTest::newRow("portátil: fundos") << true << int(FicheiroFundo) << false << "programa" << "programa/backgrounds";
        QTest::newRow("portátil: resumo") << true << int(FicheiroResumo) << true << "" << "programa/";
        QTest::newRow("instalado: mapas") << false << int(FicheiroMapa) << false << "" << "documentos/Natalis/Mapas";
        QTest::newRow("instalado: relatório") << false << int(FicheiroRelatorio) << true << "" << "documentos/Natalis/Mapas";
        QTest::newRow("instalado: guardar orbes") << false << int(FicheiroOrbes) << true << "programa" << "dados/orbs";
        QTest::newRow("instalado: abrir orbes, só as do programa") << false << int(FicheiroOrbes) << false << "programa" << "programa/orbs";
        QTest::newRow("instalado: abrir orbes, nenhumas") << false << int(FicheiroOrbes) << false << "" << "dados/orbs";
        QTest::newRow("instalado: abrir orbes do utilizador") << false << int(FicheiroOrbes) << false << "dados" << "dados/orbs";
        QTest::newRow("instalado: fundos do utilizador") << false << int(FicheiroFundo) << false << "dados" << "dados/backgrounds";
    }
    void pastas() {
        QFETCH(bool, gravavel); QFETCH(int, tipo); QFETCH(bool, guardar); QFETCH(QString, ficheiro); QFETCH(QString, onde);
        AmbienteGui amb;
        DefinePastaProgramaGravavel(gravavel);
        const QString sub = tipo == FicheiroOrbes ? "orbs" : "backgrounds";
        if (!ficheiro.isEmpty()) {
            const QString pasta = ficheiro == "programa" ? amb.em(sub) : DadosNatalis() + '/' + sub;
            QVERIFY(QDir().mkpath(pasta));
            QVERIFY(QFile(pasta + (tipo == FicheiroOrbes ? "/Minhas.orb" : "/ceu.jpg")).open(QIODevice::WriteOnly));
        }
        const QString raiz = onde.section('/', 0, 0);
        const QString base = raiz == "programa" ? amb.pasta.path() : raiz == "documentos" ? m_documentos.path() : DadosNatalis();
        const QString esperada = QDir::cleanPath(base + '/' + onde.section('/', 1));
        const QStringList antes = Retrato(amb.pasta.path());
        const PedidoFicheiro p = PreparaPedido(guardar, tipo, "Ana");
        QCOMPARE(p.pasta, esperada);
        QVERIFY(QFileInfo(p.pasta).isDir()); // created on first use
        if (tipo == FicheiroOrbes || tipo == FicheiroFundo) {
            // Both the shipped folder and the user's are offered when they differ.
            QStringList ambas{amb.em(sub)};
            if (!gravavel) ambas << DadosNatalis() + '/' + sub;
            QCOMPARE(p.pastas, ambas);
        }
        if (!gravavel) // nothing made in the installed folder
            QCOMPARE(Retrato(amb.pasta.path()), antes);
    }

    // The system's mark makes a folder the system's even for a user allowed to write it (root).
    void marcaDoSistema() {
        QTemporaryDir pasta;
        DefinePastaPrograma(pasta.path());
        QVERIFY(PastaProgramaGravavel() && !InstaladoPeloSistema());
        QVERIFY(QFile(pasta.filePath(kMarcaInstalacaoSistema)).open(QIODevice::WriteOnly));
        QVERIFY(!PastaProgramaGravavel() && InstaladoPeloSistema());
        QCOMPARE(PastaMapas(), m_documentos.path() + "/Natalis/Mapas");
        DefinePastaPrograma(QString());
    }

    // Start-up and use of an installed folder write nothing in it, read the user's own orb file
    // named by option 0, and the update command sends the user to the package manager.
    void arranqueInstalado() {
        AmbienteGui amb;
        DefinePastaProgramaGravavel(false);
        QVERIFY(QDir().mkpath(DadosNatalis() + "/orbs"));
        TabelaOrbes propria;
        propria.CarregaPadrao();
        ValoresOrbes v = propria.ValoresFicheiro();
        v[0] = 3;
        QVERIFY(EscreveFicheiroOrbes(DadosNatalis() + "/orbs/Minhas.orb", v));
        SaveOption(0, DadosNatalis() + "/orbs/Minhas.orb");
        const QStringList antes = Retrato(amb.pasta.path());
        {
            std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
            QVERIFY(j);
            QVERIFY(!OrbesPadraoEmUso() && OrbesActuais().ValoresFicheiro()[0] == 3);
            QVERIFY(j->accao("mnuupdate")->isEnabled());
            j->accao("mnuupdate")->trigger();
            QCOMPARE(amb.caixa.chamadas.size(), 1);
            QVERIFY(amb.caixa.chamadas[0].icone == IconeMsg::Informacao);
            QCOMPARE(amb.ultima(), QString("Esta instalação é actualizada pelo gestor de pacotes do sistema."));
        }
        QCOMPARE(Retrato(amb.pasta.path()), antes);
        SaveOption(0, QString());
    }

    // Opened read-only, a damaged database is still found at start-up.
    void baseDanificadaInstalada() {
        AmbienteGui amb;
        DefinePastaProgramaGravavel(false);
        QFile f(amb.em("Intrepreter.mdb"));
        QVERIFY(f.open(QIODevice::ReadWrite) && f.seek(f.size() / 2));
        f.write(QByteArray(32 * 1024, '\x5a'));
        f.close();
        QVERIFY(!Arranca({}, AmbienteGui::opcoesTeste()));
        QVERIFY(amb.caixa.chamadas.size() == 1 && amb.caixa.chamadas[0].icone == IconeMsg::Critico);
    }

    // renovo in a folder the system installed says why, exits 1 and writes nothing.
    void renovoInstalado() {
        QTemporaryDir pasta, config;
        const QString renovo = pasta.filePath(NomeExecutavel("renovo"));
        QVERIFY(QFile::copy(NATALIS_PROGRAM_DIR "/" + NomeExecutavel("renovo"), renovo));
        QVERIFY(QFile(pasta.filePath(kMarcaInstalacaoSistema)).open(QIODevice::WriteOnly));
        const QStringList antes = Retrato(pasta.path());
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", config.path());
        p.setProcessEnvironment(env);
        p.start(renovo, {"/N"});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitCode(), 1);
        QVERIFY(QString::fromUtf8(p.readAllStandardError()).contains("Esta instalação é actualizada pelo gestor de pacotes do sistema."));
        QCOMPARE(Retrato(pasta.path()), antes);
        QVERIFY(QDir(config.path()).isEmpty());
    }

    // natalis-cli saves a bare chart name in the current folder of a portable copy, as a script
    // expects, and in the documents folder's Natalis/Mapas of an installed one.
    void cliGuardaMapa_data() {
        colunas<bool>({"instalado"});
        QTest::newRow("portátil") << false;
        QTest::newRow("instalado") << true;
    }
    void cliGuardaMapa() {
        QFETCH(bool, instalado);
        QTemporaryDir pasta, corrente;
        for (const QString& f : {NomeExecutavel("natalis-cli"), NomeExecutavel("natalis-cli-completo")})
            QVERIFY(QFile::copy(NATALIS_PROGRAM_DIR "/" + f, pasta.filePath(f)));
        if (instalado) QVERIFY(QFile(pasta.filePath(kMarcaInstalacaoSistema)).open(QIODevice::WriteOnly));
        const QStringList antes = Retrato(pasta.path());
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DOCUMENTS_DIR", m_documentos.path());
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(corrente.path());
        p.start(pasta.filePath(NomeExecutavel("natalis-cli")),
                {"--nome", "Maria", "--data", "25/4/1974", "--hora", "0:20", "--fuso", "1", "--latitude", "38º43' N",
                 "--longitude", "9º8' W", "--guardar", "Maria.anc", "--silencioso"});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        const QString mapas = m_documentos.path() + "/Natalis/Mapas/Maria.anc";
        QCOMPARE(QFileInfo::exists(corrente.filePath("Maria.anc")), !instalado);
        QCOMPARE(QFileInfo::exists(mapas), instalado);
        QCOMPARE(Retrato(pasta.path()), antes);
        QFile::remove(mapas);
    }
};

QTEST_MAIN(TestInstalacao)
#include "test_instalacao.moc"
