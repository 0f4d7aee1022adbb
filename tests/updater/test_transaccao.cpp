// Putting an update in place survives a crash at any instant: the process is stopped dead
// (a child ends with _exit, nothing unwound) after each change of a name in turn, and the next
// start finds the folder all old or all new, never a mix, and the old copies never lost.
#include "discocheio.h"
#include "paragem.h"
#include "preparacao.h"

#include <QtTest>

namespace {
constexpr int Ficheiros = 60; // in three folders; the last one is new to the installation

QString nomeDe(int i) {
    return QStringLiteral("%1/f%2.dat").arg(i % 3 == 0 ? QStringLiteral(".") : QStringLiteral("sub%1").arg(i % 3)).arg(i);
}
QByteArray conteudo(const QString& caminho) { return DiscoCheio::conteudo(caminho); }
bool escreve(const QString& caminho, const QByteArray& bytes) {
    return QDir().mkpath(QFileInfo(caminho).absolutePath()) && DiscoCheio::escreve(caminho, bytes);
}
} // namespace

class TestTransaccao : public QObject {
    Q_OBJECT
    // On a memory file system where there is one: the many runs here force nothing to a disk.
    QTemporaryDir base{QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm/transaccao-XXXXXX")
                                                                          : QDir::tempPath() + QStringLiteral("/transaccao-XXXXXX")};
    QString raiz, trabalho;
    QList<TrocaFicheiro> trocas;

    // An installation of old files (the last one missing) and a staging folder with the new.
    void prepara() {
        QDir(base.path()).removeRecursively();
        raiz = base.path() + QStringLiteral("/prog");
        trabalho = raiz + QStringLiteral("/.renovo-teste");
        QVERIFY(QDir().mkpath(trabalho));
        trocas.clear();
        for (int i = 0; i < Ficheiros; ++i) {
            const TrocaFicheiro t{raiz + QLatin1Char('/') + nomeDe(i), trabalho + QStringLiteral("/%1.novo").arg(i),
                                  trabalho + QStringLiteral("/%1.antigo").arg(i)};
            if (i + 1 < Ficheiros) QVERIFY(escreve(t.alvo, "antigo " + QByteArray::number(i)));
            QVERIFY(escreve(t.novo, "novo " + QByteArray::number(i)));
            trocas.append(t);
        }
    }
    // "novo" or "antigo" when every file is of that side; the mix otherwise.
    QString estado() const {
        int novos = 0, antigos = 0;
        for (int i = 0; i < Ficheiros; ++i) {
            const QByteArray c = conteudo(trocas[i].alvo);
            if (c == "novo " + QByteArray::number(i)) ++novos;
            else if (c == "antigo " + QByteArray::number(i) || (i + 1 == Ficheiros && c == "<não existe>")) ++antigos;
        }
        if (novos == Ficheiros) return QStringLiteral("novo");
        if (antigos == Ficheiros) return QStringLiteral("antigo");
        return QStringLiteral("%1 novos e %2 antigos de %3").arg(novos).arg(antigos).arg(Ficheiros);
    }

private slots:
    void initTestCase() { QVERIFY(base.isValid()); }

    // Each existing file takes two changes (its old copy kept, the new one put in place) and
    // the new file one; a stop after each of them, then the next start.
    void paragemEmCadaPasso_data() {
        QTest::addColumn<bool>("impedeConclusao");
        QTest::newRow("completada") << false;
        QTest::newRow("desfeita quando não pode ser completada") << true;
    }
    void paragemEmCadaPasso() {
        QFETCH(bool, impedeConclusao);
        const int passos = 2 * (Ficheiros - 1) + 1;
        for (int k = 1; k <= passos; ++k) {
            prepara();
            QCOMPARE(ParaTransaccaoApos(k, raiz, trabalho, trocas), 42);
            QVERIFY2(QFile::exists(DiarioTransaccao(raiz)), qPrintable(QString::number(k)));
            // A new copy not yet in place that cannot go there (a folder in its stead).
            const int bloqueado = Ficheiros - 2;
            if (impedeConclusao && QFile::exists(trocas[bloqueado].novo)) {
                QFile::remove(trocas[bloqueado].novo);
                QVERIFY(QDir().mkpath(trocas[bloqueado].novo + QStringLiteral("/x")));
            }
            const bool podiaCompletar = !impedeConclusao || QFileInfo(trocas[bloqueado].novo).isFile() ||
                                        !QFileInfo::exists(trocas[bloqueado].novo);
            const Recuperacao r = RecuperaTransaccao(raiz);
            QCOMPARE(r, podiaCompletar ? Recuperacao::Completada : Recuperacao::Desfeita);
            QCOMPARE(estado(), podiaCompletar ? QStringLiteral("novo") : QStringLiteral("antigo"));
            QVERIFY(!QFile::exists(DiarioTransaccao(raiz)));
            QVERIFY(!QFileInfo::exists(trabalho));
        }
        prepara();
        QCOMPARE(RecuperaTransaccao(raiz), Recuperacao::Nenhuma);
        QCOMPARE(estado(), QStringLiteral("antigo"));
    }

    // A failure while running puts every file back at once and leaves no journal.
    void falhaDesfazAoMomento() {
        prepara();
        QFile::remove(trocas[Ficheiros / 2].novo);
        QVERIFY(QDir().mkpath(trocas[Ficheiros / 2].novo + QStringLiteral("/x")));
        QString motivo;
        QVERIFY(!ExecutaTransaccao(raiz, trabalho, trocas, &motivo));
        QVERIFY2(motivo.contains(QFileInfo(trocas[Ficheiros / 2].alvo).fileName()), qPrintable(motivo));
        QCOMPARE(estado(), QStringLiteral("antigo"));
        QVERIFY(!QFile::exists(DiarioTransaccao(raiz)));
    }

    // A journal that cannot be trusted (one naming a file outside the folder, one cut short)
    // is acted on in no way, and renovo then keeps every staging folder and installs nothing.
    void diarioInvalidoNadaToca_data() {
        QTest::addColumn<QByteArray>("diario");
        QTest::newRow("fora da pasta") << QByteArray("diario-actualizacao 1\npasta\t.renovo-teste\n"
                                                     "troca\t1\t../fora.txt\t.renovo-teste/0.novo\t.renovo-teste/0.antigo\nfim\n");
        QTest::newRow("cortado") << QByteArray("diario-actualizacao 1\npasta\t.renovo-teste\n"
                                               "troca\t1\tf0.dat\t.renovo-teste/0.novo\t.renovo-teste/0.antigo\n");
    }
    void diarioInvalidoNadaToca() {
        QFETCH(QByteArray, diario);
        prepara();
        QVERIFY(escreve(base.path() + QStringLiteral("/fora.txt"), "de fora"));
        QVERIFY(escreve(DiarioTransaccao(raiz), diario));
        QString motivo;
        QCOMPARE(RecuperaTransaccao(raiz, &motivo), Recuperacao::Falhou);
        QVERIFY2(motivo.contains(QStringLiteral("Reinstale")), qPrintable(motivo));
        Preparacao p(raiz);
        QVERIFY(!p.Utilizavel(&motivo));
        QVERIFY(QFile::exists(trocas[0].novo));
        QCOMPARE(conteudo(base.path() + QStringLiteral("/fora.txt")), QByteArray("de fora"));
        QCOMPARE(estado(), QStringLiteral("antigo"));
    }
};

QTEST_GUILESS_MAIN(TestTransaccao)
#include "test_transaccao.moc"
