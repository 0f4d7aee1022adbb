// The program's own reading of the tz database: every change of every zone from 1850 to 2060
// as tzcode's zdump reports it (libc-bin, on every Debian system; after 2037 the changes come
// from each file's footer rule), rule forms no zone uses today, and damaged files.
#include "zonatzif.h"

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

namespace {
qint64 utc(int a, int m, int d, int h, int mi) { return QDateTime(QDate(a, m, d), QTime(h, mi), Qt::UTC).toSecsSinceEpoch(); }

// The zones of zone1970.tab, the table the atlas's zones come from.
QStringList zonasDaTabela() {
    QFile f(PastaZonas() + QStringLiteral("/zone1970.tab"));
    QStringList zonas;
    if (!f.open(QIODevice::ReadOnly))
        return zonas;
    for (const QByteArray& linha : f.readAll().split('\n'))
        if (!linha.startsWith('#') && linha.count('\t') >= 2)
            zonas << QString::fromLatin1(linha.split('\t').at(2));
    return zonas;
}

// A version-2 file with no transitions, one type and the footer: the rule holds at every instant.
QByteArray soRegra(const QByteArray& regra) {
    QByteArray cabecalho("TZif2", 5);
    cabecalho += QByteArray(15, '\0');
    for (int n : {0, 0, 0, 0, 1, 4})
        cabecalho += QByteArray(3, '\0') + char(n);
    const QByteArray tipo = QByteArray("\xff\xff\xd5\xd0\0\0", 6) + QByteArray("-03", 4);
    return cabecalho + tipo + cabecalho + tipo + '\n' + regra + '\n';
}
} // namespace

class TestZonas : public QObject {
    Q_OBJECT
private slots:
    // zdump -v lists, for each change, the last second before and the first second after:
    // "Europe/Lisbon  Sun Mar 27 00:59:59 2050 UT = Sun Mar 27 00:59:59 2050 WET isdst=0 gmtoff=0".
    void comoOZdump() {
#ifdef Q_OS_WIN
        QSKIP("zdump (tzcode) is a Linux tool");
#endif
        const QStringList zonas = zonasDaTabela();
        QVERIFY2(zonas.size() > 300, qPrintable(PastaZonas()));
        QProcess zdump;
        zdump.start(QStringLiteral("zdump"), QStringList{QStringLiteral("-v"), QStringLiteral("-c"), QStringLiteral("1850,2060")} + zonas);
        QVERIFY2(zdump.waitForFinished(120000) && zdump.exitCode() == 0, "zdump (libc-bin) did not run");
        const QString kMeses = QStringLiteral("JanFebMarAprMayJunJulAugSepOctNovDec");
        QHash<QString, ZonaTzif> lidas;
        int vistos = 0;
        for (const QByteArray& bruta : zdump.readAllStandardOutput().split('\n')) {
            const QStringList p = QString::fromLatin1(bruta).simplified().split(QLatin1Char(' '));
            if (p.size() != 16 || p.at(6) != QLatin1String("UT"))
                continue;
            const int mes = int(kMeses.indexOf(p.at(2))) / 3 + 1;
            const QDateTime instante(QDate(p.at(5).toInt(), mes, p.at(3).toInt()),
                                     QTime::fromString(p.at(4), QStringLiteral("HH:mm:ss")), Qt::UTC);
            QVERIFY2(instante.isValid() && kMeses.indexOf(p.at(2)) % 3 == 0, bruta.constData());
            const qint64 t = instante.toSecsSinceEpoch();
            if (!lidas.contains(p.at(0)))
                lidas.insert(p.at(0), ZonaTzif::Carrega(p.at(0)));
            const ZonaTzif& z = lidas[p.at(0)];
            QVERIFY2(z.valida(), qPrintable(p.at(0)));
            const QString onde = p.at(0) + QLatin1Char(' ') + instante.toString(Qt::ISODate);
            QCOMPARE(z.offsetEm(t), p.at(15).mid(7).toInt());
            QVERIFY2(z.abreviatura(t) == p.at(13), qPrintable(onde + QLatin1Char(' ') + z.abreviatura(t)));
            ++vistos;
        }
        QVERIFY2(lidas.size() == zonas.size() && vistos > 50000, qPrintable(QString::number(vistos)));
    }

    // The rule text itself: forms the tz database does not use today but POSIX allows.
    void regraEscrita() {
        // Daylight saving all year (RFC 8536's example).
        QCOMPARE(ZonaTzif::DeDados(soRegra("<-03>3<-02>,J1/0,J365/25")).offsetEm(utc(2050, 6, 1, 0, 0)), -7200);
        // Offsets with minutes, the default change time (2:00), and the southern order.
        const ZonaTzif sul = ZonaTzif::DeDados(soRegra("NZST-12NZDT-13:45,M9.5.0,M4.1.0/3"));
        QCOMPARE(sul.offsetEm(utc(2050, 1, 15, 0, 0)), 13 * 3600 + 45 * 60);
        QCOMPARE(sul.offsetEm(utc(2050, 9, 24, 14, 0) - 1), 12 * 3600); // Sunday 25/9 2:00 local
        QCOMPARE(sul.offsetEm(utc(2050, 9, 24, 14, 0)), 13 * 3600 + 45 * 60);
        for (const char* errada : {"", "WE0", "WET", "WET0WEST,M13.1.0,M10.5.0", "WET0WEST,M3.5.0", "<+03", "WET0WEST,M3.5.0/1,M10.5.0x",
                                   "WET200"})
            QVERIFY2(!ZonaTzif::LeRegra(errada).valida, errada);
    }

    // A damaged or hostile file is refused, never read past its end; names are zone names only.
    void ficheirosEstragados() {
        QFile f(PastaZonas() + QStringLiteral("/Europe/Lisbon"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray inteiro = f.readAll();
        QVERIFY(ZonaTzif::DeDados(inteiro).valida());
        // Cut anywhere: refused, or (cut in the footer) read without the rule.
        for (qsizetype n = 0; n < inteiro.size(); ++n) {
            const ZonaTzif z = ZonaTzif::DeDados(inteiro.left(n));
            QVERIFY(!z.valida() || (n > inteiro.size() - 40 && z.offsetEm(utc(1970, 1, 15, 12, 0)) == 3600));
        }
        QByteArray contagens = inteiro;
        contagens[20 + 12] = '\x7f'; // a huge transition count
        QVERIFY(!ZonaTzif::DeDados(contagens).valida());
        for (const char* nome : {"../../etc/passwd", "/etc/passwd", "Europe/../Europe/Lisbon", "", "Europe//Lisbon", "C:\\x"})
            QVERIFY2(!ZonaTzif::Carrega(QString::fromLatin1(nome)).valida(), nome);
    }
};

QTEST_GUILESS_MAIN(TestZonas)
#include "test_zonas.moc"
