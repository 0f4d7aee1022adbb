// The shipped atlas: the places that used to carry a wrong zone, the municipality seats of
// Portugal and Brazil, a place of every Portuguese-speaking country, and the legal-time history
// those zones give. Reference offsets are historical facts checked by hand (decrees as recorded
// in the tz database's comments), not values read back from the atlas.
#include "atlasteste.h"
#include "dobra.h"
#include "fusohorario.h"
#include "normaliza.h"

#include <QSqlDatabase>
#include <QSqlQuery>

namespace {
// The offset at a birth in the atlas place that `texto` names, at local noon.
double Offset(const LocalAtlas& l, const QDate& d) {
    const double lon = -NormalizaLongitude(l.longitude).valor * 15.0;
    return FusoParaLocal(l.fuso, d, QTime(12, 0), lon).horas;
}
} // namespace

class TestAtlasDados : public QObject {
    Q_OBJECT
    AtlasTeste m_a;

    LocalAtlas um(const QString& texto) {
        const EscolhaAtlas e = EscolheLocal(m_a.atlas, texto);
        if (!e.local) {
            QStringList c;
            for (const LocalAtlas& l : e.candidatos)
                c << l.nome;
            qWarning("\"%s\": %s", qPrintable(texto), qPrintable(c.isEmpty() ? QStringLiteral("nenhum") : c.join("; ")));
        }
        return e.local.value_or(LocalAtlas{});
    }

private slots:
    void initTestCase() { QVERIFY(m_a.abre()); }

    void fusos_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QDate>("data");
        QTest::addColumn<double>("horas");
        // Portuguese towns on the Spanish border: Portugal was at +1 in summer 1990, Spain at +2.
        for (const char* l : {"Alcoutim, Portugal", "Barrancos, Portugal", "Monção, Portugal", "Moura, Beja", "Mourão, Portugal",
                              "Valença, Viana do Castelo"})
            QTest::newRow(l) << QString::fromUtf8(l) << QDate(1990, 7, 15) << 1.0;
        // Timor-Leste keeps +9 since 2000; Indonesia's Makassar zone is +8.
        for (const char* l : {"Díli", "Baucau, Timor", "Maliana, Timor", "Suai, Timor", "Lospalos, Timor", "Viqueque, Timor"})
            QTest::newRow(l) << QString::fromUtf8(l) << QDate(2020, 6, 15) << 9.0;
        QTest::newRow("Pago Pago (Samoa Americana)") << "Pago Pago" << QDate(2020, 6, 15) << -11.0;
        QTest::newRow("Cockburn Town (Turcas e Caicos)") << "Cockburn Town, Turcas" << QDate(2020, 1, 15) << -5.0;
        QTest::newRow("Saint-Pierre (Miquelão), Inverno") << "Saint-Pierre, São Pedro" << QDate(2020, 1, 15) << -3.0;
        QTest::newRow("Kralendijk (Bonaire)") << "Kralendijk" << QDate(2020, 1, 15) << -4.0;
        QTest::newRow("Farim (Guiné-Bissau)") << "Farim" << QDate(2020, 1, 15) << 0.0;
        QTest::newRow("Ebebiyin (Guiné Equatorial)") << "Ebebiyin" << QDate(2020, 1, 15) << 1.0;
        QTest::newRow("Mongomo (Guiné Equatorial)") << "Mongomo" << QDate(2020, 1, 15) << 1.0;
        // Capitals of the Portuguese-speaking countries and Macau.
        QTest::newRow("Lisboa") << "Lisboa, Lisboa" << QDate(2020, 6, 15) << 1.0;
        QTest::newRow("Brasília") << "Brasília, Distrito Federal" << QDate(2020, 6, 15) << -3.0;
        QTest::newRow("Luanda") << "Luanda" << QDate(2020, 6, 15) << 1.0;
        QTest::newRow("Maputo") << "Maputo" << QDate(2020, 6, 15) << 2.0;
        QTest::newRow("Praia") << "Praia, Cabo Verde" << QDate(2020, 6, 15) << -1.0;
        QTest::newRow("Bissau") << "Bissau, Guiné" << QDate(2020, 6, 15) << 0.0;
        // São Tomé was at +1 during 2018 only.
        QTest::newRow("São Tomé 2018") << "São Tomé, São Tomé" << QDate(2018, 6, 15) << 1.0;
        QTest::newRow("São Tomé 2020") << "São Tomé, São Tomé" << QDate(2020, 6, 15) << 0.0;
        QTest::newRow("Díli") << "Díli" << QDate(2020, 6, 15) << 9.0;
        QTest::newRow("Malabo") << "Malabo" << QDate(2020, 6, 15) << 1.0;
        QTest::newRow("Macau") << "Macau, Macau" << QDate(2020, 6, 15) << 8.0;
        // Madeira and the Azores: an hour apart, as their longitudes are 11° apart.
        QTest::newRow("Calheta, Madeira") << "Calheta, Madeira" << QDate(2020, 1, 15) << 0.0;
        QTest::newRow("Calheta, Açores") << "Calheta, Açores" << QDate(2020, 1, 15) << -1.0;
    }
    void fusos() {
        QFETCH(QString, texto);
        QFETCH(QDate, data);
        QFETCH(double, horas);
        const LocalAtlas l = um(texto);
        QVERIFY2(!l.nome.isEmpty(), qPrintable(texto));
        QCOMPARE(Offset(l, data), horas);
    }

    // From 3 April 1966 to 26 September 1976 Portugal kept +1 all year (no summer change).
    void lisboaHoraUnica() {
        const LocalAtlas l = um(QStringLiteral("Lisboa, Portugal"));
        QCOMPARE(l.fuso, QStringLiteral("Europe/Lisbon"));
        for (int ano = 1967; ano <= 1975; ++ano)
            for (int mes : {1, 4, 7, 10, 12})
                QVERIFY2(Offset(l, QDate(ano, mes, 15)) == 1.0, qPrintable(QStringLiteral("%1/%2").arg(mes).arg(ano)));
        QCOMPARE(Offset(l, QDate(1966, 7, 15)), 1.0);
        QCOMPARE(Offset(l, QDate(1976, 7, 15)), 1.0);
        QCOMPARE(Offset(l, QDate(1966, 1, 15)), 0.0);
        QCOMPARE(Offset(l, QDate(1976, 12, 15)), 0.0);
    }

    // One summer with daylight saving per state (every state had one at some time), at its
    // capital: the offset then is the state's standard offset plus one hour.
    void horarioVeraoBrasil_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QDate>("data");
        QTest::addColumn<double>("horas");
        const QDate v2018(2018, 1, 15), v2000(2000, 1, 15), v1987(1987, 1, 15);
        for (const char* c : {"São Paulo, São Paulo", "Rio de Janeiro, Rio de Janeiro", "Belo Horizonte, Minas",
                              "Vitória, Espírito Santo", "Goiânia, Goiás", "Brasília, Distrito Federal",
                              "Curitiba, Paraná", "Florianópolis, Santa Catarina", "Porto Alegre, Rio Grande do Sul"})
            QTest::newRow(c) << QString::fromUtf8(c) << v2018 << -2.0;
        QTest::newRow("Campo Grande, Mato Grosso do Sul") << "Campo Grande, Mato Grosso do Sul" << v2018 << -3.0;
        QTest::newRow("Cuiabá") << "Cuiabá, Mato Grosso" << v2018 << -3.0;
        QTest::newRow("Salvador, Bahia 2012") << "Salvador, Bahia" << QDate(2012, 1, 15) << -2.0;
        QTest::newRow("Palmas, Tocantins 2013") << "Palmas, Tocantins" << QDate(2013, 1, 15) << -2.0;
        for (const char* c : {"Recife, Pernambuco", "Fortaleza, Ceará", "Maceió, Alagoas", "Aracaju, Sergipe",
                              "João Pessoa, Paraíba", "Natal, Rio Grande do Norte", "Teresina, Piauí",
                              "São Luís, Maranhão"})
            QTest::newRow(c) << QString::fromUtf8(c) << v2000 << -2.0;
        QTest::newRow("Boa Vista, Roraima 2000") << "Boa Vista, Roraima" << v2000 << -3.0;
        QTest::newRow("Manaus 1994") << "Manaus, Amazonas" << QDate(1994, 1, 15) << -3.0;
        QTest::newRow("Belém, Pará 1987") << "Belém, Pará, Brasil" << v1987 << -2.0;
        QTest::newRow("Macapá 1987") << "Macapá, Amapá" << v1987 << -2.0;
        QTest::newRow("Porto Velho 1987") << "Porto Velho, Rondônia" << v1987 << -3.0;
        QTest::newRow("Rio Branco, Acre 1987") << "Rio Branco, Acre" << v1987 << -4.0;
        QTest::newRow("Fernando de Noronha 2000") << "Fernando de Noronha, Pernambuco" << v2000 << -1.0;
    }
    void horarioVeraoBrasil() { fusos(); }

    void sedesDeMunicipio() {
        const QString base = QDir(QStringLiteral(NATALIS_PROGRAM_DIR)).filePath(QStringLiteral("locais.mdb"));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("sedes"));
            db.setDatabaseName(base);
            QVERIFY(db.open());
            QSqlQuery c(db);
            QVERIFY(c.exec(QStringLiteral("SELECT substr(Sede, 1, 2), count(DISTINCT Sede), count(*) FROM \"Locais\" "
                                          "WHERE Sede <> '' GROUP BY 1 ORDER BY 1")));
            QVERIFY(c.next());
            QCOMPARE(c.value(0).toString(), QStringLiteral("BR"));
            QCOMPARE(c.value(1).toInt(), 5570);
            QCOMPARE(c.value(2).toInt(), 5570);
            QVERIFY(c.next());
            QCOMPARE(c.value(0).toString(), QStringLiteral("PT"));
            QCOMPARE(c.value(1).toInt(), 308);
            QCOMPARE(c.value(2).toInt(), 308);
            // Seats once missing or under old names, each by its official name.
            for (const char* l : {"Almeida (Guarda, Portugal)", "Gouveia (Guarda, Portugal)",
                                  "Castelo de Vide (Portalegre, Portugal)", "Crato (Portalegre, Portugal)",
                                  "Sousel (Portalegre, Portugal)", "Chamusca (Santarém, Portugal)",
                                  "Caminha (Viana do Castelo, Portugal)", "Melgaço (Viana do Castelo, Portugal)",
                                  "Penalva do Castelo (Viseu, Portugal)", "Santa Cruz (Madeira, Portugal)",
                                  "Calheta (Madeira, Portugal)", "Calheta (Açores, Portugal)",
                                  "Vila do Corvo (Açores, Portugal)", "Nordeste (Açores, Portugal)",
                                  "Vila do Porto (Açores, Portugal)", "Santa Maria da Feira (Aveiro, Portugal)",
                                  "Vila Nova de Poiares (Coimbra, Portugal)", "Oliveira de Azeméis (Aveiro, Portugal)",
                                  "Marco de Canaveses (Porto, Portugal)", "Ponte de Sor (Portalegre, Portugal)",
                                  "Recife (Pernambuco, Brasil)", "Nova Olinda do Maranhão (Maranhão, Brasil)"}) {
                c.prepare(QStringLiteral("SELECT Sede FROM \"Locais\" WHERE \"Local\" = ?"));
                c.addBindValue(QString::fromUtf8(l));
                QVERIFY2(c.exec() && c.next(), l);
                QVERIFY2(!c.value(0).toString().isEmpty(), l);
            }
            // Foreign names in Portuguese; the English ones only find them.
            for (const char* l : {"Belgrade|Sérvia", "Vatican City|Cidade do Vaticano", "Lisbon|Portugal"}) {
                c.prepare(QStringLiteral("SELECT count(*) FROM \"Locais\" WHERE Nome = ? AND Pais = ?"));
                c.addBindValue(QString::fromUtf8(l).section(QLatin1Char('|'), 0, 0));
                c.addBindValue(QString::fromUtf8(l).section(QLatin1Char('|'), 1));
                QVERIFY(c.exec() && c.next());
                QVERIFY2(c.value(0).toInt() == 0, l);
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("sedes"));
        QCOMPARE(um(QStringLiteral("Belgrade, Sérvia")).nome.left(10), QStringLiteral("Belgrado ("));
    }

    // Madeira's Calheta lies near 17°W, the Azores' near 28°W: the two are never confused.
    void calhetas() {
        const double madeira = NormalizaLongitude(um(QStringLiteral("Calheta, Madeira")).longitude).valor * 15.0;
        const double acores = NormalizaLongitude(um(QStringLiteral("Calheta, Açores")).longitude).valor * 15.0;
        QVERIFY2(madeira > 17.0 && madeira < 17.4, qPrintable(QString::number(madeira)));
        QVERIFY2(acores > 27.9 && acores < 28.2, qPrintable(QString::number(acores)));
    }

    void procura_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("local");
        QTest::addColumn<int>("ate"); // found among the first `ate` rows
        QTest::newRow("sem acentos") << "sao paulo" << "São Paulo (São Paulo, Brasil)" << 1;
        QTest::newRow("segunda palavra") << "paulo" << "São Paulo (São Paulo, Brasil)" << 10;
        QTest::newRow("começo") << "São P" << "São Paulo (São Paulo, Brasil)" << 1;
        QTest::newRow("maiúsculas") << "RECIFE" << "Recife (Pernambuco, Brasil)" << 1;
        // The town named exactly so comes before the more populous Arco da Calheta.
        QTest::newRow("com região") << "calheta, madeira" << "Calheta (Madeira, Portugal)" << 1;
        QTest::newRow("nome inglês") << "lisbon, portugal" << "Lisboa (Lisboa, Portugal)" << 1;
    }
    void procura() {
        QFETCH(QString, texto);
        QFETCH(QString, local);
        QFETCH(int, ate);
        const QList<LocalAtlas> r = m_a.atlas.Procura(texto, 20);
        QStringList nomes;
        for (const LocalAtlas& l : r)
            nomes << l.nome;
        QVERIFY2(nomes.indexOf(local) >= 0 && nomes.indexOf(local) < ate, qPrintable(nomes.join("; ")));
    }
};

QTEST_GUILESS_MAIN(TestAtlasDados)
#include "test_atlasdados.moc"
